#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "app/encoding.h"
#include "app/xml_text.h"
#include "project/rating.h"
#include "project/recommendations.h"

class PROJECT;

// What the lodgement message and the IAS package say, gathered once after
// the checks, the ratings and the documents, and not changed after: their
// writers (reports/xml_message.h, reports/ias_package.h) are functions of it
// and read nothing else of the run. Every text in it is as the message
// carries it (XmlText): an input text has passed the message's encoding
// function once, here, in the input's encoding; a code word is the library's,
// escaped all the same. Numbers are as the engine and the ratings left them.

// The energy assessor, as each report's header names them.
struct MessageAssessor {
    XmlText certificateNumber;  // C-REG-NUMBER
    XmlText name;               // C-NAME
    XmlText scheme;             // C-ACCRED-SCHEME
    XmlText tradingAddress;     // C-EMP-TRAD-ADDRESS
    XmlText companyName;        // C-EMP-TRAD-NAME
    XmlText qualifications;     // C-QUALIFICATIONS word
};

struct MessageProperty {
    XmlText location;  // B-LOC-DESCRIPTION
    XmlText uprn;
    // B-ADDRESS-0 to B-ADDRESS-5: four lines, the post town and the postcode.
    std::array<XmlText, 6> address;
    XmlText type;           // B-TYPE word
    XmlText owner;          // O-NAME
    bool heritage = false;  // ENG-HERITAGE of the recommendation project is YES
};

// An activity's share of a building or a system: its ID and its area.
struct MessageActivity {
    double id = 0, area = 0;
};

// The figures of a building's global performance, kWh per m2 a year, in the
// order the message states them: its element and the keyword it comes from.
struct PerformanceFigure {
    const char* element;
    const char* keyword;
};
inline constexpr std::size_t kPerformanceFigures = 23;
extern const std::array<PerformanceFigure, kPerformanceFigures> kGlobalPerformance;

struct MessageHvac {
    double area = 0;
    XmlText type;        // TYPE word
    XmlText heatSource;  // HEAT-SOURCE word; a heat pump is named by its source alone
    XmlText fuel;        // FUEL-TYPE word
    double heatingDemand = 0, coolingDemand = 0;        // MJ per m2
    double heating = 0, cooling = 0, auxiliary = 0;     // kWh per m2
    double heatingSseff = 0, coolingSseer = 0;          // HEAT-SSEFF, COOL-SSEER
    double heatingGenerator = 0, coolingGenerator = 0;  // HEAT-GEN-SEFF, COOL-GEN-SEER
    std::vector<MessageActivity> activities;
};

struct MessageBuilding {
    XmlText analysis, weather;  // ANALYSIS, WEATHER words
    double area = 0, areaExterior = 0, q50 = 0;
    double wk = 0, wm2k = 0, alpha = 0;  // BUILDING-W/K, BUILDING-W/M2K, BUILDING-ALPHA
    std::vector<MessageActivity> activities;
    std::array<double, kPerformanceFigures> performance{};  // as kGlobalPerformance
    std::vector<MessageHvac> hvacSystems;
};

// The five details of the assessor's insurance, stated only when all are given.
struct MessageInsurance {
    XmlText insurer, policy, effective, expiry, limit;
};

// The answers about air conditioning.
struct AirConditioningAnswers {
    bool asked = false;      // the input has an AIR-CONDITIONING object
    XmlText installedWord;   // AIR-CON-INSTALLED
    bool installed = false;  // ... is Yes
    int output = 0;          // AIR-CON-KW code number: a band, or kAirConExactOutput
    double exactOutput = 0;  // AIR-CON-KW-EXACT, kW
    int inspection = 0;      // AIR-CON-INSPECTION code number
};

// A recommendation of the recommendations report, in its group's order.
struct MessageRecommendation {
    XmlText code;  // CODE word
    XmlText text;  // the assessor's or the table's; empty for a code with no text
    XmlText co2Impact;
};

// A file the unstructured data carries, read when the record was built.
struct EmbeddedFile {
    bool named = false;    // the input names it
    bool carried = false;  // it was read; otherwise the message says the path is wrong
    // For a file named but refused (a folder, a file outside the input's
    // folder ...): the warning the run log gives as the message is written.
    std::string refusal;
    XmlText location;   // as the message names it
    std::string bytes;  // as read
};

// The unstructured data of a run: the files the input came from.
struct UnstructuredData {
    // The interface's and the engine's files go gzip-compressed, under their
    // names with ".zip" added (no such file is made).
    bool compress = false;
    EmbeddedFile interfaceInput, engineInput;
    EmbeddedFile input;  // the input itself
    // What the validation noted of the input (its digest and whether it was
    // validated), and the digest of the input carried under its engine's key.
    std::string validationNote, inputDigest;
};

struct MessageRecord {
    int type = 0;  // the EPC object's TYPE code number (app/codes.h)
    // RRN-EPC as the message file is named after it: quotes dropped, not escaped.
    std::string reference;
    TextEncoding inputEncoding = TextEncoding::kWindows1252;
    std::string landmarkEnvironment;  // LANDMARK-ENVIRONMENT word, escaped where written

    // The reports' headers.
    XmlText rrnCertificate, rrnReport;  // RRN-EPC, RRN-REC as typed
    std::string todayIso, validUntilIso;
    XmlText inspectionDate;  // XML-INSP-DATE
    int language = 0;        // EPC-LANGUAGE code number
    MessageAssessor assessor;
    XmlText nosLevel;  // NOS-LEVEL word
    MessageProperty property;
    std::string methodology;  // "ZOLM", or "DSM" for any other engine
    // SOFT-COMP-NAME, INTERFACE, INTERFACE-VERSION, CENGINE and
    // CENGINE-VERSION, each escaped, joined by ", ".
    XmlText calculationTool;

    std::vector<MessageBuilding> buildings;
    std::optional<MessageInsurance> insurance;

    // The certificate's data.
    int transactionType = 0;  // TRANSACTION-TYPE code number
    int relatedParty = 0;     // C-REL-PART-DISC code number
    Ratings ratings;
    double ser = 0, ber = 0, ter = 0, tyr = 0;
    XmlText mainFuel, environment;  // MAIN-FUEL-TYPE, BUILDING-ENVIRONMENT words
    double floorArea = 0;           // BUILDING-AREA
    XmlText buildingLevel;          // NOS-LEVEL's number ("Level 4" is "4"), or "Undefined"
    AirConditioningAnswers airConditioning;
    // The recommendations report's groups (RecGroup), each cut to its cap.
    std::array<std::vector<MessageRecommendation>, kRecGroups> recommendations;

    // Where the input came from. A run taken up from an IAS package carries
    // the package's unstructured data as it stands; any other run carries
    // its own.
    bool fromIasPackage = false;
    std::string packageData;
    UnstructuredData data;
};

// Builds the record of a run of England, Wales or Northern Ireland whose
// checks, ratings and documents are done and whose recommendations are
// ordered. Reads the files the unstructured data carries (none for a run
// taken up from a package); logs nothing.
MessageRecord BuildMessageRecord(PROJECT& p);
