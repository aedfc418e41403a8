#include "library/inpkey.h"

#include <gtest/gtest.h>

#include <string>

#include "library/ncmd5.h"
#include "tests/support/process.h"
#include "tests/support/tempdir.h"

namespace {

TEST(InputKeyTest, KeyFileName) {
    const struct {
        const char* input;
        const char* keyFile;
    } cases[] = {
        {"/jobs/office.inp", "/jobs/office_inpkey.txt"},
        {"C:\\jobs\\office.INP", "C:\\jobs\\office_inpkey.txt"},
        {"a.inp", "a_inpkey.txt"},
        {"abcd", "abcd_inpkey.txt"},
        {"shop", "shop_inpkey.txt"},
        {"abc", "abc_inpkey.txt"},
    };
    for (const auto& c : cases) EXPECT_EQ(InputKeyFileName(c.input), c.keyFile) << c.input;
}

class InputKeyFileTest : public testing::Test {
  protected:
    void SetUp() override {
        keys.Init();
        input = dir.file("office.inp");
        keyFile = dir.file("office_inpkey.txt");
        WriteFileBytes(input, bytes);
    }
    TempDir dir;
    NCMKEYS keys;
    std::string input;
    std::string keyFile;
    const std::string bytes = "\"Office\" = GENERAL\r\n   CENGINE-VAL = DSM-A\r\n   ..\r\n";
};

TEST_F(InputKeyFileTest, DigestIsTheKeyFollowedByTheInputBytes) {
    const NCMD5 n;
    for (int index = 0; index < 6; ++index) {
        EXPECT_EQ(InputKeyDigest(keys, index, input), n.keyhash(keys.keys()[index], bytes))
            << index;
    }
    EXPECT_NE(InputKeyDigest(keys, 1, input), InputKeyDigest(keys, 2, input));
    EXPECT_EQ(InputKeyDigest(keys, -1, input), "");
    EXPECT_EQ(InputKeyDigest(keys, 6, input), "");
    EXPECT_EQ(InputKeyDigest(keys, 1, dir.file("missing.inp")), "");
}

TEST_F(InputKeyFileTest, MatchesOnlyTheExactFirstLine) {
    const std::string digest = InputKeyDigest(keys, 2, input);
    std::string upper = digest;
    for (auto& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    const struct {
        std::string content;
        bool matches;
    } cases[] = {
        {digest + "\n", true},
        {digest + "\r\n", true},
        {digest, true},
        {digest + "\nanything after the first line\n", true},
        {upper + "\n", false},
        {digest + " \n", false},
        {"\n" + digest + "\n", false},
        {"", false},
    };
    for (const auto& c : cases) {
        WriteFileBytes(keyFile, c.content);
        EXPECT_EQ(InputKeyMatches(keys, 2, input, keyFile), c.matches) << c.content;
        // A digest the caller holds for the same key gives the same answer;
        // one held for another key is not used.
        EXPECT_EQ(InputKeyMatches(keys, 2, input, keyFile, 2, digest), c.matches) << c.content;
        EXPECT_EQ(InputKeyMatches(keys, 2, input, keyFile, 1, "0123"), c.matches) << c.content;
    }

    WriteFileBytes(keyFile, digest + "\n");
    EXPECT_FALSE(InputKeyMatches(keys, 3, input, keyFile));
    EXPECT_FALSE(InputKeyMatches(keys, 9, input, keyFile));
    EXPECT_FALSE(InputKeyMatches(keys, 2, input, dir.file("missing_inpkey.txt")));
    WriteFileBytes(input, bytes + " ");
    EXPECT_FALSE(InputKeyMatches(keys, 2, input, keyFile));
}

}  // namespace
