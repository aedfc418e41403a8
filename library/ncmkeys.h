#pragma once

#include <string>
#include <vector>

// The registry of message keys. Our own list is index 0 a digest, index 1 the
// message key (2562 characters), 2 to 5 further keys; the five sibling lists
// keep the same shape and are not read by this program.
class NCMKEYS {
  public:
    void Init();
    const std::vector<std::string>& keys() const { return tarvex; }

    std::vector<std::string> tarvex;
    std::vector<std::vector<std::string>> siblings;
};
