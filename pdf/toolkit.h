#pragma once

#include <hpdf.h>

// The base of the page toolkit: the two units of a page, colours and shapes.
// Text, table rows and the furniture of the reports' pages build on it
// (pdf/text.h, pdf/table.h, pdf/furniture.h).
//
// The certificates and the fixed pages of the reports are designed in design
// units: half-points from the top-left corner of an A4 portrait page
// (1190 x 1682), x to the right, y downwards. libharu, and the flowing pages
// of the reports, work in points from the bottom-left corner. A design-unit
// value becomes points only through the helpers below, which the toolkit's
// drawing calls use; font sizes and line widths are always points.

inline constexpr float kDesignHeight = 1682.0f;

// An x in design units, in points.
inline constexpr float vX(float x) {
    return x / 2.0f;
}
// A y in design units, in points.
inline constexpr float vY(float y) {
    return (kDesignHeight - y) / 2.0f;
}
// A length in design units (a width, a step, a radius), in points.
inline constexpr float Points(float length) {
    return length / 2.0f;
}

struct RGBColour {
    float r = 0.0f;
    float g = 0.0f;
    float b = 0.0f;
};
inline constexpr RGBColour kWhite{1, 1, 1};
inline constexpr RGBColour kBlack{0, 0, 0};

// Sets the page's fill colour, unless it is already the current one: every
// operator libharu writes costs thousands of instructions, and a document's
// text mostly repeats the colour of the text before it.
void SetFill(HPDF_Page page, const RGBColour& c);
void SetStroke(HPDF_Page page, const RGBColour& c);

// Appends the rectangle between two design-unit corners; the caller fills or
// strokes it.
void pHPDF_draw_rect(HPDF_Page page, float x1, float y1, float x2, float y2);
// Fills the rectangle between two design-unit corners in the current fill
// colour.
void FillRect(HPDF_Page page, float x1, float y1, float x2, float y2);
// Strokes a line between two design-unit points.
void pHPDF_draw_line(HPDF_Page page, float x1, float y1, float x2, float y2);
