#include "project/record.h"

#include "app/codes.h"
#include "app/encoding.h"
#include "app/textutil.h"
#include "project/project.h"

const std::array<const char*, kRenewableSources> kRenewableKeywords = {
    "KWH/M2-PVS", "KWH/M2-WIND", "KWH/M2-CHP", "KWH/M2-SES", "KWH/M2-HEAT-PUMP"};

const std::array<const char*, 10> kShortReportServices = {
    "HEATING",     "COOLING",  "HOT-WATER",      "LIGHTING",  "RENEWABLES",
    "OVERHEATING", "ENVELOPE", "FUEL-SWITCHING", "AUXILIARY", "OTHER"};

namespace {

// The CODE of a recommendation written by the assessor, whose text is its own.
constexpr int kAssessorCode = 1;

// The header texts in one encoding. Only the texts the jurisdiction's
// documents print are encoded.
HeaderTexts BuildHeader(PROJECT& p, OutputEncoding target, bool scotland) {
    const int g = p.generalObject;
    const auto plain = [&p, g, target](const char* keyword) {
        return p.OutputText(g, keyword, StripQuotes(p.boc.Vtext(g, keyword)), target);
    };
    const auto named = [&p, g, target](const char* keyword) {
        return p.OutputText(g, keyword, ResetQuotes(p.boc.Vtext(g, keyword)), target);
    };
    HeaderTexts h;
    if (!scotland) h.rrnCertificate = plain("RRN-EPC");
    h.rrnReport = plain("RRN-REC");
    static const char* const kAddress[] = {"B-ADDRESS-0", "B-ADDRESS-1", "B-ADDRESS-2",
                                           "B-ADDRESS-3", "B-ADDRESS-4", "B-ADDRESS-5"};
    for (std::size_t i = 0; i < h.address.size(); ++i) h.address[i] = named(kAddress[i]);
    h.buildingArea = p.OutputText(g, "BUILDING-AREA", p.boc.Vtext(g, "BUILDING-AREA"), target);
    h.tool = {plain("INTERFACE"), plain("INTERFACE-VERSION"), plain("CENGINE"),
              plain("CENGINE-VERSION")};
    h.uprn = plain("UPRN");
    h.registrationNumber = plain("C-REG-NUMBER");
    if (scotland)
        h.protocolOrganisation = plain("C-PROTOCOL-ORG");
    else
        h.accreditationScheme = plain("C-ACCRED-SCHEME");
    h.assessorName = named("C-NAME");
    h.employerName = named("C-EMP-TRAD-NAME");
    h.employerAddress = named("C-EMP-TRAD-ADDRESS");
    h.relatedParty = named("C-REL-PART-DISC");
    return h;
}

CodeWord Code(const BOC& boc, int object, const char* keyword) {
    return {boc.Vcod(object, keyword), boc.Vcodid(object, keyword)};
}

ServiceFigures Figures(const BOC& boc, int r) {
    ServiceFigures f;
    f.heating = boc.Vnum(r, "HEAT-PERCENT-CO2");
    f.cooling = boc.Vnum(r, "COOL-PERCENT-CO2");
    f.hotWater = boc.Vnum(r, "DHW-PERCENT-CO2");
    f.lighting = boc.Vnum(r, "LIGHT-PERCENT-CO2");
    f.chp = boc.Vnum(r, "CHP-PERCENT-CO2");
    f.auxiliary = boc.Vnum(r, "AUX-PERCENT-CO2");
    // Lighting and auxiliary are rated as a whole: they have no figures of
    // their systems to read.
    const auto performance = [&boc, r](const std::string& perf, bool systems) {
        ServiceFigures::Performance p{boc.Vcod(r, perf + "-SYSTEM-ENERGY"),
                                      boc.Vcod(r, perf + "-SYSTEM-CO2"), "", ""};
        if (systems) {
            p.energy = boc.Vcod(r, perf + "-ENERGY");
            p.co2 = boc.Vcod(r, perf + "-CO2");
        }
        return p;
    };
    f.heat = performance("PERF-HEAT", true);
    f.cool = performance("PERF-COOL", true);
    f.hotWaterPerformance = performance("PERF-DHW", true);
    f.light = performance("PERF-LIGHT", false);
    f.aux = performance("PERF-AUX", false);
    f.overheatingRisk = boc.Vcod(r, "OVERHEATING-RISK");
    return f;
}

int Flag(const BOC& boc, int o, const char* keyword) {
    return static_cast<int>(boc.Vnum(o, keyword));
}

std::vector<ShortReportService> Services(PROJECT& p) {
    const BOC& boc = p.boc;
    const auto named = [&p](int object, const char* keyword) {
        return p.OutputText(object, keyword, ResetQuotes(p.boc.Vtext(object, keyword)),
                            OutputEncoding::kUtf8);
    };
    std::vector<ShortReportService> services;
    for (const char* name : kShortReportServices) {
        ShortReportService service;
        service.name = name;
        for (const RECOMMENDATION& rec : p.recommendations) {
            const int o = rec.objectIndex;
            if (boc.Vcod(o, "CATEGORY") != name) continue;
            ShortReportRecommendation r;
            const int code = boc.Vcodid(o, "CODE");
            // Listed whatever its group: an assessor's recommendation shows
            // its own text in any.
            r.text = RecPdfText(p, {o, code, AssessorWritten(code)});
            r.code = boc.Vcod(o, "CODE");
            r.energyImpact = boc.Vcod(o, "ENERGY-IMPACT");
            r.co2Impact = boc.Vcod(o, "CO2-IMPACT");
            r.co2Saving = boc.Vcod(o, "CO2-SAVE-POUND");
            r.comment = named(o, "REC-COMMENT");
            r.source = boc.Vcodid(o, "REC-SOURCE");
            r.referenceObject = named(o, "REF-OBJECT");
            r.referenceType = boc.Vcod(o, "REF-OBJECT-TYPE");
            r.energyFlag = Flag(boc, o, "ENERGY-IMPACT-SC");
            r.co2Flag = Flag(boc, o, "CO2-IMPACT-SC");
            r.paybackFlag = Flag(boc, o, "PAY-BACK-SC");
            r.savingFlag = Flag(boc, o, "CO2-SAVE-POUND-SC");
            service.recommendations.push_back(std::move(r));
        }
        services.push_back(std::move(service));
    }
    return services;
}

ScottishFacts Scottish(PROJECT& p, int e) {
    const BOC& boc = p.boc;
    const int g = p.generalObject;
    ScottishFacts s;
    s.kwhPerM2 = boc.Vnum(e, "S-KWH-M2");
    for (std::size_t i = 0; i < s.renewables.size(); ++i)
        s.renewables[i] = boc.Vnum(e, kRenewableKeywords[i]);
    s.renewableMain = Code(boc, g, "RENEWABLE-MAIN");
    constexpr std::size_t kCertificateRecommendations = 6;
    for (std::size_t i = 0; i < p.recOrder.size() && i < kCertificateRecommendations; ++i) {
        const int o = p.recOrder[i];
        const int code = boc.Vcodid(o, "CODE");
        std::string text = code == kAssessorCode
                               ? p.OutputText(o, "REC-TEXT", ResetQuotes(boc.Vtext(o, "REC-TEXT")),
                                              OutputEncoding::kUtf8)
                               : p.tables.TValue("sRec", code, 2);
        // A code the table has no text for shows no stand-in number.
        if (text == kNotSetText) text.clear();
        s.recommendations.push_back(std::move(text));
    }
    return s;
}

}  // namespace

DocumentRecord BuildDocumentRecord(PROJECT& p, bool welsh) {
    const BOC& boc = p.boc;
    const int g = p.generalObject;
    const EPC& epc = p.epcs.front();
    const int e = epc.objectIndex;
    DocumentRecord r;
    r.type = boc.Vcodid(e, "TYPE");
    const bool scotland = IsJurisdiction(r.type, Jurisdiction::Scotland);
    r.northernIreland = IsJurisdiction(r.type, Jurisdiction::NorthernIreland);
    r.certificateBackground = epc.certBackground;
    r.ratings = epc.ratings;
    r.header = BuildHeader(p, OutputEncoding::kUtf8, scotland);
    if (welsh) r.welsh = WelshTexts{BuildHeader(p, OutputEncoding::kIso8859_14, false)};
    r.mainFuel = Code(boc, e, "MAIN-FUEL-TYPE");
    r.environment = Code(boc, e, "BUILDING-ENVIRONMENT");
    r.buildingType = Code(boc, g, "B-TYPE");
    r.nosLevel = boc.Vcod(e, "NOS-LEVEL");
    r.heritage = boc.Vcod(p.recProject.objectIndex, "ENG-HERITAGE");
    r.ber = boc.Vnum(e, "BER");
    r.issueDate = p.issueDate;
    r.validUntilDate = p.validUntilDate;
    r.todayIso = p.todayIso;
    for (int i = 0; i < kRecGroups; ++i) {
        for (const ShownRec& rec : ShownRecs(p, static_cast<RecGroup>(i)))
            r.reportRecommendations[i].push_back(
                {RecPdfText(p, rec), boc.Vcod(rec.object, "CO2-IMPACT")});
    }
    if (scotland) {
        r.scotland = Scottish(p, e);
    } else {
        r.buildingName =
            p.OutputText(g, "P-NAME", ResetQuotes(boc.Vtext(g, "P-NAME")), OutputEncoding::kUtf8);
        const int rp = p.recProject.objectIndex;
        r.figures = Figures(boc, rp);
        r.hotWaterFromHvac = boc.Vnum(rp, "DHW-PERCENT-CO2") == 0;
        r.services = Services(p);
    }
    return r;
}

void WriteBackDocuments(PROJECT& p, const DocumentRecord& record,
                        const WrittenDocument* certificate, const WrittenDocument* report,
                        const WrittenDocument* shortReport) {
    const int g = p.generalObject;
    // The message must not carry a document an earlier run left there.
    const auto path = [](const WrittenDocument& d) {
        return d.written() ? d.path : std::string(kNotSetText);
    };
    if (certificate != nullptr) p.boc.ModKey(g, "PATH-FILE-EPCPDF", path(*certificate));
    if (report != nullptr) p.boc.ModKey(g, "PATH-FILE-RECPDF", path(*report));
    if (shortReport != nullptr && shortReport->written()) {
        p.boc.ModKey(g, "REC-REP-TITLE", "Building Recommendation Report");
        p.boc.ModKey(g, "REC-REP-REFERENCE", "Insert Unique Reference here");
        p.boc.ModKey(g, "REC-REP-DATE", record.todayIso);
    }
}
