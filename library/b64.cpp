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

namespace {

constexpr std::size_t kLineBytes = kGroupsPerLine * 3;

// The 24 bits of three bytes, the first the highest.
inline std::uint32_t Group(const unsigned char* p) {
    return (static_cast<std::uint32_t>(p[0]) << 16) | (static_cast<std::uint32_t>(p[1]) << 8) |
           p[2];
}

inline void WriteGroup(std::uint32_t v, char* o) {
    std::memcpy(o, kPairs.pair[v >> 12], 2);
    std::memcpy(o + 2, kPairs.pair[v & 0xfff], 2);
}

// The four characters of each of `groups` groups of three bytes; the end of
// what was written.
char* EncodeGroups(const unsigned char* bytes, std::size_t groups, char* o) {
    for (std::size_t g = 0; g < groups; ++g, bytes += 3, o += 4) WriteGroup(Group(bytes), o);
    return o;
}

}  // namespace

void AppendBase64Lines(std::string& out, const unsigned char* bytes, std::size_t length) {
    const std::size_t groups = (length + 2) / 3;
    out.reserve(out.size() + groups * 4 + (groups + kGroupsPerLine - 1) / kGroupsPerLine);
    // Each line is made in a small buffer and appended whole.
    char line[kGroupsPerLine * 4 + 1];
    std::size_t i = 0;
    for (; length - i >= kLineBytes; i += kLineBytes) {
        EncodeGroups(bytes + i, kGroupsPerLine, line);
        line[kGroupsPerLine * 4] = '\n';
        out.append(line, sizeof line);
    }
    if (i == length) return;
    // The last, shorter line: its whole groups, then a partial one padded.
    const std::size_t whole = (length - i) / 3;
    char* o = EncodeGroups(bytes + i, whole, line);
    i += whole * 3;
    if (i < length) {
        const unsigned b0 = bytes[i];
        const unsigned b1 = i + 1 < length ? bytes[i + 1] : 0;
        *o++ = kAlphabet[b0 >> 2];
        *o++ = kAlphabet[((b0 & 0x03) << 4) | (b1 >> 4)];
        *o++ = i + 1 < length ? kAlphabet[(b1 & 0x0f) << 2] : '=';
        *o++ = '=';
    }
    *o++ = '\n';
    out.append(line, static_cast<std::size_t>(o - line));
}

std::string B64::b64encode(const unsigned char* bytes, std::size_t length) {
    std::string out;
    AppendBase64Lines(out, bytes, length);
    // A last line shorter than the others is left unended after whole groups.
    if ((length + 2) / 3 % kGroupsPerLine != 0 && length % 3 == 0) out.pop_back();
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
