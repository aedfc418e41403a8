#pragma once

#include <string>
#include <vector>

// The registry of message keys: index 0 a digest, index 1 the message key
// (2562 characters, which also keys the documents' fingerprints), 2 to 5
// further keys, one for each calculation engine's input key file.
class NCMKEYS {
  public:
    void Init();
    const std::vector<std::string>& keys() const { return tarvex; }

    std::vector<std::string> tarvex;
};
