#include "boc/scanner.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <cstdlib>

#include "app/textutil.h"

namespace {
constexpr std::size_t kNpos = std::string::npos;
constexpr std::size_t kCommentLimit = 1000;
constexpr std::size_t kClassNameLimit = 100;

// A plain whole number of at most nine digits, with or without a minus sign
// ("-6666", most numbers of the library definition): its digits' value and
// sign. strtol and strtod read exactly this from it; false for any other
// text, which they are left to read.
bool PlainWhole(std::string_view text, long& digits, bool& negative) {
    negative = !text.empty() && text[0] == '-';
    const std::string_view rest = text.substr(negative ? 1 : 0);
    if (rest.size() > 9) return false;
    // Unsigned: from_chars takes no sign of its own then (no "--5").
    unsigned long value = 0;
    const char* end = rest.data() + rest.size();
    const std::from_chars_result read = std::from_chars(rest.data(), end, value);
    if (read.ec != std::errc() || read.ptr != end) return false;
    digits = static_cast<long>(value);
    return true;
}
}  // namespace

int TextToInt(std::string_view text) {
    long digits = 0;
    bool negative = false;
    if (PlainWhole(text, digits, negative)) return static_cast<int>(negative ? -digits : digits);
    const long v = std::strtol(std::string(text).c_str(), nullptr, 10);
    if (v > INT_MAX) return INT_MAX;
    if (v < INT_MIN) return INT_MIN;
    return static_cast<int>(v);
}

double TextToDouble(std::string_view text) {
    long digits = 0;
    bool negative = false;
    if (PlainWhole(text, digits, negative)) {
        // "-0" is negative zero, as strtod reads it.
        const auto value = static_cast<double>(digits);
        return negative ? -value : value;
    }
    return std::strtod(std::string(text).c_str(), nullptr);
}

bool IsWholeNumber(std::string_view text) {
    std::size_t at = 0;
    const auto skipBlanks = [&] {
        while (at < text.size() && (text[at] == ' ' || text[at] == '\t')) ++at;
    };
    const auto digits = [&] {
        const std::size_t from = at;
        while (at < text.size() && text[at] >= '0' && text[at] <= '9') ++at;
        return at - from;
    };
    skipBlanks();
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) ++at;
    std::size_t mantissa = digits();
    if (at < text.size() && text[at] == '.') {
        ++at;
        mantissa += digits();
    }
    if (mantissa == 0) return false;
    if (at < text.size() && (text[at] == 'e' || text[at] == 'E')) {
        ++at;
        if (at < text.size() && (text[at] == '+' || text[at] == '-')) ++at;
        if (digits() == 0) return false;
    }
    skipBlanks();
    return at == text.size();
}

void SLINE::Load(std::string line) {
    raw = std::move(line);
    textLength_ = raw.size();
    out.clear();
}

void SLINE::pComments() {
    const std::size_t first = raw.find_first_not_of(' ');
    // A line of blanks counts as empty: blank lines may stand anywhere.
    if (first == kNpos || raw[first] == '$') {
        kind = kLineEmpty;
        comment = raw.substr(0, kCommentLimit);
        return;
    }
    // With no "$" after its start the line has no comment: only the quotes'
    // balance is left to tell.
    if (raw.find('$', first) == kNpos) {
        const bool odd = std::count(raw.begin(), raw.end(), '"') % 2 != 0;
        kind = odd ? kLineBad : kLinePlain;
        if (odd)
            err = kScanBadSyntax;
        else
            textLength_ = raw.size();
        return;
    }
    bool quoted = false;
    for (std::size_t i = 0; i < raw.size(); ++i) {
        const char c = raw[i];
        if (c == '"') {
            quoted = !quoted;
        } else if (c == '$' && !quoted) {
            kind = kLineCommented;
            comment = raw.substr(i, kCommentLimit);
            // i >= 1: the first non-blank character comes before this "$".
            textLength_ = i - 1;
            return;
        }
    }
    if (quoted) {
        kind = kLineBad;
        err = kScanBadSyntax;
    } else {
        kind = kLinePlain;
        textLength_ = raw.size();
    }
}

void SLINE::pLibrary() {
    const std::string_view text = this->text();
    const std::size_t a = text.find_first_not_of(' ');
    if (a == kNpos) return;
    const std::size_t b = text.find(' ', a);
    if (b == kNpos) return;
    if (text.compare(a, b - a, "LIBRARY-ENTRY") != 0) return;
    const std::size_t eq = text.find('=', b + 1);
    const std::size_t q1 = eq == kNpos ? kNpos : text.find('"', eq + 1);
    const std::size_t q2 = q1 == kNpos ? kNpos : text.find('"', q1 + 1);
    if (q2 == kNpos) {
        kind = kLineBad;
        err = kScanBadSyntax;
        return;
    }
    if (LibFind(std::string(text.substr(q1 + 1, q2 - q1 - 1)), "file") >= 0) {
        kind = kLineLibrary;
        err = kScanOk;
    } else {
        kind = kLineBad;
        err = kScanNotInLibrary;
    }
}

bool SLINE::ObjEnd() const {
    const std::string_view text = this->text();
    const std::size_t f = text.find_first_not_of(' ');
    return f != kNpos && f >= 1 && text.compare(f, 2, "..") == 0;
}

void SLINE::pObj() {
    const std::string_view text = this->text();
    const std::size_t q1 = text.find('"');
    const std::size_t q2 = q1 == kNpos ? kNpos : text.find('"', q1 + 1);
    const std::size_t eq = q2 == kNpos ? kNpos : text.find('=', q2 + 1);
    const std::size_t t1 = eq == kNpos ? kNpos : text.find_first_not_of(' ', eq + 1);
    if (t1 == kNpos) {
        kind = kLineBad;
        err = kScanBadSyntax;
        return;
    }
    const std::size_t t2 = text.find(' ', t1 + 1);
    err = kScanOk;
    objName = std::string(text.substr(q1 + 1, q2 - q1 - 1));
    objType =
        std::string(t2 == kNpos ? text.substr(t1, kClassNameLimit) : text.substr(t1, t2 - t1));
}

int SLINE::pKey() {
    const std::string_view text = this->text();
    const std::size_t k1 = text.find_first_not_of(' ');
    const std::size_t k2 = k1 == kNpos ? kNpos : text.find(' ', k1);
    const std::size_t eq = k2 == kNpos ? kNpos : text.find('=', k2 + 1);
    const std::size_t v = eq == kNpos ? kNpos : text.find_first_not_of(' ', eq + 1);
    if (v == kNpos) {
        kind = kLineBad;
        err = kScanBadSyntax;
        return 0;
    }
    err = kScanOk;
    keyword = std::string(text.substr(k1, k2 - k1));
    const std::size_t last = text.find_last_not_of(' ');
    value = std::string(text.substr(v, last - v + 1));
    return value.front() == '(' && value.back() != ')' ? 1 : 0;
}

int SLINE::cKey() {
    const std::string_view text = this->text();
    kind = kLineContinued;
    const std::size_t f = text.find_first_not_of(' ');
    const std::size_t l = text.find_last_not_of(' ');
    // The last non-blank is looked for down to index 1 only.
    if (f == kNpos || l == kNpos || l < 1 || f >= l) {
        err = kScanBadSyntax;
        return 0;
    }
    err = kScanOk;
    value = " ";
    value += text.substr(f, l - f + 1);
    return value.back() == ')' ? 0 : 1;
}

int SLINE::LibFind(const std::string& /*name*/, const char* /*what*/) const {
    return 1;
}

std::string_view CSVLINE::Field(std::size_t i) const {
    if (i >= fields.size()) return std::string_view();
    return std::string_view(line).substr(fields[i].start, fields[i].length);
}

void CSVLINE::Init() {
    // Nothing of a line read before stays: a record sets only what it holds.
    kind = kCsvComment;
    number = 0;
    name.clear();
    keyType = 0;
    defaultText.clear();
    refType.clear();
    byKeyword = false;
    bounds.fill(kNoLimit);
    note.clear();
    minCount = 0;
    maxCount = 0;
    classNote.clear();
    fields.clear();
    // Every piece that a comma ends is a field; the text after the last comma
    // is not. A record that reads line after line keeps its list's room.
    std::size_t start = 0;
    for (std::size_t comma = line.find(','); comma != kNpos; comma = line.find(',', start)) {
        fields.push_back(Span{start, comma - start});
        start = comma + 1;
    }
    if (Field(0) == "$") {
        kind = kCsvComment;
        return;
    }
    switch (TextToInt(Field(1))) {
        case kCsvClass:
            pObj();
            break;
        case kCsvKeyword:
            pKey();
            break;
        case kCsvCode:
            pCod();
            break;
        default:
            // Not a record: passed over like a comment.
            kind = kCsvComment;
            break;
    }
}

void CSVLINE::pObj() {
    kind = kCsvClass;
    number = TextToInt(Field(2));
    name = std::string(Field(3));
    minCount = TextToInt(Field(4));
    maxCount = TextToInt(Field(5));
    classNote = std::string(Field(6));
}

void CSVLINE::pKey() {
    kind = kCsvKeyword;
    number = TextToInt(Field(2));
    name = std::string(Field(3));
    keyType = TextToInt(Field(4));
    defaultText = std::string(Field(5));
    if (keyType == 1 || keyType == 5) {
        bounds[0] = TextToDouble(Field(6));
    } else {
        refType = std::string(Field(6));
        byKeyword = Field(7) == "K";
    }
    for (std::size_t b = 1; b < 6; ++b) bounds[b] = TextToDouble(Field(6 + b));
    note = std::string(Field(12));
}

void CSVLINE::pCod() {
    kind = kCsvCode;
    number = TextToInt(Field(2));
    name = std::string(Field(3));
}
