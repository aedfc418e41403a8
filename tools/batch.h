#pragma once

#include <filesystem>
#include <map>
#include <string>
#include <vector>

// The parts of tarvex-batch that do not run anything: gathering the inputs,
// taking a shard, reading a run's results and the summary rows.

// Every input named by the sources, each once, sorted by path: a folder
// gives every ".inp" file under it, a file ending in ".inp" itself, and any
// other file is a list of inputs, one a line ("#" starts a comment line),
// relative to the list's folder. Unreadable sources are added to `problems`.
std::vector<std::string> GatherInputs(const std::vector<std::string>& sources,
                                      std::vector<std::string>& problems);

// "K/N" with 1 <= K <= N; false for anything else.
bool ParseShard(const std::string& text, int& k, int& n);
// The K-th of N disjoint parts of a sorted input list: the inputs at
// positions K-1, K-1+N, K-1+2N ... The N parts together hold every input once.
std::vector<std::string> ShardOf(const std::vector<std::string>& inputs, int k, int n);

// One row of the summary.
struct BatchRow {
    std::string input;
    std::string status;  // "ok", "failed", "not run" or "refused"
    int exitCode = -1;
    std::string jurisdiction;
    std::string assetRating;
    std::string band;
    std::vector<std::string> references;
    std::vector<std::string> outputs;
    double seconds = 0;
    std::string firstError;
    std::string inputDigest;  // MD5 of the input's bytes, for --resume
};

std::string CsvHeader();
std::string CsvLine(const BatchRow& row);
std::string JsonLine(const BatchRow& row);
// A row written by JsonLine; false when the line is not one.
bool ParseJsonLine(const std::string& line, BatchRow& row);

// Whether a path can be a line of the run configuration file: the program
// takes no control byte in it.
bool FitsRunConfiguration(const std::string& path);

// Why each input must not be run, "" for those that may, in the order given
// (full paths, as GatherInputs gives them). An input is refused when its
// name holds a control byte, which the run configuration file (one path a
// line) cannot carry, or when it and another input would write, or be, the
// same file: the names a run writes (RunOutputNames, KeptLogName) and the
// input's own are compared with letters of either case alike, since a folder
// may ignore case, so "a.inp" clashes with "a.INP", "a.txt" and "a".
std::vector<std::string> InputRefusals(const std::vector<std::string>& inputs);

// The files a run on `input` may write beside it, as full paths: the
// program's outputs (OutputName with each ending it writes).
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

// What the input says its jurisdiction is: the TYPE of its EPC object, as
// written ("England and Wales", "Scotland", "Northern Ireland"), or "".
std::string InputJurisdiction(const std::string& inputText);
// The asset rating and band from a results file's emission rate line.
bool ResultsRating(const std::string& resultsText, std::string& rating, std::string& band);
// Every report reference number ("dddd-dddd-dddd-dddd-dddd") in a text, each
// once, in order of appearance.
std::vector<std::string> ReferenceNumbers(const std::string& text);
// The first line of a run log or error report that names an error, or "".
std::string FirstErrorLine(const std::string& logText);
