// Broken inputs of every kind are reported; none crashes, hangs or reads out
// of bounds.
#include <sys/wait.h>

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "boc/boc.h"
#include "tests/boc/boc_testing.h"
#include "tests/support/process.h"
#include "tests/support/tempdir.h"

namespace {

// Reads `text` in a child and expects the exit status `expected` (or 0 or 1
// when it is -1) and both report files, complete.
void ExpectReported(const std::string& text, int expected, const std::string& what) {
    SCOPED_TRACE(what);
    TempDir dir;
    const std::string input = WriteInput(dir, "in.inp", text);
    const std::string lib = WriteLibrary(dir);
    const int status = ReadToStop(input, lib, dir.file("Tarvex.log"));
    if (expected < 0) {
        EXPECT_TRUE(status == 0 || status == 1) << status;
    } else {
        EXPECT_EQ(status, expected);
    }
    const std::string end = "  END\n";
    const std::string bdl = ReadFileBytes(dir.file("in.bdl"));
    const std::string err = ReadFileBytes(dir.file("in.err"));
    ASSERT_GE(bdl.size(), end.size());
    ASSERT_GE(err.size(), end.size());
    EXPECT_EQ(bdl.substr(bdl.size() - end.size()), end);
    EXPECT_EQ(err.substr(err.size() - end.size()), end);
}

std::string Repeat(const std::string& piece, int times) {
    std::string out;
    for (int i = 0; i < times; ++i) out += piece;
    return out;
}

const std::string kHead = "\"H\" = HEAD\n   ID = 1\n   ..\n";

TEST(RobustTest, BrokenInputsAreReported) {
    const std::size_t tenMb = 10u << 20;
    std::string binary;
    std::mt19937 bytes(7);
    for (int i = 0; i < 65536; ++i) binary += static_cast<char>(bytes() & 0xFF);
    const struct {
        std::string what;
        std::string text;
        int status;
    } cases[] = {
        {"binary", binary, 1},
        {"10 MB line of one word", std::string(tenMb, 'x'), 1},
        {"10 MB header", "\"" + std::string(tenMb, 'n') + "\" = ZONE\n   ..\n" + kHead, 0},
        {"10 MB comment", kHead + "$" + std::string(tenMb, 'c') + "\n", 0},
        {"10 MB of blanks", std::string(tenMb, ' ') + "\n" + kHead, 0},
        {"10 MB of quotes", kHead + "\"Z\" = ZONE\n   LABEL = " + std::string(tenMb, '"') + "\n",
         0},
        {"10 MB of dots", kHead + " " + std::string(tenMb, '.') + "\n", 1},
        {"a thousand unclosed lists in one object",
         "\"H\" = HEAD\n   ID = 1\n" + Repeat("   DATES = ( 1,\n", 1000) + "   ..\n", 1},
        {"a thousand objects ending in open lists",
         kHead + Repeat("\"Z\" = ZONE\n   VALUES = ( 1,\n   ..\n", 1000), 1},
        {"a list open at the end of the file", "\"H\" = HEAD\n   ID = 1\n   DATES = ( 1,\n", 1},
        {"a thousand opening parentheses",
         kHead + "\"Z\" = ZONE\n   VALUES = " + std::string(1000, '(') + "\n   ..\n", 1},
        {"no terminator and no keywords", "\"H\" = HEAD", 1},
        {"terminators only", Repeat("   ..\n", 100), 1},
        {"headers only", Repeat("\"H\" = HEAD\n", 100), 1},
        // A number with a NUL in it, or past any double, is no number.
        {"nul bytes", std::string("\"H\" = HEAD\n   ID = 1\0 2\n   ..\n", 29), 1},
        {"a lone carriage return", "\"H\" = HEAD\r   ID = 1\r   ..\r", 1},
        {"numbers beyond a double", "\"H\" = HEAD\n   ID = 1e999999\n   ..\n", 1},
        {"library entries inside an object",
         "\"H\" = HEAD\nLIBRARY-ENTRY a = \"b\"\n   ID = 1\n   ..\n", 1},
    };
    for (const auto& c : cases) ExpectReported(c.text, c.status, c.what);
}

TEST(RobustTest, LongListsReadWhole) {
    TempDir dir;
    // 10 MB in one keyword line: 2.5 million items.
    std::string items = "( 1";
    for (int i = 0; i < 2500000; ++i) items += ", 2";
    const std::string text = kHead + "\"Z\" = ZONE\n   VALUES = " + items + " )\n   ..\n";
    BOC boc;
    ReadInput(boc, dir, WriteInput(dir, "long.inp", text), WriteLibrary(dir));
    const std::vector<double> values = boc.Vlnum(1, "VALUES");
    ASSERT_EQ(values.size(), 2500001u);
    EXPECT_EQ(values.front(), 1);
    EXPECT_EQ(values.back(), 2);
}

TEST(RobustTest, InputEndingInsideAnObjectStopsThere) {
    TempDir dir;
    BOC boc;
    ReadInput(boc, dir, WriteInput(dir, "end.inp", "\"H\" = HEAD\n   ID = 9\n$ no terminator"),
              WriteLibrary(dir));
    ASSERT_EQ(boc.objects.size(), 1u);
    EXPECT_EQ(boc.objects[0].lines.size(), 3u);
    EXPECT_EQ(boc.Vint(0, "ID"), 9);
}

// Random inputs: raw bytes, soups of the language's pieces, and objects made
// of valid lines with a few mutations, so that the later stages (counts,
// defaults, references) see random matrices too.
std::string RandomInput(std::mt19937& rng) {
    static const char* const kPieces[] = {"\"H\" = HEAD",
                                          "\"Z\" = ZONE",
                                          "\"L\" = LINK",
                                          "   ID = 1",
                                          "   ..",
                                          "..",
                                          "$ c",
                                          "\"",
                                          "(",
                                          ")",
                                          ",",
                                          " = ",
                                          "\r",
                                          "\t",
                                          "nan",
                                          "-1e308",
                                          " 3 )",
                                          "LIBRARY-ENTRY X = \"y\""};
    static const char* const kHeaders[] = {"\"Z\" = ZONE", "\"Z2\" = ZONE", "\"L\" = LINK"};
    static const char* const kLines[] = {"   RATE = 5",
                                         "   RATE = 0.5",
                                         "   MODE = HIGH",
                                         "   DATES = ( 2, 3 )",
                                         "   AREA = 4",
                                         "   TAGS = ( \"a\",\n      \"b\" )",
                                         "   SHAPE = ROUND",
                                         "   TARGET = \"Z\"",
                                         "   TARGETS = ( \"Z\", \"Z2\" )",
                                         "   TARGET-CLASS = HEAD",
                                         "   TO-ANY = \"H\"",
                                         "   TO-ANYS = ( \"H\" )",
                                         "   NAMES = ( x )",
                                         "$ comment",
                                         ""};
    static const char* const kBadLines[] = {"   MODE = NONE",    "   COLOUR = RED",  "\"W\" = WALL",
                                            "   ID = 2",         "\"H\" = HEAD",     "   RATE = -3",
                                            "   DATES = ( 0.5,", "   VALUES = ( 1,", "      11 )"};
    const auto pick = [&](const auto& list) {
        return std::string(list[rng() % (sizeof list / sizeof list[0])]);
    };
    const auto randomBytes = [&](int most) {
        std::string b;
        for (int n = static_cast<int>(rng() % most); n > 0; --n) b += static_cast<char>(rng());
        return b;
    };
    std::string text;
    const int mode = static_cast<int>(rng() % 4);
    if (mode == 0) return randomBytes(4000);
    if (mode == 1) {
        for (int l = static_cast<int>(rng() % 60); l > 0; --l) {
            for (int p = 1 + static_cast<int>(rng() % 3); p > 0; --p)
                text += rng() % 8 == 0 ? randomBytes(40) : pick(kPieces);
            text += '\n';
        }
        return text;
    }
    text = "\"H\" = HEAD\n   ID = 1\n   ..\n";
    for (int o = static_cast<int>(rng() % 8); o > 0; --o) {
        std::string object = pick(kHeaders) + "\n";
        for (int k = static_cast<int>(rng() % 6); k > 0; --k)
            object += (rng() % 15 == 0 ? pick(kBadLines) : pick(kLines)) + "\n";
        if (rng() % 10 != 0) object += "   ..\n";
        // A mutation now and then: a random byte put in or one taken out.
        if (rng() % 6 == 0) {
            const std::size_t at = rng() % object.size();
            if (rng() % 2 == 0)
                object.insert(at, 1, static_cast<char>(rng()));
            else
                object.erase(at, 1);
        }
        text += object;
    }
    return text;
}

TEST(RobustTest, RandomInputsAreReported) {
    std::mt19937 rng(20240611);
    for (int i = 0; i < 300; ++i) ExpectReported(RandomInput(rng), -1, "case " + std::to_string(i));
}

}  // namespace
