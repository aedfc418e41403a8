#include "pdf/epc_s.h"

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <vector>

#include "pdf/document.h"
#include "pdf/furniture.h"
#include "pdf/text.h"
#include "pdf/unicode.h"

namespace {

const RGBColour kDarkRed{154 / 255.0f, 0, 0};
const RGBColour kSideGrey{166 / 255.0f, 166 / 255.0f, 166 / 255.0f};

// The frame: the left edge of the side bar, the left edge of the boxes right
// of it, the column of the current rating and the right edge of the frame.
constexpr float kFrameLeft = 79;
constexpr float kBoxLeft = 164;
constexpr float kRatingColumn = 830;
constexpr float kFrameRight = 1086;
// Texts below the frame end where it ends.
constexpr float kBlockRight = kFrameRight;
constexpr float kFrameLine = 0.6f;

// Scale bars: "Carbon Neutral" stands left of the letters' bars, which all
// start where it ends and grow longer towards G.
constexpr float kNeutralBarLeft = 191;
constexpr float kBarLeft = 231;
constexpr float kBarRight[kScottishScaleRows] = {231, 257, 291, 325, 360, 394, 428, 462};
constexpr float kLabelX = 545;
constexpr float kRangeX = 596;
// The ranges of the letters "A" to "G", in kgCO2 per m2 a year.
const char* const kRanges[kScottishScaleRows] = {
    "",           "(0 to 15)",  "(16 to 30)",  "(31 to 45)",
    "(46 to 60)", "(61 to 80)", "(81 to 100)", "(100+)"};

// Where the arrows point from, and where the names of the scale's ends
// start, clear of an arrow's tip.
constexpr float kArrowX = 863;
constexpr float kEndsX = 972;

// The recommendation boxes (points): left, top, right, bottom.
struct BoxPt {
    float left, top, right, bottom;
};
// The lowest two stop above the frame's lower edge (118 points) rather than
// run over it.
constexpr BoxPt kRecBoxes[6] = {{45, 265, 285, 220},  {45, 215, 285, 170},  {45, 165, 285, 120},
                                {300, 265, 540, 220}, {300, 215, 540, 170}, {300, 165, 540, 120}};
constexpr float kRecSize = 9;
constexpr int kUnlimitedLines = 1000;

// The head of the frame: the title bar, and under it the boxes of the tool,
// the building type and the current rating, which leave room for a second
// line of a value under its label.
constexpr float kTitleTop = 100;
constexpr float kHeadTop = 156;
constexpr float kHeadLabelY = 178;
constexpr float kHeadValueY = 199;
// The black arrow of a rating that was not provided: halfway down the scale.
constexpr float kScaleMiddle = 499;

// The block under the frame: labels and values, and the room left below it
// for the lines a long value takes.
constexpr float kValueX = 426;
constexpr float kValueSize = 10;
constexpr float kLabelSize = 11;
constexpr float kFootSpare = 30;

// The height of a small raised "2" (square metres) above the baseline.
constexpr float kRaise = 10;

// Pieces of text written one after another on a line.
struct Piece {
    HPDF_Font font;
    float size;
    std::string text;
    float raise;  // design units above the line
};
void WritePieces(HPDF_Page page, float x, float y, const std::vector<Piece>& pieces) {
    for (const Piece& p : pieces) {
        Write(page, p.font, p.size, x, y - p.raise, p.text);
        x += 2 * TextWidth(p.font, p.size, p.text);
    }
}

float PiecesWidth(const std::vector<Piece>& pieces) {
    float width = 0;
    for (const Piece& p : pieces) width += 2 * TextWidth(p.font, p.size, p.text);
    return width;
}

// A figure at (x, y), or further left so that it ends by `right` (design units).
void WriteRightOf(HPDF_Page page, HPDF_Font font, float size, float x, float y, float right,
                  const std::string& text) {
    Write(page, font, size, std::min(x, right - 2 * TextWidth(font, size, text)), y, text);
}

void OutlinedRect(HPDF_Page page, float x1, float y1, float x2, float y2) {
    pHPDF_draw_rect(page, x1, y1, x2, y2);
    HPDF_Page_Stroke(page);
}

// A dark red bar with a black outline.
void RedBar(HPDF_Page page, float x1, float y1, float x2, float y2) {
    HPDF_Page_GSave(page);
    SetFill(page, kDarkRed);
    SetStroke(page, kBlack);
    HPDF_Page_SetLineWidth(page, 0.3f);
    pHPDF_draw_rect(page, x1, y1, x2, y2);
    HPDF_Page_FillStroke(page);
    HPDF_Page_GRestore(page);
}

// Text written upwards, centred along the span from `bottom` to `top`, its
// baseline `across` from the left edge (design units).
void WriteUpwards(HPDF_Page page, HPDF_Font font, float size, float across, float bottom, float top,
                  const std::string& text) {
    const float width = TextWidth(font, size, text);
    const float start = vY(bottom) + ((vY(top) - vY(bottom)) - width) / 2;
    SetFill(page, kBlack);
    UseFont(page, font, size);
    HPDF_Page_BeginText(page);
    HPDF_Page_SetTextMatrix(page, 0, 1, -1, 0, vX(across), start);
    HPDF_Page_ShowText(page, text.c_str());
    HPDF_Page_EndText(page);
}

}  // namespace

void EPCS::fSetEPC(int rating) {
    EPC = std::to_string(rating);
    EPC_number = RatingMagnitude(rating);
}

WrittenDocument EPCS::PDF_EPC_Report(const std::string& pdfFile) {
    PdfDocument doc;
    if (!doc.valid()) return NotWritten(pdfFile);
    // The standard fonts, unless a typed text needs letters they lack.
    EPCS drawn = *this;
    const auto visit = [&drawn](const TextVisitor& v) {
        const std::pair<const char*, std::string*> texts[] = {
            {"B-ADDRESS", &drawn.B_ADDRESS},
            {"B-ADDRESS", &drawn.B_ADDRESS_LAST},
            {"MAIN-FUEL-TYPE", &drawn.MAIN_FUEL_TYPE},
            {"BUILDING-ENVIRONMENT", &drawn.VENT},
            {"RENEWABLE-MAIN", &drawn.RENEWABLE},
            {"ELECTRICITY", &drawn.ELECTRICITY},
            {"BUILDING-AREA", &drawn.BUILDING_AREA},
            {"INTERFACE", &drawn.TOOL},
            {"B-TYPE", &drawn.B_TYPE},
            {"C-REG-NUMBER", &drawn.C_REG_NUMBER},
            {"C-PROTOCOL-ORG", &drawn.C_PROTOCOL_ORG},
            {"ISSUE-DATE", &drawn.ISSUE_DATE}};
        for (const auto& [field, text] : texts) v(field, *text);
        for (std::string& rec : drawn.REC) v("REC-TEXT", rec);
    };
    HPDF_Font regular = nullptr;
    HPDF_Font bold = nullptr;
    SettleFonts(doc, pdfFile, visit, regular, bold);
    if (regular != nullptr && bold != nullptr) drawn.DrawPage(doc, regular, bold);
    return doc.SaveProtected(pdfFile, CertificateInfo(WinAnsiText(C_REG_NUMBER)), false);
}

void EPCS::pHPDF_SetRGBColors(HPDF_Page page, const std::string& band) const {
    const RGBColour* colour = colours_.Find(band);
    SetFill(page, colour != nullptr ? *colour : kBlack);
}

void EPCS::DrawPage(PdfDocument& doc, HPDF_Font regular, HPDF_Font bold) const {
    HPDF_Page page = doc.AddPage();
    if (page == nullptr) return;
    pHPDF_background(doc.handle(), page, bold, Cert_Background);

    Write(page, regular, 10, kFrameLeft, kTitleTop - 28,
          "Energy Performance Certificate for buildings other than dwellings");

    RedBar(page, kBoxLeft, kTitleTop, kFrameRight, kHeadTop);
    Write(page, bold, 15, 177, kTitleTop + 40, "Building Energy Performance", kWhite);
    Write(page, bold, 15, 893, kTitleTop + 40, "Scotland", kWhite);

    SetFill(page, kSideGrey);
    FillRect(page, kFrameLeft, kTitleTop, kBoxLeft, 974);
    WriteUpwards(page, bold, 22, 137, 974, kTitleTop, "Energy Performance Certificate");

    SetStroke(page, kBlack);
    HPDF_Page_SetLineWidth(page, kFrameLine);
    const float boxes[][4] = {
        {kBoxLeft, kHeadTop, 533, 228},
        {533, kHeadTop, kRatingColumn, 228},
        {kRatingColumn, kHeadTop, kFrameRight, 228},
        {kBoxLeft, 228, kRatingColumn, 722},
        {kRatingColumn, 228, kFrameRight, 722},
        {kBoxLeft, 722, kRatingColumn, 807},
        {kRatingColumn, 722, kFrameRight, 807},
        {kBoxLeft, 807, kRatingColumn, 852},
        {kRatingColumn, 807, kFrameRight, 852},
        {kBoxLeft, 852, kFrameRight, 919},
        {kBoxLeft, 919, kFrameRight, 974},
        {kFrameLeft, 974, kFrameRight, 1004},
        {kFrameLeft, 1004, kRatingColumn, 1057},
        {kRatingColumn, 1004, kFrameRight, 1057},
        {kFrameLeft, 1057, kRatingColumn, 1110},
        {kRatingColumn, 1057, kFrameRight, 1110},
        {kFrameLeft, 1113, kFrameRight, 1446},
    };
    for (const auto& b : boxes) OutlinedRect(page, b[0], b[1], b[2], b[3]);
    RedBar(page, kFrameLeft, 1113, kFrameRight, 1143);
    WriteFitted(page, regular, 10, 91, 1137, kFrameRight - 12,
                "Recommendations for the cost-effective improvement (lower cost measures) of the "
                "energy performance",
                kWhite);

    // The tool and the building type may take two lines under their labels.
    Write(page, regular, 9.5f, 175, kHeadLabelY, "Calculated asset rating using");
    WriteField(doc, page, regular, 10, 175, kHeadValueY,
               {"INTERFACE", TOOL, Points(533 - 10 - 175), 2});
    Write(page, regular, 9.5f, 545, kHeadLabelY, "Building type");
    WriteField(doc, page, regular, 10, 545, kHeadValueY,
               {"B-TYPE", B_TYPE, Points(kRatingColumn - 10 - 545), 2});
    Write(page, bold, 12, 879, kHeadLabelY + 21, "Current rating");
    // The ends of the scale are named beside the arrow's tip: above or below
    // it they would touch an arrow on the top or bottom row.
    WriteFitted(page, bold, 11, kEndsX, 251, kFrameRight - 6, "Excellent");
    WriteFitted(page, bold, 11, kEndsX, 716, kFrameRight - 6, "Very Poor");

    pHPDF_draw_scale(page, regular, bold);
    // A rate the calculation did not provide has no band: its black arrow
    // marked "??" stands halfway down the scale, pointing at no row.
    const ScottishRating current = fScottishRating(EPC, EPC_BAND);
    const int row = fScottishScaleRow(current.band);
    if (row != kNoScaleRow) {
        pHPDF_draw_benchmark(page, kArrowX, fScottishRowBottom(row), 1, 1, bold, current.band,
                             current.band);
    } else if (current.text.empty()) {
        pHPDF_draw_benchmark(page, kArrowX, kScaleMiddle, 1, 1, bold, current.band, current.band);
    }

    Write(page, bold, 10, 176, 749, "Carbon Dioxide Emissions");
    Write(page, regular, 10, 176, 779,
          "The number refers to the calculated carbon dioxide emissions in terms");
    WritePieces(page, 176, 803,
                {{regular, 10, "of kg per m", 0},
                 {regular, 5, "2", kRaise},
                 {regular, 10, " of floor area per year", 0}});
    WriteRightOf(page, bold, 15, 928, 778, kFrameRight - 10, current.text);

    WritePieces(page, 176, 841,
                {{regular, 10, "Approximate current energy use per m", 0},
                 {regular, 5, "2", kRaise},
                 {regular, 10, " of floor area:", 0}});
    // A long figure starts further left rather than leave the frame.
    const std::vector<Piece> energy = {
        {bold, 12, KWHM2, 0}, {regular, 10, "  kWh/m", 0}, {regular, 5, "2", kRaise}};
    WritePieces(page, std::min(932.0f, kFrameRight - 10 - PiecesWidth(energy)), 841, energy);

    Write(page, bold, 9, 176, 879, "Main heating fuel:");
    WriteFitted(page, regular, 10, 361, 879, 600, MAIN_FUEL_TYPE);
    Write(page, bold, 9, 610, 879, "Building Services:");
    WriteFitted(page, regular, 10, 780, 879, kFrameRight - 10, VENT);
    Write(page, bold, 9, 176, 909, "Renewable energy source:");
    WriteFitted(page, regular, 10, 410, 909, 600, RENEWABLE);
    Write(page, bold, 9, 610, 909, "Electricity:");
    WriteFitted(page, regular, 10, 780, 909, kFrameRight - 10, ELECTRICITY);

    Write(page, bold, 10, 274, 941,
          "Carbon Dioxide is a greenhouse gas which contributes to climate change.");
    Write(page, bold, 10, 289, 970,
          "Less Carbon Dioxide emissions from buildings helps the environment.");

    Write(page, bold, 10, 91, 999, "Benchmarks");
    Write(page, regular, 10, 90, 1022,
          "A building of this type built to building regulations standards current at");
    Write(page, regular, 10, 90, 1046,
          "the date of issue of this certificate would have a rating:");
    const ScottishRating ter = fScottishRating(TER, TER_BAND);
    WriteRightOf(page, bold, 12, 780, 1043, kArrowX - 6, ter.text);
    pHPDF_draw_benchmark(page, kArrowX, 1050, 1, 1, bold, ter.band, ter.band);
    Write(page, regular, 10, 90, 1075,
          "Where the accompanying recommendations for the cost effective improvement");
    Write(page, regular, 10, 90, 1100,
          "of energy performance are applied, this building would have a rating:");
    WriteRightOf(page, bold, 12, 780, 1100, kArrowX - 6, PER);
    pHPDF_draw_benchmark(page, kArrowX, 1103, 1, 1, bold, PER_BAND, PER_BAND);

    const TextMeasure measure = MeasureIn(regular);
    SetFill(page, kBlack);
    for (int i = 0; i < 6; ++i) {
        const BoxPt& b = kRecBoxes[i];
        const FitField rec{"recommendation " + std::to_string(i + 1), REC[i], b.right - b.left,
                           kUnlimitedLines, b.top - b.bottom};
        const FitBlock box = fFitField(rec, kRecSize, measure);
        NoteCuts(doc, {rec}, box);
        DrawLines(page, regular, box.size, box.leading, b.left, b.top, b.right, box.fields[0].lines,
                  HPDF_TALIGN_JUSTIFY);
    }

    // The block under the frame: one size for its labels and values. The
    // address may take a second line; what follows moves down by it, into
    // the room left at the foot of the page.
    std::string protocol = C_PROTOCOL_ORG;
    // Without an organisation the number stands alone, not after a comma.
    if (!C_REG_NUMBER.empty()) protocol += (protocol.empty() ? "[" : ", [") + C_REG_NUMBER + "]";
    protocol += "  ";
    // The area and the date are short and of fixed width: they keep their
    // lines, and the address and the organisation share what is left. Cut,
    // each keeps its end: the postcode, the assessor's number.
    const std::string number = C_REG_NUMBER.empty() ? std::string() : "[" + C_REG_NUMBER + "]";
    const std::vector<FitField> values = {
        {"B-ADDRESS", B_ADDRESS, Points(kBlockRight - kValueX), 2, 0, false, B_ADDRESS_LAST},
        {"BUILDING-AREA", BUILDING_AREA, Points(kBlockRight - kValueX), 1, 0, true},
        {"C-PROTOCOL-ORG", protocol, Points(kBlockRight - kValueX), 2, 0, false,
         C_PROTOCOL_ORG.empty() ? std::string() : number},
        {"ISSUE-DATE", ISSUE_DATE, Points(585 - kValueX), 1, 0, true}};
    FitRoom room;
    room.totalLines = [](float size) {
        return 4 + static_cast<int>(kFootSpare / (2 * kFitLeading * size));
    };
    const FitBlock foot = fFitBlock(values, kValueSize, measure, room);
    NoteCuts(doc, values, foot);
    const float labelSize = foot.size * kLabelSize / kValueSize;
    float down = 0;
    // The row's baseline, moved down by the extra lines of the rows above.
    auto footRow = [&](std::size_t i, float y) {
        const float at = y + down;
        down += 2 * foot.leading *
                static_cast<float>(std::max<std::size_t>(1, foot.fields[i].lines.size()) - 1);
        return at;
    };
    const float addressY = footRow(0, 1474);
    Write(page, bold, labelSize, kFrameLeft, addressY, "Address:");
    WriteFittedLines(page, regular, foot, 0, kValueX, addressY);
    const float areaY = footRow(1, 1499);
    WritePieces(page, kFrameLeft, areaY,
                {{bold, labelSize, "Conditioned area (m", 0},
                 {bold, 5.5f * foot.size / kValueSize, "2", kRaise},
                 {bold, labelSize, "):", 0}});
    WriteFittedLines(page, regular, foot, 1, kValueX, areaY);
    const float protocolY = footRow(2, 1525);
    Write(page, bold, labelSize, kFrameLeft, protocolY, "Name of protocol organisation:");
    WriteFittedLines(page, regular, foot, 2, kValueX, protocolY);
    const float dateY = footRow(3, 1551);
    Write(page, bold, labelSize, kFrameLeft, dateY, "Date of issue of certificate:");
    WriteFittedLines(page, regular, foot, 3, kValueX, dateY);
    Write(page, regular, foot.size, 595, dateY, "(Valid for a period not exceeding 10 years)");
    WriteFitted(page, regular, 10, kFrameLeft, 1575 + down, kBlockRight,
                "This certificate is a requirement of EU Directive 2002/91/EC on the energy "
                "performance of buildings.");
    WriteFitted(page, bold, 10, kFrameLeft, 1605 + down, kBlockRight,
                "NB THIS CERTIFICATE MUST BE AFFIXED TO THE BUILDING AND NOT REMOVED UNLESS "
                "REPLACED");
    WriteFitted(page, bold, 10, kFrameLeft, 1632 + down, kBlockRight,
                "WITH AN UPDATED VERSION AND FOR PUBLIC BUILDINGS DISPLAYED IN A PROMINENT PLACE");
}

void EPCS::pHPDF_draw_scale(HPDF_Page page, HPDF_Font /*regular*/, HPDF_Font bold) const {
    const std::array<const BandRow*, kScottishScaleRows> bands = fScottishScaleBands();
    for (int r = 0; r < kScottishScaleRows; ++r) {
        const float bottom = fScottishRowBottom(r);
        pHPDF_SetRGBColors(page, bands[r]->label);
        FillRect(page, r == 0 ? kNeutralBarLeft : kBarLeft, bottom - kScottishBarHeight,
                 kBarRight[r], bottom);
        if (r == 0) {
            HPDF_Page_SetCharSpace(page, 2);
            Write(page, bold, 15, kLabelX, bottom - 10, bands[r]->label);
            HPDF_Page_SetCharSpace(page, 0);
        } else {
            Write(page, bold, 18, kLabelX, bottom - 10, bands[r]->label);
            Write(page, bold, 12, kRangeX, bottom - 10, kRanges[r]);
        }
    }
}

void EPCS::pHPDF_draw_benchmark(HPDF_Page page, float x, float y, float sx, float sy,
                                HPDF_Font bold, const std::string& value,
                                const std::string& band) const {
    HPDF_Page_GSave(page);
    pHPDF_SetRGBColors(page, band);
    pHPDF_draw_arrow(page, x, y, sx, sy, bold, value);
    HPDF_Page_GRestore(page);
}
