#include "app/runlog.h"

#include <gtest/gtest.h>

#include <regex>

#include "app/clock.h"
#include "tests/support/process.h"
#include "tests/support/stops.h"
#include "tests/support/tempdir.h"

namespace {

TEST(RunLog, EachWriteRewritesTheWholeTextOnce) {
    TempDir dir;
    const std::size_t start = LogStream().str().size();
    SetFileLog(dir.file("first.log"));
    SendLog("alpha\n");
    WriteLog();
    SendLog("beta ", kColourRed);
    SendLog("gamma\n");
    WriteLog();
    const std::string all = LogStream().str();
    EXPECT_EQ(all.substr(start), "alpha\nbeta gamma\n");
    EXPECT_EQ(ReadFileBytes(dir.file("first.log")), all);  // no duplicate, no colour

    // A new name after a write leaves the first file alone and gets everything.
    SetFileLog(dir.file("second.log"));
    SendLog("delta\n");
    WriteLog();
    EXPECT_EQ(ReadFileBytes(dir.file("first.log")), all);
    EXPECT_EQ(ReadFileBytes(dir.file("second.log")), LogStream().str());
}

TEST(RunLog, ColourOnlyReachesTheConsole) {
    SetLogColourMode(1);
    testing::internal::CaptureStdout();
    SendLog("YES", kColourGreen);
    SendLog(" after");
    const std::string shown = testing::internal::GetCapturedStdout();
    SetLogColourMode(-1);
    EXPECT_NE(shown.find("\x1b["), std::string::npos);
    // The colour is reset straight after the coloured text.
    EXPECT_NE(shown.find("YES\x1b[0m after"), std::string::npos);
    EXPECT_EQ(LogStream().str().find('\x1b'), std::string::npos);

    SetLogColourMode(0);
    testing::internal::CaptureStdout();
    SendLog("NO", kColourRed);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "NO");
    SetLogColourMode(-1);
}

TEST(RunLog, UnwritableLogFileStops) {
    SetFileLog("/nonexistent-folder/Tarvex.log");
    const StopOutcome s = RunToStop([] { WriteLog(); });
    EXPECT_EQ(s.status, 1);
    EXPECT_EQ(s.err,
              "Could not open file /nonexistent-folder/Tarvex.log\nReason: No such file or "
              "directory\n");
}

TEST(Ahora, HasTheAsctimeLayout) {
    SetRunClock(1709164800 + 12 * 3600);  // 29 February 2024, midday UTC
    const std::string now = Ahora();
    SetRunClockSystem();
    ASSERT_EQ(now.size(), 25u);
    EXPECT_TRUE(std::regex_match(now, std::regex("(Mon|Tue|Wed|Thu|Fri|Sat|Sun) "
                                                 "(Jan|Feb|Mar|Apr|May|Jun|Jul|Aug|Sep|Oct|Nov|"
                                                 "Dec) [ 123][0-9] [0-2][0-9]:[0-5][0-9]:[0-6][0-9]"
                                                 " [0-9]{4}\n")))
        << now;
    // Single-digit days are blank-padded, as asctime does.
    SetRunClock(1704283200);  // 3 January 2024
    EXPECT_EQ(Ahora().substr(3, 8), " Jan  3 ");
    SetRunClockSystem();
}

}  // namespace
