#include "tools/batch_options.h"

#include <algorithm>
#include <thread>

#include "app/exit_status.h"
#include "tools/batch.h"

namespace {

constexpr const char kUsage[] =
    "usage: tarvex-batch [--jobs N] [--resume] [--shard K/N] [--summary BASE]\n"
    "                    [--timeout SECONDS] [--attention CSV] [--report HTML]\n"
    "                    [--allow-shared-rrn] [--program PATH] [--data FOLDER]\n"
    "                    [--] SOURCE...\n"
    "       tarvex-batch join [--summary BASE] [--attention CSV] [--report HTML]\n"
    "                    [--allow-shared-rrn] [--] JOURNAL...\n"
    "  SOURCE    a folder (every .inp file under it), an .inp file, or a list file\n"
    "            (one input a line, relative to the list's folder)\n"
    "  --jobs N  runs at a time (default: the number of cores)\n"
    "  --resume  skip inputs whose journal row says they succeeded and that are unchanged\n"
    "  --shard K/N  run only the K-th of N disjoint parts of the inputs\n"
    "  --summary BASE  journal BASE.jsonl, summary BASE.csv, totals BASE-totals.csv\n"
    "                  (default tarvex-batch[-K-of-N])\n"
    "  --timeout SECONDS  a run that takes longer is ended and fails (default 600;\n"
    "                     0 for no limit)\n"
    "  --attention CSV  also the rows that need a look (failed, not validated, warned...)\n"
    "  --report HTML    also a report of the portfolio as one HTML page\n"
    "  --allow-shared-rrn  report reference numbers shared by inputs without failing\n"
    "  --program PATH  the tarvex program (default: beside this one)\n"
    "  --data FOLDER   the folder holding csv/ and KORULib/ (default: the program's)\n"
    "  --        every argument after it is a source, even one starting with a dash\n"
    "  join      joins the journals of shards (files, or folders of .jsonl files) into\n"
    "            one summary, as one batch would have written it (join --help)\n";

CommandLine Wrong(CommandLine line, const std::string& why) {
    line.exitStatus = kExitUsage;
    line.message = why + kUsage;
    return line;
}

// At most four digits, so that it always fits an int.
bool ParseJobs(const std::string& v, unsigned& jobs) {
    if (v.empty() || v.find_first_not_of("0123456789") != std::string::npos || v.size() > 4 ||
        std::stoi(v) < 1)
        return false;
    jobs = static_cast<unsigned>(std::stoi(v));
    return true;
}

// At most six digits: its milliseconds always fit an int.
bool ParseTimeout(const std::string& v, unsigned& seconds) {
    if (v.empty() || v.find_first_not_of("0123456789") != std::string::npos || v.size() > 6)
        return false;
    seconds = static_cast<unsigned>(std::stoul(v));
    return true;
}

}  // namespace

CommandLine ParseOptions(const std::vector<std::string>& args) {
    CommandLine line;
    BatchOptions& o = line.options;
    o.jobs = std::max(1u, std::thread::hardware_concurrency());
    bool sourcesOnly = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (sourcesOnly || a == "--") {
            if (sourcesOnly) o.sources.push_back(a);
            sourcesOnly = true;
            continue;
        }
        auto value = [&](std::string& out) {
            if (i + 1 >= args.size()) return false;
            out = args[++i];
            return true;
        };
        std::string v;
        if (a == "--jobs") {
            if (!value(v) || !ParseJobs(v, o.jobs))
                return Wrong(line, "tarvex-batch: --jobs takes a whole number of 1 or more\n");
        } else if (a == "--timeout") {
            if (!value(v) || !ParseTimeout(v, o.timeout))
                return Wrong(line,
                             "tarvex-batch: --timeout takes a whole number of seconds, at most "
                             "999999 (0: no limit)\n");
        } else if (a == "--resume") {
            o.resume = true;
        } else if (a == "--allow-shared-rrn") {
            o.allowSharedReferences = true;
        } else if (a == "--shard") {
            if (!value(v) || !ParseShard(v, o.shardK, o.shardN))
                return Wrong(line, "tarvex-batch: --shard takes K/N with 1 <= K <= N\n");
        } else if (a == "--summary") {
            if (!value(o.summary)) return Wrong(line, "");
        } else if (a == "--program") {
            if (!value(o.program)) return Wrong(line, "");
        } else if (a == "--data") {
            if (!value(o.data)) return Wrong(line, "");
        } else if (a == "--attention") {
            if (!value(o.attention)) return Wrong(line, "");
        } else if (a == "--report") {
            if (!value(o.report)) return Wrong(line, "");
        } else if (a == "--help" || a == "-h") {
            line.exitStatus = kExitOk;
            line.message = kUsage;
            line.toStandardOutput = true;
            return line;
        } else if (a.rfind("--", 0) == 0) {
            return Wrong(line, "tarvex-batch: unknown option " + a + "\n");
        } else {
            o.sources.push_back(a);
        }
    }
    if (o.sources.empty()) return Wrong(line, "");
    return line;
}

std::string SummaryBase(const BatchOptions& options) {
    if (!options.summary.empty()) return options.summary;
    if (options.shardN == 1) return "tarvex-batch";
    return "tarvex-batch-" + std::to_string(options.shardK) + "-of-" +
           std::to_string(options.shardN);
}
