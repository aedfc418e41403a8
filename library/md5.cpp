#include "library/md5.h"

#include <cstring>
#include <iostream>

namespace {

constexpr std::size_t kBlockSize = 1024;

inline std::uint32_t RotateLeft(std::uint32_t x, int n) {
    return (x << n) | (x >> (32 - n));
}

inline std::uint32_t F(std::uint32_t x, std::uint32_t y, std::uint32_t z) {
    return z ^ (x & (y ^ z));  // (x & y) | (~x & z)
}
inline std::uint32_t G(std::uint32_t x, std::uint32_t y, std::uint32_t z) {
    return y ^ (z & (x ^ y));  // (x & z) | (y & ~z)
}
inline std::uint32_t H(std::uint32_t x, std::uint32_t y, std::uint32_t z) {
    return x ^ y ^ z;
}
inline std::uint32_t I(std::uint32_t x, std::uint32_t y, std::uint32_t z) {
    return y ^ (x | ~z);
}

// One step: a = b + ((a + f(b, c, d) + word + constant) <<< shift).
template <std::uint32_t (*f)(std::uint32_t, std::uint32_t, std::uint32_t)>
inline void Step(std::uint32_t& a, std::uint32_t b, std::uint32_t c, std::uint32_t d,
                 std::uint32_t word, std::uint32_t constant, int shift) {
    a = b + RotateLeft(a + f(b, c, d) + word + constant, shift);
}

void Encode(unsigned char* out, const std::uint32_t* in, std::size_t words) {
    for (std::size_t i = 0; i < words; ++i) {
        out[4 * i] = static_cast<unsigned char>(in[i] & 0xff);
        out[4 * i + 1] = static_cast<unsigned char>((in[i] >> 8) & 0xff);
        out[4 * i + 2] = static_cast<unsigned char>((in[i] >> 16) & 0xff);
        out[4 * i + 3] = static_cast<unsigned char>((in[i] >> 24) & 0xff);
    }
}

void ReportNotFinalized(const char* operation) {
    std::cerr << "MD5::" << operation << ":  Can't get digest if you haven't "
              << "finalized the digest!" << std::endl;
}

}  // namespace

MD5::MD5() {
    state_[0] = 0x67452301;
    state_[1] = 0xefcdab89;
    state_[2] = 0x98badcfe;
    state_[3] = 0x10325476;
    count_[0] = count_[1] = 0;
    std::memset(buffer_, 0, sizeof buffer_);
    std::memset(digest_, 0, sizeof digest_);
}

MD5::MD5(std::FILE* file) : MD5() {
    update(file);
    finalize();
}

MD5::MD5(std::istream& stream) : MD5() {
    update(stream);
    finalize();
}

MD5::MD5(std::ifstream& stream) : MD5() {
    update(stream);
    finalize();
}

void MD5::update(const unsigned char* bytes, std::size_t length) {
    if (finalized) {
        std::cerr << "MD5::update:  Can't update a finalized digest!" << std::endl;
        return;
    }
    if (length == 0) return;

    std::size_t index = (count_[0] >> 3) & 0x3f;
    // The bit count is 64 bits wide, kept as two words; lengths beyond 2^29
    // bytes carry into the high word.
    const std::uint64_t bits = ((static_cast<std::uint64_t>(count_[1]) << 32) | count_[0]) +
                               (static_cast<std::uint64_t>(length) << 3);
    count_[0] = static_cast<std::uint32_t>(bits);
    count_[1] = static_cast<std::uint32_t>(bits >> 32);

    const std::size_t room = 64 - index;
    std::size_t i = 0;
    if (length >= room) {
        std::memcpy(buffer_ + index, bytes, room);
        transform(buffer_);
        for (i = room; i + 63 < length; i += 64) transform(bytes + i);
        index = 0;
    }
    std::memcpy(buffer_ + index, bytes + i, length - i);
}

void MD5::update(std::FILE* file) {
    if (file == nullptr) return;
    if (finalized) {
        std::cerr << "MD5::update:  Can't update a finalized digest!" << std::endl;
    } else {
        unsigned char block[kBlockSize];
        std::size_t got = 0;
        while ((got = std::fread(block, 1, kBlockSize, file)) > 0) update(block, got);
    }
    std::fclose(file);
}

void MD5::update(const unsigned char* bytes, std::size_t length, std::FILE* file) {
    update(bytes, length);
    update(file);
}

void MD5::update(std::istream& stream) {
    if (finalized) {
        std::cerr << "MD5::update:  Can't update a finalized digest!" << std::endl;
        return;
    }
    char block[kBlockSize];
    while (stream) {
        stream.read(block, kBlockSize);
        const std::streamsize got = stream.gcount();
        if (got <= 0) break;
        update(reinterpret_cast<const unsigned char*>(block), static_cast<std::size_t>(got));
    }
}

void MD5::update(std::ifstream& stream) {
    update(static_cast<std::istream&>(stream));
}

void MD5::finalize() {
    if (finalized) {
        std::cerr << "MD5::finalize:  Already finalized this digest!" << std::endl;
        return;
    }
    static const unsigned char kPadding[64] = {0x80};

    unsigned char bits[8];
    Encode(bits, count_, 2);

    // Pad to 56 bytes mod 64, then append the original length in bits.
    const std::size_t index = (count_[0] >> 3) & 0x3f;
    const std::size_t padLength = index < 56 ? 56 - index : 120 - index;
    update(kPadding, padLength);
    update(bits, 8);

    Encode(digest_, state_, 4);
    std::memset(buffer_, 0, sizeof buffer_);
    finalized = true;
}

std::string MD5::raw_digest() const {
    if (!finalized) {
        ReportNotFinalized("raw_digest");
        return std::string();
    }
    return std::string(reinterpret_cast<const char*>(digest_), sizeof digest_);
}

std::string MD5::hex_digest() const {
    if (!finalized) {
        ReportNotFinalized("hex_digest");
        return std::string();
    }
    std::string hex(32, '0');
    hex_digest(hex.data());
    return hex;
}

void MD5::hex_digest(char out[32]) const {
    if (!finalized) {
        ReportNotFinalized("hex_digest");
        return;
    }
    static const char kHex[] = "0123456789abcdef";
    for (int i = 0; i < 16; ++i) {
        out[2 * i] = kHex[digest_[i] >> 4];
        out[2 * i + 1] = kHex[digest_[i] & 0x0f];
    }
}

std::ostream& operator<<(std::ostream& out, const MD5& md5) {
    return out << md5.hex_digest();
}

void MD5::transform(const unsigned char block[64]) {
    std::uint32_t x[16];
#if defined(__BYTE_ORDER__) && __BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__
    // The words are little-endian, as this machine's: one copy loads them.
    std::memcpy(x, block, sizeof x);
#else
    for (int i = 0; i < 16; ++i) {
        x[i] = static_cast<std::uint32_t>(block[4 * i]) |
               (static_cast<std::uint32_t>(block[4 * i + 1]) << 8) |
               (static_cast<std::uint32_t>(block[4 * i + 2]) << 16) |
               (static_cast<std::uint32_t>(block[4 * i + 3]) << 24);
    }
#endif

    std::uint32_t a = state_[0], b = state_[1], c = state_[2], d = state_[3];

    // The 64 steps written out: each step's function, word, constant and
    // shift are fixed, so the compiler keeps everything in registers.
    Step<F>(a, b, c, d, x[0], 0xd76aa478, 7);
    Step<F>(d, a, b, c, x[1], 0xe8c7b756, 12);
    Step<F>(c, d, a, b, x[2], 0x242070db, 17);
    Step<F>(b, c, d, a, x[3], 0xc1bdceee, 22);
    Step<F>(a, b, c, d, x[4], 0xf57c0faf, 7);
    Step<F>(d, a, b, c, x[5], 0x4787c62a, 12);
    Step<F>(c, d, a, b, x[6], 0xa8304613, 17);
    Step<F>(b, c, d, a, x[7], 0xfd469501, 22);
    Step<F>(a, b, c, d, x[8], 0x698098d8, 7);
    Step<F>(d, a, b, c, x[9], 0x8b44f7af, 12);
    Step<F>(c, d, a, b, x[10], 0xffff5bb1, 17);
    Step<F>(b, c, d, a, x[11], 0x895cd7be, 22);
    Step<F>(a, b, c, d, x[12], 0x6b901122, 7);
    Step<F>(d, a, b, c, x[13], 0xfd987193, 12);
    Step<F>(c, d, a, b, x[14], 0xa679438e, 17);
    Step<F>(b, c, d, a, x[15], 0x49b40821, 22);

    Step<G>(a, b, c, d, x[1], 0xf61e2562, 5);
    Step<G>(d, a, b, c, x[6], 0xc040b340, 9);
    Step<G>(c, d, a, b, x[11], 0x265e5a51, 14);
    Step<G>(b, c, d, a, x[0], 0xe9b6c7aa, 20);
    Step<G>(a, b, c, d, x[5], 0xd62f105d, 5);
    Step<G>(d, a, b, c, x[10], 0x02441453, 9);
    Step<G>(c, d, a, b, x[15], 0xd8a1e681, 14);
    Step<G>(b, c, d, a, x[4], 0xe7d3fbc8, 20);
    Step<G>(a, b, c, d, x[9], 0x21e1cde6, 5);
    Step<G>(d, a, b, c, x[14], 0xc33707d6, 9);
    Step<G>(c, d, a, b, x[3], 0xf4d50d87, 14);
    Step<G>(b, c, d, a, x[8], 0x455a14ed, 20);
    Step<G>(a, b, c, d, x[13], 0xa9e3e905, 5);
    Step<G>(d, a, b, c, x[2], 0xfcefa3f8, 9);
    Step<G>(c, d, a, b, x[7], 0x676f02d9, 14);
    Step<G>(b, c, d, a, x[12], 0x8d2a4c8a, 20);

    Step<H>(a, b, c, d, x[5], 0xfffa3942, 4);
    Step<H>(d, a, b, c, x[8], 0x8771f681, 11);
    Step<H>(c, d, a, b, x[11], 0x6d9d6122, 16);
    Step<H>(b, c, d, a, x[14], 0xfde5380c, 23);
    Step<H>(a, b, c, d, x[1], 0xa4beea44, 4);
    Step<H>(d, a, b, c, x[4], 0x4bdecfa9, 11);
    Step<H>(c, d, a, b, x[7], 0xf6bb4b60, 16);
    Step<H>(b, c, d, a, x[10], 0xbebfbc70, 23);
    Step<H>(a, b, c, d, x[13], 0x289b7ec6, 4);
    Step<H>(d, a, b, c, x[0], 0xeaa127fa, 11);
    Step<H>(c, d, a, b, x[3], 0xd4ef3085, 16);
    Step<H>(b, c, d, a, x[6], 0x04881d05, 23);
    Step<H>(a, b, c, d, x[9], 0xd9d4d039, 4);
    Step<H>(d, a, b, c, x[12], 0xe6db99e5, 11);
    Step<H>(c, d, a, b, x[15], 0x1fa27cf8, 16);
    Step<H>(b, c, d, a, x[2], 0xc4ac5665, 23);

    Step<I>(a, b, c, d, x[0], 0xf4292244, 6);
    Step<I>(d, a, b, c, x[7], 0x432aff97, 10);
    Step<I>(c, d, a, b, x[14], 0xab9423a7, 15);
    Step<I>(b, c, d, a, x[5], 0xfc93a039, 21);
    Step<I>(a, b, c, d, x[12], 0x655b59c3, 6);
    Step<I>(d, a, b, c, x[3], 0x8f0ccc92, 10);
    Step<I>(c, d, a, b, x[10], 0xffeff47d, 15);
    Step<I>(b, c, d, a, x[1], 0x85845dd1, 21);
    Step<I>(a, b, c, d, x[8], 0x6fa87e4f, 6);
    Step<I>(d, a, b, c, x[15], 0xfe2ce6e0, 10);
    Step<I>(c, d, a, b, x[6], 0xa3014314, 15);
    Step<I>(b, c, d, a, x[13], 0x4e0811a1, 21);
    Step<I>(a, b, c, d, x[4], 0xf7537e82, 6);
    Step<I>(d, a, b, c, x[11], 0xbd3af235, 10);
    Step<I>(c, d, a, b, x[2], 0x2ad7d2bb, 15);
    Step<I>(b, c, d, a, x[9], 0xeb86d391, 21);

    state_[0] += a;
    state_[1] += b;
    state_[2] += c;
    state_[3] += d;
}
