#pragma once

#include <map>
#include <string>
#include <vector>

#include "library/ncmd5.h"
#include "library/tabla.h"

// Named tables of a tables library file.
//
// Entry lines:  1 <position> <name> <rows> <cols> <numbers, row after row>
//               2 <position> <name> <rows> <cols> <quoted texts, row after row>
// Unknown tables answer the missing marks (-5555, "-5555"); row or column 0
// ends the run (see Tabla).
class PROJECTTables {
  public:
    std::map<std::string, int> numberIndex;
    std::map<std::string, int> textIndex;
    std::vector<Tabla> numberTables;
    std::vector<Tabla> textTables;
    bool intact = false;    // the file passed its protection check
    SavedBytes fileDigest;  // MD5 of the file as loaded

    // Loads the file (a file that cannot be opened ends the run) and checks its
    // protection line. The platform code does not change the loading.
    void Init(const char* file, int code);
    bool IsOriginal() const { return intact; }
    // Empties the store; it then counts as unchecked.
    void Clear();

    void InsertNTable(const Tabla& table, int index);
    void InsertTTable(const Tabla& table, int index);

    double Value(const std::string& table, int r, int c) const;
    double Value(int table, int r, int c) const;
    void ValueMod(const std::string& table, int r, int c, double number);
    void ValueMod(int table, int r, int c, double number);
    std::string TValue(const std::string& table, int r, int c) const;
    std::string TValue(int table, int r, int c) const;
    void TValueMod(const std::string& table, int r, int c, const std::string& text);
    void TValueMod(int table, int r, int c, const std::string& text);
    // Value truncated toward zero (the missing mark when it does not fit an int).
    int Vint(const std::string& table, int r, int c) const;
    int Vint(int table, int r, int c) const;
    // Rows of the named text table; numeric tables are not searched.
    int nRows(const std::string& table) const;

  private:
    const Tabla* NumberTable(int index) const;
    const Tabla* TextTable(int index) const;
    static int Find(const std::map<std::string, int>& names, const std::string& table);
};
