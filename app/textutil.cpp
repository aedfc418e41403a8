#include "app/textutil.h"

#include <cstdlib>

#include <cmath>
#include <cstdio>
#include <ctime>
#include <iostream>
#include <sstream>

#include "app/encoding.h"
#include "app/stop.h"

std::string num2string(double value, int decimals) {
    if (decimals >= 0) {
        const double p = std::pow(10.0, decimals);
        value = std::round(value * p) / p;
    }
    // What a stream writes for a double by default ("%.6g" in the C locale),
    // without building a stream for each number.
    char text[32];
    const int n = std::snprintf(text, sizeof text, "%g", value);
    return std::string(text, n > 0 ? static_cast<std::size_t>(n) : 0);
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
        } else if (b <= 0x9F && kCp1252High[b - 0x80] != 0 && b != 0x8E && b != 0x9E) {
            // Z and z with caron (0x8E, 0x9E) are the exception, written as
            // "?": the message's escaping of a Windows-1252 text has always
            // left them out, and a message must read as it always did. (Ž and
            // ž of a UTF-8 input are references: EncodeText.)
            out += "&#" + std::to_string(static_cast<unsigned long>(kCp1252High[b - 0x80])) + ";";
        } else {
            out += '?';
        }
    }
    return out;
}

namespace {

// Days since 1970-01-01 of a proleptic Gregorian date (month 1 to 12, any day).
long long DaysFromCivil(long long y, long long m, long long d) {
    y -= m <= 2;
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const long long yoe = y - era * 400;
    const long long doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const long long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

void CivilFromDays(long long z, long long& y, int& m, int& d) {
    z += 719468;
    const long long era = (z >= 0 ? z : z - 146096) / 146097;
    const long long doe = z - era * 146097;
    const long long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const long long mp = (5 * doy + 2) / 153;
    d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    y = yoe + era * 400 + (m <= 2);
}

}  // namespace

std::tm CalendarDay(int year, int month, int day) {
    // Months first (13 is January of the next year), then days from the
    // month's first (0 is the last day of the month before).
    long long m0 = static_cast<long long>(month) - 1;
    const long long carry = m0 >= 0 ? m0 / 12 : -((11 - m0) / 12);  // floor(m0 / 12)
    long long y = year + carry;
    m0 -= carry * 12;
    const long long days = DaysFromCivil(y, m0 + 1, 1) + (static_cast<long long>(day) - 1);
    int m = 1;
    int d = 1;
    CivilFromDays(days, y, m, d);
    std::tm t{};
    t.tm_year = static_cast<int>(y - 1900);
    t.tm_mon = m - 1;
    t.tm_mday = d;
    t.tm_hour = 12;
    t.tm_isdst = 0;
    // 1970-01-01 was a Thursday.
    t.tm_wday = static_cast<int>(((days % 7) + 7 + 4) % 7);
    t.tm_yday = static_cast<int>(days - DaysFromCivil(y, 1, 1));
    return t;
}

std::string fCreateDate(int year, int month, int day, bool iso) {
    // The calendar alone: the time zone and daylight saving of the run's
    // clock must not move the date by a day.
    const std::tm t = CalendarDay(year, month, day);
    char buf[80];
    if (std::strftime(buf, sizeof buf, iso ? "%Y-%m-%d" : "%y%m%d", &t) == 0) return "";
    return buf;
}

bool ReadRest(std::istream& in, std::string& bytes) {
    bytes.clear();
    char block[65536];
    while (in.read(block, sizeof block) || in.gcount() > 0)
        bytes.append(block, static_cast<std::size_t>(in.gcount()));
    return !in.bad();
}

bool TextLines::Next(std::string& line) {
    if (at_ >= text_.size()) return false;
    const std::size_t end = text_.find('\n', at_);
    const std::size_t stop = end == std::string_view::npos ? text_.size() : end;
    std::size_t length = stop - at_;
    if (length > 0 && text_[stop - 1] == '\r') --length;
    line.assign(text_.data() + at_, length);
    at_ = end == std::string_view::npos ? text_.size() : end + 1;
    return true;
}
