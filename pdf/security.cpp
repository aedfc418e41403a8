#include "pdf/security.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <string>

#include "pdf/toolkit.h"

namespace {

// The track's straight runs: points first..last evenly spaced from one end
// to the other. The bottom-left corner and the top edge carry no points.
struct TrackRun {
    int first, last;
    double x0, y0, x1, y1;
};
constexpr TrackRun kTrack[] = {
    {1, 172, 3.0, 493.09, 3.0, 72.71},      // down the left edge
    {173, 239, 230.13, 3.0, 590.0, 3.0},    // along the bottom edge
    {240, 356, 590.0, 3.0, 590.0, 832.07},  // up the right edge
    {357, 365, 3.0, 507.56, 3.0, 495.71},   // down the left edge, closing on point 1
};

// The angles of the ring are worked with this value of pi.
constexpr double kPi = 3.141592;
constexpr float kPageTopPoints = 841.89f;

const char kCredit[] =
    "Energy Performance Certificate produced with Tarvex, non-domestic certificate software";

int DigitAt(const std::string& text, std::size_t position) {
    if (position >= text.size()) return 0;
    const unsigned char c = static_cast<unsigned char>(text[position]);
    return std::isdigit(c) ? c - '0' : 0;
}

long long Magnitude(int n) {
    return std::llabs(static_cast<long long>(n));
}

std::string Digits(const int* values, int count) {
    std::string text;
    for (int i = 0; i < count; ++i) text += std::to_string(values[i]);
    return text;
}

}  // namespace

PdfPoint DayTrackPoint(int p) {
    for (const TrackRun& run : kTrack) {
        if (p < run.first || p > run.last) continue;
        const double t = static_cast<double>(p - run.first) / (run.last - run.first);
        return {static_cast<float>(run.x0 + (run.x1 - run.x0) * t),
                static_cast<float>(run.y0 + (run.y1 - run.y0) * t)};
    }
    return DayTrackPoint(1);
}

int fDayTrackMarker(int n) {
    long long k = Magnitude(n);
    if (k > 364) k %= 365;
    return static_cast<int>(std::clamp(k, 1LL, 364LL));
}

DayTrackPattern fDayTrackPattern(int n, bool varied) {
    if (!varied) return {5, 10};
    static const DayTrackPattern kPatterns[7] = {{17, 34}, {25, 50}, {30, 60}, {37, 74},
                                                 {41, 82}, {23, 46}, {47, 94}};
    return kPatterns[Magnitude(n) % 7];
}

void pSECURITY0(HPDF_Doc doc, HPDF_Page page, HPDF_Font font, int n) {
    pSECURITY0(doc, page, font, n, 5, 10);
}

void pSECURITY0(HPDF_Doc doc, HPDF_Page page, HPDF_Font font, int n, bool varied) {
    const DayTrackPattern pattern = fDayTrackPattern(n, varied);
    pSECURITY0(doc, page, font, n, pattern.step, pattern.labelEvery);
}

void pSECURITY0(HPDF_Doc /*doc*/, HPDF_Page page, HPDF_Font font, int n, int step, int labelEvery) {
    HPDF_Page_GSave(page);
    HPDF_Page_SetGrayFill(page, 0.98f);
    const PdfPoint start = DayTrackPoint(1);
    HPDF_Page_Circle(page, start.x, start.y, 1);
    // A step below 1 would never leave the first point.
    for (int p = step; step >= 1 && p <= kDayTrackPoints; p += step) {
        const PdfPoint at = DayTrackPoint(p);
        HPDF_Page_Circle(page, at.x, at.y, 1);
    }
    HPDF_Page_Fill(page);

    if (font != nullptr) {
        HPDF_Page_SetFontAndSize(page, font, 2);
        HPDF_Page_BeginText(page);
        HPDF_Page_TextOut(page, start.x + 1, start.y + 1, "1");
        for (int p = 1; labelEvery >= 1 && p <= kDayTrackPoints; ++p) {
            if (p % labelEvery != 0) continue;
            const PdfPoint at = DayTrackPoint(p);
            HPDF_Page_TextOut(page, at.x + 1, at.y + 1, std::to_string(p).c_str());
        }
        HPDF_Page_EndText(page);
    }

    const PdfPoint mark = DayTrackPoint(fDayTrackMarker(n));
    HPDF_Page_SetGrayStroke(page, 0.99f);
    HPDF_Page_SetLineWidth(page, 0.4f);
    HPDF_Page_Circle(page, mark.x, mark.y, 1.2f);
    HPDF_Page_Stroke(page);
    HPDF_Page_SetGrayStroke(page, 0.95f);
    HPDF_Page_SetLineWidth(page, 0.08f);
    HPDF_Page_Circle(page, mark.x, mark.y, 1);
    HPDF_Page_Stroke(page);
    HPDF_Page_GRestore(page);
}

SecurityCode fSecurityCode(int n, const std::string& reference) {
    const long long m = Magnitude(n);
    SecurityCode code;
    int sum = 0;
    for (int i = 0; i < 5; ++i) {
        int digits = 0;
        for (int j = 0; j < 4; ++j) digits += DigitAt(reference, 5 * i + j);
        code.group[i] = static_cast<int>((m + digits) % 7);
        sum += code.group[i];
    }
    code.parity = sum % 3;
    const int t = sum + code.parity;
    const int* g = code.group;

    int* c = code.first;
    c[0] = 144 * t % 7;
    c[1] = 127 * t % 7 + (c[0] > 3 ? 3 : 0);
    c[2] = c[1] > 3 ? 7 : 0;
    c[3] = 678 * t % 7 + (c[2] <= 3 ? 2 : 0);
    c[4] = 232 * t % 7 + (c[3] == 2 ? 1 : 0);
    c[5] = 783 * t % 7 + (c[4] > 3 ? 3 : 0);
    code.ring = Digits(c, 6);

    // Each digit of the second code is worked from those already replaced.
    int* d = code.second;
    std::copy(c, c + 6, d);
    d[0] = 232 * (d[0] + d[1] + d[2] + d[3] + d[4] + d[5]) % 7;
    d[1] = 974 * (g[0] + d[1] + d[2] + d[3] + d[4] + d[5]) % 7 + (d[0] > 3 ? 3 : 0);
    d[2] = 299 * (g[0] + g[1] + d[2] + d[3] + d[4] + d[5]) % 3 + (d[1] > 3 ? 7 : 0);
    d[3] = 275 * (g[0] + g[1] + g[2] + d[3] + d[4] + d[5]) % 7 + (d[2] <= 3 ? 2 : 0);
    d[4] = 669 * (g[0] + g[1] + g[2] + g[3] + d[4] + d[5]) % 7 + (d[3] == 2 ? 1 : 0);
    d[5] = d[4] > 3 ? 3 : 0;

    const std::string residues = Digits(code.group, 5) + std::to_string(code.parity);
    code.lineOne = "SK-" + residues + "-" + Digits(d, 6);
    code.lineTwo =
        std::to_string(m) + "-" + reference + "-SK" + residues + Digits(d, 6) + "-MEROxTarvex2008";
    return code;
}

void pSECURITY1(HPDF_Page page, HPDF_Font font, float /*x*/, float /*y*/, float /*scale*/, int n,
                const std::string& reference, bool left) {
    if (font == nullptr) return;
    const SecurityCode code = fSecurityCode(n, reference);
    HPDF_Page_GSave(page);

    // The first code round a small ring.
    const double cx = left ? 63.8 : 90.25;
    const double cy = 548.2;
    HPDF_Page_SetGrayFill(page, 0.97f);
    HPDF_Page_SetFontAndSize(page, font, 0.5f);
    HPDF_Page_BeginText(page);
    int angle = 168;
    const int turn = 180 / static_cast<int>(code.ring.size());
    for (char ch : code.ring) {
        const double a = angle * kPi / 180.0;
        const double r = (angle - 90) * kPi / 180.0;
        const auto cr = static_cast<float>(std::cos(r));
        const auto sr = static_cast<float>(std::sin(r));
        HPDF_Page_SetTextMatrix(page, cr, sr, -sr, cr, static_cast<float>(cx + 1.6 * std::cos(a)),
                                static_cast<float>(cy + 1.6 * std::sin(a)));
        HPDF_Page_ShowText(page, std::string(1, ch).c_str());
        angle -= turn;
    }
    HPDF_Page_EndText(page);

    HPDF_Page_SetCharSpace(page, 0.1f);
    HPDF_Page_BeginText(page);
    HPDF_Page_TextOut(page, vX(89), vY(594.8f), code.lineOne.c_str());
    HPDF_Page_EndText(page);
    HPDF_Page_SetCharSpace(page, 0);

    // One character on each dot of the rating scale's dotted line.
    HPDF_Page_SetRGBFill(page, 0, 137 / 255.0f, 218 / 255.0f);
    HPDF_Page_SetFontAndSize(page, font, 2);
    HPDF_Page_BeginText(page);
    const std::size_t shown = std::min<std::size_t>(58, code.lineTwo.size());
    for (std::size_t i = 0; i < shown; ++i) {
        HPDF_Page_TextOut(page, vX(88 + 9.6f * static_cast<float>(i)), vY(773.6f),
                          std::string(1, code.lineTwo[i]).c_str());
    }
    HPDF_Page_EndText(page);

    HPDF_Page_SetGrayFill(page, 0.025f);
    HPDF_Page_SetCharSpace(page, 0.1f);
    HPDF_Page_BeginText(page);
    HPDF_Page_TextOut(page, 29, 751, kCredit);
    HPDF_Page_EndText(page);
    HPDF_Page_SetCharSpace(page, 0);

    HPDF_Page_SetGrayStroke(page, static_cast<float>(Magnitude(n) % 255) / 255.0f);
    HPDF_Page_SetLineWidth(page, 0.6f);
    pHPDF_draw_line(page, 1134, 380, 1135, 380);
    HPDF_Page_SetLineWidth(page, 0.2f);
    pHPDF_draw_line(page, 781.5f, 92.7f, 781.8f, 92.7f);
    HPDF_Page_GRestore(page);
}

long long fSecurityDotCount(int n, const std::string& reference) {
    long long count = n;
    for (std::size_t position : {3, 8, 13, 18, 23}) count += DigitAt(reference, position);
    return std::llabs(count);
}

std::vector<PdfPoint> SecurityDots(long long count, float x, float y, float scale) {
    std::vector<PdfPoint> dots;
    if (scale <= 0) return dots;
    const float dx = 10 * scale;
    const float dy = 5 * scale;
    float px = x - dx;
    int onRow = 0;
    for (long long i = 0; i < count; ++i) {
        if (onRow == 10) {
            y += dy;
            px = x - dx;
            onRow = 0;
        }
        if (y > kPageTopPoints) break;
        px += dx;
        dots.push_back({px, y});
        ++onRow;
    }
    return dots;
}

void pSECURITY2(HPDF_Page page, HPDF_Font font, float x, float y, float scale, int n,
                const std::string& reference) {
    if (font == nullptr) return;
    const std::vector<PdfPoint> dots = SecurityDots(fSecurityDotCount(n, reference), x, y, scale);
    HPDF_Page_GSave(page);
    HPDF_Page_SetRGBFill(page, 1, 1, 1);
    HPDF_Page_SetFontAndSize(page, font, 3);
    HPDF_Page_BeginText(page);
    for (const PdfPoint& dot : dots) HPDF_Page_TextOut(page, dot.x, dot.y, ".");
    HPDF_Page_EndText(page);
    HPDF_Page_GRestore(page);
}
