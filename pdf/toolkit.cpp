#include "pdf/toolkit.h"

void SetFill(HPDF_Page page, const RGBColour& c) {
    if (HPDF_Page_GetFillingColorSpace(page) == HPDF_CS_DEVICE_RGB) {
        const HPDF_RGBColor now = HPDF_Page_GetRGBFill(page);
        if (now.r == c.r && now.g == c.g && now.b == c.b) return;
    }
    HPDF_Page_SetRGBFill(page, c.r, c.g, c.b);
}

void SetStroke(HPDF_Page page, const RGBColour& c) {
    HPDF_Page_SetRGBStroke(page, c.r, c.g, c.b);
}

void pHPDF_draw_rect(HPDF_Page page, float x1, float y1, float x2, float y2) {
    HPDF_Page_Rectangle(page, vX(x1), vY(y1), vX(x2) - vX(x1), vY(y2) - vY(y1));
}

void FillRect(HPDF_Page page, float x1, float y1, float x2, float y2) {
    pHPDF_draw_rect(page, x1, y1, x2, y2);
    HPDF_Page_Fill(page);
}

void pHPDF_draw_line(HPDF_Page page, float x1, float y1, float x2, float y2) {
    HPDF_Page_MoveTo(page, vX(x1), vY(y1));
    HPDF_Page_LineTo(page, vX(x2), vY(y2));
    HPDF_Page_Stroke(page);
}
