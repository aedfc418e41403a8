// The attention column and what it is made of: the identity of a failed
// run's building, its diagnosis, the fields cut, the shared numbers; the
// totals by status and the progress line.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "tools/batch_attention.h"

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

// Each reason alone, several at once, and a row that needs no look.
TEST(BatchAttention, NamesEveryReasonARowNeedsALook) {
    BatchRow warned = Row("/p/warned.inp", status::kOk);
    warned.warnings = 1;
    BatchRow cut = Row("/p/cut.inp", status::kOk);
    cut.warnings = 1;
    cut.fieldsCut = {"cut[epc].pdf: B-ADDRESS-0"};
    BatchRow unvalidated = Row("/p/unvalidated.inp", status::kOk);
    unvalidated.validated = "no";
    std::vector<BatchRow> rows{Row("/p/fine.inp", status::kOk),
                               Row("/p/failed.inp", status::kFailed),
                               Row("/p/notrun.inp", status::kNotRun),
                               Row("/p/missing.inp", status::kMissing),
                               Row("/p/odd.inp", "something new"),
                               warned,
                               cut,
                               unvalidated,
                               Row("/p/twin1.inp", status::kOk, "1", "2"),
                               Row("/p/twin2.inp", status::kOk, "1", "2")};
    rows[1].attention = "stale";
    MarkAttention(rows);
    std::map<std::string, std::string> got;
    for (const BatchRow& r : rows) got[fs::path(r.input).stem().string()] = r.attention;
    const std::map<std::string, std::string> expected{
        {"fine", ""},
        {"failed", "failed"},
        {"notrun", "not run"},
        {"missing", "missing"},
        {"odd", "something new"},
        {"warned", "warned"},
        {"cut", "warned; field cut on a document"},
        {"unvalidated", "not validated"},
        {"twin1", "shared reference number"},
        {"twin2", "shared reference number"},
    };
    EXPECT_EQ(got, expected);
    EXPECT_EQ(RowsNeedingAttention(rows).size(), 9u);
}

// A pair of inputs is listed once, with which numbers it shares; three
// inputs of one building are three pairs; one input's two numbers alike are
// not shared.
TEST(BatchAttention, ListsSharedNumbersOncePerPair) {
    const std::vector<BatchRow> rows{
        Row("a", status::kOk, "1", "2"), Row("b", status::kOk, "3", "4"),
        Row("c", status::kOk, "1", "2"), Row("d", status::kOk, "", ""),
        Row("e", status::kOk, "", ""),   Row("f", status::kOk, "5", "4"),
        Row("g", status::kOk, "1", "9"), Row("h", status::kOk, "7", "7")};
    std::vector<std::string> listed;
    for (const SharedPair& p : SharedPairs(rows))
        listed.push_back(p.first + "+" + p.second + ": " + SharedNumbersText(p));
    EXPECT_EQ(listed, (std::vector<std::string>{
                          "a+c: certificate 1, recommendations report 2", "a+g: certificate 1",
                          "b+f: recommendations report 4", "c+g: certificate 1"}));
}

// A failed run's row still names its building: read from the input, in
// either encoding, the first GENERAL and EPC objects only, comments and a
// missing ".." aside; what the run said is kept.
TEST(BatchAttention, ReadsTheBuildingsIdentityFromTheInput) {
    const std::string input =
        "$ UPRN = \"999\" in a comment\n"
        "\"x - general\" = GENERAL\n"
        "   P-NAME = \"Caf\xe9 $ not a comment\"\n"
        "   B-ADDRESS = \"1 Long Row, Town\"\n"
        "   B-ADDRESS-0 = \"Caf\xe9 Annex\"   $ the first line\n"
        "   B-POSTCODE = \"SA19 9ZB\"\n"
        "   UPRN = \"010012345678\"\n"
        "\"x - epc\" = EPC\n"  // the ".." before it missing
        "   TYPE = England and Wales\n"
        "   ..\n"
        "\"y - general\" = GENERAL\n"
        "   UPRN = \"222\"\n"
        "   ..\n";
    BatchRow row;
    AddIdentityFromInput(input, row);
    EXPECT_EQ(row.uprn, "010012345678");
    EXPECT_EQ(row.address, "Caf\xc3\xa9 Annex");
    EXPECT_EQ(row.postcode, "SA19 9ZB");
    EXPECT_EQ(row.jurisdiction, "Wales");

    BatchRow told;
    told.uprn = "from the run";
    AddIdentityFromInput(
        "\xef\xbb\xbf\"g\" = GENERAL\n   B-ADDRESS = \"T\xc5\xb5r\"\n"
        "   UPRN = \"1\"\n   ..\n\"e\" = EPC\n   TYPE = Scotland\n   ..\n",
        told);
    EXPECT_EQ(told.uprn, "from the run");
    EXPECT_EQ(told.address, "T\xc5\xb5r");
    EXPECT_EQ(told.jurisdiction, "Scotland");

    BatchRow nothing;
    AddIdentityFromInput("not an input at all\n", nothing);
    EXPECT_EQ(nothing.uprn + nothing.address + nothing.postcode + nothing.jurisdiction, "");
}

TEST(BatchAttention, FindsTheDiagnosisAndTheFieldsCut) {
    EXPECT_EQ(DiagnosisLine("Reading...\n/p/a b.inp:48: error: the object \"x\" has no \"..\"\n"
                            "/p/a b.inp:50: error: second\n"),
              "/p/a b.inp:48: error: the object \"x\" has no \"..\"");
    EXPECT_EQ(DiagnosisLine("note: error: not one\nx:y: error: no line\n: error: x\n"), "");
    EXPECT_EQ(DiagnosisLine(""), "");

    EXPECT_EQ(FieldsCut("x\nWARNING: /p/a.b/x[epc].pdf: Address line 1 does not fit its place: "
                        "12 characters left out\nWARNING: other\n"
                        "WARNING: /p/x[rec].pdf: B-NAME does not fit its place: 1 character left "
                        "out\n"),
              (std::vector<std::string>{"x[epc].pdf: Address line 1", "x[rec].pdf: B-NAME"}));
    EXPECT_TRUE(FieldsCut("WARNING: something else\n").empty());
}

TEST(BatchProgress, ShowsTheRateAndTheTimeLeft) {
    EXPECT_EQ(ProgressLine(0, 2000, 0, 0), "0/2000 runs, 0 failed, 0 s");
    EXPECT_EQ(ProgressLine(100, 2000, 3, 50),
              "100/2000 runs, 3 failed, 50 s, 2.0 runs/s, 15 min 50 s left");
    EXPECT_EQ(ProgressLine(10, 8000, 0, 10),
              "10/8000 runs, 0 failed, 10 s, 1.0 runs/s, 2 h 13 min left");
    EXPECT_EQ(ProgressLine(5, 5, 1, 2), "5/5 runs, 1 failed, 2 s, 2.5 runs/s, 0 s left");
}

// The totals of a summary by status as well as by jurisdiction and band.
TEST(BatchSummary, TotalsByStatus) {
    std::vector<BatchRow> rows{Row("a", status::kOk), Row("b", status::kFailed),
                               Row("c", status::kOk), Row("d", status::kMissing)};
    rows[0].jurisdiction = rows[2].jurisdiction = "England";
    rows[0].band = rows[2].band = "C";
    EXPECT_EQ(TotalsCsv(rows),
              "jurisdiction,band,status,inputs\n"
              "England,C,(all),2\nEngland,(all),(all),2\n"
              "(none),(none),(all),2\n(none),(all),(all),2\n"
              "(all),(all),ok,2\n(all),(all),failed,1\n(all),(all),missing,1\n"
              "(all),(all),(all),4\n");
}

}  // namespace
