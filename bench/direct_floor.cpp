// The floor that is the limit: the documents the program wrote, written again
// with nothing but zlib, RC4 and MD5 between their bytes and the file. Each
// document is given as qpdf's readable form of the program's PDF
// (qpdf --qdf --normalize-content=n --object-streams=disable --decrypt), whose
// streams are the run's bytes before compression. The copy keeps every object
// under its number, deflates every stream that has no filter at zlib's default
// level (the one libharu uses), passes the banner JPEG as it is, and protects
// the document as the program does: revision 3, a 128-bit key, the program's
// owner password and permissions, an empty user password and the same /ID.
//
//   tarvex-direct-floor OUTDIR DOCUMENT.qdf...     (writes OUTDIR/direct-N.pdf)
//
// Reading the documents is kept apart from writing them: bench/measure.sh
// counts the instructions of WriteDocuments (callgrind --toggle-collect) and
// adds those of a start with no documents, which is the process start alone.
// bench/direct-check.sh shows that the copies are the run's documents.
#include <zlib.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "library/md5.h"
#include "tools/pdf_text.h"

namespace {

// ---- the documents, ready to be written ---------------------------------

// A run of an object's text written as it is, or a string, which is written
// encrypted.
struct Piece {
    bool secret = false;
    std::string bytes;
};

struct Object {
    int number = 0;
    int generation = 0;
    std::vector<Piece> pieces;  // the whole object, or a stream's dictionary
    bool stream = false;
    bool deflate = false;  // a stream without a filter
    std::string data;      // a stream's bytes
    int lengthOf = -1;     // index of the stream whose written length this object holds
};

struct Document {
    std::vector<Object> objects;  // by increasing number
    int size = 0;                 // one more than the highest object number
    std::string root, info;       // "N G R"
    std::vector<unsigned char> id;
};

// ---- reading qpdf's readable form ----------------------------------------

bool Delimiter(char c) {
    return std::strchr(" \t\r\n\f()<>[]{}/%", c) != nullptr;
}

bool Keyword(const std::string& pdf, std::size_t at, const char* word) {
    const std::size_t n = std::strlen(word);
    return pdf.compare(at, n, word) == 0 && (at + n >= pdf.size() || Delimiter(pdf[at + n]));
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// The hex string that starts with "<" at `at`; `at` ends after its ">".
std::string HexString(const std::string& pdf, std::size_t& at) {
    std::string bytes;
    int high = -1;
    for (++at; at < pdf.size() && pdf[at] != '>'; ++at) {
        const int d = HexDigit(pdf[at]);
        if (d < 0) continue;
        if (high < 0) {
            high = d;
        } else {
            bytes += static_cast<char>(high * 16 + d);
            high = -1;
        }
    }
    if (high >= 0) bytes += static_cast<char>(high * 16);
    if (at < pdf.size()) ++at;
    return bytes;
}

// The value of the object that starts at `at`, cut into pieces, up to the
// keyword that ends it ("endobj" or "stream"), which `at` is left on. The
// indentation of the readable form is left out.
std::vector<Piece> ObjectPieces(const std::string& pdf, std::size_t& at) {
    std::vector<Piece> pieces(1);
    bool lineStart = true;
    while (at < pdf.size()) {
        const char c = pdf[at];
        if (lineStart && (c == ' ' || c == '\t')) {
            ++at;
            continue;
        }
        lineStart = c == '\n';
        const bool tokenStart = at == 0 || Delimiter(pdf[at - 1]);
        if (tokenStart && (Keyword(pdf, at, "endobj") || Keyword(pdf, at, "stream"))) break;
        if (c == '(' || (c == '<' && at + 1 < pdf.size() && pdf[at + 1] != '<')) {
            Piece s;
            s.secret = true;
            s.bytes = c == '(' ? PdfLiteralString(pdf, at) : HexString(pdf, at);
            pieces.push_back(std::move(s));
            pieces.emplace_back();
            continue;
        }
        std::size_t end = at + 1;
        if (c == '<') {
            end = at + 2;  // "<<"
        } else if (c == '/') {
            while (end < pdf.size() && !Delimiter(pdf[end])) ++end;  // a name, whole
        }
        pieces.back().bytes.append(pdf, at, end - at);
        at = end;
    }
    std::string& last = pieces.back().bytes;
    while (!last.empty() && (last.back() == '\n' || last.back() == '\r' || last.back() == ' '))
        last.pop_back();
    return pieces;
}

// The number after `key` in text ("/Length 9 0 R" -> 9), or -1.
long NumberAfter(const std::string& text, const char* key) {
    const std::size_t at = text.find(key);
    if (at == std::string::npos) return -1;
    return std::strtol(text.c_str() + at + std::strlen(key), nullptr, 10);
}

// "N G R" after `key` in text, or empty.
std::string ReferenceAfter(const std::string& text, const char* key) {
    const std::size_t at = text.find(key);
    if (at == std::string::npos) return "";
    const std::size_t start = at + std::strlen(key);
    const std::size_t end = text.find('R', start);
    return end == std::string::npos ? "" : text.substr(start, end + 1 - start);
}

bool Fail(const std::string& path, const char* why) {
    std::fprintf(stderr, "%s: %s\n", path.c_str(), why);
    return false;
}

// Objects are found through the cross-reference table, so that no stream's
// bytes are ever taken for the end of an object.
bool ReadDocument(const std::string& path, Document& doc) {
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    if (!in) return Fail(path, "cannot read");
    std::string pdf(static_cast<std::size_t>(in.tellg()), '\0');
    in.seekg(0);
    if (!in.read(pdf.data(), static_cast<std::streamsize>(pdf.size())))
        return Fail(path, "cannot read");
    const std::size_t startxref = pdf.rfind("startxref");
    if (startxref == std::string::npos) return Fail(path, "no startxref");
    std::size_t at = std::strtoul(pdf.c_str() + startxref + 9, nullptr, 10);
    if (pdf.compare(at, 4, "xref") != 0) return Fail(path, "no cross-reference table");
    at += 4;
    std::vector<std::size_t> offsets;  // by object number; 0 for a free entry
    while (true) {
        while (at < pdf.size() && (pdf[at] == '\n' || pdf[at] == '\r' || pdf[at] == ' ')) ++at;
        if (at >= pdf.size() || pdf.compare(at, 7, "trailer") == 0) break;
        char* end = nullptr;
        const unsigned long first = std::strtoul(pdf.c_str() + at, &end, 10);
        const unsigned long count = std::strtoul(end, &end, 10);
        at = static_cast<std::size_t>(end - pdf.c_str());
        while (at < pdf.size() && pdf[at] != '\n') ++at;
        ++at;
        if (offsets.size() < first + count) offsets.resize(first + count, 0);
        for (unsigned long i = 0; i < count; ++i, at += 20) {
            if (at + 20 > pdf.size()) return Fail(path, "cross-reference table cut short");
            if (pdf[at + 17] == 'n')
                offsets[first + i] = std::strtoul(pdf.c_str() + at, nullptr, 10);
        }
    }
    const std::string trailer = pdf.substr(at, startxref - at);
    doc.root = ReferenceAfter(trailer, "/Root ");
    doc.info = ReferenceAfter(trailer, "/Info ");
    std::size_t id = trailer.find("/ID");
    if (doc.root.empty() || id == std::string::npos) return Fail(path, "no /Root or /ID");
    id = trailer.find('<', id);
    const std::string first = id == std::string::npos ? "" : HexString(trailer, id);
    if (first.empty()) return Fail(path, "an empty /ID");
    doc.id.assign(first.begin(), first.end());
    doc.size = static_cast<int>(offsets.size());

    std::vector<int> indexOf(offsets.size(), -1);
    std::vector<std::pair<std::size_t, long>> lengths;  // stream index, its length object
    for (std::size_t number = 1; number < offsets.size(); ++number) {
        if (offsets[number] == 0) continue;
        at = offsets[number];
        Object object;
        char* end = nullptr;
        object.number = static_cast<int>(std::strtol(pdf.c_str() + at, &end, 10));
        object.generation = static_cast<int>(std::strtol(end, &end, 10));
        at = static_cast<std::size_t>(end - pdf.c_str());
        if (object.number != static_cast<int>(number) || !Keyword(pdf, at + 1, "obj"))
            return Fail(path, "cross-reference table does not point at its object");
        at += 4;
        object.pieces = ObjectPieces(pdf, at);
        if (Keyword(pdf, at, "stream")) {
            at += 6;
            if (pdf.compare(at, 2, "\r\n") == 0) ++at;
            ++at;
            object.stream = true;
            std::string dictionary;
            for (const Piece& p : object.pieces)
                if (!p.secret) dictionary += p.bytes;
            // The readable form keeps a stream's length in an object of its
            // own after the stream; the copy does the same with the length it
            // writes.
            const long lengthObject = NumberAfter(dictionary, "/Length ");
            if (lengthObject <= static_cast<long>(number) ||
                lengthObject >= static_cast<long>(offsets.size()) ||
                offsets[static_cast<std::size_t>(lengthObject)] == 0)
                return Fail(path, "a stream's length is not in a later object");
            std::size_t lengthAt = offsets[static_cast<std::size_t>(lengthObject)];
            lengthAt = pdf.find("obj", lengthAt) + 3;
            const std::size_t length = std::strtoul(pdf.c_str() + lengthAt, nullptr, 10);
            if (at + length > pdf.size()) return Fail(path, "a stream runs past the end");
            object.data = pdf.substr(at, length);
            lengths.emplace_back(doc.objects.size(), lengthObject);
            object.deflate = dictionary.find("/Filter") == std::string::npos;
            std::string& last = object.pieces.back().bytes;
            if (object.deflate) {
                const std::size_t close = last.rfind(">>");
                if (close == std::string::npos) return Fail(path, "a stream without dictionary");
                last.insert(close, "/Filter [ /FlateDecode ]\n");
            }
            last += '\n';
        } else if (!Keyword(pdf, at, "endobj")) {
            return Fail(path, "an object without its end");
        }
        indexOf[number] = static_cast<int>(doc.objects.size());
        doc.objects.push_back(std::move(object));
    }
    // Length objects, now that every stream is known.
    for (const auto& [stream, lengthObject] : lengths) {
        Object& holder =
            doc.objects[static_cast<std::size_t>(indexOf[static_cast<std::size_t>(lengthObject)])];
        if (holder.lengthOf >= 0 || holder.stream || holder.pieces.size() > 1)
            return Fail(path, "a length object that is not a stream's alone");
        holder.lengthOf = static_cast<int>(stream);
    }
    if (doc.objects.empty()) return Fail(path, "no objects");
    return true;
}

// ---- writing: zlib, RC4 and MD5 ------------------------------------------

// The program's owner password and permissions (pdf/document.cpp). The
// checks compare the copies' encryption key with the run's, which differs as
// soon as either does.
const char kOwnerPassword[] =
    "_[{~}xejpF+$o4R*FZQz;`iz(Y$+_2|@K/[7q:|03`[14Y%F/.di14[Jd!<<7INxY:qrALop*r"
    ">_w)I_1=z.&PW>,w[gl9G/NmC4iiOOF!xoybnNNt50'v~5L9$Atyv+#:)r]l2UxGA5|bf(w@Ab";
constexpr std::uint32_t kPrintOnly = 0xFFFFF8C4u;
constexpr std::size_t kKeyBytes = 16;

// Passwords are cut or padded to 32 bytes with this.
const unsigned char kPadding[32] = {
    0x28, 0xBF, 0x4E, 0x5E, 0x4E, 0x75, 0x8A, 0x41, 0x64, 0x00, 0x4E, 0x56, 0xFF, 0xFA, 0x01, 0x08,
    0x2E, 0x2E, 0x00, 0xB6, 0xD0, 0x68, 0x3E, 0x80, 0x2F, 0x0C, 0xA9, 0xFE, 0x64, 0x53, 0x69, 0x7A};

class Rc4 {
  public:
    Rc4(const unsigned char* key, std::size_t length) {
        for (int k = 0; k < 256; ++k) s_[k] = static_cast<unsigned char>(k);
        unsigned char j = 0;
        for (std::size_t k = 0; k < 256; ++k) {
            j = static_cast<unsigned char>(j + s_[k] + key[k % length]);
            const unsigned char t = s_[k];
            s_[k] = s_[j];
            s_[j] = t;
        }
    }
    unsigned char Next() {
        ++i_;
        const unsigned char si = s_[i_];
        j_ = static_cast<unsigned char>(j_ + si);
        const unsigned char sj = s_[j_];
        s_[i_] = sj;
        s_[j_] = si;
        return s_[static_cast<unsigned char>(si + sj)];
    }
    void Apply(unsigned char* bytes, std::size_t length) {
        for (std::size_t k = 0; k < length; ++k) bytes[k] ^= Next();
    }

  private:
    unsigned char s_[256];
    unsigned char i_ = 0, j_ = 0;
};

void Digest(const unsigned char* bytes, std::size_t length, unsigned char out[16]) {
    MD5 md5;
    md5.update(bytes, length);
    md5.finalize();
    std::memcpy(out, md5.raw_digest().data(), 16);
}

// Twenty rounds of RC4 over `bytes`, the key changed by the round's number.
void TwentyRounds(const unsigned char key[kKeyBytes], unsigned char* bytes, std::size_t length) {
    for (unsigned char round = 0; round < 20; ++round) {
        unsigned char k[kKeyBytes];
        for (std::size_t b = 0; b < kKeyBytes; ++b) k[b] = key[b] ^ round;
        Rc4(k, kKeyBytes).Apply(bytes, length);
    }
}

// Revision 3 of the standard protection, with an empty user password.
struct Protection {
    unsigned char key[kKeyBytes];
    unsigned char owner[32];
    unsigned char user[32];
};

Protection Protect(const std::vector<unsigned char>& id) {
    Protection p{};
    // The owner entry: the padded user password under a key made from the
    // owner password.
    unsigned char padded[32];
    const std::size_t length = std::min<std::size_t>(sizeof kOwnerPassword - 1, 32);
    std::memcpy(padded, kOwnerPassword, length);
    std::memcpy(padded + length, kPadding, 32 - length);
    unsigned char hash[16];
    Digest(padded, 32, hash);
    for (int k = 0; k < 50; ++k) Digest(hash, kKeyBytes, hash);
    std::memcpy(p.owner, kPadding, 32);
    TwentyRounds(hash, p.owner, 32);
    // The document's key.
    MD5 md5;
    md5.update(kPadding, 32);
    md5.update(p.owner, 32);
    const unsigned char permissions[4] = {static_cast<unsigned char>(kPrintOnly & 0xFF),
                                          static_cast<unsigned char>((kPrintOnly >> 8) & 0xFF),
                                          static_cast<unsigned char>((kPrintOnly >> 16) & 0xFF),
                                          static_cast<unsigned char>(kPrintOnly >> 24)};
    md5.update(permissions, 4);
    md5.update(id.data(), id.size());
    md5.finalize();
    std::memcpy(hash, md5.raw_digest().data(), 16);
    for (int k = 0; k < 50; ++k) Digest(hash, kKeyBytes, hash);
    std::memcpy(p.key, hash, kKeyBytes);
    // The user entry: the digest of the padding and the identifier, under
    // the document's key, then sixteen bytes of nothing.
    MD5 user;
    user.update(kPadding, 32);
    user.update(id.data(), id.size());
    user.finalize();
    std::memcpy(p.user, user.raw_digest().data(), 16);
    TwentyRounds(p.key, p.user, 16);
    return p;
}

// The RC4 state every string and stream of one object starts from.
Rc4 ObjectCipher(const Protection& p, const Object& object) {
    unsigned char salted[kKeyBytes + 5];
    std::memcpy(salted, p.key, kKeyBytes);
    const auto n = static_cast<unsigned>(object.number);
    const auto g = static_cast<unsigned>(object.generation);
    salted[kKeyBytes] = static_cast<unsigned char>(n & 0xFF);
    salted[kKeyBytes + 1] = static_cast<unsigned char>((n >> 8) & 0xFF);
    salted[kKeyBytes + 2] = static_cast<unsigned char>((n >> 16) & 0xFF);
    salted[kKeyBytes + 3] = static_cast<unsigned char>(g & 0xFF);
    salted[kKeyBytes + 4] = static_cast<unsigned char>((g >> 8) & 0xFF);
    unsigned char key[16];
    Digest(salted, sizeof salted, key);
    return Rc4(key, kKeyBytes);
}

const char kHex[] = "0123456789ABCDEF";

void AppendHex(std::string& out, const unsigned char* bytes, std::size_t length) {
    out += '<';
    for (std::size_t k = 0; k < length; ++k) {
        out += kHex[bytes[k] >> 4];
        out += kHex[bytes[k] & 0xF];
    }
    out += '>';
}

void AppendNumber(std::string& out, std::size_t value) {
    char digits[24];
    std::size_t n = 0;
    do {
        digits[n++] = static_cast<char>('0' + value % 10);
        value /= 10;
    } while (value != 0);
    while (n > 0) out += digits[--n];
}

// An offset or generation of the cross-reference table, `width` digits.
void AppendPadded(std::string& out, std::size_t value, int width) {
    const std::size_t at = out.size();
    out.append(static_cast<std::size_t>(width), '0');
    for (std::size_t k = at + static_cast<std::size_t>(width); k > at && value != 0; value /= 10)
        out[--k] = static_cast<char>('0' + value % 10);
}

bool WriteDocument(const Document& doc, z_stream& z, const std::string& path) {
    const Protection protection = Protect(doc.id);
    std::size_t estimate = 4096 + 20 * static_cast<std::size_t>(doc.size);
    for (const Object& o : doc.objects) {
        estimate += o.data.size() + o.data.size() / 64 + 64;
        for (const Piece& p : o.pieces) estimate += 2 * p.bytes.size() + 2;
    }
    std::string out;
    out.reserve(estimate);
    out += "%PDF-1.4\n%\xB7\xBE\xAD\xAA\n";
    std::vector<std::size_t> offsets(static_cast<std::size_t>(doc.size) + 1, 0);
    std::vector<std::size_t> written(doc.objects.size(), 0);  // streams' lengths
    for (std::size_t i = 0; i < doc.objects.size(); ++i) {
        const Object& object = doc.objects[i];
        offsets[static_cast<std::size_t>(object.number)] = out.size();
        AppendNumber(out, static_cast<std::size_t>(object.number));
        out += ' ';
        AppendNumber(out, static_cast<std::size_t>(object.generation));
        out += " obj\n";
        if (object.lengthOf >= 0) {
            AppendNumber(out, written[static_cast<std::size_t>(object.lengthOf)]);
            out += "\nendobj\n";
            continue;
        }
        // Only an object with strings or a stream needs its key.
        std::optional<Rc4> cipher;
        if (object.stream || object.pieces.size() > 1) cipher = ObjectCipher(protection, object);
        for (const Piece& piece : object.pieces) {
            if (!piece.secret) {
                out += piece.bytes;
                continue;
            }
            Rc4 rc4 = *cipher;
            out += '<';
            for (const char c : piece.bytes) {
                const auto b =
                    static_cast<unsigned char>(static_cast<unsigned char>(c) ^ rc4.Next());
                out += kHex[b >> 4];
                out += kHex[b & 0xF];
            }
            out += '>';
        }
        if (object.stream) {
            out += "stream\r\n";
            const std::size_t start = out.size();
            if (object.deflate) {
                if (deflateReset(&z) != Z_OK) return false;
                const auto length = static_cast<uLong>(object.data.size());
                out.resize(start + deflateBound(&z, length));
                z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(object.data.data()));
                z.avail_in = static_cast<uInt>(length);
                z.next_out = reinterpret_cast<Bytef*>(&out[start]);
                z.avail_out = static_cast<uInt>(out.size() - start);
                if (deflate(&z, Z_FINISH) != Z_STREAM_END) return false;
                out.resize(start + z.total_out);
            } else {
                out += object.data;
            }
            Rc4 rc4 = *cipher;
            rc4.Apply(reinterpret_cast<unsigned char*>(&out[start]), out.size() - start);
            written[i] = out.size() - start;
            out += "\nendstream";
        }
        out += "\nendobj\n";
    }
    const auto encrypt = static_cast<std::size_t>(doc.size);
    offsets[encrypt] = out.size();
    AppendNumber(out, encrypt);
    out += " 0 obj\n<<\n/Filter /Standard\n/V 2\n/R 3\n/Length 128\n/P -";
    AppendNumber(out, 0x100000000ull - kPrintOnly);
    out += "\n/O ";
    AppendHex(out, protection.owner, 32);
    out += "\n/U ";
    AppendHex(out, protection.user, 32);
    out += "\n>>\nendobj\n";

    const std::size_t xref = out.size();
    out += "xref\n0 ";
    AppendNumber(out, encrypt + 1);
    out += "\n0000000000 65535 f\r\n";
    for (std::size_t n = 1; n <= encrypt; ++n) {
        AppendPadded(out, offsets[n], 10);
        out += offsets[n] == 0 ? " 65535 f\r\n" : " 00000 n\r\n";
    }
    out += "trailer\n<<\n/Root ";
    out += doc.root;
    if (!doc.info.empty()) {
        out += "\n/Info ";
        out += doc.info;
    }
    out += "\n/Encrypt ";
    AppendNumber(out, encrypt);
    out += " 0 R\n/ID [ ";
    AppendHex(out, doc.id.data(), doc.id.size());
    out += ' ';
    AppendHex(out, doc.id.data(), doc.id.size());
    out += " ]\n/Size ";
    AppendNumber(out, encrypt + 1);
    out += "\n>>\nstartxref\n";
    AppendNumber(out, xref);
    out += "\n%%EOF\n";

    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) return false;
    const bool whole = std::fwrite(out.data(), 1, out.size(), file) == out.size();
    return std::fclose(file) == 0 && whole;
}

}  // namespace

// Everything written for the documents; the only part measured.
__attribute__((noinline)) bool WriteDocuments(const std::vector<Document>& documents,
                                              const std::string& outDir) {
    z_stream z{};
    // zlib's default level, which libharu compresses at.
    if (deflateInit(&z, Z_DEFAULT_COMPRESSION) != Z_OK) return false;
    bool ok = true;
    for (std::size_t i = 0; i < documents.size() && ok; ++i) {
        const std::string path = outDir + "/direct-" + std::to_string(i + 1) + ".pdf";
        ok = WriteDocument(documents[i], z, path);
        if (!ok) std::fprintf(stderr, "cannot write %s\n", path.c_str());
    }
    deflateEnd(&z);
    return ok;
}

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s OUTDIR DOCUMENT.qdf...\n", argv[0]);
        return 2;
    }
    std::vector<Document> documents(static_cast<std::size_t>(argc - 2));
    for (int i = 2; i < argc; ++i)
        if (!ReadDocument(argv[i], documents[static_cast<std::size_t>(i - 2)])) return 1;
    return WriteDocuments(documents, argv[1]) ? 0 : 1;
}
