#include "pdf/text.h"

#include <gtest/gtest.h>

#include <numeric>

#include "pdf/document.h"

namespace {

// Width in points of `text` in `font` at `size`.
float Width(HPDF_Font font, const std::string& text, float size) {
    const HPDF_TextWidth w = HPDF_Font_TextWidth(
        font, reinterpret_cast<const HPDF_BYTE*>(text.data()), static_cast<HPDF_UINT>(text.size()));
    return static_cast<float>(w.width) * size / 1000.0f;
}

class Wrapping : public ::testing::Test {
  protected:
    PdfDocument doc;
    HPDF_Font font = doc.Font("Helvetica");
};

TEST_F(Wrapping, BreaksAtWordsCutsLongWordsAndHandlesEmptyText) {
    struct Case {
        const char* name;
        std::string text;
        float width;
        std::string line;
        std::string rest;
    };
    const float helloWidth = Width(font, "hello", 10);
    const Case cases[] = {
        {"fits", "hello world", 200, "hello world", ""},
        {"second word moves on", "hello world", helloWidth + 2, "hello ", "world"},
        {"blanks stay with the rest", "hello  world", helloWidth + 2, "hello ", " world"},
        {"long word is cut", "abcdefghijklmnopqrstuvwxyz", Width(font, "abcdefghij", 10) + 0.5f,
         "abcdefghij", "klmnopqrstuvwxyz"},
        {"long word breaks after its last mark that fits", "estates-and-facilities/dept",
         Width(font, "estates-and-facil", 10) + 0.5f, "estates-and-", "facilities/dept"},
        {"an address breaks after its slash", "info@gov.scot/epc",
         Width(font, "info@gov.scot/e", 10) + 0.5f, "info@gov.scot/", "epc"},
        {"empty text", "", 100, "", ""},
        {"narrower than a letter", "wide", 1, "w", "ide"},
    };
    for (const Case& c : cases) {
        std::vector<std::string> lines;
        const std::string rest = fWrap(c.width, font, 10, c.text, lines);
        ASSERT_EQ(lines.size(), 1u) << c.name;
        EXPECT_EQ(lines[0], c.line) << c.name;
        EXPECT_EQ(rest, c.rest) << c.name;
    }
}

TEST_F(Wrapping, StrWrapBreaksAWholeTextIntoFittingLines) {
    const std::string text =
        "The recommendations are provided as an indication of opportunities that appear to "
        "exist to improve the building's energy efficiency, with a "
        "verylongwordthatdoesnotfitonaline "
        "in the middle.";
    const float width = 120;
    std::vector<std::string> lines;
    fStrWrap(width, font, 10, text, lines);
    ASSERT_GT(lines.size(), 3u);
    for (const std::string& line : lines) {
        std::string trimmed = line.substr(0, line.find_last_not_of(' ') + 1);
        EXPECT_LE(Width(font, trimmed, 10), width) << line;
    }
    EXPECT_EQ(std::accumulate(lines.begin(), lines.end(), std::string()), text);

    std::vector<std::string> none;
    fStrWrap(width, font, 10, "", none);
    EXPECT_TRUE(none.empty());

    // A width too small for any letter still ends, one byte a line.
    std::vector<std::string> bytes;
    fStrWrap(0, font, 10, "abc", bytes);
    EXPECT_EQ(bytes, (std::vector<std::string>{"a", "b", "c"}));
}

}  // namespace
