#pragma once

#include <string>

// Files the run cannot do without: when one cannot be opened, the run log
// file also records which before the process ends.

// The whole of a file the run reads (ReadRunFile); when it cannot be opened,
// ends the run with "Could not open file <name>" in the log and on the error
// stream.
std::string ReadLogged(const std::string& name);
// Ends the run so for a file that could not be opened.
[[noreturn]] void CouldNotOpenLogged(const std::string& name);
