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
#include <ctime>
#include <filesystem>
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
    // Whether the log holds the error stream's first line too.
    bool logged = false;
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
         {{"   BER                            = 87.3", "   EBR                            = 87.3"}},
         KeyFile::kForTheInput,
         1,
         "ni-shop.inp:{EBR }: error: unknown keyword EBR of class EPC (did you mean BER?)\n"
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
        // Values that are not what the assessor meant: a figure of the
        // documents that is not a number stops the run before any document.
        {"rate-in-words",
         {{"= 87.3", "= fifty"}},
         KeyFile::kForTheInput,
         1,
         "ni-shop.inp:{= fifty}: error: BER = fifty is not a number: it is read as 0, and the "
         "documents and the message are worked out from it\n"
         "see ni-shop.err for the whole report\n"},
        {"rate-with-a-unit",
         {{"= 87.3", "= 52.1kg"}},
         KeyFile::kForTheInput,
         1,
         "ni-shop.inp:{= 52.1kg}: error: BER = 52.1kg is not a number: it is read as 52.1, and the "
         "documents and the message are worked out from it\n"
         "see ni-shop.err for the whole report\n"},
        {"rate-with-two-points",
         {{"= 87.3", "= 52.1.3"}},
         KeyFile::kForTheInput,
         1,
         "ni-shop.inp:{= 52.1.3}: error: BER = 52.1.3 is not a number: it is read as 52.1, and the "
         "documents and the message are worked out from it\n"
         "see ni-shop.err for the whole report\n"},
        {"area-in-words",
         {{"= 612.4", "= about 400"}},
         KeyFile::kForTheInput,
         1,
         "ni-shop.inp:{about 400}: error: BUILDING-AREA = about 400 is not a number: it is read as "
         "0, and the documents and the message are worked out from it\n"
         "see ni-shop.err for the whole report\n"},
        {"rating-written-by-the-run-in-words",
         {{"   CERTIFICATE-NUMBER ", "   EPC-RATING = abc\n   CERTIFICATE-NUMBER "}},
         KeyFile::kForTheInput,
         0,
         "ni-shop.inp:{EPC-RATING}: warning: EPC-RATING = abc is not a number: it is read as 0\n",
         true},
        {"rate-given-twice",
         {{"   TYR                            = 116.4\n",
           "   TYR                            = 116.4\n   BER = 90.2\n"}},
         KeyFile::kForTheInput,
         0,
         "ni-shop.inp:{BER = 90.2}: warning: BER is given again in object \"Harbour Hardware "
         "EPC\" (line {= 87.3} gave it first): the first value, 87.3, is kept and 90.2 here is "
         "not read\n",
         true},
        // Facts a certificate needs.
        {"area-left-out",
         {{"   BUILDING-AREA                  = 612.4\n", ""}},
         KeyFile::kForTheInput,
         1,
         "ni-shop.inp:{= GENERAL}: error: object \"Harbour Hardware\" (GENERAL, line "
         "{= GENERAL}) lacks the keyword BUILDING-AREA, which it must give\n"
         "see ni-shop.err for the whole report\n"},
        {"area-of-nought",
         {{"= 612.4", "= 0"}},
         KeyFile::kForTheInput,
         1,
         "ni-shop.inp:{BUILDING-AREA}: error: BUILDING-AREA = 0 is out of range: BUILDING-AREA "
         "takes a number above 0\n"
         "see ni-shop.err for the whole report\n"},
        {"standard-rate-left-out",
         {{"   SER                            = 58.2\n", ""}},
         KeyFile::kForTheInput,
         1,
         "ni-shop.inp:{= EPC}: error: object \"Harbour Hardware EPC\" (EPC, line {= EPC}) does "
         "not give SER, the Standard Emission Rate, and the rating is worked out from it\n"},
        {"typical-rate-not-provided",
         {{"= 116.4", "= -7777"}},
         KeyFile::kForTheInput,
         1,
         "ni-shop.inp:{= -7777}: error: TYR = -7777 says that the Typical Emission Rate was not "
         "provided, and the rating is worked out from it\n"},
        {"transaction-type-left-out",
         {{"   TRANSACTION-TYPE               = Mandatory issue (Marketed sale)\n", ""}},
         KeyFile::kForTheInput,
         1,
         "ni-shop.inp:{= EPC}: error: object \"Harbour Hardware EPC\" (EPC, line {= EPC}) does "
         "not give TRANSACTION-TYPE, the Transaction Type, which every certificate states\n"},
        {"related-party-disclosure-left-out",
         {{"   C-REL-PART-DISC                = Not related to the owner\n", ""}},
         KeyFile::kForTheInput,
         1,
         "ni-shop.inp:{= GENERAL}: error: object \"Harbour Hardware\" (GENERAL, line "
         "{= GENERAL}) does not give C-REL-PART-DISC, the Related Party Disclosure, which every "
         "certificate states\n"},
        {"uprn-left-out",
         {{"   UPRN                           = \"187340061523\"\n", ""}},
         KeyFile::kForTheInput,
         1,
         "ni-shop.inp:{= GENERAL}: error: object \"Harbour Hardware\" (GENERAL, line "
         "{= GENERAL}) does not give UPRN, which every certificate states\n"},
        // Dates: the reading through the calendar stays, and is stated.
        {"inspection-month-13",
         {{"( 2026, 2, 3 )", "( 2025, 13, 2 )"}},
         KeyFile::kForTheInput,
         0,
         "ni-shop.inp:{B-INSP-DATE}: warning: B-INSP-DATE (2025,13,2) is not a calendar date (the "
         "month 13 is not 1 to 12): it is read as 2026-01-02\n",
         true},
        {"inspection-on-30-february",
         {{"( 2026, 2, 3 )", "( 2026, 2, 30 )"}},
         KeyFile::kForTheInput,
         0,
         "ni-shop.inp:{B-INSP-DATE}: warning: B-INSP-DATE (2026,2,30) is not a calendar date (the "
         "day 30 is not 1 to 28 in that month): it is read as 2026-03-02\n",
         true},
        {"inspection-year-of-two-digits",
         {{"( 2026, 2, 3 )", "( 26, 12, 2 )"}},
         KeyFile::kForTheInput,
         0,
         "ni-shop.inp:{B-INSP-DATE}: warning: B-INSP-DATE (26,12,2) is not a calendar date (the "
         "year 26 is not written with four digits): it is read as 26-12-02\n",
         true},
        {"inspection-after-the-run",
         {{"( 2026, 2, 3 )", "( 2999, 1, 1 )"}},
         KeyFile::kForTheInput,
         0,
         "ni-shop.inp:{B-INSP-DATE}: warning: B-INSP-DATE 2999-01-01 is after the date of this "
         "run, <today>: an inspection cannot have taken place yet\n",
         true},
        {"inspection-date-of-two-numbers",
         {{"( 2026, 2, 3 )", "( 2026, 2 )"}},
         KeyFile::kForTheInput,
         0,
         "ni-shop.inp:{B-INSP-DATE}: warning: B-INSP-DATE = ( 2026, 2 ) does not hold a year, a "
         "month and a day: the date of this run, <today>, is used\n",
         true},
    };
    return mistakes;
}

// The run's date as the program writes it, for "<today>" in a text.
std::string WithToday(std::string text) {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char today[16];
    std::strftime(today, sizeof today, "%Y-%m-%d", &local);
    for (std::size_t at = text.find("<today>"); at != std::string::npos; at = text.find("<today>"))
        text.replace(at, 7, today);
    return text;
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

// The log with the time stamp of its start line, and the run's date, masked.
std::string WithoutTime(const std::string& log) {
    return std::regex_replace(
        std::regex_replace(log, std::regex("(Running EPC generator Tarvex [^\n]* on: )[^\n]*"),
                           "$1<time>"),
        std::regex("the date of this run, [0-9-]*"), "the date of this run, <today>");
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
        const std::string errorStream = WithToday(WithLineNumbers(m.errorStream, input));
        EXPECT_EQ(r.err, errorStream);
        // What the error stream warned of, the log holds too (but a decimal
        // comma, whose log stays as it was).
        if (m.logged) {
            EXPECT_NE(RunLog(dir).find(errorStream.substr(0, errorStream.find('\n'))),
                      std::string::npos);
        }
        // A run that stops on its input writes no document and no message.
        if (m.status != 0) {
            for (const auto& entry : std::filesystem::directory_iterator(dir.path())) {
                const std::string name = entry.path().filename().string();
                EXPECT_TRUE(name.find(".pdf") == std::string::npos &&
                            name.find(".xml") == std::string::npos &&
                            name.find(".ias") == std::string::npos)
                    << name;
            }
        }

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
