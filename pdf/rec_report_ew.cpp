#include <cmath>

#include "app/codes.h"
#include "app/outputs.h"
#include "app/textutil.h"
#include "pdf/epc_layout.h"
#include "pdf/rec_gather.h"
#include "pdf/rec_report.h"
#include "project/project.h"
#include "project/recommendations.h"

void GatherRecGroups(PROJECT& p, RecReportContent& w) {
    for (int g = 0; g < kRecGroups; ++g) {
        const auto group = static_cast<RecGroup>(g);
        for (const ShownRec& rec : ShownRecs(p, group))
            w.groups[group].push_back({RecPdfText(p, rec), p.boc.Vcod(rec.object, "CO2-IMPACT")});
    }
}

void GatherRecCommon(PROJECT& p, RecReportContent& w) {
    const int g = p.generalObject;
    const BOC& boc = p.boc;
    // The input's texts as UTF-8: the writer settles the fonts they need.
    const auto plain = [&p, g](const char* keyword) {
        return p.OutputText(g, keyword, StripQuotes(p.boc.Vtext(g, keyword)),
                            OutputEncoding::kUtf8);
    };
    const auto named = [&p, g](const char* keyword) {
        return p.OutputText(g, keyword, ResetQuotes(p.boc.Vtext(g, keyword)),
                            OutputEncoding::kUtf8);
    };
    w.fSetCert_Background(p.epcs.front().certBackground);
    w.fSetRRN_REC(plain("RRN-REC"));
    w.fSetUPRN(plain("UPRN"));
    w.fSetC_REG_NUMBER(plain("C-REG-NUMBER"));
    w.fSetB_ADDRESS_0(named("B-ADDRESS-0"));
    w.fSetB_ADDRESS_1(named("B-ADDRESS-1"));
    w.fSetB_ADDRESS_2(named("B-ADDRESS-2"));
    w.fSetB_ADDRESS_3(named("B-ADDRESS-3"));
    w.fSetB_ADDRESS_4(named("B-ADDRESS-4"));
    w.fSetB_ADDRESS_5(named("B-ADDRESS-5"));
    w.fSetC_NAME(named("C-NAME"));
    w.fSetC_EMP_TRAD_NAME(named("C-EMP-TRAD-NAME"));
    w.fSetC_EMP_TRAD_ADDRESS(named("C-EMP-TRAD-ADDRESS"));
    w.fSetC_REL_PART_DISC(named("C-REL-PART-DISC"));
    w.fSetBUILDING_AREA(
        p.OutputText(g, "BUILDING-AREA", boc.Vtext(g, "BUILDING-AREA"), OutputEncoding::kUtf8));
    w.fSetBUILDING_ENVIRONMENT(boc.Vcod(p.epcs.front().objectIndex, "BUILDING-ENVIRONMENT"));
    w.fSetENG_HERITAGE(boc.Vcod(p.recProject.objectIndex, "ENG-HERITAGE"));
    w.fSetTOOL(plain("INTERFACE") + " " + plain("INTERFACE-VERSION") +
               " using calculation engine " + plain("CENGINE") + " " + plain("CENGINE-VERSION") +
               " ");
    w.fSetISSUE_DATE(p.issueDate);
    w.fSetVALID_DATE(p.validUntilDate);
    GatherRecGroups(p, w);
}

WrittenDocument PROJECT::PDF_REC_Report_EW(const char* inputFile) {
    const std::string output = OutputName(inputFile, ending::kRecommendations);
    const int g = generalObject;
    boc.ModKey(g, "PATH-FILE-RECPDF", output);

    RECEWNI w;
    w.northernIreland =
        IsJurisdiction(boc.Vcodid(epcs.front().objectIndex, "TYPE"), Jurisdiction::NorthernIreland);
    GatherRecCommon(*this, w);
    w.fSetRRN_EPC(
        OutputText(g, "RRN-EPC", StripQuotes(boc.Vtext(g, "RRN-EPC")), OutputEncoding::kUtf8));
    w.fSetC_ACCRED_SCHEME(OutputText(
        g, "C-ACCRED-SCHEME", StripQuotes(boc.Vtext(g, "C-ACCRED-SCHEME")), OutputEncoding::kUtf8));
    w.fSetB_TYPE(boc.Vcod(g, "B-TYPE"));

    WrittenDocument report{output, w.PDF_REC_Report(keys.keys().at(kFingerprintKeyIndex), output)};
    report.saved = !report.fingerprint.empty();
    if (!report.written()) {
        // The message must not carry a report an earlier run left there.
        boc.ModKey(g, "PATH-FILE-RECPDF", kNotSetText);
    }
    return report;
}
