#pragma once

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "tools/batch_summary.h"

// The parts of tarvex-batch that do not run anything: gathering the inputs,
// taking a shard, and reading what a run left.

// Every input the sources name, each once, sorted by path. A folder gives
// every ".inp" file under it; a name ending in ".inp" is an input itself; any
// other file is a list of inputs, one a line ("#" starts a comment line),
// relative to the list's folder. An input named by an ".inp" source or a list
// but not there is `missing` (it gets a row all the same); a folder or list
// that cannot be read is a problem, said in `problems`.
struct SourceInput {
    std::string path;
    bool missing = false;
};
// The list files read are added to `lists` (full paths), when given: the
// batch must never write over them.
std::vector<SourceInput> GatherInputs(const std::vector<std::string>& sources,
                                      std::vector<std::string>& problems,
                                      std::vector<std::string>* lists = nullptr);

// "K/N" with 1 <= K <= N; false for anything else.
bool ParseShard(const std::string& text, int& k, int& n);
// The K-th of N disjoint parts of a sorted list: the items at positions
// K-1, K-1+N, K-1+2N ... The N parts together hold every item once; with
// more parts than items, some parts are empty.
template <typename T>
std::vector<T> ShardOf(const std::vector<T>& items, int k, int n) {
    std::vector<T> part;
    for (std::size_t i = static_cast<std::size_t>(k - 1); i < items.size();
         i += static_cast<std::size_t>(n))
        part.push_back(items[i]);
    return part;
}

// Whether a path can be a line of the run configuration file: the program
// takes no control byte in it.
bool FitsRunConfiguration(const std::string& path);

// Why each input must not be run, "" for those that may, in the order given
// (full paths, as GatherInputs gives them). An input is refused when its
// name holds a control byte, which the run configuration file (one path a
// line) cannot carry, or when it would write over a file that is not its
// run's own: another input or what another input's run writes, the input
// itself ("survey.log", whose kept log is its own name), or one of `lists`.
// The names a run writes (RunOutputNames, KeptLogName) and the input's own
// are compared with letters of either case alike, since a folder may ignore
// case, so "a.inp" clashes with "a.INP", "a.txt" and "a".
std::vector<std::string> InputRefusals(const std::vector<std::string>& inputs,
                                       const std::vector<std::string>& lists = {});

// Why the batch must not write its own files `own` (journal, summary, totals,
// lock), "" when it may: when one of them is an input, a file an input's run
// writes or one of `lists`, compared as InputRefusals compares.
std::string OwnFileClash(const std::vector<std::string>& own,
                         const std::vector<std::string>& inputs,
                         const std::vector<std::string>& lists);

// The files a run on `input` may write beside it, as full paths: the
// program's outputs (OutputName with each ending it writes). The lodgement
// message is named by its reference number and is not among them.
std::vector<std::string> RunOutputNames(const std::string& input);
// Where the batch keeps the run's log: "<stem>.log" beside the input.
std::string KeptLogName(const std::string& input);

// The modification times of those of RunOutputNames(input) that exist, by
// file name.
using OutputTimes = std::map<std::string, std::filesystem::file_time_type>;
OutputTimes RunOutputTimes(const std::string& input);
// The file names of the outputs a run on `input` wrote: those of
// RunOutputNames that are new or rewritten since `before` was taken. Only
// the input's own names count: what a run of "a.v2.inp" writes beside
// "a.inp" meanwhile is never taken for an output of "a.inp".
std::vector<std::string> OutputsWritten(const std::string& input, const OutputTimes& before);

// Fills the row's columns from the result a run wrote for the batch (lines
// "name=value", see app/runresult.h): validated, jurisdiction, UPRN, address,
// postcode, rating and band, reference numbers and the message's file name.
// Lines it does not know are passed over.
void ApplyRunResult(const std::string& resultText, BatchRow& row);

// The jurisdiction as the certificate names it, from the TYPE code of the
// run (1 England and Wales, 2 Scotland, 3 Northern Ireland): a building of
// England and Wales is in Wales when the run wrote its Welsh-language
// certificate or its postcode lies in Wales, else in England. "" for any
// other code.
std::string JurisdictionName(int typeCode, bool welshCertificate, const std::string& postcode);
// Whether a postcode lies in Wales: the areas CF, LD, LL, NP and SA, and the
// Welsh districts of CH (5 to 8) and SY (15 to 25).
bool WelshPostcode(const std::string& postcode);

// The warnings of a run: those the error report counts (warnings and
// certification warnings) and those the run counted itself, or, from a run
// that did not count them, the "WARNING" lines of its log.
int WarningCount(const std::string& errorReport, const std::string& logText,
                 std::optional<int> runWarnings = std::nullopt);
// The first line of a run log or error report that names an error, or "".
std::string FirstErrorLine(const std::string& logText);
