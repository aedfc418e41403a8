#include "app/stop.h"

#include <termios.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <iostream>

#include "app/runlog.h"

namespace {
EndProcessHook g_endHook = nullptr;
}  // namespace

void SetEndProcessHook(EndProcessHook hook) {
    g_endHook = hook;
}

void EndProcess(int status) {
    std::cout.flush();
    std::cerr.flush();
    if (g_endHook != nullptr) g_endHook(status);
    std::exit(status);
}

void PauseForKey() {
    if (isatty(STDIN_FILENO) == 0) return;
    std::cout << "Press any key to continue . . ." << std::flush;
    termios old{};
    const bool haveTerm = tcgetattr(STDIN_FILENO, &old) == 0;
    if (haveTerm) {
        termios raw = old;
        raw.c_lflag &= static_cast<tcflag_t>(~(ICANON | ECHO));
        raw.c_cc[VMIN] = 1;
        raw.c_cc[VTIME] = 0;
        tcsetattr(STDIN_FILENO, TCSANOW, &raw);
    }
    char c = 0;
    ssize_t got = read(STDIN_FILENO, &c, 1);
    (void)got;
    if (haveTerm) tcsetattr(STDIN_FILENO, TCSANOW, &old);
    std::cout << "\n" << std::flush;
}

void StopRun(const std::string& message, int status) {
    SendLog(message);
    WriteLog();
    EndProcess(status);
}

void StopRunOnErrorStream(const std::string& message, int status) {
    LogStream() << message;
    WriteLog();
    std::cerr << message;
    EndProcess(status);
}

void StopRunAfterPause(const std::string& message, bool pause, int status) {
    SendLog(message);
    WriteLog();
    if (pause) PauseForKey();
    EndProcess(status);
}

void WriteRunOutput(const std::string& path, std::string_view bytes) {
    const FileWriteResult result = WriteFileWhole(path, bytes);
    if (!result.ok) StopOnWriteFailure(path, result);
}

void ReportWriteFailure(const std::string& path, const FileWriteResult& result) {
    const std::string text = FileWriteFailureText(path, result);
    LogStream() << text;
    std::cout.flush();
    std::cerr << text << std::flush;
}

void StopOnWriteFailure(const std::string& path, const FileWriteResult& result,
                        const std::string& before, bool pause) {
    if (!before.empty()) SendLog(before);
    ReportWriteFailure(path, result);
    WriteLog();
    if (pause) PauseForKey();
    EndProcess(1);
}
