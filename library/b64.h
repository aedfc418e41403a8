#pragma once

#include <cstddef>
#include <string>
#include <vector>

// Base64 (RFC 4648 alphabet) with lines of 76 characters; lenient decoding
// that skips every character outside the alphabet.
class B64 {
public:
    std::string b64encode(const unsigned char* bytes, std::size_t length);
    std::string b64encodeS(const std::string& text);
    // Decodes `text` into the file at path (created or truncated); false when
    // the file cannot be created.
    bool b64decode(const std::string& path);
    // Decodes `text` into `decoded`.
    void b64decode();

    std::string text;
    std::vector<unsigned char> decoded;
};
