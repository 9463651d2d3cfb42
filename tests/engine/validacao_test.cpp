// File check: a small valid file, then the same file with one fault at a time and the exact
// findings each fault gives.
#include <gtest/gtest.h>

#include <functional>
#include <sstream>

#include "validacao/FormatoValidacao.h"
#include "validacao/ValidadorEfd.h"

namespace {
using Linhas = std::vector<std::string>;

// Blocks 0 to 1 without their closing lines; the closing lines and block 9 are counted here.
Linhas Base() {
  return {
      "|0000|006|0|||01032024|31032024|EMPRESA TESTE LTDA|11222333000181|SP|3550308||00|2|",
      "|0001|0|",
      "|0100|CONTADOR|11144477735|1SP000000||01001000|RUA A|1|||1133334444||c@x.com|3550308|",
      "|0110|1|1|1||",
      "|0140|001|LOJA 001|11222333000181|SP||3550308|||",
      "|0150|F1|FORNECEDOR|01058|11444777000161|||||||||",
      "|0190|UN|UNIDADE|",
      "|0200|P1|PRODUTO|||UN|00||||||",
      "|0400|N1|COMPRA|",
      "|0500|01012024|04|A|5|3.01|CONTA|||",
      "|A001|1|",
      "|C001|0|",
      "|C010|11222333000181|2|",
      "|C100|0|1|F1|55|00|1|123|35240311444777000161550010000001231123456788|05032024|05032024|100,00|0|0,00|0,00|"
      "100,00|9|0,00|0,00|0,00|0,00|0,00|0,00|0,00|0,00|1,65|7,60|0,00|0,00|",
      "|C170|1|P1||1,00000|UN|100,00|0,00|0|000|1102|N1|0,00|0,00|0,00|0,00|0,00|0,00|0|49||||"
      "|50|100,00|1,6500|||1,65|50|100,00|7,6000|||7,60|3.01|",
      "|C180|55|01032024|31032024|P1|||200,00|",
      "|C181|01|5102|200,00||200,00|1,6500|||3,30|3.01|",
      "|C185|01|5102|200,00||200,00|7,6000|||15,20|3.01|",
      "|D001|1|",
      "|F001|1|",
      "|I001|1|",
      "|M001|0|",
      "|M100|101|0|100,00|1,6500|||1,65|0,00|0,00|0,00|1,65|0|1,65|0,00|",
      "|M105|01|50|100,00|||100,00||||",
      "|M200|3,30|1,65|0,00|1,65|0,00|0,00|1,65|0,00|0,00|0,00|0,00|1,65|",
      "|M210|01|200,00|200,00|0,00|0,00|200,00|1,6500|||3,30|0,00|0,00|||3,30|",
      "|M500|101|0|100,00|7,6000|||7,60|0,00|0,00|0,00|7,60|0|7,60|0,00|",
      "|M505|01|50|100,00|||100,00||||",
      "|M600|15,20|7,60|0,00|7,60|0,00|0,00|7,60|0,00|0,00|0,00|0,00|7,60|",
      "|M610|01|200,00|200,00|0,00|0,00|200,00|7,6000|||15,20|0,00|0,00|||15,20|",
      "|P001|1|",
      "|1001|1|",
  };
}

std::string Monta(const Linhas& corpo) {
  std::vector<std::string> linhas;
  std::map<std::string, int> porRegistro;
  std::vector<std::string> ordem;
  auto poe = [&](const std::string& l) {
    linhas.push_back(l);
    const std::string reg = l.size() > 5 ? l.substr(1, 4) : "";
    if (porRegistro[reg]++ == 0) ordem.push_back(reg);
  };
  char bloco = 0;
  int noBloco = 0;
  auto fecha = [&] {
    if (bloco) poe("|" + std::string(1, bloco) + "990|" + std::to_string(noBloco + 1) + "|");
  };
  for (const std::string& l : corpo) {
    const char b = l.size() > 1 ? l[1] : 0;
    if (b != bloco && (l.substr(2, 3) == "001" || l.substr(1, 4) == "0000")) {
      fecha();
      bloco = b;
      noBloco = 0;
    }
    poe(l);
    ++noBloco;
  }
  fecha();
  poe("|9001|0|");
  ordem.insert(ordem.end(), {"9900", "9990", "9999"});
  porRegistro["9990"] = porRegistro["9999"] = 1;
  porRegistro["9900"] = static_cast<int>(ordem.size());
  for (const std::string& reg : ordem) linhas.push_back("|9900|" + reg + "|" + std::to_string(porRegistro[reg]) + "|");
  linhas.push_back("|9990|" + std::to_string(ordem.size() + 3) + "|");
  linhas.push_back("|9999|" + std::to_string(linhas.size() + 1) + "|");
  std::string texto;
  for (const std::string& l : linhas) texto += l + "\r\n";
  return texto;
}

std::vector<std::string> Achados(const std::string& texto) {
  std::istringstream entrada(texto);
  const TResultadoValidacao r = ValidaConteudoEfd(entrada);
  std::vector<std::string> out = MensagensValidacao(r, 1000);
  for (std::string& s : out) s = s.substr(std::string("(VALIDAÇÃO) ").size());
  return out;
}

void Troca(Linhas& l, const std::string& de, const std::string& para) {
  for (std::string& s : l) {
    const size_t p = s.find(de);
    if (p != std::string::npos) { s.replace(p, de.size(), para); return; }
  }
  FAIL() << "não achei " << de;
}

void Tira(Linhas& l, const std::string& prefixo) {
  std::erase_if(l, [&](const std::string& s) { return s.rfind(prefixo, 0) == 0; });
}
}  // namespace

TEST(ValidacaoArquivo, ArquivoCorretoNaoTemAchados) {
  EXPECT_EQ(Achados(Monta(Base())), std::vector<std::string>{});
}

struct CasoDeFalha {
  const char* nome;
  std::function<void(Linhas&)> corpo;                     // fault in the register lines
  std::function<void(std::string&)> texto;                // or in the assembled text
  std::vector<std::string> esperado;
};

TEST(ValidacaoArquivo, CadaFalhaDaSeusAchados) {
  const std::vector<CasoDeFalha> casos = {
      {"LF sem CR", nullptr, [](std::string& t) { t.replace(t.find("\r\n"), 2, "\n"); },
       {"linha 1: linha terminada só por LF, sem CR"}},
      {"última linha sem CR LF", nullptr, [](std::string& t) { t.resize(t.size() - 2); },
       {"linha 89: última linha sem CR LF"}},
      {"LF dentro do nome", [](Linhas& l) { Troca(l, "|FORNECEDOR|", "|FORNE\r\nCEDOR|"); }, nullptr,
       {"linha 6: linha fora do formato |REG|...| (um CR ou LF dentro de um campo parte a linha)",
        "linha 7: linha fora do formato |REG|...| (um CR ou LF dentro de um campo parte a linha)",
        "linha 12, 0990, QTD_LIN_0: o bloco tem 12 linhas",
        "linha 17, C100, COD_PART: participante \"F1\" não consta do registro 0150",
        "linha 90, 9999, QTD_LIN: o arquivo tem 90 linhas",
        "linha 49, 9900, REG_BLC: registro 0150 ausente do arquivo"}},
      {"registro desconhecido", [](Linhas& l) { l.insert(l.begin() + 9, "|0999|X|"); }, nullptr,
       {"linha 10, 0999: registro desconhecido no leiaute",
        "linha 53, 9900, REG_BLC: registro 0999 ausente do arquivo"}},
      {"participante ausente do 0150", [](Linhas& l) { Troca(l, "|1|F1|55|", "|1|F9|55|"); }, nullptr,
       {"linha 16, C100, COD_PART: participante \"F9\" não consta do registro 0150",
        "linha 6, 0150: código \"F1\" do registro 0150 (participante) não é usado em nenhum registro"}},
      {"item, unidade, natureza e conta ausentes", [](Linhas& l) { Troca(l, "|1|P1||1,00000|UN|", "|1|P9||1,00000|KG|"); Troca(l, "|1102|N1|", "|1102|N9|"); Troca(l, "|7,60|3.01|", "|7,60|9.99|"); }, nullptr,
       {"linha 17, C170, COD_ITEM: item \"P9\" não consta do registro 0200",
        "linha 17, C170, UNID: unidade \"KG\" não consta do registro 0190",
        "linha 17, C170, COD_NAT: natureza da operação \"N9\" não consta do registro 0400",
        "linha 17, C170, COD_CTA: conta contábil \"9.99\" não consta do registro 0500",
        "linha 9, 0400: código \"N1\" do registro 0400 (natureza da operação) não é usado em nenhum registro"}},
      {"bloco I ausente a partir de 2014", [](Linhas& l) { Tira(l, "|I001|"); }, nullptr,
       {"arquivo, I001: bloco I ausente: obrigatório em períodos a partir de 01/01/2014"}},
      {"blocos fora de ordem", [](Linhas& l) { std::swap(l[18], l[19]); }, nullptr,
       {"linha 24, D001: registro do bloco D fora da ordem dos blocos",
        "linha 25, D990: registro do bloco D fora da ordem dos blocos",
        "linha 25, D990, QTD_LIN_D: o bloco tem 4 linhas"}},
      {"registro fora do pai", [](Linhas& l) { std::swap(l[13], l[14]); }, nullptr,
       {"linha 16, C170: registro fora do seu registro pai C100"}},
      {"ocorrência única repetida", [](Linhas& l) { l.insert(l.begin() + 4, "|0110|1|1|1||"); }, nullptr,
       {"linha 5, 0110: mais de uma ocorrência sob o mesmo registro 0001"}},
      {"IND_MOV com dados num bloco vazio", [](Linhas& l) { Troca(l, "|D001|1|", "|D001|0|"); }, nullptr,
       {"linha 23, D001, IND_MOV: bloco com dados segundo IND_MOV, mas sem registros",
        "linha 23, D010: registro obrigatório ausente no bloco D"}},
      {"contagens erradas", nullptr, [](std::string& t) { t.replace(t.find("|C990|8|"), 8, "|C990|9|"); t.replace(t.find("|9900|C170|1|"), 13, "|9900|C170|2|"); },
       {"linha 21, C990, QTD_LIN_C: o bloco tem 8 linhas",
        "linha 59, 9900, QTD_REG_BLC: o arquivo tem 1 linhas C170"}},
      {"campos a mais", [](Linhas& l) { Troca(l, "|00|2|", "|00|2|X|"); }, nullptr,
       {"linha 1, 0000: a linha tem 14 campos; o leiaute da versão 006 tem 13"}},
      {"número com ponto e decimais a mais", [](Linhas& l) { Troca(l, "|05032024|100,00|", "|05032024|100.00|"); Troca(l, "|100,00|1,6500|||1,65|50|", "|100,00|1,65000|||1,65|50|"); }, nullptr,
       {"linha 16, C100, VL_DOC: número \"100.00\" com ponto: o separador decimal é a vírgula e não há separador de milhar",
        "linha 17, C170, ALIQ_PIS_PERC: número \"1,65000\" com 5 decimais; o leiaute admite 4"}},
      {"datas inválida e fora do período", [](Linhas& l) { Troca(l, "|05032024|05032024|", "|31022024|05042024|"); Troca(l, "|55|01032024|", "|55|01022024|"); }, nullptr,
       {"linha 16, C100, DT_DOC: data \"31022024\" inválida (ddmmaaaa)",
        "linha 16, C100, DT_E_S: data \"05042024\" posterior ao fim do período do arquivo",
        "linha 18, C180, DT_DOC_INI: data \"01022024\" fora do período do arquivo"}},
      {"largura, obrigatório e controle", [](Linhas& l) { Troca(l, "|RUA A|1|", "|RUA A|12345678901|"); Troca(l, "|LOJA 001|", "||"); Troca(l, "|UNIDADE|", "|UNI\tDADE|"); }, nullptr,
       {"linha 3, 0100, NUM: texto com 11 caracteres; o leiaute admite até 10",
        "linha 5, 0140, NOME: campo obrigatório não informado",
        "linha 7, 0190, DESCR: caractere de controle no campo"}},
      {"códigos fora da tabela", [](Linhas& l) { Troca(l, "|100,00|9|", "|100,00|5|"); Troca(l, "|M105|01|50|", "|M105|01|01|"); Troca(l, "|000|1102|", "|000|4102|"); }, nullptr,
       {"linha 16, C100, IND_FRT: código \"5\" fora da tabela do campo",
        "linha 17, C170, CFOP: CFOP \"4102\" inválido",
        "linha 30, M105, CST_PIS: código \"01\" fora da tabela do campo"}},
      {"documentos e município", [](Linhas& l) { Troca(l, "|11444777000161|", "|11444777000162|"); Troca(l, "|11144477735|", "|11144477736|"); Troca(l, "|c@x.com|3550308|", "|c@x.com|1234567|"); }, nullptr,
       {"linha 3, 0100, CPF: CPF \"11144477736\" com dígitos verificadores inválidos",
        "linha 3, 0100, COD_MUN: código de município \"1234567\" inexistente",
        "linha 6, 0150, CNPJ: CNPJ \"11444777000162\" com dígitos verificadores inválidos"}},
      {"chave de acesso", [](Linhas& l) { Troca(l, "1123456788|", "1123456780|"); }, nullptr,
       {"linha 16, C100, CHV_NFE: chave de acesso com dígito verificador inválido (o correto é 8)"}},
      {"chave que não é do documento", [](Linhas& l) { Troca(l, "|F1|55|00|1|123|", "|F1|55|00|2|124|"); }, nullptr,
       {"linha 16, C100, CHV_NFE: série 001 da chave difere de SER \"2\"",
        "linha 16, C100, CHV_NFE: número 000000123 da chave difere de NUM_DOC \"124\""}},
      {"bloco M: contribuição do período", [](Linhas& l) { Troca(l, "|0,00|||3,30|", "|0,00|||3,40|"); }, nullptr,
       {"linha 32, M210, VL_CONT_PER: VL_CONT_PER 3,40 difere do esperado 3,30 (VL_CONT_APUR + VL_AJUS_ACRES - VL_AJUS_REDUC - VL_CONT_DIFER + VL_CONT_DIFER_ANT)",
        "linha 31, M200, VL_TOT_CONT_NC_PER: VL_TOT_CONT_NC_PER 3,30 difere do esperado 3,40 (soma de VL_CONT_PER dos M210 não cumulativos (01, 02, 03, 04, 32, 71))"}},
      {"bloco M: M400 e M410", [](Linhas& l) { l.insert(l.begin() + 26, {"|M400|06|50,00|||", "|M410|999|40,00|||"}); }, nullptr,
       {"linha 33, M400, VL_TOT_REC: VL_TOT_REC 50,00 difere do esperado 40,00 (soma dos M410)"}},
      {"apuração: base do M210 e dos documentos", [](Linhas& l) { Troca(l, "|C181|01|5102|200,00||200,00|", "|C181|01|5102|200,00||250,00|"); }, nullptr,
       {"linha 32, M210, VL_BC_CONT: base de cálculo do PIS à alíquota 1,6500: 200,00 nos M210 e 250,00 nos registros dos blocos A, C, D e F"}},
      {"código informado e nunca usado", [](Linhas& l) { l.insert(l.begin() + 9, "|0450|INF1|TEXTO|"); }, nullptr,
       {"linha 10, 0450: código \"INF1\" do registro 0450 (informação complementar) não é usado em nenhum registro"}},
  };
  for (const CasoDeFalha& c : casos) {
    Linhas corpo = Base();
    if (c.corpo) c.corpo(corpo);
    std::string texto = Monta(corpo);
    if (c.texto) c.texto(texto);
    EXPECT_EQ(Achados(texto), c.esperado) << c.nome;
  }
}
