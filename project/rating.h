#pragma once

#include <array>
#include <string>

// The band scale of England, Wales and Northern Ireland for a reference
// rating L: the width of the first step, the ratio between steps (and that
// ratio before it is held at 1 or more) and the fourteen band limits.
struct BandGeometry {
    double firstStep = 0;      // w
    double ratio = 0;          // r
    double ratioOriginal = 0;  // s
    std::array<double, 14> limits{};
};
BandGeometry MakeBandGeometry(double lambdaRef);

// What the rating stage hands to the writers: each rating rounded, its band
// and the scale's limits. The same values are also written to the rating
// keywords, which the results files and stored inputs rely on; writers take
// them from here so that no number goes through text and back.
struct Ratings {
    double asset = 0;       // EPC-RATING
    double newBuild = 0;    // TER-RATING
    double stock = 0;       // TYR-RATING (England, Wales, Northern Ireland)
    double improved = 0;    // PER-RATING (Scotland); -7777 when not provided
    std::string assetBand;  // EPC-BAND, or S-EPC-BAND in Scotland
    std::string newBuildBand;
    std::string stockBand;
    std::string improvedBand;
    std::array<double, 14> limits{};  // EPC-BAND-LIMITS
};

// A rating rounded to the nearest whole number, halves away from zero.
double RoundRating(double value);

// "A+" for x <= 0, then "A" to "G" against the first thirteen limits;
// anything that passes no test (above the last limit, or NaN) is "G".
std::string BandOf(double rating, const std::array<double, 14>& limits);

// The fixed Scottish scale and its bands, "Carbon Neutral" to "G".
extern const std::array<double, 14> kScottishLimits;
std::string ScottishBandOf(double rating);

// "{ c0, c1, ..., c13 }" with each limit as a stream writes a double.
std::string FormatBandLimits(const std::array<double, 14>& limits);
