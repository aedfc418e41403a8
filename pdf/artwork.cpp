#include "pdf/artwork.h"

#include <initializer_list>

namespace {

struct Cmyk {
    float c, m, y, k;
};

struct LogoPoint {
    float x, y;
};

struct LogoShape {
    Cmyk colour;
    std::initializer_list<LogoPoint> outline;
};

constexpr Cmyk kSun{0.0f, 0.15f, 0.9f, 0.0f};
constexpr Cmyk kRay{0.0f, 0.35f, 0.95f, 0.0f};
constexpr Cmyk kGround{0.7f, 0.0f, 1.0f, 0.1f};
constexpr Cmyk kHill{0.45f, 0.0f, 0.85f, 0.0f};
constexpr Cmyk kWall{0.8f, 0.3f, 0.0f, 0.0f};
constexpr Cmyk kRoof{0.9f, 0.6f, 0.0f, 0.2f};
constexpr Cmyk kDoor{0.75f, 0.0f, 0.9f, 0.3f};
constexpr Cmyk kWindow{0.0f, 0.1f, 0.7f, 0.0f};
constexpr Cmyk kLeaf{0.8f, 0.0f, 0.95f, 0.15f};
constexpr Cmyk kLeafLight{0.4f, 0.0f, 0.8f, 0.0f};

// A sun and its rays, a house on a green hill and a leaf, in points at
// scale 1 from the lower left corner.
const LogoShape kLogo[] = {
    {kGround, {{0, 0}, {300, 0}, {300, 14}, {200, 16}, {100, 17}, {0, 20}}},
    {kHill,
     {{0, 20},
      {100, 17},
      {200, 16},
      {300, 14},
      {300, 22},
      {240, 26},
      {150, 24},
      {60, 28},
      {0, 32}}},
    {kSun,
     {{82.0f, 80.0f},
      {80.2f, 89.2f},
      {75.0f, 97.0f},
      {67.2f, 102.2f},
      {58.0f, 104.0f},
      {48.8f, 102.2f},
      {41.0f, 97.0f},
      {35.8f, 89.2f},
      {34.0f, 80.0f},
      {35.8f, 70.8f},
      {41.0f, 63.0f},
      {48.8f, 57.8f},
      {58.0f, 56.0f},
      {67.2f, 57.8f},
      {75.0f, 63.0f},
      {80.2f, 70.8f}}},
    {kRay, {{87.2f, 86.9f}, {98.7f, 96.8f}, {83.5f, 95.7f}}},
    {kRay, {{73.7f, 105.5f}, {74.8f, 120.7f}, {64.9f, 109.2f}}},
    {kRay, {{51.1f, 109.2f}, {41.2f, 120.7f}, {42.3f, 105.5f}}},
    {kRay, {{32.5f, 95.7f}, {17.3f, 96.8f}, {28.8f, 86.9f}}},
    {kRay, {{28.8f, 73.1f}, {17.3f, 63.2f}, {32.5f, 64.3f}}},
    {kRay, {{42.3f, 54.5f}, {41.2f, 39.3f}, {51.1f, 50.8f}}},
    {kRay, {{64.9f, 50.8f}, {74.8f, 39.3f}, {73.7f, 54.5f}}},
    {kRay, {{83.5f, 64.3f}, {98.7f, 63.2f}, {87.2f, 73.1f}}},
    {kWall, {{110, 20}, {190, 20}, {190, 70}, {110, 70}}},
    {kRoof, {{100, 68}, {150, 108}, {200, 68}}},
    {kRoof, {{170, 84}, {182, 93.6f}, {182, 104}, {170, 104}}},
    {kDoor, {{141, 20}, {159, 20}, {159, 48}, {141, 48}}},
    {kWindow, {{119, 48}, {134, 48}, {134, 62}, {119, 62}}},
    {kWindow, {{166, 48}, {181, 48}, {181, 62}, {166, 62}}},
    {kLeaf,
     {{226.0f, 20.0f},
      {227.5f, 36.1f},
      {230.1f, 51.3f},
      {234.5f, 65.2f},
      {241.4f, 77.2f},
      {251.0f, 87.2f},
      {263.1f, 95.3f},
      {277.0f, 102.1f},
      {292.0f, 108.0f},
      {290.5f, 91.9f},
      {287.9f, 76.7f},
      {283.5f, 62.8f},
      {276.6f, 50.8f},
      {267.0f, 40.8f},
      {254.9f, 32.7f},
      {241.0f, 25.9f}}},
    {kLeafLight,
     {{232.0f, 20.0f},
      {232.6f, 31.7f},
      {234.4f, 42.8f},
      {238.2f, 52.7f},
      {244.4f, 61.4f},
      {252.6f, 69.0f},
      {262.0f, 76.0f},
      {261.4f, 64.3f},
      {259.6f, 53.2f},
      {255.8f, 43.3f},
      {249.6f, 34.6f},
      {241.4f, 27.0f}}},
    {kLeaf, {{222, 14}, {227, 14}, {229, 22}, {225, 22}}},
};
static_assert(sizeof kLogo / sizeof kLogo[0] == 20, "the mark has twenty shapes");

}  // namespace

HPDF_Image LoadHeaderImage(PdfDocument& doc) {
    if (doc.failed()) return nullptr;
    // Carried as bytes: decoding the base64 text cost more than the rest
    // of the banner's handling, once for every document.
    const std::string_view jpeg = HMLOGO64Bytes();
    if (jpeg.size() < 4 || static_cast<unsigned char>(jpeg[0]) != 0xFF ||
        static_cast<unsigned char>(jpeg[1]) != 0xD8) {
        return nullptr;
    }
    return HPDF_LoadJpegImageFromMem(doc.handle(), reinterpret_cast<const HPDF_BYTE*>(jpeg.data()),
                                     static_cast<HPDF_UINT>(jpeg.size()));
}

void pHPDF_CT_Logo(HPDF_Page page, float x, float y, float sx, float sy) {
    HPDF_Page_GSave(page);
    for (const LogoShape& shape : kLogo) {
        const Cmyk& c = shape.colour;
        HPDF_Page_SetCMYKFill(page, c.c, c.m, c.y, c.k);
        bool first = true;
        for (const LogoPoint& p : shape.outline) {
            const float px = x + p.x * sx;
            const float py = y + p.y * sy;
            if (first) {
                HPDF_Page_MoveTo(page, px, py);
            } else {
                HPDF_Page_LineTo(page, px, py);
            }
            first = false;
        }
        HPDF_Page_ClosePath(page);
        HPDF_Page_Fill(page);
    }
    HPDF_Page_GRestore(page);
}
