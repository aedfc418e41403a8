#include "library/libfile.h"

#include <gtest/gtest.h>

namespace {

struct TextCase {
    const char* line;  // items after the text are left in place
    const char* text;
    std::size_t next;  // position after the text
};

TEST(LibReadText, QuotedTextsFollowTheLineRules) {
    const TextCase cases[] = {
        {R"("one")", "one", 1},
        {R"("two   words")", "two words", 2},
        {"\"tab\tand  blanks\"", "tab and blanks", 3},
        {R"("" after)", "", 1},
        {R"(" padded " after)", " padded ", 3},
        {R"(" " after)", " ", 2},  // a lone quote opens, the next lone quote closes
        {R"("first" "second")", "first", 1},
        {R"("a"b c")", "a\"b c", 2},  // a quote inside an item does not close
        {"bare word", "bare", 1},     // an unquoted item is a one-word text
        {R"("never closed here)", "never closed here", 3},
        {R"(")", "", 1},
    };
    for (const TextCase& c : cases) {
        SCOPED_TRACE(c.line);
        const auto items = LibItems(c.line);
        std::size_t pos = 0;
        std::string text;
        ASSERT_TRUE(LibReadText(items, pos, text));
        EXPECT_EQ(text, c.text);
        EXPECT_EQ(pos, c.next);
    }
    std::size_t pos = 0;
    std::string text;
    EXPECT_FALSE(LibReadText({}, pos, text));
}

TEST(LibReadNumber, OnlyWholeFiniteNumbers) {
    double v = 0;
    EXPECT_TRUE(LibReadNumber("0.35", v));
    EXPECT_EQ(v, 0.35);
    EXPECT_TRUE(LibReadNumber("-6666", v));
    EXPECT_EQ(v, -6666);
    EXPECT_TRUE(LibReadNumber("1e3", v));
    EXPECT_EQ(v, 1000);
    for (const char* bad : {"", "abc", "12x", "nan", "inf", "1e999", "1,5"}) {
        SCOPED_TRACE(bad);
        v = 7;
        EXPECT_FALSE(LibReadNumber(bad, v));
        EXPECT_EQ(v, 7);
    }
    int i = 0;
    EXPECT_TRUE(LibReadInt("-12", i));
    EXPECT_EQ(i, -12);
    for (const char* bad : {"", "1.5", "x", "99999999999"}) {
        SCOPED_TRACE(bad);
        EXPECT_FALSE(LibReadInt(bad, i));
    }
}

TEST(LibTruncate, TowardZeroAndMarksWhatDoesNotFit) {
    EXPECT_EQ(LibTruncate(2.9), 2);
    EXPECT_EQ(LibTruncate(-2.9), -2);
    EXPECT_EQ(LibTruncate(2147483647.5), 2147483647);
    EXPECT_EQ(LibTruncate(-2147483648.5), -2147483647 - 1);
    EXPECT_EQ(LibTruncate(1e12), -5555);
    EXPECT_EQ(LibTruncate(-1e12), -5555);
}

// Reading into the same list line after line gives each line's own items.
TEST(LibItems, ReusedListHoldsOnlyTheLatestLine) {
    std::vector<std::string> items;
    for (const char* line :
         {"1 2 a-long-name-of-many-letters \"x y\"", "", "  only\tone  ", "3 4 b c d e f g", "5"}) {
        LibItems(line, items);
        EXPECT_EQ(items, LibItems(line)) << line;
    }
}

}  // namespace
