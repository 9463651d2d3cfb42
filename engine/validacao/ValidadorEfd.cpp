#include "ValidadorEfd.h"

#include <algorithm>
#include <fstream>

#include "EstadoValidacao.h"
#include "TextUtil.h"

namespace {
TReferencia UsoDoCampo(std::string_view reg, std::string_view nome) {
  if (nome == "COD_PART" && reg != "0150") return TReferencia::Participante;
  if (nome == "COD_ITEM" && reg != "0200") return TReferencia::Item;
  if ((nome == "UNID" && reg != "0190") || nome == "UNID_INV") return TReferencia::Unidade;
  if (nome == "COD_NAT" && reg != "0400") return TReferencia::Natureza;
  if (nome == "COD_INF" && reg != "0450") return TReferencia::InfComplementar;
  if (nome == "COD_CTA" && reg != "0500") return TReferencia::Conta;
  return TReferencia::Nenhuma;
}

TReferencia DefinicaoDoCampo(std::string_view reg, std::string_view nome) {
  if (reg == "0150" && nome == "COD_PART") return TReferencia::Participante;
  if (reg == "0200" && nome == "COD_ITEM") return TReferencia::Item;
  if (reg == "0190" && nome == "UNID") return TReferencia::Unidade;
  if (reg == "0400" && nome == "COD_NAT") return TReferencia::Natureza;
  if (reg == "0450" && nome == "COD_INF") return TReferencia::InfComplementar;
  if (reg == "0500" && nome == "COD_CTA") return TReferencia::Conta;
  return TReferencia::Nenhuma;
}

TSentido SentidoDoCampo(std::string_view nome) {
  if (nome == "CNPJ" || nome == "CNPJ_EST" || nome == "CNPJ_SUC" || nome == "CNPJ_SUCED") return TSentido::Cnpj;
  if (nome == "CPF") return TSentido::Cpf;
  if (nome == "CNPJ_CPF_PART" || nome == "CNPJ_CPF" || nome == "CPF_CNPJ_ADQU") return TSentido::CnpjOuCpf;
  if (nome == "COD_MUN") return TSentido::Municipio;
  if (nome == "UF") return TSentido::Uf;
  if (nome == "CFOP") return TSentido::Cfop;
  if (nome == "CHV_NFE" || nome == "CHV_CTE" || nome == "CHV_DOCe") return TSentido::Chave;
  if (nome == "CHV_CTE_REF") return TSentido::ChaveReferida;
  if (nome.substr(0, 7) == "CST_PIS" || nome.substr(0, 10) == "CST_COFINS") return TSentido::Cst;
  return TSentido::Nenhum;
}

// The owner of each code set, for the messages.
constexpr std::array<std::string_view, kReferencias> kDonoReferencia{"", "0150", "0200", "0190", "0400", "0450", "0500"};
constexpr std::array<std::string_view, kReferencias> kNomeReferencia{
    "", "participante", "item", "unidade", "natureza da operação", "informação complementar", "conta contábil"};

int DataNumerica(std::string_view d) {  // ddmmyyyy → yyyymmdd, 0 when not 8 digits
  if (d.size() != 8) return 0;
  for (char c : d)
    if (c < '0' || c > '9') return 0;
  auto n = [&](int i, int k) { int v = 0; for (int j = i; j < i + k; ++j) v = v * 10 + (d[j] - '0'); return v; };
  return n(4, 4) * 10000 + n(2, 2) * 100 + n(0, 2);
}
}  // namespace

std::string Utf8DoArquivo(std::string_view bytes) { return FromWindows1252(bytes); }

int TPlanoRegistro::Indice(std::string_view nome) const {
  for (size_t i = 0; i < Campos.size(); ++i)
    if (Campos[i].Layout->Nome == nome) return static_cast<int>(i) + 1;  // Campos of a line start with REG
  return -1;
}

TValidadorEfd::TValidadorEfd() : e_(std::make_unique<TEstado>()) {
  TEstado& e = *e_;
  const auto& regs = e.Layout.Registros();
  e.Planos.resize(regs.size());
  e.UltimoPai.assign(regs.size(), -1);
  e.Contagem.assign(regs.size(), 0);
  e.NoBloco.assign(regs.size(), 0);
  for (size_t i = 0; i < regs.size(); ++i) {
    for (int v = 1; v <= kUltimaVersaoEfd; ++v) {
      TPlanoRegistro& p = e.Planos[i][v];
      for (const TCampoLayout* c : regs[i].CamposDaVersao(v))
        p.Campos.push_back({c, UsoDoCampo(regs[i].Reg, c->Nome), DefinicaoDoCampo(regs[i].Reg, c->Nome),
                            SentidoDoCampo(c->Nome)});
      p.CodMod = p.Indice("COD_MOD");
      p.Ser = p.Indice("SER");
      p.NumDoc = p.Indice("NUM_DOC");
      p.Cst = {p.Indice("CST_PIS"), p.Indice("CST_COFINS")};
      p.Base = {p.Indice("VL_BC_PIS"), p.Indice("VL_BC_COFINS")};
      p.Aliq = {p.Indice("ALIQ_PIS"), p.Indice("ALIQ_COFINS")};
      if (p.Aliq[0] < 0) p.Aliq[0] = p.Indice("ALIQ_PIS_PERC");
      if (p.Aliq[1] < 0) p.Aliq[1] = p.Indice("ALIQ_COFINS_PERC");
    }
  }
}

TValidadorEfd::~TValidadorEfd() = default;

void TValidadorEfd::TEstado::Achado(TSeveridade s, TTipoAchado t, int64_t linha, std::string_view reg,
                                    std::string_view campo, std::string_view valor, std::string mensagem) {
  R.Adiciona({s, t, linha, std::string(reg), std::string(campo), Utf8DoArquivo(valor), std::move(mensagem)});
}

const TPlanoRegistro& TValidadorEfd::TEstado::Plano(const TRegistroLayout& r) const {
  return Planos[&r - Layout.Registros().data()][CodVer];
}

void TValidadorEfd::Linha(const TLinhaEfd& l) {
  TEstado& e = *e_;
  constexpr auto Erro = TSeveridade::Erro;
  ++e.Linhas;
  if (!l.TerminaComCrLf)
    e.Achado(Erro, TTipoAchado::Arquivo, l.Numero, "", "", "",
             l.SemFimDeLinha ? "última linha sem CR LF" : "linha terminada só por LF, sem CR");
  if (l.Campos.empty()) {
    e.Achado(Erro, TTipoAchado::Estrutura, l.Numero, "", "", l.Texto.substr(0, 40),
             "linha fora do formato |REG|...| (um CR ou LF dentro de um campo parte a linha)");
    ++e.LinhasBloco;
    return;
  }
  const std::string_view reg = l.Campos[0];
  const TRegistroLayout* r = e.Layout.Busca(reg);
  if (!r) {
    e.Achado(Erro, TTipoAchado::Estrutura, l.Numero, reg, "", reg, "registro desconhecido no leiaute");
    ++e.LinhasBloco;
    return;
  }
  if (e.Fim9999) e.Achado(Erro, TTipoAchado::Estrutura, l.Numero, reg, "", "", "linha depois do registro 9999");
  const size_t ir = r - e.Layout.Registros().data();
  ++e.Contagem[ir];

  // The header gives the version and the period every later check depends on.
  if (reg == "0000" && l.Campos.size() > 6) {
    const std::string_view ver = l.Campos[1];
    if (ver.size() == 3 && ver[0] == '0' && ver[1] == '0' && ver[2] >= '1' && ver[2] <= '6') e.CodVer = ver[2] - '0';
    e.DtIni = DataNumerica(l.Campos[5]);
    e.DtFin = DataNumerica(l.Campos[6]);
  }
  if (l.Numero == 1 && reg != "0000")
    e.Achado(Erro, TTipoAchado::Estrutura, l.Numero, reg, "", "", "o arquivo não começa pelo registro 0000");

  // Blocks: in order, each opened by X001 and closed by X990.
  const int bloco = reg == "9999" ? e.Bloco : PosicaoBloco(r->Bloco);
  const std::string abertura = std::string(1, r->Bloco) + "001";
  if (bloco < e.Bloco) {
    e.BlocoVisto[PosicaoBloco(r->Bloco)] = true;
    e.Achado(Erro, TTipoAchado::Estrutura, l.Numero, reg, "", "", "registro do bloco " + std::string(1, r->Bloco) + " fora da ordem dos blocos");
  } else if (bloco > e.Bloco) {
    if (e.Bloco >= 0 && !e.BlocoFechado)
      e.Achado(Erro, TTipoAchado::Estrutura, l.Numero, reg, "", "",
               "bloco " + std::string(1, kBlocosEfd[e.Bloco]) + " não encerrado pelo registro " + std::string(1, kBlocosEfd[e.Bloco]) + "990");
    e.Bloco = bloco;
    e.BlocoVisto[bloco] = true;
    e.BlocoFechado = false;
    e.LinhasBloco = 0;
    e.BlocoTemDados = false;
    e.IndMovSemDados = false;
    std::fill(e.NoBloco.begin(), e.NoBloco.end(), 0);
    if (reg != abertura && !(reg == "0000"))
      e.Achado(Erro, TTipoAchado::Estrutura, l.Numero, reg, "", "", "bloco " + std::string(1, r->Bloco) + " sem o registro de abertura " + abertura);
  }
  if (reg != "9999") ++e.LinhasBloco;  // 0000 counts in block 0
  ++e.NoBloco[ir];
  if (r->Bloco == '9' && reg != "9999") ++e.Linhas9;

  // Parent and occurrence.
  if (r->Nivel >= 2) {
    const TRegistroLayout* pai = e.Aberto[r->Nivel - 1];
    if (!pai || pai->Reg != r->Pai) {
      e.Achado(Erro, TTipoAchado::Estrutura, l.Numero, reg, "", "", "registro fora do seu registro pai " + r->Pai);
    } else if (r->Ocorrencia == TOcorrencia::Uma || r->Ocorrencia == TOcorrencia::AteUma) {
      if (e.UltimoPai[ir] == e.AbertoLinha[r->Nivel - 1])
        e.Achado(Erro, TTipoAchado::Estrutura, l.Numero, reg, "", "", "mais de uma ocorrência sob o mesmo registro " + r->Pai);
      e.UltimoPai[ir] = e.AbertoLinha[r->Nivel - 1];
    }
    e.BlocoTemDados = true;
  }
  if (static_cast<size_t>(r->Nivel) < e.Aberto.size()) {
    e.Aberto[r->Nivel] = r;
    e.AbertoLinha[r->Nivel] = l.Numero;
    for (size_t n = r->Nivel + 1; n < e.Aberto.size(); ++n) e.Aberto[n] = nullptr;
  }

  // Field count of the file's version, then each field.
  const TPlanoRegistro& plano = e.Plano(*r);
  if (l.Campos.size() != plano.Campos.size() + 1) {
    e.Achado(Erro, TTipoAchado::Campo, l.Numero, reg, "", "",
             "a linha tem " + std::to_string(l.Campos.size() - 1) + " campos; o leiaute da versão 00" +
                 std::to_string(e.CodVer) + " tem " + std::to_string(plano.Campos.size()));
  } else {
    e.ChecaCampos(l, *r, plano);
    e.ChecaReferencias(l, *r, plano);
    if (r->Bloco == 'M') e.BlocoM(l, *r, plano);
    if (r->Bloco == 'A' || r->Bloco == 'C' || r->Bloco == 'D' || r->Bloco == 'F') e.AcumulaDetalhe(l, *r, plano);
  }

  // Opening, closing and file totals.
  const std::string_view v1 = l.Campos.size() > 1 ? l.Campos[1] : std::string_view();
  if (reg.substr(1) == "001") e.IndMovSemDados = v1 == "1";
  if (reg.substr(1) == "990" && reg != "9990") {
    e.BlocoFechado = true;
    const std::string qtd = std::to_string(e.LinhasBloco);
    if (v1 != qtd)
      e.Achado(Erro, TTipoAchado::Contagem, l.Numero, reg, r->Campos[0].Nome, v1, "o bloco tem " + qtd + " linhas");
    if (e.IndMovSemDados && e.BlocoTemDados)
      e.Achado(Erro, TTipoAchado::Estrutura, l.Numero, abertura, "IND_MOV", "1", "bloco sem dados segundo IND_MOV, mas com registros");
    if (!e.IndMovSemDados && !e.BlocoTemDados && reg != "0990")
      e.Achado(Erro, TTipoAchado::Estrutura, l.Numero, abertura, "IND_MOV", "0", "bloco com dados segundo IND_MOV, mas sem registros");
    if (!e.IndMovSemDados) {
      const auto& regs = e.Layout.Registros();
      for (size_t i = 0; i < regs.size(); ++i) {
        const TRegistroLayout& f = regs[i];
        if (f.Pai != abertura || e.NoBloco[i] > 0) continue;
        if (f.Ocorrencia == TOcorrencia::Uma || f.Ocorrencia == TOcorrencia::PeloMenosUma)
          e.Achado(Erro, TTipoAchado::Estrutura, l.Numero, f.Reg, "", "", "registro obrigatório ausente no bloco " + std::string(1, f.Bloco));
      }
    }
    if (r->Bloco == 'M') e.FechaPendentesM();
  }
  if (reg == "9900" && l.Campos.size() == 3) {
    int64_t qtd = 0;
    LeValor(l.Campos[2], qtd);
    auto [it, novo] = e.Reg9900.emplace(std::string(l.Campos[1]), std::make_pair(qtd / 10000, l.Numero));
    if (!novo) e.Achado(Erro, TTipoAchado::Contagem, l.Numero, reg, "REG_BLC", l.Campos[1], "registro com mais de uma linha 9900");
  }
  if (reg == "9990") {
    e.BlocoFechado = true;
    const std::string qtd = std::to_string(e.Linhas9 + 1);  // 9999 belongs to block 9
    if (v1 != qtd) e.Achado(Erro, TTipoAchado::Contagem, l.Numero, reg, "QTD_LIN_9", v1, "o bloco 9 tem " + qtd + " linhas");
  }
  if (reg == "9999") {
    e.Fim9999 = true;
    const std::string qtd = std::to_string(l.Numero);
    if (v1 != qtd) e.Achado(Erro, TTipoAchado::Contagem, l.Numero, reg, "QTD_LIN", v1, "o arquivo tem " + qtd + " linhas");
  }
}

TResultadoValidacao TValidadorEfd::Conclui() {
  TEstado& e = *e_;
  constexpr auto Erro = TSeveridade::Erro;
  const bool comBlocoI = e.DtIni >= 20140101;
  for (size_t b = 0; b < kBlocosEfd.size(); ++b) {
    const char bloco = kBlocosEfd[b];
    if (bloco == 'I') {
      if (comBlocoI && !e.BlocoVisto[b])
        e.Achado(Erro, TTipoAchado::Estrutura, 0, "I001", "", "", "bloco I ausente: obrigatório em períodos a partir de 01/01/2014");
      if (!comBlocoI && e.BlocoVisto[b] && e.DtIni > 0)
        e.Achado(Erro, TTipoAchado::Estrutura, 0, "I001", "", "", "bloco I presente em período anterior a 01/01/2014");
      continue;
    }
    if (!e.BlocoVisto[b]) e.Achado(Erro, TTipoAchado::Estrutura, 0, std::string(1, bloco) + "001", "", "", std::string("bloco ") + bloco + " ausente");
  }
  if (e.Bloco >= 0 && !e.BlocoFechado)
    e.Achado(Erro, TTipoAchado::Estrutura, e.Linhas, "", "", "", "bloco " + std::string(1, kBlocosEfd[e.Bloco]) + " não encerrado");
  if (!e.Fim9999) e.Achado(Erro, TTipoAchado::Estrutura, 0, "9999", "", "", "arquivo sem o registro de encerramento 9999");

  // Every register present has its 9900 line with its count, and no 9900 names an absent one.
  const auto& regs = e.Layout.Registros();
  for (size_t i = 0; i < regs.size(); ++i) {
    const auto it = e.Reg9900.find(regs[i].Reg);
    if (e.Contagem[i] == 0) continue;
    if (it == e.Reg9900.end()) {
      e.Achado(Erro, TTipoAchado::Contagem, 0, "9900", "REG_BLC", regs[i].Reg, "registro " + regs[i].Reg + " sem linha 9900");
    } else if (it->second.first != e.Contagem[i]) {
      e.Achado(Erro, TTipoAchado::Contagem, it->second.second, "9900", "QTD_REG_BLC", std::to_string(it->second.first),
               "o arquivo tem " + std::to_string(e.Contagem[i]) + " linhas " + regs[i].Reg);
    }
  }
  for (const auto& [codigo, v] : e.Reg9900) {
    const TRegistroLayout* r = e.Layout.Busca(codigo);
    if (!r || e.Contagem[r - regs.data()] == 0)
      e.Achado(Erro, TTipoAchado::Contagem, v.second, "9900", "REG_BLC", codigo, "registro " + codigo + " ausente do arquivo");
  }
  e.FechaPendentesM();
  e.ConcluiReferencias();
  e.ConcluiApuracao();
  e.R.Linhas = e.Linhas;
  return std::move(e.R);
}

void TValidadorEfd::TEstado::ChecaReferencias(const TLinhaEfd& l, const TRegistroLayout& r, const TPlanoRegistro& p) {
  for (size_t i = 0; i < p.Campos.size(); ++i) {
    const TCampoPlano& c = p.Campos[i];
    const std::string_view v = l.Campos[i + 1];
    if (v.empty()) continue;
    if (c.Define != TReferencia::Nenhuma) {
      auto& conjunto = Codigos[static_cast<int>(c.Define)];
      conjunto.emplace(std::string(v), false);
      if (LinhaDefinicao[static_cast<int>(c.Define)] == 0) LinhaDefinicao[static_cast<int>(c.Define)] = l.Numero;
    } else if (c.Usa != TReferencia::Nenhuma) {
      const int k = static_cast<int>(c.Usa);
      auto& conjunto = Codigos[k];
      const auto it = conjunto.find(v);
      if (it == conjunto.end())
        Achado(TSeveridade::Erro, TTipoAchado::Referencia, l.Numero, r.Reg, c.Layout->Nome, v,
               std::string(kNomeReferencia[k]) + " \"" + Utf8DoArquivo(v) + "\" não consta do registro " + std::string(kDonoReferencia[k]));
      else
        it->second = true;
    }
  }
}

void TValidadorEfd::TEstado::ConcluiReferencias() {
  for (int k = 1; k < kReferencias; ++k) {
    std::vector<std::string> naoUsados;
    for (const auto& [codigo, usado] : Codigos[k])
      if (!usado) naoUsados.push_back(codigo);
    std::sort(naoUsados.begin(), naoUsados.end());
    for (const std::string& codigo : naoUsados)
      Achado(TSeveridade::Aviso, TTipoAchado::Referencia, LinhaDefinicao[k], kDonoReferencia[k], "", codigo,
             "código \"" + Utf8DoArquivo(codigo) + "\" do registro " + std::string(kDonoReferencia[k]) + " (" + std::string(kNomeReferencia[k]) + ") não é usado em nenhum registro");
  }
}

TResultadoValidacao ValidaConteudoEfd(std::istream& entrada) {
  TLeitorEfd leitor(entrada);
  TValidadorEfd validador;
  TLinhaEfd linha;
  while (leitor.Proxima(linha)) validador.Linha(linha);
  TResultadoValidacao r = validador.Conclui();
  if (leitor.ErroDeLeitura()) {
    r.Legivel = false;
    r.ErroLeitura = "erro de leitura do arquivo";
  }
  return r;
}

TResultadoValidacao ValidaArquivoEfd(const std::string& caminho) {
  std::ifstream entrada(caminho, std::ios::binary);
  if (!entrada) {
    TResultadoValidacao r;
    r.Legivel = false;
    r.ErroLeitura = "não foi possível abrir o arquivo \"" + caminho + "\"";
    return r;
  }
  return ValidaConteudoEfd(entrada);
}
