#pragma once

#include <cstddef>
#include <string>

// The gzip form used by the ".zas" copy of an IAS package and by the
// compressed copies the lodgement message may embed. Everything is done in
// memory: no temporary file of a fixed name, nothing for another process to
// plant a link at.

// The gzip form of `bytes`: the same stream zlib's gzip file interface writes
// (default level, no name, time 0). False only when zlib fails.
bool GzipBytes(const std::string& bytes, std::string& compressed);

// What inflating a gzip stream found.
enum class InflateResult { Done, CannotOpen, NotGzip, Damaged, TooLarge };

// Inflates a gzip stream (members one after another, as gzread reads them),
// refusing more than `limit` bytes of output. Only bytes that start with the
// gzip magic bytes and inflate to their end without error are Done.
InflateResult InflateBytes(const std::string& compressed, std::size_t limit, std::string& bytes);

// InflateBytes on the regular file at `path` (CannotOpen when it cannot be
// read as one, or is larger than `limit`).
InflateResult InflateFile(const std::string& path, std::size_t limit, std::string& bytes);
