#pragma once
// What every extraction unit sees: the run's options and context, the connection and the file
// component, the chosen store's fields and the progress caption.
#include <memory>
#include <string>

#include "DbQuery.h"
#include "Erro.h"
#include "Geracao.h"
#include "RunOptions.h"

class TExtracao {
public:
  // The error of a bad value, with the row it was read from.
  std::string Onde(const std::string& erro) const {
    if (documento_.empty()) return erro;
    return erro + " (" + documento_ + (item_.empty() ? "" : ", item " + item_) + ")";
  }

protected:
  TExtracao(const TRunOptions& opcoes, TGeracao& geracao)
      : opcoes_(opcoes), geracao_(geracao), db0(geracao.Db()), VornVUDIRozAzezav1(geracao.Arquivo()) {}

  std::string Empresa(const std::string& campo) const { return opcoes_.Loja.Texto(campo); }
  int64_t EmpresaInt(const std::string& campo) const { return opcoes_.Loja.Inteiro(campo); }
  void SetCaption(const std::string& texto) { geracao_.Caption(texto); }
  std::string ContaContabil(const std::string& registro) { return geracao_.Contas.DoRegistro(registro); }
  std::unique_ptr<TDbQuery> Consulta() { return std::make_unique<TDbQuery>(db0); }
  // The row being read, for the error of a value that cannot be converted.
  void Lendo(const std::string& tipo, const std::string& numero, const std::string& loja) {
    documento_ = tipo + " " + numero + " da loja " + loja;
    item_.clear();
  }
  void LendoItem(int64_t numero, const std::string& codigo) {
    item_ = std::to_string(numero) + (codigo.empty() ? "" : " (" + codigo + ")");
  }

  const TRunOptions& opcoes_;
  TGeracao& geracao_;
  TDbConnection& db0;
  TVornVUDIRozAzezav& VornVUDIRozAzezav1;

private:
  std::string documento_, item_;
};

// Runs an extraction. A value of the ERP it cannot take (a text where a number belongs, an
// amount beyond the field) is bad data, the generation's error rather than the database's,
// and names the document, item and column it came from; the server's own errors pass as they are.
template <class T>
void Extrai(T&& extracao) {
  try {
    extracao.Executa();
  } catch (const EValorInvalido& e) {
    throw Erro(extracao.Onde(e.what()));
  } catch (const EDatabaseError&) {
    throw;
  } catch (const std::exception& e) {
    throw Erro(extracao.Onde(e.what()));
  }
}
