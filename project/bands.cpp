#include "project/bands.h"

namespace {

const BandRow kEnglandWalesRows[] = {
    {"A+", kAtOrBelowZero, 0, {13, 104, 38}},
    {"A", 1, 1, {13, 104, 38}},
    {"B", 3, 2, {49, 160, 61}},
    {"C", 5, 3, {127, 195, 28}},
    {"D", 7, 4, {255, 204, 0}},
    {"E", 9, 5, {253, 161, 69}},
    {"F", 11, 6, {255, 102, 0}},
    {"G", 13, 7, {255, 0, 0}},
};

// The Scottish certificate shows a half band on the row of its letter.
const BandRow kScottishRows[] = {
    {"Carbon Neutral", kAtOrBelowZero, 0, {1, 103, 1}},
    {"A+", 0, 1, {52, 204, 52}},
    {"A", 1, 1, {52, 204, 52}},
    {"B+", 2, 2, {153, 255, 52}},
    {"B", 3, 2, {153, 255, 52}},
    {"C+", 4, 3, {153, 255, 153}},
    {"C", 5, 3, {153, 255, 153}},
    {"D+", 6, 4, {255, 255, 1}},
    {"D", 7, 4, {255, 255, 1}},
    {"E+", 8, 5, {255, 204, 1}},
    {"E", 9, 5, {255, 204, 1}},
    {"F+", 10, 6, {255, 103, 1}},
    {"F", 11, 6, {255, 103, 1}},
    {"G", 13, 7, {255, 1, 1}},
};

}  // namespace

const BandScale kEnglandWalesBands{kEnglandWalesRows,
                                   static_cast<int>(std::size(kEnglandWalesRows))};
const BandScale kScottishBands{kScottishRows, static_cast<int>(std::size(kScottishRows))};

const BandRow& BandScale::BandOfLimit(int k) const {
    for (const BandRow& row : *this) {
        if (row.lastLimit >= k) return row;
    }
    return rows[count - 1];
}

const BandRow& BandScale::BandOf(double x,
                                 const std::array<double, kBandLimitCount>& limits) const {
    if (x <= 0) return rows[0];
    const BandRow& last = rows[count - 1];
    for (int k = 0; k < kBandLimitCount; ++k) {
        const BandRow& band = BandOfLimit(k);
        // Limits of the last band decide nothing: it is the answer anyway.
        if (&band == &last) break;
        if (x <= limits[k]) return band;
    }
    return last;
}

const BandRow* BandScale::Find(const std::string& label) const {
    for (const BandRow& row : *this) {
        if (label == row.label) return &row;
    }
    return nullptr;
}
