#pragma once

#include <string>
#include <vector>

#include "project/recommendations.h"

// The fixed texts of the recommendations report, for each jurisdiction: the
// law, the bodies and the person who assesses differ. The layout
// (pdf/rec_report.cpp) sets them; it holds no wording of its own but the
// labels of its tables.

enum class RecRegion { EnglandWales, NorthernIreland, Scotland };

// The numbered sections of the report, their headings and their entries in
// the table of contents.
inline constexpr int kRecSections = 5;
extern const char* const kRecSectionHeadings[kRecSections];
extern const char* const kRecContentsEntries[kRecSections];

// A piece of a paragraph: plain, oblique (the titles of the law and what it
// says) or a web link.
struct RecRun {
    enum Style { kPlain, kOblique, kLink };
    Style style = kPlain;
    std::string text;
    std::string uri;  // a link's target
};

// A paragraph: justified, set flush left, or a justified bullet point.
struct RecParagraph {
    enum Kind { kJustified, kFlushLeft, kBullet };
    Kind kind = kJustified;
    std::vector<RecRun> runs;
};
using RecParagraphs = std::vector<RecParagraph>;

// A part of a section under its own heading, lettered "a)", "b)" ... in
// order.
struct RecPart {
    std::string heading;
    RecParagraphs paragraphs;
};

// The words of a payback group in section 3, lettered as the group.
struct RecGroupTexts {
    std::string heading;
    std::string description;  // above its table
    std::string none;         // in place of the table when the group is empty
};

struct RecTexts {
    RecParagraphs background;       // section 1, above the building's table
    std::string environmentLabel;   // that table's second row
    RecParagraphs introduction;     // section 2
    RecParagraphs recommendations;  // section 3, above the groups
    RecGroupTexts groups[kRecGroups];
    std::vector<RecPart> nextSteps;  // section 4
    std::vector<RecPart> glossary;   // section 5
};

// The texts of a report of the region. The introduction names the
// calculation `tool`; `heritage` adds the advice for a listed building or
// one in a conservation area (not in Scotland).
RecTexts RecReportTexts(RecRegion region, const std::string& tool, bool heritage);
