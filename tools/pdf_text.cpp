#include "tools/pdf_text.h"

#include <zlib.h>

#include <algorithm>
#include <climits>
#include <map>
#include <string_view>
#include <vector>

#include "library/md5.h"

namespace {

using Bytes = std::string;

constexpr unsigned char kPasswordPad[32] = {
    0x28, 0xBF, 0x4E, 0x5E, 0x4E, 0x75, 0x8A, 0x41, 0x64, 0x00, 0x4E, 0x56, 0xFF, 0xFA, 0x01, 0x08,
    0x2E, 0x2E, 0x00, 0xB6, 0xD0, 0x68, 0x3E, 0x80, 0x2F, 0x0C, 0xA9, 0xFE, 0x64, 0x53, 0x69, 0x7A};

Bytes Md5(const Bytes& data) {
    MD5 md5;
    md5.update(reinterpret_cast<const unsigned char*>(data.data()), data.size());
    md5.finalize();
    return md5.raw_digest();
}

void Rc4(const Bytes& key, Bytes& data) {
    if (key.empty()) return;
    unsigned char s[256];
    for (int i = 0; i < 256; ++i) s[i] = static_cast<unsigned char>(i);
    for (int i = 0, j = 0; i < 256; ++i) {
        j = (j + s[i] + static_cast<unsigned char>(key[i % key.size()])) & 255;
        std::swap(s[i], s[j]);
    }
    for (std::size_t n = 0, i = 0, j = 0; n < data.size(); ++n) {
        i = (i + 1) & 255;
        j = (j + s[i]) & 255;
        std::swap(s[i], s[j]);
        data[n] = static_cast<char>(data[n] ^ s[(s[i] + s[j]) & 255]);
    }
}

Bytes FromHex(std::string_view text, std::size_t at) {
    Bytes out;
    int high = -1;
    for (; at < text.size() && text[at] != '>'; ++at) {
        const char c = text[at];
        int v = -1;
        if (c >= '0' && c <= '9') v = c - '0';
        if (c >= 'A' && c <= 'F') v = c - 'A' + 10;
        if (c >= 'a' && c <= 'f') v = c - 'a' + 10;
        if (v < 0) continue;
        if (high < 0) {
            high = v;
        } else {
            out += static_cast<char>(high * 16 + v);
            high = -1;
        }
    }
    return out;
}

bool IsBlank(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}

// The whole number at `at`, after any blanks, read as strtol reads one but
// never past the end of `text` (a view into the document has no NUL after
// it, and a long run of blanks is passed over once). Too many digits give
// LONG_MAX. `at` ends after the digits; false, and `at` left alone, when
// there is no number.
bool ReadLong(std::string_view text, std::size_t& at, long& value) {
    std::size_t i = at;
    while (i < text.size() && IsBlank(text[i])) ++i;
    const bool negative = i < text.size() && text[i] == '-';
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) ++i;
    const std::size_t digits = i;
    long v = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        const int d = text[i] - '0';
        v = v > (LONG_MAX - d) / 10 ? LONG_MAX : v * 10 + d;
    }
    if (i == digits) return false;
    value = negative ? -v : v;
    at = i;
    return true;
}

// The value after `key` in a dictionary's text; `fallback` when the key is
// missing, 0 when no number follows it.
long NumberAfter(std::string_view dict, std::string_view key, long fallback) {
    std::size_t at = dict.find(key);
    if (at == std::string_view::npos) return fallback;
    at += key.size();
    long value = 0;
    return ReadLong(dict, at, value) ? value : 0;
}

// "N G obj" at the start of a line. Its text runs to its "endobj", or to
// the next object where that is missing: no object reaches into the next,
// so however damaged the file, every byte is looked at for one object only.
struct Object {
    long number = 0, generation = 0;
    std::size_t body = 0;   // just after "obj"
    std::size_t end = 0;    // its "endobj", else `limit`
    std::size_t limit = 0;  // where the next object's header starts, or the file ends
};

std::vector<Object> Objects(std::string_view pdf) {
    // Sized once: a file of nothing but headers makes a long list, and
    // growing it would touch its memory twice over.
    std::size_t headers = 0;
    for (std::size_t at = pdf.find(" obj"); at != std::string_view::npos;
         at = pdf.find(" obj", at + 4))
        ++headers;
    std::vector<Object> objects;
    objects.reserve(headers);
    for (std::size_t at = pdf.find(" obj"); at != std::string_view::npos;
         at = pdf.find(" obj", at + 4)) {
        std::size_t start = at;
        while (start > 0 && pdf[start - 1] != '\n' && pdf[start - 1] != '\r' && at - start < 24)
            --start;
        // The header is the number and generation alone ("7 obj" is read as
        // generation 0), so it holds no byte of the object before.
        const std::string_view header = pdf.substr(start, at - start);
        Object o;
        std::size_t i = 0;
        if (!ReadLong(header, i, o.number)) continue;
        ReadLong(header, i, o.generation);
        if (i != header.size()) continue;
        o.body = at + 4;
        o.limit = start;  // for now: the object before ends here
        objects.push_back(o);
    }
    for (std::size_t k = 0; k < objects.size(); ++k) {
        Object& o = objects[k];
        o.limit = std::max(o.body, k + 1 < objects.size() ? objects[k + 1].limit : pdf.size());
        const std::size_t end = pdf.substr(o.body, o.limit - o.body).find("endobj");
        o.end = end == std::string_view::npos ? o.limit : o.body + end;
    }
    return objects;
}

// The text of object `number` (the first of that number), and the whole
// number it starts with, as an indirect stream length is given. Both are
// found once, so a file whose streams all name one length object is still
// read in one pass.
class Bodies {
  public:
    Bodies(std::string_view pdf, const std::vector<Object>& objects) {
        for (const Object& o : objects) {
            if (bodies_.count(o.number) != 0) continue;
            Body b;
            b.text = pdf.substr(o.body, o.end - o.body);
            std::size_t at = 0;
            b.holdsNumber = ReadLong(b.text, at, b.number);
            bodies_.emplace(o.number, b);
        }
    }
    std::string_view Text(long number) const {
        const auto it = bodies_.find(number);
        return it == bodies_.end() ? std::string_view() : it->second.text;
    }
    bool Number(long number, long& value) const {
        const auto it = bodies_.find(number);
        if (it == bodies_.end() || !it->second.holdsNumber) return false;
        value = it->second.number;
        return true;
    }

  private:
    struct Body {
        std::string_view text;
        long number = 0;
        bool holdsNumber = false;
    };
    std::map<long, Body> bodies_;
};

// The file key of a standard security handler with an empty user password.
Bytes FileKey(std::string_view pdf, const Bodies& body) {
    const std::size_t trailer = pdf.rfind("/Encrypt ");
    if (trailer == std::string_view::npos) return Bytes();
    std::size_t at = trailer + 9;
    long number = 0;
    if (!ReadLong(pdf, at, number)) return Bytes();
    const std::string_view dict = body.Text(number);
    const std::size_t o = dict.find("/O <");
    const std::size_t id = pdf.find("/ID [", trailer);
    const std::size_t idStart = id == std::string_view::npos ? id : pdf.find('<', id);
    if (o == std::string_view::npos || idStart == std::string_view::npos) return Bytes();
    const long revision = NumberAfter(dict, "/R ", 2);
    const long bits = NumberAfter(dict, "/Length ", 40);
    const std::size_t n = revision >= 3 ? static_cast<std::size_t>(bits / 8) : 5;
    if (n < 5 || n > 16) return Bytes();
    const unsigned long permissions = static_cast<unsigned long>(NumberAfter(dict, "/P ", 0));
    Bytes seed(reinterpret_cast<const char*>(kPasswordPad), 32);
    seed += FromHex(dict, o + 4);
    for (int i = 0; i < 4; ++i) seed += static_cast<char>((permissions >> (8 * i)) & 0xFF);
    seed += FromHex(pdf, idStart + 1);
    Bytes key = Md5(seed).substr(0, n);
    if (revision >= 3) {
        for (int i = 0; i < 50; ++i) key = Md5(key).substr(0, n);
    }
    return key;
}

// Inflates `in` into `out` (emptied first, its room kept) while `out` holds
// at most `limit` bytes; true when the stream ended, or was cut short (what
// came is kept).
bool Inflate(const Bytes& in, Bytes& out, std::size_t limit) {
    out.clear();
    z_stream z{};
    if (inflateInit(&z) != Z_OK) return false;
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(in.data()));
    z.avail_in = static_cast<uInt>(in.size());
    std::size_t size = 0;
    int status = Z_OK;
    while (status == Z_OK) {
        // Straight into `out`, grown as it fills, to one byte past the limit.
        if (out.size() - size < 16384)
            out.resize(std::min(std::max<std::size_t>(2 * out.size(), 65536), limit + 1));
        const std::size_t room = std::min<std::size_t>(out.size() - size, 1u << 30);
        z.next_out = reinterpret_cast<Bytef*>(&out[size]);
        z.avail_out = static_cast<uInt>(room);
        status = inflate(&z, Z_NO_FLUSH);
        size += room - z.avail_out;
        if (size > limit) status = Z_MEM_ERROR;
        if (status == Z_BUF_ERROR && z.avail_in == 0) break;  // cut short: keep what came
    }
    inflateEnd(&z);
    out.resize(size);
    return status == Z_STREAM_END || status == Z_BUF_ERROR;
}

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

// The literal strings of a content stream, one per line: in the documents
// written by the program they are the texts shown.
void ShownStrings(const Bytes& content, std::string& text) {
    for (std::size_t i = content.find('('); i != std::string::npos; i = content.find('(', i)) {
        AppendLiteral(content, i, text);
        text += '\n';
    }
}

}  // namespace

std::string PdfLiteralString(const std::string& content, std::size_t& at) {
    std::string s;
    AppendLiteral(content, at, s);
    return s;
}

std::size_t PdfInflationBudget(std::size_t documentSize) {
    const std::size_t most = (kPdfTextLimit - kPdfInflationFloor) / kPdfInflationRatio;
    return documentSize >= most ? kPdfTextLimit
                                : kPdfInflationFloor + kPdfInflationRatio * documentSize;
}

std::string PdfShownText(const std::string& pdf) {
    const std::string_view all(pdf);
    const std::vector<Object> objects = Objects(all);
    const Bodies body(all, objects);
    const Bytes key = FileKey(all, body);
    // Every byte inflated counts, kept or not: streams that each inflate to
    // just under the budget and then fail would otherwise cost it each.
    std::size_t budget = PdfInflationBudget(pdf.size());
    // The text is never longer than the content it came from. Room is set
    // aside once, so neither is copied as it grows; only what is written is
    // ever touched.
    std::string text;
    text.reserve(budget);
    Bytes content;
    content.reserve(budget + 1);
    for (const Object& o : objects) {
        if (budget == 0) break;
        const std::string_view inside = all.substr(o.body, o.end - o.body);
        const std::size_t found = inside.find("stream");
        if (found == std::string_view::npos) continue;
        const std::string_view dict = inside.substr(0, found);
        if (dict.find("/FlateDecode") == std::string_view::npos ||
            dict.find("/Length1") != std::string_view::npos ||
            dict.find("/Subtype") != std::string_view::npos)
            continue;  // images, font files and other streams show no text
        const std::size_t lengthAt = dict.find("/Length ");
        if (lengthAt == std::string_view::npos) continue;
        // A length given directly, or as a reference ("N G R") to the object
        // holding it.
        std::size_t at = lengthAt + 8;
        long length = 0;
        if (!ReadLong(dict, at, length)) continue;
        long generation = 0;
        if (ReadLong(dict, at, generation) && dict.substr(at, 2) == " R" &&
            !body.Number(length, length))
            continue;
        // The data lies within its object: streams that claim the objects
        // after them would have those read again for each.
        std::size_t data = o.body + found + 6;
        if (data < o.limit && pdf[data] == '\r') ++data;
        if (data < o.limit && pdf[data] == '\n') ++data;
        if (length <= 0 || static_cast<std::size_t>(length) > o.limit - data) continue;
        Bytes bytes(all.substr(data, static_cast<std::size_t>(length)));
        if (!key.empty()) {
            Bytes objectKey = key;
            for (int i = 0; i < 3; ++i)
                objectKey += static_cast<char>((o.number >> (8 * i)) & 0xFF);
            for (int i = 0; i < 2; ++i)
                objectKey += static_cast<char>((o.generation >> (8 * i)) & 0xFF);
            Rc4(Md5(objectKey).substr(0, std::min<std::size_t>(key.size() + 5, 16)), bytes);
        }
        const bool whole = Inflate(bytes, content, budget);
        budget -= std::min(budget, content.size());
        if (whole) ShownStrings(content, text);
    }
    return text;
}
