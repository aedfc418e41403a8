#include "app/outputs.h"
#include "app/textutil.h"
#include "pdf/srec.h"
#include "project/project.h"
#include "project/recommendations.h"

namespace {

const char* const kCategories[] = {"HEATING",    "COOLING",     "HOT-WATER", "LIGHTING",
                                   "RENEWABLES", "OVERHEATING", "ENVELOPE",  "FUEL-SWITCHING",
                                   "AUXILIARY",  "OTHER"};

std::string Percent(const BOC& boc, int o, const char* keyword) {
    return num2string(boc.Vnum(o, keyword), 1);
}

// The figures of a service whose four performance keywords start with
// `perf` ("PERF-HEAT"); `systems` false for the services rated as a whole.
void ServiceStats(const BOC& boc, int r, const std::string& service, const char* percent,
                  const std::string& perf, bool systems, const std::string& note,
                  std::vector<std::string>& stats) {
    stats.push_back("The " + service + " accounts for " + Percent(boc, r, percent) +
                    "% of the CO2 emissions");
    if (!note.empty()) stats.push_back(note);
    stats.push_back("The overall energy performance of the " + service + " provision is " +
                    boc.Vcod(r, perf + "-SYSTEM-ENERGY"));
    stats.push_back("The overall CO2 performance of the " + service + " provision is " +
                    boc.Vcod(r, perf + "-SYSTEM-CO2"));
    if (!systems) return;
    stats.push_back("The average energy efficiency of the " + service + " systems is " +
                    boc.Vcod(r, perf + "-ENERGY"));
    stats.push_back("The average CO2 efficiency of the " + service + " systems is " +
                    boc.Vcod(r, perf + "-CO2"));
}

std::vector<std::string> CategoryStats(const BOC& boc, int r, const std::string& category) {
    std::vector<std::string> stats;
    // Without a share of its own, hot water comes from the HVAC system.
    const bool hotWaterFromHvac = boc.Vnum(r, "DHW-PERCENT-CO2") == 0;
    if (category == "HEATING") {
        ServiceStats(boc, r, "heating", "HEAT-PERCENT-CO2", "PERF-HEAT", true,
                     hotWaterFromHvac ? "(If hot water is provided by the HVAC system, then the % "
                                        "of CO2 emissions includes hot water provision)"
                                      : "",
                     stats);
    } else if (category == "COOLING") {
        ServiceStats(boc, r, "cooling", "COOL-PERCENT-CO2", "PERF-COOL", true, "", stats);
    } else if (category == "HOT-WATER") {
        ServiceStats(boc, r, "hot water", "DHW-PERCENT-CO2", "PERF-DHW", true,
                     hotWaterFromHvac
                         ? "(If hot water is provided by the HVAC system, then hot water "
                           "provision is included in the % of CO2 emissions due to HEATING)"
                         : "",
                     stats);
    } else if (category == "LIGHTING") {
        ServiceStats(boc, r, "lighting", "LIGHT-PERCENT-CO2", "PERF-LIGHT", false, "", stats);
    } else if (category == "RENEWABLES") {
        stats.push_back("The CHP plant accounts for " + Percent(boc, r, "CHP-PERCENT-CO2") +
                        "% of the CO2 emissions");
    } else if (category == "OVERHEATING") {
        stats.push_back("The risk of some spaces in the building overheating is " +
                        boc.Vcod(r, "OVERHEATING-RISK"));
    } else if (category == "AUXILIARY") {
        ServiceStats(boc, r, "auxiliary (fans and pumps)", "AUX-PERCENT-CO2", "PERF-AUX", false, "",
                     stats);
    }
    return stats;
}

int Flag(const BOC& boc, int o, const char* keyword) {
    return static_cast<int>(boc.Vnum(o, keyword));
}

}  // namespace

WrittenDocument PROJECT::PDF_SREC_Report(const char* inputFile) {
    const std::string output = OutputName(inputFile, ending::kShortRecommendations);
    const int g = generalObject;
    const int r = recProject.objectIndex;

    // Input text reaches the report through here only, as UTF-8: the writer
    // settles the fonts it needs.
    const auto named = [this](int object, const char* keyword) {
        return OutputText(object, keyword, ResetQuotes(boc.Vtext(object, keyword)),
                          OutputEncoding::kUtf8);
    };
    SrecContent c;
    c.buildingName = named(g, "P-NAME");
    c.buildingType = boc.Vcod(g, "B-TYPE");
    c.date = issueDate;
    c.registrationNumber = OutputText(g, "C-REG-NUMBER", StripQuotes(boc.Vtext(g, "C-REG-NUMBER")),
                                      OutputEncoding::kUtf8);
    for (const char* name : kCategories) {
        SrecCategory category;
        category.name = name;
        category.stats = CategoryStats(boc, r, name);
        for (const RECOMMENDATION& rec : recommendations) {
            const int o = rec.objectIndex;
            if (boc.Vcod(o, "CATEGORY") != name) continue;
            DATA d;
            d.texts.resize(kSrecTexts);
            const int code = boc.Vcodid(o, "CODE");
            // Listed whatever its group: an assessor's recommendation shows
            // its own text in any.
            d.texts[kSrecText] = RecPdfText(*this, {o, code, AssessorWritten(code)});
            d.texts[kSrecCode] = boc.Vcod(o, "CODE");
            d.texts[kSrecEnergyImpact] = boc.Vcod(o, "ENERGY-IMPACT");
            d.texts[kSrecCo2Impact] = boc.Vcod(o, "CO2-IMPACT");
            d.texts[kSrecCo2Saving] = boc.Vcod(o, "CO2-SAVE-POUND");
            d.texts[kSrecComments] = named(o, "REC-COMMENT");
            const int source = boc.Vcodid(o, "REC-SOURCE");
            if (source == kSourceExcluded)
                d.texts[kSrecRemark] = "This recommendation was excluded by the assessor.";
            const std::string refObject = named(o, "REF-OBJECT");
            const std::string refType = boc.Vcod(o, "REF-OBJECT-TYPE");
            d.texts[kSrecAppliesTo] = refType == "WHOLE-BUILDING" ? "Whole building"
                                      : refObject.empty()         ? refType
                                                                  : refObject;
            d.flags = {source, Flag(boc, o, "ENERGY-IMPACT-SC"), Flag(boc, o, "CO2-IMPACT-SC"),
                       Flag(boc, o, "PAY-BACK-SC"), Flag(boc, o, "CO2-SAVE-POUND-SC")};
            category.recommendations.push_back(std::move(d));
        }
        c.categories.push_back(std::move(category));
    }

    if (!WriteShortRecReport(c, output)) return WrittenDocument{output, Fingerprint(), false};
    // Later outputs of the run (the lodgement message) carry the report's name.
    boc.ModKey(g, "REC-REP-TITLE", "Building Recommendation Report");
    boc.ModKey(g, "REC-REP-REFERENCE", "Insert Unique Reference here");
    boc.ModKey(g, "REC-REP-DATE", todayIso);
    return WrittenDocument{output, Fingerprint(), true};
}
