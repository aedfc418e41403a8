// Each shipped example runs to its end and writes the results file that was
// reviewed line by line against the rating and report rules.

#include <gtest/gtest.h>

#include "tests/support/example_runs.h"

namespace {

bool EndsWith(const std::string& text, const std::string& tail) {
    return text.size() >= tail.size() &&
           text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
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
    for (const char* output : {"shop.csv", "shop.bdl", "shop.err", "shop[epc].pdf"}) {
        EXPECT_TRUE(FileExists(dir.file(output))) << output;
    }
    for (const char* hidden : {".csv", ".bdl", ".err", "[epc].pdf"}) {
        EXPECT_FALSE(FileExists(dir.file(hidden))) << hidden;
    }
}

std::string TestName(const ::testing::TestParamInfo<std::string>& info) {
    std::string name = info.param;
    for (char& c : name)
        if (c == '-') c = '_';
    return name;
}

INSTANTIATE_TEST_SUITE_P(Shipped, ExampleRun, ::testing::ValuesIn(ExampleNames()), TestName);

}  // namespace
