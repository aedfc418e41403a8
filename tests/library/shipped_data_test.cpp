// The library files delivered with the program: intact, and holding what the
// rating, the ordering and the report writers read.
#include <gtest/gtest.h>

#include <string>

#include "library/defaults.h"
#include "library/ncmd5.h"
#include "library/tables.h"

namespace {

std::string Shipped(const std::string& name) {
    return std::string(TARVEX_SOURCE_DIR) + "/data/KORULib/" + name;
}

TEST(ShippedData, DefaultsAreIntactAndComplete) {
    PROJECTDefaults d;
    d.Init(Shipped("TarvexlibraryDef.lib").c_str(), 1);
    EXPECT_TRUE(d.IsOriginal());
    EXPECT_EQ(d.Value("LAMBDA-REF"), 50);
    EXPECT_EQ(d.Vint("RecShortN"), 15);
    EXPECT_EQ(d.Vint("RecMediumN"), 10);
    EXPECT_EQ(d.Vint("RecLongN"), 5);
    EXPECT_EQ(d.Vint("RecOtherN"), 10);
}

// The protection lines of the delivered files are the ones they were
// written with: each passes its check as it stands.
TEST(ShippedData, EveryLibraryFilePassesItsCheck) {
    const std::string data = std::string(TARVEX_SOURCE_DIR) + "/data/";
    for (const char* file : {"csv/Tarvex.csv", "KORULib/TarvexlibraryDef.lib",
                             "KORULib/TarvexlibraryTab.lib", "KORULib/ASlib.lib"}) {
        EXPECT_TRUE(NCMD5().flibcheck(data + file)) << file;
    }
}

TEST(ShippedData, AsTablesAreIntact) {
    PROJECTTables t;
    t.Init(Shipped("ASlib.lib").c_str(), 1);
    EXPECT_TRUE(t.IsOriginal());
}

// Row n of sRec belongs to code number n of a recommendation's CODE keyword.
TEST(ShippedData, EveryRecommendationCodeHasItsText) {
    const char* const codes[] = {
        "USER",   "EPC-H1", "EPC-H2", "EPC-H3", "EPC-H4", "EPC-C1", "EPC-C2", "EPC-C3",
        "EPC-W1", "EPC-W2", "EPC-W3", "EPC-L1", "EPC-L2", "EPC-L3", "EPC-L4", "EPC-R1",
        "EPC-R2", "EPC-R3", "EPC-O1", "EPC-O2", "EPC-E1", "EPC-E2", "EPC-E3", "EPC-E4",
        "EPC-F1", "EPC-F2", "EPC-A1", "EPC-A2", "EPC-A3", "EPC-X1", "EPC-X2",
    };
    PROJECTTables t;
    t.Init(Shipped("TarvexlibraryTab.lib").c_str(), 1);
    EXPECT_TRUE(t.IsOriginal());
    ASSERT_GE(t.nRows("sRec"), 31);
    ASSERT_EQ(t.textTables[static_cast<std::size_t>(t.textIndex.at("sRec"))].cols, 2);
    int row = 0;
    for (const char* code : codes) {
        ++row;
        SCOPED_TRACE(code);
        EXPECT_EQ(t.TValue("sRec", row, 1), code);
        const std::string text = t.TValue("sRec", row, 2);
        ASSERT_FALSE(text.empty());
        EXPECT_NE(text, "-5555");
        // Printed on certificates and in register messages: plain ASCII, one
        // sentence, no stray blanks.
        for (char c : text) EXPECT_TRUE(c >= 0x20 && c < 0x7f) << text;
        EXPECT_NE(text.front(), ' ');
        EXPECT_EQ(text.back(), '.');
    }
}

}  // namespace
