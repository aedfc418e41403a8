#pragma once

#include <string>
#include <vector>

#include "tools/batch_summary.h"

// The portfolio report: one HTML page that needs nothing else (no script,
// no network, no other file) and prints well. It shows the inputs by status,
// the bands of each jurisdiction as a bar chart, the asset ratings'
// distribution, the rows that need a look with links to each input's files,
// and the inputs that share reference numbers. The links are relative to
// `reportPath`'s folder, so the page and the portfolio can move together.
// Every text from an input is escaped; the page is well-formed XML too, so
// that a reader of XML can check it. The rows' attention columns are read as
// they are (MarkAttention sets them).
std::string ReportHtml(const std::vector<BatchRow>& rows, const std::string& reportPath);

// Text as HTML shows it: UTF-8 (bytes that are not shown as "?"), markup
// characters escaped, control characters as "?".
std::string HtmlText(const std::string& text);
// A path as a relative URL: every byte but letters, digits, "-._~/" escaped.
std::string UrlPath(const std::string& path);
