#pragma once

#include <sys/types.h>

#include <atomic>
#include <string>
#include <vector>

#include "app/worker.h"

// How a run ended, as the batch sees it.
struct ChildEnd {
    int exitCode = -1;      // -1 when it did not end with a status
    int signal = 0;         // the signal that ended its process, 0 for none
    bool died = false;      // its worker's process ended before it answered
    bool timedOut = false;  // it ran past its time and its worker was killed
    std::string fault;      // what was wrong with the worker's answer, "" for nothing
};

// One of the batch's worker processes (app/worker.h): the program started
// once, running the inputs it is given one after the other. Started at its
// first run, and again after its process has ended; ended when this goes.
class BatchWorker {
  public:
    // `program` runs with exactly `environment`.
    BatchWorker(std::string program, std::vector<std::string> environment);
    ~BatchWorker();
    BatchWorker(const BatchWorker&) = delete;
    BatchWorker& operator=(const BatchWorker&) = delete;

    // Runs one input. While it runs, `running` holds the worker's process id,
    // where a stop signal's handler finds it to end it; when `stop` is
    // already set the run is ended at once. A run that has not answered
    // within `timeoutMs` (-1: no limit) has its worker killed. A worker that
    // cannot be started gives status 127 (kExitNotStarted), as a program that
    // cannot be; one that ends during the run gives how its process ended,
    // and the temporary files it held in the run's folder are removed before
    // it is reaped (so that its process id cannot be another's yet).
    ChildEnd Run(const WorkerRequest& request, std::atomic<pid_t>& running,
                 const std::atomic<int>& stop, int timeoutMs = -1);

    // Whether `program` starts as a worker and greets; "" when it does, else
    // what is wrong.
    static std::string Check(const std::string& program,
                             const std::vector<std::string>& environment);

  private:
    bool Start();
    // Waits for the worker's process to end, which `running` names until it
    // has ended, and says how it ended; the temporary files it left in
    // `folder` (when given) are removed first.
    ChildEnd Reap(std::atomic<pid_t>* running, const std::string* folder = nullptr);

    std::string program_;
    std::vector<std::string> environment_;
    pid_t pid_ = -1;
    int channel_ = -1;
    std::string replies_;  // what the worker said that is not read yet
};
