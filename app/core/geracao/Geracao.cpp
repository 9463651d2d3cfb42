#include "Geracao.h"

#include "Erro.h"
#include "ExtracaoBloco0.h"
#include "ExtracaoBloco1.h"
#include "ExtracaoBlocoA.h"
#include "ExtracaoBlocoC.h"
#include "ExtracaoBlocoCConsolidado.h"
#include "ExtracaoBlocoD.h"
#include "ExtracaoBlocoF.h"
#include "ExtracaoBlocoM.h"
#include "IndicesErp.h"
#include "TabelasTrabalho.h"
#include "validacao/FormatoValidacao.h"
#include "validacao/ValidadorEfd.h"

TGeracao::TGeracao(TDbConnection& db) : Contas(db), db_(db), trava_(db) {
  // A "|" inside an ERP text (a name, an address) would add a field to its line.
  arquivo_.SetReplaceDelimitador(true);
}

void TGeracao::Caption(const std::string& texto) {
  if (eventos_.Caption) eventos_.Caption(texto);
}

void TGeracao::Aviso(const std::string& texto) {
  if (eventos_.Aviso) eventos_.Aviso(texto);
}

void TGeracao::Script(const std::string& texto) {
  if (eventos_.Script) eventos_.Script(texto);
}

void TGeracao::Mensagem(const std::string& texto) {
  if (arquivo_.OnError()) arquivo_.OnError()(texto);
}

void TGeracao::Falha(const std::string& texto) {
  falhas_.push_back(texto);
  Mensagem("ERRO: " + texto);
}

void TGeracao::CriandoTabelas(const TRunOptions& o) {
  for (const std::string& m : IndicesFaltando(db_)) Mensagem(m);
  Extrai(TTabelasTrabalho(o, *this));
}

void TGeracao::Inicio(const TRunOptions& o) {
  if (o.CodigoLoja().empty()) throw Erro("Escolha a Loja");
  RetornoNfce.Descarta();
  trava_.Adquire();
  falhas_.clear();
  CriandoTabelas(o);
  vlpisM200 = 0;
  vlcofinsM200 = 0;
  Apuracao.Limpa();
  if (o.Concomitante) {
    arquivo_.SetDT_INI(o.DataInicial);
    arquivo_.SetDT_FIN(o.DataFinal);
    arquivo_.SetLinhasBuffer(o.BufferLinhas);
    arquivo_.IniciaGeracao();
  }
}

void TGeracao::Bloco0(const TRunOptions& o) {
  Extrai(TExtracaoBloco0(o, *this));
  if (o.Concomitante) arquivo_.WriteBloco_0();
}

void TGeracao::BlocoA(const TRunOptions& o) {
  Extrai(TExtracaoBlocoA(o, *this));
  if (o.Concomitante) arquivo_.WriteBloco_A(true);
}

bool TGeracao::BlocoC(const TRunOptions& o) {
  if (o.Apuracao == TListasGeracao::kApuracaoConsolidada &&
      o.Criterio == TListasGeracao::kCriterioConsolidadoCompetencia) {
    Extrai(TExtracaoBlocoCConsolidado(o, *this));
  } else if (o.Apuracao == TListasGeracao::kApuracaoIndividual && o.Criterio == TListasGeracao::kCriterioDetalhado) {
    Extrai(TExtracaoBlocoC(o, *this));
  } else {
    arquivo_.Bloco_C.RegistroC001().IND_MOV = TVornIndMov::imSemDados;
    return false;
  }
  if (o.Concomitante) arquivo_.WriteBloco_C(true);
  return true;
}

void TGeracao::BlocoD(const TRunOptions& o) {
  Extrai(TExtracaoBlocoD(o, *this));
  if (o.Concomitante) arquivo_.WriteBloco_D();
}

void TGeracao::SemBlocoD() { arquivo_.Bloco_D.RegistroD001().IND_MOV = TVornIndMov::imSemDados; }

void TGeracao::BlocoF(const TRunOptions& o) {
  Extrai(TExtracaoBlocoF(o, *this));
  if (o.Concomitante) arquivo_.WriteBloco_F();
}

void TGeracao::BlocoM(const TRunOptions& o) {
  Extrai(TExtracaoBlocoM(o, *this));
  if (o.Concomitante) arquivo_.WriteBloco_M();
}

void TGeracao::Bloco1(const TRunOptions& o) {
  Extrai(TExtracaoBloco1(o, *this));
  if (o.Concomitante) arquivo_.WriteBloco_1();
}

void TGeracao::Bloco9(const TRunOptions& o) {
  if (!o.Concomitante) return;
  arquivo_.WriteBloco_9();
  RetornoNfce.Grava(db_);
  trava_.Libera();
}

void TGeracao::GerarTxt(const TRunOptions& o) {
  arquivo_.SetLinhasBuffer(o.BufferLinhas);
  arquivo_.SetDT_INI(o.DataInicial);
  arquivo_.SetDT_FIN(o.DataFinal);
  arquivo_.SaveFileTXT();
  RetornoNfce.Grava(db_);
  trava_.Libera();
}

void TGeracao::Valida(const TRunOptions& o) {
  if (!o.ValidaArquivo) {
    validacao_.reset();
    return;
  }
  const std::string caminho = CaminhoArquivo();
  std::error_code ec;
  const auto marca = std::make_pair(std::filesystem::file_size(caminho, ec), std::filesystem::last_write_time(caminho, ec));
  if (!validacao_ || ec || marca != validado_) {
    Caption("Validando o arquivo");
    validacao_ = ValidaArquivoEfd(caminho);
    validado_ = ec ? decltype(validado_){} : marca;
  }
  if (!validacao_->Legivel) Mensagem("(VALIDAÇÃO) " + validacao_->ErroLeitura);
  for (const std::string& m : MensagensValidacao(*validacao_)) Mensagem(m);
}

void TGeracao::Todos(const TRunOptions& o) {
  try {
    Passos(o);
  } catch (...) {
    // A run that stops leaves the previous file as it was and lets the next run in.
    arquivo_.DescartaGeracao();
    trava_.Libera();
    throw;
  }
}

void TGeracao::Passos(const TRunOptions& o) {
  const TDateTime inicio = Now();
  int posicao = 0;
  auto passo = [&] {
    posicao += 10;
    if (eventos_.Progresso) eventos_.Progresso(posicao);
  };
  passo();
  Inicio(o);
  passo();
  Caption("Inicio bloco 0");
  if (o.VersaoTexto.empty()) throw Erro("Escolha a Versão do Layout");
  Bloco0(o);
  passo();
  BlocoA(o);
  passo();
  BlocoC(o);
  passo();
  if (o.Criterio == TListasGeracao::kCriterioDetalhado) BlocoD(o);
  else SemBlocoD();
  passo();
  BlocoF(o);
  passo();
  BlocoM(o);
  passo();
  Bloco1(o);
  passo();
  Bloco9(o);
  passo();
  GerarTxt(o);
  Valida(o);
  Aviso("Iniciou as " + LongTime(inicio) + " * Finalizou as " + LongTime(Now()));
}
