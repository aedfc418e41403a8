#include "library/ncmd5.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "library/md5.h"
#include "tests/support/process.h"
#include "tests/support/stops.h"
#include "tests/support/tempdir.h"

namespace {

const std::string kEmptyMd5 = "d41d8cd98f00b204e9800998ecf8427e";

bool IsLowerHex(const std::string& text) {
    return text.find_first_not_of("0123456789abcdef") == std::string::npos;
}

// A library file protected for `name`, with the given line end.
std::string Protected(const std::string& data, const std::string& name) {
    std::string result;
    EXPECT_TRUE(ProtectText(data, name, result));
    return result;
}

TEST(NCMD5Test, PlainDigestsAgreeAcrossForms) {
    const NCMD5 n;
    EXPECT_EQ(n.hash(""), kEmptyMd5);
    EXPECT_EQ(n.hash("abc"), "900150983cd24fb0d6963f7d28e17f72");
    const std::string text = "message digest";
    EXPECT_EQ(n.hash(reinterpret_cast<const unsigned char*>(text.data()), text.size()),
              n.hash(text));
    EXPECT_EQ(n.hash("message ", reinterpret_cast<const unsigned char*>("digest"), 6),
              n.hash(text));
    std::ostringstream s;
    s << "message "
      << "digest";
    EXPECT_EQ(n.hash(s), n.hash(text));
    // Longer than one 1024-byte slice.
    const std::string long_text(5000, 'q');
    MD5 md5;
    md5.update(reinterpret_cast<const unsigned char*>(long_text.data()), long_text.size());
    md5.finalize();
    EXPECT_EQ(n.hash(long_text), md5.hex_digest());
}

TEST(NCMD5Test, KeyhashIsTextThenKey) {
    const NCMD5 n;
    EXPECT_EQ(n.keyhash("key", "message"), n.hash("keymessage"));
    EXPECT_NE(n.keyhash("key", "message"), n.keyhash("message", "key"));
}

TEST(NCMD5Test, FileDigests) {
    TempDir dir;
    const std::string bytes("line\r\nwith\0nul\n", 15);
    WriteFileBytes(dir.file("f"), bytes);
    const NCMD5 n;
    EXPECT_EQ(n.hashFile(dir.file("f")), n.hash(bytes));
    EXPECT_EQ(n.keyhashFile("key", dir.file("f")), n.hash("key" + bytes));

    const std::string missing = dir.file("missing");
    testing::internal::CaptureStderr();
    EXPECT_EQ(n.hashFile(missing), "");
    EXPECT_EQ(n.keyhashFile("key", missing), n.hash("key"));
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              missing + " can't be opened\n" + missing + " can't be opened\n");
}

TEST(NCMD5Test, ChainedDigestShape) {
    const NCMD5 n;
    const std::string r0 = n.fncmhash("name.lib", "body\n", 0);
    const std::string r100 = n.fncmhash("name.lib", "body\n", 100);
    EXPECT_EQ(r0.size(), 32u);
    EXPECT_EQ(r100.size(), 3232u);
    EXPECT_TRUE(IsLowerHex(r100));
    // Each round appends to the chain, so fewer rounds give a prefix.
    EXPECT_EQ(r100.substr(0, 32), r0);
    EXPECT_EQ(n.fncmhash("name.lib", "body\n", 7), r100.substr(0, 32 * 8));
    EXPECT_EQ(n.fncmhash("name.lib", "body\n", -3), r0);
    // The first round is not the digest of the bare texts.
    EXPECT_NE(r0, n.hash("name.libbody\n"));
    // Order of the texts and where one ends and the other begins both count.
    EXPECT_NE(n.fncmhash("a", "b", 0), n.fncmhash("b", "a", 0));
    EXPECT_NE(n.fncmhash("ab", "c", 0), n.fncmhash("a", "bc", 0));
}

// Library files protected before must stay valid: this pins our salt and
// chain layout.
TEST(NCMD5Test, ChainedDigestIsStable) {
    const NCMD5 n;
    EXPECT_EQ(n.fncmhash("TarvexlibraryDef.lib", "A 1\n", 1),
              "c932d14f38e1b28171ea4beb9b7f2b13c0b83b5e990bc84cc7953b3cef8008b4");
}

// A full chain over a body of several kilobytes, as a library file has: its
// last round and the digest of the whole chain, worked out round by round
// with an independent MD5.
TEST(NCMD5Test, LongChainIsStable) {
    std::string body;
    for (int i = 0; i < 200; ++i)
        body += "row " + std::to_string(i) + ", value " + std::to_string(i * i) + "\n";
    ASSERT_EQ(body.size(), 3944u);
    const NCMD5 n;
    const std::string chain = n.fncmhash("TarvexlibraryTab.lib", body, 100);
    EXPECT_EQ(chain.substr(3200), "8e562865aee5411fbdb59f6b8cee8696");
    EXPECT_EQ(n.hash(chain), "f852b6d7bef8a1cc25e889457183bd79");
}

TEST(NCMD5Test, PathFileNameSplitsOnEitherSeparator) {
    const struct {
        const char* path;
        const char* name;
    } cases[] = {
        {"ASlib.lib", "ASlib.lib"},
        {"KORULib/ASlib.lib", "ASlib.lib"},
        {"C:\\Tarvex\\KORULib\\ASlib.lib", "ASlib.lib"},
        {"/opt/tarvex\\KORULib/ASlib.lib", "ASlib.lib"},
        {"KORULib/sub\\ASlib.lib", "ASlib.lib"},
        {"KORULib/", ""},
        {"", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(PathFileName(c.path), c.name) << c.path;
}

TEST(NCMD5Test, ProtectionBodyDropsLineEnds) {
    const struct {
        const char* text;
        const char* body;
    } cases[] = {
        {"", ""},
        {"a", "a\n"},
        {"a\n", "a\n"},
        {"a\r\nb\r\n", "a\nb\n"},
        {"a\nb", "a\nb\n"},
        {"a\n\nb\n", "a\n\nb\n"},
        {"a\r\r\n", "a\r\n"},  // only the CR right before the line end goes
        {"a\rb\n", "a\rb\n"},
        {"\n\n", "\n\n"},
    };
    for (const auto& c : cases) {
        std::istringstream in(c.text);
        EXPECT_EQ(ProtectionBody(in), c.body) << c.text;
        EXPECT_EQ(ProtectionBody(std::string_view(c.text)), c.body) << c.text;
    }
}

TEST(NCMD5Test, ProtectTextAddsOrReplacesTheMarkerLine) {
    const NCMD5 n;
    const std::string line = n.protectionLine("x.lib", "A 1\nB 2\n");
    EXPECT_EQ(line.rfind("$,ncmprotected ", 0), 0u);
    EXPECT_EQ(line.size(), 15u + 3232u);

    // Added in front, the data bytes untouched.
    EXPECT_EQ(Protected("A 1\nB 2\n", "x.lib"), line + "\nA 1\nB 2\n");
    EXPECT_EQ(Protected("A 1\r\nB 2", "x.lib"), line + "\r\nA 1\r\nB 2");
    // An existing protection line (even one for another name) is replaced.
    const std::string other = Protected("A 1\nB 2\n", "other.lib");
    EXPECT_EQ(Protected(other, "x.lib"), line + "\nA 1\nB 2\n");
    EXPECT_EQ(Protected("$,ncmprotected 0\r\nA 1\r\nB 2\r\n", "x.lib"),
              line + "\r\nA 1\r\nB 2\r\n");

    std::string result = "unchanged";
    EXPECT_FALSE(ProtectText("", "x.lib", result));
    EXPECT_FALSE(ProtectText("$,ncmprotected 0123\n", "x.lib", result));
    EXPECT_FALSE(ProtectText("$,ncmprotected 0123", "x.lib", result));
    EXPECT_EQ(result, "unchanged");
}

class FlibcheckTest : public testing::Test {
  protected:
    std::string Write(const std::string& name, const std::string& bytes) {
        WriteFileBytes(dir.file(name), bytes);
        return dir.file(name);
    }
    TempDir dir;
    NCMD5 n;
};

TEST_F(FlibcheckTest, AcceptsOnlyTheNameAndBodyItWasProtectedFor) {
    const std::string data = "$ comment\nTAB-1 1 2 3\r\nlast line without end";
    const std::string good = Protected(data, "TarvexlibraryDef.lib");
    EXPECT_TRUE(n.flibcheck(Write("TarvexlibraryDef.lib", good)));
    EXPECT_FALSE(n.flibcheck(Write("TarvexlibraryTab.lib", good)));

    // Every single-byte change in the data, and a changed digit in the marker.
    for (std::size_t at : {std::size_t{0}, data.size() / 2, data.size() - 1}) {
        std::string bad = good;
        bad[good.size() - data.size() + at] ^= 0x01;
        EXPECT_FALSE(n.flibcheck(Write("TarvexlibraryDef.lib", bad))) << at;
    }
    std::string badMarker = good;
    badMarker[20] = badMarker[20] == '0' ? '1' : '0';
    EXPECT_FALSE(n.flibcheck(Write("TarvexlibraryDef.lib", badMarker)));
    // An extra line at the end is a change too.
    EXPECT_FALSE(n.flibcheck(Write("TarvexlibraryDef.lib", good + "\n\n")));
}

TEST_F(FlibcheckTest, CrLfAndLfCopiesAgree) {
    const std::string lf = Protected("A 1\nB 2\n", "ASlib.lib");
    std::string crlf;
    for (const char c : lf) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    EXPECT_TRUE(n.flibcheck(Write("ASlib.lib", lf)));
    EXPECT_TRUE(n.flibcheck(Write("ASlib.lib", crlf)));
    // A file protected with CR LF line ends reads the same as its LF copy.
    const std::string fromCrLf = Protected("A 1\r\nB 2\r\n", "ASlib.lib");
    EXPECT_EQ(fromCrLf.substr(0, fromCrLf.find('\r')), lf.substr(0, lf.find('\n')));
}

TEST_F(FlibcheckTest, NameIsThePartAfterEitherSeparator) {
    // On Linux a backslash is an ordinary file name character, so this file
    // sits in dir and its last component, split on "\", is "b.lib".
    const std::string good = Protected("A 1\n", "b.lib");
    EXPECT_TRUE(n.flibcheck(Write("a\\b.lib", good)));
    EXPECT_FALSE(n.flibcheck(Write("a\\c.lib", good)));
}

TEST_F(FlibcheckTest, FilesWithoutDataAreRejected) {
    EXPECT_FALSE(n.flibcheck(Write("empty.lib", "")));
    const std::string markerOnly = n.protectionLine("one.lib", "");
    EXPECT_FALSE(n.flibcheck(Write("one.lib", markerOnly)));
    EXPECT_FALSE(n.flibcheck(Write("one.lib", markerOnly + "\n")));
}

TEST_F(FlibcheckTest, MissingFileStopsTheRun) {
    const std::string missing = dir.file("KORULib/ASlib.lib");
    const StopOutcome s = RunToStop([&] { n.flibcheck(missing); });
    EXPECT_EQ(s.status, 1);
    EXPECT_TRUE(HasMatch(s.err, "Could not open file .*KORULib/ASlib\\.lib")) << s.err;
}

TEST(SavedBytes, KeepTheBytesAndTheirKeyedFingerprintOrAreEmpty) {
    const SavedBytes none;
    EXPECT_TRUE(none.empty());
    EXPECT_EQ(none.fingerprint(), "");
    const std::vector<unsigned char> bytes{'%', 'P', 'D', 'F', '\n', 0, 255};
    EXPECT_TRUE(SavedBytes("a key", bytes).bytes() == bytes);
    const SavedBytes saved("a key", bytes);
    const SavedBytes copy = saved;
    EXPECT_FALSE(copy.empty());
    EXPECT_EQ(copy.fingerprint(), NCMD5().hash("a key", bytes.data(), bytes.size()));
    EXPECT_EQ(saved.fingerprint(), copy.fingerprint());
    // A document with no bytes was still saved.
    EXPECT_FALSE(SavedBytes("", {}).empty());
    EXPECT_EQ(SavedBytes("", {}).fingerprint(), NCMD5().hash(""));
}

}  // namespace
