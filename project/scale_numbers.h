#pragma once

#include <array>
#include <cstddef>
#include <functional>

// The twelve numbers that stand beside a certificate's rating scale, and in
// the lodgement message's rating scale, from the fourteen band limits of the
// rating. In order: A's bottom, B's top, B's bottom, C's top ... F's bottom,
// G's top. A band's bottom is an odd limit (1, 3 ... 11) rounded; the top of
// the band below it is one more, except G's, which is F's bottom: G is open
// above it.
inline constexpr std::size_t kScaleNumbers = 12;

// The scale numbers, each from its limit as `rounded(index of the limit)`
// gives it: the certificate and the message each round in their own way.
std::array<double, kScaleNumbers> ScaleNumbers(const std::function<double(std::size_t)>& rounded);
