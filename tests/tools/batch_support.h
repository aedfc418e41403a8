#pragma once

#include <sys/types.h>

#include <map>
#include <string>
#include <vector>

#include "tests/support/process.h"
#include "tests/support/tempdir.h"
#include "tools/batch_summary.h"

// Running tarvex-batch in tests, and the portfolios it runs on.

// tarvex-batch, started in `dir` with the program built beside the tests, the
// arguments given and TMPDIR set to `tmp` (so that its work folders can be
// looked for), without waiting for it.
class BatchProcess {
  public:
    BatchProcess(const std::vector<std::string>& args, const std::string& dir,
                 const std::string& tmp);
    ~BatchProcess();
    BatchProcess(const BatchProcess&) = delete;
    BatchProcess& operator=(const BatchProcess&) = delete;

    pid_t pid() const { return pid_; }
    // Whether it has ended (and then its result is kept for Wait).
    bool Ended();
    // Waits for it to end: its exit status (-1 when it did not exit) and output.
    ProcessResult Wait();

  private:
    TempDir capture_;
    pid_t pid_ = -1;
    bool ended_ = false;
    int status_ = 0;
};

// Runs tarvex-batch to its end, as BatchProcess does.
ProcessResult RunBatch(const std::vector<std::string>& args, const std::string& dir,
                       const std::string& tmp = "");

// The rows of a journal or JSON Lines summary, by the input's file name; a
// line that is not a row is a test failure.
std::map<std::string, BatchRow> RowsOf(const std::string& jsonlPath);

// `text` with the value of the first line setting `keyword` replaced.
std::string WithKeyword(const std::string& text, const std::string& keyword,
                        const std::string& value);
// The value of the first line setting `keyword`, without its quotes.
std::string KeywordValue(const std::string& text, const std::string& keyword);

// The England example as `count` inputs "in<i>.inp" in `folder`, each with a
// UPRN of its own, so that no two share a reference number.
std::vector<std::string> Portfolio(const std::string& folder, int count);

// The entries of a folder whose names start with `prefix`.
std::vector<std::string> EntriesStartingWith(const std::string& folder, const std::string& prefix);
