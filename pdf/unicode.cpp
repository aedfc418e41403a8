#include "pdf/unicode.h"

#include <algorithm>
#include <map>
#include <utility>

#include "app/encoding.h"
#include "app/runlog.h"
#include "pdf/document.h"
#include "pdf/fonts.h"

namespace {

// The code pages a face draws letters from beyond Windows-1252, in the order
// they are tried: Welsh and Irish first, then the other Latin scripts, Greek,
// Cyrillic and Hebrew, whose letters Liberation Sans has.
const char* const kCodePages[] = {"ISO8859-14", "ISO8859-2",  "CP1250",     "ISO8859-13", "CP1257",
                                  "ISO8859-4",  "ISO8859-10", "ISO8859-16", "ISO8859-9",  "CP1254",
                                  "ISO8859-3",  "CP1258",     "ISO8859-15", "ISO8859-7",  "CP1253",
                                  "ISO8859-5",  "CP1251",     "KOI8-R",     "ISO8859-8"};
constexpr std::size_t kCodePageCount = sizeof kCodePages / sizeof kCodePages[0];

// Where a letter is drawn from: the face's font in a code page (0 the
// Windows-1252 one, then kCodePages in order) and its byte there.
struct Place {
    std::size_t font = 0;
    std::string bytes;
};

struct Face {
    HPDF_Doc doc = nullptr;
    std::string name;
    std::vector<HPDF_Font> fonts;  // by code page; nullptr until needed
    std::map<char32_t, Place> places;
    bool codePagesRead = false;
};

std::map<HPDF_Font, Face>& Faces() {
    static std::map<HPDF_Font, Face> faces;
    return faces;
}

TextEncoding EncodingOf(const std::string& text) {
    return IsValidUtf8(text) ? TextEncoding::kUtf8 : TextEncoding::kWindows1252;
}

// The next letter of a well-formed UTF-8 text.
char32_t NextLetter(const std::string& s, std::size_t& at) {
    const auto b0 = static_cast<unsigned char>(s[at]);
    int extra = b0 < 0x80 ? 0 : b0 < 0xE0 ? 1 : b0 < 0xF0 ? 2 : 3;
    char32_t cp = extra == 0 ? b0 : b0 & (0x3F >> extra);
    ++at;
    for (; extra > 0 && at < s.size(); --extra, ++at)
        cp = (cp << 6) | (static_cast<unsigned char>(s[at]) & 0x3F);
    return cp;
}

// Reads which letters the face's code pages hold, the first one that holds
// a letter winning.
void ReadCodePages(Face& face) {
    face.codePagesRead = true;
    for (std::size_t i = kCodePageCount; i-- > 0;) {
        HPDF_Encoder encoder = HPDF_GetEncoder(face.doc, kCodePages[i]);
        if (encoder == nullptr) continue;
        for (unsigned code = 0xA0; code <= 0xFF; ++code) {
            const HPDF_UNICODE cp =
                HPDF_Encoder_GetUnicode(encoder, static_cast<HPDF_UINT16>(code));
            if (cp != 0) face.places[cp] = {i + 1, std::string(1, static_cast<char>(code))};
        }
    }
}

Place PlaceOf(Face& face, char32_t cp) {
    if (cp < 0x80) return {0, std::string(1, static_cast<char>(cp))};
    // Windows-1252 first: what the standard fonts would show.
    EncodedText ansi = EncodeText(Utf8Of(cp), TextEncoding::kUtf8, OutputEncoding::kWinAnsi);
    if (ansi.replaced.empty()) return {0, std::move(ansi.text)};
    if (!face.codePagesRead) ReadCodePages(face);
    const auto known = face.places.find(cp);
    if (known != face.places.end()) return known->second;
    // Beyond the font: its plain form, as the standard fonts would show it.
    return {0, std::move(ansi.text)};
}

// The face's font in code page `index`: 0 its Windows-1252 font, else the
// font fetched in kCodePages[index - 1] when first needed.
HPDF_Font FontOf(Face& face, std::size_t index) {
    if (index == 0 || index > kCodePageCount) return face.fonts.front();
    if (face.fonts.size() <= index) face.fonts.resize(index + 1, nullptr);
    if (face.fonts[index] == nullptr)
        face.fonts[index] = HPDF_GetFont(face.doc, face.name.c_str(), kCodePages[index - 1]);
    return face.fonts[index];
}

}  // namespace

bool NeedsUnicodeFont(const std::string& text) {
    for (const auto& [letter, plain] :
         EncodeText(text, EncodingOf(text), OutputEncoding::kWinAnsi).replaced)
        if (!letter.empty()) return true;
    return false;
}

std::string WinAnsiText(const std::string& text,
                        std::vector<std::pair<std::string, std::string>>* replaced) {
    EncodedText out = EncodeText(text, EncodingOf(text), OutputEncoding::kWinAnsi);
    if (replaced != nullptr)
        replaced->insert(replaced->end(), out.replaced.begin(), out.replaced.end());
    return std::move(out.text);
}

void RegisterUnicodeFace(HPDF_Doc doc, HPDF_Font primary, const std::string& loadedName) {
    Face face;
    face.doc = doc;
    face.name = loadedName;
    face.fonts = {primary};
    Faces()[primary] = std::move(face);
}

void ForgetUnicodeFaces(HPDF_Doc doc) {
    std::map<HPDF_Font, Face>& faces = Faces();
    for (auto it = faces.begin(); it != faces.end();)
        it = it->second.doc == doc ? faces.erase(it) : std::next(it);
}

bool IsUnicodeFace(HPDF_Font font) {
    return font != nullptr && Faces().count(font) != 0;
}

std::vector<FontRun> FontRuns(HPDF_Font font, const std::string& text) {
    const auto found = Faces().find(font);
    if (found == Faces().end() || EncodingOf(text) == TextEncoding::kWindows1252)
        return {{font, text}};
    Face& face = found->second;
    std::vector<FontRun> runs;
    for (std::size_t at = 0; at < text.size();) {
        const Place place = PlaceOf(face, NextLetter(text, at));
        HPDF_Font in = FontOf(face, place.font);
        if (in == nullptr) in = font;
        if (runs.empty() || runs.back().font != in) runs.push_back({in, std::string()});
        runs.back().bytes += place.bytes;
    }
    return runs;
}

void ShowTextIn(HPDF_Page page, HPDF_Font font, float size, const std::string& text) {
    if (!IsUnicodeFace(font)) {
        HPDF_Page_ShowText(page, text.c_str());
        return;
    }
    for (const FontRun& run : FontRuns(font, text)) {
        if (HPDF_Page_GetCurrentFont(page) != run.font)
            HPDF_Page_SetFontAndSize(page, run.font, size);
        HPDF_Page_ShowText(page, run.bytes.c_str());
    }
    if (HPDF_Page_GetCurrentFont(page) != font) HPDF_Page_SetFontAndSize(page, font, size);
}

bool LoadUnicodeFonts(PdfDocument& doc, HPDF_Font& regular, HPDF_Font& bold) {
    FontFiles files;
    if (!FindLiberationSans(LiberationSansFolders(), files)) return false;
    regular = doc.UnicodeFont(files.regular);
    bold = doc.UnicodeFont(files.bold);
    return regular != nullptr && bold != nullptr;
}

bool SettleFonts(PdfDocument& doc, const std::string& document,
                 const std::function<void(const TextVisitor&)>& visit, HPDF_Font& regular,
                 HPDF_Font& bold) {
    bool needed = false;
    visit([&needed](const std::string&, std::string& text) {
        needed = needed || NeedsUnicodeFont(text);
    });
    if (needed && LoadUnicodeFonts(doc, regular, bold)) {
        Face& face = Faces().at(regular);
        visit([&doc, &face](const std::string& field, std::string& text) {
            if (EncodingOf(text) != TextEncoding::kUtf8) return;
            std::vector<std::string> unprintable;
            for (std::size_t at = 0; at < text.size();) {
                const char32_t cp = NextLetter(text, at);
                if (cp == '?' || PlaceOf(face, cp).bytes != "?") continue;
                unprintable.push_back(Utf8Of(cp));
            }
            doc.NoteUnprintable(field, unprintable);
        });
        return true;
    }
    regular = doc.Font("Helvetica");
    bold = doc.Font("Helvetica-Bold");
    std::vector<std::pair<std::string, std::string>> replaced;
    visit([&doc, &replaced](const std::string& field, std::string& text) {
        std::vector<std::pair<std::string, std::string>> own;
        text = WinAnsiText(text, &own);
        std::vector<std::string> unprintable;
        for (const auto& [letter, plain] : own) {
            if (letter.empty()) continue;
            if (plain == "?") {
                unprintable.push_back(letter);
            } else {
                replaced.emplace_back(letter, plain);
            }
        }
        doc.NoteUnprintable(field, unprintable);
    });
    std::vector<std::string> said;
    for (const auto& [letter, plain] : replaced) {
        const std::string line = "NOTE: " + document + ": \"" + letter + "\" is printed as \"" +
                                 plain + "\" (its font Liberation Sans was not found)\n";
        if (std::find(said.begin(), said.end(), line) != said.end()) continue;
        said.push_back(line);
        SendLog(line);
    }
    return false;
}

void ListPagesInPartsWhenLong(PdfDocument& doc,
                              const std::function<void(const TextVisitor&)>& visit) {
    std::size_t bytes = 0;
    std::size_t texts = 0;
    visit([&bytes, &texts](const std::string&, std::string& text) {
        bytes += text.size();
        ++texts;
    });
    if (MayPassOnePageList(bytes, texts)) doc.ListPagesInParts();
}
