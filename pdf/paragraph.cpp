#include "pdf/paragraph.h"

#include <algorithm>

#include "pdf/fit.h"
#include "pdf/furniture.h"
#include "pdf/text.h"
#include "pdf/unicode.h"

namespace {

// The words of a paragraph, kept flat: every word is a stretch of pieces in
// one list, each piece a part of the word in one font and link.
struct Words {
    struct Span {
        std::size_t first = 0;  // the word's pieces are [first, last)
        std::size_t last = 0;
        float width = 0;
    };
    std::vector<ParagraphRun> pieces;
    std::vector<Span> spans;

    // Adds text to the last word: to its last piece when that has the same
    // font and link, else as a new piece.
    void Add(const ParagraphRun& style, const char* text, std::size_t length) {
        Span& word = spans.back();
        if (word.last > word.first) {
            ParagraphRun& back = pieces.back();
            if (back.font == style.font && back.uri == style.uri) {
                back.text.append(text, length);
                return;
            }
        }
        pieces.push_back({std::string(text, length), style.font, style.uri});
        word.last = pieces.size();
    }
    void Start() { spans.push_back({pieces.size(), pieces.size(), 0}); }
};

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

// The words of the runs: the stretches between blanks, each cut where its
// font or link changes. A stretch is taken whole, not letter by letter.
Words CutIntoWords(const std::vector<ParagraphRun>& runs) {
    Words words;
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
            if (!inWord) words.Start();
            inWord = true;
            words.Add(run, text.data() + i, end - i);
            i = end;
        }
    }
    return words;
}

// The words again, each one wider than the line cut into parts that fit (at
// least one letter each, so that a line narrower than one letter still
// ends): after a hyphen, "/", ".", "@" or "_" where a part has one, else
// between letters. A part's width is the sum of its letters'.
Words CutWide(const Words& words, float width, float size, const FontMeasure& measure) {
    Words out;
    struct Letter {
        const ParagraphRun* piece;
        std::string text;
        float width;
    };
    for (const Words::Span& word : words.spans) {
        if (word.width <= width) {
            out.Start();
            for (std::size_t p = word.first; p < word.last; ++p)
                out.Add(words.pieces[p], words.pieces[p].text.data(), words.pieces[p].text.size());
            out.spans.back().width = word.width;
            continue;
        }
        std::vector<Letter> letters;
        for (std::size_t p = word.first; p < word.last; ++p) {
            const ParagraphRun& piece = words.pieces[p];
            for (std::size_t at = 0; at < piece.text.size();) {
                const std::size_t end = fCharEnd(piece.text, at);
                std::string letter = piece.text.substr(at, end - at);
                const float w = measure(piece.font, letter, size);
                letters.push_back({&piece, std::move(letter), w});
                at = end;
            }
        }
        for (std::size_t i = 0; i < letters.size();) {
            std::size_t end = i + 1;
            float w = letters[i].width;
            while (end < letters.size() && w + letters[end].width <= width)
                w += letters[end++].width;
            if (end < letters.size()) {
                for (std::size_t at = end; at >= i + 2; --at) {
                    if (letters[at - 1].text.size() == 1 && fBreaksAfter(letters[at - 1].text[0])) {
                        end = at;
                        break;
                    }
                }
            }
            out.Start();
            for (; i < end; ++i) {
                out.Add(*letters[i].piece, letters[i].text.data(), letters[i].text.size());
                out.spans.back().width += letters[i].width;
            }
        }
    }
    return out;
}

}  // namespace

FontMeasure DocumentMeasure() {
    return [](HPDF_Font font, const std::string& text, float size) {
        return TextWidth(font, size, text);
    };
}

std::vector<ParagraphLine> fLayoutParagraph(const std::vector<ParagraphRun>& runs, float width,
                                            float size, bool justify, const FontMeasure& measure) {
    Words cut = CutIntoWords(runs);
    bool anyWide = false;
    for (Words::Span& word : cut.spans) {
        float w = 0;
        for (std::size_t p = word.first; p < word.last; ++p)
            w += measure(cut.pieces[p].font, cut.pieces[p].text, size);
        word.width = w;
        anyWide = anyWide || w > width;
    }
    if (anyWide) cut = CutWide(cut, width, size, measure);
    const std::vector<ParagraphRun>& pieces = cut.pieces;
    const std::vector<Words::Span>& words = cut.spans;

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
            for (std::size_t p = words[i].first; p < words[i].last; ++p)
                letters += pieces[p].text.size();
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
            for (std::size_t p = words[i].first; p < words[i].last; ++p)
                add(pieces[p].font, pieces[p].uri, pieces[p].text);
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
        const Words::Span& w = words[i];
        if (i > first) {
            // The blank takes the font of the text before it.
            HPDF_Font before = pieces[words[i - 1].last - 1].font;
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

std::size_t fLinesOnPage(std::size_t count, std::size_t room, std::size_t roomOfAPage,
                         const ParagraphBreaks& breaks, bool firstPart, bool fresh) {
    if (count <= room) return count;
    std::size_t take = room;
    // Kept whole: to the next page, when it fits there.
    if (breaks.whole && firstPart && count <= roomOfAPage) take = 0;
    // No lone last lines at the top of the next page.
    if (count - take < breaks.last) take = count > breaks.last ? count - breaks.last : 0;
    // No lone first lines at the foot of this one.
    if (firstPart && take < breaks.first) take = 0;
    if (take == 0 && fresh) take = std::max<std::size_t>(1, room);
    return std::min(take, count);
}

float pHPDF_write_paragraph(PdfDocument& doc, const std::vector<ParagraphRun>& runs, float size,
                            float left, float width, float top, float leading, bool justify,
                            const ParagraphBreaks& breaks) {
    const std::vector<ParagraphLine> lines =
        fLayoutParagraph(runs, width, size, justify, DocumentMeasure());
    HPDF_Font first = runs.empty() ? nullptr : runs.front().font;
    const auto linesBelow = [leading](float from) {
        const float room = (from - kPageBottom) / leading;
        return room < 1 ? std::size_t{0} : static_cast<std::size_t>(room + 1e-4f);
    };
    std::size_t done = 0;
    bool fresh = top >= kPageTop;
    while (done < lines.size()) {
        const std::size_t take = fLinesOnPage(lines.size() - done, linesBelow(top),
                                              linesBelow(kPageTop), breaks, done == 0, fresh);
        if (take == 0) {
            pHPDF_check_page_h(doc, top, top);  // always starts a page
            top = kPageTop;
            fresh = true;
            continue;
        }
        HPDF_Page page = doc.page();
        if (page == nullptr) return top - leading;
        for (std::size_t i = done; i < done + take; ++i) {
            const ParagraphLine& line = lines[i];
            const float baseline = fFirstBaseline(first, size, top);
            HPDF_Page_BeginText(page);
            UseWordSpace(page, line.wordSpace);
            HPDF_Page_SetTextMatrix(page, 1, 0, 0, 1, left, baseline);
            for (const ParagraphRun& piece : line.pieces) {
                if (piece.font == nullptr) continue;
                UseFont(page, piece.font, size);
                if (piece.uri.empty()) {
                    ShowTextIn(page, piece.font, size, piece.text);
                } else {
                    pHPDF_show_link(page, piece.text, piece.uri);
                }
            }
            UseWordSpace(page, 0);
            HPDF_Page_EndText(page);
            top -= leading;
        }
        done += take;
        fresh = false;
        if (done < lines.size()) {
            pHPDF_check_page_h(doc, top, top);
            top = kPageTop;
            fresh = true;
        }
    }
    return top;
}
