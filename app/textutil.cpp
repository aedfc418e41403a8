#include "app/textutil.h"

#include <cmath>
#include <cstdio>
#include <ctime>
#include <iostream>
#include <sstream>

#include "app/clock.h"
#include "app/stop.h"

std::string num2string(double value, int decimals) {
    std::ostringstream out;
    if (decimals < 0) {
        out << value;
    } else {
        const double p = std::pow(10.0, decimals);
        out << std::round(value * p) / p;
    }
    return out.str();
}

std::string StripQuotes(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text)
        if (c != '"') out += c;
    return out;
}

namespace {
// Replaces every `ref` by `ch` as repeated leftmost replacement would, so that
// nested forms such as "&amp;amp;" collapse fully, in one pass: the text is
// copied out and the copy's tail reduced whenever it ends with `ref`. A
// reference ends with ';' and holds '&' only first, so a reduction never
// exposes an earlier match, and the leftmost match is the first to end.
std::string ReplaceAllNested(const std::string& text, const std::string& ref, char ch) {
    if (text.find(ref) == std::string::npos) return text;
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        out += c;
        if (c == ref.back() && out.size() >= ref.size() &&
            out.compare(out.size() - ref.size(), ref.size(), ref) == 0) {
            out.resize(out.size() - ref.size());
            out += ch;
        }
    }
    return out;
}
}  // namespace

std::string ResetQuotes(const std::string& text) {
    static const std::pair<const char*, char> kRefs[] = {
        {"&amp;", '&'}, {"&apos;", '\''}, {"&lt;", '<'}, {"&gt;", '>'}};
    std::string s = text;
    for (const auto& [ref, ch] : kRefs) s = ReplaceAllNested(s, ref, ch);
    return StripQuotes(s);
}

namespace {
// Unicode code points of Windows-1252's bytes 0x80 to 0x9F; 0 where the code
// page defines no character (or where the byte is written as "?" anyway).
constexpr int kCp1252High[32] = {8364, 0,    8218, 402,  8222, 8230, 8224, 8225, 710,  8240, 352,
                                 8249, 338,  0,    0,    0,    0,    8216, 8217, 8220, 8221, 8226,
                                 8211, 8212, 732,  8482, 353,  8250, 339,  0,    0,    376};
}  // namespace

std::string StripXMLQuotes(const std::string& text) {
    std::string out;
    out.reserve(text.size() + text.size() / 4);
    for (char ch : text) {
        const auto b = static_cast<unsigned char>(ch);
        switch (b) {
            case '"':
                continue;
            case '&':
                out += "&amp;";
                continue;
            case '\'':
                out += "&apos;";
                continue;
            case '<':
                out += "&lt;";
                continue;
            case '>':
                out += "&gt;";
                continue;
            default:
                break;
        }
        if (b < 0x80) {
            out += ch;
        } else if (b >= 0xA1 && b != 0xAD) {
            out += "&#" + std::to_string(b) + ";";
        } else if (b <= 0x9F && kCp1252High[b - 0x80] != 0) {
            out += "&#" + std::to_string(kCp1252High[b - 0x80]) + ";";
        } else {
            out += '?';
        }
    }
    return out;
}

std::string fCreateDate(int year, int month, int day, bool iso) {
    std::tm tmv = RunLocalTime();
    tmv.tm_year = year - 1900;
    tmv.tm_mon = month - 1;
    tmv.tm_mday = day;
    std::mktime(&tmv);
    char buf[80];
    if (std::strftime(buf, sizeof buf, iso ? "%Y-%m-%d" : "%y%m%d", &tmv) == 0) return "";
    return buf;
}

namespace {
[[noreturn]] void CouldNotOpen(const std::string& name) {
    std::fprintf(stderr, "Could not open file %s\n", name.c_str());
    EndProcess(1);
}
}  // namespace

void assure(const std::ifstream& in, const std::string& name) {
    if (!in) CouldNotOpen(name);
}

void assure(const std::ofstream& out, const std::string& name) {
    if (!out) CouldNotOpen(name);
}

void xml_filecheck(const std::ifstream& in, bool& ok) {
    ok = static_cast<bool>(in);
}

bool GetTextLine(std::istream& in, std::string& line) {
    if (!std::getline(in, line)) return false;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return true;
}
