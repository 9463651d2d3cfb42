#pragma once
// Command-line options of vudirozazezav-cli: what the operator would choose on the main window,
// plus where the ERP server is. Parsing checks the form of each value; values that only the
// window knows (versions, option groups, stores) are checked against it later.
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "Database.h"
#include "DateTime.h"

// Exit codes, also listed by --help.
enum CodigoSaida : int {
  kSaidaOk = 0,
  kSaidaOpcao = 2,    // bad option or value, no way to read a password
  kSaidaLogin = 3,    // login refused: company code, user or password
  kSaidaBanco = 4,    // server unreachable or a database error
  kSaidaGeracao = 5,  // any other failure while generating the file
  kSaidaValidacao = 6,  // the file written or checked has validation errors
};

class EOpcaoInvalida : public std::runtime_error {
public:
  using std::runtime_error::runtime_error;
};

struct TOpcoes {
  TDbSettings Conexao;  // catalogue database; build-time values unless given
  bool PedirSenhaBanco = false;
  bool SenhaBancoStdin = false;
  bool SenhaStdin = false;
  bool Ajuda = false;
  bool SemValidacao = false;  // the written file is not checked

  std::string Empresa, Usuario;
  // Unset: the window's default stays.
  std::optional<std::string> Loja, Versao, Arquivo, BufferLinhas, BufferNotas, NumNotas, ReceitaM205, ReceitaM605;
  std::optional<std::string> Criterio, Detalhamento;  // the code at the start of the group's item
  std::optional<int> Apuracao;                        // item of "Indicador da Apuração..."
  std::optional<TDateTime> De, Ate;
  std::optional<bool> Concomitante, NFCe, CupomFiscal, F120;
  std::optional<bool> BlocoMTabelas;  // --bloco-m tabelas
};

// Throws EOpcaoInvalida naming the option and the bad value.
TOpcoes LerOpcoes(const std::vector<std::string>& args, const TDbSettings& padrao);

// Lists of the window shown in the help (versions, criteria, revenue groups).
struct TListasJanela {
  std::vector<std::string> Versoes, Criterios, Detalhamentos;
  std::string VersaoPadrao;
  int CriterioPadrao = -1;
};
std::string TextoAjuda(const TDbSettings& padrao, const TListasJanela& listas);

// The text with control characters written as "\x1b": an option's value is never echoed raw
// to the terminal.
std::string Visivel(const std::string& texto);

// "2024-03-05" or "05/03/2024"; false when the text is no valid date.
bool LerData(const std::string& text, TDateTime& out);
// "2024-03" or "03/2024": first and last day of that month.
bool LerPeriodo(const std::string& text, TDateTime& de, TDateTime& ate);
