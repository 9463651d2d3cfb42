#include "VornEPCBlocos.h"

#include <stdexcept>

namespace {
template <size_t N>
std::string_view Lookup(const std::string_view (&codes)[N], uint8_t ordinal) {
  return ordinal < N ? codes[ordinal] : std::string_view();
}
template <size_t N>
std::string_view LookupOrThrow(const std::string_view (&codes)[N], uint8_t ordinal, const char* name) {
  if (ordinal >= N) throw std::runtime_error(std::string("Valor informado inválido para ser convertido em ") + name);
  return codes[ordinal];
}

constexpr std::string_view kCstPis[] = {"01", "02", "03", "04", "05", "06", "07", "08", "09", "49", "50", "51", "52", "53", "54", "55", "56", "60", "61", "62", "63", "64", "65", "66", "67", "70", "71", "72", "73", "74", "75", "98", "99", ""};
constexpr std::string_view kCstCofins[] = {"01", "02", "03", "04", "05", "06", "07", "08", "09", "49", "50", "51", "52", "53", "54", "55", "56", "60", "61", "62", "63", "64", "65", "66", "67", "70", "71", "72", "73", "74", "75", "98", "99", ""};
constexpr std::string_view kCstPisCofins[] = {"01", "06", "07", "08", "09", "49", "99", ""};
constexpr std::string_view kCstIpi[] = {"00", "01", "02", "03", "04", "05", "49", "50", "51", "52", "53", "54", "55", "99", ""};
constexpr std::string_view kCstIcms[] = {"", "000", "010", "020", "030", "040", "041", "050", "051", "060", "070", "090", "100", "110", "120", "130", "140", "141", "150", "151", "160", "170", "190", "200", "210", "220", "230", "240", "241", "250", "251", "260", "270", "290", "300", "310", "320", "330", "340", "341", "350", "351", "360", "370", "390", "400", "410", "420", "430", "440", "441", "450", "451", "460", "470", "490", "500", "510", "520", "530", "540", "541", "550", "551", "560", "570", "590", "600", "610", "620", "630", "640", "641", "650", "651", "660", "670", "690", "700", "710", "720", "730", "740", "741", "750", "751", "760", "770", "790", "800", "810", "820", "830", "840", "841", "850", "851", "860", "870", "890", "101", "102", "103", "201", "202", "203", "300", "400", "500", "900"};
constexpr std::string_view kCodVer[] = {"001", "002", "002", "003", "004", "005", "006"};
constexpr std::string_view kTipoEscrit[] = {"0", "1"};
constexpr std::string_view kIndSitEsp[] = {"0", "1", "2", "3", "4", ""};
constexpr std::string_view kIndNatPJ[] = {"00", "01", "02", "03", "04", "05", ""};
constexpr std::string_view kIndAtiv[] = {"0", "1", "2", "3", "4", "9"};
constexpr std::string_view kCodIncTrib[] = {"1", "2", "3"};
constexpr std::string_view kIndAproCred[] = {"1", "2"};
constexpr std::string_view kCodTipoCont[] = {"1", "2"};
constexpr std::string_view kIndRegCum[] = {"1", "2", "9"};
constexpr std::string_view kTipoItem[] = {"00", "01", "02", "03", "04", "05", "06", "07", "08", "09", "10", "99"};
constexpr std::string_view kIndCodIncidencia[] = {"", "01", "02", "03", "04", "05", "06", "07", "08", "09", "10", "11", "12"};
constexpr std::string_view kNaturezaConta[] = {"01", "02", "03", "04", "05", "09"};
constexpr std::string_view kIndCTA[] = {"S", "A"};
constexpr std::string_view kIndMov[] = {"0", "1"};
constexpr std::string_view kIndTipoOper[] = {"0", "1"};
constexpr std::string_view kEmitente[] = {"0", "1"};
constexpr std::string_view kIndEmit[] = {"0", "1"};
constexpr std::string_view kIndOper[] = {"0", "1"};
constexpr std::string_view kCodSit[] = {"00", "01", "02", "03", "04", "05", "06", "07", "08"};
constexpr std::string_view kIndPgto[] = {"0", "1", "2", ""};
constexpr std::string_view kIndFrt[] = {"0", "1", "2", "3", "4", "9", ""};
constexpr std::string_view kIndMovFisica[] = {"0", "1"};
constexpr std::string_view kApuracaoIPI[] = {"0", "1", ""};
constexpr std::string_view kIndEscrituracao[] = {"1", "2"};
constexpr std::string_view kDoctoImporta[] = {"0", "1", ""};
constexpr std::string_view kLocalExecServico[] = {"0", "1"};
constexpr std::string_view kIndOrigCred[] = {"0", "1", ""};
constexpr std::string_view kNatBcCred[] = {"", "01", "02", "03", "04", "05", "06", "07", "08", "09", "10", "11", "12", "13", "14", "15", "16", "17", "18"};
constexpr std::string_view kNaturezaFrtContratado[] = {"0", "1", "2", "3", "4", "5", "9"};
constexpr std::string_view kIndRec[] = {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"};
constexpr std::string_view kIndTpOperacaoReceita[] = {"0", "1", "2"};
constexpr std::string_view kInd_Rec[] = {"01", "02", "03", "04", "05", "99"};
constexpr std::string_view kIndNatRetFonte[] = {"01", "02", "03", "04", "05", "99"};
constexpr std::string_view kIndOrigemDiversas[] = {"01", "02", "03", "04", "99"};
constexpr std::string_view kIndNatDeducao[] = {"0", "1"};
constexpr std::string_view kCodCred[] = {"101", "102", "103", "104", "105", "106", "108", "109", "199", "201", "202", "203", "204", "205", "206", "208", "299", "301", "302", "303", "304", "305", "306", "307", "308", "399"};
constexpr std::string_view kOrigemProcesso[] = {"1", "3", "9", ""};
constexpr std::string_view kCodSitF[] = {"00", "02", "99"};
constexpr std::string_view kIndicadorApropAjuste[] = {"01", "02", "03"};
constexpr std::string_view kCodCont[] = {"01", "02", "03", "04", "31", "32", "51", "52", "53", "54", "70", "71", "72", "99"};
constexpr std::string_view kNatCredDesc[] = {"01", "02", "03", "04"};
constexpr std::string_view kCodAj[] = {"01", "02", "03", "04", "05", "06", "", "", ""};
constexpr std::string_view kIndAJ[] = {"0", "1"};
constexpr std::string_view kIndCredOri[] = {"0", "1"};
constexpr std::string_view kIndDescCred[] = {"0", "1"};
constexpr std::string_view kIndTipCoop[] = {"01", "02", "03", "04", "05", "06", "99"};
constexpr std::string_view kTabCodAjBaseCalcContrib[] = {"01", "02", "21", "41", "42"};
}  // namespace

std::string_view Code(TVornCstPis value) { return Lookup(kCstPis, static_cast<uint8_t>(value)); }
std::string_view Code(TVornCstCofins value) { return Lookup(kCstCofins, static_cast<uint8_t>(value)); }
std::string_view Code(TVornCstPisCofins value) { return Lookup(kCstPisCofins, static_cast<uint8_t>(value)); }
std::string_view Code(TVornCstIpi value) { return Lookup(kCstIpi, static_cast<uint8_t>(value)); }
std::string_view Code(TVornCstIcms value) { return Lookup(kCstIcms, static_cast<uint8_t>(value)); }
std::string_view Code(TVornCodVer value) { return LookupOrThrow(kCodVer, static_cast<uint8_t>(value), "TVornCodVer"); }
std::string_view Code(TVornTipoEscrit value) { return Lookup(kTipoEscrit, static_cast<uint8_t>(value)); }
std::string_view Code(TVornIndSitEsp value) { return Lookup(kIndSitEsp, static_cast<uint8_t>(value)); }
std::string_view Code(TVornIndNatPJ value) { return Lookup(kIndNatPJ, static_cast<uint8_t>(value)); }
std::string_view Code(TVornIndAtiv value) { return Lookup(kIndAtiv, static_cast<uint8_t>(value)); }
std::string_view Code(TVornCodIncTrib value) { return Lookup(kCodIncTrib, static_cast<uint8_t>(value)); }
std::string_view Code(TVornIndAproCred value) { return Lookup(kIndAproCred, static_cast<uint8_t>(value)); }
std::string_view Code(TVornCodTipoCont value) { return Lookup(kCodTipoCont, static_cast<uint8_t>(value)); }
std::string_view Code(TVornIndRegCum value) { return Lookup(kIndRegCum, static_cast<uint8_t>(value)); }
std::string_view Code(TVornTipoItem value) { return Lookup(kTipoItem, static_cast<uint8_t>(value)); }
std::string_view Code(TVornIndCodIncidencia value) { return Lookup(kIndCodIncidencia, static_cast<uint8_t>(value)); }
std::string_view Code(TVornNaturezaConta value) { return Lookup(kNaturezaConta, static_cast<uint8_t>(value)); }
std::string_view Code(TVornIndCTA value) { return Lookup(kIndCTA, static_cast<uint8_t>(value)); }
std::string_view Code(TVornIndMov value) { return Lookup(kIndMov, static_cast<uint8_t>(value)); }
std::string_view Code(TVornIndTipoOper value) { return Lookup(kIndTipoOper, static_cast<uint8_t>(value)); }
std::string_view Code(TVornEmitente value) { return Lookup(kEmitente, static_cast<uint8_t>(value)); }
std::string_view Code(TVornIndEmit value) { return Lookup(kIndEmit, static_cast<uint8_t>(value)); }
std::string_view Code(TVornIndOper value) { return Lookup(kIndOper, static_cast<uint8_t>(value)); }
std::string_view Code(TVornCodSit value) { return Lookup(kCodSit, static_cast<uint8_t>(value)); }
std::string_view Code(TVornIndPgto value) { return Lookup(kIndPgto, static_cast<uint8_t>(value)); }
std::string_view Code(TVornIndFrt value) { return Lookup(kIndFrt, static_cast<uint8_t>(value)); }
std::string_view Code(TVornIndMovFisica value) { return Lookup(kIndMovFisica, static_cast<uint8_t>(value)); }
std::string_view Code(TVornApuracaoIPI value) { return Lookup(kApuracaoIPI, static_cast<uint8_t>(value)); }
std::string_view Code(TVornIndEscrituracao value) { return Lookup(kIndEscrituracao, static_cast<uint8_t>(value)); }
std::string_view Code(TVornDoctoImporta value) { return Lookup(kDoctoImporta, static_cast<uint8_t>(value)); }
std::string_view Code(TVornLocalExecServico value) { return Lookup(kLocalExecServico, static_cast<uint8_t>(value)); }
std::string_view Code(TVornIndOrigCred value) { return Lookup(kIndOrigCred, static_cast<uint8_t>(value)); }
std::string_view Code(TVornNatBcCred value) { return Lookup(kNatBcCred, static_cast<uint8_t>(value)); }
std::string_view Code(TVornNaturezaFrtContratado value) { return Lookup(kNaturezaFrtContratado, static_cast<uint8_t>(value)); }
std::string_view Code(TVornIndRec value) { return Lookup(kIndRec, static_cast<uint8_t>(value)); }
std::string_view Code(TVornIndTpOperacaoReceita value) { return Lookup(kIndTpOperacaoReceita, static_cast<uint8_t>(value)); }
std::string_view Code(TVornInd_Rec value) { return Lookup(kInd_Rec, static_cast<uint8_t>(value)); }
std::string_view Code(TVornIndNatRetFonte value) { return Lookup(kIndNatRetFonte, static_cast<uint8_t>(value)); }
std::string_view Code(TVornIndOrigemDiversas value) { return Lookup(kIndOrigemDiversas, static_cast<uint8_t>(value)); }
std::string_view Code(TVornIndNatRec value) {
  switch (static_cast<uint8_t>(value)) {
    case 0: return "0";
    case 1: return "1";
    default: return "";
  }
}
std::string_view Code(TVornIndNatDeducao value) { return Lookup(kIndNatDeducao, static_cast<uint8_t>(value)); }
std::string_view Code(TVornCodCred value) { return Lookup(kCodCred, static_cast<uint8_t>(value)); }
std::string_view Code(TVornOrigemProcesso value) { return Lookup(kOrigemProcesso, static_cast<uint8_t>(value)); }
std::string_view Code(TVornCodSitF value) { return LookupOrThrow(kCodSitF, static_cast<uint8_t>(value), "TVornCodSitF"); }
std::string_view Code(TVornIndicadorApropAjuste value) { return LookupOrThrow(kIndicadorApropAjuste, static_cast<uint8_t>(value), "TVornIndicadorApropAjuste"); }
std::string_view Code(TVornCodCont value) { return LookupOrThrow(kCodCont, static_cast<uint8_t>(value), "TVornCodCont"); }
std::string_view Code(TVornNatCredDesc value) { return Lookup(kNatCredDesc, static_cast<uint8_t>(value)); }
std::string_view Code(TVornCodAj value) { return Lookup(kCodAj, static_cast<uint8_t>(value)); }
std::string_view Code(TVornIndAJ value) { return Lookup(kIndAJ, static_cast<uint8_t>(value)); }
std::string_view Code(TVornIndCredOri value) { return Lookup(kIndCredOri, static_cast<uint8_t>(value)); }
std::string_view Code(TVornIndDescCred value) { return Lookup(kIndDescCred, static_cast<uint8_t>(value)); }
std::string_view Code(TVornIndTipCoop value) { return LookupOrThrow(kIndTipCoop, static_cast<uint8_t>(value), "TVornIndTipCoop"); }
std::string_view Code(TVornTabCodAjBaseCalcContrib value) { return LookupOrThrow(kTabCodAjBaseCalcContrib, static_cast<uint8_t>(value), "TVornTabCodAjBaseCalcContrib"); }

TVornIndCTA IndCTADeTexto(const std::string& text) {
  if (text == "S") return TVornIndCTA::indCTASintetica;
  if (text == "A") return TVornIndCTA::indCTAnalitica;
  throw std::runtime_error("Valor informado [" + text + "] deve estar entre (S e A)");
}

TVornNaturezaConta NaturezaContaDeTexto(const std::string& text) {
  for (uint8_t i = 0; i < std::size(kNaturezaConta); ++i)
    if (kNaturezaConta[i] == text) return static_cast<TVornNaturezaConta>(i);
  throw std::runtime_error("Valor informado [" + text + "] deve estar entre (01,02,03,04,05 e 09)");
}

TVornCstPis CstPisDeTexto(const std::string& text) {
  for (uint8_t i = 0; i < std::size(kCstPis); ++i)
    if (!kCstPis[i].empty() && kCstPis[i] == text) return static_cast<TVornCstPis>(i);
  return TVornCstPis::stpisNenhum;
}

TVornCstCofins CstCofinsDeTexto(const std::string& text) {
  for (uint8_t i = 0; i < std::size(kCstCofins); ++i)
    if (!kCstCofins[i].empty() && kCstCofins[i] == text) return static_cast<TVornCstCofins>(i);
  return TVornCstCofins::stcofinsNenhum;
}

TVornNatBcCred NatBcCredDeTexto(const std::string& text) {
  if (text.empty()) return TVornNatBcCred::bccVazio;
  int value = 0;
  try {
    size_t used = 0;
    value = std::stoi(text, &used);
    if (used != text.size()) return TVornNatBcCred::bccAqBensRevenda;
  } catch (const std::exception&) {
    return TVornNatBcCred::bccAqBensRevenda;
  }
  if (value < 0 || value >= static_cast<int>(std::size(kNatBcCred))) return TVornNatBcCred::bccVazio;
  return static_cast<TVornNatBcCred>(value);
}
