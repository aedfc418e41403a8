#include "tools/batch.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <climits>
#include <filesystem>
#include <map>
#include <optional>
#include <regex>
#include <set>
#include <sstream>

#include "app/encoding.h"
#include "app/runresult.h"
#include "tests/support/process.h"
#include "tests/support/tempdir.h"

namespace fs = std::filesystem;

namespace {

std::vector<std::string> Paths(const std::vector<SourceInput>& inputs) {
    std::vector<std::string> paths;
    for (const SourceInput& s : inputs) paths.push_back(s.path);
    return paths;
}

// Inputs in nested folders, one named twice (folder and list), a list with a
// comment, a blank line and two inputs that are not there, and a file that
// is not an input: every input once, sorted, the missing ones among them.
// Shards of any count, more than the inputs included, hold each once.
TEST(BatchShards, TogetherHoldEveryInputOnce) {
    TempDir dir;
    fs::create_directories(dir.file("p/q"));
    std::vector<std::string> expected;
    for (int i = 0; i < 13; ++i) {
        const std::string name = dir.file((i % 2 ? "p/q/in" : "p/in") + std::to_string(i) + ".inp");
        WriteFileBytes(name, "x");
        expected.push_back(fs::path(name).lexically_normal().string());
    }
    WriteFileBytes(dir.file("p/notes.txt"), "not an input");
    WriteFileBytes(dir.file("list.txt"),
                   "# portfolio\n\np/in0.inp\n  p/q/in1.inp  \ngone.inp\np/q/gone too.inp\n");
    const std::set<std::string> missing{dir.file("gone.inp"), dir.file("p/q/gone too.inp")};
    expected.insert(expected.end(), missing.begin(), missing.end());
    std::sort(expected.begin(), expected.end());

    std::vector<std::string> problems;
    const std::vector<SourceInput> inputs =
        GatherInputs({dir.file("p"), dir.file("list.txt"), dir.file("p/in2.inp")}, problems);
    EXPECT_TRUE(problems.empty());
    ASSERT_EQ(Paths(inputs), expected);
    for (const SourceInput& s : inputs) EXPECT_EQ(s.missing, missing.count(s.path) == 1) << s.path;

    for (int n = 1; n <= 20; ++n) {
        std::multiset<std::string> seen;
        for (int k = 1; k <= n; ++k) {
            const std::vector<SourceInput> part = ShardOf(inputs, k, n);
            EXPECT_LE(part.size(), inputs.size() / n + 1) << k << "/" << n;
            for (const SourceInput& s : part) seen.insert(s.path);
        }
        EXPECT_EQ(std::vector<std::string>(seen.begin(), seen.end()), expected) << "N = " << n;
    }
    EXPECT_TRUE(ShardOf(std::vector<SourceInput>(), 1, 3).empty());
}

TEST(BatchShards, ReadsKOfN) {
    const std::map<std::string, std::pair<int, int>> good{
        {"1/1", {1, 1}}, {"2/3", {2, 3}}, {"10/10", {10, 10}}, {"07/50", {7, 50}}};
    for (const auto& [text, want] : good) {
        int k = 0, n = 0;
        EXPECT_TRUE(ParseShard(text, k, n)) << text;
        EXPECT_EQ(std::make_pair(k, n), want) << text;
    }
    for (const char* bad : {"0/3", "4/3", "2/1", "1/0", "0/0", "1", "/2", "1/", "a/b", "-1/2",
                            "1/2/3", "", "1/999999999"}) {
        int k = 0, n = 0;
        EXPECT_FALSE(ParseShard(bad, k, n)) << bad;
    }
}

// A folder or list that cannot be read is a problem; an input that is not
// there is a missing input, not a problem.
TEST(BatchSources, ReportsWhatCannotBeRead) {
    TempDir dir;
    WriteFileBytes(dir.file("list.txt"), "gone.inp\n");
    // A list larger than an input, holding no line end: it must not be read.
    WriteFileBytes(dir.file("huge-list"), "");
    fs::resize_file(dir.file("huge-list"), std::uintmax_t{3} << 30);
    std::vector<std::string> problems;
    const std::vector<SourceInput> inputs =
        GatherInputs({dir.file("list.txt"), dir.file("missing.inp"), dir.file("missing-folder"),
                      dir.file("huge-list")},
                     problems);
    EXPECT_EQ(Paths(inputs),
              (std::vector<std::string>{dir.file("gone.inp"), dir.file("missing.inp")}));
    EXPECT_TRUE(
        std::all_of(inputs.begin(), inputs.end(), [](const SourceInput& s) { return s.missing; }));
    ASSERT_EQ(problems.size(), 2u);
    EXPECT_NE(problems[0].find("no such folder or list"), std::string::npos) << problems[0];
    EXPECT_NE(problems[1].find("larger than 64 MB"), std::string::npos) << problems[1];
}

BatchRow FullRow() {
    BatchRow row;
    row.input = "/data/a \"quoted\"\\folder/x, y.inp";
    row.status = status::kOk;
    row.exitCode = 0;
    row.validated = "yes";
    row.jurisdiction = "Wales";
    row.uprn = "010012345678";
    row.address = "Hen Neuadd, \"Y Farchnad\"";
    row.postcode = "SA19 9ZB";
    row.assetRating = 57;
    row.band = "C";
    row.rrnCertificate = "2823-8435-1002-0499-0796";
    row.rrnRecommendations = "9992-2200-8405-1843-4700";
    row.message = "2823-8435-1002-0499-0796.xml";
    row.outputs = {"x.csv", "x[epc].pdf", "2823-8435-1002-0499-0796.xml", "x.log"};
    row.seconds = 0.125;
    row.warnings = 2;
    row.firstError = "line one\ttab \x01 and\nline two";
    row.inputDigest = "d41d8cd98f00b204e9800998ecf8427e";
    return row;
}

// The same columns in the CSV and the JSON Lines, in the same order; a row
// reads back as written; numbers are numbers and an unknown one is null.
TEST(BatchSummary, RowsReadBackAsWritten) {
    const BatchRow row = FullRow();
    const std::string line = JsonLine(row);
    EXPECT_EQ(std::count(line.begin(), line.end(), '\n'), 1);
    BatchRow back;
    ASSERT_TRUE(ParseJsonLine(line.substr(0, line.size() - 1), back)) << line;
    EXPECT_EQ(JsonLine(back), line);
    for (const char* number : {"\"exit_code\":0,", "\"asset_rating\":57,", "\"seconds\":0.125,",
                               "\"warnings\":2,", "\"uprn\":\"010012345678\""})
        EXPECT_NE(line.find(number), std::string::npos) << number << " in " << line;

    // The JSON keys in order are the CSV header.
    const std::string plain = JsonLine(BatchRow());
    const std::regex key("\"([a-z_0-9]+)\":");
    std::string keys;
    for (auto it = std::sregex_iterator(plain.begin(), plain.end(), key);
         it != std::sregex_iterator(); ++it)
        keys += (keys.empty() ? "" : ",") + (*it)[1].str();
    EXPECT_EQ(keys + "\n", CsvHeader());

    // CSV quotes fields with commas, quotes or line breaks, doubling the quotes.
    const std::string csv = CsvLine(row);
    EXPECT_EQ(csv.rfind("\"/data/a \"\"quoted\"\"\\folder/x, y.inp\",ok,,0,yes,Wales,", 0), 0u)
        << csv;
    EXPECT_NE(csv.find(",57,C,"), std::string::npos) << csv;
    EXPECT_NE(csv.find("\"line one\ttab \x01 and\nline two\""), std::string::npos) << csv;
    EXPECT_NE(csv.find(",x.csv;x[epc].pdf;2823-8435-1002-0499-0796.xml;x.log,"), std::string::npos)
        << csv;

    BatchRow missing;
    missing.input = "/data/gone.inp";
    missing.status = status::kMissing;
    const std::string none = JsonLine(missing);
    EXPECT_NE(none.find("\"exit_code\":null,"), std::string::npos) << none;
    EXPECT_NE(none.find("\"asset_rating\":null,"), std::string::npos) << none;
    ASSERT_TRUE(ParseJsonLine(none, back));
    EXPECT_FALSE(back.exitCode.has_value());
    EXPECT_FALSE(back.assetRating.has_value());
    EXPECT_EQ(CsvLine(missing).rfind("/data/gone.inp,missing,,,", 0), 0u) << CsvLine(missing);
}

// Any line at all gives a row or is refused: escapes that are not JSON's,
// numbers the row cannot hold and values of the wrong kind are refused,
// never a crash or a wrapped value.
TEST(BatchSummary, ReadsOnlyLinesItCanHold) {
    struct Case {
        std::string line;
        bool read;
        std::string input;
        std::optional<int> exitCode;
    };
    const Case cases[] = {
        {R"({"input":"\u00e9\ud83d\ude00\/\b\f\u0000","exit_code":3})", true,
         std::string("\xc3\xa9\xf0\x9f\x98\x80/\b\f") + '\0', 3},
        {R"({"input":"x","exit_code":-2147483648})", true, "x", INT_MIN},
        {R"({"input":"x","exit_code":2.0,"seconds":1e300})", true, "x", 2},
        {R"({"input":"x","exit_code":null,"asset_rating":-12.5})", true, "x", std::nullopt},
        // A byte that is not UTF-8, as JsonLine writes it, in either case; a
        // pair whose low half looks like one; the same text escaped; and the
        // character the reader marks such bytes with, as it stands and escaped.
        {R"({"input":"a\udce9\uDCFF"})", true, "a\xe9\xff", std::nullopt},
        {R"({"input":"\ud83d\udc80"})", true, "\xf0\x9f\x92\x80", std::nullopt},
        {R"({"input":"\\udce9"})", true, "\\udce9", std::nullopt},
        {R"({"input":"\ufdd0\u00e9\ufdd0"})", true, "\xef\xb7\x90\xc3\xa9\xef\xb7\x90",
         std::nullopt},
        {"{\"input\":\"\xef\xb7\x90\xc3\xa9\\udce9\"}", true, "\xef\xb7\x90\xc3\xa9\xe9",
         std::nullopt},
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
        {R"({"exit_code":nul})", false, "", 0},
        {R"({"warnings":1.5})", false, "", 0},
        {R"({"asset_rating":"57"})", false, "", 0},
        {R"({"uprn":200004418273})", false, "", 0},
        {R"({"seconds":1e999})", false, "", 0},
        {R"({"seconds":1.2.3})", false, "", 0},
        {R"({"seconds":-})", false, "", 0},
        {R"({"reference_numbers":[]})", false, "", 0},
        {R"({"input":"x"} and more)", false, "", 0},
        {"", false, "", 0},
    };
    for (const Case& c : cases) {
        BatchRow row;
        ASSERT_EQ(ParseJsonLine(c.line, row), c.read) << c.line;
        if (!c.read) {
            EXPECT_TRUE(row.input.empty()) << c.line;
            continue;
        }
        EXPECT_EQ(row.input, c.input) << c.line;
        EXPECT_EQ(row.exitCode, c.exitCode) << c.line;
        // What was read writes a line that reads back the same.
        BatchRow again;
        const std::string written = JsonLine(row);
        ASSERT_TRUE(ParseJsonLine(written, again)) << written;
        EXPECT_EQ(JsonLine(again), written);
    }
}

// A text a spreadsheet would take for a formula is shown as text; a number
// is left a number. A name that is not UTF-8 makes a journal line that is
// UTF-8 all the same, and reads back to the very bytes.
TEST(BatchSummary, TextsStayTextsForSpreadsheetsAndJsonReaders) {
    const struct {
        std::string address;
        std::string field;
    } csvCases[] = {
        {"=HYPERLINK(\"http://x\",\"y\")", "\"'=HYPERLINK(\"\"http://x\"\",\"\"y\"\")\""},
        {"+44 20 7946 0000", "'+44 20 7946 0000"},
        {"-1+2", "'-1+2"},
        {"@SUM(A1)", "'@SUM(A1)"},
        {"\tcmd", "'\tcmd"},
        {"\rcmd", "\"'\rcmd\""},
        {"1 High Street", "1 High Street"},
        {"High Street -=+@", "High Street -=+@"},
    };
    for (const auto& c : csvCases) {
        BatchRow row;
        row.address = c.address;
        row.assetRating = -12.5;
        const std::string csv = CsvLine(row);
        EXPECT_NE(csv.find(",," + c.field + ",,-12.5,"), std::string::npos) << csv;
    }

    const struct {
        std::string name;
        const char* escaped;
    } jsonCases[] = {
        {"/d/caf\xe9.inp", "/d/caf\\udce9.inp"},                     // Latin-1
        {"/d/caf\xc3\xa9.inp", "/d/caf\xc3\xa9.inp"},                // UTF-8 as it is
        {"/d/\xc0\xaf.inp", "/d/\\udcc0\\udcaf.inp"},                // overlong
        {"/d/\xed\xa0\x80.inp", "/d/\\udced\\udca0\\udc80.inp"},     // a surrogate
        {"/d/\xf4\x90\x80\x80", "/d/\\udcf4\\udc90\\udc80\\udc80"},  // past U+10FFFF
        {"/d/a\xe2\x82", "/d/a\\udce2\\udc82"},                      // cut short
        {"/d/\xff\xfe/a.inp", "/d/\\udcff\\udcfe/a.inp"},
    };
    for (const auto& c : jsonCases) {
        BatchRow row;
        row.input = c.name;
        row.outputs = {fs::path(c.name).filename().string()};
        row.firstError = "cannot read " + c.name;
        const std::string line = JsonLine(row);
        EXPECT_TRUE(IsValidUtf8(line)) << line;
        EXPECT_NE(line.find(std::string("\"input\":\"") + c.escaped + "\""), std::string::npos)
            << line;
        BatchRow back;
        ASSERT_TRUE(ParseJsonLine(line, back)) << line;
        EXPECT_EQ(back.input, c.name);
        EXPECT_EQ(back.outputs, row.outputs);
        EXPECT_EQ(back.firstError, row.firstError);
    }
}

// The journal of a batch killed part way: the last row of each input counts,
// a last line cut short is passed over without a word, and lines that are
// not rows are counted.
TEST(BatchJournal, KeepsTheLastWholeRowOfEachInput) {
    BatchRow a;
    a.input = "/p/a.inp";
    a.status = status::kFailed;
    BatchRow a2 = a;
    a2.status = status::kOk;
    BatchRow b;
    b.input = "/p/b.inp";
    b.status = status::kOk;
    const std::string whole = JsonLine(a) + JsonLine(b) + "\n" + JsonLine(a2);
    const std::string torn = JsonLine(b).substr(0, 40);

    const Journal read = ReadJournalText(whole + torn);
    EXPECT_EQ(read.unreadLines, 0u);
    ASSERT_EQ(read.rows.size(), 2u);
    EXPECT_EQ(read.rows.at("/p/a.inp").status, status::kOk);
    EXPECT_EQ(read.rows.at("/p/b.inp").status, status::kOk);

    // A row cut short and followed by more rows is damage, not a torn end.
    const Journal damaged = ReadJournalText(torn + "\n" + whole + "not a row\n");
    EXPECT_EQ(damaged.unreadLines, 2u);
    EXPECT_EQ(damaged.rows.size(), 2u);
    EXPECT_TRUE(ReadJournalText("").rows.empty());
    EXPECT_TRUE(ReadJournalText(torn).rows.empty());
}

BatchRow Rated(const std::string& input, const std::string& jurisdiction, const std::string& band) {
    BatchRow r;
    r.input = input;
    r.status = band.empty() ? status::kFailed : status::kOk;
    r.jurisdiction = jurisdiction;
    r.band = band;
    return r;
}

// Bands in their order within each jurisdiction, jurisdictions in theirs,
// rows without either last; the CSV has a total per jurisdiction and one in all.
TEST(BatchSummary, RollsUpByJurisdictionAndBand) {
    const std::vector<BatchRow> rows{
        Rated("a", "Scotland", "C+"), Rated("b", "England", "C"),
        Rated("c", "England", "A+"),  Rated("d", "Wales", "G"),
        Rated("e", "England", "C"),   Rated("f", "", ""),
        Rated("g", "England", ""),    Rated("h", "Scotland", "Carbon Neutral"),
        Rated("i", "Scotland", "C")};
    EXPECT_EQ(TotalsCsv(rows),
              "jurisdiction,band,status,inputs\n"
              "England,A+,(all),1\nEngland,C,(all),2\nEngland,(none),(all),1\n"
              "England,(all),(all),4\n"
              "Wales,G,(all),1\nWales,(all),(all),1\n"
              "Scotland,Carbon Neutral,(all),1\nScotland,C+,(all),1\nScotland,C,(all),1\n"
              "Scotland,(all),(all),3\n"
              "(none),(none),(all),1\n(none),(all),(all),1\n"
              "(all),(all),ok,7\n(all),(all),failed,2\n"
              "(all),(all),(all),9\n");
    EXPECT_EQ(TotalsText(rows),
              "  England: 4 (A+ 1, C 2, (none) 1)\n  Wales: 1 (G 1)\n"
              "  Scotland: 3 (Carbon Neutral 1, C+ 1, C 1)\n  (none): 1 ((none) 1)\n");
    EXPECT_EQ(TotalsCsv({}), "jurisdiction,band,status,inputs\n(all),(all),(all),0\n");
}

// What a run writes for the batch fills the row; Welsh buildings are told
// from those of England by their Welsh certificate or their postcode.
TEST(BatchRunResult, FillsTheRow) {
    namespace k = result_key;
    const std::string result =
        std::string(k::kValidated) + "=YES\n" + k::kType + "=1\n" + k::kWelshCertificate + "=no\n" +
        k::kUprn + "=200004418273\n" + k::kAddress + "=Kestrel House = HQ\n" + k::kPostcode +
        "=NN1 7QZ\n" + k::kRating + "=57\n" + k::kBand + "=C\n" + k::kRrnCertificate +
        "=2823-8435-1002-0499-0796\n" + k::kRrnRecommendations + "=9992-2200-8405-1843-4700\n" +
        k::kMessage + "=/p/x[2823-8435-1002-0499-0796].xml\n" + "something new=1\n";
    BatchRow row;
    ApplyRunResult(result, row);
    EXPECT_EQ(row.validated, "yes");
    EXPECT_EQ(row.jurisdiction, "England");
    EXPECT_EQ(row.uprn, "200004418273");
    EXPECT_EQ(row.address, "Kestrel House = HQ");
    EXPECT_EQ(row.postcode, "NN1 7QZ");
    EXPECT_EQ(row.assetRating, 57.0);
    EXPECT_EQ(row.band, "C");
    EXPECT_EQ(row.rrnCertificate, "2823-8435-1002-0499-0796");
    EXPECT_EQ(row.rrnRecommendations, "9992-2200-8405-1843-4700");
    EXPECT_EQ(row.message, "x[2823-8435-1002-0499-0796].xml");
    EXPECT_TRUE(MessageKeptApart(row));
    row.message = "2823-8435-1002-0499-0796.xml";
    EXPECT_FALSE(MessageKeptApart(row));

    BatchRow bare;
    ApplyRunResult(std::string(k::kRating) + "=x57\n" + k::kValidated + "=maybe\n", bare);
    EXPECT_FALSE(bare.assetRating.has_value());
    EXPECT_EQ(bare.validated, "");
    EXPECT_EQ(bare.jurisdiction, "");
    EXPECT_FALSE(MessageKeptApart(bare));

    struct Case {
        int type;
        bool welsh;
        const char* postcode;
        const char* name;
    };
    const Case cases[] = {
        {1, false, "NN1 7QZ", "England"},
        {1, true, "NN1 7QZ", "Wales"},
        {1, false, "SA19 9ZB", "Wales"},
        {1, false, " cf10 1aa", "Wales"},
        {1, false, "LL57 2DG", "Wales"},
        {1, false, "SY23 1AB", "Wales"},
        {1, false, "SY231AB", "Wales"},
        {1, false, "SY1 1AA", "England"},
        {1, false, "SY11AA", "England"},
        {1, false, "CH7 1AB", "Wales"},
        {1, false, "CH1 2AB", "England"},
        {1, false, "CH71AB", "Wales"},
        {1, false, "S1 2AB", "England"},
        {1, false, "", "England"},
        {1, false, "SY999999 1AB", "England"},
        {2, false, "PH1 5AA", "Scotland"},
        {3, false, "BT52 1AA", "Northern Ireland"},
        {0, true, "SA19 9ZB", ""},
        {4, false, "", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(JurisdictionName(c.type, c.welsh, c.postcode), c.name)
            << c.type << " " << c.welsh << " " << c.postcode;
}

TEST(BatchRunResult, CountsWarningsAndFindsTheFirstError) {
    const std::string report =
        "  *** ERRORS     *** Number of errors:    0\n"
        "  *** WARNINGS   *** Number of warnings:  2\n"
        "  *** CWARNINGS  *** Number of cwarnings: 1\n";
    EXPECT_EQ(WarningCount(report, "x\nWARNING: one\nfine\n  WARNING: two\n"), 5);
    EXPECT_EQ(WarningCount("", ""), 0);
    EXPECT_EQ(WarningCount("Number of warnings: 99999999999999999999\nNumber of cwarnings: "
                           "99999999999999999999\n",
                           "WARNING\n"),
              INT_MAX);
    EXPECT_EQ(WarningCount("Number of warnings: -5\n", ""), 0);

    EXPECT_EQ(
        FirstErrorLine("ok\n  *** ERRORS *** Number of errors: 0\n * [2] *** ERROR 1 *** x\n"),
        "* [2] *** ERROR 1 *** x");
    EXPECT_EQ(FirstErrorLine("fine\nthe input has got errors.\n"), "the input has got errors.");
    EXPECT_EQ(FirstErrorLine("  *** ERRORS *** Number of errors: 0\n"), "");
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
        {"an input that is another's output",
         {"a[epc].pdf", "a.inp"},
         {"a[epc].pdf", "a.inp"},
         "same file"},
        {"an input that is another's log", {"a.inp", "a.log"}, {"a.inp", "a.log"}, "same file"},
        {"an input that is its own kept log",
         {"survey.log"},
         {"survey.log"},
         "itself (survey.log)"},
        {"an input that is its own results", {"b.csv"}, {"b.csv"}, "itself (b.csv)"},
        {"an input that is its own report copy", {"B.BDL"}, {"B.BDL"}, "itself (B.BDL)"},
        {"a longer stem", {"a.inp", "a.v2.inp", "a_b.inp", "ab.inp"}, {}, ""},
        {"one name in two folders", {"x/a.inp", "y/a.inp"}, {}, ""},
        {"unusual names",
         {"caf\xc3\xa9.inp", "a b.inp", "a,b\";'.inp", " .inp", "-dash.inp", "--x.inp"},
         {},
         ""},
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

// Nothing the batch writes may be a list file that named inputs, nor may its
// own files (journal, summary, totals, lock) be an input or what a run writes.
TEST(BatchInputs, TheBatchWritesOnlyWhatIsItsOwn) {
    const std::vector<std::string> inputs{"/d/a.inp", "/d/b.inp", "/d/c.txt"};
    const std::vector<std::string> why = InputRefusals(inputs, {"/d/A.LOG", "/d/list"});
    EXPECT_NE(why[0].find("the list file /d/A.LOG (a.log)"), std::string::npos) << why[0];
    EXPECT_EQ(why[1], "");
    EXPECT_EQ(why[2], "");

    const struct {
        std::vector<std::string> own;
        std::vector<std::string> lists;
        const char* clash;  // "" for none
    } cases[] = {
        {{"/d/a.jsonl", "/d/a.csv", "/d/a-totals.csv", "/d/a.lock"},
         {},
         "/d/a.csv would be the file a.csv that the run of /d/a.inp writes"},
        {{"/d/b.log"}, {}, "the file b.log that the run of /d/b.inp writes"},
        {{"/d/C.TXT"}, {}, "would be the input /d/c.txt"},
        {{"/d/x/../s.jsonl"}, {"/d/s.jsonl"}, "would be the list file /d/s.jsonl"},
        {{"/d/s.jsonl", "/d/s.csv", "/d/s-totals.csv", "/d/s.lock"}, {"/d/list"}, ""},
    };
    for (const auto& c : cases) {
        const std::string clash = OwnFileClash(c.own, inputs, c.lists);
        if (std::string(c.clash).empty()) {
            EXPECT_EQ(clash, "") << c.own[0];
        } else {
            EXPECT_NE(clash.find(c.clash), std::string::npos) << clash;
            EXPECT_NE(clash.find("--summary"), std::string::npos) << clash;
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

}  // namespace
