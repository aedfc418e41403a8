#include "app/worker.h"

#include <fcntl.h>
#include <malloc.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <iostream>

#include "app/atomicfile.h"
#include "app/channel.h"
#include "app/driver.h"
#include "app/exit_status.h"
#include "app/runresult.h"

namespace {

// Reads requests from the socket, keeping what comes after one.
class RequestReader {
  public:
    explicit RequestReader(int fd) : fd_(fd) {}

    // The next request; false at the end of the stream or on an error.
    bool Next(WorkerRequest& request) {
        std::string* fields[] = {&request.folder, &request.ini, &request.result, &request.console};
        for (std::string* field : fields)
            if (!ReadUntil(fd_, '\0', pending_, *field)) return false;
        return true;
    }

  private:
    int fd_;
    std::string pending_;
};

// One input, run as the program would run it, with standard output and
// error to the request's console file; the run's exit status.
int RunRequest(const WorkerRequest& request, int null) {
    if (chdir(request.folder.c_str()) != 0) return kExitNotStarted;
    const int console =
        open(request.console.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (console < 0) return kExitNotStarted;
    const bool redirected = dup2(console, STDOUT_FILENO) >= 0 && dup2(console, STDERR_FILENO) >= 0;
    close(console);
    if (!redirected) return kExitNotStarted;
    setenv(kRunResultVariable, request.result.c_str(), 1);

    const char* const argv[] = {"tarvex", "/I", request.ini.c_str(), nullptr};
    const int status = TarvexMain(3, argv);

    // Everything the run said reaches its console file before it is let go.
    std::cout.flush();
    std::cerr.flush();
    std::fflush(nullptr);
    dup2(null, STDOUT_FILENO);
    dup2(null, STDERR_FILENO);
    unsetenv(kRunResultVariable);
    return status;
}

}  // namespace

int ServeBatchRuns(int channel) {
    // The heap one run grew is kept for the next: memory handed back to the
    // kernel after each run would come back as fresh pages, each a fault.
    mallopt(M_TRIM_THRESHOLD, 64 << 20);
    // The batch flushes what the runs wrote to disk, many runs at a time,
    // before it records them as done: one flush for each run made two runs
    // at a time wait for each other's.
    SetCommitFlush(false);
    const int null = open("/dev/null", O_RDWR | O_CLOEXEC);
    if (null < 0 || dup2(null, STDIN_FILENO) < 0) return kExitWorkerChannel;
    if (!SendAll(channel, kWorkerGreeting)) return kExitWorkerChannel;
    RequestReader requests(channel);
    WorkerRequest request;
    while (requests.Next(request)) {
        const int status = RunRequest(request, null);
        if (!SendAll(channel, std::to_string(status) + "\n")) return kExitWorkerChannel;
    }
    return kExitOk;
}
