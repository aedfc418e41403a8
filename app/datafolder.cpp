#include "app/datafolder.h"

#include <unistd.h>

#include <filesystem>
#include <system_error>

#ifndef TARVEX_INSTALLED_DATA_DIR
#define TARVEX_INSTALLED_DATA_DIR ""
#endif

namespace {

bool HoldsData(const std::filesystem::path& folder) {
    std::error_code ec;
    return std::filesystem::is_regular_file(folder / "csv" / "Tarvex.csv", ec);
}

std::string WithSlash(const std::filesystem::path& folder) {
    std::string s = folder.string();
    if (!s.empty() && s.back() != '/') s += '/';
    return s;
}

}  // namespace

std::string FindDataFolder() {
    if (HoldsData(".")) return "";
    std::error_code ec;
    const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (!ec) {
        const std::filesystem::path dir = exe.parent_path();
        if (HoldsData(dir)) return WithSlash(dir);
        // An installed program: <prefix>/bin/tarvex with <prefix>/share/tarvex.
        const std::filesystem::path share = dir.parent_path() / "share" / "tarvex";
        if (HoldsData(share)) return WithSlash(share);
    }
    const std::filesystem::path installed = TARVEX_INSTALLED_DATA_DIR;
    if (!installed.empty() && HoldsData(installed)) return WithSlash(installed);
    return "";
}
