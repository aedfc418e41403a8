#include "pdf/iso8859_14.h"

#include <gtest/gtest.h>

namespace {

TEST(Iso885914, WelshLettersHaveTheirOwnBytes) {
    const struct {
        char32_t character;
        int byte;
    } cases[] = {{U'A', 'A'},
                 {U'ŵ', 0xF0},
                 {U'ŷ', 0xFE},
                 {U'Ŵ', 0xD0},
                 {U'Ŷ', 0xDE},
                 {U'ẁ', 0xB8},
                 {U'ẃ', 0xBA},
                 {U'ẅ', 0xBE},
                 {U'ỳ', 0xBC},
                 {U'Ÿ', 0xAF},
                 {U'â', 0xE2},
                 {U'ê', 0xEA},
                 {U'ï', 0xEF},
                 {U'ÿ', 0xFF},
                 {U'£', 0xA3},
                 {U'ß', 0xDF},
                 {U'ċ', 0xA5},
                 {U'ṫ', 0xF7},
                 // Latin-1 characters whose places the code page gave away.
                 {U'ð', -1},
                 {U'þ', -1},
                 {U'×', -1},
                 {U'÷', -1},
                 {U'¢', -1},
                 {U'\u0085', -1},
                 {U'€', -1}};
    for (const auto& c : cases)
        EXPECT_EQ(Iso885914Byte(c.character), c.byte) << static_cast<unsigned>(c.character);
}

TEST(Iso885914, TypedTextInEitherEncoding) {
    const struct {
        const char* input;
        const char* expected;
    } cases[] = {
        // UTF-8.
        {"Tŷ Gwyn", "T\xfe Gwyn"},
        {"Ŵyr Ŷd â ŵ",
         "\xd0yr \xde"
         "d \xe2 \xf0"},
        {"Café £5",
         "Caf\xe9 \xa3"
         "5"},
        // Lacking: base letters, look-alikes, "?" for the rest.
        {"Čapek Łódź",
         "Capek L\xf3"
         "dz"},
        {"“Y Bont” – €5…", "\"Y Bont\" - EUR5..."},
        {"Œuvre ð", "OEuvre d"},
        {"w\xcc\x82", "w"},  // a combining circumflex is dropped
        {"東", "?"},
        // Not UTF-8: Windows-1252, as typed on Windows.
        {"Caf\xe9 \x93Y Bont\x94 \x80", "Caf\xe9 \"Y Bont\" EUR"},
        {"\xff\xfe", "\xffth"},
        {"\x81", "?"},
        // Broken UTF-8 is read as Windows-1252 as a whole.
        {"T\xc5", "T\xc5"},
        {"\xe0\x80\x80",
         "\xe0"
         "EUREUR"},
        {"", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(Iso885914FromText(c.input), c.expected) << c.input;
}

}  // namespace
