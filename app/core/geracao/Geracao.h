#pragma once
// One generation run without any window: the connection it reads, the file component it fills,
// where its messages and progress go, and what one block hands to another. The steps are the
// window's buttons: "Inicio", each block, "Bloco 9" and "Gerar TXT"; Todos() runs them as
// "TODOS" does.
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "Apuracao.h"
#include "ContasContabeis.h"
#include "RetornoNfce.h"
#include "Database.h"
#include "RunOptions.h"
#include "TravaEmpresa.h"
#include "VornVudiRozAzezav.h"
#include "validacao/AchadosValidacao.h"

struct TGeracaoEventos {
  std::function<void(const std::string&)> Caption;  // progress text of the step
  std::function<void(const std::string&)> Aviso;    // a message the operator must see (a message box)
  std::function<void(const std::string&)> Script;   // a failing script, shown so it can be copied
  std::function<void(int)> Progresso;               // position (0-100) reached by Todos()
};

// The accountant's fields: read from the ERP when it has them, else the previous run's.
struct TContador {
  std::string nome, cpf, crc, cnpj, cep, endereco, nro, complemento, bairro, fone, fax, email, cidade;
};

class TGeracao {
public:
  explicit TGeracao(TDbConnection& db);

  TDbConnection& Db() { return db_; }
  TVornVUDIRozAzezav& Arquivo() { return arquivo_; }
  const TVornVUDIRozAzezav& Arquivo() const { return arquivo_; }
  TGeracaoEventos& Eventos() { return eventos_; }
  // The file's full path as the component holds it.
  std::string CaminhoArquivo() const { return arquivo_.Path() + arquivo_.Arquivo(); }

  // Steps. Each reads what it needs from `o`; in concomitant mode a block step also writes its
  // block. BlocoC returns false when the options select no block C method (block written empty).
  void Inicio(const TRunOptions& o);
  void CriandoTabelas(const TRunOptions& o);
  void Bloco0(const TRunOptions& o);
  void BlocoA(const TRunOptions& o);
  bool BlocoC(const TRunOptions& o);
  void BlocoD(const TRunOptions& o);
  void SemBlocoD();
  void BlocoF(const TRunOptions& o);
  void BlocoM(const TRunOptions& o);
  void Bloco1(const TRunOptions& o);
  void Bloco9(const TRunOptions& o);
  void GerarTxt(const TRunOptions& o);
  // Checks the completed file and lists its findings in the message list, after the run's own
  // messages; the result stays on the context. A file not written again since its last check is
  // not read again, so the window can list the findings anew after clearing its messages.
  // Skipped (no result) when the options turn the check off.
  void Valida(const TRunOptions& o);
  const std::optional<TResultadoValidacao>& Validacao() const { return validacao_; }
  // Every step in the order of "TODOS", the check last.
  void Todos(const TRunOptions& o);

  void Caption(const std::string& texto);
  void Aviso(const std::string& texto);
  void Script(const std::string& texto);
  // A line of the message list (the component's error event).
  void Mensagem(const std::string& texto);
  // A failure the run caught and went on after: an error of the message list, and the file is
  // reported as written with errors.
  void Falha(const std::string& texto);
  const std::vector<std::string>& Falhas() const { return falhas_; }

  // Handed from block C to block M: the sales PIS/COFINS of the individual documents.
  long double vlpisM200 = 0, vlcofinsM200 = 0;
  // What blocks A, C, D and F wrote, for block M.
  TApuracao Apuracao;
  TContador Contador;
  TContasContabeis Contas;
  // Block C's NFC-e PIS/COFINS, written to the ERP only once the file is complete.
  TRetornoNfce RetornoNfce;

private:
  void Passos(const TRunOptions& o);

  TDbConnection& db_;
  TVornVUDIRozAzezav arquivo_;
  TGeracaoEventos eventos_;
  std::optional<TResultadoValidacao> validacao_;
  // The checked file's size and time of writing, to know it was not written since.
  std::pair<std::uintmax_t, std::filesystem::file_time_type> validado_{};
  TTravaEmpresa trava_;
  std::vector<std::string> falhas_;
};
