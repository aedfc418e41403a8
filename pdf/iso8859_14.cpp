#include "pdf/iso8859_14.h"

#include <cstddef>
#include <cstring>

namespace {

// Bytes 0xA0 to 0xBF, and the six places from 0xC0 up where the code page
// departs from Latin-1.
constexpr char32_t kHighA0[32] = {0x00A0, 0x1E02, 0x1E03, 0x00A3, 0x010A, 0x010B, 0x1E0A, 0x00A7,
                                  0x1E80, 0x00A9, 0x1E82, 0x1E0B, 0x1EF2, 0x00AD, 0x00AE, 0x0178,
                                  0x1E1E, 0x1E1F, 0x0120, 0x0121, 0x1E40, 0x1E41, 0x00B6, 0x1E56,
                                  0x1E81, 0x1E57, 0x1E83, 0x1E60, 0x1EF3, 0x1E84, 0x1E85, 0x1E61};
struct Departure {
    unsigned char byte;
    char32_t character;
};
constexpr Departure kDepartures[] = {{0xD0, 0x0174}, {0xD7, 0x1E6A}, {0xDE, 0x0176},
                                     {0xF0, 0x0175}, {0xF7, 0x1E6B}, {0xFE, 0x0177}};

// Windows-1252's bytes 0x80 to 0x9F; 0 where it has none.
constexpr char32_t kWindows1252[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

// The base letters of U+0100 to U+017F (Latin Extended-A).
constexpr char kExtendedABase[] =
    "AaAaAaCcCcCcCcDdDdEeEeEeEeEeGgGgGgGgHhHhIiIiIiIiIiIiJjKkkLlLlLlLlLlNnNnNnnNn"
    "OoOoOoOoRrRrRrSsSsSsSsTtTtTtUuUuUuUuUuUuWwYyYZzZzZzs";
static_assert(sizeof(kExtendedABase) == 0x80 + 1, "one base letter per character");

// Look-alikes for characters of Latin-1 and Windows-1252 the code page lacks.
struct LookAlike {
    char32_t character;
    const char* text;
};
constexpr LookAlike kLookAlikes[] = {
    {0x00A1, "!"},  {0x00A2, "c"},   {0x00A4, "?"},   {0x00A5, "Y"},   {0x00A6, "|"},
    {0x00A8, "\""}, {0x00AA, "a"},   {0x00AB, "\""},  {0x00AC, "-"},   {0x00AF, "-"},
    {0x00B0, "o"},  {0x00B1, "+/-"}, {0x00B2, "2"},   {0x00B3, "3"},   {0x00B4, "'"},
    {0x00B5, "u"},  {0x00B7, "."},   {0x00B8, ","},   {0x00B9, "1"},   {0x00BA, "o"},
    {0x00BB, "\""}, {0x00BC, "1/4"}, {0x00BD, "1/2"}, {0x00BE, "3/4"}, {0x00BF, "?"},
    {0x00D0, "D"},  {0x00D7, "x"},   {0x00DE, "Th"},  {0x00F0, "d"},   {0x00F7, "/"},
    {0x00FE, "th"}, {0x0152, "OE"},  {0x0153, "oe"},  {0x0192, "f"},   {0x02C6, "^"},
    {0x02DC, "~"},  {0x2013, "-"},   {0x2014, "-"},   {0x2018, "'"},   {0x2019, "'"},
    {0x201A, ","},  {0x201C, "\""},  {0x201D, "\""},  {0x201E, "\""},  {0x2020, "+"},
    {0x2021, "+"},  {0x2022, "*"},   {0x2026, "..."}, {0x2030, "%."},  {0x2039, "<"},
    {0x203A, ">"},  {0x20AC, "EUR"}, {0x2122, "TM"}};

// The characters of a valid UTF-8 text; false when it is not one.
bool DecodeUtf8(const std::string& text, std::u32string& out) {
    out.clear();
    for (std::size_t i = 0; i < text.size();) {
        const auto b = static_cast<unsigned char>(text[i]);
        int more = 0;
        char32_t c = 0;
        if (b < 0x80) {
            c = b;
        } else if (b >= 0xC2 && b <= 0xDF) {
            more = 1;
            c = b & 0x1F;
        } else if (b >= 0xE0 && b <= 0xEF) {
            more = 2;
            c = b & 0x0F;
        } else if (b >= 0xF0 && b <= 0xF4) {
            more = 3;
            c = b & 0x07;
        } else {
            return false;
        }
        if (i + static_cast<std::size_t>(more) >= text.size()) return false;
        for (int k = 1; k <= more; ++k) {
            const auto n = static_cast<unsigned char>(text[i + static_cast<std::size_t>(k)]);
            if ((n & 0xC0) != 0x80) return false;
            c = (c << 6) | (n & 0x3F);
        }
        // Overlong forms, surrogates and characters beyond Unicode.
        if ((more == 2 && c < 0x800) || (more == 3 && (c < 0x10000 || c > 0x10FFFF)) ||
            (c >= 0xD800 && c <= 0xDFFF))
            return false;
        out.push_back(c);
        i += static_cast<std::size_t>(more) + 1;
    }
    return true;
}

std::u32string DecodeWindows1252(const std::string& text) {
    std::u32string out;
    for (char ch : text) {
        const auto b = static_cast<unsigned char>(ch);
        if (b >= 0x80 && b < 0xA0) {
            out.push_back(kWindows1252[b - 0x80] != 0 ? kWindows1252[b - 0x80] : U'?');
        } else {
            out.push_back(b);
        }
    }
    return out;
}

void AppendMissing(char32_t c, std::string& out) {
    if (c >= 0x0300 && c <= 0x036F) return;  // a combining accent: its letter stands alone
    for (const LookAlike& l : kLookAlikes) {
        if (l.character == c) {
            out += l.text;
            return;
        }
    }
    if (c >= 0x0100 && c <= 0x017F) {
        out.push_back(kExtendedABase[c - 0x0100]);
        return;
    }
    out.push_back('?');
}

}  // namespace

int Iso885914Byte(char32_t c) {
    if (c < 0x80) return static_cast<int>(c);
    if (c < 0xA0) return -1;  // control characters of no use on a page
    for (int i = 0; i < 32; ++i) {
        if (kHighA0[i] == c) return 0xA0 + i;
    }
    for (const Departure& d : kDepartures) {
        if (d.character == c) return d.byte;
    }
    if (c >= 0xC0 && c <= 0xFF) {
        for (const Departure& d : kDepartures) {
            if (d.byte == c) return -1;  // taken by another letter
        }
        return static_cast<int>(c);
    }
    return -1;
}

std::string Iso885914FromText(const std::string& text) {
    std::u32string characters;
    if (!DecodeUtf8(text, characters)) characters = DecodeWindows1252(text);
    std::string out;
    out.reserve(text.size());
    for (char32_t c : characters) {
        const int byte = Iso885914Byte(c);
        if (byte >= 0) {
            out.push_back(static_cast<char>(byte));
        } else {
            AppendMissing(c, out);
        }
    }
    return out;
}
