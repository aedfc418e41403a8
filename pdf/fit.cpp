#include "pdf/fit.h"

#include <algorithm>
#include <cctype>
#include <cmath>

namespace {

constexpr float kSizeStep = 0.25f;
const std::string kEllipsis = "...";

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

}  // namespace

// A single-byte text is rarely taken for UTF-8, and then only where it is cut.
std::size_t fCharEnd(const std::string& text, std::size_t at) {
    const auto b = static_cast<unsigned char>(text[at]);
    std::size_t extra = 0;
    if (b >= 0xC2 && b <= 0xDF) extra = 1;
    if (b >= 0xE0 && b <= 0xEF) extra = 2;
    if (b >= 0xF0 && b <= 0xF4) extra = 3;
    if (at + extra >= text.size()) return at + 1;
    for (std::size_t i = 1; i <= extra; ++i)
        if ((static_cast<unsigned char>(text[at + i]) & 0xC0) != 0x80) return at + 1;
    return at + extra + 1;
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

// A piece of text that may start a line: a word, or the part of a word after
// a comma. `blank` tells whether a blank stands before it.
struct Piece {
    std::string text;
    bool blank = false;
};

// The pieces a line may break between; a house number and the word after it
// are one piece.
std::vector<Piece> Pieces(const std::string& text) {
    std::vector<Piece> pieces;
    std::size_t i = 0;
    bool blank = false;
    while (i < text.size()) {
        if (IsBlank(text[i])) {
            blank = true;
            ++i;
            continue;
        }
        std::size_t end = i;
        while (end < text.size() && !IsBlank(text[end])) ++end;
        const std::string word = text.substr(i, end - i);
        const bool glued = blank && !pieces.empty() && IsHouseNumber(pieces.back().text);
        // A comma inside a word ("Road,Town") may end a line too.
        std::size_t start = 0;
        bool first = true;
        while (start < word.size()) {
            std::size_t comma = word.find(',', start);
            std::size_t stop = comma == std::string::npos ? word.size() : comma + 1;
            const std::string part = word.substr(start, stop - start);
            if (first && glued) {
                pieces.back().text += " " + part;
            } else {
                pieces.push_back({part, first && blank && !pieces.empty()});
            }
            first = false;
            start = stop;
        }
        blank = false;
        i = end;
    }
    return pieces;
}

// The lines `lines` with every line wider than maxWidth broken between
// characters so that each fits (a line of one character always stays).
std::vector<std::string> BreakWide(const std::vector<std::string>& lines, float maxWidth,
                                   float size, const TextMeasure& measure) {
    std::vector<std::string> out;
    for (const std::string& line : lines) {
        std::string rest = line;
        while (measure(rest, size) > maxWidth) {
            // At least one character, then as many more as fit.
            std::size_t n = fCharEnd(rest, 0);
            if (n >= rest.size()) break;
            while (n < rest.size()) {
                const std::size_t next = fCharEnd(rest, n);
                if (measure(rest.substr(0, next), size) > maxWidth) break;
                n = next;
            }
            std::string head = rest.substr(0, n);
            while (!head.empty() && head.back() == ' ') head.pop_back();
            out.push_back(head);
            const std::size_t more = rest.find_first_not_of(' ', n);
            rest = more == std::string::npos ? std::string() : rest.substr(more);
        }
        if (!rest.empty()) out.push_back(rest);
    }
    return out;
}

// The longest beginning of `line` that fits with "..." after it.
std::string Shortened(const std::string& line, float maxWidth, float size,
                      const TextMeasure& measure) {
    std::string kept;
    for (std::size_t at = 0; at < line.size();) {
        const std::size_t next = fCharEnd(line, at);
        std::string longer = line.substr(0, next);
        while (!longer.empty() && longer.back() == ' ') longer.pop_back();
        if (measure(longer + kEllipsis, size) > maxWidth) break;
        kept = line.substr(0, next);
        at = next;
    }
    while (!kept.empty() && kept.back() == ' ') kept.pop_back();
    // A comma before the mark would read as part of the text.
    while (!kept.empty() && (kept.back() == ',' || kept.back() == ' ')) kept.pop_back();
    return kept + kEllipsis;
}

int LinesAllowed(const FitField& f, float size) {
    int lines = std::max(1, f.maxLines);
    if (f.height > 0) lines = std::min(lines, fLinesIn(f.height, size));
    return lines;
}

bool FitsWidth(const std::vector<std::string>& lines, float width, float size,
               const TextMeasure& measure) {
    for (const std::string& line : lines)
        if (measure(line, size) > width) return false;
    return true;
}

// The lines of a field cut to `most`, the last one ending in "..." when
// anything was left out.
void CutTo(FitLines& f, std::size_t most, float width, float size, const TextMeasure& measure,
           std::size_t visible) {
    bool cut = f.lines.size() > most;
    if (cut) f.lines.resize(most);
    if (cut && !f.lines.empty()) f.lines.back() = Shortened(f.lines.back(), width, size, measure);
    std::size_t shown = 0;
    for (const std::string& line : f.lines) shown += fVisibleLength(line);
    if (cut && shown >= kEllipsis.size()) shown -= kEllipsis.size();
    f.cut = visible > shown ? visible - shown : 0;
}

}  // namespace

std::size_t fVisibleLength(const std::string& text) {
    std::size_t n = 0;
    for (std::size_t at = 0; at < text.size(); at = fCharEnd(text, at))
        if (!IsBlank(text[at])) ++n;
    return n;
}

std::vector<std::string> fBreakLines(const std::string& text, float maxWidth, float size,
                                     const TextMeasure& measure) {
    const std::vector<Piece> pieces = Pieces(text);
    // A text is never narrower than its beginning, so when the pieces fit on
    // one line every line tried on the way would fit too: one measure, where
    // trying them costs one for each piece.
    std::string whole;
    for (const Piece& p : pieces) {
        if (!whole.empty() && p.blank) whole += ' ';
        whole += p.text;
    }
    if (whole.empty()) return {};
    if (measure(whole, size) <= maxWidth) return {whole};
    std::vector<std::string> lines;
    std::string line;
    for (const Piece& p : pieces) {
        if (line.empty()) {
            line = p.text;
            continue;
        }
        const std::string longer = line + (p.blank ? " " : "") + p.text;
        if (measure(longer, size) <= maxWidth) {
            line = longer;
        } else {
            lines.push_back(line);
            line = p.text;
        }
    }
    if (!line.empty()) lines.push_back(line);
    return lines;
}

int fLinesIn(float height, float size) {
    if (size <= 0) return 1;
    return std::max(1, static_cast<int>(std::floor(height / (kFitLeading * size) + 1e-4f)));
}

std::size_t FitBlock::cut() const {
    std::size_t n = 0;
    for (const FitLines& f : fields) n += f.cut;
    return n;
}

FitBlock fFitBlock(const std::vector<FitField>& fields, float size, const TextMeasure& measure,
                   const FitRoom& room) {
    FitBlock block;
    const float floor = std::min(size, room.minSize);
    for (float s = size;; s = std::max(floor, s - kSizeStep)) {
        block.size = s;
        block.leading = kFitLeading * s;
        block.fields.clear();
        bool fits = true;
        std::size_t total = 0;
        for (const FitField& f : fields) {
            FitLines set;
            set.lines = fBreakLines(f.text, f.width, s, measure);
            fits = fits && static_cast<int>(set.lines.size()) <= LinesAllowed(f, s) &&
                   FitsWidth(set.lines, f.width, s, measure);
            total += set.lines.size();
            block.fields.push_back(std::move(set));
        }
        if (room.totalLines) fits = fits && static_cast<int>(total) <= room.totalLines(s);
        if (fits) return block;
        if (s <= floor) break;
    }

    // Too long even at the smallest size: each field keeps the lines its box
    // allows, then the block the lines it has room for, earlier fields first.
    std::size_t left = room.totalLines
                           ? static_cast<std::size_t>(std::max(0, room.totalLines(block.size)))
                           : static_cast<std::size_t>(-1);
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const FitField& f = fields[i];
        FitLines& set = block.fields[i];
        set.lines = BreakWide(set.lines, f.width, block.size, measure);
        const auto own = static_cast<std::size_t>(LinesAllowed(f, block.size));
        const std::size_t most = std::min(own, left);
        CutTo(set, most, f.width, block.size, measure, fVisibleLength(f.text));
        left -= std::min(left, set.lines.size());
    }
    return block;
}

FitBlock fFitField(const FitField& field, float size, const TextMeasure& measure, float minSize) {
    FitRoom room;
    room.minSize = minSize;
    return fFitBlock({field}, size, measure, room);
}
