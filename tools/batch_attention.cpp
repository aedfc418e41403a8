#include "tools/batch_attention.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <map>
#include <set>
#include <sstream>

#include "app/encoding.h"
#include "tools/batch.h"

namespace {

std::string Trim(const std::string& s) {
    const std::size_t a = s.find_first_not_of(" \t\r\n");
    if (a == std::string::npos) return std::string();
    const std::size_t b = s.find_last_not_of(" \t\r\n");
    return s.substr(a, b - a + 1);
}

std::string Upper(std::string s) {
    for (char& c : s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return s;
}

// The line before a "$" comment that stands outside double quotes.
std::string WithoutComment(const std::string& line) {
    bool quoted = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (line[i] == '"') quoted = !quoted;
        if (line[i] == '$' && !quoted) return line.substr(0, i);
    }
    return line;
}

std::string Unquoted(const std::string& value) {
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
        return value.substr(1, value.size() - 2);
    return value;
}

// The keyword values of the first object of each class the identity needs,
// read the way the input is laid out: a header `"name" = CLASS`, keyword
// lines `KEYWORD = value`, and ".." closing the object. Only what is needed
// is kept; nothing is checked (the run does that).
struct InputValues {
    std::map<std::string, std::string> general, epc;
};

InputValues ReadValues(const std::vector<std::string>& lines) {
    InputValues values;
    std::map<std::string, std::string>* into = nullptr;
    bool generalSeen = false, epcSeen = false;
    for (const std::string& raw : lines) {
        const std::string line = Trim(WithoutComment(raw));
        if (line.empty()) continue;
        if (line == "..") {
            into = nullptr;
            continue;
        }
        const std::size_t eq = line.find('=');
        if (eq == std::string::npos) continue;
        const std::string left = Trim(line.substr(0, eq));
        const std::string right = Trim(line.substr(eq + 1));
        if (!left.empty() && left.front() == '"') {
            // A header: a missing ".." before it closes the object before.
            const std::string type = Upper(right.substr(0, right.find(' ')));
            into = nullptr;
            if (type == "GENERAL" && !generalSeen) into = &values.general, generalSeen = true;
            if (type == "EPC" && !epcSeen) into = &values.epc, epcSeen = true;
            continue;
        }
        if (into != nullptr && into->count(Upper(left)) == 0)
            (*into)[Upper(left)] = Unquoted(right);
    }
    return values;
}

// The jurisdiction's code (1 England and Wales, 2 Scotland, 3 Northern
// Ireland) from the TYPE value, by name or by number; 0 for neither.
int JurisdictionCode(const std::string& type) {
    const std::string t = Upper(type);
    if (t == "ENGLAND AND WALES" || t == "1") return 1;
    if (t == "SCOTLAND" || t == "2") return 2;
    if (t == "NORTHERN IRELAND" || t == "3") return 3;
    return 0;
}

std::string Duration(double seconds) {
    const long s = std::lround(seconds);
    char buf[64];
    if (s >= 3600)
        std::snprintf(buf, sizeof buf, "%ld h %02ld min", s / 3600, (s % 3600) / 60);
    else if (s >= 60)
        std::snprintf(buf, sizeof buf, "%ld min %02ld s", s / 60, s % 60);
    else
        std::snprintf(buf, sizeof buf, "%ld s", s);
    return buf;
}

}  // namespace

void AddIdentityFromInput(const std::string& inputText, BatchRow& row) {
    if (!row.uprn.empty() && !row.address.empty() && !row.postcode.empty() &&
        !row.jurisdiction.empty())
        return;
    std::vector<std::string> lines;
    std::istringstream in(inputText);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    const bool hadBom = !lines.empty() && StripUtf8Bom(lines.front());
    const TextEncoding encoding = InputEncodingOf(lines, hadBom);
    const InputValues values = ReadValues(lines);
    const auto text = [&values, encoding](const char* keyword) {
        const auto at = values.general.find(keyword);
        if (at == values.general.end()) return std::string();
        return EncodeText(at->second, encoding, OutputEncoding::kUtf8).text;
    };
    if (row.uprn.empty()) row.uprn = text("UPRN");
    if (row.address.empty()) row.address = text("B-ADDRESS-0");
    if (row.address.empty()) row.address = text("B-ADDRESS");
    if (row.postcode.empty()) row.postcode = text("B-POSTCODE");
    if (row.jurisdiction.empty()) {
        const auto type = values.epc.find("TYPE");
        const auto language = values.epc.find("EPC-LANGUAGE");
        const bool welsh =
            language != values.epc.end() &&
            (Upper(language->second) == "ENGLISH AND WELSH" || language->second == "2");
        if (type != values.epc.end())
            row.jurisdiction =
                JurisdictionName(JurisdictionCode(type->second), welsh, row.postcode);
    }
}

std::string DiagnosisLine(const std::string& consoleText) {
    std::istringstream in(consoleText);
    for (std::string line; std::getline(in, line);) {
        const std::size_t at = line.find(": error: ");
        if (at == std::string::npos || at == 0) continue;
        // "file:line: error: ...": a line number right before the marker.
        const std::size_t colon = line.rfind(':', at - 1);
        if (colon == std::string::npos || colon + 1 >= at) continue;
        const std::string number = line.substr(colon + 1, at - colon - 1);
        if (std::all_of(number.begin(), number.end(),
                        [](char c) { return std::isdigit(static_cast<unsigned char>(c)); }))
            return Trim(line);
    }
    return std::string();
}

std::vector<std::string> FieldsCut(const std::string& logText) {
    // "WARNING: <path>: <field> does not fit its place: N characters left out"
    static const std::string kStart = "WARNING: ";
    static const std::string kCut = " does not fit its place: ";
    std::vector<std::string> fields;
    std::istringstream in(logText);
    for (std::string line; std::getline(in, line);) {
        const std::size_t start = line.find(kStart);
        const std::size_t cut = line.find(kCut);
        if (start == std::string::npos || cut == std::string::npos || cut < start) continue;
        const std::string what = line.substr(start + kStart.size(), cut - start - kStart.size());
        // The document's path ends at its ".pdf: ".
        const std::size_t pdf = what.find(".pdf: ");
        if (pdf == std::string::npos) continue;
        const std::string document =
            std::filesystem::path(what.substr(0, pdf + 4)).filename().string();
        fields.push_back(document + ": " + what.substr(pdf + 6));
    }
    return fields;
}

std::vector<SharedPair> SharedPairs(const std::vector<BatchRow>& rows) {
    // The rows of each number, then each pair of rows once, its numbers in
    // the first row's order (certificate first).
    std::map<std::string, std::vector<std::size_t>> byNumber;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        for (const std::string* number : {&rows[i].rrnCertificate, &rows[i].rrnRecommendations}) {
            if (number->empty()) continue;
            std::vector<std::size_t>& at = byNumber[*number];
            if (at.empty() || at.back() != i) at.push_back(i);
        }
    }
    std::map<std::pair<std::size_t, std::size_t>, std::set<std::string>> pairs;
    for (const auto& [number, at] : byNumber)
        for (std::size_t a = 0; a < at.size(); ++a)
            for (std::size_t b = a + 1; b < at.size(); ++b) pairs[{at[a], at[b]}].insert(number);
    std::vector<SharedPair> shared;
    for (const auto& [pair, numbers] : pairs) {
        const BatchRow& first = rows[pair.first];
        SharedPair p{first.input, rows[pair.second].input, {}};
        if (numbers.count(first.rrnCertificate))
            p.numbers.push_back({"certificate", first.rrnCertificate});
        if (numbers.count(first.rrnRecommendations) &&
            first.rrnRecommendations != first.rrnCertificate)
            p.numbers.push_back({"recommendations report", first.rrnRecommendations});
        shared.push_back(std::move(p));
    }
    return shared;
}

std::string SharedNumbersText(const SharedPair& pair) {
    std::string text;
    for (const SharedPair::Number& n : pair.numbers)
        text += (text.empty() ? "" : ", ") + n.kind + " " + n.number;
    return text;
}

void MarkAttention(std::vector<BatchRow>& rows) {
    std::set<std::string> shared;
    for (const SharedPair& p : SharedPairs(rows)) {
        shared.insert(p.first);
        shared.insert(p.second);
    }
    for (BatchRow& r : rows) {
        std::vector<std::string> reasons;
        // Failed, not run, missing: the status says why; any other status
        // (a journal of a later batch) is a row to look at too.
        if (r.status != status::kOk) reasons.push_back(r.status.empty() ? "no status" : r.status);
        if (r.validated == "no") reasons.push_back(attention::kNotValidated);
        if (r.warnings > 0) reasons.push_back(attention::kWarned);
        if (shared.count(r.input)) reasons.push_back(attention::kShared);
        if (!r.fieldsCut.empty()) reasons.push_back(attention::kFieldCut);
        r.attention.clear();
        for (const std::string& reason : reasons)
            r.attention += (r.attention.empty() ? "" : "; ") + reason;
    }
}

std::vector<BatchRow> RowsNeedingAttention(const std::vector<BatchRow>& rows) {
    std::vector<BatchRow> needing;
    for (const BatchRow& r : rows)
        if (!r.attention.empty()) needing.push_back(r);
    return needing;
}

std::string ProgressLine(std::size_t done, std::size_t total, std::size_t failed, double seconds) {
    char head[160];
    std::snprintf(head, sizeof head, "%zu/%zu runs, %zu failed, %s", done, total, failed,
                  Duration(seconds).c_str());
    std::string line = head;
    if (done == 0 || seconds <= 0) return line;
    const double rate = static_cast<double>(done) / seconds;
    char tail[160];
    std::snprintf(tail, sizeof tail, ", %.1f runs/s, %s left", rate,
                  Duration(static_cast<double>(total - std::min(done, total)) / rate).c_str());
    return line + tail;
}
