#pragma once

#include <string>
#include <vector>

#include "library/ncmd5.h"

// What a writer hands back: the file it was to write, whether it was written
// whole, and the fingerprint of the bytes written for the documents a message
// carries (empty otherwise, and when nothing was written).
struct WrittenDocument {
    std::string path;
    Fingerprint fingerprint;
    bool saved = false;
    bool written() const { return saved; }
};
// The result of a writer that wrote nothing at `path`.
inline WrittenDocument NotWritten(const std::string& path) {
    return WrittenDocument{path, Fingerprint(), false};
}
// The writers' results in the order the run wrote them.
using WrittenOutputs = std::vector<WrittenDocument>;
