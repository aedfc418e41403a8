// Runs of the examples under a file size limit (`ulimit -f`, needing no
// root): every output is either complete or absent, and a run that could not
// write one of its outputs says which and ends with status 1.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <regex>
#include <set>

#include "tests/support/example_runs.h"

namespace {

using Snapshot = std::map<std::string, std::string>;

// An encrypted PDF differs on every save: compare its text.
std::string Comparable(const std::string& path) {
    if (path.size() > 4 && path.compare(path.size() - 4, 4, ".pdf") == 0) {
        const ProcessResult r =
            RunProcess({"/bin/sh", "-c", "exec pdftotext -enc UTF-8 -raw \"$0\" -", path});
        return r.exitCode == 0 ? r.out : "unreadable PDF: " + r.err;
    }
    return ReadFileBytes(path);
}

// The run log's start line carries the time of the run.
std::string WithoutRunTime(const std::string& log) {
    return std::regex_replace(log, std::regex(" on: [^\n]*\n"), " on: <time>\n");
}

// Every file in the folder except the run's inputs, with comparable contents.
Snapshot Outputs(const TempDir& dir, const std::string& name) {
    Snapshot s;
    for (const auto& e : std::filesystem::directory_iterator(dir.path())) {
        const std::string file = e.path().filename().string();
        if (file == name + ".inp" || file == name + "_inpkey.txt") continue;
        s[file] = Comparable(e.path().string());
    }
    if (s.count("Tarvex.log") != 0) s["Tarvex.log"] = WithoutRunTime(s["Tarvex.log"]);
    return s;
}

// Bytes per unit of bash's `ulimit -f`: 1024 for bash, 512 in POSIX mode.
std::size_t UlimitUnit() {
    const ProcessResult r =
        RunProcess({"/bin/bash", "-c", "ulimit -f 3; exec cat /proc/self/limits"});
    std::smatch m;
    if (std::regex_search(r.out, m, std::regex("Max file size +([0-9]+)")))
        return std::stoul(m[1]) / 3;
    return 1024;
}

// The limit holds for the program alone: its console output goes through
// pipes (to which no limit applies) to the files the harness reads.
ProcessResult RunLimited(const TempDir& dir, const std::string& name, std::size_t units) {
    const char* script =
        "set -o pipefail; "
        "{ { (ulimit -f $2; exec \"$0\" /F \"$1\") 2>&1 1>&3 | cat >&2; } 3>&1; } | cat";
    return RunProcess({"/bin/bash", "-c", script, TARVEX_BIN, name + ".inp", std::to_string(units)},
                      dir.path());
}

// Limits worth trying: none at all, just below and just at each output's
// size, and evenly spaced ones up to past the largest output.
std::set<std::size_t> Limits(const std::vector<std::size_t>& sizes, std::size_t unit) {
    std::set<std::size_t> limits{0, 1};
    std::size_t largest = 0;
    for (std::size_t size : sizes) {
        const std::size_t at = (size + unit - 1) / unit;
        limits.insert(at);
        if (at > 0) limits.insert(at - 1);
        largest = std::max(largest, at);
    }
    for (std::size_t k = 1; k <= 16; ++k) limits.insert(largest * k / 16 + 1);
    return limits;
}

class WriteLimit : public ::testing::TestWithParam<std::string> {};

TEST_P(WriteLimit, EveryOutputIsCompleteOrAbsent) {
    const std::string name = GetParam();
    Snapshot full;
    std::vector<std::size_t> sizes;
    {
        TempDir dir;
        CopyExample(dir, name);
        const ProcessResult r = RunInput(dir, name);
        ASSERT_EQ(r.exitCode, 0) << r.out << r.err;
        full = Outputs(dir, name);
        for (const auto& e : std::filesystem::directory_iterator(dir.path()))
            sizes.push_back(e.file_size());
    }
    ASSERT_GE(full.size(), 4u);  // log, .bdl, .err, results file at least

    const std::size_t unit = UlimitUnit();
    const std::set<std::size_t> limits = Limits(sizes, unit);
    bool sawFailure = false;
    bool sawSuccess = false;
    for (const std::size_t limit : limits) {
        TempDir dir;
        CopyExample(dir, name);
        const ProcessResult r = RunLimited(dir, name, limit);
        const Snapshot got = Outputs(dir, name);
        const std::string where = "limit " + std::to_string(limit * unit) + " bytes";
        bool allComplete = got.size() == full.size();
        for (const auto& [file, content] : got) {
            const auto expected = full.find(file);
            ASSERT_NE(expected, full.end()) << where << ": unexpected file " << file;
            if (content == expected->second) continue;
            allComplete = false;
            // A run that stopped leaves the log it last wrote whole: an earlier
            // part of the full log, or one that names the failure.
            ASSERT_EQ(file, "Tarvex.log") << where << ": " << file << " is cut short\n"
                                          << FirstDifference(expected->second, content);
            const bool earlierPart = expected->second.compare(0, content.size(), content) == 0;
            const bool namesFailure =
                content.find("\nReason: File too large\n") != std::string::npos;
            EXPECT_TRUE(earlierPart || namesFailure) << where << ": log\n" << content;
        }
        if (allComplete) {
            EXPECT_EQ(r.exitCode, 0) << where << "\n" << r.err;
            sawSuccess = true;
        } else {
            EXPECT_EQ(r.exitCode, 1) << where << "\n" << r.out;
            EXPECT_TRUE(std::regex_search(
                r.err, std::regex("Could not (open|write) file .*\nReason: File too large\n")))
                << where << "\n"
                << r.err;
            EXPECT_EQ(r.out.find("\nOK\n"), std::string::npos) << where;
            sawFailure = true;
        }
    }
    // The limits reach both sides: some runs fail, the largest completes.
    EXPECT_TRUE(sawFailure);
    EXPECT_TRUE(sawSuccess);
}

// Two runs of one input started together in one folder: every output,
// the log included, is one run's whole file, never a mixture of both.
TEST(SharedFolder, TwoRunsAtOnceLeaveWholeFiles) {
    const std::string name = "england-office";
    TempDir dir;
    CopyExample(dir, name);
    ASSERT_EQ(RunInput(dir, name).exitCode, 0);
    const Snapshot alone = Outputs(dir, name);
    const char* script =
        "for i in 1 2 3 4 5 6 7 8; do "
        "\"$0\" /F \"$1\" >/dev/null & \"$0\" /F \"$1\" >/dev/null; wait; done";
    const ProcessResult r =
        RunProcess({"/bin/bash", "-c", script, TARVEX_BIN, name + ".inp"}, dir.path());
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.err, "");
    const Snapshot both = Outputs(dir, name);
    ASSERT_EQ(both.size(), alone.size());
    for (const auto& [file, content] : both) EXPECT_EQ(content, alone.at(file)) << file;
}

INSTANTIATE_TEST_SUITE_P(Examples, WriteLimit,
                         ::testing::Values("england-office", "scotland-school"));

}  // namespace
