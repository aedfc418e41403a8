#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "tools/batch_summary.h"

// What tells an operator which rows of a batch need a look, and who they are
// when the run could not say: the reasons of the attention column, the
// building's identity read from the input, the diagnosis a failed run
// printed, the fields a document left out, and the inputs that share a
// reference number, pair by pair.

// Fills the identity columns the run did not fill (a run that stopped says
// nothing) from the input's own text: the first GENERAL object's UPRN,
// B-ADDRESS-0 (else B-ADDRESS) and B-POSTCODE, and the jurisdiction from the
// first EPC object's TYPE (and EPC-LANGUAGE, for Wales). Texts are turned
// into UTF-8 from the input's encoding. Columns already filled are kept.
void AddIdentityFromInput(const std::string& inputText, BatchRow& row);

// The first diagnosis line a run printed ("file:line: error: ..."), trimmed;
// "" when there is none.
std::string DiagnosisLine(const std::string& consoleText);

// The fields a run's documents could not hold whole, from its log's
// warnings, each as "<document file name>: <field>", in the order said.
std::vector<std::string> FieldsCut(const std::string& logText);

// Two inputs that got the same report reference numbers: which numbers, and
// whether each is the first input's certificate number or its
// recommendations report number.
struct SharedPair {
    std::string first, second;  // inputs, in row order
    struct Number {
        std::string kind;  // "certificate" or "recommendations report"
        std::string number;
    };
    std::vector<Number> numbers;
};
// Every pair of inputs sharing a number, once, in row order.
std::vector<SharedPair> SharedPairs(const std::vector<BatchRow>& rows);
// "certificate 1234-..., recommendations report 5678-..."
std::string SharedNumbersText(const SharedPair& pair);

// The reasons a row needs a look, in this order, separated by "; ": its
// status when that is not "ok" (failed, not run, missing), then these.
namespace attention {
inline constexpr const char* kNotValidated = "not validated";
inline constexpr const char* kWarned = "warned";
inline constexpr const char* kShared = "shared reference number";
inline constexpr const char* kFieldCut = "field cut on a document";
}  // namespace attention

// Sets every row's attention column from the row and from the others (a
// reference number shared with another row): empty when the row needs no look.
void MarkAttention(std::vector<BatchRow>& rows);
// The rows whose attention column is not empty, in order.
std::vector<BatchRow> RowsNeedingAttention(const std::vector<BatchRow>& rows);

// The progress line of a terminal: runs done of all, failures, the rate and
// the time left at that rate (once there is a rate to go by).
std::string ProgressLine(std::size_t done, std::size_t total, std::size_t failed, double seconds);
