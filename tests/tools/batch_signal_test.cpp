// A batch stopped by a signal at several moments of its work: what was done
// is in its journal, whole; nothing of its own is left behind; --resume runs
// exactly the rest.
#include <signal.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <map>
#include <sstream>
#include <thread>

#include "tests/support/process.h"
#include "tests/support/tempdir.h"
#include "tests/tools/batch_support.h"
#include "tools/batch.h"

namespace fs = std::filesystem;

namespace {

// The number of whole lines of a file (0 when there is none).
std::size_t WholeLines(const std::string& path) {
    const std::string text = ReadFileBytes(path);
    return static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
}

const std::map<int, std::string> kSignalNames{
    {SIGINT, "by SIGINT"}, {SIGTERM, "by SIGTERM"}, {SIGHUP, "by SIGHUP"}};

TEST(BatchSignals, StopCleanlyAndResumeRunsTheRest) {
    struct Case {
        int signal;
        std::size_t rowsFirst;  // rows in the journal when the signal is sent
        int jobs;
    };
    // Right after the journal is started (the first runs under way), after
    // one run, and later; with one and two runs at a time.
    const Case cases[] = {{SIGTERM, 0, 2}, {SIGINT, 1, 1}, {SIGTERM, 3, 2}, {SIGHUP, 2, 2}};
    // Enough that a signal sent once the first rows are in lands part way.
    constexpr int kInputs = 40;
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.signal) + " after " + std::to_string(c.rowsFirst) +
                     " rows, --jobs " + std::to_string(c.jobs));
        TempDir dir;
        fs::create_directories(dir.file("tmp"));
        Portfolio(dir.file("p"), kInputs);
        const std::string journal = dir.file("s.jsonl");
        const std::vector<std::string> args{"--jobs", std::to_string(c.jobs), "--summary", "s",
                                            "p"};

        BatchProcess batch(args, dir.path(), dir.file("tmp"));
        // The journal is started before the first run; rows follow as runs end.
        while (!batch.Ended() && (!FileExists(journal) || WholeLines(journal) < c.rowsFirst))
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        ASSERT_FALSE(batch.Ended()) << batch.Wait().out;
        ASSERT_EQ(kill(batch.pid(), c.signal), 0);
        const ProcessResult stopped = batch.Wait();
        EXPECT_EQ(stopped.exitCode, 128 + c.signal) << stopped.out << stopped.err;

        // Every input has one whole row: done, or not run.
        const std::map<std::string, BatchRow> first = RowsOf(journal);
        ASSERT_EQ(first.size(), static_cast<std::size_t>(kInputs));
        std::size_t done = 0;
        for (const auto& [name, row] : first) {
            EXPECT_TRUE(row.status == "ok" || row.status == "not run")
                << name << ": " << row.status << " " << row.firstError;
            if (row.status == "ok") ++done;
            // The signal the batch was given, not the SIGTERM it sent on.
            if (row.status == "not run") {
                EXPECT_NE(row.firstError.find(kSignalNames.at(c.signal)), std::string::npos)
                    << name << ": " << row.firstError;
            }
        }
        EXPECT_GE(done, c.rowsFirst);
        EXPECT_LT(done, static_cast<std::size_t>(kInputs)) << stopped.out;
        EXPECT_NE(stopped.out.find("--resume runs them"), std::string::npos) << stopped.out;
        EXPECT_TRUE(EntriesStartingWith(dir.file("tmp"), "tarvex-batch-").empty());
        EXPECT_TRUE(EntriesStartingWith(dir.file("p"), ".tarvex-").empty());
        EXPECT_EQ(RowsOf(dir.file("s.jsonl")).size(), first.size());

        std::vector<std::string> resumeArgs = args;
        resumeArgs.insert(resumeArgs.begin(), "--resume");
        const ProcessResult resumed = RunBatch(resumeArgs, dir.path(), dir.file("tmp"));
        EXPECT_EQ(resumed.exitCode, 0) << resumed.out << resumed.err;
        EXPECT_NE(resumed.out.find(std::to_string(kInputs - done) + " to run, " +
                                   std::to_string(done) + " kept"),
                  std::string::npos)
            << resumed.out;
        const std::map<std::string, BatchRow> last = RowsOf(journal);
        ASSERT_EQ(last.size(), static_cast<std::size_t>(kInputs));
        for (const auto& [name, row] : last) {
            EXPECT_EQ(row.status, "ok") << name;
            // Those done before the signal were not run again.
            if (first.at(name).status == "ok") {
                EXPECT_EQ(JsonLine(row), JsonLine(first.at(name)));
            }
        }
        EXPECT_TRUE(EntriesStartingWith(dir.file("tmp"), "tarvex-batch-").empty());
    }
}

}  // namespace
