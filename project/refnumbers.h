#pragma once

#include <ctime>
#include <string>

// Document digits of the two report reference numbers.
inline constexpr char kRrnCertificateDigit = '3';
inline constexpr char kRrnRecommendationsDigit = '4';

// The report reference number "dddd-dddd-dddd-dddd-dddd" of a document, from
// the 12-digit property reference, the inspection date as "%y%m%d" and the
// document digit. Any non-digit character counts as 0, so bad input cannot
// push the arithmetic out of range.
std::string MakeReportReference(const std::string& uprn, const std::string& inspectionShort,
                                char documentDigit);

// The dates of a run: the documents are issued today and are valid for ten
// years less one day.
struct RunDates {
    std::string todayIso;        // %Y-%m-%d
    std::string todayShort;      // %y%m%d
    std::string issueDate;       // %d %b %Y
    std::string validUntilIso;   // %Y-%m-%d
    std::string validUntilDate;  // %d %b %Y
};
RunDates MakeRunDates(std::tm now);
