#pragma once

#include <cstddef>
#include <string>

// The unstructured data an IAS package carries into the lodgement message is
// copied into it as it stands, so it is read first as exactly the XML the
// writer makes: one <CEPC:Unstructured-Data> element holding only Data-Blob
// elements, comments and white space; each Data-Blob holding File-Location,
// an optional File-Type and Data, in that order, with comments and white
// space between. No attributes, no other markup. File-Location and File-Type
// hold text (references: the five predefined entities and numeric character
// references), Data holds base64 text only. The text is UTF-8 with no control
// character other than tab, CR and LF, as written or as a reference.

// Why a text is refused and where (its byte offset); `what` is empty when the
// text is fine.
struct DataProblem {
    std::size_t at = 0;
    std::string what;
};

DataProblem UnstructuredDataProblem(const std::string& text);
