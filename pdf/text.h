#pragma once

#include <hpdf.h>

#include <string>
#include <vector>

#include "pdf/document.h"
#include "pdf/epc_layout.h"
#include "pdf/fit.h"
#include "pdf/toolkit.h"

// Text on a page: the font in use, measuring, wrapping and drawing.

// Sets the page's font and size, unless they are already the current ones
// (see SetFill); the word spacing likewise.
void UseFont(HPDF_Page page, HPDF_Font font, float size);
void UseWordSpace(HPDF_Page page, float space);

// Width in points of a text at a font size (0 without a font).
float TextWidth(HPDF_Font font, float size, const std::string& text);
// TextWidth in `font`, for the layout rules that measure text.
TextMeasure MeasureIn(HPDF_Font font);
// The baseline of a first line set at `size` whose box starts at `top`
// (points): the font's tallest glyph just touches the top.
float fFirstBaseline(HPDF_Font font, float size, float top);

// Breaks off the first line of `text` that fits into `width` points at `size`
// (at word boundaries; a word longer than the line is cut after a hyphen,
// "/", ".", "@" or "_" where it has one, else between letters), appends it to
// `lines` and returns the rest (which keeps its leading blanks).
std::string fWrap(float width, HPDF_Font font, float size, const std::string& text,
                  std::vector<std::string>& lines);
// Appends all lines of `text`; nothing for an empty text.
void fStrWrap(float width, HPDF_Font font, float size, const std::string& text,
              std::vector<std::string>& lines);

// Writes one line of text with its baseline starting at a design-unit point,
// in the page's current fill colour.
void pHPDF_write_text(HPDF_Page page, HPDF_Font font, float size, float x, float y,
                      const std::string& text);
// Text whose baseline starts at (x, y) points, in a colour.
void WriteAt(HPDF_Page page, HPDF_Font font, float size, float x, float y, const std::string& text,
             const RGBColour& colour = kBlack);
// Text at a design-unit point in a colour.
void Write(HPDF_Page page, HPDF_Font font, float size, float x, float y, const std::string& text,
           const RGBColour& colour = kBlack);
// A value that has to end before `right` (design units): set smaller when it
// is too long, so that it never crosses into the next block.
void WriteFitted(HPDF_Page page, HPDF_Font font, float size, float x, float y, float right,
                 const std::string& text, const RGBColour& colour = kBlack);
// A value set by the fitting rule: its lines from the baseline at the
// design-unit point (x, y), one block leading apart, in a colour.
void WriteFittedLines(HPDF_Page page, HPDF_Font font, const FitBlock& block, std::size_t field,
                      float x, float y, const RGBColour& colour = kBlack);
// Says in the document which fields of a block were cut, and by how much.
void NoteCuts(PdfDocument& doc, const std::vector<FitField>& fields, const FitBlock& block);
// One value alone in a box `width` points wide and `lines` lines deep at
// its design size, its first baseline at the design-unit point (x, y):
// set by the fitting rule, any cut noted in the document. Returns the block.
FitBlock WriteField(PdfDocument& doc, HPDF_Page page, HPDF_Font font, float size, float x, float y,
                    const FitField& field, const RGBColour& colour = kBlack);

// Text filled in one colour and outlined in black.
void WriteOutlined(HPDF_Page page, HPDF_Font font, float size, float x, float y,
                   const std::string& text, const RGBColour& fill, float lineWidth);
// Lines already broken, written one every `leading` points from the top of
// a box (points) and aligned between left and right; a justified box spreads
// the words of every line but the last. Lines below 40 points are dropped.
void DrawLines(HPDF_Page page, HPDF_Font font, float size, float leading, float left, float top,
               float right, const std::vector<std::string>& lines, HPDF_TextAlignment alignment);

// Inside a text object: shows `text` at the current text position and covers
// it with a link to `uri` (no border). The text position ends after the text.
void pHPDF_show_link(HPDF_Page page, const std::string& text, const std::string& uri);
