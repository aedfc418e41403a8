#pragma once

#include <string>
#include <vector>

// Levels of a finding.
inline constexpr int kLevelSyntax = 0;        // syntax error of a line
inline constexpr int kLevelLine = 1;          // object or keyword error of a line
inline constexpr int kLevelInput = 2;         // error of the whole input, own text
inline constexpr int kLevelAccess = 4;        // error of an access or modification
inline constexpr int kLevelModification = 5;  // finding of a modification check

// Error codes; the catalogue gives their texts.
inline constexpr int kErrBadSyntax = -1;
inline constexpr int kErrNoClass = -2;
inline constexpr int kErrObjectUnknown = -3;
inline constexpr int kErrKeywordUnknown = -4;
inline constexpr int kErrOutOfRange = -5;
inline constexpr int kErrCodeUnknown = -6;
inline constexpr int kErrBadReference = -7;
inline constexpr int kErrNotInLibrary = -8;
inline constexpr int kErrTooFew = -9;
inline constexpr int kErrTooMany = -10;
inline constexpr int kErrRequired = -11;
inline constexpr int kErrObjectNotInLibrary = -12;
inline constexpr int kErrRefTypeKeyword = -13;
// Codes of warnings and certification warnings.
inline constexpr int kWarnCode = -1;
inline constexpr int kCwarnCode = 1;

// Text flags: 0 keeps the record's own text; the constructor's line checks use
// 1 and the modification checks 3.
inline constexpr int kFlagOwnText = 0;
inline constexpr int kFlagCatalogue = 1;
inline constexpr int kFlagModification = 3;

// The catalogue text of an error code ("Other errors" for codes it lacks;
// code 0 has no text of its own).
const char* ErrorCatalogue(int code);

struct Serror {
    int level = 0;
    int code = 0;
    int flag = 0;
    int position = 0;  // line index (levels 0, 1) or object index (levels 4, 5)
    std::string name = " ";
    std::string text = "Other errors";
    std::string info;

    void Init(int newLevel, int newCode, int newFlag, int newPosition);
};

struct Swarn {
    int level = 0;
    int code = 0;
    int flag = 0;
    int position = 0;
    std::string name = " ";
    std::string text = "Other warnings";

    void Init(int newLevel, int newCode, int newFlag, int newPosition);
};

struct Scwarn {
    int level = 0;
    int code = 0;
    int flag = 0;
    int position = 0;
    std::string name = " ";
    std::string text = "Other certification warnings";

    void Init(int newLevel, int newCode, int newFlag, int newPosition);
};

// The findings of the constructor, each list in the order of recording.
struct BOCERROR {
    std::vector<Serror> errorList;
    std::vector<Swarn> warnList;
    std::vector<Scwarn> cwarnList;

    void Init();
    bool Any() const { return !errorList.empty() || !warnList.empty() || !cwarnList.empty(); }

    // Records with their texts still to be composed (AddEWC).
    Serror& AddError(int level, int code, int flag, int position);
    Swarn& AddWarn(int level, int code, int flag, int position);
    Scwarn& AddCwarn(int level, int code, int flag, int position);

    // Compose the texts of the records whose flag is set; composing twice
    // gives the same texts.
    void AddErrorText();
    void AddWarnText();
    void AddCwarnText();
    void AddEWC();
};
