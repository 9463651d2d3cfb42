#pragma once
// Block 0 register records: file header, accountant, regime, establishments with their
// participants, units, items and natures, chart of accounts and cost centres.
#include <memory>
#include <string>

#include "Currency.h"
#include "DateTime.h"
#include "RegisterList.h"
#include "Variant.h"
#include "VornEPCBlocos.h"
#include "VornSped.h"

struct TRegistro0000 {
  TVornCodVer COD_VER{};
  TVornTipoEscrit TIPO_ESCRIT{};
  TVornIndSitEsp IND_SIT_ESP{};
  std::string NUM_REC_ANTERIOR;
  TDateTime DT_INI = 0;
  TDateTime DT_FIN = 0;
  std::string NOME, CNPJ, UF;
  int COD_MUN = 0;
  std::string SUFRAMA;
  TVornIndNatPJ IND_NAT_PJ{};
  TVornIndAtiv IND_ATIV{};
};

struct TRegistro0035 { std::string COD_SCP, DESC_SCP, INF_COMP; };

struct TRegistro0100 {
  std::string NOME, CPF, CRC, CNPJ, CEP, END, NUM, COMPL, BAIRRO, FONE, FAX, EMAIL;
  int COD_MUN = 0;
  std::string& ENDERECO() { return END; }
};

struct TRegistro0111 {
  Currency REC_BRU_NCUM_TRIB_MI, REC_BRU_NCUM_NT_MI, REC_BRU_NCUM_EXP, REC_BRU_CUM, REC_BRU_TOTAL;
};

struct TRegistro0110 {
  TVornCodIncTrib COD_INC_TRIB{};
  TVornIndAproCred IND_APRO_CRED{};
  TVornCodTipoCont COD_TIPO_CONT{};
  TVornIndRegCum IND_REG_CUM{};
  TRegistro0111 Registro0111;
};

struct TRegistro0120 { std::string MES_DISPENSA, INF_COMP; };

struct TRegistro0145 {
  std::string COD_INC_TRIB;
  Currency VL_REC_TOT, VL_REC_ATIV, VL_REC_DEMAIS_ATIV;
  std::string INFO_COMPL;
};

struct TRegistro0150 {
  std::string COD_PART, NOME, COD_PAIS, CNPJ, CPF, IE;
  int COD_MUN = 0;
  std::string SUFRAMA, END, NUM, COMPL, BAIRRO;
};
struct TRegistro0150List : TRegistroList<TRegistro0150> {
  // 14 characters: CNPJ; 11: CPF; anything else: COD_PART.
  bool LocalizaRegistro(const std::string& Value);
};

struct TRegistro0190 { std::string UNID, DESCR; };
struct TRegistro0190List : TRegistroList<TRegistro0190> {
  bool LocalizaRegistro(const std::string& pUNID);
};

struct TRegistro0205 {
  std::string DESCR_ANT_ITEM;
  TDateTime DT_INI = 0, DT_FIM = 0;
  std::string COD_ANT_ITEM;
};
struct TRegistro0206 { std::string COD_COMB; };
struct TRegistro0208 {
  TVornIndCodIncidencia COD_TAB = TVornIndCodIncidencia::codIndiTabNaoTem;
  std::string COD_GRU, MARCA_COM;
};

struct TRegistro0200 {
  std::string COD_ITEM, DESCR_ITEM, COD_BARRA, COD_ANT_ITEM, UNID_INV;
  TVornTipoItem TIPO_ITEM{};
  std::string COD_NCM, EX_IPI, COD_GEN, COD_LST;
  Variant ALIQ_ICMS;
  TRegistroList<TRegistro0205> Registro0205;
  TRegistro0206 Registro0206;
  TRegistro0208 Registro0208;
};
struct TRegistro0200List : TRegistroList<TRegistro0200> {
  bool LocalizaRegistro(const std::string& pCOD_ITEM);
};

struct TRegistro0400 { std::string COD_NAT, DESCR_NAT; };
struct TRegistro0400List : TRegistroList<TRegistro0400> {
  bool LocalizaRegistro(const std::string& pCOD_NAT);
};

struct TRegistro0450 { std::string COD_INF, TXT; };

struct TRegistro0140 {
  std::string COD_EST, NOME, CNPJ, UF, IE;
  int COD_MUN = 0;
  std::string IM, SUFRAMA;
  TRegistro0145 Registro0145;
  TRegistro0150List Registro0150;
  TRegistro0190List Registro0190;
  TRegistro0200List Registro0200;
  TRegistro0400List Registro0400;
  TRegistroList<TRegistro0450> Registro0450;
};

struct TRegistro0500 {
  TDateTime DT_ALT = 0;
  TVornNaturezaConta COD_NAT_CC{};
  TVornIndCTA IND_CTA{};
  std::string NIVEL, COD_CTA, NOME_CTA, COD_CTA_REF, CNPJ_EST;
};
struct TRegistro0500List : TRegistroList<TRegistro0500> {
  bool LocalizaRegistro(const std::string& ACOD_CTA);
};

struct TRegistro0600 {
  TDateTime DT_ALT = 0;
  std::string COD_CCUS, CCUS;
};

struct TRegistro0900 {
  double REC_TOTAL_BLOCO_A = 0; Variant REC_NRB_BLOCO_A;
  double REC_TOTAL_BLOCO_C = 0; Variant REC_NRB_BLOCO_C;
  double REC_TOTAL_BLOCO_D = 0; Variant REC_NRB_BLOCO_D;
  double REC_TOTAL_BLOCO_F = 0; Variant REC_NRB_BLOCO_F;
  double REC_TOTAL_BLOCO_I = 0; Variant REC_NRB_BLOCO_I;
  double REC_TOTAL_BLOCO_1 = 0; Variant REC_NRB_BLOCO_1;
  double REC_TOTAL_PERIODO = 0; Variant REC_TOTAL_NRB_PERIODO;
};

struct TRegistro0001 : TOpenBlocos {
  TRegistroList<TRegistro0035> Registro0035;
  TRegistroList<TRegistro0100> Registro0100;
  TRegistro0110 Registro0110;
  TRegistroList<TRegistro0120> Registro0120;
  TRegistroList<TRegistro0140> Registro0140;
  TRegistro0500List Registro0500;
  TRegistroList<TRegistro0600> Registro0600;
  std::unique_ptr<TRegistro0900> Registro0900;  // created on first request
};

struct TRegistro0990 { int QTD_LIN_0 = 0; };
