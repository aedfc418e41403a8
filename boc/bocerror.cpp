#include "boc/bocerror.h"

const char* ErrorCatalogue(ErrorCode code) {
    switch (code) {
        case -14:
            return "Keyword is not a number";
        case -13:
            return "Keyword with type of reference not found when checking reference";
        case -12:
            return "Object is not in the library";
        case -11:
            return "Keyword required that it doesn't appear";
        case -10:
            return "There are more objects of a kind than the maximum admisible";
        case -9:
            return "There are less objects of a kind than what it is needed";
        case -8:
            return "Object is not in the library";
        case -7:
            return "Bad reference";
        case -6:
            return "Code unknown";
        case -5:
            return "Keyword out of range";
        case -4:
            return "Keyword unknown";
        case -3:
            return "Object unknown";
        case -2:
            return "No Object class";
        case -1:
            return "Bad syntax";
        default:
            return "Other errors";
    }
}

void Serror::Init(FindingLevel newLevel, ErrorCode newCode, TextFlag newFlag, int newPosition) {
    level = newLevel;
    code = newCode;
    flag = newFlag;
    position = newPosition;
    info.clear();
}

void Swarn::Init(FindingLevel newLevel, WarningCode newCode, TextFlag newFlag, int newPosition) {
    level = newLevel;
    code = newCode;
    flag = newFlag;
    position = newPosition;
}

void Scwarn::Init(FindingLevel newLevel, WarningCode newCode, TextFlag newFlag, int newPosition) {
    level = newLevel;
    code = newCode;
    flag = newFlag;
    position = newPosition;
}

void BOCERROR::Init() {
    errorList.clear();
    warnList.clear();
    cwarnList.clear();
}

Serror& BOCERROR::AddError(FindingLevel level, ErrorCode code, TextFlag flag, int position) {
    errorList.emplace_back();
    errorList.back().Init(level, code, flag, position);
    return errorList.back();
}

Swarn& BOCERROR::AddWarn(FindingLevel level, WarningCode code, TextFlag flag, int position) {
    warnList.emplace_back();
    warnList.back().Init(level, code, flag, position);
    return warnList.back();
}

Scwarn& BOCERROR::AddCwarn(FindingLevel level, WarningCode code, TextFlag flag, int position) {
    cwarnList.emplace_back();
    cwarnList.back().Init(level, code, flag, position);
    return cwarnList.back();
}

namespace {
// Records of modifications name the keyword they concern.
std::string KeywordSuffix(FindingLevel level, const std::string& name) {
    return level > kLevelInput ? " [objeto]-[" + name + "]" : std::string();
}
}  // namespace

void BOCERROR::AddErrorText() {
    for (Serror& e : errorList) {
        // Code 0 keeps its text whole, so that composing again changes nothing.
        if (e.flag == kFlagOwnText || e.code == 0) continue;
        e.text = ErrorCatalogue(e.code);
        if (e.level > kLevelInput) e.text += KeywordSuffix(e.level, e.name) + " info: " + e.info;
    }
}

void BOCERROR::AddWarnText() {
    for (Swarn& w : warnList) {
        if (w.flag == kFlagOwnText || w.code == 0) continue;
        w.text = "Other warnings";
        w.text += KeywordSuffix(w.level, w.name);
    }
}

void BOCERROR::AddCwarnText() {
    for (Scwarn& w : cwarnList) {
        if (w.flag == kFlagOwnText || w.code == 0) continue;
        w.text = "Other certification warnings";
        w.text += KeywordSuffix(w.level, w.name);
    }
}

void BOCERROR::AddEWC() {
    AddErrorText();
    AddWarnText();
    AddCwarnText();
}
