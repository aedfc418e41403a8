// The short recommendations report: colours, the flowing pen, and the whole
// document read back.
#include "pdf/srec.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "pdf/toolkit.h"
#include "tests/pdf/pdf_check.h"
#include "tests/support/tempdir.h"

namespace {

TEST(ShortReport, ContentColourFollowsSourceAndFlag) {
    struct Case {
        int source, flag;
        float r, g, b;
    } cases[] = {
        {kSourceCalculation, 2, 0, 0.45f, 0},  // proposed by the calculation: green
        {kSourceUser, 1, 0, 0, 0.45f},         // added by the assessor: blue
        {kSourceCalculation, 1, 0, 0, 0.45f},  // a value the assessor gave: blue
        {kSourceUser, 0, 0, 0.45f, 0},
        {kSourceExcluded, 0, 0.4f, 0.4f, 0.4f},  // excluded: grey, whatever the flag
        {kSourceExcluded, 1, 0.4f, 0.4f, 0.4f},
    };
    for (const Case& c : cases) {
        DATA d;
        pSetContentColour(c.source, c.flag, d);
        EXPECT_FLOAT_EQ(d.colour[0], c.r) << c.source << " " << c.flag;
        EXPECT_FLOAT_EQ(d.colour[1], c.g) << c.source << " " << c.flag;
        EXPECT_FLOAT_EQ(d.colour[2], c.b) << c.source << " " << c.flag;
    }
}

TEST(ShortReport, LinesMoveThePenAndBreakPages) {
    PdfDocument doc;
    HPDF_Font regular = doc.Font("Helvetica");
    doc.AddPage();
    DATA d;
    d.x = 70;
    d.y = 600;
    d.label = "Code: ";
    d.value = "EPC-L1";
    d.indent = 220;
    pHPDF_WriteNext_line(doc, regular, 10, d);
    EXPECT_FLOAT_EQ(d.y, 600 + 24);  // 1.2 sizes in points, as design units
    EXPECT_TRUE(d.label.empty());
    EXPECT_EQ(doc.pages().size(), 1u);
    // 10 points fit while more than 10 are left above the bottom margin.
    d.y = kDesignHeight - 2 * (50 + 10.5f);
    pHPDF_WriteNext_line(doc, regular, 10, d);
    EXPECT_EQ(doc.pages().size(), 1u);
    d.y = kDesignHeight - 2 * (50 + 10);
    pHPDF_WriteNext_line(doc, regular, 10, d);
    EXPECT_EQ(doc.pages().size(), 2u);
    EXPECT_FLOAT_EQ(d.y, 100 + 24);
    EXPECT_FALSE(doc.failed());
}

DATA Recommendation(const std::string& text, const std::string& code, int source,
                    const std::string& comments) {
    DATA d;
    d.texts.resize(kSrecTexts);
    d.texts[kSrecText] = text;
    d.texts[kSrecCode] = code;
    d.texts[kSrecEnergyImpact] = "HIGH";
    d.texts[kSrecCo2Impact] = "MEDIUM";
    d.texts[kSrecCo2Saving] = "LOW";
    d.texts[kSrecComments] = comments;
    d.texts[kSrecAppliesTo] = "Whole building";
    if (source == kSourceExcluded)
        d.texts[kSrecRemark] = "This recommendation was excluded by the assessor.";
    d.flags = {source, 1, 0, 0, 0};
    return d;
}

TEST(ShortReport, WritesCategoriesRecommendationsAndPageNumbers) {
    SrecContent c;
    c.buildingName = "Kestrel House";
    c.buildingType = "B1 Offices and Workshop businesses";
    c.date = "10 Dec 2026";
    c.registrationNumber = "MEAS004721";
    SrecCategory heating{"HEATING", {"The heating accounts for 38.6% of the CO2 emissions"}, {}};
    heating.recommendations.push_back(Recommendation("Fit weather compensation controls.", "EPC-H2",
                                                     kSourceCalculation, "Agreed on site."));
    heating.recommendations.push_back(
        Recommendation("Fit external shading.", "EPC-O1", kSourceExcluded, "Listed front."));
    std::string longText;
    for (int i = 0; i < 900; ++i) longText += "long" + std::to_string(i) + " ";
    SrecCategory other{"OTHER", {}, {}};
    other.recommendations.push_back(Recommendation(longText, "USER", kSourceUser, ""));
    c.categories = {heating, SrecCategory{"COOLING", {}, {}}, other};

    TempDir dir;
    const std::string path = dir.file("office[srec].pdf");
    ASSERT_TRUE(WriteShortRecReport(c, path).written());
    EXPECT_EQ(RunTool("qpdf", {"--check", path}).exitCode, 0);
    EXPECT_EQ(ProtectionProblems(path), "");
    EXPECT_EQ(PdfInfoField(path, "Title"), "Building Recommendation Report.");
    EXPECT_EQ(PdfInfoField(path, "Creator"), "Tarvex v4.1.a.0");
    EXPECT_EQ(PdfInfoField(path, "Subject"), "MEAS004721");
    EXPECT_EQ(PdfInfoField(path, "Keywords"),
              "Recommendation Report Energy Performance Certificate");

    const int pages = std::stoi(PdfInfoField(path, "Pages"));
    EXPECT_GE(pages, 3);  // the long recommendation runs on over pages
    std::string all;
    for (int p = 1; p <= pages; ++p) {
        const std::string t = FlatText(PdfPageText(path, p));
        EXPECT_NE(t.find("Page " + std::to_string(p) + " of " + std::to_string(pages)),
                  std::string::npos)
            << p;
        all += t + " ";
    }
    for (const char* expected : {
             "Secondary Recommendations Report Not for Official Submission",
             "Building name Kestrel House",
             "Building type: B1 Offices and Workshop businesses Date: 10 Dec 2026",
             "Key to colour codes used in this report Included by the calculation Included by "
             "the user Excluded by the user",
             "Recommendations for HEATING The heating accounts for 38.6% of the CO2 emissions",
             "Fit weather compensation controls. Code: EPC-H2 Energy Impact: HIGH CO2 Impact: "
             "MEDIUM CO2 Saved per \xC2\xA3 Spent: LOW Applicable to: Whole building Comments: "
             "Agreed on site.",
             "This recommendation was excluded by the assessor. Fit external shading.",
             "Recommendations for COOLING There are no recommendations for COOLING",
             "Recommendations for OTHER long0 long1",
         }) {
        EXPECT_NE(all.find(expected), std::string::npos) << expected << "\n" << all;
    }
    const std::set<std::string> words = WordsOf(all);
    for (int i = 0; i < 900; ++i) EXPECT_EQ(words.count("long" + std::to_string(i)), 1u) << i;
    for (const TextBox& w : PdfWords(path)) {
        const bool footer = w.text == "Page" || w.text == "of" ||
                            w.text.find_first_not_of("0123456789") == std::string::npos;
        if (!footer) {
            EXPECT_GE(842 - w.yMax, 48) << w.text;
        }
        EXPECT_LE(w.xMax, 595 - 28) << w.text;
    }
}

TEST(ShortReport, LibharuErrorWritesNothing) {
    SrecContent c;
    c.registrationNumber = std::string(70000, 'R');
    TempDir dir;
    testing::internal::CaptureStdout();
    const bool saved = WriteShortRecReport(c, dir.file("office[srec].pdf")).written();
    const std::string out = testing::internal::GetCapturedStdout();
    EXPECT_FALSE(saved);
    EXPECT_NE(out.find("ERROR: error_no="), std::string::npos) << out;
    EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
}

}  // namespace
