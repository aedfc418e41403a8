#include "app/xml_text.h"

#include "app/textutil.h"

namespace {

bool IsForbiddenControl(unsigned char b) {
    return b < 0x20 && b != '\t' && b != '\n' && b != '\r';
}

}  // namespace

std::string XmlRaw(const std::string& text, TextEncoding from) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t at = 0; at < text.size(); ++at) {
        const char ch = text[at];
        const auto b = static_cast<unsigned char>(ch);
        if (b >= 0x80 && from == TextEncoding::kUtf8) {
            // The whole run of non-ASCII bytes, so no character is cut apart.
            std::size_t end = at;
            while (end < text.size() && static_cast<unsigned char>(text[end]) >= 0x80) ++end;
            out += EncodeText(text.substr(at, end - at), from, OutputEncoding::kXml).text;
            at = end - 1;
        } else if (ch == '&' || ch == '<' || ch == '>' || b >= 0x80)
            out += StripXMLQuotes(std::string(1, ch));
        else if (IsForbiddenControl(b))
            out += '?';
        else
            out += ch;
    }
    return out;
}

std::string XmlEscaped(const std::string& text, TextEncoding from) {
    std::string out = EncodeText(text, from, OutputEncoding::kXml).text;
    for (char& ch : out)
        if (IsForbiddenControl(static_cast<unsigned char>(ch))) ch = '?';
    return out;
}
