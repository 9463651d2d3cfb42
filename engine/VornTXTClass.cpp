#include "VornTXTClass.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "NumberFormat.h"
#include "TextUtil.h"

std::string FormatMsg(const std::string& fmt, const std::vector<std::string>& args) {
  std::string out;
  size_t next = 0;
  for (size_t i = 0; i < fmt.size(); ++i) {
    if (fmt[i] == '%' && i + 1 < fmt.size()) {
      char k = fmt[i + 1];
      if (k == '%') { out += '%'; ++i; continue; }
      if (k == 's' || k == 'd') {
        if (next < args.size()) out += args[next++];
        ++i;
        continue;
      }
    }
    out += fmt[i];
  }
  return out;
}

namespace {
[[gnu::always_inline]] inline bool IsTwoDecimalMask(const std::string& m) {
  return m.size() == 5 && m[0] == '#' && m[1] == '0' && m[2] == '.' && m[3] == '0' && m[4] == '0';
}

// Nearest integer, ties to even: what the fixed-point conversion does, without a library call
// on the hot path. |x| stays below 2^63 (checked by the caller); x - trunc(x) is exact.
int64_t RoundTiesEven(long double x) {
  int64_t i = static_cast<int64_t>(x);
  const long double f = x - static_cast<long double>(i);
  if (f > 0.5L || (f == 0.5L && (i & 1) != 0)) ++i;
  else if (f < -0.5L || (f == -0.5L && (i & 1) != 0)) --i;
  return i;
}

bool IsAscii(const std::string& s) {
  const char* p = s.data();
  size_t n = s.size();
  uint64_t any = 0;
  for (; n >= 8; p += 8, n -= 8) {
    uint64_t w;
    std::memcpy(&w, p, 8);
    any |= w;
  }
  for (; n > 0; ++p, --n) any |= static_cast<unsigned char>(*p);
  return (any & 0x8080808080808080ULL) == 0;
}

[[gnu::always_inline]] inline void AppendDelimitador(std::string& line, const std::string& d) {
  if (d.size() == 1) line.push_back(d[0]);
  else line += d;
}
}  // namespace

void TVornTXTClass::AppendText(std::string& line, std::string_view Value, int Size, bool Nulo, char Caracter) const {
  AppendDelimitador(line, Delimitador);
  if (Nulo && Value.empty()) return;
  std::string cleaned;
  std::string_view v = Value;
  if (ReplaceDelimitador && !Delimitador.empty() && v.find(Delimitador) != std::string_view::npos) {
    cleaned = ReplaceAll(std::string(v), Delimitador, "");
    v = cleaned;
  }
  if (TrimString && !v.empty() && (static_cast<unsigned char>(v.front()) <= 32 || static_cast<unsigned char>(v.back()) <= 32))
    v = TrimControlView(v);
  if (Size > 0) {
    size_t len = Utf8Length(v);
    if (len > static_cast<size_t>(Size)) { line += Utf8Left(v, Size); return; }
    line.append(Size - len, Caracter);
  }
  line += v;
}

std::string TVornTXTClass::LFill(const std::string& Value, int Size, bool Nulo, char Caracter) const {
  std::string s;
  AppendText(s, Value, Size, Nulo, Caracter);
  return s;
}

void TVornTXTClass::AppendInteger(std::string& line, int64_t Value, int Size, bool Nulo, char Caracter) const {
  if (Nulo && Value == 0) { line += Delimitador; return; }
  if (Size <= 0 && !ReplaceDelimitador && !TrimString) {
    line += Delimitador;
    AppendInt(line, Value);
    return;
  }
  std::string digits;
  AppendInt(digits, Value);
  AppendText(line, digits, Size, false, Caracter);
}

std::string TVornTXTClass::LFill(int64_t Value, int Size, bool Nulo, char Caracter) const {
  std::string s;
  AppendInteger(s, Value, Size, Nulo, Caracter);
  return s;
}

void TVornTXTClass::AppendExtended(std::string& line, long double Value, int Size, int Decimal, bool Nulo,
                                   char Caracter, const std::string& Mascara) const {
  const std::string& mask = Mascara.empty() ? CurMascara : Mascara;
  if (Nulo && Value == 0) { line += Delimitador; return; }
  if (!mask.empty() && mask != "#") {
    if (!std::isfinite(Value) || std::fabs(Value) * 10000.0L >= 9.2e18L)
      throw EVornTXTClassErro("Valor fora do intervalo que o arquivo aceita: " + FormatGeneral(Value, 18));
    line += Delimitador;
    const Currency c = Currency::FromRaw(RoundTiesEven(Value * 10000.0L));
    if (IsTwoDecimalMask(mask)) AppendTwoDecimals(line, c);
    else AppendMask(line, c, mask);
    return;
  }
  std::string digits = FormatHalfAway(Value, Decimal);
  if (Decimal > 0) digits = ReplaceAll(std::move(digits), ",", "");
  if (Nulo) AppendInteger(line, std::stoll(digits), Size, true, Caracter);
  else AppendText(line, digits, Size, false, Caracter);
}

std::string TVornTXTClass::LFill(long double Value, int Size, int Decimal, bool Nulo, char Caracter,
                                 const std::string& Mascara) const {
  std::string s;
  AppendExtended(s, Value, Size, Decimal, Nulo, Caracter, Mascara);
  return s;
}

void TVornTXTClass::AppendCurrency(std::string& line, Currency Value, bool Nulo) const {
  if (Nulo && Value.Raw() == 0) { AppendDelimitador(line, Delimitador); return; }
  if (IsTwoDecimalMask(CurMascara)) {
    AppendDelimitador(line, Delimitador);
    AppendTwoDecimals(line, Value);
    return;
  }
  AppendExtended(line, Value.ToExtended(), 0, 2, Nulo);
}

void TVornTXTClass::AppendDate(std::string& line, TDateTime Value, const std::string& Mask, bool Nulo) const {
  line += Delimitador;
  if (Nulo && Value == 0) return;
  line += FormatDateTime(Mask, Value);
}

std::string TVornTXTClass::LFill(TDateTime Value, const std::string& Mask, bool Nulo) const {
  std::string s;
  AppendDate(s, Value, Mask, Nulo);
  return s;
}

std::string TVornTXTClass::RFill(const std::string& Value, int Size, char Caracter) const {
  std::string v = TrimString ? TrimControl(Value) : Value;
  if (Size > 0) {
    size_t len = Utf8Length(v);
    if (len > static_cast<size_t>(Size)) v = Utf8Left(v, Size);
    else v.append(Size - len, Caracter);
  }
  if (Caracter == '?')
    for (char& c : v) if (c == ' ') c = '?';
  return Delimitador + v;
}

void TVornTXTClass::AppendDecimal(std::string& line, double Value, int Decimal, bool Nulo) const {
  AppendDelimitador(line, Delimitador);
  if (Nulo && Value == 0) return;
  AppendHalfAway(line, Value, Decimal);
}

std::string TVornTXTClass::DFill(double Value, int Decimal, bool Nulo) const {
  std::string s;
  AppendDecimal(s, Value, Decimal, Nulo);
  return s;
}

void TVornTXTClass::AppendVariantDecimal(std::string& line, const Variant& Value, int Decimal) const {
  if (Value.IsEmpty()) { AppendDelimitador(line, Delimitador); return; }
  AppendDecimal(line, Value.ToDouble(), Decimal, false);
}

std::string TVornTXTClass::VDFill(const Variant& Value, int Decimal) const {
  std::string s;
  AppendVariantDecimal(s, Value, Decimal);
  return s;
}

void TVornTXTClass::AppendVariantExtended(std::string& line, const Variant& Value, int Size, int Decimal,
                                          char Caracter, const std::string& Mascara) const {
  if (Value.IsEmpty()) { line += Delimitador; return; }
  if (!Value.IsNumeric()) throw EVornTXTClassErro("Parâmetro \"Value\" não possui um valor numérico.");
  AppendExtended(line, Value.ToDouble(), Size, Decimal, false, Caracter, Mascara);
}

std::string TVornTXTClass::VLFill(const Variant& Value, int Size, int Decimal, char Caracter,
                                  const std::string& Mascara) const {
  std::string s;
  AppendVariantExtended(s, Value, Size, Decimal, Caracter, Mascara);
  return s;
}

int TVornTXTClass::Add(std::string&& AString, bool AddDelimiter) {
  if (TrimString) {
    std::string_view t = TrimControlView(AString);
    if (t.size() != AString.size()) AString = std::string(t);
  }
  if (AString.empty()) return -1;
  if (AddDelimiter) AString += Delimitador;
  Conteudo.push_back(std::move(AString));
  int index = static_cast<int>(Conteudo.size()) - 1;
  if (linhasBuffer_ > 0 && static_cast<int>(Conteudo.size()) >= linhasBuffer_) WriteBuffer();
  return index;
}

int TVornTXTClass::Add(const std::string& AString, bool AddDelimiter) { return Add(std::string(AString), AddDelimiter); }

void TVornTXTClass::Check(bool Condicao, const std::string& Msg) const {
  if (!Condicao && OnError) OnError(Msg);
}

void TVornTXTClass::WriteBuffer() {
  if (nomeArquivo_.empty()) throw EVornTXTClassErro("\"NomeArquivo\" não especificado");
  // One output buffer kept between flushes: a fresh large block at every flush costs more in
  // the allocator than the conversion itself.
  std::string& bytes = saida_;
  bytes.clear();
  size_t total = 0;
  for (const auto& l : Conteudo) total += l.size() + 2;
  bytes.reserve(total);
  for (const auto& l : Conteudo) {
    if (IsAscii(l)) bytes += l;  // the common case: nothing to convert
    else AppendWindows1252(bytes, l);
    bytes += "\r\n";
  }
  // The reason is read right at the call that failed: a later call overwrites errno (a full
  // disk otherwise shows up as an unrelated error of the close).
  errno = 0;
  std::FILE* f = std::fopen(nomeArquivo_.c_str(), "ab");
  if (!f)
    throw EVornTXTClassErro("Não foi possível abrir o arquivo \"" + nomeArquivo_ + "\" para gravação: " +
                            std::strerror(errno));
  std::setvbuf(f, nullptr, _IONBF, 0);  // our buffer is already one block: write it as such
  int erro = 0;
  errno = 0;
  if (std::fwrite(bytes.data(), 1, bytes.size(), f) != bytes.size()) erro = errno ? errno : EIO;
  errno = 0;
  if (std::fclose(f) != 0 && erro == 0) erro = errno ? errno : EIO;
  if (erro != 0)
    throw EVornTXTClassErro("Falha ao gravar o arquivo \"" + nomeArquivo_ + "\": " + std::strerror(erro));
  if (linhasBuffer_ > 0) EsvaziaConteudo();
}

void TVornTXTClass::EsvaziaConteudo() {
  const size_t limite = std::max<size_t>(static_cast<size_t>(linhasBuffer_), 1000);
  for (std::string& l : Conteudo) {
    if (livres_.size() >= limite) break;
    l.clear();
    livres_.push_back(std::move(l));
  }
  Conteudo.clear();
}

std::string TVornTXTClass::NovaLinha() {
  if (livres_.empty()) {
    std::string s;
    s.reserve(256);  // the longest usual lines (C170, C100) fit without a second allocation
    return s;
  }
  std::string s = std::move(livres_.back());
  livres_.pop_back();
  return s;
}

void TVornTXTClass::LoadFromFile() {
  if (nomeArquivo_.empty()) throw EVornTXTClassErro("\"Nome do Arquivo\" não especificado");
  std::ifstream in(nomeArquivo_, std::ios::binary);
  if (!in) throw EVornTXTClassErro("Não foi possível abrir o arquivo \"" + nomeArquivo_ + "\": " + std::strerror(errno));
  std::stringstream ss;
  ss << in.rdbuf();
  std::string text = FromWindows1252(ss.str());
  Conteudo.clear();
  size_t start = 0;
  while (start < text.size()) {
    size_t nl = text.find('\n', start);
    size_t end = nl == std::string::npos ? text.size() : nl;
    size_t stop = end > start && text[end - 1] == '\r' ? end - 1 : end;
    Conteudo.emplace_back(text, start, stop - start);
    if (nl == std::string::npos) break;
    start = nl + 1;
  }
}

void TVornTXTClass::Reset() {
  Conteudo.clear();
  if (!nomeArquivo_.empty()) {
    std::error_code ec;
    if (std::filesystem::exists(nomeArquivo_, ec) && !std::filesystem::remove(nomeArquivo_, ec))
      throw EVornTXTClassErro("Não foi possível apagar o arquivo \"" + nomeArquivo_ + "\": " + ec.message());
  }
}
