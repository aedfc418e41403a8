#pragma once

#include <cstddef>
#include <string>
#include <vector>

// Base64 (RFC 4648 alphabet) with lines of 76 characters; lenient decoding
// that skips every character outside the alphabet.
class B64 {
  public:
    // Each line of 19 groups ends in "\n"; a last, shorter line ends in "\n"
    // only when the input length is not a multiple of three. The result is
    // also kept in `text`.
    std::string b64encode(const unsigned char* bytes, std::size_t length);
    std::string b64encodeS(const std::string& text);
    // Decodes `text` into `decoded` and writes it whole to the file at path
    // (WriteFileWhole); false, and the file untouched, when that fails.
    bool b64decode(const std::string& path);
    // Decodes `text` into `decoded`.
    void b64decode();

    std::string text;
    std::vector<unsigned char> decoded;
};

// Appends the base64 lines of `bytes` to `out`, every line (the last one too)
// ended in "\n": what a message carries, written in place.
void AppendBase64Lines(std::string& out, const unsigned char* bytes, std::size_t length);
