#include "library/ncmkeys.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace {

const std::vector<std::size_t> kKeyLengths = {2562, 2374, 2447, 2221, 2460};

void ExpectKeyListShape(const std::vector<std::string>& list, const std::string& which) {
    ASSERT_EQ(list.size(), 6u) << which;
    EXPECT_EQ(list[0].size(), 32u) << which;
    EXPECT_EQ(list[0].find_first_not_of("0123456789abcdef"), std::string::npos) << which;
    for (std::size_t i = 1; i < list.size(); ++i) {
        EXPECT_EQ(list[i].size(), kKeyLengths[i - 1]) << which << " key " << i;
        for (const char c : list[i]) {
            ASSERT_TRUE(c >= 0x20 && c <= 0x7e) << which << " key " << i << " byte " << int(c);
        }
    }
}

TEST(NCMKEYSTest, TheListHasItsShape) {
    NCMKEYS keys;
    keys.Init();
    ExpectKeyListShape(keys.keys(), "own list");
}

TEST(NCMKEYSTest, NoTwoEntriesAreAlike) {
    NCMKEYS keys;
    keys.Init();
    const std::set<std::string> seen(keys.keys().begin(), keys.keys().end());
    EXPECT_EQ(seen.size(), keys.keys().size());
}

TEST(NCMKEYSTest, InitIsRepeatable) {
    NCMKEYS first;
    first.Init();
    NCMKEYS again;
    again.Init();
    again.Init();
    EXPECT_EQ(again.keys(), first.keys());
}

}  // namespace
