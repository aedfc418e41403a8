#include "pdf/security.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

constexpr float kPageWidth = 595.276f;
constexpr float kPageHeight = 841.89f;

TEST(DayTrack, RunsFollowTheEdgesInOrderAndMeetTheirEnds) {
    struct End {
        int point;
        float x, y;
    };
    const End ends[] = {
        {1, 3, 493.09f}, {172, 3, 72.71f},    {173, 230.13f, 3}, {239, 590, 3},
        {240, 590, 3},   {356, 590, 832.07f}, {357, 3, 507.56f}, {365, 3, 495.71f},
    };
    for (const End& e : ends) {
        const PdfPoint p = DayTrackPoint(e.point);
        EXPECT_NEAR(p.x, e.x, 1e-3) << e.point;
        EXPECT_NEAR(p.y, e.y, 1e-3) << e.point;
    }
    // Down the left edge, along the bottom, up the right edge, down the left
    // edge again to just above point 1.
    for (int p = 2; p <= kDayTrackPoints; ++p) {
        const PdfPoint a = DayTrackPoint(p - 1), b = DayTrackPoint(p);
        if (p <= 172) {
            EXPECT_EQ(b.x, 3.0f);
            EXPECT_LT(b.y, a.y) << p;
        } else if (p >= 174 && p <= 239) {
            EXPECT_EQ(b.y, 3.0f);
            EXPECT_GT(b.x, a.x) << p;
        } else if (p >= 241 && p <= 356) {
            EXPECT_EQ(b.x, 590.0f);
            EXPECT_GT(b.y, a.y) << p;
        } else if (p >= 358) {
            EXPECT_EQ(b.x, 3.0f);
            EXPECT_LT(b.y, a.y) << p;
        }
        // Inside the page, clear of the top edge and of the bottom-left corner.
        EXPECT_GE(b.x, 3.0f);
        EXPECT_LE(b.x, kPageWidth - 3);
        EXPECT_GE(b.y, 3.0f);
        EXPECT_LT(b.y, kPageHeight - 3);
        EXPECT_FALSE(b.x < 230 && b.y < 72) << p;
    }
    EXPECT_GT(DayTrackPoint(365).y, DayTrackPoint(1).y);
}

TEST(DayTrack, MarkerFoldsTheRatingIntoTheYear) {
    const std::pair<int, int> cases[] = {
        {0, 1},
        {1, 1},
        {364, 364},
        {365, 1},
        {366, 1},
        {-50, 50},
        {800, 70},
        {-800, 70},
        {729, 364},
        {730, 1},
        {INT_MAX, 2147483647 % 365},
        {INT_MIN, static_cast<int>(2147483648LL % 365)},
    };
    for (const auto& [n, point] : cases) EXPECT_EQ(fDayTrackMarker(n), point) << n;
}

TEST(DayTrack, VariedPatternIsPickedByTheRating) {
    const std::pair<int, int> rows[7] = {{17, 34}, {25, 50}, {30, 60}, {37, 74},
                                         {41, 82}, {23, 46}, {47, 94}};
    for (int n : {0, 1, 6, 7, 13, 100, -100, INT_MIN}) {
        const DayTrackPattern plain = fDayTrackPattern(n, false);
        EXPECT_EQ(plain.step, 5);
        EXPECT_EQ(plain.labelEvery, 10);
        const DayTrackPattern varied = fDayTrackPattern(n, true);
        const auto& row = rows[std::llabs(static_cast<long long>(n)) % 7];
        EXPECT_EQ(varied.step, row.first) << n;
        EXPECT_EQ(varied.labelEvery, row.second) << n;
    }
}

// Worked by hand: group digit sums 10, 26, 12, 18, 24 with n = 50.
TEST(SecurityCode, WorkedExample) {
    const SecurityCode code = fSecurityCode(50, "1234-5678-9012-3456-7890");
    EXPECT_EQ(std::vector<int>(code.group, code.group + 5), (std::vector<int>{4, 6, 6, 5, 4}));
    EXPECT_EQ(code.parity, 1);
    EXPECT_EQ(std::vector<int>(code.first, code.first + 6), (std::vector<int>{6, 8, 7, 2, 6, 5}));
    EXPECT_EQ(code.ring, "687265");
    EXPECT_EQ(std::vector<int>(code.second, code.second + 6), (std::vector<int>{6, 7, 7, 2, 3, 0}));
    EXPECT_EQ(code.lineOne, "SK-466541-677230");
    EXPECT_EQ(code.lineTwo, "50-1234-5678-9012-3456-7890-SK466541677230-MEROxTarvex2008");
    EXPECT_EQ(code.lineTwo.size(), 58u);
    // The sign of the rating does not matter.
    EXPECT_EQ(fSecurityCode(-50, "1234-5678-9012-3456-7890").lineOne, code.lineOne);
}

TEST(SecurityCode, NonDigitsAndMissingCharactersCountZero) {
    const SecurityCode zeros = fSecurityCode(12, "0000-0000-0000-0000-0000");
    for (const std::string reference : {"ABCD-EFGH-IJKL-MNOP-QRST", "", "00"}) {
        const SecurityCode code = fSecurityCode(12, reference);
        EXPECT_EQ(code.lineOne, zeros.lineOne) << reference;
        EXPECT_EQ(code.ring, zeros.ring) << reference;
        EXPECT_EQ(code.lineTwo, "12-" + reference + "-SK" + zeros.lineOne.substr(3, 6) +
                                    zeros.lineOne.substr(10) + "-MEROxTarvex2008");
    }
    // Only the digits inside the groups count, the hyphens' places do not.
    EXPECT_EQ(fSecurityCode(12, "00009000090000900009000").lineOne, zeros.lineOne);
}

TEST(SecurityDots, CountAddsTheLastDigitOfEachGroup) {
    struct Case {
        int n;
        const char* reference;
        long long count;
    };
    const Case cases[] = {
        {50, "1234-5678-9012-3456-7890", 70},  // 4 + 8 + 2 + 6 + 0
        {-100, "1234-5678-9012-3456-7890", 80},
        {-20, "1234-5678-9012-3456-7890", 0},
        {50, "123A-567B-901C-345D-789E", 50},
        {5, "", 5},
        {INT_MIN, "9999-9999-9999-9999-9999", 2147483648LL - 45},
    };
    for (const Case& c : cases) EXPECT_EQ(fSecurityDotCount(c.n, c.reference), c.count) << c.n;
}

TEST(SecurityDots, RowsOfTenStackUpwards) {
    const std::vector<PdfPoint> dots = SecurityDots(25, 400, 150, 2);
    ASSERT_EQ(dots.size(), 25u);
    for (std::size_t i = 0; i < dots.size(); ++i) {
        EXPECT_FLOAT_EQ(dots[i].x, 400 + 20.0f * static_cast<float>(i % 10)) << i;
        EXPECT_FLOAT_EQ(dots[i].y, 150 + 10.0f * static_cast<float>(i / 10)) << i;
    }
    EXPECT_TRUE(SecurityDots(0, 400, 150, 1).empty());
    // Rows beyond the top of the page are not drawn, however large the rating.
    const std::vector<PdfPoint> many = SecurityDots(2147483648LL, 400, 150, 1);
    EXPECT_EQ(many.size(), 10u * 139u);
    EXPECT_LE(many.back().y, kPageHeight);
}

}  // namespace
