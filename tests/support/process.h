#pragma once

#include <string>
#include <vector>

// Runs a program as a child process, standard input from /dev/null, and
// captures what it printed.
struct ProcessResult {
    int exitCode = -1;  // -1 when it did not exit normally
    std::string out;
    std::string err;
};

ProcessResult RunProcess(const std::vector<std::string>& args, const std::string& workDir = "");
// The tarvex program built with the tests.
ProcessResult RunTarvex(const std::vector<std::string>& args, const std::string& workDir = "");

std::string ReadFileBytes(const std::string& path);
void WriteFileBytes(const std::string& path, const std::string& bytes);
bool FileExists(const std::string& path);
