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
protected:
  TExtracao(const TRunOptions& opcoes, TGeracao& geracao)
      : opcoes_(opcoes), geracao_(geracao), db0(geracao.Db()), VornVUDIRozAzezav1(geracao.Arquivo()) {}

  std::string Empresa(const std::string& campo) const { return opcoes_.Loja.Texto(campo); }
  int64_t EmpresaInt(const std::string& campo) const { return opcoes_.Loja.Inteiro(campo); }
  void SetCaption(const std::string& texto) { geracao_.Caption(texto); }
  std::string ContaContabil(const std::string& registro) { return geracao_.Contas.DoRegistro(registro); }
  std::unique_ptr<TDbQuery> Consulta() { return std::make_unique<TDbQuery>(db0); }

  const TRunOptions& opcoes_;
  TGeracao& geracao_;
  TDbConnection& db0;
  TVornVUDIRozAzezav& VornVUDIRozAzezav1;
};
