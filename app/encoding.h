#pragma once

#include <string>
#include <utility>
#include <vector>

// Input texts and the encodings of the outputs.
//
// An input file is read as Windows-1252 unless it is UTF-8: a file that opens
// with the UTF-8 byte-order mark, or that is valid UTF-8 and holds at least
// one multi-byte character. The reader decides once (InputEncodingOf) and the
// object matrix keeps the input's bytes, so the results file and the input's
// key digest see the file as it is.
//
// Every writer that prints input text turns it into its output's encoding
// through EncodeText, and only there:
//
//   PDF standard fonts     OutputEncoding::kWinAnsi     (Windows-1252 bytes)
//   XML messages           OutputEncoding::kXml         (StripXMLQuotes's references)
//   Welsh certificate      OutputEncoding::kIso8859_14  (bytes for a font fetched
//                                                        with "ISO8859-14")
//   what a run tells tarvex-batch  OutputEncoding::kUtf8  (app/runresult.h)
//
// A character the output cannot carry is written as its plain base letter
// (ŵ as w, ŷ as y, ł as l), a dash or quote mark as its plain ASCII form, and
// anything else as "?"; never as a sequence of stray bytes. From a gatherer,
// call PROJECT::OutputText (project/project.h), which also names each
// replaced character in the run log once, with its keyword and input line.

enum class TextEncoding { kWindows1252, kUtf8 };
enum class OutputEncoding { kWinAnsi, kXml, kIso8859_14, kUtf8 };

// Unicode code points of Windows-1252's bytes 0x80 to 0x9F; 0 where the code
// page defines no character. (0xA0 to 0xFF are Latin-1's own.)
inline constexpr char32_t kCp1252High[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

// The UTF-8 byte-order mark.
inline constexpr const char* kUtf8Bom = "\xEF\xBB\xBF";

// Removes a leading byte-order mark from `firstLine`; true when there was one.
bool StripUtf8Bom(std::string& firstLine);
// Whether `text` is well-formed UTF-8 (no overlong forms, surrogates or code
// points past U+10FFFF), and whether it holds a character of two bytes or more.
bool IsValidUtf8(const std::string& text, bool* hasMultiByte = nullptr);
// The encoding of an input whose lines are `lines` (byte-order mark already
// stripped, `hadBom` telling whether there was one).
TextEncoding InputEncodingOf(const std::vector<std::string>& lines, bool hadBom);
// The same decision made line by line, for a reader that keeps no copy.
struct InputEncodingScan {
    bool validUtf8 = true;
    bool multiByte = false;
    void Add(const std::string& line);
    TextEncoding Result(bool hadBom) const;
};

// What EncodeText made of a text.
struct EncodedText {
    std::string text;
    // Each character that had to be replaced, once, as UTF-8 (empty for bytes
    // that are not UTF-8), with what was written in its place.
    std::vector<std::pair<std::string, std::string>> replaced;
};

// `text`, read in the input's encoding, in the output's encoding. A
// Windows-1252 text for kWinAnsi comes back unchanged, and for kXml exactly
// as StripXMLQuotes gives it. Bytes that are not UTF-8 in a UTF-8 text are
// written as "?".
EncodedText EncodeText(const std::string& text, TextEncoding from, OutputEncoding to);

// The Unicode code point as UTF-8 (for messages).
std::string Utf8Of(char32_t codePoint);
