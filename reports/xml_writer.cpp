#include "reports/xml_writer.h"

#include <cassert>

#include "library/b64.h"

XmlWriter::XmlWriter(std::string& out, std::vector<XmlIndent> layout)
    : out_(out), layout_(std::move(layout)) {}

const XmlIndent* XmlWriter::RuleFor(const std::string& path) const {
    const XmlIndent* best = nullptr;
    std::size_t bestLength = 0;
    for (const XmlIndent& rule : layout_) {
        const std::string_view p = rule.path;
        if (p.empty() || p.size() > path.size() || p.size() <= bestLength) continue;
        const std::size_t at = path.size() - p.size();
        // A whole name: the path, or what follows one of its slashes.
        if (path.compare(at, p.size(), p) != 0 || (at != 0 && path[at - 1] != '/')) continue;
        best = &rule;
        bestLength = p.size();
    }
    return best;
}

std::string XmlWriter::PathOf(std::string_view name) const {
    if (open_.empty()) return std::string(name);
    std::string path = open_.back().path;
    path += '/';
    path.append(name);
    return path;
}

const std::string& XmlWriter::ChildIndent() const {
    static const std::string kNone;
    return open_.empty() ? kNone : open_.back().children;
}

void XmlWriter::Declaration() {
    out_ += "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
}

void XmlWriter::Open(std::string_view name) {
    Open(name, Attributes());
}

void XmlWriter::Open(std::string_view name, const Attributes& attributes) {
    Frame frame;
    frame.name = std::string(name);
    frame.path = PathOf(name);
    const XmlIndent* rule = RuleFor(frame.path);
    const std::string open = rule != nullptr && rule->open != nullptr ? rule->open : ChildIndent();
    frame.close = rule != nullptr && rule->close != nullptr ? rule->close : open;
    frame.children = rule != nullptr && rule->children != nullptr ? rule->children : open + '\t';
    frame.comments = rule != nullptr && rule->comments != nullptr ? rule->comments : frame.children;
    out_ += open;
    out_ += '<';
    out_.append(name);
    if (!attributes.empty()) {
        out_ += '\n';
        for (const auto& [attribute, value] : attributes) {
            // An attribute's value stands in double quotes: one in it is escaped too.
            const XmlText escaped = XmlText::Raw(value);
            out_ += open;
            out_ += '\t';
            out_.append(attribute);
            out_ += "=\"";
            for (char c : escaped.str()) {
                if (c == '"')
                    out_ += "&quot;";
                else
                    out_ += c;
            }
            out_ += "\"\n";
        }
        out_ += open;
    }
    out_ += ">\n";
    open_.push_back(std::move(frame));
}

void XmlWriter::Close() {
    assert(!open_.empty());
    if (open_.empty()) return;
    const Frame& frame = open_.back();
    out_ += frame.close;
    out_ += "</";
    out_ += frame.name;
    out_ += ">\n";
    open_.pop_back();
}

void XmlWriter::Element(std::string_view name, std::string_view text) {
    Element(name, XmlText::Raw(std::string(text)));
}

void XmlWriter::Element(std::string_view name, const XmlText& text) {
    const XmlIndent* rule = layout_.empty() ? nullptr : RuleFor(PathOf(name));
    if (rule != nullptr && rule->open != nullptr)
        out_ += rule->open;
    else
        out_ += ChildIndent();
    out_ += '<';
    out_.append(name);
    out_ += '>';
    out_ += text.str();
    out_ += "</";
    out_.append(name);
    out_ += ">\n";
}

void XmlWriter::Comment(std::string_view text) {
    Comment(text, open_.empty() ? std::string_view() : std::string_view(open_.back().comments));
}

void XmlWriter::Comment(std::string_view text, std::string_view indent) {
    out_.append(indent);
    out_ += "<!-- ";
    out_.append(text);
    out_ += " -->\n";
}

void XmlWriter::Base64(const unsigned char* bytes, std::size_t length) {
    AppendBase64Lines(out_, bytes, length);
}

void XmlWriter::Base64(const std::string& bytes) {
    Base64(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size());
}

void XmlWriter::Verbatim(std::string_view text) {
    out_.append(text);
}
