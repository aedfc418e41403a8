// The portfolio report as a reader of XML sees it: well-formed, its numbers
// those of the rows, input texts escaped, links relative to the page.
#include "tools/batch_report.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "tests/support/process.h"
#include "tests/support/tempdir.h"
#include "tools/batch_attention.h"

namespace fs = std::filesystem;

namespace {

// What xmllint's XPath gives for `expression` on the page at `path`.
std::string XPath(const std::string& path, const std::string& expression) {
    const ProcessResult r = RunProcess({"/usr/bin/xmllint", "--xpath", expression, path});
    EXPECT_EQ(r.exitCode, 0) << expression << ": " << r.err;
    std::string out = r.out;
    if (!out.empty() && out.back() == '\n') out.pop_back();
    return out;
}

std::vector<BatchRow> Portfolio(const std::string& folder) {
    const auto row = [&folder](const std::string& name, const char* state,
                               const std::string& jurisdiction, const std::string& band,
                               std::optional<double> rating) {
        BatchRow r;
        r.input = folder + "/" + name;
        r.status = state;
        r.validated = "yes";
        r.jurisdiction = jurisdiction;
        r.band = band;
        r.assetRating = rating;
        return r;
    };
    std::vector<BatchRow> rows{
        row("a.inp", status::kOk, "England", "C", 57),
        row("b.inp", status::kOk, "England", "C", 75),
        row("c.inp", status::kOk, "England", "A+", -3),
        row("d.inp", status::kOk, "Scotland", "B+", 151),
        row("sub/hostile <b>&amp; 'name'.inp", status::kFailed, "Wales", "", std::nullopt),
        row("gone.inp", status::kMissing, "", "", std::nullopt),
        row("twin.inp", status::kOk, "England", "C", 57),
    };
    rows[4].address = "<script>alert(1)</script>";
    rows[4].uprn = "010012345678";
    rows[4].firstError = "x.inp:3: error: a \"quote\" & a control \x01 byte and \xff";
    rows[4].outputs = {"hostile <b>&amp; 'name'.err", "hostile <b>&amp; 'name'.log"};
    rows[0].rrnCertificate = rows[6].rrnCertificate = "1111-2222-3333-4444-5555";
    rows[0].warnings = 1;
    rows[0].firstWarning = "WARNING: a decimal comma";
    rows[0].outputs = {"a[epc].pdf", "a.log"};
    MarkAttention(rows);
    return rows;
}

TEST(BatchReport, IsWellFormedWithTheRowsNumbers) {
    TempDir dir;
    const std::vector<BatchRow> rows = Portfolio(dir.file("p"));
    const std::string page = dir.file("reports/portfolio.html");
    fs::create_directories(dir.file("reports"));
    WriteFileBytes(page, ReportHtml(rows, page));

    const ProcessResult lint = RunProcess({"/usr/bin/xmllint", "--noout", page});
    ASSERT_EQ(lint.exitCode, 0) << lint.err;
    EXPECT_EQ(XPath(page, "string(//*[@id='inputs'])"), "7");
    const std::vector<std::pair<std::string, std::string>> counts{
        {"//td[@data-status='ok']", "5"},
        {"//td[@data-status='failed']", "1"},
        {"//td[@data-status='not run']", "0"},
        {"//td[@data-status='missing']", "1"},
        {"//td[@data-status='(all)']", "7"},
        {"//td[@data-jurisdiction='England'][@data-band='C']", "3"},
        {"//td[@data-jurisdiction='England'][@data-band='A+']", "1"},
        {"//td[@data-jurisdiction='Scotland'][@data-band='B+']", "1"},
        {"//td[@data-jurisdiction='Wales'][@data-band='(none)']", "1"},
        {"//td[@data-jurisdiction='(none)'][@data-band='(none)']", "1"},
        {"//td[@data-range='below 0']", "1"},
        {"//td[@data-range='51 to 75']", "3"},
        {"//td[@data-range='over 150']", "1"},
        {"//*[@id='rated']", "5"},
        {"//*[@id='needing']", "4"},
        {"//*[@id='shared-pairs']", "1"},
    };
    for (const auto& [path, want] : counts)
        EXPECT_EQ(XPath(page, "string(" + path + ")"), want) << path;
    EXPECT_EQ(XPath(page, "count(//tr[@class='needs-look'])"), "4");

    // No element, attribute or script came from an input's text.
    EXPECT_EQ(XPath(page, "count(//script)"), "0");
    EXPECT_EQ(XPath(page, "count(//b)"), "0");
    EXPECT_EQ(page.find("<script"), std::string::npos);
    EXPECT_NE(XPath(page, "string(//tr[@class='needs-look'][td[2]='failed']/td[5])")
                  .find("<script>alert(1)</script>"),
              std::string::npos);
    EXPECT_NE(XPath(page, "string(//tr[@class='needs-look'][td[2]='failed']/td[7])")
                  .find("a \"quote\" & a control ? byte and ?"),
              std::string::npos);
    // Links from the page's folder to the input's files, escaped as URLs.
    EXPECT_EQ(XPath(page, "string(//tr[@class='needs-look'][td[2]='failed']/td[8]/a[1]/@href)"),
              "../p/sub/hostile%20%3Cb%3E%26amp%3B%20%27name%27.err");
    EXPECT_EQ(XPath(page,
                    "string(//tr[@class='needs-look'][td[3]='warned; shared reference "
                    "number']/td[8]/a[1]/@href)"),
              "../p/a%5Bepc%5D.pdf");
    EXPECT_NE(XPath(page, "string(//tr[@class='shared-pair'])").find("certificate 1111-2222"),
              std::string::npos);

    // Nothing the page needs is outside it.
    for (const char* outside : {"<script", "<link", "src=", "href=\"http", "url("})
        EXPECT_EQ(page.find(outside), std::string::npos) << outside;
}

TEST(BatchReport, EmptyPortfolio) {
    TempDir dir;
    const std::string page = dir.file("r.html");
    WriteFileBytes(page, ReportHtml({}, page));
    ASSERT_EQ(RunProcess({"/usr/bin/xmllint", "--noout", page}).exitCode, 0);
    EXPECT_EQ(XPath(page, "string(//*[@id='needing'])"), "0");
}

}  // namespace
