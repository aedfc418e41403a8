#pragma once

#include <cstddef>
#include <map>
#include <optional>
#include <string>
#include <vector>

// The summary of a batch: one row per input, kept as a journal of JSON Lines
// (BASE.jsonl) from which the CSV (BASE.csv) and the totals (BASE-totals.csv)
// are derived. The CSV and the JSON Lines have the same columns.

namespace status {
inline constexpr const char* kOk = "ok";
inline constexpr const char* kFailed = "failed";
inline constexpr const char* kNotRun = "not run";
inline constexpr const char* kMissing = "missing";
}  // namespace status

struct BatchRow {
    std::string input;
    std::string status;  // one of status::
    // Why the row needs a look ("; " between reasons, tools/batch_attention.h),
    // "" when it needs none; set from all the rows together (MarkAttention).
    std::string attention;
    std::optional<int> exitCode;  // none when the program did not run or end normally
    std::string validated;        // "yes", "no", or "" when the run did not say
    std::string jurisdiction;     // England, Wales, Northern Ireland, Scotland
    std::string uprn;             // text: a reference keeps its leading zeros
    std::string address;          // the building's first address line
    std::string postcode;
    std::optional<double> assetRating;
    std::string band;
    std::string rrnCertificate;        // report reference number of the certificate
    std::string rrnRecommendations;    // ... and of the recommendations report
    std::string message;               // the lodgement message's file name, "" for none
    std::vector<std::string> outputs;  // file names beside the input, message and log included
    double seconds = 0;
    int warnings = 0;
    std::string firstError;
    std::string firstWarning;  // the run's first warning, on one line
    // The fields the run's documents could not hold whole, "<file>: <field>".
    std::vector<std::string> fieldsCut;
    // The warnings the run counted itself, when it said; no column of its own.
    std::optional<int> runWarnings;
    std::string inputDigest;  // MD5 of the input's bytes, for --resume
};

// The column names, in order, with a line end.
std::string CsvHeader();
// A row as a CSV line: fields quoted when they hold a comma, a quote or a
// line break; the outputs joined by ";".
std::string CsvLine(const BatchRow& row);
// A row as one JSON object on one line, with its line end.
std::string JsonLine(const BatchRow& row);
// A line written by JsonLine (without its line end); false when the line is
// not one, and then `row` holds nothing of it.
bool ParseJsonLine(const std::string& line, BatchRow& row);

// What a journal holds: the last row of each input, by input, and how many
// lines could not be read. A last line without its line end is a write cut
// short by a killed batch: it is passed over and not counted.
struct Journal {
    std::map<std::string, BatchRow> rows;
    std::size_t unreadLines = 0;
    std::size_t longLines = 0;  // lines over kJournalLineLimit, passed over unread
};
Journal ReadJournalText(const std::string& text);
// A row is a few hundred bytes, a few kilobytes with long paths and errors: a
// line longer than this is no row of ours, and is passed over without being
// held in memory.
inline constexpr std::size_t kJournalLineLimit = std::size_t{1} << 20;
// Adds one whole line of a journal (without its line end) to `journal`.
void AddJournalLine(const std::string& line, Journal& journal);

// The roll-up of a batch: inputs by jurisdiction and band (rows without
// either count under "" and show as "(none)"), in a stable order.
struct Total {
    std::string jurisdiction;
    std::string band;
    std::size_t inputs = 0;
};
std::vector<Total> Totals(const std::vector<BatchRow>& rows);
// The totals as CSV: "jurisdiction,band,status,inputs": a line per
// jurisdiction and band, a line per jurisdiction with the band "(all)", a
// line per status (ok, failed, not run, missing) of every jurisdiction and
// band, and "(all),(all),(all)"; "(all)" where a column is summed over.
std::string TotalsCsv(const std::vector<BatchRow>& rows);
// The same for a terminal: one line per jurisdiction, its bands in order.
std::string TotalsText(const std::vector<BatchRow>& rows);

// Whether the row's message was written under the input's own name because
// the file of its reference number holds another input's message.
bool MessageKeptApart(const BatchRow& row);
