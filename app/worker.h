#pragma once

#include <string>

// A worker for tarvex-batch: one process that runs many inputs, one after
// the other, each an ordinary run of the program (mode /I) from its own
// start. Starting a process and touching fresh memory for every input costs
// more than the run itself on small machines, and two such starts at a time
// slow each other; a worker starts once.
//
// The batch starts the program with kBatchWorkerArgument as its only
// argument and a stream socket as standard input. The worker says
// kWorkerGreeting, then for each request (kWorkerRequestFields texts, each
// ended by a NUL: the folder to run in, the run configuration file, the file
// for the run's result, the file that takes the run's console) it runs the
// input and answers with its exit status in decimal and a line end. The
// batch closes the socket when it has no more work; the worker then ends
// with status 0. A worker's runs put their outputs in place without flushing
// them to disk (SetCommitFlush): the batch flushes them, many runs at a time,
// before it records the runs as done. A request that cannot be prepared (a folder that is gone, a
// console file that cannot be made) is answered 127 (kExitNotStarted), as a
// program that could not be started.
inline constexpr const char* kBatchWorkerArgument = "--batch-worker";
inline constexpr const char* kWorkerGreeting = "tarvex batch worker 1\n";
inline constexpr int kWorkerRequestFields = 4;

// What a worker is asked to do.
struct WorkerRequest {
    std::string folder;   // the run's current folder (the input's)
    std::string ini;      // its run configuration file
    std::string result;   // where it writes its result (app/runresult.h)
    std::string console;  // its standard output and error stream
};

// The request as it travels on the socket.
inline std::string EncodeWorkerRequest(const WorkerRequest& request) {
    std::string bytes;
    for (const std::string* field :
         {&request.folder, &request.ini, &request.result, &request.console}) {
        bytes += *field;
        bytes += '\0';
    }
    return bytes;
}

// The worker's loop on the socket `channel`; its exit status.
int ServeBatchRuns(int channel);
