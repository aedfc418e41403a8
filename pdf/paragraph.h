#pragma once

#include <hpdf.h>

#include <functional>
#include <string>
#include <vector>

#include "pdf/document.h"

// Paragraphs of the reports: runs of text in several fonts, some of them web
// links, broken into lines and set justified or flush left. Lines are laid
// out here, word by word, and justified by widening the blanks between words;
// libharu's own text boxes spread letters instead and refuse lines whose
// letters would have to move too far apart.

// A piece of a paragraph in one font; `uri`, when set, makes it a link.
struct ParagraphRun {
    std::string text;
    HPDF_Font font = nullptr;
    std::string uri;
};

// The width in points of `text` in `font` at `size`.
using FontMeasure = std::function<float(HPDF_Font font, const std::string& text, float size)>;
// The measure of the fonts in a document.
FontMeasure DocumentMeasure();

// One line of a laid-out paragraph: its pieces (blanks between words
// included), its width when set without stretching, and the extra width that
// each blank gets so that the line ends at the right edge.
struct ParagraphLine {
    std::vector<ParagraphRun> pieces;
    float width = 0;
    float wordSpace = 0;
};

// Breaks the runs into lines no wider than `width` points at `size`. Lines
// break only at blanks, so a word may be made of pieces of two runs ("2007" in
// one font and "," in another); a word wider than a line is cut. When `justify` is set every line
// but the last is stretched to the width, except lines whose blanks would have to grow wider than
// the font size: those, and the last line, are set flush left.
std::vector<ParagraphLine> fLayoutParagraph(const std::vector<ParagraphRun>& runs, float width,
                                            float size, bool justify, const FontMeasure& measure);

// How a paragraph breaks across pages: as a typesetter would, it leaves at
// least `first` lines at the foot of a page and carries at least `last`
// lines to the next, or moves to the next page whole; a paragraph kept
// `whole` moves to the next page rather than break at all (when it fits on a
// page).
struct ParagraphBreaks {
    std::size_t first = 2;
    std::size_t last = 2;
    bool whole = false;
};

// How many of a paragraph's `count` lines go on the page whose room below
// `top` holds `room` lines, by `breaks`; `fresh` when nothing stands above
// them on the page yet, where at least one line is always placed.
std::size_t fLinesOnPage(std::size_t count, std::size_t room, std::size_t roomOfAPage,
                         const ParagraphBreaks& breaks, bool firstPart, bool fresh);

// Sets a paragraph in the current fill colour from `left` (points), its first
// line's box starting at `top`, one line every `leading` points, and returns
// the y below its last line. Lines that do not fit above the bottom margin go
// to a new page (the page check of the toolkit), broken by `breaks`. Links
// are made on the pages where their text lands.
float pHPDF_write_paragraph(PdfDocument& doc, const std::vector<ParagraphRun>& runs, float size,
                            float left, float width, float top, float leading, bool justify,
                            const ParagraphBreaks& breaks = {});
