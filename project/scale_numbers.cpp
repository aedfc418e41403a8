#include "project/scale_numbers.h"

namespace {

struct Source {
    std::size_t limit;  // the limit it is rounded from
    int above;          // what it adds to the rounded limit
};
constexpr Source kSources[kScaleNumbers] = {{1, 0}, {1, 1}, {3, 0}, {3, 1}, {5, 0},  {5, 1},
                                            {7, 0}, {7, 1}, {9, 0}, {9, 1}, {11, 0}, {11, 0}};

}  // namespace

std::array<double, kScaleNumbers> ScaleNumbers(const std::function<double(std::size_t)>& rounded) {
    std::array<double, kScaleNumbers> numbers{};
    for (std::size_t n = 0; n < kScaleNumbers; ++n)
        numbers[n] = rounded(kSources[n].limit) + kSources[n].above;
    return numbers;
}
