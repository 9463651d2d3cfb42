#pragma once
// The coded fields of the layout: one enumeration per code list, each member written as its
// code by Code(); a member without a code (or one a register does not accept) is an empty field.
#include <cstdint>
#include <string>
#include <string_view>

// field `CST_PIS` of A170, C170, C175, C181, C191, C381, C396, C481, C491, C501, C601, C810, C820, C870, C880, D101 and the other PIS registers of blocks D, F, M and 1 (39 fields)
enum class TVornCstPis : uint8_t { stpisValorAliquotaNormal, stpisValorAliquotaDiferenciada, stpisQtdeAliquotaUnidade, stpisMonofaticaAliquotaZero, stpisValorAliquotaPorST, stpisAliquotaZero, stpisIsentaContribuicao, stpisSemIncidenciaContribuicao, stpisSuspensaoContribuicao, stpisOutrasOperacoesSaida, stpisOperCredExcRecTribMercInt, stpisOperCredExcRecNaoTribMercInt, stpisOperCredExcRecExportacao, stpisOperCredRecTribNaoTribMercInt, stpisOperCredRecTribMercIntEExportacao, stpisOperCredRecNaoTribMercIntEExportacao, stpisOperCredRecTribENaoTribMercIntEExportacao, stpisCredPresAquiExcRecTribMercInt, stpisCredPresAquiExcRecNaoTribMercInt, stpisCredPresAquiExcExcRecExportacao, stpisCredPresAquiRecTribNaoTribMercInt, stpisCredPresAquiRecTribMercIntEExportacao, stpisCredPresAquiRecNaoTribMercIntEExportacao, stpisCredPresAquiRecTribENaoTribMercIntEExportacao, stpisOutrasOperacoes_CredPresumido, stpisOperAquiSemDirCredito, stpisOperAquiComIsensao, stpisOperAquiComSuspensao, stpisOperAquiAliquotaZero, stpisOperAqui_SemIncidenciaContribuicao, stpisOperAquiPorST, stpisOutrasOperacoesEntrada, stpisOutrasOperacoes, stpisNenhum };
std::string_view Code(TVornCstPis value);

// field `CST_COFINS` of the COFINS counterparts of the registers above (39 fields)
enum class TVornCstCofins : uint8_t { stcofinsValorAliquotaNormal, stcofinsValorAliquotaDiferenciada, stcofinsQtdeAliquotaUnidade, stcofinsMonofaticaAliquotaZero, stcofinsValorAliquotaPorST, stcofinsAliquotaZero, stcofinsIsentaContribuicao, stcofinsSemIncidenciaContribuicao, stcofinsSuspensaoContribuicao, stcofinsOutrasOperacoesSaida, stcofinsOperCredExcRecTribMercInt, stcofinsOperCredExcRecNaoTribMercInt, stcofinsOperCredExcRecExportacao, stcofinsOperCredRecTribNaoTribMercInt, stcofinsOperCredRecTribMercIntEExportacao, stcofinsOperCredRecNaoTribMercIntEExportacao, stcofinsOperCredRecTribENaoTribMercIntEExportacao, stcofinsCredPresAquiExcRecTribMercInt, stcofinsCredPresAquiExcRecNaoTribMercInt, stcofinsCredPresAquiExcExcRecExportacao, stcofinsCredPresAquiRecTribNaoTribMercInt, stcofinsCredPresAquiRecTribMercIntEExportacao, stcofinsCredPresAquiRecNaoTribMercIntEExportacao, stcofinsCredPresAquiRecTribENaoTribMercIntEExportacao, stcofinsOutrasOperacoes_CredPresumido, stcofinsOperAquiSemDirCredito, stcofinsOperAquiComIsensao, stcofinsOperAquiComSuspensao, stcofinsOperAquiAliquotaZero, stcofinsOperAqui_SemIncidenciaContribuicao, stcofinsOperAquiPorST, stcofinsOutrasOperacoesEntrada, stcofinsOutrasOperacoes, stcofinsNenhum };
std::string_view Code(TVornCstCofins value);

// I100 `CST_PIS_COFINS`
enum class TVornCstPisCofins : uint8_t { stpiscofinsOperTribuComAliqBasica, stpiscofinsOperTribuAliqZero, stpiscofinsOperIsentaContribuicao, stpiscofinsOperSemIncidenciaContribuicao, stpiscofinsOperComSuspensaoContribuicao, stpiscofinsOutrasOperacoesSaida, stpiscofinsOutrasDespesas, stpiscofinsNenhum };
std::string_view Code(TVornCstPisCofins value);

// C170 `CST_IPI`
enum class TVornCstIpi : uint8_t { stipiEntradaRecuperacaoCredito, stipiEntradaTributradaZero, stipiEntradaIsenta, stipiEntradaNaoTributada, stipiEntradaImune, stipiEntradaComSuspensao, stipiOutrasEntradas, stipiSaidaTributada, stipiSaidaTributadaZero, stipiSaidaIsenta, stipiSaidaNaoTributada, stipiSaidaImune, stipiSaidaComSuspensao, stipiOutrasSaidas, stipiVazio };
std::string_view Code(TVornCstIpi value);

// C170 `CST_ICMS`
enum class TVornCstIcms : uint8_t { sticmsNenhum, sticmsTributadaIntegralmente, sticmsTributadaComCobracaPorST, sticmsComReducao, sticmsIsentaComCobracaPorST, sticmsIsenta, sticmsNaoTributada, sticmsSuspensao, sticmsDiferimento, sticmsCobradoAnteriormentePorST, sticmsComReducaoPorST, sticmsOutros, sticmsEstrangeiraImportacaoDiretaTributadaIntegralmente, sticmsEstrangeiraImportacaoDiretaTributadaComCobracaPorST, sticmsEstrangeiraImportacaoDiretaComReducao, sticmsEstrangeiraImportacaoDiretaIsentaComCobracaPorST, sticmsEstrangeiraImportacaoDiretaIsenta, sticmsEstrangeiraImportacaoDiretaNaoTributada, sticmsEstrangeiraImportacaoDiretaSuspensao, sticmsEstrangeiraImportacaoDiretaDiferimento, sticmsEstrangeiraImportacaoDiretaCobradoAnteriormentePorST, sticmsEstrangeiraImportacaoDiretaComReducaoPorST, sticmsEstrangeiraImportacaoDiretaOutros, sticmsEstrangeiraAdqMercIntTributadaIntegralmente, sticmsEstrangeiraAdqMercIntTributadaComCobracaPorST, sticmsEstrangeiraAdqMercIntComReducao, sticmsEstrangeiraAdqMercIntIsentaComCobracaPorST, sticmsEstrangeiraAdqMercIntIsenta, sticmsEstrangeiraAdqMercIntNaoTributada, sticmsEstrangeiraAdqMercIntSuspensao, sticmsEstrangeiraAdqMercIntDiferimento, sticmsEstrangeiraAdqMercIntCobradoAnteriormentePorST, sticmsEstrangeiraAdqMercIntComReducaoPorST, sticmsEstrangeiraAdqMercIntOutros, csticms300, csticms310, csticms320, csticms330, csticms340, csticms341, csticms350, csticms351, csticms360, csticms370, csticms390, csticms400, csticms410, csticms420, csticms430, csticms440, csticms441, csticms450, csticms451, csticms460, csticms470, csticms490, csticms500, csticms510, csticms520, csticms530, csticms540, csticms541, csticms550, csticms551, csticms560, csticms570, csticms590, csticms600, csticms610, csticms620, csticms630, csticms640, csticms641, csticms650, csticms651, csticms660, csticms670, csticms690, csticms700, csticms710, csticms720, csticms730, csticms740, csticms741, csticms750, csticms751, csticms760, csticms770, csticms790, csticms800, csticms810, csticms820, csticms830, csticms840, csticms841, csticms850, csticms851, csticms860, csticms870, csticms890, sticmsSimplesNacionalTributadaComPermissaoCredito, sticmsSimplesNacionalTributadaSemPermissaoCredito, sticmsSimplesNacionalIsencaoPorFaixaReceitaBruta, sticmsSimplesNacionalTributadaComPermissaoCreditoComST, sticmsSimplesNacionalTributadaSemPermissaoCreditoComST, sticmsSimplesNacionalIsencaoPorFaixaReceitaBrutaComST, sticmsSimplesNacionalImune, sticmsSimplesNacionalNaoTributada, sticmsSimplesNacionalCobradoAnteriormentePorST, sticmsSimplesNacionalOutros };
std::string_view Code(TVornCstIcms value);

// 0000 `COD_VER`
enum class TVornCodVer : uint8_t { vlVersao100, vlVersao101, vlVersao200, vlVersao201, vlVersao202, vlVersao310, vlVersao320 };
std::string_view Code(TVornCodVer value);

// 0000 `TIPO_ESCRIT`
enum class TVornTipoEscrit : uint8_t { tpEscrOriginal, tpEscrRetificadora };
std::string_view Code(TVornTipoEscrit value);

// 0000 `IND_SIT_ESP`
enum class TVornIndSitEsp : uint8_t { indSitAbertura, indSitCisao, indSitFusao, indSitIncorporacao, indSitEncerramento, indNenhum };
std::string_view Code(TVornIndSitEsp value);

// 0000 `IND_NAT_PJ`
enum class TVornIndNatPJ : uint8_t { indNatPJSocEmpresariaGeral, indNatPJSocCooperativa, indNatPJEntExclusivaFolhaSal, indNatPJSocEmpresariaGeralSCP, indNatPJSocCooperativaSCP, indNatPJSocContaParticante, indNatPJNenhum };
std::string_view Code(TVornIndNatPJ value);

// 0000 `IND_ATIV`
enum class TVornIndAtiv : uint8_t { indAtivIndustrial, indAtivPrestadorServico, indAtivComercio, indAtivoFincanceira, indAtivoImobiliaria, indAtivoOutros };
std::string_view Code(TVornIndAtiv value);

// 0110 `COD_INC_TRIB`
enum class TVornCodIncTrib : uint8_t { codEscrOpIncNaoCumulativo, codEscrOpIncCumulativo, codEscrOpIncAmbos };
std::string_view Code(TVornCodIncTrib value);

// 0110 `IND_APRO_CRED`
enum class TVornIndAproCred : uint8_t { indMetodoApropriacaoDireta, indMetodoDeRateioProporcional };
std::string_view Code(TVornIndAproCred value);

// 0110 `COD_TIPO_CONT`
enum class TVornCodTipoCont : uint8_t { codIndTipoConExclAliqBasica, codIndTipoAliqEspecificas };
std::string_view Code(TVornCodTipoCont value);

// 0110 `IND_REG_CUM`
enum class TVornIndRegCum : uint8_t { codRegimeCaixa, codRegimeCompetEscritConsolidada, codRegimeCompetEscritDetalhada };
std::string_view Code(TVornIndRegCum value);

// 0200 `TIPO_ITEM`
enum class TVornTipoItem : uint8_t { tiMercadoriaRevenda, tiMateriaPrima, tiEmbalagem, tiProdutoProcesso, tiProdutoAcabado, tiSubproduto, tiProdutoIntermediario, tiMaterialConsumo, tiAtivoImobilizado, tiServicos, tiOutrosInsumos, tiOutras };
std::string_view Code(TVornTipoItem value);

// 0208 `COD_TAB`
enum class TVornIndCodIncidencia : uint8_t { codIndiTabNaoTem, codIndTabI, codIndTabII, codIndTabIII, codIndTabIV, codIndTabV, codIndTabVI, codIndTabVII, codIndTabVIII, codIndTabIX, codIndTabX, codIndTabXI, codIndiTabXII };
std::string_view Code(TVornIndCodIncidencia value);

// 0500 `COD_NAT_CC`
enum class TVornNaturezaConta : uint8_t { ncgAtivo, ncgPassivo, ncgLiquido, ncgResultado, ncgCompensacao, ncgOutras };
std::string_view Code(TVornNaturezaConta value);

// 0500 `IND_CTA`
enum class TVornIndCTA : uint8_t { indCTASintetica, indCTAnalitica };
std::string_view Code(TVornIndCTA value);

// `IND_MOV` of every opening register
enum class TVornIndMov : uint8_t { imComDados, imSemDados };
std::string_view Code(TVornIndMov value);

// C100 `IND_OPER`
enum class TVornIndTipoOper : uint8_t { tpEntradaAquisicao, tpSaidaPrestacao };
std::string_view Code(TVornIndTipoOper value);

// C100 `IND_EMIT`
enum class TVornEmitente : uint8_t { edEmissaoPropria, edTerceiros };
std::string_view Code(TVornEmitente value);

// A100, D100, D500 `IND_EMIT`
enum class TVornIndEmit : uint8_t { iedfProprio, iedfTerceiro };
std::string_view Code(TVornIndEmit value);

// A100, D500 `IND_OPER`
enum class TVornIndOper : uint8_t { itoContratado, itoPrestado };
std::string_view Code(TVornIndOper value);

// `COD_SIT` of A100, C100, C500, C800, D100, D200, D500
enum class TVornCodSit : uint8_t { sdfRegular, sdfExtRegular, sdfCancelado, sdfExtCancelado, sdfDenegado, sdfInutilizado, sdfComplementar, sdfExtComplementar, sdfEspecial };
std::string_view Code(TVornCodSit value);

// A100, C100 `IND_PGTO`
enum class TVornIndPgto : uint8_t { tpVista, tpPrazo, tpSemPagamento, tpNenhum };
std::string_view Code(TVornIndPgto value);

// C100, D100 `IND_FRT`
enum class TVornIndFrt : uint8_t { tfPorContaEmitente, tfPorContaDestinatario, tfPorContaTerceiros, tfProprioPorContaEmitente, tfProprioPorContaDestinatario, tfSemCobrancaFrete, tfNenhum };
std::string_view Code(TVornIndFrt value);

// C170 `IND_MOV`
enum class TVornIndMovFisica : uint8_t { mfSim, mfNao };
std::string_view Code(TVornIndMovFisica value);

// C170 `IND_APUR`
enum class TVornApuracaoIPI : uint8_t { iaMensal, iaDecendial, iaVazio };
std::string_view Code(TVornApuracaoIPI value);

// C010 `IND_ESCRI`
enum class TVornIndEscrituracao : uint8_t { IndEscriConsolidado, IndEscriIndividualizado };
std::string_view Code(TVornIndEscrituracao value);

// C120, C199 `COD_DOC_IMP`
enum class TVornDoctoImporta : uint8_t { diImportacao, diSimplificadaImport, diUnicaImportacao };
std::string_view Code(TVornDoctoImporta value);

// A120 `LOC_EXE_SERV`
enum class TVornLocalExecServico : uint8_t { lesExecutPais, lesExecutExterior };
std::string_view Code(TVornLocalExecServico value);

// A170, F100 `IND_ORIG_CRED`
enum class TVornIndOrigCred : uint8_t { opcMercadoInterno, opcImportacao, opcVazio };
std::string_view Code(TVornIndOrigCred value);

// `NAT_BC_CRED` of A170, C396, C501, C505, D101, D105, D501, D505, F100, F120, F130, F150, M105, M505
enum class TVornNatBcCred : uint8_t { bccVazio, bccAqBensRevenda, bccAqBensUtiComoInsumo, bccAqServUtiComoInsumo, bccEnergiaEletricaTermica, bccAluguelPredios, bccAluguelMaqEquipamentos, bccArmazenagemMercadoria, bccConArrendamentoMercantil, bccMaqCredDepreciacao, bccMaqCredAquisicao, bccAmortizacaoDepreciacaoImoveis, bccDevolucaoSujeita, bccOutrasOpeComDirCredito, bccAtTransporteSubcontratacao, bccAtImobCustoIncorrido, bccAtImobCustoOrcado, bccAtPresServ, bccEstoqueAberturaBens };
std::string_view Code(TVornNatBcCred value);

// D101, D105 `IND_NAT_FRT`
enum class TVornNaturezaFrtContratado : uint8_t { nfcVendaOnusEstVendedor, nfcVendaOnusAdquirente, nfcCompraGeraCred, nfcCompraNaoGeraCred, nfcTransfAcabadosPJ, nfcTransfNaoAcabadosPJ, nfcOutras };
std::string_view Code(TVornNaturezaFrtContratado value);

// D600 `IND_REC`
enum class TVornIndRec : uint8_t { irPropServPrestados, irPropCobDebitos, irPropServPrePagAnterior, irPropServPrePagAtual, irPropServOutrosComunicacao, irCFaturamento, irServAFaturar, irNaoAcumulativa, irTerceiros, irOutras };
std::string_view Code(TVornIndRec value);

// F100 `IND_OPER`
enum class TVornIndTpOperacaoReceita : uint8_t { indRepCustosDespesasEncargos, indRepReceitaAuferida, indRepReceitaNaoAuferida };
std::string_view Code(TVornIndTpOperacaoReceita value);

// F525 `IND_REC`
enum class TVornInd_Rec : uint8_t { crCliente, crAdministradora, crTituloDeCredito, crDocumentoFiscal, crItemVendido, crOutros };
std::string_view Code(TVornInd_Rec value);

// F600 `IND_NAT_RET`
enum class TVornIndNatRetFonte : uint8_t { indRetOrgAutarquiasFundFederais, indRetEntAdmPublicaFederal, indRetPesJuridicasDireitoPri, indRecolhimentoSociedadeCoop, indRetFabricanteMaqVeiculos, indOutrasRetencoes };
std::string_view Code(TVornIndNatRetFonte value);

// F700 `IND_ORI_DED`
enum class TVornIndOrigemDiversas : uint8_t { indCredPreMed, indCredAdmRegCumulativoBeb, indContribSTZFM, indSTNaoOCFatoGeradorPres, indOutrasDeducoes };
std::string_view Code(TVornIndOrigemDiversas value);

// F600 IND_NAT_REC: ordinals 0, 1 and 9 only.
enum class TVornIndNatRec : uint8_t { inrNaoCumulativo = 0, inrCumulativo = 1, inrVazio = 9 };
std::string_view Code(TVornIndNatRec value);

// F700 `IND_NAT_DED`
enum class TVornIndNatDeducao : uint8_t { indNaoAcumulativa, indAcumulativa };
std::string_view Code(TVornIndNatDeducao value);

// F800 `COD_CRED`
enum class TVornCodCred : uint8_t { ccRTMIAliqBasica, ccRTMIAliqDiferenciada, ccRTMIAliqUnidProduto, ccRTMIEstAbertura, ccRTMIAquiEmbalagem, ccRTMIPreAgroindustria, ccRTMIImportacao, ccRTMIAtivImobiliaria, ccRTMIOutros, ccRNTMIAliqBasica, ccRNTMIAliqDiferenciada, ccRNTMIAliqUnidProduto, ccRNTMIEstAbertura, ccRNTMIAquiEmbalagem, ccRNTMIPreAgroindustria, ccRNTMIImportacao, ccRNTMIOutros, ccREAliqBasica, ccREAliqDiferenciada, ccREAliqUnidProduto, ccREEstAbertura, ccREAquiEmbalagem, ccREPreAgroindustria, ccREPreAgroindustriaPCR, ccREImportacao, ccREOutros };
std::string_view Code(TVornCodCred value);

// `IND_PROC` of the process registers (A111, C111, C188, C198, C489, C499, C509, C609, C830, C890, D111, D209, D309, D359, D509, 1809 and the other process registers, 28 fields)
enum class TVornOrigemProcesso : uint8_t { opJusticaFederal, opSecexRFB, opOutros, opNenhum };
std::string_view Code(TVornOrigemProcesso value);

// 1900 `COD_SIT`
enum class TVornCodSitF : uint8_t { csffRegular, csfCancelado, csfOutros };
std::string_view Code(TVornCodSitF value);

// 1050 `IND_APROP`
enum class TVornIndicadorApropAjuste : uint8_t { iaaRefPisCofins, iaaUnicaPISPasep, iaaRefUnicaCofins };
std::string_view Code(TVornIndicadorApropAjuste value);

// M210, M300, M610, M700 `COD_CONT`
enum class TVornCodCont : uint8_t { ccNaoAcumAliqBasica, ccNaoAcumAliqDiferenciada, ccNaoAcumAliqUnidProduto, ccNaoAcumAliqBasicaAtivImobiliaria, ccApuradaPorST, ccApuradaPorSTManaus, ccAcumAliqBasica, ccAcumAliqDiferenciada, ccAcumAliqUnidProduto, ccAcumAliqBasicaAtivImobiliaria, ccApuradaAtivImobiliaria, ccApuradaSCPNaoCumulativa, ccApuradaSCPCumulativa, ccPISPasepSalarios };
std::string_view Code(TVornCodCont value);

// M300, M700 `NAT_CRED_DESC`
enum class TVornNatCredDesc : uint8_t { ncdAliqBasica, ncdAliqDiferenciada, ncdAliqUnidProduto, ncdPresAgroindustria };
std::string_view Code(TVornNatCredDesc value);

// M110, M220, M510, M620 `COD_AJ`
enum class TVornCodAj : uint8_t { codAjAcaoJudicial, codAjProAdministrativo, codAjLegTributaria, codAjEspRTI, codAjOutrasSituacaoes, codAjEstorno, codAjCPRBAdocaoRegCaixa, codAjCPRBDiferValRecPer, codAjCPRBAdicValDifPerAnt };
std::string_view Code(TVornCodAj value);

// M110, M220, M510, M620 `IND_AJ`; M215, M615 `IND_AJ_BC`
enum class TVornIndAJ : uint8_t { indAjReducao, indAjAcressimo };
std::string_view Code(TVornIndAJ value);

// M100, M500 `IND_CRED_ORI`
enum class TVornIndCredOri : uint8_t { icoOperProprias, icoEvenFusaoCisao };
std::string_view Code(TVornIndCredOri value);

// M100, M500 `IND_DESC_CRED`
enum class TVornIndDescCred : uint8_t { idcTotal, idcParcial };
std::string_view Code(TVornIndDescCred value);

// M211, M611 `IND_TIP_COOP`
enum class TVornIndTipCoop : uint8_t { itcProdAgropecuaria, itcConsumo, itcCredito, itcEletRural, itcTransCargas, itcMedicos, itcOutras };
std::string_view Code(TVornIndTipCoop value);

// M215, M615 `COD_AJ_BC`; 1050 `IND_AJ_BC`
enum class TVornTabCodAjBaseCalcContrib : uint8_t { tcaVendasCanceladas, tcaDevolucoesVendas, tcaICMSaRecolher, tcaOutrVlrsDecJudicial, tcaOutrVlrsSemDecJudicial };
std::string_view Code(TVornTabCodAjBaseCalcContrib value);

// Conversions from the ERP texts. Comparisons are exact (case and blanks count).
TVornIndCTA IndCTADeTexto(const std::string& text);                 // throws on other than S/A
TVornNaturezaConta NaturezaContaDeTexto(const std::string& text);   // throws on an unknown code
TVornCstPis CstPisDeTexto(const std::string& text);                 // stpisNenhum when unknown
TVornCstCofins CstCofinsDeTexto(const std::string& text);           // stcofinsNenhum when unknown
// Empty gives bccVazio; a number gives the member of that ordinal (above 18: bccVazio);
// a text that is not a number gives bccAqBensRevenda.
TVornNatBcCred NatBcCredDeTexto(const std::string& text);

