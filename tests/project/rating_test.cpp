#include "project/rating.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

TEST(BandGeometry, ReferenceFiftyGivesEvenSteps) {
    const BandGeometry g = MakeBandGeometry(50);
    EXPECT_EQ(g.firstStep, 25);
    EXPECT_EQ(g.ratio, 1);
    EXPECT_EQ(g.ratioOriginal, 1);
    for (int k = 0; k < 14; ++k) EXPECT_DOUBLE_EQ(g.limits[k], 12.5 * (k + 1)) << k;
    EXPECT_EQ(FormatBandLimits(g.limits),
              "{ 12.5, 25, 37.5, 50, 62.5, 75, 87.5, 100, 112.5, 125, 137.5, 150, 162.5, 175 }");
    EXPECT_EQ(FormatBandLimits(MakeBandGeometry(40).limits),
              "{ 10, 20, 30, 40, 50, 60, 70, 80, 90, 100, 110, 120, 130, 140 }");
}

TEST(Bands, EnglandWalesNorthernIreland) {
    const auto c = MakeBandGeometry(50).limits;
    struct Case {
        double rating;
        const char* band;
    } cases[] = {
        {-5, "A+"},
        {0, "A+"},
        {1, "A"},
        {25, "A"},
        {26, "B"},
        {38, "B"},
        {44, "B"},
        {50, "B"},
        {51, "C"},
        {75, "C"},
        {76, "D"},
        {100, "D"},
        {101, "E"},
        {125, "E"},
        {126, "F"},
        {150, "F"},
        {151, "G"},
        {175, "G"},
        {1e9, "G"},
        {std::numeric_limits<double>::infinity(), "G"},
        {-std::numeric_limits<double>::infinity(), "A+"},
        {std::nan(""), "G"},
    };
    for (const auto& t : cases) EXPECT_EQ(BandOf(t.rating, c), t.band) << t.rating;
}

TEST(Bands, RatingsRoundHalvesAwayFromZero) {
    EXPECT_EQ(RoundRating(37.5), 38);
    EXPECT_EQ(RoundRating(43.75), 44);
    EXPECT_EQ(RoundRating(12.5), 13);
    EXPECT_EQ(RoundRating(-2.5), -3);
    EXPECT_EQ(RoundRating(30.0 / 40 * 50), 38);  // the worked example's asset rating
}

TEST(Bands, Scotland) {
    struct Case {
        double rate;
        const char* band;
    } cases[] = {
        {7.4, "A+"},  {7.5, "A"},   {0.4, "Carbon Neutral"},
        {100.4, "F"}, {100.5, "G"}, {-7777, "Carbon Neutral"},
        {16, "B+"},   {22.4, "B+"}, {22.5, "B"},
        {30, "B"},    {60, "D"},    {61, "E+"},
        {90, "F+"},   {91, "F"},
    };
    for (const auto& t : cases) EXPECT_EQ(ScottishBandOf(RoundRating(t.rate)), t.band) << t.rate;
    EXPECT_EQ(FormatBandLimits(kScottishLimits),
              "{ 7.5, 15, 22.5, 30, 37.5, 45, 52.5, 60, 70, 80, 90, 100, 100, 100 }");
}

}  // namespace
