#include <cmath>

#include "app/outputs.h"
#include "app/textutil.h"
#include "pdf/epc_ewni.h"
#include "pdf/epc_layout.h"
#include "project/project.h"

namespace {

constexpr int kTypeNorthernIreland = 3;

}  // namespace

void PROJECT::PDF_EPC_Report_EW(const char* inputFile) {
    const std::string output = OutputName(inputFile, ending::kCertificate);
    const int g = generalObject;
    const EPC& record = epcs.front();
    const int e = record.objectIndex;
    boc.ModKey(g, "PATH-FILE-EPCPDF", output);

    EPCEWNI w;
    w.northernIreland = boc.Vcodid(e, "TYPE") == kTypeNorthernIreland;
    w.fSetCert_Background(record.certBackground);

    w.fSetEPC(fRoundToInt(boc.Vnum(e, "EPC-RATING")));
    w.fSetTER(fRoundToInt(boc.Vnum(e, "TER-RATING")));
    w.fSetTYR(fRoundToInt(boc.Vnum(e, "TYR-RATING")));
    w.fSetEPC_BAND(boc.Vtext(e, "EPC-BAND"));
    w.fSetTER_BAND(boc.Vtext(e, "TER-BAND"));
    w.fSetTYR_BAND(boc.Vtext(e, "TYR-BAND"));

    const BandLimitTexts limits = fBandLimitTexts(boc.Vlnum(e, "EPC-BAND-LIMITS"));
    w.fSetA_bot(limits[0]);
    w.fSetB_top(limits[1]);
    w.fSetB_bot(limits[2]);
    w.fSetC_top(limits[3]);
    w.fSetC_bot(limits[4]);
    w.fSetD_top(limits[5]);
    w.fSetD_bot(limits[6]);
    w.fSetE_top(limits[7]);
    w.fSetE_bot(limits[8]);
    w.fSetF_top(limits[9]);
    w.fSetF_bot(limits[10]);
    w.fSetG_top(limits[11]);

    w.fSetRRN_EPC(StripQuotes(boc.Vtext(g, "RRN-EPC")));
    w.fSetRRN_REC(StripQuotes(boc.Vtext(g, "RRN-REC")));
    w.fSetB_ADDRESS_0(ResetQuotes(boc.Vtext(g, "B-ADDRESS-0")));
    w.fSetB_ADDRESS_1(ResetQuotes(boc.Vtext(g, "B-ADDRESS-1")));
    w.fSetB_ADDRESS_2(ResetQuotes(boc.Vtext(g, "B-ADDRESS-2")));
    w.fSetB_ADDRESS_3(ResetQuotes(boc.Vtext(g, "B-ADDRESS-3")));
    w.fSetB_ADDRESS_4(ResetQuotes(boc.Vtext(g, "B-ADDRESS-4")));
    w.fSetB_ADDRESS_5(ResetQuotes(boc.Vtext(g, "B-ADDRESS-5")));
    w.fSetBUILDING_AREA(boc.Vtext(g, "BUILDING-AREA"));

    w.fSetMAIN_FUEL_TYPE(boc.Vcod(e, "MAIN-FUEL-TYPE"));
    w.fSetBUILDING_ENVIRONMENT(boc.Vcod(e, "BUILDING-ENVIRONMENT"));
    w.fSetNOS_LEVEL(fNosLevelText(boc.Vcod(e, "NOS-LEVEL")));
    w.fSetBER(std::round(boc.Vnum(e, "BER") * 100) / 100);

    w.fSetTOOL(StripQuotes(boc.Vtext(g, "INTERFACE")) + " " +
               StripQuotes(boc.Vtext(g, "INTERFACE-VERSION")) + "   using calculation engine   " +
               StripQuotes(boc.Vtext(g, "CENGINE")) + " " +
               StripQuotes(boc.Vtext(g, "CENGINE-VERSION")) + " ");
    w.fSetUPRN(StripQuotes(boc.Vtext(g, "UPRN")));
    w.fSetC_REG_NUMBER(StripQuotes(boc.Vtext(g, "C-REG-NUMBER")));
    w.fSetC_ACCRED_SCHEME(StripQuotes(boc.Vtext(g, "C-ACCRED-SCHEME")));
    w.fSetC_NAME(ResetQuotes(boc.Vtext(g, "C-NAME")));
    w.fSetC_EMP_TRAD_NAME(ResetQuotes(boc.Vtext(g, "C-EMP-TRAD-NAME")));
    w.fSetC_EMP_TRAD_ADDRESS(ResetQuotes(boc.Vtext(g, "C-EMP-TRAD-ADDRESS")));
    w.fSetC_REL_PART_DISC(ResetQuotes(boc.Vtext(g, "C-REL-PART-DISC")));

    w.fSetISSUE_DATE(issueDate);
    w.fSetVALID_DATE(validUntilDate);

    epcFingerprint = w.PDF_EPC_Report(keys.keys().at(1), output);
    if (epcFingerprint.empty()) failedOutputs.push_back(output);
}
