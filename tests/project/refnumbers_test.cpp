#include "project/refnumbers.h"

#include <gtest/gtest.h>

namespace {

TEST(ReportReference, WorkedExampleForBothDocuments) {
    EXPECT_EQ(MakeReportReference("123456789012", "240131", kRrnCertificateDigit),
              "2182-3079-9443-1602-9575");
    EXPECT_EQ(MakeReportReference("123456789012", "240131", kRrnRecommendationsDigit),
              "0912-9644-8432-2779-5106");
}

TEST(ReportReference, EveryCheckDigitUsesItsScrambleAndKeepsTheDigits) {
    // Walk dates until every check digit 0..6 has been seen; each number must be a
    // permutation of the joined digits plus the check digit, and the same inputs
    // must give the same number.
    bool seen[7] = {};
    for (int day = 1; day <= 28; ++day) {
        char date[16];  // room for any int, as the compiler cannot see day <= 28 at every
                        // optimisation level
        std::snprintf(date, sizeof date, "2403%02d", day);
        const std::string rrn = MakeReportReference("000011112222", date, '3');
        ASSERT_EQ(rrn.size(), 24u);
        for (int i : {4, 9, 14, 19}) EXPECT_EQ(rrn[i], '-');
        std::string digits;
        for (char c : rrn)
            if (c != '-') digits += c;
        seen[digits[19] - '0'] = true;
        EXPECT_EQ(rrn, MakeReportReference("000011112222", date, '3'));
        EXPECT_NE(rrn, MakeReportReference("000011112222", date, '4'));
    }
    for (bool s : seen) EXPECT_TRUE(s);
}

TEST(ReportReference, MalformedInputsStayInRange) {
    EXPECT_EQ(MakeReportReference("", "", '3').size(), 24u);
    EXPECT_EQ(MakeReportReference("abcdefghijklmnop", "xyz", '3').size(), 24u);
}

std::tm Day(int y, int m, int d) {
    std::tm t{};
    t.tm_year = y - 1900;
    t.tm_mon = m - 1;
    t.tm_mday = d;
    t.tm_hour = 10;
    t.tm_isdst = -1;
    std::mktime(&t);
    return t;
}

TEST(RunDates, TenYearsLessOneDay) {
    struct Case {
        std::tm day;
        const char* iso;
        const char* shortDate;
        const char* issue;
        const char* untilIso;
        const char* until;
    } cases[] = {
        {Day(2026, 12, 4), "2026-12-04", "261204", "04 Dec 2026", "2036-12-03", "03 Dec 2036"},
        {Day(2028, 2, 29), "2028-02-29", "280229", "29 Feb 2028", "2038-02-28", "28 Feb 2038"},
        {Day(2028, 3, 1), "2028-03-01", "280301", "01 Mar 2028", "2038-02-28", "28 Feb 2038"},
        {Day(2027, 1, 1), "2027-01-01", "270101", "01 Jan 2027", "2036-12-31", "31 Dec 2036"},
    };
    for (const auto& c : cases) {
        const RunDates d = MakeRunDates(c.day);
        EXPECT_EQ(d.todayIso, c.iso);
        EXPECT_EQ(d.todayShort, c.shortDate);
        EXPECT_EQ(d.issueDate, c.issue);
        EXPECT_EQ(d.validUntilIso, c.untilIso);
        EXPECT_EQ(d.validUntilDate, c.until);
    }
}

}  // namespace
