#include "app/stop.h"

#include <termios.h>
#include <unistd.h>

#include <iostream>

#include "app/runlog.h"

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
    throw RunStop({message, "", ""}, status, true);
}

void StopRunOnErrorStream(const std::string& message, int status) {
    throw RunStop({"", message, message}, status, true);
}

void StopRunWithDiagnostics(const std::string& message, const std::string& diagnostics, bool pause,
                            int status) {
    throw RunStop({message, "", diagnostics}, status, true, pause);
}

void StopRunAfterPause(const std::string& message, bool pause, int status) {
    throw RunStop({message, "", ""}, status, true, pause);
}

void StopWithoutLog(const std::string& message, int status) {
    throw RunStop({message, "", ""}, status, false);
}

void StopCouldNotOpen(const std::string& name) {
    throw RunStop({"", "", "Could not open file " + name + "\n"}, kExitFailed, false);
}

void StopOnWriteFailure(const std::string& path, const FileWriteResult& result,
                        const std::string& before, bool pause) {
    const std::string text = FileWriteFailureText(path, result);
    throw RunStop({before, text, text}, kExitFailed, true, pause);
}

int ReportStop(const RunStop& stop) {
    const RunStop::Texts& t = stop.texts();
    if (!t.console.empty()) SendLog(t.console);
    if (!t.log.empty()) LogStream() << t.log;
    // What went to the console so far comes before the error, as it was said.
    std::cout.flush();
    if (!t.error.empty()) std::cerr << t.error << std::flush;
    // What the run wrote before it stopped is put in place, as it would have
    // been had it gone on.
    int status = stop.status();
    for (const auto& [path, result] : CommitOutputs()) {
        ReportWriteFailure(path, result);
        if (status == kExitOk) status = kExitFailed;
    }
    if (stop.writeLog()) {
        try {
            WriteLog();
        } catch (const RunStop& logFailed) {
            // The log itself is the one place this cannot be recorded.
            std::cerr << logFailed.texts().error << std::flush;
            return logFailed.status();
        }
    }
    if (stop.pause()) PauseForKey();
    std::cout.flush();
    return status;
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
