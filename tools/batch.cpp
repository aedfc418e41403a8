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
#include <map>
#include <sstream>
#include <unordered_map>

#include "app/inputfile.h"
#include "app/outputs.h"
#include "app/runresult.h"

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

}  // namespace

std::vector<SourceInput> GatherInputs(const std::vector<std::string>& sources,
                                      std::vector<std::string>& problems,
                                      std::vector<std::string>* lists) {
    // Each path once; an input found anywhere is not missing.
    std::map<std::string, bool> found;
    const auto add = [&found](const fs::path& path, bool missing) {
        const auto [at, added] = found.emplace(Normal(path), missing);
        if (!added && !missing) at->second = false;
    };
    for (const std::string& source : sources) {
        std::error_code ec;
        const fs::path path(source);
        if (fs::is_directory(path, ec)) {
            fs::recursive_directory_iterator it(path, fs::directory_options::skip_permission_denied,
                                                ec);
            for (; !ec && it != fs::recursive_directory_iterator(); it.increment(ec)) {
                if (it->is_regular_file(ec) && EndsWithInp(it->path().filename().string()))
                    add(it->path(), false);
            }
            if (ec) problems.push_back(source + ": " + ec.message());
        } else if (EndsWithInp(path.filename().string())) {
            // Anything there is an input: one that is not a regular file is
            // refused when it is read.
            add(path, !fs::exists(fs::symlink_status(path, ec)));
        } else {
            // Looked at before it is read, as an input is: a list that is a
            // device or larger than an input is not taken in.
            std::string text;
            const FileRead read = ReadRegularFile(source, kInputFileLimit, text);
            if (read != FileRead::kDone) {
                problems.push_back(
                    source + (read == FileRead::kTooLarge ? ": a list larger than 64 MB is not read"
                              : read == FileRead::kNotRegular ? ": not a regular file"
                              : fs::exists(path, ec)          ? ": cannot be read"
                                                              : ": no such folder or list"));
                continue;
            }
            if (lists != nullptr) lists->push_back(Normal(path));
            const fs::path base = path.parent_path();
            std::istringstream list(text);
            std::string line;
            while (std::getline(list, line)) {
                line = Trim(line);
                if (line.empty() || line[0] == '#') continue;
                const fs::path entry = fs::path(line).is_absolute() ? fs::path(line) : base / line;
                add(entry, !fs::exists(fs::symlink_status(entry, ec)));
            }
        }
    }
    std::vector<SourceInput> inputs;
    for (const auto& [name, missing] : found) inputs.push_back({name, missing});
    return inputs;
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

namespace {

std::string Folded(std::string name) {
    for (char& c : name) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return name;
}

// Every name a run on `input` writes, its kept log last but one, then the
// input itself.
std::vector<std::string> NamesOf(const std::string& input) {
    std::vector<std::string> names = RunOutputNames(input);
    names.push_back(KeptLogName(input));
    names.push_back(input);
    return names;
}

}  // namespace

std::vector<std::string> InputRefusals(const std::vector<std::string>& inputs,
                                       const std::vector<std::string>& lists) {
    std::vector<std::string> why(inputs.size());
    std::unordered_map<std::string, std::string> listed;  // folded name, list
    for (const std::string& list : lists) listed.emplace(Folded(list), list);
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
        for (const std::string& name : NamesOf(input)) {
            const std::string folded = Folded(name);
            const std::string shared = fs::path(name).filename().string();
            const auto list = listed.find(folded);
            if (list != listed.end() && why[i].empty())
                why[i] = "this input would write or be the list file " + list->second + " (" +
                         shared + ")";
            const auto [at, first] = claimed.emplace(folded, i);
            const std::size_t other = at->second;
            if (first) continue;
            if (other == i) {
                // Its run would write over the input itself: the kept log of
                // "survey.log", the results of "a.csv".
                if (why[i].empty())
                    why[i] = "this input's run would write over the input itself (" + shared + ")";
                continue;
            }
            const auto clash = [&](std::size_t a, std::size_t b) {
                if (!why[a].empty()) return;
                why[a] = Folded(inputs[a]) == Folded(inputs[b])
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

std::string OwnFileClash(const std::vector<std::string>& own,
                         const std::vector<std::string>& inputs,
                         const std::vector<std::string>& lists) {
    std::unordered_map<std::string, std::string> ours;  // folded name, as given
    for (const std::string& file : own) ours.emplace(Folded(Normal(file)), file);
    const auto clash = [&ours](const std::string& name, const std::string& what) {
        const auto at = ours.find(Folded(name));
        return at == ours.end() ? std::string()
                                : "the batch's own file " + at->second + " would be " + what +
                                      "; name another summary with --summary";
    };
    for (const std::string& list : lists) {
        const std::string why = clash(list, "the list file " + list);
        if (!why.empty()) return why;
    }
    for (const std::string& input : inputs) {
        for (const std::string& name : NamesOf(input)) {
            const std::string why =
                clash(name, name == input ? "the input " + input
                                          : "the file " + fs::path(name).filename().string() +
                                                " that the run of " + input + " writes");
            if (!why.empty()) return why;
        }
    }
    return std::string();
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

bool WelshPostcode(const std::string& postcode) {
    std::string area, district;
    std::size_t i = 0;
    const std::string code = Trim(postcode);
    for (; i < code.size() && std::isalpha(static_cast<unsigned char>(code[i])); ++i)
        area += static_cast<char>(std::toupper(static_cast<unsigned char>(code[i])));
    for (; i < code.size() && std::isdigit(static_cast<unsigned char>(code[i])); ++i)
        district += code[i];
    // The outward code is its first part: "SY23 1AB" or, run together, "SY231AB"
    // (whose last three characters are the inward code).
    if (code.find(' ') == std::string::npos && code.size() >= 5 && district.size() > 1 &&
        i == code.size() - 2)
        district.pop_back();
    if (area == "CF" || area == "LD" || area == "LL" || area == "NP" || area == "SA") return true;
    if (district.empty() || district.size() > 2) return false;
    const int n = std::stoi(district);
    return (area == "CH" && n >= 5 && n <= 8) || (area == "SY" && n >= 15 && n <= 25);
}

std::string JurisdictionName(int typeCode, bool welshCertificate, const std::string& postcode) {
    switch (typeCode) {
        case 1:
            return welshCertificate || WelshPostcode(postcode) ? "Wales" : "England";
        case 2:
            return "Scotland";
        case 3:
            return "Northern Ireland";
        default:
            return std::string();
    }
}

void ApplyRunResult(const std::string& resultText, BatchRow& row) {
    namespace k = result_key;
    std::map<std::string, std::string> v;
    std::istringstream in(resultText);
    std::string line;
    while (std::getline(in, line)) {
        const std::size_t eq = line.find('=');
        if (eq != std::string::npos) v[line.substr(0, eq)] = line.substr(eq + 1);
    }
    const std::string validated = v[k::kValidated];
    row.validated = validated == "YES" ? "yes" : validated == "NO" ? "no" : "";
    const std::string type = v[k::kType];
    const int typeCode =
        type.size() == 1 && std::isdigit(static_cast<unsigned char>(type[0])) ? type[0] - '0' : 0;
    row.uprn = v[k::kUprn];
    row.address = v[k::kAddress];
    row.postcode = v[k::kPostcode];
    row.jurisdiction = JurisdictionName(typeCode, v[k::kWelshCertificate] == "yes", row.postcode);
    const std::string rating = v[k::kRating];
    char* end = nullptr;
    const double value = std::strtod(rating.c_str(), &end);
    if (!rating.empty() && end == rating.c_str() + rating.size() && std::isfinite(value))
        row.assetRating = value;
    row.band = v[k::kBand];
    row.rrnCertificate = v[k::kRrnCertificate];
    row.rrnRecommendations = v[k::kRrnRecommendations];
    if (!v[k::kMessage].empty()) row.message = fs::path(v[k::kMessage]).filename().string();
    row.firstWarning = v[k::kFirstWarning];
    const std::string warnings = v[k::kWarnings];
    char* countEnd = nullptr;
    const long count = std::strtol(warnings.c_str(), &countEnd, 10);
    if (!warnings.empty() && *countEnd == '\0' && count >= 0)
        row.runWarnings = static_cast<int>(std::min<long>(count, INT_MAX));
}

int WarningCount(const std::string& errorReport, const std::string& logText,
                 std::optional<int> runWarnings) {
    long count = 0;
    std::istringstream err(errorReport);
    std::string line;
    while (std::getline(err, line)) {
        for (const char* label : {"Number of warnings:", "Number of cwarnings:"}) {
            const std::size_t at = line.find(label);
            if (at == std::string::npos) continue;
            const long n = std::strtol(line.c_str() + at + std::strlen(label), nullptr, 10);
            count = std::min<long>(count + std::clamp<long>(n, 0, INT_MAX), INT_MAX);
        }
    }
    // A run that counted its own warnings (those on the error stream too)
    // is taken at its word; an older one's log is searched.
    if (runWarnings) return static_cast<int>(std::min<long>(count + *runWarnings, INT_MAX));
    std::istringstream log(logText);
    while (std::getline(log, line))
        if (line.find("WARNING") != std::string::npos && count < INT_MAX) ++count;
    return static_cast<int>(count);
}
