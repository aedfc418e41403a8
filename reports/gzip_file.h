#pragma once

#include <cstddef>
#include <string>

// Files compressed with zlib's gzip interface: the ".zas" copy of an IAS
// package and the compressed copies the lodgement message may embed.

// Compresses `source` into `target` (written through a temporary file and a
// rename). 0 when done; -1 when the source cannot be read or the target
// cannot be written (nothing is left at the target then).
int compress_one_file(const std::string& source, const std::string& target);

// Decompresses the gzip file `source` into `target` (through a temporary
// file and a rename). 0 when done; -1 when the source cannot be opened, is
// not gzip, is damaged or truncated, inflates past kMessageSizeLimit, or the
// target cannot be written (nothing is written then).
int decompress_one_file(const std::string& source, const std::string& target);

// What reading a gzip file into memory found.
enum class InflateResult { Done, CannotOpen, NotGzip, Damaged, TooLarge };

// Inflates the gzip file at `path` into `bytes`, refusing more than `limit`
// bytes of output. Only a file that starts with the gzip magic bytes and
// inflates to its end without error is Done.
InflateResult InflateFile(const std::string& path, std::size_t limit, std::string& bytes);
