#include "app/encoding.h"

#include <gtest/gtest.h>

#include "app/textutil.h"

namespace {

// The Unicode code point of each Windows-1252 byte from 0x80 up; 0 where the
// code page defines none.
char32_t Cp1252ToUnicode(int b) {
    static const char32_t kHigh[32] = {
        0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};
    return b < 0xA0 ? kHigh[b - 0x80] : static_cast<char32_t>(b);
}

TEST(InputEncoding, DecidedOnceForTheWholeFile) {
    struct Case {
        const char* label;
        std::vector<std::string> lines;
        bool bom;
        TextEncoding expected;
    } cases[] = {
        {"plain ASCII", {"\"A\" = GENERAL", "   NAME = \"x\""}, false, TextEncoding::kWindows1252},
        {"ASCII after a mark", {"\"A\" = GENERAL"}, true, TextEncoding::kUtf8},
        {"a multi-byte letter on a later line",
         {"abc", "T\xC5\xB7 Gwyn"},
         false,
         TextEncoding::kUtf8},
        {"Windows-1252 e-acute", {"Caf\xE9"}, false, TextEncoding::kWindows1252},
        {"Windows-1252 dash among UTF-8",
         {"T\xC5\xB7", "a \x96 b"},
         false,
         TextEncoding::kWindows1252},
        {"a UTF-8 sequence cut short at the line end",
         {"Caf\xC3"},
         false,
         TextEncoding::kWindows1252},
        {"an overlong form", {"\xC0\xAF"}, false, TextEncoding::kWindows1252},
        {"a surrogate", {"\xED\xA0\x80"}, false, TextEncoding::kWindows1252},
        {"a four-byte character", {"\xF0\x9F\x8F\xA0"}, false, TextEncoding::kUtf8},
        {"no lines", {}, false, TextEncoding::kWindows1252},
    };
    for (const auto& c : cases) EXPECT_EQ(InputEncodingOf(c.lines, c.bom), c.expected) << c.label;
}

TEST(InputEncoding, MarkIsStrippedFromTheFirstLineOnly) {
    std::string line = "\xEF\xBB\xBF\"General\" = GENERAL";
    EXPECT_TRUE(StripUtf8Bom(line));
    EXPECT_EQ(line, "\"General\" = GENERAL");
    EXPECT_FALSE(StripUtf8Bom(line));
    std::string shortLine = "\xEF\xBB";
    EXPECT_FALSE(StripUtf8Bom(shortLine));
    EXPECT_EQ(shortLine, "\xEF\xBB");
}

struct EncodeCase {
    const char* label;
    std::string text;
    TextEncoding from;
    OutputEncoding to;
    std::string expected;
    std::vector<std::string> replaced;  // the characters named as replaced
};

TEST(EncodeText, EachOutputGetsItsOwnBytes) {
    const auto u8 = TextEncoding::kUtf8;
    const auto w = TextEncoding::kWindows1252;
    const auto pdf = OutputEncoding::kWinAnsi;
    const auto xml = OutputEncoding::kXml;
    const auto welsh = OutputEncoding::kIso8859_14;
    const EncodeCase cases[] = {
        {"Welsh house name on the certificate",
         "T\xC5\xB7 Gwyn \xE2\x80\x93 Caf\xC3\xA9",
         u8,
         pdf,
         "Ty Gwyn \x96 Caf\xE9",
         {"\xC5\xB7"}},
        {"capital w-circumflex",
         "\xC5\xB4"
         "ern",
         u8,
         pdf,
         "Wern",
         {"\xC5\xB4"}},
        {"Polish and Czech letters",
         "\xC5\x81\xC3\xB3"
         "d\xC5\xBA, \xC4\x8C"
         "esk\xC3\xBD",
         u8,
         pdf,
         "L\xF3"
         "dz, Cesk\xFD",
         {"\xC5\x81", "\xC5\xBA", "\xC4\x8C"}},
        {"a letter twice is named once", "\xC5\xB5\xC5\xB5", u8, pdf, "ww", {"\xC5\xB5"}},
        {"Windows-1252 input is printed as before",
         "Caf\xE9 \x96 \x80 \x81",
         w,
         pdf,
         "Caf\xE9 \x96 \x80 \x81",
         {}},
        {"no glyph, no base letter", "\xE4\xB8\xAD", u8, pdf, "?", {"\xE4\xB8\xAD"}},
        // Letters typed often that no font of ours holds: their plain forms.
        {"lowered and raised digits",
         "CO\xE2\x82\x82 m\xE2\x81\xB4 \xE2\x82\x80\xE2\x82\x89",
         u8,
         pdf,
         "CO2 m4 09",
         {"\xE2\x82\x82", "\xE2\x81\xB4", "\xE2\x82\x80", "\xE2\x82\x89"}},
        {"comparisons",
         "\xE2\x89\xA4 5 \xE2\x89\xA5 2",
         u8,
         pdf,
         "<= 5 >= 2",
         {"\xE2\x89\xA4", "\xE2\x89\xA5"}},
        {"dashes and quote marks",
         "a\xE2\x80\x90"
         "b \xE2\x80\x9F"
         "c\xE2\x80\xB5 \xEF\xBC\x8D",
         u8,
         pdf,
         "a-b \"c' -",
         {"\xE2\x80\x90", "\xE2\x80\x9F", "\xE2\x80\xB5", "\xEF\xBC\x8D"}},
        {"spaces of other widths and joiners",
         "1\xE2\x80\x87"
         "2\xE2\x81\xA0"
         "3\xE3\x80\x80"
         "4",
         u8,
         pdf,
         "1 23 4",
         {"\xE2\x80\x87", "\xE2\x81\xA0", "\xE3\x80\x80"}},
        {"raised digits and the ellipsis where the code page has them",
         "m\xC2\xB2 \xE2\x80\xA6 \xC2\xA0",
         u8,
         pdf,
         "m\xB2 \x85 \xA0",
         {}},
        {"plain forms on the Welsh certificate too",
         "CO\xE2\x82\x82 \xE2\x89\xA5 1",
         u8,
         welsh,
         "CO2 >= 1",
         {"\xE2\x82\x82", "\xE2\x89\xA5"}},
        {"an emoji has none", "a\xF0\x9F\x98\x80", u8, pdf, "a?", {"\xF0\x9F\x98\x80"}},
        {"bytes that are not UTF-8",
         "a\xFF"
         "b",
         u8,
         pdf,
         "a?b",
         {""}},
        {"minus sign and ellipsis",
         "\xE2\x88\x92"
         "5\xE2\x80\xA6",
         u8,
         pdf,
         "-5\x85",
         {"\xE2\x88\x92"}},
        {"XML references for any character",
         "T\xC5\xB7 & \"Caf\xC3\xA9\"",
         u8,
         xml,
         "T&#375; &amp; Caf&#233;",
         {}},
        {"XML of a Windows-1252 text as before",
         "T\xF4 <\x93x\x94>",
         w,
         xml,
         "T&#244; &lt;&#8220;x&#8221;&gt;",
         {}},
        {"XML: no-break space and soft hyphen as for Windows-1252",
         "a\xC2\xA0"
         "b\xC2\xAD",
         u8,
         xml,
         "a?b?",
         {}},
        {"Welsh certificate carries the Welsh letters",
         "T\xC5\xB7 \xC5\xB5 \xC5\xB4 \xC5\xB6",
         u8,
         welsh,
         "T\xFE \xF0 \xD0 \xDE",
         {}},
        {"Welsh certificate from a Windows-1252 input",
         "Caf\xE9 \x96 \x80",
         w,
         welsh,
         "Caf\xE9 - EUR",
         {"\xE2\x80\x93", "\xE2\x82\xAC"}},
        {"Welsh certificate lacks the degree sign",
         "21\xC2\xB0"
         "C",
         u8,
         welsh,
         "21degC",
         {"\xC2\xB0"}},
        {"UTF-8 for tarvex-batch from a Windows-1252 input",
         "Caf\xE9 \x96 \x80 & \"x\"",
         w,
         OutputEncoding::kUtf8,
         "Caf\xC3\xA9 \xE2\x80\x93 \xE2\x82\xAC & \"x\"",
         {}},
        {"UTF-8 for tarvex-batch as it is, bytes that are not UTF-8 named",
         "T\xC5\xB7 a\xFF",
         u8,
         OutputEncoding::kUtf8,
         "T\xC5\xB7 a?",
         {""}},
    };
    for (const EncodeCase& c : cases) {
        const EncodedText out = EncodeText(c.text, c.from, c.to);
        EXPECT_EQ(out.text, c.expected) << c.label;
        std::vector<std::string> named;
        for (const auto& r : out.replaced) named.push_back(r.first);
        EXPECT_EQ(named, c.replaced) << c.label;
    }
}

// A UTF-8 input prints exactly as the same text saved as Windows-1252.
// Plain ASCII passes through whole; one letter beyond it anywhere in a long
// text, in the first eight bytes, a later eight or the last few, is still
// encoded.
TEST(EncodeText, ALetterBeyondAsciiAnywhereIsEncoded) {
    for (std::size_t at = 0; at <= 17; ++at) {
        std::string utf8(17, 'a');
        std::string pdf = utf8;
        std::string xml = utf8;
        utf8.insert(at, "\xC3\xA9");
        pdf.insert(at, "\xE9");
        xml.insert(at, "&#233;");
        EXPECT_EQ(EncodeText(utf8, TextEncoding::kUtf8, OutputEncoding::kWinAnsi).text, pdf) << at;
        EXPECT_EQ(EncodeText(utf8, TextEncoding::kUtf8, OutputEncoding::kXml).text, xml) << at;
        EXPECT_EQ(EncodeText(pdf, TextEncoding::kWindows1252, OutputEncoding::kUtf8).text, utf8)
            << at;
    }
    const std::string markup = "a<b> & \"c\" 'd'\t";
    EXPECT_EQ(EncodeText(markup, TextEncoding::kUtf8, OutputEncoding::kXml).text,
              "a&lt;b&gt; &amp; c &apos;d&apos;\t");
    EXPECT_EQ(EncodeText(markup, TextEncoding::kUtf8, OutputEncoding::kWinAnsi).text, markup);
}

TEST(EncodeText, Utf8AndWindows1252OfTheSameTextAgree) {
    for (int b = 0x20; b < 0x100; ++b) {
        if (b == 0x7F) continue;
        const char32_t cp = b < 0x80 ? static_cast<char32_t>(b) : Cp1252ToUnicode(b);
        if (cp == 0) continue;
        const std::string cp1252(1, static_cast<char>(b));
        const std::string utf8 = Utf8Of(cp);
        EXPECT_EQ(EncodeText(utf8, TextEncoding::kUtf8, OutputEncoding::kWinAnsi).text, cp1252)
            << b;
        EXPECT_EQ(EncodeText(utf8, TextEncoding::kUtf8, OutputEncoding::kIso8859_14).text,
                  EncodeText(cp1252, TextEncoding::kWindows1252, OutputEncoding::kIso8859_14).text)
            << b;
        // Z and z with caron are references in UTF-8; the Windows-1252 rule
        // leaves them as "?".
        if (b == 0x8E || b == 0x9E) continue;
        EXPECT_EQ(EncodeText(utf8, TextEncoding::kUtf8, OutputEncoding::kXml).text,
                  StripXMLQuotes(cp1252))
            << b;
    }
}

}  // namespace
