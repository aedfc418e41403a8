#pragma once

#include <cstddef>
#include <string>

// The texts shown on the pages of a document the program wrote, one per line,
// in the order of the content streams. The documents are protected with an
// empty user password, so anyone can open them: the streams are decrypted
// (RC4, revision 2 or 3) and inflated here, which spares a batch of thousands
// of runs a reader process per document. Damaged or foreign files give what
// could be read, possibly nothing. Its time grows with the document's size
// alone: no part of the file is read once per object, and no more is
// inflated than PdfInflationBudget allows.
std::string PdfShownText(const std::string& pdf);

// The literal string that starts with "(" at `at`, its escapes read; `at`
// ends just after its closing ")", or at the end of a string cut short.
std::string PdfLiteralString(const std::string& content, std::size_t& at);

// The bytes of content streams inflated for a document of `documentSize`
// bytes, failed streams included: kPdfInflationFloor and kPdfInflationRatio
// times the document, never more than kPdfTextLimit. The program's documents
// hold tens of kilobytes of content, about three times their size (fonts and
// banner, not read, take much of the file); what lies past the budget is
// left unread, so a small file that inflates to a thousand times its size
// costs no more than a document of ours a few times larger.
std::size_t PdfInflationBudget(std::size_t documentSize);

inline constexpr std::size_t kPdfTextLimit = 64u << 20;
inline constexpr std::size_t kPdfInflationFloor = 1u << 20;
inline constexpr std::size_t kPdfInflationRatio = 4;
