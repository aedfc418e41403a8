#pragma once

#include <cstddef>
#include <string>

// The socket between tarvex-batch and its workers (app/worker.h): whole
// messages sent, and texts read up to a mark, whatever the kernel hands over
// at a time.

// Sends all of `bytes`; false when the other end is gone (never SIGPIPE).
bool SendAll(int fd, const std::string& bytes);

// The next text up to `mark` (not included) into `text`, keeping what came
// after it in `pending` for the next call; false when the socket ends first,
// the mark has not come within `timeoutMs` (-1: no limit), or more than
// `limit` bytes come without it (a peer that talks without end is not
// buffered without end).
bool ReadUntil(int fd, char mark, std::string& pending, std::string& text, int timeoutMs = -1,
               std::size_t limit = std::string::npos);
