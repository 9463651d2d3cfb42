#pragma once
// The block base: a line writer with the reporting period, the written flag and the hooks the
// file component drives; plus the opening register and the per-line builder of the writers.
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "RegisterList.h"
#include "VornEPCBlocos.h"
#include "VornTXTClass.h"

// Base of every opening register (0001, A001 ... 9001).
struct TOpenBlocos {
  TVornIndMov IND_MOV = TVornIndMov::imComDados;
};

// One 9900 entry: a register code and its number of lines.
struct TRegisterCount {
  std::string code;
  int count;
};

class TVornSPED;

// Builds one register line field by field, each with the fill operation it names.
class TLinha {
public:
  TLinha(TVornSPED& block, std::string_view reg);
  TLinha& Text(std::string_view v) { w_.AppendText(line_, v); return *this; }
  TLinha& Text(std::string_view v, int size, bool nulo = false) { w_.AppendText(line_, v, size, nulo); return *this; }
  TLinha& Code(std::string_view code) { w_.AppendText(line_, code); return *this; }
  template <typename E> requires std::is_enum_v<E>
  TLinha& Code(E value) { return Code(::Code(value)); }
  TLinha& Int(int64_t v, int size = 0, bool nulo = false) { w_.AppendInteger(line_, v, size, nulo); return *this; }
  // Two decimals through the default mask; `nulo` writes 0 as an empty field.
  TLinha& Value(Currency v, bool nulo = false) { w_.AppendCurrency(line_, v, nulo); return *this; }
  TLinha& Ext(long double v, int size = 0, int decimal = 2, bool nulo = false, const std::string& mask = "") {
    w_.AppendExtended(line_, v, size, decimal, nulo, '0', mask);
    return *this;
  }
  TLinha& Dec(double v, int decimals, bool nulo = false) { w_.AppendDecimal(line_, v, decimals, nulo); return *this; }
  TLinha& Dec(Currency v, int decimals, bool nulo = false) { return Dec(v.ToDouble(), decimals, nulo); }
  TLinha& VDec(const Variant& v, int decimals) { w_.AppendVariantDecimal(line_, v, decimals); return *this; }
  TLinha& VExt(const Variant& v, int size = 0, int decimal = 2, const std::string& mask = "") {
    w_.AppendVariantExtended(line_, v, size, decimal, '0', mask);
    return *this;
  }
  TLinha& Date(TDateTime v) { w_.AppendDate(line_, v, "ddmmyyyy", true); return *this; }
  TLinha& Empty() { line_ += w_.Delimitador; return *this; }
  // Adds the line (with its trailing delimiter) to the block and counts it.
  void Add();

private:
  TVornSPED& block_;
  const TVornTXTClass& w_;
  std::string line_;
};

class TVornSPED : public TVornTXTClass {
public:
  TDateTime DT_INI = 0;
  TDateTime DT_FIN = 0;
  bool Gravado = false;

  // Discards the register tree, the line buffer and every counter; starts a fresh tree.
  virtual void LimpaRegistros() = 0;

  // Hooks of the file component.
  virtual std::string_view Bloco() const = 0;    // "0", "A", ..., "9"
  virtual int& QtdLin() = 0;                      // the closing register's line count
  virtual bool ComDados() const = 0;              // opening register is imComDados
  virtual void WriteAbertura() = 0;               // WriteRegistroX001
  virtual void WriteFechamento() = 0;             // WriteRegistroX990
  // Codes and counters of the registers below the opening one, in block 9 order.
  virtual std::vector<TRegisterCount> ContagemRegistros() const = 0;

  TLinha Line(std::string_view reg) { return TLinha(*this, reg); }
  // Process registers (NUM_PROC, IND_PROC) below a record: one line each, counted in `contador`.
  template <typename List>
  void WriteProcessos(std::string_view reg, const List& lista, int& contador) {
    for (const auto& r : lista) Line(reg).Text(r.NUM_PROC).Code(r.IND_PROC).Add();
    contador += lista.Count();
  }
  void AddLine(std::string&& line) {
    Add(std::move(line), true);
    ++QtdLin();
  }
  // Writes the pending lines to the file and empties the buffer.
  void Flush() {
    WriteBuffer();
    EsvaziaConteudo();
  }
};

inline TLinha::TLinha(TVornSPED& block, std::string_view reg) : block_(block), w_(block), line_(block.NovaLinha()) {
  w_.AppendText(line_, reg);
}
inline void TLinha::Add() { block_.AddLine(std::move(line_)); }
