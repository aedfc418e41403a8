#pragma once

#include <string>

// The names of a run's outputs. Every file written beside the input is named
// by OutputName with one of these endings, so a run never writes a file whose
// name another writer spells differently.
namespace ending {
inline constexpr const char* kResults = ".csv";
inline constexpr const char* kReportCopy = ".bdl";
inline constexpr const char* kErrorReport = ".err";
inline constexpr const char* kCertificate = "[epc].pdf";
inline constexpr const char* kWelshCertificate = "[epcw].pdf";
inline constexpr const char* kRecommendations = "[rec].pdf";
inline constexpr const char* kShortRecommendations = "[srec].pdf";
inline constexpr const char* kIasPackage = ".ias";
inline constexpr const char* kIasCompressed = ".zas";
inline constexpr const char* kInput = ".inp";
// The lodgement message, named by its report reference number.
inline constexpr const char* kMessage = ".xml";
// Read beside the input, never written by a run.
inline constexpr const char* kInputKey = "_inpkey.txt";
inline constexpr const char* kCookie = "_cookie.txt";
}  // namespace ending

// The run log's file name inside the log folder.
inline constexpr const char* kRunLogName = "Tarvex.log";

// The name of an output written beside `input`: the input's last four
// characters are replaced by `ending` when they are a dot and three
// characters (its extension), else `ending` is appended. So "office.inp"
// gives "office.csv" and "shop" gives "shop.csv", never a hidden ".csv".
std::string OutputName(const std::string& input, const std::string& ending);

// The lodgement message of a run on `input`: "<reference>.xml" in the
// input's folder (the current folder for an input named without one).
std::string MessageName(const std::string& input, const std::string& reference);

// Whether two paths name the same file: the same file on disk when both
// exist, else the same path once "." and ".." are resolved.
bool SameFile(const std::string& a, const std::string& b);

// The first file that a run on `input` would write over the input itself
// (its run log `logFile` included), or empty when there is none.
std::string OutputReplacingInput(const std::string& input, const std::string& logFile);
