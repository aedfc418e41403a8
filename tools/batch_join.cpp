#include "tools/batch_join.h"

#include <algorithm>
#include <cstdio>
#include <iostream>
#include <map>
#include <set>
#include <system_error>

#include "app/atomicfile.h"
#include "app/exit_status.h"
#include "app/inputfile.h"
#include "tools/batch_attention.h"
#include "tools/batch_report.h"

namespace fs = std::filesystem;

namespace {

constexpr const char kJoinUsage[] =
    "usage: tarvex-batch join [--summary BASE] [--attention CSV] [--report HTML]\n"
    "                         [--allow-shared-rrn] [--] JOURNAL...\n"
    "  JOURNAL   a batch's journal (BASE.jsonl), or a folder: every .jsonl file under it\n"
    "  --summary BASE  the joined journal BASE.jsonl, summary BASE.csv, totals\n"
    "                  BASE-totals.csv (default tarvex-batch)\n"
    "  --attention CSV  also the rows that need a look, as CSV\n"
    "  --report HTML    also a report of the portfolio as one HTML page\n"
    "  --allow-shared-rrn  report reference numbers shared by inputs without failing\n";

std::string CsvOf(const std::vector<BatchRow>& rows) {
    std::string csv = CsvHeader();
    for (const BatchRow& r : rows) csv += CsvLine(r);
    return csv;
}

// A journal holds a line of a few hundred bytes per input: far below this
// for any portfolio.
constexpr std::uintmax_t kJournalLimit = std::uintmax_t{1} << 32;

}  // namespace

Joined JoinJournals(const std::vector<JournalSource>& journals) {
    // Journals in the order their rows count: written earlier first.
    std::vector<std::size_t> order(journals.size());
    for (std::size_t i = 0; i < order.size(); ++i) order[i] = i;
    std::stable_sort(order.begin(), order.end(), [&journals](std::size_t a, std::size_t b) {
        return journals[a].written < journals[b].written;
    });
    Joined joined;
    std::map<std::string, BatchRow> rows;
    std::map<std::string, std::size_t> foundIn;
    for (const std::size_t i : order) {
        const Journal journal = ReadJournalText(journals[i].text);
        joined.unreadLines += journal.unreadLines;
        for (const auto& [input, row] : journal.rows) {
            rows[input] = row;
            if (++foundIn[input] == 2) joined.many.push_back(input);
        }
    }
    std::sort(joined.many.begin(), joined.many.end());
    for (auto& [input, row] : rows) joined.rows.push_back(std::move(row));
    return joined;
}

std::vector<std::string> JournalFiles(const std::vector<std::string>& args,
                                      const std::string& leaveOut,
                                      std::vector<std::string>& problems) {
    std::vector<std::string> files;
    std::error_code ec;
    const fs::path own = fs::weakly_canonical(leaveOut, ec);
    for (const std::string& arg : args) {
        if (fs::is_directory(arg, ec)) {
            std::vector<std::string> found;
            fs::recursive_directory_iterator it(arg, fs::directory_options::skip_permission_denied,
                                                ec);
            for (; !ec && it != fs::recursive_directory_iterator(); it.increment(ec)) {
                std::error_code same;
                if (it->is_regular_file(same) && it->path().extension() == ".jsonl" &&
                    fs::weakly_canonical(it->path(), same) != own)
                    found.push_back(it->path().string());
            }
            if (ec) problems.push_back(arg + ": " + ec.message());
            std::sort(found.begin(), found.end());
            files.insert(files.end(), found.begin(), found.end());
        } else if (fs::exists(arg, ec)) {
            // A glob over the journals can name the join's own as well.
            std::error_code same;
            if (fs::weakly_canonical(arg, same) != own) files.push_back(arg);
        } else {
            problems.push_back(arg + ": no such journal or folder");
        }
    }
    return files;
}

std::vector<std::pair<std::string, std::string>> SummaryFiles(std::vector<BatchRow>& rows,
                                                              const SummaryNames& names) {
    MarkAttention(rows);
    std::string journal;
    for (const BatchRow& r : rows) journal += JsonLine(r);
    std::vector<std::pair<std::string, std::string>> files{
        {names.base + ".jsonl", journal},
        {names.base + ".csv", CsvOf(rows)},
        {names.base + "-totals.csv", TotalsCsv(rows)}};
    if (!names.attention.empty())
        files.emplace_back(names.attention, CsvOf(RowsNeedingAttention(rows)));
    if (!names.report.empty()) files.emplace_back(names.report, ReportHtml(rows, names.report));
    return files;
}

std::vector<std::string> WriteSummaryFiles(std::vector<BatchRow>& rows, const SummaryNames& names) {
    std::vector<std::string> failed;
    for (const auto& [path, text] : SummaryFiles(rows, names)) {
        const FileWriteResult written = WriteFileWhole(path, text);
        if (!written.ok) failed.push_back(path + " (" + written.reason + ")");
    }
    return failed;
}

std::string SummaryText(const std::vector<BatchRow>& rows, bool sharedAllowed) {
    std::string out;
    if (!rows.empty()) out += "by jurisdiction and band:\n" + TotalsText(rows);
    const std::vector<SharedPair> shared = SharedPairs(rows);
    if (!shared.empty()) {
        out += std::string("inputs that share report reference numbers") +
               (sharedAllowed ? " (allowed)" : "") + ":\n";
        for (const SharedPair& p : shared)
            out += "  " + p.first + " and " + p.second + ": " + SharedNumbersText(p) + "\n";
    }
    bool apart = false;
    for (const BatchRow& r : rows) {
        if (!MessageKeptApart(r)) continue;
        if (!apart)
            out +=
                "lodgement messages written under the input's name, the file of their "
                "reference number holding another input's message:\n";
        apart = true;
        out += "  " + r.input + ": " + r.message + "\n";
    }
    std::size_t needing = 0;
    for (const BatchRow& r : rows) needing += r.attention.empty() ? 0 : 1;
    if (needing > 0)
        out += std::to_string(needing) + " inputs need a look (the attention column)\n";
    return out;
}

int JoinMain(const std::vector<std::string>& args) {
    SummaryNames names{"tarvex-batch", "", ""};
    bool allowShared = false;
    std::vector<std::string> sources;
    bool sourcesOnly = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (sourcesOnly) {
            sources.push_back(a);
            continue;
        }
        std::string* value = nullptr;
        if (a == "--") {
            sourcesOnly = true;
        } else if (a == "--summary") {
            value = &names.base;
        } else if (a == "--attention") {
            value = &names.attention;
        } else if (a == "--report") {
            value = &names.report;
        } else if (a == "--allow-shared-rrn") {
            allowShared = true;
        } else if (a == "--help" || a == "-h") {
            std::cout << kJoinUsage;
            return kExitOk;
        } else if (a.rfind("--", 0) == 0) {
            std::cerr << "tarvex-batch join: unknown option " << a << "\n" << kJoinUsage;
            return kExitUsage;
        } else {
            sources.push_back(a);
        }
        if (value != nullptr) {
            if (i + 1 >= args.size() || args[i + 1].empty()) {
                std::cerr << "tarvex-batch join: " << a << " takes a file name\n" << kJoinUsage;
                return kExitUsage;
            }
            *value = args[++i];
        }
    }
    if (sources.empty()) {
        std::cerr << "tarvex-batch join: no journal named\n" << kJoinUsage;
        return kExitUsage;
    }

    // Every journal is read before anything is written: a journal that
    // cannot be read would leave inputs out of the portfolio unseen.
    std::vector<std::string> problems;
    const std::vector<std::string> files = JournalFiles(sources, names.base + ".jsonl", problems);
    std::vector<JournalSource> journals;
    for (const std::string& file : files) {
        JournalSource j;
        j.name = file;
        if (ReadRegularFile(file, kJournalLimit, j.text) != FileRead::kDone) {
            problems.push_back(file + ": cannot be read as a journal");
            continue;
        }
        std::error_code ec;
        j.written = fs::last_write_time(file, ec);
        journals.push_back(std::move(j));
    }
    if (problems.empty() && journals.empty())
        problems.push_back("no journal found in what was named");
    for (const std::string& p : problems) std::cerr << "tarvex-batch join: " << p << "\n";
    if (!problems.empty()) {
        std::cerr << "tarvex-batch join: nothing was written\n";
        return kExitUsage;
    }

    Joined joined = JoinJournals(journals);
    if (joined.unreadLines > 0)
        std::cerr << "tarvex-batch join: " << joined.unreadLines
                  << " lines of the journals are not rows and were passed over\n";
    if (!joined.many.empty()) {
        std::cerr << "tarvex-batch join: " << joined.many.size()
                  << " inputs are in more than one journal; each takes its row from the journal "
                     "written last:";
        for (std::size_t i = 0; i < joined.many.size() && i < 10; ++i)
            std::cerr << (i ? ", " : " ") << joined.many[i];
        if (joined.many.size() > 10) std::cerr << " and " << joined.many.size() - 10 << " more";
        std::cerr << "\n";
    }
    std::vector<BatchRow>& rows = joined.rows;
    const std::vector<std::string> unwritten = WriteSummaryFiles(rows, names);

    std::map<std::string, std::size_t> count;
    for (const BatchRow& r : rows) ++count[r.status];
    std::printf("%zu journals joined: %zu inputs: %zu ok, %zu failed, %zu not run, %zu missing\n",
                journals.size(), rows.size(), count[status::kOk], count[status::kFailed],
                count[status::kNotRun], count[status::kMissing]);
    std::printf("%s", SummaryText(rows, allowShared).c_str());
    for (const std::string& f : unwritten)
        std::cerr << "tarvex-batch join: could not write " << f << "\n";
    if (unwritten.empty()) {
        std::printf("summary: %s.csv, %s.jsonl, %s-totals.csv", names.base.c_str(),
                    names.base.c_str(), names.base.c_str());
        for (const std::string* extra : {&names.attention, &names.report})
            if (!extra->empty()) std::printf(", %s", extra->c_str());
        std::printf("\n");
    }
    const bool clean = count[status::kOk] == rows.size() && unwritten.empty() &&
                       joined.unreadLines == 0 && (allowShared || SharedPairs(rows).empty());
    return clean ? kExitOk : kExitFailed;
}
