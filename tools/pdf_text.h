#pragma once

#include <string>

// The texts shown on the pages of a document the program wrote, one per line,
// in the order of the content streams. The documents are protected with an
// empty user password, so anyone can open them: the streams are decrypted
// (RC4, revision 2 or 3) and inflated here, which spares a batch of thousands
// of runs a reader process per document. Damaged or foreign files give what
// could be read, possibly nothing; never more than kPdfTextLimit bytes of
// inflated content.
std::string PdfShownText(const std::string& pdf);

// The literal string that starts with "(" at `at`, its escapes read; `at`
// ends just after its closing ")", or at the end of a string cut short.
std::string PdfLiteralString(const std::string& content, std::size_t& at);

inline constexpr std::size_t kPdfTextLimit = 64u << 20;
