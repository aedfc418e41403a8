#include "app/inputfile.h"

#include <sys/stat.h>

#include "app/stop.h"

std::string InputFileProblem(const std::string& path) {
    struct stat st {};
    if (stat(path.c_str(), &st) != 0) return std::string();
    if (!S_ISREG(st.st_mode)) {
        return "ERROR: " + path +
               " is not a regular file (a folder, device or pipe); Tarvex reads only regular "
               "files\n";
    }
    if (static_cast<std::uintmax_t>(st.st_size) > kInputFileLimit) {
        return "ERROR: " + path + " holds " + std::to_string(st.st_size) +
               " bytes; Tarvex reads files of at most 64 MB (" + std::to_string(kInputFileLimit) +
               " bytes)\n";
    }
    return std::string();
}

void RefuseUnfitInput(const std::string& path) {
    const std::string problem = InputFileProblem(path);
    if (!problem.empty()) StopRunOnErrorStream("\n" + problem);
}
