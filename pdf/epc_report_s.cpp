#include <cmath>

#include "app/codes.h"
#include "app/runlog.h"
#include "pdf/documents.h"
#include "pdf/epc_layout_s.h"
#include "pdf/epc_s.h"
#include "pdf/scottish_names.h"

namespace {

constexpr int kRecommendationBoxes = 6;

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

WrittenDocument WriteScottishCertificate(const DocumentRecord& record, const std::string& path) {
    if (!record.scotland) return WrittenDocument{path, SavedBytes(), false};
    const std::string& output = path;
    const HeaderTexts& h = record.header;
    const ScottishFacts& facts = *record.scotland;

    EPCS w;
    w.fSetCert_Background(record.certificateBackground);

    const Ratings& r = record.ratings;
    w.fSetEPC(fRoundToInt(r.asset));
    w.fSetTER(fRoundToInt(r.newBuild));
    const ScottishBenchmark per = fScottishPer(r.improved, r.improvedBand);
    w.fSetPER(per.value);
    w.fSetPER_BAND(per.band);
    w.fSetKWHM2(fRoundToInt(facts.kwhPerM2));
    w.fSetEPC_BAND(r.assetBand);
    w.fSetTER_BAND(r.newBuildBand);

    const std::vector<std::string> address(h.address.begin(), h.address.end());
    w.fSetB_ADDRESS(fScottishAddress(address));
    w.fSetB_ADDRESS_LAST(fScottishAddressEnd(address));

    w.fSetMAIN_FUEL_TYPE(record.mainFuel.word);
    w.fSetVENT(VentText(record.environment.number, record.environment.word));
    w.fSetRENEWABLE(
        fRenewableSource(facts.renewables, facts.renewableMain.number, facts.renewableMain.word));
    w.fSetELECTRICITY("Grid supplied");
    w.fSetB_TYPE(ScottishBuildingTypeName(record.buildingType.number, record.buildingType.word));
    w.fSetBUILDING_AREA(h.buildingArea);
    w.fSetTOOL(h.tool.interface + " " + h.tool.interfaceVersion + " [" + h.tool.engine + "] ");
    // A keyword left out reads as a blank: the line joins what is there.
    w.fSetC_REG_NUMBER(fTrimBlanks(h.registrationNumber));
    w.fSetC_PROTOCOL_ORG(fTrimBlanks(h.protocolOrganisation));
    w.fSetISSUE_DATE(record.issueDate);

    // The first six recommendations in the order of the certificate.
    std::string texts[kRecommendationBoxes];
    for (std::size_t i = 0; i < std::size(texts); ++i) {
        if (i < facts.recommendations.size())
            texts[i] = std::to_string(i + 1) + ". " + facts.recommendations[i];
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
    WrittenDocument written = w.PDF_EPC_Report(output);
    // A rate the calculation did not provide leaves the certificate without
    // its figure: a document lodged that way is lodged knowingly.
    if (written.written()) {
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
    // No message carries it: its bytes are not kept.
    written.content = SavedBytes();
    return written;
}
