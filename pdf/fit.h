#pragma once

#include <functional>
#include <string>
#include <vector>

// The one rule by which every value of every document is set into its box.
//
// A value is set at its design size while it fits. When it is too long it
// wraps, at a blank or after a comma but never after a house number, onto the
// lines its box allows; only then is it set smaller, one size for the whole
// block of values it belongs to (labels included), in small steps but never
// below kMinTextSize. What still does not fit is cut: the box shows as much
// as it holds, ending in "...", and the number of characters left out is
// counted so that the document can say so (PdfDocument::NoteCut).

// Width in points of a text at a font size; never less than the width of
// the text's beginning.
using TextMeasure = std::function<float(const std::string& text, float size)>;

// No text a reader needs is set smaller than this (points). The security
// patterns and the small exponents are drawn smaller on purpose.
inline constexpr float kMinTextSize = 7.0f;

// The step between one line's baseline and the next, in font sizes.
inline constexpr float kFitLeading = 1.15f;

// The lines of `text` no wider than maxWidth at `size`: broken at a blank or
// after a comma, never at the blank after a house number ("12", "4a", "7-9"),
// which stays with the word after it, nor inside a postcode ("BT52 2XX"). A
// word wider than a line keeps a line to itself. No line starts or ends with
// a blank; an empty text has none.
std::vector<std::string> fBreakLines(const std::string& text, float maxWidth, float size,
                                     const TextMeasure& measure);

// How many lines fit a box `height` points high at `size` (one at least),
// each taking kFitLeading sizes: its letters' height and the gap to the next.
int fLinesIn(float height, float size);

// One value of a block, as its box allows it.
struct FitField {
    std::string name;  // what a warning calls it (the input keyword)
    std::string text;
    float width = 0;  // points
    // The lines its box allows: at most maxLines, and when `height` is set
    // (points) no more than fLinesIn(height, size).
    int maxLines = 1;
    float height = 0;
    // A value of fixed width (a date, a reference number, a figure): in a
    // shared box it gets its lines before the values that can wrap.
    bool fixed = false;
    // The end of the text that stays when the rest is cut (the postcode of an
    // address set on one line): the last line shown ends "..., " and it.
    std::string tail = std::string();
};

// A value as set.
struct FitLines {
    std::vector<std::string> lines;
    std::size_t cut = 0;  // characters left out (blanks not counted)
};

struct FitBlock {
    float size = 0;
    float leading = 0;  // points between baselines: kFitLeading sizes
    std::vector<FitLines> fields;
    // The characters left out of all fields.
    std::size_t cut() const;
};

// What a block as a whole allows beyond its fields' own boxes.
struct FitRoom {
    float minSize = kMinTextSize;
    // The most lines all its fields may take together at a size, for a block
    // whose fields share one box (an address); 0 for no such limit. Cut to
    // it, the fixed fields keep their lines first; then every other field
    // keeps one line before any keeps a second, the earlier fields first, and
    // the later ones lose theirs.
    std::function<int(float size)> totalLines;
    // An address: its last field (the postcode) keeps its line whatever
    // else is dropped.
    bool keepLast = false;
};

// The fields set in one size: `size` when every one fits, else the largest
// size below it, in quarter points, down to room.minSize, at which they all
// do; at room.minSize what does not fit is cut.
FitBlock fFitBlock(const std::vector<FitField>& fields, float size, const TextMeasure& measure,
                   const FitRoom& room = {});

// One value alone in its box.
FitBlock fFitField(const FitField& field, float size, const TextMeasure& measure,
                   float minSize = kMinTextSize);

// Where a word too wide for its line is broken when its first `fits` bytes
// fit: just after the last hyphen, "/", ".", "@" or "_" among them, so that
// "departments/estates" breaks as "departments/" and "estates"; between
// letters (at `fits`) when there is none.
std::size_t fWordBreak(const std::string& word, std::size_t fits);
// Whether a long word may break after this character: a hyphen, "/", ".",
// "@" or "_".
bool fBreaksAfter(char c);

// The end of the letter that starts at `at`: one byte, or a whole UTF-8
// sequence, so that a text is never cut inside a letter.
std::size_t fCharEnd(const std::string& text, std::size_t at);

// The number of characters of `text` other than blanks.
std::size_t fVisibleLength(const std::string& text);
