// The floor of a whole run: libharu alone writing documents like the ones the
// program writes, with the same page size, fonts, banner image (the same JPEG
// file, carried as it is), compression and protection, and nothing else. The
// program's cost over this is what our own code adds.
//
//   tarvex-floor BANNER.jpg OUTDIR PAGES...
//
// Writes one document per PAGES argument, with that many pages, into OUTDIR
// (floor-1.pdf, floor-2.pdf, ...); with none it only starts. Run it under
// callgrind beside a run of the program (bench/measure.sh does both).
#include <hpdf.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

void HPDF_STDCALL OnError(HPDF_STATUS error, HPDF_STATUS detail, void* failed) {
    std::fprintf(stderr, "libharu error 0x%04X (%u)\n", static_cast<unsigned>(error),
                 static_cast<unsigned>(detail));
    *static_cast<bool*>(failed) = true;
}

bool WriteDocument(const std::vector<unsigned char>& banner, int pages, const std::string& path) {
    bool failed = false;
    HPDF_Doc doc = HPDF_New(OnError, &failed);
    if (doc == nullptr) return false;
    HPDF_SetCompressionMode(doc, HPDF_COMP_ALL);
    HPDF_Font regular = HPDF_GetFont(doc, "Helvetica", "WinAnsiEncoding");
    HPDF_Font bold = HPDF_GetFont(doc, "Helvetica-Bold", "WinAnsiEncoding");
    HPDF_Image image =
        HPDF_LoadJpegImageFromMem(doc, banner.data(), static_cast<HPDF_UINT>(banner.size()));
    for (int i = 0; i < pages && !failed; ++i) {
        HPDF_Page page = HPDF_AddPage(doc);
        HPDF_Page_SetSize(page, HPDF_PAGE_SIZE_A4, HPDF_PAGE_PORTRAIT);
        if (i == 0 && image != nullptr) HPDF_Page_DrawImage(page, image, 375, 776, 168, 25);
        HPDF_Page_BeginText(page);
        HPDF_Page_SetFontAndSize(page, bold, 18);
        HPDF_Page_TextOut(page, 56, 740, "Energy Performance Certificate");
        HPDF_Page_SetFontAndSize(page, regular, 10);
        HPDF_Page_TextOut(page, 56, 720, "Page text");
        HPDF_Page_EndText(page);
    }
    HPDF_SetInfoAttr(doc, HPDF_INFO_CREATOR, "Tarvex floor");
    HPDF_SetPassword(doc, "floor-owner", "");
    HPDF_SetPermission(doc, 0xFFFFF8C4u);
    HPDF_SetEncryptionMode(doc, HPDF_ENCRYPT_R3, 16);
    const bool saved = !failed && HPDF_SaveToFile(doc, path.c_str()) == HPDF_OK && !failed;
    HPDF_Free(doc);
    return saved;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s BANNER.jpg OUTDIR PAGES...\n", argv[0]);
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    const std::vector<unsigned char> banner((std::istreambuf_iterator<char>(in)),
                                            std::istreambuf_iterator<char>());
    if (banner.empty()) {
        std::fprintf(stderr, "cannot read %s\n", argv[1]);
        return 1;
    }
    for (int i = 3; i < argc; ++i) {
        const std::string path = std::string(argv[2]) + "/floor-" + std::to_string(i - 2) + ".pdf";
        if (!WriteDocument(banner, std::max(1, std::atoi(argv[i])), path)) {
            std::fprintf(stderr, "cannot write %s\n", path.c_str());
            return 1;
        }
    }
    return 0;
}
