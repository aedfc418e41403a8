#include "library/tables.h"

#include <fstream>

#include "app/inputfile.h"
#include "app/textutil.h"
#include "library/libfile.h"

namespace {
// The items from `from` on, joined by single blanks: the cells text of a line.
std::string JoinFrom(const std::vector<std::string>& items, std::size_t from) {
    std::string text;
    for (std::size_t i = from; i < items.size(); ++i) {
        if (i > from) text += ' ';
        text += items[i];
    }
    return text;
}
}  // namespace

void PROJECTTables::Init(const char* file, int /*code*/) {
    Clear();
    RefuseUnfitInput(file);
    std::ifstream in(file, std::ios::binary);
    assure(in, file);
    std::string line;
    while (GetTextLine(in, line)) {
        const std::vector<std::string> items = LibItems(line);
        int type = 0;
        int index = 0;
        std::string name;
        if (!LibEntryHead(line, items, type, index, name)) continue;
        if (type != 1 && type != 2) continue;
        int rows = 0;
        int cols = 0;
        if (items.size() < 5 || !LibReadInt(items[3], rows) || !LibReadInt(items[4], cols)) {
            continue;
        }
        Tabla table;
        if (type == 1) {
            table.Add(name, rows, cols, JoinFrom(items, 5));
            numberIndex.emplace(name, index);  // a repeated name keeps its first position
            InsertNTable(table, index);
        } else {
            table.AddText(name, rows, cols, JoinFrom(items, 5));
            textIndex.emplace(name, index);
            InsertTTable(table, index);
        }
    }
    in.close();
    LibCheckFile(file, intact, fileDigest);
}

void PROJECTTables::Clear() {
    numberIndex.clear();
    textIndex.clear();
    numberTables.clear();
    textTables.clear();
    intact = false;
    fileDigest.clear();
}

void PROJECTTables::InsertNTable(const Tabla& table, int index) {
    LibInsertAt(numberTables, table, index);
}

void PROJECTTables::InsertTTable(const Tabla& table, int index) {
    LibInsertAt(textTables, table, index);
}

int PROJECTTables::Find(const std::map<std::string, int>& names, const std::string& table) {
    const auto it = names.find(table);
    return it == names.end() ? -1 : it->second;
}

const Tabla* PROJECTTables::NumberTable(int index) const {
    if (index < 0 || static_cast<std::size_t>(index) >= numberTables.size()) return nullptr;
    return &numberTables[static_cast<std::size_t>(index)];
}

const Tabla* PROJECTTables::TextTable(int index) const {
    if (index < 0 || static_cast<std::size_t>(index) >= textTables.size()) return nullptr;
    return &textTables[static_cast<std::size_t>(index)];
}

double PROJECTTables::Value(const std::string& table, int r, int c) const {
    return Value(Find(numberIndex, table), r, c);
}

double PROJECTTables::Value(int table, int r, int c) const {
    const Tabla* t = NumberTable(table);
    return t == nullptr ? kNotSet : t->Value(r, c);
}

void PROJECTTables::ValueMod(const std::string& table, int r, int c, double number) {
    ValueMod(Find(numberIndex, table), r, c, number);
}

void PROJECTTables::ValueMod(int table, int r, int c, double number) {
    if (NumberTable(table) == nullptr) return;
    numberTables[static_cast<std::size_t>(table)].ValueMod(r, c, number);
}

std::string PROJECTTables::TValue(const std::string& table, int r, int c) const {
    return TValue(Find(textIndex, table), r, c);
}

std::string PROJECTTables::TValue(int table, int r, int c) const {
    const Tabla* t = TextTable(table);
    return t == nullptr ? kNotSetText : t->TValue(r, c);
}

void PROJECTTables::TValueMod(const std::string& table, int r, int c, const std::string& text) {
    TValueMod(Find(textIndex, table), r, c, text);
}

void PROJECTTables::TValueMod(int table, int r, int c, const std::string& text) {
    if (TextTable(table) == nullptr) return;
    textTables[static_cast<std::size_t>(table)].TValueMod(r, c, text);
}

int PROJECTTables::Vint(const std::string& table, int r, int c) const {
    return LibTruncate(Value(table, r, c));
}

int PROJECTTables::Vint(int table, int r, int c) const {
    return LibTruncate(Value(table, r, c));
}

int PROJECTTables::nRows(const std::string& table) const {
    const Tabla* t = TextTable(Find(textIndex, table));
    return t == nullptr ? static_cast<int>(kNotSet) : t->nRows();
}
