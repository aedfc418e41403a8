#pragma once

#include <hpdf.h>

#include <string>
#include <vector>

#include "pdf/document.h"
#include "pdf/epc_layout.h"
#include "project/bands.h"

// Drawing helpers shared by every PDF writer.
//
// Layouts are written in design units: half-points from the top-left corner
// of an A4 portrait page (1190 x 1682), x to the right, y downwards. libharu
// works in points from the bottom-left corner. Font sizes and line widths are
// always points.

inline constexpr float kDesignWidth = 1190.0f;
inline constexpr float kDesignHeight = 1682.0f;

inline constexpr float vX(float x) {
    return x / 2.0f;
}
inline constexpr float vY(float y) {
    return (kDesignHeight - y) / 2.0f;
}
inline constexpr float Xv(float p) {
    return 2.0f * p;
}
inline constexpr float Yv(float p) {
    return kDesignHeight - 2.0f * p;
}

// Writes one line of text with its baseline starting at a design-unit point,
// in the page's current fill colour.
void pHPDF_write_text(HPDF_Page page, HPDF_Font font, float size, float x, float y,
                      const std::string& text);

// The baseline of a first line set at `size` whose box starts at `top`
// (points): the font's tallest glyph just touches the top.
float fFirstBaseline(HPDF_Font font, float size, float top);

// Appends the rectangle between two design-unit corners; the caller fills or
// strokes it.
void pHPDF_draw_rect(HPDF_Page page, float x1, float y1, float x2, float y2);
// Strokes a line between two design-unit points.
void pHPDF_draw_line(HPDF_Page page, float x1, float y1, float x2, float y2);

struct RGBColour {
    float r = 0.0f;
    float g = 0.0f;
    float b = 0.0f;
};
inline constexpr RGBColour kWhite{1, 1, 1};
inline constexpr RGBColour kBlack{0, 0, 0};

void SetFill(HPDF_Page page, const RGBColour& c);
// Sets the page's font and size, unless they are already the current ones:
// every operator libharu writes costs thousands of instructions, and a
// document's text mostly repeats the font of the text before it. SetFill
// skips an unchanged colour in the same way.
void UseFont(HPDF_Page page, HPDF_Font font, float size);
void UseWordSpace(HPDF_Page page, float space);
void SetStroke(HPDF_Page page, const RGBColour& c);
// Fills the rectangle between two design-unit corners in the current fill
// colour.
void FillRect(HPDF_Page page, float x1, float y1, float x2, float y2);

// Width in points of a text at a font size (0 without a font).
float TextWidth(HPDF_Font font, float size, const std::string& text);
// TextWidth in `font`, for the layout rules that measure text.
TextMeasure MeasureIn(HPDF_Font font);

// Text at a design-unit point in a colour.
void Write(HPDF_Page page, HPDF_Font font, float size, float x, float y, const std::string& text,
           const RGBColour& colour = kBlack);
// A value that has to end before `right` (design units): set smaller when it
// is too long, so that it never crosses into the next block.
void WriteFitted(HPDF_Page page, HPDF_Font font, float size, float x, float y, float right,
                 const std::string& text, const RGBColour& colour = kBlack);
// Text filled in one colour and outlined in black.
void WriteOutlined(HPDF_Page page, HPDF_Font font, float size, float x, float y,
                   const std::string& text, const RGBColour& fill, float lineWidth);
// A benchmark arrow pointing right, its lower left corner at (x, y) design
// units, 88 x 46 at scale 1, filled in the page's current fill colour, with
// `value` on it in white outlined in black (set smaller when it is too long
// for the arrow, down to kMinTextSize, and kept in its middle).
void pHPDF_draw_arrow(HPDF_Page page, float x, float y, float sx, float sy, HPDF_Font bold,
                      const std::string& value);
// Lines already broken, written one every `leading` points from the top of
// a box (points) and aligned between left and right; a justified box spreads
// the words of every line but the last. Lines below 40 points are dropped.
void DrawLines(HPDF_Page page, HPDF_Font font, float size, float leading, float left, float top,
               float right, const std::vector<std::string>& lines, HPDF_TextAlignment alignment);

// A certificate's band colours, from one of the band scales.
class BandColours {
  public:
    // Fills the table (components 0 to 1) from the scale's colours.
    void fSetRGBColors(const BandScale& scale = kEnglandWalesBands);
    // The band's colour, or nullptr for a text that names no band.
    const RGBColour* Find(const std::string& band) const;
    // Sets the page's fill colour to the band's; any other text leaves the
    // fill colour as it was.
    void pHPDF_SetRGBColors(HPDF_Page page, const std::string& band) const;

  private:
    struct Entry {
        std::string band;
        RGBColour colour;
    };
    std::vector<Entry> table_;
};

// The repeated background text; the number of copies fitting into 2592
// characters, each followed by a space. Empty when the text is empty.
std::string BackgroundText(const std::string& text);
// Draws BackgroundText(text) faintly in green over the whole page in `font`
// (bold, 21 points). Nothing for an empty text.
void pHPDF_background(HPDF_Doc doc, HPDF_Page page, HPDF_Font font, const std::string& text);

// A 5-point grid with point labels over the page, to place elements while
// designing a layout. Never drawn on documents that are handed out.
void print_grid(HPDF_Doc doc, HPDF_Page page);
void pHPDF_print_grid(HPDF_Doc doc, HPDF_Page page);

// Inside a text object: shows `text` at the current text position and covers
// it with a link to `uri` (no border). The text position ends after the text.
void pHPDF_show_link(HPDF_Page page, const std::string& text, const std::string& uri);

// The record of a table row, and of the lines produced by wrapping: texts
// (cells or lines), numbers (the row's width factor and column split) and
// the row's left edge and top in points.
struct DATArec {
    std::vector<std::string> texts;
    std::vector<double> numbers;
    float x = 0.0f;
    float y = 0.0f;
};

// Breaks off the first line of `text` that fits into `width` points at `size`
// (at word boundaries; a word longer than the line is cut), appends it to
// `lines` and returns the rest (which keeps its leading blanks).
std::string fWrap(float width, HPDF_Font font, float size, const std::string& text,
                  std::vector<std::string>& lines);
// Appends all lines of `text`; nothing for an empty text.
void fStrWrap(float width, HPDF_Font font, float size, const std::string& text,
              std::vector<std::string>& lines);
// fStrWrap of source.texts[index]; nothing when there is no such entry.
void fRecWrap(float width, HPDF_Font font, float size, const DATArec& source, std::size_t index,
              std::vector<std::string>& lines);

// The bottom margin of flowing pages and the top at which a new page starts,
// in points.
inline constexpr float kPageBottom = 50.0f;
inline constexpr float kPageTop = 791.0f;

// When less than `needed` points are left above the bottom margin at y,
// starts a new page with the document's background text, carrying the font
// and colours over, and returns the new page's top; else returns y.
float pHPDF_check_page_h(PdfDocument& doc, float y);
float pHPDF_check_page_h(PdfDocument& doc, float y, float needed);

// The furniture of every page of a report, drawn once all pages exist:
// `reference` (when not empty) near the top edge at design (865, 81) and
// "Page n of m" at design x 929, 40 points above the bottom edge.
void pHPDF_page_furniture(PdfDocument& doc, HPDF_Font font, float size,
                          const std::string& reference);

// Draws a bordered row of one column (row.numbers[1] == 1) or two columns on
// the current page, starting a new page when it does not fit, and returns the
// y of its bottom edge. row.numbers = {width factor, split ratio}; the width
// is width factor x scale points; row.texts = the cells. A row taller than a
// whole page is continued on the next pages, cut between lines, each part
// bordered; no line is ever dropped.
float pHPDF_write_tablerow(PdfDocument& doc, float scale, HPDF_Font font, float size,
                           const DATArec& row, HPDF_TextAlignment alignment);
// The height in points that pHPDF_write_tablerow gives the row when it fits
// on a page.
float fTableRowHeight(float scale, HPDF_Font font, float size, const DATArec& row);

// The document information of the certificates, Scotland's included.
PdfInfo CertificateInfo(const std::string& registrationNumber);

// The magnitude of a rating, held within int: the most negative int has no
// positive twin.
int RatingMagnitude(int rating);
