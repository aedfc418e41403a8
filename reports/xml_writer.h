#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "app/xml_text.h"

// Where an element's lines stand when the nesting alone would not place them
// there. The register messages keep the layout they have always had: their
// seal covers every byte. `path` names the element by its name and, as far
// as needed to tell it apart, the names of the elements it lies in, outermost
// first ("HVAC-System-Data/Activities"); the longest path that matches wins.
// An indent left null is the nesting's.
struct XmlIndent {
    const char* path = "";
    const char* open = nullptr;      // its start tag or text line: its parent's children's
    const char* close = nullptr;     // its end tag: as its start tag
    const char* children = nullptr;  // what it holds: its start tag's and a tab
    const char* comments = nullptr;  // comments in it: as its children
};

// Writes XML one element or comment to a line, appended to a text: the
// nesting sets each line's indentation, and text is escaped here once. A text
// that is already escaped (XmlText, made by the encoding function) is written
// as it stands, so nothing is escaped twice.
class XmlWriter {
  public:
    using Attributes = std::vector<std::pair<std::string_view, std::string>>;

    // Appends to `out`, which outlives the writer.
    explicit XmlWriter(std::string& out, std::vector<XmlIndent> layout = {});

    // <?xml version="1.0" encoding="UTF-8"?>
    void Declaration();
    // A start tag on a line of its own; what follows lies in it until Close.
    void Open(std::string_view name);
    // A start tag with its attributes, each on a line of its own below the
    // name, and ">" on the line after them. The values are escaped.
    void Open(std::string_view name, const Attributes& attributes);
    // The end tag of the innermost open element.
    void Close();
    // <name>text</name> on a line of its own: `text` escaped, or, already
    // escaped, as it stands. An empty text gives <name></name>.
    void Element(std::string_view name, std::string_view text);
    void Element(std::string_view name, const XmlText& text);
    // <!-- text --> on a line of its own, where the nesting places comments,
    // or after `indent` for one that stands elsewhere. `text` is our own and
    // holds no "--".
    void Comment(std::string_view text);
    void Comment(std::string_view text, std::string_view indent);
    // Bytes as base64 lines of 76 characters from the first column, each
    // line ended.
    void Base64(const unsigned char* bytes, std::size_t length);
    void Base64(const std::string& bytes);
    // Lines of markup made and checked elsewhere, as they stand.
    void Verbatim(std::string_view text);

    // How many elements are open.
    std::size_t depth() const { return open_.size(); }

  private:
    struct Frame {
        std::string name, path, close, children, comments;
    };
    const XmlIndent* RuleFor(const std::string& path) const;
    std::string PathOf(std::string_view name) const;
    const std::string& ChildIndent() const;

    std::string& out_;
    std::vector<XmlIndent> layout_;
    std::vector<Frame> open_;
};
