#include "reports/gzip_file.h"

#include <zlib.h>

#include <cstdio>
#include <fstream>
#include <memory>
#include <vector>

#include "app/textutil.h"
#include "pdf/document.h"
#include "reports/seal.h"

namespace {

constexpr unsigned kBlock = 16384;

struct GzCloser {
    void operator()(gzFile_s* f) const {
        if (f != nullptr) gzclose(f);
    }
};
using GzFile = std::unique_ptr<gzFile_s, GzCloser>;

bool HasGzipMagic(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    unsigned char magic[2] = {0, 0};
    in.read(reinterpret_cast<char*>(magic), 2);
    return in.gcount() == 2 && magic[0] == 0x1f && magic[1] == 0x8b;
}

bool ReadWhole(const std::string& path, std::string& bytes) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    return ReadRest(in, bytes);
}

bool WriteBytes(const std::string& path, const std::string& bytes) {
    return WriteFileReplacing(path, std::vector<unsigned char>(bytes.begin(), bytes.end()));
}

// The gzip form of `bytes`, made with zlib's gzip file interface in a
// temporary file beside the target; false when that cannot be written.
bool Deflate(const std::string& bytes, const std::string& target, std::string& compressed) {
    const std::string temp = target + ".gz-tmp";
    bool ok = true;
    {
        GzFile out(gzopen(temp.c_str(), "wb"));
        if (!out) return false;
        for (std::size_t at = 0; ok && at < bytes.size(); at += kBlock) {
            const unsigned n =
                static_cast<unsigned>(bytes.size() - at < kBlock ? bytes.size() - at : kBlock);
            ok = gzwrite(out.get(), bytes.data() + at, n) == static_cast<int>(n);
        }
        // Write errors of the buffered tail show only here.
        ok = gzclose(out.release()) == Z_OK && ok;
    }
    ok = ok && ReadWhole(temp, compressed);
    std::remove(temp.c_str());
    return ok;
}

}  // namespace

InflateResult InflateFile(const std::string& path, std::size_t limit, std::string& bytes) {
    bytes.clear();
    {
        std::ifstream probe(path, std::ios::binary);
        if (!probe) return InflateResult::CannotOpen;
    }
    // gzread copies a file that is not gzip through unchanged.
    if (!HasGzipMagic(path)) return InflateResult::NotGzip;
    GzFile in(gzopen(path.c_str(), "rb"));
    if (!in) return InflateResult::CannotOpen;
    std::vector<char> block(kBlock);
    for (;;) {
        const int n = gzread(in.get(), block.data(), kBlock);
        if (n < 0) return InflateResult::Damaged;
        if (n == 0) break;
        if (bytes.size() + static_cast<std::size_t>(n) > limit) return InflateResult::TooLarge;
        bytes.append(block.data(), static_cast<std::size_t>(n));
    }
    // A truncated file reads without error to its end; gzclose tells.
    if (gzclose(in.release()) != Z_OK) return InflateResult::Damaged;
    return InflateResult::Done;
}

int compress_one_file(const std::string& source, const std::string& target) {
    std::string bytes, compressed;
    if (!ReadWhole(source, bytes)) return -1;
    if (!Deflate(bytes, target, compressed)) return -1;
    return WriteBytes(target, compressed) ? 0 : -1;
}

int decompress_one_file(const std::string& source, const std::string& target) {
    std::string bytes;
    if (InflateFile(source, kMessageSizeLimit, bytes) != InflateResult::Done) return -1;
    return WriteBytes(target, bytes) ? 0 : -1;
}
