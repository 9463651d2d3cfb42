// The run's sums of what blocks A, C, D and F wrote: each record by tax, CST and rate, and the
// one rounding of a contribution.
#include <gtest/gtest.h>

#include <map>
#include <tuple>

#include "Apuracao.h"
#include "VornEPCBloco_C.h"

TEST(Apuracao, ContributionIsTheExactProductRoundedOnce) {
  struct Caso {
    int64_t base;        // cents
    long double aliquota;
    int64_t esperado;    // cents
  };
  const Caso casos[] = {
      {375, 7.6L, 29},       // 0,285: half away from zero (a binary product gives 0,28499...)
      {125, 7.6L, 10},       // 0,095
      {100, 0.65L, 1},       // 0,0065
      {1850, 3.0L, 56},      // 0,555
      {30, 1.65L, 0},        // 0,00495: rounding to four decimals first would give 0,01
      {2030, 1.65L, 33},     // 0,33495: likewise 0,34
      {30000, 1.65L, 495},   // exact
      {99999, 1.65L, 1650},  // 16,499835
      {-375, 7.6L, -29},     // reductions beyond the base
      {0, 7.6L, 0},
  };
  for (const Caso& c : casos)
    EXPECT_EQ(TApuracao::Contribuicao(c.base, TApuracao::DezMilesimos(c.aliquota)), c.esperado)
        << c.base << " × " << static_cast<double>(c.aliquota);
  EXPECT_EQ(TApuracao::Centavos(0.005L), 1);
  EXPECT_EQ(TApuracao::Centavos(-0.005L), -1);
  EXPECT_EQ(TApuracao::Centavos(2.675L), 268);  // not 2.67 from its binary value
}

TEST(Apuracao, SumsEachRecordByTaxCstAndRate) {
  TApuracao a;
  TRegistroC170 c170;  // percent rate in ALIQ_*_PERC
  c170.COD_ITEM = "000101";
  c170.VL_ITEM = Currency(110.0);
  c170.CST_PIS = TVornCstPis::stpisValorAliquotaNormal;
  c170.VL_BC_PIS = Currency(100.0);
  c170.ALIQ_PIS_PERC = Currency(1.65);
  c170.VL_PIS = Currency(1.65);
  c170.CST_COFINS = TVornCstCofins::stcofinsValorAliquotaNormal;
  c170.VL_BC_COFINS = Currency(100.0);
  c170.ALIQ_COFINS_PERC = Currency(7.6);
  c170.VL_COFINS = Currency(7.6);
  c170.COD_CTA = "3.1.1.01";
  a.Soma(c170);
  a.Soma(c170);

  TRegistroC175 c175;  // no product of its own; a CST without contribution
  c175.VL_OPR = 30.004;
  c175.CST_PIS = CstPisDeTexto("04");
  c175.VL_BC_PIS = c175.ALIQ_PIS = c175.VL_PIS = Currency(0);
  c175.CST_COFINS = CstCofinsDeTexto("06");
  c175.VL_BC_COFINS = c175.ALIQ_COFINS = c175.VL_COFINS = Currency(0);
  c175.COD_CTA = "3.1.1.01";
  a.Soma(c175, "000103");

  TRegistroC481 c481;  // PIS only; substitution without a base is revenue without contribution
  c481.CST_PIS = CstPisDeTexto("05");
  c481.VL_ITEM = Currency(12.5);
  c481.COD_ITEM = "000107";
  a.Soma(c481);

  using K = TChaveBase;
  ASSERT_EQ(a.Bases().size(), 2u);
  const TSomaBase& pis = a.Bases().at(K{TTributo::Pis, "01", 16500});
  EXPECT_EQ(std::make_tuple(pis.base, pis.valor, pis.bruto), std::make_tuple(20000, 330, 22000));
  EXPECT_EQ(a.Bases().at(K{TTributo::Cofins, "01", 76000}).valor, 1520);
  using R = TChaveReceita;
  EXPECT_EQ(a.Receitas(), (std::map<R, int64_t>{{R{TTributo::Pis, "04", "000103", "3.1.1.01"}, 3000},
                                                {R{TTributo::Pis, "05", "000107", ""}, 1250},
                                                {R{TTributo::Cofins, "06", "000103", "3.1.1.01"}, 3000}}));
  a.Limpa();
  EXPECT_TRUE(a.Bases().empty());
  EXPECT_TRUE(a.Receitas().empty());
}

