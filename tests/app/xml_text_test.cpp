#include "app/xml_text.h"

#include <gtest/gtest.h>

namespace {

TEST(XmlText, RawKeepsQuotesAndEscapesOnlyWhatXmlCannotCarry) {
    const struct {
        std::string in, raw, escaped;
    } cases[] = {
        {"\"Smith & Sons\"", "\"Smith &amp; Sons\"", "Smith &amp; Sons"},
        {"Caf\xE9 <one>", "Caf&#233; &lt;one&gt;", "Caf&#233; &lt;one&gt;"},
        {"O'Neill", "O'Neill", "O&apos;Neill"},
        {"\x80 \x93x\x94", "&#8364; &#8220;x&#8221;", "&#8364; &#8220;x&#8221;"},
        {"a\x01"
         "b\tc\x1f",
         "a?b\tc?", "a?b\tc?"},
        {"", "", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(XmlRaw(c.in), c.raw) << c.in;
        EXPECT_EQ(XmlEscaped(c.in), c.escaped) << c.in;
    }
}

// A UTF-8 input's characters are one reference each, never one per byte.
TEST(XmlText, Utf8InputGivesOneReferencePerCharacter) {
    const struct {
        std::string in, raw, escaped;
    } cases[] = {
        {"\"T\xC5\xB7 Gwyn & Caf\xC3\xA9\"", "\"T&#375; Gwyn &amp; Caf&#233;\"",
         "T&#375; Gwyn &amp; Caf&#233;"},
        {"\xE2\x80\x93<x>", "&#8211;&lt;x&gt;", "&#8211;&lt;x&gt;"},
        {"bad \xC3", "bad ?", "bad ?"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(XmlRaw(c.in, TextEncoding::kUtf8), c.raw) << c.in;
        EXPECT_EQ(XmlEscaped(c.in, TextEncoding::kUtf8), c.escaped) << c.in;
    }
}

}  // namespace
