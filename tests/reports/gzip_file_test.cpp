#include "reports/gzip_file.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include "reports/seal.h"
#include "tests/support/process.h"
#include "tests/support/tempdir.h"

namespace {

TEST(GzipFile, InflatesOnlyWholeGzipWithinItsLimit) {
    TempDir dir;
    WriteFileBytes(dir.file("plain"), "not compressed at all");
    std::string gz;
    ASSERT_TRUE(GzipBytes("not compressed at all", gz));
    EXPECT_EQ(gz.substr(0, 2), "\x1f\x8b");
    WriteFileBytes(dir.file("ok.gz"), gz);
    WriteFileBytes(dir.file("cut.gz"), gz.substr(0, gz.size() - 6));
    std::string corrupt = gz;
    corrupt[12] = static_cast<char>(corrupt[12] ^ 0x55);
    WriteFileBytes(dir.file("corrupt.gz"), corrupt);

    std::string bytes;
    EXPECT_NE(InflateFile(dir.file("corrupt.gz"), 100, bytes), InflateResult::Done);
    EXPECT_EQ(InflateFile(dir.file("missing"), 100, bytes), InflateResult::CannotOpen);
    EXPECT_EQ(InflateFile(dir.file("plain"), 100, bytes), InflateResult::NotGzip);
    EXPECT_EQ(InflateFile(dir.file("cut.gz"), 100, bytes), InflateResult::Damaged);
    EXPECT_EQ(InflateFile(dir.file("ok.gz"), 21, bytes), InflateResult::Done);
    EXPECT_EQ(bytes, "not compressed at all");
    EXPECT_EQ(InflateFile(dir.file("ok.gz"), 20, bytes), InflateResult::TooLarge);
}

// The stream zlib's gzip file interface writes for the same bytes: stored
// packages stay what earlier versions wrote.
std::string ThroughGzFile(const std::string& path, const std::string& bytes) {
    gzFile out = gzopen(path.c_str(), "wb");
    for (std::size_t at = 0; at < bytes.size(); at += 1000) {
        const std::size_t n = std::min<std::size_t>(1000, bytes.size() - at);
        gzwrite(out, bytes.data() + at, static_cast<unsigned>(n));
    }
    gzclose(out);
    return ReadFileBytes(path);
}

TEST(GzipFile, WritesWhatTheGzipFileInterfaceWrites) {
    TempDir dir;
    std::string text;
    for (int i = 0; i < 60000; ++i) text += "line " + std::to_string(i * 37 % 1009) + "\n";
    std::string noise;
    unsigned x = 12345;
    for (int i = 0; i < 300000; ++i) noise += static_cast<char>((x = x * 1103515245 + 12345) >> 24);
    for (const std::string& bytes : {std::string(), std::string("a"), text, noise}) {
        std::string compressed;
        ASSERT_TRUE(GzipBytes(bytes, compressed));
        EXPECT_TRUE(compressed == ThroughGzFile(dir.file("ref.gz"), bytes)) << bytes.size();
        std::string back;
        ASSERT_EQ(InflateBytes(compressed, bytes.size(), back), InflateResult::Done);
        EXPECT_TRUE(back == bytes);
    }
}

TEST(GzipFile, InflatesMembersOneAfterAnotherAndIgnoresTrailingBytes) {
    std::string a, b;
    ASSERT_TRUE(GzipBytes("first ", a));
    ASSERT_TRUE(GzipBytes("second", b));
    std::string bytes;
    EXPECT_EQ(InflateBytes(a + b, 100, bytes), InflateResult::Done);
    EXPECT_EQ(bytes, "first second");
    EXPECT_EQ(InflateBytes(a + "junk", 100, bytes), InflateResult::Done);
    EXPECT_EQ(bytes, "first ");
    EXPECT_EQ(InflateBytes(a.substr(0, a.size() - 1), 100, bytes), InflateResult::Damaged);
    EXPECT_EQ(InflateBytes("", 100, bytes), InflateResult::NotGzip);
}

}  // namespace
