#include "app/textutil.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <random>
#include <sstream>

#include "app/clock.h"
#include "tests/support/timezone.h"

namespace {

// Whatever the number, the text is the one a default stream writes.
TEST(Num2String, WritesWhatADefaultStreamWrites) {
    std::mt19937_64 random(11);
    std::vector<double> values{0.0,    -0.0,    1e300,        -1e-300,  123456.5, 1234567.0,
                               0.0001, 0.00001, std::nan(""), INFINITY, -INFINITY};
    for (int i = 0; i < 20000; ++i) {
        std::uint64_t bits = random();
        double v = 0;
        std::memcpy(&v, &bits, sizeof v);
        values.push_back(v);
        values.push_back(
            static_cast<double>(static_cast<std::int64_t>(random() % 2000001) - 1000000) / 1000);
        // Short decimals of every scale, most of a report's numbers, and
        // those of seven digits that must round.
        const auto digits = static_cast<double>(random() % 10000000);
        const double scale = std::pow(10.0, static_cast<double>(random() % 14) - 4);
        values.push_back(digits / scale);
        values.push_back(-digits * scale / 1e7);
    }
    for (double edge : {999999.0, 999999.4, 999999.5, 0.0001, 0.000099999, 0.00009999995, 99999.95,
                        0.1 + 0.2, 1.0 / 3, 2.675, 1e-4 * 3, 5e-5, 123456.0, 12345.65})
        values.insert(values.end(), {edge, -edge});
    for (double v : values) {
        std::ostringstream out;
        out << v;
        EXPECT_EQ(num2string(v, -1), out.str());
    }
}

// The texts "%g" gives, written out: ties, the edges of fixed notation,
// six digits that round up into a seventh, zeros and what is not a number.
TEST(Num2String, AwkwardValuesAsPercentGWritesThem) {
    const struct {
        double value;
        const char* expected;
    } cases[] = {
        {0.0, "0"},
        {-0.0, "-0"},
        {1e-5, "1e-05"},
        {-2.5e-7, "-2.5e-07"},
        {0.0001, "0.0001"},
        {0.00009999995, "0.0001"},
        {1e-4 * 3, "0.0003"},
        {0.1 + 0.2, "0.3"},
        {1.0 / 3, "0.333333"},
        {2.675, "2.675"},
        {12345.65, "12345.6"},  // the double lies just below the half
        {123456.5, "123456"},   // a tie goes to the even digit
        {123457.5, "123458"},
        {999999.4, "999999"},
        {999999.5, "1e+06"},
        {123456789.0, "1.23457e+08"},
        {-1234567.891, "-1.23457e+06"},
        {1e16, "1e+16"},
        {DBL_MAX, "1.79769e+308"},
        {DBL_MIN, "2.22507e-308"},
        {std::numeric_limits<double>::denorm_min(), "4.94066e-324"},
        {std::numeric_limits<double>::infinity(), "inf"},
        {-std::numeric_limits<double>::infinity(), "-inf"},
        {std::numeric_limits<double>::quiet_NaN(), "nan"},
        {-std::numeric_limits<double>::quiet_NaN(), "-nan"},
    };
    for (const auto& c : cases) EXPECT_EQ(num2string(c.value, -1), c.expected) << c.expected;
}

TEST(Num2String, RoundsHalfAwayFromZeroAndWritesLikeAStream) {
    struct Case {
        double value;
        int decimals;
        const char* expected;
    } cases[] = {
        {3.14159, 2, "3.14"},
        {2.5, 2, "2.5"},
        {2.0, 2, "2"},
        {1234567.891, 2, "1.23457e+06"},
        {0.125, 2, "0.13"},
        {-0.125, 2, "-0.13"},
        {-0.005, 2, "-0.01"},
        {2.5, 0, "3"},
        {-2.5, 0, "-3"},
        {123.456, -1, "123.456"},
        {0.0001234, -1, "0.0001234"},
        {0.00001234, -1, "1.234e-05"},
        {999999.4, 0, "999999"},
        {1000000, 0, "1e+06"},
        {37.5, 1, "37.5"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(num2string(c.value, c.decimals), c.expected) << c.value << " " << c.decimals;
}

TEST(Quotes, StripAndReset) {
    EXPECT_EQ(StripQuotes("\"\"\"\""), "");
    EXPECT_EQ(StripQuotes("a\"b\"c"), "abc");
    EXPECT_EQ(ResetQuotes("a &lt;b&gt; &quot;c&quot;"), "a <b> &quot;c&quot;");
    EXPECT_EQ(ResetQuotes("&amp;amp;"), "&");
    EXPECT_EQ(ResetQuotes("&amp;apos; \"q\" &#233;"), "' q &#233;");
}

// ResetQuotes reads in one pass; it must give what replacing the leftmost
// reference again and again gives, nested and adjacent forms included.
TEST(ResetQuotes, MatchesRepeatedLeftmostReplacement) {
    const auto slow = [](std::string s) {
        const std::pair<std::string, std::string> refs[] = {
            {"&amp;", "&"}, {"&apos;", "'"}, {"&lt;", "<"}, {"&gt;", ">"}};
        for (const auto& [ref, ch] : refs)
            for (auto pos = s.find(ref); pos != std::string::npos; pos = s.find(ref))
                s.replace(pos, ref.size(), ch);
        return StripQuotes(s);
    };
    const std::string pieces[] = {"&",    "amp;", "apos;", "lt;", "gt;", "a", ";",  "\"",
                                  "&amp", "l",    "t",     "p",   "m",   "g", "os;"};
    std::mt19937 random(15);
    for (int n = 0; n < 20000; ++n) {
        std::string text;
        const int length = static_cast<int>(random() % 12);
        for (int k = 0; k < length; ++k) text += pieces[random() % std::size(pieces)];
        ASSERT_EQ(ResetQuotes(text), slow(text)) << text;
    }
}

TEST(StripXMLQuotes, WritesEveryByteAsItsTableSays) {
    EXPECT_EQ(StripXMLQuotes("\"\xA3"
                             "5 & x\""),
              "&#163;5 &amp; x");
    EXPECT_EQ(StripXMLQuotes("<a b='c'>"), "&lt;a b=&apos;c&apos;&gt;");
    EXPECT_EQ(StripXMLQuotes(std::string("\t\n\x01", 3)), std::string("\t\n\x01", 3));

    // Windows-1252's characters at 0x80..0x9F, by code point; 0 where "?" is written.
    const int high[32] = {8364, 0,    8218, 402,  8222, 8230, 8224, 8225, 710,  8240, 352,
                          8249, 338,  0,    0,    0,    0,    8216, 8217, 8220, 8221, 8226,
                          8211, 8212, 732,  8482, 353,  8250, 339,  0,    0,    376};
    for (int b = 0x80; b <= 0xFF; ++b) {
        std::string expected;
        if (b <= 0x9F)
            expected = high[b - 0x80] ? "&#" + std::to_string(high[b - 0x80]) + ";" : "?";
        else if (b == 0xA0 || b == 0xAD)
            expected = "?";
        else
            expected = "&#" + std::to_string(b) + ";";
        EXPECT_EQ(StripXMLQuotes(std::string(1, static_cast<char>(b))), expected) << b;
    }
    for (int b = 0; b < 0x80; ++b) {
        if (b == '"' || b == '&' || b == '\'' || b == '<' || b == '>') continue;
        EXPECT_EQ(StripXMLQuotes(std::string(1, static_cast<char>(b))),
                  std::string(1, static_cast<char>(b)));
    }
}

TEST(FCreateDate, NormalisesOutOfRangeParts) {
    SetRunClock(1700000000);  // any fixed moment: only the time of day is kept
    EXPECT_EQ(fCreateDate(2009, 2, 29, true), "2009-03-01");
    EXPECT_EQ(fCreateDate(2009, 3, 7, false), "090307");
    EXPECT_EQ(fCreateDate(2024, 13, 1, true), "2025-01-01");
    EXPECT_EQ(fCreateDate(2024, 3, 0, true), "2024-02-29");
    EXPECT_EQ(fCreateDate(2028, 2, 29, true), "2028-02-29");
    SetRunClockSystem();
}

// Summer time at the run must not move a winter date, nor the other way round.
TEST(FCreateDate, DaylightSavingOfTheRunDoesNotMoveTheDate) {
    const TimeZone london("Europe/London");
    struct Case {
        std::time_t run;
        int year, month, day;
        const char* iso;
        const char* shortForm;
    } cases[] = {
        {LocalMoment(2026, 7, 15, 0, 30), 2026, 1, 10, "2026-01-10", "260110"},
        {LocalMoment(2026, 1, 15, 23, 30), 2026, 7, 10, "2026-07-10", "260710"},
        {LocalMoment(2026, 3, 29, 1, 30), 2026, 10, 25, "2026-10-25", "261025"},
        {LocalMoment(2026, 10, 25, 0, 30), 2026, 3, 29, "2026-03-29", "260329"},
    };
    for (const auto& c : cases) {
        SetRunClock(c.run);
        EXPECT_EQ(fCreateDate(c.year, c.month, c.day, true), c.iso);
        EXPECT_EQ(fCreateDate(c.year, c.month, c.day, false), c.shortForm);
    }
    SetRunClockSystem();
}

TEST(CalendarDay, NormalisesAcrossMonthsAndYears) {
    struct Case {
        int year, month, day;
        const char* iso;
    } cases[] = {
        {2024, 0, 1, "2023-12-01"},  {2024, -11, 1, "2023-01-01"}, {2024, -12, 1, "2022-12-01"},
        {2024, 25, 1, "2026-01-01"}, {2024, 1, 366, "2024-12-31"}, {2023, 1, -30, "2022-12-01"},
        {2100, 2, 29, "2100-03-01"}, {2000, 2, 29, "2000-02-29"},  {2036, 3, 0, "2036-02-29"},
    };
    for (const auto& c : cases) EXPECT_EQ(fCreateDate(c.year, c.month, c.day, true), c.iso);
    const std::tm t = CalendarDay(2026, 12, 10);
    EXPECT_EQ(t.tm_wday, 4);  // a Thursday
    EXPECT_EQ(t.tm_yday, 343);
}

// Lines cut in memory are the lines std::getline gives of a stream, each
// without a CR before its end; a CR elsewhere stays.
TEST(TextLines, CutAsAStreamIsWithCarriageReturnsBeforeLineEndsDropped) {
    TextLines windows("one\r\ntwo\n\r\nthree\rx");
    std::string line;
    std::vector<std::string> cut;
    while (windows.Next(line)) cut.push_back(line);
    EXPECT_EQ(cut, (std::vector<std::string>{"one", "two", "", "three\rx"}));

    std::mt19937 random(7);
    const char pieces[] = {'a', ' ', '\r', '\n', '\0'};
    for (int i = 0; i < 3000; ++i) {
        std::string text;
        const int length = static_cast<int>(random() % 12);
        for (int j = 0; j < length; ++j) text += pieces[random() % sizeof pieces];
        std::istringstream in(text);
        std::vector<std::string> expected;
        while (std::getline(in, line)) {
            if (!line.empty() && line.back() == '\r') line.pop_back();
            expected.push_back(line);
        }
        TextLines lines(text);
        std::vector<std::string> got;
        while (lines.Next(line)) got.push_back(line);
        EXPECT_EQ(got, expected);
        EXPECT_TRUE(lines.rest().empty());
    }
    std::istringstream in(std::string(100000, 'x') + "\nend");
    std::string rest;
    ASSERT_TRUE(ReadRest(in, rest));
    EXPECT_EQ(rest.size(), 100004u);
}

}  // namespace
