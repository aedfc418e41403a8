#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <istream>
#include <ostream>
#include <string>

// The MD5 message digest (RFC 1321), fed incrementally. Misuse (feeding or
// finishing twice, asking before finishing) is reported on the error stream
// and otherwise ignored.
class MD5 {
  public:
    MD5();
    explicit MD5(std::FILE* file);       // feeds the whole file, closes it, finalizes
    explicit MD5(std::istream& stream);  // feeds the stream to its end, finalizes
    explicit MD5(std::ifstream& stream);

    void update(const unsigned char* bytes, std::size_t length);
    void update(std::FILE* file);  // to its end in blocks of 1024 bytes, then closes it
    void update(const unsigned char* bytes, std::size_t length, std::FILE* file);
    void update(std::istream& stream);  // to its end in blocks of 1024 bytes
    void update(std::ifstream& stream);
    void finalize();

    // 16 bytes; empty before finalize (reported on the error stream).
    std::string raw_digest() const;
    // 32 lowercase hex digits; empty before finalize (reported on the error stream).
    std::string hex_digest() const;
    // The same 32 digits into `out`, with no text to allocate; nothing
    // before finalize (reported on the error stream).
    void hex_digest(char out[32]) const;

    friend std::ostream& operator<<(std::ostream& out, const MD5& md5);

  private:
    void transform(const unsigned char block[64]);

    std::uint32_t state_[4];
    std::uint32_t count_[2];  // bit count, low word first
    unsigned char buffer_[64];
    unsigned char digest_[16];
    bool finalized = false;
};
