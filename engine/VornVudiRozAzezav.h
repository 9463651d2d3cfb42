#pragma once
// The file component: owns one register tree per block, knows the period and the output file,
// and writes the file block by block in the order 0, A, C, D, F, I, M, P, 1, 9.
#include <memory>
#include <string>

#include "VornEPCBloco_0_Class.h"
#include "VornEPCBloco_1_Class.h"
#include "VornEPCBloco_9_Class.h"
#include "VornEPCBloco_A_Class.h"
#include "VornEPCBloco_C_Class.h"
#include "VornEPCBloco_D_Class.h"
#include "VornEPCBloco_F_Class.h"
#include "VornEPCBloco_I_Class.h"
#include "VornEPCBloco_M_Class.h"
#include "VornEPCBloco_P_Class.h"
#include "ArquivoSaida.h"
#include "VornTXTClass.h"

// Plain named component, the base of the file component.
class TVornComponent {
public:
  virtual ~TVornComponent() = default;
  std::string Name;
};

class TVornVUDIRozAzezav : public TVornComponent {
public:
  TVornVUDIRozAzezav();

  // Settings copied to every block.
  const std::string& Delimitador() const { return delimitador_; }
  void SetDelimitador(const std::string& value);
  bool ReplaceDelimitador() const { return replaceDelimitador_; }
  void SetReplaceDelimitador(bool value);
  bool TrimString() const { return trimString_; }
  void SetTrimString(bool value);
  const std::string& CurMascara() const { return curMascara_; }
  void SetCurMascara(const std::string& value);
  const TErrorEvent& OnError() const { return onError_; }
  void SetOnError(TErrorEvent handler);
  TDateTime DT_INI() const { return dtIni_; }
  void SetDT_INI(TDateTime value);
  TDateTime DT_FIN() const { return dtFin_; }
  void SetDT_FIN(TDateTime value);
  int LinhasBuffer() const { return txt_.LinhasBuffer(); }
  void SetLinhasBuffer(int value) { txt_.SetLinhasBuffer(value); }
  // Output folder, always ending with the folder separator when not empty.
  const std::string& Path() const { return path_; }
  void SetPath(const std::string& value);
  // File name; a value with a folder part also sets Path.
  const std::string& Arquivo() const { return arquivo_; }
  void SetArquivo(const std::string& value);
  const std::vector<std::string>& Conteudo() const { return txt_.Conteudo; }
  bool Inicializado() const { return inicializado_; }
  // The file the lines go to now: the temporary file until block 9 is written, then the target.
  std::string ArquivoEmGravacao() const { return saida_.Aberto() ? saida_.Temporario() : path_ + arquivo_; }

  // The four before-write events of block C: reading and writing pass straight through to
  // the events stored in the block C writer; this sub-object stores nothing itself.
  class TEventsBloco_C {
  public:
    explicit TEventsBloco_C(TVornVUDIRozAzezav& owner) : owner_(&owner) {}
    ~TEventsBloco_C() { owner_ = nullptr; }
    TEventsBloco_C(const TEventsBloco_C&) = delete;
    TEventsBloco_C& operator=(const TEventsBloco_C&) = delete;
    std::string Name = "EventsBloco_C";

    const TWriteRegistroC481Event& OnBeforeWriteRegistroC481() const;
    void SetOnBeforeWriteRegistroC481(TWriteRegistroC481Event value);
    const TWriteRegistroC485Event& OnBeforeWriteRegistroC485() const;
    void SetOnBeforeWriteRegistroC485(TWriteRegistroC485Event value);
    const TWriteRegistroC491Event& OnBeforeWriteRegistroC491() const;
    void SetOnBeforeWriteRegistroC491(TWriteRegistroC491Event value);
    const TWriteRegistroC495Event& OnBeforeWriteRegistroC495() const;
    void SetOnBeforeWriteRegistroC495(TWriteRegistroC495Event value);

  private:
    TVornVUDIRozAzezav* owner_;
  } EventsBloco_C{*this};

  TBloco_0 Bloco_0;
  TBloco_A Bloco_A;
  TBloco_C Bloco_C;
  TBloco_D Bloco_D;
  TBloco_F Bloco_F;
  TBloco_I Bloco_I;
  TBloco_M Bloco_M;
  TBloco_P Bloco_P;
  TBloco_1 Bloco_1;
  TBloco_9 Bloco_9;

  void IniciaGeracao();
  void WriteBloco_0();
  void WriteBloco_A(bool FechaBloco = true);
  void WriteBloco_C(bool FechaBloco = true);
  void WriteBloco_D();
  void WriteBloco_F();
  void WriteBloco_I();
  void WriteBloco_M();
  void WriteBloco_P();
  void WriteBloco_1();
  void WriteBloco_9();
  void SaveFileTXT();
  void LimpaRegistros();
  // Ends a generation that will not be completed: its temporary file is removed, the previous
  // file stays, and the component is idle again with empty trees.
  void DescartaGeracao();

private:
  template <typename F> void ForEachBloco(F f);
  void WriteBlocoInteiro(TVornSPED& bloco);
  void WriteBlocoParcial(TVornSPED& bloco, bool FechaBloco);
  void AddEntradasAbertura(TVornSPED& bloco);
  void AddEntradaFechamento(TVornSPED& bloco);
  void SetSemDados();

  TVornTXTClass txt_;
  TArquivoSaida saida_;
  std::string arquivo_;
  bool inicializado_ = false;
  TErrorEvent onError_;
  TDateTime dtIni_ = 0, dtFin_ = 0;
  std::string path_;
  std::string delimitador_;
  bool replaceDelimitador_ = false, trimString_ = false;
  std::string curMascara_;
};
