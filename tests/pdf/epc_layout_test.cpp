#include "pdf/epc_layout.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>

namespace {

// One point per character: widths that are easy to reason about.
const TextMeasure kOnePerChar = [](const std::string& text, float size) {
    return static_cast<float>(text.size()) * size / 10.0f;
};

TEST(ScaleRows, PlacedFromTheBottomWithAPlusApart) {
    const auto rows = fScaleRows(1335, 0.96f, 0.96f);
    struct Row {
        const char* label;
        float width;
        float bottom;
    } expected[] = {
        {"A+", 139.2f, 758.04f},  {"A", 192.0f, 856.92f},   {"B", 233.28f, 936.6f},
        {"C", 274.56f, 1016.28f}, {"D", 315.84f, 1095.96f}, {"E", 357.12f, 1175.64f},
        {"F", 398.4f, 1255.32f},  {"G", 439.68f, 1335.0f},
    };
    for (int r = 0; r < kScaleRows; ++r) {
        EXPECT_STREQ(rows[r].label, expected[r].label);
        EXPECT_NEAR(rows[r].width, expected[r].width, 1e-3) << expected[r].label;
        EXPECT_NEAR(rows[r].bottom, expected[r].bottom, 1e-3) << expected[r].label;
    }
    EXPECT_NEAR(fScaleRowHeight(0.96f), 70.08f, 1e-4);
}

TEST(ScaleRows, BandTextsFindTheirRowOthersNone) {
    const char* bands[] = {"A+", "A", "B", "C", "D", "E", "F", "G"};
    for (int r = 0; r < kScaleRows; ++r) EXPECT_EQ(fScaleRow(bands[r]), r) << bands[r];
    for (const char* other : {"", " ", "a", "A++", "H", "Carbon Neutral", "B+", "C "})
        EXPECT_EQ(fScaleRow(other), kNoScaleRow) << "'" << other << "'";
}

std::vector<double> Limits(double lambda) {
    std::vector<double> c;
    for (int k = 0; k < 14; ++k) c.push_back((k + 1) * lambda / 4);
    return c;
}

TEST(BandLimitTexts, OddLimitsRoundedWithTopsOneAbove) {
    struct Case {
        std::vector<double> limits;
        BandLimitTexts texts;
    } cases[] = {
        {Limits(50),
         {"25", "26", "50", "51", "75", "76", "100", "101", "125", "126", "150", "150"}},
        // Halves round away from zero.
        {Limits(25), {"13", "14", "25", "26", "38", "39", "50", "51", "63", "64", "75", "75"}},
        {Limits(-10),
         {"-5", "-4", "-10", "-9", "-15", "-14", "-20", "-19", "-25", "-24", "-30", "-30"}},
        // Twelve entries are enough; the thirteenth and fourteenth are not read.
        {{0, 1.4, 0, 2.6, 0, 3, 0, 4, 0, 5, 0, 6},
         {"1", "2", "3", "4", "3", "4", "4", "5", "5", "6", "6", "6"}},
        {{0, std::numeric_limits<double>::infinity(), 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
         {"2147483647", "2147483648", "0", "1", "0", "1", "0", "1", "0", "1", "0", "0"}},
    };
    for (const Case& c : cases) EXPECT_EQ(fBandLimitTexts(c.limits), c.texts);
}

TEST(BandLimitTexts, ShortListGivesNoTextsAndNoRanges) {
    for (std::size_t n : {0u, 1u, 11u}) {
        const BandLimitTexts texts = fBandLimitTexts(std::vector<double>(n, 10.0));
        for (const std::string& t : texts) EXPECT_EQ(t, "") << n;
        for (int r = 0; r < kScaleRows; ++r) EXPECT_EQ(fScaleRangeText(r, texts), "") << r;
    }
}

TEST(ScaleRangeText, EachRowItsRange) {
    const BandLimitTexts texts = fBandLimitTexts(Limits(50));
    const char* expected[] = {"",       "0-25",    "26-50",   "51-75",
                              "76-100", "101-125", "126-150", "Over 150"};
    for (int r = 0; r < kScaleRows; ++r) EXPECT_EQ(fScaleRangeText(r, texts), expected[r]) << r;
    EXPECT_EQ(fScaleRangeText(kNoScaleRow, texts), "");
    EXPECT_EQ(fScaleRangeText(kScaleRows, texts), "");
}

TEST(RoundToInt, HalvesAwayFromZeroWithinIntRange) {
    const double inf = std::numeric_limits<double>::infinity();
    const struct {
        double value;
        int expected;
    } cases[] = {{37.5, 38},
                 {43.75, 44},
                 {-2.5, -3},
                 {0.49, 0},
                 {-0.49, 0},
                 {std::nan(""), 0},
                 {inf, INT_MAX},
                 {-inf, INT_MIN},
                 {1e10, INT_MAX},
                 {-1e10, INT_MIN},
                 {2147483647.0, INT_MAX}};
    for (const auto& c : cases) EXPECT_EQ(fRoundToInt(c.value), c.expected) << c.value;
}

TEST(NosLevelText, NumberOfTheLevelOrUndefinedWhole) {
    const struct {
        const char* level;
        const char* shown;
    } cases[] = {{"Level 3", "3"}, {"Level 4", "4"}, {"Level 5", "5"}, {"Undefined", "Undefined"},
                 {" ", ""},        {"Level", ""},    {"", ""}};
    for (const auto& c : cases) EXPECT_EQ(fNosLevelText(c.level), c.shown) << c.level;
}

TEST(FitSize, SmallerOnlyWhenTooWide) {
    EXPECT_FLOAT_EQ(fFitSize(100, 200, 11), 11);
    EXPECT_FLOAT_EQ(fFitSize(200, 200, 11), 11);
    EXPECT_FLOAT_EQ(fFitSize(400, 200, 11), 5.5f);
    EXPECT_FLOAT_EQ(fFitSize(400, 0, 11), 11);  // no room to fit into: left as it is
}

TEST(WordLines, BreakAtBlanksWithinTheWidth) {
    using Lines = std::vector<std::string>;
    EXPECT_EQ(fWordLines("aa bb cc", 5, 10, kOnePerChar), (Lines{"aa bb", "cc"}));
    EXPECT_EQ(fWordLines("  aa   bb  ", 5, 10, kOnePerChar), (Lines{"aa bb"}));
    // A word wider than the line keeps a line to itself, uncut.
    EXPECT_EQ(fWordLines("a abcdefgh b", 5, 10, kOnePerChar), (Lines{"a", "abcdefgh", "b"}));
    EXPECT_EQ(fWordLines("", 5, 10, kOnePerChar), Lines{});
    EXPECT_EQ(fWordLines("   ", 5, 10, kOnePerChar), Lines{});
}

TEST(ParagraphLines, TheLinkStaysWithTheWordBeforeIt) {
    using Lines = std::vector<std::string>;
    const std::string text = "see the site www.x.org.";
    EXPECT_EQ(fWordLines(text, 14, 10, kOnePerChar), (Lines{"see the site", "www.x.org."}));
    EXPECT_EQ(fParagraphLines(text, "www.x.org", 14, 10, kOnePerChar),
              (Lines{"see the", "site www.x.org."}));
    // The glued pair is measured with its blank: 15 characters do not fit 14.
    EXPECT_EQ(fParagraphLines("site www.x.org.", "www.x.org", 14, 10, kOnePerChar),
              (Lines{"site www.x.org."}));
    EXPECT_EQ(fParagraphLines(text, "", 14, 10, kOnePerChar),
              fWordLines(text, 14, 10, kOnePerChar));
    EXPECT_EQ(fParagraphLines(text, "www.y.org", 14, 10, kOnePerChar),
              fWordLines(text, 14, 10, kOnePerChar));
}

TEST(LinkedLines, CutAroundTheFirstAppearance) {
    const std::vector<LinkedLine> lines =
        fLinkedLines({"visit the", "site www.x.org, then", "www.x.org again"}, "www.x.org");
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0].before, "visit the");
    EXPECT_EQ(lines[0].link, "");
    EXPECT_EQ(lines[1].before, "site ");
    EXPECT_EQ(lines[1].link, "www.x.org");
    EXPECT_EQ(lines[1].after, ", then");
    EXPECT_EQ(lines[2].before, "www.x.org again");
    EXPECT_EQ(lines[2].link, "");

    for (const LinkedLine& l : fLinkedLines({"no link here"}, "www.x.org")) {
        EXPECT_EQ(l.before, "no link here");
        EXPECT_EQ(l.link + l.after, "");
    }
}

TEST(ParagraphLines, MayBreakBeforeTheLinkWhenAllowed) {
    using Lines = std::vector<std::string>;
    const std::string text = "see the site www.x.org.";
    EXPECT_EQ(fParagraphLines(text, "www.x.org", 14, 10, kOnePerChar, false),
              (Lines{"see the site", "www.x.org."}));
}

TEST(RatingPlace, UsualPlaceUnlessTooLongThenCentredWithAGap) {
    const float x = 100, y = 1000, h = 73;
    // Two digits of width 0.556 each at one point.
    const TextPlace usual = fRatingPlace(1.112f, 0.72f, x, y, h, 1, 1);
    EXPECT_FLOAT_EQ(usual.size, 40);
    EXPECT_FLOAT_EQ(usual.x, x + 90);
    EXPECT_FLOAT_EQ(usual.y, y - 7);

    for (float digits : {7.0f, 11.0f}) {
        const float width = 0.556f * digits;
        const TextPlace p = fRatingPlace(width, 0.72f, x, y, h, 1, 1);
        EXPECT_LT(p.size, 40) << digits;
        const float end = p.x + 2 * width * p.size;
        // Between the pointer (ending at 50) and the words (from 255), 10
        // clear of each, with equal room on both sides.
        EXPECT_GE(p.x, x + 60 - 0.01f) << digits;
        EXPECT_LE(end, x + 245 + 0.01f) << digits;
        EXPECT_NEAR(p.x - (x + 60), x + 245 - end, 0.01f) << digits;
        // Its capitals centred between the box's top and bottom.
        EXPECT_NEAR((p.y + (p.y - 2 * 0.72f * p.size)) / 2, y - h / 2, 0.01f) << digits;
    }
}

}  // namespace
