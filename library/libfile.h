#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "app/codes.h"
#include "library/ncmd5.h"

// Store queries answer kNotSet / kNotSetText for an entry they do not hold.

// Highest position a library entry may take. Positions are written by hand in
// the library files and stay small; a larger one would make the gap filling
// allocate without bound before the protection check could report a damaged
// file, so such entries are not stored.
inline constexpr int kLibraryIndexLimit = 9999;

// The blank-separated items of a library line (blanks are spaces and tabs).
std::vector<std::string> LibItems(const std::string& line);
// The same into `items`, whose texts are reused.
void LibItems(const std::string& line, std::vector<std::string>& items);

// Reads one text at items[pos] and moves pos past it. A text that starts with a
// double quote runs to the next item ending in one (a lone quote closes it only
// when it is not the opening item); its items are joined by single blanks and
// the outer quotes dropped. An unquoted item is a one-word text. A text that is
// never closed takes the rest of the line. False when no item is left.
bool LibReadText(const std::vector<std::string>& items, std::size_t& pos, std::string& text);

// Whole-item conversions; false when the item is not entirely a number.
bool LibReadInt(const std::string& item, int& value);
// Only finite numbers are accepted.
bool LibReadNumber(const std::string& item, double& value);

// Truncation toward zero, or the missing mark when the number does not fit an int.
int LibTruncate(double value);

// The leading items of an entry line: type, position and name. False for a
// comment line ("$" first), an empty line, or one whose leading items are not
// two whole numbers and a word.
bool LibEntryHead(const std::string& line, const std::vector<std::string>& items, int& type,
                  int& index, std::string& name);

// One entry line of a library file, with its leading items read.
struct LibEntry {
    std::vector<std::string> items;
    int type = 0;
    int index = 0;
    std::string name;
};
// The reading loop both stores share: hands every entry line of `file` to
// `onEntry` (comments and malformed heads are skipped), then runs the
// protection check. Stops the run when the file cannot be opened.
void LibReadEntries(const char* file, const std::function<void(const LibEntry&)>& onEntry,
                    bool& intact, SavedBytes& digest);

// Gap filling shared by the stores: a negative position or one above the
// limit is ignored, a held position is replaced, and a position past the end
// is reached by appending copies of the value.
template <typename Seq, typename T>
void LibInsertAt(Seq& seq, const T& value, int index) {
    if (index < 0 || index > kLibraryIndexLimit) return;
    const auto at = static_cast<std::size_t>(index);
    if (at < seq.size()) {
        seq[at] = value;
        return;
    }
    seq.resize(at + 1, value);
}
