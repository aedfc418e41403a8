#include "project/refnumbers.h"

#include "app/clock.h"
#include "app/textutil.h"
#include "project/project.h"

namespace {

// Four scrambles of the 19 leading positions; the check digit picks one.
constexpr int kScramble[4][19] = {
    {14, 16, 15, 9, 0, 12, 3, 4, 8, 18, 2, 13, 7, 17, 6, 11, 5, 10, 1},
    {12, 0, 7, 1, 18, 9, 6, 15, 8, 3, 13, 2, 10, 5, 14, 11, 17, 4, 16},
    {9, 17, 0, 11, 8, 5, 18, 13, 7, 3, 2, 12, 1, 6, 16, 15, 4, 10, 14},
    {9, 4, 12, 1, 16, 5, 15, 7, 2, 6, 18, 10, 17, 3, 14, 8, 0, 13, 11},
};

int DigitValue(char c) {
    return (c >= '0' && c <= '9') ? c - '0' : 0;
}

std::string Format(const std::tm& t, const char* format) {
    char buf[80];
    if (std::strftime(buf, sizeof buf, format, &t) == 0) return "";
    return buf;
}

}  // namespace

std::string MakeReportReference(const std::string& uprn, const std::string& inspectionShort,
                                char documentDigit) {
    std::string joined = uprn + inspectionShort + documentDigit;
    joined.resize(19, '0');  // only reachable with malformed inputs
    for (int i = 12; i < 18; ++i) {
        const int d = DigitValue(joined[i]);
        joined[i] = static_cast<char>('0' + (d % 2 == 0 ? d : 10 - d));
    }
    int sum = 0;
    for (char c : joined) sum += DigitValue(c);
    const int check = sum % 7;
    const int* perm = kScramble[check % 4];
    std::string scrambled(20, '0');
    for (int i = 0; i < 19; ++i) scrambled[i] = joined[perm[i]];
    scrambled[19] = static_cast<char>('0' + check);

    std::string out;
    for (int g = 0; g < 5; ++g) {
        if (g > 0) out += '-';
        out += scrambled.substr(g * 4, 4);
    }
    return out;
}

RunDates MakeRunDates(std::tm now) {
    RunDates d;
    d.todayIso = Format(now, "%Y-%m-%d");
    d.todayShort = Format(now, "%y%m%d");
    d.issueDate = Format(now, "%d %b %Y");
    // Through the calendar alone, so daylight saving cannot move the day.
    const std::tm until = CalendarDay(now.tm_year + 1900 + 10, now.tm_mon + 1, now.tm_mday - 1);
    d.validUntilIso = Format(until, "%Y-%m-%d");
    d.validUntilDate = Format(until, "%d %b %Y");
    return d;
}

void PROJECT::fDates() {
    const RunDates d = MakeRunDates(RunLocalTime());
    todayIso = d.todayIso;
    todayShort = d.todayShort;
    issueDate = d.issueDate;
    validUntilIso = d.validUntilIso;
    validUntilDate = d.validUntilDate;
}

void GENERAL::fRRN(const PROJECTDefaults&, const PROJECTTables&, BOC& boc) const {
    const std::string uprn = boc.Vtext(objectIndex, "UPRN");
    const std::string date = boc.Vtext(objectIndex, "RRN-INSP-DATE");
    boc.ModKey(objectIndex, "RRN-EPC", MakeReportReference(uprn, date, kRrnCertificateDigit));
    boc.ModKey(objectIndex, "RRN-REC", MakeReportReference(uprn, date, kRrnRecommendationsDigit));
}
