#include "pdf/epc_ewni.h"

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <sstream>

#include "pdf/artwork.h"
#include "pdf/document.h"
#include "pdf/security.h"

namespace {

// The net-zero line and its caption.
const RGBColour kNetZeroBlue{0, 142 / 255.0f, 218 / 255.0f};

// The scale's place on page 1 and its size.
constexpr float kScaleX = 89;
constexpr float kScaleY = 1335;
constexpr float kScaleFactor = 0.96f;

// Right edge of the black bars; the texts below them keep this far inside.
constexpr float kBarRight = 1134;
constexpr float kTextInset = 28;
// Right edge of the banner at the head of page 1.
constexpr float kBannerRight = 1086;
// Right edge of the technical block: the benchmarks start beyond it.
constexpr float kTechnicalRight = 710;
// The address rows stop short of the certificate reference number.
constexpr float kAddressRight = 710;
constexpr std::size_t kAddressRows = 6;

// The explanation under the scale (points).
constexpr float kExplanationLeft = 43;
constexpr float kExplanationTop = 645;
constexpr float kExplanationRight = 560;
constexpr float kExplanationSize = 12.8f;
constexpr float kExplanationLeading = 15;

// The complaint text of page 2: its first line and the step between lines.
constexpr float kComplaintX = 84;
constexpr float kComplaintY = 715;
constexpr float kComplaintStep = 25;
constexpr float kComplaintSize = 9.5f;

// A paragraph in lines of `width` points from (left, first baseline) points
// with its web address as a link. Justified paragraphs spread the words of
// every line but the last.
void WriteLinkedParagraph(HPDF_Page page, HPDF_Font font, float size, float left, float baseline,
                          float width, float leading, const LinkedParagraph& paragraph,
                          bool justify) {
    const std::vector<std::string> lines =
        fParagraphLines(paragraph.text, paragraph.link.text, width, size, MeasureIn(font));
    const std::vector<LinkedLine> pieces = fLinkedLines(lines, paragraph.link.text);
    SetFill(page, kBlack);
    HPDF_Page_SetFontAndSize(page, font, size);
    HPDF_Page_BeginText(page);
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        const LinkedLine& line = pieces[i];
        const std::string whole = line.before + line.link + line.after;
        float wordSpace = 0;
        const auto blanks = static_cast<float>(std::count(whole.begin(), whole.end(), ' '));
        if (justify && i + 1 < pieces.size() && blanks > 0)
            wordSpace = (width - TextWidth(font, size, whole)) / blanks;
        // A line with few words is left ragged rather than torn apart.
        if (wordSpace < 0 || wordSpace > size) wordSpace = 0;
        HPDF_Page_SetWordSpace(page, wordSpace);
        HPDF_Page_SetTextMatrix(page, 1, 0, 0, 1, left, baseline - leading * static_cast<float>(i));
        if (!line.before.empty()) HPDF_Page_ShowText(page, line.before.c_str());
        if (!line.link.empty()) pHPDF_show_link(page, line.link, paragraph.link.uri);
        if (!line.after.empty()) HPDF_Page_ShowText(page, line.after.c_str());
    }
    HPDF_Page_SetWordSpace(page, 0);
    HPDF_Page_EndText(page);
}

PdfInfo CertificateInfo(const std::string& registrationNumber) {
    PdfInfo info;
    info.title = "Building Energy Performance Certificate. Asset Rating.";
    info.keywords = "Energy Performance Certificate";
    info.subject = registrationNumber;
    return info;
}

}  // namespace

LinkedParagraph EpcExplanation(bool northernIreland) {
    const std::string whose = northernIreland ? "Department's" : "Government's";
    const WebAddress& site =
        northernIreland ? kWebDepartmentNorthernIreland : kWebDepartmentEnglandWales;
    return {
        "This certificate shows the energy rating of this building. It reflects the carbon "
        "dioxide emitted in heating, cooling, ventilating and lighting the building and in "
        "providing its hot water: the lower the emissions, the better the rating. The "
        "benchmarks show how a new and a typical existing building of this kind would be "
        "rated. Guidance on reading the certificate is on the " +
            whose + " " + site.text + ".",
        site};
}

LinkedParagraph EpcComplaint(bool northernIreland) {
    const std::string whose = northernIreland ? "Department's" : "Government's";
    const WebAddress& site =
        northernIreland ? kWebDepartmentNorthernIreland : kWebDepartmentEnglandWales;
    return {
        "Details of the assessor and the relevant accreditation scheme are on the "
        "certificate. You can get contact details of the accreditation scheme from the " +
            whose + " website at " + site.text +
            ", together with details of the procedures for confirming authenticity of a "
            "certificate and for making a complaint.",
        site};
}

void EPCEWNI::fSetEPC(int rating) {
    EPC = std::to_string(rating);
    const long long magnitude = std::llabs(static_cast<long long>(rating));
    // The magnitude of the most negative int does not fit an int.
    EPC_number = magnitude > INT_MAX ? INT_MAX : static_cast<int>(magnitude);
}

void EPCEWNI::fSetTER(int rating) {
    TER = std::to_string(rating);
}

void EPCEWNI::fSetTYR(int rating) {
    TYR = std::to_string(rating);
}

void EPCEWNI::fSetBER(double rate) {
    std::ostringstream out;
    // A rate rounded to zero from below reads 0, not -0.
    out << (rate == 0 ? 0.0 : rate);
    BER = out.str();
}

void EPCEWNI::PDF_EPC_Report(const std::string& pdfFile) {
    PDF_EPC_Report("", pdfFile);
}

std::string EPCEWNI::PDF_EPC_Report(const std::string& key, const std::string& pdfFile) {
    PdfDocument doc;
    if (!doc.valid()) return std::string();
    HPDF_Font regular = doc.Font("Helvetica");
    HPDF_Font bold = doc.Font("Helvetica-Bold");
    if (regular != nullptr && bold != nullptr) {
        DrawPage1(doc, regular, bold);
        DrawPage2(doc, regular, bold);
    }
    // After a libharu error nothing is saved and the fingerprint is empty.
    return doc.SaveProtected(pdfFile, CertificateInfo(C_REG_NUMBER), true, key).fingerprint;
}

void EPCEWNI::DrawPage1(PdfDocument& doc, HPDF_Font regular, HPDF_Font bold) const {
    HPDF_Page page = doc.AddPage();
    if (page == nullptr) return;
    pSECURITY0(doc.handle(), page, regular, EPC_number, 13, 26);
    pHPDF_background(doc.handle(), page, bold, Cert_Background);

    // Title, rating, benchmark and technical bars.
    SetFill(page, kBlack);
    FillRect(page, 56, 56, kBarRight, 182);
    FillRect(page, 56, 563, kBarRight, 608);
    FillRect(page, 792, 1411, kBarRight, 1457);
    FillRect(page, 56, 1411, 710, 1457);

    if (HPDF_Image banner = LoadHeaderImage(doc))
        HPDF_Page_DrawImage(page, banner, 375, 776, 168, 25);
    if (northernIreland) {
        // Under the banner, ending where it ends: beside it the name would
        // run over the artwork.
        const std::string name = "Northern Ireland";
        Write(page, bold, 16, kBannerRight - 2 * TextWidth(bold, 16, name), 168, name, kWhite);
    }

    pHPDF_draw_scale(page, kScaleX, kScaleY, kScaleFactor, kScaleFactor, regular, bold);

    pHPDF_draw_benchmark(page, 819, 1571, 1, 1, bold, TER, TER_BAND);
    pHPDF_draw_benchmark(page, 819, 1628, 1, 1, bold, TYR, TYR_BAND);
    Write(page, bold, 10, 822, 1490, "Buildings similar to this one ");
    Write(page, bold, 10, 822, 1515, "could have ratings as follows:");
    Write(page, regular, 12, 945, 1557, "If newly built");
    Write(page, regular, 12, 945, 1603, "If typical of the");
    Write(page, regular, 12, 945, 1628, "existing stock");

    SetStroke(page, kBlack);
    HPDF_Page_SetLineWidth(page, 0.6f);
    pHPDF_draw_line(page, 56, 380, kBarRight, 380);

    Write(page, bold, 18, 84, 117, "Energy Performance Certificate", kWhite);
    Write(page, regular, 15, 84, 159, "Non-Domestic Building", kWhite);
    Write(page, bold, 14, 84, 595, "Energy Performance Asset Rating", kWhite);
    Write(page, bold, 14, 84, 1442, "Technical information", kWhite);
    Write(page, bold, 14, 822, 1442, "Benchmarks", kWhite);

    Write(page, bold, 14, 730, 225, "Certificate Reference Number:");
    Write(page, regular, 13, 805, 260, RRN_EPC);

    const std::vector<std::string> address(std::begin(B_ADDRESS), std::end(B_ADDRESS));
    const std::vector<AddressRow> rows =
        fAddressRows(address, (kAddressRight - 84) / 2, 11, kAddressRows, MeasureIn(bold));
    for (std::size_t i = 0; i < rows.size(); ++i)
        Write(page, bold, rows[i].size, 84, 220 + 30 * static_cast<float>(i), rows[i].text);

    Write(page, bold, 11, 84, 1490, "Main heating fuel: ");
    WriteFitted(page, regular, 11, 380, 1490, kTechnicalRight, MAIN_FUEL_TYPE);
    Write(page, bold, 11, 84, 1525, "Building environment: ");
    WriteFitted(page, regular, 11, 380, 1525, kTechnicalRight, BUILDING_ENVIRONMENT);
    Write(page, bold, 11, 84, 1560, "Total useful floor area (m ): ");
    Write(page, bold, 5, 346, 1550, "2");
    WriteFitted(page, regular, 11, 480, 1560, kTechnicalRight, BUILDING_AREA);
    Write(page, bold, 11, 84, 1595, "Building complexity (NOS level):");
    WriteFitted(page, regular, 11, 480, 1595, kTechnicalRight, NOS_LEVEL);
    Write(page, bold, 11, 84, 1630, "Building emission rate (kgCO /m ): ");
    Write(page, bold, 5, 390, 1635, "2");
    Write(page, bold, 5, 423, 1620, "2");
    WriteFitted(page, regular, 11, 480, 1630, kTechnicalRight, BER);

    const float firstBaseline = kExplanationTop - static_cast<float>(HPDF_Font_GetAscent(regular)) *
                                                      kExplanationSize / 1000.0f;
    WriteLinkedParagraph(page, regular, kExplanationSize, kExplanationLeft, firstBaseline,
                         kExplanationRight - kExplanationLeft, kExplanationLeading,
                         EpcExplanation(northernIreland), true);

    pSECURITY1(page, regular, 400, 150, 1, EPC_number, RRN_EPC, true);
}

void EPCEWNI::DrawPage2(PdfDocument& doc, HPDF_Font regular, HPDF_Font bold) const {
    HPDF_Page page = doc.AddPage();
    if (page == nullptr) return;
    pSECURITY0(doc.handle(), page, regular, EPC_number, 11, 22);
    pHPDF_background(doc.handle(), page, bold, Cert_Background);

    SetFill(page, kBlack);
    FillRect(page, 56, 56, kBarRight, 101);
    FillRect(page, 56, 625, kBarRight, 670);
    Write(page, bold, 14, 84, 90, "Administrative information", kWhite);
    Write(page, bold, 13, 84, 657,
          "If you have a complaint or wish to confirm that the certificate is genuine", kWhite);

    Write(page, regular, 9, 84, 134,
          northernIreland
              ? "This is an Energy Performance Certificate as defined in SR 2008 No.170 as amended"
              : "This is an Energy Performance Certificate as defined in SI2007:991 as amended");

    // The complaint text runs on as one paragraph: the department's web
    // address is too long to keep the text to fixed lines.
    WriteLinkedParagraph(page, regular, kComplaintSize, vX(kComplaintX), vY(kComplaintY),
                         (kBarRight - kTextInset - kComplaintX) / 2, kComplaintStep / 2,
                         EpcComplaint(northernIreland), false);

    struct Row {
        const char* label;
        std::string value;
    };
    const Row rows[] = {
        {"Assessment Software:", TOOL},
        {"Property Reference:", UPRN},
        {"Assessor Name:", C_NAME},
        {"Assessor Number:", C_REG_NUMBER},
        {"Accreditation Scheme:", C_ACCRED_SCHEME},
        {"Employer/Trading Name:", C_EMP_TRAD_NAME},
        {"Employer/Trading Address:", C_EMP_TRAD_ADDRESS},
        {"Issue Date:", ISSUE_DATE},
        {"Valid Until:", VALID_DATE + " (unless superseded by a later certificate)"},
        {"Related Party Disclosure:", C_REL_PART_DISC},
    };
    float y = 170;
    for (const Row& row : rows) {
        Write(page, bold, 9, 84, y, row.label);
        WriteFitted(page, regular, 9, 370, y, kBarRight - kTextInset, row.value);
        y += 40;
    }
    Write(page, bold, 9, 84, 570,
          "Recommendations for improving the property are contained in Report Reference Number:");
    Write(page, bold, 9, 870, 570, RRN_REC);

    pHPDF_CT_Logo(page, 30, 50, 0.435f, 0.435f);
    SetFill(page, kBlack);
    HPDF_Page_BeginText(page);
    HPDF_Page_SetFontAndSize(page, regular, 10);
    HPDF_Page_TextOut(page, 180, 90, "For advice on how to take action and to find out about");
    HPDF_Page_TextOut(page, 180, 75, "technical and financial assistance schemes to help make");
    HPDF_Page_TextOut(page, 180, 60, "buildings more energy efficient visit ");
    HPDF_Page_SetFontAndSize(page, bold, 10);
    pHPDF_show_link(page, kWebAdviceBody.text, kWebAdviceBody.uri);
    HPDF_Page_SetFontAndSize(page, regular, 10);
    HPDF_Page_TextOut(page, 180, 45, "or call us on ");
    HPDF_Page_SetFontAndSize(page, bold, 10);
    HPDF_Page_ShowText(page, kAdviceTelephone);
    HPDF_Page_EndText(page);

    pSECURITY2(page, regular, 400, 150, 1, EPC_number, RRN_EPC);
}

void EPCEWNI::pHPDF_draw_scale(HPDF_Page page, float x0, float y0, float sx, float sy,
                               HPDF_Font regular, HPDF_Font bold) const {
    const std::array<ScaleRow, kScaleRows> rows = fScaleRows(y0, sx, sy);
    const float h = fScaleRowHeight(sy);
    const int certificateRow = fScaleRow(EPC_BAND);
    for (int r = 0; r < kScaleRows; ++r) {
        const RGBColour* colour = colours_.Find(rows[r].label);
        const RGBColour outline = colour != nullptr ? *colour : kBlack;
        // A+ is the white row above the coloured ones.
        const RGBColour fill = r == 0 ? kWhite : outline;
        pHPDF_draw_band(page, x0, rows[r].bottom, rows[r].width, h, sx, sy, rows[r].label,
                        fScaleRangeText(r, limits), fill, outline, r == certificateRow, bold);
    }
    if (certificateRow != kNoScaleRow) {
        const RGBColour* colour = colours_.Find(EPC_BAND);
        const RGBColour pointer = certificateRow == 0 || colour == nullptr ? kWhite : *colour;
        pHPDF_draw_rating(page, x0 + 501 * sx, rows[certificateRow].bottom, h, pointer, sx, sy,
                          regular, bold);
    }

    // The net-zero line between A+ and A.
    const float dotsY = y0 - 7 * (h + 10 * sy) - 5 * sy;
    SetFill(page, kNetZeroBlue);
    for (int i = 0; i < 58; ++i)
        HPDF_Page_Circle(page, vX(x0 + 10 * static_cast<float>(i) * sx), vY(dotsY), 1.5f * sx / 2);
    HPDF_Page_Fill(page);
    Write(page, bold, 10 * sx, x0 + 585 * sx, y0 - 579 * sy, "Net zero CO  emissions",
          kNetZeroBlue);
    Write(page, regular, 5 * sx, x0 + 698 * sx, y0 - 574 * sy, "2", kNetZeroBlue);

    Write(page, regular, 14 * sx, x0 - 2 * sx, y0 - 695 * sy, "More energy efficient");
    Write(page, regular, 14 * sx, x0 - 2 * sx, y0 + 50 * sy, "Less energy efficient");
}

void EPCEWNI::pHPDF_draw_band(HPDF_Page page, float x0, float bottom, float width, float height,
                              float sx, float sy, const std::string& label,
                              const std::string& range, const RGBColour& fill,
                              const RGBColour& outline, bool certificateBand,
                              HPDF_Font bold) const {
    HPDF_Page_GSave(page);
    HPDF_Page_SetLineWidth(page, 2 * sx);
    SetStroke(page, certificateBand ? kBlack : outline);
    SetFill(page, fill);
    pHPDF_draw_rect(page, x0, bottom - height, x0 + width, bottom);
    HPDF_Page_FillStroke(page);
    HPDF_Page_GRestore(page);

    const float labelLine = certificateBand ? 1.5f * sx : (label == "A+" ? 0.5f * sx : 0.3f * sx);
    WriteOutlined(page, bold, 38 * sx, x0 + 20 * sx, bottom - 10 * sy, label, kWhite, labelLine);
    if (!range.empty())
        WriteOutlined(page, bold, 18 * sx, x0 + 86 * sx, bottom - 10 * sy, range, kWhite,
                      0.3f * sx);
}

void EPCEWNI::pHPDF_draw_rating(HPDF_Page page, float x, float y, float h, const RGBColour& colour,
                                float sx, float sy, HPDF_Font /*regular*/, HPDF_Font bold) const {
    HPDF_Page_GSave(page);
    SetFill(page, kWhite);
    SetStroke(page, kBlack);
    HPDF_Page_SetLineWidth(page, 2 * sx);
    pHPDF_draw_rect(page, x, y - h, x + 545 * sx, y);
    HPDF_Page_FillStroke(page);
    HPDF_Page_GRestore(page);

    Write(page, bold, 10 * sx, x + 255 * sx, y - 40 * sy, "This is how energy efficient");
    Write(page, bold, 10 * sx, x + 255 * sx, y - 15 * sy, "the building is.");

    // A long rating is set smaller rather than run into the words beside it.
    const float size = fFitSize(TextWidth(bold, 40 * sx, EPC), 160 * sx / 2, 40 * sx);
    WriteOutlined(page, bold, size, x + 90 * sx, y - 7 * sy, EPC, colour, 1.2f * sx);

    HPDF_Page_GSave(page);
    SetFill(page, colour);
    SetStroke(page, kBlack);
    HPDF_Page_SetLineWidth(page, 1.2f * sx);
    HPDF_Page_MoveTo(page, vX(x + 40 * sx), vY(y - 7 * sy));
    HPDF_Page_LineTo(page, vX(x + 50 * sx), vY(y - 7 * sy));
    HPDF_Page_LineTo(page, vX(x + 50 * sx), vY(y - 64 * sy));
    HPDF_Page_LineTo(page, vX(x + 40 * sx), vY(y - 64 * sy));
    HPDF_Page_LineTo(page, vX(x + 10 * sx), vY(y - 35.5f * sy));
    HPDF_Page_ClosePath(page);
    HPDF_Page_FillStroke(page);
    HPDF_Page_GRestore(page);
}

void EPCEWNI::pHPDF_draw_benchmark(HPDF_Page page, float x, float y, float sx, float sy,
                                   HPDF_Font bold, const std::string& value,
                                   const std::string& band) const {
    HPDF_Page_GSave(page);
    colours_.pHPDF_SetRGBColors(page, band);
    pHPDF_draw_arrow(page, x, y, sx, sy, bold, value);
    HPDF_Page_GRestore(page);
}
