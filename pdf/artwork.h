#pragma once

#include <hpdf.h>

#include <string>
#include <string_view>

#include "pdf/document.h"

// The artwork of the certificates: the banner at the head of the first page
// and the advice body's mark beside the advice lines.

inline constexpr unsigned kHeaderImageWidth = 737;
inline constexpr unsigned kHeaderImageHeight = 109;

// The banner as base64 text of a JPEG file (RGB, 8 bits per component);
// built from pdf/art/header.jpg, itself drawn from pdf/art/header.ppm.
std::string HMLOGO64();
// The same JPEG file's bytes, as they are.
std::string_view HMLOGO64Bytes();

// Loads the banner's JPEG bytes into the document as it is, so saving
// copies it without compressing it again; nullptr when the embedded text is
// not a JPEG image or the document failed.
HPDF_Image LoadHeaderImage(PdfDocument& doc);

// The advice body's mark: twenty filled shapes, placed with its lower left
// corner at (x, y) points and scaled by (sx, sy). At scale 1 it is 300 x 121
// points.
void pHPDF_CT_Logo(HPDF_Page page, float x, float y, float sx, float sy);
