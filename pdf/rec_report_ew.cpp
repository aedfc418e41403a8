#include <cmath>

#include "app/codes.h"
#include "app/outputs.h"
#include "app/textutil.h"
#include "pdf/epc_layout.h"
#include "pdf/rec_gather.h"
#include "pdf/rec_report.h"
#include "project/project.h"

namespace {

// CODE number of a recommendation that the assessor wrote in REC-TEXT.
constexpr int kOwnRecommendationCode = 1;

}  // namespace

void GatherRecGroups(PROJECT& p, RecReportContent& w) {
    struct Source {
        const std::deque<int>* sorted;
        const char* cap;
        void (RecReportContent::*add)(const std::string&, const std::string&);
        bool other;
    };
    const Source sources[] = {
        {&p.recShortSorted, "RecShortN", &RecReportContent::fAddShortRec, false},
        {&p.recMediumSorted, "RecMediumN", &RecReportContent::fAddMediumRec, false},
        {&p.recLongSorted, "RecLongN", &RecReportContent::fAddLongRec, false},
        {&p.recOtherSorted, "RecOtherN", &RecReportContent::fAddOtherRec, true},
    };
    for (const Source& s : sources) {
        const int cap = p.defaults.Vint(s.cap);
        int taken = 0;
        for (int o : *s.sorted) {
            if (taken++ >= cap) break;
            const int code = p.boc.Vcodid(o, "CODE");
            const std::string text =
                s.other && code == kOwnRecommendationCode
                    ? p.OutputText(o, "REC-TEXT", ResetQuotes(p.boc.Vtext(o, "REC-TEXT")),
                                   OutputEncoding::kWinAnsi)
                    : p.tables.TValue("sRec", code, 2);
            (w.*s.add)(text, p.boc.Vcod(o, "CO2-IMPACT"));
        }
    }
}

void GatherRecCommon(PROJECT& p, RecReportContent& w) {
    const int g = p.generalObject;
    const BOC& boc = p.boc;
    // The input's texts, in the standard fonts' encoding.
    const auto plain = [&p, g](const char* keyword) {
        return p.OutputText(g, keyword, StripQuotes(p.boc.Vtext(g, keyword)),
                            OutputEncoding::kWinAnsi);
    };
    const auto named = [&p, g](const char* keyword) {
        return p.OutputText(g, keyword, ResetQuotes(p.boc.Vtext(g, keyword)),
                            OutputEncoding::kWinAnsi);
    };
    w.fSetCert_Background(p.epcs.front().certBackground);
    w.fSetEPC(fRoundToInt(boc.Vnum(p.epcs.front().objectIndex, "EPC-RATING")));
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
        p.OutputText(g, "BUILDING-AREA", boc.Vtext(g, "BUILDING-AREA"), OutputEncoding::kWinAnsi));
    w.fSetBUILDING_ENVIRONMENT(boc.Vcod(p.epcs.front().objectIndex, "BUILDING-ENVIRONMENT"));
    w.fSetENG_HERITAGE(boc.Vcod(p.recProject.objectIndex, "ENG-HERITAGE"));
    w.fSetTOOL(plain("INTERFACE") + " " + plain("INTERFACE-VERSION") +
               " using calculation engine " + plain("CENGINE") + " " + plain("CENGINE-VERSION") +
               " ");
    w.fSetISSUE_DATE(p.issueDate);
    w.fSetVALID_DATE(p.validUntilDate);
    GatherRecGroups(p, w);
}

void PROJECT::PDF_REC_Report_EW(const char* inputFile) {
    const std::string output = OutputName(inputFile, ending::kRecommendations);
    const int g = generalObject;
    boc.ModKey(g, "PATH-FILE-RECPDF", output);

    RECEWNI w;
    w.northernIreland =
        IsJurisdiction(boc.Vcodid(epcs.front().objectIndex, "TYPE"), Jurisdiction::NorthernIreland);
    GatherRecCommon(*this, w);
    w.fSetRRN_EPC(
        OutputText(g, "RRN-EPC", StripQuotes(boc.Vtext(g, "RRN-EPC")), OutputEncoding::kWinAnsi));
    w.fSetC_ACCRED_SCHEME(OutputText(g, "C-ACCRED-SCHEME",
                                     StripQuotes(boc.Vtext(g, "C-ACCRED-SCHEME")),
                                     OutputEncoding::kWinAnsi));
    w.fSetB_TYPE(boc.Vcod(g, "B-TYPE"));

    recFingerprint = w.PDF_REC_Report(keys.keys().at(1), output);
    if (recFingerprint.empty()) {
        failedOutputs.push_back(output);
        // The message must not carry a report an earlier run left there.
        boc.ModKey(g, "PATH-FILE-RECPDF", kNotSetText);
    }
}
