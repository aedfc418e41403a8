#include "pdf/table.h"

#include <gtest/gtest.h>

#include <set>

#include "pdf/furniture.h"
#include "pdf/text.h"
#include "tests/pdf/pdf_check.h"
#include "tests/support/tempdir.h"

namespace {

class TableRows : public ::testing::Test {
  protected:
    void SetUp() override { doc.AddPage(); }
    PdfDocument doc;
    HPDF_Font regular = doc.Font("Helvetica");
};

TEST_F(TableRows, HeightFollowsTheTallerCell) {
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

TEST_F(TableRows, MoveToANewPageWhenTheirBottomFallsBelowTheMargin) {
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
TEST_F(TableRows, ATallerRowThanAPageContinuesOnTheNextPages) {
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
