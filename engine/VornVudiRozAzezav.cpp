#include "VornVudiRozAzezav.h"

#include <filesystem>

#include "TextUtil.h"

namespace {
#ifdef _WIN32
constexpr char kSep = '\\';
bool IsSep(char c) { return c == '\\' || c == '/'; }
#else
constexpr char kSep = '/';
bool IsSep(char c) { return c == '/'; }
#endif

std::string ExecutableFolder() {
  std::error_code ec;
  auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  if (ec) return std::filesystem::current_path(ec).string();
  return exe.parent_path().string();
}
}  // namespace

TVornVUDIRozAzezav::TVornVUDIRozAzezav() {
  txt_.SetLinhasBuffer(1000);
  SetSemDados();
  Bloco_1.Bloco_0 = Bloco_A.Bloco_0 = Bloco_C.Bloco_0 = Bloco_D.Bloco_0 = &Bloco_0;
  Bloco_F.Bloco_0 = Bloco_I.Bloco_0 = Bloco_M.Bloco_0 = Bloco_P.Bloco_0 = &Bloco_0;
  SetPath(ExecutableFolder());
  SetDelimitador("|");
  SetReplaceDelimitador(false);
  SetCurMascara("#0.00");
  SetTrimString(true);
}

template <typename F>
void TVornVUDIRozAzezav::ForEachBloco(F f) {
  for (TVornSPED* b : std::initializer_list<TVornSPED*>{&Bloco_0, &Bloco_A, &Bloco_C, &Bloco_D, &Bloco_F, &Bloco_I,
                                                         &Bloco_M, &Bloco_P, &Bloco_1, &Bloco_9})
    f(*b);
}

void TVornVUDIRozAzezav::SetSemDados() {
  Bloco_A.RegistroA001().IND_MOV = Bloco_C.RegistroC001().IND_MOV = Bloco_D.RegistroD001().IND_MOV =
      Bloco_F.RegistroF001().IND_MOV = Bloco_I.RegistroI001().IND_MOV = Bloco_M.RegistroM001().IND_MOV =
          Bloco_P.RegistroP001().IND_MOV = Bloco_1.Registro1001().IND_MOV = TVornIndMov::imSemDados;
}

void TVornVUDIRozAzezav::SetDelimitador(const std::string& value) {
  delimitador_ = value;
  ForEachBloco([&](TVornSPED& b) { b.Delimitador = value; });
}
void TVornVUDIRozAzezav::SetReplaceDelimitador(bool value) {
  replaceDelimitador_ = value;
  ForEachBloco([&](TVornSPED& b) { b.ReplaceDelimitador = value; });
}
void TVornVUDIRozAzezav::SetTrimString(bool value) {
  trimString_ = value;
  ForEachBloco([&](TVornSPED& b) { b.TrimString = value; });
}
void TVornVUDIRozAzezav::SetCurMascara(const std::string& value) {
  curMascara_ = value;
  ForEachBloco([&](TVornSPED& b) { b.CurMascara = value; });
}
void TVornVUDIRozAzezav::SetOnError(TErrorEvent handler) {
  onError_ = handler;
  txt_.OnError = handler;
  ForEachBloco([&](TVornSPED& b) { b.OnError = handler; });
}
void TVornVUDIRozAzezav::SetDT_INI(TDateTime value) {
  dtIni_ = value;
  ForEachBloco([&](TVornSPED& b) { b.DT_INI = value; });
  Bloco_0.Registro0000().DT_INI = value;
}
void TVornVUDIRozAzezav::SetDT_FIN(TDateTime value) {
  dtFin_ = value;
  ForEachBloco([&](TVornSPED& b) { b.DT_FIN = value; });
  Bloco_0.Registro0000().DT_FIN = value;
}

const TWriteRegistroC481Event& TVornVUDIRozAzezav::TEventsBloco_C::OnBeforeWriteRegistroC481() const {
  return owner_->Bloco_C.OnBeforeWriteRegistroC481;
}
void TVornVUDIRozAzezav::TEventsBloco_C::SetOnBeforeWriteRegistroC481(TWriteRegistroC481Event value) {
  owner_->Bloco_C.OnBeforeWriteRegistroC481 = std::move(value);
}
const TWriteRegistroC485Event& TVornVUDIRozAzezav::TEventsBloco_C::OnBeforeWriteRegistroC485() const {
  return owner_->Bloco_C.OnBeforeWriteRegistroC485;
}
void TVornVUDIRozAzezav::TEventsBloco_C::SetOnBeforeWriteRegistroC485(TWriteRegistroC485Event value) {
  owner_->Bloco_C.OnBeforeWriteRegistroC485 = std::move(value);
}
const TWriteRegistroC491Event& TVornVUDIRozAzezav::TEventsBloco_C::OnBeforeWriteRegistroC491() const {
  return owner_->Bloco_C.OnBeforeWriteRegistroC491;
}
void TVornVUDIRozAzezav::TEventsBloco_C::SetOnBeforeWriteRegistroC491(TWriteRegistroC491Event value) {
  owner_->Bloco_C.OnBeforeWriteRegistroC491 = std::move(value);
}
const TWriteRegistroC495Event& TVornVUDIRozAzezav::TEventsBloco_C::OnBeforeWriteRegistroC495() const {
  return owner_->Bloco_C.OnBeforeWriteRegistroC495;
}
void TVornVUDIRozAzezav::TEventsBloco_C::SetOnBeforeWriteRegistroC495(TWriteRegistroC495Event value) {
  owner_->Bloco_C.OnBeforeWriteRegistroC495 = std::move(value);
}

void TVornVUDIRozAzezav::SetPath(const std::string& value) {
  path_ = TrimControl(value);
  if (!path_.empty() && !IsSep(path_.back())) path_ += kSep;
}

void TVornVUDIRozAzezav::SetArquivo(const std::string& value) {
  if (value == arquivo_) return;
  size_t cut = std::string::npos;
  for (size_t i = value.size(); i-- > 0;)
    if (IsSep(value[i])) { cut = i; break; }
  if (cut == std::string::npos) {
    arquivo_ = value;
    return;
  }
  arquivo_ = value.substr(cut + 1);
  SetPath(value.substr(0, cut + 1));
}

void TVornVUDIRozAzezav::IniciaGeracao() {
  if (inicializado_) return;
  if (dtIni_ == 0) throw std::runtime_error("Informe a data inicial das informações contidas no arquivo!");
  if (dtFin_ == 0) throw std::runtime_error("Informe a data final das informações contidas no arquivo!");
  if (TrimControl(arquivo_).empty() || TrimControl(path_).empty())
    throw std::runtime_error("Caminho ou nome do arquivo não informado!");

  // The previous file stays until the new one is complete.
  saida_.Abre(path_ + arquivo_);
  txt_.SetNomeArquivo(saida_.Temporario());
  txt_.Conteudo.clear();
  ForEachBloco([&](TVornSPED& b) {
    b.SetNomeArquivo(txt_.NomeArquivo());
    b.SetLinhasBuffer(txt_.LinhasBuffer());
    b.Gravado = false;
    b.Conteudo.clear();
  });

  txt_.Check(DayOf(dtIni_) == 1, "CHECAGEM INICIAL: A data inicial deve corresponder ao primeiro dia do mês informado!");
  txt_.Check(dtFin_ >= dtIni_, "CHECAGEM INICIAL: A data final deve se maior que a data inicial!");
  TDateTime hoje = Today();
  txt_.Check(hoje >= dtFin_, "CHECAGEM INICIAL: A data final \"%s\" não pode ser superior a data atual \"%s\"!",
             ShortDate(dtFin_), ShortDate(hoje));
  txt_.Check(DateOnly(dtFin_) == EndOfTheMonth(dtFin_),
             "CHECAGEM INICIAL: A data final deve corresponder ao último dia do mês informado!");

  ForEachBloco([&](TVornSPED& b) { b.QtdLin() = 0; });
  Bloco_9.Registro9999().QTD_LIN = 0;
  Bloco_9.Registro9900().Clear();
  inicializado_ = true;
}

void TVornVUDIRozAzezav::AddEntradasAbertura(TVornSPED& bloco) {
  Bloco_9.AddEntry(std::string(bloco.Bloco()) + "001", 1);
  if (!bloco.ComDados()) return;
  for (const TRegisterCount& c : bloco.ContagemRegistros())
    if (c.count > 0) Bloco_9.AddEntry(c.code, c.count);
}

void TVornVUDIRozAzezav::AddEntradaFechamento(TVornSPED& bloco) {
  Bloco_9.AddEntry(std::string(bloco.Bloco()) + "990", 1);
}

void TVornVUDIRozAzezav::WriteBlocoInteiro(TVornSPED& bloco) {
  bloco.WriteAbertura();
  AddEntradasAbertura(bloco);
  AddEntradaFechamento(bloco);
  bloco.WriteFechamento();
  bloco.Flush();
  bloco.Gravado = true;
}

void TVornVUDIRozAzezav::WriteBlocoParcial(TVornSPED& bloco, bool FechaBloco) {
  if (!bloco.ComDados()) FechaBloco = true;
  bloco.WriteAbertura();
  if (FechaBloco) {
    AddEntradasAbertura(bloco);
    AddEntradaFechamento(bloco);
    bloco.WriteFechamento();
    bloco.Gravado = true;
  }
  bloco.Flush();
}

void TVornVUDIRozAzezav::WriteBloco_0() {
  if (!inicializado_) throw std::runtime_error("Métodos \"IniciaGeracao\" não foi executado");
  if (Bloco_0.Gravado) return;
  Bloco_9.AddEntry("0000", 1);
  Bloco_0.WriteRegistro0000();
  Bloco_0.WriteRegistro0001();
  AddEntradasAbertura(Bloco_0);
  AddEntradaFechamento(Bloco_0);
  Bloco_0.WriteRegistro0990();
  Bloco_0.Flush();
  Bloco_0.Gravado = true;
}

void TVornVUDIRozAzezav::WriteBloco_A(bool FechaBloco) {
  if (Bloco_A.Gravado) return;
  if (!Bloco_0.Gravado) WriteBloco_0();
  WriteBlocoParcial(Bloco_A, FechaBloco);
}

void TVornVUDIRozAzezav::WriteBloco_C(bool FechaBloco) {
  if (Bloco_C.Gravado) return;
  if (!Bloco_A.Gravado) WriteBloco_A(true);
  WriteBlocoParcial(Bloco_C, FechaBloco);
}

void TVornVUDIRozAzezav::WriteBloco_D() {
  if (Bloco_D.Gravado) return;
  if (!Bloco_C.Gravado) WriteBloco_C(true);
  WriteBlocoInteiro(Bloco_D);
}

void TVornVUDIRozAzezav::WriteBloco_F() {
  if (Bloco_F.Gravado) return;
  if (!Bloco_D.Gravado) WriteBloco_D();
  WriteBlocoInteiro(Bloco_F);
}

void TVornVUDIRozAzezav::WriteBloco_I() {
  // Block I exists in the layout only from 2014 on.
  if (dtIni_ < EncodeDate(2014, 1, 1)) return;
  if (Bloco_I.Gravado) return;
  if (!Bloco_F.Gravado) WriteBloco_F();
  WriteBlocoInteiro(Bloco_I);
}

void TVornVUDIRozAzezav::WriteBloco_M() {
  if (Bloco_M.Gravado) return;
  if (!Bloco_F.Gravado) WriteBloco_F();
  WriteBlocoInteiro(Bloco_M);
}

void TVornVUDIRozAzezav::WriteBloco_P() {
  if (!Bloco_M.Gravado) WriteBloco_M();
  if (Bloco_P.Gravado) return;
  // Block P with data needs the 0145 lines of block 0; without them it stays out of the file.
  if (Bloco_0.Registro0145Count > 0 || !Bloco_P.ComDados()) WriteBlocoInteiro(Bloco_P);
}

void TVornVUDIRozAzezav::WriteBloco_1() {
  if (Bloco_1.Gravado) return;
  if (!Bloco_P.Gravado) WriteBloco_P();
  WriteBlocoInteiro(Bloco_1);
}

void TVornVUDIRozAzezav::WriteBloco_9() {
  if (Bloco_9.Gravado) return;
  if (!Bloco_1.Gravado) WriteBloco_1();
  Bloco_9.AddEntry("9001", 1);
  Bloco_9.WriteRegistro9001();
  int entradas = Bloco_9.Registro9900().Count() + 1;
  Bloco_9.AddEntry("9900", entradas + 2);
  Bloco_9.AddEntry("9990", 1);
  Bloco_9.AddEntry("9999", 1);
  Bloco_9.WriteRegistro9900();
  Bloco_9.Registro9990().QTD_LIN_9 += Bloco_9.Registro9900().Count() + 2;
  Bloco_9.WriteRegistro9990();
  int total = Bloco_0.QtdLin() + Bloco_1.QtdLin() + Bloco_A.QtdLin() + Bloco_C.QtdLin() + Bloco_D.QtdLin() +
              Bloco_F.QtdLin() + Bloco_M.QtdLin() + Bloco_P.QtdLin() + Bloco_9.QtdLin();
  if (dtIni_ >= EncodeDate(2014, 1, 1)) total += Bloco_I.QtdLin();
  Bloco_9.Registro9999().QTD_LIN += total;
  Bloco_9.WriteRegistro9999();
  Bloco_9.Flush();
  saida_.Conclui();
  Bloco_9.Gravado = true;
}

void TVornVUDIRozAzezav::SaveFileTXT() {
  struct Finaliza {
    TVornVUDIRozAzezav& c;
    ~Finaliza() {
      c.saida_.Descarta();
      c.LimpaRegistros();
      c.txt_.Conteudo.clear();
      c.inicializado_ = false;
    }
  } finaliza{*this};
  IniciaGeracao();
  WriteBloco_0();
  if (Bloco_A.ComDados()) WriteBloco_A(true);
  if (Bloco_C.ComDados()) WriteBloco_C(true);
  if (Bloco_D.ComDados()) WriteBloco_D();
  if (Bloco_F.ComDados()) WriteBloco_F();
  if (Bloco_I.ComDados()) WriteBloco_I();
  if (Bloco_M.ComDados()) WriteBloco_M();
  if (Bloco_P.ComDados()) WriteBloco_P();
  if (Bloco_1.ComDados()) WriteBloco_1();
  WriteBloco_9();
}

void TVornVUDIRozAzezav::DescartaGeracao() {
  saida_.Descarta();
  LimpaRegistros();
  txt_.Conteudo.clear();
  inicializado_ = false;
}

void TVornVUDIRozAzezav::LimpaRegistros() {
  for (TVornSPED* b : std::initializer_list<TVornSPED*>{&Bloco_0, &Bloco_1, &Bloco_9, &Bloco_A, &Bloco_C, &Bloco_D,
                                                         &Bloco_F, &Bloco_I, &Bloco_M, &Bloco_P})
    b->LimpaRegistros();
  SetSemDados();
}
