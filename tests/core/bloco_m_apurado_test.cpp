// Block M built from what the run wrote: whole files whose block M agrees with itself and with
// their own detail records, read back from the file rather than from the run.
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <optional>
#include <tuple>

#include "Geracao.h"
#include "support/BlocoMLido.h"
#include "support/ErpDatabase.h"
#include "support/FileCounts.h"
#include "support/OpcoesMarco2024.h"
#include "support/TempDir.h"

using namespace blocom;

namespace {
struct BlocoMApurado : ::testing::Test {
  std::optional<ErpDatabase> erp;
  TempDir dir;
  void SetUp() override {
    REQUIRE_ERP_SERVER();
    erp.emplace();
  }
  void Sql(const std::string& s) {
    TDbConnection db(erp->CompanySettings());
    db.Connect();
    db.ExecSQL(s);
    db.Commit();
  }
  // The whole run of store 001 in March 2024; returns the file's path.
  std::string Gera(const std::function<void(TRunOptions&)>& ajusta = {}) {
    TDbConnection db(erp->CompanySettings());
    db.Connect();
    TGeracao g(db);
    TRunOptions o = Marco2024(LeLojas(db), dir.File("efd.txt"));
    if (ajusta) ajusta(o);
    g.Arquivo().SetArquivo(o.Arquivo);
    g.Todos(o);
    EXPECT_TRUE(FileCountsAgree(o.Arquivo));
    return o.Arquivo;
  }
};
}  // namespace

TEST_F(BlocoMApurado, FixtureMonthAgreesWithItsDetailRecords) {
  // Sales of stores 001 and 003, a customer return, base adjustments, credits above the
  // contribution.
  const ArquivoLido a(Gera());
  ASSERT_FALSE(a.basesDetalhe.empty());
  ConfereBlocoM(a);
  EXPECT_FALSE(a.Linhas("M215").empty());
}

TEST_F(BlocoMApurado, SecondStoreReturnAdjustmentsAndCouponsAgreeToo) {
  // An addition and a reduction of cents, the injunction (ICMS out of the sales bases) and the
  // fiscal coupons' C481/C485.
  Sql("insert into ajustesBCpiscofins (nr_loja, dt_ref, cd_apropriacao, cd_tipoajuste, vl_ajuste, cd_ajuste) values "
      "('001','2024-03-20',1,1,33.33,'41'),('001','2024-03-21',2,0,0.37,'02')");
  Sql("update empresa set sn_liminarbcpis = '1'");
  const ArquivoLido a(Gera([](TRunOptions& o) { o.IncluiCupomFiscal = true; }));
  ConfereBlocoM(a);
  EXPECT_EQ(a.Linhas("M215").size(), 2u);
  EXPECT_EQ(a.Linhas("M615").size(), 2u);
}
