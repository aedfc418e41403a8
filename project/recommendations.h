#pragma once

#include <string>
#include <vector>

class PROJECT;

// Which recommendations the documents show and which text each one shows:
// the recommendations report and the lodgement message show the payback
// groups, each cut to its cap; the short recommendations report shows every
// recommendation. Each document writes the text in its own encoding.

// The four payback groups, in the order the documents show them.
enum RecGroup { kRecShort = 0, kRecMedium = 1, kRecLong = 2, kRecOther = 3 };
inline constexpr int kRecGroups = 4;

// A recommendation as a document shows it.
struct ShownRec {
    int object = 0;  // its object
    int code = 0;    // its CODE number: its row of the sRec table
    // It shows the assessor's REC-TEXT rather than the sRec table's text.
    bool assessorText = false;
};

// Whether the assessor wrote the text of a recommendation of this CODE
// ("USER") in its REC-TEXT.
bool AssessorWritten(int code);

// The recommendations of a group that the report and the message show: the
// first RecShortN (RecMediumN, RecLongN, RecOtherN; none below one) of the
// ordered group. In the other group an assessor's recommendation shows its
// REC-TEXT; everywhere else a recommendation shows its code's text.
std::vector<ShownRec> ShownRecs(const PROJECT& p, RecGroup group);

// The sRec table's text of a code, as the library holds it.
std::string RecTableText(const PROJECT& p, int code);
// The text a recommendation shows in a PDF, in the standard fonts' encoding.
std::string RecPdfText(PROJECT& p, const ShownRec& rec);
