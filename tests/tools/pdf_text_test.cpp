#include "tools/pdf_text.h"

#include <gtest/gtest.h>
#include <hpdf.h>
#include <zlib.h>

#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "pdf/document.h"
#include "pdf/text.h"
#include "tests/support/process.h"
#include "tests/support/tempdir.h"
#include "tools/batch.h"

namespace {

const char* const kLines[] = {"Certificate Reference Number: 1234-5678-9012-3456-7890",
                              "Related report (A (nested) one) \\ 9999-0000-1111-2222-3333"};

// A document of two pages with one line each, saved protected as the
// program saves every document.
std::string ProtectedDocument(const TempDir& dir) {
    PdfDocument doc;
    HPDF_Font font = doc.Font("Helvetica");
    for (const char* line : kLines) {
        HPDF_Page page = doc.AddPage();
        pHPDF_write_text(page, font, 10, 100, 100, line);
    }
    EXPECT_TRUE(doc.SaveProtected(dir.file("doc.pdf"), PdfInfo{}, false).saved);
    return ReadFileBytes(dir.file("doc.pdf"));
}

std::set<std::string> LinesOf(const std::string& text) {
    std::set<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.insert(line);
    return lines;
}

TEST(PdfShownText, ReadsTheTextOfAProtectedDocument) {
    TempDir dir;
    const std::string text = PdfShownText(ProtectedDocument(dir));
    for (const char* line : kLines) EXPECT_NE(text.find(line), std::string::npos) << text;
    EXPECT_EQ(ReferenceNumbers(text),
              (std::vector<std::string>{"1234-5678-9012-3456-7890", "9999-0000-1111-2222-3333"}));
}

TEST(PdfShownText, ReadsAnUnprotectedDocument) {
    TempDir dir;
    HPDF_Doc doc = HPDF_New(nullptr, nullptr);
    HPDF_SetCompressionMode(doc, HPDF_COMP_ALL);
    HPDF_Page page = HPDF_AddPage(doc);
    HPDF_Page_SetFontAndSize(page, HPDF_GetFont(doc, "Helvetica", nullptr), 10);
    HPDF_Page_BeginText(page);
    HPDF_Page_TextOut(page, 10, 10, kLines[0]);
    HPDF_Page_EndText(page);
    HPDF_SaveToFile(doc, dir.file("plain.pdf").c_str());
    HPDF_Free(doc);
    EXPECT_NE(PdfShownText(ReadFileBytes(dir.file("plain.pdf"))).find(kLines[0]),
              std::string::npos);
}

// A file cut short anywhere, or spoiled, gives some of the lines or none,
// never a crash or a line the document does not hold.
TEST(PdfShownText, DamagedFilesGiveWhatCanBeRead) {
    TempDir dir;
    const std::string whole = ProtectedDocument(dir);
    const std::set<std::string> all = LinesOf(PdfShownText(whole));
    for (std::size_t cut = 0; cut < whole.size(); cut += 7) {
        for (const std::string& line : LinesOf(PdfShownText(whole.substr(0, cut))))
            EXPECT_TRUE(all.count(line)) << "cut at " << cut << ": " << line;
    }
    std::string spoiled = whole;
    for (std::size_t i = 0; i < spoiled.size(); i += 13)
        spoiled[i] = static_cast<char>(~spoiled[i]);
    PdfShownText(spoiled);
    for (const std::string& foreign :
         {std::string(), std::string("%PDF-1.4\n1 0 obj\n<< /Length 99 0 R >>\nstream\n"),
          std::string("1 0 obj << /Length -5 /Filter /FlateDecode >> stream\r\nxx"),
          std::string("/Encrypt 7 0 R /ID [ <zz"), std::string(100, '(')})
        EXPECT_TRUE(PdfShownText(foreign).empty()) << foreign;
}

std::string Deflated(const std::string& bytes) {
    uLongf size = compressBound(bytes.size());
    std::string packed(size, '\0');
    EXPECT_EQ(compress(reinterpret_cast<Bytef*>(packed.data()), &size,
                       reinterpret_cast<const Bytef*>(bytes.data()), bytes.size()),
              Z_OK);
    packed.resize(size);
    return packed;
}

// An unprotected object holding a content stream of `data` as it stands.
std::string StreamObject(int number, const std::string& data) {
    return std::to_string(number) + " 0 obj\n<<\n/Length " + std::to_string(data.size()) +
           "\n/Filter [ /FlateDecode ]\n>>\nstream\r\n" + data + "\r\nendstream\nendobj\n";
}

// Content inflated counts against the document's budget whether or not its
// stream is read whole; what lies past the budget is left unread, even in a
// stream that would fit on its own. A stream spoiled at its end (its check
// sum) inflates in full and then fails.
TEST(PdfShownText, InflatesNoMoreThanTheBudget) {
    const std::string shown = "(Shown 1234-5678-9012-3456-7890) Tj\n";
    const std::string big(600u << 10, '(');
    std::string spoiled = Deflated(big);
    spoiled.back() = static_cast<char>(~spoiled.back());
    struct Case {
        const char* what;
        std::vector<std::string> streams;
        bool shownRead;
    };
    const Case cases[] = {
        {"alone", {Deflated(shown)}, true},
        {"after a stream within the budget", {Deflated(big), Deflated(shown)}, true},
        {"after streams past the budget", {Deflated(big), Deflated(big), Deflated(shown)}, false},
        {"after spoiled streams past the budget", {spoiled, spoiled, Deflated(shown)}, false},
        {"a stream alone past the budget", {Deflated(std::string(3u << 20, '(') + shown)}, false},
    };
    for (const Case& c : cases) {
        std::string pdf = "%PDF-1.4\n";
        for (std::size_t i = 0; i < c.streams.size(); ++i)
            pdf += StreamObject(static_cast<int>(i + 1), c.streams[i]);
        ASSERT_LT(pdf.size(), 64u << 10) << c.what;
        ASSERT_LT(big.size(), PdfInflationBudget(pdf.size())) << c.what;
        ASSERT_GT(2 * big.size(), PdfInflationBudget(pdf.size())) << c.what;
        const std::string text = PdfShownText(pdf);
        EXPECT_EQ(text.find("Shown 1234") != std::string::npos, c.shownRead) << c.what;
    }
}

// Object texts end where the next object starts: a header, a dictionary or a
// stream that runs on into the next object takes nothing from it.
TEST(PdfShownText, ObjectsDoNotReachIntoTheNext) {
    const std::string shown = Deflated("(Shown) Tj\n");
    const std::string next = StreamObject(2, shown);
    // Object 1's length reaches to the end of the file, over object 2.
    const std::string overlong = "1 0 obj\n<< /Length " +
                                 std::to_string(shown.size() + 1 + next.size()) +
                                 " /Filter /FlateDecode >>\nstream\r\n" + shown + "\n";
    struct Case {
        const char* what;
        std::string pdf;
        std::string text;
    };
    const Case cases[] = {
        {"an object without its end", "1 0 obj\n<< /Filter /FlateDecode\n" + next, "Shown\n"},
        {"a stream that claims the next object", overlong + next, "Shown\n"},
        {"objects without end before a stream",
         std::string("1 0 obj\n") + "1 0 obj\n" + "1 0 obj\n" + next, "Shown\n"},
        {"a length given by another object",
         "1 0 obj\n<< /Length 9 0 R /Filter /FlateDecode >>\nstream\r\n" + shown +
             "\r\nendstream\nendobj\n9 0 obj\n  " + std::to_string(shown.size()) + "\nendobj\n",
         "Shown\n"},
    };
    for (const Case& c : cases) EXPECT_EQ(PdfShownText(c.pdf), c.text) << c.what;
}

}  // namespace
