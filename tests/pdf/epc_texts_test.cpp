#include "pdf/epc_texts.h"

#include <gtest/gtest.h>

#include <set>

namespace {

TEST(WelshNames, FuelsEnvironmentsAndDates) {
    EXPECT_EQ(WelshFuelName(1), "Nwy Naturiol");
    EXPECT_EQ(WelshFuelName(10), "Trydan grid");
    EXPECT_EQ(WelshFuelName(11), "Trydan grid");
    EXPECT_EQ(WelshFuelName(14), "Llall");
    for (int code : {0, 15, -7777}) EXPECT_EQ(WelshFuelName(code), "") << code;

    EXPECT_EQ(WelshEnvironmentName(1), "Gwresogi ac Awyru Naturiol");
    EXPECT_EQ(WelshEnvironmentName(3), "System Dymheru");
    for (int code : {0, 7}) EXPECT_EQ(WelshEnvironmentName(code), "") << code;

    const struct {
        const char* date;
        const char* welsh;
    } dates[] = {{"05 Mar 2009", "05 Mawrth 2009"},
                 {"31 Jul 2036", "31 Gorffennaf 2036"},
                 {"01 Dec 2026", "01 Rhagfyr 2026"},
                 {"01 Feb 2024", "01 Chwefror 2024"},
                 {"01 Xyz 2024", "01 Xyz 2024"},
                 {"2024-02-01", "2024-02-01"},
                 {"", ""}};
    for (const auto& d : dates) EXPECT_EQ(WelshDate(d.date), d.welsh) << d.date;
}

// Every fixed text of the Welsh certificate is held in ISO8859-14: its
// Welsh letters are the code page's bytes, with nothing left of UTF-8.
TEST(WelshTexts, HeldInIso885914) {
    const EpcTexts& t = WelshEpcTexts();
    EXPECT_TRUE(t.embeddedFont);
    EXPECT_STREQ(t.encoding, "ISO8859-14");
    EXPECT_EQ(t.complaintHeading,
              "Os oes gennych g\xf0yn neu eich bod yn dymuno cadarnhau bod y dystysgrif yn un "
              "ddilys");
    EXPECT_EQ(t.benchmarkLines[1], "\xe2 dosbarthiadau fel a ganlyn:");
    EXPECT_EQ(t.explanation.text.find("Mae'r dystysgrif hon yn dangos dosbarthiad ynni'r adeilad "
                                      "hwn."),
              0u);
    EXPECT_NE(t.explanation.text.find("dd\xf0r poeth"), std::string::npos);
    EXPECT_FALSE(t.securityPatterns);

    const std::string all = t.title + t.subtitle + t.ratingBar + t.technicalBar + t.benchmarksBar +
                            t.explanation.text + t.complaint.text + t.complaintHeading +
                            t.legalLine + t.validSuffix + t.recommendations + t.adviceLines[2] +
                            t.pointerLines[1] + t.over;
    for (char c : all) {
        const auto b = static_cast<unsigned char>(c);
        EXPECT_TRUE(b < 0x80 || b == 0xE2 || b == 0xF0) << std::hex << static_cast<int>(b);
    }
}

// One layout, two sets of texts: both fill every place.
TEST(EpcTexts, EverySetFillsEveryPlace) {
    for (const EpcTexts& t : {EnglishEpcTexts(false), EnglishEpcTexts(true), WelshEpcTexts()}) {
        for (const std::string* text :
             {&t.title, &t.subtitle, &t.ratingBar, &t.technicalBar, &t.benchmarksBar,
              &t.referenceLabel, &t.netZero, &t.moreEfficient, &t.lessEfficient, &t.over,
              &t.adminBar, &t.complaintHeading, &t.legalLine, &t.validSuffix, &t.recommendations,
              &t.telephone})
            EXPECT_FALSE(text->empty()) << t.title;
        std::set<std::string> labels(t.rowLabels.begin(), t.rowLabels.end());
        EXPECT_EQ(labels.size(), t.rowLabels.size()) << t.title;
        for (const std::string& label : t.technicalLabels) EXPECT_FALSE(label.empty());
        // m² on the floor area, CO₂ and m² on the emission rate.
        EXPECT_NE(t.technicalLabels[2].find(kSuperscriptTwo), std::string::npos) << t.title;
        EXPECT_NE(t.technicalLabels[4].find(kSubscriptTwo), std::string::npos) << t.title;
        EXPECT_NE(t.netZero.find(kSubscriptTwo), std::string::npos) << t.title;
        EXPECT_NE(t.explanation.text.find(t.explanation.link.text), std::string::npos);
        EXPECT_NE(t.complaint.text.find(t.complaint.link.text), std::string::npos);
    }
    EXPECT_EQ(EnglishEpcTexts(true).northernIreland, "Northern Ireland");
    EXPECT_EQ(EnglishEpcTexts(false).northernIreland, "");
    EXPECT_EQ(WelshEpcTexts().northernIreland, "");
}

}  // namespace
