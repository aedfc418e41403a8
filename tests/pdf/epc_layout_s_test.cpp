#include "pdf/epc_layout_s.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "project/rating.h"

namespace {

// A rating on either side of every band edge lands in its band and the
// arrow points at that band's row; half bands share the row of their letter.
TEST(ScottishScale, RatingsOnEachBandEdgePointAtTheirRow) {
    struct Case {
        double rating;
        const char* band;
        int row;
    } cases[] = {
        {-7777, "Carbon Neutral", 0},
        {-1, "Carbon Neutral", 0},
        {0, "Carbon Neutral", 0},
        {1, "A+", 1},
        {7, "A+", 1},
        {8, "A", 1},
        {15, "A", 1},
        {16, "B+", 2},
        {22, "B+", 2},
        {23, "B", 2},
        {30, "B", 2},
        {31, "C+", 3},
        {37, "C+", 3},
        {38, "C", 3},
        {45, "C", 3},
        {46, "D+", 4},
        {52, "D+", 4},
        {53, "D", 4},
        {60, "D", 4},
        {61, "E+", 5},
        {70, "E+", 5},
        {71, "E", 5},
        {80, "E", 5},
        {81, "F+", 6},
        {90, "F+", 6},
        {91, "F", 6},
        {100, "F", 6},
        {101, "G", 7},
        {100000, "G", 7},
    };
    for (const Case& c : cases) {
        const std::string band = ScottishBandOf(c.rating);
        EXPECT_EQ(band, c.band) << c.rating;
        EXPECT_EQ(fScottishScaleRow(band), c.row) << c.rating;
    }
    for (const char* other : {"??", "", "A++", "H", "carbon neutral", "G+"})
        EXPECT_EQ(fScottishScaleRow(other), kNoScaleRow) << "'" << other << "'";
}

TEST(ScottishScale, RowsAreLabelledCarbonNeutralThenTheLetters) {
    const char* labels[] = {"Carbon Neutral", "A", "B", "C", "D", "E", "F", "G"};
    const auto bands = fScottishScaleBands();
    for (int r = 0; r < kScottishScaleRows; ++r) {
        ASSERT_NE(bands[r], nullptr) << r;
        EXPECT_STREQ(bands[r]->label, labels[r]);
        EXPECT_FLOAT_EQ(fScottishRowBottom(r), 296.0f + 58.0f * static_cast<float>(r));
    }
}

TEST(ScottishAddress, BlankLinesSkippedNothingCut) {
    const std::string ninety(90, 'x');
    struct Case {
        std::vector<std::string> lines;
        std::string joined;
    } cases[] = {
        {{"Glenmorven School", "", "3 Craigie Brae", "  ", "Perth", ""},
         "Glenmorven School, 3 Craigie Brae, Perth"},
        {{"", "", "", "", "", ""}, ""},
        // A long address is the fitting rule's to set, and to cut with a
        // warning when its box cannot hold it.
        {{ninety, "Perth"}, ninety + ", Perth"},
    };
    for (const Case& c : cases) EXPECT_EQ(fScottishAddress(c.lines), c.joined);
}

TEST(RenewableSource, LargestContributionEarlierOnATieNoneAtZero) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    struct Case {
        RenewableValues values;
        int mainCode;
        std::string source;
    } cases[] = {
        {{0, 0, 0, 0, 0}, 1, "None"},
        {{4.8, 0, 0, 2.1, 0}, 1, "Photovoltaics"},
        {{3, 3, 3, 3, 3}, 1, "Photovoltaics"},
        {{0, 2, 2, 0, 0}, 1, "Wind generators"},
        {{1, 0, 5, 0, 5}, 1, "CHP generators"},
        {{0, 0, 0, 0.1, 0}, 1, "Solar thermal"},
        {{1, 1, 1, 1, 1.01}, 1, "Heat pumps"},
        // Missing and negative contributions never count.
        {{-7777, -1, nan, 0, 0}, 1, "None"},
        {{nan, 0, 0, 0, 2}, 3, "Heat pumps"},
        // The assessor names the main source: it replaces the calculation's.
        {{4.8, 0, 0, 0, 0}, 2, "Biomass"},
        {{0, 0, 0, 0, 0}, 2, "Biomass"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(fRenewableSource(c.values, c.mainCode, "Biomass"), c.source) << c.source;
}

TEST(ScottishRating, NotProvidedShowsNoFigureAndNoBand) {
    const struct {
        std::string rating, band, text, shownBand;
    } cases[] = {
        {"-7777", "Carbon Neutral", "", "??"},
        {"37", "C+", "37", "C+"},
        {"-7776", "Carbon Neutral", "-7776", "Carbon Neutral"},
        {"0", "Carbon Neutral", "0", "Carbon Neutral"},
    };
    for (const auto& c : cases) {
        const ScottishRating r = fScottishRating(c.rating, c.band);
        EXPECT_EQ(r.text, c.text) << c.rating;
        EXPECT_EQ(r.band, c.shownBand) << c.rating;
    }
}

TEST(ScottishPer, NotProvidedPrintsZeroWithNoBand) {
    const ScottishBenchmark missing = fScottishPer(-7777, "A+");
    EXPECT_EQ(missing.value, 0);
    EXPECT_EQ(missing.band, "??");
    const ScottishBenchmark given = fScottishPer(29, "B");
    EXPECT_EQ(given.value, 29);
    EXPECT_EQ(given.band, "B");
    EXPECT_EQ(fScottishPer(-7776.6, "Carbon Neutral").value, -7777);
}

}  // namespace
