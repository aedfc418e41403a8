#include "pdf/epc_common.h"

#include <algorithm>
#include <climits>
#include <cstdlib>

#include "pdf/epc_layout.h"
#include "pdf/text.h"

void BandColours::fSetRGBColors(const BandScale& scale) {
    table_.clear();
    for (const BandRow& row : scale) {
        table_.push_back(
            {row.label,
             {static_cast<float>(row.colour.r) / 255.0f, static_cast<float>(row.colour.g) / 255.0f,
              static_cast<float>(row.colour.b) / 255.0f}});
    }
}

const RGBColour* BandColours::Find(const std::string& band) const {
    for (const Entry& e : table_) {
        if (e.band == band) return &e.colour;
    }
    return nullptr;
}

void BandColours::pHPDF_SetRGBColors(HPDF_Page page, const std::string& band) const {
    if (const RGBColour* c = Find(band)) SetFill(page, *c);
}

void pHPDF_draw_arrow(HPDF_Page page, float x, float y, float sx, float sy, HPDF_Font bold,
                      const std::string& value) {
    const float w = 88 * sx;
    const float h = 46 * sy;
    HPDF_Page_MoveTo(page, vX(x), vY(y));
    HPDF_Page_LineTo(page, vX(x + w), vY(y));
    HPDF_Page_LineTo(page, vX(x + w + h / 4), vY(y - h / 2));
    HPDF_Page_LineTo(page, vX(x + w), vY(y - h));
    HPDF_Page_LineTo(page, vX(x), vY(y - h));
    HPDF_Page_ClosePath(page);
    HPDF_Page_Fill(page);

    const float full = 20 * sx;
    // Smaller for a long value, but never too small to read: the longest
    // (ten digits and a sign) then reaches just into the arrow's tip.
    const float size = std::max(
        kMinTextSize, fFitSize(TextWidth(bold, full, value), Points(w + h / 4 - 14 * sx), full));
    // A smaller text is raised by half the height of capitals it lost.
    const float raise = 0.72f * (full - size);
    WriteOutlined(page, bold, size, x + 7 * sx, y - 9 * sy - raise, value, kWhite, 0.3f * sx);
}

PdfInfo CertificateInfo(const std::string& registrationNumber) {
    PdfInfo info;
    info.title = "Building Energy Performance Certificate. Asset Rating.";
    info.keywords = "Energy Performance Certificate";
    info.subject = registrationNumber;
    return info;
}

int RatingMagnitude(int rating) {
    const long long magnitude = std::llabs(static_cast<long long>(rating));
    return magnitude > INT_MAX ? INT_MAX : static_cast<int>(magnitude);
}
