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

bool IsUpper(char c) {
    return c >= 'A' && c <= 'Z';
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// The first half of a postcode: "BT52", "EH1", "SW1A", "M1".
bool IsOutwardCode(const std::string& w) {
    if (w.size() < 2 || w.size() > 4 || !IsUpper(w[0])) return false;
    std::size_t at = IsUpper(w[1]) ? 2 : 1;
    if (at >= w.size() || !IsDigit(w[at])) return false;
    ++at;
    if (at < w.size() && (IsDigit(w[at]) || IsUpper(w[at]))) ++at;
    return at == w.size();
}

// The second half of a postcode: "2XX".
bool IsInwardCode(const std::string& w) {
    return w.size() == 3 && IsDigit(w[0]) && IsUpper(w[1]) && IsUpper(w[2]);
}

// The last word of a piece.
std::string LastWord(const std::string& text) {
    const std::size_t blank = text.rfind(' ');
    return blank == std::string::npos ? text : text.substr(blank + 1);
}

// A piece of text that may start a line: a word, or the part of a word after
// a comma. `blank` tells whether a blank stands before it.
struct Piece {
    std::string text;
    bool blank = false;
};

// The pieces a line may break between; a house number and the word after it
// are one piece, and so are the two halves of a postcode.
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
            const std::string bare = part.back() == ',' ? part.substr(0, part.size() - 1) : part;
            const bool postcode = first && blank && !pieces.empty() && IsInwardCode(bare) &&
                                  IsOutwardCode(LastWord(pieces.back().text));
            if (first && (glued || postcode)) {
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

// The lines `lines` with every line wider than maxWidth broken so that each
// fits: after a blank or a mark where one fits (fWordBreak), else between
// characters (a line of one character always stays).
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
            n = fWordBreak(rest, n);
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
           std::size_t visible, const std::string& tail) {
    bool cut = f.lines.size() > most;
    if (cut) f.lines.resize(most);
    // The tail after the mark, when it fits beside some of the text.
    const std::string end = ", " + tail;
    const bool keepTail =
        cut && !f.lines.empty() && !tail.empty() &&
        measure(f.lines.back().substr(0, fCharEnd(f.lines.back(), 0)) + kEllipsis + end, size) <=
            width;
    if (keepTail) {
        f.lines.back() = Shortened(f.lines.back(), width - measure(end, size), size, measure) + end;
    } else if (cut && !f.lines.empty()) {
        f.lines.back() = Shortened(f.lines.back(), width, size, measure);
    }
    std::size_t shown = 0;
    for (const std::string& line : f.lines) shown += fVisibleLength(line);
    if (cut && shown >= kEllipsis.size()) shown -= kEllipsis.size();
    if (keepTail) shown -= 1;  // its comma
    f.cut = visible > shown ? visible - shown : 0;
}

// How many of the lines each field wants (`wanted`) a shared box of `room`
// lines shows: the fixed fields' first, then the last field's line when it
// is kept, then one line for each field in order, then the rest in order.
std::vector<std::size_t> SharedLines(const std::vector<FitField>& fields,
                                     const std::vector<std::size_t>& wanted, const FitRoom& room,
                                     int lines) {
    std::size_t left = static_cast<std::size_t>(std::max(0, lines));
    std::vector<std::size_t> given(fields.size(), 0);
    const auto give = [&](std::size_t i, std::size_t upTo) {
        upTo = std::min(upTo, wanted[i]);
        const std::size_t more = upTo > given[i] ? std::min(left, upTo - given[i]) : 0;
        given[i] += more;
        left -= more;
    };
    for (std::size_t i = 0; i < fields.size(); ++i)
        if (fields[i].fixed) give(i, wanted[i]);
    if (room.keepLast) {
        for (std::size_t i = fields.size(); i-- > 0;) {
            if (wanted[i] == 0) continue;
            give(i, 1);
            break;
        }
    }
    for (std::size_t i = 0; i < fields.size(); ++i) give(i, 1);
    for (std::size_t i = 0; i < fields.size(); ++i) give(i, wanted[i]);
    return given;
}

}  // namespace

bool fBreaksAfter(char c) {
    return c == '-' || c == '/' || c == '.' || c == '@' || c == '_';
}

std::size_t fWordBreak(const std::string& word, std::size_t fits) {
    if (fits >= word.size()) return fits;
    // The part before the break holds more than the mark.
    for (std::size_t at = fits; at >= 2; --at) {
        if (word[at - 1] == ' ' || fBreaksAfter(word[at - 1])) return at;
    }
    return fits;
}

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
    // allows, then the block the lines it has room for.
    std::vector<std::size_t> most(fields.size());
    for (std::size_t i = 0; i < fields.size(); ++i) {
        FitLines& set = block.fields[i];
        set.lines = BreakWide(set.lines, fields[i].width, block.size, measure);
        most[i] = std::min(static_cast<std::size_t>(LinesAllowed(fields[i], block.size)),
                           set.lines.size());
    }
    if (room.totalLines) most = SharedLines(fields, most, room, room.totalLines(block.size));
    for (std::size_t i = 0; i < fields.size(); ++i)
        CutTo(block.fields[i], most[i], fields[i].width, block.size, measure,
              fVisibleLength(fields[i].text), fields[i].tail);
    return block;
}

FitBlock fFitField(const FitField& field, float size, const TextMeasure& measure, float minSize) {
    FitRoom room;
    room.minSize = minSize;
    return fFitBlock({field}, size, measure, room);
}
