#include "pdf/fit.h"

#include <gtest/gtest.h>

namespace {

using Lines = std::vector<std::string>;

// At size 10 one character is one point wide.
const TextMeasure kOnePerChar = [](const std::string& text, float size) {
    return static_cast<float>(text.size()) * size / 10.0f;
};

bool EndsInEllipsis(const std::string& line) {
    return line.size() >= 3 && line.compare(line.size() - 3, 3, "...") == 0;
}

TEST(BreakLines, AtBlanksAndAfterCommasNeverAfterAHouseNumber) {
    const struct {
        const char* text;
        float width;
        Lines lines;
    } cases[] = {
        {"Unit 4, Market Road", 30, {"Unit 4, Market Road"}},
        {"aa bb cc", 5, {"aa bb", "cc"}},
        {"  aa   bb  ", 5, {"aa bb"}},
        // A whole text exactly as wide as the line is one line; any wider, two.
        {"aa bb", 5, {"aa bb"}},
        {"aa bb", 4.9f, {"aa", "bb"}},
        {"aa\tbb\r\n cc,dd", 20, {"aa bb cc,dd"}},
        // A word wider than a line keeps a line to itself.
        {"a abcdefgh b", 5, {"a", "abcdefgh", "b"}},
        // A comma without a blank after it may end a line.
        {"Road,Town,Shire", 6, {"Road,", "Town,", "Shire"}},
        {"Road,Town", 20, {"Road,Town"}},
        // A house number stays with the word after it.
        {"12 Quay Street", 8, {"12 Quay", "Street"}},
        {"Flat 3, 12a Long Harbour Road", 14, {"Flat 3,", "12a Long", "Harbour Road"}},
        {"7-9 High St", 4, {"7-9 High", "St"}},
        {"Suite 3, 88 Canal Wharf Road", 11, {"Suite 3,", "88 Canal", "Wharf Road"}},
        // A postcode is one piece, even on a line too narrow for it; a
        // number with a comma is no house number.
        {"CT1 2AB", 4, {"CT1 2AB"}},
        {"Belfast BT52 2XX", 10, {"Belfast", "BT52 2XX"}},
        {"Leeds, LS1 4DY, UK", 8, {"Leeds,", "LS1 4DY,", "UK"}},
        {"Glasgow G1 1AA", 9, {"Glasgow", "G1 1AA"}},
        {"London SW1A 1AA", 9, {"London", "SW1A 1AA"}},
        // Looks like half a postcode only: "2nd" and "C3PO" break as words.
        {"Route A1 2nd", 8, {"Route A1", "2nd"}},
        {"Bay C3PO 1AB", 6, {"Bay", "C3PO", "1AB"}},
        {"Suite 3, West", 7, {"Suite", "3, West"}},
        {"", 10, {}},
        {"   ", 10, {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(fBreakLines(c.text, c.width, 10, kOnePerChar), c.lines) << c.text;
}

TEST(WordBreak, AfterTheLastMarkThatFitsElseBetweenLetters) {
    const struct {
        const char* word;
        std::size_t fits;
        std::size_t at;
    } cases[] = {
        {"departments/estates", 15, 12},
        {"north-east-wing", 12, 11},
        {"facilities@example.co.uk", 20, 19},
        {"plant_room_3", 8, 6},
        {"www.gov.scot", 10, 8},
        {"12 Averylongstreetname", 10, 3},
        {"abcdefgh", 5, 5},
        // A mark alone would make a part of its own: not there.
        {"-abcdef", 4, 4},
        {"a-bcdef", 4, 2},
        // All of it fits, or nothing does.
        {"ab/cd", 5, 5},
        {"ab/cd", 0, 0},
    };
    for (const auto& c : cases) EXPECT_EQ(fWordBreak(c.word, c.fits), c.at) << c.word;
}

TEST(LinesIn, EachLineTakesItsLeading) {
    EXPECT_EQ(fLinesIn(16.5f, 11), 1);
    EXPECT_EQ(fLinesIn(16.5f, 7), 2);
    EXPECT_EQ(fLinesIn(45, 9), 4);
    EXPECT_EQ(fLinesIn(1, 10), 1);  // a box lower than a line still shows one
}

TEST(FitBlock, DesignSizeThenWrapThenOneSmallerSizeForTheBlock) {
    // Everything fits: the design size, one line each; an empty value none.
    FitBlock b = fFitBlock({{"A", "short", 10, 2}, {"B", "", 10, 2}}, 9, kOnePerChar);
    EXPECT_FLOAT_EQ(b.size, 9);
    EXPECT_FLOAT_EQ(b.leading, 9 * kFitLeading);
    EXPECT_EQ(b.fields[0].lines, (Lines{"short"}));
    EXPECT_TRUE(b.fields[1].lines.empty());
    EXPECT_EQ(b.cut(), 0u);

    // Wraps onto the second line its box allows, and keeps its size.
    b = fFitBlock({{"A", "aaaa bbbb cccc", 10, 2}, {"B", "x", 10, 2}}, 9, kOnePerChar);
    EXPECT_FLOAT_EQ(b.size, 9);
    EXPECT_EQ(b.fields[0].lines, (Lines{"aaaa bbbb", "cccc"}));

    // Three lines' worth at 9: the whole block is set smaller, the short
    // value too, by quarter points and no further than it must.
    b = fFitBlock({{"A", "aaaa bbbb cccc dddd eeee", 10, 2}, {"B", "x", 10, 2}}, 9, kOnePerChar);
    EXPECT_LT(b.size, 9);
    EXPECT_GE(b.size, kMinTextSize);
    EXPECT_LE(b.fields[0].lines.size(), 2u);
    for (const std::string& line : b.fields[0].lines) EXPECT_LE(kOnePerChar(line, b.size), 10);
    const FitBlock larger = fFitBlock({{"A", "aaaa bbbb cccc dddd eeee", 10, 2}}, b.size + 0.25f,
                                      kOnePerChar, FitRoom{b.size + 0.25f, nullptr});
    EXPECT_GT(larger.cut(), 0u);  // a quarter point more would not fit
    EXPECT_EQ(b.fields[1].lines, (Lines{"x"}));
    EXPECT_EQ(b.cut(), 0u);

    // A box's height limits its lines, more of them at a smaller size.
    // Two lines need 16.5 points at 7.17 at the most: set at 7.
    b = fFitBlock({{"A", "aa bb", 3, 10, 16.5f}}, 11, kOnePerChar);
    EXPECT_FLOAT_EQ(b.size, 7);
    EXPECT_EQ(b.fields[0].lines, (Lines{"aa", "bb"}));
    EXPECT_EQ(b.cut(), 0u);
}

TEST(FitBlock, BeyondTheFloorCutsWhatItCannotShowAndCountsIt) {
    // Two lines allowed, far too much text: set at the floor, two lines, the
    // last ending in "...", the rest counted.
    std::string words;
    for (int i = 0; i < 30; ++i) words += "word ";
    FitBlock b = fFitBlock({{"C-NAME", words, 20, 2}}, 9, kOnePerChar);
    EXPECT_FLOAT_EQ(b.size, kMinTextSize);
    ASSERT_EQ(b.fields[0].lines.size(), 2u);
    EXPECT_TRUE(EndsInEllipsis(b.fields[0].lines[1]));
    std::size_t shown = 0;
    for (const std::string& line : b.fields[0].lines) {
        EXPECT_LE(kOnePerChar(line, kMinTextSize), 20) << line;
        shown += fVisibleLength(line);
    }
    EXPECT_EQ(b.fields[0].cut, 120u - (shown - 3));

    // A word wider than a line at the floor is broken between characters.
    b = fFitBlock({{"UPRN", std::string(50, 'L'), 10, 3}}, 9, kOnePerChar);
    ASSERT_EQ(b.fields[0].lines.size(), 3u);
    for (const std::string& line : b.fields[0].lines)
        EXPECT_LE(kOnePerChar(line, kMinTextSize), 10) << line;
    EXPECT_EQ(b.fields[0].lines[0], std::string(14, 'L'));
    EXPECT_TRUE(EndsInEllipsis(b.fields[0].lines[2]));
    EXPECT_EQ(b.fields[0].cut, 50u - 14 - 14 - 11);

    // A long word breaks after a hyphen or "/" rather than inside letters.
    b = fFitBlock({{"C-EMP-TRAD-NAME", "Estates-and-facilities/department", 10, 5}}, 7,
                  kOnePerChar);
    EXPECT_EQ(b.fields[0].lines, (Lines{"Estates-and-", "facilities/", "department"}));

    // The comma before the mark goes: "Road," would read as the whole text.
    b = fFitBlock({{"A", "Long Road, Town", 9.1f, 1}}, 7, kOnePerChar);
    EXPECT_EQ(b.fields[0].lines, (Lines{"Long Road..."}));
}

TEST(FitBlock, SharedBoxKeepsEarlierLinesAndDropsLaterOnes) {
    // Four lines of room at any size: the fields in order, the one where
    // the room ends cut, the ones after it left out and counted.
    FitRoom room;
    room.totalLines = [](float) { return 4; };
    const std::vector<FitField> address = {{"B-ADDRESS-0", "aaaa bbbb cccc", 4, 100},
                                           {"B-ADDRESS-1", "dddd eeee", 4, 100},
                                           {"B-ADDRESS-4", "Town", 4, 100}};
    FitBlock b = fFitBlock(address, 10, kOnePerChar, room);
    EXPECT_FLOAT_EQ(b.size, kMinTextSize);
    ASSERT_EQ(b.fields.size(), 3u);
    // At 7 a line holds five characters. Every field keeps one line before
    // any keeps a second: "aaaa" "bb...", "dd...", "Town".
    EXPECT_EQ(b.fields[0].lines, (Lines{"aaaa", "bb..."}));
    EXPECT_EQ(b.fields[0].cut, 6u);
    EXPECT_EQ(b.fields[1].lines, (Lines{"dd..."}));
    EXPECT_EQ(b.fields[2].lines, (Lines{"Town"}));
    EXPECT_EQ(b.fields[2].cut, 0u);

    // Fewer rows than lines: the earlier lines stay, the later ones go, but
    // an address keeps its last line, the postcode.
    const std::vector<FitField> six = {
        {"B-ADDRESS-0", "Unit", 4, 100}, {"B-ADDRESS-1", "Mill", 4, 100},
        {"B-ADDRESS-2", "Lane", 4, 100}, {"B-ADDRESS-3", "Ayr", 4, 100},
        {"B-ADDRESS-4", "", 4, 100},     {"B-ADDRESS-5", "KA7", 4, 100}};
    room.totalLines = [](float) { return 3; };
    const auto shown = [](const FitBlock& block) {
        Lines rows;
        for (const FitLines& f : block.fields)
            rows.insert(rows.end(), f.lines.begin(), f.lines.end());
        return rows;
    };
    EXPECT_EQ(shown(fFitBlock(six, 10, kOnePerChar, room)), (Lines{"Unit", "Mill", "Lane"}));
    room.keepLast = true;
    b = fFitBlock(six, 10, kOnePerChar, room);
    EXPECT_EQ(shown(b), (Lines{"Unit", "Mill", "KA7"}));
    EXPECT_EQ(b.cut(), 7u);
    room.keepLast = false;

    // A value of fixed width gets its line first.
    room.totalLines = [](float) { return 1; };
    b = fFitBlock({{"B-ADDRESS", "aaaa bbbb", 4, 2}, {"ISSUE-DATE", "1-2", 4, 1, 0, true}}, 10,
                  kOnePerChar, room);
    EXPECT_TRUE(b.fields[0].lines.empty());
    EXPECT_EQ(b.fields[1].lines, (Lines{"1-2"}));

    // An address on one line keeps its end, the postcode, after the mark.
    b = fFitBlock({{"B-ADDRESS", "Long Mill Lane, Ayr, KA7 1AA", 15, 1, 0, false, "KA7 1AA"}}, 10,
                  kOnePerChar);
    EXPECT_EQ(b.fields[0].lines, (Lines{"Long Mill..., KA7 1AA"}));

    // Room enough once smaller: nothing cut, one size.
    room.totalLines = [](float size) { return size <= 8 ? 6 : 3; };
    b = fFitBlock(address, 10, kOnePerChar, room);
    EXPECT_LE(b.size, 8);
    EXPECT_EQ(b.cut(), 0u);
}

TEST(VisibleLength, CountsCharactersNotBlanksNorUtf8Bytes) {
    EXPECT_EQ(fVisibleLength(" a b  c "), 3u);
    EXPECT_EQ(fVisibleLength("T\xC5\xB7 Gwyn"), 6u);
    EXPECT_EQ(fVisibleLength("Caf\xE9"), 4u);  // a single-byte text
    EXPECT_EQ(fVisibleLength(""), 0u);
}

}  // namespace
