#pragma once

#include <functional>
#include <iostream>
#include <regex>
#include <sstream>
#include <string>

#include "app/stop.h"

// What a step that stops the run shows, as the program's edge reports it.
struct StopOutcome {
    bool stopped = false;
    int status = 0;
    std::string out;  // standard output, the step's own included
    std::string err;  // the error stream
};

// Runs `step` with the console captured; a RunStop it throws is reported as
// the program's edge reports it (texts, log file, status).
inline StopOutcome RunToStop(const std::function<void()>& step) {
    std::ostringstream out, err;
    std::streambuf* savedOut = std::cout.rdbuf(out.rdbuf());
    std::streambuf* savedErr = std::cerr.rdbuf(err.rdbuf());
    StopOutcome outcome;
    try {
        step();
    } catch (const RunStop& stop) {
        outcome.stopped = true;
        outcome.status = ReportStop(stop);
    }
    std::cout.rdbuf(savedOut);
    std::cerr.rdbuf(savedErr);
    outcome.out = out.str();
    outcome.err = err.str();
    return outcome;
}

// Whether `text` holds a match of the regular expression `pattern`.
inline bool HasMatch(const std::string& text, const std::string& pattern) {
    return std::regex_search(text, std::regex(pattern));
}
