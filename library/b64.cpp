#include "library/b64.h"

#include <cstdio>
#include <memory>

namespace {

constexpr char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
constexpr std::size_t kGroupsPerLine = 19;

// Value of an alphabet character, -1 for anything else.
int Sextet(unsigned char c) {
    if (c >= 'A' && c <= 'Z') return c - 'A';
    if (c >= 'a' && c <= 'z') return c - 'a' + 26;
    if (c >= '0' && c <= '9') return c - '0' + 52;
    if (c == '+') return 62;
    if (c == '/') return 63;
    return -1;
}

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};

}  // namespace

std::string B64::b64encode(const unsigned char* bytes, std::size_t length) {
    std::string out;
    out.reserve((length + 2) / 3 * 4 + length / 57 + 1);
    std::size_t groupsOnLine = 0;
    for (std::size_t i = 0; i < length; i += 3) {
        const std::size_t n = length - i < 3 ? length - i : 3;
        const unsigned b0 = bytes[i];
        const unsigned b1 = n > 1 ? bytes[i + 1] : 0;
        const unsigned b2 = n > 2 ? bytes[i + 2] : 0;
        out += kAlphabet[b0 >> 2];
        out += kAlphabet[((b0 & 0x03) << 4) | (b1 >> 4)];
        out += n > 1 ? kAlphabet[((b1 & 0x0f) << 2) | (b2 >> 6)] : '=';
        out += n > 2 ? kAlphabet[b2 & 0x3f] : '=';
        if (++groupsOnLine == kGroupsPerLine) {
            out += '\n';
            groupsOnLine = 0;
        }
    }
    if (groupsOnLine > 0 && length % 3 != 0) out += '\n';
    text = out;
    return out;
}

std::string B64::b64encodeS(const std::string& input) {
    return b64encode(reinterpret_cast<const unsigned char*>(input.data()), input.size());
}

void B64::b64decode() {
    decoded.clear();
    decoded.reserve(text.size() / 4 * 3 + 2);
    unsigned quartet[4];
    int have = 0;
    for (const char ch : text) {
        const int v = Sextet(static_cast<unsigned char>(ch));
        if (v < 0) continue;
        quartet[have++] = static_cast<unsigned>(v);
        if (have == 4) {
            decoded.push_back(static_cast<unsigned char>((quartet[0] << 2) | (quartet[1] >> 4)));
            decoded.push_back(
                static_cast<unsigned char>(((quartet[1] & 0x0f) << 4) | (quartet[2] >> 2)));
            decoded.push_back(static_cast<unsigned char>(((quartet[2] & 0x03) << 6) | quartet[3]));
            have = 0;
        }
    }
    // A last quartet of two or three characters still carries one or two bytes.
    if (have >= 2)
        decoded.push_back(static_cast<unsigned char>((quartet[0] << 2) | (quartet[1] >> 4)));
    if (have == 3)
        decoded.push_back(
            static_cast<unsigned char>(((quartet[1] & 0x0f) << 4) | (quartet[2] >> 2)));
}

bool B64::b64decode(const std::string& path) {
    b64decode();
    std::unique_ptr<std::FILE, FileCloser> out(std::fopen(path.c_str(), "wb"));
    if (!out) return false;
    if (!decoded.empty() &&
        std::fwrite(decoded.data(), 1, decoded.size(), out.get()) != decoded.size())
        return false;
    return std::fclose(out.release()) == 0;
}
