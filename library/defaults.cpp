#include "library/defaults.h"

#include <fstream>

#include "app/inputfile.h"
#include "app/textutil.h"
#include "library/libfile.h"

void PROJECTDefaults::Init(const char* file, int /*code*/) {
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
        std::size_t pos = 3;
        if (type == 1) {
            double number = 0;
            if (pos >= items.size() || !LibReadNumber(items[pos], number)) continue;
            numberIndex.emplace(name, index);  // a repeated name keeps its first position
            InsertDefault(number, index);
        } else if (type == 2) {
            std::string text;
            if (!LibReadText(items, pos, text)) continue;
            textIndex.emplace(name, index);
            InsertDefault(text, index);
        }
    }
    in.close();
    LibCheckFile(file, intact, fileDigest);
}

void PROJECTDefaults::Clear() {
    numberIndex.clear();
    textIndex.clear();
    numbers.clear();
    texts.clear();
    intact = false;
    fileDigest.clear();
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
