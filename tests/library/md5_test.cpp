#include "library/md5.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "tests/library/external.h"
#include "tests/support/process.h"
#include "tests/support/tempdir.h"

namespace {

std::string Md5Of(const std::string& bytes) {
    MD5 md5;
    md5.update(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size());
    md5.finalize();
    return md5.hex_digest();
}

// Feeds the bytes in slices of the given sizes, cycling through them.
std::string Md5InSlices(const std::string& bytes, const std::vector<std::size_t>& sizes) {
    MD5 md5;
    std::size_t at = 0;
    for (std::size_t i = 0; at < bytes.size(); ++i) {
        const std::size_t n = std::min(sizes[i % sizes.size()], bytes.size() - at);
        md5.update(reinterpret_cast<const unsigned char*>(bytes.data()) + at, n);
        at += n;
    }
    md5.finalize();
    return md5.hex_digest();
}

std::string Md5sumOfFile(const std::string& path) {
    const std::string md5sum = FindProgram("md5sum");
    if (md5sum.empty()) return std::string();
    const ProcessResult r = RunProcess({md5sum, path});
    if (r.exitCode != 0 || r.out.size() < 32) return std::string();
    return r.out.substr(0, 32);
}

TEST(MD5Test, Rfc1321Suite) {
    std::string eightyDigits;
    for (int i = 0; i < 8; ++i) eightyDigits += "1234567890";
    const struct {
        const char* text;
        const char* digest;
    } cases[] = {
        {"", "d41d8cd98f00b204e9800998ecf8427e"},
        {"a", "0cc175b9c0f1b6a831c399e269772661"},
        {"abc", "900150983cd24fb0d6963f7d28e17f72"},
        {"message digest", "f96b697d7cb7938d525a2f31aaf161d0"},
        {"abcdefghijklmnopqrstuvwxyz", "c3fcd3d76192e4007dfb496cca67e13b"},
        {"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789",
         "d174ab98d277d9f5a5611c2c9f419d9f"},
        {eightyDigits.c_str(), "57edf4a22be3c955ac49da2e2107b67a"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Md5Of(c.text), c.digest) << '"' << c.text << '"';
        EXPECT_EQ(Md5InSlices(c.text, {1}), c.digest) << '"' << c.text << '"';
    }
}

TEST(MD5Test, RawDigestAndStreamOutput) {
    MD5 md5;
    md5.update(reinterpret_cast<const unsigned char*>("abc"), 3);
    md5.finalize();
    const std::string raw = md5.raw_digest();
    ASSERT_EQ(raw.size(), 16u);
    EXPECT_EQ(static_cast<unsigned char>(raw[0]), 0x90);
    EXPECT_EQ(static_cast<unsigned char>(raw[15]), 0x72);
    std::ostringstream out;
    out << md5;
    EXPECT_EQ(out.str(), "900150983cd24fb0d6963f7d28e17f72");
}

// Lengths around the 56-byte padding limit and the 64-byte block.
TEST(MD5Test, AgreesWithMd5sumAroundBlockEdges) {
    TempDir dir;
    for (std::size_t length :
         {55u, 56u, 57u, 63u, 64u, 65u, 119u, 120u, 128u, 1023u, 1024u, 1025u}) {
        const std::string bytes = RandomBytes(length, static_cast<unsigned>(length));
        WriteFileBytes(dir.file("buf"), bytes);
        const std::string expected = Md5sumOfFile(dir.file("buf"));
        if (expected.empty()) GTEST_SKIP() << "md5sum is not available";
        EXPECT_EQ(Md5Of(bytes), expected) << length;
    }
}

TEST(MD5Test, AgreesWithMd5sumOnLargeBufferWholeAndInSlices) {
    TempDir dir;
    const std::string bytes = RandomBytes(3 * 1024 * 1024 + 17, 20260101);
    const std::string path = dir.file("large");
    WriteFileBytes(path, bytes);
    const std::string expected = Md5sumOfFile(path);
    if (expected.empty()) GTEST_SKIP() << "md5sum is not available";

    EXPECT_EQ(Md5Of(bytes), expected);
    const std::vector<std::vector<std::size_t>> slicings = {
        {1, 2, 3, 5, 7, 11, 13}, {63, 65}, {64}, {1023, 1, 1025}, {4093, 17, 99991}};
    for (const auto& sizes : slicings) EXPECT_EQ(Md5InSlices(bytes, sizes), expected);

    // The file and stream forms read the same bytes.
    std::FILE* file = std::fopen(path.c_str(), "rb");
    ASSERT_NE(file, nullptr);
    EXPECT_EQ(MD5(file).hex_digest(), expected);
    std::ifstream in(path, std::ios::binary);
    EXPECT_EQ(MD5(in).hex_digest(), expected);
    std::istringstream text(bytes);
    EXPECT_EQ(MD5(static_cast<std::istream&>(text)).hex_digest(), expected);
}

TEST(MD5Test, BytesThenFile) {
    TempDir dir;
    WriteFileBytes(dir.file("tail"), "def");
    std::FILE* file = std::fopen(dir.file("tail").c_str(), "rb");
    ASSERT_NE(file, nullptr);
    MD5 md5;
    md5.update(reinterpret_cast<const unsigned char*>("abc"), 3, file);
    md5.finalize();
    EXPECT_EQ(md5.hex_digest(), Md5Of("abcdef"));
}

TEST(MD5Test, MisuseIsReportedAndIgnored) {
    const std::string notFinalized = "finalized the digest!\n";
    {
        MD5 md5;
        testing::internal::CaptureStderr();
        EXPECT_EQ(md5.hex_digest(), "");
        EXPECT_EQ(md5.raw_digest(), "");
        EXPECT_EQ(testing::internal::GetCapturedStderr(),
                  "MD5::hex_digest:  Can't get digest if you haven't " + notFinalized +
                      "MD5::raw_digest:  Can't get digest if you haven't " + notFinalized);
    }
    {
        MD5 md5;
        md5.update(reinterpret_cast<const unsigned char*>("abc"), 3);
        md5.finalize();
        testing::internal::CaptureStderr();
        md5.update(reinterpret_cast<const unsigned char*>("x"), 1);
        md5.finalize();
        EXPECT_EQ(testing::internal::GetCapturedStderr(),
                  "MD5::update:  Can't update a finalized digest!\n"
                  "MD5::finalize:  Already finalized this digest!\n");
        EXPECT_EQ(md5.hex_digest(), "900150983cd24fb0d6963f7d28e17f72");
    }
    {
        MD5 md5;
        md5.finalize();
        std::istringstream more("more");
        testing::internal::CaptureStderr();
        md5.update(more);
        EXPECT_EQ(testing::internal::GetCapturedStderr(),
                  "MD5::update:  Can't update a finalized digest!\n");
        EXPECT_EQ(md5.hex_digest(), "d41d8cd98f00b204e9800998ecf8427e");
    }
}

}  // namespace
