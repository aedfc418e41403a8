#include "library/ncmd5.h"

#include <algorithm>
#include <fstream>
#include <iostream>

#include "app/inputfile.h"
#include "app/stop.h"
#include "app/textutil.h"
#include "library/md5.h"

namespace {

// Salt of the chained digest; part of what makes our protection lines ours.
constexpr const char kChainSalt[] = "vlpezd";

// Texts are fed in slices of 1024 bytes; the digest is that of the whole text.
constexpr std::size_t kSlice = 1024;

void Feed(MD5& md5, const unsigned char* bytes, std::size_t length) {
    for (std::size_t at = 0; at < length; at += kSlice)
        md5.update(bytes + at, std::min(kSlice, length - at));
}

void Feed(MD5& md5, const std::string& text) {
    Feed(md5, reinterpret_cast<const unsigned char*>(text.data()), text.size());
}

std::string Finish(MD5& md5) {
    md5.finalize();
    return md5.hex_digest();
}

void ReportCannotOpen(const std::string& path) {
    std::cerr << path << " can't be opened\n";
}

}  // namespace

std::string NCMD5::hash(const unsigned char* bytes, std::size_t length) const {
    MD5 md5;
    Feed(md5, bytes, length);
    return Finish(md5);
}

std::string NCMD5::hash(const std::string& text) const {
    MD5 md5;
    Feed(md5, text);
    return Finish(md5);
}

std::string NCMD5::hash(const std::string& text, const unsigned char* bytes,
                        std::size_t length) const {
    MD5 md5;
    Feed(md5, text);
    Feed(md5, bytes, length);
    return Finish(md5);
}

SavedBytes::SavedBytes(std::string key, std::vector<unsigned char> bytes)
    : bytes_(std::make_shared<const std::vector<unsigned char>>(std::move(bytes))),
      key_(std::move(key)) {}

const std::vector<unsigned char>& SavedBytes::bytes() const {
    static const std::vector<unsigned char> kNone;
    return bytes_ != nullptr ? *bytes_ : kNone;
}

const std::string& SavedBytes::fingerprint() const {
    if (text_.empty() && bytes_ != nullptr)
        text_ = NCMD5().hash(key_, bytes_->data(), bytes_->size());
    return text_;
}

std::string NCMD5::hash(const std::ostringstream& stream) const {
    return hash(stream.str());
}

std::string NCMD5::hashFile(const std::string& path) const {
    std::string bytes;
    if (!ReadRunFile(path, bytes)) {
        ReportCannotOpen(path);
        return std::string();
    }
    return hash(bytes);
}

std::string NCMD5::keyhash(const std::string& text, const std::string& key) const {
    MD5 md5;
    Feed(md5, text);
    Feed(md5, key);
    return Finish(md5);
}

std::string NCMD5::keyhashFile(const std::string& text, const std::string& keyFilePath) const {
    MD5 md5;
    Feed(md5, text);
    std::string bytes;
    if (ReadRunFile(keyFilePath, bytes)) {
        Feed(md5, bytes);
    } else {
        ReportCannotOpen(keyFilePath);
    }
    return Finish(md5);
}

std::string NCMD5::fncmhash(const std::string& a, const std::string& b, int rounds) const {
    const std::string seed =
        a + b + std::to_string(b.size()) + std::to_string(a.size()) + kChainSalt;
    std::string result = hash(seed);
    result.reserve(32 * (static_cast<std::size_t>(std::max(rounds, 0)) + 1));
    // Each round digests the whole result so far followed by the salt. The
    // result only grows at its end, so one running digest absorbs each new
    // part once, and a copy of it takes the salt and finishes the round.
    MD5 prefix;
    std::size_t absorbed = 0;
    const std::string salt = kChainSalt;
    for (int i = 0; i < rounds; ++i) {
        Feed(prefix, reinterpret_cast<const unsigned char*>(result.data()) + absorbed,
             result.size() - absorbed);
        absorbed = result.size();
        MD5 round = prefix;
        Feed(round, salt);
        round.finalize();
        char hex[32];
        round.hex_digest(hex);
        result.append(hex, sizeof hex);
    }
    return result;
}

bool NCMD5::flibcheck(const std::string& path) const {
    std::string content;
    if (!ReadRunFile(path, content)) StopCouldNotOpen(path);
    return flibcheckText(PathFileName(path), content);
}

bool NCMD5::flibcheckText(const std::string& fileName, std::string_view content) const {
    TextLines lines(content);
    std::string firstLine;
    if (!lines.Next(firstLine)) return false;
    const std::string body = ProtectionBody(lines.rest());
    if (body.empty()) return false;  // a marker line alone protects nothing
    return firstLine == protectionLine(fileName, body);
}

std::string NCMD5::protectionLine(const std::string& fileName, const std::string& body) const {
    return kProtectionMarker + fncmhash(fileName, body, kProtectionRounds);
}

std::string PathFileName(const std::string& path) {
    const std::size_t cut = path.find_last_of("\\/");
    return cut == std::string::npos ? path : path.substr(cut + 1);
}

std::string ProtectionBody(std::string_view text) {
    // Lines that end in a bare LF are the body as they stand.
    if (text.empty() || (text.back() == '\n' && text.find('\r') == std::string_view::npos))
        return std::string(text);
    std::string body;
    body.reserve(text.size() + 1);
    TextLines lines(text);
    std::string line;
    while (lines.Next(line)) {
        body += line;
        body += '\n';
    }
    return body;
}

std::string ProtectionBody(std::istream& in) {
    std::string rest;
    ReadRest(in, rest);
    return ProtectionBody(std::string_view(rest));
}

bool ProtectText(const std::string& content, const std::string& fileName, std::string& result) {
    const std::size_t firstEnd = content.find('\n');
    std::string firstLine = content.substr(0, firstEnd);
    const bool crlf =
        firstEnd != std::string::npos && !firstLine.empty() && firstLine.back() == '\r';
    if (crlf) firstLine.pop_back();

    std::string data = content;
    if (firstLine.rfind(kProtectionMarker, 0) == 0)
        data = firstEnd == std::string::npos ? std::string() : content.substr(firstEnd + 1);

    const std::string body = ProtectionBody(std::string_view(data));
    if (body.empty()) return false;
    result = NCMD5().protectionLine(fileName, body) + (crlf ? "\r\n" : "\n") + data;
    return true;
}
