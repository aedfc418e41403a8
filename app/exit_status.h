#pragma once

// The exit statuses of tarvex and of its tools, each named once. Scripts,
// tarvex-batch and the tests rely on the numbers: never renumber one.

// Every program: all it was asked to do was done (tarvex: a completed run;
// tarvex-batch: every input ok).
inline constexpr int kExitOk = 0;
// Every program: something failed. tarvex: a run that stopped (RunStop), or
// an output that could not be written; a tool: a file could not be read or
// written, or (tarvex-protect) failed its check; tarvex-batch: an input that
// was not ok, a shared reference number or a summary file not written.
// tarvex-header-art and tarvex-embed-b64 also end with it on a wrong command
// line.
inline constexpr int kExitFailed = 1;
// tarvex: a command line that asks for no run (the help is shown), and /V,
// whose answer is in its text.
inline constexpr int kExitNoRun = 1;
// A tool: a wrong command line; tarvex-batch also when the program, its
// data, the journal or its own files cannot be used. Nothing was done.
inline constexpr int kExitUsage = 2;
// tarvex as tarvex-batch's worker: its channel to the batch failed.
inline constexpr int kExitWorkerChannel = 2;
// A run that could not be started: the worker could not enter the input's
// folder or open its console file, or tarvex-batch could not start a worker
// (as a shell answers for a program it cannot run).
inline constexpr int kExitNotStarted = 127;
// tarvex-batch stopped by SIGINT, SIGTERM or SIGHUP: this plus the signal's
// number (130, 143, 129), as a shell reports it.
inline constexpr int kExitSignalBase = 128;
