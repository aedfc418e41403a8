#include "reports/xml_text.h"

#include "app/textutil.h"

namespace {

bool IsForbiddenControl(unsigned char b) {
    return b < 0x20 && b != '\t' && b != '\n' && b != '\r';
}

}  // namespace

std::string XmlRaw(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (char ch : text) {
        const auto b = static_cast<unsigned char>(ch);
        if (ch == '&' || ch == '<' || ch == '>' || b >= 0x80)
            out += StripXMLQuotes(std::string(1, ch));
        else if (IsForbiddenControl(b))
            out += '?';
        else
            out += ch;
    }
    return out;
}

std::string XmlEscaped(const std::string& text) {
    std::string out = StripXMLQuotes(text);
    for (char& ch : out)
        if (IsForbiddenControl(static_cast<unsigned char>(ch))) ch = '?';
    return out;
}
