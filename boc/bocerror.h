#pragma once

#include <string>
#include <vector>

// The kinds of number a finding carries are separate types, so that a level
// passed where a code is expected does not compile. Their numbers appear in
// the report files.

// Levels of a finding.
enum FindingLevel : int {
    kLevelSyntax = 0,        // syntax error of a line
    kLevelLine = 1,          // object or keyword error of a line
    kLevelInput = 2,         // error of the whole input, own text
    kLevelAccess = 4,        // error of an access or modification
    kLevelModification = 5,  // finding of a modification check
};

// Error codes; the catalogue gives their texts.
enum ErrorCode : int {
    kErrNone = 0,
    kErrBadSyntax = -1,
    kErrNoClass = -2,
    kErrObjectUnknown = -3,
    kErrKeywordUnknown = -4,
    kErrOutOfRange = -5,
    kErrCodeUnknown = -6,
    kErrBadReference = -7,
    kErrNotInLibrary = -8,
    kErrTooFew = -9,
    kErrTooMany = -10,
    kErrRequired = -11,
    kErrObjectNotInLibrary = -12,
    kErrRefTypeKeyword = -13,
    kErrNotANumber = -14,
};
// Codes of warnings and certification warnings.
enum WarningCode : int {
    kWarnNone = 0,
    kWarnCode = -1,
    kCwarnCode = 1,
};

// Text flags: 0 keeps the record's own text; the constructor's line checks use
// 1 and the modification checks 3.
enum TextFlag : int {
    kFlagOwnText = 0,
    kFlagCatalogue = 1,
    kFlagModification = 3,
};

// The catalogue text of an error code ("Other errors" for codes it lacks;
// code 0 has no text of its own).
const char* ErrorCatalogue(ErrorCode code);

struct Serror {
    FindingLevel level = kLevelSyntax;
    ErrorCode code = kErrNone;
    TextFlag flag = kFlagOwnText;
    int position = 0;  // line index (levels 0, 1) or object index (levels 4, 5)
    std::string name = " ";
    std::string text = "Other errors";
    std::string info;

    void Init(FindingLevel newLevel, ErrorCode newCode, TextFlag newFlag, int newPosition);
};

struct Swarn {
    FindingLevel level = kLevelSyntax;
    WarningCode code = kWarnNone;
    TextFlag flag = kFlagOwnText;
    int position = 0;
    std::string name = " ";
    std::string text = "Other warnings";

    void Init(FindingLevel newLevel, WarningCode newCode, TextFlag newFlag, int newPosition);
};

struct Scwarn {
    FindingLevel level = kLevelSyntax;
    WarningCode code = kWarnNone;
    TextFlag flag = kFlagOwnText;
    int position = 0;
    std::string name = " ";
    std::string text = "Other certification warnings";

    void Init(FindingLevel newLevel, WarningCode newCode, TextFlag newFlag, int newPosition);
};

// The findings of the constructor, each list in the order of recording.
struct BOCERROR {
    std::vector<Serror> errorList;
    std::vector<Swarn> warnList;
    std::vector<Scwarn> cwarnList;

    void Init();
    bool Any() const { return !errorList.empty() || !warnList.empty() || !cwarnList.empty(); }

    // Records with their texts still to be composed (AddEWC).
    Serror& AddError(FindingLevel level, ErrorCode code, TextFlag flag, int position);
    Swarn& AddWarn(FindingLevel level, WarningCode code, TextFlag flag, int position);
    Scwarn& AddCwarn(FindingLevel level, WarningCode code, TextFlag flag, int position);

    // Compose the texts of the records whose flag is set; composing twice
    // gives the same texts.
    void AddErrorText();
    void AddWarnText();
    void AddCwarnText();
    void AddEWC();
};
