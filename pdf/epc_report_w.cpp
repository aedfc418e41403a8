#include <cmath>

#include "app/encoding.h"
#include "app/outputs.h"
#include "app/stop.h"
#include "app/textutil.h"
#include "pdf/epc_ewni.h"
#include "pdf/epc_layout.h"
#include "pdf/epc_texts.h"
#include "pdf/iso8859_14.h"
#include "project/project.h"

WrittenDocument PROJECT::PDF_EPC_Report_W(const char* inputFile) {
    const std::string output = OutputName(inputFile, ending::kWelshCertificate);
    const int g = generalObject;
    const EPC& record = epcs.front();
    const int e = record.objectIndex;
    // Every typed value of the Welsh certificate passes through here.
    const auto typed = [this](int object, const char* keyword, const std::string& text) {
        return OutputText(object, keyword, text, OutputEncoding::kIso8859_14);
    };

    EPCW w;
    w.fSetCert_Background(Iso885914FromText(record.certBackground));

    w.fSetRatings(record.ratings);

    w.fSetRRN_EPC(typed(g, "RRN-EPC", StripQuotes(boc.Vtext(g, "RRN-EPC"))));
    w.fSetRRN_REC(typed(g, "RRN-REC", StripQuotes(boc.Vtext(g, "RRN-REC"))));
    w.fSetB_ADDRESS_0(typed(g, "B-ADDRESS-0", ResetQuotes(boc.Vtext(g, "B-ADDRESS-0"))));
    w.fSetB_ADDRESS_1(typed(g, "B-ADDRESS-1", ResetQuotes(boc.Vtext(g, "B-ADDRESS-1"))));
    w.fSetB_ADDRESS_2(typed(g, "B-ADDRESS-2", ResetQuotes(boc.Vtext(g, "B-ADDRESS-2"))));
    w.fSetB_ADDRESS_3(typed(g, "B-ADDRESS-3", ResetQuotes(boc.Vtext(g, "B-ADDRESS-3"))));
    w.fSetB_ADDRESS_4(typed(g, "B-ADDRESS-4", ResetQuotes(boc.Vtext(g, "B-ADDRESS-4"))));
    w.fSetB_ADDRESS_5(typed(g, "B-ADDRESS-5", ResetQuotes(boc.Vtext(g, "B-ADDRESS-5"))));
    w.fSetBUILDING_AREA(typed(g, "BUILDING-AREA", boc.Vtext(g, "BUILDING-AREA")));

    w.fSetMAIN_FUEL_TYPE(WelshFuelName(boc.Vcodid(e, "MAIN-FUEL-TYPE")));
    w.fSetBUILDING_ENVIRONMENT(WelshEnvironmentName(boc.Vcodid(e, "BUILDING-ENVIRONMENT")));
    w.fSetNOS_LEVEL(Iso885914FromText(fNosLevelText(boc.Vcod(e, "NOS-LEVEL"))));
    w.fSetBER(std::round(boc.Vnum(e, "BER") * 100) / 100);

    w.fSetTOOL(typed(g, "INTERFACE",
                     StripQuotes(boc.Vtext(g, "INTERFACE")) + " " +
                         StripQuotes(boc.Vtext(g, "INTERFACE-VERSION")) +
                         " defnyddio peiriant cyfrifo " + StripQuotes(boc.Vtext(g, "CENGINE")) +
                         " " + StripQuotes(boc.Vtext(g, "CENGINE-VERSION")) + " "));
    w.fSetUPRN(typed(g, "UPRN", StripQuotes(boc.Vtext(g, "UPRN"))));
    w.fSetC_REG_NUMBER(typed(g, "C-REG-NUMBER", StripQuotes(boc.Vtext(g, "C-REG-NUMBER"))));
    w.fSetC_ACCRED_SCHEME(
        typed(g, "C-ACCRED-SCHEME", StripQuotes(boc.Vtext(g, "C-ACCRED-SCHEME"))));
    w.fSetC_NAME(typed(g, "C-NAME", ResetQuotes(boc.Vtext(g, "C-NAME"))));
    w.fSetC_EMP_TRAD_NAME(
        typed(g, "C-EMP-TRAD-NAME", ResetQuotes(boc.Vtext(g, "C-EMP-TRAD-NAME"))));
    w.fSetC_EMP_TRAD_ADDRESS(
        typed(g, "C-EMP-TRAD-ADDRESS", ResetQuotes(boc.Vtext(g, "C-EMP-TRAD-ADDRESS"))));
    w.fSetC_REL_PART_DISC(
        typed(g, "C-REL-PART-DISC", ResetQuotes(boc.Vtext(g, "C-REL-PART-DISC"))));

    w.fSetISSUE_DATE(WelshDate(issueDate));
    w.fSetVALID_DATE(WelshDate(validUntilDate));

    const PdfSaveResult saved = w.Save(keys.keys().at(kFingerprintKeyIndex), output);
    // The run goes on to the reports and ends failed once they are written.
    return WrittenDocument{output, saved.saved ? saved.fingerprint : Fingerprint(), saved.saved};
}
