// Keyword access, modification and the building-object writers, over the
// matrix of the clean fixture input.
#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <string>

#include "app/runlog.h"
#include "boc/boc.h"
#include "tests/boc/boc_testing.h"
#include "tests/support/process.h"
#include "tests/support/stops.h"
#include "tests/support/tempdir.h"

namespace {

// Object indexes of the clean fixture.
constexpr int kHead = 0;
constexpr int kZone1 = 1;
constexpr int kZone2 = 2;
constexpr int kLink = 3;

class AccessTest : public ::testing::Test {
  protected:
    void SetUp() override {
        library = WriteLibrary(dir);
        ReadInput(boc, dir, WriteInput(dir, "clean.inp", ReadFixture("clean.inp")), library);
    }

    // Runs `access` and expects it to stop the run with `message` at the end
    // of the run log.
    void ExpectStop(const std::function<void()>& access, const std::string& message) {
        const std::string log = dir.file("stop.log");
        SetFileLog(log);
        EXPECT_EQ(RunToStop(access).status, 1) << message;
        const std::string text = ReadFileBytes(log);
        ASSERT_GE(text.size(), message.size()) << message;
        EXPECT_EQ(text.substr(text.size() - message.size()), message);
    }

    TempDir dir;
    std::string library;
    BOC boc;
};

TEST_F(AccessTest, ScalarAccessors) {
    EXPECT_EQ(boc.Vnum(kHead, "ID"), 7);
    EXPECT_EQ(boc.Vint(kHead, "ID"), 7);
    EXPECT_EQ(boc.Vtext(kHead, "MODE"), "HIGH");
    EXPECT_EQ(boc.Vtext(kHead, "NOTE"), " ");  // left out with NC
    EXPECT_EQ(boc.Vcod(kHead, "MODE"), "HIGH");
    EXPECT_EQ(boc.Vref(kLink, "TARGET"), "Z 1");
    EXPECT_EQ(boc.Vrefid(kLink, "TARGET"), kZone1);
}

TEST_F(AccessTest, IntegersTruncateTowardZero) {
    const std::pair<const char*, int> cases[] = {
        {"2.9", 2}, {"-2.9", -2}, {"0.5", 0}, {"1e300", INT_MAX}, {"-1e300", INT_MIN}, {"nan", 0}};
    for (const auto& [text, expected] : cases) {
        boc.ModKey(kZone2, "HEIGHT", text);
        EXPECT_EQ(boc.Vint(kZone2, "HEIGHT"), expected) << text;
        EXPECT_EQ(boc.Vtext(kZone2, "HEIGHT"), text);
    }
    boc.ModKey(kZone2, "VALUES", "( 2.9, -2.9 )");
    EXPECT_EQ(boc.V1lint(kZone2, "VALUES", 0), 2);
    EXPECT_EQ(boc.V1lint(kZone2, "VALUES", 1), -2);
    EXPECT_TRUE(boc.errors.errorList.empty());
}

TEST_F(AccessTest, CodeNumbersAndPositions) {
    EXPECT_EQ(boc.Vcodid(kHead, "MODE"), 7);
    EXPECT_EQ(boc.Vcod(kHead, "MODE", 1), "LOW");
    EXPECT_EQ(boc.Vcod(kHead, "MODE", 3), "HIGH");
    // No n-th code: a blank, never a read outside the list.
    for (int n : {0, 4, -1, INT_MAX, INT_MIN}) EXPECT_EQ(boc.Vcod(kHead, "MODE", n), " ") << n;
    EXPECT_EQ(boc.Vcod(kHead, "ID", 1), " ");  // a keyword without codes
    // A blank code word answers a number that no code bears.
    EXPECT_EQ(boc.Vcodid(kZone2, "SHAPE"), kNoCode);
    for (const Objeto& cls : boc.classes)
        for (const Propiedad& p : cls.properties)
            for (const Codigo& c : p.codes) EXPECT_NE(c.number, kNoCode);
}

TEST_F(AccessTest, ListAccessors) {
    EXPECT_EQ(boc.Vlnum(kHead, "DATES"), (std::vector<double>{2, 2.5, 3}));
    EXPECT_EQ(boc.Vlnum_Mul(kHead, "DATES", 2), (std::vector<double>{4, 5, 6}));
    EXPECT_EQ(boc.Vlnum_Div(kHead, "DATES", 0.5), (std::vector<double>{4, 5, 6}));
    EXPECT_EQ(boc.V1lnum(kHead, "DATES", 1), 2.5);
    EXPECT_EQ(boc.V1lint(kHead, "DATES", 1), 2);
    EXPECT_EQ(boc.Vlref(kLink, "TARGETS"), (std::vector<std::string>{"Z 1", "Z2"}));
    EXPECT_EQ(boc.V1lref(kLink, "TARGETS", 1), "Z2");
    EXPECT_EQ(boc.Vlrefid(kLink, "TARGETS"), (std::vector<int>{kZone1, kZone2}));
    EXPECT_EQ(boc.Vltext(kZone1, "TAGS"), (std::vector<std::string>{"a", "b", "c"}));
    EXPECT_EQ(boc.V1ltext(kZone1, "TAGS", 2), "c");
}

TEST_F(AccessTest, EveryAccessorStopsOnAKeywordTheObjectLacks) {
    const std::function<void(const std::string&)> accesses[] = {
        [&](const std::string& k) { boc.Vnum(kHead, k); },
        [&](const std::string& k) { boc.Vint(kHead, k); },
        [&](const std::string& k) { boc.Vtext(kHead, k); },
        [&](const std::string& k) { boc.Vcod(kHead, k); },
        [&](const std::string& k) { boc.Vcodid(kHead, k); },
        [&](const std::string& k) { boc.Vcod(kHead, k, 1); },
        [&](const std::string& k) { boc.Vref(kHead, k); },
        [&](const std::string& k) { boc.Vrefid(kHead, k); },
        [&](const std::string& k) { boc.Vlnum(kHead, k); },
        [&](const std::string& k) { boc.Vlnum_Div(kHead, k, 2); },
        [&](const std::string& k) { boc.Vlnum_Mul(kHead, k, 2); },
        [&](const std::string& k) { boc.V1lnum(kHead, k, 0); },
        [&](const std::string& k) { boc.V1lint(kHead, k, 99); },  // keyword tested first
        [&](const std::string& k) { boc.Vlref(kHead, k); },
        [&](const std::string& k) { boc.V1lref(kHead, k, 99); },
        [&](const std::string& k) { boc.Vlrefid(kHead, k); },
        [&](const std::string& k) { boc.Vltext(kHead, k); },
        [&](const std::string& k) { boc.V1ltext(kHead, k, 99); },
    };
    for (const auto& access : accesses)
        ExpectStop([&] { access("NOPE"); }, "[Head] NOPE is not a keyword of this object\n");
    // A keyword of another class is not one of this object's either.
    ExpectStop([&] { boc.Vnum(kHead, "AREA"); }, "[Head] AREA is not a keyword of this object\n");
}

TEST_F(AccessTest, ListIndexAndDivisionStops) {
    ExpectStop([&] { boc.V1lnum(kHead, "DATES", 3); },
               "[Head] DATES has not 3 values in the list\n");
    ExpectStop([&] { boc.V1lint(kHead, "DATES", -1); },
               "[Head] DATES has not -1 values in the list\n");
    ExpectStop([&] { boc.V1lref(kLink, "TARGETS", 2); },
               "[L] TARGETS has not 2 values in the list\n");
    ExpectStop([&] { boc.V1ltext(kZone1, "TAGS", 3); },
               "[Z 1] TAGS has not 3 values in the list\n");
    // The divisor is tested before the keyword.
    ExpectStop([&] { boc.Vlnum_Div(kHead, "NOPE", 0); }, "[Head] NOPE attempt of division by 0\n");
    ExpectStop([&] { boc.Vnum(4, "ID"); }, "Object 4 is not in the input, which has 4 objects\n");
    ExpectStop([&] { boc.ModKey(-1, "ID", "1"); },
               "Object -1 is not in the input, which has 4 objects\n");
}

TEST_F(AccessTest, ModKeyChangesTheValueWithoutWorkingOutPositions) {
    boc.ModKey(kHead, "RATE", "abc");
    EXPECT_EQ(boc.Vnum(kHead, "RATE"), 0);
    EXPECT_EQ(boc.Vtext(kHead, "RATE"), "abc");
    // 0 is below the warning bound 1: a warning, which stops nothing.
    ASSERT_EQ(boc.errors.warnList.size(), 1u);
    EXPECT_EQ(boc.errors.warnList[0].level, kLevelModification);
    EXPECT_EQ(boc.errors.warnList[0].position, kHead);
    EXPECT_EQ(boc.errors.warnList[0].name, "RATE");
    EXPECT_TRUE(boc.errors.errorList.empty());
    EXPECT_EQ(ReadFileBytes(boc.errFile), ReadFixture("clean.err"));

    boc.ModKey(kLink, "TARGET", "\"Z2\"");
    EXPECT_EQ(boc.Vref(kLink, "TARGET"), "Z2");
    EXPECT_EQ(boc.Vrefid(kLink, "TARGET"), 0);
    boc.ModKey(kLink, "TARGETS", "( \"Z2\" )");
    EXPECT_TRUE(boc.Vlrefid(kLink, "TARGETS").empty());
    boc.ModKey(kZone2, "SHAPE", "ROUND");
    EXPECT_EQ(boc.Vcodid(kZone2, "SHAPE"), 2);
    EXPECT_EQ(boc.objects[kZone2].keywords.at("SHAPE").codid, 0);
    EXPECT_TRUE(boc.errors.errorList.empty());
    EXPECT_FALSE(boc.objects[kZone2].keywords.at("SHAPE").modified);
}

TEST_F(AccessTest, FailedModificationWritesTheShortReportAndGoesOn) {
    ::testing::internal::CaptureStdout();
    boc.ModKey(kHead, "NOPE", "1");
    const std::string out = ::testing::internal::GetCapturedStdout();
    EXPECT_EQ(out, "\n\n\n  *** ERROR ***  Unknown keyword: NOPE\n");
    EXPECT_EQ(ReadFileBytes(boc.errFile), ReadFixture("modkey.err"));
    ASSERT_EQ(boc.errors.errorList.size(), 1u);
    const Serror& e = boc.errors.errorList[0];
    EXPECT_EQ(e.level, kLevelAccess);
    EXPECT_EQ(e.code, kErrObjectUnknown);
    EXPECT_EQ(e.flag, kFlagOwnText);
    EXPECT_EQ(e.position, kHead);
    EXPECT_EQ(e.name, "NOPE");

    // Later checks that fail are recorded; the short report keeps showing the first error.
    ::testing::internal::CaptureStdout();
    boc.ModKey(kHead, "RATE", "11");
    boc.ModKey(kHead, "MODE", "EXTREME");
    ::testing::internal::GetCapturedStdout();
    EXPECT_EQ(boc.Vnum(kHead, "RATE"), 11);  // changed whatever the check found
    EXPECT_EQ(boc.Vcod(kHead, "MODE"), "EXTREME");
    EXPECT_EQ(boc.Vcodid(kHead, "MODE"), kNoCode);
    ASSERT_EQ(boc.errors.errorList.size(), 3u);
    EXPECT_EQ(boc.errors.errorList[1].text, "Keyword out of range [objeto]-[RATE] info: ");
    EXPECT_EQ(boc.errors.errorList[2].text, "Code unknown [objeto]-[MODE] info: EXTREME");
    EXPECT_EQ(ReadFileBytes(boc.errFile), ReadFixture("modkey.err"));
}

TEST_F(AccessTest, ModificationsCheckReferencesAgainstTheWholeMatrix) {
    // "Z2" stands after nothing that matters here: every object counts.
    boc.ModKey(kZone1, "AREA", "1");
    boc.ModKey(kLink, "TO-ANY", "\"Z2\"");
    EXPECT_TRUE(boc.errors.errorList.empty());
    ::testing::internal::CaptureStdout();
    boc.ModKey(kLink, "TARGETS", "( \"Z2\", \"Head\" )");
    ::testing::internal::GetCapturedStdout();
    ASSERT_EQ(boc.errors.errorList.size(), 1u);
    EXPECT_EQ(boc.errors.errorList[0].text, "Bad reference [objeto]-[TARGETS] info: ");
}

TEST_F(AccessTest, WriteInpWritesEveryKeywordPadded) {
    const std::string out = dir.file("written.inp");
    boc.Write_INP(out);
    const std::string text = ReadFileBytes(out);
    EXPECT_EQ(text, ReadFixture("clean.written"));
    // A 17-character name gets 13 blanks; one of 30 or more none.
    EXPECT_NE(text.find("   INTERFACE-VERSION" + std::string(13, ' ') + " = \"v1.2\"\n"),
              std::string::npos);
    EXPECT_NE(text.find("   KEYWORD-NAME-LONGER-THAN-THIRTY-X = \"long\"\n"), std::string::npos);

    // What it writes reads back to the same matrix.
    BOC again;
    ReadInput(again, dir, out, library);
    const std::string out2 = dir.file("written2.inp");
    again.Write_INP(out2);
    EXPECT_EQ(ReadFileBytes(out2), text);
}

TEST_F(AccessTest, ModifiedInputHoldsOnlyMarkedKeywords) {
    boc.ModKeyInp(kZone1, "AREA", "99");
    boc.ModKey(kZone1, "HEIGHT", "3");    // not marked
    boc.ModKeyInp(kZone2, "LABEL", " ");  // marked but blank: left out
    boc.ModKeyInp(kLink, "NAMES", "( \"q\" )");
    EXPECT_TRUE(boc.objects[kZone1].keywords.at("AREA").modified);
    const std::string expected =
        "$ \n$ Version \"v1.2\"\n$ Notional input file for ZOLM \n$ \n"
        "\"Head\" = HEAD   \n   ..\n"
        "\"Z 1\" = ZONE   \n   AREA                           = 99\n   ..\n"
        "\"Z2\" = ZONE   \n   ..\n"
        "\"L\" = LINK   \n   NAMES                          = ( \"q\" )\n   ..\n";
    EXPECT_EQ(boc.String_INP_MOD(), expected);
    boc.Write_INP_MOD(dir.file("mod.inp"));
    EXPECT_EQ(ReadFileBytes(dir.file("mod.inp")), expected);
    // Marks survive later unmarked changes of the same keyword.
    boc.ModKey(kZone1, "AREA", "98");
    EXPECT_NE(boc.String_INP_MOD().find("= 98\n"), std::string::npos);
}

TEST(WriterTest, VersionIsEmptyWithoutInterfaceVersionInTheFirstObject) {
    TempDir dir;
    BOC boc;
    ReadInput(boc, dir,
              WriteInput(dir, "z.inp", "\"Z\" = ZONE\n   ..\n\"H\" = HEAD\n   ID = 1\n   ..\n"),
              WriteLibrary(dir));
    EXPECT_EQ(boc.String_INP_MOD().substr(0, 15), "$ \n$ Version \n$");
    BOC empty;
    EXPECT_EQ(empty.String_INP_MOD(), "$ \n$ Version \n$ Notional input file for ZOLM \n$ \n");
}

}  // namespace
