// The lodgement message: two reports (the certificate and the
// recommendations) with their data and PDF documents, sealed.

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <sstream>

#include "app/atomicfile.h"
#include "app/codes.h"
#include "app/inputfile.h"
#include "app/outputs.h"
#include "app/runlog.h"
#include "app/stop.h"
#include "app/textutil.h"
#include "app/version.h"
#include "app/xml_text.h"
#include "library/ncmd5.h"
#include "pdf/weblinks.h"
#include "project/project.h"
#include "project/recommendations.h"
#include "project/scale_numbers.h"
#include "reports/gzip_file.h"
#include "reports/seal.h"

namespace {

constexpr int kAirConLargestBand = 3;
// HEAT-SOURCE codes of the heat pumps, named by their source alone.
constexpr int kHeatPumpElectricAir = 12;
constexpr int kHeatPumpElectricGround = 13;
constexpr int kHeatPumpGasAir = 18;
constexpr int kHeatPumpGasGround = 19;

std::string Num(double value) {
    return num2string(value, -1);
}
// Rounded half away from zero; a value that rounds to zero from below is 0.
// Whole numbers are written in full: the register reads these elements as
// integers, which "%g" would turn into "1.23457e+06" from a million up.
std::string Rounded(double value) {
    const double whole = std::round(value) + 0.0;
    if (!(std::fabs(whole) < 1e15)) return Num(whole);
    char text[32];
    const int n = std::snprintf(text, sizeof text, "%.0f", whole);
    return std::string(text, n > 0 ? static_cast<std::size_t>(n) : 0);
}
std::string TwoDecimals(double value) {
    return Num(std::round(value * 100) / 100 + 0.0);
}

// Appends "<name>value</name>" on a line of its own after `indent`, in place:
// a message has hundreds of them.
void AddElement(std::string& s, std::string_view indent, std::string_view name,
                std::string_view value) {
    s.append(indent);
    s += '<';
    s.append(name);
    s += '>';
    s.append(value);
    s.append("</", 2);
    s.append(name);
    s.append(">\n", 2);
}

// Base64 lines, each ended, so the closing line starts a line of its own.
void AddBase64(std::string& s, const std::string& bytes) {
    AppendBase64Lines(s, reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size());
}

// A file the run wrote itself (a document, the input): any regular file.
bool ReadFileBytes(const std::string& path, std::string& bytes) {
    return ReadRegularFile(path, kInputFileLimit, bytes) == FileRead::kDone;
}

// A path keyword of the general object, quotes dropped; "-5555" when unset.
std::string PathKeyword(const BOC& boc, int g, const char* keyword) {
    return StripQuotes(boc.Vtext(g, keyword));
}

}  // namespace

namespace {

// Input text enters the message only through these two, so the input's
// encoding is settled in one place.
std::string Raw(const BOC& boc, int object, const char* keyword) {
    return XmlRaw(boc.Vtext(object, keyword), boc.inputEncoding);
}
std::string Escaped(const BOC& boc, int object, const char* keyword) {
    return XmlEscaped(boc.Vtext(object, keyword), boc.inputEncoding);
}
// Code words come from the library definition; kept safe all the same.
std::string Code(const BOC& boc, int object, const char* keyword) {
    return XmlRaw(boc.Vcod(object, keyword));
}

void AddActivities(std::string& s, const std::vector<double>& pairs, std::string_view open,
                   std::string_view activity, std::string_view item) {
    s.append(open);
    s += "<Activities>\n";
    for (std::size_t i = 0; i + 1 < pairs.size(); i += 2) {
        s.append(activity);
        s += "<Activity>\n";
        AddElement(s, item, "ID", Num(pairs[i]));
        AddElement(s, item, "Area", Num(pairs[i + 1]));
        s.append(activity);
        s += "</Activity>\n";
    }
    s.append(open);
    s += "</Activities>\n";
}

}  // namespace

std::string PROJECT::XML_Report_Header(bool epcReport) {
    const int g = generalObject;
    const int e = epcObject;
    const std::string t2 = "\t\t", t3 = "\t\t\t", t4 = "\t\t\t\t";
    std::string s = "\t<CEPC:Report-Header>\n";
    AddElement(s, t2, "CEPC:RRN", Raw(boc, g, epcReport ? "RRN-EPC" : "RRN-REC"));
    AddElement(s, t2, "CEPC:Issue-Date", todayIso);
    s += epcReport ? "\t\t<CEPC:Report-Type>3</CEPC:Report-Type>\n"
                   : "\t\t<CEPC:Report-Type>4</CEPC:Report-Type>\n";
    AddElement(s, t2, "CEPC:Valid-Until", validUntilIso);
    AddElement(s, t2, "CEPC:Related-RRN", Raw(boc, g, epcReport ? "RRN-REC" : "RRN-EPC"));
    AddElement(s, t2, "CEPC:Inspection-Date", Raw(boc, g, "XML-INSP-DATE"));
    AddElement(s, t2, "CEPC:Registration-Date", todayIso);
    s += "\t\t<CEPC:Status>entered</CEPC:Status>\n";
    AddElement(s, t2, "CEPC:Language-Code", std::to_string(boc.Vcodid(e, "EPC-LANGUAGE")));
    s += "\t\t<CEPC:Energy-Assessor>\n";
    AddElement(s, t3, "CEPC:Certificate-Number", Raw(boc, g, "C-REG-NUMBER"));
    AddElement(s, t3, "CEPC:Name", Raw(boc, g, "C-NAME"));
    AddElement(s, t3, "CEPC:Accreditation-Scheme-Name", Raw(boc, g, "C-ACCRED-SCHEME"));
    AddElement(s, t3, "CEPC:Trading-Address", Escaped(boc, g, "C-EMP-TRAD-ADDRESS"));
    AddElement(s, t3, "CEPC:Company-Name", Escaped(boc, g, "C-EMP-TRAD-NAME"));
    AddElement(s, t3, "CEPC:Qualifications", Code(boc, g, "C-QUALIFICATIONS"));
    s += "\t\t\t<CEPC:Status>Registered</CEPC:Status>\n";
    s += "\t\t</CEPC:Energy-Assessor>\n";
    AddElement(s, t2, "CEPC:Building-Complexity", Code(boc, e, "NOS-LEVEL"));
    s += "\t\t<CEPC:Property-Details>\n";
    AddElement(s, t3, "CEPC:Location-Description", Escaped(boc, g, "B-LOC-DESCRIPTION"));
    AddElement(s, t3, "CEPC:UPRN", Escaped(boc, g, "UPRN"));
    s += "\t\t\t<CEPC:Property-Address>\n";
    AddElement(s, t4, "CEPC:Address-Line-1", Escaped(boc, g, "B-ADDRESS-0"));
    AddElement(s, t4, "CEPC:Address-Line-2", Escaped(boc, g, "B-ADDRESS-1"));
    AddElement(s, t4, "CEPC:Address-Line-3", Escaped(boc, g, "B-ADDRESS-2"));
    AddElement(s, t4, "CEPC:Address-Line-4", Escaped(boc, g, "B-ADDRESS-3"));
    AddElement(s, t4, "CEPC:Post-Town", Escaped(boc, g, "B-ADDRESS-4"));
    AddElement(s, t4, "CEPC:Postcode", Escaped(boc, g, "B-ADDRESS-5"));
    s += "\t\t\t</CEPC:Property-Address>\n";
    AddElement(s, t3, "CEPC:Property-Type", Code(boc, g, "B-TYPE"));
    AddElement(s, t3, "CEPC:Owner", Escaped(boc, g, "O-NAME"));
    const bool heritage = boc.Vcod(recProject.objectIndex, "ENG-HERITAGE") == "YES";
    AddElement(s, t3, "CEPC:Is-Heritage-Site", heritage ? "Y" : "N");
    s += "\t\t</CEPC:Property-Details>\n";
    s += "\t\t<CEPC:Calculation-Details>\n";
    s += Escaped(boc, g, "CENGINE") == "ZOLM" ? "\t\t\t<CEPC:Methodology>ZOLM</CEPC:Methodology>\n"
                                              : "\t\t\t<CEPC:Methodology>DSM</CEPC:Methodology>\n";
    AddElement(s, t3, "CEPC:Calculation-Tool",
               Escaped(boc, g, "SOFT-COMP-NAME") + ", " + Escaped(boc, g, "INTERFACE") + ", " +
                   Escaped(boc, g, "INTERFACE-VERSION") + ", " + Escaped(boc, g, "CENGINE") + ", " +
                   Escaped(boc, g, "CENGINE-VERSION"));
    AddElement(s, t3, "CEPC:Output-Engine", std::string("Tarvex, ") + kTarvexVersion);
    s += "\t\t\t<CEPC:Inspection-Type>Physical</CEPC:Inspection-Type>\n";
    s += "\t\t</CEPC:Calculation-Details>\n";
    s += "\t</CEPC:Report-Header>\n";
    return s;
}

std::string PROJECT::XML_Summary_Of_Performance() {
    const std::string nine(9, ' ');
    const std::string fiveTabs = "     \t\t";
    std::string s = "\t<CEPC:Summary-Of-Performance>\n";
    for (const BUILDING_DATA& building : buildings) {
        SendLog(".");
        const int b = building.objectIndex;
        s += "  \t<Building-Data>\n";
        AddElement(s, nine, "Analysis-Type", Code(boc, b, "ANALYSIS"));
        AddElement(s, nine, "Area", Num(boc.Vnum(b, "AREA")));
        AddElement(s, nine, "Area-Exterior", Num(boc.Vnum(b, "AREA-EXT")));
        AddElement(s, nine, "Weather", Code(boc, b, "WEATHER"));
        AddElement(s, nine, "Q50-Infiltration", Num(boc.Vnum(b, "Q50-INF")));
        AddElement(s, nine, "Building-W-K", Num(boc.Vnum(b, "BUILDING-W/K")));
        AddElement(s, nine, "Building-W-M2K", Num(boc.Vnum(b, "BUILDING-W/M2K")));
        AddElement(s, nine, "Building-Alpha", Num(boc.Vnum(b, "BUILDING-ALPHA")));
        AddActivities(s, boc.Vlnum(b, "ACT-AREA"), nine, "           ", "             ");
        s += "         <Global-Performance>\n";
        static const char* const kFigures[][2] = {
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
        };
        for (const auto& f : kFigures) AddElement(s, fiveTabs, f[0], Num(boc.Vnum(b, f[1])));
        s += "         </Global-Performance>\n";
        s += "         <HVAC-Systems>\n";
        for (const HVAC_SYSTEM_DATA& hvac : building.hvacSystems) {
            SendLog(".");
            const int h = hvac.objectIndex;
            s += "    \t    <HVAC-System-Data>\n";
            AddElement(s, nine, "Area", Num(boc.Vnum(h, "AREA")));
            AddElement(s, nine, "Type", Code(boc, h, "TYPE"));
            const int source = boc.Vcodid(h, "HEAT-SOURCE");
            std::string heatSource = Code(boc, h, "HEAT-SOURCE");
            if (source == kHeatPumpElectricAir || source == kHeatPumpGasAir)
                heatSource = "Heat pump: air source";
            if (source == kHeatPumpElectricGround || source == kHeatPumpGasGround)
                heatSource = "Heat pump: ground or water source";
            AddElement(s, nine, "Heat-Source", heatSource);
            AddElement(s, nine, "Fuel-Type", Code(boc, h, "FUEL-TYPE"));
            AddElement(s, nine, "MJ-M2-Heating-Dem", Num(boc.Vnum(h, "MJ/M2-HEAT-DEM")));
            AddElement(s, nine, "MJ-M2-Cooling-Dem", Num(boc.Vnum(h, "MJ/M2-COOL-DEM")));
            AddElement(s, nine, "KWH-M2-Heating", Num(boc.Vnum(h, "KWH/M2-HEAT")));
            AddElement(s, nine, "KWH-M2-Cooling", Num(boc.Vnum(h, "KWH/M2-COOL")));
            AddElement(s, nine, "KWH-M2-Auxiliary", Num(boc.Vnum(h, "KWH/M2-AUX")));
            AddElement(s, nine, "Heating-SSEFF", Num(boc.Vnum(h, "HEAT-SSEFF")));
            AddElement(s, nine, "Cooling-SSEER", Num(boc.Vnum(h, "COOL-SSEER")));
            AddElement(s, nine, "Heating-Gen-SEFF", Num(boc.Vnum(h, "HEAT-GEN-SEFF")));
            AddElement(s, nine, "Cooling-Gen-SEER", Num(boc.Vnum(h, "COOL-GEN-SEER")));
            AddActivities(s, boc.Vlnum(h, "ACT-AREA"), "       \t\t", "          \t\t",
                          "          \t\t  ");
            s += "  \t    </HVAC-System-Data>\n";
        }
        s += "         </HVAC-Systems>\n";
        s += "  \t</Building-Data>\n";
    }
    s += "\t</CEPC:Summary-Of-Performance>\n";
    return s;
}

namespace {

struct FormattedReport {
    const char* intro;
    const char* pathKeyword;
    const char* notAvailable;
    const char* wrongPath;
    const char* hashIntro;
};

// The document as this run wrote it: the bytes its writer handed over, or,
// for a file the run did not write itself, the file the keyword names.
// Appended to the message in place: it is most of the message.
void AddFormattedReport(std::string& s, const FormattedReport& r, const BOC& boc, int g,
                        const WrittenDocument& document) {
    s += r.intro;
    s += "\t<CEPC:Formatted-Report>\n";
    const std::string path = PathKeyword(boc, g, r.pathKeyword);
    if (path == kNotSetText) {
        s += r.notAvailable;
    } else {
        SendLog("+");
        std::string read;
        if (document.written() && document.path == path) {
            const std::vector<unsigned char>& bytes = document.fingerprint.bytes();
            AppendBase64Lines(s, bytes.data(), bytes.size());
        } else if (ReadFileBytes(path, read)) {
            AddBase64(s, read);
        } else {
            s += r.wrongPath;
        }
    }
    s += "\t</CEPC:Formatted-Report>\n";
    s += r.hashIntro;
    s += document.fingerprint.text();
    s += " -->\n";
}

const FormattedReport kEpcReport{" <!-- The EPC PDF encoded in base64. -->\n", "PATH-FILE-EPCPDF",
                                 "  \t<!-- The EPC PDF is not available. -->\n",
                                 "  \t<!-- The EPC PDF is not available. (Wrong path) -->\n",
                                 " <!-- secure hash: "};
const FormattedReport kRecReport{
    "\t<!-- The REC PDF encoded in base64. -->\n", "PATH-FILE-RECPDF",
    "  \t<!-- The Recommendation Report PDF is not available. -->\n",
    "  \t<!-- The Recommendation Report PDF is not available. (Wrong path) -->\n",
    "\t<!-- secure hash: "};

}  // namespace

namespace {

struct Blob {
    const char* encoded;
    const char* wrongPath;
    const char* notAvailable;
};

// `location` is read in `encoding`: the input's, for a path the input names.
void AddDataBlob(std::string& s, const std::string& location, TextEncoding encoding,
                 const std::string& bytes, const char* fileType) {
    s += "  \t<Data-Blob>\n";
    s += "         <File-Location>";
    s += XmlEscaped(location, encoding);
    s += "</File-Location>\n";
    if (*fileType != '\0') {
        s += "         <File-Type>";
        s += fileType;
        s += "</File-Type>\n";
    }
    s += "         <Data>\n";
    AddBase64(s, bytes);
    s += "         </Data>\n";
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

// An interface or engine file, compressed first when asked (in memory: the
// location names the ".zip" copy the register expects, but no such file is
// made). Only a regular file in the input's folder or below it, not hidden
// and with one link, is carried: an input cannot make the message carry any
// other file of the machine, nor the keys kept in a home folder's hidden ones.
void AddFileBlob(std::string& s, const Blob& blob, const char* keyword, const std::string& path,
                 TextEncoding encoding, const std::string& folder, bool compress) {
    std::string bytes;
    const FileRead read = folder.empty() ? ReadRegularFile(path, kInputFileLimit, bytes)
                                         : ReadFileInFolder(folder, path, kInputFileLimit, bytes);
    if (read != FileRead::kDone) {
        // A missing file is the ordinary wrong path; a refusal is worth a word.
        if (read != FileRead::kCannotOpen)
            SendLog(std::string("\nWARNING: ") + keyword + " names " + path + ", which " +
                    RefusalReason(read) + "; the message says it is not available\n");
        s += blob.wrongPath;
        return;
    }
    std::string location = path;
    if (compress) {
        std::string compressed;
        if (!GzipBytes(bytes, compressed)) {
            s += blob.wrongPath;
            return;
        }
        bytes.swap(compressed);
        location += ".zip";
    }
    s += blob.encoded;
    AddDataBlob(s, location, encoding, bytes, "");
    s += "  \t</Data-Blob>\n";
}

}  // namespace

std::string PROJECT::XML_Unstructured_Data() {
    const int g = generalObject;
    const bool compress = boc.Vcod(g, "COMPRESS-XML-MESSAGES") == "YES";
    std::string s = "\t<CEPC:Unstructured-Data>\n";

    // A file named by a path keyword (or, for our own interface, the project's
    // copy), carried whole, or a comment saying why it is not.
    const auto addFile = [&](const Blob& blob, const char* keyword, const std::string* ownPath) {
        const std::string path = PathKeyword(boc, g, keyword);
        if (path == kNotSetText) {
            s += blob.notAvailable;
            return;
        }
        SendLog("+");
        // Our own interface's project lies in the program's folder; any other
        // file named by the input must lie beside the input.
        if (ownPath != nullptr)
            AddFileBlob(s, blob, keyword, *ownPath, TextEncoding::kWindows1252, std::string(),
                        compress);
        else
            AddFileBlob(s, blob, keyword, path, boc.inputEncoding, FolderOf(boc.inputFile),
                        compress);
    };
    static const Blob kInterface{
        "  \t<!-- The Interface Input Data encoded in base64. -->\n",
        "  \t<!-- The Interface Input Data is not available. (Wrong path) -->\n",
        "  \t<!-- The Interface Input Data is not available. -->\n"};
    const bool ownProject = StripQuotes(boc.Vtext(g, "INTERFACE")) == "iZOLM";
    addFile(kInterface, "PATH-FILE-INTERFACE", ownProject ? &interfaceProjectPath : nullptr);
    static const Blob kEngine{
        "  \t<!-- The Calculation Engine Input Data encoded in base64. -->\n",
        "  \t<!-- The Calculation Engine Input Data is not available. (Wrong path) -->\n",
        "  \t<!-- The Calculation Engine Input Data is not available. -->\n"};
    addFile(kEngine, "PATH-FILE-ENGINE", nullptr);

    const std::string inputPath = PathKeyword(boc, g, "PATH-FILE-TARVEX");
    std::string input;
    if (inputPath == kNotSetText) {
        s += "  \t<!-- The Tarvex Input Data is not available. -->\n";
    } else if (!ReadFileBytes(inputPath, input)) {
        s += "  \t<!-- The Tarvex Input Data is not available. (Wrong path) -->\n";
    } else {
        SendLog("+");
        // The input as the assessor's tool wrote it, so that a run taken up
        // from the package reads exactly what this run read.
        const int keyIndex = boc.Vcodid(g, "CENGINE-VAL");
        const auto& list = keys.keys();
        const std::string key =
            keyIndex >= 1 && keyIndex < static_cast<int>(list.size()) ? list[keyIndex] : "";
        s += "  \t<!-- The Tarvex Input Data encoded in base64. -->\n";
        AddDataBlob(s, inputPath, boc.inputEncoding, input, "inp");
        s += "  \t      <!-- original secure hash: " + validationNote + " -->\n";
        // Under the note's key, the same bytes as validated have the note's digest.
        const bool validated = keyIndex == kValidationNoteKeyIndex && !validatedDigest.empty() &&
                               input == validatedInput;
        s += "  \t      <!-- tarvex updated secure hash: ";
        s += validated ? validatedDigest : NCMD5().keyhash(key, input);
        s += " -->\n";
        s += "  \t</Data-Blob>\n";
    }
    s += "\t</CEPC:Unstructured-Data>\n";
    return s;
}

std::string PROJECT::XML_Report_Insurance_Details() {
    const int g = generalObject;
    static const char* const kFields[][2] = {{"C-INSURER", "CEPC:Insurer"},
                                             {"C-INS-POL-NUMBER", "CEPC:Policy-No"},
                                             {"C-INS-EFF-DATE", "CEPC:Effective-Date"},
                                             {"C-INS-EXP-DATE", "CEPC:Expiry-Date"},
                                             {"C-INS-PI-LIMIT", "CEPC:PI-Limit"}};
    // A keyword the input leaves out holds a blank: as empty as "".
    for (const auto& f : kFields)
        if (StripQuotes(boc.Vtext(g, f[0])).find_first_not_of(' ') == std::string::npos) return "";
    std::string s = "\t<CEPC:Insurance-Details>\n";
    for (const auto& f : kFields) AddElement(s, "\t\t", f[1], Escaped(boc, g, f[0]));
    s += "\t</CEPC:Insurance-Details>\n";
    return s;
}

std::string PROJECT::XML_Report_Technical_Info(bool withFuel) {
    const int e = epcObject;
    std::string s = "\t\t<Technical-Information>\n";
    if (withFuel) {
        AddElement(s, "\t\t\t", "Main-Heating-Fuel", Code(boc, e, "MAIN-FUEL-TYPE"));
        AddElement(s, "\t\t\t", "Building-Environment", Code(boc, e, "BUILDING-ENVIRONMENT"));
    }
    AddElement(s, "\t\t\t", "Floor-Area", Rounded(boc.Vnum(generalObject, "BUILDING-AREA")));
    // "Level 4" is written "4"; "Undefined" as it stands.
    const std::string level = boc.Vcod(e, "NOS-LEVEL");
    AddElement(s, "\t\t\t", "Building-Level",
               level == "Undefined" || level.size() < 6 ? XmlRaw(level) : XmlRaw(level.substr(6)));
    s += "\t\t</Technical-Information>\n";
    return s;
}

std::string PROJECT::XML_Report_AC_Questionnaire() {
    static const char kUnknownOutput[] =
        "\t\t\t<AC-Rated-Output>\n"
        "\t\t\t   <AC-Rating-Unknown-Flag>1</AC-Rating-Unknown-Flag>\n"
        "\t\t\t</AC-Rated-Output>\n";
    static const char kNotCommissioned[] =
        "\t\t\t<AC-Inspection-Commissioned>4</AC-Inspection-Commissioned>\n";
    std::string s = "\t\t<AC-Questionnaire>\n";
    if (!hasAcInspection) {
        s += "\t\t\t<AC-Present>Unknown</AC-Present>\n";
        s += kUnknownOutput;
        s += kNotCommissioned;
    } else {
        const int a = acInspection.objectIndex;
        AddElement(s, "\t\t\t", "AC-Present", Code(boc, a, "AIR-CON-INSTALLED"));
        if (boc.Vcodid(a, "AIR-CON-INSTALLED") == kAirConInstalledYes) {
            const int kw = boc.Vcodid(a, "AIR-CON-KW");
            s += "\t\t\t<AC-Rated-Output>\n";
            if (kw == kAirConExactOutput) {
                // Calc has refused an output of half a kilowatt or less.
                AddElement(s, "\t\t\t   ", "AC-kW-Rating",
                           Rounded(boc.Vnum(a, "AIR-CON-KW-EXACT")));
            } else {
                s += "\t\t\t   <AC-Rating-Unknown-Flag>1</AC-Rating-Unknown-Flag>\n";
            }
            s += "\t\t\t</AC-Rated-Output>\n";
            if (kw <= kAirConLargestBand)
                AddElement(s, "\t\t\t", "AC-Estimated-Output", std::to_string(kw));
            AddElement(s, "\t\t\t", "AC-Inspection-Commissioned",
                       std::to_string(boc.Vcodid(a, "AIR-CON-INSPECTION")));
        } else {
            s += kUnknownOutput;
            s += kNotCommissioned;
        }
    }
    s += "\t\t</AC-Questionnaire>\n";
    return s;
}

std::string PROJECT::XML_Energy_Performance_Certificate() {
    const int g = generalObject;
    const int e = epcObject;
    std::string s = "\t<CEPC:Energy-Performance-Certificate>\n";
    AddElement(s, "\t\t", "Transaction-Type", std::to_string(boc.Vcodid(e, "TRANSACTION-TYPE")));
    AddElement(s, "\t\t", "EPC-Related-Party-Disclosure",
               std::to_string(boc.Vcodid(g, "C-REL-PART-DISC")));
    s += "\t\t<EPC-Rating>\n";
    const Ratings& r = epcs.front().ratings;
    AddElement(s, "\t\t\t", "Asset-Rating", Rounded(r.asset));
    AddElement(s, "\t\t\t", "New-Build-Benchmark", Rounded(r.newBuild));
    AddElement(s, "\t\t\t", "Existing-Stock-Benchmark", Rounded(r.stock));
    AddElement(s, "\t\t\t", "SER", TwoDecimals(boc.Vnum(e, "SER")));
    AddElement(s, "\t\t\t", "BER", TwoDecimals(boc.Vnum(e, "BER")));
    AddElement(s, "\t\t\t", "TER", TwoDecimals(boc.Vnum(e, "TER")));
    AddElement(s, "\t\t\t", "TYR", TwoDecimals(boc.Vnum(e, "TYR")));
    s += "\t\t</EPC-Rating>\n";

    const std::array<double, kScaleNumbers> numbers =
        ScaleNumbers([&r](std::size_t i) { return std::round(r.limits[i]); });
    static const char* const kScaleElements[kScaleNumbers] = {
        "Upper-Number-A-Scale", "Lower-Number-B-Scale", "Upper-Number-B-Scale",
        "Lower-Number-C-Scale", "Upper-Number-C-Scale", "Lower-Number-D-Scale",
        "Upper-Number-D-Scale", "Lower-Number-E-Scale", "Upper-Number-E-Scale",
        "Lower-Number-F-Scale", "Upper-Number-F-Scale", "Lowest-Number-G-Scale"};
    s += "\t\t<EPC-Rating-Scale>\n";
    for (std::size_t n = 0; n < kScaleNumbers; ++n)
        AddElement(s, "\t\t\t", kScaleElements[n], Num(numbers[n] + 0.0));
    s += "\t\t</EPC-Rating-Scale>\n";
    s += XML_Report_Technical_Info(true);
    s += XML_Report_AC_Questionnaire();
    s += "\t</CEPC:Energy-Performance-Certificate>\n";
    return s;
}

std::string PROJECT::XML_Recommendations_Report() {
    struct Group {
        const char* comment;
        const char* element;
        RecGroup group;
    };
    const Group groups[] = {
        {"\t\t<!-- Short paybacks -->\n", "Short-Payback", kRecShort},
        {"\t\t<!-- Medium paybacks -->\n", "Medium-Payback", kRecMedium},
        {"\t\t<!-- Long paybacks -->\n", "Long-Payback", kRecLong},
        {"\t\t<!-- Other paybacks -->\n", "Other-Payback", kRecOther},
    };
    std::string s = "\t<CEPC:Recommendations-Report>\n";
    s += "\t\t<RR-Recommendations>\n";
    for (const Group& group : groups) {
        s += group.comment;
        for (const ShownRec& rec : ShownRecs(*this, group.group)) {
            const int r = rec.object;
            // A code the table does not hold leaves the text empty.
            std::string text;
            if (rec.assessorText) {
                text = Escaped(boc, r, "REC-TEXT");
            } else if (rec.code >= 1 && rec.code <= tables.nRows("sRec")) {
                text = XmlEscaped(RecTableText(*this, rec.code));
            }
            s += std::string("\t\t\t<") + group.element + ">\n";
            AddElement(s, "\t\t\t\t", "Recommendation-Code", Code(boc, r, "CODE"));
            AddElement(s, "\t\t\t\t", "Recommendation", text);
            AddElement(s, "\t\t\t\t", "CO2-Impact", Code(boc, r, "CO2-IMPACT"));
            s += std::string("\t\t\t</") + group.element + ">\n";
        }
    }
    s += "\t\t</RR-Recommendations>\n";
    s += XML_Report_Technical_Info(false);
    s += "\t</CEPC:Recommendations-Report>\n";
    return s;
}

std::string PROJECT::XML_Message(const WrittenDocument& certificate,
                                 const WrittenDocument& report) {
    // One text, reserved for the two documents' base64 and the rest, so that
    // the sections are appended without the message being copied as it grows.
    const std::size_t documents =
        certificate.fingerprint.bytes().size() + report.fingerprint.bytes().size();
    std::string m;
    m.reserve(documents / 57 * 77 + 64 * 1024);
    const auto Section = [&m](const std::string& text) {
        m += text;
        SendLog(".");
    };
    const auto Document = [this, &m](const FormattedReport& kind, const WrittenDocument& document) {
        AddFormattedReport(m, kind, boc, generalObject, document);
        SendLog(".");
    };
    const std::string now = Ahora();
    m += "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    m += "<!-- Tarvex version: ";
    m += kTarvexVersion;
    m += " End Version -->\n";
    m += "<!-- Date: ";
    m.append(now, 0, now.size() - 1);
    m += " -->\n";
    m += "<LodgeReportRequest\n";
    m += "\txmlns:CEPC=\"MERO-CEPC\"\n";
    m += "\txmlns:CS=\"MERO-CEPC/CommonStructures\"\n";
    m += "\txmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\"\n";
    m += "\txsi:noNamespaceSchemaLocation=\"https://";
    m += Code(boc, generalObject, "LANDMARK-ENVIRONMENT");
    m += ".";
    m += kRegisterSchemaDomain;
    m += "/xsd/Messages/LodgeReportRequest.xsd\"\n";
    m += ">\n";
    m += "<MessageIdentifier>\n";
    m += "   <CS:ClientID>Ostrel Lodgement Example</CS:ClientID>\n";
    m += "   <CS:TransactionID>My Transation ID</CS:TransactionID>\n";
    m += "   <CS:Timestamp>2001-12-17T09:30:47.0Z</CS:Timestamp>\n";
    m += "</MessageIdentifier>\n";
    const int type = boc.Vcodid(epcObject, "TYPE");
    if (IsJurisdiction(type, Jurisdiction::EnglandWales))
        m += "<!-- This XML message is for an EPC in England and Wales. -->\n";
    else if (IsJurisdiction(type, Jurisdiction::NorthernIreland))
        m += "<!-- This XML message is for an EPC in Northern Ireland. -->\n";

    m += "<Report>\n";
    Section(XML_Report_Header(true));
    Section(XML_Summary_Of_Performance());
    Document(kEpcReport, certificate);
    if (fromIasPackage)
        m += iasLodgementText;
    else
        Section(XML_Unstructured_Data());
    Section(XML_Report_Insurance_Details());
    Section(XML_Energy_Performance_Certificate());
    m += "</Report>\n";

    m += "<Report>\n";
    Section(XML_Report_Header(false));
    Document(kRecReport, report);
    Section(XML_Report_Insurance_Details());
    Section(XML_Recommendations_Report());
    m += "</Report>\n";

    m += "<!-- System date: ";
    m += Ahora();
    m += " -->\n";
    m += "</LodgeReportRequest>\n";
    return m;
}

namespace {

// Whether the message file at `path` was written from the input `inputFile`:
// the input data it carries names the same file. A message of ours that
// carries no input data, or anything else, belongs to no input of this run.
// The name is written as an input of `encoding` writes it, or as a
// Windows-1252 one does.
bool MessageOfInput(const std::string& path, const std::string& inputFile, TextEncoding encoding) {
    std::string bytes;
    if (ReadRegularFile(path, kMessageSizeLimit + kMessageSizeLimit / 16, bytes) != FileRead::kDone)
        return false;
    static const std::string kInputData = "<!-- The Tarvex Input Data encoded in base64. -->";
    static const std::string kOpen = "<File-Location>", kClose = "</File-Location>";
    const std::size_t data = bytes.find(kInputData);
    const std::size_t open = data == std::string::npos ? data : bytes.find(kOpen, data);
    const std::size_t close = open == std::string::npos ? open : bytes.find(kClose, open);
    if (close == std::string::npos) return false;
    const std::string location = bytes.substr(open + kOpen.size(), close - open - kOpen.size());
    if (location == XmlEscaped(inputFile) || location == XmlEscaped(inputFile, encoding))
        return true;
    // Run from another folder, the same input is named otherwise. A message
    // lies beside the input it was written from, so that input is the file
    // of the location's name in the message's folder (a location with no
    // reference in it is the path as it was given).
    if (location.find('&') != std::string::npos) return false;
    const std::size_t slash = location.find_last_of("/\\");
    const std::string name = slash == std::string::npos ? location : location.substr(slash + 1);
    const std::size_t folder = path.find_last_of("/\\");
    return SameFile(path.substr(0, folder == std::string::npos ? 0 : folder + 1) + name, inputFile);
}

}  // namespace

WrittenDocument PROJECT::XML_Report_EW(const char* inputFile, const WrittenDocument& certificate,
                                       const WrittenDocument& report) {
    const std::string reference = StripQuotes(boc.Vtext(generalObject, "RRN-EPC"));
    const auto refuseInput = [inputFile](const std::string& path) {
        if (SameFile(path, inputFile))
            StopRun("\nERROR: The input file " + std::string(inputFile) +
                    " would be overwritten by the lodgement message " + path +
                    ". Rename the input, for example to end in .inp\n");
    };
    std::string path = MessageName(inputFile, reference);
    refuseInput(path);
    SendLog("  Producing xml message ...");
    const std::string text = XML_Message(certificate, report);
    const std::string bytes =
        SealedBytes(keys.keys().at(kMessageKeyIndex), text, SealKind::EpcMessage);

    // Two inputs of one building inspected on one day share the reference
    // number. A message of another input under it is never replaced: the
    // first written keeps the name, even against a run writing at the same
    // time, and this one is named after its input, as no other input's
    // output can be.
    std::error_code ec;
    if (!std::filesystem::exists(std::filesystem::symlink_status(path, ec))) {
        const FileWriteResult placed = WriteNewFileWhole(path, bytes);
        if (placed.ok) {
            SendLog(" OK\n");
            return WrittenDocument{path, Fingerprint(), true};
        }
        if (!placed.existed) {
            // Reported as WriteMessageFile reports a message not written.
            FileWriteResult failed = placed;
            failed.opened = false;
            SendLog(" failed\n");
            ReportWriteFailure(path, failed);
            return WrittenDocument{path, Fingerprint(), false};
        }
    }
    // Anything but a regular file there (a folder, a link) is no message: it
    // is written over, or the failure said, as ever.
    if (std::filesystem::is_regular_file(std::filesystem::symlink_status(path, ec)) &&
        !MessageOfInput(path, inputFile, boc.inputEncoding)) {
        const std::string kept = path;
        path = OutputName(inputFile, "[" + reference + "]" + ending::kMessage);
        refuseInput(path);
        SendWarning("\nWARNING: " + kept + " holds the lodgement message of another input with " +
                    "the same reference number; it is kept, and this input's message is " +
                    "written as " + path + "\n");
    }
    // The run's end names a message that could not be written and ends with
    // status 1.
    if (!WriteMessageFile(path, bytes)) return WrittenDocument{path, Fingerprint(), false};
    SendLog(" OK\n");
    return WrittenDocument{path, Fingerprint(), true};
}
