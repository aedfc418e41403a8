#include "library/b64.h"

#include <cstdint>
#include <cstring>

#include "app/atomicfile.h"

namespace {

constexpr char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
constexpr std::size_t kGroupsPerLine = 19;

// Value of each byte as an alphabet character, -1 for anything else.
struct SextetTable {
    signed char value[256];
    constexpr SextetTable() : value() {
        for (int i = 0; i < 256; ++i) value[i] = -1;
        for (int i = 0; i < 64; ++i)
            value[static_cast<unsigned char>(kAlphabet[i])] = static_cast<signed char>(i);
    }
};
constexpr SextetTable kSextet;

// The two alphabet characters of every 12-bit value: three bytes are two
// lookups.
struct PairTable {
    char pair[4096][2];
    constexpr PairTable() : pair() {
        for (int v = 0; v < 4096; ++v) {
            pair[v][0] = kAlphabet[v >> 6];
            pair[v][1] = kAlphabet[v & 0x3f];
        }
    }
};
constexpr PairTable kPairs;

}  // namespace

std::string B64::b64encode(const unsigned char* bytes, std::size_t length) {
    // Lines of 19 groups, each ended; a last, shorter line is ended only when
    // the input's length is not a multiple of three. Each line is made in a
    // small buffer and added to a text reserved at its final size.
    const std::size_t groups = (length + 2) / 3;
    const std::size_t tail = groups % kGroupsPerLine;
    std::string out;
    out.reserve(groups * 4 + groups / kGroupsPerLine + (tail > 0 && length % 3 != 0 ? 1 : 0));
    char line[kGroupsPerLine * 4 + 1];
    std::size_t i = 0;
    while (i + 3 <= length) {
        char* o = line;
        for (std::size_t g = 0; g < kGroupsPerLine && i + 3 <= length; ++g, i += 3, o += 4) {
            const unsigned v = (static_cast<unsigned>(bytes[i]) << 16) |
                               (static_cast<unsigned>(bytes[i + 1]) << 8) | bytes[i + 2];
            std::memcpy(o, kPairs.pair[v >> 12], 2);
            std::memcpy(o + 2, kPairs.pair[v & 0xfff], 2);
        }
        // A full line is ended; a shorter one only if a partial group follows.
        if (o == line + kGroupsPerLine * 4) *o++ = '\n';
        out.append(line, static_cast<std::size_t>(o - line));
    }
    if (i < length) {
        const unsigned b0 = bytes[i];
        const unsigned b1 = i + 1 < length ? bytes[i + 1] : 0;
        // Whether or not it fills its line, a partial group ends one.
        const char last[5] = {kAlphabet[b0 >> 2], kAlphabet[((b0 & 0x03) << 4) | (b1 >> 4)],
                              i + 1 < length ? kAlphabet[(b1 & 0x0f) << 2] : '=', '=', '\n'};
        out.append(last, sizeof last);
    }
    text = out;
    return out;
}

std::string B64::b64encodeS(const std::string& input) {
    return b64encode(reinterpret_cast<const unsigned char*>(input.data()), input.size());
}

void B64::b64decode() {
    decoded.clear();
    decoded.resize(text.size() / 4 * 3 + 3);
    unsigned char* out = decoded.data();
    std::uint32_t bits = 0;  // the sextets of the quartet so far
    int have = 0;
    for (const char ch : text) {
        const int v = kSextet.value[static_cast<unsigned char>(ch)];
        if (v < 0) continue;
        bits = (bits << 6) | static_cast<std::uint32_t>(v);
        if (++have == 4) {
            out[0] = static_cast<unsigned char>(bits >> 16);
            out[1] = static_cast<unsigned char>(bits >> 8);
            out[2] = static_cast<unsigned char>(bits);
            out += 3;
            bits = 0;
            have = 0;
        }
    }
    // A last quartet of two or three characters still carries one or two bytes.
    if (have == 2) {
        *out++ = static_cast<unsigned char>(bits >> 4);
    } else if (have == 3) {
        *out++ = static_cast<unsigned char>(bits >> 10);
        *out++ = static_cast<unsigned char>(bits >> 2);
    }
    decoded.resize(static_cast<std::size_t>(out - decoded.data()));
}

bool B64::b64decode(const std::string& path) {
    b64decode();
    return WriteFileWhole(path, decoded).ok;
}
