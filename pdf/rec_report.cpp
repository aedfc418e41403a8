#include "pdf/rec_report.h"

#include <algorithm>
#include <climits>
#include <cstdlib>

#include "pdf/artwork.h"
#include "pdf/document.h"
#include "pdf/epc_layout.h"
#include "pdf/furniture.h"
#include "pdf/paragraph.h"
#include "pdf/table.h"
#include "pdf/text.h"

namespace {

// The text column of the sections (points).
constexpr float kLeft = 90;
constexpr float kWidth = 416;
constexpr float kBodySize = 12;
constexpr float kLeading = 15;
constexpr float kParagraphGap = 7;
// Where a sub-heading's text starts after its letter.
constexpr float kTabStop = 24;
// The tables of the recommendation groups: text and impact columns.
constexpr float kGroupTableWidth = 416;
constexpr double kGroupTableSplit = 0.75;

// The fonts of the report.
struct Fonts {
    HPDF_Font regular = nullptr;
    HPDF_Font bold = nullptr;
    HPDF_Font oblique = nullptr;
};

// The wording that differs between the jurisdictions.
struct Wording {
    const char* person;           // who selects the recommendations
    const char* governmentWhose;  // "Government's" or "Department's"
};

Wording WordingOf(RecRegion region) {
    switch (region) {
        case RecRegion::NorthernIreland:
            return {"energy assessor", "Department's"};
        case RecRegion::Scotland:
            return {"Qualified / Accredited Person", "Government's"};
        default:
            return {"energy assessor", "Government's"};
    }
}

// Lays out the pages of one report.
class RecReportLayout {
  public:
    RecReportLayout(PdfDocument& doc, const RecReportContent& c, RecRegion region,
                    const Fonts& fonts)
        : doc_(doc), c_(c), region_(region), wording_(WordingOf(region)), f_(fonts) {}

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
    void NextSteps();
    void Glossary();
    void Finish();

    // Starts a section on a new page with its heading; the flow goes on below.
    void SectionPage(int section, const std::string& heading);
    void Heading(int section, const std::string& heading, float baseline);
    // "a)\tText": the letter, and the text at the tab stop.
    void SubHeading(const std::string& text);
    void Paragraph(const std::vector<ParagraphRun>& runs, bool justify = true);
    void Paragraph(const std::string& text, bool justify = true) {
        Paragraph(std::vector<ParagraphRun>{Plain(text)}, justify);
    }
    void Bullet(const std::string& text);
    // Moves down by `gap` and makes sure `needed` points are left below;
    // else starts a page (and answers true).
    bool Room(float gap, float needed);

    ParagraphRun Plain(const std::string& text) const { return {text, f_.regular, ""}; }
    ParagraphRun Oblique(const std::string& text) const { return {text, f_.oblique, ""}; }
    ParagraphRun Link(const WebAddress& a) const { return {a.text, f_.regular, a.uri}; }

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
    Wording wording_;
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
    NextSteps();
    Glossary();
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
    WriteFitted(page, f_.bold, 16, 181, y, 1049, "Report Reference Number: " + c_.RRN_REC);
    std::vector<std::string> lines;
    if (scotland()) lines.push_back("Building Address: ");
    for (const std::string& line : c_.B_ADDRESS)
        if (!fTrimBlanks(line).empty()) lines.push_back(fTrimBlanks(line));
    // Six lines keep clear of the rule under them, closer together if need be.
    const float firstLine = y + 59;
    const float last = 540;
    float step = 45;
    if (lines.size() > 1)
        step = std::min(step, (last - firstLine) / static_cast<float>(lines.size() - 1));
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const bool label = scotland() && i == 0;
        WriteFitted(page, label ? f_.bold : f_.regular, 16, 189,
                    firstLine + step * static_cast<float>(i), 1049, lines[i]);
    }
    WriteFitted(page, f_.regular, 14, 181, 604, 1049, "Building Type(s): " + c_.B_TYPE);

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

    // The assessor.
    top = pHPDF_check_page_h(doc_, top - 10);
    if (scotland()) {
        top = Row(left, top, width, 1, f_.bold, 14, "QUALIFIED/ACCREDITED PERSON DETAILS", "");
        top = Row(left, top, width, 0.45, f_.regular, 14, "Person Name:", c_.C_NAME);
        top = Row(left, top, width, 0.45, f_.regular, 14,
                  "Employer/Trading Address:", c_.C_EMP_TRAD_ADDRESS);
        top = Row(left, top, width, 0.45, f_.regular, 14,
                  "Protocol Organisation:", c_.C_PROTOCOL_ORG);
        top = Row(left, top, width, 0.45, f_.regular, 14, "Membership Number:", c_.C_REG_NUMBER);
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
        top = Row(left, top, width, 0.45, f_.regular, 14,
                  "Related Party Disclosure:", c_.C_REL_PART_DISC);
    }
}

// The contents' entries and the dots that lead to their page numbers.
const char* const kContents[kRecSections] = {"1. Background", "2. Introduction",
                                             "3. Recommendations", "4. Next Steps", "5. Glossary"};
constexpr float kContentsY[kRecSections] = {248, 320, 392, 464, 536};
// The page numbers end here (points); the dots stop short of them.
constexpr float kContentsNumberRight = 506;
constexpr float kContentsDotsRight = 470;

void RecReportLayout::Contents() {
    HPDF_Page page = doc_.AddPage();
    if (page == nullptr) return;
    contentsPage_ = page;
    pHPDF_background(doc_.handle(), page, f_.bold, c_.Cert_Background);
    Write(page, f_.bold, 18, 180, 180, "Table of Contents");
    for (int i = 0; i < kRecSections; ++i) {
        std::string entry = std::string(kContents[i]) + " ";
        const float dot = TextWidth(f_.regular, 16, ".");
        const float start = vX(180) + TextWidth(f_.regular, 16, entry);
        const int dots = dot > 0 ? static_cast<int>((kContentsDotsRight - start) / dot) : 0;
        if (dots > 0) entry += std::string(static_cast<std::size_t>(dots), '.');
        Write(page, f_.regular, 16, 180, kContentsY[i], entry);
    }
}

void RecReportLayout::SectionPage(int section, const std::string& heading) {
    HPDF_Page page = doc_.AddPage();
    if (page == nullptr) return;
    pHPDF_background(doc_.handle(), page, f_.bold, c_.Cert_Background);
    Heading(section, heading, vY(180));
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

void RecReportLayout::SubHeading(const std::string& text) {
    Room(10, kLeading);
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
    y_ -= kLeading + 4;
}

void RecReportLayout::Paragraph(const std::vector<ParagraphRun>& runs, bool justify) {
    if (doc_.page() == nullptr) return;
    SetFill(doc_.page(), kBlack);
    y_ = pHPDF_write_paragraph(doc_, runs, kBodySize, kLeft, kWidth, y_, kLeading, justify);
    y_ -= kParagraphGap;
}

void RecReportLayout::Bullet(const std::string& text) {
    // The first line stays on this page, so the bullet goes beside it.
    Room(0, kLeading);
    HPDF_Page page = doc_.page();
    if (page == nullptr) return;
    SetFill(page, kBlack);
    UseFont(page, f_.regular, kBodySize);
    HPDF_Page_BeginText(page);
    HPDF_Page_TextOut(page, kLeft + 8, fFirstBaseline(f_.regular, kBodySize, y_), "\x95");
    HPDF_Page_EndText(page);
    y_ = pHPDF_write_paragraph(doc_, {Plain(text)}, kBodySize, kLeft + kTabStop, kWidth - kTabStop,
                               y_, kLeading, true);
    y_ -= 3;
}

void RecReportLayout::Background() {
    SectionPage(1, "1. Background");
    if (scotland()) {
        Paragraph({Plain("Building (Scotland) Act 2003 and Statutory Instrument 2007 No. 534, "),
                   Plain("The "), Oblique("Building (Scotland) Amendment Regulations 2006"),
                   Plain(", transposes the "),
                   Plain("requirements of Articles 7.2 and 7.3 of the Energy Performance of "
                         "Buildings Directive 2002/91/EC.")});
        Paragraph(
            "This Recommendation Report is the Additional advice in clause 6.9.3 of the Scottish "
            "Building Standards Non-domestic Technical Handbook which may be provided. Cost "
            "effective improvements should be inserted into the Recommendations section of the "
            "Energy Performance Certificate.");
    } else if (northernIreland()) {
        Paragraph({Plain("Statutory Rule 2008 No.170, "),
                   Oblique("The Energy Performance of Buildings "),
                   Oblique("(Certificates and Inspections) Regulations (Northern Ireland) 2008"),
                   Plain(", as "),
                   Plain("amended, transposes the requirements of Articles 7, 9 and 10 of the "
                         "Energy Performance of Buildings Directive 2002/91/EC.")});
        Paragraph(
            "This report is a Recommendation Report as required under regulation 7 of Statutory "
            "Rule 2008 No. 170.");
    } else {
        Paragraph({Plain("Statutory Instrument 2007 No. 991, "),
                   Oblique("The Energy Performance of Buildings "),
                   Oblique("(Certificates and Inspections) (England and Wales) Regulations 2007"),
                   Plain(", as "),
                   Plain("amended, transposes the requirements of Articles 7.2 and 7.3 of the "
                         "Energy Performance of Buildings Directive 2002/91/EC.")});
        Paragraph(
            "This report is a Recommendation Report as required under regulations 16(2)(a) and 19 "
            "of the Statutory Instrument SI 2007:991.");
    }
    Paragraph("This section provides general information regarding the building:");

    const float left = 90;
    const float width = 415;
    float top = std::min(600.0f, y_ - 3);
    top = AreaRow(left, top, width, 0.5, kBodySize, 6);
    top = Row(left, top, width, 0.5, f_.regular, kBodySize,
              scotland() ? "Building services:" : "Building Environment:", c_.BUILDING_ENVIRONMENT);
    y_ = top;
}

void RecReportLayout::Introduction() {
    // On the page of the background, where its table ends.
    const bool newPage = Room(0, 90);
    const float baseline = newPage ? vY(180) : std::min(vY(612), y_ - 30);
    Heading(2, "2. Introduction", baseline);
    const std::string whose = wording_.governmentWhose;
    Paragraph("This Recommendation Report was produced in line with the " + whose +
              " approved methodology and is based on calculation tool " + fTrimBlanks(c_.TOOL) +
              ".");
    Paragraph("In accordance with " + whose + " current guidance, the " +
              (scotland() ? std::string("Qualified / Accredited Person") : "Energy Assessor") +
              " did undertake a walk around survey of the building prior to producing this "
              "Recommendation Report.");
}

struct GroupWords {
    const char* subHeading;
    const char* description;
    const char* none;
};

GroupWords GroupWordsOf(RecGroup group, bool scotland) {
    switch (group) {
        case kRecShort:
            return {"a)\tRecommendations with a short payback",
                    "This section lists recommendations with a payback of less than 3 years:",
                    "No recommendations of short term payback have been identified"};
        case kRecMedium:
            return {"b)\tRecommendations with a medium payback",
                    "This section lists recommendations with a payback of between 3 and 7 years:",
                    "No recommendations of medium term payback have been identified"};
        case kRecLong:
            return {"c)\tRecommendations with a long payback",
                    "This section lists recommendations with a payback of more than 7 years:",
                    "No recommendations of long term payback have been identified"};
        default:
            if (scotland)
                return {"d)\tOther recommendations",
                        "This section lists other recommendations selected by the Qualified / "
                        "Accredited Person, based on an understanding of the building, and / or "
                        "based on a valid existing energy report.",
                        "No recommendations defined by the qualified/accredited person have been "
                        "identified"};
            return {"d)\tOther recommendations",
                    "This section lists other recommendations selected by the energy assessor, "
                    "based on an understanding of the building, and / or based on a valid "
                    "existing energy report.",
                    "No recommendations defined by the energy assessor have been identified"};
    }
}

void RecReportLayout::Recommendations() {
    SectionPage(3, "3. Recommendations");
    const std::string person = wording_.person;
    Paragraph("The following sections list recommendations selected by the " + person +
              " for the cost-effective improvement of the energy performance of the building. "
              "They are grouped by their expected payback: the number of years it would take "
              "for the savings on energy bills to repay the cost of the work. Recommendations "
              "that the " +
              person +
              " added from an understanding of the building are listed last. For each "
              "recommendation the table gives its potential impact on the carbon dioxide "
              "emissions of the building.");
    for (int g = 0; g < kRecGroups; ++g) Group(static_cast<RecGroup>(g));
}

void RecReportLayout::Group(RecGroup group) {
    const GroupWords words = GroupWordsOf(group, scotland());
    const std::vector<RecEntry>& entries = c_.groups[group];
    // A sub-heading is never left alone at the foot of a page, nor the
    // table's header row without the first recommendation (up to a few lines
    // of it: a taller one is split anyway).
    float firstRow = 0;
    if (!entries.empty()) {
        DATArec row;
        row.numbers = {kGroupTableWidth, kGroupTableSplit};
        row.texts = {entries.front().text, entries.front().impact};
        firstRow = std::min(fTableRowHeight(1, f_.regular, kBodySize, row), 4 * kLeading);
    }
    Room(15, 84 + firstRow);
    SubHeading(words.subHeading);
    Room(0, 2 * kLeading);
    if (entries.empty()) {
        Paragraph(words.none, false);
        return;
    }
    Paragraph({Plain(words.description)}, true);
    float top = Row(kLeft, y_, kGroupTableWidth, kGroupTableSplit, f_.bold, kBodySize,
                    "Recommendation", "Potential impact", HPDF_TALIGN_CENTER);
    for (const RecEntry& e : entries)
        top = Row(kLeft, top, kGroupTableWidth, kGroupTableSplit, f_.regular, kBodySize, e.text,
                  e.impact);
    y_ = top - 5;
}

void RecReportLayout::NextSteps() {
    SectionPage(4, "4. Next steps");
    const std::string person = wording_.person;
    char letter = 'a';
    auto sub = [&](const std::string& text) {
        SubHeading(std::string(1, letter++) + ")\t" + text);
    };
    if (!scotland()) {
        sub("Your Recommendation Report");
        if (northernIreland()) {
            Paragraph({Plain("As the relevant person (regulation 2), regulation 7 of SR 2008 "
                             "No.170 requires that an Energy Performance Certificate "),
                       Oblique("\"shall be accompanied by a recommendation"), Oblique(" "),
                       Oblique("report\".")});
            Paragraph(
                "You must be able to produce a copy of this Recommendation Report within seven "
                "days if requested by an authorised officer of the enforcement authority, who "
                "may ask to see it together with the Energy Performance Certificate.");
            Paragraph({Plain("This Recommendation Report has also been lodged on the "
                             "Department's approved central register, together with the Energy "
                             "Performance Certificate. A copy of either can be obtained through "
                             "the Non-Dwellings Register at "),
                       Link(kWebRegister),
                       Plain(" by searching for the report reference number.")});
        } else {
            Paragraph({Plain("As the building occupier, regulation 10(1) of SI 2007:991 requires "
                             "that an Energy Performance Certificate "),
                       Oblique("\"must be accompanied by a recommendation"), Oblique(" "),
                       Oblique("report\".")});
            Paragraph(
                "You must be able to produce a copy of this Recommendation Report within seven "
                "days if requested by an Enforcement Authority under regulation 39 of SI "
                "2007:991.");
            Paragraph({Plain("This Recommendation Report has also been lodged on the "
                             "Government's central register, together with the Energy "
                             "Performance Certificate. A copy of either can be obtained through "
                             "the Non-Dwellings Register at "),
                       Link(kWebRegister),
                       Plain(" by searching for the report reference number.")});
        }
    }

    sub("Implementing recommendations");
    Paragraph(
        "The recommendations are provided as an indication of opportunities that appear to exist "
        "to improve the building's energy efficiency.");
    Paragraph(
        "The calculation tool has automatically produced a set of recommendations, which "
        "the " +
        person +
        " has reviewed in the light of the survey of the building, keeping those that suit "
        "it. The measures can be carried out one at a time, for instance when equipment is "
        "due for replacement or when the building is refurbished, which often lowers their "
        "cost.");
    if (scotland()) {
        Paragraph(
            "The Qualified / Accredited Person may have inserted additional measures in section 3d "
            "(Other Recommendations). He / she may have removed some automatically generated "
            "recommendations or added additional recommendations.");
    }
    Paragraph(
        "These recommendations do not include matters relating to operation and maintenance which "
        "cannot be identified from the calculation procedure.");
    if (!scotland() && c_.ENG_HERITAGE == "YES") {
        std::vector<ParagraphRun> runs{Plain(
            "The building has been identified as being: one of special architectural or "
            "historical interest, within a conservation area or a protected monument. "
            "Some of the recommendations may then need consent, or may not be suitable "
            "where they would change the character or the fabric of the building. Before "
            "carrying out any work, seek the advice of the local planning authority and of ")};
        if (northernIreland()) {
            runs.push_back(Plain("the Historic Environment Division at "));
            runs.push_back(Link(kWebHeritageBodyNorthernIreland));
        } else {
            runs.push_back(Plain("Historic England at "));
            runs.push_back(Link(kWebHeritageBody));
            runs.push_back(Plain(" or, in Wales, Cadw at "));
            runs.push_back(Link(kWebHeritageBodyWales));
        }
        runs.push_back(Plain("."));
        Paragraph(runs);
    }

    sub("Legal disclaimer");
    Paragraph(
        "The advice provided in this Recommendation Report is intended to be for information "
        "only.  Recipients of this Recommendation Report are advised to seek further detailed "
        "professional advice before reaching any decision on how to improve the energy "
        "performance of the building.");

    sub("Complaints");
    if (scotland()) {
        Paragraph({Plain("Details of the Qualified / Accredited Person and the relevant protocol "
                         "organisation are on this report and the energy performance "
                         "certificate. You can get contact details of the protocol organisation "
                         "from our website at "),
                   Link(kWebBuildingStandardsScotland), Plain(".")});
    } else {
        const WebAddress& site =
            northernIreland() ? kWebDepartmentNorthernIreland : kWebDepartmentEnglandWales;
        Paragraph({Plain("Details of the assessor and the relevant accreditation scheme are on "
                         "this report and the energy performance certificate. You can get "
                         "contact details of the accreditation scheme from the " +
                         std::string(wording_.governmentWhose) + " website at "),
                   Link(site),
                   Plain(", together with details of the procedures for confirming the "
                         "authenticity of a report and for making a complaint.")});
    }
}

void RecReportLayout::Glossary() {
    SectionPage(5, "5. Glossary");
    SubHeading("a)\tPayback");
    Paragraph(
        "The payback periods are based on data provided by Good Practice Guides and Carbon Trust "
        "energy survey reports. A payback period is the number of years it takes for the "
        "savings on energy costs to repay the cost of installing a measure.");
    Paragraph(
        "The figures have been calculated as an average across a range of buildings and may "
        "differ from the actual payback in this building, which depends on its condition, its "
        "use and the prices paid for energy and for the work. Use them to put the "
        "recommendations in order, and obtain quotations before deciding.");
    SubHeading("b)\tCarbon impact");
    Paragraph(
        "The High / Medium / Low carbon impact indicators against each recommendation are "
        "provided to distinguish between measures that would make a large, a moderate or a small "
        "reduction in the carbon dioxide emissions of the building, as estimated by the "
        "calculation. A measure with a high impact improves the energy performance rating the "
        "most.");
    SubHeading("c)\tValid report");
    Paragraph("A valid report is a report that has been:", false);
    Bullet("Produced within the past 10 years");
    if (scotland()) {
        Bullet(
            "For an existing building, produced by a Qualified / Accredited Person  who is "
            "accredited to produce Recommendation Reports through a Government Approved protocol "
            "agreement");
    } else if (northernIreland()) {
        Bullet(
            "Produced by an Energy Assessor who is accredited to produce Recommendation Reports "
            "through an Accreditation Scheme approved by the Department");
        Bullet("Lodged on the Register operated by or on behalf of the Department.");
    } else {
        Bullet(
            "Produced by an Energy Assessor who is accredited to produce Recommendation Reports "
            "through a Government Approved Accreditation Scheme");
        Bullet("Lodged on the Register operated by or on behalf of the Secretary of State.");
    }
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
                              vY(kContentsY[i]), number.c_str());
        }
        HPDF_Page_EndText(contentsPage_);
    }
    pHPDF_page_furniture(doc_, f_.regular, 8, c_.RRN_REC);
}

}  // namespace

void RecReportContent::fSetEPC(int rating) {
    EPC = std::to_string(rating);
    const long long magnitude = std::llabs(static_cast<long long>(rating));
    EPC_number = magnitude > INT_MAX ? INT_MAX : static_cast<int>(magnitude);
}

Fingerprint WriteRecReport(const RecReportContent& content, RecRegion region,
                           const std::string& key, const std::string& pdfFile) {
    PdfDocument doc;
    if (!doc.valid()) return Fingerprint();
    Fonts fonts;
    fonts.regular = doc.Font("Helvetica");
    fonts.bold = doc.Font("Helvetica-Bold");
    fonts.oblique = doc.Font("Helvetica-Oblique");
    doc.SetBackground(content.Cert_Background, fonts.bold);
    if (fonts.regular != nullptr && fonts.bold != nullptr && fonts.oblique != nullptr) {
        RecReportLayout(doc, content, region, fonts).Draw();
    }
    PdfInfo info;
    info.title = "Recommendation Report";
    info.keywords = "Recommendation Report Energy Performance Certificate";
    info.subject = content.C_REG_NUMBER;
    info.creator = "Tarvex ";
    return doc.SaveProtected(pdfFile, info, false, key).fingerprint;
}

Fingerprint RECEWNI::PDF_REC_Report(const std::string& key, const std::string& pdfFile) const {
    return WriteRecReport(*this,
                          northernIreland ? RecRegion::NorthernIreland : RecRegion::EnglandWales,
                          key, pdfFile);
}

void RECEWNI::PDF_REC_Report(const std::string& pdfFile) const {
    PDF_REC_Report("", pdfFile);
}

Fingerprint RECS::PDF_REC_Report(const std::string& pdfFile) const {
    return WriteRecReport(*this, RecRegion::Scotland, "", pdfFile);
}
