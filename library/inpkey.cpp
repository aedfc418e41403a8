#include "library/inpkey.h"

#include "app/inputfile.h"
#include "app/outputs.h"
#include "app/textutil.h"
#include "library/ncmd5.h"

std::string InputKeyFileName(const std::string& inputFile) {
    // Named as every file beside the input is, so the tool writes the file
    // the run reads.
    return OutputName(inputFile, ending::kInputKey);
}

std::string InputKeyDigest(const NCMKEYS& keys, int keyIndex, const std::string& inputFile) {
    const auto& list = keys.keys();
    if (keyIndex < 0 || static_cast<std::size_t>(keyIndex) >= list.size()) return std::string();
    // Checked here so that a missing input never yields the digest of the key alone.
    if (!IsReadableRegularFile(inputFile)) return std::string();
    return NCMD5().keyhashFile(list[static_cast<std::size_t>(keyIndex)], inputFile);
}

bool InputKeyMatches(const NCMKEYS& keys, int keyIndex, const std::string& inputFile,
                     const std::string& keyFile) {
    return InputKeyMatches(keys, keyIndex, inputFile, keyFile, -1, std::string());
}

bool InputKeyMatches(const NCMKEYS& keys, int keyIndex, const std::string& inputFile,
                     const std::string& keyFile, int knownIndex, const std::string& knownDigest) {
    std::string line, bytes;
    if (!ReadRunFile(keyFile, bytes) || !TextLines(bytes).Next(line)) return false;
    const bool known =
        keyIndex == knownIndex && !knownDigest.empty() && IsReadableRegularFile(inputFile);
    const std::string digest = known ? knownDigest : InputKeyDigest(keys, keyIndex, inputFile);
    return !digest.empty() && line == digest;
}
