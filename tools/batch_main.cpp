// tarvex-batch: runs the program on many inputs, on every core.
//
//   tarvex-batch [--jobs N] [--resume] [--shard K/N] [--summary BASE]
//                [--allow-shared-rrn] [--program PATH] [--data FOLDER] [--] SOURCE...
//
// Each input is an ordinary run of the program (mode /I) in the input's
// folder: its outputs land beside the input, and its run log is kept beside
// it as "<name>.log". The runs are made by worker processes, one for each of
// the --jobs, each the program started once and running one input after the
// other (app/worker.h, tools/batch_worker.h): a process start for every input
// cost more than the run itself. Each run logs into its worker's folder in
// the batch's temporary folder (named in its run configuration file), so two
// inputs in one folder never share a log, and leaves there a small result
// for the batch (app/runresult.h). Every finished input appends its row to the
// journal BASE.jsonl at once; at the end the journal is written again, one
// row per input, with BASE.csv and BASE-totals.csv derived from it. The
// journal is one batch's at a time (BASE.lock), and none of the batch's
// files may be an input, a list or a run's output (tools/batch.h). A run
// past --timeout, or whose worker dies, fails alone; a batch killed outright
// takes its workers with it, and the next one removes what they left.
//
// SIGINT, SIGTERM and SIGHUP stop the batch: no run is started any more, the
// running ones are ended (SIGTERM; each output of the program is whole or
// absent, and the temporary files they leave are removed), their inputs are
// "not run", the summary is written and the work folders removed; the exit
// status is 128 + the signal's number (130, 143, 129). --resume then runs
// exactly what is left.
//
// Exit status otherwise: 0 when every input succeeded, 1 when any did not,
// a source could not be read, a summary file could not be written or a
// report reference number is shared by inputs (unless --allow-shared-rrn);
// 2 for a wrong command line, or when the program, its data or the journal
// is not usable, or the batch's own files would be another's (nothing has
// run then).
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <climits>
#include <condition_variable>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
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
#include "app/exit_status.h"
#include "app/inputfile.h"
#include "app/outputs.h"
#include "app/runresult.h"
#include "library/ncmd5.h"
#include "tools/batch.h"
#include "tools/batch_attention.h"
#include "tools/batch_join.h"
#include "tools/batch_options.h"
#include "tools/batch_work.h"
#include "tools/batch_worker.h"

#ifndef TARVEX_INSTALLED_DATA_DIR
#define TARVEX_INSTALLED_DATA_DIR ""
#endif

extern char** environ;

namespace fs = std::filesystem;

namespace {

// The stop signals and the runs they end. The handler only reads and writes
// these lock-free atomics and calls kill(), which is safe in a handler.
std::atomic<int> g_stopSignal{0};
constexpr std::size_t kMaxJobs = 10000;  // --jobs takes at most four digits
std::atomic<pid_t> g_running[kMaxJobs];  // each slot's worker while it runs an input, else 0
static_assert(std::atomic<pid_t>::is_always_lock_free && std::atomic<int>::is_always_lock_free,
              "the signal handler needs lock-free atomics");

extern "C" void OnStopSignal(int signal) {
    int none = 0;
    g_stopSignal.compare_exchange_strong(none, signal);
    for (std::atomic<pid_t>& child : g_running) {
        const pid_t pid = child.load();
        if (pid > 0) kill(pid, SIGTERM);
    }
}

// A signal ignored when the batch started (nohup) stays ignored.
void CatchStopSignals() {
    for (const int signal : {SIGINT, SIGTERM, SIGHUP}) {
        struct sigaction old {};
        if (sigaction(signal, nullptr, &old) == 0 && old.sa_handler == SIG_IGN) continue;
        struct sigaction action {};
        action.sa_handler = OnStopSignal;
        sigemptyset(&action.sa_mask);
        sigaction(signal, &action, nullptr);
    }
}

// "SIGSEGV"; "signal N" for one without a name.
std::string SignalName(int signal) {
    const char* name = sigabbrev_np(signal);
    return name != nullptr ? std::string("SIG") + name : "signal " + std::to_string(signal);
}

// A file the run wrote (log, report, result), read when it is a regular
// file of at most the program's input limit; else "".
std::string ReadAll(const fs::path& path) {
    std::string bytes;
    ReadRegularFile(path.string(), kInputFileLimit, bytes);
    return bytes;
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

// What every run of the batch shares.
struct Settings {
    std::string program;
    std::string data;
    fs::path work;                         // this batch's temporary folder
    std::vector<std::string> environment;  // ours, without a result variable
    unsigned timeout = 0;                  // seconds a run may take, 0 for no limit
};

// The run log, result and console of a run: the log is kept beside the
// input; the row gets what the run says of itself and its first error.
void ReadWhatTheRunLeft(const fs::path& runFolder, BatchRow& row) {
    const std::string& inputPath = row.input;
    const fs::path runLog = runFolder / kRunLogName;
    const fs::path console = runFolder / "console.txt";
    const fs::path keptLog = KeptLogName(inputPath);
    std::error_code ec;
    const bool haveLog = fs::exists(runLog, ec);
    std::string logText = ReadAll(runLog);
    if (logText.empty()) logText = ReadAll(console);
    // The run wrote its log whole and flushed it to disk: on the same file
    // system it is renamed into place, else written there again.
    bool kept = false;
    if (haveLog) {
        std::error_code moved;
        fs::rename(runLog, keptLog, moved);
        kept = !moved || WriteFileWhole(keptLog.string(), ReadAll(runLog)).ok;
    }
    if (!kept) {
        if (row.exitCode == kExitOk) row.exitCode = kExitFailed;
        row.firstError = "the run log could not be kept as " + keptLog.string();
    }
    row.status = row.exitCode == kExitOk           ? status::kOk
                 : row.exitCode == kExitNotStarted ? status::kNotRun
                                                   : status::kFailed;

    ApplyRunResult(ReadAll(runFolder / "result.txt"), row);
    if (!row.message.empty()) row.outputs.push_back(row.message);
    if (kept) row.outputs.push_back(keptLog.filename().string());

    // The error report names the faults of the input, line by line; the log
    // names the others.
    const auto written = [&row](const std::string& ending) {
        const std::string name = fs::path(OutputName(row.input, ending)).filename().string();
        return std::find(row.outputs.begin(), row.outputs.end(), name) != row.outputs.end();
    };
    const std::string errorReport =
        written(ending::kErrorReport) ? ReadAll(OutputName(inputPath, ending::kErrorReport)) : "";
    row.warnings = WarningCount(errorReport, logText, row.runWarnings);
    row.fieldsCut = FieldsCut(logText);
    // The diagnosis the run printed names the file and line; the report's
    // records do not.
    if (row.firstError.empty() && row.exitCode != kExitOk)
        row.firstError = DiagnosisLine(ReadAll(console));
    if (row.firstError.empty() && row.exitCode != kExitOk)
        row.firstError = FirstErrorLine(errorReport);
    if (row.firstError.empty()) row.firstError = FirstErrorLine(logText);
    if (row.firstError.empty() && row.exitCode != kExitOk) {
        std::string last = ReadAll(console);
        while (!last.empty() && (last.back() == '\n' || last.back() == '\r')) last.pop_back();
        row.firstError =
            last.substr(last.rfind('\n') == std::string::npos ? 0 : last.rfind('\n') + 1);
    }
}

// Runs the program on one input, in the input's folder, on the worker of
// `slot`, with that slot's run folder (work/slot-<slot>); the input's row.
BatchRow RunOne(const Settings& s, BatchWorker& worker, const std::string& inputPath,
                std::size_t slot) {
    BatchRow row;
    row.input = inputPath;
    const fs::path input(inputPath);
    std::string inputText;
    if (!ReadInput(inputPath, inputText, row)) return row;
    row.inputDigest = NCMD5().hash(inputText);

    // The slot's runs share its folder one after the other: what the last
    // one left there is taken away, not the folder. A folder and its files
    // made and removed for every input slowed every file made after them
    // (a file system without a journal looks past the inodes freed in the
    // last minute each time it makes a file).
    const fs::path runFolder = s.work / ("slot-" + std::to_string(slot));
    std::error_code ec;
    fs::create_directories(runFolder, ec);
    for (const char* left : {"result.txt", kRunLogName}) {
        std::error_code gone;
        fs::remove(runFolder / left, gone);
    }
    const fs::path ini = runFolder / "tarvex.ini";
    if (ec || !WriteWorkFile(ini, WithSlash(s.data) + "\n" + inputPath + "\n" +
                                      WithSlash(runFolder.string()) + "\n")) {
        row.status = status::kNotRun;
        row.firstError = "cannot prepare the run configuration in " + runFolder.string();
        return row;
    }
    const WorkerRequest request{input.parent_path().string(), ini.string(),
                                (runFolder / "result.txt").string(),
                                (runFolder / "console.txt").string()};

    const OutputTimes before = RunOutputTimes(inputPath);
    const auto start = std::chrono::steady_clock::now();
    const int timeoutMs = static_cast<int>(std::min<unsigned>(s.timeout, INT_MAX / 1000) * 1000);
    const ChildEnd end =
        worker.Run(request, g_running[slot], g_stopSignal, s.timeout == 0 ? -1 : timeoutMs);
    row.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    row.outputs = OutputsWritten(inputPath, before);

    // A run ended by a stop signal, ours or one sent to every process of the
    // batch (Ctrl-C on a terminal, a job cancelled), did not fail: it is not
    // done. What it wrote is whole; the temporary files its worker held are
    // gone with it (BatchWorker::Run). The row names the signal the batch
    // was given, not the SIGTERM it passed on to the worker.
    const int stop = g_stopSignal.load();
    const bool stopSignal = end.signal == SIGINT || end.signal == SIGTERM || end.signal == SIGHUP;
    if (end.signal != 0 && (stop != 0 || stopSignal)) {
        row.status = status::kNotRun;
        row.firstError = "interrupted by " + SignalName(stop != 0 ? stop : end.signal);
    } else if (end.timedOut) {
        row.status = status::kFailed;
        row.firstError = "timed out: the run took more than " + std::to_string(s.timeout) +
                         " s (--timeout), and its worker was killed";
    } else {
        if (end.exitCode >= 0) row.exitCode = end.exitCode;
        ReadWhatTheRunLeft(runFolder, row);
        // A worker that died or answered nonsense: how, rather than the last
        // words of its console.
        if (end.died && end.signal != 0)
            row.firstError = "the program was ended by " + SignalName(end.signal) +
                             ", which tarvex-batch did not send";
        else if (end.died && end.exitCode >= 0)
            row.firstError = "the program's process ended with status " +
                             std::to_string(end.exitCode) + " before its run was done";
        else if (!end.fault.empty())
            row.firstError = "the program did not end normally: " + end.fault;
        if (!row.exitCode) {
            row.status = status::kFailed;
            if (row.firstError.empty()) row.firstError = "the program did not end normally";
        }
    }
    // A run that stopped said nothing of the building: the input says who it is.
    AddIdentityFromInput(inputText, row);
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
    const std::string variable = std::string(kRunResultVariable) + "=";
    for (char** e = environ; e != nullptr && *e != nullptr; ++e)
        if (std::string(*e).rfind(variable, 0) != 0) s.environment.push_back(*e);
    return BatchWorker::Check(s.program, s.environment);
}

// Where the batch's temporary folders are made: $TMPDIR when a run
// configuration can name it, and /tmp.
std::vector<std::string> WorkFolderParents() {
    const char* tmp = std::getenv("TMPDIR");
    std::vector<std::string> parents;
    if (tmp != nullptr && *tmp != '\0' && FitsRunConfiguration(tmp)) parents.push_back(tmp);
    if (parents.empty() || fs::path(parents[0]).lexically_normal() != fs::path("/tmp"))
        parents.push_back("/tmp");
    return parents;
}

// "tarvex-batch-HOST-PID-": the start of a work folder's name, which says
// which batch made it, so that a later batch can tell one whose batch is gone.
constexpr const char kWorkFolderStart[] = "tarvex-batch-";
std::string WorkFolderPrefix() {
    return kWorkFolderStart + TemporaryNameHost() + "-" + std::to_string(getpid()) + "-";
}

// Removes the work folders that batches of this machine left when they were
// killed (SIGKILL, a power cut): those of this user, named by a process that
// is gone. A folder of another machine (a shared /tmp) or of a process that
// still runs is left alone, as are names of another form.
void RemoveDeadBatchesWorkFolders() {
    const std::string ours = kWorkFolderStart + TemporaryNameHost() + "-";
    for (const std::string& parent : WorkFolderParents()) {
        std::error_code ec;
        for (fs::directory_iterator it(parent, ec); !ec && it != fs::directory_iterator();
             it.increment(ec)) {
            const std::string name = it->path().filename().string();
            if (name.compare(0, ours.size(), ours) != 0) continue;
            const std::string rest = name.substr(ours.size());
            const std::size_t dash = rest.find('-');
            if (dash == 0 || dash == std::string::npos || dash > 9 ||
                rest.find_first_not_of("0123456789") != dash)
                continue;
            const long pid = std::stol(rest.substr(0, dash));
            struct stat info {};
            if (lstat(it->path().c_str(), &info) != 0 || !S_ISDIR(info.st_mode) ||
                info.st_uid != geteuid())
                continue;
            if (!ProcessHasEnded(pid)) continue;
            std::error_code gone;
            fs::remove_all(it->path(), gone);
        }
    }
}

// The temporary files that runs and batches killed before they could clean
// up left in the inputs' folders and the summary's: those of processes that
// are gone (RemoveStaleTemporaries), however recent. Done at the start, and
// again at the end: the workers of a batch just killed die with it, but may
// take a moment more than it to be gone.
void RemoveDeadProcessesTemporaries(const BatchWork& work, const std::string& base) {
    std::set<std::string> folders{fs::path(base).parent_path().string()};
    for (const std::string& input : work.inputs)
        folders.insert(fs::path(input).parent_path().string());
    const std::time_t now = std::time(nullptr) + 1;
    for (const std::string& folder : folders) RemoveStaleTemporaries(folder, now);
}

// The batch's own temporary folder, under $TMPDIR when a run configuration
// can name it there, else under /tmp; gone, with all in it, when this goes.
// Its path is empty when no folder could be made.
class WorkFolder {
  public:
    WorkFolder() {
        const char* made = nullptr;
        std::vector<char> buf;
        for (const std::string& parent : WorkFolderParents()) {
            const std::string templ = parent + "/" + WorkFolderPrefix() + "XXXXXX";
            buf.assign(templ.begin(), templ.end());
            buf.push_back('\0');
            made = mkdtemp(buf.data());
            if (made != nullptr) break;
        }
        // Absolute: each run is made in its input's folder, and the work
        // files are named to it from there.
        std::error_code ec;
        if (made != nullptr) path_ = fs::absolute(made, ec);
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

// The journal as it is being written: whole lines appended, so that a batch
// killed at any moment leaves whole rows and at most one line cut short at
// the end. A row is appended only once what its run wrote is on disk: the
// workers' runs do not flush their outputs (app/worker.h); a thread of the
// journal's own flushes the file systems of the finished runs' folders
// (syncfs) at most every kFlushEvery, then appends their rows. A crash of
// the system thus never leaves a row saying "ok" for outputs that did not
// reach the disk; the runs it lost are run again by --resume. The flush
// holds no lock the jobs take: a job hands its row over and goes on while
// the disk works.
class JournalFile {
  public:
    explicit JournalFile(const std::string& path)
        : path_(path), fd_(open(path.c_str(), O_WRONLY | O_APPEND | O_CLOEXEC)) {
        if (fd_ < 0) openError_ = errno;
        flusher_ = std::thread([this] { FlushLoop(); });
    }
    ~JournalFile() {
        Flush();
        if (fd_ >= 0) close(fd_);
    }
    JournalFile(const JournalFile&) = delete;
    JournalFile& operator=(const JournalFile&) = delete;

    // Takes the row of a finished input; its line is written with the next
    // flush.
    void Append(const BatchRow& row) {
        std::string line = JsonLine(row);
        std::string folder = fs::path(row.input).parent_path().string();
        std::lock_guard<std::mutex> lock(mutex_);
        taken_.lines += line;
        taken_.folders.insert(std::move(folder));
        wake_.notify_one();
    }

    // Flushes and writes every row taken, and ends the journal's thread;
    // no row is taken after it.
    void Flush() {
        {
            std::lock_guard<std::mutex> lock(mutex_);
            ending_ = true;
            wake_.notify_one();
        }
        if (flusher_.joinable()) flusher_.join();
    }

    // Why the runs' outputs could not be flushed to disk; "" when they were.
    // Read after Flush.
    const std::string& flushError() const { return flushError_; }

  private:
    static constexpr std::chrono::milliseconds kFlushEvery{50};

    struct Taken {
        std::string lines;
        std::set<std::string> folders;
    };

    // Waits for rows, lets kFlushEvery pass since the last flush so that
    // one flush covers the rows of many runs, then flushes what was taken
    // meanwhile, outside the lock; once ending, flushes the rest and ends.
    void FlushLoop() {
        auto lastFlush = std::chrono::steady_clock::now();
        std::unique_lock<std::mutex> lock(mutex_);
        for (;;) {
            wake_.wait(lock, [this] { return ending_ || !taken_.lines.empty(); });
            if (!ending_)
                wake_.wait_until(lock, lastFlush + kFlushEvery, [this] { return ending_; });
            Taken batch;
            std::swap(batch, taken_);
            const bool last = ending_;
            lock.unlock();
            lastFlush = std::chrono::steady_clock::now();
            FlushFolders(batch.folders);
            WriteLines(batch.lines);
            lock.lock();
            if (last && taken_.lines.empty()) return;
        }
    }

    void FlushFolders(const std::set<std::string>& folders) {
        std::set<dev_t> flushed;
        for (const std::string& folder : folders) {
            const int dir = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
            struct stat info {};
            if (dir < 0 || fstat(dir, &info) != 0) {
                if (dir >= 0) close(dir);
                continue;  // gone: nothing of it to flush
            }
            if (flushed.insert(info.st_dev).second && syncfs(dir) != 0 && flushError_.empty()) {
                flushError_ = std::strerror(errno);
                std::cerr << "tarvex-batch: the runs' outputs in " << folder
                          << " could not be flushed to disk (" << flushError_ << ")\n";
            }
            close(dir);
        }
    }

    // The first line that cannot be written is said on the error stream;
    // the rows are written whole at the end all the same.
    void WriteLines(const std::string& lines) {
        if (!ok_ || lines.empty()) return;
        const char* at = lines.data();
        std::size_t left = lines.size();
        int error = fd_ < 0 ? openError_ : 0;
        while (error == 0 && left > 0) {
            const ssize_t n = write(fd_, at, left);
            if (n < 0 && errno == EINTR) continue;
            if (n <= 0) {
                error = n < 0 ? errno : ENOSPC;
                break;
            }
            at += n;
            left -= static_cast<std::size_t>(n);
        }
        if (error == 0) return;
        ok_ = false;
        std::cerr << "tarvex-batch: rows can no longer be added to the journal " << path_ << " ("
                  << std::strerror(error) << "); it is written whole at the end\n";
    }

    std::string path_;
    int fd_;
    int openError_ = 0;
    // Under mutex_: what the jobs hand over, and the end.
    std::mutex mutex_;
    std::condition_variable wake_;
    Taken taken_;
    bool ending_ = false;
    // The journal's thread's alone until it is joined.
    bool ok_ = true;
    std::string flushError_;
    std::thread flusher_;
};

// The lock that makes a journal one batch's at a time: BASE.lock, locked
// (fcntl, which the system drops when the process ends however it ends) for
// the batch's life. The journal itself is no place for it: it is replaced
// whole, twice, by rename. Removed at the end when it is the file this batch
// locked and holds nothing (a lock file is always empty).
class JournalLock {
  public:
    explicit JournalLock(std::string path) : path_(std::move(path)) {
        for (int attempt = 0; attempt < 100 && fd_ < 0 && problem_.empty(); ++attempt) Take();
        if (fd_ < 0 && problem_.empty()) problem_ = "its lock " + path_ + " keeps changing";
    }
    ~JournalLock() {
        if (fd_ < 0) return;
        struct stat held {};
        struct stat named {};
        if (!keep_ && fstat(fd_, &held) == 0 && lstat(path_.c_str(), &named) == 0 &&
            held.st_dev == named.st_dev && held.st_ino == named.st_ino && held.st_size == 0)
            unlink(path_.c_str());
        close(fd_);
    }
    JournalLock(const JournalLock&) = delete;
    JournalLock& operator=(const JournalLock&) = delete;

    // Why it is not held, "" when it is.
    const std::string& problem() const { return problem_; }
    // The file is left where it is at the end, unless this batch made it.
    void Keep() { keep_ = !made_; }

  private:
    void Take() {
        made_ = true;
        int fd = open(path_.c_str(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd < 0 && errno == EEXIST) {
            made_ = false;
            fd = open(path_.c_str(), O_RDWR | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
            if (fd < 0 && errno == ENOENT) return;  // removed meanwhile: again
        }
        if (fd < 0) {
            problem_ = errno == ELOOP ? path_ + " is a link" : std::string(std::strerror(errno));
            return;
        }
        struct stat held {};
        if (fstat(fd, &held) != 0 || !S_ISREG(held.st_mode)) {
            problem_ = path_ + " is not a regular file";
            close(fd);
            return;
        }
        struct flock lock {};
        lock.l_type = F_WRLCK;
        lock.l_whence = SEEK_SET;
        if (fcntl(fd, F_SETLK, &lock) != 0) {
            const int error = errno;
            if (error == EACCES || error == EAGAIN) {
                struct flock holder = lock;
                const bool named = fcntl(fd, F_GETLK, &holder) == 0 && holder.l_type != F_UNLCK &&
                                   holder.l_pid > 0;
                problem_ =
                    "it is in use by another batch" +
                    (named ? " (process " + std::to_string(holder.l_pid) + ")" : std::string()) +
                    ", which holds " + path_;
            } else {
                problem_ = path_ + " cannot be locked (" + std::strerror(error) + ")";
            }
            close(fd);
            return;
        }
        // Locked, but perhaps a file its last holder removed meanwhile: only
        // the file of that name counts.
        struct stat named {};
        if (lstat(path_.c_str(), &named) == 0 && named.st_dev == held.st_dev &&
            named.st_ino == held.st_ino) {
            fd_ = fd;
            return;
        }
        close(fd);
    }

    std::string path_;
    int fd_ = -1;
    bool made_ = false;
    bool keep_ = false;
    std::string problem_;
};

double SecondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// Runs the inputs at work.todo into their rows, `jobs` at a time, each with
// its worker's run folder under a temporary folder that is gone on return,
// appending each row to the journal as it is done; on a terminal, shows the
// progress. Once a stop signal has come no run starts, and the rows of those
// not started say so. False, with nothing run, when no temporary folder can
// be made.
bool RunAll(Settings s, unsigned jobs, BatchWork& work, JournalFile& journal) {
    const WorkFolder folder;
    if (folder.path().empty()) return false;
    s.work = folder.path();

    const std::vector<std::size_t>& todo = work.todo;
    std::vector<char> started(todo.size(), 0);
    const bool terminal = isatty(STDERR_FILENO) != 0;
    std::atomic<std::size_t> next{0};
    std::mutex progress;
    std::size_t done = 0, failed = 0;
    const auto begun = std::chrono::steady_clock::now();
    auto worker = [&](std::size_t slot) {
        BatchWorker program(s.program, s.environment);
        for (std::size_t t = next++; t < todo.size() && g_stopSignal.load() == 0; t = next++) {
            started[t] = 1;
            const std::size_t i = todo[t];
            BatchRow row = RunOne(s, program, work.inputs[i], slot);
            journal.Append(row);
            std::lock_guard<std::mutex> lock(progress);
            work.rows[i] = std::move(row);
            ++done;
            if (work.rows[i].status != status::kOk) ++failed;
            if (terminal) {
                std::fprintf(stderr, "\r%s   ",
                             ProgressLine(done, todo.size(), failed, SecondsSince(begun)).c_str());
                std::fflush(stderr);
            }
        }
    };
    std::vector<std::thread> threads;
    for (std::size_t j = 0; j < std::min<std::size_t>({jobs, todo.size(), kMaxJobs}); ++j)
        threads.emplace_back(worker, j);
    for (std::thread& t : threads) t.join();
    journal.Flush();
    if (terminal && !todo.empty()) std::fprintf(stderr, "\n");

    const int stop = g_stopSignal.load();
    for (std::size_t t = 0; t < todo.size(); ++t) {
        if (started[t]) continue;
        BatchRow& row = work.rows[todo[t]];
        row.input = work.inputs[todo[t]];
        row.status = status::kNotRun;
        row.firstError = "not started: tarvex-batch was stopped by " + SignalName(stop);
    }
    return true;
}

std::string JournalText(const std::vector<BatchRow>& rows) {
    std::string text;
    for (const BatchRow& r : rows) text += JsonLine(r);
    return text;
}

// Prints what the batch did and where its summary is; the exit status.
int Report(const BatchWork& work, const std::vector<std::string>& unwritten,
           const std::string& base, const BatchOptions& options, double seconds) {
    const std::vector<BatchRow>& rows = work.rows;
    const auto count = [&rows](const char* which) {
        return static_cast<std::size_t>(std::count_if(
            rows.begin(), rows.end(), [which](const BatchRow& r) { return r.status == which; }));
    };
    const std::size_t ok = count(status::kOk);
    std::printf(
        "%zu inputs: %zu ok, %zu failed, %zu not run, %zu missing; %zu to run, %zu kept from "
        "the journal; %.1f s\n",
        rows.size(), ok, count(status::kFailed), count(status::kNotRun), count(status::kMissing),
        work.todo.size(), work.kept, seconds);
    std::printf("%s", SummaryText(rows, options.allowSharedReferences).c_str());
    for (const std::string& f : unwritten)
        std::cerr << "tarvex-batch: could not write " << f << "\n";
    if (unwritten.empty()) {
        std::printf("summary: %s.csv, %s.jsonl, %s-totals.csv", base.c_str(), base.c_str(),
                    base.c_str());
        for (const std::string* extra : {&options.attention, &options.report})
            if (!extra->empty()) std::printf(", %s", extra->c_str());
        std::printf("\n");
    }
    const int stop = g_stopSignal.load();
    if (stop != 0) {
        std::printf("stopped by %s: %zu inputs not run; --resume runs them\n",
                    SignalName(stop).c_str(), count(status::kNotRun));
        return kExitSignalBase + stop;
    }
    const bool clean = ok == rows.size() && work.problems.empty() && unwritten.empty() &&
                       (SharedPairs(rows).empty() || options.allowSharedReferences);
    return clean ? kExitOk : kExitFailed;
}

}  // namespace

int main(int argc, char** argv) {
    // A write past the file size limit fails with an error the batch
    // reports, instead of killing it with a temporary file left behind.
    std::signal(SIGXFSZ, SIG_IGN);
    if (argc > 1 && std::string(argv[1]) == "join")
        return JoinMain(std::vector<std::string>(argv + 2, argv + argc));
    const CommandLine line = ParseOptions(argc > 1 ? std::vector<std::string>(argv + 1, argv + argc)
                                                   : std::vector<std::string>());
    if (line.exitStatus) {
        (line.toStandardOutput ? std::cout : std::cerr) << line.message;
        return *line.exitStatus;
    }
    const BatchOptions& options = line.options;
    CatchStopSignals();

    Settings settings;
    settings.timeout = options.timeout;
    const std::string missing = FindTools(options, settings);
    if (!missing.empty()) {
        std::cerr << "tarvex-batch: " << missing << "\n";
        return kExitUsage;
    }

    const std::string base = SummaryBase(options);
    const std::string journalPath = base + ".jsonl";
    // Before the journal is read: another batch on it may be writing it.
    JournalLock lock(base + ".lock");
    if (!lock.problem().empty()) {
        std::cerr << "tarvex-batch: cannot write the journal " << journalPath << ": "
                  << lock.problem() << "; nothing was run\n";
        return kExitUsage;
    }
    Journal previous;
    if (options.resume) {
        std::string note;
        previous = ReadJournal(journalPath, note);
        if (!note.empty()) std::cerr << "tarvex-batch: " << note << "\n";
        if (previous.unreadLines > 0)
            std::cerr << "tarvex-batch: " << previous.unreadLines << " lines of " << journalPath
                      << " are not rows and were passed over\n";
        if (previous.longLines > 0)
            std::cerr << "tarvex-batch: " << previous.longLines << " lines of " << journalPath
                      << " are longer than a row can be and were passed over\n";
    }
    std::vector<std::string> own{journalPath, base + ".csv", base + "-totals.csv", base + ".lock"};
    for (const std::string* extra : {&options.attention, &options.report})
        if (!extra->empty()) own.push_back(*extra);
    BatchWork work =
        GatherWork(options.sources, options.shardK, options.shardN, previous.rows, own);
    if (!work.refusal.empty()) {
        lock.Keep();
        std::cerr << "tarvex-batch: " << work.refusal << "; nothing was run\n";
        return kExitUsage;
    }
    for (const std::string& p : work.problems) std::cerr << "tarvex-batch: " << p << "\n";
    RemoveDeadBatchesWorkFolders();
    RemoveDeadProcessesTemporaries(work, base);

    // The journal starts with what is known before any run: kept, missing
    // and refused rows. Written before the first run, so that a summary
    // folder that is not there stops the batch before it does anything.
    std::vector<char> toRun(work.rows.size(), 0);
    for (const std::size_t i : work.todo) toRun[i] = 1;
    std::vector<BatchRow> known;
    for (std::size_t i = 0; i < work.rows.size(); ++i)
        if (!toRun[i]) known.push_back(work.rows[i]);
    const FileWriteResult started = WriteFileWhole(journalPath, JournalText(known));
    if (!started.ok) {
        std::cerr << "tarvex-batch: cannot write the journal " << journalPath << ": "
                  << started.reason << "; nothing was run\n";
        return kExitUsage;
    }

    const auto begun = std::chrono::steady_clock::now();
    JournalFile journal(journalPath);
    if (!RunAll(settings, options.jobs, work, journal)) {
        std::cerr << "tarvex-batch: cannot make a temporary folder\n";
        return kExitFailed;
    }
    RemoveDeadProcessesTemporaries(work, base);
    std::vector<std::string> unwritten =
        WriteSummaryFiles(work.rows, {base, options.attention, options.report});
    const std::string flushError = journal.flushError();
    if (!flushError.empty()) unwritten.push_back("the runs' outputs to disk (" + flushError + ")");
    return Report(work, unwritten, base, options, SecondsSince(begun));
}
