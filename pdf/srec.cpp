#include "pdf/srec.h"

#include <algorithm>

#include "app/version.h"
#include "pdf/epc_layout.h"
#include "pdf/furniture.h"
#include "pdf/text.h"
#include "pdf/unicode.h"

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

// The step from one line's baseline to the next, in font sizes.
constexpr float kLineFactor = 1.2f;

// The room `count` lines at `size` need below the pen: a line its size, each
// further one its step.
float LinesHeight(std::size_t count, float size) {
    return size + static_cast<float>(std::max<std::size_t>(1, count) - 1) * kLineFactor * size;
}

// The lines a value takes beside its label: wrapped within the page.
std::vector<std::string> ValueLines(HPDF_Font font, float size, const DATA& data) {
    const float left = data.x + (data.label.empty() ? 0 : data.indent);
    std::vector<std::string> lines =
        fBreakLines(data.value, Points(kBarRight - left), size, MeasureIn(font));
    if (lines.empty()) lines.emplace_back();
    return lines;
}

// One line of a recommendation's block.
struct SrecLine {
    HPDF_Font font = nullptr;
    float size = 0;
    std::string label;  // black, at the left
    std::string text;   // in its colour, after the indent
    RGBColour colour;
    bool keepWithNext = false;
    float indent = 0;   // design units
    bool rule = false;  // the rule under the title, a short step
    float Height() const { return rule ? 0.3f * size : kLineFactor * size; }
};

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
    // The name may take two lines between the rules around it, the type one.
    const FitField name{"P-NAME", c.buildingName, Points(kBarRight - 28 - 330), 2};
    const FitBlock nameLines = fFitField(name, 12, MeasureIn(bold));
    NoteCuts(doc, {name}, nameLines);
    const std::size_t nameCount = nameLines.fields[0].lines.size();
    const float nameY =
        nameCount <= 1 ? 292 : 283 + (2 * 0.72f * nameLines.size - 2 * nameLines.leading) / 2;
    WriteFittedLines(page, bold, nameLines, 0, 330, nameY);
    Write(page, bold, 11, 84, 349, "Building type:");
    WriteField(doc, page, regular, 11, 260, 349, {"B-TYPE", c.buildingType, Points(840 - 260), 1});
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
    const std::vector<std::string> lines = ValueLines(font, size, data);
    Fit(doc, data, LinesHeight(lines.size(), size));
    for (std::size_t i = 0; i < lines.size(); ++i) {
        // Each further line of a long value is a line of the page of its own.
        if (i > 0) Fit(doc, data, size);
        HPDF_Page page = doc.page();
        if (page == nullptr) return;
        float x = data.x;
        if (!data.label.empty()) {
            if (i == 0) Write(page, font, size, data.x, data.y, data.label);
            x += data.indent;
        }
        if (!lines[i].empty())
            Write(page, font, size, x, data.y, lines[i],
                  {data.colour[0], data.colour[1], data.colour[2]});
        data.y += Design(kLineFactor * size);
    }
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

namespace {

// The lines of one recommendation's block, each with what it must be kept
// with: the remark and the title's first two lines, the title's last two
// lines with the details and the comments' first two lines, and the
// comments' last two lines, so that no page starts or ends with a lone line
// of it.
std::vector<SrecLine> RecommendationLines(float scale, float width, HPDF_Font regular,
                                          HPDF_Font bold, const DATA& data) {
    const float textSize = 10 * scale;
    const float detailSize = 8 * scale;
    const int source = Flag(data, kSrecSource);
    const RGBColour black = kBlack;

    std::vector<SrecLine> lines;
    if (!Text(data, kSrecRemark).empty())
        lines.push_back({regular, textSize, "", Text(data, kSrecRemark), black, true});
    std::vector<std::string> title;
    fStrWrap(width, bold, textSize, Text(data, kSrecText), title);
    const RGBColour own = ContentColour(source, 3 - source);
    for (std::size_t i = 0; i < title.size(); ++i) {
        const bool keep = i == 0 || i + 2 >= title.size();
        lines.push_back({bold, textSize, "", title[i], own, keep});
    }
    SrecLine rule;
    rule.rule = true;
    rule.size = textSize;
    rule.keepWithNext = true;
    lines.push_back(rule);

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
    const float indent = kDetailIndent * scale;
    const float valueWidth = Points(kBarRight - data.x - indent);
    for (const Detail& d : details) {
        const RGBColour colour = ContentColour(source, d.flag);
        const std::vector<std::string> values =
            fBreakLines(Text(data, d.text), valueWidth, detailSize, MeasureIn(regular));
        for (std::size_t i = 0; i < std::max<std::size_t>(1, values.size()); ++i) {
            lines.push_back({regular, detailSize, i == 0 ? d.label : "",
                             i < values.size() ? values[i] : "", colour, true, indent});
        }
    }
    lines.push_back({regular, detailSize, "", "", black, true});

    std::vector<std::string> comments;
    fStrWrap(width, regular, detailSize, "Comments: " + Text(data, kSrecComments), comments);
    const RGBColour blue = ContentColour(source, 1);
    for (std::size_t i = 0; i < comments.size(); ++i) {
        const bool keep = i == 0 || i + 2 == comments.size();
        lines.push_back({regular, detailSize, "", comments[i], blue, keep});
    }
    if (!lines.empty()) lines.back().keepWithNext = false;
    return lines;
}

// The height of the lines kept with the first one (points).
float KeptHeight(const std::vector<SrecLine>& lines, std::size_t from = 0) {
    float height = 0;
    for (std::size_t j = from; j < lines.size(); ++j) {
        height += lines[j].Height();
        if (!lines[j].keepWithNext) break;
    }
    return height;
}

}  // namespace

void pHPDF_write_recommendation(PdfDocument& doc, float scale, float width, HPDF_Font regular,
                                HPDF_Font bold, DATA& data) {
    const float textSize = 10 * scale;
    const std::vector<SrecLine> lines = RecommendationLines(scale, width, regular, bold, data);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i == 0 || !lines[i - 1].keepWithNext) {
            // A run of lines kept together starts a page when it does not fit
            // below the pen, unless it is taller than a page.
            const float height = KeptHeight(lines, i);
            if (height <= vY(kNewPageY) - kBottom) Fit(doc, data, height);
        }
        Fit(doc, data, lines[i].rule ? lines[i].Height() : lines[i].size);
        HPDF_Page page = doc.page();
        if (page == nullptr) return;
        const SrecLine& line = lines[i];
        if (line.rule) {
            // The rule closes the recommendation's text.
            const float ruleY = data.y - Design(0.85f * line.size);
            HPDF_Page_SetRGBStroke(page, 0, 0, 0);
            HPDF_Page_SetLineWidth(page, 0.6f);
            pHPDF_draw_line(page, 65, ruleY, kBarRight, ruleY);
        } else {
            if (!line.label.empty()) Write(page, line.font, line.size, data.x, data.y, line.label);
            if (!line.text.empty())
                Write(page, line.font, line.size, data.x + line.indent, data.y, line.text,
                      line.colour);
        }
        data.y += Design(line.Height());
    }
    data.label.clear();
    data.value.clear();
    data.y += 2.4f * textSize;
}

WrittenDocument WriteShortRecReport(const SrecContent& content, const std::string& pdfFile) {
    PdfDocument doc;
    if (!doc.valid()) return NotWritten(pdfFile);
    // The standard fonts, unless a typed text needs letters they lack.
    SrecContent c = content;
    const auto visit = [&c](const TextVisitor& v) {
        v("P-NAME", c.buildingName);
        v("B-TYPE", c.buildingType);
        v("ISSUE-DATE", c.date);
        v("C-REG-NUMBER", c.registrationNumber);
        // The names of DATA::texts, in the order of SrecText.
        static const char* const kNames[kSrecTexts] = {
            "REC-TEXT",       "CODE",        "ENERGY-IMPACT", "CO2-IMPACT",
            "CO2-SAVE-POUND", "REC-COMMENT", "REC-SOURCE",    "REF-OBJECT"};
        for (SrecCategory& category : c.categories) {
            for (std::string& stat : category.stats) v(category.name, stat);
            for (DATA& rec : category.recommendations)
                for (std::size_t i = 0; i < rec.texts.size(); ++i)
                    v(i < kSrecTexts ? kNames[i] : "REC-TEXT", rec.texts[i]);
        }
    };
    HPDF_Font regular = nullptr;
    HPDF_Font bold = nullptr;
    SettleFonts(doc, pdfFile, visit, regular, bold);
    ListPagesInPartsWhenLong(doc, visit);
    if (regular != nullptr && bold != nullptr) {
        Cover(doc, c, regular, bold);
        DATA data;
        data.x = kTextLeft;
        data.y = 590;
        for (const SrecCategory& category : c.categories) {
            // The heading goes with the service's figures and the first lines
            // of its first recommendation, as they will be set.
            float after = 0;
            for (const std::string& stat : category.stats) {
                DATA line = data;
                line.value = stat;
                after += kLineFactor * kStatSize *
                         static_cast<float>(ValueLines(regular, kStatSize, line).size());
            }
            after += Points(Design(0.6f * kStatSize));
            if (category.recommendations.empty()) {
                after += kStatSize;
            } else {
                DATA first = category.recommendations.front();
                first.x = data.x;
                after += KeptHeight(RecommendationLines(1, 510, regular, bold, first));
            }
            const float heading = Points(31 + 2 * 1.5f * kCategorySize);
            if (heading + after <= vY(kNewPageY) - kBottom) Fit(doc, data, heading + after);
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
    info.subject = WinAnsiText(c.registrationNumber);
    info.creator = std::string("Tarvex ") + kTarvexVersion;
    return doc.SaveProtected(pdfFile, info, false);
}
