#pragma once

#include <hpdf.h>

#include <string>
#include <vector>

#include "pdf/document.h"
#include "project/written.h"

// The short ("secondary") recommendations report: the assessor's working
// document, not for official submission. Service by service it gives the
// share of the emissions and the performance figures, then every candidate
// recommendation of that service, coloured by whether the calculation
// proposed it, the assessor added it or the assessor excluded it.

// The entries of DATA::texts for one recommendation.
enum SrecText {
    kSrecText = 0,
    kSrecCode,
    kSrecEnergyImpact,
    kSrecCo2Impact,
    kSrecCo2Saving,
    kSrecComments,
    kSrecRemark,
    kSrecAppliesTo,
    kSrecTexts
};
// The entries of DATA::flags: the source (1 calculation, 2 added by the
// assessor, 3 excluded by the assessor), then for each value whether the
// assessor entered it (1) or the calculation did.
enum SrecFlag { kSrecSource = 0, kSrecEnergyFlag, kSrecCo2Flag, kSrecPaybackFlag, kSrecSavingFlag };
inline constexpr int kSourceCalculation = 1;
inline constexpr int kSourceUser = 2;
inline constexpr int kSourceExcluded = 3;

// The record handed between the drawing functions: one recommendation's
// texts and flags, and the pen, which flows down the pages (design units).
struct DATA {
    std::vector<std::string> texts;
    std::vector<int> flags;
    float x = 0;
    float y = 0;
    std::string label;
    std::string value;
    float indent = 0;  // where the value starts after a label, design units
    float colour[3] = {0, 0, 0};
};

// The value colour: grey for an excluded recommendation, else blue for a
// value the assessor gave (flag 1), else green.
void pSetContentColour(int source, int flag, DATA& data);

// Writes the label (black) and the value (in data.colour) at the pen, on a
// new page at design y 100 when the line does not fit above the bottom
// margin; then moves the pen below the line and clears the label.
void pHPDF_WriteNext_line(PdfDocument& doc, HPDF_Font font, float size, DATA& data);
// A category heading: white text on a black bar across the page.
void pHPDF_WriteNext_Cat(PdfDocument& doc, HPDF_Font font, float size, DATA& data);
// One recommendation block: the remark, the text in its colour, a rule, the
// code, impacts, saving and applicability, and the comments.
void pHPDF_write_recommendation(PdfDocument& doc, float scale, float width, HPDF_Font regular,
                                HPDF_Font bold, DATA& data);

// The report's contents, gathered from the project.
struct SrecCategory {
    std::string name;                // "HEATING" ...
    std::vector<std::string> stats;  // the service's figures, one line each
    std::vector<DATA> recommendations;
};
struct SrecContent {
    std::string buildingName;
    std::string buildingType;
    std::string date;
    std::string registrationNumber;
    std::vector<SrecCategory> categories;
};

// Draws the report and saves it protected to pdfFile; false when a libharu
// error abandoned it (nothing is written then). A file that cannot be
// written stops the run.
WrittenDocument WriteShortRecReport(const SrecContent& content, const std::string& pdfFile);
