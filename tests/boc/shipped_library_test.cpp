// The library definition delivered with the program: intact, ordered, and
// defining what the later stages read with the code numbers they test.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "boc/boc.h"
#include "library/tables.h"
#include "tests/boc/boc_testing.h"
#include "tests/support/tempdir.h"

namespace {

std::string Shipped(const std::string& path) {
    return std::string(TARVEX_SOURCE_DIR) + "/data/" + path;
}

class ShippedLibraryTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ReadInput(boc, dir, WriteInput(dir, "building.inp", ReadFixture("building.inp")),
                  Shipped("csv/Tarvex.csv"));
    }
    int First(const std::string& className) const {
        for (std::size_t i = 0; i < boc.objects.size(); ++i)
            if (boc.objects[i].type == className) return static_cast<int>(i);
        return -1;
    }

    TempDir dir;
    BOC boc;
};

TEST_F(ShippedLibraryTest, IsIntactAndReadsAWholeBuilding) {
    EXPECT_TRUE(boc.IsOriginal());
    const struct {
        const char* name;
        int least;
        int most;
    } classes[] = {{"GENERAL", 1, 1},         {"EPC", 1, 1},
                   {"REC-PROJECT", 1, 1},     {"RECOMMENDATION", 0, -6666},
                   {"BUILDING-DATA", 1, 3},   {"HVAC-SYSTEM-DATA", 0, -6666},
                   {"AIR-CONDITIONING", 0, 1}};
    ASSERT_EQ(boc.classes.size(), 7u);
    for (std::size_t c = 0; c < 7; ++c) {
        EXPECT_EQ(boc.classes[c].name, classes[c].name);
        EXPECT_EQ(boc.classes[c].minCount, classes[c].least) << classes[c].name;
        EXPECT_EQ(boc.classes[c].maxCount, classes[c].most) << classes[c].name;
    }
    EXPECT_EQ(boc.objects.size(), 11u);
    EXPECT_TRUE(boc.errors.errorList.empty());
    EXPECT_TRUE(boc.errors.warnList.empty());
    EXPECT_EQ(boc.Vtext(0, "INTERFACE-VERSION"), "\"v5.6.b\"");
}

TEST_F(ShippedLibraryTest, DefaultsAreValuesOfTheirType) {
    for (const Objeto& cls : boc.classes) {
        for (const Propiedad& p : cls.properties) {
            const std::string& d = p.defaultText;
            if (d == "REQ" || d == "NC") continue;
            if (p.keyType == kTypeCod) {
                bool known = false;
                for (const Codigo& c : p.codes) known = known || c.name == d;
                EXPECT_TRUE(known) << cls.name << " " << p.name << " default " << d;
            } else if (p.keyType == kTypeNum) {
                char* end = nullptr;
                std::strtod(d.c_str(), &end);
                EXPECT_EQ(*end, '\0') << cls.name << " " << p.name << " default " << d;
            }
        }
    }
}

TEST_F(ShippedLibraryTest, CodeNumbersThatTheRunTests) {
    const int general = First("GENERAL");
    const int epc = First("EPC");
    const int rec = First("RECOMMENDATION");
    EXPECT_EQ(boc.Vcodid(epc, "TYPE"), 1);
    EXPECT_EQ(boc.Vcod(epc, "TYPE", 2), "Scotland");
    EXPECT_EQ(boc.Vcod(epc, "TYPE", 3), "Northern Ireland");
    EXPECT_EQ(boc.Vcodid(epc, "EPC-LANGUAGE"), 1);
    EXPECT_EQ(boc.Vcodid(general, "CENGINE-VAL"), 1);
    EXPECT_EQ(boc.Vcodid(rec, "CODE"), 12);  // EPC-L1
    const struct {
        int object;
        const char* keyword;
        const char* word;
        int number;
    } cases[] = {
        {epc, "MAIN-FUEL-TYPE", "Not specified", 15},
        {epc, "BUILDING-ENVIRONMENT", "Not specified", 7},
        {epc, "TRANSACTION-TYPE", "Undefined", 7},
        {general, "C-REL-PART-DISC", "Undefined", 13},
        {general, "PRODUCE-MESSAGES", "YES", 2},
        {general, "CENGINE-VAL", "DSM-D", 5},
    };
    for (const auto& c : cases) {
        boc.ModKey(c.object, c.keyword, c.word);
        EXPECT_EQ(boc.Vcodid(c.object, c.keyword), c.number) << c.keyword;
    }
    EXPECT_TRUE(boc.errors.errorList.empty());
}

// Row n of the recommendation texts belongs to code number n of CODE.
TEST_F(ShippedLibraryTest, RecommendationCodesMatchTheirTexts) {
    PROJECTTables tables;
    tables.Init(Shipped("KORULib/TarvexlibraryTab.lib").c_str(), 2);
    const int rec = First("RECOMMENDATION");
    const Propiedad& code = boc.classes[3].properties[0];
    ASSERT_EQ(code.name, "CODE");
    ASSERT_EQ(code.codes.size(), 31u);
    for (const Codigo& c : code.codes) {
        EXPECT_EQ(boc.Vcod(rec, "CODE", c.number), c.name);
        EXPECT_EQ(tables.TValue("sRec", c.number, 1), c.name) << c.number;
    }
}

TEST_F(ShippedLibraryTest, KeywordsTheLaterStagesRead) {
    const struct {
        const char* cls;
        int type;
        std::vector<const char*> keywords;
    } cases[] = {
        {"GENERAL",
         kTypeText,
         {"UPRN",
          "C-REG-NUMBER",
          "XML-INSP-DATE",
          "RRN-INSP-DATE",
          "RRN-EPC",
          "RRN-REC",
          "P-NAME",
          "B-ADDRESS",
          "B-CITY",
          "B-POSTCODE",
          "O-NAME",
          "O-TELEPHONE",
          "O-ADDRESS",
          "O-CITY",
          "O-POSTCODE",
          "C-NAME",
          "C-TELEPHONE",
          "C-ADDRESS",
          "C-CITY",
          "C-POSTCODE",
          "C-ACCRED-SCHEME",
          "CENGINE",
          "CENGINE-VERSION",
          "INTERFACE",
          "INTERFACE-VERSION",
          "HTTP-PROXY-PASSWORD",
          "PATH-FILE-TARVEX",
          "PATH-FILE-EPCPDF",
          "PATH-FILE-RECPDF",
          "REC-REP-TITLE",
          "REC-REP-REFERENCE",
          "REC-REP-DATE"}},
        {"GENERAL",
         kTypeCod,
         {"C-REL-PART-DISC", "CENGINE-VAL", "CENGINE-VAL-OK", "PAUSE-KNOWN-ERRORS", "B-TYPE",
          "PRODUCE-MESSAGES"}},
        {"GENERAL", kTypeNum, {"BUILDING-AREA"}},
        {"GENERAL", kTypeLnum, {"B-INSP-DATE"}},
        {"EPC",
         kTypeCod,
         {"TYPE", "EPC-LANGUAGE", "MAIN-FUEL-TYPE", "BUILDING-ENVIRONMENT", "TRANSACTION-TYPE"}},
        {"EPC",
         kTypeNum,
         {"BER", "SER", "TER", "TYR", "PER", "EPC-RATING", "TER-RATING", "TYR-RATING", "PER-RATING",
          "EPC-A", "EPC-R", "EPC-R-ORI", "EPC-REPORT-ROUND"}},
        {"EPC",
         kTypeText,
         {"EPC-BAND", "TER-BAND", "TYR-BAND", "S-EPC-BAND", "S-TER-BAND", "S-PER-BAND",
          "CERTIFICATE-NUMBER"}},
        {"EPC", kTypeLnum, {"EPC-BAND-LIMITS"}},
        {"RECOMMENDATION",
         kTypeCod,
         {"REF-OBJECT-TYPE", "REC-SOURCE", "CODE", "CATEGORY", "ENERGY-IMPACT", "CO2-IMPACT",
          "PAY-BACK", "CO2-SAVE-POUND"}},
        {"RECOMMENDATION", kTypeNum, {"PAY-BACK-NUM", "REF-OBJ-IZOLM-ID"}},
        {"BUILDING-DATA", kTypeCod, {"ANALYSIS"}},
    };
    for (const auto& c : cases) {
        const int cls = boc.FindClass(c.cls);
        ASSERT_GE(cls, 0) << c.cls;
        for (const char* k : c.keywords) {
            const int key = boc.FindKey(cls, k);
            ASSERT_GE(key, 0) << c.cls << " " << k;
            EXPECT_EQ(boc.classes[cls].properties[key].keyType, c.type) << c.cls << " " << k;
        }
    }
}

}  // namespace
