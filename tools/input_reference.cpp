// The input reference: blocks of text made from the library definition,
// written as Markdown and as HTML.
#include "tools/input_reference.h"

#include <cctype>
#include <cmath>
#include <iomanip>
#include <sstream>

#include "app/codes.h"
#include "tools/printed_keywords.h"

namespace {

// One block of the reference. Texts hold `code spans` and [links](#anchor)
// only, which both writers understand.
struct Block {
    enum class Kind { kHeading, kParagraph, kList, kTable };
    Kind kind = Kind::kParagraph;
    int level = 0;  // of a heading
    std::string text;
    std::vector<std::string> items;              // of a list; the header of a table
    std::vector<std::vector<std::string>> rows;  // of a table
};

Block Heading(int level, const std::string& text) {
    return {Block::Kind::kHeading, level, text, {}, {}};
}
Block Paragraph(const std::string& text) {
    return {Block::Kind::kParagraph, 0, text, {}, {}};
}
Block List(std::vector<std::string> items) {
    return {Block::Kind::kList, 0, "", std::move(items), {}};
}

std::string Code(const std::string& text) {
    return "`" + text + "`";
}
std::string Link(const std::string& text, const std::string& heading) {
    return "[" + text + "](#" + HeadingAnchor(heading) + ")";
}

// A bound as a person writes it: 1000000, not 1e+06.
std::string Number(double value) {
    if (value == std::floor(value) && std::fabs(value) < 1e15)
        return std::to_string(static_cast<long long>(value));
    std::ostringstream s;
    s << std::setprecision(12) << value;
    return s.str();
}

std::string TypeName(int type) {
    switch (type) {
        case kTypeNum:
            return "number";
        case kTypeText:
            return "text";
        case kTypeRef:
            return "reference";
        case kTypeCod:
            return "code word";
        case kTypeLnum:
            return "list of numbers";
        case kTypeLref:
            return "list of references";
        case kTypeLtext:
            return "list of texts";
        default:
            return "type " + std::to_string(type);
    }
}

std::string CodeWordsHeading(const Objeto& c, const Propiedad& k) {
    return c.name + " " + k.name + " code words";
}

std::string TypeText(const Objeto& c, const Propiedad& k) {
    std::string type = TypeName(k.keyType);
    if (k.keyType == kTypeCod)
        return type + " (" + Link(std::to_string(k.codes.size()), CodeWordsHeading(c, k)) + ")";
    if (k.keyType == kTypeRef || k.keyType == kTypeLref)
        return type + (k.byKeyword ? " to an object of the class " + Code(k.refType) + " names"
                                   : " to " + Code(k.refType) + " objects");
    return type;
}

std::string GivenText(const Propiedad& k) {
    if (k.defaultText == "REQ") return "**required**";
    if (k.defaultText == "NC" || k.defaultText == "EXP") return "no default";
    return "default " + Code(k.defaultText);
}

// The range two bounds allow; empty when neither is set.
std::string Range(double low, double high) {
    const bool hasLow = low != kNoLimit;
    const bool hasHigh = high != kNoLimit;
    if (hasLow && hasHigh) return Number(low) + " to " + Number(high);
    if (hasLow) return "at least " + Number(low);
    if (hasHigh) return "at most " + Number(high);
    return "";
}

std::string PrintedText(unsigned on) {
    std::string out;
    for (const PrintedOutput& o : PrintedOutputs())
        if ((on & o.bit) != 0) out += (out.empty() ? "" : ", ") + std::string(o.name);
    return out;
}

std::string CountText(const Objeto& c) {
    if (c.maxCount == kNoLimit)
        return c.minCount <= 0 ? "any number" : "at least " + std::to_string(c.minCount);
    if (c.minCount == c.maxCount) return "exactly " + std::to_string(c.minCount);
    return std::to_string(c.minCount) + " to " + std::to_string(c.maxCount);
}

std::vector<Block> Blocks(const std::vector<Objeto>& classes, const std::string& definitionName) {
    std::vector<Block> out;
    out.push_back(Heading(1, "Input language reference"));
    out.push_back(Paragraph(
        "Made from the library definition " + Code(definitionName) + " by the tool " +
        Code("tarvex-input-reference") +
        "; do not edit it by hand. Every class an input may hold, each keyword of the class and "
        "what it takes. An object is written " +
        Code("\"name\" = CLASS") + ", its keywords " + Code("KEYWORD = value") +
        " one to a line, and ends with an indented " + Code("..") +
        ". Words of the language compare exactly, upper and lower case apart."));
    out.push_back(Paragraph("How to read the tables:"));
    out.push_back(List({
        "**type**: a number (" + Code("47.25") + "; a comma is not a decimal point), a text (" +
            Code("\"Kestrel House\"") +
            "), a code word (one of the keyword's words, written "
            "in full without quotes), a list of numbers (" +
            Code("( 2026, 3, 14 )") +
            "), a reference (the name of an object given before it) or a list of them or of "
            "texts.",
        "**given**: **required** when the input must give the keyword, else the value a "
        "keyword left out takes (\"no default\": it stays blank). -7777 stands for a value the "
        "calculation did not provide.",
        "**stops the run outside**: a number, or any item of a list, outside this range is an "
        "error (\"Keyword out of range\"): the run stops after the error report.",
        "**warned outside**: outside this range the error report has a warning and the run "
        "goes on; **certification warning outside**: the same, as a certification warning.",
        "**printed on**: the outputs whose writers take the keyword's value: the certificate "
        "(England, Wales and Northern Ireland, and the Welsh one), the Scottish certificate, "
        "the recommendations report, the short report, the results file and the lodgement "
        "message. A keyword printed on none may still choose what the run does. The ratings, "
        "bands and reference numbers the run works out are printed from its own records.",
    }));

    out.push_back(Heading(2, "Classes"));
    Block index{Block::Kind::kTable, 0, "", {"class", "objects in an input", "what"}, {}};
    for (const Objeto& c : classes)
        index.rows.push_back({Link(c.name, c.name), CountText(c), c.classNote});
    out.push_back(index);
    out.push_back(
        Paragraph("Objects stand in this order of classes. A reference names an "
                  "object given before it."));

    for (const Objeto& c : classes) {
        out.push_back(Heading(2, c.name));
        out.push_back(Paragraph("Class " + std::to_string(c.number) + ": " + c.classNote +
                                ". Objects in an input: " + CountText(c) + "."));
        Block table{Block::Kind::kTable,
                    0,
                    "",
                    {"keyword", "type", "given", "stops the run outside", "warned outside",
                     "certification warning outside", "printed on", "note"},
                    {}};
        for (const Propiedad& k : c.properties) {
            const bool ranged = k.keyType == kTypeNum || k.keyType == kTypeLnum;
            table.rows.push_back({Code(k.name), TypeText(c, k), GivenText(k),
                                  ranged ? Range(k.bounds[0], k.bounds[1]) : "",
                                  ranged ? Range(k.bounds[2], k.bounds[3]) : "",
                                  ranged ? Range(k.bounds[4], k.bounds[5]) : "",
                                  PrintedText(PrintedOnOf(c.name, k.name)), k.note});
        }
        out.push_back(table);
        for (const Propiedad& k : c.properties) {
            if (k.keyType != kTypeCod) continue;
            out.push_back(Heading(3, CodeWordsHeading(c, k)));
            std::vector<std::string> words;
            for (const Codigo& w : k.codes)
                words.push_back(std::to_string(w.number) + " " + Code(w.name));
            out.push_back(List(words));
        }
    }
    return out;
}

// Markdown: a table cell may not hold "|" or a line end.
std::string MarkdownCell(const std::string& text) {
    std::string out;
    for (char ch : text) {
        if (ch == '|')
            out += "\\|";
        else if (ch == '\n')
            out += ' ';
        else
            out += ch;
    }
    return out.empty() ? " " : out;
}

std::string Markdown(const std::vector<Block>& blocks) {
    std::string out;
    for (const Block& b : blocks) {
        if (!out.empty()) out += "\n";
        switch (b.kind) {
            case Block::Kind::kHeading:
                out += std::string(static_cast<std::size_t>(b.level), '#') + " " + b.text + "\n";
                break;
            case Block::Kind::kParagraph:
                out += b.text + "\n";
                break;
            case Block::Kind::kList:
                for (const std::string& item : b.items) out += "- " + item + "\n";
                break;
            case Block::Kind::kTable: {
                const auto row = [&out](const std::vector<std::string>& cells) {
                    out += "|";
                    for (const std::string& c : cells) out += " " + MarkdownCell(c) + " |";
                    out += "\n";
                };
                row(b.items);
                out += "|";
                for (std::size_t i = 0; i < b.items.size(); ++i) out += "---|";
                out += "\n";
                for (const auto& r : b.rows) row(r);
                break;
            }
        }
    }
    return out;
}

std::string Escape(const std::string& text) {
    std::string out;
    for (char ch : text) {
        switch (ch) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            default:
                out += ch;
        }
    }
    return out;
}

// The inline marks the blocks use: `code`, **strong** and [text](#anchor).
std::string Inline(const std::string& text) {
    std::string out;
    std::size_t i = 0;
    while (i < text.size()) {
        if (text[i] == '`') {
            const std::size_t end = text.find('`', i + 1);
            if (end != std::string::npos) {
                out += "<code>" + Escape(text.substr(i + 1, end - i - 1)) + "</code>";
                i = end + 1;
                continue;
            }
        } else if (text.compare(i, 2, "**") == 0) {
            const std::size_t end = text.find("**", i + 2);
            if (end != std::string::npos) {
                out += "<strong>" + Inline(text.substr(i + 2, end - i - 2)) + "</strong>";
                i = end + 2;
                continue;
            }
        } else if (text[i] == '[') {
            const std::size_t close = text.find("](#", i);
            const std::size_t end = close == std::string::npos ? close : text.find(')', close);
            if (end != std::string::npos) {
                out += "<a href=\"" + Escape(text.substr(close + 2, end - close - 2)) + "\">" +
                       Inline(text.substr(i + 1, close - i - 1)) + "</a>";
                i = end + 1;
                continue;
            }
        }
        out += Escape(text.substr(i, 1));
        ++i;
    }
    return out;
}

std::string Html(const std::vector<Block>& blocks) {
    std::string out =
        "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n"
        "<title>Input language reference</title>\n<style>\n"
        "body { font-family: sans-serif; max-width: 80em; margin: 1em auto; padding: 0 1em; }\n"
        "table { border-collapse: collapse; }\n"
        "th, td { border: 1px solid #bbb; padding: 0.2em 0.4em; text-align: left; "
        "vertical-align: top; }\n"
        "code { background: #f3f3f3; }\n</style>\n</head>\n<body>\n";
    for (const Block& b : blocks) {
        switch (b.kind) {
            case Block::Kind::kHeading: {
                const std::string h = "h" + std::to_string(b.level);
                out += "<" + h + " id=\"" + HeadingAnchor(b.text) + "\">" + Inline(b.text) + "</" +
                       h + ">\n";
                break;
            }
            case Block::Kind::kParagraph:
                out += "<p>" + Inline(b.text) + "</p>\n";
                break;
            case Block::Kind::kList:
                out += "<ul>\n";
                for (const std::string& item : b.items) out += "<li>" + Inline(item) + "</li>\n";
                out += "</ul>\n";
                break;
            case Block::Kind::kTable:
                out += "<table>\n<tr>";
                for (const std::string& c : b.items) out += "<th>" + Inline(c) + "</th>";
                out += "</tr>\n";
                for (const auto& r : b.rows) {
                    out += "<tr>";
                    for (const std::string& c : r) out += "<td>" + Inline(c) + "</td>";
                    out += "</tr>\n";
                }
                out += "</table>\n";
                break;
        }
    }
    return out + "</body>\n</html>\n";
}

}  // namespace

std::string HeadingAnchor(const std::string& heading) {
    std::string out;
    for (char ch : heading) {
        const auto u = static_cast<unsigned char>(ch);
        if (std::isalnum(u) != 0 || ch == '-' || ch == '_')
            out += static_cast<char>(std::tolower(u));
        else if (ch == ' ')
            out += '-';
    }
    return out;
}

InputReference MakeInputReference(const std::vector<Objeto>& classes,
                                  const std::string& definitionName) {
    const std::vector<Block> blocks = Blocks(classes, definitionName);
    return {Markdown(blocks), Html(blocks)};
}
