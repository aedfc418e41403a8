#include "app/encoding.h"

#include "app/textutil.h"

namespace {

// Stands for a byte that does not start a well-formed character: outside
// Unicode, so no decoded character is taken for it.
constexpr char32_t kInvalid = 0x110000;

// Unicode code points of ISO 8859-14's bytes 0xA0 to 0xFF (the Latin-1 ones
// where the Welsh and Irish letters do not take their place).
constexpr char32_t kIso8859_14High[96] = {
    0x00A0, 0x1E02, 0x1E03, 0x00A3, 0x010A, 0x010B, 0x1E0A, 0x00A7, 0x1E80, 0x00A9, 0x1E82, 0x1E0B,
    0x1EF2, 0x00AD, 0x00AE, 0x0178, 0x1E1E, 0x1E1F, 0x0120, 0x0121, 0x1E40, 0x1E41, 0x00B6, 0x1E56,
    0x1E81, 0x1E57, 0x1E83, 0x1E60, 0x1EF3, 0x1E84, 0x1E85, 0x1E61, 0x00C0, 0x00C1, 0x00C2, 0x00C3,
    0x00C4, 0x00C5, 0x00C6, 0x00C7, 0x00C8, 0x00C9, 0x00CA, 0x00CB, 0x00CC, 0x00CD, 0x00CE, 0x00CF,
    0x0174, 0x00D1, 0x00D2, 0x00D3, 0x00D4, 0x00D5, 0x00D6, 0x1E6A, 0x00D8, 0x00D9, 0x00DA, 0x00DB,
    0x00DC, 0x00DD, 0x0176, 0x00DF, 0x00E0, 0x00E1, 0x00E2, 0x00E3, 0x00E4, 0x00E5, 0x00E6, 0x00E7,
    0x00E8, 0x00E9, 0x00EA, 0x00EB, 0x00EC, 0x00ED, 0x00EE, 0x00EF, 0x0175, 0x00F1, 0x00F2, 0x00F3,
    0x00F4, 0x00F5, 0x00F6, 0x1E6B, 0x00F8, 0x00F9, 0x00FA, 0x00FB, 0x00FC, 0x00FD, 0x0177, 0x00FF};

// The plain base letter of each Latin letter with a diacritic, by blocks of
// code points; "?" where a character has none.
struct BaseLetters {
    char32_t first;
    const char* letters;
};
constexpr BaseLetters kBaseLetters[] = {
    {0x00C0, "AAAAAA?CEEEEIIII?NOOOOO?OUUUUY??aaaaaa?ceeeeiiii?nooooo?ouuuuy?y"},
    {0x0100,
     "AaAaAaCcCcCcCcDdDdEeEeEeEeEeGgGgGgGgHhHhIiIiIiIiIi??JjKkkLlLlLlL"
     "lLlNnNnNnn??OoOoOo??RrRrRrSsSsSsSsTtTtTtUuUuUuUuUuUuWwYyYZzZzZzs"},
    {0x0180,
     "b??????????????????????I??l?????Oo?????????????Uu????Zz?????????"
     "?????????????AaIiOoUuUuUuUuUu?AaAa????GgKkOoOo??j???Gg??NnAa????"
     "AaAaEeEeIiIiOoOoRrRrUuUuSsTt??Hh??????AaEeOoOoOoOoYy????????????"},
    {0x1E00,
     "AaBbBbBbCcDdDdDdDdDdEeEeEeEeEeFfGgHhHhHhHhHhIiIiKkKkKkLlLlLlLlMm"
     "MmMmNnNnNnNnOoOoOoOoPpPpRrRrRrRrSsSsSsSsSsTtTtTtTtUuUuUuUuUuVvVv"
     "WwWwWwWwWwXxXxYyZzZzZzhtwy????S?AaAaAaAaAaAaAaAaAaAaAaAaEeEeEeEe"
     "EeEeEeEeIiIiOoOoOoOoOoOoOoOoOoOoOoOoUuUuUuUuUuUuUuYyYyYyYy??????"},
};

// Plain forms of the other characters a typed address or name holds: the
// signs a keyboard offers, spaces of other widths (the joiners that are not
// seen, nothing), dashes and quote marks, the comparisons, and raised and
// lowered digits ("CO2", "m2").
struct PlainForm {
    char32_t codePoint;
    const char* plain;
};
constexpr PlainForm kPlainForms[] = {
    {0x00A0, " "},  {0x00AB, "\""}, {0x00AD, "-"},   {0x00B0, "deg"}, {0x00B1, "+/-"},
    {0x00B2, "2"},  {0x00B3, "3"},  {0x00B4, "'"},   {0x00B5, "u"},   {0x00B7, "."},
    {0x00B9, "1"},  {0x00BB, "\""}, {0x00BC, "1/4"}, {0x00BD, "1/2"}, {0x00BE, "3/4"},
    {0x00C6, "AE"}, {0x00D0, "D"},  {0x00D7, "x"},   {0x00DE, "Th"},  {0x00DF, "ss"},
    {0x00E6, "ae"}, {0x00F0, "d"},  {0x00F7, "/"},   {0x00FE, "th"},  {0x0132, "IJ"},
    {0x0133, "ij"}, {0x0152, "OE"}, {0x0153, "oe"},  {0x2002, " "},   {0x2003, " "},
    {0x2009, " "},  {0x200A, " "},  {0x200B, ""},    {0x2010, "-"},   {0x2011, "-"},
    {0x2012, "-"},  {0x2013, "-"},  {0x2014, "-"},   {0x2015, "-"},   {0x2018, "'"},
    {0x2019, "'"},  {0x201A, "'"},  {0x201B, "'"},   {0x201C, "\""},  {0x201D, "\""},
    {0x201E, "\""}, {0x2022, "*"},  {0x2026, "..."}, {0x2032, "'"},   {0x2033, "\""},
    {0x2039, "'"},  {0x203A, "'"},  {0x202F, " "},   {0x20AC, "EUR"}, {0x2122, "TM"},
    {0x2212, "-"},  {0xFEFF, ""},   {0x2004, " "},   {0x2005, " "},   {0x2006, " "},
    {0x2007, " "},  {0x2008, " "},  {0x205F, " "},   {0x3000, " "},   {0x200C, ""},
    {0x200D, ""},   {0x2060, ""},   {0x2043, "-"},   {0xFE58, "-"},   {0xFE63, "-"},
    {0xFF0D, "-"},  {0x201F, "\""}, {0x2035, "'"},   {0x2036, "\""},  {0x2024, "."},
    {0x2025, ".."}, {0x2264, "<="}, {0x2265, ">="},  {0x2070, "0"},   {0x2074, "4"},
    {0x2075, "5"},  {0x2076, "6"},  {0x2077, "7"},   {0x2078, "8"},   {0x2079, "9"},
    {0x207A, "+"},  {0x207B, "-"},  {0x2080, "0"},   {0x2081, "1"},   {0x2082, "2"},
    {0x2083, "3"},  {0x2084, "4"},  {0x2085, "5"},   {0x2086, "6"},   {0x2087, "7"},
    {0x2088, "8"},  {0x2089, "9"},  {0x208A, "+"},   {0x208B, "-"},
};

// The plain form of a character the output cannot carry.
std::string Plain(char32_t cp) {
    // A combining accent typed after its letter: the letter alone is the
    // plain form.
    if (cp >= 0x300 && cp <= 0x36F) return "";
    for (const PlainForm& f : kPlainForms)
        if (f.codePoint == cp) return f.plain;
    for (const BaseLetters& b : kBaseLetters) {
        const std::size_t count = std::char_traits<char>::length(b.letters);
        if (cp >= b.first && cp < b.first + count) return std::string(1, b.letters[cp - b.first]);
    }
    return "?";
}

char32_t FromCp1252(unsigned char b) {
    if (b >= 0x80 && b <= 0x9F)
        return kCp1252High[b - 0x80] != 0 ? kCp1252High[b - 0x80] : kInvalid;
    return b;
}

// Decodes one UTF-8 character at `at`, moving `at` past it; kInvalid (one
// byte consumed) for a byte that does not start a well-formed character.
char32_t NextUtf8(const std::string& s, std::size_t& at) {
    const auto b0 = static_cast<unsigned char>(s[at]);
    if (b0 < 0x80) {
        ++at;
        return b0;
    }
    int extra = 0;
    char32_t cp = 0;
    char32_t least = 0;
    if (b0 >= 0xC2 && b0 <= 0xDF) {
        extra = 1;
        cp = b0 & 0x1F;
        least = 0x80;
    } else if (b0 >= 0xE0 && b0 <= 0xEF) {
        extra = 2;
        cp = b0 & 0x0F;
        least = 0x800;
    } else if (b0 >= 0xF0 && b0 <= 0xF4) {
        extra = 3;
        cp = b0 & 0x07;
        least = 0x10000;
    } else {
        ++at;
        return kInvalid;
    }
    if (at + extra >= s.size()) {
        ++at;
        return kInvalid;
    }
    for (int i = 1; i <= extra; ++i) {
        const auto b = static_cast<unsigned char>(s[at + i]);
        if ((b & 0xC0) != 0x80) {
            ++at;
            return kInvalid;
        }
        cp = (cp << 6) | (b & 0x3F);
    }
    if (cp < least || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
        ++at;
        return kInvalid;
    }
    at += extra + 1;
    return cp;
}

// The byte of `cp` in the output's code page, or -1 when it has none.
int ByteIn(char32_t cp, OutputEncoding to) {
    if (cp < 0x80) return static_cast<int>(cp);
    if (to == OutputEncoding::kWinAnsi) {
        if (cp >= 0xA0 && cp <= 0xFF) return static_cast<int>(cp);
        for (int i = 0; i < 32; ++i)
            if (kCp1252High[i] == cp) return 0x80 + i;
        return -1;
    }
    for (int i = 0; i < 96; ++i)
        if (kIso8859_14High[i] == cp) return 0xA0 + i;
    return -1;
}

void NoteReplaced(EncodedText& out, char32_t cp, const std::string& plain) {
    const std::string shown = cp == kInvalid ? std::string() : Utf8Of(cp);
    for (const auto& r : out.replaced)
        if (r.first == shown) return;
    out.replaced.emplace_back(shown, plain);
}

// The XML form of one character of a UTF-8 text: StripXMLQuotes's rules,
// with every character from U+00A1 up as its numeric reference.
void AppendXml(EncodedText& out, char32_t cp) {
    if (cp < 0x80) {
        out.text += StripXMLQuotes(std::string(1, static_cast<char>(cp)));
    } else if (cp == kInvalid) {
        out.text += '?';
        NoteReplaced(out, cp, "?");
    } else if (cp <= 0xA0 || cp == 0xAD) {
        // Control characters, the no-break space and the soft hyphen: as for
        // a Windows-1252 text.
        out.text += '?';
    } else {
        out.text += "&#" + std::to_string(static_cast<unsigned long>(cp)) + ";";
    }
}

}  // namespace

bool StripUtf8Bom(std::string& firstLine) {
    if (firstLine.compare(0, 3, kUtf8Bom) != 0) return false;
    firstLine.erase(0, 3);
    return true;
}

bool IsValidUtf8(const std::string& text, bool* hasMultiByte) {
    bool multi = false;
    for (std::size_t at = 0; at < text.size();) {
        const auto b = static_cast<unsigned char>(text[at]);
        if (b < 0x80) {
            ++at;
            continue;
        }
        if (NextUtf8(text, at) == kInvalid) return false;
        multi = true;
    }
    if (hasMultiByte != nullptr) *hasMultiByte = multi;
    return true;
}

void InputEncodingScan::Add(const std::string& line) {
    if (!validUtf8) return;
    bool multi = false;
    validUtf8 = IsValidUtf8(line, &multi);
    multiByte = multiByte || multi;
}

TextEncoding InputEncodingScan::Result(bool hadBom) const {
    if (hadBom) return TextEncoding::kUtf8;
    return validUtf8 && multiByte ? TextEncoding::kUtf8 : TextEncoding::kWindows1252;
}

TextEncoding InputEncodingOf(const std::vector<std::string>& lines, bool hadBom) {
    InputEncodingScan scan;
    for (const std::string& line : lines) scan.Add(line);
    return scan.Result(hadBom);
}

EncodedText EncodeText(const std::string& text, TextEncoding from, OutputEncoding to) {
    EncodedText out;
    if (from == TextEncoding::kWindows1252) {
        // The input's own code page: what the writers always printed.
        if (to == OutputEncoding::kWinAnsi) {
            out.text = text;
            return out;
        }
        if (to == OutputEncoding::kXml) {
            out.text = StripXMLQuotes(text);
            return out;
        }
    }
    out.text.reserve(text.size());
    for (std::size_t at = 0; at < text.size();) {
        char32_t cp;
        if (from == TextEncoding::kUtf8) {
            cp = NextUtf8(text, at);
        } else {
            cp = FromCp1252(static_cast<unsigned char>(text[at]));
            ++at;
        }
        if (to == OutputEncoding::kXml) {
            AppendXml(out, cp);
            continue;
        }
        if (to == OutputEncoding::kUtf8 && cp != kInvalid) {
            out.text += Utf8Of(cp);
            continue;
        }
        const int byte = cp == kInvalid ? -1 : ByteIn(cp, to);
        if (byte >= 0) {
            out.text += static_cast<char>(byte);
            continue;
        }
        const std::string plain = cp == kInvalid ? "?" : Plain(cp);
        out.text += plain;
        NoteReplaced(out, cp, plain);
    }
    return out;
}

std::string Utf8Of(char32_t cp) {
    std::string s;
    if (cp < 0x80) {
        s += static_cast<char>(cp);
    } else if (cp < 0x800) {
        s += static_cast<char>(0xC0 | (cp >> 6));
        s += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        s += static_cast<char>(0xE0 | (cp >> 12));
        s += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        s += static_cast<char>(0xF0 | (cp >> 18));
        s += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        s += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (cp & 0x3F));
    }
    return s;
}
