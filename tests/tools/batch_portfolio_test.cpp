// A batch over the examples and the inputs an operator has to look at, as the
// operator sees it: the attention column, the rows of --attention, the
// report's numbers against the summary's, and the report in a browser.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <regex>
#include <string>
#include <vector>

#include "tests/support/example_runs.h"
#include "tests/support/lines.h"
#include "tests/support/process.h"
#include "tests/support/tempdir.h"
#include "tests/tools/batch_support.h"

namespace fs = std::filesystem;

namespace {

// The four examples with their keys; a copy of the England example whose
// first object lacks its ".." (it fails); one with a decimal comma and no key
// (it warns and does not validate), whose address is markup; and one of the England example itself
// (the same building twice). Run with --attention and --report.
struct Ran {
    ProcessResult result;
    std::map<std::string, BatchRow> rows;
    std::string report;
};
Ran RunPortfolio(const TempDir& dir) {
    fs::create_directories(dir.file("p/more"));
    for (const std::string& name : ExampleNames()) {
        CopyExample(dir, name);
        for (const std::string& file : {name + ".inp", name + "_inpkey.txt"})
            fs::rename(dir.file(file), dir.file("p/" + file));
    }
    const std::string example = ExampleInput("england-office");
    WriteFileBytes(dir.file("p/more/failing.inp"),
                   Edited(WithKeyword(example, "UPRN", "\"100000000077\""),
                          {{"   PRODUCE-MESSAGES               = NO\n   ..\n",
                            "   PRODUCE-MESSAGES               = NO\n"}}));
    WriteFileBytes(dir.file("p/more/warned.inp"),
                   Edited(WithKeyword(WithKeyword(example, "UPRN", "\"100000000078\""),
                                      "B-ADDRESS-0", "\"<script>alert(1)</script>\""),
                          {{"= 2184.6", "= 2184,6"}}));
    WriteFileBytes(dir.file("p/more/duplicate.inp"), example);
    fs::copy_file(dir.file("p/england-office_inpkey.txt"), dir.file("p/more/duplicate_inpkey.txt"));
    fs::create_directories(dir.file("out"));
    Ran ran;
    ran.result =
        RunBatch({"--jobs", "2", "--summary", dir.file("out/sum"), "--attention",
                  dir.file("out/look.csv"), "--report", dir.file("out/report.html"), dir.file("p")},
                 dir.path());
    ran.rows = RowsOf(dir.file("out/sum.jsonl"));
    ran.report = dir.file("out/report.html");
    return ran;
}

// The numbers of the summary that the report shows, by the report's
// data attributes, from the totals file.
std::map<std::string, std::string> SummaryNumbers(const TempDir& dir,
                                                  const std::map<std::string, BatchRow>& rows) {
    std::map<std::string, std::string> numbers;
    for (const std::string& line : Lines(ReadFileBytes(dir.file("out/sum-totals.csv")))) {
        std::vector<std::string> f;
        std::stringstream in(line);
        for (std::string field; std::getline(in, field, ',');) f.push_back(field);
        if (f.size() != 4 || f[0] == "jurisdiction") continue;
        if (f[0] == "(all)" && f[1] == "(all)")
            numbers["data-status=\"" + f[2] + "\""] = f[3];
        else if (f[1] != "(all)" && f[2] == "(all)")
            numbers["data-jurisdiction=\"" + f[0] + "\" data-band=\"" + f[1] + "\""] = f[3];
    }
    std::size_t needing = 0;
    for (const auto& [name, row] : rows) needing += row.attention.empty() ? 0 : 1;
    numbers["id=\"needing\""] = std::to_string(needing);
    numbers["id=\"inputs\""] = std::to_string(rows.size());
    return numbers;
}

// What an element with this attribute text holds, in a page or a DOM.
std::string Held(const std::string& page, const std::string& attributes) {
    const std::size_t at = page.find(attributes + ">");
    if (at == std::string::npos) return "(not there)";
    const std::size_t from = at + attributes.size() + 1;
    return page.substr(from, page.find('<', from) - from);
}

TEST(BatchAttentionRun, NamesEachRowThatNeedsALook) {
    TempDir dir;
    const Ran ran = RunPortfolio(dir);
    EXPECT_EQ(ran.result.exitCode, 1) << ran.result.out << ran.result.err;
    ASSERT_EQ(ran.rows.size(), ExampleNames().size() + 3);

    const BatchRow& failing = ran.rows.at("failing.inp");
    EXPECT_EQ(failing.status, "failed");
    EXPECT_EQ(failing.attention, "failed");
    EXPECT_EQ(failing.uprn, "100000000077");
    EXPECT_EQ(failing.postcode, "NN1 7QZ");
    EXPECT_EQ(failing.address, "Kestrel House");
    EXPECT_EQ(failing.jurisdiction, "England");
    EXPECT_TRUE(std::regex_search(
        failing.firstError, std::regex("^" + dir.file("p/more/failing.inp") + ":[0-9]+: error: ")))
        << failing.firstError;

    const BatchRow& warned = ran.rows.at("warned.inp");
    EXPECT_EQ(warned.status, "ok") << warned.firstError;
    EXPECT_EQ(warned.attention, "not validated; warned");
    EXPECT_GT(warned.warnings, 0);
    EXPECT_NE(warned.firstWarning, "");

    for (const char* twin : {"duplicate.inp", "england-office.inp"})
        EXPECT_EQ(ran.rows.at(twin).attention, "shared reference number") << twin;
    for (const std::string& name : ExampleNames()) {
        if (name == "england-office") continue;
        EXPECT_EQ(ran.rows.at(name + ".inp").attention, "") << name;
    }
    EXPECT_NE(ran.result.out.find(dir.file("p/england-office.inp") + " and " +
                                  dir.file("p/more/duplicate.inp") + ": certificate "),
              std::string::npos)
        << ran.result.out;

    // --attention holds those rows, and only them, with the summary's columns.
    const std::vector<std::string> look = Lines(ReadFileBytes(dir.file("out/look.csv")));
    ASSERT_EQ(look.size(), 5u);
    EXPECT_EQ(look[0] + "\n", CsvHeader());

    // The report's numbers are the summary's.
    ASSERT_EQ(RunProcess({"/usr/bin/xmllint", "--noout", ran.report}).exitCode, 0);
    const std::string page = ReadFileBytes(ran.report);
    const std::map<std::string, std::string> numbers = SummaryNumbers(dir, ran.rows);
    EXPECT_EQ(numbers.at("data-status=\"(all)\""), std::to_string(ran.rows.size()));
    for (const auto& [attributes, value] : numbers)
        EXPECT_EQ(Held(page, attributes), value) << attributes;
}

// `tarvex-batch join` with the arguments given, in `dir`.
ProcessResult RunJoin(const std::vector<std::string>& args, const std::string& dir) {
    std::vector<std::string> all{TARVEX_BATCH_BIN, "join"};
    all.insert(all.end(), args.begin(), args.end());
    return RunProcess(all, dir);
}

// A portfolio run in three shards, one building planted in two of them, and
// the first shard resumed after one of its inputs changed (its journal then
// holds rows of that input twice): each shard alone passes, the join takes
// every input once, names the pair and fails for it, unless allowed; a
// journal that is not there stops the join before it writes anything.
TEST(BatchJoinRun, JoinsShardsAndChecksTheirNumbersTogether) {
    TempDir dir;
    const std::vector<std::string> names = Portfolio(dir.file("p"), 7);
    // in6.inp is in shard 1 of 3 with in0 and in3 (sorted: in0 ... in6).
    WriteFileBytes(dir.file("p/in6.inp"), ReadFileBytes(dir.file("p/in1.inp")));
    fs::create_directories(dir.file("s"));
    for (const char* k : {"1", "2", "3"}) {
        const ProcessResult r = RunBatch({"--shard", std::string(k) + "/3", "--summary",
                                          dir.file("s/shard-") + k, dir.file("p")},
                                         dir.path());
        EXPECT_EQ(r.exitCode, 0) << k << ": " << r.out << r.err;
    }
    // Resumed: the journal's first rows are kept, and the changed input's
    // row comes again at the end of the run's appends.
    WriteFileBytes(dir.file("p/in3.inp"), ReadFileBytes(dir.file("p/in3.inp")) + "\n");
    const std::string before = ReadFileBytes(dir.file("s/shard-1.jsonl"));
    ASSERT_EQ(
        RunBatch({"--resume", "--shard", "1/3", "--summary", dir.file("s/shard-1"), dir.file("p")},
                 dir.path())
            .exitCode,
        0);
    WriteFileBytes(dir.file("s/shard-1.jsonl"),
                   before + ReadFileBytes(dir.file("s/shard-1.jsonl")) + "{\"input\":\"cut sh");

    ProcessResult r =
        RunJoin({"--summary", dir.file("all"), "--report", dir.file("all.html"), dir.file("s")},
                dir.path());
    EXPECT_EQ(r.exitCode, 1) << r.out << r.err;
    EXPECT_NE(r.out.find("3 journals joined: 7 inputs: 7 ok, 0 failed"), std::string::npos)
        << r.out;
    EXPECT_NE(r.out.find("  " + dir.file("p/in1.inp") + " and " + dir.file("p/in6.inp") +
                         ": certificate "),
              std::string::npos)
        << r.out;
    const std::map<std::string, BatchRow> rows = RowsOf(dir.file("all.jsonl"));
    ASSERT_EQ(rows.size(), 7u);
    EXPECT_EQ(rows.at("in1.inp").attention, "not validated; warned; shared reference number");
    EXPECT_EQ(Lines(ReadFileBytes(dir.file("all.jsonl"))).size(), 7u);
    EXPECT_EQ(Lines(ReadFileBytes(dir.file("all.csv"))).size(), 8u);
    EXPECT_NE(ReadFileBytes(dir.file("all-totals.csv")).find("\n(all),(all),ok,7\n"),
              std::string::npos);
    EXPECT_EQ(RunProcess({"/usr/bin/xmllint", "--noout", dir.file("all.html")}).exitCode, 0);

    // Allowed; and the join's own journal, in the folder it reads, is left out.
    r = RunJoin({"--allow-shared-rrn", "--summary", dir.file("s/all"), dir.file("s")}, dir.path());
    EXPECT_EQ(r.exitCode, 0) << r.out << r.err;
    r = RunJoin({"--allow-shared-rrn", "--summary", dir.file("s/all"), dir.file("s")}, dir.path());
    EXPECT_NE(r.out.find("3 journals joined: 7 inputs"), std::string::npos) << r.out;

    fs::remove(dir.file("all.csv"));
    r = RunJoin(
        {"--summary", dir.file("all"), dir.file("s/shard-1.jsonl"), dir.file("s/shard-9.jsonl")},
        dir.path());
    EXPECT_EQ(r.exitCode, 2) << r.out << r.err;
    EXPECT_NE(r.err.find("shard-9.jsonl: no such journal or folder"), std::string::npos) << r.err;
    EXPECT_FALSE(FileExists(dir.file("all.csv")));
    for (const std::vector<std::string>& wrong :
         {std::vector<std::string>{}, {"--frobnicate", "x"}, {"--summary"}})
        EXPECT_EQ(RunJoin(wrong, dir.path()).exitCode, 2);
}

// The report opened in a browser: what it shows is what the summary says, and
// a picture of it is taken. Skipped where no chromium is installed.
TEST(BatchReportBrowser, ShowsTheSummarysNumbers) {
    std::string chromium;
    for (const char* name : {"/usr/bin/chromium", "/usr/bin/chromium-browser"})
        if (fs::exists(name)) chromium = name;
    if (chromium.empty())
        GTEST_SKIP() << "chromium is not installed (scripts/install-deps.sh installs it): the "
                        "report was not opened in a browser";
    TempDir dir;
    const Ran ran = RunPortfolio(dir);
    const std::vector<std::string> flags{"--headless",
                                         "--no-sandbox",
                                         "--disable-gpu",
                                         "--disable-quic",
                                         "--no-first-run",
                                         "--disable-background-networking",
                                         "--disable-sync",
                                         "--disable-component-update",
                                         "--user-data-dir=" + dir.file("profile")};
    std::vector<std::string> dump{"/usr/bin/timeout", "120", chromium};
    dump.insert(dump.end(), flags.begin(), flags.end());
    dump.insert(dump.end(), {"--dump-dom", "file://" + ran.report});
    const ProcessResult dom = RunProcess(dump);
    ASSERT_EQ(dom.exitCode, 0) << dom.err;
    for (const auto& [attributes, value] : SummaryNumbers(dir, ran.rows))
        EXPECT_EQ(Held(dom.out, attributes), value) << attributes;
    // The hostile-looking texts of an input are text: the browser made no
    // element of them (the page has none of its own).
    EXPECT_EQ(dom.out.find("<script"), std::string::npos);
    EXPECT_NE(dom.out.find("&lt;script&gt;alert(1)&lt;/script&gt;"), std::string::npos);

    const std::string picture = dir.file("out/report.png");
    std::vector<std::string> shot{"/usr/bin/timeout", "120", chromium};
    shot.insert(shot.end(), flags.begin(), flags.end());
    shot.insert(shot.end(),
                {"--window-size=1280,1600", "--screenshot=" + picture, "file://" + ran.report});
    const ProcessResult taken = RunProcess(shot);
    ASSERT_EQ(taken.exitCode, 0) << taken.err;
    const std::string png = ReadFileBytes(picture);
    EXPECT_EQ(png.substr(0, 8), "\x89PNG\r\n\x1a\n");
    EXPECT_GT(png.size(), 10000u);
    // Kept for a person to look at when asked.
    if (const char* keep = std::getenv("TARVEX_KEEP_REPORT")) {
        std::error_code ec;
        fs::copy_file(ran.report, std::string(keep) + ".html", fs::copy_options::overwrite_existing,
                      ec);
        fs::copy_file(picture, std::string(keep) + ".png", fs::copy_options::overwrite_existing,
                      ec);
    }
}

}  // namespace
