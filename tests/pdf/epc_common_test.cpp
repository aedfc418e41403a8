#include "pdf/epc_common.h"

#include <gtest/gtest.h>

namespace {

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

}  // namespace
