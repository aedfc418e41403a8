#include "pdf/toolkit.h"

#include "pdf/epc_layout.h"
#include "project/bands.h"

#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <map>

namespace {

constexpr std::size_t kBackgroundLength = 2592;
// The background covers the page in bold 21 pt lines 17 pt apart.
constexpr float kBackgroundLeft = 0, kBackgroundTop = 845, kBackgroundRight = 590,
                kBackgroundBottom = 0;
constexpr float kBackgroundSize = 21, kBackgroundLeading = 17;
// Text rectangles stop writing lines this close to the bottom of the page.
constexpr float kTextBottom = 40.0f;

struct PaintState {
    HPDF_Font font = nullptr;
    float fontSize = 0.0f;
    HPDF_ColorSpace fillSpace = HPDF_CS_DEVICE_GRAY;
    HPDF_ColorSpace strokeSpace = HPDF_CS_DEVICE_GRAY;
    HPDF_RGBColor fillRGB{0, 0, 0};
    HPDF_RGBColor strokeRGB{0, 0, 0};
    HPDF_CMYKColor fillCMYK{0, 0, 0, 0};
    HPDF_CMYKColor strokeCMYK{0, 0, 0, 0};
    float fillGray = 0.0f;
    float strokeGray = 0.0f;
};

// libharu answers each colour only in the space it was last set in.
PaintState ReadPaint(HPDF_Page page) {
    PaintState s;
    s.font = HPDF_Page_GetCurrentFont(page);
    s.fontSize = HPDF_Page_GetCurrentFontSize(page);
    s.fillSpace = HPDF_Page_GetFillingColorSpace(page);
    s.strokeSpace = HPDF_Page_GetStrokingColorSpace(page);
    s.fillRGB = HPDF_Page_GetRGBFill(page);
    s.strokeRGB = HPDF_Page_GetRGBStroke(page);
    s.fillCMYK = HPDF_Page_GetCMYKFill(page);
    s.strokeCMYK = HPDF_Page_GetCMYKStroke(page);
    s.fillGray = HPDF_Page_GetGrayFill(page);
    s.strokeGray = HPDF_Page_GetGrayStroke(page);
    return s;
}

void WritePaint(HPDF_Page page, const PaintState& s) {
    if (s.font != nullptr && s.fontSize > 0) HPDF_Page_SetFontAndSize(page, s.font, s.fontSize);
    switch (s.fillSpace) {
        case HPDF_CS_DEVICE_RGB:
            HPDF_Page_SetRGBFill(page, s.fillRGB.r, s.fillRGB.g, s.fillRGB.b);
            break;
        case HPDF_CS_DEVICE_CMYK:
            HPDF_Page_SetCMYKFill(page, s.fillCMYK.c, s.fillCMYK.m, s.fillCMYK.y, s.fillCMYK.k);
            break;
        default:
            HPDF_Page_SetGrayFill(page, s.fillGray);
    }
    switch (s.strokeSpace) {
        case HPDF_CS_DEVICE_RGB:
            HPDF_Page_SetRGBStroke(page, s.strokeRGB.r, s.strokeRGB.g, s.strokeRGB.b);
            break;
        case HPDF_CS_DEVICE_CMYK:
            HPDF_Page_SetCMYKStroke(page, s.strokeCMYK.c, s.strokeCMYK.m, s.strokeCMYK.y,
                                    s.strokeCMYK.k);
            break;
        default:
            HPDF_Page_SetGrayStroke(page, s.strokeGray);
    }
}

std::string TrimRight(const std::string& text) {
    const std::string::size_type end = text.find_last_not_of(' ');
    return end == std::string::npos ? std::string() : text.substr(0, end + 1);
}

}  // namespace

// A justified line whose blanks would have to stretch wider than the font
// size is set flush left: libharu refuses word spacing past its limit.
void DrawLines(HPDF_Page page, HPDF_Font font, float size, float leading, float left, float top,
               float right, const std::vector<std::string>& lines, HPDF_TextAlignment alignment) {
    if (font == nullptr || lines.empty()) return;
    UseFont(page, font, size);
    float baseline = fFirstBaseline(font, size, top);
    HPDF_Page_BeginText(page);
    for (std::size_t i = 0; i < lines.size() && baseline >= kTextBottom; ++i) {
        const std::string line = TrimRight(lines[i]);
        UseWordSpace(page, 0);
        const float width = HPDF_Page_TextWidth(page, line.c_str());
        float x = left;
        if (alignment == HPDF_TALIGN_RIGHT) x = right - width;
        if (alignment == HPDF_TALIGN_CENTER) x = left + (right - left - width) / 2.0f;
        const auto blanks = std::count(line.begin(), line.end(), ' ');
        const bool last = i + 1 == lines.size();
        if (alignment == HPDF_TALIGN_JUSTIFY && !last && blanks > 0 && width < right - left) {
            const float space = (right - left - width) / static_cast<float>(blanks);
            if (space <= size) UseWordSpace(page, space);
        }
        HPDF_Page_TextOut(page, x, baseline, line.c_str());
        baseline -= leading;
    }
    UseWordSpace(page, 0);
    HPDF_Page_EndText(page);
}

void pHPDF_write_text(HPDF_Page page, HPDF_Font font, float size, float x, float y,
                      const std::string& text) {
    UseFont(page, font, size);
    HPDF_Page_BeginText(page);
    HPDF_Page_TextOut(page, vX(x), vY(y), text.c_str());
    HPDF_Page_EndText(page);
}

float fFirstBaseline(HPDF_Font font, float size, float top) {
    if (font == nullptr) return top - size;
    return top - static_cast<float>(HPDF_Font_GetBBox(font).top) * size / 1000.0f;
}

void pHPDF_draw_rect(HPDF_Page page, float x1, float y1, float x2, float y2) {
    HPDF_Page_Rectangle(page, vX(x1), vY(y1), vX(x2) - vX(x1), vY(y2) - vY(y1));
}

void pHPDF_draw_line(HPDF_Page page, float x1, float y1, float x2, float y2) {
    HPDF_Page_MoveTo(page, vX(x1), vY(y1));
    HPDF_Page_LineTo(page, vX(x2), vY(y2));
    HPDF_Page_Stroke(page);
}

void SetFill(HPDF_Page page, const RGBColour& c) {
    if (HPDF_Page_GetFillingColorSpace(page) == HPDF_CS_DEVICE_RGB) {
        const HPDF_RGBColor now = HPDF_Page_GetRGBFill(page);
        if (now.r == c.r && now.g == c.g && now.b == c.b) return;
    }
    HPDF_Page_SetRGBFill(page, c.r, c.g, c.b);
}

void UseFont(HPDF_Page page, HPDF_Font font, float size) {
    if (HPDF_Page_GetCurrentFont(page) == font && HPDF_Page_GetCurrentFontSize(page) == size) {
        return;
    }
    HPDF_Page_SetFontAndSize(page, font, size);
}

void UseWordSpace(HPDF_Page page, float space) {
    if (HPDF_Page_GetWordSpace(page) != space) HPDF_Page_SetWordSpace(page, space);
}

void SetStroke(HPDF_Page page, const RGBColour& c) {
    HPDF_Page_SetRGBStroke(page, c.r, c.g, c.b);
}

void FillRect(HPDF_Page page, float x1, float y1, float x2, float y2) {
    pHPDF_draw_rect(page, x1, y1, x2, y2);
    HPDF_Page_Fill(page);
}

float TextWidth(HPDF_Font font, float size, const std::string& text) {
    if (font == nullptr || text.empty()) return 0;
    const HPDF_TextWidth w = HPDF_Font_TextWidth(
        font, reinterpret_cast<const HPDF_BYTE*>(text.data()), static_cast<HPDF_UINT>(text.size()));
    return static_cast<float>(w.width) * size / 1000.0f;
}

TextMeasure MeasureIn(HPDF_Font font) {
    return [font](const std::string& text, float size) { return TextWidth(font, size, text); };
}

void Write(HPDF_Page page, HPDF_Font font, float size, float x, float y, const std::string& text,
           const RGBColour& colour) {
    SetFill(page, colour);
    pHPDF_write_text(page, font, size, x, y, text);
}

void WriteFitted(HPDF_Page page, HPDF_Font font, float size, float x, float y, float right,
                 const std::string& text, const RGBColour& colour) {
    const float fitted = fFitSize(TextWidth(font, size, text), (right - x) / 2, size);
    Write(page, font, fitted, x, y, text, colour);
}

void WriteOutlined(HPDF_Page page, HPDF_Font font, float size, float x, float y,
                   const std::string& text, const RGBColour& fill, float lineWidth) {
    HPDF_Page_GSave(page);
    SetFill(page, fill);
    SetStroke(page, kBlack);
    HPDF_Page_SetLineWidth(page, lineWidth);
    UseFont(page, font, size);
    HPDF_Page_BeginText(page);
    HPDF_Page_SetTextRenderingMode(page, HPDF_FILL_THEN_STROKE);
    HPDF_Page_TextOut(page, vX(x), vY(y), text.c_str());
    HPDF_Page_SetTextRenderingMode(page, HPDF_FILL);
    HPDF_Page_EndText(page);
    HPDF_Page_GRestore(page);
}

void pHPDF_draw_arrow(HPDF_Page page, float x, float y, float sx, float sy, HPDF_Font bold,
                      const std::string& value) {
    const float w = 88 * sx;
    const float h = 46 * sy;
    HPDF_Page_MoveTo(page, vX(x), vY(y));
    HPDF_Page_LineTo(page, vX(x + w), vY(y));
    HPDF_Page_LineTo(page, vX(x + w + h / 4), vY(y - h / 2));
    HPDF_Page_LineTo(page, vX(x + w), vY(y - h));
    HPDF_Page_LineTo(page, vX(x), vY(y - h));
    HPDF_Page_ClosePath(page);
    HPDF_Page_Fill(page);

    const float full = 20 * sx;
    // Smaller for a long value, but never too small to read: the longest
    // (ten digits and a sign) then reaches just into the arrow's tip.
    const float size = std::max(
        kMinTextSize, fFitSize(TextWidth(bold, full, value), (w + h / 4 - 14 * sx) / 2, full));
    // A smaller text is raised by half the height of capitals it lost.
    const float raise = 0.72f * (full - size);
    WriteOutlined(page, bold, size, x + 7 * sx, y - 9 * sy - raise, value, kWhite, 0.3f * sx);
}

void BandColours::fSetRGBColors(const BandScale& scale) {
    table_.clear();
    for (const BandRow& row : scale) {
        table_.push_back(
            {row.label, {row.colour.r / 255.0f, row.colour.g / 255.0f, row.colour.b / 255.0f}});
    }
}

const RGBColour* BandColours::Find(const std::string& band) const {
    for (const Entry& e : table_) {
        if (e.band == band) return &e.colour;
    }
    return nullptr;
}

void BandColours::pHPDF_SetRGBColors(HPDF_Page page, const std::string& band) const {
    if (const RGBColour* c = Find(band)) SetFill(page, *c);
}

std::string BackgroundText(const std::string& text) {
    std::string all;
    if (text.empty()) return all;
    const std::size_t copies = kBackgroundLength / text.size();
    all.reserve(copies * (text.size() + 1));
    for (std::size_t i = 0; i < copies; ++i) {
        all += text;
        all += ' ';
    }
    return all;
}

namespace {

struct BackgroundLine {
    std::string text;
    float charSpace = 0;
};

// The lines of the background as a justified text rectangle over the whole
// page sets them: each line as many words as fit, stretched by letter
// spacing, the last one not. Measuring them is most of the cost of a page
// with a background, and every page of every document has the same lines, so
// they are measured once for each font and text.
const std::vector<BackgroundLine>& BackgroundLines(HPDF_Font font, const std::string& all) {
    static std::map<std::string, std::vector<BackgroundLine>> measured;
    const char* fontName = HPDF_Font_GetFontName(font);
    const char* encoding = HPDF_Font_GetEncodingName(font);
    std::string key =
        std::string(fontName ? fontName : "") + '\n' + (encoding ? encoding : "") + '\n' + all;
    const auto known = measured.find(key);
    if (known != measured.end()) return known->second;
    std::vector<BackgroundLine> lines;
    const auto* bytes = reinterpret_cast<const HPDF_BYTE*>(all.c_str());
    const float width = kBackgroundRight - kBackgroundLeft;
    float baseline = kBackgroundTop -
                     static_cast<float>(HPDF_Font_GetBBox(font).top) * kBackgroundSize / 1000.0f;
    std::size_t at = 0;
    while (at < all.size() && baseline >= kBackgroundBottom) {
        HPDF_REAL realWidth = 0;
        const HPDF_UINT taken =
            HPDF_Font_MeasureText(font, bytes + at, static_cast<HPDF_UINT>(all.size() - at), width,
                                  kBackgroundSize, 0, 0, HPDF_TRUE, &realWidth);
        if (taken == 0) break;
        BackgroundLine line;
        line.text = all.substr(at, taken);
        while (!line.text.empty() && line.text.back() == ' ') line.text.pop_back();
        at += taken;
        // The stretch is taken from the measured width, which counts some
        // of the blanks at the end of the line, as the rectangle takes it.
        if (at < all.size() && line.text.size() > 1)
            line.charSpace = (width - realWidth) / static_cast<float>(line.text.size() - 1);
        lines.push_back(std::move(line));
        baseline -= kBackgroundLeading;
    }
    return measured.emplace(std::move(key), std::move(lines)).first->second;
}

}  // namespace

void pHPDF_background(HPDF_Doc doc, HPDF_Page page, HPDF_Font font, const std::string& text) {
    const std::string all = BackgroundText(text);
    if (all.empty() || font == nullptr) return;
    HPDF_Page_GSave(page);
    HPDF_ExtGState faint = HPDF_CreateExtGState(doc);
    HPDF_ExtGState_SetAlphaFill(faint, 0.1f);
    HPDF_Page_SetExtGState(page, faint);
    HPDF_Page_SetRGBFill(page, 0, 1, 0);
    HPDF_Page_SetTextLeading(page, kBackgroundLeading);
    HPDF_Page_SetFontAndSize(page, font, kBackgroundSize);
    HPDF_Page_BeginText(page);
    // The lines start one leading above the first baseline: each is shown
    // with a move to the next line. Running out of room at the bottom of the
    // page is expected: the text only has to cover the page; the letter
    // spacing is then set back.
    const std::vector<BackgroundLine>& lines = BackgroundLines(font, all);
    if (!lines.empty()) {
        HPDF_Page_MoveTextPos(
            page, kBackgroundLeft,
            kBackgroundTop -
                static_cast<float>(HPDF_Font_GetBBox(font).top) * kBackgroundSize / 1000.0f +
                kBackgroundLeading);
    }
    for (const BackgroundLine& line : lines) {
        HPDF_Page_SetCharSpace(page, line.charSpace);
        HPDF_Page_ShowTextNextLine(page, line.text.c_str());
    }
    if (!lines.empty() && lines.back().charSpace != 0) HPDF_Page_SetCharSpace(page, 0);
    HPDF_Page_EndText(page);
    HPDF_Page_GRestore(page);
}

void print_grid(HPDF_Doc doc, HPDF_Page page) {
    const float width = HPDF_Page_GetWidth(page);
    const float height = HPDF_Page_GetHeight(page);
    HPDF_Font font = HPDF_GetFont(doc, "Helvetica", nullptr);
    HPDF_Page_GSave(page);
    HPDF_Page_SetGrayStroke(page, 0.8f);
    for (unsigned i = 0; 5.0f * i < height; ++i) {
        HPDF_Page_SetLineWidth(page, i % 10 == 0 ? 0.5f : 0.25f);
        HPDF_Page_MoveTo(page, 0, 5.0f * i);
        HPDF_Page_LineTo(page, width, 5.0f * i);
        HPDF_Page_Stroke(page);
    }
    for (unsigned i = 0; 5.0f * i < width; ++i) {
        HPDF_Page_SetLineWidth(page, i % 10 == 0 ? 0.5f : 0.25f);
        HPDF_Page_MoveTo(page, 5.0f * i, 0);
        HPDF_Page_LineTo(page, 5.0f * i, height);
        HPDF_Page_Stroke(page);
    }
    HPDF_Page_SetGrayFill(page, 0.5f);
    HPDF_Page_SetFontAndSize(page, font, 5);
    HPDF_Page_BeginText(page);
    char label[16];
    for (unsigned y = 10; y < height; y += 10) {
        std::snprintf(label, sizeof label, "%u", y);
        HPDF_Page_TextOut(page, 1, static_cast<float>(y) - 2, label);
    }
    for (unsigned x = 50; x < width; x += 50) {
        std::snprintf(label, sizeof label, "%u", x);
        HPDF_Page_TextOut(page, static_cast<float>(x) + 1, 1, label);
        HPDF_Page_TextOut(page, static_cast<float>(x) + 1, height - 6, label);
    }
    HPDF_Page_EndText(page);
    HPDF_Page_GRestore(page);
}

void pHPDF_print_grid(HPDF_Doc doc, HPDF_Page page) {
    print_grid(doc, page);
}

void pHPDF_show_link(HPDF_Page page, const std::string& text, const std::string& uri) {
    const HPDF_Point start = HPDF_Page_GetCurrentTextPos(page);
    HPDF_Page_ShowText(page, text.c_str());
    const HPDF_Point end = HPDF_Page_GetCurrentTextPos(page);
    const HPDF_Rect area{start.x - 4, start.y - 4, end.x + 4, start.y + 10};
    HPDF_Annotation link = HPDF_Page_CreateURILinkAnnot(page, area, uri.c_str());
    HPDF_LinkAnnot_SetBorderStyle(link, 0, 0, 0);
}

std::string fWrap(float width, HPDF_Font font, float size, const std::string& text,
                  std::vector<std::string>& lines) {
    HPDF_UINT fit = static_cast<HPDF_UINT>(text.size());
    if (font != nullptr && !text.empty()) {
        const auto* bytes = reinterpret_cast<const HPDF_BYTE*>(text.data());
        const auto length = static_cast<HPDF_UINT>(text.size());
        HPDF_REAL used = 0;
        fit = HPDF_Font_MeasureText(font, bytes, length, width, size, 0, 0, HPDF_TRUE, &used);
        if (fit == 0)
            fit = HPDF_Font_MeasureText(font, bytes, length, width, size, 0, 0, HPDF_FALSE, &used);
        // A line narrower than one character still takes one, so that the
        // text always gets shorter.
        if (fit == 0) fit = 1;
    }
    if (fit < text.size()) {
        lines.push_back(text.substr(0, fit));
        return text.substr(fit);
    }
    lines.push_back(text);
    return std::string();
}

void fStrWrap(float width, HPDF_Font font, float size, const std::string& text,
              std::vector<std::string>& lines) {
    std::string rest = text;
    while (!rest.empty()) rest = fWrap(width, font, size, rest, lines);
}

void fRecWrap(float width, HPDF_Font font, float size, const DATArec& source, std::size_t index,
              std::vector<std::string>& lines) {
    if (index < source.texts.size()) fStrWrap(width, font, size, source.texts[index], lines);
}

float pHPDF_check_page_h(PdfDocument& doc, float y) {
    return pHPDF_check_page_h(doc, y, 0.0f);
}

float pHPDF_check_page_h(PdfDocument& doc, float y, float needed) {
    if (!(y - needed < kPageBottom)) return y;
    PaintState paint;
    if (HPDF_Page old = doc.page()) paint = ReadPaint(old);
    HPDF_Page page = doc.AddPage();
    if (page == nullptr) return kPageTop;  // the document has failed; nothing more is kept
    pHPDF_background(doc.handle(), page, doc.backgroundFont(), doc.background());
    WritePaint(page, paint);
    return kPageTop;
}

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

}  // namespace

namespace {

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
        const std::size_t count = std::min(lineCount - done, fitting(top));
        const float partHeight = static_cast<float>(count) * leading + insets;
        DrawRowPart(page, k, font, fs, leading, x, xs, xe, top, partHeight, twoColumns, lines1,
                    lines2, done, count, alignment);
        done += count;
        bottom = top - partHeight;
        top = bottom;
    }
    return bottom;
}

void pHPDF_page_furniture(PdfDocument& doc, HPDF_Font font, float size,
                          const std::string& reference) {
    const std::size_t count = doc.pages().size();
    for (std::size_t n = 0; n < count; ++n) {
        HPDF_Page page = doc.pages()[n];
        HPDF_Page_SetRGBFill(page, 0, 0, 0);
        if (!reference.empty()) pHPDF_write_text(page, font, size, 865, 81, reference);
        const std::string number = "Page " + std::to_string(n + 1) + " of " + std::to_string(count);
        UseFont(page, font, size);
        HPDF_Page_BeginText(page);
        HPDF_Page_TextOut(page, vX(929), 40, number.c_str());
        HPDF_Page_EndText(page);
    }
}

PdfInfo CertificateInfo(const std::string& registrationNumber) {
    PdfInfo info;
    info.title = "Building Energy Performance Certificate. Asset Rating.";
    info.keywords = "Energy Performance Certificate";
    info.subject = registrationNumber;
    return info;
}

int RatingMagnitude(int rating) {
    const long long magnitude = std::llabs(static_cast<long long>(rating));
    return magnitude > INT_MAX ? INT_MAX : static_cast<int>(magnitude);
}
