// Joining the journals of a batch run in parts.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "tests/support/process.h"
#include "tests/support/tempdir.h"
#include "tools/batch_join.h"

namespace fs = std::filesystem;

namespace {

BatchRow Row(const std::string& input, const char* state, const std::string& epc = "",
             const std::string& rec = "") {
    BatchRow r;
    r.input = input;
    r.status = state;
    r.rrnCertificate = epc;
    r.rrnRecommendations = rec;
    if (std::string(state) == status::kOk) r.validated = "yes";
    return r;
}

std::string Lines(const std::vector<BatchRow>& rows) {
    std::string text;
    for (const BatchRow& r : rows) text += JsonLine(r);
    return text;
}

// Journals in any order, one resumed (an input's rows repeated, the last
// counting), one killed (its last line cut short), one written later holding
// an input another holds too: one row per input, sorted, the later journal's
// row winning; lines that are not rows are counted.
TEST(BatchJoin, TakesEveryInputOnceTheLastRowWinning) {
    const auto t0 = fs::file_time_type::clock::now();
    const std::vector<JournalSource> journals{
        {"shard-2",
         Lines({Row("/p/b.inp", status::kFailed), Row("/p/d.inp", status::kOk)}) +
             Lines({Row("/p/b.inp", status::kOk)}),
         t0},
        {"shard-1",
         Lines({Row("/p/c.inp", status::kOk), Row("/p/a.inp", status::kMissing)}) + "{\"inp",
         t0 + std::chrono::seconds(1)},
        {"shard-3", "not a row\n" + Lines({Row("/p/d.inp", status::kFailed)}),
         t0 + std::chrono::seconds(2)},
    };
    const Joined joined = JoinJournals(journals);
    std::vector<std::string> inputs, states;
    for (const BatchRow& r : joined.rows) {
        inputs.push_back(r.input);
        states.push_back(r.status);
    }
    EXPECT_EQ(inputs, (std::vector<std::string>{"/p/a.inp", "/p/b.inp", "/p/c.inp", "/p/d.inp"}));
    EXPECT_EQ(states, (std::vector<std::string>{"missing", "ok", "ok", "failed"}));
    EXPECT_EQ(joined.unreadLines, 1u);
    EXPECT_EQ(joined.many, std::vector<std::string>{"/p/d.inp"});

    // The same journals given in another order join the same.
    const Joined again = JoinJournals({journals[2], journals[0], journals[1]});
    EXPECT_EQ(Lines(again.rows), Lines(joined.rows));
    EXPECT_TRUE(JoinJournals({}).rows.empty());
}

// Folders give their journals, at any depth, sorted; the join's own is
// never taken, even when named;
// a name that is not there is a problem.
TEST(BatchJoin, FindsTheJournalsOfFolders) {
    TempDir dir;
    fs::create_directories(dir.file("s/deep"));
    for (const char* name : {"s/b.jsonl", "s/a.jsonl", "s/deep/c.jsonl", "s/a.csv", "s/all.jsonl"})
        WriteFileBytes(dir.file(name), "");
    std::vector<std::string> problems;
    const std::vector<std::string> files = JournalFiles(
        {dir.file("s"), dir.file("s/a.csv"), dir.file("s/all.jsonl"), dir.file("gone.jsonl")},
        dir.file("s/all.jsonl"), problems);
    EXPECT_EQ(files, (std::vector<std::string>{dir.file("s/a.jsonl"), dir.file("s/b.jsonl"),
                                               dir.file("s/deep/c.jsonl"), dir.file("s/a.csv")}));
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_NE(problems[0].find("gone.jsonl: no such journal"), std::string::npos) << problems[0];
}

}  // namespace
