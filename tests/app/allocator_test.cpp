// The program's allocator, linked into this test as into the program: every
// allocation of the test framework goes through it too.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <limits>
#include <map>
#include <memory>
#include <new>
#include <random>
#include <string>
#include <vector>

#if defined(__SANITIZE_ADDRESS__)
#define TARVEX_SANITIZED
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define TARVEX_SANITIZED
#endif
#endif

namespace {

bool Aligned(const void* p, std::size_t alignment) {
    return reinterpret_cast<std::uintptr_t>(p) % alignment == 0;
}

// Blocks of every small size and beyond the largest class are aligned,
// distinct and keep their bytes until freed, in any order of freeing.
TEST(Allocator, BlocksKeepTheirBytesWhateverTheOrderOfFreeing) {
    std::mt19937 random(5);
    for (int round = 0; round < 3; ++round) {
        std::vector<std::pair<unsigned char*, std::size_t>> blocks;
        for (std::size_t size = 0; size <= 1100; ++size) {
            // Every third block is an array, given back as one.
            auto* p = static_cast<unsigned char*>(size % 3 == 2 ? ::operator new[](size)
                                                                : ::operator new(size));
            ASSERT_TRUE(Aligned(p, alignof(std::max_align_t))) << size;
            std::memset(p, static_cast<int>(size & 0xff), size);
            blocks.emplace_back(p, size);
        }
        std::shuffle(blocks.begin(), blocks.end(), random);
        for (std::size_t i = 0; i < blocks.size(); ++i) {
            const auto [p, size] = blocks[i];
            for (std::size_t j = 0; j < size; ++j)
                ASSERT_EQ(p[j], static_cast<unsigned char>(size & 0xff)) << size;
            // Sized, unsized and array forms all give the block back.
            if (size % 3 == 0)
                ::operator delete(p, size);
            else if (size % 3 == 1)
                ::operator delete(p);
            else
                ::operator delete[](p);
        }
    }
}

TEST(Allocator, FreedBlocksAreHandedOutAgain) {
    void* first = ::operator new(40);
    ::operator delete(first);
    void* second = ::operator new(33);  // the same size class
    void* third = ::operator new(40);
    EXPECT_NE(second, third);
    ::operator delete(second);
    ::operator delete(third);
}

TEST(Allocator, OverAlignedAndFailingRequests) {
    struct alignas(256) Wide {
        char bytes[300];
    };
    auto wide = std::make_unique<Wide[]>(3);
    EXPECT_TRUE(Aligned(wide.get(), 256));
    void* p = ::operator new(10, std::align_val_t(64));
    EXPECT_TRUE(Aligned(p, 64));
    ::operator delete(p, std::align_val_t(64));

#ifndef TARVEX_SANITIZED
    // A size near the largest must not wrap round into a small block. (A
    // sanitizer build has the sanitizer's allocator, which stops the process
    // on such a size instead.)
    // Read at run time: the compiler refuses such a size when it sees it.
    volatile std::size_t hugeSize = std::numeric_limits<std::size_t>::max() - 8;
    const std::size_t huge = hugeSize;
    EXPECT_THROW(static_cast<void>(::operator new(huge)), std::bad_alloc);
    EXPECT_EQ(::operator new(huge, std::nothrow), nullptr);
    EXPECT_EQ(::operator new[](huge, std::nothrow), nullptr);
#endif
}

TEST(Allocator, ContainersWork) {
    std::map<std::string, std::vector<std::string>> index;
    for (int i = 0; i < 20000; ++i)
        index["key number " + std::to_string(i % 997)].push_back(std::string(i % 70, 'x'));
    std::size_t total = 0;
    for (const auto& [key, values] : index) total += values.size();
    EXPECT_EQ(total, 20000u);
}

}  // namespace
