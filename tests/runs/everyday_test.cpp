// Runs as an assessor's office meets them: inputs saved as UTF-8, run folders
// that hold part of the data, files that cannot be read.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>

#include "app/runresult.h"
#include "library/inpkey.h"
#include "library/ncmkeys.h"
#include "tests/pdf/pdf_check.h"
#include "tests/support/example_runs.h"

namespace {

const std::string kOffice = "england-office";
// A keyword line as the examples write it: the name padded to 30 columns.
std::string Line(std::string keyword, const std::string& value) {
    keyword.resize(std::max<std::size_t>(30, keyword.size()), ' ');
    return "   " + keyword + " = \"" + value + "\"\n";
}

const std::string kOwnRec =
    "Fit sub-meters to the tenant floors and review the half-hourly data every month.";

// The building's name, as the project name, the first address line and in
// the text of a recommendation the assessor wrote.
std::vector<Edit> HouseNamed(const std::string& name) {
    return {{Line("P-NAME", "Kestrel House"), Line("P-NAME", name)},
            {Line("B-ADDRESS-0", "Kestrel House"), Line("B-ADDRESS-0", name)},
            {Line("REC-TEXT", kOwnRec), Line("REC-TEXT", "Fit sub-meters in " + name + ".")}};
}

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

// The office example under another name, after `prefix`, with a key file made for those bytes.
void WriteOffice(const TempDir& dir, const std::string& prefix, const std::string& houseName) {
    const std::string input = dir.file(kOffice + ".inp");
    WriteFileBytes(input, prefix + Edited(ExampleInput(kOffice), HouseNamed(houseName)));
    NCMKEYS keys;
    keys.Init();
    WriteFileBytes(dir.file(kOffice + "_inpkey.txt"), InputKeyDigest(keys, 1, input) + "\n");
}

TEST(Utf8Input, LettersBeyondTheStandardFontsEmbedTheirFont) {
    TempDir utf8;
    const std::string name = "T\xC5\xB7 Gwyn \xE2\x80\x93 Caf\xC3\xA9";  // Tŷ Gwyn – Café
    WriteOffice(utf8, "\xEF\xBB\xBF", name);
    const ProcessResult r = RunInput(utf8, kOffice);
    ASSERT_EQ(r.exitCode, 0) << r.out << r.err;

    // The certificate and both recommendation reports (the address, the
    // building's name, the assessor's recommendation) print the letter, in
    // the embedded Liberation Sans.
    for (const char* ending : {"[epc].pdf", "[rec].pdf", "[srec].pdf"}) {
        const std::string pdf = utf8.file(kOffice + ending);
        const std::string text = PdfText(pdf);
        EXPECT_TRUE(Contains(text, name)) << ending << text;
        if (std::string(ending) != "[epc].pdf") {
            EXPECT_TRUE(Contains(text, "Fit sub-meters in " + name)) << ending << text;
        }
        EXPECT_TRUE(Contains(RunTool("pdffonts", {pdf}).out, "LiberationSans")) << ending;
    }
    const std::string log = RunLog(utf8);
    EXPECT_FALSE(Contains(log, "NOTE:")) << log;
    // The digest is over the file's bytes, mark included.
    EXPECT_TRUE(Contains(log, "Input file validated? YES")) << log;
    // The results file keeps the input's bytes.
    EXPECT_TRUE(Contains(ReadFileBytes(utf8.file(kOffice + ".csv")), name));

    // Saved as Windows-1252, which has no y-circumflex: the standard fonts,
    // the dash and the accent as typed, nothing to note.
    TempDir cp1252;
    WriteOffice(cp1252, "", "Ty Gwyn \x96 Caf\xE9");
    const ProcessResult w = RunInput(cp1252, kOffice);
    ASSERT_EQ(w.exitCode, 0) << w.out << w.err;
    for (const char* ending : {"[epc].pdf", "[srec].pdf"}) {
        const std::string pdf = cp1252.file(kOffice + ending);
        EXPECT_TRUE(Contains(PdfText(pdf), "Ty Gwyn \xE2\x80\x93 Caf\xC3\xA9")) << ending;
        EXPECT_FALSE(Contains(RunTool("pdffonts", {pdf}).out, "LiberationSans")) << ending;
    }
    EXPECT_FALSE(Contains(RunLog(cp1252), "NOTE:"));
    EXPECT_TRUE(Contains(ReadFileBytes(cp1252.file(kOffice + ".csv")), "Ty Gwyn \x96 Caf\xE9"));
}

// The result a run leaves for tarvex-batch states the rating in full, as the
// certificate does: a seven-digit rating is not "1.23457e+06".
TEST(RunResult, StatesASevenDigitRatingInFull) {
    TempDir dir;
    std::string input = ExampleInput(kOffice);
    for (const auto& [keyword, value] : {std::pair<std::string, std::string>{"   BER ", "1234567"},
                                         std::pair<std::string, std::string>{"   SER ", "50"}}) {
        const std::size_t at = input.find("\n" + keyword);
        ASSERT_NE(at, std::string::npos) << keyword;
        const std::size_t equals = input.find('=', at);
        input.replace(equals, input.find('\n', equals) - equals, "= " + value);
    }
    WriteFileBytes(dir.file(kOffice + ".inp"), input);
    const std::string result = dir.file("result.txt");
    setenv(kRunResultVariable, result.c_str(), 1);
    const ProcessResult r = RunInput(dir, kOffice);
    unsetenv(kRunResultVariable);
    EXPECT_EQ(r.exitCode, 0) << r.out << r.err;
    const std::string text = ReadFileBytes(result);
    EXPECT_TRUE(Contains(text, std::string(result_key::kRating) + "=1234567\n")) << text;
    EXPECT_TRUE(Contains(text, std::string(result_key::kBand) + "=G\n")) << text;
}

TEST(Utf8Input, MarkBeforeAnAsciiInputIsNoSyntaxError) {
    TempDir dir;
    WriteOffice(dir, "\xEF\xBB\xBF", "Kestrel House");
    const ProcessResult r = RunInput(dir, kOffice);
    EXPECT_EQ(r.exitCode, 0) << r.out;
    EXPECT_TRUE(Contains(PdfText(dir.file(kOffice + "[epc].pdf")), "Kestrel House"));
}

// A run folder that holds part of the data is used whole: its changed library
// is never paired with the data of another place.
TEST(DataPlace, RunFolderWithLibrariesButNoDefinitionStops) {
    TempDir dir;
    CopyExample(dir, kOffice);
    const std::string shipped = std::string(TARVEX_SOURCE_DIR) + "/data/KORULib/";
    std::filesystem::create_directory(dir.file("KORULib"));
    for (const char* lib : {"TarvexlibraryDef.lib", "TarvexlibraryTab.lib", "ASlib.lib"})
        WriteFileBytes(dir.file(std::string("KORULib/") + lib), ReadFileBytes(shipped + lib));
    WriteFileBytes(dir.file("KORULib/TarvexlibraryDef.lib"),
                   ReadFileBytes(shipped + "TarvexlibraryDef.lib") + "CHANGED,1,\n");

    const ProcessResult r = RunInput(dir, kOffice);
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(Contains(r.err, "Could not open file csv/Tarvex.csv")) << r.err;
    EXPECT_TRUE(Contains(RunLog(dir), "Could not open file csv/Tarvex.csv"));
    EXPECT_FALSE(FileExists(dir.file(kOffice + ".csv")));
}

TEST(DataPlace, NoPlaceHoldsTheDataListsThePlacesTried) {
    const std::string installed = "/usr/local/share/tarvex";
    if (std::filesystem::exists(installed + "/csv") ||
        std::filesystem::exists(installed + "/KORULib"))
        GTEST_SKIP() << "a program is installed here: " << installed;
    TempDir dir;
    std::filesystem::create_directories(dir.file("bin"));
    std::filesystem::create_directories(dir.file("run"));
    std::filesystem::copy_file(TARVEX_BIN, dir.file("bin/tarvex"));
    std::filesystem::permissions(dir.file("bin/tarvex"), std::filesystem::perms::owner_all);
    WriteFileBytes(dir.file("run/" + kOffice + ".inp"), ExampleInput(kOffice));

    const ProcessResult r =
        RunProcess({dir.file("bin/tarvex"), "/F", kOffice + ".inp"}, dir.file("run"));
    EXPECT_EQ(r.exitCode, 1);
    const std::string root = std::filesystem::canonical(dir.path()).string();
    EXPECT_TRUE(Contains(r.err, "No data folder found")) << r.err;
    EXPECT_TRUE(Contains(r.err, "  " + root + "/run\n")) << r.err;
    EXPECT_TRUE(Contains(r.err, "  " + root + "/bin\n")) << r.err;
    EXPECT_TRUE(Contains(r.err, "  " + root + "/share/tarvex\n")) << r.err;
}

// Messages about files that cannot be opened or read go to the error stream.
TEST(FileMessages, CouldNotReadGoesToTheErrorStream) {
    TempDir dir;
    std::filesystem::create_directory(dir.file("dir.inp"));
    const ProcessResult r = RunTarvex({"/F", "dir.inp"}, dir.path());
    EXPECT_EQ(r.exitCode, 1);
    const std::string message = "dir.inp is not a regular file";
    EXPECT_TRUE(Contains(r.err, message)) << r.err;
    EXPECT_FALSE(Contains(r.out, message)) << r.out;
    EXPECT_TRUE(Contains(RunLog(dir), message));
}

}  // namespace
