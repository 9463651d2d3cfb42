// vudirozazezav-cli: logs in and runs the generation of "TODOS" without any window, with the
// window's choices taken from the command line.
#include <unistd.h>

#include <charconv>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <memory>
#include <optional>

#include "Andamento.h"
#include "CaminhoLocal.h"
#include "Configuracao.h"
#include "DbError.h"
#include "Geracao.h"
#include "LoginKivo.h"
#include "Opcoes.h"
#include "Resumo.h"
#include "Senhas.h"
#include "SessaoErp.h"
#include "Validar.h"
#include "validacao/FormatoValidacao.h"

namespace {

const char* kPrograma = "vudirozazezav-cli";

int Falha(TAndamentoTerminal* host, int codigo, const std::string& mensagem) {
  if (host) host->FimDoAndamento();
  std::fprintf(stderr, "%s: %s\n", kPrograma, mensagem.c_str());
  return codigo;
}

// The code at the start of an option group's item: "9" of "9 - Regime de ...", "08" of "08 ...".
std::string CodigoDoItem(const std::string& item) { return item.substr(0, item.find(' ')); }

int ItemPorCodigo(const std::vector<std::string>& itens, const std::string& codigo) {
  for (size_t i = 0; i < itens.size(); ++i)
    if (CodigoDoItem(itens[i]) == codigo) return static_cast<int>(i);
  return -1;
}

std::vector<std::string> Codigos(const std::vector<std::string>& itens) {
  std::vector<std::string> c;
  for (const std::string& item : itens) c.push_back(CodigoDoItem(item));
  return c;
}

std::string Junta(const std::vector<std::string>& itens) {
  std::string s;
  for (size_t i = 0; i < itens.size(); ++i) s += (i ? ", " : "") + itens[i];
  return s;
}

std::string ListaLojas(const std::vector<TLinhaLoja>& todas) {
  std::vector<std::string> lojas;
  for (const auto& r : todas) lojas.push_back(r.Texto("nmemp"));
  return lojas.empty() ? "nenhuma loja cadastrada" : "lojas: " + Junta(lojas);
}

// Values that only the window's lists can judge; checked before anything connects.
void ConfereListas(const TOpcoes& o) {
  using L = TListasGeracao;
  if (o.Versao) {
    bool ok = false;
    for (const std::string& v : L::Versoes()) ok = ok || v == *o.Versao;
    if (!ok)
      throw EOpcaoInvalida("versão do leiaute inválida: \"" + Visivel(*o.Versao) + "\" (válidas: " + Junta(L::Versoes()) + ")");
  }
  if (o.Criterio && ItemPorCodigo(L::Criterios(), *o.Criterio) < 0)
    throw EOpcaoInvalida("critério inválido: \"" + Visivel(*o.Criterio) + "\" (válidos: " + Junta(Codigos(L::Criterios())) + ")");
  if (o.Detalhamento && ItemPorCodigo(L::Detalhamentos(), *o.Detalhamento) < 0)
    throw EOpcaoInvalida("detalhamento inválido: \"" + Visivel(*o.Detalhamento) + "\" (válidos: " +
                         Junta(Codigos(L::Detalhamentos())) + ")");
}

// The store as typed, or with the zeros the store codes carry ("1" for "001").
const TLinhaLoja* AchaLoja(const std::vector<TLinhaLoja>& lojas, const std::string& loja) {
  for (const auto& r : lojas)
    if (r.Texto("cd_loja") == loja) return &r;
  for (const auto& r : lojas) {
    const std::string key = r.Texto("cd_loja");
    if (key.size() > loja.size() && key.find_first_not_of('0') == key.size() - loja.size() &&
        key.compare(key.size() - loja.size(), loja.size(), loja) == 0)
      return &r;
  }
  return nullptr;
}

// The run's options: the window's defaults for the store, then what the operator chose. The store
// comes first: choosing it may replace the M205 code and the file name.
TRunOptions Opcoes(const TOpcoes& o, const std::vector<TLinhaLoja>& lojas) {
  using L = TListasGeracao;
  TRunOptions r;
  // Without --loja the window's default store "001", when there is one.
  const TLinhaLoja* loja = nullptr;
  if (o.Loja) loja = AchaLoja(lojas, *o.Loja);
  else
    for (const auto& l : lojas)
      if (l.Texto("cd_loja") == "001") loja = &l;
  if (o.Loja && !loja)
    throw EOpcaoInvalida("a loja \"" + *o.Loja + "\" não existe (" + ListaLojas(lojas) + ")");
  if (!loja) throw EOpcaoInvalida("nenhuma loja escolhida: use --loja (" + ListaLojas(lojas) + ")");
  r.Loja = *loja;
  r.Arquivo = CaminhoLocal(kArquivoPadrao);
  const TPadraoLoja padrao = PadraoDaLoja(r.Loja);
  if (!padrao.ReceitaM205.empty()) {
    r.ReceitaM205 = padrao.ReceitaM205;
    r.Arquivo = CaminhoLocal(padrao.Arquivo);
  }
  r.Detalhamento = DetalhamentoDaLoja(r.Loja, static_cast<int>(L::Detalhamentos().size()));
  // The component takes its folder from the name: a bare relative name would have none.
  if (o.Arquivo) r.Arquivo = std::filesystem::absolute(*o.Arquivo).lexically_normal().string();
  const TDateTime hoje = Today();
  r.DataInicial = o.De.value_or(StartOfTheMonth(hoje));
  r.DataFinal = o.Ate.value_or(EndOfTheMonth(hoje));
  if (o.Versao) {
    r.VersaoTexto = *o.Versao;
    for (size_t i = 0; i < L::Versoes().size(); ++i)
      if (L::Versoes()[i] == *o.Versao) r.Versao = static_cast<int>(i);
  }
  if (o.Concomitante) r.Concomitante = *o.Concomitante;
  r.ValidaArquivo = !o.SemValidacao;
  auto inteiro = [](const std::optional<std::string>& v, int atual, int invalido) {
    if (!v) return atual;
    int n = 0;
    auto [p, ec] = std::from_chars(v->data(), v->data() + v->size(), n);
    return ec == std::errc() && p == v->data() + v->size() && !v->empty() ? n : invalido;
  };
  r.BufferLinhas = inteiro(o.BufferLinhas, r.BufferLinhas, 0);
  r.BufferNotas = inteiro(o.BufferNotas, r.BufferNotas, 1);
  r.NumNotas = inteiro(o.NumNotas, r.NumNotas, 1);
  if (o.Apuracao) r.Apuracao = *o.Apuracao;
  if (o.Criterio) r.Criterio = ItemPorCodigo(L::Criterios(), *o.Criterio);
  if (o.NFCe) r.IncluiNfce = *o.NFCe;
  if (o.CupomFiscal) r.IncluiCupomFiscal = *o.CupomFiscal;
  if (o.F120) r.IncluiF120 = *o.F120;
  if (o.BlocoMTabelas) r.BlocoMTabelas = *o.BlocoMTabelas;
  if (o.ReceitaM205) r.ReceitaM205 = *o.ReceitaM205;
  if (o.ReceitaM605) r.ReceitaM605 = *o.ReceitaM605;
  if (o.Detalhamento) r.Detalhamento = ItemPorCodigo(L::Detalhamentos(), *o.Detalhamento);
  return r;
}

// Passwords: never from the command line. With both on standard input, the user's comes first.
bool LeSenhas(const TOpcoes& o, std::string& senha, TDbSettings& conexao, std::string& erro) {
  if (o.SenhaStdin) {
    auto s = LinhaDaEntrada();
    if (!s) return erro = "a entrada padrão terminou antes da senha do usuário", false;
    senha = *s;
  } else {
    auto s = PedeSenhaNoTerminal("Senha do usuário " + Visivel(o.Usuario) + ": ");
    if (!s) return erro = "sem terminal para pedir a senha do usuário: use --senha-stdin", false;
    senha = *s;
  }
  if (o.SenhaBancoStdin) {
    auto s = LinhaDaEntrada();
    if (!s) return erro = "a entrada padrão terminou antes da senha do banco", false;
    conexao.Password = *s;
  } else if (o.PedirSenhaBanco) {
    auto s = PedeSenhaNoTerminal("Senha do banco (" + conexao.User + "): ");
    if (!s) return erro = "sem terminal para pedir a senha do banco: use --senha-banco-stdin", false;
    conexao.Password = *s;
  }
  return true;
}

void ImprimeResumo(const std::string& arquivo, const std::vector<std::string>& validacoes,
                   const std::optional<TResultadoValidacao>& validacao, const std::vector<std::string>& mensagens) {
  if (validacoes.empty()) {
    std::printf("Mensagens de validação: nenhuma\n");
  } else {
    std::printf("Mensagens de validação (%zu):\n", validacoes.size());
    for (const std::string& m : validacoes) std::printf("  %s\n", m.c_str());
  }
  std::printf("Arquivo gerado: %s\n", arquivo.c_str());
  int total = 0;
  std::printf("Linhas por bloco:\n");
  for (const auto& [bloco, linhas] : LinhasPorBloco(arquivo)) {
    std::printf("  Bloco %c: %d\n", bloco, linhas);
    total += linhas;
  }
  std::printf("  Total: %d\n", total);
  if (validacao) {
    for (const std::string& l : ResumoPorTipo(*validacao)) std::printf("  %s\n", l.c_str());
    std::printf("%s\n", ResumoValidacao(*validacao).c_str());
  }
  for (const std::string& m : mensagens) std::printf("%s\n", m.c_str());
}

// The login dialog's checks on what the options give it; the reason when they refuse.
std::optional<std::string> ConfereLogin(const TOpcoes& o, const std::string& senha, std::string& empresa) {
  TfrloginKivo login;
  login.SetCodigoEmpresa(o.Empresa);
  login.Edit2.Text = o.Usuario;
  login.Edit3.Text = senha;
  try {
    login.btnOKClick();
  } catch (const std::exception& e) {
    return std::string(e.what());
  }
  empresa = login.Edit1.Text;
  return std::nullopt;
}

}  // namespace

int main(int argc, char** argv) {
  if (PedeValidacao(std::vector<std::string>(argv + 1, argv + argc)))
    return ExecutaValidacao(std::vector<std::string>(argv + 1, argv + argc));
  TAppSettings padrao;
  try {
    padrao = ConfiguracaoDoPrograma();
  } catch (const EConfiguracao& e) {
    return Falha(nullptr, kSaidaOpcao, e.what());
  }
  TOpcoes o;
  try {
    o = LerOpcoes(std::vector<std::string>(argv + 1, argv + argc), padrao.Conexao);
  } catch (const EOpcaoInvalida& e) {
    return Falha(nullptr, kSaidaOpcao, e.what());
  }

  if (o.Ajuda) {
    using L = TListasGeracao;
    TListasJanela listas{L::Versoes(), L::Criterios(), L::Detalhamentos(), L::Versoes()[L::kVersaoPadrao],
                         L::kCriterioDetalhado};
    std::fputs(TextoAjuda(padrao.Conexao, listas).c_str(), stdout);
    return kSaidaOk;
  }
  try {
    ConfereListas(o);
  } catch (const EOpcaoInvalida& e) {
    return Falha(nullptr, kSaidaOpcao, e.what());
  }

  TDbSettings conexao = o.Conexao;
  std::string senha, erro;
  if (!LeSenhas(o, senha, conexao, erro)) return Falha(nullptr, kSaidaOpcao, erro);

  TAndamentoTerminal andamento(isatty(STDERR_FILENO) == 1);
  andamento.Caption(kTituloPrograma);
  TDbConnection db(conexao);
  const std::string servidor = conexao.Socket.empty() ? conexao.HostName + ":" + std::to_string(conexao.Port)
                                                       : conexao.Socket;
  if (TEntrada e = ConectaCatalogo(db); !e.Ok()) return Falha(&andamento, kSaidaBanco, e.Mensagem + " (servidor " + servidor + ")");
  std::string empresa;
  if (auto recusa = ConfereLogin(o, senha, empresa)) return Falha(&andamento, kSaidaLogin, *recusa);
  if (TEntrada e = EntraNaEmpresa(db, empresa, o.Usuario, senha); !e.Ok()) {
    if (e.Falha == TFalhaInicio::Login) return Falha(&andamento, kSaidaLogin, e.Mensagem);
    return Falha(&andamento, kSaidaBanco, e.Mensagem + " (servidor " + servidor + ")");
  }

  TGeracao geracao(db);
  std::vector<std::string> validacoes;
  geracao.Arquivo().SetOnError([&validacoes](const std::string& m) { validacoes.push_back(m); });
  TGeracaoEventos& ev = geracao.Eventos();
  ev.Caption = [&andamento](const std::string& t) { andamento.Caption(t); };
  ev.Aviso = [&andamento](const std::string& t) { andamento.Aviso(t); };
  ev.Script = [&andamento](const std::string& t) { andamento.Script(t); };
  ev.Progresso = [&andamento](int p) { andamento.Posicao(p); };

  // What the run showed before failing (a statement's error) belongs with the failure.
  auto falhaNaGeracao = [&](int codigo, const std::string& mensagem) {
    andamento.FimDoAndamento();
    for (const std::string& m : andamento.Mensagens) std::fprintf(stderr, "%s\n", m.c_str());
    return Falha(&andamento, codigo, mensagem);
  };
  try {
    const std::vector<TLinhaLoja> lojas = LeLojas(db);
    const TRunOptions opcoes = Opcoes(o, lojas);
    if (!o.Arquivo) {
      std::error_code ec;
      std::filesystem::create_directories(std::filesystem::path(opcoes.Arquivo).parent_path(), ec);
    }
    geracao.Arquivo().SetArquivo(opcoes.Arquivo);
    geracao.Todos(opcoes);
  } catch (const EOpcaoInvalida& e) {
    return falhaNaGeracao(kSaidaOpcao, e.what());
  } catch (const EDatabaseError& e) {
    return falhaNaGeracao(kSaidaBanco, std::string("erro de banco de dados: ") + e.what());
  } catch (const std::exception& e) {
    return falhaNaGeracao(kSaidaGeracao, e.what());
  }
  andamento.FimDoAndamento();
  const auto& validacao = geracao.Validacao();
  ImprimeResumo(geracao.CaminhoArquivo(), validacoes, validacao, andamento.Mensagens);
  // A failure the run caught and went on after leaves the file incomplete.
  if (!geracao.Falhas().empty()) return kSaidaValidacao;
  return validacao && (validacao->Erros > 0 || !validacao->Legivel) ? kSaidaValidacao : kSaidaOk;
}
