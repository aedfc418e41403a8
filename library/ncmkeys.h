#pragma once

#include <string>
#include <vector>

// The registry of message keys: index 0 a digest, index 1 the message key
// (2562 characters, which also keys the documents' fingerprints), 2 to 5
// further keys, one for each calculation engine's input key file.
// Where each use finds its key in the list; the same key serves all three.
inline constexpr int kMessageKeyIndex = 1;         // the seal of messages and packages
inline constexpr int kFingerprintKeyIndex = 1;     // the documents' fingerprints
inline constexpr int kValidationNoteKeyIndex = 1;  // the input's digest in the validation note

class NCMKEYS {
  public:
    void Init();
    const std::vector<std::string>& keys() const { return tarvex; }

    std::vector<std::string> tarvex;
};
