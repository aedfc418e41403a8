#pragma once

#include <string>

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
// "Press any key to continue . . ." and a wait for one key, only when standard
// input is a terminal.
void PauseForKey();
