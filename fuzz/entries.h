#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// The readers that take bytes from outside, each fed one byte string as the
// file it reads. The libFuzzer targets (clang, -DTARVEX_FUZZ=ON) and the replay
// test of every ordinary build call the same entries, so a crash found once
// and kept in fuzz/crashes/<target>/ stays fixed.
//
// An entry never ends the process: the run's ends (a refused file, an input
// with errors) come back as an ordinary return. Its files go to a private
// work folder.

struct FuzzEntry {
    const char* name;  // also the folder of its corpus: fuzz/corpus/<name>/
    void (*run)(const std::uint8_t* data, std::size_t size);
};

// Every entry, in a fixed order. A new reader joins with one function in
// entries.cpp, a line in this list, its name in fuzz/CMakeLists.txt and a seed
// corpus folder.
const std::vector<FuzzEntry>& FuzzEntries();
// The entry of that name, or nullptr.
const FuzzEntry* FindFuzzEntry(const std::string& name);
