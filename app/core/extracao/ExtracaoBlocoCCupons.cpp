// Block C fiscal coupon reductions (C400/C405/C481/C485), when chosen.
#include "ExtracaoBlocoC.h"
#include "ExtracaoBlocoCRegras.h"

using namespace blococ;

void TExtracaoBlocoC::Cupons() {
  if (!opcoes_.IncluiCupomFiscal) return;
  TBloco_C& bc = VornVUDIRozAzezav1.Bloco_C;
  const std::string ini = DataSQL(opcoes_.DataInicial), fin = DataSQL(opcoes_.DataFinal);
  qr5->Clear();
  Linhas(*qr5, {"select", "ze12.nr_loja,", "ze12.dt_mov,", "ze12.nr_fab,", "ze12.nr_ecf,", "ze01.tp_ecf,",
                "empresa.nm_emp", "from ze12", "left join ze01 on ze01.nr_fab = ze12.nr_fab",
                "left join empresa on empresa.cd_loja = ze12.nr_loja", "where"});
  qr5->Add("ze12.dt_mov >= \"" + ini + "\"");
  qr5->Add("and");
  qr5->Add("ze12.dt_mov <= \"" + fin + "\"");
  Linhas(*qr5, {"and", "empresa.sn_lojavenda = \"1\"", "group by ze12.nr_fab", "order by ze12.nr_ecf"});
  qr5->Open();

  const std::string contaC481 = ContaContabil("C481"), contaC485 = ContaContabil("C485");

  for (qr5->First(); !qr5->Eof(); qr5->Next()) {
    const std::string nrFab = Txt(*qr5, "nr_fab");
    SetCaption("Registro C400 " + Txt(*qr5, "nr_ecf") + " " + nrFab);
    Lendo("ECF", nrFab, Txt(*qr5, "nr_loja"));
    TRegistroC400& c400 = bc.RegistroC400New();
    c400.COD_MOD = "2D";
    c400.ECF_MOD = Txt(*qr5, "tp_ecf");
    c400.ECF_FAB = nrFab;
    c400.ECF_CX = static_cast<int>(Inteiro(*qr5, "nr_ecf"));

    qr2->Clear();
    qr2->Add("select * from ze12");
    qr2->Add("where");
    qr2->Add("dt_mov >= \"" + ini + "\"");
    qr2->Add("and");
    qr2->Add("dt_mov <= \"" + fin + "\"");
    qr2->Add("and");
    qr2->Add("nr_fab = \"" + db0.Escape(nrFab) + "\"");
    qr2->Add("order by dt_mov,nr_ecf");
    qr2->Open();
    for (qr2->First(); !qr2->Eof(); qr2->Next()) {
      const TDateTime dia = qr2->FieldByName("dt_mov").AsDate();
      const std::string diaSql = DataSQL(dia), diaTxt = Txt(*qr2, "dt_mov");
      SetCaption("Registro C405 " + Txt(*qr2, "nr_ecf") + " " + diaTxt);
      qr3->Clear();
      qr3->Add("select sum(vl_gt) as vlgt from ze02");
      qr3->Add("where");
      qr3->Add("nr_fab = \"" + db0.Escape(nrFab) + "\"");
      qr3->Add("and");
      qr3->Add("dt_mov = \"" + diaSql + "\"");
      qr3->Open();
      TRegistroC405& c405 = bc.RegistroC405New();
      c405.DT_DOC = dia;
      c405.CRO = static_cast<int>(Inteiro(*qr2, "nr_cro"));
      c405.CRZ = static_cast<int>(Inteiro(*qr2, "nr_crz"));
      c405.NUM_COO_FIN = static_cast<int>(Inteiro(*qr2, "nr_coo"));
      c405.GT_FIN = Currency(Num(*qr3, "vlgt"));
      c405.VL_BRT = Currency(Num(*qr2, "vl_vendabruta"));
      qr3->Close();

      for (int pis = 1; pis >= 0; --pis) {
        qr6->Clear();
        qr6->Add("select");
        qr6->Add("ze15.cd_prod,");
        if (pis) {
          qr6->Add("ze15.nr_coo,");
          qr6->Add("ze15.nr_ecf,");
        }
        Linhas(*qr6, {"ze15.vl_total as vltotal,", "(ze14.vl_liquido/ze14.vl_subtotal) as txdesc,", "produto.cd_pis,",
                      "produto.tx_pis,", "produto.cd_cofins,", "produto.tx_cofins,", "cfop.nr_cfop", "from ze15",
                      "left join ze14 on (ze14.nr_coo=ze15.nr_coo and ze14.nr_fab=ze15.nr_fab and ze14.dt_mov=ze15.dt_mov)",
                      "left join produto on produto.cd_prod = ze15.cd_prod",
                      "left join cfop on cfop.cd_cfop = produto.cd_cfop", "where"});
        qr6->Add("ze15.nr_fab = \"" + db0.Escape(nrFab) + "\"");
        qr6->Add("and");
        qr6->Add("ze15.dt_mov = \"" + diaSql + "\"");
        Linhas(*qr6, {"and", "ze15.cd_prod <> \"\"", "and", "ze14.sn_canc = \"N\"", "and", "ze15.sn_canc = \"N\"",
                      "order by ze15.cd_prod"});
        qr6->Open();
        std::string prod, codigo;
        double taxa = 0, valor = 0;
        bool aberto = false;
        auto fecha = [&]() {
          if (!aberto) return;
          const Variant zero(Currency(0));
          if (pis) {
            TRegistroC481& r = bc.RegistroC481New();
            const int64_t c = StrToInt(codigo);
            if ((c >= 1 && c <= 9) || c == 49 || c == 99) r.CST_PIS = Cst<TVornCstPis>(c, r.CST_PIS);
            r.VL_ITEM = Currency(valor);
            if (taxa > 0) {
              r.VL_BC_PIS = Currency(valor);
              r.ALIQ_PIS = Currency(taxa);
              r.VL_PIS = NumeroDe(r.VL_BC_PIS) * NumeroDe(r.ALIQ_PIS) / 100;
            } else {
              r.VL_BC_PIS = r.ALIQ_PIS = r.VL_PIS = zero;
            }
            r.COD_ITEM = prod;
            r.COD_CTA = contaC481;
            geracao_.Apuracao.Soma(r);
          } else {
            TRegistroC485& r = bc.RegistroC485New();
            const int64_t c = StrToInt(codigo);
            if ((c >= 1 && c <= 9) || c == 49 || c == 99) r.CST_COFINS = Cst<TVornCstCofins>(c, r.CST_COFINS);
            r.VL_ITEM = Currency(valor);
            if (taxa > 0) {
              r.VL_BC_COFINS = Currency(valor);
              r.ALIQ_COFINS = Currency(taxa);
              r.VL_COFINS = NumeroDe(r.VL_BC_COFINS) * NumeroDe(r.ALIQ_COFINS) / 100;
            } else {
              r.VL_BC_COFINS = r.ALIQ_COFINS = r.VL_COFINS = zero;
            }
            r.COD_ITEM = prod;
            r.COD_CTA = contaC485;
            geracao_.Apuracao.Soma(r);
          }
          aberto = false;
        };
        for (qr6->First(); !qr6->Eof(); qr6->Next()) {
          const std::string cd = Txt(*qr6, "cd_prod");
          SetCaption(std::string(pis ? "Registro C481 " : "Registro C485 ") + diaTxt + " " + cd);
          if (aberto && cd != prod) fecha();
          if (!aberto) {
            prod = cd;
            codigo = Txt(*qr6, pis ? "cd_pis" : "cd_cofins");
            taxa = Num(*qr6, pis ? "tx_pis" : "tx_cofins");
            valor = 0;
            aberto = true;
          }
          valor += Arredonda(2, Num(*qr6, "vltotal") * Num(*qr6, "txdesc"));
        }
        fecha();
        qr6->Close();
      }
    }
    qr2->Close();
  }
  qr5->Close();
}
