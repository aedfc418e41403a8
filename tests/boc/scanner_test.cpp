#include "boc/scanner.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <cstdlib>
#include <random>
#include <string>

namespace {

struct CommentCase {
    std::string raw;
    int kind;
    std::string text;
    std::string comment;
};

TEST(SlineTest, CommentsAreCutOutsideQuotes) {
    const CommentCase cases[] = {
        {"", kLineEmpty, "", ""},
        {"     ", kLineEmpty, "     ", "     "},
        {"  $ a note", kLineEmpty, "  $ a note", "  $ a note"},
        {"   KEY = 1", kLinePlain, "   KEY = 1", " "},
        // The character before the "$" goes with the comment cut.
        {"   KEY = 12.5   $ m2", kLineCommented, "   KEY = 12.5  ", "$ m2"},
        {"\"a$b\" = CLASS $ note", kLineCommented, "\"a$b\" = CLASS", "$ note"},
        {"A$x", kLineCommented, "", "$x"},
        // A tab is an ordinary character, not a blank.
        {"\t$ x", kLineCommented, "", "$ x"},
        {"   LABEL = \"Room $1\"", kLinePlain, "   LABEL = \"Room $1\"", " "},
    };
    for (const CommentCase& c : cases) {
        SLINE line;
        line.Load(c.raw);
        line.pComments();
        EXPECT_EQ(line.kind, c.kind) << c.raw;
        EXPECT_EQ(line.err, kScanOk) << c.raw;
        EXPECT_EQ(line.text(), c.text) << c.raw;
        EXPECT_EQ(line.comment, c.comment) << c.raw;
        EXPECT_EQ(line.shown(), c.raw);
    }
}

TEST(SlineTest, UnbalancedQuotesAreBadSyntax) {
    for (const std::string raw : {"\"", "   KEY = \" $ x", "\"a\" = \"b"}) {
        SLINE line;
        line.Load(raw);
        line.pComments();
        EXPECT_EQ(line.kind, kLineBad) << raw;
        EXPECT_EQ(line.err, kScanBadSyntax) << raw;
    }
}

TEST(SlineTest, CommentKeepsAtMostAThousandCharacters) {
    SLINE line;
    line.Load("   K = 1 $" + std::string(5000, 'c'));
    line.pComments();
    EXPECT_EQ(line.comment, "$" + std::string(999, 'c'));
}

struct KeyCase {
    std::string text;
    int result;
    bool valid;
    std::string keyword;
    std::string value;
};

TEST(SlineTest, KeywordLines) {
    const KeyCase cases[] = {
        {"   KEY = 12.5  ", 0, true, "KEY", "12.5"},
        {"   KEY =12.5", 0, true, "KEY", "12.5"},
        {"   KEY=12.5", 0, false, "", ""},
        {"   KEY =", 0, false, "", ""},
        {"   KEY =    ", 0, false, "", ""},
        {"", 0, false, "", ""},
        {"   LIST = ( 1, 2,", 1, true, "LIST", "( 1, 2,"},
        {"   LIST = ( 1, 2 )", 0, true, "LIST", "( 1, 2 )"},
        {"   LIST = (", 1, true, "LIST", "("},
        {"   LIST = ()", 0, true, "LIST", "()"},
        {"\tKEY = 1", 0, true, "\tKEY", "1"},
        // Only the first word is the keyword; the value starts after the "=".
        {"   KEY X = 5", 0, true, "KEY", "5"},
        {"   TEXT = \"a = b\"", 0, true, "TEXT", "\"a = b\""},
    };
    for (const KeyCase& c : cases) {
        SLINE line;
        line.kind = kLineKeyword;
        line.Load(c.text);
        EXPECT_EQ(line.pKey(), c.result) << c.text;
        if (c.valid) {
            EXPECT_EQ(line.kind, kLineKeyword) << c.text;
            EXPECT_EQ(line.err, kScanOk) << c.text;
            EXPECT_EQ(line.keyword, c.keyword) << c.text;
            EXPECT_EQ(line.value, c.value) << c.text;
        } else {
            EXPECT_EQ(line.kind, kLineBad) << c.text;
            EXPECT_EQ(line.err, kScanBadSyntax) << c.text;
        }
    }
}

TEST(SlineTest, ObjectHeaders) {
    struct Case {
        std::string text;
        bool valid;
        std::string name;
        std::string type;
    };
    const std::string longClass(150, 'X');
    const Case cases[] = {
        {"   \"A 1\" = CLASS", true, "A 1", "CLASS"},
        {"\"A\"=CLASS and more words", true, "A", "CLASS"},
        {"\"\" = C", true, "", "C"},
        {"\"a$b\" = CLASS", true, "a$b", "CLASS"},
        {"\"A\" = " + longClass, true, "A", std::string(100, 'X')},
        {"\"A\" = " + longClass + " ", true, "A", longClass},
        {"\"A\" CLASS", false, "", ""},
        {"A = CLASS", false, "", ""},
        {"\"A\" =", false, "", ""},
        {"\"A\" =    ", false, "", ""},
        {"\"A = CLASS", false, "", ""},
    };
    for (const Case& c : cases) {
        SLINE line;
        line.kind = kLineHeader;
        line.Load(c.text);
        line.pObj();
        if (c.valid) {
            EXPECT_EQ(line.kind, kLineHeader) << c.text;
            EXPECT_EQ(line.objName, c.name) << c.text;
            EXPECT_EQ(line.objType, c.type) << c.text;
        } else {
            EXPECT_EQ(line.kind, kLineBad) << c.text;
            EXPECT_EQ(line.err, kScanBadSyntax) << c.text;
        }
    }
}

TEST(SlineTest, ContinuationLines) {
    struct Case {
        std::string text;
        int result;
        int err;
        std::string value;
    };
    const Case cases[] = {
        {"      3 )", 0, kScanOk, " 3 )"},
        {"      4,  ", 1, kScanOk, " 4,"},
        {"      \"c\" )", 0, kScanOk, " \"c\" )"},
        // A single character is not a fragment, even a closing parenthesis.
        {"   )", 0, kScanBadSyntax, " "},
        {")", 0, kScanBadSyntax, " "},
        {"", 0, kScanBadSyntax, " "},
    };
    for (const Case& c : cases) {
        SLINE line;
        line.kind = kLineKeyword;
        line.Load(c.text);
        EXPECT_EQ(line.cKey(), c.result) << c.text;
        EXPECT_EQ(line.kind, kLineContinued) << c.text;
        EXPECT_EQ(line.err, c.err) << c.text;
        EXPECT_EQ(line.value, c.value) << c.text;
    }
}

TEST(SlineTest, TerminatorIsAnIndentedDoubleDot) {
    const std::pair<std::string, bool> cases[] = {
        {"   ..", true},   {" ..", true}, {"   .. ignored", true}, {"..", false}, {"   .", false},
        {"   . .", false}, {"", false},   {"\t..", false},
    };
    for (const auto& [text, end] : cases) {
        SLINE line;
        line.Load(text);
        EXPECT_EQ(line.ObjEnd(), end) << text;
    }
}

TEST(SlineTest, LibraryEntries) {
    struct Case {
        std::string text;
        int kind;
        int err;
    };
    const Case cases[] = {
        {"LIBRARY-ENTRY ZONES = \"zones\"", kLineLibrary, kScanOk},
        {"  LIBRARY-ENTRY any words = \"n\" after", kLineLibrary, kScanOk},
        {"LIBRARY-ENTRY X = zones", kLineBad, kScanBadSyntax},
        {"LIBRARY-ENTRY X \"a\" =", kLineBad, kScanBadSyntax},
        {"LIBRARY-ENTRY X = \"unclosed", kLineBad, kScanBadSyntax},
        // Not library entries: left as they were.
        {"LIBRARY-ENTRY", kLinePlain, kScanOk},
        {"LIBRARY-ENTRYX = \"a\"", kLinePlain, kScanOk},
        {"   KEY = \"LIBRARY-ENTRY\"", kLinePlain, kScanOk},
    };
    for (const Case& c : cases) {
        SLINE line;
        line.kind = kLinePlain;
        line.Load(c.text);
        line.pLibrary();
        EXPECT_EQ(line.kind, c.kind) << c.text;
        EXPECT_EQ(line.err, c.err) << c.text;
    }
}

TEST(CsvlineTest, KeywordRecordOfANumber) {
    CSVLINE l;
    l.line = "L,2,15,KEY,1,0.35,0,10,-6666,-6666,-6666,-6666,,";
    l.Init();
    EXPECT_EQ(l.kind, kCsvKeyword);
    EXPECT_EQ(l.number, 15);
    EXPECT_EQ(l.name, "KEY");
    EXPECT_EQ(l.keyType, 1);
    EXPECT_EQ(l.defaultText, "0.35");
    const std::array<double, 6> bounds{0, 10, -6666, -6666, -6666, -6666};
    EXPECT_EQ(l.bounds, bounds);
    EXPECT_EQ(l.note, "");
    EXPECT_EQ(l.fields.size(), 13u);
}

TEST(CsvlineTest, KeywordRecordOfAReference) {
    CSVLINE l;
    l.line = "K,2,4,TO-ANY,3,NC,TARGET-CLASS,K,-6666,1,2,3,a note,";
    l.Init();
    EXPECT_EQ(l.kind, kCsvKeyword);
    EXPECT_EQ(l.keyType, 3);
    EXPECT_EQ(l.refType, "TARGET-CLASS");
    EXPECT_TRUE(l.byKeyword);
    // Bound 0 is not read for a non-numeric type; bound 1 is field 7 as a number.
    const std::array<double, 6> bounds{-6666, 0, -6666, 1, 2, 3};
    EXPECT_EQ(l.bounds, bounds);
    EXPECT_EQ(l.note, "a note");

    l.line = "K,2,4,TO-ANY,3,NC,ZONE,k,-6666,-6666,-6666,-6666,,";
    l.Init();
    EXPECT_FALSE(l.byKeyword);  // only "K" selects the keyword form
}

TEST(CsvlineTest, ARecordReadAgainKeepsNothingOfTheLineBefore) {
    // The reader cuts every line of the definition through one record.
    CSVLINE l;
    l.line = "K,2,4,TO-ANY,3,NC,TARGET-CLASS,K,-6666,1,2,3,a note,";
    l.Init();
    l.line = "L,2,15,KEY,1,0.35,0,10,-6666,-6666,-6666,-6666,,";
    l.Init();
    EXPECT_EQ(l.refType, "");
    EXPECT_FALSE(l.byKeyword);
    EXPECT_EQ(l.note, "");

    l.line = "C,1,3,LINK,0,-6666,a note,";
    l.Init();
    l.line = "$,a comment,";
    l.Init();
    EXPECT_EQ(l.kind, kCsvComment);
    EXPECT_EQ(l.name, "");
    EXPECT_EQ(l.number, 0);
    EXPECT_EQ(l.classNote, "");
}

TEST(CsvlineTest, ClassAndCodeRecords) {
    CSVLINE c;
    c.line = "C,1,3,LINK,0,-6666,a note,";
    c.Init();
    EXPECT_EQ(c.kind, kCsvClass);
    EXPECT_EQ(c.number, 3);
    EXPECT_EQ(c.name, "LINK");
    EXPECT_EQ(c.minCount, 0);
    EXPECT_EQ(c.maxCount, -6666);
    EXPECT_EQ(c.classNote, "a note");

    CSVLINE d;
    d.line = "D,3,7,Smokeless Fuel (inc Coke),";
    d.Init();
    EXPECT_EQ(d.kind, kCsvCode);
    EXPECT_EQ(d.number, 7);
    EXPECT_EQ(d.name, "Smokeless Fuel (inc Coke)");  // fields are not trimmed
}

TEST(CsvlineTest, LinesThatAreNoRecord) {
    for (const std::string text :
         {"$,anything,", "$", "X,9,1,Y,", "", "no commas at all", ",,,,", "X,-2,1,Y,"}) {
        CSVLINE l;
        l.line = text;
        l.Init();
        EXPECT_EQ(l.kind, kCsvComment) << text;
    }
}

TEST(CsvlineTest, ShortLinesReadAsEmptyFields) {
    CSVLINE noTrailingComma;
    noTrailingComma.line = "D,3,7,HIGH";
    noTrailingComma.Init();
    EXPECT_EQ(noTrailingComma.kind, kCsvCode);
    EXPECT_EQ(noTrailingComma.name, "");  // the text after the last comma is not a field

    CSVLINE shortKey;
    shortKey.line = "K,2,15,KEY,1,";
    shortKey.Init();
    EXPECT_EQ(shortKey.kind, kCsvKeyword);
    EXPECT_EQ(shortKey.defaultText, "");
    const std::array<double, 6> zeros{0, 0, 0, 0, 0, 0};
    EXPECT_EQ(shortKey.bounds, zeros);
    EXPECT_EQ(shortKey.note, "");
    EXPECT_EQ(shortKey.Field(40), "");
}

TEST(NumberTextTest, CLibraryRulesWithClampedIntegers) {
    EXPECT_EQ(TextToInt("  42abc"), 42);
    EXPECT_EQ(TextToInt("abc"), 0);
    EXPECT_EQ(TextToInt(""), 0);
    EXPECT_EQ(TextToInt("99999999999999999999999"), INT_MAX);
    EXPECT_EQ(TextToInt("-99999999999999999999999"), INT_MIN);
    EXPECT_EQ(TextToDouble(" 12.5x"), 12.5);
    EXPECT_EQ(TextToDouble("abc"), 0);
    EXPECT_EQ(TextToDouble("-2.9"), -2.9);
    // Whatever the text, what the C library reads from it, sign of zero included.
    for (const char* text :
         {"-6666",       "0",    "-0",  "7",   "123456789", "-123456789", "1234567890",
          "-9999999999", "12a",  "-",   "--5", "+5",        " 5",         "5 ",
          "1e3",         "0x1A", "007", "",    "-.5",       "10000"}) {
        const double expected = std::strtod(text, nullptr);
        const double read = TextToDouble(text);
        EXPECT_EQ(read, expected) << text;
        EXPECT_EQ(std::signbit(read), std::signbit(expected)) << text;
        const long whole = std::strtol(text, nullptr, 10);
        if (whole >= INT_MIN && whole <= INT_MAX) {
            EXPECT_EQ(TextToInt(text), whole) << text;
        }
    }
}

}  // namespace

TEST(NumberTextTest, WholeNumbersAreDigitsWithASignAPointAndAnExponent) {
    const struct {
        const char* text;
        bool whole;
    } cases[] = {
        {"52.1", true},       {" 52.1 ", true},  {"-7777", true},   {"+5", true},
        {".5", true},         {"5.", true},      {"1e3", true},     {"1.5E-2", true},
        {"\t7\t", true},      {"52.1kg", false}, {"52.1.3", false}, {"fifty", false},
        {"about 400", false}, {"", false},       {" ", false},      {"-", false},
        {".", false},         {"1e", false},     {"e3", false},     {"nan", false},
        {"inf", false},       {"0x1A", false},   {"1 000", false},  {"47,25", false},
        {"--5", false},       {"5-", false},
    };
    for (const auto& c : cases) EXPECT_EQ(IsWholeNumber(c.text), c.whole) << "[" << c.text << "]";
}
