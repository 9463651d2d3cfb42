#include "HashMD5.h"

#include <openssl/evp.h>

#include <stdexcept>

std::string HashMD5(const std::string& text) {
  // Passwords are ASCII; any other byte is hashed as the byte it is.
  unsigned char digest[EVP_MAX_MD_SIZE];
  unsigned int length = 0;
  if (EVP_Digest(text.data(), text.size(), digest, &length, EVP_md5(), nullptr) != 1)
    throw std::runtime_error("Falha ao calcular o MD5");
  static const char* hex = "0123456789ABCDEF";
  std::string out;
  for (unsigned i = 0; i < length; ++i) {
    out += hex[digest[i] >> 4];
    out += hex[digest[i] & 15];
  }
  return out;
}
