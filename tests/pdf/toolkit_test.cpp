#include "pdf/toolkit.h"

#include <gtest/gtest.h>

#include "pdf/text.h"
#include "tests/pdf/pdf_check.h"

namespace {

TEST(DesignUnits, BecomePointsFromTheBottomLeft) {
    EXPECT_FLOAT_EQ(vY(0), 841);
    EXPECT_FLOAT_EQ(vY(1682), 0);
    EXPECT_FLOAT_EQ(vX(1190), 595);
    EXPECT_FLOAT_EQ(vX(0), 0);
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

    const std::string pdf = BytesSavedBy(doc);
    EXPECT_EQ(Count(pdf, " Tf\n"), 4u);
    EXPECT_EQ(Count(pdf, " rg\n"), 4u);
    EXPECT_EQ(Count(pdf, " Tw\n"), 1u);
    HPDF_Free(doc);
}

}  // namespace
