// The documents are functions of the record: a record typed here, with no
// library files and no input, is all a writer needs.

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "app/codes.h"
#include "pdf/documents.h"
#include "project/rating.h"
#include "tests/pdf/pdf_check.h"
#include "tests/support/tempdir.h"

namespace {

DocumentRecord Record(Jurisdiction where) {
    DocumentRecord r;
    r.type = static_cast<int>(where);
    r.northernIreland = where == Jurisdiction::NorthernIreland;
    r.ratings.asset = 62;
    r.ratings.assetBand = "C";
    r.ratings.newBuild = 40;
    r.ratings.newBuildBand = "B";
    r.ratings.stock = 95;
    r.ratings.stockBand = "D";
    r.ratings.limits = {0, 25, 50, 75, 100, 125, 150, 1000, 1000, 1000, 1000, 1000, 1000, 1000};
    HeaderTexts& h = r.header;
    h.rrnCertificate = "1111-2222-3333-4444-5555";
    h.rrnReport = "6666-7777-8888-9999-0000";
    h.uprn = "100023336956";
    h.registrationNumber = "ABCD123456";
    h.accreditationScheme = "Hilltop Accreditation";
    h.protocolOrganisation = "Glen Assessors";
    h.address = {"Quarry Mill", "7 Weir Lane", "Otley", "LS21 1AA", "", ""};
    h.buildingArea = "1250";
    h.assessorName = "Rhian Pugh";
    h.employerName = "Pugh Energy";
    h.employerAddress = "2 Bridge Street";
    h.relatedParty = "Not related to the owner";
    h.tool = {"Survey", "v3", "ZOLM", "v9"};
    r.mainFuel = {"Natural Gas", 1};
    r.environment = {"Heating and Natural Ventilation", 1};
    r.buildingType = {"B1 Offices and Workshop businesses", 1};
    r.nosLevel = "Level 3";
    r.ber = 41.2;
    r.issueDate = "05 Feb 2024";
    r.validUntilDate = "04 Feb 2034";
    r.todayIso = "2024-02-05";
    r.buildingName = "Quarry Mill";
    r.reportRecommendations[kRecShort] = {{"Fit draught strips to the loading doors.", "HIGH"}};
    r.figures.heating = 55.5;
    r.figures.heat = {"GOOD", "POOR", "FAIR", "FAIR"};
    r.services = {{"HEATING",
                   {{"Fit draught strips to the loading doors.", "EPC-E1", "HIGH", "HIGH", "1.5",
                     "", "", "", 0, 0, 0, 0, 0}}}};
    if (where == Jurisdiction::Scotland) {
        r.ratings.assetBand = "C";
        r.scotland = ScottishFacts{};
        r.scotland->kwhPerM2 = 180;
        r.scotland->recommendations = {"Fit draught strips to the loading doors."};
    }
    return r;
}

}  // namespace

TEST(DocumentWriters, EachDocumentPrintsWhatItsRecordSays) {
    TempDir dir;
    const std::string key = "a fingerprint key";
    using Writer = std::function<WrittenDocument(const DocumentRecord&, const std::string&)>;
    struct Case {
        const char* name;
        Jurisdiction where;
        Writer write;
        std::vector<std::string> expected;
    };
    const std::vector<Case> cases = {
        {"certificate",
         Jurisdiction::EnglandWales,
         [&](const DocumentRecord& r, const std::string& p) { return WriteCertificate(r, p, key); },
         {"Quarry Mill", "LS21 1AA", "1111-2222-3333-4444-5555", "Rhian Pugh", "Pugh Energy",
          "Survey v3", "ZOLM v9", "05 Feb 2024", "04 Feb 2034", "1250"}},
        {"report",
         Jurisdiction::EnglandWales,
         [&](const DocumentRecord& r, const std::string& p) {
             return WriteRecommendationsReport(r, p, key);
         },
         {"6666-7777-8888-9999-0000", "Fit draught strips to the loading doors.", "Rhian Pugh"}},
        {"short report",
         Jurisdiction::EnglandWales,
         WriteShortReport,
         {"Quarry Mill", "55.5% of the CO2 emissions", "EPC-E1"}},
        {"Northern Ireland certificate",
         Jurisdiction::NorthernIreland,
         [&](const DocumentRecord& r, const std::string& p) { return WriteCertificate(r, p, key); },
         {"Northern Ireland", "Quarry Mill"}},
        {"Scottish certificate",
         Jurisdiction::Scotland,
         WriteScottishCertificate,
         {"Quarry Mill", "Glen Assessors", "Fit draught strips to the loading doors."}},
        {"Scottish report",
         Jurisdiction::Scotland,
         WriteScottishRecommendationsReport,
         {"Quarry Mill", "Fit draught strips to the loading doors."}},
    };
    for (const Case& c : cases) {
        const std::string path = dir.file(std::string(c.name) + ".pdf");
        const WrittenDocument written = c.write(Record(c.where), path);
        ASSERT_TRUE(written.written()) << c.name;
        EXPECT_EQ(written.path, path) << c.name;
        const std::string text = FlatText(PdfText(path));
        for (const std::string& e : c.expected)
            EXPECT_NE(text.find(e), std::string::npos) << c.name << ": " << e << "\n" << text;
    }
}
