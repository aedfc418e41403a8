#include "boc/keyword.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Texts = std::vector<std::string>;

KeywordValue Read(int type, const std::string& text) {
    KeywordValue v;
    v.Init(type, text);
    return v;
}

TEST(KeywordValueTest, ScalarTypesKeepTheTextAsWritten) {
    const KeywordValue num = Read(kTypeNum, "12.5");
    EXPECT_EQ(num.num, 12.5);
    EXPECT_EQ(num.text, "12.5");

    const KeywordValue bad = Read(kTypeNum, "abc");
    EXPECT_EQ(bad.num, 0);
    EXPECT_EQ(bad.text, "abc");

    const KeywordValue text = Read(kTypeText, "\"a b\"");
    EXPECT_EQ(text.text, "\"a b\"");
    EXPECT_EQ(text.ref, " ");

    // First and last character dropped, whatever they are.
    EXPECT_EQ(Read(kTypeRef, "\"A 1\"").ref, "A 1");
    EXPECT_EQ(Read(kTypeRef, "xA 1y").ref, "A 1");
    EXPECT_EQ(Read(kTypeRef, " ").ref, "");
    EXPECT_EQ(Read(kTypeRef, "").ref, "");

    EXPECT_EQ(Read(kTypeCod, "Natural Gas").cod, "Natural Gas");
    EXPECT_EQ(Read(99, "x").text, "x");
}

TEST(KeywordValueTest, NumberLists) {
    EXPECT_EQ(Read(kTypeLnum, "( 1, 2.5 ,3 )").lnum, (std::vector<double>{1, 2.5, 3}));
    EXPECT_EQ(Read(kTypeLnum, "()").lnum, (std::vector<double>{0}));
    EXPECT_EQ(Read(kTypeLnum, " ").lnum, (std::vector<double>{0}));
    EXPECT_EQ(Read(kTypeLnum, "(a, ,7)").lnum, (std::vector<double>{0, 0, 7}));
    // Only the parentheses' places are dropped: an unclosed list loses its last item's
    // last character.
    EXPECT_EQ(Read(kTypeLnum, "( 1, 25").lnum, (std::vector<double>{1, 2}));
}

TEST(KeywordValueTest, ReferenceAndTextLists) {
    EXPECT_EQ(Read(kTypeLref, "( \"A\", \"B\" )").lref, (Texts{"A", "B"}));
    // Unquoting stops at the first item without two quotes.
    EXPECT_EQ(Read(kTypeLref, "( \"A\", B, \"C\" )").lref, (Texts{"A", " B", " \"C\" "}));
    // A comma inside quotes still splits.
    EXPECT_EQ(Read(kTypeLtext, "(\"a,b\", \"c\")").ltext, (Texts{"\"a", "b\"", " \"c\""}));
    EXPECT_EQ(Read(kTypeLtext, "( \"x\" )").ltext, (Texts{"x"}));
    EXPECT_EQ(Read(kTypeLtext, " ").ltext, (Texts{""}));
    EXPECT_EQ(Read(kTypeLref, " ").lref, (Texts{""}));
}

TEST(KeywordValueTest, LastItemKeepsAtMostAHundredCharacters) {
    const std::string longItem(300, 'n');
    EXPECT_EQ(Read(kTypeLtext, "(" + longItem + ", " + longItem + ")").ltext,
              (Texts{longItem, " " + std::string(99, 'n')}));
}

TEST(KeywordValueTest, ResetKeepsIdAndMark) {
    KeywordValue v = Read(kTypeLref, "(\"A\")");
    v.id = 12;
    v.modified = true;
    v.refid = 3;
    v.lrefid = {1};
    v.Reset();
    EXPECT_EQ(v.id, 12);
    EXPECT_TRUE(v.modified);
    EXPECT_EQ(v.type, 0);
    EXPECT_EQ(v.text, " ");
    EXPECT_EQ(v.refid, 0);
    EXPECT_TRUE(v.lref.empty());
    EXPECT_TRUE(v.lrefid.empty());
}

TEST(KeywordValueTest, ObjectReset) {
    BObject o;
    o.name = "A";
    o.classNumber = 2;
    o.keywords["K"] = KeywordValue();
    o.lines.push_back(3);
    o.Reset();
    EXPECT_EQ(o.name, " ");
    EXPECT_EQ(o.type, " ");
    EXPECT_EQ(o.classNumber, 0);
    EXPECT_TRUE(o.keywords.empty());
    EXPECT_TRUE(o.lines.empty());
}

}  // namespace
