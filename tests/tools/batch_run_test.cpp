// tarvex-batch run as a process on real inputs.
#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <set>
#include <sstream>

#include "library/inpkey.h"
#include "library/ncmd5.h"
#include "library/ncmkeys.h"
#include "tests/support/example_runs.h"
#include "tests/support/lines.h"
#include "tests/support/process.h"
#include "tests/support/tempdir.h"
#include "tests/tools/batch_support.h"
#include "tools/batch.h"

namespace fs = std::filesystem;

namespace {

// The band and rating of the reviewed results file of an example.
std::pair<std::string, std::string> ExpectedRating(const std::string& example) {
    const std::string csv =
        ReadFileBytes(std::string(TARVEX_SOURCE_DIR) + "/tests/runs/expected/" + example + ".csv");
    for (const std::string& line : Lines(csv)) {
        if (line.rfind("Building Emission Rate (BER),", 0) != 0) continue;
        std::vector<std::string> f;
        std::istringstream fields(line);
        for (std::string field; std::getline(fields, field, ',');) f.push_back(field);
        if (f.size() >= 4) return {f[2], f[3]};
    }
    ADD_FAILURE() << "no rating in the expected results of " << example;
    return {};
}

// The England example with its key, a copy of it written in Windows-1252
// with an address of its own, and a broken input: every column of the
// summary from the runs' own results, numbers as numbers; the batch fails
// because one run did. Resuming runs only what did not succeed or changed.
TEST(BatchRun, SummarisesEveryInputFromItsRun) {
    TempDir dir;
    fs::create_directories(dir.file("one"));
    fs::create_directories(dir.file("two"));
    const std::string example = ExampleInput("england-office");
    CopyExample(dir, "england-office");
    fs::rename(dir.file("england-office.inp"), dir.file("one/england-office.inp"));
    fs::rename(dir.file("england-office_inpkey.txt"), dir.file("one/england-office_inpkey.txt"));
    WriteFileBytes(dir.file("one/annex.inp"),
                   WithKeyword(WithKeyword(example, "B-ADDRESS-0", "\"Caf\xe9 Annex\""), "UPRN",
                               "\"010000000001\""));
    WriteFileBytes(dir.file("two/broken.inp"), "\"x\" = GENERAL\n   P-NAME = \"Broken\n");

    ProcessResult r =
        RunBatch({"--jobs", "2", "--summary", dir.file("sum"), dir.file("one"), dir.file("two")},
                 dir.path());
    EXPECT_EQ(r.exitCode, 1) << r.out << r.err;
    const std::vector<std::string> csv = Lines(ReadFileBytes(dir.file("sum.csv")));
    ASSERT_EQ(csv.size(), 4u);
    EXPECT_EQ(csv[0] + "\n", CsvHeader());
    std::map<std::string, BatchRow> rows = RowsOf(dir.file("sum.jsonl"));
    ASSERT_EQ(rows.size(), 3u);

    const auto [band, rating] = ExpectedRating("england-office");
    const BatchRow& office = rows["england-office.inp"];
    EXPECT_EQ(office.status, "ok") << office.firstError;
    EXPECT_EQ(office.exitCode, 0);
    EXPECT_EQ(office.validated, "yes");
    EXPECT_EQ(office.jurisdiction, "England");
    EXPECT_EQ(office.uprn, KeywordValue(example, "UPRN"));
    EXPECT_EQ(office.address, KeywordValue(example, "B-ADDRESS-0"));
    EXPECT_EQ(office.postcode, KeywordValue(example, "B-POSTCODE"));
    EXPECT_EQ(office.assetRating, std::stod(rating));
    EXPECT_EQ(office.band, band);
    EXPECT_EQ(office.rrnCertificate.size(), 24u);
    EXPECT_EQ(office.rrnRecommendations.size(), 24u);
    EXPECT_NE(office.rrnCertificate, office.rrnRecommendations);
    EXPECT_EQ(office.message, "");
    for (const char* name : {"england-office.csv", "england-office[epc].pdf",
                             "england-office[rec].pdf", "england-office.log"}) {
        EXPECT_NE(std::find(office.outputs.begin(), office.outputs.end(), name),
                  office.outputs.end())
            << name;
    }
    EXPECT_EQ(office.warnings, 0);
    EXPECT_EQ(office.firstError, "");
    EXPECT_EQ(office.inputDigest, NCMD5().hash(example));
    const std::string officeLine = Lines(ReadFileBytes(dir.file("sum.jsonl")))[1];
    EXPECT_NE(officeLine.find("\"asset_rating\":" + rating + ","), std::string::npos) << officeLine;
    // The log beside the input is this input's own.
    const std::string log = ReadFileBytes(dir.file("one/england-office.log"));
    EXPECT_NE(log.find("File: " + dir.file("one/england-office.inp")), std::string::npos);
    EXPECT_FALSE(FileExists(dir.file("one/Tarvex.log")));

    // Input text reaches the summary as UTF-8; an input without its key is
    // not validated, and still runs.
    const BatchRow& annex = rows["annex.inp"];
    EXPECT_EQ(annex.status, "ok") << annex.firstError;
    EXPECT_EQ(annex.address, "Caf\xc3\xa9 Annex");
    EXPECT_EQ(annex.validated, "no");
    EXPECT_EQ(annex.uprn, "010000000001");

    EXPECT_EQ(rows["broken.inp"].status, "failed");
    EXPECT_EQ(rows["broken.inp"].exitCode, 1);
    // The diagnosis the run printed, where the input is wrong.
    EXPECT_EQ(rows["broken.inp"].firstError,
              dir.file("two/broken.inp") + ":2: error: bad syntax: a double quote is not closed");
    EXPECT_FALSE(rows["broken.inp"].assetRating.has_value());
    EXPECT_TRUE(FileExists(dir.file("two/broken.log")));

    // The roll-up, on the terminal and in the totals file.
    EXPECT_NE(r.out.find("England: 2 (" + band + " 2)"), std::string::npos) << r.out;
    const std::string totals = ReadFileBytes(dir.file("sum-totals.csv"));
    EXPECT_NE(totals.find("\nEngland," + band + ",(all),2\n"), std::string::npos) << totals;
    EXPECT_NE(totals.find("\n(all),(all),failed,1\n"), std::string::npos) << totals;
    EXPECT_NE(totals.find("\n(all),(all),(all),3\n"), std::string::npos) << totals;

    // Resume after the broken input is mended and one good input changed.
    WriteFileBytes(dir.file("two/broken.inp"), example);
    WriteFileBytes(dir.file("one/annex.inp"), ReadFileBytes(dir.file("one/annex.inp")) + "\n");
    r = RunBatch({"--resume", "--allow-shared-rrn", "--summary", dir.file("sum"), dir.file("one"),
                  dir.file("two")},
                 dir.path());
    EXPECT_EQ(r.exitCode, 0) << r.out << r.err;
    EXPECT_NE(r.out.find("3 ok, 0 failed, 0 not run, 0 missing; 2 to run, 1 kept"),
              std::string::npos)
        << r.out;
    EXPECT_EQ(RowsOf(dir.file("sum.jsonl")).size(), 3u);
}

// Inputs that cannot run safely are not run and their rows say why; the
// others run, at the same time, each with its own outputs.
TEST(BatchRun, DoesNotRunInputsThatCannotRunSafely) {
    TempDir dir;
    fs::create_directories(dir.file("one"));
    fs::create_directories(dir.file("two"));
    const std::string input = ExampleInput("england-office");
    for (const char* name : {"one/a.inp", "one/a.v2.inp", "two/b.inp", "two/b.INP",
                             "two/line\nbreak.inp", "two/huge.inp"})
        WriteFileBytes(dir.file(name), input);
    // Larger than the program reads, but holding no data: it must not be read.
    fs::resize_file(dir.file("two/huge.inp"), std::uintmax_t{3} << 30);

    const ProcessResult r = RunBatch({"--jobs", "2", "--allow-shared-rrn", "--summary",
                                      dir.file("sum"), dir.file("one"), dir.file("two")},
                                     dir.path());
    EXPECT_EQ(r.exitCode, 1) << r.out << r.err;
    std::map<std::string, BatchRow> rows = RowsOf(dir.file("sum.jsonl"));
    ASSERT_EQ(rows.size(), 6u);
    for (const auto& [name, stem] :
         std::map<std::string, std::string>{{"a.inp", "a"}, {"a.v2.inp", "a.v2"}}) {
        const BatchRow& row = rows[name];
        EXPECT_EQ(row.status, "ok") << name << ": " << row.firstError;
        EXPECT_EQ(row.outputs, (std::vector<std::string>{
                                   stem + ".bdl", stem + ".csv", stem + ".err", stem + "[epc].pdf",
                                   stem + "[rec].pdf", stem + "[srec].pdf", stem + ".log"}))
            << name;
    }
    const std::map<std::string, std::string> refused{{"b.inp", "letter case"},
                                                     {"b.INP", "letter case"},
                                                     {"line\nbreak.inp", "control character"},
                                                     {"huge.inp", "3221225472 bytes"}};
    for (const auto& [name, reason] : refused) {
        const BatchRow& row = rows[name];
        EXPECT_EQ(row.status, "not run") << name;
        EXPECT_FALSE(row.exitCode.has_value()) << name;
        EXPECT_NE(row.firstError.find(reason), std::string::npos) << name << ": " << row.firstError;
        EXPECT_TRUE(row.outputs.empty()) << name;
    }
    for (const char* name : {"b.csv", "b.log", "b[epc].pdf", "huge.log", "line\nbreak.log"})
        EXPECT_FALSE(FileExists(dir.file(std::string("two/") + name))) << name;
}

// The batch writes over nothing that is not its own: not an input whose kept
// log would be itself, not a list file, not a run's results with its summary.
// Each clash is found before anything runs, and what is there stays as it was.
TEST(BatchRun, WritesOverNothingThatIsNotItsOwn) {
    TempDir dir;
    fs::create_directories(dir.file("in"));
    const std::string input = ExampleInput("england-office");
    WriteFileBytes(dir.file("in/a.inp"), input);
    WriteFileBytes(dir.file("in/survey.log"), input);
    WriteFileBytes(dir.file("in/list"), "survey.log\n");
    WriteFileBytes(dir.file("in/a.log"), "a.inp\n");

    // An input that is its own kept log, an input whose log is a list file.
    const ProcessResult r = RunBatch(
        {"--summary", dir.file("s"), dir.file("in/list"), dir.file("in/a.log")}, dir.path());
    EXPECT_EQ(r.exitCode, 1) << r.out << r.err;
    std::map<std::string, BatchRow> rows = RowsOf(dir.file("s.jsonl"));
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows["survey.log"].status, "not run");
    EXPECT_NE(rows["survey.log"].firstError.find("over the input itself (survey.log)"),
              std::string::npos)
        << rows["survey.log"].firstError;
    EXPECT_EQ(rows["a.inp"].status, "not run");
    EXPECT_NE(rows["a.inp"].firstError.find("list file " + dir.file("in/a.log")), std::string::npos)
        << rows["a.inp"].firstError;
    EXPECT_EQ(ReadFileBytes(dir.file("in/survey.log")), input);
    EXPECT_EQ(ReadFileBytes(dir.file("in/a.log")), "a.inp\n");

    // A summary named like a run's results file: the batch does not start.
    fs::remove(dir.file("in/a.log"));
    const ProcessResult clash =
        RunBatch({"--summary", dir.file("in/a"), dir.file("in/a.inp")}, dir.path());
    EXPECT_EQ(clash.exitCode, 2) << clash.out << clash.err;
    EXPECT_NE(clash.err.find("the batch's own file " + dir.file("in/a.csv") +
                             " would be the file a.csv that the run of " + dir.file("in/a.inp")),
              std::string::npos)
        << clash.err;
    EXPECT_NE(clash.err.find("nothing was run"), std::string::npos) << clash.err;
    for (const char* name : {"in/a.csv", "in/a.jsonl", "in/a.lock", "in/a.log"})
        EXPECT_FALSE(FileExists(dir.file(name))) << name;
}

// A journal is one batch's at a time: while its lock is held a second batch
// on it runs nothing and names the holder; a lock left by a batch that was
// killed holds nothing, and a batch that ends takes its lock file away.
TEST(BatchRun, OneBatchAtATimeOnAJournal) {
    TempDir dir;
    Portfolio(dir.file("p"), 1);
    {
        const int fd = open(dir.file("s.lock").c_str(), O_RDWR | O_CREAT, 0644);
        ASSERT_GE(fd, 0);
        struct flock lock {};
        lock.l_type = F_WRLCK;
        lock.l_whence = SEEK_SET;
        // Held by a child, as another batch would hold it.
        const pid_t holder = fork();
        if (holder == 0) {
            if (fcntl(fd, F_SETLK, &lock) != 0) _exit(1);
            pause();
            _exit(0);
        }
        close(fd);
        for (int i = 0; i < 500; ++i) {
            const int probe = open(dir.file("s.lock").c_str(), O_RDWR);
            struct flock held = lock;
            const bool locked = fcntl(probe, F_GETLK, &held) == 0 && held.l_type != F_UNLCK;
            close(probe);
            if (locked) break;
            usleep(10000);
        }
        const ProcessResult busy = RunBatch({"--summary", "s", "--resume", "p"}, dir.path());
        kill(holder, SIGKILL);
        waitpid(holder, nullptr, 0);
        EXPECT_EQ(busy.exitCode, 2) << busy.out << busy.err;
        EXPECT_NE(busy.err.find("cannot write the journal s.jsonl: it is in use by another batch "
                                "(process " +
                                std::to_string(holder) + "), which holds s.lock; nothing was run"),
                  std::string::npos)
            << busy.err;
        EXPECT_FALSE(FileExists(dir.file("s.jsonl")));
        EXPECT_FALSE(FileExists(dir.file("p/in0.csv")));
    }
    // The holder is gone: its lock file is no lock.
    ASSERT_TRUE(FileExists(dir.file("s.lock")));
    const ProcessResult r = RunBatch({"--summary", "s", "p"}, dir.path());
    EXPECT_EQ(r.exitCode, 0) << r.out << r.err;
    EXPECT_EQ(RowsOf(dir.file("s.jsonl")).size(), 1u);
    EXPECT_FALSE(FileExists(dir.file("s.lock")));
}

// Inputs a list names that are not there have rows of their own; the batch
// fails, and says so.
TEST(BatchRun, GivesMissingInputsARow) {
    TempDir dir;
    Portfolio(dir.path(), 1);
    WriteFileBytes(dir.file("list.txt"), "in0.inp\ngone.inp\nsub/also gone.inp\n");
    const ProcessResult r = RunBatch({"--summary", "sum", "list.txt"}, dir.path());
    EXPECT_EQ(r.exitCode, 1) << r.out << r.err;
    EXPECT_NE(r.out.find("3 inputs: 1 ok, 0 failed, 0 not run, 2 missing"), std::string::npos)
        << r.out;
    std::map<std::string, BatchRow> rows = RowsOf(dir.file("sum.jsonl"));
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows["in0.inp"].status, "ok");
    for (const char* name : {"gone.inp", "also gone.inp"}) {
        EXPECT_EQ(rows[name].status, "missing") << name;
        EXPECT_EQ(rows[name].firstError, "no such input file") << name;
    }
    EXPECT_EQ(Lines(ReadFileBytes(dir.file("sum.csv"))).size(), 4u);
}

// The summary's folder is checked before anything runs.
TEST(BatchRun, StopsBeforeRunningWhenTheSummaryCannotBeWritten) {
    TempDir dir;
    Portfolio(dir.path(), 2);
    const ProcessResult r =
        RunBatch({"--summary", dir.file("no/such/folder/sum"), dir.path()}, dir.path());
    EXPECT_EQ(r.exitCode, 2) << r.out << r.err;
    EXPECT_NE(r.err.find("cannot write the journal " + dir.file("no/such/folder/sum.jsonl")),
              std::string::npos)
        << r.err;
    EXPECT_NE(r.err.find("nothing was run"), std::string::npos) << r.err;
    EXPECT_FALSE(FileExists(dir.file("in0.csv")));
    EXPECT_FALSE(FileExists(dir.file("in0.log")));
}

// Shards together run every input once: more shards than inputs leaves some
// empty, and a shard submitted again with --resume runs nothing twice.
TEST(BatchRun, ShardsRunDisjointParts) {
    TempDir dir;
    Portfolio(dir.file("p"), 3);
    std::multiset<std::string> seen;
    for (int k = 1; k <= 5; ++k) {
        const std::string shard = std::to_string(k) + "/5";
        const ProcessResult r = RunBatch({"--resume", "--shard", shard, "p"}, dir.path());
        EXPECT_EQ(r.exitCode, 0) << shard << r.out << r.err;
        for (const auto& [name, row] :
             RowsOf(dir.file("tarvex-batch-" + std::to_string(k) + "-of-5.jsonl"))) {
            EXPECT_EQ(row.status, "ok") << name;
            seen.insert(name);
        }
    }
    EXPECT_EQ(seen, (std::multiset<std::string>{"in0.inp", "in1.inp", "in2.inp"}));
    const ProcessResult again = RunBatch({"--resume", "--shard", "2/5", "p"}, dir.path());
    EXPECT_EQ(again.exitCode, 0) << again.out << again.err;
    EXPECT_NE(again.out.find("1 inputs: 1 ok, 0 failed, 0 not run, 0 missing; 0 to run, 1 kept"),
              std::string::npos)
        << again.out;
    EXPECT_EQ(RowsOf(dir.file("tarvex-batch-2-of-5.jsonl")).size(), 1u);
}

// --resume without a journal says so in one line and runs everything; with
// one whose last row a killed batch cut short, it runs exactly that input
// again.
TEST(BatchRun, ResumesFromTheJournal) {
    TempDir dir;
    Portfolio(dir.file("p"), 3);
    ProcessResult r = RunBatch({"--resume", "--summary", "s", "p"}, dir.path());
    EXPECT_EQ(r.exitCode, 0) << r.out << r.err;
    EXPECT_EQ(r.err, "tarvex-batch: no journal s.jsonl to resume from: every input runs\n");
    EXPECT_NE(r.out.find("3 to run, 0 kept"), std::string::npos) << r.out;

    const std::vector<std::string> lines = Lines(ReadFileBytes(dir.file("s.jsonl")));
    ASSERT_EQ(lines.size(), 3u);
    WriteFileBytes(dir.file("s.jsonl"),
                   lines[0] + "\n" + lines[1] + "\n" + lines[2].substr(0, lines[2].size() / 2));
    r = RunBatch({"--resume", "--summary", "s", "p"}, dir.path());
    EXPECT_EQ(r.exitCode, 0) << r.out << r.err;
    EXPECT_EQ(r.err, "");
    EXPECT_NE(r.out.find("3 ok, 0 failed, 0 not run, 0 missing; 1 to run, 2 kept"),
              std::string::npos)
        << r.out;
    const std::map<std::string, BatchRow> rows = RowsOf(dir.file("s.jsonl"));
    EXPECT_EQ(rows.size(), 3u);

    // Lines that are not rows are said, and their inputs run.
    WriteFileBytes(dir.file("s.jsonl"), "garbage\n" + lines[0] + "\n" + lines[1] + "\n");
    r = RunBatch({"--resume", "--summary", "s", "p"}, dir.path());
    EXPECT_EQ(r.exitCode, 0) << r.out << r.err;
    EXPECT_NE(r.err.find("1 lines of s.jsonl are not rows and were passed over"), std::string::npos)
        << r.err;
    EXPECT_NE(r.out.find("1 to run, 2 kept"), std::string::npos) << r.out;
}

// Names with blanks, quotes, a leading dash or a line break: each runs (the
// last is refused with its reason), is named exactly in the summary, and a
// name that looks like an option is a source after "--".
TEST(BatchRun, TakesAnyNameItCanRun) {
    TempDir dir;
    fs::create_directories(dir.file("p"));
    const std::string example = ExampleInput("england-office");
    const std::vector<std::string> names{"a b.inp", "it's \"q\".inp", "-dash.inp",
                                         "--x.inp", "a,b;c.inp",      "line\nbreak.inp"};
    for (std::size_t i = 0; i < names.size(); ++i) {
        char uprn[32];
        std::snprintf(uprn, sizeof uprn, "\"2000%08zu\"", i);
        WriteFileBytes(dir.file("p/" + names[i]), WithKeyword(example, "UPRN", uprn));
    }
    const ProcessResult r =
        RunBatch({"--jobs", "2", "--summary", "s", "--", "--x.inp", "-dash.inp", dir.file("p")},
                 dir.file("p"));
    EXPECT_EQ(r.exitCode, 1) << r.out << r.err;
    std::map<std::string, BatchRow> rows = RowsOf(dir.file("p/s.jsonl"));
    ASSERT_EQ(rows.size(), names.size());
    for (const std::string& name : names) {
        const BatchRow& row = rows[name];
        EXPECT_EQ(row.input, dir.file("p/" + name));
        if (name.find('\n') != std::string::npos) {
            EXPECT_EQ(row.status, "not run") << row.firstError;
            continue;
        }
        EXPECT_EQ(row.status, "ok") << name << ": " << row.firstError;
        const std::string stem = name.substr(0, name.size() - 4);
        EXPECT_TRUE(FileExists(dir.file("p/" + stem + ".log"))) << name;
        EXPECT_TRUE(FileExists(dir.file("p/" + stem + "[epc].pdf"))) << name;
    }
    const std::string csv = ReadFileBytes(dir.file("p/s.csv"));
    EXPECT_NE(csv.find("\n\"" + dir.file("p/it's \"\"q\"\".inp") + "\",ok,"), std::string::npos)
        << csv;
    EXPECT_NE(csv.find("\n\"" + dir.file("p/line\nbreak.inp") + "\",not run,"), std::string::npos)
        << csv;
}

// Two inputs for one building inspected on one day get the same reference
// numbers: the batch lists the pair once, with both numbers, and fails,
// unless told that this is expected.
TEST(BatchRun, ListsSharedReferenceNumbers) {
    TempDir dir;
    const std::string example = ExampleInput("england-office");
    WriteFileBytes(dir.file("first.inp"), example);
    WriteFileBytes(dir.file("second.inp"), example);
    WriteFileBytes(dir.file("other.inp"), WithKeyword(example, "UPRN", "\"300000000001\""));
    ProcessResult r = RunBatch({"--summary", "s", dir.path()}, dir.path());
    EXPECT_EQ(r.exitCode, 1) << r.out << r.err;
    std::map<std::string, BatchRow> rows = RowsOf(dir.file("s.jsonl"));
    ASSERT_EQ(rows.size(), 3u);
    for (const auto& [name, row] : rows) EXPECT_EQ(row.status, "ok") << name;
    const BatchRow& first = rows["first.inp"];
    EXPECT_EQ(first.rrnCertificate.size(), 24u);
    EXPECT_EQ(first.rrnRecommendations.size(), 24u);
    EXPECT_NE(r.out.find("  " + dir.file("first.inp") + " and " + dir.file("second.inp") +
                         ": certificate " + first.rrnCertificate + ", recommendations report " +
                         first.rrnRecommendations + "\n"),
              std::string::npos)
        << r.out;
    // Not validated and warned too: no key file beside them.
    EXPECT_EQ(first.attention, "not validated; warned; shared reference number");
    EXPECT_EQ(rows["other.inp"].attention, "not validated; warned");
    EXPECT_EQ(r.out.find(rows["other.inp"].rrnCertificate), std::string::npos) << r.out;

    r = RunBatch({"--allow-shared-rrn", "--summary", "s", dir.path()}, dir.path());
    EXPECT_EQ(r.exitCode, 0) << r.out << r.err;
    EXPECT_NE(r.out.find("inputs that share report reference numbers (allowed):"),
              std::string::npos)
        << r.out;
}

TEST(BatchRun, RejectsAWrongCommandLine) {
    TempDir dir;
    for (const std::vector<std::string>& args : {std::vector<std::string>{},
                                                 {"--jobs", "0", "x"},
                                                 {"--shard", "3/2", "x"},
                                                 {"--shard", "1/0", "x"},
                                                 {"--frobnicate", "x"}}) {
        EXPECT_EQ(RunBatch(args, dir.path()).exitCode, 2);
    }
}

}  // namespace

namespace {

// An input that is wrong where a certificate would be worked out from it,
// and one with a slip the run reads through: the first row fails with the
// error, the second is ok and says its warning, wherever the run said it.
TEST(BatchRun, RowsSayTheErrorOrTheWarningsOfTheirRun) {
    TempDir dir;
    const std::string example = ExampleInput("england-office");
    WriteFileBytes(dir.file("fifty.inp"), WithKeyword(example, "BER", "fifty"));
    const std::string ber = KeywordValue(example, "BER");
    std::string comma = ber;
    std::replace(comma.begin(), comma.end(), '.', ',');
    ASSERT_NE(comma, ber);
    WriteFileBytes(dir.file("comma.inp"), WithKeyword(example, "BER", comma));
    // Keyed, so that the comma is its one warning.
    NCMKEYS keys;
    keys.Init();
    constexpr int kZolmKey = 1;
    WriteFileBytes(dir.file("comma_inpkey.txt"),
                   InputKeyDigest(keys, kZolmKey, dir.file("comma.inp")) + "\n");

    const ProcessResult r = RunBatch({"--summary", "sum", dir.path()}, dir.path());
    EXPECT_EQ(r.exitCode, 1) << r.out << r.err;
    std::map<std::string, BatchRow> rows = RowsOf(dir.file("sum.jsonl"));
    const BatchRow& fifty = rows["fifty.inp"];
    EXPECT_EQ(fifty.status, "failed");
    EXPECT_EQ(fifty.firstError.rfind(dir.file("fifty.inp") + ":" +
                                         std::to_string(LineOf(example, "   BER ")) +
                                         ": error: BER = fifty is not a number",
                                     0),
              0u)
        << fifty.firstError;
    const BatchRow& slip = rows["comma.inp"];
    EXPECT_EQ(slip.status, "ok") << slip.firstError;
    EXPECT_EQ(slip.warnings, 1);
    EXPECT_NE(slip.firstWarning.find(": warning: BER = " + comma + " is read as "),
              std::string::npos)
        << slip.firstWarning;
    EXPECT_NE(ReadFileBytes(dir.file("sum.csv")).find("a comma is not a decimal point"),
              std::string::npos);
}

}  // namespace

namespace {

// A file size limit makes a write of the batch fail, not kill it: it says
// which file, leaves no temporary of its own and does not end with 0.
TEST(BatchRun, AFileSizeLimitIsAFailedWriteNotAKill) {
    TempDir dir;
    Portfolio(dir.file("p"), 3);
    const ProcessResult r =
        RunProcess({"/bin/sh", "-c",
                    std::string("ulimit -f 1; cd '") + dir.path() + "' && exec '" +
                        TARVEX_BATCH_BIN + "' --summary s --report r.html p"});
    EXPECT_NE(r.exitCode, 0) << r.out << r.err;
    EXPECT_LT(r.exitCode, 128) << "ended by a signal: " << r.exitCode;
    EXPECT_NE(r.err.find("File too large"), std::string::npos) << r.err;
    EXPECT_TRUE(EntriesStartingWith(dir.path(), ".tarvex-").empty());
}

}  // namespace
