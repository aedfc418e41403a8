#include <fcntl.h>
#include <malloc.h>
#include <unistd.h>

#include <cstring>

#include "app/driver.h"
#include "app/exit_status.h"
#include "app/worker.h"

// The one place the process ends: with the status the run settled.
int main(int argc, char** argv) {
    // A run allocates a few MiB in many small steps: a heap that grows 8 MiB
    // at a time asks the kernel about three times instead of twenty and takes
    // fewer page faults (bench/README.md has the figures).
    mallopt(M_TOP_PAD, 8 << 20);
    // tarvex-batch's worker (app/worker.h): its socket is standard input.
    if (argc == 2 && std::strcmp(argv[1], kBatchWorkerArgument) == 0) {
        const int channel = fcntl(STDIN_FILENO, F_DUPFD_CLOEXEC, 3);
        return channel < 0 ? kExitWorkerChannel : ServeBatchRuns(channel);
    }
    return TarvexMain(argc, argv);
}
