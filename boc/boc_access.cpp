// Keyword access, modification and the building-object writers.
#include <climits>
#include <cmath>
#include <fstream>

#include "app/stop.h"
#include "boc/boc.h"
#include "boc/fileguard.h"

namespace {
// Truncation toward zero that stays defined for every double.
int TruncToInt(double v) {
    if (std::isnan(v)) return 0;
    if (v >= static_cast<double>(INT_MAX)) return INT_MAX;
    if (v <= static_cast<double>(INT_MIN)) return INT_MIN;
    return static_cast<int>(v);
}

[[noreturn]] void NotInList(const BObject& o, std::string_view keyword, int i) {
    StopRun("[" + o.name + "] " + std::string(keyword) + " has not " + std::to_string(i) +
            " values in the list\n");
}

template <typename T>
const T& Item(const BObject& o, std::string_view keyword, const std::vector<T>& list, int i) {
    if (i < 0 || static_cast<std::size_t>(i) >= list.size()) NotInList(o, keyword, i);
    return list[static_cast<std::size_t>(i)];
}

constexpr std::size_t kKeywordWidth = 30;
}  // namespace

const BObject& BOC::Object(int objectIndex) const {
    if (objectIndex < 0 || objectIndex >= static_cast<int>(objects.size()))
        StopRun("Object " + std::to_string(objectIndex) + " is not in the input, which has " +
                std::to_string(objects.size()) + " objects\n");
    return objects[static_cast<std::size_t>(objectIndex)];
}

const KeywordValue& BOC::Value(int objectIndex, std::string_view keyword) const {
    const BObject& o = Object(objectIndex);
    const auto it = o.keywords.find(keyword);
    if (it == o.keywords.end())
        StopRun("[" + o.name + "] " + std::string(keyword) + " is not a keyword of this object\n");
    return it->second;
}

const Propiedad* BOC::Definition(int objectIndex, std::string_view keyword) const {
    const int c = Object(objectIndex).classNumber - 1;
    const int k = FindKey(c, std::string(keyword));
    return k < 0 ? nullptr : &classes[c].properties[k];
}

double BOC::Vnum(int objectIndex, std::string_view keyword) const {
    return Value(objectIndex, keyword).num;
}

int BOC::Vint(int objectIndex, std::string_view keyword) const {
    return TruncToInt(Vnum(objectIndex, keyword));
}

std::string BOC::Vtext(int objectIndex, std::string_view keyword) const {
    return Value(objectIndex, keyword).text;
}

std::string BOC::Vcod(int objectIndex, std::string_view keyword) const {
    return Value(objectIndex, keyword).cod;
}

int BOC::Vcodid(int objectIndex, std::string_view keyword) const {
    const KeywordValue& v = Value(objectIndex, keyword);
    const Propiedad* def = Definition(objectIndex, keyword);
    if (def == nullptr) return kNoCode;
    for (const Codigo& c : def->codes)
        if (c.name == v.cod) return c.number;
    return kNoCode;
}

std::string BOC::Vcod(int objectIndex, std::string_view keyword, int n) const {
    Value(objectIndex, keyword);
    const Propiedad* def = Definition(objectIndex, keyword);
    if (def == nullptr || n < 1 || static_cast<std::size_t>(n) > def->codes.size()) return " ";
    return def->codes[static_cast<std::size_t>(n) - 1].name;
}

std::string BOC::Vref(int objectIndex, std::string_view keyword) const {
    return Value(objectIndex, keyword).ref;
}

int BOC::Vrefid(int objectIndex, std::string_view keyword) const {
    return Value(objectIndex, keyword).refid;
}

std::vector<double> BOC::Vlnum(int objectIndex, std::string_view keyword) const {
    return Value(objectIndex, keyword).lnum;
}

std::vector<double> BOC::Vlnum_Div(int objectIndex, std::string_view keyword, double d) const {
    if (d == 0)
        StopRun("[" + Object(objectIndex).name + "] " + std::string(keyword) +
                " attempt of division by 0\n");
    std::vector<double> items = Vlnum(objectIndex, keyword);
    for (double& x : items) x /= d;
    return items;
}

std::vector<double> BOC::Vlnum_Mul(int objectIndex, std::string_view keyword, double d) const {
    std::vector<double> items = Vlnum(objectIndex, keyword);
    for (double& x : items) x *= d;
    return items;
}

double BOC::V1lnum(int objectIndex, std::string_view keyword, int i) const {
    return Item(Object(objectIndex), keyword, Value(objectIndex, keyword).lnum, i);
}

int BOC::V1lint(int objectIndex, std::string_view keyword, int i) const {
    return TruncToInt(V1lnum(objectIndex, keyword, i));
}

std::vector<std::string> BOC::Vlref(int objectIndex, std::string_view keyword) const {
    return Value(objectIndex, keyword).lref;
}

std::string BOC::V1lref(int objectIndex, std::string_view keyword, int i) const {
    return Item(Object(objectIndex), keyword, Value(objectIndex, keyword).lref, i);
}

std::vector<int> BOC::Vlrefid(int objectIndex, std::string_view keyword) const {
    return Value(objectIndex, keyword).lrefid;
}

int BOC::KeywordLine(int objectIndex, std::string_view keyword) const {
    if (objectIndex < 0 || objectIndex >= static_cast<int>(objects.size())) return 0;
    const auto& keywords = objects[objectIndex].keywords;
    const auto it = keywords.find(keyword);
    return it == keywords.end() ? 0 : it->second.line;
}

std::vector<std::string> BOC::Vltext(int objectIndex, std::string_view keyword) const {
    return Value(objectIndex, keyword).ltext;
}

std::string BOC::V1ltext(int objectIndex, std::string_view keyword, int i) const {
    return Item(Object(objectIndex), keyword, Value(objectIndex, keyword).ltext, i);
}

void BOC::ModKey(int objectIndex, const std::string& keyword, const std::string& valueText) {
    ModKeyTracked(objectIndex, keyword, valueText, false);
}

void BOC::ModKeyInp(int objectIndex, const std::string& keyword, const std::string& valueText) {
    ModKeyTracked(objectIndex, keyword, valueText, true);
}

void BOC::ModKeyTracked(int objectIndex, const std::string& keyword, const std::string& valueText,
                        bool mark) {
    Object(objectIndex);
    const int c = objects[objectIndex].classNumber - 1;
    const int k = FindKey(c, keyword);
    if (k >= 0) {
        const Propiedad& def = classes[c].properties[k];
        KeywordValue value;
        value.Reset();
        value.Init(def.keyType, valueText);
        value.id = def.number;
        ComKeyExe(keyword, value, objectIndex, c, k);
        // The value changes whatever the check found; its positions are not
        // worked out again.
        auto& keywords = objects[objectIndex].keywords;
        const auto it = keywords.find(keyword);
        KeywordValue& stored = it == keywords.end()
                                   ? keywords.emplace(keyword, std::move(value)).first->second
                                   : it->second;
        if (it != keywords.end()) stored.Init(def.keyType, valueText);
        if (mark) stored.modified = true;
    } else {
        Serror& e = errors.AddError(kLevelAccess, kErrObjectUnknown, kFlagOwnText, objectIndex);
        e.name = keyword;
        e.text = "Unknown keyword: " + keyword;
    }
    if (!errors.errorList.empty()) {
        errors.AddEWC();
        Parar();
    }
}

std::string BOC::InpText(bool modifiedOnly) const {
    std::string version;
    if (!objects.empty()) {
        const auto it = objects.front().keywords.find("INTERFACE-VERSION");
        if (it != objects.front().keywords.end()) version = it->second.text;
    }
    std::string out = "$ \n$ Version " + version + "\n$ Notional input file for ZOLM \n$ \n";
    for (const BObject& o : objects) {
        out += "\"" + o.name + "\" = " + o.type + "   \n";
        const int c = o.classNumber - 1;
        for (const auto& [name, value] : o.keywords) {
            if (FindKey(c, name) < 0) continue;
            if (modifiedOnly && !value.modified) continue;
            // A blank value ("KEY = ") would not read back; left out, the
            // keyword is completed the same way when the text is read again.
            if (value.text.find_first_not_of(' ') == std::string::npos) continue;
            out += "   " + name;
            if (name.size() < kKeywordWidth) out.append(kKeywordWidth - name.size(), ' ');
            out += " = " + value.text + "\n";
        }
        out += "   ..\n";
    }
    return out;
}

void BOC::Write_INP(const std::string& fileName) const {
    WriteRunOutput(fileName, InpText(false));
}

void BOC::Write_INP_MOD(const std::string& fileName) const {
    WriteRunOutput(fileName, InpText(true));
}

std::string BOC::String_INP_MOD() const {
    return InpText(true);
}
