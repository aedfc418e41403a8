// The program's C++ allocations, linked into the tarvex executable only.
//
// A run makes some 8,000 small allocations (texts, keyword nodes, lines) and
// ends the process soon after; the C library's general allocator spends more
// on them than libharu spends on a page. Small blocks are carved here from
// large pieces and kept on one free list per size, so that a block freed is
// the next one handed out of its size. Pieces go back to the system when the
// process ends.
//
// Every block carries a 16-byte header with its size class, which keeps the
// alignment of operator new and lets an unsized delete find its list. Blocks
// above the largest class, and over-aligned ones, come from malloc. The lists
// are per thread: a block freed by another thread joins that thread's lists.
// Sanitizer builds keep the library's allocator, which they check.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <new>

#if defined(__SANITIZE_ADDRESS__)
#define TARVEX_OWN_ALLOCATOR 0
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define TARVEX_OWN_ALLOCATOR 0
#endif
#endif
#ifndef TARVEX_OWN_ALLOCATOR
#define TARVEX_OWN_ALLOCATOR 1
#endif

#if TARVEX_OWN_ALLOCATOR

namespace {

constexpr std::size_t kGrain = 16;    // header size and block granularity
constexpr std::size_t kClasses = 32;  // classes of 16, 32, ... 512 bytes
constexpr std::size_t kPiece = 256 * 1024;
constexpr std::uint32_t kFromMalloc = 0;

struct alignas(kGrain) Header {
    std::uint32_t sizeClass;
};
static_assert(sizeof(Header) == kGrain, "the header keeps blocks 16-byte aligned");

struct FreeBlock {
    FreeBlock* next;
};

// Zero-initialised, so usable by the allocations of static initialisers.
thread_local FreeBlock* t_free[kClasses + 1];
thread_local char* t_piece;
thread_local std::size_t t_left;

void* Allocate(std::size_t size) noexcept {
    if (size > kClasses * kGrain) {
        if (size > SIZE_MAX - kGrain) return nullptr;
        auto* header = static_cast<Header*>(std::malloc(size + kGrain));
        if (header == nullptr) return nullptr;
        header->sizeClass = kFromMalloc;
        return header + 1;
    }
    const std::size_t sizeClass = size == 0 ? 1 : (size + kGrain - 1) / kGrain;
    if (FreeBlock* block = t_free[sizeClass]) {
        t_free[sizeClass] = block->next;
        return block;
    }
    const std::size_t bytes = (sizeClass + 1) * kGrain;  // the header and the block
    if (t_left < bytes) {
        // The rest of the old piece is left unused: at most 527 bytes.
        auto* piece = static_cast<char*>(std::malloc(kPiece));
        if (piece == nullptr) return nullptr;
        t_piece = piece;
        t_left = kPiece;
    }
    auto* header = reinterpret_cast<Header*>(t_piece);
    t_piece += bytes;
    t_left -= bytes;
    header->sizeClass = static_cast<std::uint32_t>(sizeClass);
    return header + 1;
}

void Release(void* block) noexcept {
    if (block == nullptr) return;
    Header* header = static_cast<Header*>(block) - 1;
    const std::uint32_t sizeClass = header->sizeClass;
    if (sizeClass == kFromMalloc) {
        std::free(header);
        return;
    }
    auto* freed = static_cast<FreeBlock*>(block);
    freed->next = t_free[sizeClass];
    t_free[sizeClass] = freed;
}

void* AllocateOrThrow(std::size_t size) {
    for (;;) {
        if (void* block = Allocate(size)) return block;
        std::new_handler handler = std::get_new_handler();
        if (handler == nullptr) throw std::bad_alloc();
        handler();
    }
}

void* AllocateAligned(std::size_t size, std::align_val_t align) noexcept {
    const auto alignment = static_cast<std::size_t>(align);
    // aligned_alloc wants a size that is a multiple of the alignment.
    const std::size_t rounded = (size + alignment - 1) / alignment * alignment;
    return std::aligned_alloc(alignment, rounded == 0 ? alignment : rounded);
}

void* AllocateAlignedOrThrow(std::size_t size, std::align_val_t align) {
    for (;;) {
        if (void* block = AllocateAligned(size, align)) return block;
        std::new_handler handler = std::get_new_handler();
        if (handler == nullptr) throw std::bad_alloc();
        handler();
    }
}

}  // namespace

void* operator new(std::size_t size) {
    return AllocateOrThrow(size);
}
void* operator new[](std::size_t size) {
    return AllocateOrThrow(size);
}
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
    try {
        return AllocateOrThrow(size);
    } catch (...) {
        return nullptr;
    }
}
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
    try {
        return AllocateOrThrow(size);
    } catch (...) {
        return nullptr;
    }
}
void operator delete(void* block) noexcept {
    Release(block);
}
void operator delete[](void* block) noexcept {
    Release(block);
}
void operator delete(void* block, std::size_t) noexcept {
    Release(block);
}
void operator delete[](void* block, std::size_t) noexcept {
    Release(block);
}
void operator delete(void* block, const std::nothrow_t&) noexcept {
    Release(block);
}
void operator delete[](void* block, const std::nothrow_t&) noexcept {
    Release(block);
}

void* operator new(std::size_t size, std::align_val_t align) {
    return AllocateAlignedOrThrow(size, align);
}
void* operator new[](std::size_t size, std::align_val_t align) {
    return AllocateAlignedOrThrow(size, align);
}
void* operator new(std::size_t size, std::align_val_t align, const std::nothrow_t&) noexcept {
    try {
        return AllocateAlignedOrThrow(size, align);
    } catch (...) {
        return nullptr;
    }
}
void* operator new[](std::size_t size, std::align_val_t align, const std::nothrow_t&) noexcept {
    try {
        return AllocateAlignedOrThrow(size, align);
    } catch (...) {
        return nullptr;
    }
}
void operator delete(void* block, std::align_val_t) noexcept {
    std::free(block);
}
void operator delete[](void* block, std::align_val_t) noexcept {
    std::free(block);
}
void operator delete(void* block, std::size_t, std::align_val_t) noexcept {
    std::free(block);
}
void operator delete[](void* block, std::size_t, std::align_val_t) noexcept {
    std::free(block);
}
void operator delete(void* block, std::align_val_t, const std::nothrow_t&) noexcept {
    std::free(block);
}
void operator delete[](void* block, std::align_val_t, const std::nothrow_t&) noexcept {
    std::free(block);
}

#endif  // TARVEX_OWN_ALLOCATOR
