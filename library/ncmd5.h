#pragma once

#include <cstddef>
#include <memory>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

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

    // The chained digest: 32 * (rounds + 1) hex digits (a negative count
    // counts as 0).
    std::string fncmhash(const std::string& a, const std::string& b, int rounds) const;
    // Whether the file is a library file protected for its own file name.
    // A missing file stops the run ("Could not open file ...").
    bool flibcheck(const std::string& path) const;
    // flibcheck on the bytes of a file already read, under its file name.
    bool flibcheckText(const std::string& fileName, std::string_view content) const;

    // The protection line ("$,ncmprotected " + digest) for a body under a file
    // name. The body is the data lines, each followed by "\n".
    std::string protectionLine(const std::string& fileName, const std::string& body) const;
};

// The bytes of a file as saved (or loaded), kept for what reads them later
// (the message carries a document's bytes), with their fingerprint
// NCMD5().hash(key, bytes), worked out when first read: most runs lodge no
// message and never read it. Empty when nothing was saved. Copies share the
// bytes.
class SavedBytes {
  public:
    SavedBytes() = default;
    SavedBytes(std::string key, std::vector<unsigned char> bytes);
    bool empty() const { return bytes_ == nullptr; }
    // The fingerprint's 32 hex digits; "" when empty.
    const std::string& fingerprint() const;
    // The bytes; empty when nothing was saved.
    const std::vector<unsigned char>& bytes() const;

  private:
    std::shared_ptr<const std::vector<unsigned char>> bytes_;
    std::string key_;
    mutable std::string text_;
};

// What every protection line starts with.
inline constexpr const char kProtectionMarker[] = "$,ncmprotected ";
// Rounds of the chained digest in a protection line.
inline constexpr int kProtectionRounds = 100;

// The last component of a path, split on "\" or "/".
std::string PathFileName(const std::string& path);

// Every line read from `in`, each followed by "\n", a CR before a line end
// dropped: the body of a protected library file read past its first line. A
// copy with CR LF line ends gives the same body as one with LF.
std::string ProtectionBody(std::istream& in);
// The same body from the text after the first line, held in memory.
std::string ProtectionBody(std::string_view text);

// The bytes of a library file with the protection line for fileName in front,
// replacing the first line when that is already a protection line. The data
// lines keep their bytes; the protection line ends as the file's first line
// does (CR LF or LF). False when there are no data lines.
bool ProtectText(const std::string& content, const std::string& fileName, std::string& result);
