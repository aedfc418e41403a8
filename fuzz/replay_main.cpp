// Feeds every file of the given folders to one fuzz entry, as the fuzz target
// would: the seed corpus and the crash reproducers of a target, replayed by
// every ordinary build so that a fixed crash stays fixed.
//
// An input that takes longer than the fuzzers' own timeout (1 s) fails the
// replay too: the fuzzers would report it as a hang.
//
//   tarvex-fuzz-replay ENTRY FOLDER...
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "fuzz/entries.h"

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s ENTRY FOLDER...\n", argv[0]);
        return 2;
    }
    const FuzzEntry* entry = FindFuzzEntry(argv[1]);
    if (entry == nullptr) {
        std::fprintf(stderr, "no fuzz entry %s\n", argv[1]);
        return 2;
    }
    std::vector<std::filesystem::path> files;
    for (int i = 2; i < argc; ++i) {
        if (!std::filesystem::is_directory(argv[i])) continue;  // no reproducers yet
        for (const auto& e : std::filesystem::directory_iterator(argv[i]))
            if (e.is_regular_file()) files.push_back(e.path());
    }
    std::sort(files.begin(), files.end());
    constexpr double kTimeoutSeconds = 1.0;
    double slowest = 0;
    std::vector<std::string> tooSlow;
    for (const auto& file : files) {
        std::ifstream in(file, std::ios::binary);
        const std::string bytes{std::istreambuf_iterator<char>(in),
                                std::istreambuf_iterator<char>()};
        std::fprintf(stderr, "%s\n", file.string().c_str());
        const auto start = std::chrono::steady_clock::now();
        entry->run(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
        const double seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        slowest = std::max(slowest, seconds);
        if (seconds > kTimeoutSeconds) tooSlow.push_back(file.string());
    }
    std::fprintf(stderr, "%s: %zu files replayed, the slowest in %.3f s\n", argv[1], files.size(),
                 slowest);
    for (const std::string& file : tooSlow)
        std::fprintf(stderr, "%s took more than %.0f s, the fuzzers' timeout\n", file.c_str(),
                     kTimeoutSeconds);
    return files.empty() || !tooSlow.empty() ? 1 : 0;
}
