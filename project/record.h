#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "project/rating.h"
#include "project/recommendations.h"
#include "project/written.h"

class PROJECT;

// What the documents say, gathered once after the checks and ratings and not
// changed after: the writers in pdf/ are functions of it and read nothing
// else of the run. Input texts in it have passed the encoding function
// (PROJECT::OutputText) already, once each, into the encoding named beside
// them; code words and numbers are as the library and the checks left them.

// The interface and engine that made the input, each part as typed.
struct ToolUsed {
    std::string interface, interfaceVersion, engine, engineVersion;
};

// The typed texts that head the certificates and reports: the building,
// the assessor, the reference numbers. Quotes are dropped from the numbers
// and reset in the names (ResetQuotes), as each is printed.
struct HeaderTexts {
    std::string rrnCertificate;  // RRN-EPC
    std::string rrnReport;       // RRN-REC
    std::string uprn;
    std::string registrationNumber;      // C-REG-NUMBER
    std::string accreditationScheme;     // C-ACCRED-SCHEME (not Scotland)
    std::string protocolOrganisation;    // C-PROTOCOL-ORG (Scotland only)
    std::array<std::string, 6> address;  // B-ADDRESS-0 to B-ADDRESS-5
    std::string buildingArea;            // BUILDING-AREA as typed
    std::string assessorName;            // C-NAME
    std::string employerName;            // C-EMP-TRAD-NAME
    std::string employerAddress;         // C-EMP-TRAD-ADDRESS
    std::string relatedParty;            // C-REL-PART-DISC
    ToolUsed tool;
};

// A code keyword: its word (as the library spells it) and its number.
struct CodeWord {
    std::string word;
    int number = 0;
};

// A recommendation the recommendations report shows, in its group's order.
struct ReportRecommendation {
    std::string text;    // UTF-8
    std::string impact;  // CO2-IMPACT: "HIGH", "MEDIUM" or "LOW"
};

// One candidate recommendation as the short report lists it.
struct ShortReportRecommendation {
    std::string text;  // UTF-8
    std::string code, energyImpact, co2Impact, co2Saving;
    std::string comment;          // REC-COMMENT, UTF-8
    std::string referenceObject;  // REF-OBJECT, UTF-8
    std::string referenceType;    // REF-OBJECT-TYPE
    int source = 0;               // REC-SOURCE
    // Whether the assessor gave each value (1) or the calculation did.
    int energyFlag = 0, co2Flag = 0, paybackFlag = 0, savingFlag = 0;
};

// A service of the short report: its figures and its recommendations.
struct ShortReportService {
    std::string name;  // the CATEGORY word: "HEATING" ...
    std::vector<ShortReportRecommendation> recommendations;
};

// The recommendation project's figures the short report states.
struct ServiceFigures {
    // Shares of the CO2 emissions, percent.
    double heating = 0, cooling = 0, hotWater = 0, lighting = 0, chp = 0, auxiliary = 0;
    // PERF-<service>-SYSTEM-ENERGY, -SYSTEM-CO2, -ENERGY, -CO2 words, by
    // service: HEAT, COOL, DHW, LIGHT, AUX.
    struct Performance {
        std::string systemEnergy, systemCo2, energy, co2;
    };
    Performance heat, cool, hotWaterPerformance, light, aux;
    std::string overheatingRisk;
};

// The renewable sources of the Scottish certificate, in the order they are
// considered, and the keyword of each source's contribution (kWh per m2 a year).
inline constexpr int kRenewableSources = 5;
using RenewableValues = std::array<double, kRenewableSources>;
extern const std::array<const char*, kRenewableSources> kRenewableKeywords;

// The Scottish certificate's own facts.
struct ScottishFacts {
    double kwhPerM2 = 0;  // S-KWH-M2
    // The renewable sources' figures, in the order of kRenewableKeywords.
    RenewableValues renewables{};
    CodeWord renewableMain;
    // The first six recommendations in the certificate's order, UTF-8; a
    // code the table has no text for is empty.
    std::vector<std::string> recommendations;
};

// The Welsh certificate's texts, ISO 8859-14; present when it is written.
struct WelshTexts {
    HeaderTexts header;
};

struct DocumentRecord {
    int type = 0;  // the EPC object's TYPE code number (app/codes.h)
    bool northernIreland = false;
    std::string certificateBackground;  // watermark text of the pages
    Ratings ratings;
    HeaderTexts header;  // UTF-8
    CodeWord mainFuel, environment, buildingType;
    std::string nosLevel;  // NOS-LEVEL word
    std::string heritage;  // ENG-HERITAGE word of the recommendation project
    double ber = 0;        // BER as the engine gave it
    std::string issueDate, validUntilDate, todayIso;
    std::string buildingName;  // P-NAME, UTF-8
    // The recommendations report's groups (RecGroup), each cut to its cap.
    std::array<std::vector<ReportRecommendation>, kRecGroups> reportRecommendations;
    // The short report: its figures and every candidate by service.
    ServiceFigures figures;
    bool hotWaterFromHvac = false;  // DHW-PERCENT-CO2 is 0
    std::vector<ShortReportService> services;
    std::optional<ScottishFacts> scotland;
    std::optional<WelshTexts> welsh;
};

// The services of the short report, in its order.
extern const std::array<const char*, 10> kShortReportServices;

// Builds the record of a run whose checks and ratings are done and whose
// recommendations are ordered. `welsh`: the Welsh certificate is written,
// so its texts are encoded too (a text is encoded only for a document that
// prints it, so that the run log names only real losses).
DocumentRecord BuildDocumentRecord(PROJECT& p, bool welsh);

// What later stages and a stored input read of the documents written, put
// back in the value table in one place: PATH-FILE-EPCPDF and
// PATH-FILE-RECPDF name the certificate and the report ("-5555" for one not
// written), and a written short report sets REC-REP-TITLE,
// REC-REP-REFERENCE and REC-REP-DATE. A document not to be written is
// nullptr and leaves its keywords alone.
void WriteBackDocuments(PROJECT& p, const DocumentRecord& record,
                        const WrittenDocument* certificate, const WrittenDocument* report,
                        const WrittenDocument* shortReport);
