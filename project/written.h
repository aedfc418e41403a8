#pragma once

#include <string>
#include <vector>

#include "library/ncmd5.h"

// What every writer of the run hands back: the file it was to write, whether
// it was written whole, and, for the documents a message carries, the bytes
// written with their fingerprint (empty otherwise, and when nothing was
// written).
struct WrittenDocument {
    std::string path;
    SavedBytes content;
    bool saved = false;
    bool written() const { return saved; }
};
// The result of a writer that wrote nothing at `path`.
inline WrittenDocument NotWritten(const std::string& path) {
    return WrittenDocument{path, SavedBytes(), false};
}
// The writers' results in the order the run wrote them.
using WrittenOutputs = std::vector<WrittenDocument>;
