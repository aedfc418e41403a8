#include "pdf/furniture.h"

#include <map>
#include <vector>

#include "pdf/text.h"

namespace {

constexpr std::size_t kBackgroundLength = 2592;
// The background covers the page in bold 21 pt lines 17 pt apart.
constexpr float kBackgroundLeft = 0, kBackgroundTop = 845, kBackgroundRight = 590,
                kBackgroundBottom = 0;
constexpr float kBackgroundSize = 21, kBackgroundLeading = 17;

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

// The font and colours a page was left in, which a new page takes over.
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

}  // namespace

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
