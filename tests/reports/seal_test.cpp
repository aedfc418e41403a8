#include "reports/seal.h"

#include <gtest/gtest.h>

#include "library/ncmd5.h"

namespace {

const std::string kKey = "a key of our own for the tests";

TEST(Seal, CoversTheBodyAsWrittenWithCrLfLineEnds) {
    const std::string text = "<a>\n<b>x</b>\n</a>\n";
    const std::string sealed = SealedBytes(kKey, text, SealKind::EpcMessage);
    const std::string digest = NCMD5().hash(kKey + "<a>\r\n<b>x</b>\r\n</a>\r\n");
    EXPECT_EQ(sealed,
              "<a>\r\n<b>x</b>\r\n</a>\r\n<!-- Removing this line, EPC message secure hash: " +
                  digest + " -->");
    EXPECT_EQ(SealLineStart(SealKind::EpcMessage).size(), kSealDigitsOffset);
    EXPECT_EQ(SealLineStart(SealKind::IasMessage),
              "<!-- Removing this line, IAS message secure hash: ");
}

// Every LF gets a CR before it, wherever it stands; nothing else changes.
TEST(Seal, WritesACrBeforeEveryLineEnd) {
    const struct {
        std::string text;
        std::string bytes;
    } cases[] = {
        {"", ""},
        {"no line end", "no line end"},
        {"\n", "\r\n"},
        {"\n\nx\n\n", "\r\n\r\nx\r\n\r\n"},
        {"last line open\nx", "last line open\r\nx"},
        {"a CR stays\r\n", "a CR stays\r\r\n"},
        {std::string(5000, 'A') + "\n" + std::string(3, '\0') + "\n",
         std::string(5000, 'A') + "\r\n" + std::string(3, '\0') + "\r\n"},
    };
    const std::string start = SealLineStart(SealKind::EpcMessage);
    for (const auto& c : cases) {
        const std::string sealed = SealedBytes(kKey, c.text, SealKind::EpcMessage);
        EXPECT_EQ(sealed.substr(0, c.bytes.size()), c.bytes);
        EXPECT_EQ(sealed.substr(c.bytes.size(), start.size()), start);
        EXPECT_EQ(sealed.substr(c.bytes.size() + start.size(), 32), NCMD5().hash(kKey + c.bytes));
    }
}

TEST(Seal, ChecksTheTextReadBack) {
    const std::string text = "<a>\n<b>x</b>\n</a>\n";
    const std::string sealed = TextOfLines(SealedBytes(kKey, text, SealKind::IasMessage));
    const struct {
        const char* what;
        std::string text;
        SealKind kind;
        std::string key;
        SealState state;
    } cases[] = {
        {"as written", sealed, SealKind::IasMessage, kKey, SealState::Holds},
        {"trailing text changed", sealed.substr(0, sealed.size() - 4) + "!!\n",
         SealKind::IasMessage, kKey, SealState::Holds},
        {"another key", sealed, SealKind::IasMessage, kKey + "!", SealState::Broken},
        {"a body byte changed", "<a>\n<b>y" + sealed.substr(8), SealKind::IasMessage, kKey,
         SealState::Broken},
        {"digits cut short", sealed.substr(0, sealed.size() - 20), SealKind::IasMessage, kKey,
         SealState::Broken},
        {"the other kind", sealed, SealKind::EpcMessage, kKey, SealState::Missing},
        {"no seal", text, SealKind::IasMessage, kKey, SealState::Missing},
        {"empty", "", SealKind::IasMessage, kKey, SealState::Missing},
    };
    for (const auto& c : cases) EXPECT_EQ(CheckSeal(c.text, c.kind, c.key), c.state) << c.what;
}

TEST(Seal, ReadsTheVersionComment) {
    const struct {
        std::string text, version;
    } cases[] = {
        {"<?xml?>\n<!-- Tarvex version: v4.1.a.0 End Version -->\n", "v4.1.a.0"},
        {"<!-- Tarvex version: v3.9 End Version -->", "v3.9"},
        {"<!-- Tarvex version:  End Version -->", ""},
        {"<!-- Tarvex version: End Version -->", kUnknownMessageVersion},
        {"<!-- Tarvex version: " + std::string(51, 'x') + " End Version -->",
         kUnknownMessageVersion},
        {"<!-- Tarvex version: v4.1.a.0 -->", kUnknownMessageVersion},
        {"End Version --> <!-- Tarvex version: ", kUnknownMessageVersion},
        {"<!-- Tarvex version:End Version -->", kUnknownMessageVersion},
        {"", kUnknownMessageVersion},
    };
    for (const auto& c : cases) EXPECT_EQ(MessageVersion(c.text), c.version) << c.text;
}

TEST(Seal, ReadsLinesAsLineReadingDoes) {
    EXPECT_EQ(TextOfLines("a\r\nb\nc"), "a\nb\nc\n");
    EXPECT_EQ(TextOfLines("a\rb\r\r\n"), "a\rb\r\n");
    EXPECT_EQ(TextOfLines(""), "");
}

}  // namespace
