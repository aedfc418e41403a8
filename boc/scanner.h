#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "app/codes.h"

// Numbers read with the C library's rules: leading blanks skipped, the longest
// valid prefix taken, 0 when there is none. Integers beyond the range of int
// are clamped to it instead of being undefined.
int TextToInt(std::string_view text);
double TextToDouble(std::string_view text);
// Whether the text is wholly a number: blanks, a sign, digits with at most one
// decimal point, an exponent, blanks. What TextToDouble reads from any other
// text ("52.1kg", "fifty", "nan") is not what the writer meant.
bool IsWholeNumber(std::string_view text);

// Kinds of an input line.
enum LineKind : int {
    kLineBad = -1,        // syntax error; `err` tells which
    kLineEmpty = 0,       // empty, blank or whole-line comment
    kLinePlain = 1,       // no comment
    kLineCommented = 2,   // trailing comment
    kLineHeader = 3,      // object header
    kLineTerminator = 4,  // object terminator
    kLineKeyword = 5,     // keyword line
    kLineContinued = 6,   // continuation of an open list
    kLineLibrary = 7,     // library entry
};

// Scan results in `err`; each failure is the error code the reader reports.
enum ScanResult : int {
    kScanOk = 0,
    kScanBadSyntax = -1,
    kScanNotInLibrary = -8,
};

// One line of an input file. Each scan works on the line's own fields only;
// the reader decides from the lines before it which scans apply.
struct SLINE {
    LineKind kind = kLineEmpty;
    std::string raw = " ";
    // The line as the report copy shows it when it carries a finding; empty
    // when the copy shows the line as it is.
    std::string out;
    std::string comment = " ";
    std::string objName = " ";
    std::string objType = " ";
    std::string keyword = " ";
    std::string value = " ";
    ScanResult err = kScanOk;

    // The line becomes raw, and text, until pComments cuts off a comment.
    void Load(std::string line);
    // The part the scans parse: the line before its comment. A prefix of raw,
    // kept as a length so that a line is stored once.
    std::string_view text() const { return std::string_view(raw).substr(0, textLength_); }
    // The line as the report copy shows it.
    const std::string& shown() const { return out.empty() ? raw : out; }

    // Splits off a trailing comment ("$" outside double quotes) and sets the
    // kind to 0, 1, 2 or -1 (unbalanced quotes).
    void pComments();
    // Recognises LIBRARY-ENTRY ... = "<name>" lines (kind 7).
    void pLibrary();
    // An indented "..".
    bool ObjEnd() const;
    // "<name>" = <CLASS>
    void pObj();
    // <KEYWORD> = <value>; 1 when the value opens a list that the line does
    // not close.
    int pKey();
    // A continuation line of an open list; 1 while the list stays open.
    int cKey();
    // Library entries are recognised and passed over: every name is known.
    int LibFind(const std::string& name, const char* what) const;

  private:
    std::size_t textLength_ = 1;
};

// Kinds of a library definition line.
inline constexpr int kCsvComment = 0;  // comments and lines of no known record kind
inline constexpr int kCsvClass = 1;
inline constexpr int kCsvKeyword = 2;
inline constexpr int kCsvCode = 3;

// One line of the comma-separated library definition.
struct CSVLINE {
    // Where a field stands in `line`: positions, not copies, so that a line
    // is cut without a text for each field and stays valid when copied.
    struct Span {
        std::size_t start = 0;
        std::size_t length = 0;
    };
    int kind = kCsvComment;
    std::string line;
    std::vector<Span> fields;
    int number = 0;
    std::string name;
    int keyType = 0;
    std::string defaultText;
    std::string refType;
    bool byKeyword = false;
    std::array<double, 6> bounds{kNoLimit, kNoLimit, kNoLimit, kNoLimit, kNoLimit, kNoLimit};
    std::string note;
    int minCount = 0;
    int maxCount = 0;
    std::string classNote;

    // Cuts `line` into fields and reads the record they hold; nothing of a
    // line read before stays.
    void Init();
    void pObj();
    void pKey();
    void pCod();

    // Field i, or an empty text when the line is shorter.
    std::string_view Field(std::size_t i) const;
};
