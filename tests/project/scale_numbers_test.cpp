#include "project/scale_numbers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

// Each number comes from its odd limit, the tops of B to F one above the
// bottom of the band before; G's top is F's bottom.
TEST(ScaleNumbers, OddLimitsWithTheTopsOfBToFOneAbove) {
    const std::vector<double> limits = {0,   25.4, 26,  50.5, 51,    75,  76,
                                        100, 101,  125, 126,  150.2, 151, 175};
    const std::array<double, kScaleNumbers> numbers =
        ScaleNumbers([&limits](std::size_t i) { return std::round(limits[i]); });
    const std::array<double, kScaleNumbers> expected = {25,  26,  51,  52,  75,  76,
                                                        100, 101, 125, 126, 150, 150};
    EXPECT_EQ(numbers, expected);
}

}  // namespace
