#include "library/md5.h"

#include <cstring>
#include <iostream>

namespace {

constexpr std::size_t kBlockSize = 1024;

inline std::uint32_t RotateLeft(std::uint32_t x, int n) {
    return (x << n) | (x >> (32 - n));
}

inline std::uint32_t F(std::uint32_t x, std::uint32_t y, std::uint32_t z) {
    return (x & y) | (~x & z);
}
inline std::uint32_t G(std::uint32_t x, std::uint32_t y, std::uint32_t z) {
    return (x & z) | (y & ~z);
}
inline std::uint32_t H(std::uint32_t x, std::uint32_t y, std::uint32_t z) {
    return x ^ y ^ z;
}
inline std::uint32_t I(std::uint32_t x, std::uint32_t y, std::uint32_t z) {
    return y ^ (x | ~z);
}

// Per-step shift amounts and additive constants (floor(abs(sin(i + 1)) * 2^32)).
constexpr int kShift[64] = {7, 12, 17, 22, 7, 12, 17, 22, 7, 12, 17, 22, 7, 12, 17, 22,
                            5, 9,  14, 20, 5, 9,  14, 20, 5, 9,  14, 20, 5, 9,  14, 20,
                            4, 11, 16, 23, 4, 11, 16, 23, 4, 11, 16, 23, 4, 11, 16, 23,
                            6, 10, 15, 21, 6, 10, 15, 21, 6, 10, 15, 21, 6, 10, 15, 21};

constexpr std::uint32_t kSine[64] = {
    0xd76aa478, 0xe8c7b756, 0x242070db, 0xc1bdceee, 0xf57c0faf, 0x4787c62a, 0xa8304613, 0xfd469501,
    0x698098d8, 0x8b44f7af, 0xffff5bb1, 0x895cd7be, 0x6b901122, 0xfd987193, 0xa679438e, 0x49b40821,
    0xf61e2562, 0xc040b340, 0x265e5a51, 0xe9b6c7aa, 0xd62f105d, 0x02441453, 0xd8a1e681, 0xe7d3fbc8,
    0x21e1cde6, 0xc33707d6, 0xf4d50d87, 0x455a14ed, 0xa9e3e905, 0xfcefa3f8, 0x676f02d9, 0x8d2a4c8a,
    0xfffa3942, 0x8771f681, 0x6d9d6122, 0xfde5380c, 0xa4beea44, 0x4bdecfa9, 0xf6bb4b60, 0xbebfbc70,
    0x289b7ec6, 0xeaa127fa, 0xd4ef3085, 0x04881d05, 0xd9d4d039, 0xe6db99e5, 0x1fa27cf8, 0xc4ac5665,
    0xf4292244, 0x432aff97, 0xab9423a7, 0xfc93a039, 0x655b59c3, 0x8f0ccc92, 0xffeff47d, 0x85845dd1,
    0x6fa87e4f, 0xfe2ce6e0, 0xa3014314, 0x4e0811a1, 0xf7537e82, 0xbd3af235, 0x2ad7d2bb, 0xeb86d391};

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
    static const char kHex[] = "0123456789abcdef";
    std::string hex(32, '0');
    for (int i = 0; i < 16; ++i) {
        hex[2 * i] = kHex[digest_[i] >> 4];
        hex[2 * i + 1] = kHex[digest_[i] & 0x0f];
    }
    return hex;
}

std::ostream& operator<<(std::ostream& out, const MD5& md5) {
    return out << md5.hex_digest();
}

void MD5::transform(const unsigned char block[64]) {
    std::uint32_t x[16];
    for (int i = 0; i < 16; ++i) {
        x[i] = static_cast<std::uint32_t>(block[4 * i]) |
               (static_cast<std::uint32_t>(block[4 * i + 1]) << 8) |
               (static_cast<std::uint32_t>(block[4 * i + 2]) << 16) |
               (static_cast<std::uint32_t>(block[4 * i + 3]) << 24);
    }

    std::uint32_t a = state_[0], b = state_[1], c = state_[2], d = state_[3];
    for (int i = 0; i < 64; ++i) {
        std::uint32_t f = 0;
        int g = 0;
        switch (i / 16) {
            case 0:
                f = F(b, c, d);
                g = i;
                break;
            case 1:
                f = G(b, c, d);
                g = (5 * i + 1) % 16;
                break;
            case 2:
                f = H(b, c, d);
                g = (3 * i + 5) % 16;
                break;
            default:
                f = I(b, c, d);
                g = (7 * i) % 16;
                break;
        }
        const std::uint32_t next = b + RotateLeft(a + f + kSine[i] + x[g], kShift[i]);
        a = d;
        d = c;
        c = b;
        b = next;
    }

    state_[0] += a;
    state_[1] += b;
    state_[2] += c;
    state_[3] += d;
    std::memset(x, 0, sizeof x);
}
