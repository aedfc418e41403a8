#include "reports/unstructured_data.h"

#include <cstdio>
#include <cstring>

namespace {

bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

bool IsBase64Text(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '+' ||
           c == '/' || c == '=' || IsSpace(c);
}

bool IsControl(char32_t c) {
    return (c < 0x20 && c != '\t' && c != '\n' && c != '\r') || (c >= 0x7F && c <= 0x9F);
}

// The characters XML carries, less the control characters: the register
// reads none of them, and several make the message fail to parse at all.
bool IsAllowedCharacter(char32_t c) {
    if (IsControl(c)) return false;
    if (c >= 0xD800 && c <= 0xDFFF) return false;
    if (c == 0xFFFE || c == 0xFFFF) return false;
    return c <= 0x10FFFF;
}

// The length of the UTF-8 character at `at`, decoded into `c`; 0 when the
// bytes there are not UTF-8 (overlong forms and surrogates included).
std::size_t DecodeUtf8(const std::string& t, std::size_t at, char32_t& c) {
    const auto first = static_cast<unsigned char>(t[at]);
    std::size_t length = 0;
    char32_t least = 0;
    if (first < 0x80) {
        c = first;
        return 1;
    } else if ((first & 0xE0) == 0xC0) {
        length = 2;
        c = first & 0x1F;
        least = 0x80;
    } else if ((first & 0xF0) == 0xE0) {
        length = 3;
        c = first & 0x0F;
        least = 0x800;
    } else if ((first & 0xF8) == 0xF0) {
        length = 4;
        c = first & 0x07;
        least = 0x10000;
    } else {
        return 0;
    }
    if (t.size() - at < length) return 0;
    for (std::size_t i = 1; i < length; ++i) {
        const auto b = static_cast<unsigned char>(t[at + i]);
        if ((b & 0xC0) != 0x80) return 0;
        c = (c << 6) | (b & 0x3F);
    }
    if (c < least || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return 0;
    return length;
}

std::string CodePoint(char32_t c) {
    char text[16];
    std::snprintf(text, sizeof text, "U+%04X", static_cast<unsigned>(c));
    return text;
}

// The value of a numeric character reference's name ("#233", "#xE9"); false
// when it is none. Values past the last character stop at one past it.
bool NumericReference(const std::string& name, char32_t& value) {
    const bool hex = name.size() > 2 && name[1] == 'x';
    const std::size_t from = hex ? 2 : 1;
    if (name.size() <= from) return false;
    value = 0;
    for (std::size_t i = from; i < name.size(); ++i) {
        const char c = name[i];
        unsigned digit = 0;
        if (c >= '0' && c <= '9')
            digit = static_cast<unsigned>(c - '0');
        else if (hex && c >= 'a' && c <= 'f')
            digit = static_cast<unsigned>(c - 'a' + 10);
        else if (hex && c >= 'A' && c <= 'F')
            digit = static_cast<unsigned>(c - 'A' + 10);
        else
            return false;
        if (value <= 0x10FFFF) value = value * (hex ? 16 : 10) + digit;
    }
    return true;
}

class Checker {
  public:
    explicit Checker(const std::string& text) : t_(text) {}

    DataProblem Run() {
        if (Characters() && Document()) return DataProblem{};
        return problem_;
    }

  private:
    bool At(const std::string& s) const { return t_.compare(p_, s.size(), s) == 0; }
    bool Take(const std::string& s) {
        if (!At(s)) return false;
        p_ += s.size();
        return true;
    }
    void SkipSpace() {
        while (p_ < t_.size() && IsSpace(t_[p_])) ++p_;
    }
    bool Fail(const std::string& what) {
        problem_.at = p_;
        problem_.what = what;
        return false;
    }

    // Every character is one XML carries and the register reads.
    bool Characters() {
        for (p_ = 0; p_ < t_.size();) {
            char32_t c = 0;
            const std::size_t length = DecodeUtf8(t_, p_, c);
            if (length == 0) return Fail("bytes that are not UTF-8");
            if (IsControl(c)) return Fail("a control character (" + CodePoint(c) + ")");
            if (!IsAllowedCharacter(c))
                return Fail("a character XML cannot carry (" + CodePoint(c) + ")");
            p_ += length;
        }
        p_ = 0;
        return true;
    }

    bool Document() {
        SkipSpace();
        if (!Take("<CEPC:Unstructured-Data>"))
            return Fail("the data does not begin with <CEPC:Unstructured-Data>");
        for (;;) {
            if (!Misc()) return false;
            if (Take("<Data-Blob>")) {
                if (!Blob()) return false;
            } else if (Take("</CEPC:Unstructured-Data>")) {
                break;
            } else {
                return Unexpected("CEPC:Unstructured-Data");
            }
        }
        SkipSpace();
        if (p_ != t_.size()) return Fail("something follows </CEPC:Unstructured-Data>");
        return true;
    }

    bool Blob() {
        if (!Misc() || !Leaf("File-Location", false) || !Misc()) return false;
        if (At("<File-Type>") && !(Leaf("File-Type", false) && Misc())) return false;
        if (!Leaf("Data", true) || !Misc()) return false;
        return Take("</Data-Blob>") || Unexpected("Data-Blob");
    }

    // An element that holds text only.
    bool Leaf(const std::string& name, bool base64) {
        if (!Take("<" + name + ">")) return Unexpected("Data-Blob");
        while (p_ < t_.size() && t_[p_] != '<') {
            const char c = t_[p_];
            if (base64) {
                if (!IsBase64Text(c)) return Fail("text other than base64 in <Data>");
                ++p_;
            } else if (c == '&') {
                if (!Reference()) return false;
            } else {
                if (At("]]>")) return Fail("]]> in text");
                ++p_;
            }
        }
        return Take("</" + name + ">") || Unexpected(name);
    }

    // White space and comments.
    bool Misc() {
        for (;;) {
            SkipSpace();
            if (!At("<!--")) return true;
            const std::size_t dashes = t_.find("--", p_ + 4);
            if (dashes == std::string::npos) return Fail("a comment that is not closed");
            if (dashes + 2 >= t_.size() || t_[dashes + 2] != '>') {
                p_ = dashes;
                return Fail("-- inside a comment");
            }
            p_ = dashes + 3;
        }
    }

    // The reference that starts at the "&" at p_.
    bool Reference() {
        // No reference we accept is longer than this, leading zeros aside.
        constexpr std::size_t kLongest = 32;
        const std::size_t end = t_.find(';', p_);
        if (end == std::string::npos || end - p_ > kLongest)
            return Fail("a raw & (not a reference)");
        const std::string name = t_.substr(p_ + 1, end - p_ - 1);
        const bool predefined =
            name == "amp" || name == "lt" || name == "gt" || name == "quot" || name == "apos";
        if (!predefined) {
            char32_t value = 0;
            if (name.empty() || name[0] != '#' || !NumericReference(name, value))
                return Fail("a raw & or an unknown entity");
            if (!IsAllowedCharacter(value))
                return Fail("a reference to a character XML cannot carry (&" + name + ";)");
        }
        p_ = end + 1;
        return true;
    }

    // What stands at p_ where the element `inside` holds something else.
    bool Unexpected(const std::string& inside) {
        if (p_ >= t_.size()) return Fail("the data ends before </" + inside + ">");
        if (At("<![CDATA[")) return Fail("a CDATA section");
        if (At("<?")) return Fail("a processing instruction");
        if (At("<!")) return Fail("a declaration");
        // The tag as it stands, shortened, for the log.
        std::size_t end = p_ + 1;
        while (end < t_.size() && end - p_ < 60 && t_[end] != '>' && t_[end] != '<' &&
               static_cast<unsigned char>(t_[end]) >= 0x20)
            ++end;
        const std::string tag =
            t_.substr(p_, end - p_) + (end < t_.size() && t_[end] == '>' ? ">" : "");
        if (At("</")) return Fail("an end tag out of place in <" + inside + ">: " + tag);
        if (At("<")) return Fail("an element out of place in <" + inside + ">: " + tag);
        return Fail("text out of place in <" + inside + ">");
    }

    const std::string& t_;
    std::size_t p_ = 0;
    DataProblem problem_;
};

}  // namespace

DataProblem UnstructuredDataProblem(const std::string& text) {
    return Checker(text).Run();
}
