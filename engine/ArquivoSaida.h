#pragma once
// The output file while a generation writes it: lines go to a temporary file beside the
// target, which replaces the target only once the file is complete. Until then the previous
// file stays untouched; a generation that does not finish leaves nothing behind.
#include <string>

class TArquivoSaida {
public:
  TArquivoSaida() = default;
  ~TArquivoSaida() { Descarta(); }
  TArquivoSaida(const TArquivoSaida&) = delete;
  TArquivoSaida& operator=(const TArquivoSaida&) = delete;

  // Refuses a target that is not a regular file (a folder, a device) or that is read-only,
  // then creates the empty temporary file. Throws with the reason.
  void Abre(const std::string& destino);
  // Renames the temporary file over the target.
  void Conclui();
  // Removes the temporary file of an unfinished generation.
  void Descarta();

  bool Aberto() const { return !temporario_.empty(); }
  const std::string& Temporario() const { return temporario_; }
  const std::string& Destino() const { return destino_; }

private:
  std::string destino_, temporario_;
};
