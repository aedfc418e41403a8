#include "tools/pdf_text.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// A literal string is read to its own closing parenthesis: nested pairs are
// part of it, escapes are read, and one cut short ends with the content.
TEST(PdfLiteralString, ReadsToItsOwnEnd) {
    struct Case {
        std::string content;
        std::string text;
        std::size_t end;
    };
    const Case cases[] = {
        {"(Plain) Tj", "Plain", 7},
        {"(A (nested) one) Tj", "A (nested) one", 16},
        {"(\\(\\) \\\\ \\n\\r\\t) Tj", "() \\ \n\r\t", 16},
        {"(\\101\\60\\7x)", "A0\ax", 12},
        {"(\\1011)", "A1", 7},
        {"(cut (short", "cut (short", 11},
        {"(ends in \\", "ends in \\", 10},
        {"()", "", 2},
    };
    for (const Case& c : cases) {
        std::size_t at = 0;
        EXPECT_EQ(PdfLiteralString(c.content, at), c.text) << c.content;
        EXPECT_EQ(at, c.end) << c.content;
    }
}

}  // namespace
