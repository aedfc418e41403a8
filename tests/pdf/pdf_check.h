#pragma once

#include <hpdf.h>

#include <set>
#include <string>
#include <vector>

#include "tests/support/process.h"

// The PDF readers the tests check our documents with (qpdf, poppler-utils).

// Runs a program found on PATH; exit code 127 when it is missing.
ProcessResult RunTool(const std::string& program, const std::vector<std::string>& args);

// The text of the document in the order it was drawn (pdftotext -raw, UTF-8).
std::string PdfText(const std::string& pdf);
std::string PdfPageText(const std::string& pdf, int page);
// The value of one "Name:   value" line of pdfinfo, without the blanks
// that align it.
std::string PdfInfoField(const std::string& pdf, const std::string& field);
// The certificates' page count, A4 pages and document information (title,
// keywords, the assessor's number as subject, author and creator).
void ExpectCertificateInfo(const std::string& pdf, const std::string& pages,
                           const std::string& subject);

// The words of a text (split at blanks and line ends).
std::set<std::string> WordsOf(const std::string& text);
std::vector<std::string> WordListOf(const std::string& text);
// The text with every run of blanks and line ends made one blank, so that
// sentences read the same wherever their lines break.
std::string FlatText(const std::string& text);

// What differs from the protection of every document the program writes
// (revision 3, 128-bit key, empty user password, printing only): one line per
// difference, empty when it is protected as it should be.
std::string ProtectionProblems(const std::string& pdf);

// The target of every web link of the document, in the order of its objects.
std::vector<std::string> PdfLinks(const std::string& pdf);

// The bytes of a libharu document as it saves them (uncompressed unless
// compression was asked for).
std::string BytesSavedBy(HPDF_Doc doc);

// The number of times `part` occurs in `text`.
std::size_t Occurrences(const std::string& text, const std::string& part);

// A rendered page, RGB, 8 bits per component.
struct Raster {
    int width = 0;
    int height = 0;
    std::vector<unsigned char> rgb;
    const unsigned char* at(int x, int y) const { return &rgb[3 * (y * width + x)]; }
};
// Reads a binary PPM file; false when it is not one.
bool ReadPpm(const std::string& path, Raster& image);
// Renders page 1 at `dpi` with pdftoppm.
bool RenderFirstPage(const std::string& pdf, int dpi, Raster& image);

// A pixel of a page rendered at 144 dpi: two pixels a point, one a design
// unit (see pdf/toolkit.h).
struct Pixel {
    int r, g, b;
};
Pixel At(const Raster& page, float designX, float designY);

// A box of pdftotext -bbox (words) or -bbox-layout (lines), in points from
// the page's top left corner; pages count from 1.
struct TextBox {
    float xMin = 0, yMin = 0, xMax = 0, yMax = 0;
    std::string text;  // a line's words joined by blanks
    int page = 0;
};
std::vector<TextBox> PdfWords(const std::string& pdf);
std::vector<TextBox> PdfLines(const std::string& pdf);
// Whether the letters of two boxes on one page overlap by more than `slack`
// points. poppler's boxes run from the font's ascent to its descent, taller
// than the letters (more so for an embedded font), so only their middle part
// counts upwards and downwards.
bool LettersOverlap(const TextBox& a, const TextBox& b, float slack);

// One text-showing operator of the page contents and the font size set for
// it, read from the document decrypted and decompressed by qpdf. The text
// is the string's bytes in the font's encoding.
struct TextRun {
    int page = 0;
    float size = 0;
    std::string text;
};
std::vector<TextRun> PdfTextRuns(const std::string& pdf);
