#pragma once
// Start-up on the ERP: connect to the catalogue database, find the company's database, switch
// the connection to it and check the operator. Shared by the window and the command-line program.
#include <string>

#include "Database.h"

// The program's title, the main window's caption before any step.
inline constexpr const char* kTituloPrograma = "VudiROZAZEZAV - KivoWeb - Versão 1.4.0";

// Where the program finds the ERP server and where its default files go.
struct TAppSettings {
  TDbSettings Conexao;         // catalogue database in Database
  std::string PastaUsuario;    // folder that stands for "c:\VudiROZAZEZAV\" (empty: the user's home)
  static TAppSettings BuildTime();
};

enum class TFalhaInicio { Nenhuma, Conexao, LoginCancelado, Login, BancoDeDados };

struct TEntrada {
  TFalhaInicio Falha = TFalhaInicio::Nenhuma;
  std::string Mensagem;  // what the operator is shown ("" when nothing)
  bool Ok() const { return Falha == TFalhaInicio::Nenhuma; }
};

// Connects `db` with its settings (the catalogue database).
TEntrada ConectaCatalogo(TDbConnection& db);
// From the catalogue: the company's database (by its code, zero-padded to three digits), the
// connection moved to it, and the operator's user and password checked there.
TEntrada EntraNaEmpresa(TDbConnection& db, const std::string& empresa, const std::string& usuario,
                        const std::string& senha);
// True when sec_users has the user with this password (MD5, lower-case hex) and a name.
bool ValidaUsuario(TDbConnection& db, const std::string& usuario, const std::string& senha);
