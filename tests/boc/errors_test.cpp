// Inputs with errors end the run after the report copy, the error report and
// the run log are written; the checks and their records.
#include <gtest/gtest.h>

#include <string>

#include "app/runlog.h"
#include "boc/boc.h"
#include "tests/boc/boc_testing.h"
#include "tests/support/process.h"
#include "tests/support/stops.h"
#include "tests/support/tempdir.h"

namespace {

struct StopCase {
    const char* fixture;
    bool crlf;
};

TEST(ErrorReportTest, InputsWithErrorsStopAfterTheirReports) {
    const StopCase cases[] = {
        {"syntax", false}, {"objects", false}, {"required", false}, {"objects", true}};
    for (const StopCase& c : cases) {
        SCOPED_TRACE(std::string(c.fixture) + (c.crlf ? " (CR LF)" : ""));
        TempDir dir;
        const std::string name = c.fixture;
        std::string text = ReadFixture(name + ".inp");
        if (c.crlf) text = WithCrlf(text);
        const std::string input = WriteInput(dir, name + ".inp", text);
        const std::string lib = WriteLibrary(dir);
        EXPECT_EQ(ReadToStop(input, lib, dir.file("Tarvex.log")), 1);
        EXPECT_EQ(ReadFileBytes(dir.file(name + ".bdl")), ReadFixture(name + ".bdl"));
        EXPECT_EQ(ReadFileBytes(dir.file(name + ".err")), ReadFixture(name + ".err"));
        const std::string log = ReadFileBytes(dir.file("Tarvex.log"));
        EXPECT_NE(log.find("\n\n\nBOC_b02. 2001\n" + input + " has got errors.\nPlease, see " +
                           dir.file(name + ".bdl") + " or " + dir.file(name + ".err") +
                           " to check and correct them...\n\n"),
                  std::string::npos)
            << log;
    }
}

TEST(ErrorReportTest, ErrorLineNumbersArePaddedToTheLineCount) {
    TempDir dir;
    std::string text = "\"H\" = HEAD\n   ID = 1\n   RATE=2\n";
    for (int i = 3; i < 119; ++i) text += "$\n";
    text += "   ..\n";  // 120 lines
    const std::string input = WriteInput(dir, "long.inp", text);
    const std::string lib = WriteLibrary(dir);
    EXPECT_EQ(ReadToStop(input, lib, dir.file("Tarvex.log")), 1);
    const std::string bdl = ReadFileBytes(dir.file("long.bdl"));
    const std::string head =
        "   [  1]  \"H\" = HEAD\n"
        "   [  2]     ID = 1\n"
        " * [  3]  *** ERROR 1 *** : (Bad syntax):    RATE=2\n";
    EXPECT_EQ(bdl.substr(0, head.size()), head);
    EXPECT_NE(bdl.find("   [120]     ..\n"), std::string::npos);
    EXPECT_EQ(ReadFileBytes(dir.file("long.err")).substr(0, 53),
              " * [  3]  *** ERROR 1 *** : (Bad syntax):    RATE=2\n\n");
}

TEST(ErrorReportTest, NumberWidthFollowsTheLineCount) {
    const std::pair<int, std::pair<std::string, std::string>> cases[] = {
        {1, {"   [1]  ", "   [1]  "}},       {9, {"   [1]  ", "   [9]  "}},
        {10, {"   [ 1]  ", "   [10]  "}},    {99, {"   [ 1]  ", "   [99]  "}},
        {100, {"   [  1]  ", "   [100]  "}},
    };
    for (const auto& [count, prefixes] : cases) {
        TempDir dir;
        BOC boc;
        boc.bdlFile = dir.file("x.bdl");
        boc.errFile = dir.file("x.err");
        boc.inputLines.resize(count);
        for (SLINE& l : boc.inputLines) l.Load("L");
        boc.WriteBdl();
        const std::string bdl = ReadFileBytes(boc.bdlFile);
        EXPECT_EQ(bdl.substr(0, prefixes.first.size() + 2), prefixes.first + "L\n") << count;
        EXPECT_NE(bdl.find(prefixes.second + "L\n\n\n\n"), std::string::npos) << count;
    }
}

TEST(ErrorReportTest, EmptyInputReportsMissingObjects) {
    TempDir dir;
    const std::string input = WriteInput(dir, "empty.inp", "");
    const std::string lib = WriteLibrary(dir);
    EXPECT_EQ(ReadToStop(input, lib, dir.file("Tarvex.log")), 1);
    EXPECT_EQ(ReadFileBytes(dir.file("empty.err")),
              "\n\n\n       *** ERROR *** At least 1 HEAD needed\n\n\n\n"
              "  *** ERRORS     *** Number of errors:    1\n"
              "  *** WARNINGS   *** Number of warnings:  0\n"
              "  *** CWARNINGS  *** Number of cwarnings: 0\n"
              "  END\n");
}

// A matrix with the fixture library and no input, for calling the checks directly.
class CheckTest : public ::testing::Test {
  protected:
    void SetUp() override { boc.Init_NOT(WriteLibrary(dir)); }

    // Checks `text` as a value of keyword `key` of class `cls`; returns the
    // numbers of errors, warnings and certification warnings it recorded.
    std::string Check(const std::string& cls, const std::string& key, const std::string& text) {
        boc.errors.Init();
        const int c = boc.FindClass(cls);
        const int k = boc.FindKey(c, key);
        KeywordValue v;
        v.Init(boc.classes[c].properties[k].keyType, text);
        boc.ComKey(object, v, 0, c, k);
        return std::to_string(boc.errors.errorList.size()) + " " +
               std::to_string(boc.errors.warnList.size()) + " " +
               std::to_string(boc.errors.cwarnList.size());
    }

    TempDir dir;
    BOC boc;
    BObject object;
};

TEST_F(CheckTest, SixBoundsOfANumber) {
    // RATE has the bounds 0, 10, 1, 9, 2, 8.
    const std::pair<const char*, const char*> cases[] = {
        {"0.5", "0 1 0"}, {"-1", "1 0 0"},  {"5", "0 0 0"},    {"10", "0 1 0"},
        {"8", "0 0 0"},   {"0", "0 1 0"},   {"10.5", "1 0 0"}, {"1.5", "0 0 1"},
        {"8.5", "0 0 1"}, {"9.5", "0 1 0"}, {"nan", "1 0 0"},  {"inf", "1 0 0"},
    };
    for (const auto& [text, found] : cases) EXPECT_EQ(Check("HEAD", "RATE", text), found) << text;
    const Serror& e = (Check("HEAD", "RATE", "-1"), boc.errors.errorList.front());
    EXPECT_EQ(e.level, kLevelLine);
    EXPECT_EQ(e.code, kErrOutOfRange);
    EXPECT_EQ(e.flag, kFlagCatalogue);
    EXPECT_EQ(Check("ZONE", "AREA", "1e300"), "0 0 0");  // unset bounds are no limit
}

TEST_F(CheckTest, AListGetsOneRecordForItsFirstBadItem) {
    // The first item breaks a warning bound, the second an error bound.
    EXPECT_EQ(Check("HEAD", "DATES", "( 0.5, 11 )"), "0 1 0");
    EXPECT_EQ(Check("HEAD", "DATES", "( 5, 11, 0.5 )"), "1 0 0");
    EXPECT_EQ(Check("HEAD", "DATES", "( 5, 3 )"), "0 0 0");
}

TEST_F(CheckTest, CodesAndReferences) {
    EXPECT_EQ(Check("HEAD", "MODE", "MEDIUM"), "0 0 0");
    EXPECT_EQ(Check("HEAD", "MODE", "medium"), "1 0 0");  // words compare exactly
    EXPECT_EQ(boc.errors.errorList.front().info, "medium");
    EXPECT_EQ(Check("LINK", "TARGET", "\"Z\""), "1 0 0");
    boc.objects.push_back(BObject());
    boc.objects.back().name = "Z";
    boc.objects.back().type = "ZONE";
    EXPECT_EQ(Check("LINK", "TARGET", "\"Z\""), "0 0 0");
    EXPECT_EQ(Check("LINK", "TARGETS", "( \"Z\", \"Y\", \"X\" )"), "2 0 0");
    // The class keyword is missing: -13, then the keyword's name is taken as the class.
    EXPECT_EQ(Check("LINK", "TO-ANY", "\"Z\""), "2 0 0");
    EXPECT_EQ(boc.errors.errorList[0].code, kErrRefTypeKeyword);
    EXPECT_EQ(boc.errors.errorList[1].code, kErrBadReference);
    object.keywords["TARGET-CLASS"].Init(kTypeCod, "ZONE");
    EXPECT_EQ(Check("LINK", "TO-ANY", "\"Z\""), "0 0 0");
    EXPECT_EQ(Check("LINK", "NAMES", "( anything"), "0 0 0");
}

TEST_F(CheckTest, CountsAndRequiredKeywords) {
    boc.Require();
    ASSERT_EQ(boc.errors.errorList.size(), 1u);
    EXPECT_EQ(boc.errors.errorList[0].text, "       *** ERROR *** At least 1 HEAD needed");
    EXPECT_EQ(boc.errors.errorList[0].level, kLevelInput);
    EXPECT_EQ(boc.errors.errorList[0].code, kErrTooFew);
    EXPECT_EQ(boc.errors.errorList[0].flag, kFlagOwnText);
}

TEST(ErrorTextTest, ComposingIsStable) {
    BOCERROR e;
    e.AddError(kLevelLine, kErrBadSyntax, kFlagCatalogue, 3);
    e.AddError(kLevelModification, kErrCodeUnknown, kFlagModification, 2).name = "MODE";
    e.errorList.back().info = "EXTREME";
    e.AddError(kLevelAccess, kErrObjectUnknown, kFlagOwnText, 2).text = "Unknown keyword: X";
    e.AddError(kLevelLine, static_cast<ErrorCode>(-99), kFlagCatalogue, 0);
    e.AddWarn(kLevelLine, kWarnCode, kFlagCatalogue, 1);
    e.AddWarn(kLevelModification, kWarnCode, kFlagModification, 1).name = "RATE";
    e.AddCwarn(kLevelModification, kCwarnCode, kFlagModification, 1).name = "RATE";
    e.AddEWC();
    const BOCERROR once = e;
    e.AddEWC();
    EXPECT_EQ(e.errorList[0].text, "Bad syntax");
    EXPECT_EQ(e.errorList[1].text, "Code unknown [objeto]-[MODE] info: EXTREME");
    EXPECT_EQ(e.errorList[2].text, "Unknown keyword: X");
    EXPECT_EQ(e.errorList[3].text, "Other errors");
    EXPECT_EQ(e.warnList[0].text, "Other warnings");
    EXPECT_EQ(e.warnList[1].text, "Other warnings [objeto]-[RATE]");
    EXPECT_EQ(e.cwarnList[0].text, "Other certification warnings [objeto]-[RATE]");
    for (std::size_t i = 0; i < e.errorList.size(); ++i)
        EXPECT_EQ(e.errorList[i].text, once.errorList[i].text);
    for (std::size_t i = 0; i < e.warnList.size(); ++i)
        EXPECT_EQ(e.warnList[i].text, once.warnList[i].text);
    EXPECT_EQ(ErrorCatalogue(kErrObjectNotInLibrary), std::string("Object is not in the library"));
    EXPECT_EQ(ErrorCatalogue(kErrNoClass), std::string("No Object class"));
    EXPECT_EQ(ErrorCatalogue(kErrTooFew),
              std::string("There are less objects of a kind than what it is needed"));
}

TEST(LibraryRejectTest, DefinitionsOutOfOrderStopWithTheLine) {
    const std::pair<const char*, const char*> cases[] = {
        {"K,2,1,A,1,0,-6666,-6666,-6666,-6666,-6666,-6666,,\n",
         "line 2: keyword A comes before any object class"},
        {"C,1,1,X,0,-6666,,\nD,3,1,W,\n", "line 3: code W comes before any keyword of its class"},
        {"C,1,1,X,0,-6666,,\nK,2,1,A,4,W,,-6666,-6666,-6666,-6666,-6666,,\nC,1,2,Y,0,1,,\n"
         "D,3,1,W,\n",
         "line 5: code W comes before any keyword of its class"},
        {"C,1,2,X,0,-6666,,\n", "line 2: object class X has the number 2"},
        {"C,1,1,X,0,-6666,,\nC,1,3,Y,0,-6666,,\n", "line 3: object class Y has the number 3"},
        {"C,1,1,X,0,-6666,,\nC,1,2,X,0,-6666,,\n", "line 3: object class X is defined twice"},
        {"C,1,1,X,0,-6666,,\nK,2,1,A,2,NC,,-6666,-6666,-6666,-6666,-6666,,\n"
         "K,2,2,A,2,NC,,-6666,-6666,-6666,-6666,-6666,,\n",
         "line 4: keyword A is defined twice in object class X"},
        {"C,1,1,X,0,-6666,,\nK,2,1,A,9,NC,,-6666,-6666,-6666,-6666,-6666,,\n",
         "line 3: keyword A has the value type 9"},
        {"C,1,1,X,0,-6666,,\nK,2,1,A,4,W,,-6666,-6666,-6666,-6666,-6666,,\nD,3,0,W,\n",
         "line 4: code W of keyword A has the number 0"},
        {"C,1,1,X,0,-6666,,\nK,2,1,A,4,W,,-6666,-6666,-6666,-6666,-6666,,\nD,3,1,W,\nD,3,2,W,\n",
         "line 5: code W is defined twice for keyword A"},
    };
    for (const auto& [body, message] : cases) {
        TempDir dir;
        const std::string lib = dir.file("bad.csv");
        WriteFileBytes(lib, "$,a library definition,\n" + std::string(body));
        SetFileLog(dir.file("Tarvex.log"));
        EXPECT_EQ(RunToStop([&] {
                      BOC boc;
                      boc.Init_NOT(lib);
                  }).status,
                  1);
        const std::string log = ReadFileBytes(dir.file("Tarvex.log"));
        EXPECT_NE(log.find("ERROR: Library definition " + lib + ", " + message), std::string::npos)
            << log;
    }
}

TEST(LibraryRejectTest, UnknownRecordKindsAndShortLinesAreAccepted) {
    TempDir dir;
    const std::string lib = dir.file("ok.csv");
    WriteFileBytes(lib,
                   "$,comment,\nC,1,1,X,0,-6666\nZ,7,whatever,\n\nK,2,1,A,4,W,\nD,3,1,W,\n"
                   "D,3,2,V\n");
    BOC boc;
    boc.Init_NOT(lib);
    ASSERT_EQ(boc.classes.size(), 1u);
    EXPECT_EQ(boc.classes[0].maxCount, 0);  // the missing field reads as empty: 0
    ASSERT_EQ(boc.classes[0].properties.size(), 1u);
    EXPECT_EQ(boc.classes[0].properties[0].refType, "");
    // "D,3,2,V" has no comma after its word: a code with an empty word.
    ASSERT_EQ(boc.classes[0].properties[0].codes.size(), 2u);
    EXPECT_EQ(boc.classes[0].properties[0].codes[1].name, "");
}

TEST(MissingFileTest, UnreadableFilesStopTheRun) {
    TempDir dir;
    const std::string lib = WriteLibrary(dir);
    const std::string input = WriteInput(dir, "a.inp", ReadFixture("clean.inp"));
    SetFileLog(dir.file("Tarvex.log"));
    const auto read = [](const std::string& in, const std::string& library) {
        return RunToStop([&] {
            BOC boc;
            boc.Init(in, library);
        });
    };
    const StopOutcome noInput = read(dir.file("none.inp"), lib);
    EXPECT_EQ(noInput.status, 1);
    EXPECT_EQ(noInput.err, "Could not open file " + dir.file("none.inp") + "\n");
    EXPECT_NE(ReadFileBytes(dir.file("Tarvex.log")).find("Could not open file"), std::string::npos);
    const StopOutcome noLibrary = read(input, dir.file("none.csv"));
    EXPECT_EQ(noLibrary.status, 1);
    EXPECT_EQ(noLibrary.err, "Could not open file " + dir.file("none.csv") + "\n");
    // A folder is refused before it is opened.
    EXPECT_EQ(ReadToStop(dir.path(), lib, dir.file("Tarvex.log")), 1);
    EXPECT_NE(ReadFileBytes(dir.file("Tarvex.log"))
                  .find("ERROR: " + dir.path() + " is not a regular file"),
              std::string::npos);
}

}  // namespace
