#include "reports/gzip_file.h"

#include <zlib.h>

#include <climits>
#include <vector>

#include "app/inputfile.h"

namespace {

// What zlib's gzip file interface uses: the default level and memory, a
// gzip wrapper (15 + 16) with no name and time 0.
constexpr int kGzipWindowBits = 15 + 16;
constexpr int kMemoryLevel = 8;
// Inflating accepts a gzip wrapper only (15 + 16), as our files have.
constexpr int kInflateWindowBits = 15 + 16;
constexpr std::size_t kOutBlock = 65536;

bool HasGzipMagic(const std::string& bytes, std::size_t at = 0) {
    return bytes.size() >= at + 2 && static_cast<unsigned char>(bytes[at]) == 0x1f &&
           static_cast<unsigned char>(bytes[at + 1]) == 0x8b;
}

class Deflater {
  public:
    Deflater() {
        ok_ = deflateInit2(&s_, Z_DEFAULT_COMPRESSION, Z_DEFLATED, kGzipWindowBits, kMemoryLevel,
                           Z_DEFAULT_STRATEGY) == Z_OK;
    }
    ~Deflater() {
        if (ok_) deflateEnd(&s_);
    }
    Deflater(const Deflater&) = delete;
    Deflater& operator=(const Deflater&) = delete;
    bool ok() const { return ok_; }
    z_stream& stream() { return s_; }

  private:
    z_stream s_{};
    bool ok_ = false;
};

class Inflater {
  public:
    Inflater() { ok_ = inflateInit2(&s_, kInflateWindowBits) == Z_OK; }
    ~Inflater() {
        if (ok_) inflateEnd(&s_);
    }
    Inflater(const Inflater&) = delete;
    Inflater& operator=(const Inflater&) = delete;
    bool ok() const { return ok_; }
    z_stream& stream() { return s_; }

  private:
    z_stream s_{};
    bool ok_ = false;
};

}  // namespace

bool GzipBytes(const std::string& bytes, std::string& compressed) {
    compressed.clear();
    if (bytes.size() > UINT_MAX) return false;
    Deflater d;
    if (!d.ok()) return false;
    z_stream& s = d.stream();
    compressed.resize(deflateBound(&s, static_cast<uLong>(bytes.size())));
    s.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(bytes.data()));
    s.avail_in = static_cast<uInt>(bytes.size());
    s.next_out = reinterpret_cast<Bytef*>(&compressed[0]);
    s.avail_out = static_cast<uInt>(compressed.size());
    // The bound holds the whole stream, so one call finishes it.
    if (deflate(&s, Z_FINISH) != Z_STREAM_END) {
        compressed.clear();
        return false;
    }
    compressed.resize(s.total_out);
    return true;
}

InflateResult InflateBytes(const std::string& compressed, std::size_t limit, std::string& bytes) {
    bytes.clear();
    // gzread would copy a file that is not gzip through unchanged.
    if (!HasGzipMagic(compressed)) return InflateResult::NotGzip;
    Inflater i;
    if (!i.ok()) return InflateResult::Damaged;
    z_stream& s = i.stream();
    std::size_t at = 0;
    std::vector<char> block(kOutBlock);
    for (;;) {
        const std::size_t left = compressed.size() - at;
        s.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(compressed.data() + at));
        s.avail_in = static_cast<uInt>(left < UINT_MAX ? left : UINT_MAX);
        const uInt given = s.avail_in;
        s.next_out = reinterpret_cast<Bytef*>(block.data());
        s.avail_out = static_cast<uInt>(block.size());
        const int status = inflate(&s, Z_NO_FLUSH);
        at += given - s.avail_in;
        const std::size_t made = block.size() - s.avail_out;
        if (bytes.size() + made > limit) return InflateResult::TooLarge;
        bytes.append(block.data(), made);
        if (status == Z_STREAM_END) {
            // Another member may follow, as gzread reads on; anything else
            // after a member is not part of the stream.
            if (!HasGzipMagic(compressed, at)) return InflateResult::Done;
            if (inflateReset(&s) != Z_OK) return InflateResult::Damaged;
            continue;
        }
        if (status != Z_OK) return InflateResult::Damaged;
        // No progress with input left or none at all: the stream is cut short.
        if (made == 0 && (at >= compressed.size() || given == s.avail_in))
            return InflateResult::Damaged;
    }
}

InflateResult InflateFile(const std::string& path, std::size_t limit, std::string& bytes) {
    bytes.clear();
    std::string compressed;
    // Stored blocks and the wrapper add a little to incompressible bytes.
    if (ReadRegularFile(path, limit + limit / 1000 + 1024, compressed) != FileRead::kDone)
        return InflateResult::CannotOpen;
    return InflateBytes(compressed, limit, bytes);
}
