#include "pdf/unicode.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "app/runlog.h"
#include "pdf/document.h"
#include "pdf/fonts.h"
#include "pdf/text.h"

namespace {

TEST(UnicodeText, OnlyLettersBeyondWindows1252NeedTheEmbeddedFont) {
    const struct {
        const char* text;
        bool needs;
        const char* winAnsi;
    } cases[] = {
        {"Kestrel House", false, "Kestrel House"},
        {"Caf\xC3\xA9 \xE2\x80\x93 \xE2\x82\xAC"
         "5",
         false,
         "Caf\xE9 \x96 \x80"
         "5"},
        {"Caf\xE9 \x96", false, "Caf\xE9 \x96"},  // Windows-1252 bytes as they are
        {"T\xC5\xB7 Gwyn", true, "Ty Gwyn"},
        {"\xC5\x81\xC3\xB3"
         "d\xC5\xBA",
         true,
         "L\xF3"
         "dz"},
        {"", false, ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(NeedsUnicodeFont(c.text), c.needs) << c.text;
        EXPECT_EQ(WinAnsiText(c.text), c.winAnsi) << c.text;
    }
}

class UnicodeFace : public ::testing::Test {
  protected:
    void SetUp() override {
        FontFiles files;
        if (!FindLiberationSans(LiberationSansFolders(), files))
            GTEST_SKIP() << "no Liberation Sans";
        face_ = doc_.UnicodeFont(files.regular);
        ASSERT_NE(face_, nullptr);
        helvetica_ = doc_.Font("Helvetica");
    }
    PdfDocument doc_;
    HPDF_Font face_ = nullptr;
    HPDF_Font helvetica_ = nullptr;
};

TEST_F(UnicodeFace, LettersComeFromTheCodePageThatHoldsThem) {
    const std::vector<FontRun> runs = FontRuns(face_, "T\xC5\xB7 Caf\xC3\xA9");
    ASSERT_EQ(runs.size(), 3u);
    EXPECT_EQ(runs[0].font, face_);
    EXPECT_EQ(runs[0].bytes, "T");
    EXPECT_NE(runs[1].font, face_);
    EXPECT_EQ(runs[1].bytes, "\xFE");  // y-circumflex in ISO 8859-14
    EXPECT_EQ(runs[2].font, face_);
    EXPECT_EQ(runs[2].bytes, " Caf\xE9");
    // Measured letter by letter in its own font: the circumflex is as wide
    // as its letter.
    EXPECT_FLOAT_EQ(TextWidth(face_, 10, "T\xC5\xB7"), TextWidth(face_, 10, "Ty"));
    // A Windows-1252 fixed text ("£") is taken as it is.
    EXPECT_EQ(FontRuns(face_, "per \xA3 spent").front().bytes, "per \xA3 spent");
    // The standard fonts' texts are never split.
    EXPECT_EQ(FontRuns(helvetica_, "T\xC5\xB7").size(), 1u);
    EXPECT_FALSE(IsUnicodeFace(helvetica_));
}

TEST(SettleFonts, StandardFontsUnlessALetterNeedsTheEmbeddedOne) {
    std::string texts[2] = {"Kestrel House", "Caf\xC3\xA9"};
    const auto visit = [&texts](const TextVisitor& v) {
        for (std::string& t : texts) v("B-ADDRESS-0", t);
    };
    {
        PdfDocument doc;
        HPDF_Font regular = nullptr, bold = nullptr;
        EXPECT_FALSE(SettleFonts(doc, "a.pdf", visit, regular, bold));
        EXPECT_EQ(texts[1], "Caf\xE9");
    }
    FontFiles files;
    if (!FindLiberationSans(LiberationSansFolders(), files)) GTEST_SKIP() << "no Liberation Sans";
    texts[1] = "T\xC5\xB7 Gwyn";
    {
        PdfDocument doc;
        HPDF_Font regular = nullptr, bold = nullptr;
        EXPECT_TRUE(SettleFonts(doc, "b.pdf", visit, regular, bold));
        EXPECT_TRUE(IsUnicodeFace(regular) && IsUnicodeFace(bold));
        EXPECT_EQ(texts[1], "T\xC5\xB7 Gwyn");
    }
    // Without the font: the standard fonts, the plain letter, said in the log.
    setenv("TARVEX_FONT_DIR", "/nonexistent-font-folder", 1);
    const std::size_t logged = LogStream().str().size();
    {
        PdfDocument doc;
        HPDF_Font regular = nullptr, bold = nullptr;
        EXPECT_FALSE(SettleFonts(doc, "c.pdf", visit, regular, bold));
    }
    unsetenv("TARVEX_FONT_DIR");
    EXPECT_EQ(texts[1], "Ty Gwyn");
    EXPECT_NE(LogStream().str().find("NOTE: c.pdf: \"\xC5\xB7\" is printed as \"y\"", logged),
              std::string::npos);
}

}  // namespace
