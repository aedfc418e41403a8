#pragma once

#include <string>
#include <utility>

#include "app/encoding.h"

// Values of the input as the register messages carry them.

// A value carried as it stands, quotes included, except what XML cannot
// carry: "&", "<", ">" and every byte from 0x80 up are written as
// StripXMLQuotes writes them, and control bytes other than tab, line feed and
// carriage return become "?". A UTF-8 input's characters become one
// reference each.
std::string XmlRaw(const std::string& text, TextEncoding from = TextEncoding::kWindows1252);

// StripXMLQuotes, with control bytes other than tab, line feed and carriage
// return written as "?" (XML cannot carry them).
std::string XmlEscaped(const std::string& text, TextEncoding from = TextEncoding::kWindows1252);

// Text fit to stand between two tags as it is. Only the two functions above
// make one, so a text in it has been escaped once, and a writer that is
// handed it (reports/xml_writer.h) writes it as it stands.
class XmlText {
  public:
    XmlText() = default;
    static XmlText Raw(const std::string& text, TextEncoding from = TextEncoding::kWindows1252) {
        return XmlText(XmlRaw(text, from));
    }
    static XmlText Escaped(const std::string& text,
                           TextEncoding from = TextEncoding::kWindows1252) {
        return XmlText(XmlEscaped(text, from));
    }

    const std::string& str() const { return text_; }
    bool empty() const { return text_.empty(); }
    XmlText& operator+=(const XmlText& more) {
        text_ += more.text_;
        return *this;
    }
    friend bool operator==(const XmlText& a, const XmlText& b) { return a.text_ == b.text_; }
    friend bool operator!=(const XmlText& a, const XmlText& b) { return !(a == b); }

  private:
    explicit XmlText(std::string text) : text_(std::move(text)) {}
    std::string text_;
};
