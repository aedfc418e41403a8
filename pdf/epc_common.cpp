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

    // Set by the fitting rule in the arrow, its tip included: a figure only
    // grows smaller (any whole number fits at the smallest size), a band's
    // name ("Carbon Neutral") may take two lines.
    const float full = 20 * sx;
    const FitField field{"", value, Points(w + h / 4 - 7 * sx), 2, Points(h) - 2};
    const FitBlock fit = fFitField(field, full, MeasureIn(bold));
    const std::vector<std::string>& lines = fit.fields[0].lines;
    if (lines.size() <= 1) {
        // A smaller text is raised by half the height of capitals it lost.
        const float raise = 0.72f * (full - fit.size);
        WriteOutlined(page, bold, fit.size, x + 7 * sx, y - 9 * sy - raise, value, kWhite,
                      0.3f * sx);
        return;
    }
    // Lines centred on the arrow's middle.
    const float capitals = 2 * 0.72f * fit.size;
    const float step = 2 * fit.leading;
    float baseline = y - h / 2 + (capitals - step * static_cast<float>(lines.size() - 1)) / 2;
    for (const std::string& line : lines) {
        WriteOutlined(page, bold, fit.size, x + 7 * sx, baseline, line, kWhite, 0.3f * sx);
        baseline += step;
    }
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
