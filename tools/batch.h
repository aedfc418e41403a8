#pragma once

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
    std::string status;  // "ok", "failed" or "not run"
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
