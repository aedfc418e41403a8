#include "reports/xml_writer.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

TEST(XmlWriter, NestingIndentationEscapingAndEmptyElements) {
    const struct {
        const char* label;
        std::vector<XmlIndent> layout;
        std::function<void(XmlWriter&)> write;
        std::string expected;
    } cases[] = {
        {"one tab a level",
         {},
         [](XmlWriter& w) {
             w.Open("a");
             w.Open("b");
             w.Element("c", "1");
             w.Close();
             w.Element("d", "2");
             w.Close();
         },
         "<a>\n\t<b>\n\t\t<c>1</c>\n\t</b>\n\t<d>2</d>\n</a>\n"},
        {"empty elements",
         {},
         [](XmlWriter& w) {
             w.Open("a");
             w.Element("e", "");
             w.Element("f", XmlText());
             w.Open("g");
             w.Close();
             w.Close();
         },
         "<a>\n\t<e></e>\n\t<f></f>\n\t<g>\n\t</g>\n</a>\n"},
        {"our text is escaped, quotes kept",
         {},
         [](XmlWriter& w) { w.Element("t", "Fish & <chips> \"2\" O'Neill"); },
         "<t>Fish &amp; &lt;chips&gt; \"2\" O'Neill</t>\n"},
        {"bytes beyond ASCII and control bytes",
         {},
         [](XmlWriter& w) { w.Element("t", "Caf\xE9\x01"); },
         "<t>Caf&#233;?</t>\n"},
        {"escaped text is not escaped again",
         {},
         [](XmlWriter& w) {
             w.Element("t", XmlText::Escaped("\"a & b\""));
             w.Element("u", XmlText::Raw("caf\xC3\xA9 &amp;", TextEncoding::kUtf8));
         },
         "<t>a &amp; b</t>\n<u>caf&#233; &amp;amp;</u>\n"},
        {"comments where the nesting puts them, or where asked",
         {},
         [](XmlWriter& w) {
             w.Comment("top");
             w.Open("a");
             w.Comment("in a");
             w.Comment("apart", " ");
             w.Close();
         },
         "<!-- top -->\n<a>\n\t<!-- in a -->\n <!-- apart -->\n</a>\n"},
        {"a layout's indents; the longest path that matches wins",
         {{"Activities", nullptr, nullptr, "  "},
          {"B/Activities", "    ", "   ", "     ", "#"},
          {"B/Activities/ID", "!"},
          {"Activity"}},
         [](XmlWriter& w) {
             w.Open("A");
             w.Open("Activities");
             w.Element("ID", "1");
             w.Close();
             w.Close();
             w.Open("B");
             w.Open("Activities");
             w.Element("ID", "2");
             w.Element("Area", "3");
             w.Comment("c");
             w.Close();
             w.Open("XActivities");
             w.Close();
             w.Close();
         },
         "<A>\n\t<Activities>\n  <ID>1</ID>\n\t</Activities>\n</A>\n"
         "<B>\n    <Activities>\n!<ID>2</ID>\n     <Area>3</Area>\n#<!-- c -->\n"
         "   </Activities>\n\t<XActivities>\n\t</XActivities>\n</B>\n"},
        {"attributes, one a line, their values escaped",
         {},
         [](XmlWriter& w) {
             w.Open("r", {{"x", "a\"b&c"}, {"y", "2"}});
             w.Element("e", "1");
             w.Close();
         },
         "<r\n\tx=\"a&quot;b&amp;c\"\n\ty=\"2\"\n>\n\t<e>1</e>\n</r>\n"},
        {"declaration, base64 and lines as they stand",
         {},
         [](XmlWriter& w) {
             w.Declaration();
             w.Open("d");
             w.Base64(std::string("abcd"));
             w.Verbatim("\t<kept/>\n");
             w.Close();
         },
         "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<d>\nYWJjZA==\n\t<kept/>\n</d>\n"},
    };
    for (const auto& c : cases) {
        std::string out = "before\n";
        XmlWriter w(out, c.layout);
        c.write(w);
        EXPECT_EQ(out, "before\n" + c.expected) << c.label;
        EXPECT_EQ(w.depth(), 0u) << c.label;
    }
}

TEST(XmlWriter, LongBase64IsCutIntoLinesOfSeventySix) {
    std::string out;
    XmlWriter w(out);
    w.Base64(std::string(100, 'x'));
    const std::size_t first = out.find('\n');
    EXPECT_EQ(first, 76u);
    EXPECT_EQ(out.back(), '\n');
    EXPECT_EQ(out.size(), 76u + 1 + 60 + 1);
}

}  // namespace
