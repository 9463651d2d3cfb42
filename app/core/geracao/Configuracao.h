#pragma once
// The connection settings file, read by the window and the command-line program: a build need
// not carry the database password. Lines "chave=valor" (host, porta, socket, banco, usuario,
// senha); "#" or ";" start a comment; a "[section]" line is ignored. The file must be readable
// only by its owner, since it holds a password.
#include <stdexcept>
#include <string>

#include "SessaoErp.h"

class EConfiguracao : public std::runtime_error {
public:
  using std::runtime_error::runtime_error;
};

// VUDI_CONEXAO_INI when set, else $XDG_CONFIG_HOME (or ~/.config)/vudirozazezav/conexao.ini.
std::string CaminhoConfiguracao();
// The values of the file at `caminho` over `s`; a missing file changes nothing.
// Throws EConfiguracao naming the file and the bad line or the permissions.
void AplicaConfiguracao(const std::string& caminho, TDbSettings& s);
// The build-time settings with the settings file's over them.
TAppSettings ConfiguracaoDoPrograma();
