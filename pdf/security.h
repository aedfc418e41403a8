#pragma once

#include <hpdf.h>

#include <string>
#include <vector>

// The faint patterns drawn onto certificate pages so that a printed or
// altered copy can be told from a genuine one: the day track round the page
// edge, the security code microtext and the dot count. All in points.

struct PdfPoint {
    float x = 0.0f;
    float y = 0.0f;
};

inline constexpr int kDayTrackPoints = 365;

// Point p (1 to 365) of the day track, 3 points inside the page edge; the
// track starts on the left edge, runs down it, along the bottom and up the
// right edge, and closes on the left edge above point 1.
PdfPoint DayTrackPoint(int p);
// The point that marks n: |n|, folded into a year when above 364, then kept
// within 1 to 364.
int fDayTrackMarker(int n);

struct DayTrackPattern {
    int step = 5;         // every step-th point carries a dot
    int labelEvery = 10;  // every labelEvery-th point carries its number
};
// The pattern for n: the plain one, or when `varied` one of seven picked by n.
DayTrackPattern fDayTrackPattern(int n, bool varied);

// The day track of n on the page: dots, point numbers in `font` at 2 points,
// and the marker circles.
void pSECURITY0(HPDF_Doc doc, HPDF_Page page, HPDF_Font font, int n);
void pSECURITY0(HPDF_Doc doc, HPDF_Page page, HPDF_Font font, int n, bool varied);
void pSECURITY0(HPDF_Doc doc, HPDF_Page page, HPDF_Font font, int n, int step, int labelEvery);

// The security code of a rating n and a report reference number (five groups
// of four digits joined by hyphens; anything that is not a digit counts 0).
struct SecurityCode {
    int group[5] = {0, 0, 0, 0, 0};  // group residues
    int parity = 0;
    int first[6] = {0, 0, 0, 0, 0, 0};
    int second[6] = {0, 0, 0, 0, 0, 0};
    std::string ring;     // the first code, written round the ring
    std::string lineOne;  // "SK-" residues, parity "-" second code
    std::string lineTwo;  // |n| "-" reference "-SK" ... "-MEROxTarvex2008"
};
SecurityCode fSecurityCode(int n, const std::string& reference);

// The security code microtext of n on the certificate's first page. Its
// places are fixed by the certificate's layout: x, y and scale are accepted
// for the callers' symmetry with pSECURITY2 and not used.
void pSECURITY1(HPDF_Page page, HPDF_Font font, float x, float y, float scale, int n,
                const std::string& reference, bool left);

// The number of dots of pSECURITY2: |n + the last digit of each group|.
long long fSecurityDotCount(int n, const std::string& reference);
// Where pSECURITY2 writes its dots: rows of ten from (x, y), dx = 10 scale
// apart, rows dy = 5 scale above each other. Rows above the page top are
// left out: they could never be seen or counted.
std::vector<PdfPoint> SecurityDots(long long count, float x, float y, float scale);
// The dot count of n: white dots at (x, y) points.
void pSECURITY2(HPDF_Page page, HPDF_Font font, float x, float y, float scale, int n,
                const std::string& reference);
