#pragma once

#include <optional>
#include <string>
#include <vector>

// The time a run may take unless --timeout says otherwise: many times what
// the largest input the program takes (64 MB) needs on a loaded machine, so
// that only a run that hangs reaches it (docs/scale-out.md has the figures).
inline constexpr unsigned kDefaultRunTimeout = 600;

// What a tarvex-batch command line asks for.
struct BatchOptions {
    unsigned jobs = 1;  // runs at a time; the number of cores unless given
    bool resume = false;
    bool allowSharedReferences = false;  // --allow-shared-rrn
    int shardK = 1, shardN = 1;
    unsigned timeout = kDefaultRunTimeout;  // seconds a run may take, 0 for no limit
    std::string summary;  // BASE of the summary files as given, "" for the default
    std::string program;  // as given, "" to look beside this program
    std::string data;     // as given, "" to look beside the program
    std::vector<std::string> sources;
    // --attention CSV (the rows that need a look) and --report HTML; "" for none.
    std::string attention, report;
};

// A command line read: either options to run with, or no run at all, with
// the exit status and what to print (on standard output for --help, on
// standard error for a wrong command line).
struct CommandLine {
    BatchOptions options;
    std::optional<int> exitStatus;  // set when nothing is to run
    std::string message;
    bool toStandardOutput = false;
};

// Reads the arguments after the program's name, in order: the first wrong
// one (or --help) decides. No source at all is wrong too.
CommandLine ParseOptions(const std::vector<std::string>& args);

// The BASE of the summary files: the one given, else "tarvex-batch", or
// "tarvex-batch-K-of-N" for a shard so that shards run together never share one.
std::string SummaryBase(const BatchOptions& options);
