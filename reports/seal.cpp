#include "reports/seal.h"

#include <cstring>
#include <vector>

#include "app/atomicfile.h"
#include "app/runlog.h"
#include "app/stop.h"
#include "library/ncmd5.h"

namespace {

constexpr const char kVersionStart[] = "<!-- Tarvex version: ";
constexpr const char kVersionEnd[] = "End Version -->";
// A version comment longer than this is no version comment at all.
constexpr std::size_t kLongestVersion = 50;

// The text as a file with Windows line ends holds it: a CR before every LF.
// Made in one buffer of its final size and `room` bytes more, a line at a
// time (a message is mostly base64 lines of 76 characters), without clearing
// it first.
std::string CrLf(const std::string& text, std::size_t room = 0) {
    const char* const begin = text.data();
    const char* const end = begin + text.size();
    std::size_t lineEnds = 0;
    for (const char* p = begin; (p = static_cast<const char*>(std::memchr(p, '\n', end - p))); ++p)
        ++lineEnds;
    std::string out;
    out.reserve(text.size() + lineEnds + room);
    for (const char* p = begin; p < end;) {
        const char* lf = static_cast<const char*>(std::memchr(p, '\n', end - p));
        if (!lf) {
            out.append(p, static_cast<std::size_t>(end - p));
            break;
        }
        out.append(p, static_cast<std::size_t>(lf - p));
        out += '\r';
        out += '\n';
        p = lf + 1;
    }
    return out;
}

}  // namespace

std::string SealLineStart(SealKind kind) {
    return kind == SealKind::EpcMessage ? "<!-- Removing this line, EPC message secure hash: "
                                        : "<!-- Removing this line, IAS message secure hash: ";
}

std::string SealDigest(const std::string& key, const std::string& body) {
    return NCMD5().keyhash(key, CrLf(body));
}

std::string SealedBytes(const std::string& key, const std::string& text, SealKind kind) {
    // The seal covers the bytes as written, so they are made once, with room
    // for the seal line, and hashed.
    const std::string start = SealLineStart(kind);
    std::string bytes = CrLf(text, start.size() + 32 + 4);
    const std::string digest = NCMD5().keyhash(key, bytes);
    bytes += start;
    bytes += digest;
    bytes += " -->";
    return bytes;
}

bool WriteMessageFile(const std::string& path, const std::string& bytes) {
    FileWriteResult written = WriteFileWhole(path, bytes);
    if (written.ok) return true;
    // Messages have always been reported as files that could not be opened;
    // the reason follows on the next line.
    written.opened = false;
    SendLog(" failed\n");
    ReportWriteFailure(path, written);
    return false;
}

std::size_t SealLineAt(const std::string& text, SealKind kind) {
    // The fixed start without its final blank, so a seal line that lost the
    // blank reads as broken rather than missing.
    const std::string start = SealLineStart(kind);
    return text.find(start.substr(0, start.size() - 1));
}

SealState CheckSeal(const std::string& text, SealKind kind, const std::string& key) {
    const std::size_t s = SealLineAt(text, kind);
    if (s == std::string::npos) return SealState::Missing;
    if (text.size() < s + kSealDigitsOffset + 32) return SealState::Broken;
    const std::string stored = text.substr(s + kSealDigitsOffset, 32);
    return stored == SealDigest(key, text.substr(0, s)) ? SealState::Holds : SealState::Broken;
}

std::string MessageVersion(const std::string& text) {
    const std::size_t p1 = text.find(kVersionStart);
    if (p1 == std::string::npos) return kUnknownMessageVersion;
    const std::size_t from = p1 + sizeof kVersionStart - 1;
    const std::size_t p2 = text.find(kVersionEnd, from);
    // The version ends one blank before the closing words.
    if (p2 == std::string::npos || p2 < from + 1) return kUnknownMessageVersion;
    const std::string version = text.substr(from, p2 - 1 - from);
    if (version.size() > kLongestVersion) return kUnknownMessageVersion;
    return version;
}

std::string TextOfLines(const std::string& bytes) {
    std::string text;
    text.reserve(bytes.size() + 1);
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') continue;
        text += bytes[i];
    }
    if (!text.empty() && text.back() != '\n') text += '\n';
    return text;
}
