#include <cmath>

#include "app/codes.h"
#include "app/encoding.h"
#include "app/outputs.h"
#include "app/runlog.h"
#include "app/textutil.h"
#include "pdf/epc_layout_s.h"
#include "pdf/epc_s.h"
#include "pdf/scottish_names.h"
#include "project/project.h"

namespace {

constexpr int kRecommendationBoxes = 6;
// The CODE of a recommendation written by the assessor, whose text is its own.
constexpr int kAssessorCode = 1;
// The input's texts as UTF-8: the writer settles the fonts they need.
constexpr OutputEncoding kPdf = OutputEncoding::kUtf8;

// Building services by the code number of BUILDING-ENVIRONMENT.
std::string VentText(int code, const std::string& codeText) {
    static const char* const kTexts[] = {
        "Heating with Nat. Vent.",    "Heating with Mech. Vent.",    "Air conditioning",
        "Mixed-mode with Nat. Vent.", "Mixed-mode with Mech. Vent.", "Unconditioned"};
    if (code >= 1 && code <= static_cast<int>(std::size(kTexts))) return kTexts[code - 1];
    // "Not specified", and codes a later library may add, as the library words them.
    return codeText;
}

}  // namespace

WrittenDocument PROJECT::PDF_EPC_Report_S(const char* inputFile) {
    const std::string output = OutputName(inputFile, ending::kCertificate);
    const int g = generalObject;
    const EPC& record = epcs.front();
    const int e = record.objectIndex;

    EPCS w;
    w.fSetCert_Background(record.certBackground);

    const Ratings& r = record.ratings;
    w.fSetEPC(fRoundToInt(r.asset));
    w.fSetTER(fRoundToInt(r.newBuild));
    const ScottishBenchmark per = fScottishPer(r.improved, r.improvedBand);
    w.fSetPER(per.value);
    w.fSetPER_BAND(per.band);
    w.fSetKWHM2(fRoundToInt(boc.Vnum(e, "S-KWH-M2")));
    w.fSetEPC_BAND(r.assetBand);
    w.fSetTER_BAND(r.newBuildBand);

    std::vector<std::string> address;
    for (const char* keyword :
         {"B-ADDRESS-0", "B-ADDRESS-1", "B-ADDRESS-2", "B-ADDRESS-3", "B-ADDRESS-4", "B-ADDRESS-5"})
        address.push_back(OutputText(g, keyword, ResetQuotes(boc.Vtext(g, keyword)), kPdf));
    w.fSetB_ADDRESS(fScottishAddress(address));
    w.fSetB_ADDRESS_LAST(fScottishAddressEnd(address));

    w.fSetMAIN_FUEL_TYPE(boc.Vcod(e, "MAIN-FUEL-TYPE"));
    w.fSetVENT(
        VentText(boc.Vcodid(e, "BUILDING-ENVIRONMENT"), boc.Vcod(e, "BUILDING-ENVIRONMENT")));
    RenewableValues renewables{};
    for (int i = 0; i < kRenewableSources; ++i) renewables[i] = boc.Vnum(e, kRenewableKeywords[i]);
    w.fSetRENEWABLE(fRenewableSource(renewables, boc.Vcodid(g, "RENEWABLE-MAIN"),
                                     boc.Vcod(g, "RENEWABLE-MAIN")));
    w.fSetELECTRICITY("Grid supplied");
    w.fSetB_TYPE(ScottishBuildingTypeName(boc.Vcodid(g, "B-TYPE"), boc.Vcod(g, "B-TYPE")));
    w.fSetBUILDING_AREA(OutputText(g, "BUILDING-AREA", boc.Vtext(g, "BUILDING-AREA"), kPdf));
    w.fSetTOOL(OutputText(g, "INTERFACE",
                          StripQuotes(boc.Vtext(g, "INTERFACE")) + " " +
                              StripQuotes(boc.Vtext(g, "INTERFACE-VERSION")) + " [" +
                              StripQuotes(boc.Vtext(g, "CENGINE")) + "] ",
                          kPdf));
    // A keyword left out reads as a blank: the line joins what is there.
    w.fSetC_REG_NUMBER(OutputText(g, "C-REG-NUMBER",
                                  fTrimBlanks(StripQuotes(boc.Vtext(g, "C-REG-NUMBER"))), kPdf));
    w.fSetC_PROTOCOL_ORG(OutputText(
        g, "C-PROTOCOL-ORG", fTrimBlanks(StripQuotes(boc.Vtext(g, "C-PROTOCOL-ORG"))), kPdf));
    w.fSetISSUE_DATE(issueDate);

    // The first six recommendations in the order of the certificate.
    std::string texts[kRecommendationBoxes];
    for (std::size_t i = 0; i < recOrder.size() && i < std::size(texts); ++i) {
        const int o = recOrder[i];
        const int code = boc.Vcodid(o, "CODE");
        std::string text =
            code == kAssessorCode
                ? OutputText(o, "REC-TEXT", ResetQuotes(boc.Vtext(o, "REC-TEXT")), kPdf)
                : tables.TValue("sRec", code, 2);
        // A code the table has no text for shows no stand-in number.
        if (text == kNotSetText) text.clear();
        texts[i] = std::to_string(i + 1) + ". " + text;
    }
    w.fSetREC1(texts[0]);
    w.fSetREC2(texts[1]);
    w.fSetREC3(texts[2]);
    w.fSetREC4(texts[3]);
    w.fSetREC5(texts[4]);
    w.fSetREC6(texts[5]);

    // The file is written, or a file that cannot be written has stopped the
    // run already; what is left is a document libharu gave up on, which the
    // run names at its end once the report after it is written.
    const bool written = w.PDF_EPC_Report(output);
    // A rate the calculation did not provide leaves the certificate without
    // its figure: a document lodged that way is lodged knowingly.
    if (written) {
        const struct {
            const char* keyword;
            bool missing;
            const char* shown;
        } rates[] = {{"BER", fScottishRating(w.EPC, w.EPC_BAND).text.empty(), "no figure"},
                     {"TER", fScottishRating(w.TER, w.TER_BAND).text.empty(), "no figure"},
                     {"PER", r.improved == kNotProvided, "0"}};
        for (const auto& rate : rates) {
            if (!rate.missing) continue;
            SendWarning("WARNING: " + output + ": " + rate.keyword +
                        " is -7777 (not provided): the certificate shows " + rate.shown +
                        " for it, beside an arrow marked \"??\"\n");
        }
    }
    return WrittenDocument{output, Fingerprint(), written};
}
