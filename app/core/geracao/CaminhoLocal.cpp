#include "CaminhoLocal.h"

#include <cctype>
#include <cstdlib>
#include <filesystem>

const char* const kArquivoPadrao = "c:\\VudiROZAZEZAV\\VudiROZAZEZAV.txt";

namespace {
bool StartsWithNoCase(const std::string& s, const std::string& prefix) {
  if (s.size() < prefix.size()) return false;
  for (size_t i = 0; i < prefix.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(s[i])) != std::tolower(static_cast<unsigned char>(prefix[i])))
      return false;
  return true;
}
}  // namespace

std::string CaminhoLocal(const std::string& path, const std::string& pastaUsuario) {
#ifdef _WIN32
  (void)pastaUsuario;
  return path;
#else
  static const std::string kPrefixo = "c:\\VudiROZAZEZAV\\";
  if (!StartsWithNoCase(path, kPrefixo)) return path;
  std::string pasta = pastaUsuario;
  if (pasta.empty()) {
    const char* home = std::getenv("HOME");
    pasta = home && *home ? home : ".";
  }
  return (std::filesystem::path(pasta) / "VudiROZAZEZAV" / path.substr(kPrefixo.size())).string();
#endif
}
