#pragma once

#include <string>

#include "library/ncmd5.h"
#include "tests/support/process.h"

// Writes a library file whose first line protects `body` for the file's own name.
inline void WriteProtected(const std::string& path, const std::string& body) {
    const NCMD5 md5;
    WriteFileBytes(path, md5.protectionLine(PathFileName(path), body) + "\n" + body);
}

// The text with every "\n" turned into "\r\n", as a Windows copy has it.
inline std::string WithCrLf(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == '\n') out += '\r';
        out += c;
    }
    return out;
}
