// tarvex-protect: writes the protection line of a library file, or checks
// library files the way a run does.

#include <sys/stat.h>

#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "app/atomicfile.h"
#include "app/exit_status.h"
#include "app/textutil.h"
#include "library/ncmd5.h"

namespace {

const char kUsageText[] =
    "Usage:\n"
    "  tarvex-protect FILE [--name FINALNAME]\n"
    "      Writes the protection line of the library file FILE for the file name it\n"
    "      will have when installed (FINALNAME, by default FILE's own name). An\n"
    "      existing protection line is replaced; otherwise the line is added in front.\n"
    "  tarvex-protect --check FILE...\n"
    "      Tells for each FILE whether it passes the protection check under its own\n"
    "      name.\n"
    "Exit status: 0 done (every file passes), 1 a file failed or could not be\n"
    "read or written, 2 wrong command line.\n";

int UsageError(const std::string& message) {
    std::cerr << "tarvex-protect: " << message << "\n" << kUsageText;
    return kExitUsage;
}

bool IsRegularFile(const std::string& path) {
    struct stat st {};
    return stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool ReadWhole(const std::string& path, std::string& bytes) {
    if (!IsRegularFile(path)) return false;
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    return ReadRest(in, bytes);
}

int Protect(const std::string& path, const std::string& finalName) {
    std::string content;
    if (!ReadWhole(path, content)) {
        std::cerr << "tarvex-protect: cannot read " << path << "\n";
        return kExitFailed;
    }
    std::string result;
    if (!ProtectText(content, finalName, result)) {
        std::cerr << "tarvex-protect: " << path << " has no data lines to protect\n";
        return kExitFailed;
    }
    // Whole or not at all: a failed write never leaves a half-written
    // library file. The file keeps its permissions.
    struct stat before {};
    const bool existed = stat(path.c_str(), &before) == 0;
    const FileWriteResult written = WriteFileWhole(path, result);
    if (!written.ok) {
        std::cerr << "tarvex-protect: cannot write " << path << ": " << written.reason << "\n";
        return kExitFailed;
    }
    if (existed) chmod(path.c_str(), before.st_mode & 07777);
    std::cout << path << ": protected for " << finalName << "\n";
    return kExitOk;
}

int Check(const std::vector<std::string>& paths) {
    int status = kExitOk;
    const NCMD5 ncmd5;
    for (const auto& path : paths) {
        // The check itself stops on a missing file; here it is one failure among others.
        if (!IsRegularFile(path) || !std::ifstream(path)) {
            std::cerr << "tarvex-protect: cannot read " << path << "\n";
            status = kExitFailed;
            continue;
        }
        const bool ok = ncmd5.flibcheck(path);
        std::cout << path << ": " << (ok ? "OK" : "FAILED") << "\n";
        if (!ok) status = kExitFailed;
    }
    return status;
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) {
        std::cout << kUsageText;
        return kExitOk;
    }
    if (!args.empty() && args[0] == "--check") {
        if (args.size() < 2) return UsageError("--check needs at least one file");
        return Check(std::vector<std::string>(args.begin() + 1, args.end()));
    }

    std::string file;
    std::string finalName;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--name") {
            if (i + 1 >= args.size()) return UsageError("--name needs a file name");
            finalName = PathFileName(args[++i]);
            if (finalName.empty()) return UsageError("--name needs a file name, not a folder");
        } else if (args[i].rfind("--", 0) == 0) {
            return UsageError("unknown option " + args[i]);
        } else if (file.empty()) {
            file = args[i];
        } else {
            return UsageError("one file at a time");
        }
    }
    if (file.empty()) return UsageError("no file given");
    if (finalName.empty()) finalName = PathFileName(file);
    if (finalName.empty()) return UsageError(file + " names a folder, not a file");
    return Protect(file, finalName);
}
