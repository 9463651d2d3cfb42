// Block C writer: consumer-sale notes, ECF, utility bills and CF-e SAT families (C380 to C890).
#include "VornEPCBloco_C_Class.h"

// ---- C380: consolidated consumer-sale notes ----

void TBloco_C::WriteRegistroC380(TRegistroC010& c010) {
  for (auto& r : c010.RegistroC380) {
    Line("C380")
        .Text(r.COD_MOD, 2)
        .Date(r.DT_DOC_INI)
        .Date(r.DT_DOC_FIN)
        .Int(r.NUM_DOC_INI, 6, true)
        .Int(r.NUM_DOC_FIN, 6, true)
        .Value(r.VL_DOC)
        .Value(r.VL_DOC_CANC)
        .Add();
    WriteRegistroC381(r);
    WriteRegistroC385(r);
  }
  RegistroC380Count += c010.RegistroC380.Count();
  c010.RegistroC380.Clear();
}

void TBloco_C::WriteRegistroC381(TRegistroC380& c380) {
  for (const auto& r : c380.RegistroC381)
    Line("C381")
        .Code(r.CST_PIS)
        .Text(r.COD_ITEM)
        .Value(r.VL_ITEM)
        .VExt(r.VL_BC_PIS)
        .VDec(r.ALIQ_PIS, 4)
        .VExt(r.QUANT_BC_PIS, 3)
        .VDec(r.ALIQ_PIS_QUANT, 4)
        .VExt(r.VL_PIS)
        .Text(r.COD_CTA)
        .Add();
  RegistroC381Count += c380.RegistroC381.Count();
}

void TBloco_C::WriteRegistroC385(TRegistroC380& c380) {
  for (const auto& r : c380.RegistroC385)
    Line("C385")
        .Code(r.CST_COFINS)
        .Text(r.COD_ITEM)
        .Value(r.VL_ITEM)
        .VExt(r.VL_BC_COFINS)
        .VDec(r.ALIQ_COFINS, 4)
        .VExt(r.QUANT_BC_COFINS, 3)
        .VDec(r.ALIQ_COFINS_QUANT, 4)
        .VExt(r.VL_COFINS)
        .Text(r.COD_CTA)
        .Add();
  RegistroC385Count += c380.RegistroC385.Count();
}

// ---- C395: purchases by consumer-sale notes or coupons ----

void TBloco_C::WriteRegistroC395(TRegistroC010& c010) {
  for (auto& r : c010.RegistroC395) {
    Line("C395")
        .Text(r.COD_MOD)
        .Text(r.COD_PART)
        .Text(r.SER)
        .Text(r.SUB_SER)
        .Text(r.NUM_DOC)
        .Date(r.DT_DOC)
        .Value(r.VL_DOC)
        .Add();
    WriteRegistroC396(r);
  }
  RegistroC395Count += c010.RegistroC395.Count();
  c010.RegistroC395.Clear();
}

void TBloco_C::WriteRegistroC396(TRegistroC395& c395) {
  for (const auto& r : c395.RegistroC396)
    Line("C396")
        .Text(r.COD_ITEM)
        .Value(r.VL_ITEM)
        .Value(r.VL_DESC)
        .Code(r.NAT_BC_CRED)
        .Code(r.CST_PIS)
        .Value(r.VL_BC_PIS)
        .Dec(r.ALIQ_PIS, 4)
        .Value(r.VL_PIS)
        .Code(r.CST_COFINS)
        .Value(r.VL_BC_COFINS)
        .Dec(r.ALIQ_COFINS, 4)
        .Value(r.VL_COFINS)
        .Text(r.COD_CTA)
        .Add();
  RegistroC396Count += c395.RegistroC396.Count();
}

// ---- C400: ECF equipment, daily reductions and their revenue ----

void TBloco_C::WriteRegistroC400(TRegistroC010& c010) {
  for (auto& r : c010.RegistroC400) {
    Line("C400").Text(r.COD_MOD).Text(r.ECF_MOD).Text(r.ECF_FAB).Int(r.ECF_CX, 3).Add();
    WriteRegistroC405(r);
    WriteRegistroC489(r);
  }
  RegistroC400Count += c010.RegistroC400.Count();
  c010.RegistroC400.Clear();
}

void TBloco_C::WriteRegistroC405(TRegistroC400& c400) {
  for (auto& r : c400.RegistroC405) {
    Line("C405")
        .Date(r.DT_DOC)
        .Int(r.CRO, 3)
        .Int(r.CRZ, 6)
        .Int(r.NUM_COO_FIN, 6)
        .Value(r.GT_FIN)
        .Value(r.VL_BRT)
        .Add();
    WriteRegistroC481(r);
    WriteRegistroC485(r);
  }
  RegistroC405Count += c400.RegistroC405.Count();
}

void TBloco_C::WriteRegistroC481(TRegistroC405& c405) {
  bool nBase = false, nAliq = false, nQuant = false, nAliqQuant = false, nValor = false;
  for (auto& r : c405.RegistroC481) {
    if (OnBeforeWriteRegistroC481) {
      OnBeforeWriteRegistroC481(r, nBase, nAliq, nQuant, nAliqQuant, nValor);
      Line("C481")
          .Code(r.CST_PIS)
          .Value(r.VL_ITEM)
          .Dec(NumeroDe(r.VL_BC_PIS), 2, nBase)
          .Dec(NumeroDe(r.ALIQ_PIS), 4, nAliq)
          .Dec(NumeroDe(r.QUANT_BC_PIS), 3, nQuant)
          .Dec(NumeroDe(r.ALIQ_PIS_QUANT), 4, nAliqQuant)
          .Ext(NumeroDe(r.VL_PIS), 0, 2, nValor)
          .Text(r.COD_ITEM)
          .Text(r.COD_CTA)
          .Add();
    } else {
      Line("C481")
          .Code(r.CST_PIS)
          .Value(r.VL_ITEM)
          .VDec(r.VL_BC_PIS, 2)
          .VDec(r.ALIQ_PIS, 4)
          .VDec(r.QUANT_BC_PIS, 3)
          .VDec(r.ALIQ_PIS_QUANT, 4)
          .VDec(r.VL_PIS, 2)
          .Text(r.COD_ITEM)
          .Text(r.COD_CTA)
          .Add();
    }
  }
  RegistroC481Count += c405.RegistroC481.Count();
}

void TBloco_C::WriteRegistroC485(TRegistroC405& c405) {
  bool nBase = false, nAliq = false, nQuant = false, nAliqQuant = false, nValor = false;
  for (auto& r : c405.RegistroC485) {
    if (OnBeforeWriteRegistroC485) {
      OnBeforeWriteRegistroC485(r, nBase, nAliq, nQuant, nAliqQuant, nValor);
      Line("C485")
          .Code(r.CST_COFINS)
          .Value(r.VL_ITEM)
          .Dec(NumeroDe(r.VL_BC_COFINS), 2, nBase)
          .Dec(NumeroDe(r.ALIQ_COFINS), 4, nAliq)
          .Dec(NumeroDe(r.QUANT_BC_COFINS), 3, nQuant)
          .Dec(NumeroDe(r.ALIQ_COFINS_QUANT), 4, nAliqQuant)
          .Ext(NumeroDe(r.VL_COFINS), 0, 2, nValor)
          .Text(r.COD_ITEM)
          .Text(r.COD_CTA)
          .Add();
    } else {
      Line("C485")
          .Code(r.CST_COFINS)
          .Value(r.VL_ITEM)
          .VDec(r.VL_BC_COFINS, 2)
          .VDec(r.ALIQ_COFINS, 4)
          .VDec(r.QUANT_BC_COFINS, 3)
          .VDec(r.ALIQ_COFINS_QUANT, 4)
          .VDec(r.VL_COFINS, 2)
          .Text(r.COD_ITEM)
          .Text(r.COD_CTA)
          .Add();
    }
  }
  RegistroC485Count += c405.RegistroC485.Count();
}

void TBloco_C::WriteRegistroC489(TRegistroC400& c400) {
  for (const auto& r : c400.RegistroC489) Line("C489").Text(r.NUM_PROC).Code(r.IND_PROC).Add();
  RegistroC489Count += c400.RegistroC489.Count();
}

// ---- C490: consolidated ECF sales of a period ----

void TBloco_C::WriteRegistroC490(TRegistroC010& c010) {
  for (auto& r : c010.RegistroC490) {
    Line("C490").Date(r.DT_DOC_INI).Date(r.DT_DOC_FIN).Text(r.COD_MOD).Add();
    WriteRegistroC491(r);
    WriteRegistroC495(r);
    WriteRegistroC499(r);
  }
  RegistroC490Count += c010.RegistroC490.Count();
  c010.RegistroC490.Clear();
}

void TBloco_C::WriteRegistroC491(TRegistroC490& c490) {
  bool nBase = false, nAliq = false, nQuant = false, nAliqQuant = false, nValor = false;
  for (auto& r : c490.RegistroC491) {
    if (OnBeforeWriteRegistroC491) {
      OnBeforeWriteRegistroC491(r, nBase, nAliq, nQuant, nAliqQuant, nValor);
      Line("C491")
          .Text(r.COD_ITEM)
          .Code(r.CST_PIS)
          .Int(r.CFOP, 4, true)
          .Value(r.VL_ITEM)
          .Dec(NumeroDe(r.VL_BC_PIS), 2, nBase)
          .Dec(NumeroDe(r.ALIQ_PIS), 4, nAliq)
          .Dec(NumeroDe(r.QUANT_BC_PIS), 3, nQuant)
          .Dec(NumeroDe(r.ALIQ_PIS_QUANT), 4, nAliqQuant)
          .Ext(NumeroDe(r.VL_PIS), 0, 2, nValor)
          .Text(r.COD_CTA)
          .Add();
    } else {
      Line("C491")
          .Text(r.COD_ITEM)
          .Code(r.CST_PIS)
          .Int(r.CFOP, 4, true)
          .Value(r.VL_ITEM)
          .VDec(r.VL_BC_PIS, 2)
          .VDec(r.ALIQ_PIS, 4)
          .VDec(r.QUANT_BC_PIS, 3)
          .VDec(r.ALIQ_PIS_QUANT, 4)
          .VDec(r.VL_PIS, 2)
          .Text(r.COD_CTA)
          .Add();
    }
  }
  RegistroC491Count += c490.RegistroC491.Count();
}

void TBloco_C::WriteRegistroC495(TRegistroC490& c490) {
  bool nBase = false, nAliq = false, nQuant = false, nAliqQuant = false, nValor = false;
  for (auto& r : c490.RegistroC495) {
    if (OnBeforeWriteRegistroC495) {
      OnBeforeWriteRegistroC495(r, nBase, nAliq, nQuant, nAliqQuant, nValor);
      Line("C495")
          .Text(r.COD_ITEM)
          .Code(r.CST_COFINS)
          .Int(r.CFOP, 4, true)
          .Value(r.VL_ITEM)
          .Dec(NumeroDe(r.VL_BC_COFINS), 2, nBase)
          .Dec(NumeroDe(r.ALIQ_COFINS), 4, nAliq)
          .Dec(NumeroDe(r.QUANT_BC_COFINS), 3, nQuant)
          .Dec(NumeroDe(r.ALIQ_COFINS_QUANT), 4, nAliqQuant)
          .Ext(NumeroDe(r.VL_COFINS), 0, 2, nValor)
          .Text(r.COD_CTA)
          .Add();
    } else {
      Line("C495")
          .Text(r.COD_ITEM)
          .Code(r.CST_COFINS)
          .Int(r.CFOP, 4, true)
          .Value(r.VL_ITEM)
          .VDec(r.VL_BC_COFINS, 2)
          .VDec(r.ALIQ_COFINS, 4)
          .VDec(r.QUANT_BC_COFINS, 3)
          .VDec(r.ALIQ_COFINS_QUANT, 4)
          .VDec(r.VL_COFINS, 2)
          .Text(r.COD_CTA)
          .Add();
    }
  }
  RegistroC495Count += c490.RegistroC495.Count();
}

void TBloco_C::WriteRegistroC499(TRegistroC490& c490) {
  for (const auto& r : c490.RegistroC499) Line("C499").Text(r.NUM_PROC).Code(r.IND_PROC).Add();
  RegistroC499Count += c490.RegistroC499.Count();
}

// ---- C500: electricity, water, gas and communication purchases ----

void TBloco_C::WriteRegistroC500(TRegistroC010& c010) {
  // The electronic document key (field 15) exists from layout 3.20 on.
  const bool comChave = Versao() >= TVornCodVer::vlVersao320;
  for (auto& r : c010.RegistroC500) {
    TLinha linha = Line("C500");
    linha.Text(r.COD_PART)
        .Text(r.COD_MOD, 2)
        .Code(r.COD_SIT)
        .Text(r.SER)
        .Int(r.SUB, 3)
        .Int(r.NUM_DOC, 9)
        .Date(r.DT_DOC)
        .Date(r.DT_ENT)
        .Value(r.VL_DOC)
        .Value(r.VL_ICMS)
        .Text(r.COD_INF)
        .Value(r.VL_PIS)
        .Value(r.VL_COFINS);
    if (comChave) linha.Text(r.CHV_DOCe);
    linha.Add();
    WriteRegistroC501(r);
    WriteRegistroC505(r);
    WriteRegistroC509(r);
  }
  RegistroC500Count += c010.RegistroC500.Count();
  c010.RegistroC500.Clear();
}

void TBloco_C::WriteRegistroC501(TRegistroC500& c500) {
  for (const auto& r : c500.RegistroC501)
    Line("C501")
        .Code(r.CST_PIS)
        .Value(r.VL_ITEM)
        .Code(r.NAT_BC_CRED)
        .Value(r.VL_BC_PIS)
        .Dec(r.ALIQ_PIS, 4)
        .Value(r.VL_PIS)
        .Text(r.COD_CTA)
        .Add();
  RegistroC501Count += c500.RegistroC501.Count();
}

void TBloco_C::WriteRegistroC505(TRegistroC500& c500) {
  for (const auto& r : c500.RegistroC505)
    Line("C505")
        .Code(r.CST_COFINS)
        .Value(r.VL_ITEM)
        .Code(r.NAT_BC_CRED)
        .Value(r.VL_BC_COFINS)
        .Dec(r.ALIQ_COFINS, 4)
        .Value(r.VL_COFINS)
        .Text(r.COD_CTA)
        .Add();
  RegistroC505Count += c500.RegistroC505.Count();
}

void TBloco_C::WriteRegistroC509(TRegistroC500& c500) {
  for (const auto& r : c500.RegistroC509) Line("C509").Text(r.NUM_PROC).Code(r.IND_PROC).Add();
  RegistroC509Count += c500.RegistroC509.Count();
}

// ---- C600: consolidated sales of electricity, water and gas ----

void TBloco_C::WriteRegistroC600(TRegistroC010& c010) {
  for (auto& r : c010.RegistroC600) {
    Line("C600")
        .Text(r.COD_MOD, 2)
        .Int(r.COD_MUN, 7)
        .Text(r.SER, 4)
        .Int(r.SUB, 3)
        .Int(r.COD_CONS, 2)
        .Ext(r.QTD_CONS)
        .Ext(r.QTD_CANC)
        .Date(r.DT_DOC)
        .Value(r.VL_DOC)
        .Value(r.VL_DESC)
        .Ext(r.CONS)
        .Value(r.VL_FORN)
        .Value(r.VL_SERV_NT)
        .Value(r.VL_TERC)
        .Value(r.VL_DA)
        .Value(r.VL_BC_ICMS)
        .Value(r.VL_ICMS)
        .Value(r.VL_BC_ICMS_ST)
        .Value(r.VL_ICMS_ST)
        .Value(r.VL_PIS)
        .Value(r.VL_COFINS)
        .Add();
    WriteRegistroC601(r);
    WriteRegistroC605(r);
    WriteRegistroC609(r);
  }
  RegistroC600Count += c010.RegistroC600.Count();
  c010.RegistroC600.Clear();
}

void TBloco_C::WriteRegistroC601(TRegistroC600& c600) {
  for (const auto& r : c600.RegistroC601)
    Line("C601").Code(r.CST_PIS).Value(r.VL_ITEM).Value(r.VL_BC_PIS).Dec(r.ALIQ_PIS, 4).Value(r.VL_PIS).Text(r.COD_CTA).Add();
  RegistroC601Count += c600.RegistroC601.Count();
}

void TBloco_C::WriteRegistroC605(TRegistroC600& c600) {
  for (const auto& r : c600.RegistroC605)
    Line("C605")
        .Code(r.CST_COFINS)
        .Value(r.VL_ITEM)
        .Value(r.VL_BC_COFINS)
        .Dec(r.ALIQ_COFINS, 4)
        .Value(r.VL_COFINS)
        .Text(r.COD_CTA)
        .Add();
  RegistroC605Count += c600.RegistroC605.Count();
}

void TBloco_C::WriteRegistroC609(TRegistroC600& c600) {
  for (const auto& r : c600.RegistroC609) Line("C609").Text(r.NUM_PROC).Code(r.IND_PROC).Add();
  RegistroC609Count += c600.RegistroC609.Count();
}

// ---- C860: CF-e SAT equipment and issue day ----

void TBloco_C::WriteRegistroC860(TRegistroC010& c010) {
  for (auto& r : c010.RegistroC860) {
    Line("C860").Text(r.COD_MOD, 2).Int(r.NR_SAT, 9).Date(r.DT_DOC).Int(r.DOC_INI, 6).Int(r.DOC_FIM, 6).Add();
    WriteRegistroC870(r);
    WriteRegistroC880(r);
    WriteRegistroC890(r);
  }
  RegistroC860Count += c010.RegistroC860.Count();
  c010.RegistroC860.Clear();
}

void TBloco_C::WriteRegistroC870(TRegistroC860& c860) {
  for (const auto& r : c860.RegistroC870) {
    // A rate of zero means "not informed" only for tax charged by substitution.
    const bool pisPorST = r.CST_PIS == TVornCstPis::stpisValorAliquotaPorST;
    const bool cofinsPorST = r.CST_COFINS == TVornCstCofins::stcofinsValorAliquotaPorST;
    Line("C870")
        .Text(r.COD_ITEM)
        .Text(r.CFOP, 4)
        .Ext(NumeroDe(r.VL_ITEM))
        .Ext(NumeroDe(r.VL_DESC))
        .Code(r.CST_PIS)
        .Ext(NumeroDe(r.VL_BC_PIS))
        .Dec(NumeroDe(r.ALIQ_PIS), 4, pisPorST)
        .Ext(NumeroDe(r.VL_PIS))
        .Code(r.CST_COFINS)
        .Ext(NumeroDe(r.VL_BC_COFINS))
        .Dec(NumeroDe(r.ALIQ_COFINS), 4, cofinsPorST)
        .Ext(NumeroDe(r.VL_COFINS))
        .Text(r.COD_CTA)
        .Add();
  }
  RegistroC870Count += c860.RegistroC870.Count();
}

void TBloco_C::WriteRegistroC880(TRegistroC860& c860) {
  for (const auto& r : c860.RegistroC880)
    Line("C880")
        .Text(r.COD_ITEM)
        .Text(r.CFOP, 4)
        .Ext(NumeroDe(r.VL_ITEM))
        .Ext(NumeroDe(r.VL_DESC))
        .Code(r.CST_PIS)
        .Ext(NumeroDe(r.QUANT_BC_PIS), 0, 3)
        .Ext(NumeroDe(r.ALIQ_PIS_QUANT), 0, 4)
        .Ext(NumeroDe(r.VL_PIS))
        .Code(r.CST_COFINS)
        .Ext(NumeroDe(r.QUANT_BC_COFINS), 0, 3)
        .Ext(NumeroDe(r.ALIQ_COFINS_QUANT), 0, 4)
        .Ext(NumeroDe(r.VL_COFINS))
        .Text(r.COD_CTA)
        .Add();
  RegistroC880Count += c860.RegistroC880.Count();
}

void TBloco_C::WriteRegistroC890(TRegistroC860& c860) {
  for (const auto& r : c860.RegistroC890) Line("C890").Text(r.NUM_PROC).Code(r.IND_PROC).Add();
  RegistroC890Count += c860.RegistroC890.Count();
}
