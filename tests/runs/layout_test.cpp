// The documents' layout read back from the PDF files that runs write: the
// examples and inputs whose values are as long as real buildings have them.
// Nothing may leave its page or run into other text, nothing a reader needs
// is smaller than 7 points, every value is printed whole or named in a
// warning as cut, and pages break as a typesetter would break them.

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <map>
#include <regex>
#include <sstream>

#include "library/inpkey.h"
#include "library/ncmkeys.h"
#include "tests/pdf/pdf_check.h"
#include "tests/support/example_runs.h"

namespace {

bool Has(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

// A keyword line as the examples write it: the name padded to 30 columns.
std::string Line(std::string keyword, const std::string& value, bool quoted = true) {
    keyword.resize(std::max<std::size_t>(30, keyword.size()), ' ');
    return "   " + keyword + " = " + (quoted ? "\"" + value + "\"" : value) + "\n";
}

// The line of `keyword` in `text` as it stands, so that an edit can replace it.
std::string LineOf(const std::string& text, const std::string& keyword) {
    const std::string start = "   " + keyword + " ";
    std::size_t at = text.find("\n" + start);
    if (at == std::string::npos) {
        ADD_FAILURE() << "no " << keyword;
        return "";
    }
    ++at;
    return text.substr(at, text.find('\n', at) + 1 - at);
}

// `words` repeated to exactly `length` characters, ending at a word.
std::string OfLength(const std::string& words, std::size_t length) {
    std::string out;
    while (out.size() < length) out += (out.empty() ? "" : " ") + words;
    out.resize(length);
    while (!out.empty() && out.back() == ' ') out.back() = 'x';
    return out;
}

// The key the engine would have written for `input`: found by the index
// with which the shipped key of the example was made.
void WriteInputAndKey(const TempDir& dir, const std::string& example, const std::string& text) {
    NCMKEYS keys;
    keys.Init();
    const std::string shipped =
        ReadFileBytes(std::string(TARVEX_SOURCE_DIR) + "/examples/" + example + "_inpkey.txt");
    const std::string original = std::string(TARVEX_SOURCE_DIR) + "/examples/" + example + ".inp";
    int index = -1;
    for (int i = 0; i < 32 && index < 0; ++i)
        if (shipped.rfind(InputKeyDigest(keys, i, original), 0) == 0) index = i;
    ASSERT_GE(index, 0) << example;
    const std::string input = dir.file(example + ".inp");
    WriteFileBytes(input, text);
    WriteFileBytes(dir.file(example + "_inpkey.txt"), InputKeyDigest(keys, index, input) + "\n");
}

// A recommendation object of the assessor's.
std::string Recommendation(int n, const std::string& text, const char* payback, double years) {
    std::ostringstream out;
    out << "\"Hard rec " << n << "\" = RECOMMENDATION\n"
        << Line("CODE", "USER", false) << Line("REC-TEXT", text)
        << Line("REC-COMMENT", "Comment " + std::to_string(n) + " on the measure.")
        << Line("CATEGORY", n % 2 ? "OTHER" : "LIGHTING", false)
        << Line("REC-SOURCE", "USER-IN", false)
        << Line("PAY-BACK-NUM", std::to_string(years), false) << Line("PAY-BACK", payback, false)
        << Line("ENERGY-IMPACT", "LOW", false) << Line("CO2-IMPACT", "MEDIUM", false)
        << Line("CO2-SAVE-POUND", "LOW", false) << "   ..\n";
    return out.str();
}

// 120 recommendations of every payback, one of them 900 words long.
std::string ManyRecommendations() {
    std::string words;
    for (int i = 0; i < 900; ++i) words += (i ? " " : "") + std::string(i % 7 ? "insulate" : "the");
    std::string out;
    const char* paybacks[] = {"SHORT", "MEDIUM", "LONG"};
    const double years[] = {1.5, 5, 12};
    for (int n = 0; n < 120; ++n) {
        const std::string text = n == 3 ? words
                                        : "Measure " + std::to_string(n) +
                                              ": fit controls to the plant serving the floor.";
        out += Recommendation(n, text, paybacks[n % 3], years[n % 3]);
    }
    return out;
}

// A typed value and the documents that print it.
struct Value {
    std::string keyword;
    std::string text;
    std::vector<std::string> documents;  // "[epc].pdf" ...
};
const std::vector<std::string> kCertificateAndReport = {"[epc].pdf", "[rec].pdf"};
const std::vector<std::string> kShortReport = {"[srec].pdf"};

struct HardInput {
    std::string name;     // the case
    std::string example;  // the input it starts from
    std::vector<Edit> edits;
    std::string before;  // objects added before this line
    std::string added;
    // Values that must be printed whole, or be named in a warning as cut.
    std::vector<Value> values;
    // What the certificate must show however long the values around it
    // (patterns on its text, blanks made single), and lines the error
    // stream must hold.
    std::vector<std::string> certificateShows = std::vector<std::string>();
    std::vector<std::string> warnings = std::vector<std::string>();
};

const std::string kAddress80 =
    OfLength("Units 4 to 9, The Grand Old Brewery Buildings and Malt House Annexe, Long Lane", 80);
const std::string kEmployer100 = OfLength(
    "Suite 12, Second Floor, Riverside Business Centre, 221 Long Harbour Road, Great Yarmouth",
    100);
const std::string kName150 = OfLength(
    "The Royal Infirmary Outpatients, Diagnostics and Community Health Centre East Wing", 150);
const std::string kApplies150 = OfLength(
    "Second floor meeting rooms, open-plan offices and the north stair core plant room", 150);
const std::string kPerson100 = OfLength(
    "Gwenllian Angharad Rhiannon Llewellyn-Pritchard ap Gruffydd ab Owain of Pen-y-bryn", 100);

std::vector<HardInput> HardInputs() {
    const std::string office = ExampleInput("england-office");
    const std::string library = ExampleInput("wales-library");
    const std::string school = ExampleInput("scotland-school");
    std::vector<HardInput> cases;

    HardInput longest{"longest values", "england-office", {}, "", "", {}};
    for (int i = 0; i < 6; ++i) {
        const std::string k = "B-ADDRESS-" + std::to_string(i);
        const std::string value = OfLength("Line " + std::to_string(i) + " " + kAddress80, 80);
        longest.edits.push_back({LineOf(office, k), Line(k, value)});
        longest.values.push_back({k, value, kCertificateAndReport});
    }
    const Value typed[] = {{"C-EMP-TRAD-ADDRESS", kEmployer100, kCertificateAndReport},
                           {"P-NAME", kName150, kShortReport},
                           {"C-NAME", kPerson100, kCertificateAndReport},
                           {"C-EMP-TRAD-NAME", kPerson100, kCertificateAndReport}};
    for (const Value& v : typed) {
        longest.edits.push_back({LineOf(office, v.keyword), Line(v.keyword, v.text)});
        longest.values.push_back(v);
    }
    longest.edits.push_back(
        {Line("REF-OBJECT", "Second floor meeting rooms"), Line("REF-OBJECT", kApplies150)});
    longest.values.push_back({"REF-OBJECT", kApplies150, kShortReport});
    longest.edits.push_back(
        {LineOf(office, "DHW-PERCENT-CO2"), Line("DHW-PERCENT-CO2", "0", false)});
    longest.edits.push_back({LineOf(office, "ENG-HERITAGE"), Line("ENG-HERITAGE", "YES", false)});
    longest.before = "\"Rec lighting T8\" = RECOMMENDATION";
    longest.added = ManyRecommendations();
    cases.push_back(longest);

    HardInput welsh{"Welsh and accented names", "wales-library", {}, "", "", {}};
    // Letters beyond Windows-1252 print right: the documents embed the font.
    const Value names[] = {
        {"B-ADDRESS-0", "T\xC5\xB7 Gwyn, Hen Neuadd y Farchnad", kCertificateAndReport},
        {"P-NAME",
         "T\xC5\xB7 Gwyn \xC5\x81\xC3\xB3"
         "d\xC5\xBA",
         kShortReport},
        {"C-NAME", "Zo\xC3\xAB Llewellyn-Pritchard", kCertificateAndReport},
        {"C-EMP-TRAD-ADDRESS", kEmployer100, kCertificateAndReport}};
    for (const Value& v : names) {
        welsh.edits.push_back({LineOf(library, v.keyword), Line(v.keyword, v.text)});
        welsh.values.push_back(v);
    }
    cases.push_back(welsh);

    HardInput scotland{
        "Scotland: rates not provided, long values", "scotland-school", {}, "", "", {}};
    // The longest address and organisation: the fixed values of the block
    // under them (the area, the date of issue) and the postcode stay.
    const std::string protocol100 =
        OfLength("Caledonian Energy Assessors Scheme for Non-Domestic Buildings and Estates", 100);
    scotland.edits = {
        {LineOf(school, "BER"), Line("BER", "-7777", false)},
        {LineOf(school, "TER"), Line("TER", "-7777", false)},
        {LineOf(school, "PER"), Line("PER", "-7777", false)},
        {LineOf(school, "B-TYPE"),
         Line("B-TYPE", "D2 General Assembly and Leisure plus Night Clubs and Theatres", false)},
        {LineOf(school, "INTERFACE"),
         Line("INTERFACE", "Comprehensive Non-Domestic Energy Assessment Suite Professional")},
        {LineOf(school, "C-PROTOCOL-ORG"), Line("C-PROTOCOL-ORG", protocol100)}};
    for (int i = 0; i < 5; ++i) {
        const std::string k = "B-ADDRESS-" + std::to_string(i);
        scotland.edits.push_back({LineOf(school, k), Line(k, kAddress80)});
    }
    scotland.values = {{"B-ADDRESS-0", kAddress80, {"[rec].pdf"}},
                       {"C-PROTOCOL-ORG", protocol100, {"[epc].pdf", "[rec].pdf"}}};
    scotland.certificateShows = {
        "Date of issue of certificate: [0-9]{2} [A-Z][a-z]{2} [0-9]{4} \\(Valid for a period",
        "\\): 3306\\.8 Name of protocol organisation:", "PH2 9QN Conditioned area"};
    for (const char* rate : {"BER", "TER", "PER"})
        scotland.warnings.push_back("WARNING: scotland-school[epc].pdf: " + std::string(rate) +
                                    " is -7777 (not provided)");
    scotland.before = "\"Classroom wing walls\" = RECOMMENDATION";
    scotland.added = ManyRecommendations();
    cases.push_back(scotland);
    return cases;
}

std::string Normalized(const std::string& text) {
    std::string out;
    bool blank = false;
    for (char c : text) {
        const bool isBlank = c == ' ' || c == '\n' || c == '\t' || c == '\f';
        if (isBlank) {
            blank = !out.empty();
            continue;
        }
        if (blank) out += ' ';
        blank = false;
        out += c;
    }
    return out;
}

// The text boxes of values and running text: not the faint background text
// that covers every page (21 points), nor the titles and the scale's
// letters (18 points and more, placed by design), nor the security patterns
// (3 points and less).
std::vector<TextBox> ReadableBoxes(const std::vector<TextBox>& boxes) {
    std::vector<TextBox> out;
    for (const TextBox& b : boxes) {
        const float height = b.yMax - b.yMin;
        if (height >= 5 && height < 18.5f) out.push_back(b);
    }
    return out;
}

// What every document must hold to: on its page, no text over other text,
// nothing smaller than 7 points.
void ExpectReadable(const std::string& pdf, const std::string& label) {
    for (const TextRun& run : PdfTextRuns(pdf)) {
        // The security patterns, the day track and the small raised "2"s
        // are drawn smaller on purpose.
        if (run.size <= 3 || run.text == "2") continue;
        EXPECT_GE(run.size, 7.0f - 0.01f) << label << " page " << run.page << ": " << run.text;
    }
    const std::vector<TextBox> words = ReadableBoxes(PdfWords(pdf));
    for (const TextBox& w : words) {
        EXPECT_GE(w.xMin, 0) << label << ": " << w.text;
        EXPECT_LE(w.xMax, 595.5) << label << ": " << w.text;
        EXPECT_GE(w.yMin, 0) << label << ": " << w.text;
        EXPECT_LE(w.yMax, 842) << label << ": " << w.text;
    }
    for (std::size_t i = 0; i < words.size(); ++i) {
        for (std::size_t k = i + 1; k < words.size() && words[k].page == words[i].page; ++k) {
            EXPECT_FALSE(LettersOverlap(words[i], words[k], 0.5f))
                << label << " page " << words[i].page << ": \"" << words[i].text << "\" and \""
                << words[k].text << "\"";
        }
    }
}

// The lines of each page that are its content: not the page's furniture
// (the reference number at its head, "Page n of m" at its foot).
std::map<int, std::vector<TextBox>> BodyLines(const std::string& pdf) {
    std::map<int, std::vector<TextBox>> pages;
    for (const TextBox& line : ReadableBoxes(PdfLines(pdf))) {
        if (line.yMin < 45 || line.yMin > 795) continue;
        pages[line.page].push_back(line);
    }
    for (auto& [page, lines] : pages)
        std::stable_sort(lines.begin(), lines.end(),
                         [](const TextBox& a, const TextBox& b) { return a.yMin < b.yMin; });
    return pages;
}

bool IsSubHeading(const std::string& line) {
    return line.size() > 3 && line[0] >= 'a' && line[0] <= 'e' && line[1] == ')';
}

// A recommendations report: the header row of a table and a sub-heading
// never end a page, and no page holds a lone line.
void ExpectReportBreaks(const std::string& pdf, const std::string& label) {
    const auto pages = BodyLines(pdf);
    for (const auto& [page, lines] : pages) {
        const std::string where = label + " page " + std::to_string(page);
        ASSERT_FALSE(lines.empty()) << where;
        const std::string& last = lines.back().text;
        EXPECT_FALSE(Has(last, "Recommendation") && Has(last, "Potential impact"))
            << where << " ends with a table's header row";
        EXPECT_FALSE(IsSubHeading(last)) << where << " ends with " << last;
        // A page of a paragraph's last lines alone: at most three lines, none
        // a heading.
        if (lines.size() <= 3 && page > 2) {
            bool heading = false;
            for (const TextBox& l : lines)
                heading = heading || IsSubHeading(l.text) || Has(l.text, "Recommendation") ||
                          (l.text.size() > 2 && l.text[1] == '.');
            EXPECT_TRUE(heading) << where
                                 << " holds only the end of a paragraph: " << lines.front().text;
        }
    }
}

// The short report: a recommendation's title and details are not torn from
// what follows them, and its comments never start a page alone.
void ExpectShortReportBreaks(const std::string& pdf, const std::string& label) {
    const auto pages = BodyLines(pdf);
    for (const auto& [page, lines] : pages) {
        const std::string where = label + " page " + std::to_string(page);
        const std::string& last = lines.back().text;
        for (const char* detail : {"Code:", "Energy Impact:", "CO2 Impact:", "CO2 Saved per",
                                   "Applicable to:", "Recommendations for"}) {
            EXPECT_NE(last.rfind(detail, 0), 0u) << where << " ends with " << last;
        }
        if (page > 1 && lines.size() > 1) {
            EXPECT_FALSE(lines.front().text.rfind("Comments:", 0) == 0 &&
                         lines[1].yMin - lines.front().yMax > 10)
                << where << " starts with a lone comment line";
        }
    }
}

struct RunOutputs {
    TempDir dir;
    ProcessResult result;
    std::string log;
};

// With TARVEX_LAYOUT_KEEP naming a folder, the documents are copied there
// to be looked at as pictures (pdftoppm -r 60 -png).
void Keep(const std::string& pdf, const std::string& label) {
    const char* keep = std::getenv("TARVEX_LAYOUT_KEEP");
    if (keep == nullptr || *keep == '\0') return;
    std::string name = label;
    std::replace_if(
        name.begin(), name.end(),
        [](char c) { return !std::isalnum(static_cast<unsigned char>(c)); }, '-');
    WriteFileBytes(std::string(keep) + "/" + name + ".pdf", ReadFileBytes(pdf));
}

void ExpectDocuments(const RunOutputs& run, const std::string& example, const std::string& label,
                     const std::vector<Value>& values) {
    for (const std::string ending : {"[epc].pdf", "[epcw].pdf", "[rec].pdf", "[srec].pdf"}) {
        const std::string pdf = run.dir.file(example + ending);
        if (!FileExists(pdf)) continue;
        Keep(pdf, label + ending);
        const std::string what = label + " " + ending;
        ExpectReadable(pdf, what);
        if (ending == "[rec].pdf") ExpectReportBreaks(pdf, what);
        if (ending == "[srec].pdf") ExpectShortReportBreaks(pdf, what);
        const std::string text = Normalized(PdfText(pdf));
        // Each value whole in the document, or named as cut from it.
        for (const Value& v : values) {
            if (std::find(v.documents.begin(), v.documents.end(), ending) == v.documents.end())
                continue;
            const bool whole = Has(text, Normalized(v.text));
            const bool named = Has(run.log, "WARNING: " + example + ending + ": " + v.keyword);
            EXPECT_TRUE(whole || named) << what << ": " << v.keyword << " neither whole nor cut";
        }
    }
}

TEST(Layout, ExamplesAndHardInputsStayReadable) {
    for (const std::string& example : ExampleNames()) {
        RunOutputs run;
        CopyExample(run.dir, example);
        run.result = RunInput(run.dir, example);
        ASSERT_EQ(run.result.exitCode, 0) << example << run.result.out;
        run.log = RunLog(run.dir);
        // The examples fit: nothing is cut.
        EXPECT_FALSE(Has(run.log, "WARNING: " + example)) << run.log;
        ExpectDocuments(run, example, example, {});
    }
    for (const HardInput& c : HardInputs()) {
        RunOutputs run;
        std::string text = Edited(ExampleInput(c.example), c.edits);
        if (!c.before.empty()) {
            const std::size_t at = text.find(c.before);
            ASSERT_NE(at, std::string::npos) << c.name;
            text.insert(at, c.added);
        }
        WriteInputAndKey(run.dir, c.example, text);
        run.result = RunInput(run.dir, c.example);
        ASSERT_EQ(run.result.exitCode, 0) << c.name << run.result.out << run.result.err;
        EXPECT_TRUE(Has(run.result.out, "\nOK\n")) << c.name;
        run.log = RunLog(run.dir);
        ExpectDocuments(run, c.example, c.name, c.values);
        const std::string certificate = Normalized(PdfText(run.dir.file(c.example + "[epc].pdf")));
        for (const std::string& pattern : c.certificateShows)
            EXPECT_TRUE(std::regex_search(certificate, std::regex(pattern)))
                << c.name << ": " << pattern << "\n"
                << certificate;
        for (const std::string& warning : c.warnings)
            EXPECT_TRUE(Has(run.result.err, warning)) << c.name << ": " << run.result.err;
        // A cut is said on the error stream too, as the log says it.
        std::istringstream warnings(run.result.err);
        for (std::string line; std::getline(warnings, line);)
            if (line.rfind("WARNING: ", 0) == 0) {
                EXPECT_TRUE(Has(run.log, line)) << line;
            }
    }
}

}  // namespace
