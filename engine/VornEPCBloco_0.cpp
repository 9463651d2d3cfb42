#include "VornEPCBloco_0.h"

#include "TextUtil.h"

bool TRegistro0150List::LocalizaRegistro(const std::string& Value) {
  const size_t chars = Utf8Length(Value);
  return Find([&](const TRegistro0150& r) {
           if (chars == 14) return r.CNPJ == Value;
           if (chars == 11) return r.CPF == Value;
           return r.COD_PART == Value;
         }) != nullptr;
}

bool TRegistro0190List::LocalizaRegistro(const std::string& pUNID) {
  return Find([&](const TRegistro0190& r) { return r.UNID == pUNID; }) != nullptr;
}

bool TRegistro0200List::LocalizaRegistro(const std::string& pCOD_ITEM) {
  return Find([&](const TRegistro0200& r) { return r.COD_ITEM == pCOD_ITEM; }) != nullptr;
}

bool TRegistro0400List::LocalizaRegistro(const std::string& pCOD_NAT) {
  return Find([&](const TRegistro0400& r) { return r.COD_NAT == pCOD_NAT; }) != nullptr;
}

bool TRegistro0500List::LocalizaRegistro(const std::string& ACOD_CTA) {
  return Find([&](const TRegistro0500& r) { return r.COD_CTA == ACOD_CTA; }) != nullptr;
}
