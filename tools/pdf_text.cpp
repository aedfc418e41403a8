#include "tools/pdf_text.h"

#include <string_view>

namespace {

// The literal string that starts with "(" at `at`, its escapes read, added
// to `out`; `at` ends just after its closing ")", or at the end of a string
// cut short. Bytes that need no reading are added a run at a time.
void AppendLiteral(std::string_view content, std::size_t& at, std::string& out) {
    int depth = 1;
    std::size_t j = at + 1;
    while (j < content.size()) {
        std::size_t plain = j;
        while (plain < content.size() && content[plain] != '\\' && content[plain] != '(' &&
               content[plain] != ')')
            ++plain;
        if (plain > j) out.append(content.data() + j, plain - j);
        j = plain;
        if (j >= content.size()) break;
        char c = content[j];
        if (c == '\\' && j + 1 < content.size()) {
            c = content[++j];
            if (c >= '0' && c <= '7') {
                int v = c - '0';
                for (int k = 0; k < 2 && j + 1 < content.size() && content[j + 1] >= '0' &&
                                content[j + 1] <= '7';
                     ++k)
                    v = v * 8 + (content[++j] - '0');
                c = static_cast<char>(v);
            } else if (c == 'n') {
                c = '\n';
            } else if (c == 'r') {
                c = '\r';
            } else if (c == 't') {
                c = '\t';
            }
        } else if (c == '(') {
            ++depth;
        } else if (c == ')' && --depth == 0) {
            break;
        }
        out += c;
        ++j;
    }
    at = j < content.size() ? j + 1 : content.size();
}

}  // namespace

std::string PdfLiteralString(const std::string& content, std::size_t& at) {
    std::string s;
    AppendLiteral(content, at, s);
    return s;
}
