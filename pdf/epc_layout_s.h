#pragma once

#include <array>
#include <string>
#include <vector>

#include "pdf/epc_layout.h"
#include "project/bands.h"
#include "project/record.h"

// Layout rules of the Scottish certificate that hold logic of their own, kept
// apart from the drawing so that they can be checked without a document.
// Positions are design units (see pdf/toolkit.h).

// The scale: eight rows, "Carbon Neutral" at the top, then one row per
// letter "A" to "G"; a half band ("B+") shares the row of its letter.
inline constexpr int kScottishScaleRows = 8;
// The row a band text points at; kNoScaleRow for a text that names no band
// (such as "??" for a rating that was not provided).
int fScottishScaleRow(const std::string& band);
// The band each row is labelled and coloured by: "Carbon Neutral", then the
// letters "A" to "G".
std::array<const BandRow*, kScottishScaleRows> fScottishScaleBands();
// The lower edge of a row (0 at the top), and the height of its bar.
float fScottishRowBottom(int row);
inline constexpr float kScottishBarHeight = 46;

// The building's address on one line: the lines that are not blank, joined
// with ", ". It is set into its box by the fitting rule (pdf/fit.h), which
// says what it cannot show.
std::string fScottishAddress(const std::vector<std::string>& lines);
// Its last line that is not blank (the postcode), which a cut address keeps.
std::string fScottishAddressEnd(const std::vector<std::string>& lines);

// The renewable energy source shown: the source of the largest contribution
// above zero, the earlier one on a tie; "None" when none is above zero. An
// assessor who names the main renewable source (code 2 of RENEWABLE-MAIN)
// overrides the calculation with that name.
inline constexpr int kRenewableMainNamed = 2;
std::string fRenewableSource(const RenewableValues& values, int renewableMainCode,
                             const std::string& renewableMainText);

// A benchmark rating as printed and the band its arrow is coloured by. The
// rating that marks a prospective rate as not provided prints 0 beside a
// black arrow marked "??".
struct ScottishBenchmark {
    int value = 0;
    std::string band;
};
ScottishBenchmark fScottishPer(double perRating, const std::string& perBand);

// The current rating or the new-building benchmark as printed: a rate the
// calculation did not provide (-7777) shows no figure, and its arrow is black
// and marked "??", as the prospective rating's is.
struct ScottishRating {
    std::string text;
    std::string band;
};
ScottishRating fScottishRating(const std::string& rating, const std::string& band);
