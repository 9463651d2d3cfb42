// Field checks of one line: form (number, date, width, decimals), required fields, code
// tables, taxpayer numbers, municipality, CFOP and access keys.
#include <string>

#include "EstadoValidacao.h"
#include "FieldChecks.h"

namespace {
constexpr std::string_view kCstGerais =
    ",01,02,03,04,05,06,07,08,09,49,50,51,52,53,54,55,56,60,61,62,63,64,65,66,67,70,71,72,73,74,75,98,99,";

bool Digitos(std::string_view s) {
  for (char c : s)
    if (c < '0' || c > '9') return false;
  return !s.empty();
}

bool DataValida(std::string_view d, int& ymd) {
  if (d.size() != 8 || !Digitos(d)) return false;
  const int dia = (d[0] - '0') * 10 + (d[1] - '0');
  const int mes = (d[2] - '0') * 10 + (d[3] - '0');
  const int ano = std::stoi(std::string(d.substr(4)));
  static constexpr int kDias[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (mes < 1 || mes > 12 || dia < 1 || dia > kDias[mes - 1] || ano < 1900) return false;
  if (mes == 2 && dia == 29 && !(ano % 4 == 0 && (ano % 100 != 0 || ano % 400 == 0))) return false;
  ymd = ano * 10000 + mes * 100 + dia;
  return true;
}

std::string Aspas(std::string_view v) { return "\"" + Utf8DoArquivo(v) + "\""; }

// Check digit of a 44-digit access key: weights 2 to 9 from the right over the first 43.
int DigitoChave(std::string_view chave) {
  int soma = 0, peso = 2;
  for (int i = 42; i >= 0; --i) {
    soma += (chave[i] - '0') * peso;
    peso = peso == 9 ? 2 : peso + 1;
  }
  const int resto = soma % 11;
  return resto < 2 ? 0 : 11 - resto;
}

// Numeric texts compared as numbers ("1" and "001" are the same series).
bool MesmoNumero(std::string_view a, std::string_view b) {
  while (a.size() > 1 && a[0] == '0') a.remove_prefix(1);
  while (b.size() > 1 && b[0] == '0') b.remove_prefix(1);
  return a == b;
}
}  // namespace

bool LeValor(std::string_view t, int64_t& valor) {
  valor = 0;
  if (t.empty()) return true;
  bool negativo = false;
  size_t i = 0;
  if (t[0] == '-') { negativo = true; i = 1; }
  int decimais = -1;
  int64_t v = 0;
  bool algum = false;
  for (; i < t.size(); ++i) {
    const char c = t[i];
    if (c == ',' && decimais < 0) { decimais = 0; continue; }
    if (c < '0' || c > '9') return false;
    algum = true;
    if (decimais >= 4) continue;  // beyond the fourth decimal: not needed for the sums
    if (v > 922337203685477) return false;
    v = v * 10 + (c - '0');
    if (decimais >= 0) ++decimais;
  }
  if (!algum) return false;
  for (int d = decimais < 0 ? 0 : decimais; d < 4; ++d) v *= 10;
  valor = negativo ? -v : v;
  return true;
}

std::string FormataValor(int64_t valor, int decimais) {
  const bool negativo = valor < 0;
  uint64_t v = negativo ? -static_cast<uint64_t>(valor) : valor;
  int corte = 4 - decimais;
  uint64_t div = 1;
  for (int i = 0; i < corte; ++i) div *= 10;
  v = (v + div / 2) / div;
  uint64_t escala = 1;
  for (int i = 0; i < decimais; ++i) escala *= 10;
  std::string s = std::to_string(v / escala);
  if (decimais > 0) {
    std::string frac = std::to_string(v % escala);
    s += "," + std::string(decimais - frac.size(), '0') + frac;
  }
  return negativo && v != 0 ? "-" + s : s;
}

void TValidadorEfd::TEstado::ChecaCampos(const TLinhaEfd& l, const TRegistroLayout& r, const TPlanoRegistro& p) {
  const auto erro = [&](const TCampoLayout& c, std::string_view v, std::string msg) {
    Achado(TSeveridade::Erro, TTipoAchado::Campo, l.Numero, r.Reg, c.Nome, v, std::move(msg));
  };
  for (size_t i = 0; i < p.Campos.size(); ++i) {
    const TCampoPlano& cp = p.Campos[i];
    const TCampoLayout& c = *cp.Layout;
    const std::string_view v = l.Campos[i + 1];
    if (v.empty()) {
      if (c.Obrigatorio) erro(c, v, "campo obrigatório não informado");
      continue;
    }
    bool controle = false;
    for (unsigned char ch : v) controle |= ch < 0x20 || ch == 0x7f;
    if (controle) erro(c, v, "caractere de controle no campo");

    switch (c.Tipo) {
      case TTipoCampo::Texto:
        if (c.LarguraFixa && v.size() != static_cast<size_t>(c.Largura))
          erro(c, v, "texto " + Aspas(v) + " com " + std::to_string(v.size()) + " caracteres; o leiaute exige " + std::to_string(c.Largura));
        else if (c.Largura > 0 && v.size() > static_cast<size_t>(c.Largura))
          erro(c, v, "texto com " + std::to_string(v.size()) + " caracteres; o leiaute admite até " + std::to_string(c.Largura));
        break;
      case TTipoCampo::Data: {
        int ymd = 0;
        if (!DataValida(v, ymd)) {
          erro(c, v, "data " + Aspas(v) + " inválida (ddmmaaaa)");
        } else if (c.Periodo == TDataNoPeriodo::DentroDoPeriodo && DtIni > 0 && DtFin > 0 && (ymd < DtIni || ymd > DtFin)) {
          erro(c, v, "data " + Aspas(v) + " fora do período do arquivo");
        } else if (c.Periodo == TDataNoPeriodo::AteOFim && DtFin > 0 && ymd > DtFin) {
          erro(c, v, "data " + Aspas(v) + " posterior ao fim do período do arquivo");
        }
        break;
      }
      case TTipoCampo::Numero: {
        const size_t virgula = v.find(',');
        const std::string_view inteiro = v.substr(v[0] == '-' ? 1 : 0, virgula == std::string_view::npos ? std::string_view::npos : virgula - (v[0] == '-' ? 1 : 0));
        const std::string_view fracao = virgula == std::string_view::npos ? std::string_view() : v.substr(virgula + 1);
        if (v.find('.') != std::string_view::npos) {
          erro(c, v, "número " + Aspas(v) + " com ponto: o separador decimal é a vírgula e não há separador de milhar");
        } else if (!Digitos(inteiro) || (virgula != std::string_view::npos && !Digitos(fracao))) {
          erro(c, v, "valor " + Aspas(v) + " não numérico");
        } else if (fracao.size() > static_cast<size_t>(c.Decimais)) {
          erro(c, v, "número " + Aspas(v) + " com " + std::to_string(fracao.size()) + " decimais; o leiaute admite " + std::to_string(c.Decimais));
        } else if (c.LarguraFixa && inteiro.size() != static_cast<size_t>(c.Largura)) {
          erro(c, v, "número " + Aspas(v) + " com " + std::to_string(inteiro.size()) + " dígitos; o leiaute exige " + std::to_string(c.Largura));
        } else if (!c.LarguraFixa && c.Largura > 0 && inteiro.size() > static_cast<size_t>(c.Largura)) {
          erro(c, v, "número " + Aspas(v) + " com " + std::to_string(inteiro.size()) + " dígitos; o leiaute admite até " + std::to_string(c.Largura));
        }
        break;
      }
    }
    if (!c.Codigos.empty()) {
      bool achou = false;
      for (const std::string& codigo : c.Codigos) achou |= codigo == v;
      if (!achou) erro(c, v, "código " + Aspas(v) + " fora da tabela do campo");
      continue;
    }
    switch (cp.Sentido) {
      case TSentido::Cnpj:
        if (!ValidaCNPJ(std::string(v))) erro(c, v, "CNPJ " + Aspas(v) + " com dígitos verificadores inválidos");
        break;
      case TSentido::Cpf:
        if (!ValidaCPF(std::string(v))) erro(c, v, "CPF " + Aspas(v) + " com dígitos verificadores inválidos");
        break;
      case TSentido::CnpjOuCpf:
        if (v.size() == 14 ? !ValidaCNPJ(std::string(v)) : v.size() == 11 ? !ValidaCPF(std::string(v)) : true)
          erro(c, v, "CNPJ/CPF " + Aspas(v) + " inválido");
        break;
      case TSentido::Municipio:
        if (!Digitos(v) || v.size() != 7 || !ValidaCodMunicipio(std::stoi(std::string(v))))
          erro(c, v, "código de município " + Aspas(v) + " inexistente");
        break;
      case TSentido::Uf:
        if (!ValidaUF(std::string(v))) erro(c, v, "UF " + Aspas(v) + " inexistente");
        break;
      case TSentido::Cfop:
        if (v.size() != 4 || !Digitos(v) || std::string_view("123567").find(v[0]) == std::string_view::npos)
          erro(c, v, "CFOP " + Aspas(v) + " inválido");
        break;
      case TSentido::Cst:
        if (kCstGerais.find("," + std::string(v) + ",") == std::string_view::npos) erro(c, v, "CST " + Aspas(v) + " inexistente");
        break;
      case TSentido::Chave:
      case TSentido::ChaveReferida: {
        if (v.size() != 44 || !Digitos(v)) break;  // the form check above already says so
        if (DigitoChave(v) != v[43] - '0') {
          erro(c, v, "chave de acesso com dígito verificador inválido (o correto é " + std::to_string(DigitoChave(v)) + ")");
          break;
        }
        if (cp.Sentido == TSentido::ChaveReferida) break;
        if (p.CodMod > 0 && v.substr(20, 2) != l.Campos[p.CodMod])
          erro(c, v, "modelo " + std::string(v.substr(20, 2)) + " da chave difere de COD_MOD " + Aspas(l.Campos[p.CodMod]));
        if (p.Ser > 0 && !MesmoNumero(v.substr(22, 3), l.Campos[p.Ser]))
          erro(c, v, "série " + std::string(v.substr(22, 3)) + " da chave difere de SER " + Aspas(l.Campos[p.Ser]));
        if (p.NumDoc > 0 && !MesmoNumero(v.substr(25, 9), l.Campos[p.NumDoc]))
          erro(c, v, "número " + std::string(v.substr(25, 9)) + " da chave difere de NUM_DOC " + Aspas(l.Campos[p.NumDoc]));
        break;
      }
      case TSentido::Nenhum: break;
    }
  }
}
