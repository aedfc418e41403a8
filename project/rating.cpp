#include "project/rating.h"

#include <cmath>
#include <sstream>

#include "project/bands.h"

BandGeometry MakeBandGeometry(double lambdaRef) {
    BandGeometry g;
    const double L = lambdaRef;
    const double T = 2 * L;
    g.ratioOriginal = std::sqrt(T / L - 1);
    // Held at 1 or more; a NaN stays NaN, as a comparison with it fails.
    g.ratio = g.ratioOriginal < 1 ? 1 : g.ratioOriginal;
    g.firstStep = L / (g.ratio + 1);

    double cumulative[7];
    double step = g.firstStep;
    for (int i = 0; i < 7; ++i) {
        cumulative[i] = (i == 0 ? 0 : cumulative[i - 1]) + step;
        step *= g.ratio;
    }
    auto& c = g.limits;
    c[0] = cumulative[0] / 2;
    for (int k = 1; k <= 13; k += 2) c[k] = cumulative[(k - 1) / 2];
    for (int k = 2; k <= 12; k += 2)
        c[k] = g.ratio == 1 ? (c[k - 1] + c[k + 1]) / 2 : std::sqrt(c[k - 1] * c[k + 1]);
    return g;
}

double RoundRating(double value) {
    return std::round(value);
}

std::string BandOf(double x, const std::array<double, 14>& c) {
    return kEnglandWalesBands.BandOf(x, c).label;
}

const std::array<double, 14> kScottishLimits = {7.5, 15, 22.5, 30, 37.5, 45,  52.5,
                                                60,  70, 80,   90, 100,  100, 100};

std::string ScottishBandOf(double x) {
    return kScottishBands.BandOf(x, kScottishLimits).label;
}

std::string FormatBandLimits(const std::array<double, 14>& limits) {
    std::ostringstream out;
    out << "{ ";
    for (int k = 0; k < 13; ++k) out << limits[k] << ", ";
    out << limits[13] << " }";
    return out.str();
}
