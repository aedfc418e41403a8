#include "tests/library/external.h"

#include <unistd.h>

#include <cstdlib>
#include <random>
#include <sstream>

std::string FindProgram(const std::string& name) {
    const char* path = std::getenv("PATH");
    std::istringstream dirs(path != nullptr ? path : "/usr/bin:/bin");
    std::string dir;
    while (std::getline(dirs, dir, ':')) {
        if (dir.empty()) continue;
        const std::string candidate = dir + "/" + name;
        if (access(candidate.c_str(), X_OK) == 0) return candidate;
    }
    return std::string();
}

std::string RandomBytes(std::size_t length, unsigned seed) {
    std::mt19937 gen(seed);
    std::uniform_int_distribution<int> byte(0, 255);
    std::string bytes(length, '\0');
    for (auto& b : bytes) b = static_cast<char>(byte(gen));
    return bytes;
}
