#pragma once

#include <hpdf.h>

#include <cstddef>
#include <deque>
#include <string>
#include <utility>
#include <vector>

#include "library/ncmd5.h"
#include "project/written.h"

// One PDF document of a writer: owns the libharu document, collects libharu's
// errors instead of jumping out of C++ frames, keeps the list of pages and
// saves the document protected, replacing the target file only when the whole
// document has been written.

inline constexpr const char* kWinAnsiEncoding = "WinAnsiEncoding";

// Document information of a writer.
struct PdfInfo {
    std::string title;
    std::string keywords;
    std::string subject;  // the assessor's registration number
    std::string creator = "Tarvex";
};

// Pages a part of the page list holds when the list is kept in parts.
inline constexpr unsigned kPagesInAPart = 1000;
// Pages past which a single page list can no longer be saved (libharu's
// longest array is 32,767 entries; a margin for what it adds itself).
inline constexpr std::size_t kPagesOfOneList = 32000;

// Whether a document whose typed texts hold `bytes` bytes in `texts` texts
// could pass kPagesOfOneList pages: every byte set on a line of its own, a
// few lines more for each text, and a page holding at least 20 lines. A
// bound, not a count: only documents of many thousands of texts pass it.
bool MayPassOnePageList(std::size_t bytes, std::size_t texts);

class PdfDocument {
  public:
    // Creates the libharu document with compression of all streams. When that
    // fails it says "error: cannot create PdfDoc object" and valid() is false.
    PdfDocument();
    ~PdfDocument();
    PdfDocument(const PdfDocument&) = delete;
    PdfDocument& operator=(const PdfDocument&) = delete;
    PdfDocument(PdfDocument&&) = delete;
    PdfDocument& operator=(PdfDocument&&) = delete;

    bool valid() const { return doc_ != nullptr; }
    // Whether the document can no longer be saved: not created, or libharu
    // reported an error (its ERROR line has been sent already).
    bool failed() const { return doc_ == nullptr || error_.raised; }
    HPDF_STATUS errorNo() const { return error_.errorNo; }
    HPDF_STATUS detailNo() const { return error_.detailNo; }

    HPDF_Doc handle() const { return doc_; }

    // A standard font; nullptr when the document failed.
    HPDF_Font Font(const char* name, const char* encoding = kWinAnsiEncoding);
    // A TrueType font file embedded in the document, for code pages whose
    // letters the standard fonts lack; nullptr when it cannot be loaded.
    HPDF_Font EmbeddedFont(const std::string& path, const char* encoding);

    // A TrueType font file embedded in the document as a unicode face
    // (pdf/unicode.h): texts set in it are UTF-8. nullptr when it cannot be
    // loaded.
    HPDF_Font UnicodeFont(const std::string& path);

    // Adds an A4 portrait page and makes it the current page.
    HPDF_Page AddPage();
    // libharu lists a document's pages in one array of at most 32,767
    // entries; asked before the first page, it lists them in parts of
    // kPagesInAPart, so that any number of pages can be saved. Only a
    // document that may need it is asked: the parts change its bytes.
    void ListPagesInParts();
    const std::deque<HPDF_Page>& pages() const { return pages_; }
    // The last page added; nullptr before the first.
    HPDF_Page page() const { return pages_.empty() ? nullptr : pages_.back(); }

    // The faint background text of every page and the bold font it is drawn
    // in; the page check draws it on each page it starts.
    void SetBackground(const std::string& text, HPDF_Font bold);
    const std::string& background() const { return background_; }
    HPDF_Font backgroundFont();

    // A value `characters` long (blanks not counted) was left out of `field`
    // because its box could not hold it: the document shows the rest ending
    // in "...". Once the document is saved, each is said as a warning.
    void NoteCut(const std::string& field, std::size_t characters);
    std::size_t cuts() const { return cuts_.size(); }
    // Letters of `field` (UTF-8) that no font of the document holds, so that
    // each is printed as "?". Said once the document is saved, one warning
    // a field.
    void NoteUnprintable(const std::string& field, const std::vector<std::string>& letters);

    // Sets the information (author "Ostrel", creation date from the run clock),
    // protects the document (empty user password: anyone opens it; print only)
    // and writes it to `path`, returning it as written with the bytes written
    // and their fingerprint under `key`.
    // - After a libharu error: nothing is written, and the result says so.
    // - When the file cannot be written: the "Unable to create PDF file ..."
    //   message, the file and the system's reason, a wait for a key when
    //   `pauseOnWriteFailure`, and the run stops with status 1. No partial
    //   file is left behind.
    WrittenDocument SaveProtected(const std::string& path, const PdfInfo& info,
                                  bool pauseOnWriteFailure, const std::string& key = "");

    // The libharu error handler: records the first error and says so.
    static void HPDF_STDCALL error_handler(HPDF_STATUS errorNo, HPDF_STATUS detailNo,
                                           void* userData);

  private:
    struct ErrorState {
        bool raised = false;
        HPDF_STATUS errorNo = 0;
        HPDF_STATUS detailNo = 0;
    };

    bool SetInfo(const PdfInfo& info);
    bool Protect();
    bool SaveToMemory(std::vector<unsigned char>& bytes);

    ErrorState error_;
    HPDF_Doc doc_ = nullptr;
    std::deque<HPDF_Page> pages_;
    std::string background_;
    std::vector<std::pair<std::string, std::size_t>> cuts_;
    std::vector<std::pair<std::string, std::vector<std::string>>> unprintable_;
    HPDF_Font backgroundFont_ = nullptr;
};

// The console and log line of a PDF file that cannot be written.
std::string PdfSaveFailureMessage();
