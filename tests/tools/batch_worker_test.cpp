// The batch's workers: one process runs many inputs, and every run must come
// out as it would from a process of its own; a worker that dies costs only
// the input it was running.
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "app/atomicfile.h"
#include "tests/support/example_runs.h"
#include "tests/support/lines.h"
#include "tests/support/process.h"
#include "tests/support/tempdir.h"
#include "tests/tools/batch_support.h"

namespace fs = std::filesystem;

namespace {

// Sets an environment variable of this process, and so of the processes it
// starts, for the life of the object.
class ScopedVariable {
  public:
    ScopedVariable(const char* name, const std::string& value) : name_(name) {
        if (const char* old = std::getenv(name)) old_ = old;
        setenv(name, value.c_str(), 1);
    }
    ~ScopedVariable() {
        if (old_.empty()) {
            unsetenv(name_);
        } else {
            setenv(name_, old_.c_str(), 1);
        }
    }
    ScopedVariable(const ScopedVariable&) = delete;
    ScopedVariable& operator=(const ScopedVariable&) = delete;

  private:
    const char* name_;
    std::string old_;
};

// Every file under `folder`, by path, with its bytes.
std::map<std::string, std::string> FilesUnder(const std::string& folder) {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(folder))
        if (entry.is_regular_file()) files[entry.path().string()] = ReadFileBytes(entry.path());
    return files;
}

// Removes what the runs wrote, leaving the inputs and their keys.
void RemoveOutputs(const std::string& folder, const std::map<std::string, std::string>& inputs) {
    for (const auto& entry : fs::recursive_directory_iterator(folder))
        if (entry.is_regular_file() && inputs.count(entry.path().string()) == 0)
            fs::remove(entry.path());
}

// Inputs of every kind, one after the other in one worker, against each in a
// worker of its own, under one fixed clock: every file byte for byte. A
// failing run, the Welsh certificate with its own fonts, a message and the
// other jurisdictions come before runs that would show what they left.
TEST(BatchWorker, ManyRunsInOneProcessWriteWhatSingleRunsWrite) {
    const ScopedVariable preload("LD_PRELOAD", TARVEX_FIXED_CLOCK_LIB);
    const ScopedVariable time("TARVEX_FIXED_TIME", "1765411200");
    // The sanitizer's runtime must otherwise be the first library loaded.
    const char* asan = std::getenv("ASAN_OPTIONS");
    const ScopedVariable asanOptions("ASAN_OPTIONS",
                                     std::string(asan ? asan : "") + ":verify_asan_link_order=0");

    TempDir dir;
    const std::string source = std::string(TARVEX_SOURCE_DIR) + "/examples/";
    const std::string england = ExampleInput("england-office");
    struct Input {
        std::string name;
        std::string text;
        std::string key;  // the example whose key file it takes, or none
    };
    const std::vector<Input> inputs = {
        {"broken", england.substr(0, england.size() / 2), ""},
        {"wales-library", ExampleInput("wales-library"), "wales-library"},
        {"england-office", england, "england-office"},
        {"scotland-school", ExampleInput("scotland-school"), "scotland-school"},
        {"ni-shop", ExampleInput("ni-shop"), "ni-shop"},
        {"unvalidated", WithKeyword(england, "UPRN", "\"100000000777\""), ""},
    };
    std::vector<std::string> paths;
    for (const Input& in : inputs) {
        const std::string folder = dir.file("p/" + in.name);
        fs::create_directories(folder);
        paths.push_back(folder + "/" + in.name + ".inp");
        WriteFileBytes(paths.back(), in.text);
        if (!in.key.empty())
            fs::copy_file(source + in.key + "_inpkey.txt", folder + "/" + in.name + "_inpkey.txt");
    }
    const std::map<std::string, std::string> given = FilesUnder(dir.file("p"));

    std::vector<std::string> all{"--jobs", "1", "--summary", dir.file("all")};
    all.insert(all.end(), paths.begin(), paths.end());
    const ProcessResult together = RunBatch(all, dir.path());
    EXPECT_EQ(together.exitCode, 1) << together.out << together.err;
    const std::map<std::string, std::string> inOneWorker = FilesUnder(dir.file("p"));
    const std::map<std::string, BatchRow> rows = RowsOf(dir.file("all.jsonl"));

    RemoveOutputs(dir.file("p"), given);
    for (const std::string& path : paths)
        RunBatch({"--summary", dir.file("one"), path}, dir.path());
    const std::map<std::string, std::string> eachAlone = FilesUnder(dir.file("p"));

    ASSERT_EQ(inOneWorker.size(), eachAlone.size());
    EXPECT_EQ(inOneWorker.count(dir.file("p/wales-library/wales-library[epcw].pdf")), 1u);
    for (const auto& [path, bytes] : inOneWorker) {
        ASSERT_EQ(eachAlone.count(path), 1u) << path;
        EXPECT_TRUE(bytes == eachAlone.at(path))
            << path << ": " << FirstDifference(eachAlone.at(path), bytes);
    }
    // The runs themselves went as they should.
    EXPECT_EQ(rows.at("broken.inp").status, "failed");
    for (const char* name : {"wales-library.inp", "england-office.inp", "scotland-school.inp",
                             "ni-shop.inp", "unvalidated.inp"}) {
        EXPECT_EQ(rows.at(name).status, "ok") << name << ": " << rows.at(name).firstError;
    }
}

// One worker moves from folder to folder; the batch's own files are found
// wherever it is, even when TMPDIR is named relative to where the batch
// started.
TEST(BatchWorker, RunsEachInputInItsOwnFolder) {
    TempDir dir;
    for (const char* folder : {"tmp", "a", "b"}) fs::create_directories(dir.file(folder));
    WriteFileBytes(dir.file("a/one.inp"), ExampleInput("england-office"));
    WriteFileBytes(dir.file("b/two.inp"),
                   WithKeyword(ExampleInput("england-office"), "UPRN", "\"100000000002\""));
    const ProcessResult r =
        RunBatch({"--jobs", "1", "--summary", "s", "a", "b"}, dir.path(), "tmp");
    EXPECT_EQ(r.exitCode, 0) << r.out << r.err;
    const std::map<std::string, BatchRow> rows = RowsOf(dir.file("s.jsonl"));
    ASSERT_EQ(rows.size(), 2u);
    for (const auto& [name, row] : rows)
        EXPECT_EQ(row.status, "ok") << name << ": " << row.firstError;
    EXPECT_TRUE(fs::exists(dir.file("a/one[epc].pdf")));
    EXPECT_TRUE(fs::exists(dir.file("b/two.log")));
    EXPECT_TRUE(fs::is_empty(dir.file("tmp")));
}

// A stand-in for the program that speaks the worker's protocol: it answers 3
// for every input and dies of a segmentation fault on one whose folder is
// named "crash".
constexpr const char* kFakeWorker = R"(#!/bin/bash
[ "$1" = --batch-worker ] || exit 1
printf 'tarvex batch worker 1\n' >&0
while IFS= read -r -d '' folder && IFS= read -r -d '' ini && IFS= read -r -d '' result &&
      IFS= read -r -d '' console; do
    # A run under way holds its outputs as temporary files of its process.
    printf held > "$folder/.tarvex-$FAKE_HOST-$$-0.tmp"
    case "$folder" in
    */crash) kill -SEGV $$ ;;
    */exit) exit 5 ;;
    */hang) exec sleep 60 ;;
    */talk) head -c 3000000 /dev/zero >&0; exec sleep 60 ;;
    */nonsense) printf 'three\n' >&0; continue ;;
    esac
    rm -f "$folder/.tarvex-$FAKE_HOST-$$-0.tmp"
    printf '3\n' >&0
done
)";

// The input whose run kills its worker fails alone, its row saying how, and
// the outputs its worker held are gone; the next input gets a new worker. A
// run past --timeout, or a worker that talks without end, has its worker
// killed. A program that is no worker is refused before anything runs.
TEST(BatchWorker, AWorkerThatDiesCostsOnlyItsInput) {
    TempDir dir;
    WriteFileBytes(dir.file("fake"), kFakeWorker);
    fs::permissions(dir.file("fake"), fs::perms::owner_all);
    const ScopedVariable host("FAKE_HOST", TemporaryNameHost());
    const std::string data = std::string(TARVEX_SOURCE_DIR) + "/data";
    const std::vector<std::string> folders{"a", "crash", "exit", "hang", "nonsense", "talk", "z"};
    std::vector<std::string> args{
        "--program", dir.file("fake"), "--data", data,        "--jobs",
        "1",         "--timeout",      "2",      "--summary", dir.file("s")};
    for (const std::string& folder : folders) {
        fs::create_directories(dir.file(folder));
        WriteFileBytes(dir.file(folder + "/in.inp"), ExampleInput("england-office"));
        // A temporary of a process that runs (this one) is never taken away.
        WriteFileBytes(dir.file(folder + "/.tarvex-" + TemporaryNameHost() + "-" +
                                std::to_string(getpid()) + "-9.tmp"),
                       "live");
        args.push_back(dir.file(folder + "/in.inp"));
    }
    const auto begun = std::chrono::steady_clock::now();
    const ProcessResult r = RunBatch(args, dir.path());
    EXPECT_LT(std::chrono::steady_clock::now() - begun, std::chrono::seconds(30));
    EXPECT_EQ(r.exitCode, 1) << r.out << r.err;
    std::map<std::string, BatchRow> rows;
    for (const std::string& line : Lines(ReadFileBytes(dir.file("s.jsonl")))) {
        BatchRow row;
        ASSERT_TRUE(ParseJsonLine(line, row)) << line;
        rows[fs::path(row.input).parent_path().filename().string()] = row;
    }
    ASSERT_EQ(rows.size(), folders.size());
    EXPECT_EQ(rows.at("a").exitCode, 3);
    EXPECT_EQ(rows.at("z").exitCode, 3);
    const std::map<std::string, std::pair<std::optional<int>, std::string>> failed{
        {"crash",
         {std::nullopt, "the program was ended by SIGSEGV, which tarvex-batch did not send"}},
        {"exit", {5, "the program's process ended with status 5 before its run was done"}},
        {"hang", {std::nullopt, "timed out: the run took more than 2 s (--timeout)"}},
        {"nonsense",
         {std::nullopt, "the program did not end normally: its worker answered what is not"}},
        {"talk", {std::nullopt, "its worker sent more than an exit status without a line end"}},
    };
    for (const auto& [folder, how] : failed) {
        const BatchRow& row = rows.at(folder);
        EXPECT_EQ(row.status, "failed") << folder;
        EXPECT_EQ(row.exitCode, how.first) << folder;
        EXPECT_NE(row.firstError.find(how.second), std::string::npos)
            << folder << ": " << row.firstError;
    }
    for (const std::string& folder : folders) {
        EXPECT_EQ(EntriesStartingWith(dir.file(folder), ".tarvex-").size(), 1u) << folder;
    }

    const ProcessResult refused = RunBatch({"--program", "/bin/true", "--data", data, "--summary",
                                            dir.file("t"), dir.file("a/in.inp")},
                                           dir.path());
    EXPECT_EQ(refused.exitCode, 2);
    EXPECT_NE(refused.err.find("does not run as tarvex-batch's worker"), std::string::npos)
        << refused.err;
    EXPECT_FALSE(fs::exists(dir.file("t.jsonl")));
}

// A batch killed outright leaves its work folder and its runs' temporary
// files; the next batch removes those of processes of this machine that are
// gone, even made this very second, and leaves the rest alone.
TEST(BatchWorker, WhatKilledBatchesLeftIsRemovedAtStart) {
    TempDir dir;
    fs::create_directories(dir.file("tmp"));
    Portfolio(dir.file("p"), 1);
    const pid_t gone = fork();
    if (gone == 0) _exit(0);
    ASSERT_GT(gone, 0);
    waitpid(gone, nullptr, 0);
    const std::string host = TemporaryNameHost();
    const std::string dead = "tarvex-batch-" + host + "-" + std::to_string(gone) + "-AbC123";
    const std::string live = "tarvex-batch-" + host + "-" + std::to_string(getpid()) + "-AbC123";
    const std::string elsewhere = "tarvex-batch-other_host-" + std::to_string(gone) + "-AbC123";
    for (const std::string& folder : {dead, live, elsewhere}) {
        fs::create_directories(dir.file("tmp/" + folder + "/slot-0"));
        WriteFileBytes(dir.file("tmp/" + folder + "/slot-0/Tarvex.log"), "log");
    }
    const std::string deadTemp = ".tarvex-" + host + "-" + std::to_string(gone) + "-4.tmp";
    const std::string liveTemp = ".tarvex-" + host + "-" + std::to_string(getpid()) + "-4.tmp";
    for (const std::string& name : {deadTemp, liveTemp}) {
        WriteFileBytes(dir.file("p/" + name), "held");
        WriteFileBytes(dir.file(name), "summary");
    }

    const ProcessResult r = RunBatch({"--summary", "s", "p"}, dir.path(), dir.file("tmp"));
    EXPECT_EQ(r.exitCode, 0) << r.out << r.err;
    std::vector<std::string> left = EntriesStartingWith(dir.file("tmp"), "tarvex-batch-");
    std::sort(left.begin(), left.end());
    std::vector<std::string> kept{elsewhere, live};
    std::sort(kept.begin(), kept.end());
    EXPECT_EQ(left, kept);
    EXPECT_EQ(EntriesStartingWith(dir.file("p"), ".tarvex-"), std::vector<std::string>{liveTemp});
    EXPECT_EQ(EntriesStartingWith(dir.path(), ".tarvex-"), std::vector<std::string>{liveTemp});
}

}  // namespace
