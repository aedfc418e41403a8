#include "tools/batch.h"

#include <algorithm>
#include <cctype>
#include <cfloat>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <functional>
#include <set>
#include <sstream>
#include <unordered_map>
#include <unordered_set>

#include "app/inputfile.h"
#include "app/outputs.h"

namespace fs = std::filesystem;

namespace {

bool EndsWithInp(const std::string& name) {
    if (name.size() < 4) return false;
    std::string ext = name.substr(name.size() - 4);
    for (char& c : ext) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return ext == ".inp";
}

std::string Trim(const std::string& s) {
    const std::size_t a = s.find_first_not_of(" \t\r\n");
    if (a == std::string::npos) return std::string();
    const std::size_t b = s.find_last_not_of(" \t\r\n");
    return s.substr(a, b - a + 1);
}

std::string Normal(const fs::path& p) {
    std::error_code ec;
    fs::path abs = fs::absolute(p, ec);
    if (ec) abs = p;
    return abs.lexically_normal().string();
}

std::string CsvField(const std::string& s) {
    if (s.find_first_of(",\"\r\n") == std::string::npos) return s;
    std::string out = "\"";
    for (char c : s) {
        if (c == '"') out += '"';
        out += c;
    }
    return out + "\"";
}

std::string Join(const std::vector<std::string>& items) {
    std::string out;
    for (const std::string& s : items) out += (out.empty() ? "" : ";") + s;
    return out;
}

std::string JsonString(const std::string& s) {
    std::string out = "\"";
    for (const char ch : s) {
        const unsigned char c = static_cast<unsigned char>(ch);
        switch (c) {
            case '"':
                out += "\\\"";
                break;
            case '\\':
                out += "\\\\";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\t':
                out += "\\t";
                break;
            default:
                if (c < 0x20) {
                    char buf[8];
                    std::snprintf(buf, sizeof buf, "\\u%04x", c);
                    out += buf;
                } else {
                    out += ch;
                }
        }
    }
    return out + "\"";
}

std::string JsonArray(const std::vector<std::string>& items) {
    std::string out = "[";
    for (std::size_t i = 0; i < items.size(); ++i) out += (i ? "," : "") + JsonString(items[i]);
    return out + "]";
}

// Room for any finite double in full: a value cut short would read back as
// another number.
std::string Seconds(double s) {
    char buf[DBL_MAX_10_EXP + 8];
    std::snprintf(buf, sizeof buf, "%.3f", s);
    return buf;
}

// A reader for the flat objects JsonLine writes: string, number and
// string-array values.
class JsonReader {
  public:
    explicit JsonReader(const std::string& text) : s_(text) {}

    bool Object(const std::function<bool(const std::string&, JsonReader&)>& field) {
        if (!Take('{')) return false;
        if (Take('}')) return AtEnd();
        do {
            std::string key;
            if (!String(key) || !Take(':') || !field(key, *this)) return false;
        } while (Take(','));
        return Take('}') && AtEnd();
    }

    // A string with JSON's escapes; \\u escapes (UTF-16, pairs joined) are
    // written as UTF-8.
    bool String(std::string& out) {
        Blanks();
        if (at_ >= s_.size() || s_[at_] != '"') return false;
        ++at_;
        out.clear();
        while (at_ < s_.size() && s_[at_] != '"') {
            const char c = s_[at_++];
            if (c != '\\') {
                out += c;
                continue;
            }
            if (at_ >= s_.size()) return false;
            switch (s_[at_++]) {
                case '"':
                    out += '"';
                    break;
                case '\\':
                    out += '\\';
                    break;
                case '/':
                    out += '/';
                    break;
                case 'b':
                    out += '\b';
                    break;
                case 'f':
                    out += '\f';
                    break;
                case 'n':
                    out += '\n';
                    break;
                case 'r':
                    out += '\r';
                    break;
                case 't':
                    out += '\t';
                    break;
                case 'u': {
                    unsigned long code = 0;
                    if (!Hex4(code)) return false;
                    if (code >= 0xDC00 && code <= 0xDFFF) return false;  // a low half alone
                    if (code >= 0xD800 && code <= 0xDBFF) {
                        unsigned long low = 0;
                        if (!Take2('\\', 'u') || !Hex4(low) || low < 0xDC00 || low > 0xDFFF)
                            return false;
                        code = 0x10000 + ((code - 0xD800) << 10) + (low - 0xDC00);
                    }
                    AppendUtf8(code, out);
                    break;
                }
                default:
                    return false;
            }
        }
        if (at_ >= s_.size()) return false;
        ++at_;
        return true;
    }

    // A finite number.
    bool Number(double& out) {
        Blanks();
        const std::size_t start = at_;
        while (at_ < s_.size() && std::strchr("+-.0123456789eE", s_[at_]) != nullptr &&
               s_[at_] != '\0')
            ++at_;
        if (at_ == start) return false;
        const std::string text = s_.substr(start, at_ - start);
        char* end = nullptr;
        const double value = std::strtod(text.c_str(), &end);
        if (end != text.c_str() + text.size() || !std::isfinite(value)) return false;
        out = value;
        return true;
    }

    bool Strings(std::vector<std::string>& out) {
        out.clear();
        if (!Take('[')) return false;
        if (Take(']')) return true;
        do {
            std::string item;
            if (!String(item)) return false;
            out.push_back(item);
        } while (Take(','));
        return Take(']');
    }

  private:
    bool Hex4(unsigned long& code) {
        if (s_.size() - at_ < 4) return false;
        code = 0;
        for (int i = 0; i < 4; ++i) {
            const char c = s_[at_++];
            int digit = -1;
            if (c >= '0' && c <= '9') digit = c - '0';
            if (c >= 'a' && c <= 'f') digit = c - 'a' + 10;
            if (c >= 'A' && c <= 'F') digit = c - 'A' + 10;
            if (digit < 0) return false;
            code = code * 16 + static_cast<unsigned long>(digit);
        }
        return true;
    }
    bool Take2(char a, char b) {
        if (s_.size() - at_ < 2 || s_[at_] != a || s_[at_ + 1] != b) return false;
        at_ += 2;
        return true;
    }
    static void AppendUtf8(unsigned long code, std::string& out) {
        if (code < 0x80) {
            out += static_cast<char>(code);
        } else if (code < 0x800) {
            out += static_cast<char>(0xC0 | (code >> 6));
            out += static_cast<char>(0x80 | (code & 0x3F));
        } else if (code < 0x10000) {
            out += static_cast<char>(0xE0 | (code >> 12));
            out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (code & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (code >> 18));
            out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (code & 0x3F));
        }
    }
    void Blanks() {
        while (at_ < s_.size() && std::isspace(static_cast<unsigned char>(s_[at_]))) ++at_;
    }
    bool Take(char c) {
        Blanks();
        if (at_ < s_.size() && s_[at_] == c) {
            ++at_;
            return true;
        }
        return false;
    }
    bool AtEnd() {
        Blanks();
        return at_ == s_.size();
    }

    const std::string& s_;
    std::size_t at_ = 0;
};

}  // namespace

std::vector<std::string> GatherInputs(const std::vector<std::string>& sources,
                                      std::vector<std::string>& problems) {
    std::set<std::string> found;
    for (const std::string& source : sources) {
        std::error_code ec;
        const fs::path path(source);
        if (fs::is_directory(path, ec)) {
            fs::recursive_directory_iterator it(path, fs::directory_options::skip_permission_denied,
                                                ec);
            for (; !ec && it != fs::recursive_directory_iterator(); it.increment(ec)) {
                if (it->is_regular_file(ec) && EndsWithInp(it->path().filename().string()))
                    found.insert(Normal(it->path()));
            }
            if (ec) problems.push_back(source + ": " + ec.message());
        } else if (EndsWithInp(path.filename().string())) {
            if (fs::is_regular_file(path, ec))
                found.insert(Normal(path));
            else
                problems.push_back(source + ": no such input file");
        } else {
            // Looked at before it is read, as an input is: a list that is a
            // device or larger than an input is not taken in.
            std::string text;
            const FileRead read = ReadRegularFile(source, kInputFileLimit, text);
            if (read != FileRead::kDone) {
                problems.push_back(
                    source + (read == FileRead::kTooLarge ? ": a list larger than 64 MB is not read"
                              : read == FileRead::kNotRegular ? ": not a regular file"
                                                              : ": cannot be read"));
                continue;
            }
            const fs::path base = path.parent_path();
            std::istringstream list(text);
            std::string line;
            while (std::getline(list, line)) {
                line = Trim(line);
                if (line.empty() || line[0] == '#') continue;
                const fs::path entry = fs::path(line).is_absolute() ? fs::path(line) : base / line;
                if (fs::is_regular_file(entry, ec))
                    found.insert(Normal(entry));
                else
                    problems.push_back(line + " (listed in " + source + "): no such input file");
            }
        }
    }
    return std::vector<std::string>(found.begin(), found.end());
}

bool ParseShard(const std::string& text, int& k, int& n) {
    const std::size_t slash = text.find('/');
    if (slash == std::string::npos) return false;
    const std::string a = text.substr(0, slash), b = text.substr(slash + 1);
    auto digits = [](const std::string& s) {
        return !s.empty() && s.size() < 9 &&
               std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
    };
    if (!digits(a) || !digits(b)) return false;
    k = std::stoi(a);
    n = std::stoi(b);
    return n >= 1 && k >= 1 && k <= n;
}

std::vector<std::string> ShardOf(const std::vector<std::string>& inputs, int k, int n) {
    std::vector<std::string> part;
    for (std::size_t i = static_cast<std::size_t>(k - 1); i < inputs.size();
         i += static_cast<std::size_t>(n))
        part.push_back(inputs[i]);
    return part;
}

std::string CsvHeader() {
    return "input,status,exit_code,jurisdiction,asset_rating,band,reference_numbers,outputs,"
           "seconds,first_error,input_md5\n";
}

std::string CsvLine(const BatchRow& r) {
    return CsvField(r.input) + "," + CsvField(r.status) + "," + std::to_string(r.exitCode) + "," +
           CsvField(r.jurisdiction) + "," + CsvField(r.assetRating) + "," + CsvField(r.band) + "," +
           CsvField(Join(r.references)) + "," + CsvField(Join(r.outputs)) + "," +
           Seconds(r.seconds) + "," + CsvField(r.firstError) + "," + CsvField(r.inputDigest) + "\n";
}

std::string JsonLine(const BatchRow& r) {
    return "{\"input\":" + JsonString(r.input) + ",\"status\":" + JsonString(r.status) +
           ",\"exit_code\":" + std::to_string(r.exitCode) +
           ",\"jurisdiction\":" + JsonString(r.jurisdiction) +
           ",\"asset_rating\":" + JsonString(r.assetRating) + ",\"band\":" + JsonString(r.band) +
           ",\"reference_numbers\":" + JsonArray(r.references) +
           ",\"outputs\":" + JsonArray(r.outputs) + ",\"seconds\":" + Seconds(r.seconds) +
           ",\"first_error\":" + JsonString(r.firstError) +
           ",\"input_md5\":" + JsonString(r.inputDigest) + "}\n";
}

bool ParseJsonLine(const std::string& line, BatchRow& row) {
    JsonReader reader(line);
    row = BatchRow();
    return reader.Object([&row](const std::string& key, JsonReader& r) {
        double number = 0;
        if (key == "input") return r.String(row.input);
        if (key == "status") return r.String(row.status);
        if (key == "exit_code") {
            // A whole number an int holds: converting any other is undefined.
            if (!r.Number(number) || number < INT_MIN || number > INT_MAX ||
                number != std::floor(number))
                return false;
            row.exitCode = static_cast<int>(number);
            return true;
        }
        if (key == "jurisdiction") return r.String(row.jurisdiction);
        if (key == "asset_rating") return r.String(row.assetRating);
        if (key == "band") return r.String(row.band);
        if (key == "reference_numbers") return r.Strings(row.references);
        if (key == "outputs") return r.Strings(row.outputs);
        if (key == "seconds") return r.Number(row.seconds);
        if (key == "first_error") return r.String(row.firstError);
        if (key == "input_md5") return r.String(row.inputDigest);
        return false;
    });
}

std::vector<std::string> RunOutputNames(const std::string& input) {
    // The endings a run in mode /I writes (those OutputReplacingInput checks).
    static const char* const kWritten[] = {ending::kResults,
                                           ending::kReportCopy,
                                           ending::kErrorReport,
                                           ending::kCertificate,
                                           ending::kWelshCertificate,
                                           ending::kRecommendations,
                                           ending::kShortRecommendations,
                                           ending::kIasPackage,
                                           ending::kIasCompressed};
    std::vector<std::string> names;
    for (const char* e : kWritten) names.push_back(OutputName(input, e));
    return names;
}

std::string KeptLogName(const std::string& input) {
    return OutputName(input, ".log");
}

bool FitsRunConfiguration(const std::string& path) {
    return std::none_of(path.begin(), path.end(), [](char c) {
        const auto b = static_cast<unsigned char>(c);
        return b < 0x20 || b == 0x7F;
    });
}

std::vector<std::string> InputRefusals(const std::vector<std::string>& inputs) {
    std::vector<std::string> why(inputs.size());
    auto folded = [](std::string name) {
        for (char& c : name) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        return name;
    };
    // Every name an input is or writes, folded, and the first input to claim it.
    std::unordered_map<std::string, std::size_t> claimed;
    for (std::size_t i = 0; i < inputs.size(); ++i) {
        const std::string& input = inputs[i];
        if (!FitsRunConfiguration(input)) {
            why[i] =
                "the name holds a line break or other control character, which the run "
                "configuration file (one path a line) cannot carry";
            continue;
        }
        std::vector<std::string> names = RunOutputNames(input);
        names.push_back(KeptLogName(input));
        names.push_back(input);
        for (const std::string& name : names) {
            const auto [at, first] = claimed.emplace(folded(name), i);
            const std::size_t other = at->second;
            if (first || other == i) continue;
            const std::string shared = fs::path(name).filename().string();
            const auto clash = [&](std::size_t a, std::size_t b) {
                if (!why[a].empty()) return;
                why[a] = folded(inputs[a]) == folded(inputs[b])
                             ? "the name differs from " + inputs[b] +
                                   " only in letter case, and a folder may take the two for one"
                             : "this input and " + inputs[b] +
                                   " would write or be the same file (" + shared + ")";
            };
            clash(i, other);
            clash(other, i);
        }
    }
    return why;
}

OutputTimes RunOutputTimes(const std::string& input) {
    OutputTimes times;
    for (const std::string& name : RunOutputNames(input)) {
        std::error_code ec;
        const fs::path path(name);
        if (!fs::is_regular_file(path, ec)) continue;
        const fs::file_time_type time = fs::last_write_time(path, ec);
        if (!ec) times[path.filename().string()] = time;
    }
    return times;
}

std::vector<std::string> OutputsWritten(const std::string& input, const OutputTimes& before) {
    std::vector<std::string> outputs;
    for (const auto& [name, time] : RunOutputTimes(input)) {
        const auto was = before.find(name);
        if (was == before.end() || was->second != time) outputs.push_back(name);
    }
    return outputs;
}

std::string InputJurisdiction(const std::string& inputText) {
    std::istringstream in(inputText);
    std::string line;
    bool inEpc = false;
    while (std::getline(in, line)) {
        const std::size_t comment = line.find('$');
        if (comment != std::string::npos) line.erase(comment);
        line = Trim(line);
        if (line.empty()) continue;
        if (line[0] == '"') {  // an object's first line: "name" = CLASS
            const std::size_t eq = line.rfind('=');
            inEpc = eq != std::string::npos && Trim(line.substr(eq + 1)) == "EPC";
            continue;
        }
        if (!inEpc) continue;
        const std::size_t eq = line.find('=');
        if (eq != std::string::npos && Trim(line.substr(0, eq)) == "TYPE")
            return Trim(line.substr(eq + 1));
    }
    return std::string();
}

bool ResultsRating(const std::string& resultsText, std::string& rating, std::string& band) {
    static const std::string kLine = "Building Emission Rate (BER),";
    const std::size_t at = resultsText.find(kLine);
    if (at == std::string::npos) return false;
    const std::size_t end = resultsText.find('\n', at);
    std::istringstream fields(resultsText.substr(at, end == std::string::npos ? end : end - at));
    std::vector<std::string> f;
    std::string field;
    while (std::getline(fields, field, ',')) f.push_back(Trim(field));
    if (f.size() < 4) return false;
    band = f[2];
    rating = f[3];
    return true;
}

std::vector<std::string> ReferenceNumbers(const std::string& text) {
    std::vector<std::string> found;
    std::unordered_set<std::string> seen;
    auto digit = [&](std::size_t i) { return text[i] >= '0' && text[i] <= '9'; };
    // A number's first dash is its fifth character: only the places four
    // before a dash are tried, leftmost first.
    for (std::size_t dash = text.find('-', 4); dash != std::string::npos;
         dash = text.find('-', dash + 1)) {
        const std::size_t i = dash - 4;
        if (i + 24 > text.size()) break;
        bool match = (i == 0 || !digit(i - 1)) && (i + 24 == text.size() || !digit(i + 24));
        for (std::size_t j = 0; match && j < 24; ++j)
            match = j % 5 == 4 ? text[i + j] == '-' : digit(i + j);
        if (!match) continue;
        std::string number = text.substr(i, 24);
        if (seen.insert(number).second) found.push_back(std::move(number));
        dash = i + 27;  // the next number starts after this one
    }
    return found;
}

std::string FirstErrorLine(const std::string& logText) {
    // An "ERROR" line names the fault; failing that, a line that mentions
    // errors at all. The count lines of a report name none.
    for (const bool exact : {true, false}) {
        std::istringstream in(logText);
        std::string line;
        while (std::getline(in, line)) {
            std::string lower = line;
            for (char& c : lower)
                c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
            if (lower.find("number of errors") != std::string::npos) continue;
            if (exact ? line.find("ERROR") != std::string::npos
                      : lower.find("error") != std::string::npos)
                return Trim(line);
        }
    }
    return std::string();
}
