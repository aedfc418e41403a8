#include "pdf/document.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <iostream>

#include "app/runlog.h"
#include "library/ncmd5.h"
#include "pdf/artwork.h"
#include "pdf/epc_common.h"
#include "pdf/furniture.h"
#include "pdf/security.h"
#include "pdf/table.h"
#include "pdf/text.h"
#include "pdf/weblinks.h"
#include "tests/pdf/pdf_check.h"
#include "tests/support/process.h"
#include "tests/support/stops.h"
#include "tests/support/tempdir.h"

namespace {

const char kReference[] = "1234-5678-9012-3456-7890";

std::vector<std::string> FolderEntries(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    return names;
}

// A page laid out like a certificate's first page, with every element of the
// toolkit on it.
void DrawCertificatePage(PdfDocument& doc) {
    HPDF_Font regular = doc.Font("Helvetica");
    HPDF_Font bold = doc.Font("Helvetica-Bold");
    HPDF_Page page = doc.AddPage();
    pSECURITY0(doc.handle(), page, regular, 50, 13, 26);
    pHPDF_background(doc.handle(), page, bold, "This is not a valid certificate");

    HPDF_Page_SetRGBFill(page, 0, 0, 0);
    pHPDF_draw_rect(page, 56, 56, 1134, 182);
    pHPDF_draw_rect(page, 56, 563, 1134, 608);
    HPDF_Page_Fill(page);
    HPDF_Image header = LoadHeaderImage(doc);
    ASSERT_NE(header, nullptr);
    HPDF_Page_DrawImage(page, header, 375, 776, 168, 25);
    HPDF_Page_SetRGBFill(page, 1, 1, 1);
    pHPDF_write_text(page, bold, 18, 84, 117, "Energy Performance Certificate");

    BandColours colours;
    colours.fSetRGBColors();
    const char* bands[] = {"A+", "A", "B", "C", "D", "E", "F", "G"};
    for (int i = 0; i < 8; ++i) {
        colours.pHPDF_SetRGBColors(page, bands[i]);
        const float bottom = 1335 - 79.68f * static_cast<float>(7 - i);
        pHPDF_draw_rect(page, 89, bottom - 70, 89 + 145 + 43.0f * static_cast<float>(i), bottom);
        HPDF_Page_Fill(page);
    }
    HPDF_Page_SetRGBStroke(page, 0, 0, 0);
    HPDF_Page_SetLineWidth(page, 0.6f);
    pHPDF_draw_line(page, 56, 380, 1134, 380);

    HPDF_Page_SetRGBFill(page, 0, 0, 0);
    pHPDF_write_text(page, bold, 14, 730, 225, "Certificate Reference Number:");
    pHPDF_write_text(page, regular, 13, 805, 260, kReference);
    HPDF_Page_SetFontAndSize(page, regular, 10);
    HPDF_Page_BeginText(page);
    HPDF_Page_MoveTextPos(page, 180, 60);
    HPDF_Page_ShowText(page, "buildings more energy efficient visit ");
    pHPDF_show_link(page, kWebAdviceBody.text, kWebAdviceBody.uri);
    HPDF_Page_EndText(page);
    pHPDF_CT_Logo(page, 30, 50, 0.435f, 0.435f);
    pSECURITY1(page, regular, 400, 150, 1, 50, kReference, true);
    pSECURITY2(page, regular, 400, 150, 1, 50, kReference);
}

PdfInfo SampleInfo() {
    PdfInfo info;
    info.title = "Building Energy Performance Certificate. Asset Rating.";
    info.keywords = "Energy Performance Certificate";
    info.subject = "ABCD000123";
    return info;
}

// One protected certificate page, saved once for all the reader checks.
class SavedCertificate : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        dir = new TempDir;
        path = dir->file("office[epc].pdf");
        PdfDocument doc;
        DrawCertificatePage(doc);
        result = doc.SaveProtected(path, SampleInfo(), true, "a key");
    }
    static void TearDownTestSuite() {
        delete dir;
        dir = nullptr;
    }
    static TempDir* dir;
    static std::string path;
    static WrittenDocument result;
};
TempDir* SavedCertificate::dir = nullptr;
std::string SavedCertificate::path;
WrittenDocument SavedCertificate::result;

TEST_F(SavedCertificate, IsSavedWhole) {
    ASSERT_TRUE(result.saved);
    EXPECT_EQ(FolderEntries(dir->path()), std::vector<std::string>{"office[epc].pdf"});
    const ProcessResult check = RunTool("qpdf", {"--check", path});
    EXPECT_EQ(check.exitCode, 0) << check.out << check.err;
    // The fingerprint is of exactly the bytes in the file.
    const std::string bytes = ReadFileBytes(path);
    EXPECT_EQ(
        result.content.fingerprint(),
        NCMD5().hash("a key", reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size()));
    EXPECT_EQ(result.content.fingerprint().size(), 32u);
}

TEST_F(SavedCertificate, OpensWithoutPasswordAndAllowsOnlyPrinting) {
    EXPECT_EQ(RunTool("qpdf", {"--requires-password", path}).exitCode, 3);
    const ProcessResult json = RunTool("qpdf", {"--json", "--json-key=encrypt", path});
    ASSERT_EQ(json.exitCode, 0) << json.err;
    const std::string& j = json.out;
    for (const char* expected :
         {"\"encrypted\": true", "\"userpasswordmatched\": true", "\"R\": 3", "\"bits\": 128",
          "\"P\": -1852", "\"printhigh\": true", "\"printlow\": true", "\"extract\": false",
          "\"modify\": false", "\"modifyannotations\": false", "\"modifyforms\": false",
          "\"modifyassembly\": false", "\"modifyother\": false", "\"accessibility\": false"}) {
        EXPECT_NE(j.find(expected), std::string::npos) << expected << "\n" << j;
    }
}

TEST_F(SavedCertificate, CarriesItsInformationAndText) {
    EXPECT_EQ(PdfInfoField(path, "Title"), SampleInfo().title);
    EXPECT_EQ(PdfInfoField(path, "Keywords"), SampleInfo().keywords);
    EXPECT_EQ(PdfInfoField(path, "Subject"), "ABCD000123");
    EXPECT_EQ(PdfInfoField(path, "Author"), "Ostrel");
    EXPECT_EQ(PdfInfoField(path, "Creator"), "Tarvex");
    EXPECT_EQ(PdfInfoField(path, "Pages"), "1");
    EXPECT_EQ(PdfInfoField(path, "PDF version"), "1.4");
    EXPECT_EQ(PdfInfoField(path, "Page size"), "595.276 x 841.89 pts (A4)");
    EXPECT_FALSE(PdfInfoField(path, "CreationDate").empty());

    const std::string text = PdfText(path);
    for (const char* expected :
         {"Energy Performance Certificate\n", "Certificate Reference Number:\n", kReference,
          "buildings more energy efficient visit www.carbontrust.com\n",
          "This is not a valid certificate This is not a valid certificate\n",
          "produced with Tarvex"}) {
        EXPECT_NE(text.find(expected), std::string::npos) << expected;
    }
}

// The security patterns are in the text, spaced out by their character
// spacing: the code lines, and 70 dots in rows of ten.
TEST_F(SavedCertificate, CarriesTheSecurityPatterns) {
    const std::string text = PdfText(path);
    EXPECT_NE(text.find("S K - 4 6 6 5 4 1 - 6 7 7 2 3 0\n"), std::string::npos);
    EXPECT_NE(text.find("5 0 - 1 2 3 4 - 5 6 7 8 - 9 0 1 2 - 3 4 5 6 - 7 8 9 0 - S K 4 6 6 5 4 1 6 "
                        "7 7 2 3 0 - M E R O x T a r v e x 2 0 0 8\n"),
              std::string::npos);
    const std::string row = ". . . . . . . . . .\n";
    std::string::size_type at = text.find(row);
    int rows = 0;
    for (; at != std::string::npos; at = text.find(row, at + row.size())) ++rows;
    EXPECT_EQ(rows, 7);
    // The day track's point numbers, every 26th.
    EXPECT_NE(text.find("1\n26\n52\n78\n"), std::string::npos);
}

TEST_F(SavedCertificate, LinksTheWebAddress) {
    const ProcessResult json = RunTool("qpdf", {"--json", "--json-key=qpdf", path});
    ASSERT_EQ(json.exitCode, 0) << json.err;
    EXPECT_NE(json.out.find(std::string("\"/URI\": \"u:") + kWebAdviceBody.uri + "\""),
              std::string::npos);
}

TEST_F(SavedCertificate, ShowsTheBannerAsDrawn) {
    Raster page;
    ASSERT_TRUE(RenderFirstPage(path, 216, page));  // 3 pixels a point
    Raster source;
    ASSERT_TRUE(ReadPpm(std::string(TARVEX_SOURCE_DIR) + "/pdf/art/header.ppm", source));
    ASSERT_EQ(source.width, static_cast<int>(kHeaderImageWidth));
    ASSERT_EQ(source.height, static_cast<int>(kHeaderImageHeight));
    // The banner spans 504 x 75 pixels from (1125, 3 * (841.89 - 801)).
    const double left = 3 * 375.0, top = 3 * (841.89 - 801.0);
    const double sx = 504.0 / source.width, sy = 75.0 / source.height;
    // Points inside plain areas: the band at both ends, the house, and the
    // A, D and G bars.
    const std::pair<int, int> spots[] = {{10, 10},  {720, 100}, {80, 80},
                                         {510, 13}, {600, 54},  {640, 95}};
    for (const auto& [u, v] : spots) {
        const unsigned char* want = source.at(u, v);
        const unsigned char* got = page.at(static_cast<int>(left + (u + 0.5) * sx),
                                           static_cast<int>(top + (v + 0.5) * sy));
        for (int c = 0; c < 3; ++c) {
            EXPECT_NEAR(got[c], want[c], 12) << "at " << u << "," << v << " channel " << c;
        }
    }
}

// The banner travels as the JPEG it is stored as, not as pixels that every
// save would compress again.
TEST_F(SavedCertificate, CarriesTheBannerAsJpeg) {
    const ProcessResult json = RunTool("qpdf", {"--json", "--json-key=qpdf", path});
    ASSERT_EQ(json.exitCode, 0) << json.err;
    const std::size_t filter = json.out.find("\"/DCTDecode\"");
    ASSERT_NE(filter, std::string::npos);
    EXPECT_NE(json.out.find("\"/Width\": 737", filter), std::string::npos);
}

TEST(ProtectedDocument, FlowingRowsStartPagesWithTheBackground) {
    TempDir dir;
    const std::string path = dir.file("office[rec].pdf");
    PdfDocument doc;
    HPDF_Font regular = doc.Font("Helvetica");
    doc.SetBackground("This is not a valid certificate", doc.Font("Helvetica-Bold"));
    HPDF_Page first = doc.AddPage();
    HPDF_Page_SetRGBFill(first, 0, 0, 0);
    DATArec row;
    row.numbers = {415, 0.45};
    row.x = 100;
    row.y = 515;
    for (int i = 1; i <= 30; ++i) {
        row.texts = {"Recommendation " + std::to_string(i), i % 2 ? "HIGH" : "LOW"};
        row.y = pHPDF_write_tablerow(doc, 1, regular, 12, row, HPDF_TALIGN_LEFT);
    }
    PdfInfo info;
    info.creator = "Tarvex ";
    const WrittenDocument result = doc.SaveProtected(path, info, false);
    ASSERT_TRUE(result.saved);
    EXPECT_EQ(RunTool("qpdf", {"--check", path}).exitCode, 0);
    EXPECT_EQ(PdfInfoField(path, "Pages"), "2");
    EXPECT_EQ(PdfInfoField(path, "Creator"), "Tarvex ");
    // The second page starts with the background, then the rows carried over.
    const std::string page2 = PdfPageText(path, 2);
    EXPECT_EQ(page2.rfind("This is not a valid certificate This is not a valid certificate", 0),
              0u);
    EXPECT_NE(page2.find("Recommendation 30 LOW\n"), std::string::npos) << page2;
    const std::string page1 = PdfPageText(path, 1);
    EXPECT_NE(page1.find("Recommendation 1 HIGH\n"), std::string::npos) << page1;
    EXPECT_EQ(page1.find("This is not a valid certificate"), std::string::npos);
}

// libharu errors: the document is abandoned, the ERROR line said, no file.
TEST(ProtectedDocument, LibharuErrorWritesNoFile) {
    TempDir dir;
    const std::string path = dir.file("office[epc].pdf");
    const std::size_t logBefore = LogStream().str().size();
    testing::internal::CaptureStdout();
    WrittenDocument result;
    {
        PdfDocument doc;
        HPDF_Page page = doc.AddPage();
        EXPECT_FALSE(doc.failed());
        HPDF_Page_SetLineWidth(page, -1);  // out of range
        EXPECT_TRUE(doc.failed());
        HPDF_Page_SetLineWidth(page, -2);  // later errors are not repeated
        EXPECT_EQ(doc.errorNo(), static_cast<HPDF_STATUS>(HPDF_PAGE_OUT_OF_RANGE));
        result = doc.SaveProtected(path, SampleInfo(), false, "a key");
    }
    std::cout.flush();
    const std::string out = testing::internal::GetCapturedStdout();
    EXPECT_EQ(out, "ERROR: error_no=1056, detail_no=0\n");
    EXPECT_EQ(LogStream().str().substr(logBefore), out);
    EXPECT_FALSE(result.saved);
    EXPECT_EQ(result.content.fingerprint(), "");
    EXPECT_TRUE(FolderEntries(dir.path()).empty());
}

// One page list holds 32,767 pages at most: a longer document is saved only
// when its pages are listed in parts, which is asked only of a document whose
// texts could need it (the others keep their bytes).
TEST(ProtectedDocument, PagesPastOneListAreSavedInParts) {
    constexpr int kPages = 33000;
    for (const bool parts : {false, true}) {
        SCOPED_TRACE(parts ? "in parts" : "one list");
        TempDir dir;
        const std::string path = dir.file("long[srec].pdf");
        testing::internal::CaptureStdout();
        WrittenDocument result;
        {
            PdfDocument doc;
            if (parts) doc.ListPagesInParts();
            for (int i = 0; i < kPages && !doc.failed(); ++i) doc.AddPage();
            result = doc.SaveProtected(path, SampleInfo(), false);
        }
        const std::string out = testing::internal::GetCapturedStdout();
        EXPECT_EQ(result.saved, parts) << out;
        if (!parts) continue;
        const ProcessResult info = RunProcess({"/usr/bin/pdfinfo", path});
        const std::size_t at = info.out.find("Pages:");
        ASSERT_NE(at, std::string::npos) << info.out;
        EXPECT_EQ(std::stoi(info.out.substr(at + 6)), kPages) << info.out;
    }
    const struct {
        std::size_t bytes, texts;
        bool may;
    } bounds[] = {
        {0, 0, false},      {200'000, 1000, false}, {600'000, 0, false},
        {700'000, 0, true}, {0, 200'000, true},     {55'000'000, 255'000, true},
    };
    for (const auto& b : bounds)
        EXPECT_EQ(MayPassOnePageList(b.bytes, b.texts), b.may) << b.bytes << " " << b.texts;
}

// A font file that is missing leaves the document usable, so the writer can
// fall back to a standard font.
TEST(ProtectedDocument, EmbeddedFontFallsBackWithoutSpoilingTheDocument) {
    PdfDocument doc;
    EXPECT_EQ(doc.EmbeddedFont("/nonexistent/LiberationSans-Regular.ttf", "ISO8859-14"), nullptr);
    EXPECT_FALSE(doc.failed());
    const std::string dejavu = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
    if (!FileExists(dejavu)) GTEST_SKIP() << "no TrueType font installed";
    EXPECT_NE(doc.EmbeddedFont(dejavu, "ISO8859-14"), nullptr);
    EXPECT_FALSE(doc.failed());
}

// A file that cannot be written stops the run with status 1 and leaves
// neither the file nor a temporary copy.
TEST(ProtectedDocument, UnwritableTargetStopsTheRun) {
    TempDir dir;
    WriteFileBytes(dir.file("afile"), "a regular file, not a folder");
    std::filesystem::create_directory(dir.file("afolder"));
    const std::string targets[] = {dir.file("afile/out.pdf"), dir.file("afolder"),
                                   dir.file("missing/out.pdf")};
    for (const std::string& target : targets) {
        for (bool pause : {false, true}) {
            SetFileLog(dir.file("Tarvex.log"));
            const StopOutcome s = RunToStop([&] {
                PdfDocument doc;
                DrawCertificatePage(doc);
                doc.SaveProtected(target, SampleInfo(), pause);
            });
            EXPECT_EQ(s.status, 1) << target;
            EXPECT_EQ(
                s.out,
                "\nUnable to create PDF file because it is already open. Please, close all "
                "relevant PDF files related to this project and run the calculation again\n\n")
                << target;
            EXPECT_TRUE(HasMatch(s.err, "^Could not (open|write) file .*\nReason: .*\n$")) << s.err;
            EXPECT_EQ(FolderEntries(dir.path()).size(), 3u) << target;  // afile, afolder, log
            EXPECT_TRUE(std::filesystem::is_empty(dir.file("afolder")));
            EXPECT_NE(ReadFileBytes(dir.file("Tarvex.log")).find("Unable to create PDF file"),
                      std::string::npos);
        }
    }
}

}  // namespace
