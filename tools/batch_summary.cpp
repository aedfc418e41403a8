#include "tools/batch_summary.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cfloat>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

using json = nlohmann::json;

// A text field: quoted when it holds a comma, a quote or a line break. A
// text that a spreadsheet would take for a formula (one starting with "=",
// "+", "-", "@", a tab or a carriage return: an address such as
// "=HYPERLINK(...)") gets a leading "'", which shows it as the text it is.
std::string CsvField(const std::string& text) {
    const bool formula = !text.empty() && std::strchr("=+-@\t\r", text[0]) != nullptr;
    const std::string s = formula ? "'" + text : text;
    if (s.find_first_of(",\"\r\n") == std::string::npos) return s;
    std::string out = "\"";
    for (char c : s) {
        if (c == '"') out += '"';
        out += c;
    }
    return out + "\"";
}

// The length of the well-formed UTF-8 sequence at `at`, 0 when there is none
// (a stray byte, an overlong form, a surrogate, past U+10FFFF, cut short).
std::size_t Utf8SequenceAt(const std::string& s, std::size_t at) {
    const auto byte = [&s](std::size_t i) { return static_cast<unsigned char>(s[i]); };
    const unsigned char c = byte(at);
    if (c < 0x80) return 1;
    std::size_t length = 0;
    unsigned char low = 0x80, high = 0xBF;  // the bounds of the second byte
    if (c >= 0xC2 && c <= 0xDF) {
        length = 2;
    } else if (c >= 0xE0 && c <= 0xEF) {
        length = 3;
        if (c == 0xE0) low = 0xA0;
        if (c == 0xED) high = 0x9F;
    } else if (c >= 0xF0 && c <= 0xF4) {
        length = 4;
        if (c == 0xF0) low = 0x90;
        if (c == 0xF4) high = 0x8F;
    } else {
        return 0;
    }
    if (s.size() - at < length || byte(at + 1) < low || byte(at + 1) > high) return 0;
    for (std::size_t i = 2; i < length; ++i)
        if (byte(at + i) < 0x80 || byte(at + i) > 0xBF) return 0;
    return length;
}

// A JSON string. A byte that is not part of well-formed UTF-8 (a file name
// of a folder that is not UTF-8) is written as the lone low surrogate
// \\udcXX, which most JSON readers take and no UTF-8 text can hold, so that
// ParseJsonLine gives back the very byte.
std::string JsonString(const std::string& s) {
    std::string out = "\"";
    for (std::size_t at = 0; at < s.size(); ++at) {
        const char ch = s[at];
        const unsigned char c = static_cast<unsigned char>(ch);
        if (c >= 0x80) {
            const std::size_t length = Utf8SequenceAt(s, at);
            if (length == 0) {
                char buf[8];
                std::snprintf(buf, sizeof buf, "\\udc%02x", c);
                out += buf;
            } else {
                out.append(s, at, length);
                at += length - 1;
            }
            continue;
        }
        switch (c) {
            case '"':
                out += "\\\"";
                break;
            case '\\':
                out += "\\\\";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\t':
                out += "\\t";
                break;
            default:
                if (c < 0x20) {
                    char buf[8];
                    std::snprintf(buf, sizeof buf, "\\u%04x", c);
                    out += buf;
                } else {
                    out += ch;
                }
        }
    }
    return out + "\"";
}

std::string JsonArray(const std::vector<std::string>& items) {
    std::string out = "[";
    for (std::size_t i = 0; i < items.size(); ++i) out += (i ? "," : "") + JsonString(items[i]);
    return out + "]";
}

// nlohmann's reader takes no lone low surrogate, and JsonString writes one
// (\udc80 to \udcff) for each byte that is not UTF-8. Before a line is read,
// each of those becomes the noncharacter U+FDD0 followed by the byte as
// U+0080 to U+00FF, and a U+FDD0 of the line itself (as it stands or
// escaped) becomes two, so that ByteMarksUndone can tell them apart.
const char kMark[] = "\xEF\xB7\x90";  // U+FDD0 in UTF-8
const char kMarkEscape[] = "\\ufdd0";

// The value of the four hex digits at `at`, -1 when there are no four there.
long Hex4At(const std::string& s, std::size_t at) {
    if (at > s.size() || s.size() - at < 4) return -1;
    long value = 0;
    for (std::size_t i = at; i < at + 4; ++i) {
        const char c = s[i];
        int digit = -1;
        if (c >= '0' && c <= '9') digit = c - '0';
        if (c >= 'a' && c <= 'f') digit = c - 'a' + 10;
        if (c >= 'A' && c <= 'F') digit = c - 'A' + 10;
        if (digit < 0) return -1;
        value = value * 16 + digit;
    }
    return value;
}

std::string WithByteMarks(const std::string& line) {
    std::string out;
    out.reserve(line.size());
    for (std::size_t at = 0; at < line.size();) {
        if (line.compare(at, 3, kMark) == 0) {
            out.append(kMarkEscape).append(kMarkEscape);
            at += 3;
            continue;
        }
        if (line.compare(at, 2, "\\u") != 0) {
            // Any other escape is copied whole, so that "\\" is never taken
            // for the start of one.
            const std::size_t length = line[at] == '\\' ? 2 : 1;
            out.append(line, at, length);
            at += length;
            continue;
        }
        const long code = Hex4At(line, at + 2);
        if (code >= 0xDC80 && code <= 0xDCFF) {
            out.append(kMarkEscape).append("\\u00").append(line, at + 4, 2);
        } else if (code == 0xFDD0) {
            out.append(kMarkEscape).append(kMarkEscape);
        } else if (code >= 0xD800 && code <= 0xDBFF && line.compare(at + 6, 2, "\\u") == 0) {
            // A high half and the escape after it, its low half, as they are.
            out.append(line, at, 12);
            at += 6;
        } else {
            out.append(line, at, 6);
        }
        at += 6;
    }
    return out;
}

// A text read from a line made by WithByteMarks, with its marks undone.
std::string ByteMarksUndone(const std::string& text) {
    if (text.find(kMark) == std::string::npos) return text;
    std::string out;
    for (std::size_t at = 0; at < text.size();) {
        if (text.compare(at, 3, kMark) == 0 && text.size() - at >= 5) {
            const auto lead = static_cast<unsigned char>(text[at + 3]);
            if (lead == 0xC2 || lead == 0xC3) {  // U+0080 to U+00FF
                out += static_cast<char>((lead & 0x03) << 6 | (text[at + 4] & 0x3F));
                at += 5;
                continue;
            }
            if (text.compare(at + 3, 3, kMark) == 0) {
                out += kMark;
                at += 6;
                continue;
            }
        }
        out += text[at++];
    }
    return out;
}

// A number as JSON writes it: the shortest text that reads back the same.
std::string NumberText(double value) {
    char buf[DBL_MAX_10_EXP + 32];
    for (const int digits : {15, 17}) {
        std::snprintf(buf, sizeof buf, "%.*g", digits, value);
        if (std::strtod(buf, nullptr) == value) break;
    }
    return buf;
}

// Seconds to the millisecond, always with room for any finite value.
std::string SecondsText(double s) {
    char buf[DBL_MAX_10_EXP + 32];
    std::snprintf(buf, sizeof buf, "%.3f", s);
    return buf;
}

// One column of a row: a text, a number (its text, or empty for none) or a
// list of texts.
struct Cell {
    enum Kind { kText, kNumber, kList } kind;
    std::string text;
    std::vector<std::string> list;
};

Cell Text(const std::string& s) {
    return {Cell::kText, s, {}};
}
Cell Number(const std::string& s) {
    return {Cell::kNumber, s, {}};
}

// The columns of a row, in order: the one place that names them, so the
// CSV and the JSON Lines cannot drift apart.
std::vector<std::pair<const char*, Cell>> Cells(const BatchRow& r) {
    return {
        {"input", Text(r.input)},
        {"status", Text(r.status)},
        {"attention", Text(r.attention)},
        {"exit_code", Number(r.exitCode ? std::to_string(*r.exitCode) : "")},
        {"validated", Text(r.validated)},
        {"jurisdiction", Text(r.jurisdiction)},
        {"uprn", Text(r.uprn)},
        {"address", Text(r.address)},
        {"postcode", Text(r.postcode)},
        {"asset_rating", Number(r.assetRating ? NumberText(*r.assetRating) : "")},
        {"band", Text(r.band)},
        {"rrn_certificate", Text(r.rrnCertificate)},
        {"rrn_recommendations", Text(r.rrnRecommendations)},
        {"message", Text(r.message)},
        {"outputs", {Cell::kList, "", r.outputs}},
        {"seconds", Number(SecondsText(r.seconds))},
        {"warnings", Number(std::to_string(r.warnings))},
        {"first_error", Text(r.firstError)},
        {"first_warning", Text(r.firstWarning)},
        {"fields_cut", {Cell::kList, "", r.fieldsCut}},
        {"input_md5", Text(r.inputDigest)},
    };
}

// A text, the marks of WithByteMarks undone.
bool ReadText(const json& value, std::string& out) {
    if (!value.is_string()) return false;
    out = ByteMarksUndone(value.get_ref<const std::string&>());
    return true;
}

bool ReadTexts(const json& value, std::vector<std::string>& out) {
    if (!value.is_array()) return false;
    out.clear();
    for (const json& item : value) {
        std::string text;
        if (!ReadText(item, text)) return false;
        out.push_back(std::move(text));
    }
    return true;
}

// A number; the reader takes none that is not finite.
bool ReadNumber(const json& value, double& out) {
    if (!value.is_number()) return false;
    out = value.get<double>();
    return true;
}

// A whole number that an int holds: converting any other is undefined.
bool ReadWhole(const json& value, int& out) {
    double number = 0;
    if (!ReadNumber(value, number) || number < INT_MIN || number > INT_MAX ||
        number != std::floor(number))
        return false;
    out = static_cast<int>(number);
    return true;
}

// The value of one column, read into the row.
bool ReadCell(const std::string& key, const json& value, BatchRow& row) {
    const std::map<std::string, std::string*> texts{
        {"input", &row.input},
        {"status", &row.status},
        {"attention", &row.attention},
        {"validated", &row.validated},
        {"jurisdiction", &row.jurisdiction},
        {"uprn", &row.uprn},
        {"address", &row.address},
        {"postcode", &row.postcode},
        {"band", &row.band},
        {"rrn_certificate", &row.rrnCertificate},
        {"rrn_recommendations", &row.rrnRecommendations},
        {"message", &row.message},
        {"first_error", &row.firstError},
        {"first_warning", &row.firstWarning},
        {"input_md5", &row.inputDigest},
    };
    const auto text = texts.find(key);
    if (text != texts.end()) return ReadText(value, *text->second);
    if (key == "outputs") return ReadTexts(value, row.outputs);
    if (key == "fields_cut") return ReadTexts(value, row.fieldsCut);
    if (key == "seconds") return ReadNumber(value, row.seconds);
    if (key == "warnings") return ReadWhole(value, row.warnings);
    if (key == "exit_code") {
        row.exitCode.reset();
        if (value.is_null()) return true;
        int code = 0;
        if (!ReadWhole(value, code)) return false;
        row.exitCode = code;
        return true;
    }
    if (key == "asset_rating") {
        row.assetRating.reset();
        if (value.is_null()) return true;
        double rating = 0;
        if (!ReadNumber(value, rating)) return false;
        row.assetRating = rating;
        return true;
    }
    return false;
}

// Known orders first, in that order; any other value after them, by name;
// "" last.
std::size_t Rank(const std::vector<std::string>& order, const std::string& value) {
    const auto at = std::find(order.begin(), order.end(), value);
    if (at != order.end()) return static_cast<std::size_t>(at - order.begin());
    return value.empty() ? order.size() + 1 : order.size();
}

const std::vector<std::string> kJurisdictionOrder{"England", "Wales", "Northern Ireland",
                                                  "Scotland"};
const std::vector<std::string> kBandOrder{
    "Carbon Neutral", "A+", "A", "B+", "B", "C+", "C", "D+", "D", "E+", "E", "F+", "F", "G+", "G"};

bool Before(const std::vector<std::string>& order, const std::string& a, const std::string& b) {
    const std::size_t ra = Rank(order, a), rb = Rank(order, b);
    return ra != rb ? ra < rb : a < b;
}

std::string Shown(const std::string& value) {
    return value.empty() ? "(none)" : value;
}

}  // namespace

std::string CsvHeader() {
    std::string out;
    for (const auto& [name, cell] : Cells(BatchRow()))
        out += (out.empty() ? "" : ",") + std::string(name);
    return out + "\n";
}

std::string CsvLine(const BatchRow& row) {
    std::string out;
    bool first = true;
    for (const auto& [name, cell] : Cells(row)) {
        if (!first) out += ',';
        first = false;
        if (cell.kind == Cell::kList) {
            std::string joined;
            for (const std::string& item : cell.list) joined += (joined.empty() ? "" : ";") + item;
            out += CsvField(joined);
        } else if (cell.kind == Cell::kNumber) {
            out += cell.text;  // a negative rating is a number, not a formula
        } else {
            out += CsvField(cell.text);
        }
    }
    return out + "\n";
}

std::string JsonLine(const BatchRow& row) {
    std::string out = "{";
    for (const auto& [name, cell] : Cells(row)) {
        out += (out.size() > 1 ? ",\"" : "\"") + std::string(name) + "\":";
        switch (cell.kind) {
            case Cell::kText:
                out += JsonString(cell.text);
                break;
            case Cell::kNumber:
                out += cell.text.empty() ? "null" : cell.text;
                break;
            case Cell::kList:
                out += JsonArray(cell.list);
                break;
        }
    }
    return out + "}\n";
}

bool ParseJsonLine(const std::string& line, BatchRow& row) {
    row = BatchRow();
    // Not a line of JSON: a discarded value, no exception.
    const json object = json::parse(WithByteMarks(line), nullptr, false);
    bool read = object.is_object();
    for (auto cell = object.begin(); read && cell != object.end(); ++cell)
        read = ReadCell(cell.key(), cell.value(), row);
    if (!read) row = BatchRow();
    return read;
}

void AddJournalLine(const std::string& line, Journal& journal) {
    if (line.empty()) return;
    if (line.size() > kJournalLineLimit) {
        ++journal.longLines;
        return;
    }
    BatchRow row;
    if (ParseJsonLine(line, row))
        journal.rows[row.input] = std::move(row);
    else
        ++journal.unreadLines;
}

Journal ReadJournalText(const std::string& text) {
    Journal journal;
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t end = text.find('\n', at);
        if (end == std::string::npos) break;  // cut short by a killed batch
        AddJournalLine(text.substr(at, end - at), journal);
        at = end + 1;
    }
    return journal;
}

std::vector<Total> Totals(const std::vector<BatchRow>& rows) {
    std::map<std::pair<std::string, std::string>, std::size_t> counts;
    for (const BatchRow& r : rows) ++counts[{r.jurisdiction, r.band}];
    std::vector<Total> totals;
    for (const auto& [key, n] : counts) totals.push_back({key.first, key.second, n});
    std::sort(totals.begin(), totals.end(), [](const Total& a, const Total& b) {
        if (a.jurisdiction != b.jurisdiction)
            return Before(kJurisdictionOrder, a.jurisdiction, b.jurisdiction);
        return Before(kBandOrder, a.band, b.band);
    });
    return totals;
}

std::string TotalsCsv(const std::vector<BatchRow>& rows) {
    std::string out = "jurisdiction,band,status,inputs\n";
    const std::vector<Total> totals = Totals(rows);
    for (std::size_t i = 0; i < totals.size(); ++i) {
        const Total& t = totals[i];
        out += CsvField(Shown(t.jurisdiction)) + "," + CsvField(Shown(t.band)) + ",(all)," +
               std::to_string(t.inputs) + "\n";
        std::size_t all = 0;
        for (const Total& u : totals)
            if (u.jurisdiction == t.jurisdiction) all += u.inputs;
        if (i + 1 == totals.size() || totals[i + 1].jurisdiction != t.jurisdiction)
            out += CsvField(Shown(t.jurisdiction)) + ",(all),(all)," + std::to_string(all) + "\n";
    }
    std::map<std::string, std::size_t> byStatus;
    for (const BatchRow& r : rows) ++byStatus[r.status];
    std::vector<std::pair<std::string, std::size_t>> statuses(byStatus.begin(), byStatus.end());
    const std::vector<std::string> order{status::kOk, status::kFailed, status::kNotRun,
                                         status::kMissing};
    std::stable_sort(statuses.begin(), statuses.end(), [&order](const auto& a, const auto& b) {
        return Rank(order, a.first) < Rank(order, b.first);
    });
    for (const auto& [name, n] : statuses)
        out += "(all),(all)," + CsvField(Shown(name)) + "," + std::to_string(n) + "\n";
    return out + "(all),(all),(all)," + std::to_string(rows.size()) + "\n";
}

std::string TotalsText(const std::vector<BatchRow>& rows) {
    std::string out;
    const std::vector<Total> totals = Totals(rows);
    for (std::size_t i = 0; i < totals.size();) {
        const std::string& j = totals[i].jurisdiction;
        std::string bands;
        std::size_t all = 0;
        for (; i < totals.size() && totals[i].jurisdiction == j; ++i) {
            all += totals[i].inputs;
            bands += (bands.empty() ? "" : ", ") + Shown(totals[i].band) + " " +
                     std::to_string(totals[i].inputs);
        }
        out += "  " + Shown(j) + ": " + std::to_string(all) + " (" + bands + ")\n";
    }
    return out;
}

bool MessageKeptApart(const BatchRow& row) {
    return !row.message.empty() && row.message != row.rrnCertificate + ".xml";
}
