#include "tests/pdf/pdf_check.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cctype>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <regex>
#include <set>
#include <sstream>

#include "tests/support/tempdir.h"

namespace {

std::string FindOnPath(const std::string& name) {
    const char* path = std::getenv("PATH");
    std::istringstream dirs(path != nullptr ? path : "/usr/bin:/bin");
    for (std::string dir; std::getline(dirs, dir, ':');) {
        if (dir.empty()) continue;
        const std::string candidate = dir + "/" + name;
        if (access(candidate.c_str(), X_OK) == 0) return candidate;
    }
    return std::string();
}

}  // namespace

ProcessResult RunTool(const std::string& program, const std::vector<std::string>& args) {
    const std::string path = FindOnPath(program);
    if (path.empty()) {
        ProcessResult missing;
        missing.exitCode = 127;
        missing.err = program + " is not installed";
        return missing;
    }
    std::vector<std::string> all{path};
    all.insert(all.end(), args.begin(), args.end());
    return RunProcess(all);
}

std::string PdfText(const std::string& pdf) {
    return RunTool("pdftotext", {"-enc", "UTF-8", "-raw", pdf, "-"}).out;
}

std::string PdfPageText(const std::string& pdf, int page) {
    const std::string n = std::to_string(page);
    return RunTool("pdftotext", {"-enc", "UTF-8", "-raw", "-f", n, "-l", n, pdf, "-"}).out;
}

std::string PdfInfoField(const std::string& pdf, const std::string& field) {
    std::istringstream lines(RunTool("pdfinfo", {pdf}).out);
    for (std::string line; std::getline(lines, line);) {
        if (line.compare(0, field.size() + 1, field + ":") != 0) continue;
        const std::string::size_type start = line.find_first_not_of(' ', field.size() + 1);
        return start == std::string::npos ? std::string() : line.substr(start);
    }
    return std::string();
}

bool ReadPpm(const std::string& path, Raster& image) {
    std::ifstream in(path, std::ios::binary);
    std::string magic;
    int maxval = 0;
    if (!(in >> magic >> image.width >> image.height >> maxval) || magic != "P6" || maxval != 255)
        return false;
    in.get();
    image.rgb.resize(static_cast<std::size_t>(3 * image.width * image.height));
    in.read(reinterpret_cast<char*>(image.rgb.data()),
            static_cast<std::streamsize>(image.rgb.size()));
    return static_cast<bool>(in);
}

bool RenderFirstPage(const std::string& pdf, int dpi, Raster& image) {
    TempDir dir;
    const std::string root = dir.file("page");
    const ProcessResult r = RunTool(
        "pdftoppm", {"-r", std::to_string(dpi), "-f", "1", "-l", "1", "-singlefile", pdf, root});
    return r.exitCode == 0 && ReadPpm(root + ".ppm", image);
}

std::vector<std::string> WordListOf(const std::string& text) {
    std::vector<std::string> words;
    std::istringstream in(text);
    for (std::string w; in >> w;) words.push_back(w);
    return words;
}

std::string FlatText(const std::string& text) {
    std::string flat;
    for (const std::string& w : WordListOf(text)) flat += (flat.empty() ? "" : " ") + w;
    return flat;
}

std::set<std::string> WordsOf(const std::string& text) {
    const std::vector<std::string> list = WordListOf(text);
    return std::set<std::string>(list.begin(), list.end());
}

std::string ProtectionProblems(const std::string& pdf) {
    std::string problems;
    if (RunTool("qpdf", {"--requires-password", pdf}).exitCode != 3)
        problems += "the empty user password does not open it\n";
    const ProcessResult json = RunTool("qpdf", {"--json", "--json-key=encrypt", pdf});
    for (const char* expected :
         {"\"encrypted\": true", "\"R\": 3", "\"bits\": 128", "\"P\": -1852", "\"printhigh\": true",
          "\"printlow\": true", "\"extract\": false", "\"modify\": false",
          "\"modifyannotations\": false", "\"modifyforms\": false", "\"modifyassembly\": false",
          "\"modifyother\": false"}) {
        if (json.out.find(expected) == std::string::npos)
            problems += std::string("no ") + expected + "\n";
    }
    return problems;
}

std::string BytesSavedBy(HPDF_Doc doc) {
    EXPECT_EQ(HPDF_SaveToStream(doc), HPDF_OK);
    std::string bytes(HPDF_GetStreamSize(doc), '\0');
    HPDF_UINT32 size = static_cast<HPDF_UINT32>(bytes.size());
    HPDF_ReadFromStream(doc, reinterpret_cast<HPDF_BYTE*>(bytes.data()), &size);
    return bytes;
}

std::size_t Occurrences(const std::string& text, const std::string& part) {
    std::size_t n = 0;
    if (part.empty()) return n;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++n;
    return n;
}

std::vector<std::string> PdfLinks(const std::string& pdf) {
    const std::string plain =
        RunTool("qpdf", {"--decrypt", "--qdf", "--object-streams=disable", pdf, "-"}).out;
    std::vector<std::string> links;
    const std::regex uri("/URI \\(([^)]*)\\)");
    for (std::sregex_iterator it(plain.begin(), plain.end(), uri), end; it != end; ++it)
        links.push_back((*it)[1]);
    return links;
}

namespace {

std::string Unescaped(const std::string& xml) {
    std::string out;
    for (std::size_t i = 0; i < xml.size(); ++i) {
        if (xml[i] != '&') {
            out += xml[i];
            continue;
        }
        const std::string::size_type end = xml.find(';', i);
        const std::string entity = xml.substr(i + 1, end - i - 1);
        out += entity == "amp"    ? "&"
               : entity == "lt"   ? "<"
               : entity == "gt"   ? ">"
               : entity == "quot" ? "\""
               : entity == "apos" ? "'"
                                  : "?";
        i = end;
    }
    return out;
}

float Attribute(const std::string& tag, const std::string& name) {
    const std::string key = name + "=\"";
    const std::string::size_type at = tag.find(key);
    return at == std::string::npos ? 0 : std::stof(tag.substr(at + key.size()));
}

TextBox Box(const std::string& tag, int page) {
    TextBox b;
    b.xMin = Attribute(tag, "xMin");
    b.yMin = Attribute(tag, "yMin");
    b.xMax = Attribute(tag, "xMax");
    b.yMax = Attribute(tag, "yMax");
    b.page = page;
    return b;
}

// The boxes of the elements named `element` ("word" or "line"); a line's
// text is the text of its words.
std::vector<TextBox> Boxes(const std::string& html, const std::string& element) {
    std::vector<TextBox> boxes;
    int page = 0;
    const std::string open = "<" + element + " ";
    for (std::size_t at = 0; (at = html.find('<', at)) != std::string::npos; ++at) {
        if (html.compare(at, 6, "<page ") == 0) {
            ++page;
            continue;
        }
        if (html.compare(at, open.size(), open) != 0) continue;
        const std::string::size_type tagEnd = html.find('>', at);
        TextBox box = Box(html.substr(at, tagEnd - at), page);
        const std::string close = "</" + element + ">";
        const std::string::size_type end = html.find(close, tagEnd);
        const std::string inner = html.substr(tagEnd + 1, end - tagEnd - 1);
        if (element == "word") {
            box.text = Unescaped(inner);
        } else {
            for (const TextBox& w : Boxes("<page >" + inner, "word"))
                box.text += (box.text.empty() ? "" : " ") + w.text;
        }
        boxes.push_back(box);
        at = end;
    }
    return boxes;
}

// A PDF literal string starting at `at` (after its "("); `at` ends after ")".
std::string LiteralString(const std::string& s, std::size_t& at) {
    std::string out;
    int depth = 1;
    while (at < s.size()) {
        const char c = s[at++];
        if (c == '\\' && at < s.size()) {
            const char e = s[at++];
            if (e >= '0' && e <= '7') {
                int value = e - '0';
                for (int k = 0; k < 2 && at < s.size() && s[at] >= '0' && s[at] <= '7'; ++k)
                    value = value * 8 + (s[at++] - '0');
                out += static_cast<char>(value);
            } else {
                const std::string from = "nrtbf", to = "\n\r\t\b\f";
                const std::string::size_type k = from.find(e);
                out += k == std::string::npos ? e : to[k];
            }
            continue;
        }
        if (c == '(') ++depth;
        if (c == ')' && --depth == 0) break;
        out += c;
    }
    return out;
}

}  // namespace

std::vector<TextBox> PdfWords(const std::string& pdf) {
    return Boxes(RunTool("pdftotext", {"-enc", "UTF-8", "-bbox", pdf, "-"}).out, "word");
}

std::vector<TextBox> PdfLines(const std::string& pdf) {
    return Boxes(RunTool("pdftotext", {"-enc", "UTF-8", "-bbox-layout", pdf, "-"}).out, "line");
}

bool LettersOverlap(const TextBox& a, const TextBox& b, float slack) {
    const float aInset = 0.15f * (a.yMax - a.yMin);
    const float bInset = 0.15f * (b.yMax - b.yMin);
    return a.page == b.page && a.xMin + slack < b.xMax && b.xMin + slack < a.xMax &&
           a.yMin + aInset < b.yMax - bInset && b.yMin + bInset < a.yMax - aInset;
}

std::vector<TextRun> PdfTextRuns(const std::string& pdf) {
    TempDir dir;
    const std::string plain = dir.file("plain.pdf");
    RunTool("qpdf", {"--decrypt", "--qdf", "--object-streams=disable", pdf, plain});
    const std::string s = ReadFileBytes(plain);
    std::vector<TextRun> runs;
    int page = 0;
    float size = 0;
    std::string last;  // the operand before an operator
    const std::string marker = "%% Contents for page ";
    for (std::size_t at = 0; at < s.size();) {
        // qpdf marks the contents of each page; the stream ends them. Other
        // objects (fonts, images) are skipped: they are not made of tokens.
        if (page == 0) {
            at = s.find(marker, at);
            if (at == std::string::npos) break;
            page = std::atoi(s.c_str() + at + marker.size());
            at = s.find("stream", at);
            continue;
        }
        if (s[at] == '(') {
            ++at;
            runs.push_back({page, size, LiteralString(s, at)});
            continue;
        }
        if (std::isspace(static_cast<unsigned char>(s[at]))) {
            ++at;
            continue;
        }
        std::size_t end = at;
        while (end < s.size() && !std::isspace(static_cast<unsigned char>(s[end])) && s[end] != '(')
            ++end;
        const std::string token = s.substr(at, end - at);
        if (token == "Tf") size = std::stof(last);
        if (token == "endstream") page = 0;
        last = token;
        at = end;
    }
    return runs;
}

Pixel At(const Raster& page, float designX, float designY) {
    // Design y counts half-points from the top of a page 841.89 points high.
    const int x = static_cast<int>(std::lround(designX));
    const int y = static_cast<int>(std::lround(designY + 2 * 841.89 - 1682));
    const unsigned char* p = page.at(x, y);
    return {p[0], p[1], p[2]};
}

void ExpectCertificateInfo(const std::string& pdf, const std::string& pages,
                           const std::string& subject) {
    EXPECT_EQ(PdfInfoField(pdf, "Pages"), pages);
    EXPECT_EQ(PdfInfoField(pdf, "Page size"), "595.276 x 841.89 pts (A4)");
    EXPECT_EQ(PdfInfoField(pdf, "Title"), "Building Energy Performance Certificate. Asset Rating.");
    EXPECT_EQ(PdfInfoField(pdf, "Keywords"), "Energy Performance Certificate");
    EXPECT_EQ(PdfInfoField(pdf, "Subject"), subject);
    EXPECT_EQ(PdfInfoField(pdf, "Author"), "Ostrel");
    EXPECT_EQ(PdfInfoField(pdf, "Creator"), "Tarvex");
}
