// One libFuzzer target: the entry named by TARVEX_FUZZ_ENTRY.
#include <cstdio>
#include <cstdlib>

#include "fuzz/entries.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const FuzzEntry* entry = FindFuzzEntry(TARVEX_FUZZ_ENTRY);
    if (entry == nullptr) {
        std::fprintf(stderr, "no fuzz entry %s\n", TARVEX_FUZZ_ENTRY);
        std::abort();
    }
    entry->run(data, size);
    return 0;
}
