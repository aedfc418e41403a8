#include "app/datafolder.h"

#include <unistd.h>

#include <filesystem>
#include <system_error>

#include "app/stop.h"

#ifndef TARVEX_INSTALLED_DATA_DIR
#define TARVEX_INSTALLED_DATA_DIR ""
#endif

namespace fs = std::filesystem;

namespace {

bool HoldsData(const fs::path& folder) {
    std::error_code ec;
    return fs::is_directory(folder / "csv", ec) || fs::is_directory(folder / "KORULib", ec);
}

std::string WithSlash(const fs::path& folder) {
    std::string s = folder.string();
    if (!s.empty() && s.back() != '/') s += '/';
    return s;
}

}  // namespace

DataPlace FindDataPlace() {
    DataPlace place;
    std::error_code ec;
    const fs::path cwd = fs::current_path(ec);
    place.tried.push_back(ec ? std::string(".") : cwd.string());
    if (HoldsData(".")) {
        place.found = true;
        return place;
    }
    std::vector<fs::path> others;
    const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    if (!ec) {
        others.push_back(exe.parent_path());
        // An installed program: <prefix>/bin/tarvex with <prefix>/share/tarvex.
        others.push_back(exe.parent_path().parent_path() / "share" / "tarvex");
    }
    const fs::path installed = TARVEX_INSTALLED_DATA_DIR;
    if (!installed.empty()) others.push_back(installed);
    for (const fs::path& dir : others) {
        const std::string shown = dir.lexically_normal().string();
        bool seen = false;
        for (const std::string& t : place.tried) seen = seen || t == shown;
        if (seen) continue;
        place.tried.push_back(shown);
        if (HoldsData(dir)) {
            place.found = true;
            place.folder = WithSlash(dir);
            return place;
        }
    }
    return place;
}

std::string FindDataFolder() {
    const DataPlace place = FindDataPlace();
    if (!place.found) {
        std::string message =
            "\nERROR: No data folder found. Tarvex needs csv/Tarvex.csv and KORULib/ and looked "
            "for them in:\n";
        for (const std::string& t : place.tried) message += "  " + t + "\n";
        StopRunOnErrorStream(message);
    }
    return place.folder;
}
