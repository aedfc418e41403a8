#include "pdf/epc_ewni.h"

#include <algorithm>
#include <array>
#include <climits>
#include <cstdlib>
#include <sstream>

#include "app/runlog.h"
#include "pdf/artwork.h"
#include "pdf/document.h"
#include "pdf/fonts.h"
#include "pdf/furniture.h"
#include "pdf/security.h"
#include "pdf/text.h"
#include "pdf/unicode.h"
#include "project/rating.h"

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
// Texts on a bar or running to its edge end this far inside it.
constexpr float kBarTextRight = kBarRight - 8;
// Right edge of the banner at the head of page 1.
constexpr float kBannerRight = 1086;
// The technical values may run on past the technical bar into the empty
// space before the benchmark arrows (x 819).
constexpr float kTechnicalValueRight = 800;
constexpr float kTechnicalTop = 1490;
constexpr float kTechnicalStep = 35;
// The address rows stop short of the certificate reference number, and end
// above the rule under them.
constexpr float kAddressLeft = 84;
constexpr float kAddressRight = 710;
constexpr float kAddressTop = 220;
constexpr float kAddressStep = 30;
constexpr float kAddressLastBaseline = 370;
constexpr float kAddressSize = 11;

// A value may take as many lines as its box has room for.
constexpr int kUnlimitedLines = 1000;
// The least room (points) between a row's last line and the next row.
constexpr float kRowGapPoints = 1.0f;

// The explanation under the scale (points).
constexpr float kExplanationLeft = 43;
constexpr float kExplanationTop = 645;
constexpr float kExplanationRight = 560;
constexpr float kExplanationLeading = 15;

// The complaint text of page 2: its first line and the step between lines.
constexpr float kComplaintX = 84;
constexpr float kComplaintY = 715;
constexpr float kComplaintStep = 25;
constexpr float kComplaintSize = 9.5f;

// The administrative rows of page 2.
constexpr float kAdminLabelX = 84;
constexpr float kAdminValueX = 370;
constexpr float kAdminTop = 170;
constexpr float kAdminStep = 40;
constexpr float kAdminSize = 9;
// The lines a value may take before the block is set smaller: ten values of
// this many lines still leave the complaint text above the advice.
constexpr int kAdminMostLines = 4;

// A text whose marks (kSuperscriptTwo, kSubscriptTwo) show as blanks, with a
// small "2" set in `small` over or under the place of each mark.
void WriteMarked(HPDF_Page page, HPDF_Font font, float size, float x, float y,
                 const std::string& text, HPDF_Font small, float smallSize,
                 const RGBColour& colour = kBlack) {
    std::string shown = text;
    std::replace(shown.begin(), shown.end(), kSuperscriptTwo, ' ');
    std::replace(shown.begin(), shown.end(), kSubscriptTwo, ' ');
    Write(page, font, size, x, y, shown, colour);
    for (std::size_t at = 0; at < text.size(); ++at) {
        if (text[at] != kSuperscriptTwo && text[at] != kSubscriptTwo) continue;
        const float markX = x + 2 * TextWidth(font, size, shown.substr(0, at));
        const float markY = text[at] == kSuperscriptTwo ? y - 0.9f * size : y + 0.5f * size;
        Write(page, small, smallSize, markX, markY, "2", colour);
    }
}

// A paragraph in lines of `width` points from (left, first baseline) points
// with its web address as a link. Justified paragraphs spread the words of
// every line but the last.
void WriteLinkedParagraph(HPDF_Page page, HPDF_Font font, float size, float left, float baseline,
                          float width, float leading, const LinkedParagraph& paragraph,
                          bool justify, bool keepLinkWithWordBefore) {
    const std::vector<std::string> lines = fParagraphLines(
        paragraph.text, paragraph.link.text, width, size, MeasureIn(font), keepLinkWithWordBefore);
    const std::vector<LinkedLine> pieces = fLinkedLines(lines, paragraph.link.text);
    SetFill(page, kBlack);
    UseFont(page, font, size);
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
        UseWordSpace(page, wordSpace);
        HPDF_Page_SetTextMatrix(page, 1, 0, 0, 1, left, baseline - leading * static_cast<float>(i));
        if (!line.before.empty()) HPDF_Page_ShowText(page, line.before.c_str());
        if (!line.link.empty()) pHPDF_show_link(page, line.link, paragraph.link.uri);
        if (!line.after.empty()) HPDF_Page_ShowText(page, line.after.c_str());
    }
    UseWordSpace(page, 0);
    HPDF_Page_EndText(page);
}

}  // namespace

void EpcCertificate::fSetRatings(const Ratings& r) {
    fSetEPC(fRoundToInt(r.asset));
    fSetTER(fRoundToInt(r.newBuild));
    fSetTYR(fRoundToInt(r.stock));
    fSetEPC_BAND(r.assetBand);
    fSetTER_BAND(r.newBuildBand);
    fSetTYR_BAND(r.stockBand);
    limits = fBandLimitTexts({r.limits.begin(), r.limits.end()});
}

void EpcCertificate::fSetEPC(int rating) {
    EPC = std::to_string(rating);
    EPC_number = RatingMagnitude(rating);
}

void EpcCertificate::fSetTER(int rating) {
    TER = std::to_string(rating);
}

void EpcCertificate::fSetTYR(int rating) {
    TYR = std::to_string(rating);
}

void EpcCertificate::fSetBER(double rate) {
    std::ostringstream out;
    // A rate rounded to zero from below reads 0, not -0.
    out << (rate == 0 ? 0.0 : rate);
    BER = out.str();
}

WrittenDocument EPCEWNI::PDF_EPC_Report(const std::string& pdfFile) {
    return PDF_EPC_Report("", pdfFile);
}

WrittenDocument EPCEWNI::PDF_EPC_Report(const std::string& key, const std::string& pdfFile) {
    return WriteDocument(EnglishEpcTexts(northernIreland), key, pdfFile);
}

WrittenDocument EPCW::PDF_EPC_Report(const std::string& key, const std::string& pdfFile) {
    return WriteDocument(WelshEpcTexts(), key, pdfFile);
}

WrittenDocument EpcCertificate::WriteDocument(const EpcTexts& texts, const std::string& key,
                                              const std::string& pdfFile) {
    PdfDocument doc;
    if (!doc.valid()) return NotWritten(pdfFile);
    HPDF_Font regular = nullptr;
    HPDF_Font bold = nullptr;
    if (texts.embeddedFont) {
        // The standard fonts lack letters of these texts: without the font
        // file there is no certificate rather than one with wrong letters.
        const std::vector<std::string> folders = LiberationSansFolders();
        FontFiles files;
        if (!FindLiberationSans(folders, files)) {
            SendLog(MissingFontMessage(pdfFile, folders));
            return NotWritten(pdfFile);
        }
        regular = doc.EmbeddedFont(files.regular, texts.encoding);
        bold = doc.EmbeddedFont(files.bold, texts.encoding);
        if (regular == nullptr || bold == nullptr) {
            if (!doc.failed()) SendLog(MissingFontMessage(pdfFile, {files.regular, files.bold}));
            return NotWritten(pdfFile);
        }
    } else {
        // The standard fonts, unless a typed text needs letters they lack.
        EpcCertificate drawn = *this;
        const auto visit = [&drawn](const TextVisitor& v) { drawn.VisitTypedTexts(v); };
        SettleFonts(doc, pdfFile, visit, regular, bold);
        drawn.texts_ = &texts;
        if (regular != nullptr && bold != nullptr) {
            drawn.DrawPage1(doc, regular, bold);
            drawn.DrawPage2(doc, regular, bold);
        }
        return doc.SaveProtected(pdfFile, CertificateInfo(WinAnsiText(C_REG_NUMBER)), true, key);
    }
    texts_ = &texts;
    if (regular != nullptr && bold != nullptr) {
        DrawPage1(doc, regular, bold);
        DrawPage2(doc, regular, bold);
    }
    texts_ = nullptr;
    return doc.SaveProtected(pdfFile, CertificateInfo(C_REG_NUMBER), true, key);
}

void EpcCertificate::VisitTypedTexts(const TextVisitor& visit) {
    for (int i = 0; i < 6; ++i) visit("B-ADDRESS-" + std::to_string(i), B_ADDRESS[i]);
    const std::pair<const char*, std::string*> texts[] = {
        {"RRN-EPC", &RRN_EPC},
        {"RRN-REC", &RRN_REC},
        {"MAIN-FUEL-TYPE", &MAIN_FUEL_TYPE},
        {"BUILDING-ENVIRONMENT", &BUILDING_ENVIRONMENT},
        {"BUILDING-AREA", &BUILDING_AREA},
        {"NOS-LEVEL", &NOS_LEVEL},
        {"INTERFACE", &TOOL},
        {"UPRN", &UPRN},
        {"C-NAME", &C_NAME},
        {"C-REG-NUMBER", &C_REG_NUMBER},
        {"C-ACCRED-SCHEME", &C_ACCRED_SCHEME},
        {"C-EMP-TRAD-NAME", &C_EMP_TRAD_NAME},
        {"C-EMP-TRAD-ADDRESS", &C_EMP_TRAD_ADDRESS},
        {"C-REL-PART-DISC", &C_REL_PART_DISC},
        {"ISSUE-DATE", &ISSUE_DATE},
        {"VALID-DATE", &VALID_DATE}};
    for (const auto& [field, text] : texts) visit(field, *text);
}

void EpcCertificate::DrawPage1(PdfDocument& doc, HPDF_Font regular, HPDF_Font bold) const {
    const EpcTexts& t = Texts();
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
    if (!t.northernIreland.empty()) {
        // Deliberately not at (850, 117), where the name would be white on
        // the banner's white panel: it sits under the banner, ending where
        // the banner ends, on the black of the title bar.
        Write(page, bold, 16, kBannerRight - 2 * TextWidth(bold, 16, t.northernIreland), 168,
              t.northernIreland, kWhite);
    }

    pHPDF_draw_scale(page, kScaleX, kScaleY, kScaleFactor, kScaleFactor, regular, bold);

    pHPDF_draw_benchmark(page, 819, 1571, 1, 1, bold, TER, TER_BAND);
    pHPDF_draw_benchmark(page, 819, 1628, 1, 1, bold, TYR, TYR_BAND);
    Write(page, bold, 10, 822, 1490, t.benchmarkLines[0]);
    Write(page, bold, 10, 822, 1515, t.benchmarkLines[1]);
    Write(page, regular, t.benchmarkCaptionSize, 945, 1557, t.benchmarkCaptions[0]);
    Write(page, regular, t.benchmarkCaptionSize, 945, 1603, t.benchmarkCaptions[1]);
    Write(page, regular, t.benchmarkCaptionSize, 945, 1628, t.benchmarkCaptions[2]);

    SetStroke(page, kBlack);
    HPDF_Page_SetLineWidth(page, 0.6f);
    pHPDF_draw_line(page, 56, 380, kBarRight, 380);

    Write(page, bold, 18, 84, 117, t.title, kWhite);
    Write(page, regular, 15, 84, 159, t.subtitle, kWhite);
    WriteFitted(page, bold, 14, 84, 595, kBarTextRight, t.ratingBar, kWhite);
    WriteFitted(page, bold, 14, 84, 1442, 710 - 8, t.technicalBar, kWhite);
    WriteFitted(page, bold, 14, 822, 1442, kBarTextRight, t.benchmarksBar, kWhite);

    WriteFitted(page, bold, 14, t.referenceLabelX, 225, kBarTextRight, t.referenceLabel);
    Write(page, regular, 13, 805, 260, RRN_EPC);

    // The address shares its box: rows kAddressStep apart at its design size,
    // closer in proportion when it is set smaller.
    std::vector<FitField> address;
    for (int i = 0; i < 6; ++i) {
        if (fTrimBlanks(B_ADDRESS[i]).empty()) continue;
        address.push_back({"B-ADDRESS-" + std::to_string(i), B_ADDRESS[i],
                           Points(kAddressRight - kAddressLeft), kUnlimitedLines});
    }
    FitRoom addressRoom;
    addressRoom.keepLast = true;
    addressRoom.totalLines = [](float size) {
        return static_cast<int>((kAddressLastBaseline - kAddressTop) /
                                    (kAddressStep * size / kAddressSize) +
                                1e-3f) +
               1;
    };
    const FitBlock rows = fFitBlock(address, kAddressSize, MeasureIn(bold), addressRoom);
    NoteCuts(doc, address, rows);
    const float rowStep = kAddressStep * rows.size / kAddressSize;
    float rowY = kAddressTop;
    for (const FitLines& line : rows.fields) {
        for (const std::string& row : line.lines) {
            Write(page, bold, rows.size, kAddressLeft, rowY, row);
            rowY += rowStep;
        }
    }

    // The technical block: a value may take a second line where its row
    // leaves room for one.
    static const char* const kTechnicalNames[5] = {"MAIN-FUEL-TYPE", "BUILDING-ENVIRONMENT",
                                                   "BUILDING-AREA", "NOS-LEVEL", "BER"};
    const std::string values[5] = {MAIN_FUEL_TYPE, BUILDING_ENVIRONMENT, BUILDING_AREA, NOS_LEVEL,
                                   BER};
    std::vector<FitField> technical;
    for (int i = 0; i < 5; ++i) {
        technical.push_back({kTechnicalNames[i], values[i],
                             Points(kTechnicalValueRight - t.technicalValueX[i]), kUnlimitedLines,
                             Points(kTechnicalStep) - kRowGapPoints});
    }
    const FitBlock block = fFitBlock(technical, t.technicalSize, MeasureIn(regular));
    NoteCuts(doc, technical, block);
    for (std::size_t i = 0; i < 5; ++i) {
        const float y = kTechnicalTop + kTechnicalStep * static_cast<float>(i);
        // The small "2"s shrink with their labels, to fit the blanks they sit in.
        WriteMarked(page, bold, block.size, 84, y, t.technicalLabels[i], bold,
                    5 * block.size / t.technicalSize);
        WriteFittedLines(page, regular, block, i, t.technicalValueX[i], y);
    }

    const float firstBaseline = kExplanationTop - static_cast<float>(HPDF_Font_GetAscent(regular)) *
                                                      t.explanationSize / 1000.0f;
    WriteLinkedParagraph(page, regular, t.explanationSize, kExplanationLeft, firstBaseline,
                         kExplanationRight - kExplanationLeft, kExplanationLeading, t.explanation,
                         true, true);

    if (t.securityPatterns) pSECURITY1(page, regular, 400, 150, 1, EPC_number, RRN_EPC, true);
}

void EpcCertificate::DrawPage2(PdfDocument& doc, HPDF_Font regular, HPDF_Font bold) const {
    const EpcTexts& t = Texts();
    HPDF_Page page = doc.AddPage();
    if (page == nullptr) return;
    pSECURITY0(doc.handle(), page, regular, EPC_number, 11, 22);
    pHPDF_background(doc.handle(), page, bold, Cert_Background);

    // The administrative rows: a value that needs more lines than one
    // pushes the rows under it down, and with them the rest of the page
    // down to the advice at its foot, which has room to spare.
    static const char* const kAdminNames[10] = {"INTERFACE",
                                                "UPRN",
                                                "C-NAME",
                                                "C-REG-NUMBER",
                                                "C-ACCRED-SCHEME",
                                                "C-EMP-TRAD-NAME",
                                                "C-EMP-TRAD-ADDRESS",
                                                "ISSUE-DATE",
                                                "VALID-DATE",
                                                "C-REL-PART-DISC"};
    const std::string values[10] = {TOOL,
                                    UPRN,
                                    C_NAME,
                                    C_REG_NUMBER,
                                    C_ACCRED_SCHEME,
                                    C_EMP_TRAD_NAME,
                                    C_EMP_TRAD_ADDRESS,
                                    ISSUE_DATE,
                                    VALID_DATE + t.validSuffix,
                                    C_REL_PART_DISC};
    std::vector<FitField> admin;
    for (int i = 0; i < 10; ++i) {
        admin.push_back({kAdminNames[i], values[i], Points(kBarRight - kTextInset - kAdminValueX),
                         kAdminMostLines});
    }
    const FitBlock block = fFitBlock(admin, kAdminSize, MeasureIn(regular));
    NoteCuts(doc, admin, block);
    float rowsDown = 0;  // design units the rows below have moved
    std::array<float, 10> rowY{};
    for (std::size_t i = 0; i < 10; ++i) {
        rowY[i] = kAdminTop + kAdminStep * static_cast<float>(i) + rowsDown;
        const std::size_t lines = std::max<std::size_t>(1, block.fields[i].lines.size());
        rowsDown += 2 * block.leading * static_cast<float>(lines - 1);
    }
    const float down = rowsDown;

    SetFill(page, kBlack);
    FillRect(page, 56, 56, kBarRight, 101);
    FillRect(page, 56, 625 + down, kBarRight, 670 + down);
    WriteFitted(page, bold, 14, 84, 90, kBarTextRight, t.adminBar, kWhite);
    WriteFitted(page, bold, t.complaintHeadingSize, 84, 657 + down, kBarTextRight,
                t.complaintHeading, kWhite);

    WriteFitted(page, regular, 9, 84, 134, kBarTextRight, t.legalLine);

    // Three lines: the short department addresses leave the sentences their
    // lines, and the paragraph may break before the address.
    WriteLinkedParagraph(page, regular, kComplaintSize, vX(kComplaintX), vY(kComplaintY + down),
                         Points(kBarTextRight - kComplaintX), Points(kComplaintStep), t.complaint,
                         false, false);

    for (std::size_t i = 0; i < 10; ++i) {
        Write(page, bold, block.size, kAdminLabelX, rowY[i], t.rowLabels[i]);
        WriteFittedLines(page, regular, block, i, kAdminValueX, rowY[i]);
    }
    Write(page, bold, 9, 84, 570 + down, t.recommendations);
    Write(page, bold, 9, 870, 570 + down, RRN_REC);

    pHPDF_CT_Logo(page, 30, 50, 0.435f, 0.435f);
    SetFill(page, kBlack);
    HPDF_Page_BeginText(page);
    UseFont(page, regular, 10);
    HPDF_Page_TextOut(page, 180, 90, t.adviceLines[0].c_str());
    HPDF_Page_TextOut(page, 180, 75, t.adviceLines[1].c_str());
    HPDF_Page_TextOut(page, 180, 60, t.adviceLines[2].c_str());
    UseFont(page, bold, 10);
    pHPDF_show_link(page, kWebAdviceBody.text, kWebAdviceBody.uri);
    UseFont(page, regular, 10);
    if (!t.adviceAfterLink.empty()) HPDF_Page_ShowText(page, t.adviceAfterLink.c_str());
    HPDF_Page_TextOut(page, 180, 45, t.telephone.c_str());
    UseFont(page, bold, 10);
    HPDF_Page_ShowText(page, kAdviceTelephone);
    HPDF_Page_EndText(page);

    if (t.securityPatterns) pSECURITY2(page, regular, 400, 150, 1, EPC_number, RRN_EPC);
}

void EpcCertificate::pHPDF_draw_scale(HPDF_Page page, float x0, float y0, float sx, float sy,
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
                        fScaleRangeText(r, limits, Texts().over), fill, outline,
                        r == certificateRow, bold);
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
        HPDF_Page_Circle(page, vX(x0 + 10 * static_cast<float>(i) * sx), vY(dotsY),
                         Points(1.5f * sx));
    HPDF_Page_Fill(page);
    WriteMarked(page, bold, 10 * sx, x0 + 585 * sx, y0 - 579 * sy, Texts().netZero, regular, 5 * sx,
                kNetZeroBlue);

    Write(page, regular, 14 * sx, x0 - 2 * sx, y0 - 695 * sy, Texts().moreEfficient);
    Write(page, regular, 14 * sx, x0 - 2 * sx, y0 + 50 * sy, Texts().lessEfficient);
}

void EpcCertificate::pHPDF_draw_band(HPDF_Page page, float x0, float bottom, float width,
                                     float height, float sx, float sy, const std::string& label,
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

void EpcCertificate::pHPDF_draw_rating(HPDF_Page page, float x, float y, float h,
                                       const RGBColour& colour, float sx, float sy,
                                       HPDF_Font /*regular*/, HPDF_Font bold) const {
    HPDF_Page_GSave(page);
    SetFill(page, kWhite);
    SetStroke(page, kBlack);
    HPDF_Page_SetLineWidth(page, 2 * sx);
    pHPDF_draw_rect(page, x, y - h, x + 545 * sx, y);
    HPDF_Page_FillStroke(page);
    HPDF_Page_GRestore(page);

    Write(page, bold, 10 * sx, x + 255 * sx, y - 40 * sy, Texts().pointerLines[0]);
    Write(page, bold, 10 * sx, x + 255 * sx, y - 15 * sy, Texts().pointerLines[1]);

    // A long rating is set smaller rather than run into the words beside it.
    const TextPlace at =
        fRatingPlace(TextWidth(bold, 1, EPC),
                     static_cast<float>(HPDF_Font_GetCapHeight(bold)) / 1000, x, y, h, sx, sy);
    WriteOutlined(page, bold, at.size, at.x, at.y, EPC, colour, 1.2f * sx);

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

void EpcCertificate::pHPDF_draw_benchmark(HPDF_Page page, float x, float y, float sx, float sy,
                                          HPDF_Font bold, const std::string& value,
                                          const std::string& band) const {
    HPDF_Page_GSave(page);
    colours_.pHPDF_SetRGBColors(page, band);
    pHPDF_draw_arrow(page, x, y, sx, sy, bold, value);
    HPDF_Page_GRestore(page);
}

const EpcTexts& EpcCertificate::Texts() const {
    static const EpcTexts english = EnglishEpcTexts(false);
    return texts_ != nullptr ? *texts_ : english;
}
