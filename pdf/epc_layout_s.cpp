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

}  // namespace

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
    return joined;
}

std::string fScottishAddressEnd(const std::vector<std::string>& lines) {
    for (auto line = lines.rbegin(); line != lines.rend(); ++line) {
        const std::string text = fTrimBlanks(*line);
        if (!text.empty()) return text;
    }
    return std::string();
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

ScottishRating fScottishRating(const std::string& rating, const std::string& band) {
    static const std::string notProvided = std::to_string(static_cast<int>(kNotProvided));
    if (rating == notProvided) return {"", "??"};
    return {rating, band};
}

ScottishBenchmark fScottishPer(double perRating, const std::string& perBand) {
    if (perRating == kNotProvided) return {0, "??"};
    return {fRoundToInt(perRating), perBand};
}
