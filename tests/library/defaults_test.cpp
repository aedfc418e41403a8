#include "library/defaults.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "tests/library/libfixture.h"
#include "tests/support/stops.h"
#include "tests/support/tempdir.h"

namespace {

PROJECTDefaults LoadDefaults(const std::string& path) {
    PROJECTDefaults d;
    d.Init(path.c_str(), 1);
    return d;
}

TEST(Defaults, LoadsNumbersAndTextsByNameAndPosition) {
    TempDir dir;
    const std::string path = dir.file("defaults.lib");
    WriteProtected(path,
                   "$ a comment line\n"
                   "1 0 LAMBDA-REF 50\n"
                   "\n"
                   "1 1 RecShortN 15.9\n"
                   "1 2 Negative -2.9\n"
                   "2 0 Greeting \"Good   morning  to you\" trailing\n"
                   "2 1 Word plain\n"
                   "3 0 OtherKind 1\n"            // unknown type
                   "x 3 NotANumber 1\n"           // leading items not numbers
                   "1 4\n"                        // no name
                   "1 5 NoValue\n"                // nothing to store
                   "1 6 BadValue abc\n"           // not a number
                   "   1   7   Spaced\t 7.5  \n"  // blanks and tabs around items
                   "$1 8 Commented 9\n");
    const PROJECTDefaults d = LoadDefaults(path);

    EXPECT_EQ(d.Value("LAMBDA-REF"), 50);
    EXPECT_EQ(d.Value(0), 50);
    EXPECT_EQ(d.Value("RecShortN"), 15.9);
    EXPECT_EQ(d.Vint("RecShortN"), 15);
    EXPECT_EQ(d.Vint("Negative"), -2);
    EXPECT_EQ(d.Vint(2), -2);
    EXPECT_EQ(d.Value("Spaced"), 7.5);
    EXPECT_EQ(d.TValue("Greeting"), "Good morning to you");
    EXPECT_EQ(d.TValue(1), "plain");

    // Entries the loader passed over, and names of the other kind, are missing.
    for (const char* name :
         {"OtherKind", "NotANumber", "NoValue", "BadValue", "Commented", "Greeting", "Unknown"}) {
        SCOPED_TRACE(name);
        EXPECT_EQ(d.Value(name), -5555);
        EXPECT_EQ(d.Vint(name), -5555);
    }
    EXPECT_EQ(d.TValue("LAMBDA-REF"), "-5555");
    EXPECT_EQ(d.TValue("Unknown"), "-5555");
    EXPECT_EQ(d.Value(-1), -5555);
    EXPECT_EQ(d.Value(static_cast<int>(d.numbers.size())), -5555);
    EXPECT_EQ(d.TValue(2), "-5555");
}

TEST(Defaults, PositionsFillGapsAndKeepTheFirstName) {
    TempDir dir;
    const std::string path = dir.file("defaults.lib");
    WriteProtected(path,
                   "1 3 KEY 0.35\n"
                   "1 5 KEY 2\n"        // same name, new position: stored, name unchanged
                   "1 1 ONE 1\n"        // replaces a gap copy
                   "1 -2 NEG 4\n"       // never stored; its name answers missing
                   "1 1000000 FAR 8\n"  // past the position limit: not stored
                   "2 2 T \"gap text\"\n");
    const PROJECTDefaults d = LoadDefaults(path);

    ASSERT_EQ(d.numbers.size(), 6u);
    EXPECT_EQ(d.numbers[0], 0.35);
    EXPECT_EQ(d.numbers[1], 1);
    EXPECT_EQ(d.numbers[2], 0.35);
    EXPECT_EQ(d.numbers[3], 0.35);
    EXPECT_EQ(d.numbers[4], 2);
    EXPECT_EQ(d.numbers[5], 2);
    EXPECT_EQ(d.Value("KEY"), 0.35);
    EXPECT_EQ(d.Value(5), 2);
    EXPECT_EQ(d.Value("NEG"), -5555);
    EXPECT_EQ(d.Value("FAR"), -5555);
    EXPECT_EQ(d.texts, (std::vector<std::string>{"gap text", "gap text", "gap text"}));
}

TEST(Defaults, InsertDefaultReplacesAppendsAndFills) {
    PROJECTDefaults d;
    d.InsertDefault(1.0, 0);
    d.InsertDefault(2.0, 1);   // append
    d.InsertDefault(3.0, 0);   // replace
    d.InsertDefault(9.0, -1);  // ignored
    d.InsertDefault(4.0, 3);   // gap filled with the same value
    EXPECT_EQ(d.numbers, (std::vector<double>{3, 2, 4, 4}));
    d.InsertDefault(std::string("b"), 1);
    EXPECT_EQ(d.texts, (std::vector<std::string>{"b", "b"}));
    d.Clear();
    EXPECT_TRUE(d.numbers.empty());
    EXPECT_TRUE(d.texts.empty());
    EXPECT_EQ(d.Value(0), -5555);
}

TEST(Defaults, IntegrityFollowsTheProtectionLine) {
    TempDir dir;
    const std::string body = "1 0 LAMBDA-REF 50\n2 0 NOTE \"two words\"\n";
    const std::string good = dir.file("TarvexlibraryDef.lib");
    WriteProtected(good, body);
    EXPECT_TRUE(LoadDefaults(good).IsOriginal());
    EXPECT_EQ(LoadDefaults(good).fileDigest.fingerprint().size(), 32u);

    // Same data with Windows line ends: same entries, still intact.
    std::filesystem::create_directories(dir.file("crlf"));
    std::filesystem::create_directories(dir.file("changed"));
    const std::string crlf = dir.file("crlf/TarvexlibraryDef.lib");
    WriteFileBytes(crlf, WithCrLf(ReadFileBytes(good)));
    const PROJECTDefaults fromWindows = LoadDefaults(crlf);
    EXPECT_TRUE(fromWindows.IsOriginal());
    EXPECT_EQ(fromWindows.TValue("NOTE"), "two words");

    // A changed value under the same name, a renamed copy and a file with no
    // protection line fail, though their entries still load.
    const std::string original = ReadFileBytes(good);
    std::string changedText = original;
    changedText.replace(changedText.find("LAMBDA-REF 50"), 13, "LAMBDA-REF 60");
    const std::string changed = dir.file("changed/TarvexlibraryDef.lib");
    WriteFileBytes(changed, changedText);
    const std::string renamed = dir.file("Other.lib");
    WriteFileBytes(renamed, original);
    const std::string plain = dir.file("plain.lib");
    WriteFileBytes(plain, body);
    for (const std::string& path : {changed, renamed, plain}) {
        SCOPED_TRACE(path);
        const PROJECTDefaults d = LoadDefaults(path);
        EXPECT_FALSE(d.IsOriginal());
        EXPECT_NE(d.Value("LAMBDA-REF"), -5555);
    }
}

TEST(DefaultsStops, MissingFileEndsTheRun) {
    TempDir dir;
    const std::string missing = dir.file("none.lib");
    const StopOutcome s = RunToStop([&] { LoadDefaults(missing); });
    EXPECT_EQ(s.status, 1);
    EXPECT_TRUE(HasMatch(s.err, "Could not open file .*none\\.lib")) << s.err;
}

}  // namespace
