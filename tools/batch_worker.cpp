#include "tools/batch_worker.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>

#include "app/atomicfile.h"
#include "app/channel.h"
#include "app/exit_status.h"

namespace {
// A worker's greeting and answers are one short line each.
constexpr std::size_t kReplyLimit = 256;
}  // namespace

BatchWorker::BatchWorker(std::string program, std::vector<std::string> environment)
    : program_(std::move(program)), environment_(std::move(environment)) {}

BatchWorker::~BatchWorker() {
    if (pid_ < 0) return;
    // No more work: the worker reads the end of its socket and ends.
    shutdown(channel_, SHUT_WR);
    Reap(nullptr);
}

bool BatchWorker::Start() {
    // Everything the child needs is made before the fork: the batch has
    // threads, so the child calls only what is safe after one.
    std::vector<char*> argv{const_cast<char*>(program_.c_str()),
                            const_cast<char*>(kBatchWorkerArgument), nullptr};
    std::vector<char*> envp;
    for (const std::string& e : environment_) envp.push_back(const_cast<char*>(e.c_str()));
    envp.push_back(nullptr);
    int ends[2];
    if (socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, ends) != 0) return false;
    const pid_t batch = getpid();
    const pid_t pid = fork();
    if (pid < 0) {
        close(ends[0]);
        close(ends[1]);
        return false;
    }
    if (pid == 0) {
        // A batch killed outright (SIGKILL) takes its workers with it: a
        // worker left running would go on with an input that the next batch
        // runs again at the same time. (The signal comes when the thread that
        // started it ends, which is after the worker is reaped.)
        if (prctl(PR_SET_PDEATHSIG, SIGKILL) != 0 || getppid() != batch) _exit(kExitNotStarted);
        const int null = open("/dev/null", O_WRONLY);
        if (null < 0 || dup2(ends[1], 0) < 0 || dup2(null, 1) < 0 || dup2(null, 2) < 0)
            _exit(kExitNotStarted);
        execve(argv[0], argv.data(), envp.data());
        _exit(kExitNotStarted);
    }
    close(ends[1]);
    pid_ = pid;
    channel_ = ends[0];
    replies_.clear();
    // A program that is no worker may wait on its input for ever instead of
    // ending: it has a while to greet. A run itself may take as long as it
    // takes.
    constexpr int kGreetingTimeoutMs = 30000;
    std::string greeting;
    if (ReadUntil(channel_, '\n', replies_, greeting, kGreetingTimeoutMs, kReplyLimit) &&
        greeting + "\n" == kWorkerGreeting)
        return true;
    kill(pid_, SIGKILL);
    Reap(nullptr);
    return false;
}

ChildEnd BatchWorker::Reap(std::atomic<pid_t>* running, const std::string* folder) {
    ChildEnd end;
    // Waited for without being reaped first, so that its process id cannot
    // be taken by another process while a handler may still signal it, or
    // while its temporary files, named by it, are looked for.
    siginfo_t info{};
    while (waitid(P_PID, static_cast<id_t>(pid_), &info, WEXITED | WNOWAIT) < 0 && errno == EINTR) {
    }
    if (running != nullptr) running->store(0);
    if (folder != nullptr) RemoveTemporariesOf(*folder, static_cast<long>(pid_));
    int status = 0;
    while (waitpid(pid_, &status, 0) < 0 && errno == EINTR) {
    }
    if (WIFSIGNALED(status)) end.signal = WTERMSIG(status);
    if (WIFEXITED(status)) end.exitCode = WEXITSTATUS(status);
    close(channel_);
    channel_ = -1;
    pid_ = -1;
    return end;
}

ChildEnd BatchWorker::Run(const WorkerRequest& request, std::atomic<pid_t>& running,
                          const std::atomic<int>& stop, int timeoutMs) {
    if (pid_ < 0 && !Start()) return ChildEnd{kExitNotStarted, 0, false, false, ""};
    // Either the handler sees the worker here, or this sees the signal.
    running.store(pid_);
    if (stop.load() != 0) kill(pid_, SIGTERM);
    const auto start = std::chrono::steady_clock::now();
    std::string reply;
    const bool sent = SendAll(channel_, EncodeWorkerRequest(request));
    if (sent && ReadUntil(channel_, '\n', replies_, reply, timeoutMs, kReplyLimit)) {
        running.store(0);
        char* end = nullptr;
        const long status = std::strtol(reply.c_str(), &end, 10);
        if (end != reply.c_str() && *end == '\0' && status >= 0 && status <= 255)
            return ChildEnd{static_cast<int>(status), 0, false, false, ""};
        // A worker that answers nonsense is not trusted with more work.
        kill(pid_, SIGKILL);
        Reap(nullptr, &request.folder);
        ChildEnd nonsense;
        nonsense.fault = "its worker answered what is not an exit status";
        return nonsense;
    }
    // The time is up, the worker talks without end, or its process ended
    // during the run (a signal, a crash): it is ended for sure, and how it
    // ended is said.
    const bool late =
        sent && timeoutMs >= 0 &&
        std::chrono::steady_clock::now() - start >= std::chrono::milliseconds(timeoutMs);
    const bool talking = replies_.size() > kReplyLimit;
    if (late || talking) kill(pid_, SIGKILL);
    ChildEnd end = Reap(&running, &request.folder);
    if (late) {
        end = ChildEnd{};
        end.timedOut = true;
    } else if (talking) {
        end = ChildEnd{};
        end.fault = "its worker sent more than an exit status without a line end";
    } else {
        end.died = true;
    }
    return end;
}

std::string BatchWorker::Check(const std::string& program,
                               const std::vector<std::string>& environment) {
    BatchWorker worker(program, environment);
    if (worker.Start()) return std::string();
    return "the program " + program + " does not run as tarvex-batch's worker (" +
           kBatchWorkerArgument + "); name tarvex with --program";
}
