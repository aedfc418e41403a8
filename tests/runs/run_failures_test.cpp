// Runs of small variations of the examples: the inputs a run must refuse,
// the checks that Scotland skips, and the input key file.

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <functional>
#include <ostream>

#include "library/inpkey.h"
#include "library/ncmkeys.h"
#include "tests/support/example_runs.h"

namespace {

using Variation = std::function<std::string(const std::string&)>;

Variation Replace(std::vector<Edit> edits) {
    return [edits](const std::string& text) { return Edited(text, edits); };
}

// Removes the text from `begin` up to, not including, `end`.
Variation Cut(const std::string& begin, const std::string& end) {
    return [begin, end](const std::string& text) {
        const std::size_t from = text.find(begin);
        const std::size_t to = from == std::string::npos ? from : text.find(end, from);
        if (to == std::string::npos) {
            ADD_FAILURE() << "the input holds no \"" << begin << "\" ... \"" << end << "\"";
            return text;
        }
        return text.substr(0, from) + text.substr(to);
    };
}

// A keyword line as the examples write it: the name padded to 30 columns.
std::string Line(const std::string& keyword, const std::string& value) {
    std::string name = keyword;
    name.resize(std::max<std::size_t>(30, keyword.size()), ' ');
    return "   " + name + " = " + value + "\n";
}

// The example, varied, written into `dir` as <name>.inp with no key file.
void WriteVariation(const TempDir& dir, const std::string& name, const Variation& vary) {
    WriteFileBytes(dir.file(name + ".inp"), vary(ExampleInput(name)));
}

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

bool EndsWith(const std::string& text, const std::string& tail) {
    return text.size() >= tail.size() &&
           text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

const std::string kOffice = "england-office";
const std::string kShop = "ni-shop";
const std::string kSchool = "scotland-school";

// ---------------------------------------------------------------------------
// Inputs that end the run with status 1 and their message in the run log.

struct FatalCase {
    const char* label;
    std::string example;
    Variation vary;
    std::string message;
};

const std::string kNoSer = "ERROR: Must provide a value for the Standard Emission Rate";
const std::string kNoTyr = "ERROR: Must provide a value for the Typical Emission Rate";
const std::string kBuildings = "ERROR: Number of BUILDING-DATA objects must be 3 ";
const std::string kUprn = "ERROR: UPRN is not valid";
const std::string kRegistration = "ERROR: C-REG-NUMBER is not valid";

const Edit kPauseOnErrors{Line("PAUSE-KNOWN-ERRORS", "NO"), Line("PAUSE-KNOWN-ERRORS", "YES")};

Edit Uprn(const std::string& value) {
    return {Line("UPRN", "\"200004418273\""), Line("UPRN", value)};
}

Edit Registration(const std::string& value) {
    return {Line("C-REG-NUMBER", "\"MEAS004721\""), Line("C-REG-NUMBER", value)};
}

std::vector<FatalCase> FatalCases() {
    return {
        {"SerNotProvided", kOffice, Replace({{Line("SER", "41.8"), Line("SER", "-7777")}}), kNoSer},
        {"SerLeftOut", kOffice, Replace({{Line("SER", "41.8"), ""}}), kNoSer},
        {"TyrNotProvided", kOffice, Replace({{Line("TYR", "84.75"), Line("TYR", "-7777")}}),
         kNoTyr},
        {"TyrLeftOutInNorthernIreland", kShop, Replace({{Line("TYR", "116.4"), ""}}), kNoTyr},
        {"TwoBuildingsInEngland", kOffice,
         Cut("\"Reference building\" = BUILDING-DATA", "\"Air-conditioning inspection\""),
         kBuildings},
        {"OneBuildingInNorthernIreland", kShop,
         Cut("\"Notional shop\" = BUILDING-DATA", "\"Air conditioning\""), kBuildings},
        {"UprnOfElevenDigits", kOffice, Replace({Uprn("\"20000441827\"")}), kUprn},
        {"UprnOfThirteenDigits", kOffice, Replace({Uprn("\"2000044182731\"")}), kUprn},
        {"UprnWithALetter", kOffice, Replace({Uprn("\"2000O4418273\"")}), kUprn},
        {"UprnWithBlanks", kOffice, Replace({Uprn("\"2000 4418273\"")}), kUprn},
        {"UprnLeftOut", kOffice, Replace({{Line("UPRN", "\"200004418273\""), ""}}), kUprn},
        {"RegistrationInLowerCase", kOffice, Replace({Registration("\"meas004721\"")}),
         kRegistration},
        {"RegistrationWithALetterAmongTheDigits", kOffice,
         Replace({Registration("\"MEAS00472I\"")}), kRegistration},
        {"RegistrationWithADigitInThePrefix", kOffice, Replace({Registration("\"ME4S004721\"")}),
         kRegistration},
        {"RegistrationTooShort", kOffice, Replace({Registration("\"MEAS04721\"")}), kRegistration},
        {"RegistrationInNorthernIreland", kShop,
         Replace(
             {{Line("C-REG-NUMBER", "\"UBR/304152\""), Line("C-REG-NUMBER", "\"UBR-304152\"")}}),
         kRegistration},
        // No terminal on standard input: the wait for a key must not hold the run.
        {"UprnWithPauseOnErrors", kOffice, Replace({kPauseOnErrors, Uprn("\"20000441827\"")}),
         kUprn},
        {"RegistrationWithPauseOnErrors", kOffice,
         Replace({kPauseOnErrors, Registration("\"meas004721\"")}), kRegistration},
        {"RelatedPartyUndefined", kOffice,
         Replace({{Line("C-REL-PART-DISC", "Not related to the owner"),
                   Line("C-REL-PART-DISC", "Undefined")}}),
         "ERROR: \"Related Party Disclosure\" is undefined in Kestrel House - general"},
        // Found with the other checks, before any document is written.
        {"AirConditioningOfHalfAKilowattInAMessage", kOffice,
         Replace({{Line("PRODUCE-MESSAGES", "NO"), Line("PRODUCE-MESSAGES", "YES")},
                  {Line("AIR-CON-KW-EXACT", "86.5"), Line("AIR-CON-KW-EXACT", "0.5")}}),
         "\nERROR: AIR-CON-KW-EXACT must be bigger than 0.5 kW\n"},
        {"TransactionTypeLeftOut", kShop,
         Replace({{Line("TRANSACTION-TYPE", "Mandatory issue (Marketed sale)"), ""}}),
         "ERROR: \"Transaction Type\" is undefined in Harbour Hardware EPC"},
    };
}

void PrintTo(const FatalCase& c, std::ostream* os) {
    *os << c.label;
}

class FatalRun : public ::testing::TestWithParam<FatalCase> {};

TEST_P(FatalRun, EndsWithStatusOneAndLogsTheMessage) {
    const FatalCase& c = GetParam();
    TempDir dir;
    WriteVariation(dir, c.example, c.vary);

    const ProcessResult r = RunInput(dir, c.example);

    EXPECT_EQ(r.exitCode, 1) << r.out;
    EXPECT_TRUE(Contains(r.out, c.message)) << r.out;
    const std::string log = RunLog(dir);
    EXPECT_TRUE(Contains(log, c.message)) << log;
    EXPECT_FALSE(EndsWith(log, "\nOK\n")) << log;
    EXPECT_FALSE(FileExists(dir.file(c.example + ".csv")));
    EXPECT_FALSE(FileExists(dir.file(c.example + "[epc].pdf")));
}

std::string FatalName(const ::testing::TestParamInfo<FatalCase>& info) {
    return info.param.label;
}

INSTANTIATE_TEST_SUITE_P(Inputs, FatalRun, ::testing::ValuesIn(FatalCases()), FatalName);

// ---------------------------------------------------------------------------
// An HVAC system with no building before it is an input error: the run stops
// after writing the error report.

TEST(InputError, HvacSystemBeforeAnyBuildingIsReported) {
    TempDir dir;
    WriteVariation(dir, kOffice,
                   Replace({{"\"Actual building\" = BUILDING-DATA",
                             "\"Loose boiler\" = HVAC-SYSTEM-DATA\n" + Line("AREA", "120") +
                                 "   ..\n\"Actual building\" = BUILDING-DATA"}}));

    const ProcessResult r = RunInput(dir, kOffice);

    EXPECT_EQ(r.exitCode, 1) << r.out;
    const std::string report = ReadFileBytes(dir.file(kOffice + ".err"));
    EXPECT_TRUE(Contains(report, "*** ERROR ***")) << report;
    EXPECT_TRUE(Contains(report, "\"Loose boiler\"")) << report;
    EXPECT_TRUE(Contains(report, "Number of errors:    1\n")) << report;
    EXPECT_TRUE(Contains(RunLog(dir), "has got errors.")) << RunLog(dir);
    EXPECT_FALSE(FileExists(dir.file(kOffice + ".csv")));
}

// ---------------------------------------------------------------------------
// A Scottish run checks neither the property reference nor the registration
// number, and prints the registration number as the input wrote it.

struct ScottishIdentityCase {
    const char* label;
    std::vector<Edit> edits;
    std::string registrationLine;
};

std::vector<ScottishIdentityCase> ScottishIdentityCases() {
    const Edit reg{Line("C-REG-NUMBER", "\"CEAS201877\""), Line("C-REG-NUMBER", "\"ab-77/sc\"")};
    const Edit uprn{Line("UPRN", "\"906700233418\""), Line("UPRN", "\"PH2 0051\"")};
    return {
        {"AnyRegistrationNumber", {reg}, "Registration no:,\"ab-77/sc\"\n"},
        {"AnyPropertyReference", {uprn}, "Registration no:,\"CEAS201877\"\n"},
        // Nor does it ask for the declarations that England, Wales and Northern
        // Ireland require.
        {"AndUndefinedDeclarations",
         {reg,
          uprn,
          {Line("TRANSACTION-TYPE", "Voluntary (No legal requirement for an EPC)"),
           Line("TRANSACTION-TYPE", "Undefined")},
          {Line("C-REL-PART-DISC", "Not related to the owner"),
           Line("C-REL-PART-DISC", "Undefined")}},
         "Registration no:,\"ab-77/sc\"\n"},
    };
}

void PrintTo(const ScottishIdentityCase& c, std::ostream* os) {
    *os << c.label;
}

class ScottishIdentity : public ::testing::TestWithParam<ScottishIdentityCase> {};

TEST_P(ScottishIdentity, RunEndsOk) {
    const ScottishIdentityCase& c = GetParam();
    TempDir dir;
    WriteVariation(dir, kSchool, Replace(c.edits));

    const ProcessResult r = RunInput(dir, kSchool);

    EXPECT_EQ(r.exitCode, 0) << r.out;
    EXPECT_TRUE(EndsWith(r.out, "\nOK\n")) << r.out;
    const std::string results = ReadFileBytes(dir.file(kSchool + ".csv"));
    EXPECT_TRUE(Contains(results, "\n" + c.registrationLine)) << results;
}

std::string ScottishName(const ::testing::TestParamInfo<ScottishIdentityCase>& info) {
    return info.param.label;
}

INSTANTIATE_TEST_SUITE_P(Scotland, ScottishIdentity, ::testing::ValuesIn(ScottishIdentityCases()),
                         ScottishName);

// ---------------------------------------------------------------------------
// Without a building-improved rate the Scottish benchmark shows question marks.

class ScottishPer : public ::testing::TestWithParam<std::string> {};

TEST_P(ScottishPer, NotProvidedPrintsQuestionMarks) {
    TempDir dir;
    WriteVariation(dir, kSchool, Replace({{Line("PER", "28.6"), GetParam()}}));

    const ProcessResult r = RunInput(dir, kSchool);

    EXPECT_EQ(r.exitCode, 0) << r.out;
    const std::string results = ReadFileBytes(dir.file(kSchool + ".csv"));
    EXPECT_TRUE(Contains(results,
                         "\nSection 6 (2006) legal standard,30.5,C+,\n"
                         "Building Improved,?,?,\n"
                         ",,,\n"))
        << results;
    // The rating of the building itself is untouched.
    EXPECT_TRUE(Contains(results, "\nBuilding Emission Rate (BER),37.5,C+,37,\n")) << results;
}

INSTANTIATE_TEST_SUITE_P(Scotland, ScottishPer,
                         ::testing::Values(Line("PER", "-7777"), std::string()),
                         [](const ::testing::TestParamInfo<std::string>& given) {
                             return std::string(given.param.empty() ? "LeftOut" : "Given");
                         });

// ---------------------------------------------------------------------------
// The input key file: only the digest of this very input under the key of its
// calculation engine validates it, and the run goes on either way.

struct KeyCase {
    const char* label;
    // Prepares the copy of the office example in the folder.
    std::function<void(const TempDir&)> prepare;
    bool validated;
    // Why not, as the error stream's warning says it.
    std::string reason = "";
};

std::string OfficeFile(const TempDir& dir) {
    return dir.file(kOffice + ".inp");
}
std::string OfficeKeyFile(const TempDir& dir) {
    return dir.file(kOffice + "_inpkey.txt");
}

std::string DigestUnderKey(const TempDir& dir, int keyIndex) {
    NCMKEYS keys;
    keys.Init();
    return InputKeyDigest(keys, keyIndex, OfficeFile(dir));
}

std::vector<KeyCase> KeyCases() {
    const std::string mismatch =
        "england-office_inpkey.txt does not match the input: the input was changed after the "
        "calculation engine wrote the key file, or the key file is not that of ZOLM, the engine "
        "CENGINE-VAL names";
    return {
        {"ShippedKey", [](const TempDir&) {}, true},
        {"WrittenWithWindowsLineEnd",
         [](const TempDir& d) { WriteFileBytes(OfficeKeyFile(d), DigestUnderKey(d, 1) + "\r\n"); },
         true},
        {"FollowedByFurtherLines",
         [](const TempDir& d) {
             WriteFileBytes(OfficeKeyFile(d), DigestUnderKey(d, 1) + "\nZOLM v6.2.1\n");
         },
         true},
        {"InputChangedByOneByte",
         [](const TempDir& d) {
             WriteFileBytes(
                 OfficeFile(d),
                 Edited(ReadFileBytes(OfficeFile(d)),
                        {{Line("BUILDING-AREA", "2184.6"), Line("BUILDING-AREA", "2184.7")}}));
         },
         false, mismatch},
        {"Missing", [](const TempDir& d) { std::remove(OfficeKeyFile(d).c_str()); }, false,
         "there is no key file england-office_inpkey.txt beside the input"},
        {"Empty", [](const TempDir& d) { WriteFileBytes(OfficeKeyFile(d), ""); }, false,
         "the key file england-office_inpkey.txt is empty"},
        {"EmptyFirstLine", [](const TempDir& d) { WriteFileBytes(OfficeKeyFile(d), "\n"); }, false,
         "the key file england-office_inpkey.txt is empty"},
        {"InCapitals",
         [](const TempDir& d) {
             std::string digest = DigestUnderKey(d, 1);
             for (char& c : digest)
                 c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
             WriteFileBytes(OfficeKeyFile(d), digest + "\n");
         },
         false, mismatch},
        {"UnderTheKeyOfAnotherEngine",
         [](const TempDir& d) { WriteFileBytes(OfficeKeyFile(d), DigestUnderKey(d, 2) + "\n"); },
         false, mismatch},
    };
}

void PrintTo(const KeyCase& c, std::ostream* os) {
    *os << c.label;
}

class InputKey : public ::testing::TestWithParam<KeyCase> {};

TEST_P(InputKey, DecidesTheValidationAndTheRunGoesOn) {
    const KeyCase& c = GetParam();
    TempDir dir;
    CopyExample(dir, kOffice);
    c.prepare(dir);

    const ProcessResult r = RunInput(dir, kOffice);

    EXPECT_EQ(r.exitCode, 0) << r.out;
    EXPECT_TRUE(EndsWith(r.out, "\nOK\n")) << r.out;
    const std::string log = RunLog(dir);
    if (c.validated) {
        EXPECT_TRUE(Contains(log, "\nInput file validated? YES, Input file from: ZOLM\n\n")) << log;
        EXPECT_EQ(r.err, "");
    } else {
        EXPECT_TRUE(Contains(log, "\nInput file validated? NO\n\n")) << log;
        EXPECT_FALSE(Contains(log, "validated? YES")) << log;
        // The log keeps its line; the error stream says why.
        EXPECT_EQ(r.err,
                  "england-office.inp: warning: Input file validated? NO: " + c.reason + "\n");
    }
    EXPECT_TRUE(FileExists(dir.file(kOffice + ".csv")));
}

std::string KeyName(const ::testing::TestParamInfo<KeyCase>& info) {
    return info.param.label;
}

INSTANTIATE_TEST_SUITE_P(Office, InputKey, ::testing::ValuesIn(KeyCases()), KeyName);

}  // namespace
