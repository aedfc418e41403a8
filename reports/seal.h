#pragma once

#include <cstddef>
#include <string>

#include "library/ncmkeys.h"

// The seal line that ends every register message: a comment holding the keyed
// digest of everything before it, as the file holds it (CR LF line ends).

enum class SealKind { EpcMessage, IasMessage };

// Where the 32 digits start inside the seal line.
inline constexpr std::size_t kSealDigitsOffset = 50;
// Version text reported for a message that carries no version comment.
inline constexpr const char* kUnknownMessageVersion = "previous_to_3.3.a";
// The largest message or package read, and the most a compressed package may
// inflate to: far beyond a real message, small enough to refuse a bomb.
inline constexpr std::size_t kMessageSizeLimit = 64u * 1024u * 1024u;

// "<!-- Removing this line, EPC message secure hash: " (or IAS).
std::string SealLineStart(SealKind kind);

// The digest of a message body: keyed MD5 of the key followed by the body
// with a CR before every LF.
std::string SealDigest(const std::string& key, const std::string& body);

// The bytes of the sealed file: the text (every line ending in LF) written
// with CR LF line ends, then the seal line without a line end.
std::string SealedBytes(const std::string& key, const std::string& text, SealKind kind);

// Writes a message file whole, through a temporary file renamed into place.
// When it cannot be written, nothing is left behind, " failed" ends the
// progress line of the log, the file and the system's reason go to the log
// and the error stream, and the answer is false.
bool WriteMessageFile(const std::string& path, const std::string& bytes);

// Where the seal line starts in a message text read back, or npos when it has
// none. Everything before it is the sealed text: the only part of a message
// to read anything from.
std::size_t SealLineAt(const std::string& text, SealKind kind);

// What reading a message's seal found.
enum class SealState { Missing, Broken, Holds };
// Checks the seal of a message text read back (LF line ends): the body is
// everything before the seal line, the digits are the 32 characters after its
// fixed start; anything after them does not count.
SealState CheckSeal(const std::string& text, SealKind kind, const std::string& key);

// The version text of a message's version comment, or kUnknownMessageVersion
// when the comment is missing or malformed.
std::string MessageVersion(const std::string& text);

// The text of file bytes as line reading gives it: a CR before each LF is
// dropped and every line, the last included, ends in LF.
std::string TextOfLines(const std::string& bytes);
