#include <cmath>

#include "app/codes.h"
#include "app/outputs.h"
#include "app/textutil.h"
#include "pdf/epc_ewni.h"
#include "pdf/epc_layout.h"
#include "project/project.h"

WrittenDocument PROJECT::PDF_EPC_Report_EW(const char* inputFile) {
    const std::string output = OutputName(inputFile, ending::kCertificate);
    const int g = generalObject;
    const EPC& record = epcs.front();
    const int e = record.objectIndex;
    boc.ModKey(g, "PATH-FILE-EPCPDF", output);

    EPCEWNI w;
    w.northernIreland = IsJurisdiction(boc.Vcodid(e, "TYPE"), Jurisdiction::NorthernIreland);
    w.fSetCert_Background(record.certBackground);

    w.fSetRatings(record.ratings);

    // The input's texts as UTF-8: the writer settles the fonts they need.
    const auto plain = [this, g](const char* keyword) {
        return OutputText(g, keyword, StripQuotes(boc.Vtext(g, keyword)), OutputEncoding::kUtf8);
    };
    const auto named = [this, g](const char* keyword) {
        return OutputText(g, keyword, ResetQuotes(boc.Vtext(g, keyword)), OutputEncoding::kUtf8);
    };

    w.fSetRRN_EPC(StripQuotes(boc.Vtext(g, "RRN-EPC")));
    w.fSetRRN_REC(StripQuotes(boc.Vtext(g, "RRN-REC")));
    w.fSetB_ADDRESS_0(named("B-ADDRESS-0"));
    w.fSetB_ADDRESS_1(named("B-ADDRESS-1"));
    w.fSetB_ADDRESS_2(named("B-ADDRESS-2"));
    w.fSetB_ADDRESS_3(named("B-ADDRESS-3"));
    w.fSetB_ADDRESS_4(named("B-ADDRESS-4"));
    w.fSetB_ADDRESS_5(named("B-ADDRESS-5"));
    w.fSetBUILDING_AREA(
        OutputText(g, "BUILDING-AREA", boc.Vtext(g, "BUILDING-AREA"), OutputEncoding::kUtf8));

    w.fSetMAIN_FUEL_TYPE(boc.Vcod(e, "MAIN-FUEL-TYPE"));
    w.fSetBUILDING_ENVIRONMENT(boc.Vcod(e, "BUILDING-ENVIRONMENT"));
    w.fSetNOS_LEVEL(fNosLevelText(boc.Vcod(e, "NOS-LEVEL")));
    w.fSetBER(std::round(boc.Vnum(e, "BER") * 100) / 100);

    w.fSetTOOL(plain("INTERFACE") + " " + plain("INTERFACE-VERSION") +
               "   using calculation engine   " + plain("CENGINE") + " " +
               plain("CENGINE-VERSION") + " ");
    w.fSetUPRN(plain("UPRN"));
    w.fSetC_REG_NUMBER(plain("C-REG-NUMBER"));
    w.fSetC_ACCRED_SCHEME(plain("C-ACCRED-SCHEME"));
    w.fSetC_NAME(named("C-NAME"));
    w.fSetC_EMP_TRAD_NAME(named("C-EMP-TRAD-NAME"));
    w.fSetC_EMP_TRAD_ADDRESS(named("C-EMP-TRAD-ADDRESS"));
    w.fSetC_REL_PART_DISC(named("C-REL-PART-DISC"));

    w.fSetISSUE_DATE(issueDate);
    w.fSetVALID_DATE(validUntilDate);

    WrittenDocument certificate{output,
                                w.PDF_EPC_Report(keys.keys().at(kFingerprintKeyIndex), output)};
    certificate.saved = !certificate.fingerprint.empty();
    if (!certificate.written()) {
        // The message must not carry a certificate an earlier run left there.
        boc.ModKey(g, "PATH-FILE-EPCPDF", kNotSetText);
    }
    return certificate;
}
