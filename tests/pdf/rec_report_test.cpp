// The recommendations report as written by its writer, read back with qpdf
// and poppler.
#include "pdf/rec_report.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <iostream>

#include "app/runlog.h"
#include "library/ncmd5.h"
#include "tests/pdf/pdf_check.h"
#include "tests/support/process.h"
#include "tests/support/tempdir.h"

namespace {

const char kKey[] = "a report key";

// The building, assessor and recommendations of either report: one in
// each group but the long one.
void Fill(RecReportContent& w) {
    w.fSetRRN_REC("0912-9644-8432-2779-5106");
    w.fSetB_ADDRESS_0("Kestrel House");
    w.fSetB_ADDRESS_1(" ");
    w.fSetB_ADDRESS_2("41 Tanners Row");
    w.fSetB_ADDRESS_3("Northampton");
    w.fSetBUILDING_ENVIRONMENT("Air Conditioning");
    w.fSetB_TYPE("B1 Offices and Workshop businesses");
    w.fSetBUILDING_AREA("2184.6");
    w.fSetTOOL("Ashgrove EPC Desk v3.4.0 using calculation engine ZOLM v6.2.1 ");
    w.fSetUPRN("200004418273");
    w.fSetC_NAME("Imogen Fairbrass");
    w.fSetC_REG_NUMBER("MEAS004721");
    w.fSetC_EMP_TRAD_NAME("Fairbrass Energy Consulting Ltd");
    w.fSetC_EMP_TRAD_ADDRESS("Suite 3, 88 Canal Wharf Road, Birmingham B1 2ZQ");
    w.fSetC_REL_PART_DISC("Not related to the owner");
    w.fSetISSUE_DATE("10 Dec 2026");
    w.fSetVALID_DATE("09 Dec 2036");
    w.fSetENG_HERITAGE("NO");
    w.fSetCert_Background("");
    w.groups[kRecShort].push_back({"Fit variable speed drives to fans and pumps.", "LOW"});
    w.groups[kRecMedium].push_back({"Insulate the hot water cylinders.", "MEDIUM"});
    w.groups[kRecOther].push_back({"Run a switch-off campaign at the end of the day.", "HIGH"});
}

RECEWNI Office() {
    RECEWNI w;
    Fill(w);
    w.fSetRRN_EPC("2182-3079-9443-1602-9575");
    w.fSetC_ACCRED_SCHEME("Midshires Energy Assessor Scheme");
    return w;
}

struct Written {
    std::string path;
    std::string fingerprint;
    int pages = 0;
    std::vector<std::string> pageTexts;  // flattened, page 1 first
};

Written Read(Written out) {
    if (!FileExists(out.path)) return out;
    out.pages = std::stoi(PdfInfoField(out.path, "Pages"));
    for (int p = 1; p <= out.pages; ++p)
        out.pageTexts.push_back(FlatText(PdfPageText(out.path, p)));
    return out;
}

Written Write(const TempDir& dir, const RECEWNI& w) {
    Written out;
    out.path = dir.file("office[rec].pdf");
    out.fingerprint = w.PDF_REC_Report(kKey, out.path).content.fingerprint();
    return Read(out);
}

Written Write(const TempDir& dir, const RECS& w) {
    Written out;
    out.path = dir.file("school[rec].pdf");
    out.fingerprint = w.PDF_REC_Report(out.path).content.fingerprint();
    return Read(out);
}

bool Has(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

// A word of "Page n of m" or of the cover's footnote, under the flowing text.
bool IsFooter(const TextBox& w) {
    return w.yMax > 842 - 45;
}

// The first page from 3 on whose text holds `heading`.
int PageOf(const Written& r, const std::string& heading) {
    for (int p = 3; p <= r.pages; ++p)
        if (Has(r.pageTexts[p - 1], heading)) return p;
    return 0;
}

// The contents name the pages on which the sections start: the number at
// the end of each entry's line on page 2.
void ExpectContentsNameTheSectionPages(const Written& r, const std::string& label) {
    const std::vector<TextBox> words = PdfWords(r.path);
    const struct {
        const char* entry;  // the entry's word on page 2
        const char* heading;
    } sections[] = {{"Background", "1. Background"},
                    {"Introduction", "2. Introduction This Recommendation"},
                    {"Recommendations", "3. Recommendations The following"},
                    {"Steps", "4. Next steps a)"},
                    {"Glossary", "5. Glossary a) Payback"}};
    for (const auto& s : sections) {
        const TextBox* entry = nullptr;
        for (const TextBox& w : words)
            if (w.page == 2 && w.text == s.entry) entry = &w;
        ASSERT_NE(entry, nullptr) << label << ": " << s.entry;
        std::string number;
        for (const TextBox& w : words) {
            if (w.page == 2 && std::abs(w.yMin - entry->yMin) < 2 && w.xMin > 450 &&
                w.text.find_first_not_of("0123456789") == std::string::npos)
                number = w.text;
        }
        ASSERT_FALSE(number.empty()) << label << ": " << s.entry;
        const int page = PageOf(r, s.heading);
        EXPECT_GE(page, 3) << label << ": " << s.entry;
        EXPECT_EQ(std::stoi(number), page) << label << ": " << s.entry;
    }
}

TEST(RecReport, IsSavedProtectedWithItsInformation) {
    TempDir dir;
    const Written r = Write(dir, Office());
    ASSERT_TRUE(FileExists(r.path));
    EXPECT_EQ(RunTool("qpdf", {"--check", r.path}).exitCode, 0);
    EXPECT_EQ(ProtectionProblems(r.path), "");
    EXPECT_EQ(PdfInfoField(r.path, "Title"), "Recommendation Report");
    EXPECT_EQ(PdfInfoField(r.path, "Keywords"),
              "Recommendation Report Energy Performance Certificate");
    EXPECT_EQ(PdfInfoField(r.path, "Subject"), "MEAS004721");
    EXPECT_EQ(PdfInfoField(r.path, "Author"), "Ostrel");
    EXPECT_EQ(
        RunTool("pdfinfo", {r.path}).out.find("Creator:         Tarvex \n") != std::string::npos,
        true);
    const std::string bytes = ReadFileBytes(r.path);
    EXPECT_EQ(
        r.fingerprint,
        NCMD5().hash(kKey, reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size()));
}

// Headings, groups, page furniture and the table of contents, for the
// wording of each jurisdiction.
TEST(RecReport, PrintsItsSectionsGroupsAndPageNumbers) {
    struct Case {
        const char* name;
        bool northernIreland;
        std::vector<std::string> present;
        std::vector<std::string> absent;
    } cases[] = {
        {"England and Wales",
         false,
         {"Recommendation Report Report Reference Number: 0912-9644-8432-2779-5106",
          "Statutory Instrument 2007 No. 991, The Energy Performance of Buildings (Certificates "
          "and Inspections) (England and Wales) Regulations 2007, as amended, transposes",
          "regulations 16(2)(a) and 19 of the Statutory Instrument SI 2007:991.",
          "produced in line with the Government's approved methodology",
          "based on calculation tool Ashgrove EPC Desk v3.4.0 using calculation engine ZOLM "
          "v6.2.1.",
          "In accordance with Government's current guidance, the Energy Assessor did undertake",
          "\"must be accompanied by a recommendation report\".",
          "lodged on the Government's central register", "Government Approved Accreditation Scheme",
          "Lodged on the Register operated by or on behalf of the Secretary of State."},
         {"Northern Ireland", "Department", "Statutory Rule"}},
        {"Northern Ireland",
         true,
         {"Northern Ireland Report Reference Number: 0912-9644-8432-2779-5106",
          "Statutory Rule 2008 No.170, The Energy Performance of Buildings (Certificates and "
          "Inspections) Regulations (Northern Ireland) 2008, as amended, transposes the "
          "requirements of Articles 7, 9 and 10",
          "regulation 7 of Statutory Rule 2008 No. 170.",
          "produced in line with the Department's approved methodology",
          "In accordance with Department's current guidance",
          "\"shall be accompanied by a recommendation report\".",
          "lodged on the Department's approved central register",
          "through an Accreditation Scheme approved by the Department",
          "Lodged on the Register operated by or on behalf of the Department."},
         {"Government", "Statutory Instrument", "Secretary of State"}},
    };
    for (const Case& c : cases) {
        TempDir dir;
        RECEWNI w = Office();
        w.northernIreland = c.northernIreland;
        const Written r = Write(dir, w);
        ASSERT_GE(r.pages, 6) << c.name;
        std::string all;
        for (const std::string& t : r.pageTexts) all += t + " ";

        for (const std::string& p : c.present) EXPECT_TRUE(Has(all, p)) << c.name << ": " << p;
        for (const std::string& a : c.absent) EXPECT_FALSE(Has(all, a)) << c.name << ": " << a;
        for (const char* p : {
                 "Kestrel House 41 Tanners Row Northampton Building Type(s): B1 Offices",
                 "Issue Date: 10 Dec 2026 Valid Until: 09 Dec 2036 (*)",
                 "(*) Unless superseded by a later recommendation report",
                 "Total Useful Floor Area (m ): 2184.6 2 Calculation Tool Used:",
                 "Report Reference Number: 2182-3079-9443-1602-9575",
                 "Accreditation scheme: Midshires Energy Assessor Scheme",
                 "a) Recommendations with a short payback This section lists recommendations "
                 "with a payback of less than 3 years: Recommendation Potential impact Fit "
                 "variable speed drives to fans and pumps. LOW",
                 "b) Recommendations with a medium payback",
                 // An empty group keeps its description above its sentence.
                 "c) Recommendations with a long payback This section lists recommendations "
                 "with a payback of more than 7 years: No recommendations of long term "
                 "payback have been identified",
                 "d) Other recommendations This section lists other recommendations selected by "
                 "the energy assessor",
                 "Run a switch-off campaign at the end of the day. HIGH",
                 "Building Environment: Air Conditioning",
                 "c) Legal disclaimer The advice provided in this Recommendation Report is "
                 "intended to be for information only.",
                 "A valid report is a report that has been: \xE2\x80\xA2 Produced within the "
                 "past 10 years",
             }) {
            EXPECT_TRUE(Has(all, p)) << c.name << ": " << p;
        }
        // Every page: the report's number and "Page n of m" with the real count.
        for (int p = 1; p <= r.pages; ++p) {
            const std::string& t = r.pageTexts[p - 1];
            EXPECT_TRUE(Has(t, "Page " + std::to_string(p) + " of " + std::to_string(r.pages)))
                << c.name << " page " << p;
            EXPECT_EQ(Occurrences(t, "0912-9644-8432-2779-5106"), p == 1 ? 2u : 1u)
                << c.name << " page " << p;
        }
        ExpectContentsNameTheSectionPages(r, c.name);
    }
}

TEST(RecReport, EmptyGroupsSayTheyAreEmpty) {
    TempDir dir;
    RECEWNI w = Office();
    for (auto& g : w.groups) g.clear();
    const Written r = Write(dir, w);
    std::string all;
    for (const std::string& t : r.pageTexts) all += t + " ";
    for (const char* sentence :
         {"No recommendations of short term payback have been identified",
          "No recommendations of medium term payback have been identified",
          "No recommendations of long term payback have been identified",
          "No recommendations defined by the energy assessor have been identified"}) {
        EXPECT_EQ(Occurrences(all, sentence), 1u) << sentence;
    }
    // Each group still says what it would list.
    EXPECT_FALSE(Has(all, "Potential impact"));
    for (const char* description :
         {"with a payback of less than 3 years:", "with a payback of between 3 and 7 years:",
          "with a payback of more than 7 years:", "This section lists other recommendations"}) {
        EXPECT_EQ(Occurrences(all, description), 1u) << description;
    }
}

// Forty recommendations run over several pages; every row is whole on one
// page, inside the page, and none is lost.
TEST(RecReport, LongListsBreakBetweenRowsAndLoseNone) {
    TempDir dir;
    RECEWNI w = Office();
    for (auto& g : w.groups) g.clear();
    const int counts[kRecGroups] = {15, 10, 5, 10};
    int n = 0;
    for (int g = 0; g < kRecGroups; ++g) {
        for (int i = 0; i < counts[g]; ++i) {
            ++n;
            const std::string id = std::to_string(100 + n);
            w.groups[g].push_back({"Measure" + id +
                                       " replace the old plant with efficient "
                                       "equipment sized to the load, then check it closing" +
                                       id,
                                   "MEDIUM"});
        }
    }
    const Written r = Write(dir, w);
    ASSERT_TRUE(FileExists(r.path));
    const std::vector<TextBox> words = PdfWords(r.path);
    for (int i = 1; i <= 40; ++i) {
        const std::string id = std::to_string(100 + i);
        int first = 0, last = 0, count = 0;
        for (const TextBox& word : words) {
            if (word.text == "Measure" + id) {
                first = word.page;
                ++count;
            }
            if (word.text == "closing" + id) last = word.page;
        }
        EXPECT_EQ(count, 1) << id;
        EXPECT_EQ(first, last) << "row " << id << " is cut";
    }
    int recommendationPages = 0;
    for (int p = 1; p <= r.pages; ++p)
        recommendationPages += Has(r.pageTexts[p - 1], "Measure") ? 1 : 0;
    EXPECT_GE(recommendationPages, 3);
    // Above the bottom margin, but for the page numbers under it.
    for (const TextBox& word : words) {
        if (!IsFooter(word)) {
            EXPECT_GE(842 - word.yMax, 48) << word.text << " on page " << word.page;
        }
        EXPECT_LE(word.xMax, 595 - 40) << word.text;
    }
}

// A 600-character recommendation wraps inside its cell.
TEST(RecReport, LongRecommendationWrapsInsideItsCell) {
    TempDir dir;
    RECEWNI w = Office();
    std::string text;
    int i = 0;
    while (text.size() < 590) text += "cell" + std::to_string(i++) + " ";
    text.append(600 - text.size(), 'x');
    w.groups[kRecShort] = {{text, "HIGH"}};
    const Written r = Write(dir, w);
    int inside = 0, lines = 0;
    double lastY = -1;
    for (const TextBox& word : PdfWords(r.path)) {
        if (word.text.rfind("cell", 0) != 0) continue;
        ++inside;
        // The cell runs from 90 to 90 + 0.75 x 416 points, inset by 4.
        EXPECT_GE(word.xMin, 93.9) << word.text;
        EXPECT_LE(word.xMax, 90 + 0.75 * 416 - 3.9) << word.text;
        if (word.yMin != lastY) ++lines;
        lastY = word.yMin;
    }
    EXPECT_EQ(inside, i);
    EXPECT_GE(lines, 6);
}

TEST(RecReport, HeritageParagraphOnlyWhenListedAndEveryAddressLinked) {
    for (const char* heritage : {"YES", "NO"}) {
        for (const bool ni : {false, true}) {
            TempDir dir;
            RECEWNI w = Office();
            w.northernIreland = ni;
            w.fSetENG_HERITAGE(heritage);
            const Written r = Write(dir, w);
            std::string all;
            for (const std::string& t : r.pageTexts) all += t + " ";
            const bool listed = std::string(heritage) == "YES";
            const std::string label = std::string(heritage) + (ni ? " NI" : " EW");
            EXPECT_EQ(Has(all,
                          "The building has been identified as being: one of special "
                          "architectural or historical interest"),
                      listed)
                << label;
            std::vector<WebAddress> addresses{
                kWebRegister, ni ? kWebDepartmentNorthernIreland : kWebDepartmentEnglandWales};
            if (listed && ni) addresses.push_back(kWebHeritageBodyNorthernIreland);
            if (listed && !ni) {
                addresses.push_back(kWebHeritageBody);
                addresses.push_back(kWebHeritageBodyWales);
            }
            std::vector<std::string> expected;
            for (const WebAddress& a : addresses) expected.push_back(a.uri);
            std::vector<std::string> links = PdfLinks(r.path);
            std::sort(links.begin(), links.end());
            std::sort(expected.begin(), expected.end());
            EXPECT_EQ(links, expected) << label;
            for (const WebAddress& a : addresses) {
                const std::string shown = a.text;
                EXPECT_TRUE(Has(all, shown)) << label << ": " << shown;
            }
        }
    }
}

// A libharu error abandons the whole document: its line is said, nothing is
// written and there is no fingerprint. The document information cannot hold
// a text of more than 65535 bytes.
TEST(RecReport, LibharuErrorWritesNothing) {
    TempDir dir;
    RECEWNI w = Office();
    w.fSetC_REG_NUMBER(std::string(70000, 'R'));
    testing::internal::CaptureStdout();
    const Written r = Write(dir, w);
    const std::string out = testing::internal::GetCapturedStdout();
    EXPECT_TRUE(Has(out, "ERROR: error_no=")) << out;
    EXPECT_EQ(r.fingerprint, "");
    EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
}

// Scotland: the same report with the Scottish law, the Qualified /
// Accredited Person, the protocol organisation and the building standards
// body; nothing of England's register, assessor or heritage paragraph.
TEST(RecReport, ScotlandHasItsOwnWording) {
    TempDir dir;
    RECS w;
    Fill(w);
    w.fSetC_PROTOCOL_ORG("Caledonian Energy Assessors");
    w.fSetENG_HERITAGE("YES");  // never printed in Scotland
    w.groups[kRecOther].clear();
    w.fSetCert_Background("This is not a valid certificate");
    const Written r = Write(dir, w);
    ASSERT_TRUE(FileExists(r.path));
    EXPECT_EQ(RunTool("qpdf", {"--check", r.path}).exitCode, 0);
    EXPECT_EQ(ProtectionProblems(r.path), "");
    EXPECT_EQ(PdfInfoField(r.path, "Title"), "Recommendation Report");
    EXPECT_EQ(PdfInfoField(r.path, "Subject"), "MEAS004721");
    EXPECT_FALSE(r.fingerprint.empty());
    std::string all;
    for (const std::string& t : r.pageTexts) all += t + " ";
    for (const char* p : {
             "Recommendation Report Scotland",
             "Building Address: Kestrel House 41 Tanners Row Northampton",
             "Total Useful Floor Area (m ): 2184.6 2 Calculation Tool Used: Ashgrove",
             "QUALIFIED/ACCREDITED PERSON DETAILS Person Name: Imogen Fairbrass "
             "Employer/Trading Address: Suite 3, 88 Canal Wharf Road, Birmingham B1 2ZQ "
             "Protocol Organisation: Caledonian Energy Assessors Membership Number: MEAS004721",
             "Building (Scotland) Act 2003 and Statutory Instrument 2007 No. 534, The Building "
             "(Scotland) Amendment Regulations 2006, transposes the requirements of Articles 7.2 "
             "and 7.3 of the Energy Performance of Buildings Directive 2002/91/EC.",
             "This Recommendation Report is the Additional advice in clause 6.9.3 of the "
             "Scottish Building Standards Non-domestic Technical Handbook which may be "
             "provided.",
             "Building services: Air Conditioning",
             "In accordance with Government's current guidance, the Qualified / Accredited "
             "Person did undertake a walk around survey",
             "The following sections list recommendations selected by the Qualified / "
             "Accredited Person",
             "d) Other recommendations This section lists other recommendations selected by the "
             "Qualified / Accredited Person, based on an understanding of the building, and / or "
             "based on a valid existing energy report. No recommendations defined by the "
             "qualified/accredited person have been identified",
             "4. Next steps a) Implementing recommendations",
             "The calculation tool has automatically produced a set of recommendations, which "
             "the Qualified / Accredited Person has reviewed",
             "The Qualified / Accredited Person may have inserted additional measures in section "
             "3d (Other Recommendations).",
             "b) Legal disclaimer",
             "c) Complaints Details of the Qualified / Accredited Person and the relevant "
             "protocol organisation are on this report and the energy performance certificate. "
             "You can get contact details of the protocol organisation from our website at "
             "www.gov.scot/policies/building-standards",
             "For an existing building, produced by a Qualified / Accredited Person who is "
             "accredited to produce Recommendation Reports through a Government Approved "
             "protocol agreement",
         }) {
        EXPECT_TRUE(Has(all, p)) << p << "\n" << all;
    }
    for (const char* a : {"Property Reference", "Energy Performance Certificate for the property",
                          "2182-3079", "ENERGY ASSESSOR", "Your Recommendation Report",
                          "Non-Dwellings Register", "energy assessor", "Accreditation Scheme",
                          "architectural or historical interest", "Northern Ireland"}) {
        EXPECT_FALSE(Has(all, a)) << a;
    }
    EXPECT_EQ(PdfLinks(r.path), std::vector<std::string>{kWebBuildingStandardsScotland.uri});
    for (int p = 1; p <= r.pages; ++p) {
        EXPECT_TRUE(Has(r.pageTexts[p - 1],
                        "Page " + std::to_string(p) + " of " + std::to_string(r.pages)));
        // Every page starts with the faint background text.
        EXPECT_EQ(r.pageTexts[p - 1].rfind("This is not a valid certificate", 0), 0u) << p;
    }
    ExpectContentsNameTheSectionPages(r, "Scotland");
}

}  // namespace
