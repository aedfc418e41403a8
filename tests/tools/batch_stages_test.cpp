#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "library/ncmd5.h"
#include "tests/support/process.h"
#include "tests/support/tempdir.h"
#include "tools/batch_options.h"
#include "tools/batch_work.h"

namespace fs = std::filesystem;

namespace {

// Each wrong command line stops with status 2 and says what is wrong, before
// any usage; --help stops with 0, printed on standard output. The first of
// them on the line decides.
TEST(BatchOptions, StopsOnHelpAndOnEveryWrongCommandLine) {
    struct Case {
        std::vector<std::string> args;
        int status;
        std::string start;  // of the message
    };
    const std::vector<Case> cases{
        {{}, 2, "usage:"},
        {{"--resume"}, 2, "usage:"},
        {{"--jobs", "0", "x"}, 2, "tarvex-batch: --jobs takes"},
        {{"--jobs", "-1", "x"}, 2, "tarvex-batch: --jobs takes"},
        {{"--jobs", "2x", "x"}, 2, "tarvex-batch: --jobs takes"},
        {{"--jobs", "", "x"}, 2, "tarvex-batch: --jobs takes"},
        {{"--jobs", "99999999999", "x"}, 2, "tarvex-batch: --jobs takes"},
        {{"x", "--jobs"}, 2, "tarvex-batch: --jobs takes"},
        {{"--shard", "3/2", "x"}, 2, "tarvex-batch: --shard takes"},
        {{"x", "--shard"}, 2, "tarvex-batch: --shard takes"},
        {{"--timeout", "-1", "x"}, 2, "tarvex-batch: --timeout takes"},
        {{"--timeout", "1.5", "x"}, 2, "tarvex-batch: --timeout takes"},
        {{"--timeout", "1000000", "x"}, 2, "tarvex-batch: --timeout takes"},
        {{"x", "--timeout"}, 2, "tarvex-batch: --timeout takes"},
        {{"x", "--summary"}, 2, "usage:"},
        {{"x", "--program"}, 2, "usage:"},
        {{"x", "--data"}, 2, "usage:"},
        {{"--frobnicate", "x"}, 2, "tarvex-batch: unknown option --frobnicate\nusage:"},
        {{"--jobs", "0", "--help"}, 2, "tarvex-batch: --jobs takes"},
        {{"--help", "--jobs", "0"}, 0, "usage:"},
        {{"x", "-h"}, 0, "usage:"},
        {{"--"}, 2, "usage:"},
        {{"--resume", "--"}, 2, "usage:"},
    };
    for (const Case& c : cases) {
        std::string line;
        for (const std::string& a : c.args) line += "[" + a + "]";
        const CommandLine parsed = ParseOptions(c.args);
        ASSERT_TRUE(parsed.exitStatus.has_value()) << line;
        EXPECT_EQ(*parsed.exitStatus, c.status) << line;
        EXPECT_EQ(parsed.toStandardOutput, c.status == 0) << line;
        EXPECT_EQ(parsed.message.rfind(c.start, 0), 0u) << line << ": " << parsed.message;
        EXPECT_NE(parsed.message.find("usage: tarvex-batch"), std::string::npos) << line;
    }
}

TEST(BatchOptions, ReadsEveryOptionAmongTheSources) {
    const CommandLine parsed = ParseOptions({"a", "--jobs", "3", "--shard", "2/3", "b", "--resume",
                                             "--summary", "s", "--program", "p", "--data", "d",
                                             "-x", "--allow-shared-rrn", "--timeout", "0"});
    ASSERT_FALSE(parsed.exitStatus.has_value()) << parsed.message;
    const BatchOptions& o = parsed.options;
    EXPECT_EQ(o.jobs, 3u);
    EXPECT_TRUE(o.resume);
    EXPECT_TRUE(o.allowSharedReferences);
    EXPECT_EQ(std::make_pair(o.shardK, o.shardN), std::make_pair(2, 3));
    EXPECT_EQ(o.summary, "s");
    EXPECT_EQ(o.program, "p");
    EXPECT_EQ(o.data, "d");
    EXPECT_EQ(o.timeout, 0u);
    EXPECT_EQ(o.sources, (std::vector<std::string>{"a", "b", "-x"}));

    const BatchOptions plain = ParseOptions({"a"}).options;
    EXPECT_GE(plain.jobs, 1u);
    EXPECT_FALSE(plain.resume);
    EXPECT_FALSE(plain.allowSharedReferences);
    EXPECT_EQ(plain.timeout, kDefaultRunTimeout);
    EXPECT_EQ(SummaryBase(plain), "tarvex-batch");

    // After "--" every argument is a source, an option's name or "--" included.
    const CommandLine dashes = ParseOptions({"--resume", "--", "--jobs", "--", "-h", "--x.inp"});
    ASSERT_FALSE(dashes.exitStatus.has_value()) << dashes.message;
    EXPECT_TRUE(dashes.options.resume);
    EXPECT_EQ(dashes.options.sources, (std::vector<std::string>{"--jobs", "--", "-h", "--x.inp"}));
}

// Shards run at the same time must never write one summary.
TEST(BatchOptions, NamesTheSummaryOfEachShardApart) {
    BatchOptions o;
    o.shardK = 2;
    o.shardN = 3;
    EXPECT_EQ(SummaryBase(o), "tarvex-batch-2-of-3");
    o.summary = "mine";
    EXPECT_EQ(SummaryBase(o), "mine");
}

// An input is kept from the previous journal only when it succeeded there on
// the same bytes; a refused one is not run whatever the journal says, and its
// clash is found even when the other input is in another shard; a missing one
// is missing, in its own shard.
TEST(BatchWork, RunsOnlyWhatThePreviousSummaryCannotVouchFor) {
    TempDir dir;
    std::map<std::string, BatchRow> previous;
    auto input = [&](const std::string& name, const std::string& bytes,
                     const std::optional<std::string>& status) {
        const std::string path = fs::path(dir.file(name)).lexically_normal().string();
        WriteFileBytes(path, bytes);
        if (!status) return;
        BatchRow row;
        row.input = path;
        row.status = *status;
        row.assetRating = 57;
        row.inputDigest = NCMD5().hash("same");
        previous[path] = row;
    };
    input("a.inp", "same", "ok");
    input("b.inp", "changed", "ok");
    input("c.inp", "same", "failed");
    input("d.inp", "same", std::nullopt);
    input("e.INP", "same", std::nullopt);
    input("e.inp", "same", "ok");
    WriteFileBytes(dir.file("list"), "f.inp\n");
    BatchRow gone;
    gone.input = dir.file("f.inp");
    gone.status = "ok";
    previous[gone.input] = gone;
    const std::map<std::string, std::string> expected{
        {"a.inp", "kept"},    {"b.inp", "run"},     {"c.inp", "run"},    {"d.inp", "run"},
        {"e.INP", "refused"}, {"e.inp", "refused"}, {"f.inp", "missing"}};

    std::map<std::string, std::string> seen;
    for (int k = 1; k <= 2; ++k) {
        for (int n : {1, 2}) {
            if (k > n) continue;
            const BatchWork work = GatherWork({dir.path(), dir.file("list")}, k, n, previous);
            EXPECT_TRUE(work.problems.empty());
            ASSERT_EQ(work.rows.size(), work.inputs.size());
            std::size_t kept = 0;
            for (std::size_t i = 0; i < work.inputs.size(); ++i) {
                const std::string name = fs::path(work.inputs[i]).filename().string();
                const BatchRow& row = work.rows[i];
                const bool toRun =
                    std::find(work.todo.begin(), work.todo.end(), i) != work.todo.end();
                EXPECT_EQ(row.input, work.inputs[i]);
                std::string state = toRun                            ? "run"
                                    : row.status == status::kNotRun  ? "refused"
                                    : row.status == status::kMissing ? "missing"
                                                                     : "kept";
                if (state == "kept") {
                    ++kept;
                    EXPECT_EQ(row.assetRating, 57.0) << name;
                }
                if (state == "refused") {
                    EXPECT_NE(row.firstError.find("letter case"), std::string::npos) << name;
                }
                EXPECT_EQ(state, expected.at(name)) << name << " in shard " << k << "/" << n;
                seen[name] = state;
            }
            EXPECT_EQ(work.kept, kept) << k << "/" << n;
        }
    }
    EXPECT_EQ(seen, expected);
}

// --resume reads the journal a line at a time: a line longer than any row is
// passed over and counted (its input runs again), however long; the rows
// around it count; a last line cut short is passed over without a word; what
// is not a regular file is not read.
TEST(BatchJournal, IsReadAsAStreamOfLines) {
    TempDir dir;
    BatchRow a;
    a.input = "/p/a.inp";
    a.status = status::kOk;
    BatchRow huge = a;
    huge.input = "/p/huge.inp";
    huge.address = std::string(kJournalLineLimit + 70000, 'x');  // across read chunks
    BatchRow b = a;
    b.input = "/p/b.inp";
    const std::string text =
        JsonLine(a) + JsonLine(huge) + "not a row\n" + JsonLine(b) + JsonLine(huge).substr(0, 99);
    WriteFileBytes(dir.file("j.jsonl"), text);
    std::string note;
    const Journal read = ReadJournal(dir.file("j.jsonl"), note);
    EXPECT_EQ(note, "");
    EXPECT_EQ(read.longLines, 1u);
    EXPECT_EQ(read.unreadLines, 1u);
    ASSERT_EQ(read.rows.size(), 2u);
    EXPECT_EQ(JsonLine(read.rows.at("/p/b.inp")), JsonLine(b));

    // The torn end is an oversized line: still passed over without a word.
    const std::string hugeLine = JsonLine(huge);
    WriteFileBytes(dir.file("torn.jsonl"), JsonLine(a) + hugeLine.substr(0, hugeLine.size() - 1));
    const Journal torn = ReadJournal(dir.file("torn.jsonl"), note);
    EXPECT_EQ(torn.longLines, 0u);
    EXPECT_EQ(torn.rows.size(), 1u);

    EXPECT_TRUE(ReadJournal(dir.file("none.jsonl"), note).rows.empty());
    EXPECT_NE(note.find("no journal"), std::string::npos) << note;
    fs::create_directories(dir.file("folder.jsonl"));
    EXPECT_TRUE(ReadJournal(dir.file("folder.jsonl"), note).rows.empty());
    EXPECT_NE(note.find("cannot be read (not a regular file)"), std::string::npos) << note;
}

}  // namespace
