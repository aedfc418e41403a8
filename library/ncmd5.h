#pragma once

#include <cstddef>
#include <sstream>
#include <string>

// Plain digests, the keyed digest that seals messages and the chained digest
// that protects library files. Every result is 32 lowercase hex digits per MD5.
class NCMD5 {
public:
    void Init() {}

    std::string hash(const unsigned char* bytes, std::size_t length) const;
    std::string hash(const std::string& text) const;
    std::string hash(const std::string& text, const unsigned char* bytes, std::size_t length) const;
    std::string hash(const std::ostringstream& stream) const;
    // Digest of a file's bytes; "" (and a report on the error stream) if it
    // cannot be opened.
    std::string hashFile(const std::string& path) const;

    // hash(text + key).
    std::string keyhash(const std::string& text, const std::string& key) const;
    // Digest of text followed by the key file's bytes; of the text alone (and a
    // report on the error stream) if the key file cannot be opened.
    std::string keyhashFile(const std::string& text, const std::string& keyFilePath) const;

    // The chained digest: 32 * (rounds + 1) hex digits.
    std::string fncmhash(const std::string& a, const std::string& b, int rounds) const;
    // Whether the file is a library file protected for its own file name.
    // A missing file stops the run ("Could not open file ...").
    bool flibcheck(const std::string& path) const;

    // The protection line ("$,ncmprotected " + digest) for a body under a file name.
    std::string protectionLine(const std::string& fileName, const std::string& body) const;
};

// The last component of a path, split on "\" or "/".
std::string PathFileName(const std::string& path);
