#include "pdf/furniture.h"

#include <gtest/gtest.h>

#include "pdf/fonts.h"
#include "tests/pdf/pdf_check.h"

namespace {

// The background is set line by line as libharu's justified text rectangle
// sets it, from lines measured once: the page content must not differ from
// the rectangle's in any byte.
TEST(Background, DrawsWhatAJustifiedTextRectangleDraws) {
    struct Case {
        const char* font;  // a standard font, or empty for the embedded bold
        const char* text;
    };
    const Case cases[] = {
        {"Helvetica-Bold", "This is not a valid certificate"},
        {"Helvetica-Bold", "x"},
        {"Helvetica-Bold", "Nid yw hon yn dystysgrif ddilys"},
        {"Helvetica-Bold", "WWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWW"},
        {"Helvetica", "A    spaced   text"},
        {"", "This is not a valid certificate"}};
    FontFiles files;
    const bool embedded = FindLiberationSans(LiberationSansFolders(), files);
    for (const Case& c : cases) {
        if (*c.font == '\0' && !embedded) continue;
        std::string contents[2];
        for (int way = 0; way < 2; ++way) {
            HPDF_Doc doc = HPDF_New(nullptr, nullptr);
            HPDF_Font font =
                *c.font != '\0'
                    ? HPDF_GetFont(doc, c.font, "WinAnsiEncoding")
                    : HPDF_GetFont(doc, HPDF_LoadTTFontFromFile(doc, files.bold.c_str(), HPDF_TRUE),
                                   "ISO8859-14");
            HPDF_Page page = HPDF_AddPage(doc);
            HPDF_Page_SetSize(page, HPDF_PAGE_SIZE_A4, HPDF_PAGE_PORTRAIT);
            if (way == 0) {
                pHPDF_background(doc, page, font, c.text);
            } else {
                HPDF_Page_GSave(page);
                HPDF_ExtGState faint = HPDF_CreateExtGState(doc);
                HPDF_ExtGState_SetAlphaFill(faint, 0.1f);
                HPDF_Page_SetExtGState(page, faint);
                HPDF_Page_SetRGBFill(page, 0, 1, 0);
                HPDF_Page_SetTextLeading(page, 17);
                HPDF_Page_SetFontAndSize(page, font, 21);
                HPDF_Page_BeginText(page);
                HPDF_Page_TextRect(page, 0, 845, 590, 0, BackgroundText(c.text).c_str(),
                                   HPDF_TALIGN_JUSTIFY, nullptr);
                HPDF_Page_EndText(page);
                HPDF_Page_GRestore(page);
            }
            contents[way] = BytesSavedBy(doc);
            HPDF_Free(doc);
        }
        std::size_t at = 0;
        while (at < contents[0].size() && at < contents[1].size() &&
               contents[0][at] == contents[1][at])
            ++at;
        const std::size_t from = at < 80 ? 0 : at - 80;
        EXPECT_TRUE(contents[0] == contents[1])
            << c.font << ": " << c.text << "\nours:      ..." << contents[0].substr(from, 160)
            << "\nrectangle: ..." << contents[1].substr(from, 160);
    }
}

TEST(Background, CopiesFitIntoTheLength) {
    EXPECT_EQ(BackgroundText(""), "");
    const std::string once(2592, 'x');
    EXPECT_EQ(BackgroundText(once), once + " ");
    EXPECT_EQ(BackgroundText(std::string(2593, 'x')), "");
    const std::string text = "This is not a valid certificate";  // 31 characters: 83 copies
    const std::string all = BackgroundText(text);
    EXPECT_EQ(all.size(), 83u * 32u);
    EXPECT_EQ(all.substr(0, 64), text + " " + text + " ");
}

class Flow : public ::testing::Test {
  protected:
    void SetUp() override {
        bold = doc.Font("Helvetica-Bold");
        regular = doc.Font("Helvetica");
        doc.SetBackground("This is not a valid certificate", bold);
        doc.AddPage();
    }
    PdfDocument doc;
    HPDF_Font bold = nullptr;
    HPDF_Font regular = nullptr;
};

TEST_F(Flow, PageCheckStartsAPageOnlyBelowTheMargin) {
    struct Case {
        float y, needed;
        bool newPage;
    };
    const Case cases[] = {
        {791, 0, false},  {50, 0, false},     {49.9f, 0, true},
        {134, 84, false}, {133.9f, 84, true}, {-20, 0, true},
    };
    for (const Case& c : cases) {
        const std::size_t before = doc.pages().size();
        const float y = pHPDF_check_page_h(doc, c.y, c.needed);
        EXPECT_EQ(doc.pages().size(), before + (c.newPage ? 1 : 0)) << c.y << " " << c.needed;
        EXPECT_FLOAT_EQ(y, c.newPage ? 791 : c.y) << c.y << " " << c.needed;
    }
    EXPECT_FLOAT_EQ(pHPDF_check_page_h(doc, 49), 791);
    EXPECT_FALSE(doc.failed());
}

TEST_F(Flow, NewPageCarriesFontAndColoursOver) {
    HPDF_Page first = doc.page();
    HPDF_Page_SetFontAndSize(first, regular, 12);
    HPDF_Page_SetRGBFill(first, 0.1f, 0.2f, 0.3f);
    HPDF_Page_SetGrayStroke(first, 0.4f);
    pHPDF_check_page_h(doc, 10);
    HPDF_Page next = doc.page();
    ASSERT_NE(next, first);
    EXPECT_EQ(HPDF_Page_GetCurrentFont(next), regular);
    EXPECT_FLOAT_EQ(HPDF_Page_GetCurrentFontSize(next), 12);
    EXPECT_EQ(HPDF_Page_GetFillingColorSpace(next), HPDF_CS_DEVICE_RGB);
    EXPECT_FLOAT_EQ(HPDF_Page_GetRGBFill(next).g, 0.2f);
    EXPECT_EQ(HPDF_Page_GetStrokingColorSpace(next), HPDF_CS_DEVICE_GRAY);
    EXPECT_FLOAT_EQ(HPDF_Page_GetGrayStroke(next), 0.4f);
    EXPECT_FALSE(doc.failed());
}

}  // namespace
