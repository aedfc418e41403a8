#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

#include "app/atomicfile.h"
#include "app/exit_status.h"

// How a run ends early. Every stage reports a stop by throwing RunStop; only
// the program's edge (RunTarvex, called by main) catches it, says what it
// carries, writes the log when asked and turns it into the exit status. No
// stage ends the process itself, so a harness (the tests, the fuzzers) can
// run any stage and see how it stopped.
class RunStop : public std::runtime_error {
  public:
    struct Texts {
        std::string console;  // to standard output and the log
        std::string log;      // to the log only
        std::string error;    // to the error stream only
    };
    RunStop(Texts texts, int status, bool writeLog, bool pause = false)
        : std::runtime_error(texts.console + texts.log + texts.error),
          texts_(std::move(texts)),
          status_(status),
          writeLog_(writeLog),
          pause_(pause) {}

    const Texts& texts() const { return texts_; }
    int status() const { return status_; }
    // Whether the log file is written once the texts are sent.
    bool writeLog() const { return writeLog_; }
    // Whether to wait for a key ("PAUSE") before the end, when standard input
    // is a terminal.
    bool pause() const { return pause_; }

  private:
    Texts texts_;
    int status_;
    bool writeLog_;
    bool pause_;
};

// The named ways a stage stops; each throws RunStop.

// The message to the log and console, the log written, then the status.
[[noreturn]] void StopRun(const std::string& message, int status = kExitFailed);
// As StopRun, but the console gets the message on the error stream: for the
// files that could not be opened, read or written.
[[noreturn]] void StopRunOnErrorStream(const std::string& message, int status = kExitFailed);
// As StopRun, and `diagnostics` (lines that say where the input is wrong) to
// the error stream only, after the message: the log stays as it was.
[[noreturn]] void StopRunWithDiagnostics(const std::string& message, const std::string& diagnostics,
                                         bool pause = false, int status = kExitFailed);
// As StopRun, but first waits for a key when `pause` is set.
[[noreturn]] void StopRunAfterPause(const std::string& message, bool pause,
                                    int status = kExitFailed);
// The message to the console and the log, which is not written: a stop before
// a run's log exists, or whose log cannot be written.
[[noreturn]] void StopWithoutLog(const std::string& message, int status = kExitFailed);
// "Could not open file <name>" on the error stream only; nothing else written.
[[noreturn]] void StopCouldNotOpen(const std::string& name);
// The end of a run whose output `path` could not be written: `before` (a
// message of the writer's own, may be empty) to the log and console, the
// file and the reason to the log and the error stream, a wait for a key when
// `pause`, then status 1.
[[noreturn]] void StopOnWriteFailure(const std::string& path, const FileWriteResult& result,
                                     const std::string& before = "", bool pause = false);

// Says what a stop carries, writes the log when it asks, waits for a key when
// it asks, and returns its exit status. The program's edge calls it.
int ReportStop(const RunStop& stop);

// "Press any key to continue . . ." and a wait for one key, only when standard
// input is a terminal.
void PauseForKey();

// Writes an output of the run whole (WriteFileWhole). When that fails, the
// run stops (StopOnWriteFailure).
void WriteRunOutput(const std::string& path, std::string_view bytes);
// An output that could not be written, while the run goes on: the file and
// the system's reason to the log and the error stream.
void ReportWriteFailure(const std::string& path, const FileWriteResult& result);
