#pragma once

#include <array>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "boc/scanner.h"

// Value types of a keyword.
inline constexpr int kTypeNum = 1;
inline constexpr int kTypeText = 2;
inline constexpr int kTypeRef = 3;
inline constexpr int kTypeCod = 4;
inline constexpr int kTypeLnum = 5;
inline constexpr int kTypeLref = 6;
inline constexpr int kTypeLtext = 7;

// Record number of a keyword value that no library line produced (filled by default).
inline constexpr int kNoKeywordId = -1111;

// The typed value of one keyword of one object.
struct KeywordValue {
    int id = kNoKeywordId;
    int type = 0;
    double num = 0;
    std::string text = " ";  // the value as written, whatever the type
    std::string ref = " ";
    int refid = 0;
    std::string cod = " ";
    int codid = 0;  // 1-based position of the code in the keyword's code list
    std::vector<double> lnum;
    std::vector<std::string> lref;
    std::vector<std::string> ltext;
    std::vector<int> lrefid;
    bool modified = false;
    int line = 0;  // input line (from 1) of the keyword; 0 when the input did not give it

    // Clears the value; `id` and `modified` stay.
    void Reset();
    // Reset, then read the value text with the given type.
    void Init(int valueType, const std::string& valueText);
    void pLNUM(const std::string& valueText);
    void pLREF(const std::string& valueText);
    void pLTEXT(const std::string& valueText);
};

// The items of a list value: the text without its first and last character
// (the parentheses), cut at every comma; the last item keeps at most 100
// characters.
std::vector<std::string> SplitListItems(const std::string& valueText);

// One object of the input.
struct BObject {
    std::string name = " ";
    int classNumber = 0;
    std::string type = " ";  // class name as written in the header
    // Ordered by name; looked up by any text (std::less<>), so that a name
    // written as a literal needs no std::string made for each lookup.
    std::map<std::string, KeywordValue, std::less<>> keywords;
    // Positions in the input's lines (from 0): the header, then every line up
    // to the terminator. The lines themselves stay in the reader's list.
    std::vector<int> lines;

    void Reset();
};

// One code of a COD keyword.
struct Codigo {
    int number = 0;
    std::string name;
};

// One keyword definition of an object class.
struct Propiedad {
    int number = 0;
    std::string name;
    int keyType = 0;
    std::string defaultText;
    std::string refType;
    bool byKeyword = false;
    std::array<double, 6> bounds{kNoLimit, kNoLimit, kNoLimit, kNoLimit, kNoLimit, kNoLimit};
    std::string note;
    std::vector<Codigo> codes;
};

// One object class of the library definition.
struct Objeto {
    int number = 0;
    std::string name;
    int minCount = 0;
    int maxCount = 0;
    std::string classNote;
    std::vector<Propiedad> properties;
};
