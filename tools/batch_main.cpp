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
#include "tools/batch_options.h"
#include "tools/batch_work.h"
#include "tools/pdf_text.h"

#ifndef TARVEX_INSTALLED_DATA_DIR
#define TARVEX_INSTALLED_DATA_DIR ""
#endif

namespace fs = std::filesystem;

namespace {

// A file the run wrote (log, report, document), read when it is a regular
// file of at most the program's input limit; else "".
std::string ReadAll(const fs::path& path) {
    std::string bytes;
    ReadRegularFile(path.string(), kInputFileLimit, bytes);
    return bytes;
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

// What every run of the batch shares.
struct Settings {
    std::string program;
    std::string data;
    fs::path work;  // this batch's temporary folder
};

// Runs the program on one input, in the input's folder, with a run folder
// of its own (work/run-<index>, removed afterwards); the input's row.
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

// Where the program and its data are: those named, else those found beside
// this program. "" when both are usable, else what is wrong.
std::string FindTools(const BatchOptions& options, Settings& s) {
    s.program = options.program.empty() ? FindProgram() : fs::absolute(options.program).string();
    if (s.program.empty() || access(s.program.c_str(), X_OK) != 0)
        return "the tarvex program was not found; name it with --program";
    s.data = options.data.empty() ? FindData(s.program) : fs::absolute(options.data).string();
    if (s.data.empty() || !HoldsData(s.data))
        return "no data folder (csv/Tarvex.csv) found; name it with --data";
    if (!FitsRunConfiguration(s.data))
        return "the data folder's name holds a control character, which the run configuration "
               "file cannot carry";
    return std::string();
}

// The batch's own temporary folder, under $TMPDIR when a run configuration
// can name it there, else under /tmp; gone, with all in it, when this goes.
// Its path is empty when no folder could be made.
class WorkFolder {
  public:
    WorkFolder() {
        char fallback[] = "/tmp/tarvex-batch-XXXXXX";
        const char* tmp = std::getenv("TMPDIR");
        const std::string templ =
            (tmp && *tmp ? std::string(tmp) : std::string("/tmp")) + "/tarvex-batch-XXXXXX";
        std::vector<char> buf(templ.begin(), templ.end());
        buf.push_back('\0');
        const char* made = !FitsRunConfiguration(templ) ? nullptr : mkdtemp(buf.data());
        if (made == nullptr) made = mkdtemp(fallback);
        if (made != nullptr) path_ = made;
    }
    ~WorkFolder() {
        std::error_code ec;
        if (!path_.empty()) fs::remove_all(path_, ec);
    }
    WorkFolder(const WorkFolder&) = delete;
    WorkFolder& operator=(const WorkFolder&) = delete;

    const fs::path& path() const { return path_; }

  private:
    fs::path path_;
};

double SecondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// Runs the inputs at work.todo into their rows, `jobs` at a time, each in a
// run folder of its own under a temporary folder that is gone on return; on
// a terminal, shows the progress. False, with nothing run, when no temporary
// folder can be made.
bool RunAll(Settings s, unsigned jobs, BatchWork& work) {
    const WorkFolder folder;
    if (folder.path().empty()) return false;
    s.work = folder.path();

    const std::vector<std::size_t>& todo = work.todo;
    const bool terminal = isatty(STDERR_FILENO) != 0;
    std::atomic<std::size_t> next{0};
    std::mutex progress;
    std::size_t done = 0, failed = 0;
    const auto started = std::chrono::steady_clock::now();
    auto worker = [&]() {
        for (std::size_t t = next++; t < todo.size(); t = next++) {
            const std::size_t i = todo[t];
            work.rows[i] = RunOne(s, work.inputs[i], i);
            std::lock_guard<std::mutex> lock(progress);
            ++done;
            if (work.rows[i].status != "ok") ++failed;
            if (terminal) {
                const double elapsed = SecondsSince(started);
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
    return true;
}

// Writes the rows as BASE.csv and BASE.jsonl, each whole or absent; false
// when either could not be written.
bool WriteSummary(const std::vector<BatchRow>& rows, const std::string& base) {
    std::string csv = CsvHeader(), jsonl;
    for (const BatchRow& r : rows) {
        csv += CsvLine(r);
        jsonl += JsonLine(r);
    }
    return WriteReplacing(base + ".csv", csv) && WriteReplacing(base + ".jsonl", jsonl);
}

// Prints what the batch did and where its summary is; the exit status: 0
// when every input succeeded and every source could be read, else 1.
int Report(const BatchWork& work, bool written, const std::string& base, double seconds) {
    const std::vector<BatchRow>& rows = work.rows;
    const auto count = [&rows](const char* status) {
        return static_cast<std::size_t>(std::count_if(
            rows.begin(), rows.end(), [status](const BatchRow& r) { return r.status == status; }));
    };
    const std::size_t ok = count("ok"), refused = count("refused");
    std::printf(
        "%zu inputs: %zu ok, %zu failed, %zu run now, %zu kept from the summary, %zu refused; "
        "%.1f s\n",
        rows.size(), ok, rows.size() - ok - refused, work.todo.size(), work.kept, refused, seconds);
    const std::string csvPath = base + ".csv", jsonPath = base + ".jsonl";
    if (!written) {
        std::cerr << "tarvex-batch: the summary could not be written to " << csvPath << " and "
                  << jsonPath << "\n";
        return 1;
    }
    std::printf("summary: %s, %s\n", csvPath.c_str(), jsonPath.c_str());
    return ok == rows.size() && work.problems.empty() ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    const CommandLine line = ParseOptions(argc > 1 ? std::vector<std::string>(argv + 1, argv + argc)
                                                   : std::vector<std::string>());
    if (line.exitStatus) {
        (line.toStandardOutput ? std::cout : std::cerr) << line.message;
        return *line.exitStatus;
    }
    const BatchOptions& options = line.options;

    Settings settings;
    const std::string missing = FindTools(options, settings);
    if (!missing.empty()) {
        std::cerr << "tarvex-batch: " << missing << "\n";
        return 2;
    }

    const std::string base = SummaryBase(options);
    BatchWork work = GatherWork(
        options.sources, options.shardK, options.shardN,
        options.resume ? ReadSummary(base + ".jsonl") : std::map<std::string, BatchRow>());
    for (const std::string& p : work.problems) std::cerr << "tarvex-batch: " << p << "\n";

    const auto started = std::chrono::steady_clock::now();
    if (!RunAll(settings, options.jobs, work)) {
        std::cerr << "tarvex-batch: cannot make a temporary folder\n";
        return 1;
    }
    const bool written = WriteSummary(work.rows, base);
    return Report(work, written, base, SecondsSince(started));
}
