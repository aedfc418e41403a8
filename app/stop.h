#pragma once

#include <string>
#include <string_view>

#include "app/atomicfile.h"

// Every end of a run other than a normal return goes through here.

// Sends the message to the log and console, writes the log file and ends the
// process with the given status.
[[noreturn]] void StopRun(const std::string& message, int status = 1);
// As StopRun, but the console gets the message on the error stream: for the
// files that could not be opened, read or written.
[[noreturn]] void StopRunOnErrorStream(const std::string& message, int status = 1);
// As StopRun, but first waits for a key when `pause` is set and standard input
// is a terminal ("PAUSE" on the console).
[[noreturn]] void StopRunAfterPause(const std::string& message, bool pause, int status = 1);
// Ends the process with the status, flushing the standard streams; writes nothing.
[[noreturn]] void EndProcess(int status);
// A harness that runs the readers many times in one process (the fuzz
// targets) sets a hook that throws instead; the hook must not return.
using EndProcessHook = void (*)(int status);
void SetEndProcessHook(EndProcessHook hook);
// "Press any key to continue . . ." and a wait for one key, only when standard
// input is a terminal.
void PauseForKey();

// Writes an output of the run whole (WriteFileWhole). When that fails, says
// which file and why in the log and on the error stream, and ends the run
// with status 1.
void WriteRunOutput(const std::string& path, std::string_view bytes);
// An output that could not be written, while the run goes on: the file and
// the system's reason to the log and the error stream.
void ReportWriteFailure(const std::string& path, const FileWriteResult& result);
// The end of a run whose output `path` could not be written: `before` (a
// message of the writer's own, may be empty) to the log and console, the
// file and the reason to the log and the error stream, a wait for a key when
// `pause`, then status 1.
[[noreturn]] void StopOnWriteFailure(const std::string& path, const FileWriteResult& result,
                                     const std::string& before = "", bool pause = false);
