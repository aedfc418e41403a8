#include "pdf/paragraph.h"

#include "pdf/toolkit.h"

namespace {

struct Word {
    std::vector<ParagraphRun> pieces;
    float width = 0;
};

bool SameStyle(const ParagraphRun& a, const ParagraphRun& b) {
    return a.font == b.font && a.uri == b.uri;
}

// Appends text to the last piece when it has the same font and link.
void Append(std::vector<ParagraphRun>& pieces, const ParagraphRun& style, const std::string& text) {
    if (!pieces.empty() && SameStyle(pieces.back(), style)) {
        pieces.back().text += text;
    } else {
        pieces.push_back({text, style.font, style.uri});
    }
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

// The words of the runs: the stretches between blanks, each cut where its
// font or link changes. A stretch is taken whole, not letter by letter.
std::vector<Word> Words(const std::vector<ParagraphRun>& runs) {
    std::vector<Word> words;
    bool inWord = false;
    for (const ParagraphRun& run : runs) {
        const std::string& text = run.text;
        std::size_t i = 0;
        while (i < text.size()) {
            if (IsBlank(text[i])) {
                inWord = false;
                ++i;
                continue;
            }
            std::size_t end = i + 1;
            while (end < text.size() && !IsBlank(text[end])) ++end;
            if (!inWord) words.emplace_back();
            inWord = true;
            Append(words.back().pieces, run, text.substr(i, end - i));
            i = end;
        }
    }
    return words;
}

float Measure(const std::vector<ParagraphRun>& pieces, float size, const FontMeasure& measure) {
    float w = 0;
    for (const ParagraphRun& p : pieces) w += measure(p.font, p.text, size);
    return w;
}

// A word wider than the line, cut into parts that fit (at least one letter
// each, so that a line narrower than one letter still ends).
std::vector<Word> Cut(const Word& word, float width, float size, const FontMeasure& measure) {
    std::vector<Word> parts(1);
    for (const ParagraphRun& piece : word.pieces) {
        for (char c : piece.text) {
            const std::string letter(1, c);
            const float w = measure(piece.font, letter, size);
            if (!parts.back().pieces.empty() && parts.back().width + w > width)
                parts.emplace_back();
            Append(parts.back().pieces, piece, letter);
            parts.back().width += w;
        }
    }
    return parts;
}

}  // namespace

FontMeasure DocumentMeasure() {
    return [](HPDF_Font font, const std::string& text, float size) {
        return TextWidth(font, size, text);
    };
}

std::vector<ParagraphLine> fLayoutParagraph(const std::vector<ParagraphRun>& runs, float width,
                                            float size, bool justify, const FontMeasure& measure) {
    std::vector<Word> words;
    for (Word& w : Words(runs)) {
        w.width = Measure(w.pieces, size, measure);
        if (w.width <= width) {
            words.push_back(std::move(w));
        } else {
            for (Word& part : Cut(w, width, size, measure)) words.push_back(std::move(part));
        }
    }

    // The breaks are found on the words' widths alone; each line's pieces are
    // then made once, their texts sized for the whole line.
    std::vector<ParagraphLine> lines;
    std::size_t first = 0;  // the line's first word
    float lineWidth = 0;
    std::size_t blanks = 0;
    auto finish = [&](std::size_t end, bool last) {
        if (end == first) return;
        ParagraphLine line;
        line.width = lineWidth;
        std::size_t letters = end - first;
        for (std::size_t i = first; i < end; ++i)
            for (const ParagraphRun& piece : words[i].pieces) letters += piece.text.size();
        auto add = [&](HPDF_Font font, const std::string& uri, const std::string& text) {
            if (line.pieces.empty() || line.pieces.back().font != font ||
                line.pieces.back().uri != uri) {
                line.pieces.push_back({std::string(), font, uri});
                line.pieces.back().text.reserve(letters);
            }
            line.pieces.back().text += text;
        };
        static const std::string kBlank = " ";
        static const std::string kNoLink;
        for (std::size_t i = first; i < end; ++i) {
            // The blank belongs to no link.
            if (i > first) add(line.pieces.back().font, kNoLink, kBlank);
            for (const ParagraphRun& piece : words[i].pieces)
                add(piece.font, piece.uri, piece.text);
        }
        if (justify && !last && blanks > 0 && line.width < width) {
            const float space = (width - line.width) / static_cast<float>(blanks);
            // A line of few words is left ragged rather than torn apart.
            if (space <= size) line.wordSpace = space;
        }
        lines.push_back(std::move(line));
        first = end;
        lineWidth = 0;
        blanks = 0;
    };
    // The width of a blank, measured once per font.
    HPDF_Font blankFont = nullptr;
    float blankWidth = 0;
    bool blankKnown = false;
    for (std::size_t i = 0; i < words.size(); ++i) {
        const Word& w = words[i];
        if (i > first) {
            // The blank takes the font of the text before it.
            HPDF_Font before = words[i - 1].pieces.back().font;
            if (!blankKnown || before != blankFont) {
                blankFont = before;
                blankWidth = measure(before, " ", size);
                blankKnown = true;
            }
            if (lineWidth + blankWidth + w.width > width) {
                finish(i, false);
            } else {
                lineWidth += blankWidth;
                ++blanks;
            }
        }
        lineWidth += w.width;
    }
    finish(words.size(), true);
    return lines;
}

float pHPDF_write_paragraph(PdfDocument& doc, const std::vector<ParagraphRun>& runs, float size,
                            float left, float width, float top, float leading, bool justify) {
    const std::vector<ParagraphLine> lines =
        fLayoutParagraph(runs, width, size, justify, DocumentMeasure());
    HPDF_Font first = runs.empty() ? nullptr : runs.front().font;
    for (const ParagraphLine& line : lines) {
        const std::size_t pagesBefore = doc.pages().size();
        pHPDF_check_page_h(doc, top - leading);
        if (doc.pages().size() != pagesBefore) top = kPageTop;
        HPDF_Page page = doc.page();
        if (page == nullptr) return top - leading;
        const float baseline = fFirstBaseline(first, size, top);
        HPDF_Page_BeginText(page);
        UseWordSpace(page, line.wordSpace);
        HPDF_Page_SetTextMatrix(page, 1, 0, 0, 1, left, baseline);
        for (const ParagraphRun& piece : line.pieces) {
            if (piece.font == nullptr) continue;
            UseFont(page, piece.font, size);
            if (piece.uri.empty()) {
                HPDF_Page_ShowText(page, piece.text.c_str());
            } else {
                pHPDF_show_link(page, piece.text, piece.uri);
            }
        }
        UseWordSpace(page, 0);
        HPDF_Page_EndText(page);
        top -= leading;
    }
    return top;
}
