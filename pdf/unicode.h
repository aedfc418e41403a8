#pragma once

#include <hpdf.h>

#include <functional>
#include <string>
#include <vector>

class PdfDocument;

// Documents whose texts hold letters that the standard fonts lack ("Tŷ
// Gwyn", "Łódź"). Such a document embeds Liberation Sans (as the Welsh
// certificate does), and its texts are UTF-8: each letter is drawn from the
// embedded font fetched in a code page that holds it, Windows-1252 first, so
// that word spacing, measuring and copying text out work as with the
// standard fonts. A document whose texts need nothing beyond Windows-1252 is
// drawn in the standard fonts, its texts in Windows-1252, as it always was.
//
// A text is read as UTF-8 letter by letter; a byte that does not start a
// well-formed UTF-8 letter is a Windows-1252 letter (the fixed texts' "£"
// and "•").

// Whether any letter of the text lies beyond Windows-1252.
bool NeedsUnicodeFont(const std::string& text);
// The text in Windows-1252 bytes for the standard fonts; a letter they lack
// becomes its plain form, named in `replaced` (UTF-8, and its plain form).
std::string WinAnsiText(const std::string& text,
                        std::vector<std::pair<std::string, std::string>>* replaced = nullptr);

// A font of the document drawn from an embedded TrueType file in several
// code pages. `primary` is the font fetched in Windows-1252.
void RegisterUnicodeFace(HPDF_Doc doc, HPDF_Font primary, const std::string& loadedName);
// Forgets the faces of a document that is freed.
void ForgetUnicodeFaces(HPDF_Doc doc);
// Whether text set in `font` is UTF-8 drawn through its code pages.
bool IsUnicodeFace(HPDF_Font font);

// A piece of a text in one of the face's fonts, as that font's bytes.
struct FontRun {
    HPDF_Font font = nullptr;
    std::string bytes;
};
// The text in pieces by font: for a standard font, the text as it is.
std::vector<FontRun> FontRuns(HPDF_Font font, const std::string& text);

// Inside a text object, at the current text position: the text in `font` at
// `size`, piece by piece; the page's font is `font` again afterwards.
void ShowTextIn(HPDF_Page page, HPDF_Font font, float size, const std::string& text);

// The document's texts, applied one by one: the writers list their typed
// values, each with the name a warning calls it (its input keyword), so that
// a document can be drawn in the fonts they need.
using TextVisitor = std::function<void(const std::string& field, std::string& text)>;

// Before the first page: lists the document's pages in parts when its typed
// texts (`visit`) are so long that it may pass one list's pages.
void ListPagesInPartsWhenLong(PdfDocument& doc,
                              const std::function<void(const TextVisitor&)>& visit);

// Liberation Sans regular and bold embedded in `doc` as unicode faces;
// false when the font files are missing (nothing is said).
bool LoadUnicodeFonts(PdfDocument& doc, HPDF_Font& regular, HPDF_Font& bold);

// Settles the fonts of a document whose typed texts `visit` lists: when none
// needs a letter beyond Windows-1252, or the embedded font cannot be found,
// each text is made Windows-1252 (what is replaced is said in the log, with
// the document's name), `regular` and `bold` are Helvetica and
// Helvetica-Bold, and the answer is false. Else the texts stay UTF-8,
// `regular` and `bold` are the embedded faces and the answer is true.
// Either way a letter that neither the fonts nor a plain form can show is
// printed as "?", and the document notes it with its field
// (PdfDocument::NoteUnprintable).
bool SettleFonts(PdfDocument& doc, const std::string& document,
                 const std::function<void(const TextVisitor&)>& visit, HPDF_Font& regular,
                 HPDF_Font& bold);
