#include "pdf/text.h"

#include <algorithm>

#include "pdf/unicode.h"

namespace {

// Text rectangles stop writing lines this close to the bottom of the page.
constexpr float kTextBottom = 40.0f;

// Inside a text object: `text` with its baseline starting at (x, y) points.
void TextOutIn(HPDF_Page page, HPDF_Font font, float size, float x, float y,
               const std::string& text) {
    if (!IsUnicodeFace(font)) {
        HPDF_Page_TextOut(page, x, y, text.c_str());
        return;
    }
    HPDF_Page_SetTextMatrix(page, 1, 0, 0, 1, x, y);
    ShowTextIn(page, font, size, text);
}

void TextAt(HPDF_Page page, HPDF_Font font, float size, float x, float y, const std::string& text) {
    UseFont(page, font, size);
    HPDF_Page_BeginText(page);
    TextOutIn(page, font, size, x, y, text);
    HPDF_Page_EndText(page);
}

std::string TrimRight(const std::string& text) {
    const std::string::size_type end = text.find_last_not_of(' ');
    return end == std::string::npos ? std::string() : text.substr(0, end + 1);
}

// Width in points of a font's bytes.
float BytesWidth(HPDF_Font font, float size, const std::string& bytes) {
    if (bytes.empty()) return 0;
    const HPDF_TextWidth w =
        HPDF_Font_TextWidth(font, reinterpret_cast<const HPDF_BYTE*>(bytes.data()),
                            static_cast<HPDF_UINT>(bytes.size()));
    return static_cast<float>(w.width) * size / 1000.0f;
}

// How many bytes of a UTF-8 text fit into `width`: up to a blank, as
// libharu measures; a first word wider than the line is cut between letters.
std::size_t UnicodeFit(float width, HPDF_Font font, float size, const std::string& text);

}  // namespace

void UseFont(HPDF_Page page, HPDF_Font font, float size) {
    if (HPDF_Page_GetCurrentFont(page) == font && HPDF_Page_GetCurrentFontSize(page) == size) {
        return;
    }
    HPDF_Page_SetFontAndSize(page, font, size);
}

void UseWordSpace(HPDF_Page page, float space) {
    if (HPDF_Page_GetWordSpace(page) != space) HPDF_Page_SetWordSpace(page, space);
}

float TextWidth(HPDF_Font font, float size, const std::string& text) {
    if (font == nullptr || text.empty()) return 0;
    if (!IsUnicodeFace(font)) return BytesWidth(font, size, text);
    float width = 0;
    for (const FontRun& run : FontRuns(font, text)) width += BytesWidth(run.font, size, run.bytes);
    return width;
}

TextMeasure MeasureIn(HPDF_Font font) {
    return [font](const std::string& text, float size) { return TextWidth(font, size, text); };
}

float fFirstBaseline(HPDF_Font font, float size, float top) {
    if (font == nullptr) return top - size;
    return top - static_cast<float>(HPDF_Font_GetBBox(font).top) * size / 1000.0f;
}

std::string fWrap(float width, HPDF_Font font, float size, const std::string& text,
                  std::vector<std::string>& lines) {
    HPDF_UINT fit = static_cast<HPDF_UINT>(text.size());
    if (IsUnicodeFace(font) && !text.empty()) {
        fit = static_cast<HPDF_UINT>(UnicodeFit(width, font, size, text));
    } else if (font != nullptr && !text.empty()) {
        const auto* bytes = reinterpret_cast<const HPDF_BYTE*>(text.data());
        const auto length = static_cast<HPDF_UINT>(text.size());
        HPDF_REAL used = 0;
        fit = HPDF_Font_MeasureText(font, bytes, length, width, size, 0, 0, HPDF_TRUE, &used);
        if (fit == 0) {
            fit = HPDF_Font_MeasureText(font, bytes, length, width, size, 0, 0, HPDF_FALSE, &used);
            fit = static_cast<HPDF_UINT>(fWordBreak(text, fit));
        }
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

void pHPDF_write_text(HPDF_Page page, HPDF_Font font, float size, float x, float y,
                      const std::string& text) {
    TextAt(page, font, size, vX(x), vY(y), text);
}

void WriteAt(HPDF_Page page, HPDF_Font font, float size, float x, float y, const std::string& text,
             const RGBColour& colour) {
    SetFill(page, colour);
    TextAt(page, font, size, x, y, text);
}

void Write(HPDF_Page page, HPDF_Font font, float size, float x, float y, const std::string& text,
           const RGBColour& colour) {
    WriteAt(page, font, size, vX(x), vY(y), text, colour);
}

void WriteFitted(HPDF_Page page, HPDF_Font font, float size, float x, float y, float right,
                 const std::string& text, const RGBColour& colour) {
    const float fitted = fFitSize(TextWidth(font, size, text), Points(right - x), size);
    Write(page, font, fitted, x, y, text, colour);
}

void WriteFittedLines(HPDF_Page page, HPDF_Font font, const FitBlock& block, std::size_t field,
                      float x, float y, const RGBColour& colour) {
    if (field >= block.fields.size()) return;
    const std::vector<std::string>& lines = block.fields[field].lines;
    for (std::size_t k = 0; k < lines.size(); ++k)
        Write(page, font, block.size, x, y + 2 * block.leading * static_cast<float>(k), lines[k],
              colour);
}

void NoteCuts(PdfDocument& doc, const std::vector<FitField>& fields, const FitBlock& block) {
    for (std::size_t i = 0; i < fields.size() && i < block.fields.size(); ++i)
        doc.NoteCut(fields[i].name, block.fields[i].cut);
}

FitBlock WriteField(PdfDocument& doc, HPDF_Page page, HPDF_Font font, float size, float x, float y,
                    const FitField& field, const RGBColour& colour) {
    const FitBlock block = fFitField(field, size, MeasureIn(font));
    NoteCuts(doc, {field}, block);
    WriteFittedLines(page, font, block, 0, x, y, colour);
    return block;
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
    TextOutIn(page, font, size, vX(x), vY(y), text);
    HPDF_Page_SetTextRenderingMode(page, HPDF_FILL);
    HPDF_Page_EndText(page);
    HPDF_Page_GRestore(page);
}

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
        const float width = IsUnicodeFace(font) ? TextWidth(font, size, line)
                                                : HPDF_Page_TextWidth(page, line.c_str());
        float x = left;
        if (alignment == HPDF_TALIGN_RIGHT) x = right - width;
        if (alignment == HPDF_TALIGN_CENTER) x = left + (right - left - width) / 2.0f;
        const auto blanks = std::count(line.begin(), line.end(), ' ');
        const bool last = i + 1 == lines.size();
        if (alignment == HPDF_TALIGN_JUSTIFY && !last && blanks > 0 && width < right - left) {
            const float space = (right - left - width) / static_cast<float>(blanks);
            if (space <= size) UseWordSpace(page, space);
        }
        TextOutIn(page, font, size, x, baseline, line);
        baseline -= leading;
    }
    UseWordSpace(page, 0);
    HPDF_Page_EndText(page);
}

void pHPDF_show_link(HPDF_Page page, const std::string& text, const std::string& uri) {
    const HPDF_Point start = HPDF_Page_GetCurrentTextPos(page);
    ShowTextIn(page, HPDF_Page_GetCurrentFont(page), HPDF_Page_GetCurrentFontSize(page), text);
    const HPDF_Point end = HPDF_Page_GetCurrentTextPos(page);
    const HPDF_Rect area{start.x - 4, start.y - 4, end.x + 4, start.y + 10};
    HPDF_Annotation link = HPDF_Page_CreateURILinkAnnot(page, area, uri.c_str());
    HPDF_LinkAnnot_SetBorderStyle(link, 0, 0, 0);
}

namespace {

std::size_t UnicodeFit(float width, HPDF_Font font, float size, const std::string& text) {
    if (TextWidth(font, size, text) <= width) return text.size();
    std::size_t fit = 0;
    for (std::size_t at = text.find(' '); at != std::string::npos; at = text.find(' ', at + 1)) {
        if (TextWidth(font, size, text.substr(0, at)) > width) break;
        fit = at + 1;
    }
    if (fit > 0) return fit;
    fit = fCharEnd(text, 0);
    while (fit < text.size() && TextWidth(font, size, text.substr(0, fCharEnd(text, fit))) <= width)
        fit = fCharEnd(text, fit);
    return fWordBreak(text, fit);
}

}  // namespace
