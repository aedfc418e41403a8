#include "pdf/table.h"

#include <algorithm>

#include "pdf/furniture.h"
#include "pdf/text.h"

namespace {

// One bordered part of a table row: `count` lines of each cell from `first`.
void DrawRowPart(HPDF_Page page, float k, HPDF_Font font, float fs, float leading, float x,
                 float xs, float xe, float top, float height, bool twoColumns,
                 const std::vector<std::string>& lines1, const std::vector<std::string>& lines2,
                 std::size_t first, std::size_t count, HPDF_TextAlignment alignment) {
    const float bottom = top - height;
    HPDF_Page_GSave(page);
    HPDF_Page_SetLineWidth(page, 0.5f);
    HPDF_Page_SetRGBStroke(page, 0, 0, 0);
    HPDF_Page_Rectangle(page, x, bottom, xs - x, height);
    HPDF_Page_Rectangle(page, xs, bottom, xe - xs, height);
    HPDF_Page_Stroke(page);
    HPDF_Page_GRestore(page);

    auto slice = [first, count](const std::vector<std::string>& lines) {
        std::vector<std::string> part;
        for (std::size_t i = first; i < lines.size() && i < first + count; ++i)
            part.push_back(lines[i]);
        return part;
    };
    DrawLines(page, font, fs, leading, x + 4 * k, top - 3 * k, xs - 4 * k, slice(lines1),
              alignment);
    if (twoColumns) {
        DrawLines(page, font, fs, leading, xs + 4 * k, top - 3 * k, xe - 4 * k, slice(lines2),
                  alignment);
    }
}

// A table row's geometry: its columns and its cells broken into lines.
struct RowLayout {
    float x = 0, xs = 0, xe = 0;
    bool twoColumns = false;
    float fs = 0, leading = 0, insets = 0;
    std::vector<std::string> lines1, lines2;
    std::size_t lineCount = 0;
    float height = 0;
};

RowLayout LayRow(float scale, HPDF_Font font, float size, const DATArec& row) {
    RowLayout r;
    const float k = scale;
    const float widthFactor = row.numbers.empty() ? 0.0f : static_cast<float>(row.numbers[0]);
    const float split = row.numbers.size() < 2 ? 1.0f : static_cast<float>(row.numbers[1]);
    r.twoColumns = split != 1.0f;
    r.fs = size * k;
    r.leading = r.fs + 3.0f;
    r.insets = 7 * k;
    r.x = row.x;
    const float total = widthFactor * k;
    r.xs = r.x + split * total;
    r.xe = r.x + total;
    const std::string empty;
    const std::string& first = row.texts.empty() ? empty : row.texts[0];
    const std::string& second = row.texts.size() < 2 ? empty : row.texts[1];
    fStrWrap(r.xs - r.x - 8 * k, font, r.fs, first, r.lines1);
    if (r.twoColumns) fStrWrap(r.xe - r.xs - 8 * k, font, r.fs, second, r.lines2);
    r.lineCount = std::max(r.lines1.size(), r.lines2.size());
    r.height = static_cast<float>(r.lineCount) * r.leading + r.insets;
    return r;
}

}  // namespace

float fTableRowHeight(float scale, HPDF_Font font, float size, const DATArec& row) {
    return LayRow(scale, font, size, row).height;
}

float pHPDF_write_tablerow(PdfDocument& doc, float scale, HPDF_Font font, float size,
                           const DATArec& row, HPDF_TextAlignment alignment) {
    const float k = scale;
    const RowLayout r = LayRow(scale, font, size, row);
    const float x = r.x, xs = r.xs, xe = r.xe;
    const bool twoColumns = r.twoColumns;
    const float fs = r.fs, leading = r.leading, insets = r.insets;
    const std::vector<std::string>& lines1 = r.lines1;
    const std::vector<std::string>& lines2 = r.lines2;
    const std::size_t lineCount = r.lineCount;
    const float height = r.height;

    float top = row.y;
    if (height <= kPageTop - kPageBottom) {
        float bottom = top - height;
        const std::size_t pagesBefore = doc.pages().size();
        pHPDF_check_page_h(doc, bottom);
        if (doc.pages().size() != pagesBefore) {
            top = kPageTop;
            bottom = top - height;
        }
        HPDF_Page page = doc.page();
        if (page == nullptr) return bottom;
        DrawRowPart(page, k, font, fs, leading, x, xs, xe, top, height, twoColumns, lines1, lines2,
                    0, lineCount, alignment);
        return bottom;
    }

    // Taller than a page: as many whole lines as fit on each page, starting
    // on a new page when not even one fits where the row begins.
    std::size_t done = 0;
    float bottom = top;
    while (done < lineCount) {
        auto fitting = [&](float t) {
            const float room = (t - kPageBottom - insets) / leading;
            return room < 1 ? std::size_t{0} : static_cast<std::size_t>(room);
        };
        if (fitting(top) == 0) {
            pHPDF_check_page_h(doc, top, top);  // always starts a page
            top = kPageTop;
        }
        HPDF_Page page = doc.page();
        if (page == nullptr) return bottom;
        std::size_t count = std::min(lineCount - done, fitting(top));
        // The next page never starts with a lone last line of the row.
        if (count > 1 && lineCount - done - count == 1) --count;
        const float partHeight = static_cast<float>(count) * leading + insets;
        DrawRowPart(page, k, font, fs, leading, x, xs, xe, top, partHeight, twoColumns, lines1,
                    lines2, done, count, alignment);
        done += count;
        bottom = top - partHeight;
        top = bottom;
    }
    return bottom;
}
