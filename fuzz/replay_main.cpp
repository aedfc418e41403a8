// Feeds every file of the given folders to one fuzz entry, as the fuzz target
// would: the seed corpus and the crash reproducers of a target, replayed by
// every ordinary build so that a fixed crash stays fixed.
//
//   tarvex-fuzz-replay ENTRY FOLDER...
#include <algorithm>
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
    for (const auto& file : files) {
        std::ifstream in(file, std::ios::binary);
        const std::string bytes{std::istreambuf_iterator<char>(in),
                                std::istreambuf_iterator<char>()};
        std::fprintf(stderr, "%s\n", file.string().c_str());
        entry->run(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
    }
    std::fprintf(stderr, "%s: %zu files replayed\n", argv[1], files.size());
    return files.empty() ? 1 : 0;
}
