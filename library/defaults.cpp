#include "library/defaults.h"

#include "library/libfile.h"

void PROJECTDefaults::Init(const char* file, int /*code*/) {
    Clear();
    LibReadEntries(
        file,
        [this](const LibEntry& e) {
            std::size_t pos = 3;
            if (e.type == 1) {
                double number = 0;
                if (pos >= e.items.size() || !LibReadNumber(e.items[pos], number)) return;
                numberIndex.emplace(e.name, e.index);  // a repeated name keeps its first position
                InsertDefault(number, e.index);
            } else if (e.type == 2) {
                std::string text;
                if (!LibReadText(e.items, pos, text)) return;
                textIndex.emplace(e.name, e.index);
                InsertDefault(text, e.index);
            }
        },
        intact, fileDigest);
}

void PROJECTDefaults::Clear() {
    numberIndex.clear();
    textIndex.clear();
    numbers.clear();
    texts.clear();
    intact = false;
    fileDigest = SavedBytes();
}

void PROJECTDefaults::InsertDefault(double number, int index) {
    LibInsertAt(numbers, number, index);
}

void PROJECTDefaults::InsertDefault(const std::string& text, int index) {
    LibInsertAt(texts, text, index);
}

double PROJECTDefaults::Value(const std::string& name) const {
    const auto it = numberIndex.find(name);
    return it == numberIndex.end() ? kNotSet : Value(it->second);
}

double PROJECTDefaults::Value(int index) const {
    if (index < 0 || static_cast<std::size_t>(index) >= numbers.size()) return kNotSet;
    return numbers[static_cast<std::size_t>(index)];
}

std::string PROJECTDefaults::TValue(const std::string& name) const {
    const auto it = textIndex.find(name);
    return it == textIndex.end() ? kNotSetText : TValue(it->second);
}

std::string PROJECTDefaults::TValue(int index) const {
    if (index < 0 || static_cast<std::size_t>(index) >= texts.size()) return kNotSetText;
    return texts[static_cast<std::size_t>(index)];
}

int PROJECTDefaults::Vint(const std::string& name) const {
    return LibTruncate(Value(name));
}

int PROJECTDefaults::Vint(int index) const {
    return LibTruncate(Value(index));
}
