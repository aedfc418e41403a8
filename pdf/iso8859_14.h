#pragma once

#include <string>

// ISO8859-14 ("Latin-8", Celtic), the code page of the Welsh-language
// certificate: Latin-1 with the dotted consonants of Irish and the Welsh
// letters ŵ ŷ Ŵ Ŷ ẁ ẃ ẅ ỳ in place of some symbols.

// The byte of a character, or -1 when the code page lacks it.
int Iso885914Byte(char32_t c);

// A text in ISO8859-14: UTF-8 when it is valid UTF-8, else Windows-1252.
// A character the code page lacks becomes its base letter ("č" gives "c"), a
// plain look-alike ("€" gives "EUR", "–" gives "-") or "?". For the texts
// written into the program; typed input goes through the run's encoding
// function (OutputText) when the record of the documents is built.
std::string Iso885914FromText(const std::string& text);
