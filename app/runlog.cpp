#include "app/runlog.h"

#include <unistd.h>

#include <cstdio>
#include <iostream>

#include "app/atomicfile.h"
#include "app/clock.h"
#include "app/stop.h"
#include "app/textutil.h"

namespace {
std::string& FileLogName() {
    static std::string name = "BOC.log";
    return name;
}
int g_colourMode = -1;

RunWarnings& Warnings() {
    static RunWarnings warnings;
    return warnings;
}

bool UseColour() {
    if (g_colourMode >= 0) return g_colourMode == 1;
    static const bool tty = isatty(STDOUT_FILENO) != 0;
    return tty;
}

const char* AnsiFor(int colour) {
    switch (colour) {
        case kColourGreen:
            return "\x1b[1;32m";
        case kColourRed:
            return "\x1b[1;31m";
        default:
            return "\x1b[1;37m";
    }
}
}  // namespace

std::ostringstream& LogStream() {
    static std::ostringstream os;
    return os;
}

void StartRunLog() {
    LogStream().str(std::string());
    LogStream().clear();
    Warnings() = RunWarnings{};
}

void NoteWarnings(const std::string& text, std::size_t count) {
    RunWarnings& w = Warnings();
    if (count == 0) return;
    if (w.count == 0) {
        // One line: the text's first line that says something.
        std::size_t from = text.find_first_not_of("\r\n");
        if (from == std::string::npos) from = text.size();
        w.first = text.substr(from, text.find_first_of("\r\n", from) - from);
    }
    w.count += count;
}

const RunWarnings& WarningsOfRun() {
    return Warnings();
}

const std::string& FileLog() {
    return FileLogName();
}

void SendLog(const std::string& text) {
    LogStream() << text;
    std::cout << text;
}

void SendWarning(const std::string& text) {
    NoteWarnings(text);
    LogStream() << text;
    std::cout.flush();
    std::cerr << text << std::flush;
}

void SendLog(const std::string& text, int colour) {
    LogStream() << text;
    if (UseColour()) {
        // Attribute 15 is the console's plain bright white: back to the default.
        std::cout << AnsiFor(colour) << text << "\x1b[0m";
    } else {
        std::cout << text;
    }
}

void SetFileLog(const std::string& name) {
    FileLogName() = name;
}

namespace {
void SaveLog(FileSync sync) {
    std::cout.flush();
    // Written whole each time, so two runs sharing a log folder leave one
    // run's complete log, never one interleaved with the other.
    const FileWriteResult result = WriteFileWhole(FileLogName(), LogStream().str(), sync);
    if (result.ok) return;
    // The log itself is the one place this cannot be recorded.
    throw RunStop({"", "", FileWriteFailureText(FileLogName(), result)}, kExitFailed, false);
}
}  // namespace

void WriteLog() {
    SaveLog(FileSync::kToDisk);
}

void WriteLogProgress() {
    SaveLog(FileSync::kLeftToSystem);
}

std::string Ahora() {
    std::tm tmv = RunLocalTime();
    char buf[64];
    // asctime's layout, without its static buffer.
    std::strftime(buf, sizeof buf, "%a %b %e %H:%M:%S %Y\n", &tmv);
    return buf;
}

void SetLogColourMode(int mode) {
    g_colourMode = mode;
}
