#include "library/tabla.h"

#include <algorithm>
#include <cstddef>

#include "app/stop.h"
#include "library/libfile.h"

namespace {
// Cells are stored only as far as the line goes, so a large declared size
// costs nothing until its cells are written.
std::size_t CellCount(int rows, int cols) {
    return static_cast<std::size_t>(rows) * static_cast<std::size_t>(cols);
}
}  // namespace

void Tabla::Add(const std::string& tableName, int nRowsIn, int nColsIn, const std::string& text) {
    values.clear();
    extraValues_.clear();
    name = tableName;
    rows = std::max(nRowsIn, 0);
    cols = std::max(nColsIn, 0);
    kind = 1;
    const std::vector<std::string> items = LibItems(text);
    const std::size_t n = std::min(CellCount(rows, cols), items.size());
    values.reserve(n);
    for (std::size_t i = 0; i < n; ++i) {
        double v = kNotSet;
        LibReadNumber(items[i], v);  // leaves the mark on an item that is not a number
        values.push_back(v);
    }
}

void Tabla::AddText(const std::string& tableName, int nRowsIn, int nColsIn,
                    const std::string& text) {
    cells.clear();
    extraCells_.clear();
    name = tableName;
    rows = std::max(nRowsIn, 0);
    cols = std::max(nColsIn, 0);
    kind = 2;
    const std::vector<std::string> items = LibItems(text);
    const std::size_t wanted = CellCount(rows, cols);
    std::size_t pos = 0;
    std::string cell;
    while (cells.size() < wanted && LibReadText(items, pos, cell)) cells.push_back(cell);
}

long long Tabla::CellPos(int r, int c) const {
    if (r == 0 || c == 0) {
        StopRun("\n\nWrong index in Table: " + name + " R: " + std::to_string(r) +
                " C: " + std::to_string(c) + "\n\n");
    }
    if (r < 0 || c < 0 || r > rows || c > cols) return -1;
    return static_cast<long long>(r - 1) * cols + (c - 1);
}

double Tabla::Value(int r, int c) const {
    const long long pos = CellPos(r, c);
    if (pos < 0) return kNotSet;
    const auto at = static_cast<std::size_t>(pos);
    if (at < values.size()) return values[at];
    const auto extra = extraValues_.find(at);
    return extra == extraValues_.end() ? kNotSet : extra->second;
}

void Tabla::ValueMod(int r, int c, double number) {
    const long long pos = CellPos(r, c);
    if (pos < 0) return;
    const auto at = static_cast<std::size_t>(pos);
    if (at < values.size()) {
        values[at] = number;
    } else if (at == values.size()) {
        values.push_back(number);
    } else {
        extraValues_[at] = number;
    }
}

std::string Tabla::TValue(int r, int c) const {
    const long long pos = CellPos(r, c);
    if (pos < 0) return kNotSetText;
    const auto at = static_cast<std::size_t>(pos);
    if (at < cells.size()) return cells[at];
    const auto extra = extraCells_.find(at);
    return extra == extraCells_.end() ? kNotSetText : extra->second;
}

void Tabla::TValueMod(int r, int c, const std::string& text) {
    const long long pos = CellPos(r, c);
    if (pos < 0) return;
    const auto at = static_cast<std::size_t>(pos);
    if (at < cells.size()) {
        cells[at] = text;
    } else if (at == cells.size()) {
        cells.push_back(text);
    } else {
        extraCells_[at] = text;
    }
}
