#include "pdf/epc_layout.h"

#include "project/bands.h"
#include "project/scale_numbers.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <sstream>

namespace {

// Row widths at scale 1, A+ to G.
constexpr float kScaleWidths[kScaleRows] = {145, 200, 243, 286, 329, 372, 415, 458};
constexpr float kRowHeight = 73;
constexpr float kRowGap = 10;
// A+ stands apart from A: the dotted net-zero line runs between them.
constexpr float kTopRowGap = 20;

// Holds two words together on a line while wrapping.
constexpr char kGlue = '\x1f';

constexpr int kRowA = 1;
constexpr int kRowG = kScaleRows - 1;

}  // namespace

float fScaleRowHeight(float sy) {
    return kRowHeight * sy;
}

std::array<ScaleRow, kScaleRows> fScaleRows(float y0, float sx, float sy) {
    const float step = (kRowHeight + kRowGap) * sy;
    std::array<ScaleRow, kScaleRows> rows{};
    for (int r = 0; r < kScaleRows; ++r) {
        float bottom = y0 - static_cast<float>(kRowG - r) * step;
        if (r == 0) bottom = y0 - static_cast<float>(kRowG) * step - kTopRowGap * sy;
        rows[r] = {kEnglandWalesBands.rows[r].label, kScaleWidths[r] * sx, bottom};
    }
    return rows;
}

int fScaleRow(const std::string& band) {
    const BandRow* row = kEnglandWalesBands.Find(band);
    return row != nullptr ? row->scaleRow : kNoScaleRow;
}

int fRoundToInt(double value) {
    if (std::isnan(value)) return 0;
    const double r = std::round(value);  // halves away from zero
    if (r >= static_cast<double>(INT_MAX)) return INT_MAX;
    if (r <= static_cast<double>(INT_MIN)) return INT_MIN;
    return static_cast<int>(r);
}

BandLimitTexts fBandLimitTexts(const std::vector<double>& limits) {
    BandLimitTexts texts;
    if (limits.size() < texts.size()) return texts;
    const std::array<double, kScaleNumbers> numbers =
        ScaleNumbers([&limits](std::size_t i) { return fRoundToInt(limits[i]); });
    for (std::size_t n = 0; n < texts.size(); ++n)
        texts[n] = std::to_string(static_cast<long long>(numbers[n]));
    return texts;
}

std::string fScaleRangeText(int row, const BandLimitTexts& limits, const std::string& over) {
    if (row == kRowA) return limits[0].empty() ? "" : "0-" + limits[0];
    if (row == kRowG) return limits[11].empty() ? "" : over + limits[11];
    if (row < kRowA || row > kRowG) return "";
    const std::string& top = limits[2 * row - 3];
    const std::string& bottom = limits[2 * row - 2];
    return top.empty() || bottom.empty() ? "" : top + "-" + bottom;
}

std::string fNosLevelText(const std::string& level) {
    if (level == "Undefined") return level;
    // "Level 3" and the like: the number after the word.
    return level.size() > 6 ? level.substr(6) : std::string();
}

std::string fTrimBlanks(const std::string& text) {
    const std::string::size_type first = text.find_first_not_of(' ');
    if (first == std::string::npos) return std::string();
    const std::string::size_type last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

float fFitSize(float width, float maxWidth, float size) {
    if (!(width > maxWidth) || maxWidth <= 0) return size;
    return size * maxWidth / width;
}

std::vector<std::string> fWordLines(const std::string& text, float maxWidth, float size,
                                    const TextMeasure& measure) {
    std::vector<std::string> lines;
    std::istringstream words(text);
    std::string line;
    for (std::string word; words >> word;) {
        if (line.empty()) {
            line = word;
            continue;
        }
        const std::string longer = line + " " + word;
        if (measure(longer, size) <= maxWidth) {
            line = longer;
        } else {
            lines.push_back(line);
            line = word;
        }
    }
    if (!line.empty()) lines.push_back(line);
    return lines;
}

std::vector<std::string> fParagraphLines(const std::string& text, const std::string& link,
                                         float maxWidth, float size, const TextMeasure& measure,
                                         bool keepLinkWithWordBefore) {
    // The blank before the link becomes a character that does not break a
    // line, and is a blank again wherever it is measured or shown.
    std::string glued = text;
    const std::string::size_type at =
        link.empty() || !keepLinkWithWordBefore ? std::string::npos : glued.find(" " + link);
    if (at != std::string::npos) glued[at] = kGlue;
    const auto unglue = [](std::string s) {
        std::replace(s.begin(), s.end(), kGlue, ' ');
        return s;
    };
    std::vector<std::string> lines =
        fWordLines(glued, maxWidth, size,
                   [&](const std::string& piece, float sz) { return measure(unglue(piece), sz); });
    for (std::string& line : lines) line = unglue(line);
    return lines;
}

TextPlace fRatingPlace(float widthAtOnePoint, float capHeightAtOnePoint, float x, float y, float h,
                       float sx, float sy) {
    // The words in the box start at 255 sx; the rating keeps 10 sx from them.
    const float wordsLeft = x + 245 * sx;
    TextPlace usual{40 * sx, x + 90 * sx, y - 7 * sy};
    if (usual.x + 2 * widthAtOnePoint * usual.size <= wordsLeft || widthAtOnePoint <= 0)
        return usual;
    // Between the pointer's end (50 sx) and the words, with a gap on each side.
    const float left = x + 60 * sx;
    const float room = wordsLeft - left;
    TextPlace place;
    place.size = std::min(usual.size, room / (2 * widthAtOnePoint));
    place.x = left + (room - 2 * widthAtOnePoint * place.size) / 2;
    place.y = y - h / 2 + capHeightAtOnePoint * place.size;
    return place;
}

std::vector<LinkedLine> fLinkedLines(const std::vector<std::string>& lines,
                                     const std::string& link) {
    std::vector<LinkedLine> out;
    bool placed = false;
    for (const std::string& line : lines) {
        const std::string::size_type at =
            placed || link.empty() ? std::string::npos : line.find(link);
        if (at == std::string::npos) {
            out.push_back({line, "", ""});
            continue;
        }
        out.push_back({line.substr(0, at), link, line.substr(at + link.size())});
        placed = true;
    }
    return out;
}
