#include "tools/batch_report.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <map>
#include <system_error>

#include "app/encoding.h"
#include "tools/batch_attention.h"

namespace fs = std::filesystem;

namespace {

std::string Count(std::size_t n) {
    return std::to_string(n);
}

// The colours bands are known by, by the band's letter.
std::string BandColour(const std::string& band) {
    if (band == "Carbon Neutral") return "#00703c";
    const char letter = band.empty() ? ' ' : band[0];
    switch (letter) {
        case 'A':
            return "#008054";
        case 'B':
            return "#19b459";
        case 'C':
            return "#8dce46";
        case 'D':
            return "#ffd500";
        case 'E':
            return "#fcaa65";
        case 'F':
            return "#ef8023";
        case 'G':
            return "#e9153b";
        default:
            return "#9e9e9e";
    }
}

std::string Shown(const std::string& value) {
    return value.empty() ? "(none)" : value;
}

// A bar chart drawn as SVG: a bar per label, its length by its count, the
// count written after it.
struct Bar {
    std::string label;
    std::size_t count;
    std::string colour;
};
std::string BarChart(const std::vector<Bar>& bars, const std::string& title) {
    const int labelWidth = 110, barWidth = 280, rowHeight = 24;
    const int height = rowHeight * static_cast<int>(bars.size()) + 8;
    std::size_t most = 1;
    for (const Bar& b : bars) most = std::max(most, b.count);
    std::string svg = "<svg xmlns=\"http://www.w3.org/2000/svg\" role=\"img\" width=\"" +
                      std::to_string(labelWidth + barWidth + 60) + "\" height=\"" +
                      std::to_string(height) + "\" viewBox=\"0 0 " +
                      std::to_string(labelWidth + barWidth + 60) + " " + std::to_string(height) +
                      "\"><title>" + HtmlText(title) + "</title>";
    int y = 4;
    for (const Bar& b : bars) {
        const int length =
            b.count == 0
                ? 0
                : std::max(2, static_cast<int>(std::lround(static_cast<double>(b.count) /
                                                           static_cast<double>(most) * barWidth)));
        svg += "<text x=\"" + std::to_string(labelWidth - 8) + "\" y=\"" + std::to_string(y + 16) +
               "\" text-anchor=\"end\">" + HtmlText(b.label) + "</text>";
        svg += "<rect x=\"" + std::to_string(labelWidth) + "\" y=\"" + std::to_string(y + 3) +
               "\" width=\"" + std::to_string(length) + "\" height=\"" +
               std::to_string(rowHeight - 6) + "\" fill=\"" + b.colour + "\"/>";
        svg += "<text x=\"" + std::to_string(labelWidth + length + 6) + "\" y=\"" +
               std::to_string(y + 16) + "\">" + Count(b.count) + "</text>";
        y += rowHeight;
    }
    return svg + "</svg>";
}

// The rating ranges of the distribution: the bands' limits on the scale
// England, Wales and Northern Ireland share.
struct Range {
    std::string label;
    double above;  // the range holds ratings > above ...
    double upTo;   // ... and <= upTo
};
const std::vector<Range>& Ranges() {
    static const std::vector<Range> ranges{
        {"below 0", -HUGE_VAL, -1e-9}, {"0 to 25", -1e-9, 25},     {"26 to 50", 25, 50},
        {"51 to 75", 50, 75},          {"76 to 100", 75, 100},     {"101 to 125", 100, 125},
        {"126 to 150", 125, 150},      {"over 150", 150, HUGE_VAL}};
    return ranges;
}

// Where an input's file is, from the report's folder.
std::string LinkTo(const fs::path& file, const fs::path& reportFolder) {
    const fs::path relative = file.lexically_normal().lexically_relative(reportFolder);
    return UrlPath((relative.empty() ? file : relative).string());
}

const char* const kStyle =
    "body{font-family:'Liberation Sans',Arial,sans-serif;margin:2em;color:#1a1a1a}"
    "h1{font-size:1.6em}h2{font-size:1.2em;margin-top:1.6em;border-bottom:1px solid #888}"
    "table{border-collapse:collapse;margin:.5em 0}"
    "th,td{border:1px solid #bbb;padding:.25em .5em;text-align:left;vertical-align:top}"
    "td.n,th.n{text-align:right}tr.total td{font-weight:bold}"
    "figure{display:inline-block;margin:0 2em 1em 0;vertical-align:top}"
    "figcaption{font-weight:bold;margin-bottom:.3em}svg text{font-size:13px}"
    "td.why{color:#a00000}td.files a{white-space:nowrap}.small{font-size:.85em;color:#444}"
    // On paper the links lead nowhere: the files' column is left out.
    "@media print{body{margin:0;font-size:10pt}figure,tr,svg{break-inside:avoid}"
    "h2{break-after:avoid}.files{display:none}"
    "thead{display:table-header-group}a{color:inherit}"
    "*{-webkit-print-color-adjust:exact;print-color-adjust:exact}}";

}  // namespace

std::string HtmlText(const std::string& text) {
    const std::string utf8 = EncodeText(text, TextEncoding::kUtf8, OutputEncoding::kUtf8).text;
    std::string out;
    for (const char ch : utf8) {
        const auto c = static_cast<unsigned char>(ch);
        switch (ch) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            case '\'':
                out += "&#39;";
                break;
            default:
                out += (c < 0x20 && ch != '\t') || c == 0x7F ? '?' : ch;
        }
    }
    return out;
}

std::string UrlPath(const std::string& path) {
    std::string out;
    for (const char ch : path) {
        const auto c = static_cast<unsigned char>(ch);
        if (std::isalnum(c) || std::string("-._~/").find(ch) != std::string::npos) {
            out += ch;
        } else {
            char buf[4];
            std::snprintf(buf, sizeof buf, "%%%02X", c);
            out += buf;
        }
    }
    return out;
}

std::string ReportHtml(const std::vector<BatchRow>& rows, const std::string& reportPath) {
    std::error_code ec;
    fs::path folder = fs::absolute(reportPath, ec).lexically_normal().parent_path();
    if (ec) folder = fs::current_path(ec);

    std::string page =
        "<!DOCTYPE html>\n<html lang=\"en\"><head><meta charset=\"utf-8\"/>"
        "<title>Portfolio: " +
        Count(rows.size()) + " inputs</title><style>" + kStyle + "</style></head><body>\n";
    page += "<h1>Portfolio: <span id=\"inputs\">" + Count(rows.size()) + "</span> inputs</h1>\n";

    // By status.
    std::map<std::string, std::size_t> byStatus;
    for (const BatchRow& r : rows) ++byStatus[r.status];
    page +=
        "<section id=\"by-status\"><h2>Inputs by status</h2><table><thead><tr><th>status</th>"
        "<th class=\"n\">inputs</th></tr></thead><tbody>";
    std::vector<std::string> statuses{status::kOk, status::kFailed, status::kNotRun,
                                      status::kMissing};
    for (const auto& [name, n] : byStatus)
        if (std::find(statuses.begin(), statuses.end(), name) == statuses.end())
            statuses.push_back(name);
    for (const std::string& name : statuses) {
        page += "<tr><td>" + HtmlText(Shown(name)) + "</td><td class=\"n\" data-status=\"" +
                HtmlText(name) + "\">" + Count(byStatus[name]) + "</td></tr>";
    }
    page += "<tr class=\"total\"><td>all</td><td class=\"n\" data-status=\"(all)\">" +
            Count(rows.size()) + "</td></tr></tbody></table></section>\n";

    // Bands by jurisdiction: a chart each, and its numbers.
    page += "<section id=\"bands\"><h2>Bands by jurisdiction</h2>\n";
    const std::vector<Total> totals = Totals(rows);
    if (totals.empty()) page += "<p>No inputs.</p>";
    for (std::size_t i = 0; i < totals.size();) {
        const std::string jurisdiction = totals[i].jurisdiction;
        std::vector<Bar> bars;
        std::size_t all = 0;
        std::string table;
        for (; i < totals.size() && totals[i].jurisdiction == jurisdiction; ++i) {
            bars.push_back({Shown(totals[i].band), totals[i].inputs, BandColour(totals[i].band)});
            all += totals[i].inputs;
            table += "<tr><td>" + HtmlText(Shown(totals[i].band)) +
                     "</td><td class=\"n\" data-jurisdiction=\"" + HtmlText(Shown(jurisdiction)) +
                     "\" data-band=\"" + HtmlText(Shown(totals[i].band)) + "\">" +
                     Count(totals[i].inputs) + "</td></tr>";
        }
        page += "<figure><figcaption>" + HtmlText(Shown(jurisdiction)) + ": " + Count(all) +
                (all == 1 ? " input" : " inputs") + "</figcaption>" +
                BarChart(bars, "Bands in " + Shown(jurisdiction)) +
                "<table class=\"small\"><thead><tr><th>band</th><th class=\"n\">inputs</th></tr>"
                "</thead><tbody>" +
                table + "</tbody></table></figure>\n";
    }
    page += "</section>\n";

    // The ratings' distribution.
    std::vector<std::size_t> inRange(Ranges().size(), 0);
    std::size_t rated = 0;
    for (const BatchRow& r : rows) {
        if (!r.assetRating) continue;
        ++rated;
        for (std::size_t k = 0; k < Ranges().size(); ++k)
            if (*r.assetRating > Ranges()[k].above && *r.assetRating <= Ranges()[k].upTo)
                ++inRange[k];
    }
    page += "<section id=\"ratings\"><h2>Asset ratings</h2><p><span id=\"rated\">" + Count(rated) +
            "</span> inputs with a rating.</p>";
    if (rated > 0) {
        std::vector<Bar> bars;
        std::string table;
        for (std::size_t k = 0; k < Ranges().size(); ++k) {
            bars.push_back({Ranges()[k].label, inRange[k], "#4a6fa5"});
            table += "<tr><td>" + Ranges()[k].label + "</td><td class=\"n\" data-range=\"" +
                     Ranges()[k].label + "\">" + Count(inRange[k]) + "</td></tr>";
        }
        page += "<figure>" + BarChart(bars, "Asset ratings") +
                "<table class=\"small\"><thead><tr><th>rating</th><th class=\"n\">inputs</th>"
                "</tr></thead><tbody>" +
                table + "</tbody></table></figure>";
    }
    page += "</section>\n";

    // The rows that need a look.
    const std::vector<BatchRow> needing = RowsNeedingAttention(rows);
    page += "<section id=\"attention\"><h2>Inputs that need a look: <span id=\"needing\">" +
            Count(needing.size()) + "</span></h2>";
    if (needing.empty()) {
        page += "<p>None.</p>";
    } else {
        page +=
            "<table><thead><tr><th>input</th><th>status</th><th>why</th><th>UPRN</th>"
            "<th>address</th><th>postcode</th><th>first error or warning</th>"
            "<th class=\"files\">files</th>"
            "</tr></thead><tbody>\n";
        for (const BatchRow& r : needing) {
            const fs::path input(r.input);
            std::string files;
            for (const std::string& output : r.outputs)
                files += (files.empty() ? "" : "<br/>") + std::string("<a href=\"") +
                         HtmlText(LinkTo(input.parent_path() / output, folder)) + "\">" +
                         HtmlText(output) + "</a>";
            const std::string said = !r.firstError.empty() ? r.firstError : r.firstWarning;
            page += "<tr class=\"needs-look\"><td><a href=\"" + HtmlText(LinkTo(input, folder)) +
                    "\">" + HtmlText(input.filename().string()) +
                    "</a><br/><span class=\"small\">" + HtmlText(input.parent_path().string()) +
                    "</span></td><td>" + HtmlText(r.status) + "</td><td class=\"why\">" +
                    HtmlText(r.attention) + "</td><td>" + HtmlText(r.uprn) + "</td><td>" +
                    HtmlText(r.address) + "</td><td>" + HtmlText(r.postcode) + "</td><td>" +
                    HtmlText(said) + "</td><td class=\"files\">" + files + "</td></tr>\n";
        }
        page += "</tbody></table>";
    }
    page += "</section>\n";

    // Shared reference numbers, a pair of inputs a line.
    const std::vector<SharedPair> shared = SharedPairs(rows);
    page +=
        "<section id=\"shared\"><h2>Inputs that share report reference numbers: <span "
        "id=\"shared-pairs\">" +
        Count(shared.size()) + "</span></h2>";
    if (shared.empty()) {
        page += "<p>None.</p>";
    } else {
        page +=
            "<table><thead><tr><th>input</th><th>and input</th><th>numbers shared</th></tr>"
            "</thead><tbody>";
        for (const SharedPair& p : shared)
            page += "<tr class=\"shared-pair\"><td>" + HtmlText(p.first) + "</td><td>" +
                    HtmlText(p.second) + "</td><td>" + HtmlText(SharedNumbersText(p)) +
                    "</td></tr>";
        page += "</tbody></table>";
    }
    page += "</section>\n</body></html>\n";
    return page;
}
