#pragma once

#include <string>
#include <vector>

// The font files embedded in documents whose letters the standard fonts
// lack: Liberation Sans (Debian package fonts-liberation2), which has the
// measures of Helvetica.

struct FontFiles {
    std::string regular;
    std::string bold;
};

inline constexpr const char* kLiberationSansRegular = "LiberationSans-Regular.ttf";
inline constexpr const char* kLiberationSansBold = "LiberationSans-Bold.ttf";

// Where the font is looked for, in order: only the folder named by the
// environment variable TARVEX_FONT_DIR when it is set; otherwise where
// Debian installs fonts-liberation2, then the older fonts-liberation, then
// locally installed fonts.
std::vector<std::string> LiberationSansFolders();

// The first folder holding both files; false when none does.
bool FindLiberationSans(const std::vector<std::string>& folders, FontFiles& files);

// The log line of a document that cannot be written without the font.
std::string MissingFontMessage(const std::string& document,
                               const std::vector<std::string>& folders);
