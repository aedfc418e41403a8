#include "pdf/epc_layout.h"

#include "project/bands.h"
#include "project/scale_numbers.h"

#include <algorithm>
#include <cctype>
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

std::vector<std::string> fCutLines(const std::vector<std::string>& lines, float maxWidth,
                                   float size, const TextMeasure& measure) {
    std::vector<std::string> out;
    for (const std::string& line : lines) {
        std::string rest = line;
        while (measure(rest, size) > maxWidth && rest.size() > 1) {
            std::size_t n = 1;
            while (n < rest.size() && measure(rest.substr(0, n + 1), size) <= maxWidth) ++n;
            out.push_back(rest.substr(0, n));
            rest = fTrimBlanks(rest.substr(n));
        }
        if (!rest.empty()) out.push_back(rest);
    }
    return out;
}

std::string fShortened(const std::string& text, float maxWidth, float size,
                       const TextMeasure& measure) {
    if (measure(text, size) <= maxWidth) return text;
    std::string kept = text;
    while (!kept.empty() && measure(fTrimBlanks(kept) + "...", size) > maxWidth) kept.pop_back();
    return fTrimBlanks(kept) + "...";
}

namespace {

// "12", "4a", "7-9", "10B": a house number, which stays with its street.
bool IsHouseNumber(const std::string& word) {
    if (word.empty() || !std::isdigit(static_cast<unsigned char>(word[0]))) return false;
    std::size_t letters = 0;
    for (char c : word) {
        const auto u = static_cast<unsigned char>(c);
        if (std::isalpha(u)) {
            ++letters;
        } else if (!std::isdigit(u) && c != '-' && c != '/') {
            return false;
        }
    }
    return letters <= 1;
}

// Word lines of a piece of an address, each house number glued to the next
// word.
std::vector<std::string> AddressWordLines(const std::string& piece, float maxWidth, float size,
                                          const TextMeasure& measure) {
    std::istringstream in(piece);
    std::vector<std::string> words;
    for (std::string word; in >> word;) words.push_back(word);
    std::string glued;
    for (std::size_t i = 0; i < words.size(); ++i) {
        if (i > 0) glued += IsHouseNumber(words[i - 1]) ? kGlue : ' ';
        glued += words[i];
    }
    const auto unglue = [](std::string s) {
        std::replace(s.begin(), s.end(), kGlue, ' ');
        return s;
    };
    std::vector<std::string> lines =
        fWordLines(glued, maxWidth, size,
                   [&](const std::string& text, float sz) { return measure(unglue(text), sz); });
    for (std::string& line : lines) line = unglue(line);
    return lines;
}

}  // namespace

std::vector<std::string> fAddressLineRows(const std::string& line, float maxWidth, float size,
                                          const TextMeasure& measure) {
    // The parts between commas, each keeping its comma.
    std::vector<std::string> parts;
    std::string::size_type start = 0;
    while (start < line.size()) {
        const std::string::size_type comma = line.find(',', start);
        const std::string::size_type end = comma == std::string::npos ? line.size() : comma + 1;
        const std::string part = fTrimBlanks(line.substr(start, end - start));
        if (!part.empty() && part != ",") parts.push_back(part);
        start = end;
    }
    std::vector<std::string> rows;
    std::string row;
    for (const std::string& part : parts) {
        const std::string longer = row.empty() ? part : row + " " + part;
        if (measure(longer, size) <= maxWidth) {
            row = longer;
            continue;
        }
        if (!row.empty()) rows.push_back(row);
        row.clear();
        std::vector<std::string> pieces = AddressWordLines(part, maxWidth, size, measure);
        if (pieces.empty()) continue;
        row = pieces.back();
        pieces.pop_back();
        rows.insert(rows.end(), pieces.begin(), pieces.end());
    }
    if (!row.empty()) rows.push_back(row);
    return rows;
}

AddressBlock fAddressBlock(const std::vector<std::string>& lines, float maxWidth, float size,
                           float step, float depth, const TextMeasure& measure) {
    std::vector<std::string> filled;
    for (const std::string& line : lines) {
        std::string text = fTrimBlanks(line);
        if (!text.empty()) filled.push_back(std::move(text));
    }
    AddressBlock block;
    for (float s = size; s >= kMinTextSize - 0.01f; s -= 0.5f) {
        block.size = s;
        block.rowStep = step * s / size;
        block.rows.clear();
        bool fits = true;
        for (const std::string& line : filled) {
            for (std::string& row : fAddressLineRows(line, maxWidth, s, measure)) {
                fits = fits && measure(row, s) <= maxWidth;
                block.rows.push_back(std::move(row));
            }
        }
        if (fits && static_cast<float>(block.rows.size()) * block.rowStep <= depth + block.rowStep)
            return block;
    }
    // Too much to show even at the smallest size: keep what fits.
    block.rows = fCutLines(block.rows, maxWidth, block.size, measure);
    const auto most = static_cast<std::size_t>(depth / block.rowStep) + 1;
    if (block.rows.size() > most) {
        block.rows.resize(most);
        block.rows.back() = fShortened(block.rows.back() + " ...", maxWidth, block.size, measure);
    }
    return block;
}

namespace {

// Line step, descent and ascent of the text of a value, in sizes.
constexpr float kLineStep = 1.1f;
constexpr float kDescent = 0.22f;
constexpr float kAscent = 0.75f;
// The least room (points) between one row's last line and the next row.
constexpr float kRowGapPoints = 1.0f;

}  // namespace

int fLinesPerRow(float size, float rowPitch) {
    int lines = 1;
    while (static_cast<float>(lines) * kLineStep * size + (kDescent + kAscent) * size +
               kRowGapPoints <=
           rowPitch)
        ++lines;
    return lines;
}

ValueBlock fValueBlock(const std::vector<BlockValue>& values, float size, float rowPitch,
                       const TextMeasure& measure) {
    ValueBlock block;
    for (float s = size; s >= kMinTextSize - 0.01f; s -= 0.25f) {
        block.size = s;
        block.lineStep = kLineStep * s;
        block.lines.clear();
        const auto most = static_cast<std::size_t>(fLinesPerRow(s, rowPitch));
        bool fits = true;
        for (const BlockValue& v : values) {
            std::vector<std::string> lines = fWordLines(v.text, v.maxWidth, s, measure);
            fits = fits && lines.size() <= most;
            for (const std::string& line : lines) fits = fits && measure(line, s) <= v.maxWidth;
            block.lines.push_back(std::move(lines));
        }
        if (fits) return block;
    }
    // Too long even at the smallest size: cut what cannot be shown.
    const auto most = static_cast<std::size_t>(fLinesPerRow(block.size, rowPitch));
    for (std::size_t i = 0; i < values.size(); ++i) {
        std::vector<std::string>& lines = block.lines[i];
        lines = fCutLines(lines, values[i].maxWidth, block.size, measure);
        if (lines.size() > most) {
            lines.resize(most);
            lines.back() =
                fShortened(lines.back() + " ...", values[i].maxWidth, block.size, measure);
        }
    }
    return block;
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
