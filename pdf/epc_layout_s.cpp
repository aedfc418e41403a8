#include "pdf/epc_layout_s.h"

#include <algorithm>

#include "app/codes.h"
#include "project/bands.h"

namespace {

// The top row's lower edge and the step between rows.
constexpr float kFirstRowBottom = 296;
constexpr float kRowStep = 58;

// The names of the sources in the order of kRenewableKeywords.
const std::array<const char*, kRenewableSources> kRenewableNames = {
    "Photovoltaics", "Wind generators", "CHP generators", "Solar thermal", "Heat pumps"};

// Line spacing of a box, in font sizes.
constexpr float kLeadingFactor = 1.2f;
constexpr float kSizeStep = 0.25f;
// The first line takes the font's height above the baseline and below it.
constexpr float kFirstLineFactor = 1.15f;

}  // namespace

const std::array<const char*, kRenewableSources> kRenewableKeywords = {
    "KWH/M2-PVS", "KWH/M2-WIND", "KWH/M2-CHP", "KWH/M2-SES", "KWH/M2-HEAT-PUMP"};

int fScottishScaleRow(const std::string& band) {
    const BandRow* row = kScottishBands.Find(band);
    return row != nullptr ? row->scaleRow : kNoScaleRow;
}

std::array<const BandRow*, kScottishScaleRows> fScottishScaleBands() {
    std::array<const BandRow*, kScottishScaleRows> bands{};
    // A half band comes before the letter of its row: the letter is the
    // row's last band.
    for (const BandRow& row : kScottishBands) {
        if (row.scaleRow >= 0 && row.scaleRow < kScottishScaleRows) bands[row.scaleRow] = &row;
    }
    return bands;
}

float fScottishRowBottom(int row) {
    return kFirstRowBottom + kRowStep * static_cast<float>(row);
}

std::string fScottishAddress(const std::vector<std::string>& lines) {
    std::string joined;
    for (const std::string& line : lines) {
        const std::string text = fTrimBlanks(line);
        if (text.empty()) continue;
        if (!joined.empty()) joined += ", ";
        joined += text;
    }
    if (joined.size() > kAddressLength) joined.resize(kAddressLength);
    return joined;
}

std::string fRenewableSource(const RenewableValues& values, int renewableMainCode,
                             const std::string& renewableMainText) {
    if (renewableMainCode == kRenewableMainNamed) return renewableMainText;
    std::string source = "None";
    double best = 0;
    for (int i = 0; i < kRenewableSources; ++i) {
        // Strictly greater: a tie keeps the earlier source.
        if (values[i] > best) {
            best = values[i];
            source = kRenewableNames[i];
        }
    }
    return source;
}

ScottishBenchmark fScottishPer(double perRating, const std::string& perBand) {
    if (perRating == kNotProvided) return {0, "??"};
    return {fRoundToInt(perRating), perBand};
}

BoxText fBoxText(const std::string& text, float width, float height, float size, float minSize,
                 const TextMeasure& measure) {
    BoxText box;
    for (float s = size;; s = std::max(minSize, s - kSizeStep)) {
        box.size = s;
        box.leading = s * kLeadingFactor;
        box.lines = fWordLines(text, width, s, measure);
        // The first line takes a line's height, each further one a leading;
        // a box lower than one line still shows one.
        const float first = s * kFirstLineFactor;
        const std::size_t rows =
            height < first ? 1 : static_cast<std::size_t>((height - first) / box.leading) + 1;
        bool fits = box.lines.size() <= rows;
        for (const std::string& line : box.lines) fits = fits && measure(line, s) <= width;
        if (fits) return box;
        if (s > minSize) continue;

        // Even the smallest size is too large: keep what fits and mark where
        // text is missing.
        const bool cut = box.lines.size() > rows;
        if (cut) box.lines.resize(rows);
        for (std::size_t i = 0; i < box.lines.size(); ++i) {
            std::string& line = box.lines[i];
            const bool last = i + 1 == box.lines.size();
            if (!(cut && last) && measure(line, s) <= width) continue;
            while (!line.empty() && measure(line + "...", s) > width) line.pop_back();
            line += "...";
        }
        return box;
    }
}
