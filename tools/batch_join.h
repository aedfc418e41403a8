#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "tools/batch_summary.h"

// Joining the journals of a batch run in parts (shards on many machines, or
// a batch of one input each) into the summary one batch would have written,
// and the files every summary is made of.

// A journal as read: its name, its text and when it was last written.
struct JournalSource {
    std::string name;
    std::string text;
    std::filesystem::file_time_type written{};
};

// The rows of all the journals, one per input, sorted by input as a batch
// sorts them. Within a journal the last whole row of an input counts (a
// resumed batch appends rows again); an input found in more than one journal
// takes its row from the journal written last (of two written at the same
// moment, the one given later).
struct Joined {
    std::vector<BatchRow> rows;
    std::size_t unreadLines = 0;    // lines that are not rows, in all journals
    std::vector<std::string> many;  // inputs found in more than one journal
};
Joined JoinJournals(const std::vector<JournalSource>& journals);

// The journal files the arguments name: a file is one, a folder gives every
// ".jsonl" file under it, at any depth, sorted. `leaveOut` (the join's own
// journal, which a folder or a glob may hold) is never taken. An argument
// that is neither is a problem, said in `problems`.
std::vector<std::string> JournalFiles(const std::vector<std::string>& args,
                                      const std::string& leaveOut,
                                      std::vector<std::string>& problems);

// The files a summary writes, with their texts: the journal BASE.jsonl (one
// row per input, in order), BASE.csv and BASE-totals.csv derived from it,
// and, when named, the rows that need a look as CSV and the HTML report.
// Sets each row's attention column first.
struct SummaryNames {
    std::string base;
    std::string attention;  // "" for none
    std::string report;     // "" for none
};
std::vector<std::pair<std::string, std::string>> SummaryFiles(std::vector<BatchRow>& rows,
                                                              const SummaryNames& names);
// Writes them, each whole or absent; those that could not be written, with why.
std::vector<std::string> WriteSummaryFiles(std::vector<BatchRow>& rows, const SummaryNames& names);

// What the terminal shows of the summary: the counts by status, the totals by
// jurisdiction and band, the inputs that share reference numbers (pair by
// pair) and the messages kept apart. Ends with a line end.
std::string SummaryText(const std::vector<BatchRow>& rows, bool sharedAllowed);

// `tarvex-batch join [--summary BASE] [--attention CSV] [--report HTML]
// [--allow-shared-rrn] [--] JOURNAL...`: the arguments after "join". Its
// exit status: 0 when every input is "ok" and no reference number is shared
// (or that is allowed), 1 otherwise or when a file could not be written or a
// journal held lines that are not rows, 2 for a wrong command line or a
// journal that cannot be read (nothing is written then).
int JoinMain(const std::vector<std::string>& args);
