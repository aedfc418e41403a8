#include "pdf/iso8859_14.h"

#include "app/encoding.h"

// Both go through the program's one encoding function, so the Welsh
// certificate's fixed texts and its typed values are encoded alike.

int Iso885914Byte(char32_t c) {
    const EncodedText out = EncodeText(Utf8Of(c), TextEncoding::kUtf8, OutputEncoding::kIso8859_14);
    if (!out.replaced.empty() || out.text.size() != 1) return -1;
    return static_cast<unsigned char>(out.text[0]);
}

std::string Iso885914FromText(const std::string& text) {
    const TextEncoding from = IsValidUtf8(text) ? TextEncoding::kUtf8 : TextEncoding::kWindows1252;
    return EncodeText(text, from, OutputEncoding::kIso8859_14).text;
}
