// Runs of the Scottish example: the results file, then the one-page
// certificate, and the run that cannot write it.

#include <gtest/gtest.h>

#include <filesystem>

#include "tests/pdf/pdf_check.h"
#include "tests/support/example_runs.h"

namespace {

const std::string kSchool = "scotland-school";

bool Has(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

bool EndsWith(const std::string& text, const std::string& tail) {
    return text.size() >= tail.size() &&
           text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

std::string Certificate(const TempDir& dir) {
    return dir.file(kSchool + "[epc].pdf");
}

TEST(ScotlandRun, WritesTheOnePageCertificate) {
    TempDir dir;
    CopyExample(dir, kSchool);
    const ProcessResult r = RunInput(dir, kSchool);
    ASSERT_EQ(r.exitCode, 0) << r.out;
    EXPECT_TRUE(EndsWith(r.out, "\nOK\n")) << r.out;
    EXPECT_TRUE(FileExists(dir.file(kSchool + ".csv")));

    const std::string pdf = Certificate(dir);
    ASSERT_TRUE(FileExists(pdf));
    const ProcessResult check = RunTool("qpdf", {"--check", pdf});
    EXPECT_EQ(check.exitCode, 0) << check.out << check.err;
    EXPECT_EQ(RunTool("qpdf", {"--requires-password", pdf}).exitCode, 3);
    const std::string encrypt = RunTool("qpdf", {"--json", "--json-key=encrypt", pdf}).out;
    for (const char* expected : {"\"R\": 3", "\"bits\": 128", "\"printlow\": true",
                                 "\"extract\": false", "\"modify\": false"}) {
        EXPECT_TRUE(Has(encrypt, expected)) << expected << "\n" << encrypt;
    }
    EXPECT_EQ(PdfInfoField(pdf, "Pages"), "1");
    EXPECT_EQ(PdfInfoField(pdf, "Title"), "Building Energy Performance Certificate. Asset Rating.");
    EXPECT_EQ(PdfInfoField(pdf, "Keywords"), "Energy Performance Certificate");
    EXPECT_EQ(PdfInfoField(pdf, "Subject"), "CEAS201877");
    EXPECT_EQ(PdfInfoField(pdf, "Creator"), "Tarvex");

    // The school's figures as the results file has them: BER 37.46, TER 30.5,
    // PER 28.6 and 212.4 kWh/m2; the assessor's recommendation and the
    // engine's, in the order of the certificate.
    const std::string text = PdfText(pdf);
    for (const char* expected : {
             "\nBuilding Energy Performance Scotland\n",
             "\nThistle Energy Desk v5.1.2 [DSM-C]\n",
             "\nNon-residential Inst.:\nEducation\n",
             "\nCarbon Neutral\nA (0 to 15)\nB (16 to 30)\nC (31 to 45)\nD (46 to 60)\n"
             "E (61 to 80)\nF (81 to 100)\nG (100+)\nC+\n",
             "\nof floor area per year\n37\n",
             "\nof floor area: 212 kWh/m\n",
             "\nMain heating fuel: Natural Gas Building Services: Heating with Nat. Vent.\n",
             "\nRenewable energy source: Photovoltaics Electricity: Grid supplied\n",
             "would have a rating: 31 C+\n",
             "would have a rating: 29 B\n",
             "\n2. Give the janitor a weekly checklist for the heating time\nclocks and "
             "thermostat settings.\n",
             "\n3. Add zone controls and thermostatic radiator valves",
             "\n4. Insulate the external walls",
             "\nAddress: Glenmorven Primary School, 3 Craigie Brae, Craigie, Perth, PH2 9QN\n",
             "\nName of protocol organisation: Caledonian Energy Assessors Scheme, [CEAS201877]\n",
             "This is not a valid certificate",
         }) {
        EXPECT_TRUE(Has(text, expected)) << expected << "\n---\n" << text;
    }
    for (const char* absent : {"England", "Wales", "Northern Ireland", "Government", "Net zero",
                               "Reference Number", "5. "}) {
        EXPECT_FALSE(Has(text, absent)) << absent;
    }
}

// The example names neither report reference numbers nor, here, an
// accreditation scheme: Scotland needs neither for its certificate.
TEST(ScotlandRun, CertificateWithoutReferenceNumberOrScheme) {
    TempDir dir;
    const std::string input = ExampleInput(kSchool);
    ASSERT_FALSE(Has(input, "RRN-EPC"));
    const std::string scheme =
        "   C-ACCRED-SCHEME                = \"Caledonian Energy Assessors Scheme\"\n";
    WriteFileBytes(dir.file(kSchool + ".inp"), Edited(input, {{scheme, ""}}));
    const ProcessResult r = RunInput(dir, kSchool);
    EXPECT_EQ(r.exitCode, 0) << r.out;
    const std::string pdf = Certificate(dir);
    ASSERT_TRUE(FileExists(pdf));
    EXPECT_EQ(RunTool("qpdf", {"--check", pdf}).exitCode, 0);
    EXPECT_TRUE(Has(PdfText(pdf), "would have a rating: 29 B\n"));
}

// A rate marked as not provided (-7777) has no figure and no band on the
// certificate, only a black arrow marked "??"; the results file keeps it.
TEST(ScotlandRun, RatesNotProvidedShowNoFigure) {
    TempDir dir;
    std::string input = ExampleInput(kSchool);
    for (const char* keyword : {"   BER ", "   TER "}) {
        const std::size_t at = input.find(std::string("\n") + keyword);
        ASSERT_NE(at, std::string::npos) << keyword;
        const std::size_t equals = input.find('=', at);
        const std::size_t end = input.find('\n', equals);
        input.replace(equals, end - equals, "= -7777");
    }
    WriteFileBytes(dir.file(kSchool + ".inp"), input);
    const ProcessResult r = RunInput(dir, kSchool);
    EXPECT_EQ(r.exitCode, 0) << r.out;
    const std::string text = PdfText(Certificate(dir));
    EXPECT_FALSE(Has(text, "7777")) << text;
    EXPECT_TRUE(Has(text, "??")) << text;
    EXPECT_TRUE(
        Has(ReadFileBytes(dir.file(kSchool + ".csv")), "Building Emission Rate (BER),-7777,"));
}

// The certificate's name is taken by a folder: the run writes its results
// file, then stops with the message, no "OK" and nothing half written.
TEST(ScotlandRun, CertificateThatCannotBeWrittenStopsTheRun) {
    TempDir dir;
    CopyExample(dir, kSchool);
    std::filesystem::create_directories(Certificate(dir));
    const ProcessResult r = RunInput(dir, kSchool);
    EXPECT_EQ(r.exitCode, 1);
    const std::string message =
        "\nUnable to create PDF file because it is already open. Please, close all relevant PDF "
        "files related to this project and run the calculation again\n\n";
    EXPECT_TRUE(EndsWith(r.out, message)) << r.out;
    EXPECT_FALSE(Has(r.out, "\nOK\n")) << r.out;
    EXPECT_TRUE(std::filesystem::is_empty(Certificate(dir)));
    EXPECT_TRUE(FileExists(dir.file(kSchool + ".csv")));
    for (const auto& e : std::filesystem::directory_iterator(dir.path()))
        EXPECT_EQ(e.path().filename().string().find(".tmp"), std::string::npos) << e.path();
    EXPECT_TRUE(Has(RunLog(dir), "Unable to create PDF file"));
}

}  // namespace
