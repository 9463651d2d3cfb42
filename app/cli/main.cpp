// vudirozazezav-cli: logs in and runs the main window's "TODOS" headless, with the window's
// choices taken from the command line.
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <iostream>
#include <memory>

#include "DbError.h"
#include "FrmVUDIRozAzezav.h"
#include "HostTerminal.h"
#include "Opcoes.h"
#include "Resumo.h"
#include "Senhas.h"
#include "Validar.h"

namespace {

const char* kPrograma = "vudirozazezav-cli";

int Falha(THostTerminal* host, int codigo, const std::string& mensagem) {
  if (host) host->FimDoAndamento();
  std::fprintf(stderr, "%s: %s\n", kPrograma, mensagem.c_str());
  return codigo;
}

// The code at the start of an option group's item: "9" of "9 - Regime de ...", "08" of "08 ...".
std::string CodigoDoItem(const std::string& item) { return item.substr(0, item.find(' ')); }

int ItemPorCodigo(const TRadioGroup& grupo, const std::string& codigo) {
  for (size_t i = 0; i < grupo.Items.size(); ++i)
    if (CodigoDoItem(grupo.Items[i]) == codigo) return static_cast<int>(i);
  return -1;
}

std::vector<std::string> Codigos(const TRadioGroup& grupo) {
  std::vector<std::string> c;
  for (const std::string& item : grupo.Items) c.push_back(CodigoDoItem(item));
  return c;
}

std::string Junta(const std::vector<std::string>& itens) {
  std::string s;
  for (size_t i = 0; i < itens.size(); ++i) s += (i ? ", " : "") + itens[i];
  return s;
}

std::string ListaLojas(const TLookupCombo& combo) {
  std::vector<std::string> lojas;
  for (const auto& r : combo.Rows) lojas.push_back(r.Text);
  return lojas.empty() ? "nenhuma loja cadastrada" : "lojas: " + Junta(lojas);
}

// Values that only the window's lists can judge; checked before anything connects.
void ConfereListas(const TOpcoes& o, const TFrmVUDIRozAzezav& frm) {
  if (o.Versao) {
    bool ok = false;
    for (const std::string& v : frm.ComboBox1.Items) ok = ok || v == *o.Versao;
    if (!ok)
      throw EOpcaoInvalida("versão do leiaute inválida: \"" + *o.Versao + "\" (válidas: " + Junta(frm.ComboBox1.Items) + ")");
  }
  if (o.Criterio && ItemPorCodigo(frm.RadioGroup3, *o.Criterio) < 0)
    throw EOpcaoInvalida("critério inválido: \"" + *o.Criterio + "\" (válidos: " + Junta(Codigos(frm.RadioGroup3)) + ")");
  if (o.Detalhamento && ItemPorCodigo(frm.RadioGroup4, *o.Detalhamento) < 0)
    throw EOpcaoInvalida("detalhamento inválido: \"" + *o.Detalhamento + "\" (válidos: " +
                         Junta(Codigos(frm.RadioGroup4)) + ")");
}

// The store as typed, or with the zeros the store codes carry ("1" for "001").
const TLookupCombo::Row* AchaLoja(const TLookupCombo& combo, const std::string& loja) {
  for (const auto& r : combo.Rows)
    if (r.Key == loja) return &r;
  for (const auto& r : combo.Rows)
    if (r.Key.size() > loja.size() && r.Key.find_first_not_of('0') == r.Key.size() - loja.size() &&
        r.Key.compare(r.Key.size() - loja.size(), loja.size(), loja) == 0)
      return &r;
  return nullptr;
}

// What the operator would do on the window before pressing "TODOS". The store comes first:
// changing it may replace the M205 code and the file name.
void AplicaNaJanela(const TOpcoes& o, TFrmVUDIRozAzezav& frm) {
  if (o.Loja) {
    const TLookupCombo::Row* loja = AchaLoja(frm.RxDBLookupCombo1, *o.Loja);
    if (!loja)
      throw EOpcaoInvalida("a loja \"" + *o.Loja + "\" não existe (" + ListaLojas(frm.RxDBLookupCombo1) + ")");
    frm.RxDBLookupCombo1.KeyValue = loja->Key;
    frm.RxDBLookupCombo1Change();
  }
  if (frm.RxDBLookupCombo1.KeyValue.empty())
    throw EOpcaoInvalida("nenhuma loja escolhida: use --loja (" + ListaLojas(frm.RxDBLookupCombo1) + ")");
  if (o.Arquivo) {
    // The component takes its folder from the name: a bare relative name would have none.
    frm.edtFile.Text = std::filesystem::absolute(*o.Arquivo).lexically_normal().string();
    frm.edtFileChange();
  }
  if (o.De) frm.DateEdit1.Date = *o.De;
  if (o.Ate) frm.DateEdit2.Date = *o.Ate;
  if (o.Versao) frm.ComboBox1.Text = *o.Versao;
  if (o.Concomitante && *o.Concomitante != frm.cbConcomitante.Checked) {
    frm.cbConcomitante.Checked = *o.Concomitante;
    frm.cbConcomitanteClick();
  }
  if (o.BufferLinhas) frm.edBufLinhas.Text = *o.BufferLinhas;
  if (o.BufferNotas) frm.edBufNotas.Text = *o.BufferNotas;
  if (o.NumNotas) frm.edNotas.Text = *o.NumNotas;
  if (o.Apuracao) frm.RadioGroup1.ItemIndex = *o.Apuracao;
  if (o.Criterio) frm.RadioGroup3.ItemIndex = ItemPorCodigo(frm.RadioGroup3, *o.Criterio);
  if (o.NFCe) frm.CheckBox7.Checked = *o.NFCe;
  if (o.CupomFiscal) frm.CheckBox2.Checked = *o.CupomFiscal;
  if (o.F120) frm.CheckBox1.Checked = *o.F120;
  if (o.ReceitaM205) frm.Edit1.Text = *o.ReceitaM205;
  if (o.ReceitaM605) frm.Edit2.Text = *o.ReceitaM605;
  if (o.Detalhamento) frm.RadioGroup4.ItemIndex = ItemPorCodigo(frm.RadioGroup4, *o.Detalhamento);
}

// Passwords: never from the command line. With both on standard input, the user's comes first.
bool LeSenhas(const TOpcoes& o, std::string& senha, TDbSettings& conexao, std::string& erro) {
  if (o.SenhaStdin) {
    auto s = LinhaDaEntrada();
    if (!s) return erro = "a entrada padrão terminou antes da senha do usuário", false;
    senha = *s;
  } else {
    auto s = PedeSenhaNoTerminal("Senha do usuário " + o.Usuario + ": ");
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

void ImprimeResumo(const TFrmVUDIRozAzezav& frm, const std::vector<std::string>& validacoes,
                   const std::vector<std::string>& mensagens) {
  if (validacoes.empty()) {
    std::printf("Mensagens de validação: nenhuma\n");
  } else {
    std::printf("Mensagens de validação (%zu):\n", validacoes.size());
    for (const std::string& m : validacoes) std::printf("  %s\n", m.c_str());
  }
  const std::string arquivo = frm.VornVUDIRozAzezav1.Path() + frm.VornVUDIRozAzezav1.Arquivo();
  std::printf("Arquivo gerado: %s\n", arquivo.c_str());
  int total = 0;
  std::printf("Linhas por bloco:\n");
  for (const auto& [bloco, linhas] : LinhasPorBloco(arquivo)) {
    std::printf("  Bloco %c: %d\n", bloco, linhas);
    total += linhas;
  }
  std::printf("  Total: %d\n", total);
  for (const std::string& m : mensagens) std::printf("%s\n", m.c_str());
}

}  // namespace

int main(int argc, char** argv) {
  if (PedeValidacao(std::vector<std::string>(argv + 1, argv + argc)))
    return ExecutaValidacao(std::vector<std::string>(argv + 1, argv + argc));
  const TAppSettings padrao = TAppSettings::BuildTime();
  TOpcoes o;
  try {
    o = LerOpcoes(std::vector<std::string>(argv + 1, argv + argc), padrao.Conexao);
  } catch (const EOpcaoInvalida& e) {
    return Falha(nullptr, kSaidaOpcao, e.what());
  }

  THostTerminal host(isatty(STDERR_FILENO) == 1);
  TAppSettings settings = padrao;
  settings.Conexao = o.Conexao;
  // Building the window only sets up its controls; nothing connects before FormCreate.
  auto janela = std::make_unique<TFrmVUDIRozAzezav>(host, settings);

  if (o.Ajuda) {
    const TFrmVUDIRozAzezav& f = *janela;
    TListasJanela listas{f.ComboBox1.Items, f.RadioGroup3.Items, f.RadioGroup4.Items, f.ComboBox1.Text,
                         f.RadioGroup3.ItemIndex};
    std::fputs(TextoAjuda(padrao.Conexao, listas).c_str(), stdout);
    return kSaidaOk;
  }
  try {
    ConfereListas(o, *janela);
  } catch (const EOpcaoInvalida& e) {
    return Falha(nullptr, kSaidaOpcao, e.what());
  }

  std::string erro;
  if (!LeSenhas(o, host.Senha, settings.Conexao, erro)) return Falha(nullptr, kSaidaOpcao, erro);
  janela.reset();
  janela = std::make_unique<TFrmVUDIRozAzezav>(host, settings);
  TFrmVUDIRozAzezav& frm = *janela;
  host.Empresa = o.Empresa;
  host.Usuario = o.Usuario;

  if (!frm.FormCreate()) {
    const std::string motivo = host.Mensagens.empty() ? "login cancelado" : host.Mensagens.back();
    using F = TFrmVUDIRozAzezav::TFalhaInicio;
    const F falha = frm.FalhaInicio();
    if (falha == F::Login || falha == F::LoginCancelado) return Falha(&host, kSaidaLogin, motivo);
    const TDbSettings& c = settings.Conexao;
    const std::string servidor = c.Socket.empty() ? c.HostName + ":" + std::to_string(c.Port) : c.Socket;
    return Falha(&host, kSaidaBanco, motivo + " (servidor " + servidor + ")");
  }

  std::vector<std::string> validacoes;
  size_t mensagensAntes = host.Mensagens.size();
  // What the core showed before failing (a statement's error) belongs with the failure.
  auto falhaNaGeracao = [&](int codigo, const std::string& mensagem) {
    host.FimDoAndamento();
    for (size_t i = mensagensAntes; i < host.Mensagens.size(); ++i)
      std::fprintf(stderr, "%s\n", host.Mensagens[i].c_str());
    return Falha(&host, codigo, mensagem);
  };
  try {
    frm.FormShow();
    AplicaNaJanela(o, frm);
    // "TODOS" empties the message list at its last step: keep every message as it comes.
    TErrorEvent anterior = frm.VornVUDIRozAzezav1.OnError();
    frm.VornVUDIRozAzezav1.SetOnError([&validacoes, anterior](const std::string& m) {
      validacoes.push_back(m);
      if (anterior) anterior(m);
    });
    host.Barra = &frm.ProgressBar1;
    mensagensAntes = host.Mensagens.size();
    frm.BitBtn1Click();
  } catch (const EOpcaoInvalida& e) {
    return falhaNaGeracao(kSaidaOpcao, e.what());
  } catch (const EDatabaseError& e) {
    return falhaNaGeracao(kSaidaBanco, std::string("erro de banco de dados: ") + e.what());
  } catch (const std::exception& e) {
    return falhaNaGeracao(kSaidaGeracao, e.what());
  }
  host.FimDoAndamento();
  ImprimeResumo(frm, validacoes,
                std::vector<std::string>(host.Mensagens.begin() + static_cast<long>(mensagensAntes), host.Mensagens.end()));
  frm.FormDestroy();
  return kSaidaOk;
}
