#include "pdf/toolkit.h"

#include <gtest/gtest.h>

#include <numeric>
#include <set>

#include "pdf/fonts.h"
#include "tests/pdf/pdf_check.h"
#include "tests/support/tempdir.h"

namespace {

// Width in points of `text` in `font` at `size`.
float Width(HPDF_Font font, const std::string& text, float size) {
    const HPDF_TextWidth w = HPDF_Font_TextWidth(
        font, reinterpret_cast<const HPDF_BYTE*>(text.data()), static_cast<HPDF_UINT>(text.size()));
    return static_cast<float>(w.width) * size / 1000.0f;
}

TEST(DesignUnits, ConvertBothWays) {
    EXPECT_FLOAT_EQ(vY(0), 841);
    EXPECT_FLOAT_EQ(vY(1682), 0);
    EXPECT_FLOAT_EQ(vX(1190), 595);
    EXPECT_FLOAT_EQ(vX(0), 0);
    for (float d : {0.0f, 56.0f, 594.8f, 1682.0f}) {
        EXPECT_FLOAT_EQ(Xv(vX(d)), d);
        EXPECT_FLOAT_EQ(Yv(vY(d)), d);
    }
}

TEST(BandColours, BandsSetTheirFillAndOtherTextsLeaveIt) {
    PdfDocument doc;
    HPDF_Page page = doc.AddPage();
    BandColours colours;
    EXPECT_EQ(colours.Find("A"), nullptr);  // empty until filled
    colours.fSetRGBColors();
    struct Band {
        const char* band;
        int r, g, b;
    };
    const Band bands[] = {{"A+", 13, 104, 38}, {"A", 13, 104, 38}, {"B", 49, 160, 61},
                          {"C", 127, 195, 28}, {"D", 255, 204, 0}, {"E", 253, 161, 69},
                          {"F", 255, 102, 0},  {"G", 255, 0, 0}};
    for (const Band& b : bands) {
        HPDF_Page_SetRGBFill(page, 0.5f, 0.5f, 0.5f);
        colours.pHPDF_SetRGBColors(page, b.band);
        const HPDF_RGBColor fill = HPDF_Page_GetRGBFill(page);
        EXPECT_NEAR(fill.r, b.r / 255.0, 1e-5) << b.band;
        EXPECT_NEAR(fill.g, b.g / 255.0, 1e-5) << b.band;
        EXPECT_NEAR(fill.b, b.b / 255.0, 1e-5) << b.band;
    }
    for (const char* other : {"X", "", "a", "A++", "H"}) {
        HPDF_Page_SetRGBFill(page, 0.25f, 0.5f, 0.75f);
        colours.pHPDF_SetRGBColors(page, other);
        const HPDF_RGBColor fill = HPDF_Page_GetRGBFill(page);
        EXPECT_FLOAT_EQ(fill.r, 0.25f) << other;
        EXPECT_FLOAT_EQ(fill.g, 0.5f) << other;
        EXPECT_FLOAT_EQ(fill.b, 0.75f) << other;
    }
    EXPECT_FALSE(doc.failed());
}

// The bytes of an uncompressed document.
std::string Saved(HPDF_Doc doc) {
    EXPECT_EQ(HPDF_SaveToStream(doc), HPDF_OK);
    std::string bytes(HPDF_GetStreamSize(doc), '\0');
    HPDF_UINT32 size = static_cast<HPDF_UINT32>(bytes.size());
    HPDF_ReadFromStream(doc, reinterpret_cast<HPDF_BYTE*>(bytes.data()), &size);
    return bytes;
}

std::size_t Count(const std::string& bytes, const std::string& op) {
    std::size_t n = 0;
    for (std::size_t at = bytes.find(op); at != std::string::npos; at = bytes.find(op, at + 1)) {
        ++n;
    }
    return n;
}

// Font, colour and word spacing are written only when they change, and a
// restored graphics state counts as a change: skipping one there would print
// text in the inner state's font or colour.
TEST(PaintState, UnchangedSettingsAreSkippedAndRestoredOnesWrittenAgain) {
    HPDF_Doc doc = HPDF_New(nullptr, nullptr);
    ASSERT_NE(doc, nullptr);
    HPDF_Page page = HPDF_AddPage(doc);
    HPDF_Font regular = HPDF_GetFont(doc, "Helvetica", nullptr);
    HPDF_Font bold = HPDF_GetFont(doc, "Helvetica-Bold", nullptr);
    const RGBColour red{1, 0, 0};

    UseFont(page, regular, 10);  // Tf 1
    UseFont(page, regular, 10);  // same: skipped
    UseFont(page, regular, 11);  // Tf 2: the size alone changed
    SetFill(page, kBlack);       // rg 1: the page starts in grey
    SetFill(page, kBlack);       // same: skipped
    HPDF_Page_GSave(page);
    UseFont(page, bold, 12);  // Tf 3
    SetFill(page, red);       // rg 2
    HPDF_Page_GRestore(page);
    EXPECT_EQ(HPDF_Page_GetCurrentFont(page), regular);
    UseFont(page, bold, 12);  // Tf 4: the restore brought the regular font back
    SetFill(page, red);       // rg 3: and black
    HPDF_Page_SetGrayFill(page, 0);
    SetFill(page, kBlack);  // rg 4: same values, but now in grey
    HPDF_Page_BeginText(page);
    UseWordSpace(page, 0);  // the starting value: skipped
    UseWordSpace(page, 2);  // Tw 1
    UseWordSpace(page, 2);  // skipped
    HPDF_Page_EndText(page);

    const std::string pdf = Saved(doc);
    EXPECT_EQ(Count(pdf, " Tf\n"), 4u);
    EXPECT_EQ(Count(pdf, " rg\n"), 4u);
    EXPECT_EQ(Count(pdf, " Tw\n"), 1u);
    HPDF_Free(doc);
}

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
            contents[way] = Saved(doc);
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

class Wrapping : public ::testing::Test {
  protected:
    PdfDocument doc;
    HPDF_Font font = doc.Font("Helvetica");
};

TEST_F(Wrapping, BreaksAtWordsCutsLongWordsAndHandlesEmptyText) {
    struct Case {
        const char* name;
        std::string text;
        float width;
        std::string line;
        std::string rest;
    };
    const float helloWidth = Width(font, "hello", 10);
    const Case cases[] = {
        {"fits", "hello world", 200, "hello world", ""},
        {"second word moves on", "hello world", helloWidth + 2, "hello ", "world"},
        {"blanks stay with the rest", "hello  world", helloWidth + 2, "hello ", " world"},
        {"long word is cut", "abcdefghijklmnopqrstuvwxyz", Width(font, "abcdefghij", 10) + 0.5f,
         "abcdefghij", "klmnopqrstuvwxyz"},
        {"empty text", "", 100, "", ""},
        {"narrower than a letter", "wide", 1, "w", "ide"},
    };
    for (const Case& c : cases) {
        std::vector<std::string> lines;
        const std::string rest = fWrap(c.width, font, 10, c.text, lines);
        ASSERT_EQ(lines.size(), 1u) << c.name;
        EXPECT_EQ(lines[0], c.line) << c.name;
        EXPECT_EQ(rest, c.rest) << c.name;
    }
}

TEST_F(Wrapping, StrWrapBreaksAWholeTextIntoFittingLines) {
    const std::string text =
        "The recommendations are provided as an indication of opportunities that appear to "
        "exist to improve the building's energy efficiency, with a "
        "verylongwordthatdoesnotfitonaline "
        "in the middle.";
    const float width = 120;
    std::vector<std::string> lines;
    fStrWrap(width, font, 10, text, lines);
    ASSERT_GT(lines.size(), 3u);
    for (const std::string& line : lines) {
        std::string trimmed = line.substr(0, line.find_last_not_of(' ') + 1);
        EXPECT_LE(Width(font, trimmed, 10), width) << line;
    }
    EXPECT_EQ(std::accumulate(lines.begin(), lines.end(), std::string()), text);

    std::vector<std::string> none;
    fStrWrap(width, font, 10, "", none);
    EXPECT_TRUE(none.empty());

    // A width too small for any letter still ends, one byte a line.
    std::vector<std::string> bytes;
    fStrWrap(0, font, 10, "abc", bytes);
    EXPECT_EQ(bytes, (std::vector<std::string>{"a", "b", "c"}));
}

TEST_F(Wrapping, RecWrapTakesOneEntryOfTheRecord) {
    DATArec rec;
    rec.texts = {"first", "second entry"};
    std::vector<std::string> lines;
    fRecWrap(500, font, 10, rec, 1, lines);
    EXPECT_EQ(lines, (std::vector<std::string>{"second entry"}));
    fRecWrap(500, font, 10, rec, 2, lines);
    EXPECT_EQ(lines.size(), 1u);
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

TEST_F(Flow, TableRowHeightFollowsItsTallerCell) {
    // size 12 at scale 1: lines of 15 points, 7 points of insets.
    DATArec row;
    row.numbers = {415, 0.45};
    row.x = 100;
    row.y = 515;
    row.texts = {"Issue Date:", "12 May 2009"};
    EXPECT_FLOAT_EQ(pHPDF_write_tablerow(doc, 1, regular, 12, row, HPDF_TALIGN_LEFT), 515 - 22);

    std::vector<std::string> lines;
    row.texts[1] = "A value long enough to need three lines in a column of about two hundred";
    fStrWrap(415 - 0.45f * 415 - 8, regular, 12, row.texts[1], lines);
    ASSERT_GE(lines.size(), 2u);
    EXPECT_FLOAT_EQ(pHPDF_write_tablerow(doc, 1, regular, 12, row, HPDF_TALIGN_LEFT),
                    515 - (15.0f * static_cast<float>(lines.size()) + 7));

    // One column: the second cell is not used. Scale 2 doubles size and insets.
    row.numbers = {200, 1};
    EXPECT_FLOAT_EQ(pHPDF_write_tablerow(doc, 2, regular, 6, row, HPDF_TALIGN_CENTER),
                    515 - (15 + 14));
    // A row without geometry draws nothing wide and does not fail.
    row.numbers.clear();
    pHPDF_write_tablerow(doc, 1, regular, 12, row, HPDF_TALIGN_LEFT);
    EXPECT_EQ(doc.pages().size(), 1u);
    EXPECT_FALSE(doc.failed());
}

TEST_F(Flow, TableRowMovesToANewPageWhenItsBottomFallsBelowTheMargin) {
    DATArec row;
    row.numbers = {415, 0.5};
    row.x = 90;
    row.texts = {"Building Environment:", "Air Conditioning"};
    row.y = 50 + 22;  // bottom exactly at the margin: stays
    EXPECT_FLOAT_EQ(pHPDF_write_tablerow(doc, 1, regular, 12, row, HPDF_TALIGN_LEFT), 50);
    EXPECT_EQ(doc.pages().size(), 1u);
    row.y = 49.9f + 22;
    EXPECT_FLOAT_EQ(pHPDF_write_tablerow(doc, 1, regular, 12, row, HPDF_TALIGN_LEFT), 791 - 22);
    EXPECT_EQ(doc.pages().size(), 2u);
    EXPECT_FALSE(doc.failed());
}

// A row taller than a page goes on over the next pages in bordered parts,
// each part starting at the top of its page; no line is lost or drawn below
// the margin.
TEST_F(Flow, RowTallerThanAPageContinuesOnTheNextPages) {
    DATArec row;
    row.numbers = {416, 0.75};
    row.x = 90;
    row.y = 400;
    std::string text;
    for (int i = 0; i < 700; ++i) text += "w" + std::to_string(i) + " ";
    row.texts = {text, "HIGH"};
    const float bottom = pHPDF_write_tablerow(doc, 1, regular, 12, row, HPDF_TALIGN_LEFT);
    EXPECT_GE(doc.pages().size(), 3u);
    EXPECT_GE(bottom, kPageBottom);
    EXPECT_FALSE(doc.failed());
    TempDir dir;
    const std::string path = dir.file("rows.pdf");
    ASSERT_TRUE(doc.SaveProtected(path, PdfInfo(), false).saved);
    const std::set<std::string> words = WordsOf(PdfText(path));
    for (int i = 0; i < 700; ++i) EXPECT_EQ(words.count("w" + std::to_string(i)), 1u) << i;
}

}  // namespace
