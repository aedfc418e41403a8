#include "pdf/epc_layout.h"

#include "project/bands.h"

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
    // The band bottoms are the odd limits (1, 3 ... 11); the top of the next
    // band is one above, except G, which is open above its top.
    for (int band = 0; band < 6; ++band) {
        const long long bottom = fRoundToInt(limits[2 * band + 1]);
        const int at = 2 * band;  // A_bot, B_bot, C_bot ... F_bot
        texts[at] = std::to_string(bottom);
        texts[at + 1] = std::to_string(band == 5 ? bottom : bottom + 1);
    }
    return texts;
}

std::string fScaleRangeText(int row, const BandLimitTexts& limits) {
    if (row == kRowA) return limits[0].empty() ? "" : "0-" + limits[0];
    if (row == kRowG) return limits[11].empty() ? "" : "Over " + limits[11];
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
                                         float maxWidth, float size, const TextMeasure& measure) {
    // The blank before the link becomes a character that does not break a
    // line, and is a blank again wherever it is measured or shown.
    std::string glued = text;
    const std::string::size_type at = link.empty() ? std::string::npos : glued.find(" " + link);
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

std::vector<AddressRow> fAddressRows(const std::vector<std::string>& lines, float maxWidth,
                                     float size, std::size_t maxRows, const TextMeasure& measure) {
    std::vector<std::string> filled;
    for (const std::string& line : lines) {
        std::string text = fTrimBlanks(line);
        if (!text.empty()) filled.push_back(std::move(text));
    }
    std::vector<AddressRow> rows;
    for (const std::string& line : filled) {
        for (std::string& piece : fWordLines(line, maxWidth, size, measure))
            rows.push_back({std::move(piece), size});
    }
    bool fits = rows.size() <= maxRows;
    for (const AddressRow& row : rows) fits = fits && measure(row.text, size) <= maxWidth;
    if (fits) return rows;

    // No room to break lines (or a single word is too wide): one row a line,
    // each as large as fits.
    rows.clear();
    for (const std::string& line : filled)
        rows.push_back({line, fFitSize(measure(line, size), maxWidth, size)});
    return rows;
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
