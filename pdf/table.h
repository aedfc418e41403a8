#pragma once

#include <hpdf.h>

#include <string>
#include <vector>

#include "pdf/document.h"

// The bordered table rows of the recommendations reports.

// The record of a table row: its cells, its numbers (the row's width factor
// and column split) and its left edge and top in points.
struct DATArec {
    std::vector<std::string> texts;
    std::vector<double> numbers;
    float x = 0.0f;
    float y = 0.0f;
};

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
