#pragma once

// What a run tells the program that started it. When the environment names a
// file in kRunResultVariable (tarvex-batch names one in the run's own work
// folder), a run that reaches its end writes there, whole, one line per
// value, "name=value", in UTF-8; a value that is not known is left out.
// Nothing is written otherwise: a run started by hand writes no such file.
inline constexpr const char* kRunResultVariable = "TARVEX_RESULT_FILE";

namespace result_key {
inline constexpr const char* kValidated = "validated";  // "YES" or "NO"
inline constexpr const char* kType = "type";            // 1, 2 or 3: the EPC object's TYPE
// "yes" when the Welsh-language certificate was written.
inline constexpr const char* kWelshCertificate = "welsh-certificate";
inline constexpr const char* kUprn = "uprn";
inline constexpr const char* kAddress = "address";  // the first address line
inline constexpr const char* kPostcode = "postcode";
inline constexpr const char* kRating = "rating";  // the asset rating, a number
inline constexpr const char* kBand = "band";
inline constexpr const char* kRrnCertificate = "rrn-certificate";
inline constexpr const char* kRrnRecommendations = "rrn-recommendations";
inline constexpr const char* kMessage = "message";  // the lodgement message written
// How many warnings the run gave, wherever it said them, and the first one.
inline constexpr const char* kWarnings = "warnings";
inline constexpr const char* kFirstWarning = "first-warning";
}  // namespace result_key
