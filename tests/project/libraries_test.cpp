#include <gtest/gtest.h>

#include <filesystem>

#include "tests/project/project_fixture.h"
#include "tests/support/process.h"

namespace {

namespace fs = std::filesystem;

// A program folder with copies of the shipped data, one of them spoiled.
std::string CopyData(const TempDir& dir) {
    const std::string prog = dir.file("prog/");
    fs::create_directories(prog + "csv");
    fs::create_directories(prog + "KORULib");
    for (const char* f : {"csv/Tarvex.csv", "KORULib/TarvexlibraryDef.lib",
                          "KORULib/TarvexlibraryTab.lib", "KORULib/ASlib.lib"})
        fs::copy_file(DataFolder() + f, prog + f);
    return prog;
}

void ChangeOneByte(const std::string& path) {
    std::string bytes = ReadFileBytes(path);
    const std::size_t at = bytes.find('\n') + 1 + (bytes.size() - bytes.find('\n')) / 2;
    bytes[at] = bytes[at] == 'x' ? 'y' : 'x';
    WriteFileBytes(path, bytes);
}

TEST(LibraryIntegrity, SpoiledOrRenamedFilesStopTheRun) {
    struct Case {
        const char* file;
        bool rename;  // replace it by another protected file under this name
        const char* message;
    } cases[] = {
        {"KORULib/TarvexlibraryDef.lib", false,
         "\nERROR: Default values are corrupted. Please reinstall Tarvex \n"},
        {"KORULib/TarvexlibraryDef.lib", true,
         "\nERROR: Default values are corrupted. Please reinstall Tarvex \n"},
        {"KORULib/TarvexlibraryTab.lib", false,
         "\nERROR: Table values are corrupted. Please reinstall Tarvex \n"},
        {"KORULib/ASlib.lib", true,
         "\nERROR: AS Table values are corrupted. Please reinstall Tarvex \n"},
        {"csv/Tarvex.csv", false,
         "\nERROR: Tarvex Matrix is corrupted. Please reinstall Tarvex \n"},
    };
    for (const auto& c : cases) {
        TempDir dir;
        const std::string prog = CopyData(dir);
        if (c.rename)
            fs::copy_file(prog + "KORULib/TarvexlibraryTab.lib", prog + c.file,
                          fs::copy_options::overwrite_existing);
        else
            ChangeOneByte(prog + c.file);
        WriteFileBytes(dir.file("b.inp"), BuildingInput().Text());
        WriteFileBytes(dir.file("run.ini"), prog + "\nb.inp\n" + dir.path() + "/\n");
        const ProcessResult r = RunTarvex({"/I", "run.ini"}, dir.path());
        EXPECT_EQ(r.exitCode, 1) << c.file;
        const std::string log = ReadFileBytes(dir.file("Tarvex.log"));
        EXPECT_NE(log.find(c.message), std::string::npos) << c.file << "\n" << log;
        EXPECT_FALSE(FileExists(dir.file("b.csv")));
    }
}

TEST(LibraryIntegrity, WindowsLineEndsPassTheCheck) {
    TempDir dir;
    const std::string prog = CopyData(dir);
    for (const char* f : {"KORULib/TarvexlibraryDef.lib", "csv/Tarvex.csv"}) {
        std::string bytes = ReadFileBytes(prog + f), crlf;
        for (char ch : bytes) {
            if (ch == '\n') crlf += '\r';
            crlf += ch;
        }
        WriteFileBytes(prog + f, crlf);
    }
    WriteFileBytes(dir.file("b.inp"), BuildingInput().Text());
    WriteFileBytes(dir.file("run.ini"), prog + "\r\nb.inp\r\n");
    const ProcessResult r = RunTarvex({"/I", "run.ini"}, dir.path());
    EXPECT_EQ(r.exitCode, 0) << r.out;
    EXPECT_TRUE(FileExists(dir.file("b.csv")));
}

}  // namespace
