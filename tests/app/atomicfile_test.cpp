#include "app/atomicfile.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fcntl.h>
#include <sys/stat.h>

#include <csignal>
#include <ctime>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "app/runlog.h"
#include "app/stop.h"
#include "tests/support/process.h"
#include "tests/support/stops.h"
#include "tests/support/tempdir.h"

namespace {

std::vector<std::string> Entries(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(folder))
        names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

// Runs WriteFileWhole in a child process under a file size limit (as
// `ulimit -f` sets it) and returns the child's exit status: 0 written, 1 not.
int WriteUnderLimit(const std::string& path, const std::string& bytes, rlim_t limit) {
    const pid_t child = fork();
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit r{limit, limit};
        setrlimit(RLIMIT_FSIZE, &r);
        const FileWriteResult result = WriteFileWhole(path, bytes);
        const bool expected = result.ok || (result.opened && result.reason == "File too large");
        _exit(result.ok ? 0 : (expected ? 1 : 2));
    }
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(WriteFileWhole, ReplacesWholeOrLeavesTheOldFile) {
    TempDir dir;
    const std::string path = dir.file("out.csv");
    WriteFileBytes(path, "old");
    const std::string big(10000, 'n');
    // Too large for the limit: the old file stays, no temporary file is left.
    EXPECT_EQ(WriteUnderLimit(path, big, 4096), 1);
    EXPECT_EQ(ReadFileBytes(path), "old");
    EXPECT_EQ(Entries(dir.path()), std::vector<std::string>{"out.csv"});
    // Within it, or exactly at it: the whole new file.
    EXPECT_EQ(WriteUnderLimit(path, big, 10000), 0);
    EXPECT_EQ(ReadFileBytes(path), big);
    EXPECT_EQ(WriteUnderLimit(path, "", 0), 0);
    EXPECT_EQ(ReadFileBytes(path), "");
    EXPECT_EQ(Entries(dir.path()), std::vector<std::string>{"out.csv"});
}

// A new file is placed only where no file is: whatever holds the name (a
// file, a folder, a link) stays as it was, and no temporary file is left.
TEST(WriteNewFileWhole, NeverReplacesWhatIsThere) {
    TempDir dir;
    const std::string path = dir.file("m.xml");
    const FileWriteResult first = WriteNewFileWhole(path, "first");
    EXPECT_TRUE(first.ok) << first.reason;
    EXPECT_FALSE(first.existed);
    EXPECT_EQ(ReadFileBytes(path), "first");
    std::filesystem::create_directory(dir.file("folder"));
    std::filesystem::create_symlink(dir.file("nowhere"), dir.file("link"));
    for (const std::string& taken : {path, dir.file("folder"), dir.file("link")}) {
        const FileWriteResult again = WriteNewFileWhole(taken, "second");
        EXPECT_FALSE(again.ok) << taken;
        EXPECT_TRUE(again.existed) << taken;
        EXPECT_EQ(again.reason, "File exists") << taken;
    }
    EXPECT_EQ(ReadFileBytes(path), "first");
    EXPECT_FALSE(std::filesystem::exists(dir.file("nowhere")));
    EXPECT_EQ(Entries(dir.path()), (std::vector<std::string>{"folder", "link", "m.xml"}));
    const FileWriteResult missing = WriteNewFileWhole(dir.file("missing/m.xml"), "x");
    EXPECT_FALSE(missing.ok);
    EXPECT_FALSE(missing.opened);
    EXPECT_FALSE(missing.existed);
}

TEST(WriteFileWhole, SaysWhichStepFailedAndWhy) {
    TempDir dir;
    std::filesystem::create_directory(dir.file("afolder"));
    std::filesystem::create_directory(dir.file("afolder/inside"));
    struct Case {
        std::string path;
        bool opened;
        std::string reason;
    };
    const Case cases[] = {
        {dir.file("missing/out.pdf"), false, "No such file or directory"},
        // The temporary file is written, but cannot replace a folder.
        {dir.file("afolder"), true, "Is a directory"},
    };
    for (const Case& c : cases) {
        const FileWriteResult r = WriteFileWhole(c.path, std::string("x"));
        EXPECT_FALSE(r.ok) << c.path;
        EXPECT_EQ(r.opened, c.opened) << c.path;
        EXPECT_EQ(r.reason, c.reason) << c.path;
        EXPECT_EQ(FileWriteFailureText(c.path, r),
                  std::string(c.opened ? "Could not write file " : "Could not open file ") +
                      c.path + "\nReason: " + c.reason + "\n");
    }
    EXPECT_EQ(Entries(dir.path()), std::vector<std::string>{"afolder"});
}

TEST(WriteRunOutput, FailureNamesTheFileInTheLogAndOnTheErrorStreamAndEndsTheRun) {
    TempDir dir;
    SetFileLog(dir.file("Tarvex.log"));
    const StopOutcome s = RunToStop([&] { WriteRunOutput(dir.file("no/x.csv"), "data"); });
    EXPECT_EQ(s.status, 1);
    EXPECT_EQ(s.err, "Could not open file " + dir.file("no/x.csv") +
                         "\nReason: No such file or directory\n");
    EXPECT_NE(
        ReadFileBytes(dir.file("Tarvex.log")).find("x.csv\nReason: No such file or directory\n"),
        std::string::npos);
}

TEST(WriteFileWhole, ABareFileNameLandsInTheCurrentFolder) {
    TempDir dir;
    const std::string here = std::filesystem::current_path().string();
    std::filesystem::current_path(dir.path());
    EXPECT_TRUE(WriteFileWhole("bare.pdf", "x").ok);
    std::filesystem::current_path(here);
    EXPECT_EQ(ReadFileBytes(dir.file("bare.pdf")), "x");
    EXPECT_EQ(Entries(dir.path()), std::vector<std::string>{"bare.pdf"});
}

TEST(WriteFileWhole, UnsyncedWritesAreWholeToo) {
    TempDir dir;
    const std::string path = dir.file("run.log");
    WriteFileBytes(path, "old");
    EXPECT_TRUE(WriteFileWhole(path, "new text", FileSync::kLeftToSystem).ok);
    EXPECT_EQ(ReadFileBytes(path), "new text");
    EXPECT_EQ(Entries(dir.path()), std::vector<std::string>{"run.log"});
    const FileWriteResult missing =
        WriteFileWhole(dir.file("no/folder/run.log"), "x", FileSync::kLeftToSystem);
    EXPECT_FALSE(missing.ok);
    EXPECT_FALSE(missing.opened);
}

// The process id of a process that has ended.
long EndedProcess() {
    const pid_t child = fork();
    if (child == 0) _exit(0);
    waitpid(child, nullptr, 0);
    return child;
}

std::string OurHost() {
    return TemporaryNameHost();
}

// A run's outputs are held until it commits them: nothing is in place
// before, each is whole after, in the order written, and an output that
// cannot be put in place then is named with the reason while the others are
// placed. A name that could never be replaced fails at once, as it did
// before holding; a run that is dropped leaves nothing.
TEST(HeldOutputs, ArePlacedTogetherWhenTheRunCommits) {
    TempDir dir;
    WriteFileBytes(dir.file("old.csv"), "old");
    std::filesystem::create_directory(dir.file("folder"));
    HoldOutputs();
    EXPECT_TRUE(WriteFileWhole(dir.file("a.pdf"), std::string("first")).ok);
    EXPECT_TRUE(WriteFileWhole(dir.file("old.csv"), std::string("new")).ok);
    EXPECT_TRUE(WriteFileWhole(dir.file("a.pdf"), std::string("second")).ok);
    EXPECT_TRUE(WriteFileWhole(dir.file("gone.pdf"), std::string("x")).ok);
    // Written at once: the progress of a log is not held.
    EXPECT_TRUE(WriteFileWhole(dir.file("run.log"), "log", FileSync::kLeftToSystem).ok);
    const FileWriteResult intoFolder = WriteFileWhole(dir.file("folder"), std::string("x"));
    EXPECT_FALSE(intoFolder.ok);
    EXPECT_EQ(intoFolder.reason, "Is a directory");
    EXPECT_FALSE(FileExists(dir.file("a.pdf")));
    EXPECT_EQ(ReadFileBytes(dir.file("old.csv")), "old");
    EXPECT_EQ(ReadFileBytes(dir.file("run.log")), "log");
    // Its name taken by a folder while it was held.
    std::filesystem::create_directory(dir.file("gone.pdf"));

    const auto failed = CommitOutputs();
    ASSERT_EQ(failed.size(), 1u);
    EXPECT_EQ(failed[0].first, dir.file("gone.pdf"));
    EXPECT_FALSE(failed[0].second.ok);
    EXPECT_EQ(ReadFileBytes(dir.file("a.pdf")), "second");
    EXPECT_EQ(ReadFileBytes(dir.file("old.csv")), "new");
    EXPECT_EQ(Entries(dir.path()),
              (std::vector<std::string>{"a.pdf", "folder", "gone.pdf", "old.csv", "run.log"}));
    // Holding ended with the commit.
    EXPECT_TRUE(WriteFileWhole(dir.file("b.pdf"), std::string("b")).ok);
    EXPECT_EQ(ReadFileBytes(dir.file("b.pdf")), "b");

    // The log that says the run went well is placed only after all the rest.
    for (const bool placeable : {false, true}) {
        std::filesystem::remove_all(dir.file("gone.pdf"));
        HoldOutputs();
        EXPECT_TRUE(WriteFileWhole(dir.file("b.pdf"), std::string("b2")).ok);
        EXPECT_TRUE(WriteFileWhole(dir.file("gone.pdf"), std::string("x")).ok);
        EXPECT_TRUE(WriteFileWhole(dir.file("ok.log"), std::string("OK")).ok);
        if (!placeable) std::filesystem::create_directory(dir.file("gone.pdf"));
        const auto unplaced = CommitOutputs(true);
        EXPECT_EQ(unplaced.size(), placeable ? 0u : 1u);
        EXPECT_EQ(FileExists(dir.file("ok.log")), placeable);
        EXPECT_EQ(ReadFileBytes(dir.file("b.pdf")), "b2");
    }
    std::filesystem::remove(dir.file("ok.log"));
    std::filesystem::remove(dir.file("gone.pdf"));
    std::filesystem::create_directory(dir.file("gone.pdf"));

    HoldOutputs();
    EXPECT_TRUE(WriteFileWhole(dir.file("c.pdf"), std::string("c")).ok);
    DiscardHeldOutputs();
    EXPECT_FALSE(FileExists(dir.file("c.pdf")));
    EXPECT_TRUE(CommitOutputs().empty());
    EXPECT_EQ(Entries(dir.path()).size(), 6u);
}

TEST(RemoveStaleTemporaries, RemovesOnlyWhatAnEndedRunLeftBeforeTheStart) {
    TempDir dir;
    const std::string host = OurHost();
    const std::string dead = std::to_string(EndedProcess());
    const std::string alive = std::to_string(getpid());
    const std::time_t start = std::time(nullptr);
    const struct {
        std::string name;
        std::time_t written;
        bool removed;
    } cases[] = {
        {".tarvex-" + host + "-" + dead + "-0.tmp", start - 10, true},
        {".tarvex-" + dead + "-7.tmp", start - 10, true},  // as earlier versions named them
        {".tarvex-" + host + "-" + alive + "-1.tmp", start - 10, false},  // its run goes on
        {".tarvex-" + host + "-" + dead + "-2.tmp", start, false},  // not older than the start
        {".tarvex-elsewhere-" + alive + "-3.tmp", start - kOtherMachineGrace - 10, true},
        {".tarvex-elsewhere-" + alive + "-4.tmp", start - 60, false},
        {".tarvex-" + host + "-x-5.tmp", start - 10, false},
        {".tarvex-" + host + "-" + dead + "-6.tmp.keep", start - 10, false},
        {"office.csv", start - 10, false},
    };
    for (const auto& c : cases) {
        WriteFileBytes(dir.file(c.name), "x");
        const timespec times[2] = {{c.written, 0}, {c.written, 0}};
        ASSERT_EQ(utimensat(AT_FDCWD, dir.file(c.name).c_str(), times, 0), 0);
    }
    // A link named like ours is not ours: it stays, and what it names too.
    const std::string link = ".tarvex-" + host + "-" + dead + "-9.tmp";
    std::filesystem::create_symlink(dir.file("office.csv"), dir.file(link));
    EXPECT_EQ(RemoveStaleTemporaries(dir.path(), start), 3);
    for (const auto& c : cases) EXPECT_EQ(FileExists(dir.file(c.name)), !c.removed) << c.name;
    EXPECT_TRUE(std::filesystem::is_symlink(dir.file(link)));
    EXPECT_EQ(RemoveStaleTemporaries(dir.file("no such folder"), start), 0);
}

// A process that has exited but is not reaped yet (a killed batch's worker,
// waiting for whatever adopts it) has ended: what it left may go. Only the
// temporary files of the one process named are taken by RemoveTemporariesOf.
TEST(RemoveStaleTemporaries, AnExitedProcessNotYetReapedHasEnded) {
    const pid_t zombie = fork();
    if (zombie == 0) _exit(0);
    ASSERT_GT(zombie, 0);
    siginfo_t info{};
    ASSERT_EQ(waitid(P_PID, static_cast<id_t>(zombie), &info, WEXITED | WNOWAIT), 0);
    EXPECT_TRUE(ProcessHasEnded(zombie));
    EXPECT_FALSE(ProcessHasEnded(getpid()));
    EXPECT_TRUE(ProcessHasEnded(EndedProcess()));

    TempDir dir;
    const std::string host = OurHost();
    const std::string fresh = ".tarvex-" + host + "-" + std::to_string(zombie) + "-0.tmp";
    const std::string other = ".tarvex-" + host + "-" + std::to_string(getpid()) + "-0.tmp";
    const std::string elsewhere = ".tarvex-elsewhere-" + std::to_string(zombie) + "-1.tmp";
    for (const std::string& name : {fresh, other, elsewhere}) WriteFileBytes(dir.file(name), "x");
    // Two seconds on: a file's time may be taken from a finer clock than
    // time()'s, a part of a second ahead of it.
    EXPECT_EQ(RemoveStaleTemporaries(dir.path(), std::time(nullptr) + 2), 1);
    EXPECT_FALSE(FileExists(dir.file(fresh)));
    WriteFileBytes(dir.file(fresh), "x");
    EXPECT_EQ(RemoveTemporariesOf(dir.path(), zombie), 1);
    EXPECT_TRUE(FileExists(dir.file(other)));
    EXPECT_TRUE(FileExists(dir.file(elsewhere)));
    waitpid(zombie, nullptr, 0);
}

TEST(WriteFileWhole, NeverWritesThroughALinkPlantedAtATemporaryName) {
    TempDir dir;
    const std::string victim = dir.file("victim");
    WriteFileBytes(victim, "keep");
    // Links at the names this process would try next.
    const std::string host = OurHost();
    for (int n = 0; n < 2000; ++n) {
        std::error_code ec;
        std::filesystem::create_symlink(
            victim,
            dir.file(".tarvex-" + host + "-" + std::to_string(getpid()) + "-" + std::to_string(n) +
                     ".tmp"),
            ec);
    }
    // Every name it tries is taken: it gives up rather than follow one.
    const FileWriteResult r = WriteFileWhole(dir.file("out.pdf"), "new");
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.reason, "File exists");
    EXPECT_EQ(ReadFileBytes(victim), "keep");
    EXPECT_FALSE(FileExists(dir.file("out.pdf")));
}

}  // namespace
