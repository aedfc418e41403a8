// Each shipped example runs to its end and writes the results file that was
// reviewed line by line against the rating and report rules.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "tests/pdf/pdf_check.h"
#include "tests/support/example_runs.h"

namespace {

bool EndsWith(const std::string& text, const std::string& tail) {
    return text.size() >= tail.size() &&
           text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

// The quoted value of `keyword` as the example writes it; empty when the
// example does not give it.
std::string ExampleValue(const std::string& input, const std::string& keyword) {
    std::string padded = keyword;
    padded.resize(std::max<std::size_t>(30, keyword.size()), ' ');
    const std::string start = "\n   " + padded + " = \"";
    const std::size_t at = input.find(start);
    if (at == std::string::npos) return "";
    const std::size_t from = at + start.size();
    return input.substr(from, input.find('"', from) - from);
}

std::string ExpectedResults(const std::string& name) {
    return ReadFileBytes(std::string(TARVEX_SOURCE_DIR) + "/tests/runs/expected/" + name + ".csv");
}

class ExampleRun : public ::testing::TestWithParam<std::string> {};

TEST_P(ExampleRun, EndsOkValidatedAndWritesTheReviewedResults) {
    const std::string name = GetParam();
    TempDir dir;
    CopyExample(dir, name);

    const ProcessResult r = RunInput(dir, name);

    EXPECT_EQ(r.exitCode, 0) << r.out;
    EXPECT_TRUE(EndsWith(r.out, "\nOK\n")) << r.out;
    const std::string log = RunLog(dir);
    EXPECT_NE(log.find("\nInput file validated? YES"), std::string::npos) << log;
    EXPECT_TRUE(EndsWith(log, "\nOK\n")) << log;

    // The examples are clean inputs: nothing for the assessor to correct.
    const std::string report = ReadFileBytes(dir.file(name + ".err"));
    EXPECT_NE(report.find("Number of errors:    0\n"), std::string::npos) << report;
    EXPECT_NE(report.find("Number of warnings:  0\n"), std::string::npos) << report;
    EXPECT_NE(report.find("Number of cwarnings: 0\n"), std::string::npos) << report;

    const std::string expected = ExpectedResults(name);
    ASSERT_FALSE(expected.empty()) << "no expected results for " << name;
    const std::string actual = ReadFileBytes(dir.file(name + ".csv"));
    EXPECT_TRUE(actual == expected) << name << ".csv: " << FirstDifference(expected, actual);

    // Every certificate prints the postcode line, and the results file the
    // postcode keyword.
    const std::string input = ExampleInput(name);
    const std::string postcode = ExampleValue(input, "B-ADDRESS-5");
    EXPECT_FALSE(postcode.empty()) << name << " gives no postcode line";
    EXPECT_EQ(ExampleValue(input, "B-POSTCODE"), postcode) << name;
    const std::string certificate = PdfText(dir.file(name + "[epc].pdf"));
    EXPECT_NE(certificate.find(postcode), std::string::npos) << name << "\n" << certificate;

    // England, Wales and Northern Ireland: the certificate and both
    // recommendation reports, whole and protected; Scotland: its report.
    const bool scotland = name.rfind("scotland", 0) == 0;
    const std::vector<std::string> documents =
        scotland ? std::vector<std::string>{"[rec].pdf"}
                 : std::vector<std::string>{"[epc].pdf", "[rec].pdf", "[srec].pdf"};
    for (const std::string& ending : documents) {
        const std::string pdf = dir.file(name + ending);
        ASSERT_TRUE(FileExists(pdf)) << pdf;
        EXPECT_EQ(RunTool("qpdf", {"--check", pdf}).exitCode, 0) << pdf;
        EXPECT_EQ(ProtectionProblems(pdf), "") << pdf;
    }
}

// An input named without an extension gets each ending appended.
TEST(ExampleRunNames, InputWithoutExtensionGetsEndingsAppended) {
    TempDir dir;
    CopyExample(dir, "england-office");
    WriteFileBytes(dir.file("shop"), ReadFileBytes(dir.file("england-office.inp")));
    WriteFileBytes(dir.file("shop_inpkey.txt"),
                   ReadFileBytes(dir.file("england-office_inpkey.txt")));
    const ProcessResult r = RunTarvex({"/F", "shop"}, dir.path());
    EXPECT_EQ(r.exitCode, 0) << r.out;
    for (const char* output :
         {"shop.csv", "shop.bdl", "shop.err", "shop[epc].pdf", "shop[rec].pdf", "shop[srec].pdf"}) {
        EXPECT_TRUE(FileExists(dir.file(output))) << output;
    }
    for (const char* hidden : {".csv", ".bdl", ".err", "[epc].pdf", "[rec].pdf", "[srec].pdf"}) {
        EXPECT_FALSE(FileExists(dir.file(hidden))) << hidden;
    }
}

// The examples that lodge: wales-library writes the lodgement message, which
// /V accepts; ni-shop writes the IAS package, whose input /A runs in a folder
// of its own.
TEST(ExampleRunMessages, TheMessageVerifiesAndThePackageRunsUnderModeA) {
    TempDir dir;
    CopyExample(dir, "wales-library");
    ASSERT_EQ(RunInput(dir, "wales-library").exitCode, 0);
    std::string message;
    for (const auto& e : std::filesystem::directory_iterator(dir.path()))
        if (e.path().extension() == ".xml") message = e.path().filename().string();
    ASSERT_FALSE(message.empty());
    const ProcessResult v = RunTarvex({"/V", message}, dir.path());
    EXPECT_NE(v.out.find("\n  Validation OK...\n"), std::string::npos) << v.out;

    CopyExample(dir, "ni-shop");
    ASSERT_EQ(RunInput(dir, "ni-shop").exitCode, 0);
    EXPECT_TRUE(FileExists(dir.file("ni-shop.zas")));
    TempDir taken;
    WriteFileBytes(taken.file("ni-shop.ias"), ReadFileBytes(dir.file("ni-shop.ias")));
    const ProcessResult a = RunTarvex({"/A", "ni-shop.ias"}, taken.path());
    EXPECT_EQ(a.exitCode, 0) << a.out << a.err;
    EXPECT_TRUE(EndsWith(a.out, "\nOK\n")) << a.out;
    EXPECT_TRUE(ReadFileBytes(taken.file("ni-shop.inp")) == ExampleInput("ni-shop"));
    bool lodged = false;
    for (const auto& e : std::filesystem::directory_iterator(taken.path()))
        lodged = lodged || e.path().extension() == ".xml";
    EXPECT_TRUE(lodged) << "the run taken up from the package writes the lodgement message";
}

std::string TestName(const ::testing::TestParamInfo<std::string>& info) {
    std::string name = info.param;
    for (char& c : name)
        if (c == '-') c = '_';
    return name;
}

INSTANTIATE_TEST_SUITE_P(Shipped, ExampleRun, ::testing::ValuesIn(ExampleNames()), TestName);

}  // namespace
