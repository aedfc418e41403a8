#include "pdf/rec_report.h"

#include <algorithm>

#include "pdf/artwork.h"
#include "pdf/document.h"
#include "pdf/epc_layout.h"
#include "pdf/furniture.h"
#include "pdf/paragraph.h"
#include "pdf/rec_texts.h"
#include "pdf/table.h"
#include "pdf/text.h"
#include "pdf/unicode.h"

namespace {

// The text column of the sections (points).
constexpr float kLeft = 90;
constexpr float kWidth = 416;
constexpr float kBodySize = 12;
constexpr float kLeading = 15;
constexpr float kParagraphGap = 7;
// Where a sub-heading's text starts after its letter; the room a
// sub-heading takes.
constexpr float kTabStop = 24;
constexpr float kSubHeadingHeight = kLeading + 4;
// The baselines of the sections' headings (and of the contents' title) at the
// top of a page, and of the introduction's when it follows the background.
constexpr float kHeadingBaseline = 751;
constexpr float kIntroductionBaseline = 535;
// The tables of the recommendation groups: text and impact columns.
constexpr float kGroupTableWidth = 416;
constexpr double kGroupTableSplit = 0.75;

// The least step between the cover's address lines at 16 points (design
// units): closer than this, the lines are set smaller.
constexpr float kAddressMinStep = 36;

// The fonts of the report.
struct Fonts {
    HPDF_Font regular = nullptr;
    HPDF_Font bold = nullptr;
    HPDF_Font oblique = nullptr;
};

// Lays out the pages of one report.
class RecReportLayout {
  public:
    RecReportLayout(PdfDocument& doc, const RecReportContent& c, RecRegion region,
                    const Fonts& fonts)
        : doc_(doc),
          c_(c),
          region_(region),
          texts_(RecReportTexts(region, fTrimBlanks(c.TOOL), c.ENG_HERITAGE == "YES")),
          f_(fonts) {}

    void Draw();

  private:
    bool scotland() const { return region_ == RecRegion::Scotland; }
    bool northernIreland() const { return region_ == RecRegion::NorthernIreland; }

    void Cover();
    void Contents();
    void Background();
    void Introduction();
    void Recommendations();
    void Group(RecGroup group);
    void Finish();

    // Starts a section on a new page with its heading; the flow goes on below.
    void SectionPage(int section, const std::string& heading);
    void Heading(int section, const std::string& heading, float baseline);
    // "a)\tText": the letter, and the text at the tab stop, on the page
    // where `keptWith` points of what follows it fit below it.
    void SubHeading(const std::string& text, float keptWith);
    // The parts of a section, lettered in order, and their paragraphs; the
    // section's last paragraph is kept whole.
    void Parts(const std::vector<RecPart>& parts);
    void Paragraphs(const RecParagraphs& paragraphs, bool lastWhole = false);
    void Paragraph(const std::vector<ParagraphRun>& runs, bool justify,
                   const ParagraphBreaks& breaks);
    void Bullet(const std::vector<ParagraphRun>& runs, std::size_t lines);
    // The lines a paragraph takes; the height of the first lines of the
    // first paragraph that a sub-heading is kept with.
    std::size_t LineCount(const RecParagraph& p) const;
    float KeptHeight(const RecParagraphs& paragraphs, bool whole) const;
    // The height of a row of a recommendations table.
    float GroupRowHeight(HPDF_Font font, const std::string& a, const std::string& b) const;
    // Moves down by `gap` and makes sure `needed` points are left below;
    // else starts a page (and answers true).
    bool Room(float gap, float needed);

    std::vector<ParagraphRun> Runs(const std::vector<RecRun>& runs) const;

    // A two-column table row at the given top; returns its bottom.
    float Row(float left, float top, float width, double split, HPDF_Font font, float size,
              const std::string& a, const std::string& b,
              HPDF_TextAlignment align = HPDF_TALIGN_LEFT);
    // The floor area's row, with the small raised "2" of "(m )" drawn in its
    // first cell on the page where the row landed.
    float AreaRow(float left, float top, float width, double split, float size, float markSize);

    PdfDocument& doc_;
    const RecReportContent& c_;
    RecRegion region_;
    RecTexts texts_;
    Fonts f_;
    float y_ = kPageTop;  // top of the next line's box, points
    HPDF_Page contentsPage_ = nullptr;
    std::size_t sectionPage_[kRecSections] = {};
};

void RecReportLayout::Draw() {
    Cover();
    Contents();
    Background();
    Introduction();
    Recommendations();
    SectionPage(4, kRecSectionHeadings[3]);
    Parts(texts_.nextSteps);
    SectionPage(5, kRecSectionHeadings[4]);
    Parts(texts_.glossary);
    Finish();
}

float RecReportLayout::Row(float left, float top, float width, double split, HPDF_Font font,
                           float size, const std::string& a, const std::string& b,
                           HPDF_TextAlignment align) {
    DATArec row;
    row.numbers = {width, split};
    row.x = left;
    row.y = top;
    row.texts = {a, b};
    return pHPDF_write_tablerow(doc_, 1, font, size, row, align);
}

float RecReportLayout::AreaRow(float left, float top, float width, double split, float size,
                               float markSize) {
    const std::size_t pagesBefore = doc_.pages().size();
    const float bottom = Row(left, top, width, split, f_.regular, size,
                             "Total Useful Floor Area (m ):", c_.BUILDING_AREA);
    HPDF_Page page = doc_.page();
    if (page == nullptr) return bottom;
    if (doc_.pages().size() != pagesBefore) top = kPageTop;
    const float x = left + 4 + TextWidth(f_.regular, size, "Total Useful Floor Area (m");
    const float baseline = fFirstBaseline(f_.regular, size, top - 3);
    SetFill(page, kBlack);
    UseFont(page, f_.regular, markSize);
    HPDF_Page_BeginText(page);
    HPDF_Page_TextOut(page, x, baseline + size * 0.4f, "2");
    HPDF_Page_EndText(page);
    return bottom;
}

void RecReportLayout::Cover() {
    HPDF_Page page = doc_.AddPage();
    if (page == nullptr) return;
    pHPDF_background(doc_.handle(), page, f_.bold, c_.Cert_Background);

    // The head of the cover is placed in design units, as the certificates'
    // heads are; the tables under it flow in points, as the sections do.
    SetFill(page, kBlack);
    FillRect(page, 165, 105, 1067, 187);
    // The banner is the certificate's of England, Wales and Northern Ireland;
    // in Scotland the title's "Scotland" stands where it would be.
    if (!scotland()) {
        if (HPDF_Image banner = LoadHeaderImage(doc_))
            HPDF_Page_DrawImage(page, banner, 400, 757.5f, 126, 18.75f);
    }
    if (scotland()) {
        Write(page, f_.bold, 23, 184, 157, "Recommendation Report       Scotland", kWhite);
    } else {
        Write(page, f_.bold, 23, 184, 157, "Recommendation Report", kWhite);
    }

    SetStroke(page, kBlack);
    HPDF_Page_SetLineWidth(page, 1);
    pHPDF_draw_line(page, 178, 557, 1049, 557);
    pHPDF_draw_line(page, 178, 630, 1049, 630);

    // In Northern Ireland the province's name opens the block under the title
    // bar: in the bar it would run over the banner.
    float y = 233;
    if (northernIreland()) {
        Write(page, f_.bold, 16, 181, y, "Northern Ireland");
        y += 40;
    }
    // Scotland's reports have no reference number: no line stands for one,
    // and the address takes its place.
    float firstLine = y;
    if (!fTrimBlanks(c_.RRN_REC).empty()) {
        WriteFitted(page, f_.bold, 16, 181, y, 1049, "Report Reference Number: " + c_.RRN_REC);
        firstLine = y + 59;
    }
    std::vector<FitField> lines;
    const float lineWidth = Points(1049 - 189);
    if (scotland()) lines.push_back({"", "Building Address: ", lineWidth, 1});
    for (int i = 0; i < 6; ++i) {
        if (fTrimBlanks(c_.B_ADDRESS[i]).empty()) continue;
        lines.push_back(
            {"B-ADDRESS-" + std::to_string(i), fTrimBlanks(c_.B_ADDRESS[i]), lineWidth, 1000});
    }
    // The lines keep clear of the rule under them: closer together than 45
    // when there are many, and set smaller when even that is not enough.
    const float last = 540;
    FitRoom room;
    room.keepLast = true;
    room.totalLines = [firstLine, last](float size) {
        return static_cast<int>((last - firstLine) / (kAddressMinStep * size / 16) + 1e-3f) + 1;
    };
    const FitBlock address = fFitBlock(lines, 16, MeasureIn(f_.regular), room);
    NoteCuts(doc_, lines, address);
    std::size_t rows = 0;
    for (const FitLines& f : address.fields) rows += f.lines.size();
    float step = 45;
    if (rows > 1) step = std::min(step, (last - firstLine) / static_cast<float>(rows - 1));
    float rowY = firstLine;
    for (std::size_t i = 0; i < address.fields.size(); ++i) {
        const bool label = scotland() && i == 0;
        for (const std::string& row : address.fields[i].lines) {
            Write(page, label ? f_.bold : f_.regular, address.size, 189, rowY, row);
            rowY += step;
        }
    }
    // The building type between the two rules: a second line when it needs
    // one, the two centred between them.
    const FitField type{"B-TYPE", "Building Type(s): " + c_.B_TYPE, Points(1049 - 181), 2, 31};
    const FitBlock typeLines = fFitField(type, 14, MeasureIn(f_.regular));
    NoteCuts(doc_, {type}, typeLines);
    const float typeY = typeLines.fields[0].lines.size() <= 1
                            ? 604
                            : 593.5f + (2 * 0.72f * typeLines.size - 2 * typeLines.leading) / 2;
    WriteFittedLines(page, f_.regular, typeLines, 0, 181, typeY);

    // Administrative information.
    const float left = 100;
    const float width = 415;
    float top = 515;
    top = Row(left, top, width, 1, f_.bold, 14, "ADMINISTRATIVE INFORMATION", "");
    top = Row(left, top, width, 0.45, f_.regular, 14, "Issue Date:", c_.ISSUE_DATE);
    top = Row(left, top, width, 0.45, f_.regular, 14, "Valid Until:", c_.VALID_DATE + " (*)");
    HPDF_Page first = doc_.pages().front();
    SetFill(first, kBlack);
    UseFont(first, f_.regular, 9);
    HPDF_Page_BeginText(first);
    HPDF_Page_TextOut(first, 90, 40, "(*) Unless superseded by a later recommendation report");
    HPDF_Page_EndText(first);
    top = AreaRow(left, top, width, 0.45, 14, 7);
    top = Row(left, top, width, 0.45, f_.regular, 14, "Calculation Tool Used:", c_.TOOL);
    if (!scotland()) {
        top = Row(left, top, width, 0.45, f_.regular, 14, "Property Reference:", c_.UPRN);
        top = Row(left, top, width, 1, f_.regular, 12,
                  "Energy Performance Certificate for the property is contained in             "
                  "Report Reference Number: " +
                      c_.RRN_EPC,
                  "");
    }

    // The assessor: the header row goes with the first row.
    {
        DATArec header;
        header.numbers = {width, 1};
        header.texts = {scotland() ? "QUALIFIED/ACCREDITED PERSON DETAILS"
                                   : "ENERGY ASSESSOR DETAILS"};
        DATArec firstRow;
        firstRow.numbers = {width, 0.45};
        firstRow.texts = {scotland() ? "Person Name:" : "Assessor Name:", c_.C_NAME};
        top = pHPDF_check_page_h(
            doc_, top - 10,
            fTableRowHeight(1, f_.bold, 14, header) + fTableRowHeight(1, f_.regular, 14, firstRow));
    }
    if (scotland()) {
        top = Row(left, top, width, 1, f_.bold, 14, "QUALIFIED/ACCREDITED PERSON DETAILS", "");
        top = Row(left, top, width, 0.45, f_.regular, 14, "Person Name:", c_.C_NAME);
        top = Row(left, top, width, 0.45, f_.regular, 14,
                  "Employer/Trading Address:", c_.C_EMP_TRAD_ADDRESS);
        top = Row(left, top, width, 0.45, f_.regular, 14,
                  "Protocol Organisation:", c_.C_PROTOCOL_ORG);
        Row(left, top, width, 0.45, f_.regular, 14, "Membership Number:", c_.C_REG_NUMBER);
    } else {
        top = Row(left, top, width, 1, f_.bold, 14, "ENERGY ASSESSOR DETAILS", "");
        top = Row(left, top, width, 0.45, f_.regular, 14, "Assessor Name:", c_.C_NAME);
        top = Row(left, top, width, 0.45, f_.regular, 14,
                  "Employer/Trading Name:", c_.C_EMP_TRAD_NAME);
        top = Row(left, top, width, 0.45, f_.regular, 14,
                  "Employer/Trading Address:", c_.C_EMP_TRAD_ADDRESS);
        top = Row(left, top, width, 0.45, f_.regular, 14, "Assessor Number:", c_.C_REG_NUMBER);
        top = Row(left, top, width, 0.45, f_.regular, 14,
                  "Accreditation scheme:", c_.C_ACCRED_SCHEME);
        Row(left, top, width, 0.45, f_.regular, 14,
            "Related Party Disclosure:", c_.C_REL_PART_DISC);
    }
}

// The contents page, in points: the title on the sections' heading line,
// the entries' baselines, and the right edges of the page numbers and of the
// dots that lead to them.
constexpr float kContentsY[kRecSections] = {717, 681, 645, 609, 573};
constexpr float kContentsNumberRight = 506;
constexpr float kContentsDotsRight = 470;

void RecReportLayout::Contents() {
    HPDF_Page page = doc_.AddPage();
    if (page == nullptr) return;
    contentsPage_ = page;
    pHPDF_background(doc_.handle(), page, f_.bold, c_.Cert_Background);
    WriteAt(page, f_.bold, 18, kLeft, kHeadingBaseline, "Table of Contents");
    for (int i = 0; i < kRecSections; ++i) {
        std::string entry = std::string(kRecContentsEntries[i]) + " ";
        const float dot = TextWidth(f_.regular, 16, ".");
        const float start = kLeft + TextWidth(f_.regular, 16, entry);
        const int dots = dot > 0 ? static_cast<int>((kContentsDotsRight - start) / dot) : 0;
        if (dots > 0) entry += std::string(static_cast<std::size_t>(dots), '.');
        WriteAt(page, f_.regular, 16, kLeft, kContentsY[i], entry);
    }
}

void RecReportLayout::SectionPage(int section, const std::string& heading) {
    HPDF_Page page = doc_.AddPage();
    if (page == nullptr) return;
    pHPDF_background(doc_.handle(), page, f_.bold, c_.Cert_Background);
    Heading(section, heading, kHeadingBaseline);
}

void RecReportLayout::Heading(int section, const std::string& heading, float baseline) {
    HPDF_Page page = doc_.page();
    if (page == nullptr) return;
    sectionPage_[section - 1] = doc_.pages().size();
    SetFill(page, kBlack);
    UseFont(page, f_.bold, 16);
    HPDF_Page_BeginText(page);
    HPDF_Page_TextOut(page, kLeft, baseline, heading.c_str());
    HPDF_Page_EndText(page);
    y_ = baseline - 16;
}

bool RecReportLayout::Room(float gap, float needed) {
    const std::size_t pagesBefore = doc_.pages().size();
    y_ -= gap;
    pHPDF_check_page_h(doc_, y_, needed);
    if (doc_.pages().size() == pagesBefore) return false;
    y_ = kPageTop;
    return true;
}

void RecReportLayout::SubHeading(const std::string& text, float keptWith) {
    // Never alone at the foot of a page: what follows it comes too.
    Room(10, kSubHeadingHeight + keptWith);
    HPDF_Page page = doc_.page();
    if (page == nullptr) return;
    const std::string::size_type tab = text.find('\t');
    const std::string letter = tab == std::string::npos ? "" : text.substr(0, tab);
    const std::string rest = tab == std::string::npos ? text : text.substr(tab + 1);
    const float baseline = fFirstBaseline(f_.bold, kBodySize, y_);
    SetFill(page, kBlack);
    UseFont(page, f_.bold, kBodySize);
    HPDF_Page_BeginText(page);
    if (!letter.empty()) HPDF_Page_TextOut(page, kLeft, baseline, letter.c_str());
    HPDF_Page_TextOut(page, letter.empty() ? kLeft : kLeft + kTabStop, baseline, rest.c_str());
    HPDF_Page_EndText(page);
    y_ -= kSubHeadingHeight;
}

std::vector<ParagraphRun> RecReportLayout::Runs(const std::vector<RecRun>& runs) const {
    std::vector<ParagraphRun> set;
    for (const RecRun& r : runs)
        set.push_back({r.text, r.style == RecRun::kOblique ? f_.oblique : f_.regular, r.uri});
    return set;
}

std::size_t RecReportLayout::LineCount(const RecParagraph& p) const {
    const bool bullet = p.kind == RecParagraph::kBullet;
    return fLayoutParagraph(Runs(p.runs), bullet ? kWidth - kTabStop : kWidth, kBodySize,
                            p.kind != RecParagraph::kFlushLeft, DocumentMeasure())
        .size();
}

float RecReportLayout::KeptHeight(const RecParagraphs& paragraphs, bool whole) const {
    if (paragraphs.empty()) return 0;
    const std::size_t lines = LineCount(paragraphs.front());
    const bool bullet = paragraphs.front().kind == RecParagraph::kBullet;
    // The whole paragraph when it is kept whole and fits a page; else its
    // first two lines, or all of a paragraph of three, whose third may not
    // stand alone.
    std::size_t kept = lines <= 3 ? lines : 2;
    if ((whole && paragraphs.size() == 1) || bullet) kept = lines;
    const float height = static_cast<float>(kept) * kLeading;
    return height <= kPageTop - kPageBottom - kSubHeadingHeight ? height : 2 * kLeading;
}

void RecReportLayout::Parts(const std::vector<RecPart>& parts) {
    char letter = 'a';
    for (std::size_t i = 0; i < parts.size(); ++i) {
        const RecPart& part = parts[i];
        // The section's last paragraph is kept whole: its page never holds
        // only the end of it.
        const bool last = i + 1 == parts.size();
        SubHeading(std::string(1, letter++) + ")\t" + part.heading,
                   KeptHeight(part.paragraphs, last));
        Paragraphs(part.paragraphs, last);
    }
}

void RecReportLayout::Paragraphs(const RecParagraphs& paragraphs, bool lastWhole) {
    for (std::size_t i = 0; i < paragraphs.size(); ++i) {
        const RecParagraph& p = paragraphs[i];
        ParagraphBreaks breaks;
        breaks.whole = lastWhole && i + 1 == paragraphs.size();
        if (p.kind == RecParagraph::kBullet)
            Bullet(Runs(p.runs), LineCount(p));
        else
            Paragraph(Runs(p.runs), p.kind == RecParagraph::kJustified, breaks);
    }
}

void RecReportLayout::Paragraph(const std::vector<ParagraphRun>& runs, bool justify,
                                const ParagraphBreaks& breaks) {
    if (doc_.page() == nullptr) return;
    SetFill(doc_.page(), kBlack);
    y_ = pHPDF_write_paragraph(doc_, runs, kBodySize, kLeft, kWidth, y_, kLeading, justify, breaks);
    y_ -= kParagraphGap;
}

void RecReportLayout::Bullet(const std::vector<ParagraphRun>& runs, std::size_t lines) {
    // A point is short: it stays whole on the page of its bullet.
    const float height = static_cast<float>(lines) * kLeading;
    Room(0, height <= kPageTop - kPageBottom ? height : 2 * kLeading);
    HPDF_Page page = doc_.page();
    if (page == nullptr) return;
    SetFill(page, kBlack);
    UseFont(page, f_.regular, kBodySize);
    HPDF_Page_BeginText(page);
    HPDF_Page_TextOut(page, kLeft + 8, fFirstBaseline(f_.regular, kBodySize, y_), "\x95");
    HPDF_Page_EndText(page);
    y_ = pHPDF_write_paragraph(doc_, runs, kBodySize, kLeft + kTabStop, kWidth - kTabStop, y_,
                               kLeading, true);
    y_ -= 3;
}

void RecReportLayout::Background() {
    SectionPage(1, kRecSectionHeadings[0]);
    Paragraphs(texts_.background);

    const float left = 90;
    const float width = 415;
    float top = std::min(600.0f, y_ - 3);
    top = AreaRow(left, top, width, 0.5, kBodySize, 6);
    top = Row(left, top, width, 0.5, f_.regular, kBodySize, texts_.environmentLabel,
              c_.BUILDING_ENVIRONMENT);
    y_ = top;
}

void RecReportLayout::Introduction() {
    // On the page of the background, where its table ends.
    const bool newPage = Room(0, 90);
    const float baseline = newPage ? kHeadingBaseline : std::min(kIntroductionBaseline, y_ - 30);
    Heading(2, kRecSectionHeadings[1], baseline);
    Paragraphs(texts_.introduction);
}

void RecReportLayout::Recommendations() {
    SectionPage(3, kRecSectionHeadings[2]);
    Paragraphs(texts_.recommendations);
    for (int g = 0; g < kRecGroups; ++g) Group(static_cast<RecGroup>(g));
}

void RecReportLayout::Group(RecGroup group) {
    const RecGroupTexts& words = texts_.groups[group];
    const std::vector<RecEntry>& entries = c_.groups[group];
    // Every group: its sub-heading and description, then its table or the
    // sentence that it is empty. The sub-heading goes to the next page with
    // its description and the table's header row and first row (up to two
    // lines of a row taller than a page, which is split anyway) or the
    // sentence, as they will be set.
    const RecParagraph description{RecParagraph::kJustified,
                                   {{RecRun::kPlain, words.description, ""}}};
    const RecParagraph none{RecParagraph::kFlushLeft, {{RecRun::kPlain, words.none, ""}}};
    float after = static_cast<float>(LineCount(description)) * kLeading + kParagraphGap;
    float header = 0;
    float firstRow = 0;
    if (entries.empty()) {
        after += static_cast<float>(LineCount(none)) * kLeading;
    } else {
        header = GroupRowHeight(f_.bold, "Recommendation", "Potential impact");
        firstRow = GroupRowHeight(f_.regular, entries.front().text, entries.front().impact);
        if (header + firstRow > kPageTop - kPageBottom - kSubHeadingHeight - after)
            firstRow = 2 * (kBodySize + 3) + 7;
        after += header + firstRow;
    }
    Room(15, 0);
    SubHeading(std::string(1, static_cast<char>('a' + group)) + ")\t" + words.heading, after);
    Paragraph(Runs(description.runs), true, {});
    if (entries.empty()) {
        Paragraph(Runs(none.runs), false, {});
        return;
    }
    // The header row is never left at the foot of a page without its first row.
    Room(0, header + firstRow);
    float top = Row(kLeft, y_, kGroupTableWidth, kGroupTableSplit, f_.bold, kBodySize,
                    "Recommendation", "Potential impact", HPDF_TALIGN_CENTER);
    for (const RecEntry& e : entries)
        top = Row(kLeft, top, kGroupTableWidth, kGroupTableSplit, f_.regular, kBodySize, e.text,
                  e.impact);
    y_ = top - 5;
}

float RecReportLayout::GroupRowHeight(HPDF_Font font, const std::string& a,
                                      const std::string& b) const {
    DATArec row;
    row.numbers = {kGroupTableWidth, kGroupTableSplit};
    row.texts = {a, b};
    return fTableRowHeight(1, font, kBodySize, row);
}

void RecReportLayout::Finish() {
    if (contentsPage_ != nullptr) {
        SetFill(contentsPage_, kBlack);
        UseFont(contentsPage_, f_.regular, 16);
        HPDF_Page_BeginText(contentsPage_);
        for (int i = 0; i < kRecSections; ++i) {
            const std::string number = std::to_string(sectionPage_[i]);
            HPDF_Page_TextOut(contentsPage_,
                              kContentsNumberRight - TextWidth(f_.regular, 16, number),
                              kContentsY[i], number.c_str());
        }
        HPDF_Page_EndText(contentsPage_);
    }
    pHPDF_page_furniture(doc_, f_.regular, 8, c_.RRN_REC);
}

}  // namespace

void VisitTypedTexts(RecReportContent& c, const TextVisitor& visit) {
    for (int i = 0; i < 6; ++i) visit("B-ADDRESS-" + std::to_string(i), c.B_ADDRESS[i]);
    const std::pair<const char*, std::string*> texts[] = {
        {"RRN-REC", &c.RRN_REC},
        {"RRN-EPC", &c.RRN_EPC},
        {"BUILDING-ENVIRONMENT", &c.BUILDING_ENVIRONMENT},
        {"B-TYPE", &c.B_TYPE},
        {"BUILDING-AREA", &c.BUILDING_AREA},
        {"INTERFACE", &c.TOOL},
        {"UPRN", &c.UPRN},
        {"C-NAME", &c.C_NAME},
        {"C-REG-NUMBER", &c.C_REG_NUMBER},
        {"C-EMP-TRAD-NAME", &c.C_EMP_TRAD_NAME},
        {"C-EMP-TRAD-ADDRESS", &c.C_EMP_TRAD_ADDRESS},
        {"C-REL-PART-DISC", &c.C_REL_PART_DISC},
        {"C-ACCRED-SCHEME", &c.C_ACCRED_SCHEME},
        {"C-PROTOCOL-ORG", &c.C_PROTOCOL_ORG},
        {"ISSUE-DATE", &c.ISSUE_DATE},
        {"VALID-DATE", &c.VALID_DATE}};
    for (const auto& [field, text] : texts) visit(field, *text);
    for (std::vector<RecEntry>& group : c.groups) {
        for (RecEntry& e : group) {
            visit("REC-TEXT", e.text);
            visit("CO2-IMPACT", e.impact);
        }
    }
}

WrittenDocument WriteRecReport(const RecReportContent& content, RecRegion region,
                               const std::string& key, const std::string& pdfFile) {
    PdfDocument doc;
    if (!doc.valid()) return NotWritten(pdfFile);
    // The standard fonts, unless a typed text needs letters they lack; the
    // fixed oblique titles are always in the standard font.
    RecReportContent drawn = content;
    Fonts fonts;
    const auto visit = [&drawn](const TextVisitor& v) { VisitTypedTexts(drawn, v); };
    SettleFonts(doc, pdfFile, visit, fonts.regular, fonts.bold);
    ListPagesInPartsWhenLong(doc, visit);
    fonts.oblique = doc.Font("Helvetica-Oblique");
    doc.SetBackground(drawn.Cert_Background, fonts.bold);
    if (fonts.regular != nullptr && fonts.bold != nullptr && fonts.oblique != nullptr) {
        RecReportLayout(doc, drawn, region, fonts).Draw();
    }
    PdfInfo info;
    info.title = "Recommendation Report";
    info.keywords = "Recommendation Report Energy Performance Certificate";
    info.subject = WinAnsiText(content.C_REG_NUMBER);
    info.creator = "Tarvex ";
    return doc.SaveProtected(pdfFile, info, false, key);
}

WrittenDocument RECEWNI::PDF_REC_Report(const std::string& key, const std::string& pdfFile) const {
    return WriteRecReport(*this,
                          northernIreland ? RecRegion::NorthernIreland : RecRegion::EnglandWales,
                          key, pdfFile);
}

WrittenDocument RECEWNI::PDF_REC_Report(const std::string& pdfFile) const {
    return PDF_REC_Report("", pdfFile);
}

WrittenDocument RECS::PDF_REC_Report(const std::string& pdfFile) const {
    return WriteRecReport(*this, RecRegion::Scotland, "", pdfFile);
}
