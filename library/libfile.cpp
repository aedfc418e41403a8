#include "library/libfile.h"

#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdlib>

#include <fstream>

#include "app/inputfile.h"
#include "app/stop.h"
#include "app/textutil.h"
#include "library/ncmd5.h"

namespace {
bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\f' || c == '\v';
}
bool EndsWithQuote(const std::string& item) {
    return !item.empty() && item.back() == '"';
}
}  // namespace

std::vector<std::string> LibItems(const std::string& line) {
    std::vector<std::string> items;
    LibItems(line, items);
    return items;
}

void LibItems(const std::string& line, std::vector<std::string>& items) {
    // The texts already in `items` are overwritten in place, keeping their room.
    std::size_t count = 0;
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && IsBlank(line[i])) ++i;
        const std::size_t start = i;
        while (i < line.size() && !IsBlank(line[i])) ++i;
        if (i == start) continue;
        if (count < items.size())
            items[count].assign(line, start, i - start);
        else
            items.emplace_back(line, start, i - start);
        ++count;
    }
    items.resize(count);
}

bool LibReadText(const std::vector<std::string>& items, std::size_t& pos, std::string& text) {
    if (pos >= items.size()) return false;
    const std::string& first = items[pos++];
    if (first.empty() || first.front() != '"') {
        text = first;
        return true;
    }
    if (first.size() >= 2 && EndsWithQuote(first)) {
        text = first.substr(1, first.size() - 2);
        return true;
    }
    std::string joined = first;
    bool closed = false;
    while (pos < items.size() && !closed) {
        const std::string& item = items[pos++];
        joined += ' ';
        joined += item;
        closed = EndsWithQuote(item);
    }
    // joined starts with the opening quote; when closed it also ends with one.
    text = closed ? joined.substr(1, joined.size() - 2) : joined.substr(1);
    return true;
}

bool LibReadInt(const std::string& item, int& value) {
    if (item.empty()) return false;
    errno = 0;
    char* end = nullptr;
    const long v = std::strtol(item.c_str(), &end, 10);
    if (errno != 0 || *end != '\0' || v < INT_MIN || v > INT_MAX) return false;
    value = static_cast<int>(v);
    return true;
}

bool LibReadNumber(const std::string& item, double& value) {
    if (item.empty()) return false;
    char* end = nullptr;
    const double v = std::strtod(item.c_str(), &end);
    if (*end != '\0' || !std::isfinite(v)) return false;
    value = v;
    return true;
}

int LibTruncate(double value) {
    // The bounds are exactly representable; anything strictly between them
    // truncates into range.
    if (!(value > static_cast<double>(INT_MIN) - 1.0 &&
          value < static_cast<double>(INT_MAX) + 1.0)) {
        return static_cast<int>(kNotSet);
    }
    return static_cast<int>(value);
}

bool LibEntryHead(const std::string& line, const std::vector<std::string>& items, int& type,
                  int& index, std::string& name) {
    if (!line.empty() && line.front() == '$') return false;
    if (items.size() < 3) return false;
    if (!LibReadInt(items[0], type) || !LibReadInt(items[1], index)) return false;
    name = items[2];
    return true;
}

void LibReadEntries(const char* file, const std::function<void(const LibEntry&)>& onEntry,
                    bool& intact, SavedBytes& digest) {
    std::string content;
    if (!ReadRunFile(file, content)) StopCouldNotOpen(file);
    // The file is read once: its entries, its protection and its digest all
    // come from these bytes.
    TextLines lines(content);
    std::string line;
    LibEntry entry;
    while (lines.Next(line)) {
        LibItems(line, entry.items);
        if (!LibEntryHead(line, entry.items, entry.type, entry.index, entry.name)) continue;
        onEntry(entry);
    }
    const NCMD5 md5;
    intact = md5.flibcheckText(PathFileName(file), content);
    // Worked out when first read: no run reads it yet.
    digest = SavedBytes("", std::vector<unsigned char>(content.begin(), content.end()));
}
