#include "boc/keyword.h"

namespace {
constexpr std::size_t kLastItemLimit = 100;

// Replaces each item by the text between its first two double quotes, up to
// the first item that does not hold two: that one and the rest stay as written.
void Unquote(std::vector<std::string>& items) {
    for (std::string& item : items) {
        const std::size_t q1 = item.find('"');
        const std::size_t q2 = q1 == std::string::npos ? q1 : item.find('"', q1 + 1);
        if (q2 == std::string::npos) return;
        item = item.substr(q1 + 1, q2 - q1 - 1);
    }
}

// Sets a text to a single blank; one that is a blank already (a value just
// made, most of them) is left as it is.
void SetBlank(std::string& text) {
    if (text.size() != 1 || text[0] != ' ') text.assign(1, ' ');
}
}  // namespace

std::vector<std::string> SplitListItems(const std::string& valueText) {
    const std::string inner =
        valueText.size() >= 2 ? valueText.substr(1, valueText.size() - 2) : std::string();
    std::vector<std::string> items;
    std::size_t start = 0;
    for (std::size_t comma = inner.find(','); comma != std::string::npos;
         comma = inner.find(',', start)) {
        items.push_back(inner.substr(start, comma - start));
        start = comma + 1;
    }
    items.push_back(inner.substr(start, kLastItemLimit));
    return items;
}

void KeywordValue::Reset() {
    type = 0;
    num = 0;
    SetBlank(text);
    SetBlank(ref);
    SetBlank(cod);
    refid = 0;
    codid = 0;
    lnum.clear();
    lref.clear();
    ltext.clear();
    lrefid.clear();
}

void KeywordValue::Init(int valueType, const std::string& valueText) {
    Reset();
    type = valueType;
    text = valueText;
    switch (valueType) {
        case kTypeNum:
            num = TextToDouble(valueText);
            break;
        case kTypeRef:
            ref = valueText.size() >= 2 ? valueText.substr(1, valueText.size() - 2) : std::string();
            break;
        case kTypeCod:
            cod = valueText;
            break;
        case kTypeLnum:
            pLNUM(valueText);
            break;
        case kTypeLref:
            pLREF(valueText);
            break;
        case kTypeLtext:
            pLTEXT(valueText);
            break;
        default:
            break;
    }
}

void KeywordValue::pLNUM(const std::string& valueText) {
    for (const std::string& item : SplitListItems(valueText)) lnum.push_back(TextToDouble(item));
}

void KeywordValue::pLREF(const std::string& valueText) {
    std::vector<std::string> items = SplitListItems(valueText);
    Unquote(items);
    lref.insert(lref.end(), items.begin(), items.end());
}

void KeywordValue::pLTEXT(const std::string& valueText) {
    std::vector<std::string> items = SplitListItems(valueText);
    Unquote(items);
    ltext.insert(ltext.end(), items.begin(), items.end());
}

void BObject::Reset() {
    name = " ";
    type = " ";
    classNumber = 0;
    keywords.clear();
    lines.clear();
}
