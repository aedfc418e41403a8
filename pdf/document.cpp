#include "pdf/document.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <iterator>

#include "app/atomicfile.h"
#include "app/clock.h"
#include "app/inputfile.h"
#include "app/runlog.h"
#include "app/stop.h"
#include "library/ncmd5.h"
#include "pdf/unicode.h"

namespace {

// Only opens the document for the owner; nobody is meant to use it, it just
// has to differ from the empty user password.
const char kOwnerPassword[] =
    "_[{~}xejpF+$o4R*FZQz;`iz(Y$+_2|@K/[7q:|03`[14Y%F/.di14[Jd!<<7INxY:qrALop*r"
    ">_w)I_1=z.&PW>,w[gl9G/NmC4iiOOF!xoybnNNt50'v~5L9$Atyv+#:)r]l2UxGA5|bf(w@Ab";
static_assert(sizeof(kOwnerPassword) == 148 + 1, "the owner password has 148 characters");

// Printing at low and high resolution and nothing else. The reserved bits
// (7, 8 and 13 to 32) must be set: with the bare print bit readers refuse
// high-resolution printing.
constexpr HPDF_UINT kPrintOnly = 0xFFFFF8C4u;

HPDF_Date CreationDate() {
    const std::tm t = RunLocalTime();
    HPDF_Date d{};
    d.year = t.tm_year + 1900;
    d.month = t.tm_mon + 1;
    d.day = t.tm_mday;
    d.hour = t.tm_hour;
    d.minutes = t.tm_min;
    d.seconds = t.tm_sec > 59 ? 59 : t.tm_sec;  // a leap second is not a valid PDF date
    long offset = t.tm_gmtoff / 60;             // minutes east of UTC
    d.ind = offset > 0 ? '+' : (offset < 0 ? '-' : 'Z');
    if (offset < 0) offset = -offset;
    d.off_hour = static_cast<HPDF_INT>(offset / 60);
    d.off_minutes = static_cast<HPDF_INT>(offset % 60);
    return d;
}

}  // namespace

std::string PdfSaveFailureMessage() {
    return "\nUnable to create PDF file because it is already open. Please, close all relevant PDF "
           "files related to this project and run the calculation again\n\n";
}

void HPDF_STDCALL PdfDocument::error_handler(HPDF_STATUS errorNo, HPDF_STATUS detailNo,
                                             void* userData) {
    auto* state = static_cast<ErrorState*>(userData);
    // libharu keeps failing after its first error; the first one is the cause.
    if (state->raised) return;
    state->raised = true;
    state->errorNo = errorNo;
    state->detailNo = detailNo;
    char line[64];
    std::snprintf(line, sizeof line, "ERROR: error_no=%04X, detail_no=%u\n",
                  static_cast<unsigned>(errorNo), static_cast<unsigned>(detailNo));
    SendLog(line);
}

PdfDocument::PdfDocument() {
    doc_ = HPDF_New(&PdfDocument::error_handler, &error_);
    if (doc_ == nullptr) {
        SendLog("error: cannot create PdfDoc object\n");
        return;
    }
    // Set before any page exists: libharu fixes a page's filter when the page
    // is created.
    HPDF_SetCompressionMode(doc_, HPDF_COMP_ALL);
}

PdfDocument::~PdfDocument() {
    if (doc_ == nullptr) return;
    ForgetUnicodeFaces(doc_);
    HPDF_Free(doc_);
}

HPDF_Font PdfDocument::Font(const char* name, const char* encoding) {
    if (failed()) return nullptr;
    return HPDF_GetFont(doc_, name, encoding);
}

HPDF_Font PdfDocument::EmbeddedFont(const std::string& path, const char* encoding) {
    if (failed()) return nullptr;
    // A missing file would be a libharu error that spoils the whole document;
    // the caller can fall back to a standard font instead. Only a regular
    // file is handed over: libharu would wait forever on a pipe.
    struct stat info {};
    if (stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode) || access(path.c_str(), R_OK) != 0)
        return nullptr;
    const char* name = HPDF_LoadTTFontFromFile(doc_, path.c_str(), HPDF_TRUE);
    if (name == nullptr || failed()) return nullptr;
    return HPDF_GetFont(doc_, name, encoding);
}

HPDF_Font PdfDocument::UnicodeFont(const std::string& path) {
    if (failed() || !IsReadableRegularFile(path)) return nullptr;
    const char* name = HPDF_LoadTTFontFromFile(doc_, path.c_str(), HPDF_TRUE);
    if (name == nullptr || failed()) return nullptr;
    HPDF_Font font = HPDF_GetFont(doc_, name, kWinAnsiEncoding);
    if (font == nullptr || failed()) return nullptr;
    RegisterUnicodeFace(doc_, font, name);
    return font;
}

bool MayPassOnePageList(std::size_t bytes, std::size_t texts) {
    constexpr std::size_t kLinesOfAText = 4;  // its label, the spacing after it
    constexpr std::size_t kLinesOfAPage = 20;
    constexpr std::size_t kFixedPages = 10;  // cover, contents, fixed sections
    const std::size_t lines = bytes + kLinesOfAText * texts;
    return lines / kLinesOfAPage + kFixedPages > kPagesOfOneList;
}

void PdfDocument::ListPagesInParts() {
    if (failed()) return;
    HPDF_SetPagesConfiguration(doc_, kPagesInAPart);
}

HPDF_Page PdfDocument::AddPage() {
    if (failed()) return nullptr;
    HPDF_Page page = HPDF_AddPage(doc_);
    if (page == nullptr) return nullptr;
    HPDF_Page_SetSize(page, HPDF_PAGE_SIZE_A4, HPDF_PAGE_PORTRAIT);
    pages_.push_back(page);
    return page;
}

void PdfDocument::NoteCut(const std::string& field, std::size_t characters) {
    if (characters == 0) return;
    // A field drawn twice (on a page that was started again) is said once.
    for (auto& [known, count] : cuts_) {
        if (known == field) {
            count = std::max(count, characters);
            return;
        }
    }
    cuts_.emplace_back(field, characters);
}

void PdfDocument::NoteUnprintable(const std::string& field,
                                  const std::vector<std::string>& letters) {
    if (letters.empty()) return;
    auto known = std::find_if(unprintable_.begin(), unprintable_.end(),
                              [&field](const auto& entry) { return entry.first == field; });
    if (known == unprintable_.end()) {
        unprintable_.emplace_back(field, std::vector<std::string>());
        known = std::prev(unprintable_.end());
    }
    for (const std::string& letter : letters)
        if (std::find(known->second.begin(), known->second.end(), letter) == known->second.end())
            known->second.push_back(letter);
}

void PdfDocument::SetBackground(const std::string& text, HPDF_Font bold) {
    background_ = text;
    backgroundFont_ = bold;
}

HPDF_Font PdfDocument::backgroundFont() {
    if (backgroundFont_ == nullptr) backgroundFont_ = Font("Helvetica-Bold");
    return backgroundFont_;
}

bool PdfDocument::SetInfo(const PdfInfo& info) {
    const HPDF_Date created = CreationDate();
    HPDF_SetInfoDateAttr(doc_, HPDF_INFO_CREATION_DATE, created);
    HPDF_SetInfoAttr(doc_, HPDF_INFO_AUTHOR, "Ostrel");
    HPDF_SetInfoAttr(doc_, HPDF_INFO_CREATOR, info.creator.c_str());
    HPDF_SetInfoAttr(doc_, HPDF_INFO_TITLE, info.title.c_str());
    HPDF_SetInfoAttr(doc_, HPDF_INFO_KEYWORDS, info.keywords.c_str());
    HPDF_SetInfoAttr(doc_, HPDF_INFO_SUBJECT, info.subject.c_str());
    return !failed();
}

bool PdfDocument::Protect() {
    // libharu wants the passwords before the permission and the mode.
    HPDF_SetPassword(doc_, kOwnerPassword, "");
    HPDF_SetPermission(doc_, kPrintOnly);
    HPDF_SetEncryptionMode(doc_, HPDF_ENCRYPT_R3, 16);
    return !failed();
}

bool PdfDocument::SaveToMemory(std::vector<unsigned char>& bytes) {
    if (HPDF_SaveToStream(doc_) != HPDF_OK || failed()) return false;
    const HPDF_UINT32 size = HPDF_GetStreamSize(doc_);
    if (size == 0 || HPDF_ResetStream(doc_) != HPDF_OK) return false;
    bytes.resize(size);
    HPDF_UINT32 got = size;
    // Reading up to the very end may answer "end of stream" with all data copied.
    const HPDF_STATUS status = HPDF_ReadFromStream(doc_, bytes.data(), &got);
    if ((status != HPDF_OK && status != HPDF_STREAM_EOF) || got != size) return false;
    return !failed();
}

WrittenDocument PdfDocument::SaveProtected(const std::string& path, const PdfInfo& info,
                                           bool pauseOnWriteFailure, const std::string& key) {
    WrittenDocument result = NotWritten(path);
    if (failed() || !SetInfo(info) || !Protect()) return result;
    // The document is encrypted with a fresh identifier on every save, so the
    // file and the fingerprint take the bytes of one save. libharu saves into
    // memory and we write the file ourselves, through a temporary file we
    // create: libharu would open any name it is given, links included.
    std::vector<unsigned char> bytes;
    if (!SaveToMemory(bytes)) {
        // A stream failure that libharu did not report still has to be told.
        if (!failed()) error_handler(HPDF_GetError(doc_), HPDF_GetErrorDetail(doc_), &error_);
        return result;
    }
    const FileWriteResult written = WriteFileWhole(path, bytes);
    if (!written.ok) {
        // The message names an open viewer, the usual cause; the system's
        // reason that follows tells the other causes (a full disk) apart.
        StopOnWriteFailure(path, written, PdfSaveFailureMessage(), pauseOnWriteFailure);
    }
    for (const auto& [field, characters] : cuts_) {
        SendWarning("WARNING: " + path + ": " + field +
                    " does not fit its place: " + std::to_string(characters) + " character" +
                    (characters == 1 ? "" : "s") + " left out\n");
    }
    for (const auto& [field, letters] : unprintable_) {
        std::string named;
        for (const std::string& letter : letters)
            named += (named.empty() ? "\"" : ", \"") + letter + "\"";
        SendWarning("WARNING: " + path + ": " + field + ": no font of the document holds " + named +
                    ": printed as \"?\"\n");
    }
    result.saved = true;
    result.content = SavedBytes(key, std::move(bytes));
    return result;
}
