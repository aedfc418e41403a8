#pragma once

#include <array>
#include <string>

// The band scales, in one table each: every band's label, the band limits it
// covers, its row on the certificate's scale and its colour. The rating, the
// results files and the PDF writers all read them from here.

// A colour as stored, each component 0 to 255.
struct BandColour {
    int r = 0;
    int g = 0;
    int b = 0;
};

struct BandRow {
    const char* label;
    // The highest of the fourteen band limits (0 to 13) that falls in this
    // band; kAtOrBelowZero for the best band, which holds ratings <= 0.
    int lastLimit;
    // The row of the certificate's scale that shows the band, top row 0.
    int scaleRow;
    BandColour colour;
};
inline constexpr int kAtOrBelowZero = -1;
inline constexpr int kBandLimitCount = 14;

struct BandScale {
    const BandRow* rows;
    int count;

    const BandRow* begin() const { return rows; }
    const BandRow* end() const { return rows + count; }
    // The band a rating falls in against the scale's limits: the best band
    // for x <= 0, else the band of the first limit that x does not exceed;
    // the last band when it exceeds them all (or is NaN).
    const BandRow& BandOf(double x, const std::array<double, kBandLimitCount>& limits) const;
    // The band that limit k (0 to 13) belongs to.
    const BandRow& BandOfLimit(int k) const;
    // The row of a band label; nullptr for a text that names no band.
    const BandRow* Find(const std::string& label) const;
    // Rows of the certificate's scale.
    int ScaleRows() const { return rows[count - 1].scaleRow + 1; }
};

// England, Wales and Northern Ireland: "A+" (net zero or better), "A" to "G".
extern const BandScale kEnglandWalesBands;
// Scotland: "Carbon Neutral", then half bands "A+", "A", "B+" ... "F", and "G".
extern const BandScale kScottishBands;
