#include "tools/batch.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <climits>
#include <filesystem>
#include <map>
#include <set>
#include <sstream>

#include "tests/support/example_runs.h"
#include "tests/support/process.h"
#include "tests/support/tempdir.h"

namespace fs = std::filesystem;

namespace {

ProcessResult RunBatch(const std::vector<std::string>& args, const std::string& dir) {
    std::vector<std::string> all{TARVEX_BATCH_BIN, "--program", TARVEX_BIN};
    all.insert(all.end(), args.begin(), args.end());
    return RunProcess(all, dir);
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) lines.push_back(line);
    return lines;
}

TEST(BatchShards, TogetherHoldEveryInputOnce) {
    TempDir dir;
    // Inputs in nested folders, one named twice (folder and list), a list
    // with a comment and a blank line, and a file that is not an input.
    fs::create_directories(dir.file("p/q"));
    std::vector<std::string> expected;
    for (int i = 0; i < 13; ++i) {
        const std::string name = dir.file((i % 2 ? "p/q/in" : "p/in") + std::to_string(i) + ".inp");
        WriteFileBytes(name, "x");
        expected.push_back(fs::path(name).lexically_normal().string());
    }
    WriteFileBytes(dir.file("p/notes.txt"), "not an input");
    WriteFileBytes(dir.file("list.txt"), "# portfolio\n\np/in0.inp\n  p/q/in1.inp  \n");
    std::sort(expected.begin(), expected.end());

    std::vector<std::string> problems;
    const std::vector<std::string> inputs =
        GatherInputs({dir.file("p"), dir.file("list.txt"), dir.file("p/in2.inp")}, problems);
    EXPECT_TRUE(problems.empty());
    ASSERT_EQ(inputs, expected);

    for (int n = 1; n <= 15; ++n) {
        std::multiset<std::string> seen;
        for (int k = 1; k <= n; ++k) {
            const std::vector<std::string> part = ShardOf(inputs, k, n);
            EXPECT_LE(part.size(), inputs.size() / n + 1) << k << "/" << n;
            seen.insert(part.begin(), part.end());
        }
        EXPECT_EQ(std::vector<std::string>(seen.begin(), seen.end()), inputs) << "N = " << n;
    }
}

TEST(BatchShards, ReadsKOfN) {
    const std::map<std::string, std::pair<int, int>> good{
        {"1/1", {1, 1}}, {"2/3", {2, 3}}, {"10/10", {10, 10}}};
    for (const auto& [text, want] : good) {
        int k = 0, n = 0;
        EXPECT_TRUE(ParseShard(text, k, n)) << text;
        EXPECT_EQ(std::make_pair(k, n), want) << text;
    }
    for (const char* bad : {"0/3", "4/3", "1/0", "1", "/2", "1/", "a/b", "-1/2", "1/2/3", ""}) {
        int k = 0, n = 0;
        EXPECT_FALSE(ParseShard(bad, k, n)) << bad;
    }
}

TEST(BatchSources, ReportsWhatCannotBeRead) {
    TempDir dir;
    WriteFileBytes(dir.file("list.txt"), "gone.inp\n");
    // A list larger than an input, holding no line end: it must not be read.
    WriteFileBytes(dir.file("huge-list"), "");
    fs::resize_file(dir.file("huge-list"), std::uintmax_t{3} << 30);
    std::vector<std::string> problems;
    EXPECT_TRUE(GatherInputs({dir.file("list.txt"), dir.file("missing.inp"),
                              dir.file("missing-list"), dir.file("huge-list")},
                             problems)
                    .empty());
    EXPECT_EQ(problems.size(), 4u);
}

TEST(BatchSummary, JsonLinesReadBackAsWritten) {
    BatchRow row;
    row.input = "/data/a \"quoted\"\\folder/x.inp";
    row.status = "failed";
    row.exitCode = 1;
    row.jurisdiction = "England and Wales";
    row.assetRating = "57";
    row.band = "C";
    row.references = {"2823-8435-1002-0499-0796", "9992-2200-8405-1843-4700"};
    row.outputs = {"x.csv", "x[epc].pdf"};
    row.seconds = 0.125;
    row.firstError = "line one\ttab \x01";
    row.inputDigest = "d41d8cd98f00b204e9800998ecf8427e";
    const std::string line = JsonLine(row);
    EXPECT_EQ(std::count(line.begin(), line.end(), '\n'), 1);
    BatchRow back;
    ASSERT_TRUE(ParseJsonLine(line.substr(0, line.size() - 1), back)) << line;
    EXPECT_EQ(JsonLine(back), line);
    EXPECT_FALSE(ParseJsonLine("{\"input\":\"x\"", back));
    EXPECT_FALSE(ParseJsonLine("not json", back));
    // CSV quotes fields with commas or quotes, doubling the quotes.
    EXPECT_NE(CsvLine(row).find("\"/data/a \"\"quoted\"\"\\folder/x.inp\""), std::string::npos);
}

// Any line at all gives a row or is refused: escapes that are not JSON's and
// numbers the row cannot hold are refused, never a crash or a wrapped value.
TEST(BatchSummary, ReadsOnlyLinesItCanHold) {
    struct Case {
        std::string line;
        bool read;
        std::string input;
        int exitCode;
    };
    const Case cases[] = {
        {R"({"input":"\u00e9\ud83d\ude00\/\b\f\u0000","exit_code":3})", true,
         std::string("\xc3\xa9\xf0\x9f\x98\x80/\b\f") + '\0', 3},
        {R"({"input":"x","exit_code":-2147483648})", true, "x", INT_MIN},
        {R"({"input":"x","exit_code":2.0,"seconds":1e300})", true, "x", 2},
        {R"({"input":"\uZZZZ"})", false, "", 0},
        {R"({"input":"\u12"})", false, "", 0},
        {R"({"input":"\ud83d"})", false, "", 0},
        {R"({"input":"\ud83d\u0041"})", false, "", 0},
        {R"({"input":"\ude00"})", false, "", 0},
        {R"({"input":"\q"})", false, "", 0},
        {R"({"input":"x\)", false, "", 0},
        {R"({"exit_code":1e300})", false, "", 0},
        {R"({"exit_code":-1e300})", false, "", 0},
        {R"({"exit_code":2147483648})", false, "", 0},
        {R"({"exit_code":1.5})", false, "", 0},
        {R"({"seconds":1e999})", false, "", 0},
        {R"({"seconds":1.2.3})", false, "", 0},
        {R"({"seconds":-})", false, "", 0},
        {R"({"input":"x"} and more)", false, "", 0},
        {"", false, "", 0},
    };
    for (const Case& c : cases) {
        BatchRow row;
        ASSERT_EQ(ParseJsonLine(c.line, row), c.read) << c.line;
        if (!c.read) continue;
        EXPECT_EQ(row.input, c.input) << c.line;
        EXPECT_EQ(row.exitCode, c.exitCode) << c.line;
        // What was read writes a line that reads back the same.
        BatchRow again;
        const std::string written = JsonLine(row);
        ASSERT_TRUE(ParseJsonLine(written, again)) << written;
        EXPECT_EQ(JsonLine(again), written);
    }
}

TEST(BatchSummary, ReadsTheRunsResults) {
    EXPECT_EQ(InputJurisdiction("\"g\" = GENERAL\n   TYPE = X\n   ..\n\"e\" = EPC\n"
                                "   TYPE                = Scotland   $ comment\n   ..\n"),
              "Scotland");
    EXPECT_EQ(InputJurisdiction("\"g\" = GENERAL\n   ..\n"), "");
    std::string rating, band;
    EXPECT_TRUE(ResultsRating("x\nBuilding Emission Rate (BER),47.3,C,57,\n", rating, band));
    EXPECT_EQ(rating, "57");
    EXPECT_EQ(band, "C");
    EXPECT_FALSE(ResultsRating("no rating here\n", rating, band));
    EXPECT_EQ(
        FirstErrorLine("ok\n  *** ERRORS *** Number of errors: 0\n * [2] *** ERROR 1 *** x\n"),
        "* [2] *** ERROR 1 *** x");
    EXPECT_EQ(FirstErrorLine("fine\nthe input has got errors.\n"), "the input has got errors.");
    EXPECT_EQ(FirstErrorLine("  *** ERRORS *** Number of errors: 0\n"), "");
}

TEST(BatchSummary, FindsReferenceNumbers) {
    const std::string a = "1234-5678-9012-3456-7890", b = "9999-0000-1111-2222-3333";
    const std::vector<std::pair<std::string, std::vector<std::string>>> cases{
        {a, {a}},
        {"(" + a + ")", {a}},
        {"a " + a + " b 1" + a + " " + a + " " + b + "\n", {a, b}},  // once each, in order
        {a + "1", {}},
        {"1" + a, {}},
        {a + "-" + b, {a, b}},
        {a + b, {}},  // digits run on
        {"--" + a.substr(0, 23) + "-" + a, {a}},
        {"1234-5678-9012-3456-789", {}},
        {"12345678-9012-3456-7890", {}},
        {"", {}},
    };
    for (const auto& [text, want] : cases) EXPECT_EQ(ReferenceNumbers(text), want) << text;
}

// Inputs that would run into each other's files, or whose names the run
// configuration file cannot carry, are refused; the others are not, however
// alike their names.
TEST(BatchInputs, RefusesNamesThatCannotRunApart) {
    struct Case {
        const char* what;
        std::vector<std::string> names;
        std::set<std::string> refused;
        const char* reason;
    };
    const Case cases[] = {
        {"names that differ in case", {"a.inp", "a.INP"}, {"a.inp", "a.INP"}, "letter case"},
        {"stems that differ in case", {"A.inp", "a.inp"}, {"A.inp", "a.inp"}, "letter case"},
        {"folders that differ in case",
         {"x/a.inp", "X/a.inp"},
         {"x/a.inp", "X/a.inp"},
         "letter case"},
        {"three of one name",
         {"a.INP", "a.inp", "A.Inp"},
         {"a.INP", "a.inp", "A.Inp"},
         "letter case"},
        {"one stem, two extensions", {"a.inp", "a.txt"}, {"a.inp", "a.txt"}, "(a.csv)"},
        {"one stem, no extension", {"a", "a.inp"}, {"a", "a.inp"}, "(a.csv)"},
        {"an input that is another's output", {"a.csv", "a.inp"}, {"a.csv", "a.inp"}, "same file"},
        {"an input that is another's log", {"a.inp", "a.log"}, {"a.inp", "a.log"}, "same file"},
        {"a longer stem", {"a.inp", "a.v2.inp", "a_b.inp", "ab.inp"}, {}, ""},
        {"one name in two folders", {"x/a.inp", "y/a.inp"}, {}, ""},
        {"unusual names", {"caf\xc3\xa9.inp", "a b.inp", "a,b\";'.inp", " .inp"}, {}, ""},
        {"a line feed", {"a\nb.inp", "ok.inp"}, {"a\nb.inp"}, "control character"},
        {"a carriage return", {"a\r.inp"}, {"a\r.inp"}, "control character"},
        {"a tab", {"a\tb.inp"}, {"a\tb.inp"}, "control character"},
        {"a delete", {"a\x7f.inp"}, {"a\x7f.inp"}, "control character"},
        {"a line feed in a folder", {"x\ny/a.inp"}, {"x\ny/a.inp"}, "control character"},
    };
    for (const Case& c : cases) {
        std::vector<std::string> inputs;
        for (const std::string& name : c.names) inputs.push_back("/d/" + name);
        const std::vector<std::string> why = InputRefusals(inputs);
        ASSERT_EQ(why.size(), inputs.size()) << c.what;
        for (std::size_t i = 0; i < inputs.size(); ++i) {
            const bool refused = c.refused.count(c.names[i]) != 0;
            EXPECT_EQ(!why[i].empty(), refused) << c.what << ": " << c.names[i] << ": " << why[i];
            if (!refused) continue;
            EXPECT_NE(why[i].find(c.reason), std::string::npos) << c.what << ": " << why[i];
            // A clash names the input it is with.
            if (c.refused.size() == 2 && std::string(c.reason) != "control character") {
                EXPECT_NE(why[i].find(inputs[1 - i]), std::string::npos)
                    << c.what << ": " << why[i];
            }
        }
    }
}

// A run's outputs are the files named after its own input that are new or
// rewritten: never those of an input whose name starts alike, nor the files
// the batch or the user keep beside it.
TEST(BatchInputs, OutputsAreTheInputsOwn) {
    TempDir dir;
    const std::string input = dir.file("a.inp");
    for (const char* name : {"a.inp", "a.v2.inp", "a.err", "a.bdl"})
        WriteFileBytes(dir.file(name), "x");
    const OutputTimes before = RunOutputTimes(input);
    EXPECT_EQ(before.size(), 2u);
    for (const char* name : {"a.csv", "a[epc].pdf", "a.v2.csv", "a.v2[epc].pdf", "a.log",
                             "a_inpkey.txt", "a.pdf", "ab.csv"})
        WriteFileBytes(dir.file(name), "x");
    // a.err rewritten, a.bdl left alone.
    fs::last_write_time(dir.file("a.err"), before.at("a.err") + std::chrono::seconds(2));
    EXPECT_EQ(OutputsWritten(input, before),
              (std::vector<std::string>{"a.csv", "a.err", "a[epc].pdf"}));
}

// Two inputs in one folder, one in another and a broken one: each gets its own
// log beside it, the summary holds every input, and the batch fails because one
// run did. Resuming runs only what did not succeed or changed.
TEST(BatchRun, RunsEveryInputWithItsOwnLog) {
    TempDir dir;
    fs::create_directories(dir.file("one"));
    fs::create_directories(dir.file("two"));
    const std::string input = ExampleInput("england-office");
    WriteFileBytes(dir.file("one/office.inp"), input);
    WriteFileBytes(dir.file("one/annex.inp"), input);
    WriteFileBytes(dir.file("two/broken.inp"), "\"x\" = GENERAL\n   P-NAME = \"Broken\n");

    ProcessResult r =
        RunBatch({"--jobs", "2", "--summary", dir.file("sum"), dir.file("one"), dir.file("two")},
                 dir.path());
    EXPECT_EQ(r.exitCode, 1) << r.out << r.err;
    const std::vector<std::string> csv = Lines(ReadFileBytes(dir.file("sum.csv")));
    const std::vector<std::string> jsonl = Lines(ReadFileBytes(dir.file("sum.jsonl")));
    ASSERT_EQ(csv.size(), 4u);
    ASSERT_EQ(jsonl.size(), 3u);
    std::map<std::string, BatchRow> rows;
    for (const std::string& line : jsonl) {
        BatchRow row;
        ASSERT_TRUE(ParseJsonLine(line, row)) << line;
        rows[fs::path(row.input).filename().string()] = row;
    }
    for (const char* name : {"office.inp", "annex.inp"}) {
        const BatchRow& row = rows[name];
        EXPECT_EQ(row.status, "ok") << name;
        EXPECT_EQ(row.exitCode, 0);
        EXPECT_EQ(row.jurisdiction, "England and Wales");
        EXPECT_EQ(row.assetRating, "57");
        EXPECT_EQ(row.band, "C");
        EXPECT_EQ(row.references.size(), 2u);
        EXPECT_TRUE(row.firstError.empty()) << row.firstError;
        const std::string stem = fs::path(name).stem().string();
        EXPECT_NE(std::find(row.outputs.begin(), row.outputs.end(), stem + "[epc].pdf"),
                  row.outputs.end());
        // The log beside the input is this input's own.
        const std::string log = ReadFileBytes(dir.file("one/" + stem + ".log"));
        EXPECT_NE(log.find("File: " + dir.file("one/" + std::string(name))), std::string::npos);
        EXPECT_NE(log.find("\nOK\n"), std::string::npos);
    }
    EXPECT_FALSE(FileExists(dir.file("one/Tarvex.log")));
    EXPECT_EQ(rows["broken.inp"].status, "failed");
    EXPECT_EQ(rows["broken.inp"].exitCode, 1);
    EXPECT_NE(rows["broken.inp"].firstError.find("Bad syntax"), std::string::npos);
    EXPECT_TRUE(FileExists(dir.file("two/broken.log")));

    // Resume after the broken input is mended and one good input changed.
    WriteFileBytes(dir.file("two/broken.inp"), input);
    WriteFileBytes(dir.file("one/annex.inp"), input + "\n");
    r = RunBatch({"--resume", "--summary", dir.file("sum"), dir.file("one"), dir.file("two")},
                 dir.path());
    EXPECT_EQ(r.exitCode, 0) << r.out << r.err;
    EXPECT_NE(r.out.find("3 ok, 0 failed, 2 run now, 1 kept"), std::string::npos) << r.out;
    EXPECT_EQ(Lines(ReadFileBytes(dir.file("sum.jsonl"))).size(), 3u);
}

// Inputs that cannot run safely are not run and their rows say why; the
// others run, at the same time, each with its own outputs.
TEST(BatchRun, RefusesInputsThatCannotRunSafely) {
    TempDir dir;
    fs::create_directories(dir.file("one"));
    fs::create_directories(dir.file("two"));
    const std::string input = ExampleInput("england-office");
    for (const char* name : {"one/a.inp", "one/a.v2.inp", "two/b.inp", "two/b.INP",
                             "two/line\nbreak.inp", "two/huge.inp"})
        WriteFileBytes(dir.file(name), input);
    // Larger than the program reads, but holding no data: it must not be read.
    fs::resize_file(dir.file("two/huge.inp"), std::uintmax_t{3} << 30);

    const ProcessResult r =
        RunBatch({"--jobs", "2", "--summary", dir.file("sum"), dir.file("one"), dir.file("two")},
                 dir.path());
    EXPECT_EQ(r.exitCode, 1) << r.out << r.err;
    std::map<std::string, BatchRow> rows;
    for (const std::string& line : Lines(ReadFileBytes(dir.file("sum.jsonl")))) {
        BatchRow row;
        ASSERT_TRUE(ParseJsonLine(line, row)) << line;
        rows[fs::path(row.input).filename().string()] = row;
    }
    ASSERT_EQ(rows.size(), 6u);
    for (const auto& [name, stem] :
         std::map<std::string, std::string>{{"a.inp", "a"}, {"a.v2.inp", "a.v2"}}) {
        const BatchRow& row = rows[name];
        EXPECT_EQ(row.status, "ok") << name << ": " << row.firstError;
        EXPECT_EQ(row.references.size(), 2u) << name;
        EXPECT_EQ(row.outputs, (std::vector<std::string>{stem + ".bdl", stem + ".csv",
                                                         stem + ".err", stem + "[epc].pdf",
                                                         stem + "[rec].pdf", stem + "[srec].pdf"}))
            << name;
    }
    const std::map<std::string, std::string> refused{{"b.inp", "letter case"},
                                                     {"b.INP", "letter case"},
                                                     {"line\nbreak.inp", "control character"},
                                                     {"huge.inp", "3221225472 bytes"}};
    for (const auto& [name, reason] : refused) {
        const BatchRow& row = rows[name];
        EXPECT_EQ(row.status, "refused") << name;
        EXPECT_NE(row.firstError.find(reason), std::string::npos) << name << ": " << row.firstError;
        EXPECT_TRUE(row.outputs.empty()) << name;
    }
    for (const char* name : {"b.csv", "b.log", "b[epc].pdf", "huge.log", "line\nbreak.log"})
        EXPECT_FALSE(FileExists(dir.file(std::string("two/") + name))) << name;
}

TEST(BatchRun, ShardsRunDisjointParts) {
    TempDir dir;
    const std::string input = ExampleInput("england-office");
    for (const char* name : {"a", "b", "c"})
        WriteFileBytes(dir.file(std::string(name) + ".inp"), input);
    std::multiset<std::string> seen;
    for (const char* shard : {"1/2", "2/2"}) {
        const ProcessResult r = RunBatch({"--shard", shard, dir.path()}, dir.path());
        EXPECT_EQ(r.exitCode, 0) << r.out << r.err;
    }
    for (const char* summary : {"tarvex-batch-1-of-2.jsonl", "tarvex-batch-2-of-2.jsonl"}) {
        for (const std::string& line : Lines(ReadFileBytes(dir.file(summary)))) {
            BatchRow row;
            ASSERT_TRUE(ParseJsonLine(line, row));
            seen.insert(fs::path(row.input).filename().string());
        }
    }
    EXPECT_EQ(seen, (std::multiset<std::string>{"a.inp", "b.inp", "c.inp"}));
}

TEST(BatchRun, RejectsAWrongCommandLine) {
    TempDir dir;
    for (const std::vector<std::string>& args : {std::vector<std::string>{},
                                                 {"--jobs", "0", "x"},
                                                 {"--shard", "3/2", "x"},
                                                 {"--frobnicate", "x"}}) {
        EXPECT_EQ(RunBatch(args, dir.path()).exitCode, 2);
    }
}

}  // namespace
