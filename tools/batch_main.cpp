// tarvex-batch: runs the program on many inputs, on every core.
//
//   tarvex-batch [--jobs N] [--resume] [--shard K/N] [--summary BASE]
//                [--program PATH] [--data FOLDER] SOURCE...
//
// Each input is an ordinary run of the program (mode /I) as a child process
// in the input's folder: its outputs land beside the input, and its run log
// is kept beside it as "<name>.log". Each run logs into a folder of its own
// (a fresh temporary folder named in its own run configuration file), so two
// inputs in one folder never share a log. The summary of every input is
// written as BASE.csv and BASE.jsonl. Inputs that cannot be run safely are
// not run, and their rows say why (status "refused"): a name the run
// configuration file cannot carry, outputs that would clash with another
// input's, or an input larger than the program reads. Exit status 0 when
// every input succeeded, 1 when any failed or was refused, 2 for a wrong
// command line.
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <mutex>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "app/atomicfile.h"
#include "app/inputfile.h"
#include "app/outputs.h"
#include "app/textutil.h"
#include "library/ncmd5.h"
#include "tools/batch.h"
#include "tools/pdf_text.h"

#ifndef TARVEX_INSTALLED_DATA_DIR
#define TARVEX_INSTALLED_DATA_DIR ""
#endif

namespace fs = std::filesystem;

namespace {

constexpr const char kUsage[] =
    "usage: tarvex-batch [--jobs N] [--resume] [--shard K/N] [--summary BASE]\n"
    "                    [--program PATH] [--data FOLDER] SOURCE...\n"
    "  SOURCE    a folder (every .inp file under it), an .inp file, or a list file\n"
    "            (one input a line, relative to the list's folder)\n"
    "  --jobs N  runs at a time (default: the number of cores)\n"
    "  --resume  skip inputs whose summary row says they succeeded and that are unchanged\n"
    "  --shard K/N  run only the K-th of N disjoint parts of the inputs\n"
    "  --summary BASE  write BASE.csv and BASE.jsonl (default tarvex-batch[-K-of-N])\n"
    "  --program PATH  the tarvex program (default: beside this one)\n"
    "  --data FOLDER   the folder holding csv/ and KORULib/ (default: the program's)\n";

// A file the run wrote (log, report, document), read when it is a regular
// file of at most the program's input limit; else "".
std::string ReadAll(const fs::path& path) {
    std::string bytes;
    ReadRegularFile(path.string(), kInputFileLimit, bytes);
    return bytes;
}

// Reads an input for its row; when it cannot be, false and the row says
// why. It is looked at before it is read, so a huge or endless one is never
// taken in.
bool ReadInput(const std::string& path, std::string& text, BatchRow& row) {
    int error = 0;
    const FileRead read = ReadRegularFile(path, kInputFileLimit, text, &error);
    if (read == FileRead::kDone) return true;
    row.status = "refused";
    if (read == FileRead::kTooLarge) {
        std::error_code ec;
        const std::uintmax_t size = fs::file_size(path, ec);
        row.firstError = "the input holds " +
                         (ec ? std::string("more than 64 MB") : std::to_string(size) + " bytes") +
                         "; Tarvex reads inputs of at most 64 MB";
    } else if (read == FileRead::kNotRegular) {
        row.firstError = "the input is not a regular file (a folder, device or pipe)";
    } else {
        row.status = "not run";
        row.firstError = std::string("the input cannot be read: ") + std::strerror(error);
    }
    return false;
}

// Whole or absent (WriteFileWhole).
bool WriteReplacing(const fs::path& path, const std::string& bytes) {
    return WriteFileWhole(path.string(), bytes).ok;
}

// A work file in the batch's own temporary folder, read by the run and then
// removed with the folder: nobody else sees it, so it is not synced.
bool WriteWorkFile(const fs::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
    out.close();
    return static_cast<bool>(out);
}

bool HoldsData(const fs::path& folder) {
    std::error_code ec;
    return fs::is_regular_file(folder / "csv" / "Tarvex.csv", ec);
}

fs::path SelfFolder() {
    std::error_code ec;
    const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    return ec ? fs::current_path() : exe.parent_path();
}

// The program beside this one: installed side by side, or in a build tree
// (build/tools/ and build/app/).
std::string FindProgram() {
    const fs::path self = SelfFolder();
    for (const fs::path& p : {self / "tarvex", self.parent_path() / "app" / "tarvex"}) {
        std::error_code ec;
        if (fs::is_regular_file(p, ec) && access(p.c_str(), X_OK) == 0) return p.string();
    }
    return std::string();
}

// The data the program would find beside itself or installed.
std::string FindData(const fs::path& program) {
    const fs::path dir = program.parent_path();
    for (const fs::path& p :
         {dir, dir.parent_path() / "share" / "tarvex", fs::path(TARVEX_INSTALLED_DATA_DIR)}) {
        if (!p.empty() && HoldsData(p)) return p.string();
    }
    return std::string();
}

std::string WithSlash(std::string folder) {
    if (folder.empty() || folder.back() != '/') folder += '/';
    return folder;
}

// Runs a program with its output to `capture` (or /dev/null) in `folder`;
// the exit status, or -1 when it did not exit normally. Everything the child
// needs is prepared before the fork: it runs only async-signal-safe calls.
int RunChild(const std::vector<std::string>& args, const std::string& folder,
             const std::string& capture) {
    std::vector<char*> argv;
    for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    const char* out = capture.empty() ? "/dev/null" : capture.c_str();
    const pid_t pid = fork();
    if (pid < 0) return -1;
    if (pid == 0) {
        const int in = open("/dev/null", O_RDONLY);
        const int fd = open(out, O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (in < 0 || fd < 0 || dup2(in, 0) < 0 || dup2(fd, 1) < 0 || dup2(fd, 2) < 0) _exit(127);
        if (!folder.empty() && chdir(folder.c_str()) != 0) _exit(127);
        execv(argv[0], argv.data());
        _exit(127);
    }
    int status = 0;
    while (waitpid(pid, &status, 0) < 0) {
        if (errno != EINTR) return -1;
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

struct Settings {
    std::string program;
    std::string data;
    fs::path work;  // this batch's temporary folder
};

BatchRow RunOne(const Settings& s, const std::string& inputPath, std::size_t index) {
    BatchRow row;
    row.input = inputPath;
    const fs::path input(inputPath);
    std::string inputText;
    if (!ReadInput(inputPath, inputText, row)) return row;
    row.inputDigest = NCMD5().hash(inputText);
    row.jurisdiction = InputJurisdiction(inputText);

    const fs::path runFolder = s.work / ("run-" + std::to_string(index));
    std::error_code ec;
    fs::create_directories(runFolder, ec);
    const fs::path ini = runFolder / "tarvex.ini";
    const fs::path console = runFolder / "console.txt";
    if (ec || !WriteWorkFile(ini, WithSlash(s.data) + "\n" + inputPath + "\n" +
                                      WithSlash(runFolder.string()) + "\n")) {
        row.status = "not run";
        row.firstError = "cannot prepare the run configuration in " + runFolder.string();
        return row;
    }

    const OutputTimes before = RunOutputTimes(inputPath);
    const auto start = std::chrono::steady_clock::now();
    row.exitCode =
        RunChild({s.program, "/I", ini.string()}, input.parent_path().string(), console.string());
    row.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();

    // The run's own log, kept beside the input under the input's name.
    const fs::path runLog = runFolder / kRunLogName;
    const fs::path keptLog = KeptLogName(inputPath);
    const bool haveLog = fs::exists(runLog, ec);
    std::string logText = ReadAll(runLog);
    if (logText.empty()) logText = ReadAll(console);
    // The run wrote its log whole and flushed it to disk: on the same file
    // system it is renamed into place, else written there again.
    bool kept = false;
    if (haveLog) {
        std::error_code moved;
        fs::rename(runLog, keptLog, moved);
        kept = !moved || WriteReplacing(keptLog, ReadAll(runLog));
    }
    if (!kept) {
        if (row.exitCode == 0) row.exitCode = 1;
        row.firstError = "the run log could not be kept as " + keptLog.string();
    }

    row.status = row.exitCode == 0 ? "ok" : (row.exitCode == 127 ? "not run" : "failed");
    // The error report names the faults of the input, line by line; the log
    // names the others.
    row.outputs = OutputsWritten(inputPath, before);
    auto written = [&row](const std::string& ending) {
        const std::string name = fs::path(OutputName(row.input, ending)).filename().string();
        return std::find(row.outputs.begin(), row.outputs.end(), name) != row.outputs.end();
    };
    if (row.firstError.empty() && row.exitCode != 0 && written(ending::kErrorReport))
        row.firstError = FirstErrorLine(ReadAll(OutputName(inputPath, ending::kErrorReport)));
    if (row.firstError.empty()) row.firstError = FirstErrorLine(logText);
    if (row.firstError.empty() && row.exitCode != 0) {
        std::string last = ReadAll(console);
        while (!last.empty() && (last.back() == '\n' || last.back() == '\r')) last.pop_back();
        row.firstError =
            last.substr(last.rfind('\n') == std::string::npos ? 0 : last.rfind('\n') + 1);
    }
    if (written(ending::kResults))
        ResultsRating(ReadAll(OutputName(inputPath, ending::kResults)), row.assetRating, row.band);
    std::set<std::string> seen;
    for (const std::string& name : row.outputs) {
        if (name.size() < 4 || name.compare(name.size() - 4, 4, ".pdf") != 0) continue;
        for (const std::string& r :
             ReferenceNumbers(PdfShownText(ReadAll(input.parent_path() / name)))) {
            if (seen.insert(r).second) row.references.push_back(r);
        }
    }
    fs::remove_all(runFolder, ec);
    return row;
}

std::map<std::string, BatchRow> ReadSummary(const fs::path& jsonl) {
    std::map<std::string, BatchRow> rows;
    std::ifstream in(jsonl);
    std::string line;
    BatchRow row;
    while (std::getline(in, line)) {
        if (ParseJsonLine(line, row)) rows[row.input] = row;
    }
    return rows;
}

}  // namespace

int main(int argc, char** argv) {
    unsigned jobs = std::max(1u, std::thread::hardware_concurrency());
    bool resume = false;
    int shardK = 1, shardN = 1;
    std::string summary, program, data;
    std::vector<std::string> sources;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        auto value = [&](std::string& out) {
            if (i + 1 >= argc) return false;
            out = argv[++i];
            return true;
        };
        std::string v;
        if (a == "--jobs") {
            if (!value(v) || v.empty() || v.find_first_not_of("0123456789") != std::string::npos ||
                v.size() > 4 || std::stoi(v) < 1) {
                std::cerr << "tarvex-batch: --jobs takes a whole number of 1 or more\n" << kUsage;
                return 2;
            }
            jobs = static_cast<unsigned>(std::stoi(v));
        } else if (a == "--resume") {
            resume = true;
        } else if (a == "--shard") {
            if (!value(v) || !ParseShard(v, shardK, shardN)) {
                std::cerr << "tarvex-batch: --shard takes K/N with 1 <= K <= N\n" << kUsage;
                return 2;
            }
        } else if (a == "--summary") {
            if (!value(summary)) return std::cerr << kUsage, 2;
        } else if (a == "--program") {
            if (!value(program)) return std::cerr << kUsage, 2;
        } else if (a == "--data") {
            if (!value(data)) return std::cerr << kUsage, 2;
        } else if (a == "--help" || a == "-h") {
            std::cout << kUsage;
            return 0;
        } else if (a.rfind("--", 0) == 0) {
            std::cerr << "tarvex-batch: unknown option " << a << "\n" << kUsage;
            return 2;
        } else {
            sources.push_back(a);
        }
    }
    if (sources.empty()) {
        std::cerr << kUsage;
        return 2;
    }

    Settings s;
    s.program = program.empty() ? FindProgram() : fs::absolute(program).string();
    if (s.program.empty() || access(s.program.c_str(), X_OK) != 0) {
        std::cerr << "tarvex-batch: the tarvex program was not found; name it with --program\n";
        return 2;
    }
    s.data = data.empty() ? FindData(s.program) : fs::absolute(data).string();
    if (s.data.empty() || !HoldsData(s.data)) {
        std::cerr << "tarvex-batch: no data folder (csv/Tarvex.csv) found; name it with --data\n";
        return 2;
    }
    if (!FitsRunConfiguration(s.data)) {
        std::cerr << "tarvex-batch: the data folder's name holds a control character, which the "
                     "run configuration file cannot carry\n";
        return 2;
    }
    if (summary.empty()) {
        summary = shardN == 1
                      ? "tarvex-batch"
                      : "tarvex-batch-" + std::to_string(shardK) + "-of-" + std::to_string(shardN);
    }
    const fs::path csvPath = summary + ".csv", jsonPath = summary + ".jsonl";

    std::vector<std::string> problems;
    const std::vector<std::string> all = GatherInputs(sources, problems);
    for (const std::string& p : problems) std::cerr << "tarvex-batch: " << p << "\n";
    // Clashes are looked for among all the inputs, not just this shard's:
    // the other shards run at the same time.
    std::map<std::string, std::string> refused;
    const std::vector<std::string> why = InputRefusals(all);
    for (std::size_t i = 0; i < all.size(); ++i)
        if (!why[i].empty()) refused[all[i]] = why[i];
    const std::vector<std::string> inputs = ShardOf(all, shardK, shardN);

    std::vector<BatchRow> rows(inputs.size());
    std::vector<std::size_t> todo;
    std::size_t kept = 0;
    const std::map<std::string, BatchRow> previous =
        resume ? ReadSummary(jsonPath) : std::map<std::string, BatchRow>();
    for (std::size_t i = 0; i < inputs.size(); ++i) {
        const auto no = refused.find(inputs[i]);
        if (no != refused.end()) {
            rows[i].input = inputs[i];
            rows[i].status = "refused";
            rows[i].firstError = no->second;
            continue;
        }
        const auto it = previous.find(inputs[i]);
        std::string text;
        BatchRow unread;
        if (it != previous.end() && it->second.status == "ok" &&
            ReadInput(inputs[i], text, unread) && it->second.inputDigest == NCMD5().hash(text)) {
            rows[i] = it->second;
            ++kept;
        } else {
            todo.push_back(i);
        }
    }

    char pattern[] = "/tmp/tarvex-batch-XXXXXX";
    const char* tmp = std::getenv("TMPDIR");
    std::string templ =
        (tmp && *tmp ? std::string(tmp) : std::string("/tmp")) + "/tarvex-batch-XXXXXX";
    std::vector<char> buf(templ.begin(), templ.end());
    buf.push_back('\0');
    const char* made = !FitsRunConfiguration(templ) ? nullptr : mkdtemp(buf.data());
    if (made == nullptr) made = mkdtemp(pattern);
    if (made == nullptr) {
        std::cerr << "tarvex-batch: cannot make a temporary folder\n";
        return 1;
    }
    s.work = made;

    const bool terminal = isatty(STDERR_FILENO) != 0;
    std::atomic<std::size_t> next{0};
    std::mutex progress;
    std::size_t done = 0, failed = 0;
    const auto started = std::chrono::steady_clock::now();
    auto worker = [&]() {
        for (std::size_t t = next++; t < todo.size(); t = next++) {
            const std::size_t i = todo[t];
            rows[i] = RunOne(s, inputs[i], i);
            std::lock_guard<std::mutex> lock(progress);
            ++done;
            if (rows[i].status != "ok") ++failed;
            if (terminal) {
                const double elapsed =
                    std::chrono::duration<double>(std::chrono::steady_clock::now() - started)
                        .count();
                std::fprintf(stderr, "\r%zu/%zu runs, %zu failed, %.1f s, %.1f runs/s   ", done,
                             todo.size(), failed, elapsed,
                             elapsed > 0 ? static_cast<double>(done) / elapsed : 0.0);
                std::fflush(stderr);
            }
        }
    };
    std::vector<std::thread> threads;
    for (unsigned j = 0; j < std::min<std::size_t>(jobs, todo.size()); ++j)
        threads.emplace_back(worker);
    for (std::thread& t : threads) t.join();
    if (terminal && !todo.empty()) std::fprintf(stderr, "\n");
    std::error_code ec;
    fs::remove_all(s.work, ec);

    std::string csv = CsvHeader(), jsonl;
    std::size_t ok = 0, refusedNow = 0;
    for (const BatchRow& r : rows) {
        csv += CsvLine(r);
        jsonl += JsonLine(r);
        if (r.status == "ok") ++ok;
        if (r.status == "refused") ++refusedNow;
    }
    const bool written = WriteReplacing(csvPath, csv) && WriteReplacing(jsonPath, jsonl);
    const double elapsed =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    std::printf(
        "%zu inputs: %zu ok, %zu failed, %zu run now, %zu kept from the summary, %zu refused; "
        "%.1f s\n",
        rows.size(), ok, rows.size() - ok - refusedNow, todo.size(), kept, refusedNow, elapsed);
    if (!written) {
        std::cerr << "tarvex-batch: the summary could not be written to " << csvPath.string()
                  << " and " << jsonPath.string() << "\n";
        return 1;
    }
    std::printf("summary: %s, %s\n", csvPath.c_str(), jsonPath.c_str());
    return ok == rows.size() && problems.empty() ? 0 : 1;
}
