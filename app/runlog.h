#pragma once

#include <cstddef>
#include <sstream>
#include <string>

// The process-wide run log: everything a run says goes to the console as it
// happens and to this in-memory copy, which WriteLog saves whole.

// Console colours, as text attributes.
inline constexpr int kColourGreen = 10;
inline constexpr int kColourRed = 12;
inline constexpr int kColourDefault = 15;

// Every text sent during the run, in order; cleared only by StartRunLog
// (which also forgets the run's warnings).
std::ostringstream& LogStream();
// Empties the log for a run that starts: a worker runs many inputs in one
// process, and each run's log holds only what that run said.
void StartRunLog();
// Name (path) of the run log file.
const std::string& FileLog();

void SendLog(const std::string& text);
void SendLog(const std::string& text, int colour);
// A warning: to the log, and to the error stream rather than the console's
// output, so that a script running many inputs sees it. Counted (NoteWarnings).
void SendWarning(const std::string& text);
// A warning said on the error stream only (SayOnErrorStream), counted as
// `count` warnings: every warning a run gives reaches what it reports to a
// batch, wherever it was said.
void NoteWarnings(const std::string& text, std::size_t count = 1);
// The warnings of the run so far: how many, and the first one's text on
// one line, without its line end.
struct RunWarnings {
    std::size_t count = 0;
    std::string first;
};
const RunWarnings& WarningsOfRun();
void SetFileLog(const std::string& name);
// Replaces the log file with everything sent so far, whole. When that fails,
// says which file and why on the error stream and ends the process with
// exit code 1.
void WriteLog();
// The same for the log as it stands part way through a run, which the end of
// the run writes again: it is not flushed to disk, where WriteLog's is.
void WriteLogProgress();
// Current local date and time in asctime form: 24 characters and a line end.
std::string Ahora();

// Whether coloured texts get ANSI escapes: by default only when standard
// output is a terminal. Tests may force it.
void SetLogColourMode(int mode);  // -1 automatic, 0 never, 1 always
