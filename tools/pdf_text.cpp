#include "tools/pdf_text.h"

#include <zlib.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
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

Bytes FromHex(const std::string& text, std::size_t at) {
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

// The value after `key` in a dictionary's text, as a long; `fallback` when
// the key is missing.
long NumberAfter(const std::string& dict, const char* key, long fallback) {
    const std::size_t at = dict.find(key);
    if (at == std::string::npos) return fallback;
    return std::strtol(dict.c_str() + at + std::strlen(key), nullptr, 10);
}

// "N G obj" at the start of a line: the body that follows and its number.
struct Object {
    long number = 0, generation = 0;
    std::size_t body = 0;  // just after "obj"
};

std::vector<Object> Objects(const std::string& pdf) {
    std::vector<Object> objects;
    for (std::size_t at = pdf.find(" obj"); at != std::string::npos;
         at = pdf.find(" obj", at + 4)) {
        std::size_t start = at;
        while (start > 0 && pdf[start - 1] != '\n' && pdf[start - 1] != '\r' && at - start < 24)
            --start;
        Object o;
        char* end = nullptr;
        o.number = std::strtol(pdf.c_str() + start, &end, 10);
        if (end == pdf.c_str() + start) continue;
        o.generation = std::strtol(end, &end, 10);
        if (end != pdf.c_str() + at) continue;
        o.body = at + 4;
        objects.push_back(o);
    }
    return objects;
}

// The body of object `number` (the first of that number), found through an
// index so that a file of many objects is still read in one pass.
class Bodies {
  public:
    Bodies(const std::string& pdf, const std::vector<Object>& objects) : pdf_(pdf) {
        for (const Object& o : objects) start_.emplace(o.number, o.body);
    }
    std::string operator()(long number) const {
        const auto it = start_.find(number);
        if (it == start_.end()) return std::string();
        const std::size_t end = pdf_.find("endobj", it->second);
        return pdf_.substr(it->second,
                           end == std::string::npos ? std::string::npos : end - it->second);
    }

  private:
    const std::string& pdf_;
    std::map<long, std::size_t> start_;
};

// The file key of a standard security handler with an empty user password.
Bytes FileKey(const std::string& pdf, const Bodies& body) {
    const std::size_t trailer = pdf.rfind("/Encrypt ");
    if (trailer == std::string::npos) return Bytes();
    const std::string dict = body(std::strtol(pdf.c_str() + trailer + 9, nullptr, 10));
    const std::size_t o = dict.find("/O <");
    const std::size_t id = pdf.find("/ID [", trailer);
    const std::size_t idStart = id == std::string::npos ? id : pdf.find('<', id);
    if (o == std::string::npos || idStart == std::string::npos) return Bytes();
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

bool Inflate(const Bytes& in, Bytes& out, std::size_t limit) {
    z_stream z{};
    if (inflateInit(&z) != Z_OK) return false;
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(in.data()));
    z.avail_in = static_cast<uInt>(in.size());
    char buffer[16384];
    int status = Z_OK;
    while (status == Z_OK) {
        z.next_out = reinterpret_cast<Bytef*>(buffer);
        z.avail_out = sizeof buffer;
        status = inflate(&z, Z_NO_FLUSH);
        out.append(buffer, sizeof buffer - z.avail_out);
        if (out.size() > limit) status = Z_MEM_ERROR;
        if (status == Z_BUF_ERROR && z.avail_in == 0) break;  // cut short: keep what came
    }
    inflateEnd(&z);
    return status == Z_STREAM_END || status == Z_BUF_ERROR;
}

// The literal strings of a content stream, one per line: in the documents
// written by the program they are the texts shown.
void ShownStrings(const Bytes& content, std::string& text) {
    for (std::size_t i = content.find('('); i != std::string::npos; i = content.find('(', i)) {
        text += PdfLiteralString(content, i);
        text += '\n';
    }
}

}  // namespace

std::string PdfLiteralString(const std::string& content, std::size_t& at) {
    std::string s;
    int depth = 1;
    std::size_t j = at + 1;
    for (; j < content.size(); ++j) {
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
        s += c;
    }
    at = j < content.size() ? j + 1 : content.size();
    return s;
}

std::string PdfShownText(const std::string& pdf) {
    const std::vector<Object> objects = Objects(pdf);
    const Bodies body(pdf, objects);
    const Bytes key = FileKey(pdf, body);
    std::string text;
    std::size_t inflated = 0;
    for (const Object& o : objects) {
        // The stream is looked for inside the object only: a file of many
        // objects without streams is still read in one pass.
        std::size_t end = pdf.find("endobj", o.body);
        if (end == std::string::npos) end = pdf.size();
        const std::size_t found = std::string_view(pdf).substr(o.body, end - o.body).find("stream");
        if (found == std::string_view::npos) continue;
        const std::size_t stream = o.body + found;
        const std::string dict = pdf.substr(o.body, stream - o.body);
        if (dict.find("/FlateDecode") == std::string::npos ||
            dict.find("/Length1") != std::string::npos ||
            dict.find("/Subtype") != std::string::npos)
            continue;  // images, font files and other streams show no text
        const std::size_t lengthAt = dict.find("/Length ");
        if (lengthAt == std::string::npos) continue;
        // A length given directly, or as a reference to the object holding it.
        char* after = nullptr;
        long length = std::strtol(dict.c_str() + lengthAt + 8, &after, 10);
        char* afterGeneration = nullptr;
        std::strtol(after, &afterGeneration, 10);
        if (afterGeneration != after && std::strncmp(afterGeneration, " R", 2) == 0)
            length = std::strtol(body(length).c_str(), nullptr, 10);
        std::size_t data = stream + 6;
        if (data < pdf.size() && pdf[data] == '\r') ++data;
        if (data < pdf.size() && pdf[data] == '\n') ++data;
        if (length <= 0 || data > pdf.size() ||
            static_cast<std::size_t>(length) > pdf.size() - data)
            continue;
        Bytes bytes = pdf.substr(data, static_cast<std::size_t>(length));
        if (!key.empty()) {
            Bytes objectKey = key;
            for (int i = 0; i < 3; ++i)
                objectKey += static_cast<char>((o.number >> (8 * i)) & 0xFF);
            for (int i = 0; i < 2; ++i)
                objectKey += static_cast<char>((o.generation >> (8 * i)) & 0xFF);
            Rc4(Md5(objectKey).substr(0, std::min<std::size_t>(key.size() + 5, 16)), bytes);
        }
        Bytes content;
        if (!Inflate(bytes, content, kPdfTextLimit - inflated)) continue;
        inflated += content.size();
        ShownStrings(content, text);
    }
    return text;
}
