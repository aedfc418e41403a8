#include "project/project.h"

#include "app/runlog.h"
#include "app/stop.h"

PROJECT::PROJECT() = default;

void PROJECT::Reset() {
    generals.clear();
    epcs.clear();
    recommendations.clear();
    buildings.clear();
    reportedReplacements_.clear();
}

std::string PROJECT::OutputText(int objectIndex, const std::string& keyword,
                                const std::string& text, OutputEncoding target) {
    EncodedText out = EncodeText(text, boc.inputEncoding, target);
    const int line = boc.KeywordLine(objectIndex, keyword);
    std::string place = keyword + " on line " + std::to_string(line);
    if (line == 0 && objectIndex >= 0 && objectIndex < static_cast<int>(boc.objects.size()))
        place = keyword + " of \"" + boc.objects[objectIndex].name + "\"";
    // A letter with no plain form is lost from the document: one warning for
    // the value, naming each such letter.
    std::string lost;
    for (const auto& [character, plain] : out.replaced) {
        if (!reportedReplacements_.insert(place + "\n" + character).second) continue;
        if (!character.empty() && plain == "?") {
            lost += (lost.empty() ? "\"" : ", \"") + character + "\"";
            continue;
        }
        const std::string what =
            character.empty() ? "a byte that is not UTF-8" : "\"" + character + "\"";
        SendLog("NOTE: " + place + ": " + what + " is printed as \"" + plain +
                "\" (not in the document's character set)\n");
    }
    if (!lost.empty())
        SendWarning("WARNING: " + place + ": not in the document's character set: " + lost +
                    ": printed as \"?\"\n");
    return std::move(out.text);
}

void PROJECT::Init(const char* defaultsFile, const char* tablesFile, const char* asTablesFile,
                   const char* definitionFile, const char* inputFile, int platformCode) {
    keys.Init();

    SendLog("\n  Initializing Default values... ");
    defaults.Init(defaultsFile, platformCode);
    if (!defaults.IsOriginal())
        StopRun("\nERROR: Default values are corrupted. Please reinstall Tarvex \n");
    SendLog("OK\n");

    SendLog("  Initializing Default tables... ");
    tables.Init(tablesFile, platformCode);
    if (!tables.IsOriginal())
        StopRun("\nERROR: Table values are corrupted. Please reinstall Tarvex \n");
    SendLog("OK\n");

    SendLog("  Initializing AS tables... ");
    asTables.Init(asTablesFile, platformCode);
    if (!asTables.IsOriginal())
        StopRun("\nERROR: AS Table values are corrupted. Please reinstall Tarvex \n");
    SendLog("OK\n");

    // The numbers the rating writes over; every other number of the input
    // reaches a document or the message, and must be a number.
    boc.keywordsTheRunWrites = {"EPC-RATING", "TER-RATING", "TYR-RATING", "PER-RATING",
                                "EPC-A",      "EPC-R",      "EPC-R-ORI",  "EPC-BAND-LIMITS"};
    // A certificate states the floor area; the library's 0 is no area.
    boc.keywordsAbove0 = {"BUILDING-AREA"};
    boc.Init(inputFile, definitionFile);
    if (!boc.IsOriginal())
        StopRun("\nERROR: Tarvex Matrix is corrupted. Please reinstall Tarvex \n");

    BuildRecords();
}

namespace {

// Class numbers of the input objects that get index records.
enum ObjectClass {
    kClassGeneral = 1,
    kClassEpc = 2,
    kClassRecProject = 3,
    kClassRecommendation = 4,
    kClassBuilding = 5,
    kClassHvac = 6,
    kClassAirCon = 7,
};

template <typename Record>
Record MakeRecord(int index, int ordinal, int generalIndex, int epcIndex) {
    Record r;
    r.objectIndex = index;
    r.ordinal = ordinal;
    r.parentObjectIndex = 0;
    r.parentOrdinal = 0;
    r.generalObjectIndex = generalIndex;
    r.epcObjectIndex = epcIndex;
    return r;
}

}  // namespace

void PROJECT::BuildRecords() {
    int generalCount = 0, epcCount = 0, recCount = 0, buildingCount = 0, hvacCount = 0, acCount = 0;
    hasAcInspection = false;
    for (int i = 0; i < static_cast<int>(boc.objects.size()); ++i) {
        const int general = generalCount > 0 ? generalObject : -1;
        const int epc = epcCount > 0 ? epcObject : -1;
        switch (boc.objects[i].classNumber) {
            case kClassGeneral: {
                GENERAL g = MakeRecord<GENERAL>(i, generalCount++, i, -1);
                generalObject = i;
                generals.push_back(g);
                break;
            }
            case kClassEpc: {
                EPC e = MakeRecord<EPC>(i, epcCount++, general, epc);
                epcObject = i;
                if (!generals.empty()) generals.back().epcObjectIndex = i;
                e.Init(defaults, tables, asTables, boc);
                epcs.push_back(e);
                break;
            }
            case kClassRecProject:
                recProject = MakeRecord<REC_PROJECT>(i, 1, general, epc);
                break;
            case kClassRecommendation:
                recommendations.push_back(MakeRecord<RECOMMENDATION>(i, recCount++, general, epc));
                break;
            case kClassBuilding:
                buildings.push_back(MakeRecord<BUILDING_DATA>(i, buildingCount++, general, epc));
                hvacCount = 0;
                break;
            case kClassHvac: {
                if (buildings.empty()) {
                    ReportOrphanHvac(i);
                    break;
                }
                HVAC_SYSTEM_DATA h = MakeRecord<HVAC_SYSTEM_DATA>(i, hvacCount++, general, epc);
                h.parentObjectIndex = buildings.back().objectIndex;
                h.parentOrdinal = buildings.back().ordinal;
                buildings.back().hvacSystems.push_back(h);
                break;
            }
            case kClassAirCon:
                acInspection = MakeRecord<AIR_CON_INSPECTION>(i, acCount++, general, epc);
                hasAcInspection = true;
                break;
            default:
                break;
        }
    }
    // Every later stage reads the first general and EPC records.
    if (generals.empty()) StopRun("\nERROR: The input has no GENERAL object\n");
    if (epcs.empty()) StopRun("\nERROR: The input has no EPC object\n");
}

void PROJECT::ReportOrphanHvac(int objectIndex) {
    const BObject& o = boc.objects[objectIndex];
    const std::string text = "       *** ERROR *** Object [" + o.type + "] \"" + o.name +
                             "\" must follow a BUILDING-DATA object.";
    boc.errors.AddError(kLevelInput, kErrObjectUnknown, kFlagOwnText, 0).text = text;
    // The error reports are written and the run ends there, as for any other
    // input error; the stop below only guards against a report that returns.
    boc.errors.AddEWC();
    boc.BDL();
    StopRun("\n" + text + "\n");
}
