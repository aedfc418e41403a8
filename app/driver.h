#pragma once

#include <string>
#include <vector>

#include "app/codes.h"

// Marker returned by getpps when an argument carries no password.
inline const std::string kNoPassword = "\xF1\xF1\xF1\xF1";

// The help and banner text shown at every start.
std::string show_help();
// Everything after the first "=" when the argument contains "pps=", else kNoPassword.
std::string getpps(const std::string& argument);

// What the command line settles for a run.
struct RunSettings {
    char mode = 0;  // 'F', 'I', 'A' or 'R'
    std::string programFolder;
    std::string inputFile;
    std::string logFolder;
    bool fromIasPackage = false;
    std::string iasText;
    std::string proxyPassword;
};

// The fixed file names of a run, derived from its settings.
struct RunFiles {
    std::string defaults, tables, asTables, libraryDefinition;
    std::string inputKey, cookie;
    std::string interfaceProject, certFolder, caBundle, messages, log;
};
RunFiles MakeRunFiles(const RunSettings& settings, int platform);

// Mode I: reads the run configuration file at `path` into the program folder,
// input file and log folder of `s`. A file that is not a regular file, too
// large, shorter than two lines or with a control byte in a path stops with
// status 1 and writes nothing.
void ReadRunConfiguration(const std::string& path, RunSettings& s);

// The input file with its last four characters replaced by `ending`; false

// The program: help, command line, then a run. Returns 0 after a completed
// run, 1 for a command line that asks for no run and after /V; a stage that
// stops throws RunStop.
int TarvexDriver(int argc, const char* const* argv);

// The program's edge: TarvexDriver, with every RunStop reported (ReportStop)
// and turned into the exit status. main returns what it returns.
int TarvexMain(int argc, const char* const* argv);
