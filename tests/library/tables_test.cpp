#include "library/tables.h"

#include <gtest/gtest.h>

#include <functional>

#include <filesystem>
#include <iostream>

#include "app/codes.h"
#include "app/runlog.h"
#include "library/tabla.h"
#include "tests/library/libfixture.h"
#include "tests/support/stops.h"
#include "tests/support/tempdir.h"

namespace {

PROJECTTables LoadTables(const std::string& path) {
    PROJECTTables t;
    t.Init(path.c_str(), 1);
    return t;
}

const char* const kTablesBody =
    "$ tables for the tests\n"
    "1 0 T 2 3 1 2 3 4 5 6\n"
    "2 0 Words 2 2 \"one\" \"first   text\" \"two\" \"second text\"\n"
    "1 1 Short 2 2 7 8 9\n"          // a cell short: it reads as missing
    "1 2 Bad 1 3 1 x 3\n"            // an item that is not a number
    "2 1 Open 2 1 \"never closed\n"  // the text takes the rest of the line
    "1 3 Big 100000 100000 42\n"     // declared size is not allocated
    "1 x Skipped 1 1 5\n"
    "1 4 NoSize 1\n"
    "3 0 Other 1 1 5\n";

class TablesTest : public testing::Test {
  protected:
    void SetUp() override {
        WriteProtected(dir_.file("tables.lib"), kTablesBody);
        t_ = LoadTables(dir_.file("tables.lib"));
    }
    TempDir dir_;
    PROJECTTables t_;
};

TEST_F(TablesTest, NumericCellsByNameAndPosition) {
    EXPECT_EQ(t_.Value("T", 2, 1), 4);
    EXPECT_EQ(t_.Value("T", 1, 3), 3);
    EXPECT_EQ(t_.Value(0, 2, 3), 6);
    EXPECT_EQ(t_.Vint("T", 2, 2), 5);
    EXPECT_EQ(t_.Value("Short", 1, 2), 8);
    EXPECT_EQ(t_.Value("Short", 2, 1), 9);
    EXPECT_EQ(t_.Value("Big", 1, 1), 42);
    EXPECT_EQ(t_.Value("Bad", 1, 1), 1);
    EXPECT_EQ(t_.Value("Bad", 1, 3), 3);

    struct Missing {
        const char* table;
        int r, c;
    };
    const Missing missing[] = {
        {"T", 3, 1},
        {"T", 1, 4},
        {"T", -1, 1},
        {"Short", 2, 2},
        {"Bad", 1, 2},
        {"Big", 2, 1},
        {"Big", 100000, 100000},
        {"Words", 1, 1},  // a text table is not a numeric one
        {"Skipped", 1, 1},
        {"NoSize", 1, 1},
        {"Other", 1, 1},
        {"Unknown", 1, 1},
    };
    for (const Missing& m : missing) {
        SCOPED_TRACE(std::string(m.table) + " " + std::to_string(m.r) + "," + std::to_string(m.c));
        EXPECT_EQ(t_.Value(m.table, m.r, m.c), -5555);
    }
    EXPECT_EQ(t_.Value(-1, 1, 1), -5555);
    EXPECT_EQ(t_.Value(9, 1, 1), -5555);
    EXPECT_LT(t_.numberTables[3].values.size(), 10u);
}

TEST_F(TablesTest, TextCellsAndRows) {
    EXPECT_EQ(t_.TValue("Words", 1, 2), "first text");
    EXPECT_EQ(t_.TValue("Words", 2, 1), "two");
    EXPECT_EQ(t_.TValue(0, 2, 2), "second text");
    EXPECT_EQ(t_.TValue("Open", 1, 1), "never closed");
    EXPECT_EQ(t_.TValue("Open", 2, 1), "-5555");
    EXPECT_EQ(t_.TValue("Words", 3, 1), "-5555");
    EXPECT_EQ(t_.TValue("T", 1, 1), "-5555");  // a numeric table is not a text one
    EXPECT_EQ(t_.TValue("Unknown", 1, 1), "-5555");
    EXPECT_EQ(t_.TValue(5, 1, 1), "-5555");

    EXPECT_EQ(t_.nRows("Words"), 2);
    EXPECT_EQ(t_.nRows("Open"), 2);
    EXPECT_EQ(t_.nRows("T"), -5555);  // only text tables are searched
    EXPECT_EQ(t_.nRows("Unknown"), -5555);
}

TEST_F(TablesTest, ModifyingSetsCellsInsideTheTableOnly) {
    t_.ValueMod("T", 1, 1, 10.5);
    t_.ValueMod(0, 2, 3, -1);
    t_.ValueMod("T", 3, 1, 99);      // outside: nothing changes
    t_.ValueMod("Short", 2, 2, 11);  // inside, though the line did not hold it
    t_.ValueMod("Unknown", 1, 1, 1);
    EXPECT_EQ(t_.numberTables[0].values, (std::vector<double>{10.5, 2, 3, 4, 5, -1}));
    EXPECT_EQ(t_.Value("Short", 2, 2), 11);

    t_.TValueMod("Words", 2, 2, "changed");
    t_.TValueMod(0, 1, 3, "outside");
    t_.TValueMod("Open", 2, 1, "filled");
    EXPECT_EQ(t_.TValue("Words", 2, 2), "changed");
    EXPECT_EQ(t_.textTables[0].cells.size(), 4u);
    EXPECT_EQ(t_.TValue("Open", 2, 1), "filled");
}

TEST_F(TablesTest, RepeatedNamesGapsAndDirectInsertion) {
    WriteProtected(dir_.file("gaps.lib"),
                   "1 2 G 1 1 7\n"
                   "1 4 G 1 1 8\n"  // stored at 4; the name still reads position 2
                   "2 -1 Neg 1 1 \"n\"\n");
    PROJECTTables t = LoadTables(dir_.file("gaps.lib"));
    ASSERT_EQ(t.numberTables.size(), 5u);
    for (int i : {0, 1, 2}) EXPECT_EQ(t.Value(i, 1, 1), 7);
    EXPECT_EQ(t.Value(3, 1, 1), 8);
    EXPECT_EQ(t.Value("G", 1, 1), 7);
    EXPECT_EQ(t.TValue("Neg", 1, 1), "-5555");
    EXPECT_TRUE(t.textTables.empty());

    Tabla extra;
    extra.AddText("Extra", 1, 1, "\"x\"");
    t.InsertTTable(extra, 0);
    t.InsertTTable(extra, 100000);  // past the position limit: ignored
    EXPECT_EQ(t.textTables.size(), 1u);
    EXPECT_EQ(t.TValue(0, 1, 1), "x");

    t.Clear();
    EXPECT_TRUE(t.numberTables.empty());
    EXPECT_EQ(t.Value("G", 1, 1), -5555);
}

TEST_F(TablesTest, IntegrityFollowsTheProtectionLine) {
    EXPECT_TRUE(t_.IsOriginal());
    EXPECT_EQ(t_.fileDigest.fingerprint().size(), 32u);

    const std::string original = ReadFileBytes(dir_.file("tables.lib"));
    std::filesystem::create_directories(dir_.file("crlf"));
    std::filesystem::create_directories(dir_.file("changed"));
    WriteFileBytes(dir_.file("crlf/tables.lib"), WithCrLf(original));
    const PROJECTTables fromWindows = LoadTables(dir_.file("crlf/tables.lib"));
    EXPECT_TRUE(fromWindows.IsOriginal());
    EXPECT_EQ(fromWindows.TValue("Words", 1, 2), "first text");

    std::string changed = original;
    changed.replace(changed.find("\"two\""), 5, "\"TWO\"");
    WriteFileBytes(dir_.file("changed/tables.lib"), changed);
    WriteFileBytes(dir_.file("renamed.lib"), original);
    for (const char* name : {"changed/tables.lib", "renamed.lib"}) {
        SCOPED_TRACE(name);
        EXPECT_FALSE(LoadTables(dir_.file(name)).IsOriginal());
    }
}

// Row or column 0 is a caller's fault: the run ends with the table and the cell named.
// A 42-byte line may declare 109 x 11,000,000 cells: writing its far corner
// must cost that one cell, not the declared size.
TEST(Tabla, WritingFarCellsGrowsOnlyByWhatIsWritten) {
    Tabla numbers;
    numbers.Add("N", 109, 11000000, "1 2 3");
    numbers.ValueMod(109, 11000000, 7.5);
    numbers.ValueMod(1, 4, 4);  // next to the stored cells
    numbers.ValueMod(50, 50, 5);
    EXPECT_EQ(numbers.values, (std::vector<double>{1, 2, 3, 4}));
    EXPECT_EQ(numbers.Value(109, 11000000), 7.5);
    EXPECT_EQ(numbers.Value(50, 50), 5);
    EXPECT_EQ(numbers.Value(50, 51), kNotSet);
    numbers.ValueMod(50, 50, 6);
    EXPECT_EQ(numbers.Value(50, 50), 6);
    // Reloading forgets what was written.
    numbers.Add("N", 109, 11000000, "1");
    EXPECT_EQ(numbers.Value(109, 11000000), kNotSet);

    Tabla texts;
    texts.AddText("S", 109, 11000000, "\"a\"");
    texts.TValueMod(109, 11000000, "far");
    texts.TValueMod(1, 2, "b");
    EXPECT_EQ(texts.cells, (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(texts.TValue(109, 11000000), "far");
    EXPECT_EQ(texts.TValue(2, 1), kNotSetText);
}

TEST(TablaStops, RowOrColumnZeroEndsTheRun) {
    TempDir dir;
    SetFileLog(dir.file("Tarvex.log"));
    Tabla numbers;
    numbers.Add("N", 2, 2, "1 2 3 4");
    Tabla texts;
    texts.AddText("S", 2, 2, "\"a\" \"b\" \"c\" \"d\"");
    PROJECTTables store;
    store.InsertNTable(numbers, 0);
    const struct {
        std::function<void()> access;
        const char* message;
    } cases[] = {
        {[&] { numbers.Value(0, 1); }, "\n\nWrong index in Table: N R: 0 C: 1\n\n"},
        {[&] { numbers.ValueMod(2, 0, 5); }, "Wrong index in Table: N R: 2 C: 0"},
        {[&] { texts.TValue(0, 0); }, "Wrong index in Table: S R: 0 C: 0"},
        {[&] { texts.TValueMod(0, 2, "x"); }, "Wrong index in Table: S R: 0 C: 2"},
        // The same through the store.
        {[&] { store.Value(0, 0, 1); }, "Wrong index in Table: N R: 0 C: 1"},
    };
    for (const auto& c : cases) {
        // The message goes to standard output and the log.
        const StopOutcome s = RunToStop(c.access);
        EXPECT_EQ(s.status, 1) << c.message;
        EXPECT_NE(s.out.find(c.message), std::string::npos) << s.out;
        EXPECT_NE(ReadFileBytes(dir.file("Tarvex.log")).find(c.message), std::string::npos);
    }
}

TEST(TablesStops, MissingFileEndsTheRun) {
    TempDir dir;
    const std::string missing = dir.file("none.lib");
    const StopOutcome s = RunToStop([&] { LoadTables(missing); });
    EXPECT_EQ(s.status, 1);
    EXPECT_TRUE(HasMatch(s.err, "Could not open file .*none\\.lib")) << s.err;
}

}  // namespace
