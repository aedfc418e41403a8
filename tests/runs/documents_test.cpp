// Runs whose PDF documents cannot be written: each stops the run with the
// save-failure message and status 1, leaves no partial file, and keeps the
// outputs written before it.
#include <gtest/gtest.h>

#include <filesystem>

#include "tests/support/example_runs.h"

namespace {

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

TEST(DocumentRuns, ReportThatCannotBeWrittenStopsTheRun) {
    const std::string message =
        "\nUnable to create PDF file because it is already open. Please, close all relevant PDF "
        "files related to this project and run the calculation again\n\n";
    struct Case {
        std::string example;
        std::string blocked;
        std::vector<std::string> writtenBefore;
        std::vector<std::string> notWritten;
    } cases[] = {
        {"england-office", "[rec].pdf", {".csv", "[epc].pdf"}, {"[srec].pdf"}},
        {"england-office", "[srec].pdf", {".csv", "[epc].pdf", "[rec].pdf"}, {}},
        {"ni-shop", "[rec].pdf", {".csv", "[epc].pdf"}, {"[srec].pdf"}},
        {"ni-shop", "[srec].pdf", {".csv", "[epc].pdf", "[rec].pdf"}, {}},
        {"scotland-school", "[rec].pdf", {".csv", "[epc].pdf"}, {}},
    };
    for (const Case& c : cases) {
        const std::string label = c.example + c.blocked;
        TempDir dir;
        CopyExample(dir, c.example);
        // A folder in the document's place: it cannot be replaced by a file.
        const std::string blocked = dir.file(c.example + c.blocked);
        std::filesystem::create_directories(blocked);

        const ProcessResult r = RunInput(dir, c.example);
        EXPECT_EQ(r.exitCode, 1) << label;
        // The message is followed by the file and the system's reason.
        EXPECT_TRUE(Contains(r.out, message)) << label << "\n" << r.out;
        EXPECT_TRUE(Contains(RunLog(dir), message)) << label;
        EXPECT_TRUE(std::filesystem::is_empty(blocked)) << label;
        for (const auto& e : std::filesystem::directory_iterator(dir.path()))
            EXPECT_EQ(e.path().filename().string().find(".tmp"), std::string::npos) << label;
        for (const std::string& ending : c.writtenBefore)
            EXPECT_TRUE(FileExists(dir.file(c.example + ending))) << label << ": " << ending;
        for (const std::string& ending : c.notWritten)
            EXPECT_FALSE(FileExists(dir.file(c.example + ending))) << label << ": " << ending;
    }
}

}  // namespace
