#include "pdf/srec.h"

#include "app/version.h"
#include "pdf/epc_layout.h"
#include "pdf/furniture.h"
#include "pdf/text.h"

namespace {

const RGBColour kGreen{0, 0.45f, 0};
const RGBColour kBlue{0, 0, 0.45f};
const RGBColour kGrey{0.4f, 0.4f, 0.4f};

// The page's margins in design units: text and rules of the flow.
constexpr float kBarLeft = 56;
constexpr float kBarRight = 1134;
constexpr float kTextLeft = 70;
constexpr float kNewPageY = 100;
// Room left above the bottom edge, points.
constexpr float kBottom = 50;

constexpr float kStatSize = 10;
constexpr float kCategorySize = 12;
// Where the detail values start after their labels.
constexpr float kDetailIndent = 220;

// A length in points as design units.
constexpr float Design(float points) {
    return 2 * points;
}

RGBColour ContentColour(int source, int flag) {
    if (source == kSourceExcluded) return kGrey;
    return flag == 1 ? kBlue : kGreen;
}

// Moves the pen to a new page when `height` points do not fit below it.
void Fit(PdfDocument& doc, DATA& data, float height) {
    if (height < vY(data.y) - kBottom) return;
    if (doc.AddPage() != nullptr) data.y = kNewPageY;
}

const std::string& Text(const DATA& data, SrecText which) {
    static const std::string empty;
    const auto i = static_cast<std::size_t>(which);
    return i < data.texts.size() ? data.texts[i] : empty;
}

int Flag(const DATA& data, SrecFlag which) {
    const auto i = static_cast<std::size_t>(which);
    return i < data.flags.size() ? data.flags[i] : 0;
}

void Cover(PdfDocument& doc, const SrecContent& c, HPDF_Font regular, HPDF_Font bold) {
    HPDF_Page page = doc.AddPage();
    if (page == nullptr) return;
    SetFill(page, kBlack);
    FillRect(page, kBarLeft, 56, kBarRight, 182);
    Write(page, regular, 24, 84, 122, "Secondary Recommendations Report", kWhite);
    Write(page, regular, 14, 84, 160, "Not for Official Submission", kWhite);

    HPDF_Page_SetRGBFill(page, 0.937f, 0.953f, 0.937f);
    FillRect(page, kBarLeft, 244, kBarRight, 359);
    SetStroke(page, kBlack);
    HPDF_Page_SetLineWidth(page, 0.6f);
    for (float y : {244.0f, 322.0f, 362.0f}) pHPDF_draw_line(page, kBarLeft, y, kBarRight, y);
    Write(page, bold, 12, 84, 292, "Building name");
    const float nameSize =
        fFitSize(TextWidth(bold, 12, c.buildingName), Points(kBarRight - 28 - 330), 12);
    Write(page, bold, nameSize, 330, 292, c.buildingName);
    Write(page, bold, 11, 84, 349, "Building type:");
    const float typeSize = fFitSize(TextWidth(regular, 11, c.buildingType), Points(840 - 260), 11);
    Write(page, regular, typeSize, 260, 349, c.buildingType);
    Write(page, bold, 11, 860, 349, "Date:");
    Write(page, regular, 11, 930, 349, c.date);

    Write(page, bold, 13, 84, 412, "Key to colour codes used in this report");
    Write(page, bold, 9, 84, 448, "Included by the calculation", kGreen);
    Write(page, bold, 9, 460, 448, "Included by the user", kBlue);
    Write(page, bold, 9, 800, 448, "Excluded by the user", kGrey);

    HPDF_Page_SetGrayFill(page, 0.3f);
    FillRect(page, kBarLeft, 485, kBarRight, 529);
    Write(page, regular, 12, 84, 516,
          "This report lists recommendations for energy-efficiency improvements to the building.",
          kWhite);
}

}  // namespace

void pSetContentColour(int source, int flag, DATA& data) {
    const RGBColour c = ContentColour(source, flag);
    data.colour[0] = c.r;
    data.colour[1] = c.g;
    data.colour[2] = c.b;
}

void pHPDF_WriteNext_line(PdfDocument& doc, HPDF_Font font, float size, DATA& data) {
    Fit(doc, data, size);
    HPDF_Page page = doc.page();
    if (page == nullptr) return;
    float x = data.x;
    if (!data.label.empty()) {
        Write(page, font, size, data.x, data.y, data.label);
        x += data.indent;
    }
    if (!data.value.empty())
        Write(page, font, size, x, data.y, data.value,
              {data.colour[0], data.colour[1], data.colour[2]});
    data.y += Design(1.2f * size);
    data.label.clear();
}

void pHPDF_WriteNext_Cat(PdfDocument& doc, HPDF_Font font, float size, DATA& data) {
    // The bar and two lines of what follows, so that a heading never ends a page.
    Fit(doc, data, 22 + 3 * size);
    HPDF_Page page = doc.page();
    if (page == nullptr) return;
    SetFill(page, kBlack);
    FillRect(page, kBarLeft, data.y, kBarRight, data.y + 44);
    Write(page, font, size, 84, data.y + 31, data.value, kWhite);
    data.y += 31 + 2 * 1.5f * size;
    data.label.clear();
}

void pHPDF_write_recommendation(PdfDocument& doc, float scale, float width, HPDF_Font regular,
                                HPDF_Font bold, DATA& data) {
    const float textSize = 10 * scale;
    const float detailSize = 8 * scale;
    const int source = Flag(data, kSrecSource);

    if (!Text(data, kSrecRemark).empty()) {
        data.label.clear();
        data.value = Text(data, kSrecRemark);
        data.colour[0] = data.colour[1] = data.colour[2] = 0;
        pHPDF_WriteNext_line(doc, regular, textSize, data);
    }

    std::vector<std::string> lines;
    fStrWrap(width, bold, textSize, Text(data, kSrecText), lines);
    pSetContentColour(source, 3 - source, data);
    for (const std::string& line : lines) {
        data.value = line;
        pHPDF_WriteNext_line(doc, bold, textSize, data);
    }
    // The rule closes the recommendation's text, on the page where it ended.
    if (HPDF_Page page = doc.page()) {
        const float ruleY = data.y - Design(0.85f * textSize);
        HPDF_Page_SetRGBStroke(page, 0, 0, 0);
        HPDF_Page_SetLineWidth(page, 0.6f);
        pHPDF_draw_line(page, 65, ruleY, kBarRight, ruleY);
    }
    data.y += Design(0.3f * textSize);

    struct Detail {
        const char* label;
        SrecText text;
        int flag;
    };
    const Detail details[] = {
        {"Code: ", kSrecCode, 3 - source},
        {"Energy Impact: ", kSrecEnergyImpact, Flag(data, kSrecEnergyFlag)},
        {"CO2 Impact: ", kSrecCo2Impact, Flag(data, kSrecCo2Flag)},
        {"CO2 Saved per \xA3 Spent: ", kSrecCo2Saving, Flag(data, kSrecSavingFlag)},
        {"Applicable to: ", kSrecAppliesTo, 3 - source},
    };
    const float indent = data.indent;
    data.indent = kDetailIndent * scale;
    for (const Detail& d : details) {
        data.label = d.label;
        data.value = Text(data, d.text);
        pSetContentColour(source, d.flag, data);
        pHPDF_WriteNext_line(doc, regular, detailSize, data);
    }
    data.indent = indent;
    data.value.clear();
    pHPDF_WriteNext_line(doc, regular, detailSize, data);

    lines.clear();
    fStrWrap(width, regular, detailSize, "Comments: " + Text(data, kSrecComments), lines);
    pSetContentColour(source, 1, data);
    for (const std::string& line : lines) {
        data.value = line;
        pHPDF_WriteNext_line(doc, regular, detailSize, data);
    }
    data.y += 2.4f * textSize;
}

bool WriteShortRecReport(const SrecContent& c, const std::string& pdfFile) {
    PdfDocument doc;
    if (!doc.valid()) return false;
    HPDF_Font regular = doc.Font("Helvetica");
    HPDF_Font bold = doc.Font("Helvetica-Bold");
    if (regular != nullptr && bold != nullptr) {
        Cover(doc, c, regular, bold);
        DATA data;
        data.x = kTextLeft;
        data.y = 590;
        for (const SrecCategory& category : c.categories) {
            data.value = "Recommendations for " + category.name;
            pHPDF_WriteNext_Cat(doc, bold, kCategorySize, data);
            data.colour[0] = data.colour[1] = data.colour[2] = 0;
            for (const std::string& stat : category.stats) {
                data.value = stat;
                pHPDF_WriteNext_line(doc, regular, kStatSize, data);
            }
            data.y += Design(0.6f * kStatSize);
            if (category.recommendations.empty()) {
                data.value = "There are no recommendations for " + category.name;
                pHPDF_WriteNext_line(doc, regular, kStatSize, data);
            }
            for (const DATA& rec : category.recommendations) {
                DATA block = rec;
                block.x = data.x;
                block.y = data.y;
                pHPDF_write_recommendation(doc, 1, 510, regular, bold, block);
                data.y = block.y;
            }
            data.y += 20;
        }
        pHPDF_page_furniture(doc, regular, 8, "");
    }
    PdfInfo info;
    info.title = "Building Recommendation Report.";
    info.keywords = "Recommendation Report Energy Performance Certificate";
    info.subject = c.registrationNumber;
    info.creator = std::string("Tarvex ") + kTarvexVersion;
    return doc.SaveProtected(pdfFile, info, false).saved;
}
