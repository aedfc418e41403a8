#include "reports/xml_text.h"

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

}  // namespace
