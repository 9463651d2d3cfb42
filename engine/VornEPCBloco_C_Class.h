#pragma once
// Block C writer: owns the block C tree, creates its records and writes them in layout order.
#include <memory>

#include "VornEPCBloco_0_Class.h"
#include "VornEPCBloco_C.h"
#include "VornEPCBloco_C_Events.h"
#include "VornSped.h"

// A variant written as a number: unassigned counts as 0; null cannot be converted and throws.
inline double NumeroDe(const Variant& v) { return v.kind() == Variant::Kind::Unassigned ? 0.0 : v.ToDouble(); }

class TBloco_C : public TVornSPED {
public:
  TBloco_C();

  TBloco_0* Bloco_0 = nullptr;  // not owned; set by the file component

  TRegistroC001& RegistroC001() { return *registroC001_; }
  TRegistroC990& RegistroC990() { return *registroC990_; }

  // Creators: each appends to the named list of the most recent parent.
  TRegistroC001& RegistroC001New() { return *registroC001_; }
  TRegistroC010& RegistroC010New() { return registroC001_->RegistroC010.New(); }
  TRegistroC100& RegistroC100New() { return UltimoC010("C100").RegistroC100.New(); }
  TRegistroC110& RegistroC110New() { return UltimoC100("C110").RegistroC110.New(); }
  TRegistroC111& RegistroC111New() { return UltimoC100("C111").RegistroC111.New(); }
  TRegistroC120& RegistroC120New() { return UltimoC100("C120").RegistroC120.New(); }
  TRegistroC170& RegistroC170New() { return UltimoC100("C170").RegistroC170.New(); }
  TRegistroC175& RegistroC175New() { return UltimoC100("C175").RegistroC175.New(); }
  TRegistroC180& RegistroC180New() { return UltimoC010("C180").RegistroC180.New(); }
  TRegistroC181& RegistroC181New() { return UltimoC180("C181").RegistroC181.New(); }
  TRegistroC185& RegistroC185New() { return UltimoC180("C185").RegistroC185.New(); }
  TRegistroC188& RegistroC188New() { return UltimoC180("C188").RegistroC188.New(); }
  TRegistroC190& RegistroC190New() { return UltimoC010("C190").RegistroC190.New(); }
  TRegistroC191& RegistroC191New() { return UltimoC190("C191").RegistroC191.New(); }
  TRegistroC195& RegistroC195New() { return UltimoC190("C195").RegistroC195.New(); }
  TRegistroC198& RegistroC198New() { return UltimoC190("C198").RegistroC198.New(); }
  TRegistroC199& RegistroC199New() { return UltimoC190("C199").RegistroC199.New(); }
  TRegistroC380& RegistroC380New() { return UltimoC010("C380").RegistroC380.New(); }
  TRegistroC381& RegistroC381New() { return UltimoC380("C381").RegistroC381.New(); }
  TRegistroC385& RegistroC385New() { return UltimoC380("C385").RegistroC385.New(); }
  TRegistroC395& RegistroC395New() { return UltimoC010("C395").RegistroC395.New(); }
  TRegistroC396& RegistroC396New() { return UltimoC395("C396").RegistroC396.New(); }
  TRegistroC400& RegistroC400New() { return UltimoC010("C400").RegistroC400.New(); }
  TRegistroC405& RegistroC405New() { return UltimoC400("C405").RegistroC405.New(); }
  TRegistroC481& RegistroC481New() { return UltimoC405("C481").RegistroC481.New(); }
  TRegistroC485& RegistroC485New() { return UltimoC405("C485").RegistroC485.New(); }
  TRegistroC489& RegistroC489New() { return UltimoC400("C489").RegistroC489.New(); }
  TRegistroC490& RegistroC490New() { return UltimoC010("C490").RegistroC490.New(); }
  TRegistroC491& RegistroC491New() { return UltimoC490("C491").RegistroC491.New(); }
  TRegistroC495& RegistroC495New() { return UltimoC490("C495").RegistroC495.New(); }
  TRegistroC499& RegistroC499New() { return UltimoC490("C499").RegistroC499.New(); }
  TRegistroC500& RegistroC500New() { return UltimoC010("C500").RegistroC500.New(); }
  TRegistroC501& RegistroC501New() { return UltimoC500("C501").RegistroC501.New(); }
  TRegistroC505& RegistroC505New() { return UltimoC500("C505").RegistroC505.New(); }
  TRegistroC509& RegistroC509New() { return UltimoC500("C509").RegistroC509.New(); }
  TRegistroC600& RegistroC600New() { return UltimoC010("C600").RegistroC600.New(); }
  TRegistroC601& RegistroC601New() { return UltimoC600("C601").RegistroC601.New(); }
  TRegistroC605& RegistroC605New() { return UltimoC600("C605").RegistroC605.New(); }
  TRegistroC609& RegistroC609New() { return UltimoC600("C609").RegistroC609.New(); }
  TRegistroC800& RegistroC800New() { return UltimoC010("C800").RegistroC800.New(); }
  TRegistroC810& RegistroC810New() { return UltimoC800("C810").RegistroC810.New(); }
  TRegistroC820& RegistroC820New() { return UltimoC800("C820").RegistroC820.New(); }
  TRegistroC830& RegistroC830New() { return UltimoC800("C830").RegistroC830.New(); }
  TRegistroC860& RegistroC860New() { return UltimoC010("C860").RegistroC860.New(); }
  TRegistroC870& RegistroC870New() { return UltimoC860("C870").RegistroC870.New(); }
  TRegistroC880& RegistroC880New() { return UltimoC860("C880").RegistroC880.New(); }
  TRegistroC890& RegistroC890New() { return UltimoC860("C890").RegistroC890.New(); }

  // Writes the C001 line on the first call of a generation only, then the C010 records not
  // yet written (from position RegistroC010Count); when every C010 is already written, the
  // records added since the last call below the last one, so a block can be written in parts.
  void WriteRegistroC001();
  void WriteRegistroC990();

  // Before-write events; the "After" names are second names of the same four events.
  TWriteRegistroC481Event OnBeforeWriteRegistroC481;
  TWriteRegistroC485Event OnBeforeWriteRegistroC485;
  TWriteRegistroC491Event OnBeforeWriteRegistroC491;
  TWriteRegistroC495Event OnBeforeWriteRegistroC495;
  TWriteRegistroC481Event& OnAfterWriteRegistroC481() { return OnBeforeWriteRegistroC481; }
  TWriteRegistroC485Event& OnAfterWriteRegistroC485() { return OnBeforeWriteRegistroC485; }
  TWriteRegistroC491Event& OnAfterWriteRegistroC491() { return OnBeforeWriteRegistroC491; }
  TWriteRegistroC495Event& OnAfterWriteRegistroC495() { return OnBeforeWriteRegistroC495; }

  void LimpaRegistros() override;
  std::string_view Bloco() const override { return "C"; }
  int& QtdLin() override { return registroC990_->QTD_LIN_C; }
  bool ComDados() const override { return registroC001_->IND_MOV == TVornIndMov::imComDados; }
  void WriteAbertura() override { WriteRegistroC001(); }
  void WriteFechamento() override { WriteRegistroC990(); }
  std::vector<TRegisterCount> ContagemRegistros() const override;

  int RegistroC010Count = 0, RegistroC100Count = 0, RegistroC110Count = 0, RegistroC111Count = 0,
      RegistroC120Count = 0, RegistroC170Count = 0, RegistroC175Count = 0, RegistroC180Count = 0,
      RegistroC181Count = 0, RegistroC185Count = 0, RegistroC188Count = 0, RegistroC190Count = 0,
      RegistroC191Count = 0, RegistroC195Count = 0, RegistroC198Count = 0, RegistroC199Count = 0,
      RegistroC380Count = 0, RegistroC381Count = 0, RegistroC385Count = 0, RegistroC395Count = 0,
      RegistroC396Count = 0, RegistroC400Count = 0, RegistroC405Count = 0, RegistroC481Count = 0,
      RegistroC485Count = 0, RegistroC489Count = 0, RegistroC490Count = 0, RegistroC491Count = 0,
      RegistroC495Count = 0, RegistroC499Count = 0, RegistroC500Count = 0, RegistroC501Count = 0,
      RegistroC505Count = 0, RegistroC509Count = 0, RegistroC600Count = 0, RegistroC601Count = 0,
      RegistroC605Count = 0, RegistroC609Count = 0, RegistroC800Count = 0, RegistroC810Count = 0,
      RegistroC820Count = 0, RegistroC830Count = 0, RegistroC860Count = 0, RegistroC870Count = 0,
      RegistroC880Count = 0, RegistroC890Count = 0;

private:
  void CriaRegistros();
  TRegistroC010& UltimoC010(const char* child);
  TRegistroC100& UltimoC100(const char* child);
  TRegistroC180& UltimoC180(const char* child);
  TRegistroC190& UltimoC190(const char* child);
  TRegistroC380& UltimoC380(const char* child);
  TRegistroC395& UltimoC395(const char* child);
  TRegistroC400& UltimoC400(const char* child);
  TRegistroC405& UltimoC405(const char* child);
  TRegistroC490& UltimoC490(const char* child);
  TRegistroC500& UltimoC500(const char* child);
  TRegistroC600& UltimoC600(const char* child);
  TRegistroC800& UltimoC800(const char* child);
  TRegistroC860& UltimoC860(const char* child);

  TVornCodVer Versao() const;
  void WriteRegistroC010(TRegistroC001& c001);
  void WriteFilhosC010(TRegistroC010& c010);
  // Documents (C100 to C199).
  void WriteRegistroC100(TRegistroC010& c010);
  void WriteRegistroC110(TRegistroC100& c100);
  void WriteRegistroC111(TRegistroC100& c100);
  void WriteRegistroC120(TRegistroC100& c100);
  void WriteRegistroC170(TRegistroC100& c100);
  void WriteRegistroC175(TRegistroC100& c100);
  void WriteRegistroC180(TRegistroC010& c010);
  void WriteRegistroC181(TRegistroC180& c180);
  void WriteRegistroC185(TRegistroC180& c180);
  void WriteRegistroC188(TRegistroC180& c180);
  void WriteRegistroC190(TRegistroC010& c010);
  void WriteRegistroC191(TRegistroC190& c190);
  void WriteRegistroC195(TRegistroC190& c190);
  void WriteRegistroC198(TRegistroC190& c190);
  void WriteRegistroC199(TRegistroC190& c190);
  // ECF, consolidated and other documents (C380 to C890).
  void WriteRegistroC380(TRegistroC010& c010);
  void WriteRegistroC381(TRegistroC380& c380);
  void WriteRegistroC385(TRegistroC380& c380);
  void WriteRegistroC395(TRegistroC010& c010);
  void WriteRegistroC396(TRegistroC395& c395);
  void WriteRegistroC400(TRegistroC010& c010);
  void WriteRegistroC405(TRegistroC400& c400);
  void WriteRegistroC481(TRegistroC405& c405);
  void WriteRegistroC485(TRegistroC405& c405);
  void WriteRegistroC489(TRegistroC400& c400);
  void WriteRegistroC490(TRegistroC010& c010);
  void WriteRegistroC491(TRegistroC490& c490);
  void WriteRegistroC495(TRegistroC490& c490);
  void WriteRegistroC499(TRegistroC490& c490);
  void WriteRegistroC500(TRegistroC010& c010);
  void WriteRegistroC501(TRegistroC500& c500);
  void WriteRegistroC505(TRegistroC500& c500);
  void WriteRegistroC509(TRegistroC500& c500);
  void WriteRegistroC600(TRegistroC010& c010);
  void WriteRegistroC601(TRegistroC600& c600);
  void WriteRegistroC605(TRegistroC600& c600);
  void WriteRegistroC609(TRegistroC600& c600);
  void WriteRegistroC860(TRegistroC010& c010);
  void WriteRegistroC870(TRegistroC860& c860);
  void WriteRegistroC880(TRegistroC860& c860);
  void WriteRegistroC890(TRegistroC860& c860);

  std::unique_ptr<TRegistroC001> registroC001_;
  std::unique_ptr<TRegistroC990> registroC990_;
};
