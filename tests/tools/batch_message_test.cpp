// Two inputs of one building inspected on one day share their reference
// numbers, and so the name of their lodgement message: neither run replaces
// the other's message, and the batch says where each went.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <regex>
#include <set>

#include "tests/support/example_runs.h"
#include "tests/support/process.h"
#include "tests/support/tempdir.h"
#include "tests/tools/batch_support.h"
#include "tools/batch.h"

namespace fs = std::filesystem;

namespace {

// The Welsh example asking for its lodgement message.
std::string MessageInput() {
    return WithKeyword(ExampleInput("wales-library"), "PRODUCE-MESSAGES", "YES");
}

// The messages in a folder: files named by a reference number, or by an
// input and a reference number.
std::vector<std::string> Messages(const std::string& folder) {
    static const std::regex kName(R"((.*\[)?\d{4}-\d{4}-\d{4}-\d{4}-\d{4}\]?\.xml)");
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) {
        const std::string name = entry.path().filename().string();
        if (std::regex_match(name, kName)) names.push_back(name);
    }
    std::sort(names.begin(), names.end());
    return names;
}

bool Carries(const std::string& message, const std::string& input) {
    return message.find("<File-Location>" + input + "</File-Location>") != std::string::npos;
}

TEST(MessageName, NeverReplacesAnotherInputsMessage) {
    TempDir dir;
    WriteFileBytes(dir.file("a.inp"), MessageInput());
    WriteFileBytes(dir.file("b.inp"), MessageInput());
    ProcessResult r = RunTarvex({"/F", "a.inp"}, dir.path());
    ASSERT_EQ(r.exitCode, 0) << r.out << r.err;
    std::vector<std::string> messages = Messages(dir.path());
    ASSERT_EQ(messages.size(), 1u);
    const std::string shared = messages[0];
    const std::string reference = shared.substr(0, 24);
    const std::string first = ReadFileBytes(dir.file(shared));
    EXPECT_TRUE(Carries(first, "a.inp"));

    // The second input keeps the first's message and writes its own apart,
    // saying so on the error stream and in its log.
    r = RunTarvex({"/F", "b.inp"}, dir.path());
    EXPECT_EQ(r.exitCode, 0) << r.out << r.err;
    const std::string apart = "b[" + reference + "].xml";
    const std::string warning = "WARNING: " + shared +
                                " holds the lodgement message of another input with the same "
                                "reference number; it is kept, and this input's message is "
                                "written as " +
                                apart + "\n";
    EXPECT_NE(r.err.find(warning), std::string::npos) << r.err;
    EXPECT_NE(RunLog(dir).find(warning), std::string::npos);
    EXPECT_EQ(ReadFileBytes(dir.file(shared)), first);
    EXPECT_TRUE(Carries(ReadFileBytes(dir.file(apart)), "b.inp"));
    EXPECT_EQ(Messages(dir.path()), (std::vector<std::string>{shared, apart}));

    // Each input run again replaces its own message, under the same name,
    // also when named by another path.
    fs::remove(dir.file(apart));
    TempDir elsewhere;
    r = RunTarvex({"/F", dir.file("a.inp")}, elsewhere.path());
    EXPECT_EQ(r.exitCode, 0) << r.out << r.err;
    EXPECT_EQ(r.err.find("WARNING"), std::string::npos) << r.err;
    EXPECT_TRUE(Carries(ReadFileBytes(dir.file(shared)), dir.file("a.inp")));
    r = RunTarvex({"/F", "b.inp"}, dir.path());
    EXPECT_NE(r.err.find(warning), std::string::npos) << r.err;
    EXPECT_EQ(Messages(dir.path()), (std::vector<std::string>{shared, apart}));

    // A file that is not our message is not replaced either.
    fs::remove(dir.file(apart));
    WriteFileBytes(dir.file(shared), "someone else's\n");
    r = RunTarvex({"/F", "a.inp"}, dir.path());
    EXPECT_EQ(r.exitCode, 0) << r.out << r.err;
    EXPECT_EQ(ReadFileBytes(dir.file(shared)), "someone else's\n");
    EXPECT_TRUE(Carries(ReadFileBytes(dir.file("a[" + reference + "].xml")), "a.inp"));
}

// Run at the same time, the two inputs still write two messages: one under
// the number, one under its input's name, which the summary and the batch's
// report name.
TEST(MessageName, TheBatchSaysWhereEachMessageWent) {
    TempDir dir;
    WriteFileBytes(dir.file("a.inp"), MessageInput());
    WriteFileBytes(dir.file("b.inp"), MessageInput());
    for (int round = 0; round < 2; ++round) {
        const ProcessResult r = RunBatch({"--jobs", "2", "--summary", "s", dir.path()}, dir.path());
        EXPECT_EQ(r.exitCode, 1) << r.out << r.err;
        std::map<std::string, BatchRow> rows = RowsOf(dir.file("s.jsonl"));
        ASSERT_EQ(rows.size(), 2u);
        const std::string reference = rows["a.inp"].rrnCertificate;
        ASSERT_EQ(reference.size(), 24u);
        const std::vector<std::string> messages = Messages(dir.path());
        ASSERT_EQ(messages.size(), 2u) << round;
        std::set<std::string> named;
        for (const auto& [name, row] : rows) {
            EXPECT_EQ(row.status, "ok") << name;
            named.insert(row.message);
            EXPECT_NE(std::find(row.outputs.begin(), row.outputs.end(), row.message),
                      row.outputs.end());
            EXPECT_TRUE(Carries(ReadFileBytes(dir.file(row.message)), row.input)) << name;
            if (MessageKeptApart(row)) {
                EXPECT_EQ(row.message, name.substr(0, 1) + "[" + reference + "].xml");
                EXPECT_GE(row.warnings, 1);
                EXPECT_NE(r.out.find("  " + row.input + ": " + row.message + "\n"),
                          std::string::npos)
                    << r.out;
            }
        }
        EXPECT_EQ(std::vector<std::string>(named.begin(), named.end()), messages);
        EXPECT_NE(r.out.find(" and " + dir.file("b.inp") + ": certificate " + reference),
                  std::string::npos)
            << r.out;
    }
}

}  // namespace
