// Writer benchmark: a block C tree of N documents with M items each (realistic texts and
// values), written through the file component into a temporary folder. Prints the held memory
// of the tree per item, the writing speed and the peak resident memory.
//   bloco_c_bench [documents=100000] [items per document=10] [runs=3]
// The machine is shared: each run fills and writes anew, and the best run is reported too.
#include <malloc.h>
#include <sys/resource.h>

#include <time.h>

#include <chrono>
#include <cstdio>
#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>

#include "VornVudiRozAzezav.h"

namespace {
// Processor time of this process (user + system): the speed on one core, whatever else the
// machine is running.
double TempoCpu() {
  timespec t{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) / 1e9;
}

size_t HeapEmUso() { return mallinfo2().uordblks; }

long PicoResidenteKb() {
  rusage u{};
  getrusage(RUSAGE_SELF, &u);
  return u.ru_maxrss;
}

const char* const kDescricoes[] = {
    "REFRIGERANTE COLA PET 2L",        "ARROZ TIPO 1 PCT 5KG",          "FEIJAO CARIOCA PCT 1KG",
    "OLEO DE SOJA REFINADO 900ML",     "CAFE TORRADO MOIDO 500G",        "LEITE UHT INTEGRAL 1L",
    "DETERGENTE LIQUIDO NEUTRO 500ML", "PAPEL HIGIENICO FOLHA DUPLA 12", "BISCOITO RECHEADO CHOCOLATE",
    "CERVEJA LATA 350ML",
};
const char* const kCfops[] = {"5102", "5405", "5102", "6102", "5405"};
const char* const kUnidades[] = {"UN", "PCT", "CX", "KG", "LT"};

struct Gerador {
  std::mt19937_64 rng{20240301};
  long Entre(long a, long b) { return std::uniform_int_distribution<long>(a, b)(rng); }
  std::string Digitos(int n) {
    std::string s(static_cast<size_t>(n), '0');
    for (char& ch : s) ch = static_cast<char>('0' + Entre(0, 9));
    return s;
  }
  Currency Valor(long centavosMin, long centavosMax) { return Currency::FromRaw(Entre(centavosMin, centavosMax) * 100); }
};

void PreencheDocumento(TRegistroC100& r, Gerador& g, int numero) {
  r.IND_OPER = TVornIndTipoOper::tpSaidaPrestacao;
  r.IND_EMIT = TVornEmitente::edEmissaoPropria;
  r.COD_PART = "C" + std::to_string(g.Entre(1, 99999));
  r.COD_MOD = "55";
  r.COD_SIT = TVornCodSit::sdfRegular;
  r.SER = "1";
  r.NUM_DOC = std::to_string(numero);
  r.CHV_NFE = "3524031122233300018155001" + g.Digitos(19);
  r.DT_DOC = r.DT_E_S = EncodeDate(2024, 3, static_cast<int>(g.Entre(1, 31)));
  r.IND_PGTO = TVornIndPgto::tpVista;
  r.IND_FRT = TVornIndFrt::tfSemCobrancaFrete;
}

void PreencheItem(TRegistroC170& i, Gerador& g, int numero, Currency& total) {
  const Currency vl = g.Valor(100, 250000);
  const double quant = static_cast<double>(g.Entre(1, 48));
  i.NUM_ITEM = std::to_string(numero);
  i.COD_ITEM = std::to_string(g.Entre(100000, 999999));
  i.DESCR_COMPL = kDescricoes[g.Entre(0, 9)];
  i.QTD = quant;
  i.UNID = kUnidades[g.Entre(0, 4)];
  i.VL_ITEM = vl;
  i.IND_MOV = TVornIndMovFisica::mfSim;
  i.CST_ICMS = TVornCstIcms::sticmsTributadaIntegralmente;
  i.CFOP = kCfops[g.Entre(0, 4)];
  i.VL_BC_ICMS = vl;
  i.ALIQ_ICMS = Currency(18);
  i.VL_ICMS = vl * Currency(0.18);
  i.IND_APUR = TVornApuracaoIPI::iaVazio;
  i.CST_IPI = TVornCstIpi::stipiVazio;
  const bool tributado = g.Entre(0, 3) != 0;
  i.CST_PIS = tributado ? TVornCstPis::stpisValorAliquotaNormal : TVornCstPis::stpisMonofaticaAliquotaZero;
  i.CST_COFINS = tributado ? TVornCstCofins::stcofinsValorAliquotaNormal : TVornCstCofins::stcofinsMonofaticaAliquotaZero;
  i.VL_BC_PIS = i.VL_BC_COFINS = tributado ? vl.ToDouble() : 0.0;
  i.ALIQ_PIS_PERC = tributado ? 1.65 : 0.0;
  i.ALIQ_COFINS_PERC = tributado ? 7.6 : 0.0;
  i.VL_PIS = tributado ? (vl * Currency(0.0165)).ToDouble() : 0.0;
  i.VL_COFINS = tributado ? (vl * Currency(0.076)).ToDouble() : 0.0;
  i.COD_CTA = "3.01.01.001";
  total += vl;
}
}  // namespace

namespace {
struct Resultado {
  double porDoc = 0, porItem = 0, porItemTotal = 0, segundos = 0, cpu = 0;
  long linhas = 0;
  uintmax_t bytes = 0;
};

Resultado Executa(int documentos, int itens) {
  Resultado res;
  const std::filesystem::path pasta =
      std::filesystem::temp_directory_path() / ("bloco_c_bench-" + std::to_string(::getpid()));
  std::filesystem::create_directories(pasta);

  TVornVUDIRozAzezav c;
  c.SetDT_INI(EncodeDate(2024, 3, 1));
  c.SetDT_FIN(EncodeDate(2024, 3, 31));
  c.SetArquivo((pasta / "efd.txt").string());
  TRegistro0000& h = c.Bloco_0.Registro0000New();
  h.COD_VER = TVornCodVer::vlVersao320;
  h.NOME = "SUPERMERCADO EXEMPLO LTDA";
  h.CNPJ = "11222333000181";
  h.UF = "SP";
  h.COD_MUN = 3550308;
  c.Bloco_0.Registro0001New().IND_MOV = TVornIndMov::imSemDados;

  TBloco_C& b = c.Bloco_C;
  b.RegistroC001New().IND_MOV = TVornIndMov::imComDados;
  TRegistroC010& estab = b.RegistroC010New();
  estab.CNPJ = "11222333000181";
  estab.IND_ESCRI = TVornIndEscrituracao::IndEscriIndividualizado;
  Gerador g;

  // Documents first and items afterwards, so that the two shares of the tree are measured apart.
  malloc_trim(0);
  const size_t heap0 = HeapEmUso();
  for (int d = 0; d < documentos; ++d) PreencheDocumento(b.RegistroC100New(), g, d + 1);
  const size_t heap1 = HeapEmUso();
  for (int d = 0; d < documentos; ++d) {
    TRegistroC100& doc = estab.RegistroC100[d];
    Currency total;
    for (int i = 0; i < itens; ++i) PreencheItem(doc.RegistroC170.New(), g, i + 1, total);
    doc.VL_DOC = doc.VL_MERC = doc.VL_BC_ICMS = total;
    doc.VL_ICMS = total * Currency(0.18);
    doc.VL_PIS = total * Currency(0.0165);
    doc.VL_COFINS = total * Currency(0.076);
  }
  const size_t heap2 = HeapEmUso();
  const double itensTotal = static_cast<double>(documentos) * itens;
  res.porDoc = static_cast<double>(heap1 - heap0) / documentos;
  res.porItem = static_cast<double>(heap2 - heap1) / itensTotal;
  res.porItemTotal = static_cast<double>(heap2 - heap0) / itensTotal;

  const auto t0 = std::chrono::steady_clock::now();
  const double cpu0 = TempoCpu();
  c.SaveFileTXT();
  res.cpu = TempoCpu() - cpu0;
  res.segundos = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();

  res.bytes = std::filesystem::file_size(pasta / "efd.txt");
  std::FILE* f = std::fopen((pasta / "efd.txt").c_str(), "rb");
  static char buf[1 << 16];
  size_t n;
  while ((n = std::fread(buf, 1, sizeof buf, f)) > 0)
    for (size_t k = 0; k < n; ++k) res.linhas += buf[k] == '\n';
  std::fclose(f);
  std::filesystem::remove_all(pasta);
  return res;
}
}  // namespace

int main(int argc, char** argv) {
  const int documentos = argc > 1 ? std::atoi(argv[1]) : 100000;
  const int itens = argc > 2 ? std::atoi(argv[2]) : 10;
  const int execucoes = argc > 3 ? std::max(1, std::atoi(argv[3])) : 3;

  Resultado primeiro, melhor;
  for (int e = 0; e < execucoes; ++e) {
    Resultado r = Executa(documentos, itens);
    if (e == 0) primeiro = r;
    if (e == 0 || r.cpu < melhor.cpu) melhor = r;
    std::printf("run %d: %.3f s elapsed, %.3f s processor, %.0f lines per processor second\n", e + 1, r.segundos,
                r.cpu, static_cast<double>(r.linhas) / r.cpu);
  }
  const double l = static_cast<double>(melhor.linhas), mb = static_cast<double>(melhor.bytes) / 1e6;
  std::printf("documents (C100)            %d\n", documentos);
  std::printf("items (C170)                %ld\n", static_cast<long>(documentos) * itens);
  std::printf("held per C100               %.0f bytes\n", primeiro.porDoc);
  std::printf("held per C170               %.0f bytes (items only)\n", primeiro.porItem);
  std::printf("held per C170, C100 share   %.0f bytes (whole tree / items)\n", primeiro.porItemTotal);
  std::printf("file                        %ld lines, %.1f MB\n", melhor.linhas, mb);
  std::printf("best run                    %.3f s elapsed, %.3f s processor\n", melhor.segundos, melhor.cpu);
  std::printf("lines per second            %.0f elapsed, %.0f per processor second\n", l / melhor.segundos, l / melhor.cpu);
  std::printf("megabytes per second        %.1f elapsed, %.1f per processor second\n", mb / melhor.segundos, mb / melhor.cpu);
  std::printf("peak resident memory        %.1f MB\n", static_cast<double>(PicoResidenteKb()) / 1024.0);
  return 0;
}
