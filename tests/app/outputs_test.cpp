#include "app/outputs.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "tests/support/process.h"
#include "tests/support/tempdir.h"

namespace {

struct NameCase {
    const char* input;
    const char* ending;
    const char* output;
};

TEST(OutputName, ReplacesOnlyAThreeCharacterExtension) {
    const NameCase cases[] = {
        {"office.inp", ".csv", "office.csv"},
        {"in/office.inp", "[epc].pdf", "in/office[epc].pdf"},
        {"shop", ".csv", "shop.csv"},
        {"shop", "[epc].pdf", "shop[epc].pdf"},
        {"a.b", ".err", "a.b.err"},
        {"x.bdl", ".bdl", "x.bdl"},  // the guard below stops such a run
        {"case.inp/", ".csv", "case.inp/.csv"},
        {"dir.v2/shop", ".csv", "dir.v2/shop.csv"},
        {"in/.inp", ".csv", "in/.inp.csv"},
        {"archive.tar.inp", ".csv", "archive.tar.csv"},
        {"c:\\jobs\\office.inp", ".err", "c:\\jobs\\office.err"},
        {"", ".csv", ".csv"},
    };
    for (const NameCase& c : cases) {
        EXPECT_EQ(OutputName(c.input, c.ending), c.output) << c.input << " + " << c.ending;
    }
}

TEST(OutputReplacingInput, NamesTheOutputThatWouldReplaceTheInput) {
    TempDir dir;
    const std::string log = dir.file("Tarvex.log");
    const struct {
        std::string input;
        std::string clash;
    } cases[] = {
        {dir.file("office.inp"), ""},
        {dir.file("office.csv"), dir.file("office.csv")},
        {dir.file("x.bdl"), dir.file("x.bdl")},
        {dir.file("x.err"), dir.file("x.err")},
        {dir.file("shop"), ""},
        {dir.file("a.b"), ""},
        {dir.file("pack.ias"), dir.file("pack.ias")},
        {dir.file("Tarvex.log"), log},
        {dir.path() + "/./Tarvex.log", log},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(OutputReplacingInput(c.input, log), c.clash) << c.input;
    }
}

TEST(SameFile, FollowsLinksAndDots) {
    TempDir dir;
    WriteFileBytes(dir.file("a.inp"), "x");
    std::filesystem::create_symlink(dir.file("a.inp"), dir.file("b.inp"));
    EXPECT_TRUE(SameFile(dir.file("a.inp"), dir.file("b.inp")));
    EXPECT_TRUE(SameFile(dir.file("a.inp"), dir.path() + "/sub/../a.inp"));
    EXPECT_FALSE(SameFile(dir.file("a.inp"), dir.file("c.inp")));
}

// A run whose input carries an output's name stops before it writes anything.
TEST(OutputReplacingInput, RunStopsAndLeavesTheInputAlone) {
    for (const std::string name : {"office.csv", "office.err", "Tarvex.log"}) {
        TempDir dir;
        WriteFileBytes(dir.file(name), "GENERAL-1 = GENERAL\n..\n");
        const ProcessResult r = RunTarvex({"/F", name}, dir.path());
        EXPECT_EQ(r.exitCode, 1) << name;
        EXPECT_NE(r.out.find("would be overwritten by"), std::string::npos) << r.out;
        EXPECT_EQ(ReadFileBytes(dir.file(name)), "GENERAL-1 = GENERAL\n..\n") << name;
        const auto entries = std::distance(std::filesystem::directory_iterator(dir.path()),
                                           std::filesystem::directory_iterator());
        EXPECT_EQ(entries, 1) << name << ": nothing else is written";
    }
}

}  // namespace
