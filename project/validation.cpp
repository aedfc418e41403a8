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
    SayOnErrorStream(warning + "\n");
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
    const bool valid = InputKeyMatches(keys, keyIndex, inputFile, inputKeyFile, 1, digest);
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
        SayOnErrorStream(Where(boc.inputFile, 0) + ": warning: Input file validated? " + shown +
                         ": " + WhyNotValidated(inputKeyFile, boc.Vcod(g, "CENGINE-VAL")) + "\n");
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
    StopRunWithDiagnostics("\nERROR: " + keyword + " is not valid\n\n",
                           Where(boc.inputFile, boc.KeywordLine(general, keyword)) + ": error: " +
                               keyword + " \"" + value + "\" is not valid: " + rule + "\n",
                           pause);
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
    if (date.size() == 3) {
        const int y = DatePart(date[0]), m = DatePart(date[1]), d = DatePart(date[2]);
        boc.ModKey(g, "XML-INSP-DATE", fCreateDate(y, m, d, true));
        boc.ModKey(g, "RRN-INSP-DATE", fCreateDate(y, m, d, false));
    } else {
        boc.ModKey(g, "XML-INSP-DATE", isoDate);
        boc.ModKey(g, "RRN-INSP-DATE", shortDate);
    }
}

void EPC::Validation(const PROJECTDefaults&, const PROJECTTables&, BOC& boc) const {
    if (boc.Vtext(objectIndex, "CERTIFICATE-NUMBER") != boc.Vtext(objectIndex, "EPC-BAND"))
        boc.ModKey(objectIndex, "CERTIFICATE-NUMBER", "Certificate Not Validated");
}
