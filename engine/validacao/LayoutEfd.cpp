#include "LayoutEfd.h"

#include <sstream>
#include <stdexcept>

namespace {
constexpr const char* kTabela =
#include "LayoutEfdTabela.inc"
    ;

// Register codes are a block letter and three digits: a dense index of 10 × 1000.
int IndiceCodigo(std::string_view reg) {
  if (reg.size() != 4) return -1;
  const int bloco = PosicaoBloco(reg[0]);
  if (bloco < 0) return -1;
  int n = 0;
  for (int i = 1; i < 4; ++i) {
    if (reg[i] < '0' || reg[i] > '9') return -1;
    n = n * 10 + (reg[i] - '0');
  }
  return bloco * 1000 + n;
}

int LeInteiro(std::string_view s, size_t& i) {
  int n = 0;
  while (i < s.size() && s[i] >= '0' && s[i] <= '9') n = n * 10 + (s[i++] - '0');
  return n;
}

TCampoLayout LeCampo(std::string_view token) {
  const size_t doisPontos = token.find(':');
  if (doisPontos == std::string_view::npos) throw std::logic_error("campo sem tipo: " + std::string(token));
  TCampoLayout c;
  c.Nome = std::string(token.substr(0, doisPontos));
  std::string_view t = token.substr(doisPontos + 1);
  size_t i = 0;
  switch (t[i++]) {
    case 'C': c.Tipo = TTipoCampo::Texto; break;
    case 'N': c.Tipo = TTipoCampo::Numero; break;
    case 'D': c.Tipo = TTipoCampo::Data; c.Largura = 8; c.LarguraFixa = true; break;
    default: throw std::logic_error("tipo desconhecido: " + std::string(token));
  }
  while (i < t.size()) {
    const char ch = t[i];
    if (ch >= '0' && ch <= '9') { c.Largura = LeInteiro(t, i); continue; }
    ++i;
    switch (ch) {
      case '=': c.LarguraFixa = true; break;
      case '.': c.Decimais = LeInteiro(t, i); break;
      case '!': c.Obrigatorio = true; break;
      case 'P': c.Periodo = TDataNoPeriodo::DentroDoPeriodo; break;
      case 'F': c.Periodo = TDataNoPeriodo::AteOFim; break;
      case '@': c.DesdeVersao = LeInteiro(t, i); break;
      case '<': c.AteVersao = LeInteiro(t, i); break;
      case '{': {
        const size_t fim = t.find('}', i);
        std::string_view lista = t.substr(i, fim - i);
        size_t p = 0;
        while (p <= lista.size()) {
          const size_t v = std::min(lista.find(',', p), lista.size());
          c.Codigos.emplace_back(lista.substr(p, v - p));
          p = v + 1;
        }
        i = fim + 1;
        break;
      }
      default: throw std::logic_error("marca desconhecida: " + std::string(token));
    }
  }
  return c;
}

TOcorrencia LeOcorrencia(const std::string& s) {
  if (s == "1") return TOcorrencia::Uma;
  if (s == "?") return TOcorrencia::AteUma;
  if (s == "+") return TOcorrencia::PeloMenosUma;
  return TOcorrencia::Varias;
}
}  // namespace

int PosicaoBloco(char bloco) {
  const size_t p = kBlocosEfd.find(bloco);
  return p == std::string_view::npos ? -1 : static_cast<int>(p);
}

const std::vector<const TCampoLayout*>& TRegistroLayout::CamposDaVersao(int codVer) const {
  if (codVer < 1 || codVer > kUltimaVersaoEfd) codVer = kUltimaVersaoEfd;
  return PorVersao[codVer];
}

const TLayoutEfd& TLayoutEfd::Instancia() {
  static const TLayoutEfd layout;
  return layout;
}

TLayoutEfd::TLayoutEfd() : indice_(10 * 1000, -1) {
  std::istringstream linhas(kTabela);
  std::string linha;
  while (std::getline(linhas, linha)) {
    if (linha.empty()) continue;
    std::istringstream partes(linha);
    TRegistroLayout r;
    std::string pai, ocorrencia, campo;
    partes >> r.Reg >> pai >> ocorrencia;
    r.Pai = pai == "-" ? "" : pai;
    r.Bloco = r.Reg[0];
    r.Ocorrencia = LeOcorrencia(ocorrencia);
    while (partes >> campo) r.Campos.push_back(LeCampo(campo));
    registros_.push_back(std::move(r));
  }
  for (size_t i = 0; i < registros_.size(); ++i) indice_[IndiceCodigo(registros_[i].Reg)] = static_cast<int16_t>(i);
  for (TRegistroLayout& r : registros_) {
    // 0000 and 9999 enclose the file, X001/X990 enclose their block.
    if (r.Reg == "0000" || r.Reg == "9999") r.Nivel = 0;
    else if (r.Pai.empty()) r.Nivel = 1;
    else r.Nivel = Busca(r.Pai)->Nivel + 1;
    r.PorVersao.resize(kUltimaVersaoEfd + 1);
    for (int v = 1; v <= kUltimaVersaoEfd; ++v)
      for (const TCampoLayout& c : r.Campos)
        if (v >= c.DesdeVersao && v <= c.AteVersao) r.PorVersao[v].push_back(&c);
  }
}

const TRegistroLayout* TLayoutEfd::Busca(std::string_view reg) const {
  const int i = IndiceCodigo(reg);
  if (i < 0 || indice_[i] < 0) return nullptr;
  return &registros_[indice_[i]];
}
