// The floor of a whole run: libharu alone writing the same documents the
// program wrote, with nothing of ours in between. Each document is given as
// qpdf's readable form of the program's PDF (qpdf --qdf --decrypt): its pages'
// drawing operators are read back and replayed through libharu's page
// functions, with the same fonts (standard or embedded Liberation Sans), the
// same banner JPEG, links, transparency, compression and protection, then
// saved. The program's cost over this is what our own code adds.
//
//   tarvex-floor BANNER.jpg FONTDIR OUTDIR DOCUMENT.qdf...
//
// Reading the documents is kept apart from writing them: bench/measure.sh
// counts the instructions of WriteDocuments (callgrind --toggle-collect) and
// adds those of a start with no documents, which is the process start alone.
#include <hpdf.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include "tools/pdf_text.h"

namespace {

enum OpCode {
    Op_Other,
    Op_Circle,  // a move and four curves that libharu writes for one circle
    Op_q,
    Op_Q,
    Op_cm,
    Op_w,
    Op_J,
    Op_j,
    Op_M,
    Op_d,
    Op_gs,
    Op_m,
    Op_l,
    Op_c,
    Op_v,
    Op_y,
    Op_h,
    Op_re,
    Op_S,
    Op_s,
    Op_f,
    Op_F,
    Op_fStar,
    Op_B,
    Op_BStar,
    Op_b,
    Op_bStar,
    Op_n,
    Op_W,
    Op_WStar,
    Op_g,
    Op_G,
    Op_rg,
    Op_RG,
    Op_k,
    Op_K,
    Op_BT,
    Op_ET,
    Op_Tf,
    Op_Tc,
    Op_Tw,
    Op_Tz,
    Op_TL,
    Op_Tr,
    Op_Ts,
    Op_Td,
    Op_TD,
    Op_Tm,
    Op_TStar,
    Op_Tj,
    Op_TJ,
    Op_Quote1,
    Op_Quote2,
    Op_Do,
};

struct Op {
    std::string name;
    OpCode code = Op_Other;
    std::vector<float> numbers;
    std::vector<std::string> texts;  // names (without '/') and strings, in order
};

struct Link {
    float rect[4] = {0, 0, 0, 0};
    std::string uri;
    bool noBorder = false;
};

struct FontUse {
    std::string baseFont;
    bool embedded = false;
    bool bold = false;
    bool differences = false;  // an encoding other than WinAnsi
};

struct Page {
    std::vector<Op> ops;
    std::map<std::string, FontUse> fonts;
    std::map<std::string, float> alphaFill;  // ExtGState name -> fill alpha
    std::vector<Link> links;
};

struct Document {
    std::vector<Page> pages;
    std::string title, subject, keywords, creator, author;
};

// ---- reading qpdf's QDF form --------------------------------------------

using Objects = std::map<int, std::string>;

Objects SplitObjects(const std::string& pdf, std::vector<int>& pageOrder) {
    Objects objects;
    std::size_t at = 0;
    bool nextIsPage = false;
    while (at < pdf.size()) {
        std::size_t end = pdf.find('\n', at);
        if (end == std::string::npos) end = pdf.size();
        const std::string line = pdf.substr(at, end - at);
        if (line.rfind("%% Page ", 0) == 0) nextIsPage = true;
        int number = 0, generation = 0;
        char tail[8] = {0};
        if (std::sscanf(line.c_str(), "%d %d %7s", &number, &generation, tail) == 3 &&
            std::strcmp(tail, "obj") == 0) {
            const std::size_t close = pdf.find("\nendobj", end);
            if (close == std::string::npos) break;
            objects[number] = pdf.substr(end + 1, close - end - 1);
            if (nextIsPage) pageOrder.push_back(number);
            nextIsPage = false;
            at = close + 7;
            continue;
        }
        at = end + 1;
    }
    return objects;
}

std::string StreamData(const std::string& object) {
    const std::size_t start = object.find("stream\n");
    const std::size_t end = object.rfind("endstream");
    if (start == std::string::npos || end == std::string::npos || end < start + 7) return "";
    return object.substr(start + 7, end - start - 7);
}

// The reference after `key` in a dictionary ("/Contents 7 0 R" -> 7), or 0.
int RefAfter(const std::string& text, const std::string& key, std::size_t from = 0) {
    const std::size_t at = text.find(key, from);
    if (at == std::string::npos) return 0;
    return std::atoi(text.c_str() + at + key.size());
}

// "/Name N 0 R" entries of the sub-dictionary named `key`.
std::map<std::string, int> NamedRefs(const std::string& text, const std::string& key) {
    std::map<std::string, int> refs;
    const std::size_t at = text.find(key + " <<");
    if (at == std::string::npos) return refs;
    const std::size_t end = text.find(">>", at);
    std::size_t p = at + key.size() + 3;
    while (p < end) {
        const std::size_t slash = text.find('/', p);
        if (slash == std::string::npos || slash > end) break;
        const std::size_t blank = text.find(' ', slash);
        refs[text.substr(slash + 1, blank - slash - 1)] = std::atoi(text.c_str() + blank + 1);
        p = text.find('\n', blank);
    }
    return refs;
}

std::string StringAfter(const std::string& text, const std::string& key) {
    const std::size_t at = text.find(key + " (");
    if (at == std::string::npos) return "";
    const std::size_t end = text.find(")\n", at);
    return text.substr(at + key.size() + 2, end - at - key.size() - 2);
}

std::vector<float> NumbersAfter(const std::string& text, const std::string& key) {
    std::vector<float> numbers;
    std::size_t at = text.find(key + " [");
    if (at == std::string::npos) return numbers;
    const std::size_t end = text.find(']', at);
    at += key.size() + 2;
    while (at < end) {
        char* next = nullptr;
        const float v = std::strtof(text.c_str() + at, &next);
        if (next == text.c_str() + at) {
            ++at;
            continue;
        }
        numbers.push_back(v);
        at = static_cast<std::size_t>(next - text.c_str());
    }
    return numbers;
}

// Operator names to codes, so that replaying does not compare names.
OpCode CodeOf(const std::string& name) {
    static const std::map<std::string, OpCode> kCodes = {
        {"q", Op_q},       {"Q", Op_Q},      {"cm", Op_cm},    {"w", Op_w},   {"J", Op_J},
        {"j", Op_j},       {"M", Op_M},      {"d", Op_d},      {"gs", Op_gs}, {"m", Op_m},
        {"l", Op_l},       {"c", Op_c},      {"v", Op_v},      {"y", Op_y},   {"h", Op_h},
        {"re", Op_re},     {"S", Op_S},      {"s", Op_s},      {"f", Op_f},   {"F", Op_F},
        {"f*", Op_fStar},  {"B", Op_B},      {"B*", Op_BStar}, {"b", Op_b},   {"b*", Op_bStar},
        {"n", Op_n},       {"W", Op_W},      {"W*", Op_WStar}, {"g", Op_g},   {"G", Op_G},
        {"rg", Op_rg},     {"RG", Op_RG},    {"k", Op_k},      {"K", Op_K},   {"BT", Op_BT},
        {"ET", Op_ET},     {"Tf", Op_Tf},    {"Tc", Op_Tc},    {"Tw", Op_Tw}, {"Tz", Op_Tz},
        {"TL", Op_TL},     {"Tr", Op_Tr},    {"Ts", Op_Ts},    {"Td", Op_Td}, {"TD", Op_TD},
        {"Tm", Op_Tm},     {"T*", Op_TStar}, {"Tj", Op_Tj},    {"TJ", Op_TJ}, {"'", Op_Quote1},
        {"\"", Op_Quote2}, {"Do", Op_Do},
    };
    const auto it = kCodes.find(name);
    return it == kCodes.end() ? Op_Other : it->second;
}

// The operators of a content stream, with their operands.
std::vector<Op> ReadContent(const std::string& s) {
    std::vector<Op> ops;
    Op current;
    std::size_t i = 0;
    auto delimiter = [](char c) {
        return std::strchr(" \t\r\n\f()<>[]{}/%", c) != nullptr || c == '\0';
    };
    while (i < s.size()) {
        const char c = s[i];
        if (c == ' ' || c == '\n' || c == '\r' || c == '\t' || c == '[' || c == ']') {
            ++i;
        } else if (c == '/') {
            std::size_t j = i + 1;
            while (j < s.size() && !delimiter(s[j])) ++j;
            current.texts.push_back(s.substr(i + 1, j - i - 1));
            i = j;
        } else if (c == '(') {
            current.texts.push_back(PdfLiteralString(s, i));
        } else if (c == '<') {
            std::string text;
            std::size_t j = s.find('>', i);
            if (j == std::string::npos) j = s.size();
            for (std::size_t k = i + 1; k + 1 < j; k += 2)
                text += static_cast<char>(std::strtol(s.substr(k, 2).c_str(), nullptr, 16));
            current.texts.push_back(text);
            i = j + 1;
        } else if ((c >= '0' && c <= '9') || c == '-' || c == '+' || c == '.') {
            char* next = nullptr;
            current.numbers.push_back(std::strtof(s.c_str() + i, &next));
            i = static_cast<std::size_t>(next - s.c_str());
        } else {
            std::size_t j = i;
            while (j < s.size() && !delimiter(s[j])) ++j;
            if (j == i) j = i + 1;
            current.name = s.substr(i, j - i);
            current.code = CodeOf(current.name);
            ops.push_back(std::move(current));
            current = Op();
            i = j;
        }
    }
    return ops;
}

// A move followed by the four curves of a circle is replayed as the one call
// that wrote it, as the program did.
std::vector<Op> JoinCircles(std::vector<Op> ops) {
    auto near = [](float a, float b) { return a - b < 1e-3f && b - a < 1e-3f; };
    std::vector<Op> joined;
    for (std::size_t i = 0; i < ops.size(); ++i) {
        const Op& m = ops[i];
        if (m.code == Op_m && m.numbers.size() == 2 && i + 4 < ops.size()) {
            bool curves = true;
            for (std::size_t k = 1; k <= 4; ++k)
                curves = curves && ops[i + k].code == Op_c && ops[i + k].numbers.size() == 6;
            if (curves) {
                const float r = ops[i + 1].numbers[5] - m.numbers[1];
                const float cx = m.numbers[0] + r, cy = m.numbers[1];
                auto ends = [&](std::size_t k, float x, float y) {
                    return near(ops[i + k].numbers[4], x) && near(ops[i + k].numbers[5], y);
                };
                if (r > 0 && ends(1, cx, cy + r) && ends(2, cx + r, cy) && ends(3, cx, cy - r) &&
                    ends(4, cx - r, cy)) {
                    Op circle;
                    circle.code = Op_Circle;
                    circle.numbers = {cx, cy, r};
                    joined.push_back(circle);
                    i += 4;
                    continue;
                }
            }
        }
        joined.push_back(std::move(ops[i]));
    }
    return joined;
}

bool ReadDocument(const std::string& path, Document& doc) {
    std::ifstream in(path, std::ios::binary);
    const std::string pdf((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::vector<int> pageOrder;
    const Objects objects = SplitObjects(pdf, pageOrder);
    if (pageOrder.empty()) return false;
    auto object = [&](int n) {
        const auto it = objects.find(n);
        return it == objects.end() ? std::string() : it->second;
    };
    for (const auto& [number, text] : objects) {
        if (text.find("/Producer") != std::string::npos ||
            text.find("/Creator (") != std::string::npos) {
            doc.title = StringAfter(text, "/Title");
            doc.subject = StringAfter(text, "/Subject");
            doc.keywords = StringAfter(text, "/Keywords");
            doc.creator = StringAfter(text, "/Creator");
            doc.author = StringAfter(text, "/Author");
        }
    }
    for (int pageNumber : pageOrder) {
        const std::string dict = object(pageNumber);
        Page page;
        page.ops = JoinCircles(ReadContent(StreamData(object(RefAfter(dict, "/Contents ")))));
        for (const auto& [name, ref] : NamedRefs(dict, "/Font")) {
            const std::string font = object(ref);
            FontUse use;
            const std::size_t at = font.find("/BaseFont /");
            if (at != std::string::npos)
                use.baseFont = font.substr(at + 11, font.find('\n', at) - at - 11);
            const int descendant = RefAfter(font, "/FontDescriptor ");
            use.embedded =
                descendant != 0 && object(descendant).find("/FontFile") != std::string::npos;
            use.bold = use.baseFont.find("Bold") != std::string::npos;
            use.differences = font.find("/Differences") != std::string::npos;
            page.fonts[name] = use;
        }
        for (const auto& [name, ref] : NamedRefs(dict, "/ExtGState")) {
            const std::string state = object(ref);
            const std::size_t at = state.find("/ca ");
            page.alphaFill[name] =
                at == std::string::npos ? 1.0f : std::strtof(state.c_str() + at + 4, nullptr);
        }
        doc.pages.push_back(std::move(page));
    }
    // Links name their page.
    for (const auto& [number, text] : objects) {
        if (text.find("/Subtype /Link") == std::string::npos) continue;
        const int on = RefAfter(text, "/P ");
        for (std::size_t i = 0; i < pageOrder.size(); ++i) {
            if (pageOrder[i] != on) continue;
            Link link;
            const std::vector<float> rect = NumbersAfter(text, "/Rect");
            for (std::size_t k = 0; k < 4 && k < rect.size(); ++k) link.rect[k] = rect[k];
            link.uri = StringAfter(text, "/URI");
            link.noBorder = text.find("/Border [\n    0\n    0\n    0\n") != std::string::npos;
            doc.pages[i].links.push_back(link);
        }
    }
    return true;
}

// ---- writing them with libharu alone ------------------------------------

struct Inputs {
    std::vector<unsigned char> banner;
    std::string fontDir;
};

void HPDF_STDCALL OnError(HPDF_STATUS error, HPDF_STATUS detail, void* failed) {
    std::fprintf(stderr, "libharu error 0x%04X (%u)\n", static_cast<unsigned>(error),
                 static_cast<unsigned>(detail));
    *static_cast<bool*>(failed) = true;
}

// libharu 2.3 takes the dash pattern in whole points, 2.4 in reals.
template <typename Length, typename Phase>
void SetDash(HPDF_STATUS (*set)(HPDF_Page, const Length*, HPDF_UINT, Phase), HPDF_Page page,
             const std::vector<float>& pattern, float phase) {
    const std::vector<Length> lengths(pattern.begin(), pattern.end());
    set(page, lengths.empty() ? nullptr : lengths.data(), static_cast<HPDF_UINT>(lengths.size()),
        static_cast<Phase>(phase));
}

float N(const Op& op, std::size_t i) {
    return i < op.numbers.size() ? op.numbers[i] : 0.0f;
}

void Replay(HPDF_Doc pdf, HPDF_Page page, const Page& source, HPDF_Image banner,
            std::map<std::string, HPDF_Font>& fonts, const Inputs& inputs) {
    auto font = [&](const std::string& name) -> HPDF_Font {
        // Resource names are given page by page; the font is the same one
        // for the whole document.
        const auto use = source.fonts.find(name);
        const std::string key = use == source.fonts.end()
                                    ? std::string()
                                    : use->second.baseFont + (use->second.differences ? "*" : "");
        const auto known = fonts.find(key);
        if (known != fonts.end()) return known->second;
        HPDF_Font f = nullptr;
        const char* encoding =
            use != source.fonts.end() && use->second.differences ? "ISO8859-14" : "WinAnsiEncoding";
        if (use != source.fonts.end() && use->second.embedded) {
            const std::string file =
                inputs.fontDir +
                (use->second.bold ? "/LiberationSans-Bold.ttf" : "/LiberationSans-Regular.ttf");
            f = HPDF_GetFont(pdf, HPDF_LoadTTFontFromFile(pdf, file.c_str(), HPDF_TRUE), encoding);
        } else {
            const std::string base = use == source.fonts.end() ? "Helvetica" : use->second.baseFont;
            f = HPDF_GetFont(pdf, base.c_str(), encoding);
        }
        fonts[key] = f;
        return f;
    };
    for (const Op& op : source.ops) {
        const char* t = op.texts.empty() ? "" : op.texts.front().c_str();
        switch (op.code) {
            case Op_q:
                HPDF_Page_GSave(page);
                break;
            case Op_Q:
                HPDF_Page_GRestore(page);
                break;
            case Op_cm:
                HPDF_Page_Concat(page, N(op, 0), N(op, 1), N(op, 2), N(op, 3), N(op, 4), N(op, 5));
                break;
            case Op_w:
                HPDF_Page_SetLineWidth(page, N(op, 0));
                break;
            case Op_J:
                HPDF_Page_SetLineCap(page, static_cast<HPDF_LineCap>(N(op, 0)));
                break;
            case Op_j:
                HPDF_Page_SetLineJoin(page, static_cast<HPDF_LineJoin>(N(op, 0)));
                break;
            case Op_M:
                HPDF_Page_SetMiterLimit(page, N(op, 0));
                break;
            case Op_d: {
                const std::vector<float> dash(op.numbers.begin(),
                                              op.numbers.end() - (op.numbers.empty() ? 0 : 1));
                SetDash(&HPDF_Page_SetDash, page, dash,
                        op.numbers.empty() ? 0.0f : op.numbers.back());
                break;
            }
            case Op_gs: {
                HPDF_ExtGState state = HPDF_CreateExtGState(pdf);
                const auto alpha = source.alphaFill.find(t);
                HPDF_ExtGState_SetAlphaFill(state,
                                            alpha == source.alphaFill.end() ? 1.0f : alpha->second);
                HPDF_Page_SetExtGState(page, state);
                break;
            }
            case Op_m:
                HPDF_Page_MoveTo(page, N(op, 0), N(op, 1));
                break;
            case Op_l:
                HPDF_Page_LineTo(page, N(op, 0), N(op, 1));
                break;
            case Op_c:
                HPDF_Page_CurveTo(page, N(op, 0), N(op, 1), N(op, 2), N(op, 3), N(op, 4), N(op, 5));
                break;
            case Op_v:
                HPDF_Page_CurveTo2(page, N(op, 0), N(op, 1), N(op, 2), N(op, 3));
                break;
            case Op_y:
                HPDF_Page_CurveTo3(page, N(op, 0), N(op, 1), N(op, 2), N(op, 3));
                break;
            case Op_h:
                HPDF_Page_ClosePath(page);
                break;
            case Op_re:
                HPDF_Page_Rectangle(page, N(op, 0), N(op, 1), N(op, 2), N(op, 3));
                break;
            case Op_S:
                HPDF_Page_Stroke(page);
                break;
            case Op_s:
                HPDF_Page_ClosePathStroke(page);
                break;
            case Op_f:
            case Op_F:
                HPDF_Page_Fill(page);
                break;
            case Op_fStar:
                HPDF_Page_Eofill(page);
                break;
            case Op_B:
                HPDF_Page_FillStroke(page);
                break;
            case Op_BStar:
                HPDF_Page_EofillStroke(page);
                break;
            case Op_b:
                HPDF_Page_ClosePathFillStroke(page);
                break;
            case Op_bStar:
                HPDF_Page_ClosePathEofillStroke(page);
                break;
            case Op_n:
                HPDF_Page_EndPath(page);
                break;
            case Op_W:
                HPDF_Page_Clip(page);
                break;
            case Op_WStar:
                HPDF_Page_Eoclip(page);
                break;
            case Op_g:
                HPDF_Page_SetGrayFill(page, N(op, 0));
                break;
            case Op_G:
                HPDF_Page_SetGrayStroke(page, N(op, 0));
                break;
            case Op_rg:
                HPDF_Page_SetRGBFill(page, N(op, 0), N(op, 1), N(op, 2));
                break;
            case Op_RG:
                HPDF_Page_SetRGBStroke(page, N(op, 0), N(op, 1), N(op, 2));
                break;
            case Op_k:
                HPDF_Page_SetCMYKFill(page, N(op, 0), N(op, 1), N(op, 2), N(op, 3));
                break;
            case Op_K:
                HPDF_Page_SetCMYKStroke(page, N(op, 0), N(op, 1), N(op, 2), N(op, 3));
                break;
            case Op_BT:
                HPDF_Page_BeginText(page);
                break;
            case Op_ET:
                HPDF_Page_EndText(page);
                break;
            case Op_Tf:
                HPDF_Page_SetFontAndSize(page, font(t), N(op, 0));
                break;
            case Op_Tc:
                HPDF_Page_SetCharSpace(page, N(op, 0));
                break;
            case Op_Tw:
                HPDF_Page_SetWordSpace(page, N(op, 0));
                break;
            case Op_Tz:
                HPDF_Page_SetHorizontalScalling(page, N(op, 0));
                break;
            case Op_TL:
                HPDF_Page_SetTextLeading(page, N(op, 0));
                break;
            case Op_Tr:
                HPDF_Page_SetTextRenderingMode(page, static_cast<HPDF_TextRenderingMode>(N(op, 0)));
                break;
            case Op_Ts:
                HPDF_Page_SetTextRise(page, N(op, 0));
                break;
            case Op_Td:
                HPDF_Page_MoveTextPos(page, N(op, 0), N(op, 1));
                break;
            case Op_TD:
                HPDF_Page_MoveTextPos2(page, N(op, 0), N(op, 1));
                break;
            case Op_Tm:
                HPDF_Page_SetTextMatrix(page, N(op, 0), N(op, 1), N(op, 2), N(op, 3), N(op, 4),
                                        N(op, 5));
                break;
            case Op_TStar:
                HPDF_Page_MoveToNextLine(page);
                break;
            case Op_Tj:
                HPDF_Page_ShowText(page, t);
                break;
            case Op_TJ:
                for (const std::string& piece : op.texts) HPDF_Page_ShowText(page, piece.c_str());
                break;
            case Op_Quote1:
                HPDF_Page_ShowTextNextLine(page, t);
                break;
            case Op_Quote2:
                HPDF_Page_ShowTextNextLineEx(page, N(op, 0), N(op, 1), t);
                break;
            case Op_Do:
                if (banner != nullptr) HPDF_Page_ExecuteXObject(page, banner);
                break;
            case Op_Circle:
                HPDF_Page_Circle(page, N(op, 0), N(op, 1), N(op, 2));
                break;
            case Op_Other:
                break;
        }
    }
    for (const Link& link : source.links) {
        const HPDF_Rect rect = {link.rect[0], link.rect[1], link.rect[2], link.rect[3]};
        HPDF_Annotation annot = HPDF_Page_CreateURILinkAnnot(page, rect, link.uri.c_str());
        if (link.noBorder) HPDF_LinkAnnot_SetBorderStyle(annot, 0, 0, 0);
    }
}

bool WriteDocument(const Document& source, const Inputs& inputs, const std::string& path) {
    bool failed = false;
    HPDF_Doc pdf = HPDF_New(OnError, &failed);
    if (pdf == nullptr) return false;
    HPDF_SetCompressionMode(pdf, HPDF_COMP_ALL);
    HPDF_Image banner = nullptr;
    std::map<std::string, HPDF_Font> fonts;
    for (const Page& p : source.pages) {
        if (failed) break;
        HPDF_Page page = HPDF_AddPage(pdf);
        HPDF_Page_SetSize(page, HPDF_PAGE_SIZE_A4, HPDF_PAGE_PORTRAIT);
        bool drawsImage = false;
        for (const Op& op : p.ops) drawsImage = drawsImage || op.code == Op_Do;
        if (drawsImage && banner == nullptr) {
            banner = HPDF_LoadJpegImageFromMem(pdf, inputs.banner.data(),
                                               static_cast<HPDF_UINT>(inputs.banner.size()));
        }
        Replay(pdf, page, p, banner, fonts, inputs);
    }
    HPDF_SetInfoAttr(pdf, HPDF_INFO_AUTHOR, source.author.c_str());
    HPDF_SetInfoAttr(pdf, HPDF_INFO_CREATOR, source.creator.c_str());
    HPDF_SetInfoAttr(pdf, HPDF_INFO_TITLE, source.title.c_str());
    HPDF_SetInfoAttr(pdf, HPDF_INFO_KEYWORDS, source.keywords.c_str());
    HPDF_SetInfoAttr(pdf, HPDF_INFO_SUBJECT, source.subject.c_str());
    HPDF_SetPassword(pdf, "floor-owner", "");
    HPDF_SetPermission(pdf, HPDF_ENABLE_PRINT);
    HPDF_SetEncryptionMode(pdf, HPDF_ENCRYPT_R3, 16);
    const bool saved = !failed && HPDF_SaveToFile(pdf, path.c_str()) == HPDF_OK && !failed;
    HPDF_Free(pdf);
    return saved;
}

}  // namespace

// Everything libharu does for the documents; the only part measured.
__attribute__((noinline)) bool WriteDocuments(const std::vector<Document>& documents,
                                              const Inputs& inputs, const std::string& outDir) {
    for (std::size_t i = 0; i < documents.size(); ++i) {
        const std::string path = outDir + "/floor-" + std::to_string(i + 1) + ".pdf";
        if (!WriteDocument(documents[i], inputs, path)) {
            std::fprintf(stderr, "cannot write %s\n", path.c_str());
            return false;
        }
    }
    return true;
}

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s BANNER.jpg FONTDIR OUTDIR DOCUMENT.qdf...\n", argv[0]);
        return 2;
    }
    Inputs inputs;
    // Read in one piece: the program carries its banner in its own image, so
    // the floor's start must not pay for reading it byte by byte.
    std::ifstream in(argv[1], std::ios::binary | std::ios::ate);
    const std::streamoff size = in ? static_cast<std::streamoff>(in.tellg()) : 0;
    in.seekg(0);
    inputs.banner.resize(static_cast<std::size_t>(size > 0 ? size : 0));
    if (!in.read(reinterpret_cast<char*>(inputs.banner.data()), size > 0 ? size : 0))
        inputs.banner.clear();
    inputs.fontDir = argv[2];
    if (inputs.banner.empty()) {
        std::fprintf(stderr, "cannot read %s\n", argv[1]);
        return 1;
    }
    std::vector<Document> documents(static_cast<std::size_t>(argc - 4));
    for (int i = 4; i < argc; ++i) {
        if (!ReadDocument(argv[i], documents[static_cast<std::size_t>(i - 4)])) {
            std::fprintf(stderr, "no pages in %s\n", argv[i]);
            return 1;
        }
    }
    return WriteDocuments(documents, inputs, argv[3]) ? 0 : 1;
}
