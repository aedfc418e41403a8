#include "app/textutil.h"
#include "pdf/documents.h"
#include "pdf/srec.h"

namespace {

std::string Percent(double share) {
    return num2string(share, 1);
}

// The figures of a service; `systems` false for the services rated as a whole.
void ServiceStats(const std::string& service, double share, const ServiceFigures::Performance& perf,
                  bool systems, const std::string& note, std::vector<std::string>& stats) {
    stats.push_back("The " + service + " accounts for " + Percent(share) +
                    "% of the CO2 emissions");
    if (!note.empty()) stats.push_back(note);
    stats.push_back("The overall energy performance of the " + service + " provision is " +
                    perf.systemEnergy);
    stats.push_back("The overall CO2 performance of the " + service + " provision is " +
                    perf.systemCo2);
    if (!systems) return;
    stats.push_back("The average energy efficiency of the " + service + " systems is " +
                    perf.energy);
    stats.push_back("The average CO2 efficiency of the " + service + " systems is " + perf.co2);
}

std::vector<std::string> CategoryStats(const DocumentRecord& record, const std::string& category) {
    const ServiceFigures& f = record.figures;
    std::vector<std::string> stats;
    // Without a share of its own, hot water comes from the HVAC system.
    const bool hotWaterFromHvac = record.hotWaterFromHvac;
    if (category == "HEATING") {
        ServiceStats("heating", f.heating, f.heat, true,
                     hotWaterFromHvac ? "(If hot water is provided by the HVAC system, then the % "
                                        "of CO2 emissions includes hot water provision)"
                                      : "",
                     stats);
    } else if (category == "COOLING") {
        ServiceStats("cooling", f.cooling, f.cool, true, "", stats);
    } else if (category == "HOT-WATER") {
        ServiceStats("hot water", f.hotWater, f.hotWaterPerformance, true,
                     hotWaterFromHvac
                         ? "(If hot water is provided by the HVAC system, then hot water "
                           "provision is included in the % of CO2 emissions due to HEATING)"
                         : "",
                     stats);
    } else if (category == "LIGHTING") {
        ServiceStats("lighting", f.lighting, f.light, false, "", stats);
    } else if (category == "RENEWABLES") {
        stats.push_back("The CHP plant accounts for " + Percent(f.chp) + "% of the CO2 emissions");
    } else if (category == "OVERHEATING") {
        stats.push_back("The risk of some spaces in the building overheating is " +
                        f.overheatingRisk);
    } else if (category == "AUXILIARY") {
        ServiceStats("auxiliary (fans and pumps)", f.auxiliary, f.aux, false, "", stats);
    }
    return stats;
}

}  // namespace

WrittenDocument WriteShortReport(const DocumentRecord& record, const std::string& path) {
    SrecContent c;
    c.buildingName = record.buildingName;
    c.buildingType = record.buildingType.word;
    c.date = record.issueDate;
    c.registrationNumber = record.header.registrationNumber;
    for (const ShortReportService& service : record.services) {
        SrecCategory category;
        category.name = service.name;
        category.stats = CategoryStats(record, service.name);
        for (const ShortReportRecommendation& rec : service.recommendations) {
            DATA d;
            d.texts.resize(kSrecTexts);
            d.texts[kSrecText] = rec.text;
            d.texts[kSrecCode] = rec.code;
            d.texts[kSrecEnergyImpact] = rec.energyImpact;
            d.texts[kSrecCo2Impact] = rec.co2Impact;
            d.texts[kSrecCo2Saving] = rec.co2Saving;
            d.texts[kSrecComments] = rec.comment;
            if (rec.source == kSourceExcluded)
                d.texts[kSrecRemark] = "This recommendation was excluded by the assessor.";
            d.texts[kSrecAppliesTo] = rec.referenceType == "WHOLE-BUILDING" ? "Whole building"
                                      : rec.referenceObject.empty()         ? rec.referenceType
                                                                            : rec.referenceObject;
            d.flags = {rec.source, rec.energyFlag, rec.co2Flag, rec.paybackFlag, rec.savingFlag};
            category.recommendations.push_back(std::move(d));
        }
        c.categories.push_back(std::move(category));
    }
    WrittenDocument written = WriteShortRecReport(c, path);
    // No message carries it: its bytes, which may be many, are not kept.
    written.content = SavedBytes();
    return written;
}
