#pragma once

#include <hpdf.h>

#include <string>

#include "pdf/document.h"

// What every page of a document carries besides its content: the faint
// background text, and on the reports' pages the reference number and the
// page number; and the start of a new page of a flowing report, which gets
// its background.

// The repeated background text; the number of copies fitting into 2592
// characters, each followed by a space. Empty when the text is empty.
std::string BackgroundText(const std::string& text);
// Draws BackgroundText(text) faintly in green over the whole page in `font`
// (bold, 21 points). Nothing for an empty text.
void pHPDF_background(HPDF_Doc doc, HPDF_Page page, HPDF_Font font, const std::string& text);

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
