#pragma once

#include <cstddef>
#include <map>
#include <string>
#include <vector>

// One named table of a library file: numbers (kind 1) or texts (kind 2), cells
// kept row after row. Rows and columns are counted from 1.
class Tabla {
  public:
    int kind = 0;  // 0 empty, 1 numbers, 2 texts
    std::string name;
    std::vector<double> values;
    std::vector<std::string> cells;
    int rows = 0;
    int cols = 0;

    // Fill from the cells text of a library line: rows * cols numbers or quoted
    // texts, row after row. Cells the line does not hold read as missing; an
    // item that is not a number becomes a missing cell.
    void Add(const std::string& tableName, int nRowsIn, int nColsIn, const std::string& text);
    void AddText(const std::string& tableName, int nRowsIn, int nColsIn, const std::string& text);

    // Row or column 0 is a programming error and ends the run; any other cell
    // outside the table reads as missing and is not modified. A cell inside
    // the declared size but past the stored ones is kept on its own: the
    // table grows by what is written, never to its declared size.
    double Value(int r, int c) const;
    void ValueMod(int r, int c, double number);
    std::string TValue(int r, int c) const;
    void TValueMod(int r, int c, const std::string& text);
    int nRows() const { return rows; }

  private:
    // Cells written past the stored ones, by position.
    std::map<std::size_t, double> extraValues_;
    std::map<std::size_t, std::string> extraCells_;

    // Position of the cell, or -1 when it lies outside the table.
    long long CellPos(int r, int c) const;
};
