// Inputs that are not regular files, or are larger than the bound, are
// refused before they are read: the run ends at once with a clear message.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "app/inputfile.h"
#include "tests/support/example_runs.h"

namespace {

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

void MakeSparse(const std::string& path, std::uintmax_t size) {
    WriteFileBytes(path, "");
    std::filesystem::resize_file(path, size);
}

TEST(InputFileProblem, RefusesWhatIsNotARegularFileOrTooLarge) {
    TempDir dir;
    WriteFileBytes(dir.file("small.inp"), "x");
    MakeSparse(dir.file("limit.inp"), kInputFileLimit);
    MakeSparse(dir.file("over.inp"), kInputFileLimit + 1);
    ASSERT_EQ(mkfifo(dir.file("pipe.inp").c_str(), 0600), 0);
    EXPECT_EQ(InputFileProblem(dir.file("small.inp")), "");
    EXPECT_EQ(InputFileProblem(dir.file("limit.inp")), "");
    EXPECT_EQ(InputFileProblem(dir.file("missing.inp")), "");  // its reader says so
    EXPECT_EQ(InputFileProblem(dir.file("over.inp")),
              "ERROR: " + dir.file("over.inp") +
                  " holds 67108865 bytes; Tarvex reads files of at most 64 MB (67108864 bytes)\n");
    for (const std::string& unfit : {dir.path(), dir.file("pipe.inp"), std::string("/dev/zero")})
        EXPECT_TRUE(Contains(InputFileProblem(unfit), "is not a regular file")) << unfit;
}

TEST(InputBounds, UnfitInputsEndTheRunBeforeTheyAreRead) {
    TempDir dir;
    std::filesystem::create_directory(dir.file("folder.inp"));
    ASSERT_EQ(mkfifo(dir.file("pipe.inp").c_str(), 0600), 0);
    MakeSparse(dir.file("huge.inp"), 200u * 1024 * 1024);
    const std::pair<std::string, std::string> cases[] = {
        {"/dev/zero", "is not a regular file"},
        {"folder.inp", "is not a regular file"},
        // Opening a FIFO with no writer would wait for ever.
        {"pipe.inp", "is not a regular file"},
        {"huge.inp", "holds 209715200 bytes; Tarvex reads files of at most 64 MB"},
    };
    for (const auto& [input, message] : cases) {
        const ProcessResult r = RunTarvex({"/F", input}, dir.path());
        EXPECT_EQ(r.exitCode, 1) << input;
        EXPECT_TRUE(Contains(r.err, "ERROR: " + input + " " + message)) << r.err;
        EXPECT_TRUE(Contains(ReadFileBytes(dir.file("Tarvex.log")), message)) << input;
        EXPECT_FALSE(FileExists(dir.file("huge.bdl")));
        EXPECT_FALSE(FileExists(dir.file("huge.csv")));
    }
}

// The run configuration file is checked too, and refusing it writes nothing.
TEST(InputBounds, UnfitRunConfigurationWritesNothing) {
    TempDir dir;
    MakeSparse(dir.file("huge.ini"), kInputFileLimit + 1);
    for (const std::string& ini : {std::string("/dev/zero"), dir.file("huge.ini")}) {
        const ProcessResult r = RunTarvex({"/I", ini}, dir.path());
        EXPECT_EQ(r.exitCode, 1) << ini;
        EXPECT_TRUE(Contains(r.out, "ERROR: " + ini)) << r.out;
        EXPECT_FALSE(FileExists(dir.file("Tarvex.log")));
    }
}

}  // namespace
