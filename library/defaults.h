#pragma once

#include <map>
#include <string>
#include <vector>

#include "library/ncmd5.h"

// Named numbers and texts of the defaults library file.
//
// Entry lines:  1 <position> <name> <number>
//               2 <position> <name> "<text>"
// Unknown names and positions answer the missing marks (-5555, "-5555").
class PROJECTDefaults {
  public:
    std::map<std::string, int> numberIndex;
    std::map<std::string, int> textIndex;
    std::vector<double> numbers;
    std::vector<std::string> texts;
    bool intact = false;    // the file passed its protection check
    SavedBytes fileDigest;  // MD5 of the file as loaded

    // Loads the file (a file that cannot be opened ends the run) and checks its
    // protection line. The platform code does not change the loading.
    void Init(const char* file, int code);
    bool IsOriginal() const { return intact; }
    // Empties the store; it then counts as unchecked.
    void Clear();

    void InsertDefault(double number, int index);
    void InsertDefault(const std::string& text, int index);

    double Value(const std::string& name) const;
    double Value(int index) const;
    std::string TValue(const std::string& name) const;
    std::string TValue(int index) const;
    // Value truncated toward zero (the missing mark when it does not fit an int).
    int Vint(const std::string& name) const;
    int Vint(int index) const;
};
