// The mistakes an assessor makes in an input, each found in seconds: the
// error stream names the file and line and says what would be right, while
// the run log, the report copy (.bdl) and the error report (.err) stay byte
// for byte what they were before the error stream said any of it (other
// programs read them).
//
// The inputs are ni-shop.inp with one mistake each. The expected files in
// tests/runs/expected/mistakes/ hold the .bdl, the .err and the log (its
// time stamp masked) of each. They were written by the program as it stood
// before the error stream's lines were added; after a change meant to alter
// them (or an edit of ni-shop.inp), run this test with TARVEX_WRITE_EXPECTED=1
// to write them again, and review the difference.
#include <gtest/gtest.h>

#include <cstdlib>
#include <regex>

#include "library/inpkey.h"
#include "library/ncmkeys.h"
#include "tests/support/example_runs.h"

namespace {

const std::string kShop = "ni-shop";
// The key index of the shop's engine (CENGINE-VAL DSM-A), and another's.
constexpr int kShopKey = 2;
constexpr int kOtherKey = 1;

enum class KeyFile { kForTheInput, kNone, kEmpty, kOtherEngines };

struct Mistake {
    const char* name;  // also the name of its expected files
    std::vector<Edit> edits;
    KeyFile key;
    int status;
    // The error stream, whole. "{text}" stands for the number of the first
    // line of the mistaken input that holds the text.
    std::string errorStream;
};

const std::vector<Mistake>& Mistakes() {
    static const std::vector<Mistake> mistakes{
        {"unknown-keyword",
         {{"   BER                            = 87.3", "   BERR                           = 87.3"}},
         KeyFile::kForTheInput,
         1,
         "ni-shop.inp:{BERR}: error: unknown keyword BERR of class EPC (did you mean BER?)\n"
         "see ni-shop.err for the whole report\n"},
        {"unknown-code",
         {{"= Northern Ireland", "= Wales"}},
         KeyFile::kForTheInput,
         1,
         "ni-shop.inp:{= Wales}: error: unknown code word Wales for TYPE (did you mean England "
         "and Wales?); TYPE takes England and Wales, Scotland, Northern Ireland\n"
         "see ni-shop.err for the whole report\n"},
        {"transposed-keyword",
         {{"   BER                            = 87.3", "   BRE                            = 87.3"}},
         KeyFile::kForTheInput,
         1,
         "ni-shop.inp:{BRE }: error: unknown keyword BRE of class EPC (did you mean BER?)\n"
         "see ni-shop.err for the whole report\n"},
        {"unknown-building-type",
         {{"= A1/A2 Retail/Financial and Professional services", "= Retail"}},
         KeyFile::kForTheInput,
         1,
         "ni-shop.inp:{= Retail}: error: unknown code word Retail for B-TYPE (did you mean A1/A2 "
         "Retail/Financial and Professional services?); B-TYPE takes 23 code words, the nearest "
         "A1/A2 Retail/Financial and Professional services, C1 Hotels, Residential spaces, B8 "
         "Storage or Distribution; all are listed under GENERAL in "
         "the input reference (input-reference.md)\n"
         "see ni-shop.err for the whole report\n"},
        {"missing-terminator",
         {{"= IAS\n   ..\n", "= IAS\n"}},
         KeyFile::kForTheInput,
         1,
         "ni-shop.inp:{\"Harbour Hardware EPC\"}: error: \"..\" missing: object \"Harbour "
         "Hardware\" (line {\"Harbour Hardware\" = GENERAL}) is still open where \"Harbour "
         "Hardware EPC\" = EPC begins\n"
         "ni-shop.inp:{\"Harbour Hardware EPC\"}: note: the 10 errors after this line in "
         "ni-shop.err follow from it\n"
         "see ni-shop.err for the whole report\n"},
        {"comma-decimal",
         {{"= 87.3", "= 87,3"}},
         KeyFile::kForTheInput,
         0,
         "ni-shop.inp:{87,3}: warning: BER = 87,3 is read as 87: a comma is not a decimal point "
         "(write 87.3)\n"},
        {"uprn-of-eleven-digits",
         {{"\"187340061523\"", "\"18734006152\""}},
         KeyFile::kForTheInput,
         1,
         "ni-shop.inp:{18734006152}: error: UPRN \"18734006152\" is not valid: a UPRN is 12 digits "
         "and this one has 11 characters\n"},
        {"registration-number-of-nine-characters",
         {{"\"UBR/304152\"", "\"UBR304152\""}},
         KeyFile::kForTheInput,
         1,
         "ni-shop.inp:{UBR304152}: error: C-REG-NUMBER \"UBR304152\" is not valid: it is 4 "
         "characters from A to Z, / and _, then 6 digits\n"},
        {"missing-key-file",
         {},
         KeyFile::kNone,
         0,
         "ni-shop.inp: warning: Input file validated? NO: there is no key file ni-shop_inpkey.txt "
         "beside the input\n"},
        {"empty-key-file",
         {},
         KeyFile::kEmpty,
         0,
         "ni-shop.inp: warning: Input file validated? NO: the key file ni-shop_inpkey.txt is "
         "empty\n"},
        {"key-of-another-engine",
         {},
         KeyFile::kOtherEngines,
         0,
         "ni-shop.inp: warning: Input file validated? NO: ni-shop_inpkey.txt does not match the "
         "input: the input was changed after the calculation engine wrote the key file, or the "
         "key file is not that of DSM-A, the engine CENGINE-VAL names\n"},
        {"empty-postcode-line",
         {{"   B-ADDRESS-5                    = \"BT52 9QX\"",
           "   B-ADDRESS-5                    = \"\""}},
         KeyFile::kForTheInput,
         0,
         "ni-shop.inp:{B-ADDRESS-5}: warning: B-ADDRESS-5, the postcode line that the documents "
         "print, is empty (B-POSTCODE \"BT52 9QX\" reaches the results file only)\n"},
        {"no-postcode-line",
         {{"   B-ADDRESS-5                    = \"BT52 9QX\"\n", ""}},
         KeyFile::kForTheInput,
         0,
         "ni-shop.inp: warning: B-ADDRESS-5, the postcode line that the documents print, is not "
         "given (B-POSTCODE \"BT52 9QX\" reaches the results file only)\n"},
    };
    return mistakes;
}

// The text with each "{part}" replaced by the number of the first line of
// `input` that holds `part`.
std::string WithLineNumbers(const std::string& text, const std::string& input) {
    std::string out;
    std::size_t at = 0;
    while (true) {
        const std::size_t open = text.find('{', at);
        if (open == std::string::npos) break;
        const std::size_t close = text.find('}', open);
        const std::string part = text.substr(open + 1, close - open - 1);
        const int line = LineOf(input, part);
        EXPECT_GT(line, 0) << "no line holds " << part;
        out += text.substr(at, open - at) + std::to_string(line);
        at = close + 1;
    }
    return out + text.substr(at);
}

// The log with the time stamp of its start line masked.
std::string WithoutTime(const std::string& log) {
    return std::regex_replace(log, std::regex("(Running EPC generator Tarvex [^\n]* on: )[^\n]*"),
                              "$1<time>");
}

std::string ExpectedPath(const std::string& file) {
    return std::string(TARVEX_SOURCE_DIR) + "/tests/runs/expected/mistakes/" + file;
}

TEST(Mistakes, EachIsNamedOnTheErrorStreamAndTheReportsStayAsTheyWere) {
    const bool write = std::getenv("TARVEX_WRITE_EXPECTED") != nullptr;
    NCMKEYS keys;
    keys.Init();
    for (const Mistake& m : Mistakes()) {
        SCOPED_TRACE(m.name);
        TempDir dir;
        const std::string input = Edited(ExampleInput(kShop), m.edits);
        const std::string path = dir.file(kShop + ".inp");
        WriteFileBytes(path, input);
        if (m.key == KeyFile::kEmpty) WriteFileBytes(dir.file(kShop + "_inpkey.txt"), "");
        if (m.key == KeyFile::kForTheInput || m.key == KeyFile::kOtherEngines) {
            const int index = m.key == KeyFile::kForTheInput ? kShopKey : kOtherKey;
            WriteFileBytes(dir.file(kShop + "_inpkey.txt"),
                           InputKeyDigest(keys, index, path) + "\n");
        }

        const ProcessResult r = RunInput(dir, kShop);
        EXPECT_EQ(r.exitCode, m.status) << r.out;
        EXPECT_EQ(r.err, WithLineNumbers(m.errorStream, input));

        const std::pair<std::string, std::string> files[] = {
            {".bdl", ReadFileBytes(dir.file(kShop + ".bdl"))},
            {".err", ReadFileBytes(dir.file(kShop + ".err"))},
            {".log", WithoutTime(RunLog(dir))},
        };
        for (const auto& [ending, actual] : files) {
            const std::string expected = ExpectedPath(m.name + ending);
            if (write) WriteFileBytes(expected, actual);
            EXPECT_TRUE(ReadFileBytes(expected) == actual)
                << m.name << ending << ": " << FirstDifference(ReadFileBytes(expected), actual);
        }
    }
}

}  // namespace
