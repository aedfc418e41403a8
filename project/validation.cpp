#include <cmath>
#include <fstream>

#include "app/codes.h"
#include "app/inputfile.h"
#include "app/runlog.h"
#include "app/stop.h"
#include "app/textutil.h"
#include "boc/diagnostics.h"
#include "library/inpkey.h"
#include "library/ncmd5.h"
#include "project/project.h"

namespace {

std::string Trimmed(const std::string& text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) return "";
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// Why an input did not validate, as far as its key file tells.
std::string WhyNotValidated(const std::string& keyFile, const std::string& engine) {
    std::string bytes, line;
    if (!ReadRunFile(keyFile, bytes))
        return "there is no key file " + keyFile + " beside the input";
    if (!TextLines(bytes).Next(line) || line.empty())
        return "the key file " + keyFile + " is empty";
    return keyFile +
           " does not match the input: the input was changed after the calculation engine wrote "
           "the key file, or the key file is not that of " +
           engine + ", the engine CENGINE-VAL names";
}

// What an IAS package's note says of the input a run reads.
enum class PackageNote { kNone, kValidated, kNotValidated, kOtherInput };

// The package's sealed note ("<!-- original secure hash: DIGEST // Original
// file from ENGINE was correctly validated. -->") read against the digest of
// the input this run reads under the note's key: the input it speaks of, or
// another (an input beside the package that was changed).
PackageNote ReadPackageNote(const std::string& lodgement, const std::string& digest) {
    static const std::string kOpen = "<!-- original secure hash: ";
    const std::size_t at = lodgement.find(kOpen);
    if (at == std::string::npos) return PackageNote::kNone;
    const std::size_t from = at + kOpen.size();
    const std::size_t end = lodgement.find(" -->", from);
    if (end == std::string::npos) return PackageNote::kNone;
    const std::string note = lodgement.substr(from, end - from);
    if (note.compare(0, digest.size(), digest) != 0 || note.size() == digest.size() ||
        note[digest.size()] != ' ')
        return PackageNote::kOtherInput;
    static const std::string kValidated = " was correctly validated.";
    return note.size() > kValidated.size() &&
                   note.compare(note.size() - kValidated.size(), kValidated.size(), kValidated) == 0
               ? PackageNote::kValidated
               : PackageNote::kNotValidated;
}

// Every document prints the postcode line: an input that leaves it empty
// gets certificates without a postcode, which the assessor must hear of.
void WarnOfEmptyPostcode(const BOC& boc, int g) {
    if (!Trimmed(StripQuotes(boc.Vtext(g, "B-ADDRESS-5"))).empty()) return;
    const int line = boc.KeywordLine(g, "B-ADDRESS-5");
    std::string warning = Where(boc.inputFile, line) +
                          ": warning: B-ADDRESS-5, the postcode line that the documents print, " +
                          (line > 0 ? "is empty" : "is not given");
    const std::string postcode = Trimmed(StripQuotes(boc.Vtext(g, "B-POSTCODE")));
    if (!postcode.empty())
        warning += " (B-POSTCODE \"" + postcode + "\" reaches the results file only)";
    WarnOnErrorStream(warning + "\n");
}

}  // namespace

void PROJECT::INP_Validate(const char* inputFile, const char* inputKeyFile) {
    const int g = generalObject;
    const int keyIndex = boc.Vcodid(g, "CENGINE-VAL");
    // The note carries the input's digest under the first key, which is also
    // the input key of the most common engine: it is worked out once.
    const std::string& noteKey = keys.keys().at(kValidationNoteKeyIndex);
    validatedInput.clear();
    validatedDigest.clear();
    if (ReadRunFile(inputFile, validatedInput))
        validatedDigest = NCMD5().keyhash(noteKey, validatedInput);
    else
        validatedInput.clear();
    const std::string digest =
        validatedDigest.empty() ? NCMD5().keyhashFile(noteKey, inputFile) : validatedDigest;
    const bool keyed = InputKeyMatches(keys, keyIndex, inputFile, inputKeyFile, 1, digest);
    // A run taken up from a package has no key file: the package's sealed
    // note says whether the input it carries was validated when it was made.
    const PackageNote note =
        fromIasPackage ? ReadPackageNote(iasLodgementText, digest) : PackageNote::kNone;
    const bool valid = keyed || note == PackageNote::kValidated;
    const std::string result = valid ? "YES" : "NO";
    boc.ModKey(g, "CENGINE-VAL-OK", result);

    validationNote = digest + " // Original file from " + boc.Vcod(g, "CENGINE-VAL") +
                     (valid ? " was correctly validated." : " was NOT validated.");

    const std::string shown = boc.Vcod(g, "CENGINE-VAL-OK");
    if (valid) {
        SendLog("\nInput file validated? " + shown, kColourGreen);
        SendLog(", Input file from: " + boc.Vtext(g, "CENGINE-VAL") + "\n\n", kColourGreen);
    } else {
        SendLog("\nInput file validated? " + shown, kColourRed);
        SendLog("\n\n");
        const std::string why =
            note == PackageNote::kNotValidated
                ? "the package says that the input it carries was not validated when the package "
                  "was made"
            : note == PackageNote::kOtherInput
                ? "the input is not the one the package carries, and " +
                      WhyNotValidated(inputKeyFile, boc.Vcod(g, "CENGINE-VAL"))
                : WhyNotValidated(inputKeyFile, boc.Vcod(g, "CENGINE-VAL"));
        WarnOnErrorStream(Where(boc.inputFile, 0) + ": warning: Input file validated? " + shown +
                          ": " + why + "\n");
    }
    WriteLogProgress();
    WarnOfEmptyPostcode(boc, g);
}

namespace {

bool AllOf(const std::string& text, std::size_t from, std::size_t to, const char* allowed) {
    for (std::size_t i = from; i < to; ++i)
        if (std::string(allowed).find(text[i]) == std::string::npos) return false;
    return true;
}

bool ValidUprn(const std::string& uprn) {
    return uprn.size() == 12 && AllOf(uprn, 0, 12, "0123456789");
}

bool ValidRegistration(const std::string& number) {
    return number.size() == 10 && AllOf(number, 0, 4, "ABCDEFGHIJKLMNOPQRSTUVWXYZ/_") &&
           AllOf(number, 4, 10, "0123456789");
}

// Whole-number part of a list entry, held inside a range that every date
// function accepts.
int DatePart(double value) {
    if (!(value > -100000)) return -100000;
    if (value > 100000) return 100000;
    return static_cast<int>(value);
}

// Stops the run on a value of the wrong shape: the message to the console
// and the log, and the error stream told where the value is and what it
// should be.
[[noreturn]] void KnownError(BOC& boc, int general, const std::string& keyword,
                             const std::string& value, const std::string& rule) {
    const bool pause = boc.Vcod(general, "PAUSE-KNOWN-ERRORS") == "YES";
    const std::string said = boc.KeywordLine(general, keyword) > 0
                                 ? keyword + " \"" + value + "\" is not valid: " + rule
                                 : ObjectNamed(boc, general) + " does not give " + keyword +
                                       ", which every certificate states";
    StopRunWithDiagnostics("\nERROR: " + keyword + " is not valid\n\n",
                           KeywordPlace(boc, general, keyword) + ": error: " + said + "\n", pause);
}

bool WholeIn(double value, int low, int high) {
    return value == std::floor(value) && value >= low && value <= high;
}

int DaysInMonth(int year, int month) {
    static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : kDays[month - 1];
}

// What is wrong with (year, month, day) as a calendar date; "" when nothing.
std::string NotACalendarDate(const std::vector<double>& date) {
    const auto part = [](double v) { return num2string(v, -1); };
    if (!WholeIn(date[0], 1000, 9999))
        return "the year " + part(date[0]) + " is not written with four digits";
    if (!WholeIn(date[1], 1, 12)) return "the month " + part(date[1]) + " is not 1 to 12";
    const int days = DaysInMonth(static_cast<int>(date[0]), static_cast<int>(date[1]));
    if (!WholeIn(date[2], 1, days))
        return "the day " + part(date[2]) + " is not 1 to " + std::to_string(days) +
               " in that month";
    return "";
}

// An inspection date that is not a calendar date is read through the
// calendar (month 13 is January of the next year), and one after the run
// is accepted: both are stated, and the reading stays.
void WarnOfInspectionDate(const BOC& boc, int line, const std::vector<double>& date,
                          const std::string& readAs, const std::string& today) {
    const std::string where = Where(boc.inputFile, line) + ": warning: B-INSP-DATE ";
    const std::string wrong = NotACalendarDate(date);
    if (!wrong.empty())
        SendWarning(where + "(" + num2string(date[0], -1) + "," + num2string(date[1], -1) + "," +
                    num2string(date[2], -1) + ") is not a calendar date (" + wrong +
                    "): it is read as " + readAs + "\n");
    // ISO dates of four-digit years compare as texts.
    if (readAs.size() == 10 && readAs > today)
        SendWarning(where + readAs + " is after the date of this run, " + today +
                    ": an inspection cannot have taken place yet\n");
}

}  // namespace

void GENERAL::Checks(const PROJECTDefaults&, const PROJECTTables&, BOC& boc,
                     const std::string& isoDate, const std::string& shortDate) const {
    const int g = objectIndex;
    const std::string uprn = StripQuotes(boc.Vtext(g, "UPRN"));
    if (!ValidUprn(uprn)) {
        KnownError(boc, g, "UPRN", uprn,
                   "a UPRN is 12 digits and this one " +
                       (uprn.size() == 12 ? std::string("holds other characters")
                                          : "has " + std::to_string(uprn.size()) + " characters"));
    }
    boc.ModKey(g, "UPRN", uprn);

    const std::string reg = StripQuotes(boc.Vtext(g, "C-REG-NUMBER"));
    const bool scotland = epcObjectIndex >= 0 && IsJurisdiction(boc.Vcodid(epcObjectIndex, "TYPE"),
                                                                Jurisdiction::Scotland);
    if (!ValidRegistration(reg) && !scotland)
        KnownError(boc, g, "C-REG-NUMBER", reg,
                   "it is 4 characters from A to Z, / and _, then 6 digits");
    boc.ModKey(g, "C-REG-NUMBER", reg);

    const std::vector<double> date = boc.Vlnum(g, "B-INSP-DATE");
    const int dateLine = boc.KeywordLine(g, "B-INSP-DATE");
    if (date.size() == 3) {
        const int y = DatePart(date[0]), m = DatePart(date[1]), d = DatePart(date[2]);
        const std::string readAs = fCreateDate(y, m, d, true);
        boc.ModKey(g, "XML-INSP-DATE", readAs);
        boc.ModKey(g, "RRN-INSP-DATE", fCreateDate(y, m, d, false));
        WarnOfInspectionDate(boc, dateLine, date, readAs, isoDate);
    } else {
        boc.ModKey(g, "XML-INSP-DATE", isoDate);
        boc.ModKey(g, "RRN-INSP-DATE", shortDate);
        if (dateLine > 0)
            SendWarning(Where(boc.inputFile, dateLine) +
                        ": warning: B-INSP-DATE = " + Trimmed(boc.Vtext(g, "B-INSP-DATE")) +
                        " does not hold a year, a month and a day: the date of this run, " +
                        isoDate + ", is used\n");
    }
}

void EPC::Validation(const PROJECTDefaults&, const PROJECTTables&, BOC& boc) const {
    if (boc.Vtext(objectIndex, "CERTIFICATE-NUMBER") != boc.Vtext(objectIndex, "EPC-BAND"))
        boc.ModKey(objectIndex, "CERTIFICATE-NUMBER", "Certificate Not Validated");
}
