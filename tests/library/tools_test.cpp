#include <sys/stat.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "library/inpkey.h"
#include "library/ncmd5.h"
#include "library/ncmkeys.h"
#include "tests/support/example_runs.h"
#include "tests/support/process.h"
#include "tests/support/tempdir.h"

namespace {

ProcessResult Protect(const std::vector<std::string>& args, const std::string& workDir = "") {
    std::vector<std::string> all{TARVEX_PROTECT_BIN};
    all.insert(all.end(), args.begin(), args.end());
    return RunProcess(all, workDir);
}

ProcessResult InpKey(const std::vector<std::string>& args) {
    std::vector<std::string> all{TARVEX_INPKEY_BIN};
    all.insert(all.end(), args.begin(), args.end());
    return RunProcess(all);
}

const std::string kCrLfData = "$ defaults\r\nU-WALL 0.35\r\nNAME \"Office\"\r\n";

TEST(ProtectToolTest, ProtectsForItsOwnNameAndKeepsLineEnds) {
    TempDir dir;
    const std::string path = dir.file("TarvexlibraryDef.lib");
    WriteFileBytes(path, kCrLfData);
    const ProcessResult r = Protect({path});
    ASSERT_EQ(r.exitCode, 0) << r.err;

    const std::string written = ReadFileBytes(path);
    const std::size_t firstEnd = written.find("\r\n");
    ASSERT_NE(firstEnd, std::string::npos);
    EXPECT_EQ(written.substr(firstEnd + 2), kCrLfData);
    EXPECT_TRUE(NCMD5().flibcheck(path));

    // Renamed, it no longer passes; protecting it again changes nothing.
    WriteFileBytes(dir.file("TarvexlibraryTab.lib"), written);
    EXPECT_FALSE(NCMD5().flibcheck(dir.file("TarvexlibraryTab.lib")));
    ASSERT_EQ(Protect({path}).exitCode, 0);
    EXPECT_EQ(ReadFileBytes(path), written);

    // The file is replaced through a temporary file of a name no other file
    // has, and keeps its permissions: a file beside it named like it with a
    // suffix is left alone, and nothing else is left behind.
    WriteFileBytes(path + ".protect-tmp", "notes");
    ASSERT_EQ(chmod(path.c_str(), 0640), 0);
    ASSERT_EQ(Protect({path}).exitCode, 0);
    EXPECT_EQ(ReadFileBytes(path), written);
    EXPECT_EQ(ReadFileBytes(path + ".protect-tmp"), "notes");
    struct stat st {};
    ASSERT_EQ(stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(dir.path()))
        names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names,
              (std::vector<std::string>{"TarvexlibraryDef.lib", "TarvexlibraryDef.lib.protect-tmp",
                                        "TarvexlibraryTab.lib"}));
}

TEST(ProtectToolTest, FinalNameAndReplacedLine) {
    TempDir dir;
    const std::string staging = dir.file("staging.txt");
    WriteFileBytes(staging, "A 1\nB 2\n");
    ASSERT_EQ(Protect({staging, "--name", "KORULib/ASlib.lib"}).exitCode, 0);
    const std::string forAs = ReadFileBytes(staging);
    WriteFileBytes(dir.file("ASlib.lib"), forAs);
    EXPECT_TRUE(NCMD5().flibcheck(dir.file("ASlib.lib")));
    EXPECT_FALSE(NCMD5().flibcheck(staging));

    // Re-protecting for the staging name replaces the line rather than adding one.
    ASSERT_EQ(Protect({"--name", "staging.txt", staging}).exitCode, 0);
    EXPECT_TRUE(NCMD5().flibcheck(staging));
    EXPECT_EQ(ReadFileBytes(staging).substr(15 + 3232), "\nA 1\nB 2\n");
}

TEST(ProtectToolTest, CheckReportsEachFile) {
    TempDir dir;
    WriteFileBytes(dir.file("good.lib"), "A 1\n");
    WriteFileBytes(dir.file("other.lib"), "B 2\n");
    ASSERT_EQ(Protect({dir.file("good.lib")}).exitCode, 0);
    ASSERT_EQ(Protect({dir.file("other.lib")}).exitCode, 0);

    ProcessResult r = Protect({"--check", dir.file("good.lib"), dir.file("other.lib")});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, dir.file("good.lib") + ": OK\n" + dir.file("other.lib") + ": OK\n");

    // A relative name with no folder part, read from the working folder.
    r = Protect({"--check", "good.lib"}, dir.path());
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, "good.lib: OK\n");

    WriteFileBytes(dir.file("copy.lib"), ReadFileBytes(dir.file("good.lib")));
    r = Protect({"--check", dir.file("good.lib"), dir.file("copy.lib"), dir.file("gone.lib")});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.out, dir.file("good.lib") + ": OK\n" + dir.file("copy.lib") + ": FAILED\n");
    EXPECT_NE(r.err.find("cannot read " + dir.file("gone.lib")), std::string::npos) << r.err;
}

TEST(ProtectToolTest, Errors) {
    TempDir dir;
    WriteFileBytes(dir.file("empty.lib"), "");
    WriteFileBytes(dir.file("marker.lib"), "$,ncmprotected 00\n");
    const struct {
        std::vector<std::string> args;
        int exitCode;
        const char* message;
    } cases[] = {
        {{}, 2, "no file given"},
        {{"--check"}, 2, "--check needs at least one file"},
        {{dir.file("a.lib"), "--name"}, 2, "--name needs a file name"},
        {{dir.file("a.lib"), "--force"}, 2, "unknown option --force"},
        {{dir.file("a.lib"), dir.file("b.lib")}, 2, "one file at a time"},
        {{dir.file("missing.lib")}, 1, "cannot read"},
        {{dir.path()}, 1, "cannot read"},
        {{dir.file("empty.lib")}, 1, "has no data lines"},
        {{dir.file("marker.lib")}, 1, "has no data lines"},
    };
    for (const auto& c : cases) {
        const ProcessResult r = Protect(c.args);
        EXPECT_EQ(r.exitCode, c.exitCode) << r.err;
        EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
    }
    EXPECT_EQ(ReadFileBytes(dir.file("empty.lib")), "");
    EXPECT_EQ(ReadFileBytes(dir.file("marker.lib")), "$,ncmprotected 00\n");
}

TEST(InpKeyToolTest, WritesWhatValidationAccepts) {
    TempDir dir;
    const std::string input = dir.file("office.inp");
    WriteFileBytes(input, "\"Office\" = GENERAL\r\n   ..\r\n");
    NCMKEYS keys;
    keys.Init();
    for (int index = 1; index <= 5; ++index) {
        const ProcessResult r = InpKey({input, std::to_string(index)});
        ASSERT_EQ(r.exitCode, 0) << r.err;
        EXPECT_EQ(r.out, dir.file("office_inpkey.txt") + "\n");
        EXPECT_EQ(ReadFileBytes(dir.file("office_inpkey.txt")),
                  InputKeyDigest(keys, index, input) + "\n");
        EXPECT_TRUE(InputKeyMatches(keys, index, input, dir.file("office_inpkey.txt")));
        EXPECT_FALSE(InputKeyMatches(keys, index % 5 + 1, input, dir.file("office_inpkey.txt")));
    }
}

// An input named without an extension: the tool writes the key file the run
// reads, and the run finds the input validated.
TEST(InpKeyToolTest, AnInputWithoutExtensionGetsTheKeyFileTheRunReads) {
    TempDir dir;
    CopyExample(dir, "england-office");
    std::rename(dir.file("england-office.inp").c_str(), dir.file("shop").c_str());
    NCMKEYS keys;
    keys.Init();
    int index = 0;
    for (int i = 1; i <= 5; ++i)
        if (InputKeyMatches(keys, i, dir.file("shop"), dir.file("england-office_inpkey.txt")))
            index = i;
    ASSERT_NE(index, 0);
    const ProcessResult key = InpKey({dir.file("shop"), std::to_string(index)});
    ASSERT_EQ(key.exitCode, 0) << key.err;
    EXPECT_EQ(key.out, dir.file("shop_inpkey.txt") + "\n");
    const ProcessResult run = RunTarvex({"/F", "shop"}, dir.path());
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(run.out.find("Input file validated? YES"), std::string::npos) << run.out;
}

TEST(InpKeyToolTest, Errors) {
    TempDir dir;
    WriteFileBytes(dir.file("a.inp"), "x\n");
    const struct {
        std::vector<std::string> args;
        int exitCode;
    } cases[] = {
        {{}, 2},
        {{dir.file("a.inp")}, 2},
        {{dir.file("a.inp"), "6"}, 2},
        {{dir.file("a.inp"), "-1"}, 2},
        {{dir.file("a.inp"), "one"}, 2},
        {{dir.file("a.inp"), "1", "2"}, 2},
        {{dir.file("missing.inp"), "1"}, 1},
    };
    for (const auto& c : cases) {
        const ProcessResult r = InpKey(c.args);
        EXPECT_EQ(r.exitCode, c.exitCode) << r.err;
        EXPECT_FALSE(r.err.empty());
    }
    EXPECT_FALSE(FileExists(dir.file("a_inpkey.txt")));
    EXPECT_FALSE(FileExists(dir.file("missing_inpkey.txt")));
}

}  // namespace
