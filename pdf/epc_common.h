#pragma once

#include <hpdf.h>

#include <string>
#include <vector>

#include "pdf/document.h"
#include "pdf/toolkit.h"
#include "project/bands.h"

// What the certificates of England, Wales and Northern Ireland and of
// Scotland draw alike.

// A certificate's band colours, from one of the band scales.
class BandColours {
  public:
    // Fills the table (components 0 to 1) from the scale's colours.
    void fSetRGBColors(const BandScale& scale = kEnglandWalesBands);
    // The band's colour, or nullptr for a text that names no band.
    const RGBColour* Find(const std::string& band) const;
    // Sets the page's fill colour to the band's; any other text leaves the
    // fill colour as it was.
    void pHPDF_SetRGBColors(HPDF_Page page, const std::string& band) const;

  private:
    struct Entry {
        std::string band;
        RGBColour colour;
    };
    std::vector<Entry> table_;
};

// A benchmark arrow pointing right, its lower left corner at (x, y) design
// units, 88 x 46 at scale 1, filled in the page's current fill colour, with
// `value` on it in white outlined in black (set smaller when it is too long
// for the arrow, down to kMinTextSize, and kept in its middle).
void pHPDF_draw_arrow(HPDF_Page page, float x, float y, float sx, float sy, HPDF_Font bold,
                      const std::string& value);

// The document information of the certificates, Scotland's included.
PdfInfo CertificateInfo(const std::string& registrationNumber);

// The magnitude of a rating, held within int: the most negative int has no
// positive twin.
int RatingMagnitude(int rating);
