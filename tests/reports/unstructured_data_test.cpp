#include "reports/unstructured_data.h"

#include <gtest/gtest.h>

namespace {

// The shape the writer makes: comments for files not carried, one carried
// file with its File-Type and hash comments.
const std::string kWritten =
    "\t<CEPC:Unstructured-Data>\n"
    "  \t<!-- The Interface Input Data is not available. -->\n"
    "  \t<!-- The Tarvex Input Data encoded in base64. -->\n"
    "  \t<Data-Blob>\n"
    "         <File-Location>C:\\jobs\\office.inp</File-Location>\n"
    "         <File-Type>inp</File-Type>\n"
    "         <Data>\n"
    "QUJD\n"
    "RA==\n"
    "         </Data>\n"
    "  \t      <!-- original secure hash: 0123 -->\n"
    "  \t</Data-Blob>\n"
    "\t</CEPC:Unstructured-Data>\n";

// kWritten with the first `from` changed to `to`.
std::string With(const std::string& from, const std::string& to) {
    std::string text = kWritten;
    const std::size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    if (at != std::string::npos) text.replace(at, from.size(), to);
    return text;
}

std::string Location(const std::string& value) {
    return With("C:\\jobs\\office.inp", value);
}

TEST(UnstructuredData, TakesEveryFormTheWriterMakes) {
    const std::string cases[] = {
        kWritten,
        "<CEPC:Unstructured-Data></CEPC:Unstructured-Data>",
        "\t<CEPC:Unstructured-Data>\n  \t<!-- not available -->\n\t</CEPC:Unstructured-Data>\n",
        With("         <File-Type>inp</File-Type>\n", ""),
        With("QUJD\nRA==\n", ""),
        Location("Caf&#233; &amp;&lt;&gt;&quot;&apos; &#xE9;&#x10FFFF;&#0065; > \xC3\xA9 "
                 "\xF0\x9F\x8F\xA0"),
        Location(""),
        // Lone CRs are white space and text like any other.
        With("  \t<Data-Blob>\n", "\r\t<Data-Blob>\r") + "\r",
        // Comments may hold markup and references of any kind, but not "--".
        With("not available.", "& <Data> &nbsp; ]]> <!- -"),
        With("  \t<!-- The Tarvex", "<!----><!-- a --><!-- The Tarvex"),
        With("</Data>\n", "</Data><!-- x -->\n"),
    };
    for (const std::string& text : cases) {
        const DataProblem p = UnstructuredDataProblem(text);
        EXPECT_EQ(p.what, "") << text;
    }
}

TEST(UnstructuredData, RefusesAnythingElseSayingWhereAndWhy) {
    const std::string nul(1, '\0');
    const struct {
        std::string text;
        std::string what;
        std::size_t at;  // npos: not checked
    } cases[] = {
        // Characters, as written and as references.
        {Location("a" + nul), "a control character (U+0000)", kWritten.find("C:\\") + 1},
        {Location("\x1F"), "a control character (U+001F)", std::string::npos},
        {Location("\x7F"), "a control character (U+007F)", std::string::npos},
        {Location("\xC2\x85"), "a control character (U+0085)", std::string::npos},
        {Location("\xEF\xBF\xBE"), "a character XML cannot carry (U+FFFE)", std::string::npos},
        {Location("\xE9"), "bytes that are not UTF-8", std::string::npos},
        {Location("\xC0\xAF"), "bytes that are not UTF-8", std::string::npos},          // overlong
        {Location("\xED\xA0\x80"), "bytes that are not UTF-8", std::string::npos},      // surrogate
        {Location("\xF4\x90\x80\x80"), "bytes that are not UTF-8", std::string::npos},  // too high
        {kWritten + "\xE2\x82", "bytes that are not UTF-8", kWritten.size()},           // cut short
        {Location("a & b"), "a raw & (not a reference)", kWritten.find("C:\\") + 2},
        {Location("&amp"), "a raw & (not a reference)", std::string::npos},
        {Location("&amp x;"), "a raw & or an unknown entity", std::string::npos},
        {Location("&nbsp;"), "a raw & or an unknown entity", std::string::npos},
        {Location("&#;"), "a raw & or an unknown entity", std::string::npos},
        {Location("&#x;"), "a raw & or an unknown entity", std::string::npos},
        {Location("&#X41;"), "a raw & or an unknown entity", std::string::npos},
        {Location("&#12a;"), "a raw & or an unknown entity", std::string::npos},
        {Location("&#0;"), "a reference to a character XML cannot carry (&#0;)", std::string::npos},
        {Location("&#x85;"), "a reference to a character XML cannot carry (&#x85;)",
         std::string::npos},
        {Location("&#xD800;"), "a reference to a character XML cannot carry (&#xD800;)",
         std::string::npos},
        {Location("&#65535;"), "a reference to a character XML cannot carry (&#65535;)",
         std::string::npos},
        {Location("&#x110000;"), "a reference to a character XML cannot carry (&#x110000;)",
         std::string::npos},
        {Location("&#99999999999999999999;"),
         "a reference to a character XML cannot carry (&#99999999999999999999;)",
         std::string::npos},
        {Location("a]]>b"), "]]> in text", std::string::npos},
        {With("QUJD", "QU&amp;JD"), "text other than base64 in <Data>", std::string::npos},
        // Comments.
        {With("-- The Interface", "-- The -- Interface"), "-- inside a comment",
         kWritten.find("-- The Interface") + 7},
        {With("not available. -->", "not available. --->"), "-- inside a comment",
         std::string::npos},
        {"<CEPC:Unstructured-Data><!-- open", "a comment that is not closed", 24},
        // Markup other than ours.
        {"", "the data does not begin with <CEPC:Unstructured-Data>", 0},
        {"<?xml version=\"1.0\"?>" + kWritten,
         "the data does not begin with <CEPC:Unstructured-Data>", 0},
        {"<CEPC:Unstructured-Data >", "the data does not begin with <CEPC:Unstructured-Data>", 0},
        {With("<Data-Blob>", "<Data-Blob/>"),
         "an element out of place in <CEPC:Unstructured-Data>: <Data-Blob/>", std::string::npos},
        {With("<Data>", "<Data encoding=\"base64\">"),
         "an element out of place in <Data-Blob>: <Data encoding=\"base64\">", std::string::npos},
        {With("<File-Type>inp</File-Type>", "<File-Type>a<b</File-Type>"),
         "an element out of place in <File-Type>: <b", std::string::npos},
        {With("  \t<Data-Blob>", "<?php x ?>"), "a processing instruction", std::string::npos},
        {With("  \t<Data-Blob>", "<!DOCTYPE x>"), "a declaration", std::string::npos},
        {Location("<![CDATA[a]]>"), "a CDATA section", std::string::npos},
    };
    for (const auto& c : cases) {
        const DataProblem p = UnstructuredDataProblem(c.text);
        EXPECT_EQ(p.what, c.what) << c.text;
        if (c.at != std::string::npos) {
            EXPECT_EQ(p.at, c.at) << c.what;
        }
    }
}

// Each element holds what it holds in the order the writer writes it, and
// every element is closed where it must be.
TEST(UnstructuredData, RefusesElementsOutOfPlaceOrUnclosed) {
    const std::string location = "         <File-Location>C:\\jobs\\office.inp</File-Location>\n";
    const std::string type = "         <File-Type>inp</File-Type>\n";
    const struct {
        std::string text;
        std::string what;
    } cases[] = {
        {With(location, ""), "an element out of place in <Data-Blob>: <File-Type>"},
        {With(location + type, type + location),
         "an element out of place in <Data-Blob>: <File-Type>"},
        {With("         <Data>\nQUJD\nRA==\n         </Data>\n", ""),
         "an end tag out of place in <Data-Blob>: </Data-Blob>"},
        {With("</Data>\n", "</Data>\n<Data>QUJD</Data>\n"),
         "an element out of place in <Data-Blob>: <Data>"},
        {With(type, type + type), "an element out of place in <Data-Blob>: <File-Type>"},
        {With("  \t<Data-Blob>\n", "  \t<Data-Blob>\n<Data-Blob>\n"),
         "an element out of place in <Data-Blob>: <Data-Blob>"},
        {With("<File-Location>", "<File-Location><File-Type>"),
         "an element out of place in <File-Location>: <File-Type>"},
        {With("</File-Location>", "</File-Type>"),
         "an end tag out of place in <File-Location>: </File-Type>"},
        {With("  \t</Data-Blob>\n", ""),
         "an end tag out of place in <Data-Blob>: </CEPC:Unstructured-Data>"},
        {With("  \t</Data-Blob>\n", "  \t</Data-Blob>\n</Data-Blob>\n"),
         "an end tag out of place in <CEPC:Unstructured-Data>: </Data-Blob>"},
        {With("  \t<Data-Blob>", "x<Data-Blob>"), "text out of place in <CEPC:Unstructured-Data>"},
        {With("  \t</Data-Blob>", "x</Data-Blob>"), "text out of place in <Data-Blob>"},
        {With("<CEPC:Unstructured-Data>", "<Unstructured-Data>"),
         "the data does not begin with <CEPC:Unstructured-Data>"},
        {kWritten.substr(0, kWritten.find("\t</CEPC:Unstructured-Data>")),
         "the data ends before </CEPC:Unstructured-Data>"},
        {kWritten.substr(0, kWritten.find("QUJD")), "the data ends before </Data>"},
        {kWritten + "<!-- after -->", "something follows </CEPC:Unstructured-Data>"},
        {kWritten + kWritten, "something follows </CEPC:Unstructured-Data>"},
    };
    for (const auto& c : cases) EXPECT_EQ(UnstructuredDataProblem(c.text).what, c.what) << c.text;
}

}  // namespace
