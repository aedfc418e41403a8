#include "library/b64.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/library/external.h"
#include "tests/support/process.h"
#include "tests/support/tempdir.h"

namespace {

std::string Encode(const std::string& bytes) {
    return B64().b64encodeS(bytes);
}

std::string Decode(const std::string& text) {
    B64 b;
    b.text = text;
    b.b64decode();
    return std::string(b.decoded.begin(), b.decoded.end());
}

TEST(B64Test, LineLayout) {
    const std::string line76(76, 'A');
    const struct {
        std::size_t length;
        std::string expected;
    } cases[] = {
        {0, ""},
        {1, "AA==\n"},
        {2, "AAA=\n"},
        {3, "AAAA"},
        {56, std::string(72, 'A') + "AAA=\n"},
        {57, line76 + "\n"},
        {58, line76 + "\nAA==\n"},
        {60, line76 + "\nAAAA"},
        {114, line76 + "\n" + line76 + "\n"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Encode(std::string(c.length, '\0')), c.expected) << c.length;
    EXPECT_EQ(Encode("Man"), "TWFu");
    EXPECT_EQ(Encode("Ma"), "TWE=\n");
    EXPECT_EQ(Encode("M"), "TQ==\n");
}

TEST(B64Test, RoundTripEveryLengthUpTo200) {
    for (std::size_t length = 0; length <= 200; ++length) {
        const std::string bytes = RandomBytes(length, static_cast<unsigned>(length) + 7);
        B64 b;
        const std::string text =
            b.b64encode(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size());
        EXPECT_EQ(b.text, text);
        b.b64decode();
        EXPECT_EQ(std::string(b.decoded.begin(), b.decoded.end()), bytes) << length;

        // Full lines of 76, a final line end exactly when the length is not a
        // multiple of three or the last line is full.
        std::size_t start = 0;
        while (start < text.size()) {
            const std::size_t end = text.find('\n', start);
            const std::size_t lineLength = (end == std::string::npos ? text.size() : end) - start;
            if (end != std::string::npos && end + 1 < text.size()) {
                EXPECT_EQ(lineLength, 76u);
            }
            EXPECT_LE(lineLength, 76u);
            start = end == std::string::npos ? text.size() : end + 1;
        }
        const bool endsInLineEnd = !text.empty() && text.back() == '\n';
        const bool lastLineFull = length > 0 && length % 57 == 0;
        EXPECT_EQ(endsInLineEnd, length % 3 != 0 || lastLineFull) << length;
    }
}

// What a message carries: the same lines, every one ended, after what the
// text already holds.
TEST(B64Test, AppendedLinesAreAllEnded) {
    for (std::size_t length = 0; length <= 200; ++length) {
        const std::string bytes = RandomBytes(length, static_cast<unsigned>(length) + 3);
        std::string lines = "<Data>\n";
        AppendBase64Lines(lines, reinterpret_cast<const unsigned char*>(bytes.data()),
                          bytes.size());
        std::string expected = Encode(bytes);
        if (!expected.empty() && expected.back() != '\n') expected += '\n';
        EXPECT_EQ(lines, "<Data>\n" + expected) << length;
    }
}

// coreutils wraps at 76 too, but always ends a non-empty output with a line
// end, where we leave it off after a partial line of whole groups.
TEST(B64Test, AgreesWithCoreutils) {
    const std::string base64 = FindProgram("base64");
    if (base64.empty()) GTEST_SKIP() << "base64 is not available";
    TempDir dir;
    for (std::size_t length : {0u, 1u, 2u, 3u, 4u, 56u, 57u, 58u, 60u, 113u, 114u, 200u, 5000u}) {
        const std::string bytes = RandomBytes(length, static_cast<unsigned>(length) + 99);
        WriteFileBytes(dir.file("in"), bytes);
        const ProcessResult r = RunProcess({base64, dir.file("in")});
        ASSERT_EQ(r.exitCode, 0) << r.err;
        std::string ours = Encode(bytes);
        if (!ours.empty() && ours.back() != '\n') ours += '\n';
        EXPECT_EQ(ours, r.out) << length;
    }
}

TEST(B64Test, LenientDecoding) {
    const struct {
        const char* text;
        const char* bytes;
    } cases[] = {
        {"TWFu", "Man"},  // no line end: the last bytes still count
        {"TWE=\n", "Ma"},
        {"TQ==", "M"},
        {"TWE", "Ma"},             // incomplete quartet of three
        {"TQ", "M"},               // of two
        {"T", ""},                 // a lone character carries no byte
        {" T\tW\r\nF*u!", "Man"},  // junk between characters
        {"T=W=F=u", "Man"},        // "=" is junk too
        {"", ""},
        {"\n\n***\n", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(Decode(c.text), c.bytes) << '"' << c.text << '"';
}

TEST(B64Test, DecodeIntoFile) {
    TempDir dir;
    const std::string bytes = RandomBytes(1000, 5);
    B64 b;
    b.text = Encode(bytes);
    WriteFileBytes(dir.file("out.bin"), std::string(5000, 'x'));
    EXPECT_TRUE(b.b64decode(dir.file("out.bin")));
    EXPECT_EQ(ReadFileBytes(dir.file("out.bin")), bytes);

    const std::string unwritable = dir.file("no/such/folder/out.bin");
    EXPECT_FALSE(b.b64decode(unwritable));
    EXPECT_FALSE(FileExists(unwritable));
}

}  // namespace
