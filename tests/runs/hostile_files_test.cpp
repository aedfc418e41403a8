// Runs given inputs that name files outside their building, or folders
// where other processes plant links: nothing outside the run's own files is
// read, written or removed.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <filesystem>
#include <set>
#include <thread>
#include <vector>

#include "app/atomicfile.h"
#include "tests/support/example_runs.h"

namespace {

const Edit kMessagesNaming(const std::string& engine, bool compress) {
    return {"PRODUCE-MESSAGES               = NO",
            "PRODUCE-MESSAGES               = YES\n   PATH-FILE-ENGINE = \"" + engine +
                "\"\n   COMPRESS-XML-MESSAGES = " + (compress ? "YES" : "NO")};
}

std::string MessageText(const TempDir& dir) {
    for (const auto& e : std::filesystem::directory_iterator(dir.path())) {
        const std::string name = e.path().filename().string();
        if (name.size() > 4 && name.compare(name.size() - 4, 4, ".xml") == 0)
            return ReadFileBytes(e.path().string());
    }
    return "";
}

const char kEngineCarried[] = "<!-- The Calculation Engine Input Data encoded in base64. -->";
const char kEngineWrongPath[] =
    "<!-- The Calculation Engine Input Data is not available. (Wrong path) -->";

TEST(HostileInputs, AFileOutsideTheBuildingIsNeverCarriedInTheMessage) {
    TempDir outside;
    WriteFileBytes(outside.file("secret.txt"), "the neighbour's secret");
    const struct {
        std::string engine;
        bool warned;  // refused, not merely missing
    } cases[] = {
        {"/etc/passwd", true},
        {outside.file("secret.txt"), true},
        {"../" + std::filesystem::path(outside.path()).filename().string() + "/secret.txt", true},
        {"/dev/zero", true},
        {"pipe.dat", true},
        {"link.dat", true},
        {"sub", true},
        {"missing.dat", false},
    };
    for (const auto& c : cases) {
        TempDir dir;
        ASSERT_EQ(mkfifo(dir.file("pipe.dat").c_str(), 0600), 0);
        std::filesystem::create_symlink(outside.file("secret.txt"), dir.file("link.dat"));
        std::filesystem::create_directory(dir.file("sub"));
        CopyExample(dir, "england-office");
        WriteFileBytes(dir.file("england-office.inp"),
                       Edited(ExampleInput("england-office"), {kMessagesNaming(c.engine, false)}));
        const ProcessResult r = RunInput(dir, "england-office");
        EXPECT_EQ(r.exitCode, 0) << c.engine << r.out << r.err;
        const std::string message = MessageText(dir);
        EXPECT_NE(message.find(kEngineWrongPath), std::string::npos) << c.engine;
        EXPECT_EQ(message.find(kEngineCarried), std::string::npos) << c.engine;
        const bool warned =
            RunLog(dir).find("WARNING: PATH-FILE-ENGINE names " + c.engine) != std::string::npos;
        EXPECT_EQ(warned, c.warned) << c.engine;
    }
}

TEST(HostileInputs, CompressingACarriedFileCreatesAndRemovesNothing) {
    // The engine's file "survey" beside the input, and a file that happens to
    // be called like its compressed copy: the input itself.
    TempDir dir;
    CopyExample(dir, "england-office");
    WriteFileBytes(dir.file("survey"), "the engine's own data");
    const std::string input =
        Edited(ExampleInput("england-office"), {kMessagesNaming("survey", true)});
    WriteFileBytes(dir.file("survey.zip"), input);
    std::filesystem::rename(dir.file("england-office_inpkey.txt"), dir.file("survey_inpkey.txt"));
    const ProcessResult r = RunTarvex({"/F", "survey.zip"}, dir.path());
    EXPECT_EQ(r.exitCode, 0) << r.out << r.err;
    EXPECT_EQ(ReadFileBytes(dir.file("survey.zip")), input);
    EXPECT_NE(MessageText(dir).find("<File-Location>survey.zip</File-Location>"),
              std::string::npos);
}

TEST(HostileFolders, RunsOfOneInputAtOnceEachWriteTheirPackageWhole) {
    TempDir dir;
    CopyExample(dir, "england-office");
    WriteFileBytes(dir.file("england-office.inp"),
                   Edited(ExampleInput("england-office"),
                          {{"PRODUCE-MESSAGES               = NO",
                            "PRODUCE-MESSAGES               = YES\n   MESSAGE-FORMAT = IAS"}}));
    std::vector<std::thread> runs;
    std::vector<int> status(8, -1);
    for (std::size_t i = 0; i < status.size(); ++i)
        runs.emplace_back([&, i] { status[i] = RunInput(dir, "england-office").exitCode; });
    for (std::thread& t : runs) t.join();
    for (int s : status) EXPECT_EQ(s, 0);
    EXPECT_EQ(RunTarvex({"/R", "england-office.zas"}, dir.path()).exitCode, 0);
}

// A process that replaces every temporary file it sees with a link to
// `victim`, as fast as it can, until stopped.
class LinkPlanter {
  public:
    LinkPlanter(const std::string& folder, const std::string& victim)
        : thread_([this, folder, victim] {
              while (!stop_) {
                  std::error_code ec;
                  for (const auto& e : std::filesystem::directory_iterator(folder, ec)) {
                      const std::string name = e.path().filename().string();
                      std::string host;
                      long pid = 0;
                      if (!ParseTemporaryName(name, host, pid)) continue;
                      std::error_code ignored;
                      std::filesystem::remove(e.path(), ignored);
                      std::filesystem::create_symlink(victim, e.path(), ignored);
                      ++planted_;
                  }
              }
          }) {}
    ~LinkPlanter() {
        stop_ = true;
        thread_.join();
    }
    int planted() const { return planted_; }

  private:
    std::atomic<bool> stop_{false};
    std::atomic<int> planted_{0};
    std::thread thread_;
};

TEST(HostileFolders, ALinkRacedInAtATemporaryFileIsNeverFollowedNorRenamedIntoPlace) {
    TempDir dir;
    TempDir elsewhere;
    const std::string victim = elsewhere.file("victim");
    WriteFileBytes(victim, "keep");
    CopyExample(dir, "england-office");
    {
        LinkPlanter planter(dir.path(), victim);
        for (int run = 0; run < 10; ++run) {
            const ProcessResult r = RunInput(dir, "england-office");
            // A run that lost a file to the planter says so.
            if (r.exitCode != 0) {
                EXPECT_NE(r.err.find("Reason: "), std::string::npos) << r.err;
            }
        }
        // Otherwise the race was never run.
        EXPECT_GT(planter.planted(), 0);
    }
    EXPECT_EQ(ReadFileBytes(victim), "keep");
    for (const auto& e : std::filesystem::directory_iterator(dir.path())) {
        std::string host;
        long pid = 0;
        if (ParseTemporaryName(e.path().filename().string(), host, pid)) continue;
        EXPECT_FALSE(e.is_symlink()) << e.path();
    }
}

TEST(HostileFolders, TemporaryFilesOfAKilledRunAreRemovedByTheNext) {
    TempDir dir;
    CopyExample(dir, "england-office");
    const pid_t ended = fork();
    if (ended == 0) _exit(0);
    waitpid(ended, nullptr, 0);
    const std::string left =
        ".tarvex-" + TemporaryNameHost() + "-" + std::to_string(ended) + "-3.tmp";
    const std::string mine =
        ".tarvex-" + TemporaryNameHost() + "-" + std::to_string(getpid()) + "-3.tmp";
    for (const std::string& name : {left, mine}) {
        WriteFileBytes(dir.file(name), "half a document");
        const timespec old[2] = {{std::time(nullptr) - 60, 0}, {std::time(nullptr) - 60, 0}};
        ASSERT_EQ(utimensat(AT_FDCWD, dir.file(name).c_str(), old, 0), 0);
    }
    ASSERT_EQ(RunInput(dir, "england-office").exitCode, 0);
    EXPECT_FALSE(FileExists(dir.file(left)));
    EXPECT_TRUE(FileExists(dir.file(mine)));  // its process still runs
}

}  // namespace
