// Paragraph layout: lines fit, justified lines end at the right edge, and no
// line asks libharu for more spacing than it allows.
#include "pdf/paragraph.h"

#include <gtest/gtest.h>

#include <cmath>

#include "pdf/fit.h"
#include "pdf/furniture.h"
#include "pdf/weblinks.h"
#include "tests/pdf/pdf_check.h"
#include "tests/support/tempdir.h"

namespace {

class Paragraphs : public ::testing::Test {
  protected:
    void SetUp() override {
        regular = doc.Font("Helvetica");
        oblique = doc.Font("Helvetica-Oblique");
        doc.AddPage();
    }
    // The words of the lines, joined by single blanks.
    static std::string Words(const std::vector<ParagraphLine>& lines) {
        std::string all;
        for (const ParagraphLine& line : lines) {
            if (!all.empty()) all += ' ';
            for (const ParagraphRun& piece : line.pieces) all += piece.text;
        }
        return all;
    }
    PdfDocument doc;
    HPDF_Font regular = nullptr;
    HPDF_Font oblique = nullptr;
    const FontMeasure measure = DocumentMeasure();
};

std::size_t Blanks(const ParagraphLine& line) {
    std::size_t n = 0;
    for (const ParagraphRun& piece : line.pieces)
        for (char c : piece.text) n += c == ' ' ? 1 : 0;
    return n;
}

TEST_F(Paragraphs, LinesFitAndJustifiedLinesEndAtTheEdge) {
    const std::string text =
        "The calculation tool has automatically produced a set of recommendations, which the "
        "energy assessor has reviewed in the light of the survey of the building, keeping those "
        "that suit it.  Two blanks   or three count as one.";
    for (const bool justify : {true, false}) {
        const auto lines = fLayoutParagraph({{text, regular, ""}}, 200, 12, justify, measure);
        ASSERT_GE(lines.size(), 3u);
        for (std::size_t i = 0; i < lines.size(); ++i) {
            const ParagraphLine& line = lines[i];
            EXPECT_LE(line.width, 200.0f);
            float measured = 0;
            for (const ParagraphRun& piece : line.pieces)
                measured += measure(piece.font, piece.text, 12);
            EXPECT_NEAR(measured, line.width, 0.01);
            const bool last = i + 1 == lines.size();
            if (justify && !last && line.wordSpace > 0) {
                EXPECT_NEAR(line.width + line.wordSpace * static_cast<float>(Blanks(line)), 200,
                            0.01);
            }
            if (!justify || last) {
                EXPECT_EQ(line.wordSpace, 0);
            }
            EXPECT_LE(line.wordSpace, 12);
        }
        EXPECT_EQ(Words(lines),
                  "The calculation tool has automatically produced a set of recommendations, "
                  "which the energy assessor has reviewed in the light of the survey of the "
                  "building, keeping those that suit it. Two blanks or three count as one.");
    }
}

TEST_F(Paragraphs, ShortLinesBeforeLongWordsAreSetFlushLeft) {
    // "a b" before a word that needs a line of its own: stretching the one
    // blank would spread two letters across the whole line.
    const std::string word(20, 'w');
    const auto lines =
        fLayoutParagraph({{"a b " + word + " c d " + word, regular, ""}}, 180, 12, true, measure);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0].wordSpace, 0);
    EXPECT_EQ(lines[2].wordSpace, 0);
    EXPECT_EQ(Words(lines), "a b " + word + " c d " + word);
}

TEST_F(Paragraphs, AWordWiderThanTheLineIsCutWithoutLosingLetters) {
    const std::string word(200, 'm');
    const auto lines = fLayoutParagraph({{word, regular, ""}}, 100, 12, true, measure);
    ASSERT_GT(lines.size(), 1u);
    std::string joined;
    for (const ParagraphLine& line : lines) {
        EXPECT_LE(line.width, 100.0f);
        for (const ParagraphRun& piece : line.pieces) joined += piece.text;
    }
    EXPECT_EQ(joined, word);
    // A word with marks in it breaks after them, not inside letters.
    const std::string marked = "north-east-wing/plant-room_upper.level@site";
    const auto parts = fLayoutParagraph({{marked, regular, ""}}, 60, 12, true, measure);
    ASSERT_GT(parts.size(), 2u);
    joined.clear();
    for (std::size_t i = 0; i < parts.size(); ++i) {
        std::string line;
        for (const ParagraphRun& piece : parts[i].pieces) line += piece.text;
        joined += line;
        if (i + 1 < parts.size()) {
            EXPECT_TRUE(fBreaksAfter(line.back())) << line;
        }
    }
    EXPECT_EQ(joined, marked);
    // A line narrower than a letter still takes one letter a line.
    EXPECT_EQ(fLayoutParagraph({{"mm", regular, ""}}, 1, 12, true, measure).size(), 2u);
    EXPECT_TRUE(fLayoutParagraph({{"   ", regular, ""}}, 100, 12, true, measure).empty());
}

TEST_F(Paragraphs, RunsKeepTheirFontsAndLinksAcrossLines) {
    const std::vector<ParagraphRun> runs{
        {"Statutory Instrument 2007 No. 991, ", regular, ""},
        {"The Energy Performance of Buildings Regulations 2007", oblique, ""},
        {", as amended. See ", regular, ""},
        {kWebRegister.text, regular, kWebRegister.uri},
        {".", regular, ""}};
    const auto lines = fLayoutParagraph(runs, 250, 12, true, measure);
    std::string oblique_text, link, all;
    for (const ParagraphLine& line : lines) {
        for (const ParagraphRun& piece : line.pieces) {
            if (piece.font == oblique) oblique_text += piece.text + " ";
            if (!piece.uri.empty()) {
                EXPECT_EQ(piece.uri, kWebRegister.uri);
                link += piece.text;
            }
        }
    }
    std::string flat;
    for (const std::string& w : WordListOf(oblique_text)) flat += (flat.empty() ? "" : " ") + w;
    EXPECT_EQ(flat, "The Energy Performance of Buildings Regulations 2007");
    EXPECT_EQ(link, kWebRegister.text);
    EXPECT_EQ(Words(lines),
              "Statutory Instrument 2007 No. 991, The Energy Performance of Buildings "
              "Regulations 2007, as amended. See " +
                  std::string(kWebRegister.text) + ".");
}

// Texts that make libharu's own justified boxes fail: one- and two-letter
// lines, long words, links. Written and saved, every word is in the file.
TEST_F(Paragraphs, HostileTextsAreWrittenWholeAcrossPages) {
    std::string text;
    for (int i = 0; i < 200; ++i)
        text += "a " + std::string(static_cast<std::size_t>(i % 40 + 1), 'x') + " I" +
                std::to_string(i) + "I ";
    const float bottom = pHPDF_write_paragraph(
        doc, {{text, regular, ""}, {kWebRegister.text, regular, kWebRegister.uri}}, 12, 90, 416,
        791, 15, true);
    EXPECT_FALSE(doc.failed());
    EXPECT_GT(doc.pages().size(), 1u);
    EXPECT_GE(bottom, kPageBottom - 15);
    TempDir dir;
    const std::string path = dir.file("p.pdf");
    ASSERT_TRUE(doc.SaveProtected(path, PdfInfo(), false).saved);
    const std::string all = PdfText(path);
    for (int i = 0; i < 200; ++i)
        EXPECT_NE(all.find("I" + std::to_string(i) + "I"), std::string::npos) << i;
    EXPECT_NE(all.find(kWebRegister.text), std::string::npos);
}

}  // namespace
