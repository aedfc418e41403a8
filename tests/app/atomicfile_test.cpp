#include "app/atomicfile.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "app/runlog.h"
#include "app/stop.h"
#include "tests/support/process.h"
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
    EXPECT_EXIT(
        {
            SetFileLog(dir.file("Tarvex.log"));
            WriteRunOutput(dir.file("no/x.csv"), "data");
        },
        ::testing::ExitedWithCode(1),
        "^Could not open file .*/no/x\\.csv\nReason: No such file or directory\n$");
    EXPECT_NE(
        ReadFileBytes(dir.file("Tarvex.log")).find("x.csv\nReason: No such file or directory\n"),
        std::string::npos);
}

// A writer that writes the named file itself: the new file replaces the old
// only when the writer succeeds and the bytes read back are accepted.
TEST(WriteFileFrom, ReplacesOnlyWhatTheWriterFinishedAndTheCheckAccepts) {
    TempDir dir;
    const std::string path = dir.file("doc.pdf");
    const auto writeText = [](const std::string& text) {
        return [text](const std::string& temp) {
            WriteFileBytes(temp, text);
            return true;
        };
    };
    const auto endsWell = [](const std::vector<unsigned char>& b) {
        return !b.empty() && b.back() == '.';
    };
    struct Case {
        const char* label;
        std::function<bool(const std::string&)> fill;
        bool ok;
    } cases[] = {
        {"finished and accepted", writeText("new."), true},
        {"writer failed", [](const std::string&) { return false; }, false},
        {"writer failed after writing",
         [](const std::string& temp) {
             WriteFileBytes(temp, "half.");
             return false;
         },
         false},
        {"cut short, reported as success", writeText("new"), false},
        {"writer removed its file",
         [](const std::string& temp) {
             std::filesystem::remove(temp);
             return true;
         },
         false},
    };
    for (const Case& c : cases) {
        WriteFileBytes(path, "old.");
        std::vector<unsigned char> bytes{'x'};
        const FileWriteResult r = WriteFileFrom(path, c.fill, endsWell, bytes);
        EXPECT_EQ(r.ok, c.ok) << c.label;
        EXPECT_EQ(ReadFileBytes(path), c.ok ? "new." : "old.") << c.label;
        EXPECT_EQ(std::string(bytes.begin(), bytes.end()), c.ok ? "new." : "") << c.label;
        EXPECT_EQ(Entries(dir.path()), std::vector<std::string>{"doc.pdf"}) << c.label;
    }

    std::vector<unsigned char> bytes;
    const FileWriteResult missing =
        WriteFileFrom(dir.file("no/such/folder/doc.pdf"), writeText("new."), endsWell, bytes);
    EXPECT_FALSE(missing.ok);
    EXPECT_FALSE(missing.opened);
    EXPECT_EQ(missing.reason, "No such file or directory");
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

}  // namespace
