#include "app/driver.h"

#include "app/run.h"
#include "app/runlog.h"

#include <gtest/gtest.h>

#include <sstream>

#include "tests/support/lines.h"
#include "tests/support/process.h"
#include "tests/support/stops.h"
#include "tests/support/tempdir.h"

namespace {

TEST(Help, LinesArePaddedAndTheBannerEndsIt) {
    const std::string help = show_help();
    const auto lines = Lines(help);
    ASSERT_EQ(lines.size(), 28u);
    EXPECT_EQ(lines[0].rfind("Tarvex is a computer program that generates", 0), 0u);
    EXPECT_NE(lines[0].find("building  (The Energy"), std::string::npos);
    EXPECT_NE(lines[0].find("Report.  Information"), std::string::npos);
    EXPECT_NE(lines[0].find("produces a  Recommendations report"), std::string::npos);
    EXPECT_EQ(lines[2], "Tarvex /?|/F|/I|/A|/R|/V source [pps=********]");
    for (int i = 4; i <= 16; ++i) EXPECT_EQ(lines[i].size(), 70u) << lines[i];
    EXPECT_EQ(lines[4], "  /?      Displays this help" + std::string(42, ' '));
    EXPECT_EQ(lines[12].substr(0, 69),
              "  /V      To check that the xml message speficied as the second para-");
    for (int i = 18; i <= 23; ++i) {
        const bool backslash = lines[i].find('\\') != std::string::npos;
        EXPECT_EQ(lines[i].size(), backslash ? 69u : 70u) << lines[i];
    }
    EXPECT_EQ(lines[18].substr(0, 38), "   e.g. Tarvex.exe /F inp\\test_epc.inp");
    const std::string tail = "\n\n\nTarvex.exe v4.1.a.0\n\n";
    EXPECT_EQ(help.substr(help.size() - tail.size()), tail);
}

TEST(Getpps, PasswordAfterTheFirstEquals) {
    EXPECT_EQ(getpps("pps=secret"), "secret");
    EXPECT_EQ(getpps("pps="), "");
    EXPECT_EQ(getpps("x=pps=y"), "pps=y");
    EXPECT_EQ(getpps("password"), kNoPassword);
    EXPECT_EQ(kNoPassword, std::string(4, '\xF1'));
}

TEST(RunFiles, NamesFollowTheFoldersAndTheInput) {
    RunSettings s;
    s.programFolder = "/opt/tarvex/";
    s.logFolder = "/var/log/";
    s.inputFile = "jobs/office.inp";
    const RunFiles f = MakeRunFiles(s, 2);
    EXPECT_EQ(f.defaults, "/opt/tarvex/KORULib/TarvexlibraryDef.lib");
    EXPECT_EQ(f.tables, "/opt/tarvex/KORULib/TarvexlibraryTab.lib");
    EXPECT_EQ(f.asTables, "/opt/tarvex/KORULib/ASlib.lib");
    EXPECT_EQ(f.libraryDefinition, "/opt/tarvex/csv/Tarvex.csv");
    EXPECT_EQ(f.log, "/var/log/Tarvex.log");
    EXPECT_EQ(f.messages, "/var/log/tarvex_net.mes");
    EXPECT_EQ(f.inputKey, "jobs/office_inpkey.txt");
    EXPECT_EQ(f.cookie, "jobs/office_cookie.txt");
    EXPECT_EQ(MakeRunFiles(s, 1).libraryDefinition, "/opt/tarvex/csv\\Tarvex.csv");
    s.inputFile = "ab";  // too short to lose an extension: nothing is cut, nothing read outside
    EXPECT_EQ(MakeRunFiles(s, 2).inputKey, "ab_inpkey.txt");
}

// The command lines that only show the help: exit 1, nothing written.
TEST(CommandLine, RejectedLinesShowTheHelpAndWriteNoLog) {
    const std::vector<std::vector<std::string>> rejected = {
        {},
        {"/F"},
        {"-F", "x.inp"},
        {"F", "x.inp"},
        {"/FF", "x.inp"},
        {"/X", "x.inp"},
        {"/?", "x.inp"},
        {"/?"},
        {"//", "x.inp"},
        {"", "x.inp"},
    };
    for (const auto& args : rejected) {
        TempDir dir;
        const ProcessResult r = RunTarvex(args, dir.path());
        EXPECT_EQ(r.exitCode, 1) << (args.empty() ? "" : args[0]);
        EXPECT_EQ(r.out, show_help());
        EXPECT_EQ(r.err, "");
        EXPECT_FALSE(FileExists(dir.file("Tarvex.log")));
    }
}

TEST(CommandLine, MissingOrShortRunConfiguration) {
    TempDir dir;
    ProcessResult r = RunTarvex({"/I", "missing.ini"}, dir.path());
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err, "Could not open file missing.ini\n");

    for (const std::string content : {"", "only-one-line\n", "\n"}) {
        WriteFileBytes(dir.file("bad.ini"), content);
        r = RunTarvex({"/I", "bad.ini"}, dir.path());
        EXPECT_EQ(r.exitCode, 1);
        EXPECT_EQ(r.out, show_help() + "ERROR: Wrong ini file\n") << content;
        EXPECT_FALSE(FileExists(dir.file("Tarvex.log")));
    }
}

// A NUL in a line would cut the path where it is opened: "in/x.inp<NUL>" as
// the log folder made the log overwrite the input before it was read.
TEST(CommandLine, ControlBytesInTheRunConfigurationAreRefused) {
    TempDir dir;
    ASSERT_EQ(system(("mkdir -p " + dir.file("in")).c_str()), 0);
    const std::string input = "$ an input that must survive\n";
    for (const std::string& bad : {std::string("in/x.inp\0", 9), std::string("in/x.inp\0x", 10),
                                   std::string("in/\x01x.inp"), std::string("in/x\x7F.inp")}) {
        WriteFileBytes(dir.file("in/x.inp"), input);
        WriteFileBytes(dir.file("run.ini"), "./\nin/x.inp\n" + bad + "\n");
        const ProcessResult r = RunTarvex({"/I", "run.ini"}, dir.path());
        EXPECT_EQ(r.exitCode, 1);
        EXPECT_EQ(r.out, show_help() + "ERROR: Wrong ini file\n");
        EXPECT_EQ(ReadFileBytes(dir.file("in/x.inp")), input);
        EXPECT_FALSE(FileExists(dir.file("Tarvex.log")));
        EXPECT_FALSE(FileExists(dir.file("in/Tarvex.log")));
        // The same byte in the first two lines.
        WriteFileBytes(dir.file("run.ini"), bad + "\nin/x.inp\n");
        EXPECT_EQ(RunTarvex({"/I", "run.ini"}, dir.path()).exitCode, 1);
        WriteFileBytes(dir.file("run.ini"), "./\n" + bad + "\n");
        EXPECT_EQ(RunTarvex({"/I", "run.ini"}, dir.path()).out,
                  show_help() + "ERROR: Wrong ini file\n");
        EXPECT_EQ(ReadFileBytes(dir.file("in/x.inp")), input);
    }
}

TEST(CommandLine, RunConfigurationPlacesTheLog) {
    TempDir dir;
    const std::string prog = dir.path() + "/prog/";
    const std::string logs = dir.path() + "/logs/";
    ASSERT_EQ(system(("mkdir -p " + prog + " " + logs).c_str()), 0);

    // Two lines, Windows line ends: the log goes to the program folder.
    WriteFileBytes(dir.file("two.ini"), prog + "\r\n" + "nothing.inp\r\n");
    RunTarvex({"/i", "two.ini"}, dir.path());
    EXPECT_TRUE(FileExists(prog + "Tarvex.log"));
    EXPECT_EQ(ReadFileBytes(prog + "Tarvex.log").rfind(show_help(), 0), 0u);

    // Three lines: the third is the log folder; a fourth is not read.
    WriteFileBytes(dir.file("three.ini"), prog + "\n" + "nothing.inp\n" + logs + "\nignored\n");
    RunTarvex({"/I", "three.ini"}, dir.path());
    EXPECT_TRUE(FileExists(logs + "Tarvex.log"));
}

// A folder written without its final "/" is still a folder: the log and the
// data are looked for inside it, never beside it.
TEST(CommandLine, RunConfigurationFolderWithoutItsSeparator) {
    TempDir dir;
    const std::string prog = dir.path() + "/prog";
    ASSERT_EQ(system(("mkdir -p " + prog).c_str()), 0);
    WriteFileBytes(dir.file("run.ini"), prog + "\nnothing.inp\n");
    const ProcessResult r = RunTarvex({"/I", "run.ini"}, dir.path());
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(FileExists(prog + "/Tarvex.log"));
    EXPECT_FALSE(FileExists(prog + "Tarvex.log"));
    EXPECT_NE(r.err.find("Could not open file " + prog + "/csv/Tarvex.csv"), std::string::npos)
        << r.err;
}

TEST(CommandLine, MissingLogFolderStops) {
    TempDir dir;
    WriteFileBytes(dir.file("run.ini"), "prog/\nx.inp\nnowhere/\n");
    const ProcessResult r = RunTarvex({"/I", "run.ini"}, dir.path());
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err, "Could not open file nowhere/Tarvex.log\nReason: No such file or directory\n");
}

TEST(CommandLine, RunStartsWithTheHelpAndTheRunLines) {
    TempDir dir;
    const ProcessResult r = RunTarvex({"/f", "some.inp", "pps=x"}, dir.path());
    const std::string log = ReadFileBytes(dir.file("Tarvex.log"));
    ASSERT_EQ(log.rfind(show_help(), 0), 0u);
    const std::string rest = log.substr(show_help().size());
    EXPECT_EQ(rest.rfind("\nRunning EPC generator Tarvex v4.1.a.0 on: ", 0), 0u) << rest;
    EXPECT_NE(rest.find("\n\nFile: some.inp\n\n"), std::string::npos) << rest;
    EXPECT_EQ(r.out.rfind(show_help(), 0), 0u);
}

TEST(CommandLine, IasPackageNamedLikeItsInputStops) {
    TempDir dir;
    WriteFileBytes(dir.file("job.inp"), "not a package");
    for (const std::string mode : {"/A", "/R"}) {
        const ProcessResult r = RunTarvex({mode, "job.inp"}, dir.path());
        EXPECT_EQ(r.exitCode, 1);
        EXPECT_NE(r.out.find("is named like the input it carries"), std::string::npos) << r.out;
        EXPECT_EQ(ReadFileBytes(dir.file("job.inp")), "not a package");
    }
}

// A run whose outputs were all written ends "OK"; one that abandoned an
// output names each abandoned output instead, in order, and ends with status 1.
TEST(RunEnd, AbandonedOutputsEndTheRunWithStatusOne) {
    TempDir dir;
    const std::string log = dir.file("Tarvex.log");
    SetFileLog(log);
    const auto output = [](const char* path, bool saved) {
        return WrittenDocument{path, SavedBytes(), saved};
    };
    EXPECT_EQ(RunToStop([&output] {
                  FinishRun({output("jobs/office.csv", true), output("jobs/office[rec].pdf", false),
                             output("jobs/office[srec].pdf", false)});
              }).status,
              1);
    const std::string written = ReadFileBytes(log);
    EXPECT_NE(written.find("\nERROR: jobs/office[rec].pdf could not be written; the run is "
                           "incomplete\nERROR: jobs/office[srec].pdf could not be written; the run "
                           "is incomplete\n"),
              std::string::npos)
        << written;
    EXPECT_EQ(written.find("\nOK\n"), std::string::npos) << written;

    LogStream().str("");
    const StopOutcome ok = RunToStop([&output] { FinishRun({output("jobs/office.csv", true)}); });
    EXPECT_FALSE(ok.stopped);
    EXPECT_EQ(ok.out, "OK\n");
    EXPECT_EQ(ReadFileBytes(log), "OK\n");
}

}  // namespace

// The line a run ends with on a terminal: the rating and band, then what it
// wrote, the folder named once when the outputs share it.
TEST(RunEnd, SummaryLineNamesTheRatingAndEveryOutputWritten) {
    const auto output = [](const std::string& path, bool saved) {
        return WrittenDocument{path, SavedBytes(), saved};
    };
    const struct {
        const char* what;
        long long rating;
        std::string band;
        WrittenOutputs outputs;
        std::string line;
    } cases[] = {
        {"in a folder",
         75,
         "C",
         {output("/tmp/shop/ni-shop.csv", true), output("/tmp/shop/ni-shop[epc].pdf", true),
          output("/tmp/shop/ni-shop.ias", true), output("/tmp/shop/ni-shop.zas", true)},
         "Rating 75 C. Wrote in /tmp/shop: ni-shop.csv, ni-shop[epc].pdf, ni-shop.ias, "
         "ni-shop.zas\n"},
        {"in the current folder",
         42,
         "B",
         {output("office.csv", true), output("office[rec].pdf", true),
          output("2823-8435-1002-0499-0796.xml", true)},
         "Rating 42 B. Wrote office.csv, office[rec].pdf, 2823-8435-1002-0499-0796.xml\n"},
        {"in two folders",
         -3,
         "A+",
         {output("a/office.csv", true), output("b/office.csv", true)},
         "Rating -3 A+. Wrote a/office.csv, b/office.csv\n"},
        {"a Scottish band, an output not written",
         12,
         "Carbon Neutral",
         {output("s/school.csv", true), output("s/school[epc].pdf", false)},
         "Rating 12 Carbon Neutral. Wrote in s: school.csv\n"},
        {"no rating", 0, "", {output("x/y.csv", true)}, "Wrote in x: y.csv\n"},
        {"nothing written", 5, "A", {}, "Rating 5 A. Wrote no documents.\n"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(RunSummaryLine(c.rating, c.band, c.outputs), c.line) << c.what;
}
