// The recommendation reports of a whole project: what the gatherers take
// from an input read with the shipped library.
#include <gtest/gtest.h>

#include <ctime>

#include "app/clock.h"
#include "library/ncmd5.h"
#include "pdf/documents.h"
#include "project/project.h"
#include "tests/pdf/pdf_check.h"
#include "tests/project/project_fixture.h"
#include "tests/support/process.h"

namespace {

bool Has(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

struct Rec {
    std::string name, code, source, payback, text, impact = "LOW", category = "HEATING";
};

std::string Objects(const std::vector<Rec>& recs) {
    std::string s;
    for (const Rec& r : recs) {
        s += "\"" + r.name + "\" = RECOMMENDATION\n   CODE = " + r.code +
             "\n   CATEGORY = " + r.category + "\n   REC-SOURCE = " + r.source +
             "\n   PAY-BACK-NUM = " + r.payback + "\n   CO2-IMPACT = " + r.impact + "\n";
        if (!r.text.empty()) s += "   REC-TEXT = \"" + r.text + "\"\n";
        s += "   ..\n";
    }
    return s;
}

// Runs the reports of a project and answers the flattened text of the
// recommendations report.
struct Reports {
    explicit Reports(const BuildingInput& input) : run(input) {
        PROJECT& p = run.project();
        p.fDates();
        p.Calc();
        p.fREC_Report();
        rec = run.dir().file("building[rec].pdf");
        srec = run.dir().file("building[srec].pdf");
        const DocumentRecord record = run.record();
        report = WriteRecommendationsReport(record, rec, run.fingerprintKey());
        shortReport = WriteShortReport(record, srec);
        WriteBackDocuments(p, record, nullptr, &report, &shortReport);
        if (FileExists(rec)) recText = FlatText(PdfText(rec));
        if (FileExists(srec)) srecText = FlatText(PdfText(srec));
    }
    ProjectRun run;
    std::string rec, srec, recText, srecText;
    WrittenDocument report;
    WrittenDocument shortReport;
};

// Sixteen short-payback recommendations: the fifteen with the shortest
// payback are printed, in order, the sixteenth is not.
TEST(RecProject, SixteenShortRecommendationsPrintFifteen) {
    std::vector<Rec> recs;
    // Codes 2 to 17 have sixteen different texts; the paybacks run backwards.
    for (int i = 0; i < 16; ++i)
        recs.push_back({"R" + std::to_string(i), "", "CALC-IN", std::to_string(2.9 - 0.1 * i), ""});
    ProjectRun shipped{BuildingInput()};  // the shipped tables, for the code words
    const PROJECTTables& tables = shipped.project().tables;
    for (int i = 0; i < 16; ++i) recs[i].code = tables.TValue("sRec", i + 2, 1);
    BuildingInput withRecs;
    Reports reports(withRecs.Append(Objects(recs)));
    ASSERT_TRUE(FileExists(reports.rec));
    std::size_t last = 0;
    // In ascending payback: the last object first.
    for (int i = 15; i >= 0; --i) {
        const std::string text = FlatText(tables.TValue("sRec", i + 2, 2));
        const std::size_t at = reports.recText.find(text);
        if (i == 0) {
            EXPECT_EQ(at, std::string::npos) << "the sixteenth is printed: " << text;
            continue;
        }
        ASSERT_NE(at, std::string::npos) << text;
        EXPECT_GT(at, last) << text;
        last = at;
    }
    EXPECT_TRUE(Has(reports.recText, "No recommendations of medium term payback"));
}

// The other group: the assessor's own text for code USER, the table's text
// for any other code; the carbon impact beside each.
TEST(RecProject, OtherGroupPrintsTheAssessorsOwnTexts) {
    BuildingInput input;
    input.Set("Rec project", "ENG-HERITAGE", "YES");
    Reports r(input.Append(Objects({
        {"Own", "USER", "USER-IN", "4", "Fit a heat meter to the canteen &amp; kitchen", "HIGH"},
        {"Coded", "EPC-X1", "USER-IN", "2", "Never printed", "MEDIUM"},
        {"Negative", "EPC-X2", "CALC-IN", "-1", "", "LOW"},
    })));
    const PROJECTTables& tables = r.run.project().tables;
    const std::string other = r.recText.substr(r.recText.find("d) Other recommendations"));
    EXPECT_TRUE(Has(other, FlatText(tables.TValue("sRec", 30, 2)) + " MEDIUM")) << other;
    EXPECT_TRUE(Has(other, "Fit a heat meter to the canteen & kitchen HIGH")) << other;
    EXPECT_TRUE(Has(other, FlatText(tables.TValue("sRec", 31, 2)) + " LOW")) << other;
    EXPECT_FALSE(Has(r.recText, "Never printed"));
    EXPECT_TRUE(Has(r.recText, "No recommendations of short term payback have been identified"));
    EXPECT_TRUE(Has(r.recText, "one of special architectural or historical interest"));
    // The short report lists every one of them under its category.
    EXPECT_TRUE(Has(r.srecText, "Fit a heat meter to the canteen & kitchen Code: USER"));
    EXPECT_TRUE(Has(r.srecText, "There are no recommendations for COOLING"));
}

// What the run keeps for the lodgement message: the report's name and
// fingerprint, and the short report's keywords.
TEST(RecProject, KeepsTheNameFingerprintAndReportKeywords) {
    BuildingInput input;
    input.Set("EPC", "TYPE", "Northern Ireland");
    Reports r(input);
    PROJECT& p = r.run.project();
    ASSERT_TRUE(FileExists(r.rec));
    ASSERT_TRUE(FileExists(r.srec));
    EXPECT_TRUE(r.report.written());
    EXPECT_TRUE(r.shortReport.written());
    EXPECT_EQ(r.shortReport.path, r.srec);
    EXPECT_EQ(r.run.boc().Vtext(r.run.general(), "PATH-FILE-RECPDF"), r.rec);
    const std::string bytes = ReadFileBytes(r.rec);
    EXPECT_EQ(r.report.path, r.rec);
    EXPECT_EQ(r.report.content.fingerprint(),
              NCMD5().hash(p.keys.keys().at(kFingerprintKeyIndex),
                           reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size()));
    EXPECT_EQ(r.run.boc().Vtext(r.run.general(), "REC-REP-TITLE"),
              "Building Recommendation Report");
    EXPECT_EQ(r.run.boc().Vtext(r.run.general(), "REC-REP-REFERENCE"),
              "Insert Unique Reference here");
    EXPECT_EQ(r.run.boc().Vtext(r.run.general(), "REC-REP-DATE"), p.todayIso);
    EXPECT_TRUE(Has(r.recText, "Statutory Rule 2008 No.170"));
    EXPECT_TRUE(Has(r.recText, "Building Type(s): B1 Offices and Workshop businesses"));
    EXPECT_TRUE(Has(r.srecText, "Building name Test House"));
    EXPECT_EQ(PdfInfoField(r.rec, "Subject"), "ABCD123456");
}

// Scotland: written from an input that names no certificate reference
// number and no accreditation scheme, with the Scottish name of the building
// type; the report's name is not kept for a lodgement message.
TEST(RecProject, ScotlandWritesItsReportWithoutTheEnglishKeywords) {
    BuildingInput input;
    input.Set("EPC", "TYPE", "Scotland")
        .Set("General", "C-PROTOCOL-ORG", "\"Caledonian Energy Assessors\"")
        .Set("General", "B-TYPE", "D1 Non-residential Inst.: Libraries Museums and Galleries");
    ProjectRun run(
        input.Append(Objects({{"Own", "USER", "USER-IN", "4", "Lag the tank", "HIGH"}})));
    PROJECT& p = run.project();
    p.fDates();
    p.Calc_Scotland();
    p.fREC_Report();
    const std::string before = run.boc().Vtext(run.general(), "PATH-FILE-RECPDF");
    const std::string rec = run.dir().file("building[rec].pdf");
    const WrittenDocument written = WriteScottishRecommendationsReport(run.record(), rec);
    ASSERT_TRUE(FileExists(rec));
    EXPECT_TRUE(written.written());
    EXPECT_EQ(written.path, rec);
    EXPECT_EQ(RunTool("qpdf", {"--check", rec}).exitCode, 0);
    EXPECT_EQ(run.boc().Vtext(run.general(), "PATH-FILE-RECPDF"), before);
    const std::string text = FlatText(PdfText(rec));
    EXPECT_TRUE(Has(text, "Recommendation Report Scotland"));
    EXPECT_TRUE(
        Has(text, "Building Type(s): Non-residential Inst.: Libraries, Museums, and Galleries"))
        << text;
    EXPECT_TRUE(Has(text, "Protocol Organisation: Caledonian Energy Assessors"));
    EXPECT_TRUE(Has(text, "Lag the tank HIGH"));
    EXPECT_FALSE(Has(text, "Accreditation"));
}

}  // namespace
