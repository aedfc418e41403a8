// Reading clean inputs: the matrix, the defaults, references, progress texts
// and the report files of a run that goes on.
#include <gtest/gtest.h>

#include <string>

#include "app/runlog.h"
#include "boc/boc.h"
#include "tests/boc/boc_testing.h"
#include "tests/support/process.h"
#include "tests/support/tempdir.h"

namespace {

// Index of the object with this name (the first one).
int ObjectNamed(const BOC& boc, const std::string& name) {
    for (std::size_t i = 0; i < boc.objects.size(); ++i)
        if (boc.objects[i].name == name) return static_cast<int>(i);
    return -1;
}

TEST(ReadTest, CleanInputReadsIntoTheMatrix) {
    TempDir dir;
    const std::string lib = WriteLibrary(dir);
    const std::string input = WriteInput(dir, "clean.inp", ReadFixture("clean.inp"));
    const std::size_t logStart = LogStream().str().size();
    BOC boc;
    ReadInput(boc, dir, input, lib);

    EXPECT_EQ(LogStream().str().substr(logStart),
              "\n  Initializing Matrix... OK\n"
              "  Reading Input file... OK\n"
              "  Processing Input file...\n"
              "    Adding Objects... OK\n"
              "\n    Assigning Default values to keywords... OK\n"
              "\n    Checking Code Keywords... OK\n"
              "    Writing BDL... OK\n"
              "  OK!\n");
    EXPECT_TRUE(boc.IsOriginal());
    EXPECT_EQ(boc.bdlFile, dir.file("clean.bdl"));
    EXPECT_EQ(boc.errFile, dir.file("clean.err"));
    EXPECT_EQ(ReadFileBytes(boc.bdlFile), ReadFixture("clean.bdl"));
    EXPECT_EQ(ReadFileBytes(boc.errFile), ReadFixture("clean.err"));

    ASSERT_EQ(boc.objects.size(), 4u);
    EXPECT_EQ(boc.objects[1].name, "Z 1");
    EXPECT_EQ(boc.objects[1].type, "ZONE");
    EXPECT_EQ(boc.objects[1].classNumber, 2);
    // Header, keyword, continuation and comment lines; the terminator is not kept.
    EXPECT_EQ(boc.objects[1].lines.size(), 6u);
    EXPECT_EQ(boc.inputLines[boc.objects[1].lines[0]].kind, kLineHeader);
    EXPECT_EQ(boc.inputLines[boc.objects[1].lines[5]].kind, kLineContinued);

    EXPECT_EQ(boc.Vtext(0, "INTERFACE-VERSION"), "\"v1.2\"");
    EXPECT_EQ(boc.Vnum(0, "ID"), 7);
    EXPECT_EQ(boc.Vcod(0, "MODE"), "HIGH");
    EXPECT_EQ(boc.Vcodid(0, "MODE"), 7);  // the code's number, not its position
    EXPECT_EQ(boc.objects[0].keywords.at("MODE").codid, 3);
    EXPECT_EQ(boc.Vcod(0, "MODE", 3), "HIGH");
    EXPECT_EQ(boc.Vlnum(0, "DATES"), (std::vector<double>{2, 2.5, 3}));
    EXPECT_EQ(boc.Vnum(1, "AREA"), 12.5);
    EXPECT_EQ(boc.Vtext(1, "LABEL"), "\"Room $1\"");
    EXPECT_EQ(boc.Vltext(1, "TAGS"), (std::vector<std::string>{"a", "b", "c"}));
    EXPECT_EQ(boc.Vref(3, "TARGET"), "Z 1");
    EXPECT_EQ(boc.Vrefid(3, "TARGET"), 1);
    EXPECT_EQ(boc.Vlrefid(3, "TARGETS"), (std::vector<int>{1, 2}));
    EXPECT_EQ(boc.Vrefid(3, "TO-ANY"), 2);
    EXPECT_EQ(boc.Vltext(3, "NAMES"), (std::vector<std::string>{"x", "y"}));
    EXPECT_EQ(boc.objects[0].keywords.at("ID").id, 2);
}

TEST(ReadTest, LeftOutKeywordsGetTheirDefaults) {
    TempDir dir;
    BOC boc;
    ReadInput(boc, dir, WriteInput(dir, "clean.inp", ReadFixture("clean.inp")), WriteLibrary(dir));
    const int head = ObjectNamed(boc, "Head");
    const int zone = ObjectNamed(boc, "Z2");
    const int link = ObjectNamed(boc, "L");
    EXPECT_EQ(boc.Vnum(head, "RATE"), 0.35);
    EXPECT_EQ(boc.objects[head].keywords.at("RATE").id, kNoKeywordId);
    EXPECT_EQ(boc.Vtext(head, "NOTE"), " ");
    EXPECT_EQ(boc.Vnum(zone, "AREA"), 0);
    EXPECT_EQ(boc.Vnum(zone, "HEIGHT"), 0);
    EXPECT_EQ(boc.Vtext(zone, "HEIGHT"), " ");
    EXPECT_EQ(boc.Vcod(zone, "SHAPE"), " ");
    EXPECT_EQ(boc.Vcodid(zone, "SHAPE"), kNoCode);
    // A code filled from its default has that code's position and number.
    EXPECT_EQ(boc.objects[zone].keywords.at("KIND").codid, 1);
    EXPECT_EQ(boc.Vcodid(zone, "KIND"), 1);
    EXPECT_EQ(boc.Vlnum(zone, "VALUES"), (std::vector<double>{0}));
    EXPECT_EQ(boc.Vltext(zone, "TAGS"), (std::vector<std::string>{""}));
    EXPECT_EQ(boc.Vlref(link, "TO-ANYS"), (std::vector<std::string>{""}));
    EXPECT_TRUE(boc.Vlrefid(link, "TO-ANYS").empty());
    // Every object holds every keyword of its class.
    for (const BObject& o : boc.objects)
        EXPECT_EQ(o.keywords.size(), boc.classes[o.classNumber - 1].properties.size()) << o.name;
}

TEST(ReadTest, CrLfInputReadsExactlyAsLf) {
    TempDir lf;
    TempDir crlf;
    BOC a;
    BOC b;
    ReadInput(a, lf, WriteInput(lf, "clean.inp", ReadFixture("clean.inp")), WriteLibrary(lf));
    const std::string crlfLib = crlf.file("lib.csv");
    WriteFileBytes(crlfLib, WithCrlf(ReadFileBytes(WriteLibrary(crlf))));
    ReadInput(b, crlf, WriteInput(crlf, "clean.inp", WithCrlf(ReadFixture("clean.inp"))), crlfLib);
    EXPECT_TRUE(b.IsOriginal());
    EXPECT_EQ(DumpMatrix(a), DumpMatrix(b));
    EXPECT_EQ(ReadFileBytes(a.bdlFile), ReadFileBytes(b.bdlFile));
    EXPECT_EQ(ReadFileBytes(a.errFile), ReadFileBytes(b.errFile));
}

TEST(ReadTest, ReferencesResolveInFileOrderThenToTheLastNamesake) {
    TempDir dir;
    const std::string input =
        "\"Z\" = ZONE\n   ..\n"
        "\"Head\" = HEAD\n   ID = 1\n   ..\n"
        "\"Z\" = ZONE\n   ..\n"
        "\"L\" = LINK\n"
        "   TARGET-CLASS = ZONE\n"
        "   TARGET = \"Z\"\n"
        "   TO-ANY = \"Z\"\n"
        "   TARGETS = ( \"Z\" )\n"
        "   ..\n"
        "\"Z\" = ZONE\n   ..\n";
    BOC boc;
    ReadInput(boc, dir, WriteInput(dir, "refs.inp", input), WriteLibrary(dir));
    ASSERT_EQ(boc.objects.size(), 5u);
    // Two objects of one name are both kept.
    EXPECT_EQ(boc.objects[0].name, "Z");
    EXPECT_EQ(boc.objects[2].name, "Z");
    // The check finds the first earlier "Z"; the numbering then takes the last
    // "Z" of the whole matrix, except for a reference whose class a keyword names.
    EXPECT_EQ(boc.Vrefid(3, "TARGET"), 4);
    EXPECT_EQ(boc.Vrefid(3, "TO-ANY"), 0);
    // Every namesake of the class, in matrix order.
    EXPECT_EQ(boc.Vlrefid(3, "TARGETS"), (std::vector<int>{0, 2, 4}));
}

TEST(ReadTest, ListsOfReferencesWhoseClassAKeywordNames) {
    TempDir dir;
    const std::string input =
        "\"Head\" = HEAD\n   ID = 1\n   ..\n"
        "\"Z\" = ZONE\n   ..\n"
        "\"L\" = LINK\n"
        "   TARGET-CLASS = HEAD\n"
        "   TO-ANY = \"Head\"\n"
        "   TO-ANYS = ( \"Head\" )\n"
        "   ..\n";
    BOC boc;
    ReadInput(boc, dir, WriteInput(dir, "refs.inp", input), WriteLibrary(dir));
    EXPECT_EQ(boc.Vref(2, "TARGET"), "");  // left out: an empty name
    EXPECT_EQ(boc.Vrefid(2, "TO-ANY"), 0);
    EXPECT_EQ(boc.Vlrefid(2, "TO-ANYS"), (std::vector<int>{0}));
}

TEST(ReadTest, ProgressDotsEveryFortyOneObjects) {
    TempDir dir;
    std::string input = "\"H\" = HEAD\n   ID = 1\n   ..\n";
    for (int i = 0; i < 81; ++i) input += "\"Z" + std::to_string(i) + "\" = ZONE\n   ..\n";
    const std::string lib = WriteLibrary(dir);
    const std::size_t logStart = LogStream().str().size();
    BOC boc;
    ReadInput(boc, dir, WriteInput(dir, "many.inp", input), lib);
    ASSERT_EQ(boc.objects.size(), 82u);
    // 165 lines: too few for the report copy's dots.
    EXPECT_EQ(LogStream().str().substr(logStart),
              "\n  Initializing Matrix... OK\n"
              "  Reading Input file... OK\n"
              "  Processing Input file...\n"
              "    Adding Objects..... OK\n"
              "\n    Assigning Default values to keywords..... OK\n"
              "\n    Checking Code Keywords.... OK\n"
              "    Writing BDL... OK\n"
              "  OK!\n");
}

TEST(ReadTest, ReportCopyDotsEveryTwoHundredOneLines) {
    TempDir dir;
    std::string input = "\"H\" = HEAD\n   ID = 1\n";
    for (int i = 0; i < 400; ++i) input += "$ comment\n";
    input += "   ..\n";  // 403 lines: two dots for each of the three writings
    const std::string lib = WriteLibrary(dir);
    const std::size_t logStart = LogStream().str().size();
    BOC boc;
    ReadInput(boc, dir, WriteInput(dir, "long.inp", input), lib);
    const std::string log = LogStream().str().substr(logStart);
    EXPECT_NE(log.find("    Writing BDL......... OK\n"), std::string::npos) << log;
}

TEST(ReadTest, WarningsAreReportedAndTheRunGoesOn) {
    TempDir dir;
    BOC boc;
    ReadInput(boc, dir, WriteInput(dir, "warnings.inp", ReadFixture("warnings.inp")),
              WriteLibrary(dir));
    EXPECT_EQ(boc.errors.errorList.size(), 0u);
    EXPECT_EQ(boc.errors.warnList.size(), 1u);
    EXPECT_EQ(boc.errors.cwarnList.size(), 1u);
    EXPECT_EQ(ReadFileBytes(boc.bdlFile), ReadFixture("warnings.bdl"));
    EXPECT_EQ(ReadFileBytes(boc.errFile), ReadFixture("warnings.err"));
}

TEST(ReadTest, EndOfFileInsideAnObjectEndsTheObject) {
    TempDir dir;
    BOC boc;
    ReadInput(boc, dir, WriteInput(dir, "open.inp", "\"H\" = HEAD\n   ID = 4\n   RATE = 3"),
              WriteLibrary(dir));
    ASSERT_EQ(boc.objects.size(), 1u);
    EXPECT_EQ(boc.Vnum(0, "ID"), 4);
    EXPECT_EQ(boc.Vnum(0, "RATE"), 3);
}

TEST(ReadTest, KeywordGivenTwiceKeepsTheFirstValue) {
    TempDir dir;
    BOC boc;
    ReadInput(boc, dir, WriteInput(dir, "twice.inp", "\"H\" = HEAD\n   ID = 4\n   ID = 5\n   ..\n"),
              WriteLibrary(dir));
    EXPECT_EQ(boc.Vnum(0, "ID"), 4);
    EXPECT_EQ(boc.objects[0].lines.size(), 3u);
}

TEST(ReadTest, ProtectionLineDecidesIsOriginal) {
    TempDir dir;
    const std::string input = WriteInput(dir, "clean.inp", ReadFixture("clean.inp"));
    // Protected for another file name.
    const std::string renamed = dir.file("other.csv");
    WriteFileBytes(renamed, ReadFileBytes(WriteLibrary(dir, "lib.csv", "lib.csv")));
    BOC a;
    ReadInput(a, dir, input, renamed);
    EXPECT_FALSE(a.IsOriginal());
    EXPECT_EQ(a.objects.size(), 4u);  // reading goes on; the caller decides

    // A data line changed after protection.
    std::string text = ReadFileBytes(WriteLibrary(dir));
    text.replace(text.find("one per input"), 13, "two per input");
    WriteFileBytes(dir.file("lib.csv"), text);
    BOC b;
    ReadInput(b, dir, input, dir.file("lib.csv"));
    EXPECT_FALSE(b.IsOriginal());

    BOC c;
    ReadInput(c, dir, input, WriteLibrary(dir));
    EXPECT_TRUE(c.IsOriginal());
}

TEST(ReadTest, InitNotLoadsTheLibraryOnly) {
    TempDir dir;
    const std::string lib = WriteLibrary(dir);
    const std::size_t logStart = LogStream().str().size();
    BOC boc;
    boc.Init_NOT(lib);
    EXPECT_EQ(LogStream().str().size(), logStart);
    EXPECT_FALSE(boc.IsOriginal());
    ASSERT_EQ(boc.classes.size(), 3u);
    EXPECT_EQ(boc.classes[0].name, "HEAD");
    EXPECT_EQ(boc.classes[0].properties.size(), 6u);
    EXPECT_EQ(boc.classes[0].properties[2].codes.size(), 3u);
    EXPECT_EQ(boc.classes[0].properties[2].codes[2].number, 7);
    EXPECT_EQ(boc.classes[2].maxCount, 2);
    EXPECT_EQ(boc.classes[2].properties[3].refType, "TARGET-CLASS");
    EXPECT_TRUE(boc.classes[2].properties[3].byKeyword);
    EXPECT_TRUE(boc.objects.empty());
    EXPECT_EQ(boc.FindClass("LINK"), 2);
    EXPECT_EQ(boc.FindKey(2, "TO-ANY"), 3);
    EXPECT_EQ(boc.FindKey(2, "AREA"), -1);
}

}  // namespace
