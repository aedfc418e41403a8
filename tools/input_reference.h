#pragma once

#include <string>
#include <vector>

#include "boc/keyword.h"

// The reference of the input language, made from the library definition:
// every class, each keyword's type, whether the input must give it, its
// default, its ranges, its code words in full and the outputs that print it
// (tools/printed_keywords.h). One text of blocks, written twice: as Markdown
// for the source tree and as HTML, which any browser opens without a
// Markdown reader (it is installed beside the program's documentation).
struct InputReference {
    std::string markdown;
    std::string html;
};

// `definitionName` is how the reference names the file it was made from.
InputReference MakeInputReference(const std::vector<Objeto>& classes,
                                  const std::string& definitionName);

// The anchor a heading gets in the Markdown and the HTML alike: lower case,
// letters, digits and hyphens, a blank made a hyphen, anything else left out.
std::string HeadingAnchor(const std::string& heading);
