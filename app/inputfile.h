#pragma once

#include <cstdint>
#include <string>

// Bounds on the files a run reads (the input, the library definition, the
// library files, the run configuration and key files): each must be a regular
// file of at most kInputFileLimit bytes. Checked before the file is opened, so
// that a device (/dev/zero), a FIFO or a folder is never read, and a huge file
// never fills memory.
inline constexpr std::uintmax_t kInputFileLimit = 64u * 1024u * 1024u;

// Empty when the file may be read, or does not exist (its reader reports a
// missing file as before); otherwise the line, with its line end, that says
// why it is refused.
std::string InputFileProblem(const std::string& path);

// Stops the run (StopRun: log and console, status 1) when InputFileProblem
// finds one.
void RefuseUnfitInput(const std::string& path);
