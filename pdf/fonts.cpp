#include "pdf/fonts.h"

#include <cstdlib>

#include "app/inputfile.h"

namespace {

// Looked at, not opened: a pipe named like a font must not hang the run.
bool Readable(const std::string& path) {
    return IsReadableRegularFile(path);
}

}  // namespace

std::vector<std::string> LiberationSansFolders() {
    const char* chosen = std::getenv("TARVEX_FONT_DIR");
    if (chosen != nullptr && *chosen != '\0') return {chosen};
    return {"/usr/share/fonts/truetype/liberation2", "/usr/share/fonts/truetype/liberation",
            "/usr/local/share/fonts/truetype/liberation2", "/usr/local/share/fonts"};
}

bool FindLiberationSans(const std::vector<std::string>& folders, FontFiles& files) {
    for (const std::string& folder : folders) {
        const std::string regular = folder + "/" + kLiberationSansRegular;
        const std::string bold = folder + "/" + kLiberationSansBold;
        if (Readable(regular) && Readable(bold)) {
            files = {regular, bold};
            return true;
        }
    }
    return false;
}

std::string MissingFontMessage(const std::string& document,
                               const std::vector<std::string>& folders) {
    std::string where;
    for (const std::string& folder : folders) where += (where.empty() ? "" : ", ") + folder;
    return "ERROR: " + document + " cannot be written: its font Liberation Sans (" +
           kLiberationSansRegular + " and " + kLiberationSansBold + ") was not found in " + where +
           ". Install the package fonts-liberation2, or name the folder holding the font in "
           "TARVEX_FONT_DIR.\n";
}
