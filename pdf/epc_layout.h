#pragma once

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "pdf/fit.h"

// Layout rules of the certificate pages that hold logic of their own, kept
// apart from the drawing so that they can be checked without a document.
// Positions are design units (see pdf/toolkit.h) unless a name says points.

// The rating scale: eight rows from "A+" at the top to "G" at the bottom.
inline constexpr int kScaleRows = 8;
inline constexpr int kNoScaleRow = -1;

// One row of the rating scale drawn at (x0, y0) with factors (sx, sy).
struct ScaleRow {
    const char* label;  // "A+", "A" ... "G"
    float width;        // from x0 to the right
    float bottom;       // lower edge
};
float fScaleRowHeight(float sy);
// The rows, top ("A+") first. G sits on y0, each row above it one row height
// and a gap higher; A+ is set apart by a further gap.
std::array<ScaleRow, kScaleRows> fScaleRows(float y0, float sx, float sy);
// The row of a band text; kNoScaleRow for a text that names no band, which
// therefore is neither outlined nor pointed at.
int fScaleRow(const std::string& band);

// The band limits printed beside the scale, in the order A_bot, B_top, B_bot,
// C_top, C_bot, D_top, D_bot, E_top, E_bot, F_top, F_bot, G_top.
using BandLimitTexts = std::array<std::string, 12>;
// The scale numbers (project/scale_numbers.h), each limit rounded to a whole
// number held within int. With fewer than twelve limits every text is empty.
BandLimitTexts fBandLimitTexts(const std::vector<double>& limits);
// The range printed in a row: none for A+, "0-" and the bottom of A, top "-"
// bottom for B to F, `over` ("Over ") and the top of G. Empty when a limit it
// needs is empty.
std::string fScaleRangeText(int row, const BandLimitTexts& limits,
                            const std::string& over = "Over ");

// A number rounded to the nearest whole number, halves away from zero, held
// within the range of int; NaN gives 0. Ratings of a building with a standard
// emission rate of zero are infinite.
int fRoundToInt(double value);

// The "NOS level" shown on the certificate: the level's number ("Level 4"
// gives "4"); "Undefined" as it is.
std::string fNosLevelText(const std::string& level);

// The text with blanks removed from both ends.
std::string fTrimBlanks(const std::string& text);

// The font size at which text `width` points wide at `size` fits into
// `maxWidth` points: `size` when it fits, smaller in proportion when not.
float fFitSize(float width, float maxWidth, float size);

// Breaks a text at blanks into lines no wider than maxWidth; a word wider
// than a line keeps a line to itself. No line starts or ends with a blank.
std::vector<std::string> fWordLines(const std::string& text, float maxWidth, float size,
                                    const TextMeasure& measure);

// As fWordLines. With `keepLinkWithWordBefore`, `link` stays on one line
// with the word before it, so that a sentence never leaves its web address
// alone on a line; without, the paragraph may break before the address.
std::vector<std::string> fParagraphLines(const std::string& text, const std::string& link,
                                         float maxWidth, float size, const TextMeasure& measure,
                                         bool keepLinkWithWordBefore = true);

// Where text is set: size in points, baseline start in design units.
struct TextPlace {
    float size = 0;
    float x = 0;
    float y = 0;
};
// The rating in the pointer box whose left edge is x, bottom y and height h
// (design units, scale sx, sy), given the rating's width and the font's cap
// height at one point. A rating that fits stands at its usual place, 40 sx
// points high; a longer one is set smaller, keeps a gap from the words on
// its right and is centred in the room between the pointer and those words
// and between the box's top and bottom.
TextPlace fRatingPlace(float widthAtOnePoint, float capHeightAtOnePoint, float x, float y, float h,
                       float sx, float sy);

// A line of a paragraph that carries a web link, cut around the link.
struct LinkedLine {
    std::string before;
    std::string link;  // empty on the lines without it
    std::string after;
};
// The lines cut around the first appearance of `link`; the other lines are
// all `before`. Lines from fWordLines never split the link, which holds no
// blank.
std::vector<LinkedLine> fLinkedLines(const std::vector<std::string>& lines,
                                     const std::string& link);
