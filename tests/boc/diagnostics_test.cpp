// What the error stream says about an input: each error at its line, with
// what would be right; the warnings the report files do not carry.
#include "boc/diagnostics.h"

#include <gtest/gtest.h>

#include <string>

#include "app/runlog.h"
#include "boc/boc.h"
#include "tests/boc/boc_testing.h"
#include "tests/support/stops.h"
#include "tests/support/tempdir.h"

namespace {

// The head object every input of the fixture library needs.
const std::string kHead = "\"Head\" = HEAD\n   ID = 1\n   ..\n";

// Reads `text` as x.inp with the fixture library; what the error stream got.
std::string ErrorStreamOf(const TempDir& dir, const std::string& text) {
    const std::string input = WriteInput(dir, "x.inp", text);
    const std::string library = WriteLibrary(dir);
    SetFileLog(dir.file("Tarvex.log"));
    return RunToStop([&] {
               BOC boc;
               boc.Init(input, library);
           })
        .err;
}

// `text` with "%i" as the input's path and "%e" as its error report's.
std::string Paths(const TempDir& dir, std::string text) {
    for (const auto& [mark, path] : {std::pair<std::string, std::string>{"%i", dir.file("x.inp")},
                                     {"%e", dir.file("x.err")}}) {
        for (std::size_t at = text.find(mark); at != std::string::npos; at = text.find(mark, at))
            text.replace(at, mark.size(), path);
    }
    return text;
}

struct ErrorCase {
    const char* what;
    std::string input;
    std::string errorLine;  // the one error's line, before "see ..."
};

TEST(ErrorStream, NamesEachErrorAtItsLineWithWhatWouldBeRight) {
    const ErrorCase cases[] = {
        {"no blank before =", "\"Head\" = HEAD\n   ID=7\n   ..\n",
         "%i:2: error: bad syntax: put a blank between ID and its =\n"},
        {"no value", kHead + "\"Z\" = ZONE\n   AREA =\n   ..\n",
         "%i:5: error: bad syntax: AREA has no value after its =\n"},
        {"unclosed quote", "\"Head\" = HEAD\n   ID = 1\n   NOTE = \"unclosed\n   ..\n",
         "%i:3: error: bad syntax: a double quote is not closed\n"},
        {"list left open", "\"Head\" = HEAD\n   ID = 1\n   DATES = ( 1, 2,\n   ..\n",
         "%i:3: error: bad syntax: the list of DATES is not closed with )\n"},
        {"lone parenthesis", "\"Head\" = HEAD\n   ID = 1\n   DATES = ( 1, 2,\n   )\n   ..\n",
         "%i:4: error: bad syntax: a line that goes on with a list must hold more than one "
         "character: put the ) after the list's last item\n"},
        {"header without =", kHead + "\"Z\" ZONE\n   ..\n",
         "%i:4: error: bad syntax: an object begins here, with \"name\" = CLASS\n"},
        {"library entry", kHead + "LIBRARY-ENTRY X = zones\n",
         "%i:4: error: bad syntax: a library entry reads LIBRARY-ENTRY name = \"file\"\n"},
        {"unknown class", kHead + "\"Z\" = ZONES\n   ..\n",
         "%i:4: error: unknown object class ZONES (did you mean ZONE?)\n"},
        {"keyword of no class", "\"Head\" = HEAD\n   ID = 1\n   COLOUR = RED\n   ..\n",
         "%i:3: error: unknown keyword COLOUR of class HEAD\n"},
        {"keyword in lower case", "\"Head\" = HEAD\n   ID = 1\n   rate = 5\n   ..\n",
         "%i:3: error: unknown keyword rate of class HEAD (did you mean RATE?)\n"},
        {"number out of range", "\"Head\" = HEAD\n   ID = 1\n   RATE = 11\n   ..\n",
         "%i:3: error: RATE = 11 is out of range: RATE takes from 0 to 10\n"},
        {"list item out of range", "\"Head\" = HEAD\n   ID = 1\n   DATES = ( 5, 11 )\n   ..\n",
         "%i:3: error: an item of DATES = ( 5, 11 ) is out of range: DATES takes from 0 to "
         "10\n"},
        {"code word", "\"Head\" = HEAD\n   ID = 1\n   MODE = EXTREME\n   ..\n",
         "%i:3: error: unknown code word EXTREME for MODE; MODE takes LOW, MEDIUM, HIGH\n"},
        {"code word in lower case", "\"Head\" = HEAD\n   ID = 1\n   MODE = high\n   ..\n",
         "%i:3: error: unknown code word high for MODE (did you mean HIGH?); MODE takes LOW, "
         "MEDIUM, HIGH\n"},
        {"reference to a later object",
         kHead + "\"L\" = LINK\n   TARGET = \"Z\"\n   ..\n\"Z\" = ZONE\n   ..\n",
         "%i:5: error: TARGET = \"Z\" names no ZONE object given before it\n"},
        {"required keyword", "\"Head\" = HEAD\n   RATE = 5\n   ..\n",
         "%i:1: error: object \"Head\" (HEAD, line 1) lacks the keyword ID, which it must give\n"},
        {"too few objects", "\"Z\" = ZONE\n   AREA = 1\n   ..\n",
         "%i: error: the input needs at least 1 HEAD object and has 0\n"},
        {"too many objects", kHead + kHead,
         "%i: error: the input may have at most 1 HEAD object and has 2\n"},
        // Every keyword of the second zone is one of a zone: nothing follows
        // from the missing "..", so no note.
        {"missing terminator",
         kHead + "\"Z1\" = ZONE\n   AREA = 1\n\"Z2\" = ZONE\n   AREA = 2\n   ..\n",
         "%i:6: error: \"..\" missing: object \"Z1\" (line 4) is still open where \"Z2\" = ZONE "
         "begins\n"},
    };
    for (const ErrorCase& c : cases) {
        TempDir dir;
        EXPECT_EQ(ErrorStreamOf(dir, c.input),
                  Paths(dir, c.errorLine + "see %e for the whole report\n"))
            << c.what;
    }
}

// A reference whose class another keyword gives, without that keyword: both
// findings of the line are shown.
TEST(ErrorStream, ReferenceWithoutItsClassKeyword) {
    TempDir dir;
    EXPECT_EQ(ErrorStreamOf(dir, kHead + "\"L\" = LINK\n   TO-ANY = \"Head\"\n   ..\n"),
              Paths(dir,
                    "%i:5: error: TO-ANY takes the class of the object it names from "
                    "TARGET-CLASS, which must come before it in the object\n"
                    "%i:5: error: TO-ANY = \"Head\" names no object, given before it, of the class "
                    "that TARGET-CLASS names\n"
                    "see %e for the whole report\n"));
}

// The reader finds a line's errors pass by pass; the error stream gives them
// in the order of the lines, the findings of the whole input last.
TEST(ErrorStream, ListsErrorsInLineOrder) {
    TempDir dir;
    const std::string input =
        "\"Head\" = HEAD\n   ID=1\n   NOTE = \"unclosed\n   ..\n\"Z\" ZONE\n   ..\n";
    EXPECT_EQ(ErrorStreamOf(dir, input),
              Paths(dir,
                    "%i:2: error: bad syntax: put a blank between ID and its =\n"
                    "%i:3: error: bad syntax: a double quote is not closed\n"
                    "%i:5: error: bad syntax: an object begins here, with \"name\" = CLASS\n"
                    "see %e for the whole report\n"));
}

TEST(ErrorStream, ShowsTenErrorsThenCountsTheRest) {
    TempDir dir;
    std::string input = "\"Head\" = HEAD\n   ID = 1\n";
    for (int i = 0; i < 12; ++i) input += "   COLOUR" + std::to_string(i) + " = 1\n";
    input += "   ..\n";
    std::string expected;
    for (int i = 0; i < 10; ++i) {
        expected += "%i:" + std::to_string(i + 3) + ": error: unknown keyword COLOUR" +
                    std::to_string(i) + " of class HEAD\n";
    }
    expected += "%i: 2 more errors not shown here\nsee %e for the whole report\n";
    EXPECT_EQ(ErrorStreamOf(dir, input), Paths(dir, expected));
}

// A decimal comma is no error of the report files: the number reads up to the
// comma. The error stream warns of it, whether the reading goes on or stops.
TEST(ErrorStream, WarnsOfDecimalCommas) {
    const std::string warning =
        "%i:5: warning: AREA = 12,5 is read as 12: a comma is not a decimal point (write 12.5)\n";
    {
        TempDir dir;
        EXPECT_EQ(ErrorStreamOf(dir, kHead + "\"Z\" = ZONE\n   AREA = 12,5\n   ..\n"),
                  Paths(dir, warning));
    }
    {
        TempDir dir;
        EXPECT_EQ(
            ErrorStreamOf(dir, kHead + "\"Z\" = ZONE\n   AREA = 12,5\n   KIND = BOX\n   ..\n"),
            Paths(dir, warning + "%i:6: error: unknown code word BOX for KIND; KIND takes ROOM, "
                                 "HALL\nsee %e for the whole report\n"));
    }
    {
        // A file full of them: the first nine, then how many more.
        TempDir dir;
        std::string input = kHead;
        std::string expected;
        for (int i = 0; i < 12; ++i) {
            input += "\"Z" + std::to_string(i) + "\" = ZONE\n   AREA = 1,5\n   ..\n";
            if (i < 9) {
                expected += "%i:" + std::to_string(5 + 3 * i) +
                            ": warning: AREA = 1,5 is read as 1: a comma is not a decimal point "
                            "(write 1.5)\n";
            }
        }
        expected += "%i: warning: 3 more numbers are written with a decimal comma\n";
        EXPECT_EQ(ErrorStreamOf(dir, input), Paths(dir, expected));
    }
}

// A number that is not a number stops the reading, as any input error does:
// what is worked out from it would not be what the assessor meant. Only the
// keywords the run writes over itself are warned of; a decimal comma keeps
// its warning and its reading.
TEST(ErrorStream, NumbersThatAreNotNumbers) {
    const struct {
        const char* what;
        std::string input;
        std::vector<std::string> runWrites;
        std::string errorStream;
    } cases[] = {
        {"text",
         kHead + "\"Z\" = ZONE\n   AREA = fifty\n   ..\n",
         {},
         "%i:5: error: AREA = fifty is not a number: it is read as 0, and the documents and the "
         "message are worked out from it\nsee %e for the whole report\n"},
        {"a unit after it",
         kHead + "\"Z\" = ZONE\n   AREA = 52.1kg\n   ..\n",
         {},
         "%i:5: error: AREA = 52.1kg is not a number: it is read as 52.1, and the documents and "
         "the message are worked out from it\nsee %e for the whole report\n"},
        {"two points",
         kHead + "\"Z\" = ZONE\n   AREA = 52.1.3\n   ..\n",
         {},
         "%i:5: error: AREA = 52.1.3 is not a number: it is read as 52.1, and the documents and "
         "the message are worked out from it\nsee %e for the whole report\n"},
        {"an item of a list",
         kHead + "\"Z\" = ZONE\n   VALUES = ( 1, two, 3 )\n   ..\n",
         {},
         "%i:5: error: VALUES = ( 1, two, 3 ) holds \"two\", which is not a number: that item is "
         "read as 0, and the documents and the message are worked out from it\nsee %e for the "
         "whole report\n"},
        {"a keyword the run writes",
         kHead + "\"Z\" = ZONE\n   AREA = n/a\n   ..\n",
         {"AREA"},
         "%i:5: warning: AREA = n/a is not a number: it is read as 0\n"},
        {"a decimal comma",
         kHead + "\"Z\" = ZONE\n   AREA = 47,25\n   ..\n",
         {},
         "%i:5: warning: AREA = 47,25 is read as 47: a comma is not a decimal point (write "
         "47.25)\n"},
        {"a comma and more",
         kHead + "\"Z\" = ZONE\n   AREA = 47,25m\n   ..\n",
         {},
         "%i:5: error: AREA = 47,25m is not a number: it is read as 47, and the documents and the "
         "message are worked out from it\nsee %e for the whole report\n"},
        {"given twice, the second not a number",
         kHead + "\"Z\" = ZONE\n   AREA = 12\n   AREA = twelve\n   ..\n",
         {},
         "%i:6: warning: AREA is given again in object \"Z\" (line 5 gave it first): the first "
         "value, 12, is kept and twelve here is not read\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TempDir dir;
        const std::string input = WriteInput(dir, "x.inp", c.input);
        const std::string library = WriteLibrary(dir);
        SetFileLog(dir.file("Tarvex.log"));
        const StopOutcome out = RunToStop([&] {
            BOC boc;
            boc.keywordsTheRunWrites = c.runWrites;
            boc.Init(input, library);
        });
        EXPECT_EQ(out.err, Paths(dir, c.errorStream));
    }
}

// The run log keeps every warning of the reading but the decimal commas'
// (whose lines other programs read as they were); the error stream the
// first few; the run counts them all.
TEST(ErrorStream, WarningsOfTheReadingReachTheLogAndAreCounted) {
    TempDir dir;
    std::string text = kHead;
    for (int i = 0; i < 12; ++i)
        text += "\"Z" + std::to_string(i) + "\" = ZONE\n   AREA = 1\n   AREA = 2\n   ..\n";
    text += "\"C\" = ZONE\n   AREA = 1,5\n   ..\n";
    const std::string input = WriteInput(dir, "x.inp", text);
    const std::string library = WriteLibrary(dir);
    SetFileLog(dir.file("Tarvex.log"));
    StartRunLog();
    const StopOutcome out = RunToStop([&] {
        BOC boc;
        boc.Init(input, library);
    });
    EXPECT_EQ(WarningsOfRun().count, 13u);
    EXPECT_EQ(WarningsOfRun().first, Paths(dir,
                                           "%i:6: warning: AREA is given again in object "
                                           "\"Z0\" (line 5 gave it first): the first value, "
                                           "1, is kept and 2 here is not read"));
    const std::string log = LogStream().str();
    EXPECT_NE(log.find(Paths(dir, "%i:50: warning: AREA is given again in object \"Z11\"")),
              std::string::npos);
    EXPECT_EQ(log.find("decimal"), std::string::npos);
    EXPECT_NE(out.err.find(Paths(dir, "%i: warning: 4 more warnings are not shown here")),
              std::string::npos)
        << out.err;
}

TEST(CommaDecimalWarning, OnlyWhenTheNumberGoesOnPastAComma) {
    const struct {
        const char* text;
        const char* read;  // nullptr: no warning
        const char* meant;
    } cases[] = {
        {"58,4", "58", "58.4"},        {"-0,5", "0", "-0.5"},       {"1,234.5", "1", "1234.5"},
        {"1,234,567", "1", "1234567"}, {"58.4", nullptr, nullptr},  {"58,", nullptr, nullptr},
        {"58, 4", nullptr, nullptr},   {"abc,4", nullptr, nullptr}, {"( 1,2 )", nullptr, nullptr},
    };
    for (const auto& c : cases) {
        const std::string warning = CommaDecimalWarning("f.inp:3", "BER", c.text);
        if (c.read == nullptr) {
            EXPECT_EQ(warning, "") << c.text;
        } else {
            EXPECT_EQ(warning, std::string("f.inp:3: warning: BER = ") + c.text + " is read as " +
                                   c.read + ": a comma is not a decimal point (write " + c.meant +
                                   ")\n");
        }
    }
}

TEST(NearestWord, ASlipOfCaseOrAFewLettersOrTheOneWordThatHoldsIt) {
    const std::vector<std::string> keywords{"BER",         "SER",         "TER",
                                            "B-ADDRESS-0", "B-ADDRESS-1", "MAIN-FUEL-TYPE",
                                            "CENGINE-VAL", "C-NAME"};
    const std::vector<std::string> types{"England and Wales", "Scotland", "Northern Ireland"};
    const std::vector<std::string> yesNo{"NO", "YES"};
    const struct {
        const char* word;
        const std::vector<std::string>* candidates;
        const char* nearest;
    } cases[] = {
        {"BERR", &keywords, "BER"},  // a letter too many
        {"BE", &keywords, "BER"},    // a letter missing
        {"EBR", &keywords, "BER"},   // two letters swapped
        {"ber", &keywords, "BER"},
        {"ebr", &keywords, "BER"},
        {"B-ADRESS-1", &keywords, "B-ADDRESS-1"},
        {"B-ADDERSS-1", &keywords, "B-ADDRESS-1"},
        {"CENGNIE-VLA", &keywords, "CENGINE-VAL"},  // two swaps in eleven letters
        {"MAIN-FUEL", &keywords, "MAIN-FUEL-TYPE"},
        {"PER", &keywords, "BER"},  // the first of equally near words
        {"XYZ", &keywords, ""},
        {"BEEEER", &keywords, ""},  // three letters too many for a word of six
        {"C-NAEM-X", &keywords, ""},
        {"FUEL-MAIN-TYPE", &keywords, ""},
        {"Wales", &types, "England and Wales"},
        {"scotland", &types, "Scotland"},
        {"Scotlnad", &types, "Scotland"},
        {"Ireland", &types, "Northern Ireland"},
        {"land", &types, ""},  // held by all three
        {"NI", &types, ""},
        {"N", &yesNo, ""},   // one letter of two: another word
        {"NI", &yesNo, ""},  // as far from NO as a word of two letters can be
        {"no", &yesNo, "NO"},
        {"YSE", &yesNo, "YES"},
        {"", &types, ""},
    };
    for (const auto& c : cases) EXPECT_EQ(NearestWord(c.word, *c.candidates), c.nearest) << c.word;

    // A word far longer than any candidate is not compared letter by letter.
    EXPECT_EQ(NearestWord(std::string(1 << 20, 'B'), keywords), "");
}

TEST(EditDistance, CountsInsertionsDeletionsSubstitutionsAndSwaps) {
    const struct {
        const char* a;
        const char* b;
        std::size_t distance;
    } cases[] = {{"", "", 0},         {"", "abc", 3},           {"abc", "abc", 0},
                 {"BERR", "BER", 1},  {"kitten", "sitting", 3}, {"TER", "TRE", 1},
                 {"EBR", "BER", 1},   {"flaw", "lawn", 2},      {"ab", "ba", 1},
                 {"abcd", "badc", 2}, {"ca", "abc", 3},  // a swapped pair is not edited again
                 {"SER", "EBR", 2}};
    for (const auto& c : cases) {
        EXPECT_EQ(EditDistance(c.a, c.b), c.distance) << c.a << " " << c.b;
        EXPECT_EQ(EditDistance(c.b, c.a), c.distance) << c.b << " " << c.a;
    }
}

TEST(CodeWords, AllOfAFewOrTheNearestAndWhereTheRestAre) {
    Propiedad keyword;
    keyword.name = "MODE";
    for (const char* word : {"LOW", "MEDIUM", "HIGH", "EXTREME"})
        keyword.codes.push_back({static_cast<int>(keyword.codes.size()) + 1, word});
    EXPECT_EQ(CodeWords("HIHG", keyword, "HEAD"), "MODE takes LOW, MEDIUM, HIGH, EXTREME");

    Propiedad type;
    type.name = "B-TYPE";
    for (const char* word :
         {"A1/A2 Retail/Financial and Professional services", "B1 Offices and Workshop businesses",
          "B8 Storage or Distribution", "C1 Hotels", "C2 Residential Inst.: Residential schools",
          "D1 Non-residential Inst.: Education", "Others: Car Parks 24 hrs"})
        type.codes.push_back({static_cast<int>(type.codes.size()) + 1, word});
    const struct {
        const char* word;
        std::vector<std::string> nearest;
    } cases[] = {
        // Those that hold the word first, the nearest of them first.
        {"Residential",
         {"D1 Non-residential Inst.: Education", "C2 Residential Inst.: Residential schools",
          "C1 Hotels", "B8 Storage or Distribution"}},
        {"c1 hotel",
         {"C1 Hotels", "Others: Car Parks 24 hrs", "B8 Storage or Distribution",
          "B1 Offices and Workshop businesses"}},
        // The suggestion first, whatever its distance.
        {"B1 Offices and Workshop business",
         {"B1 Offices and Workshop businesses", "B8 Storage or Distribution",
          "Others: Car Parks 24 hrs", "C1 Hotels"}},
        // The use class alone finds the code word it opens.
        {"C2",
         {"C2 Residential Inst.: Residential schools", "C1 Hotels", "Others: Car Parks 24 hrs",
          "B8 Storage or Distribution"}},
    };
    for (const auto& c : cases) EXPECT_EQ(NearestCodeWords(c.word, type, 4), c.nearest) << c.word;
    EXPECT_EQ(NearestCodeWords(std::string(1 << 20, 'x'), type, 2).size(), 2u);
    EXPECT_EQ(CodeWords("Hotel", type, "GENERAL"),
              "B-TYPE takes 7 code words, the nearest C1 Hotels, Others: Car Parks 24 hrs, B8 "
              "Storage or Distribution, B1 Offices and Workshop businesses; all are listed under "
              "GENERAL in the input reference (input-reference.md)");
}

}  // namespace
