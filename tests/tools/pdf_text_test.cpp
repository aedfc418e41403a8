#include "tools/pdf_text.h"

#include <gtest/gtest.h>
#include <hpdf.h>
#include <zlib.h>

#include <set>
#include <sstream>
#include <string>

#include "pdf/document.h"
#include "pdf/toolkit.h"
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

// A small stream that inflates past the limit is left unread.
TEST(PdfShownText, StopsAtTheInflationLimit) {
    const std::string zeros(kPdfTextLimit + 1024, '(');
    uLongf size = compressBound(zeros.size());
    std::string packed(size, '\0');
    ASSERT_EQ(compress(reinterpret_cast<Bytef*>(packed.data()), &size,
                       reinterpret_cast<const Bytef*>(zeros.data()), zeros.size()),
              Z_OK);
    packed.resize(size);
    const std::string pdf = "1 0 obj\n<<\n/Length " + std::to_string(size) +
                            "\n/Filter [ /FlateDecode ]\n>>\nstream\r\n" + packed +
                            "\r\nendstream\nendobj\n";
    EXPECT_TRUE(PdfShownText(pdf).empty());
}

}  // namespace
