#include "library/tables.h"

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
    LibReadEntries(
        file,
        [this](const LibEntry& e) {
            if (e.type != 1 && e.type != 2) return;
            int rows = 0;
            int cols = 0;
            if (e.items.size() < 5 || !LibReadInt(e.items[3], rows) ||
                !LibReadInt(e.items[4], cols)) {
                return;
            }
            Tabla table;
            if (e.type == 1) {
                table.Add(e.name, rows, cols, JoinFrom(e.items, 5));
                numberIndex.emplace(e.name, e.index);  // a repeated name keeps its first position
                InsertNTable(table, e.index);
            } else {
                table.AddText(e.name, rows, cols, JoinFrom(e.items, 5));
                textIndex.emplace(e.name, e.index);
                InsertTTable(table, e.index);
            }
        },
        intact, fileDigest);
}

void PROJECTTables::Clear() {
    numberIndex.clear();
    textIndex.clear();
    numberTables.clear();
    textTables.clear();
    intact = false;
    fileDigest = SavedBytes();
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
