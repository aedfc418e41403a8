#include "tests/pdf/pdf_check.h"

#include <unistd.h>

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <regex>
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

Pixel At(const Raster& page, float designX, float designY) {
    // Design y counts half-points from the top of a page 841.89 points high.
    const int x = static_cast<int>(std::lround(designX));
    const int y = static_cast<int>(std::lround(designY + 2 * 841.89 - 1682));
    const unsigned char* p = page.at(x, y);
    return {p[0], p[1], p[2]};
}

std::vector<WordBox> Words(const std::string& pdf) {
    const std::string html = RunTool("pdftotext", {"-bbox", pdf, "-"}).out;
    const std::regex word(
        "<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\" xMax=\"([0-9.]+)\" yMax=\"([0-9.]+)\">"
        "([^<]*)</word>|<page ");
    std::vector<WordBox> words;
    int page = 0;
    for (std::sregex_iterator it(html.begin(), html.end(), word), end; it != end; ++it) {
        const std::smatch& m = *it;
        if (!m[1].matched) {
            ++page;
            continue;
        }
        words.push_back(
            {std::stof(m[1]), std::stof(m[2]), std::stof(m[3]), std::stof(m[4]), m[5], page});
    }
    return words;
}
