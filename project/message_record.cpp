#include "project/message_record.h"

#include "app/codes.h"
#include "app/inputfile.h"
#include "app/textutil.h"
#include "library/ncmd5.h"
#include "library/ncmkeys.h"
#include "project/project.h"

const std::array<PerformanceFigure, kPerformanceFigures> kGlobalPerformance = {{
    {"KWH-M2-Heating", "KWH/M2-HEAT"},
    {"KWH-M2-Cooling", "KWH/M2-COOL"},
    {"KWH-M2-Auxiliary", "KWH/M2-AUX"},
    {"KWH-M2-Lighting", "KWH/M2-LIGHT"},
    {"KWH-M2-DHW", "KWH/M2-DHW"},
    {"KWH-M2-Equipment", "KWH/M2-EQUP"},
    {"KWH-M2-Natural-Gas", "KWH/M2-NATGAS"},
    {"KWH-M2-LPG", "KWH/M2-LPG"},
    {"KWH-M2-Biogas", "KWH/M2-BIOGAS"},
    {"KWH-M2-Oil", "KWH/M2-OIL"},
    {"KWH-M2-Coal", "KWH/M2-COAL"},
    {"KWH-M2-Anthracite", "KWH/M2-ANTHRACITE"},
    {"KWH-M2-Smokeless", "KWH/M2-SMOKELESS"},
    {"KWH-M2-Dual-Fuel", "KWH/M2-DUELFUEL"},
    {"KWH-M2-Biomass", "KWH/M2-BIOMASS"},
    {"KWH-M2-Supplied", "KWH/M2-SUPELEC"},
    {"KWH-M2-Waste-Heat", "KWH/M2-WASTEHEAT"},
    {"KWH-M2-District-Heating", "KWH/M2-DISTRICT-HEATING"},
    {"KWH-M2-Displaced", "KWH/M2-DISP"},
    {"KWH-M2-PVS", "KWH/M2-PVS"},
    {"KWH-M2-Wind", "KWH/M2-WIND"},
    {"KWH-M2-CHP", "KWH/M2-CHP"},
    {"KWH-M2-SES", "KWH/M2-SES"},
}};

namespace {

// HEAT-SOURCE codes of the heat pumps, named by their source alone.
constexpr int kHeatPumpElectricAir = 12;
constexpr int kHeatPumpElectricGround = 13;
constexpr int kHeatPumpGasAir = 18;
constexpr int kHeatPumpGasGround = 19;

// Input text enters the record only through these: a value as it stands
// (quotes kept), or with its quotes dropped; both in the input's encoding.
struct Texts {
    const BOC& boc;
    XmlText Raw(int object, const char* keyword) const {
        return XmlText::Raw(boc.Vtext(object, keyword), boc.inputEncoding);
    }
    XmlText Escaped(int object, const char* keyword) const {
        return XmlText::Escaped(boc.Vtext(object, keyword), boc.inputEncoding);
    }
    // Code words come from the library definition; kept safe all the same.
    XmlText Code(int object, const char* keyword) const {
        return XmlText::Raw(boc.Vcod(object, keyword));
    }
};

// A path keyword of the general object, quotes dropped; "-5555" when unset.
std::string PathKeyword(const BOC& boc, int g, const char* keyword) {
    return StripQuotes(boc.Vtext(g, keyword));
}

std::vector<MessageActivity> Activities(const std::vector<double>& pairs) {
    std::vector<MessageActivity> activities;
    for (std::size_t i = 0; i + 1 < pairs.size(); i += 2)
        activities.push_back({pairs[i], pairs[i + 1]});
    return activities;
}

std::vector<MessageBuilding> Buildings(const PROJECT& p, const Texts& t) {
    const BOC& boc = p.boc;
    std::vector<MessageBuilding> buildings;
    for (const BUILDING_DATA& building : p.buildings) {
        const int b = building.objectIndex;
        MessageBuilding m;
        m.analysis = t.Code(b, "ANALYSIS");
        m.area = boc.Vnum(b, "AREA");
        m.areaExterior = boc.Vnum(b, "AREA-EXT");
        m.weather = t.Code(b, "WEATHER");
        m.q50 = boc.Vnum(b, "Q50-INF");
        m.wk = boc.Vnum(b, "BUILDING-W/K");
        m.wm2k = boc.Vnum(b, "BUILDING-W/M2K");
        m.alpha = boc.Vnum(b, "BUILDING-ALPHA");
        m.activities = Activities(boc.Vlnum(b, "ACT-AREA"));
        for (std::size_t i = 0; i < kPerformanceFigures; ++i)
            m.performance[i] = boc.Vnum(b, kGlobalPerformance[i].keyword);
        for (const HVAC_SYSTEM_DATA& hvac : building.hvacSystems) {
            const int h = hvac.objectIndex;
            MessageHvac s;
            s.area = boc.Vnum(h, "AREA");
            s.type = t.Code(h, "TYPE");
            const int source = boc.Vcodid(h, "HEAT-SOURCE");
            s.heatSource = t.Code(h, "HEAT-SOURCE");
            if (source == kHeatPumpElectricAir || source == kHeatPumpGasAir)
                s.heatSource = XmlText::Raw("Heat pump: air source");
            if (source == kHeatPumpElectricGround || source == kHeatPumpGasGround)
                s.heatSource = XmlText::Raw("Heat pump: ground or water source");
            s.fuel = t.Code(h, "FUEL-TYPE");
            s.heatingDemand = boc.Vnum(h, "MJ/M2-HEAT-DEM");
            s.coolingDemand = boc.Vnum(h, "MJ/M2-COOL-DEM");
            s.heating = boc.Vnum(h, "KWH/M2-HEAT");
            s.cooling = boc.Vnum(h, "KWH/M2-COOL");
            s.auxiliary = boc.Vnum(h, "KWH/M2-AUX");
            s.heatingSseff = boc.Vnum(h, "HEAT-SSEFF");
            s.coolingSseer = boc.Vnum(h, "COOL-SSEER");
            s.heatingGenerator = boc.Vnum(h, "HEAT-GEN-SEFF");
            s.coolingGenerator = boc.Vnum(h, "COOL-GEN-SEER");
            s.activities = Activities(boc.Vlnum(h, "ACT-AREA"));
            m.hvacSystems.push_back(std::move(s));
        }
        buildings.push_back(std::move(m));
    }
    return buildings;
}

std::optional<MessageInsurance> Insurance(const BOC& boc, int g, const Texts& t) {
    static const char* const kKeywords[] = {"C-INSURER", "C-INS-POL-NUMBER", "C-INS-EFF-DATE",
                                            "C-INS-EXP-DATE", "C-INS-PI-LIMIT"};
    // A keyword the input leaves out holds a blank: as empty as "".
    for (const char* keyword : kKeywords)
        if (StripQuotes(boc.Vtext(g, keyword)).find_first_not_of(' ') == std::string::npos)
            return std::nullopt;
    return MessageInsurance{t.Escaped(g, kKeywords[0]), t.Escaped(g, kKeywords[1]),
                            t.Escaped(g, kKeywords[2]), t.Escaped(g, kKeywords[3]),
                            t.Escaped(g, kKeywords[4])};
}

AirConditioningAnswers AirConditioning(const PROJECT& p, const Texts& t) {
    AirConditioningAnswers answers;
    answers.asked = p.hasAcInspection;
    if (!answers.asked) return answers;
    const BOC& boc = p.boc;
    const int a = p.acInspection.objectIndex;
    answers.installedWord = t.Code(a, "AIR-CON-INSTALLED");
    answers.installed = boc.Vcodid(a, "AIR-CON-INSTALLED") == kAirConInstalledYes;
    if (!answers.installed) return answers;
    answers.output = boc.Vcodid(a, "AIR-CON-KW");
    if (answers.output == kAirConExactOutput) answers.exactOutput = boc.Vnum(a, "AIR-CON-KW-EXACT");
    answers.inspection = boc.Vcodid(a, "AIR-CON-INSPECTION");
    return answers;
}

std::array<std::vector<MessageRecommendation>, kRecGroups> Recommendations(const PROJECT& p,
                                                                           const Texts& t) {
    std::array<std::vector<MessageRecommendation>, kRecGroups> groups;
    for (int i = 0; i < kRecGroups; ++i) {
        for (const ShownRec& rec : ShownRecs(p, static_cast<RecGroup>(i))) {
            const int r = rec.object;
            // A code the table does not hold leaves the text empty.
            XmlText text;
            if (rec.assessorText)
                text = t.Escaped(r, "REC-TEXT");
            else if (rec.code >= 1 && rec.code <= p.tables.nRows("sRec"))
                text = XmlText::Escaped(RecTableText(p, rec.code));
            groups[i].push_back({t.Code(r, "CODE"), std::move(text), t.Code(r, "CO2-IMPACT")});
        }
    }
    return groups;
}

// Why a file an input names is left out of the message, for the log.
std::string RefusalReason(FileRead result) {
    switch (result) {
        case FileRead::kNotRegular:
            return "is not a regular file (a folder, device or pipe)";
        case FileRead::kTooLarge:
            return "is larger than 64 MB";
        case FileRead::kOutside:
            return "lies outside the input's folder";
        case FileRead::kHidden:
            return "is hidden or in a hidden folder";
        case FileRead::kManyLinks:
            return "has more than one link";
        default:
            return "could not be read";
    }
}

// An interface or engine file named by `keyword`. Only a regular file in the
// input's folder or below it, not hidden and with one link, is carried: an
// input cannot make the message carry any other file of the machine, nor the
// keys kept in a home folder's hidden ones. Our own interface's project lies
// in the program's folder (`ownPath`), and is named as the program names it.
EmbeddedFile NamedFile(const BOC& boc, int g, const char* keyword, const std::string* ownPath) {
    EmbeddedFile file;
    const std::string named = PathKeyword(boc, g, keyword);
    file.named = named != kNotSetText;
    if (!file.named) return file;
    const std::string& path = ownPath != nullptr ? *ownPath : named;
    const FileRead read = ownPath != nullptr ? ReadRegularFile(path, kInputFileLimit, file.bytes)
                                             : ReadFileInFolder(FolderOf(boc.inputFile), path,
                                                                kInputFileLimit, file.bytes);
    if (read != FileRead::kDone) {
        file.bytes.clear();
        // A missing file is the ordinary wrong path; a refusal is worth a word.
        if (read != FileRead::kCannotOpen)
            file.refusal = std::string("\nWARNING: ") + keyword + " names " + path + ", which " +
                           RefusalReason(read) + "; the message says it is not available\n";
        return file;
    }
    file.carried = true;
    file.location =
        XmlText::Escaped(path, ownPath != nullptr ? TextEncoding::kWindows1252 : boc.inputEncoding);
    return file;
}

UnstructuredData Unstructured(const PROJECT& p) {
    const BOC& boc = p.boc;
    const int g = p.generalObject;
    UnstructuredData data;
    data.compress = boc.Vcod(g, "COMPRESS-XML-MESSAGES") == "YES";
    const bool ownProject = StripQuotes(boc.Vtext(g, "INTERFACE")) == "iZOLM";
    data.interfaceInput =
        NamedFile(boc, g, "PATH-FILE-INTERFACE", ownProject ? &p.interfaceProjectPath : nullptr);
    data.engineInput = NamedFile(boc, g, "PATH-FILE-ENGINE", nullptr);

    EmbeddedFile& input = data.input;
    const std::string inputPath = PathKeyword(boc, g, "PATH-FILE-TARVEX");
    input.named = inputPath != kNotSetText;
    if (!input.named) return data;
    // The input as the assessor's tool wrote it, so that a run taken up from
    // the package reads exactly what this run read.
    input.carried = ReadRegularFile(inputPath, kInputFileLimit, input.bytes) == FileRead::kDone;
    if (!input.carried) {
        input.bytes.clear();
        return data;
    }
    input.location = XmlText::Escaped(inputPath, boc.inputEncoding);
    data.validationNote = p.validationNote;
    const int keyIndex = boc.Vcodid(g, "CENGINE-VAL");
    const auto& keys = p.keys.keys();
    const std::string key =
        keyIndex >= 1 && keyIndex < static_cast<int>(keys.size()) ? keys[keyIndex] : "";
    // Under the note's key, the same bytes as validated have the note's digest.
    const bool validated = keyIndex == kValidationNoteKeyIndex && !p.validatedDigest.empty() &&
                           input.bytes == p.validatedInput;
    data.inputDigest = validated ? p.validatedDigest : NCMD5().keyhash(key, input.bytes);
    return data;
}

}  // namespace

MessageRecord BuildMessageRecord(PROJECT& p) {
    const BOC& boc = p.boc;
    const Texts t{boc};
    const int g = p.generalObject;
    const int e = p.epcObject;
    MessageRecord r;
    r.type = boc.Vcodid(e, "TYPE");
    r.reference = StripQuotes(boc.Vtext(g, "RRN-EPC"));
    r.inputEncoding = boc.inputEncoding;
    r.landmarkEnvironment = boc.Vcod(g, "LANDMARK-ENVIRONMENT");

    r.rrnCertificate = t.Raw(g, "RRN-EPC");
    r.rrnReport = t.Raw(g, "RRN-REC");
    r.todayIso = p.todayIso;
    r.validUntilIso = p.validUntilIso;
    r.inspectionDate = t.Raw(g, "XML-INSP-DATE");
    r.language = boc.Vcodid(e, "EPC-LANGUAGE");
    r.assessor = {t.Raw(g, "C-REG-NUMBER"),        t.Raw(g, "C-NAME"),
                  t.Raw(g, "C-ACCRED-SCHEME"),     t.Escaped(g, "C-EMP-TRAD-ADDRESS"),
                  t.Escaped(g, "C-EMP-TRAD-NAME"), t.Code(g, "C-QUALIFICATIONS")};
    r.nosLevel = t.Code(e, "NOS-LEVEL");
    MessageProperty& property = r.property;
    property.location = t.Escaped(g, "B-LOC-DESCRIPTION");
    property.uprn = t.Escaped(g, "UPRN");
    static const char* const kAddress[] = {"B-ADDRESS-0", "B-ADDRESS-1", "B-ADDRESS-2",
                                           "B-ADDRESS-3", "B-ADDRESS-4", "B-ADDRESS-5"};
    for (std::size_t i = 0; i < property.address.size(); ++i)
        property.address[i] = t.Escaped(g, kAddress[i]);
    property.type = t.Code(g, "B-TYPE");
    property.owner = t.Escaped(g, "O-NAME");
    property.heritage = boc.Vcod(p.recProject.objectIndex, "ENG-HERITAGE") == "YES";
    const XmlText engine = t.Escaped(g, "CENGINE");
    r.methodology = engine.str() == "ZOLM" ? "ZOLM" : "DSM";
    const XmlText separator = XmlText::Raw(", ");
    r.calculationTool = t.Escaped(g, "SOFT-COMP-NAME");
    for (const char* keyword : {"INTERFACE", "INTERFACE-VERSION", "CENGINE", "CENGINE-VERSION"}) {
        r.calculationTool += separator;
        r.calculationTool += t.Escaped(g, keyword);
    }

    r.buildings = Buildings(p, t);
    r.insurance = Insurance(boc, g, t);

    r.transactionType = boc.Vcodid(e, "TRANSACTION-TYPE");
    r.relatedParty = boc.Vcodid(g, "C-REL-PART-DISC");
    r.ratings = p.epcs.front().ratings;
    r.ser = boc.Vnum(e, "SER");
    r.ber = boc.Vnum(e, "BER");
    r.ter = boc.Vnum(e, "TER");
    r.tyr = boc.Vnum(e, "TYR");
    r.mainFuel = t.Code(e, "MAIN-FUEL-TYPE");
    r.environment = t.Code(e, "BUILDING-ENVIRONMENT");
    r.floorArea = boc.Vnum(g, "BUILDING-AREA");
    // "Level 4" is written "4"; "Undefined" as it stands.
    const std::string level = boc.Vcod(e, "NOS-LEVEL");
    r.buildingLevel =
        XmlText::Raw(level == "Undefined" || level.size() < 6 ? level : level.substr(6));
    r.airConditioning = AirConditioning(p, t);
    r.recommendations = Recommendations(p, t);

    r.fromIasPackage = p.fromIasPackage;
    if (r.fromIasPackage)
        r.packageData = p.iasLodgementText;
    else
        r.data = Unstructured(p);
    return r;
}
