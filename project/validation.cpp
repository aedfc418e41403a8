#include <fstream>

#include "app/codes.h"
#include "app/runlog.h"
#include "app/stop.h"
#include "app/textutil.h"
#include "library/inpkey.h"
#include "library/ncmd5.h"
#include "project/project.h"

void PROJECT::INP_Validate(const char* inputFile, const char* inputKeyFile) {
    const int g = generalObject;
    const int keyIndex = boc.Vcodid(g, "CENGINE-VAL");
    // The note carries the input's digest under the first key, which is also
    // the input key of the most common engine: it is worked out once.
    const std::string digest =
        NCMD5().keyhashFile(keys.keys().at(kValidationNoteKeyIndex), inputFile);
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
    }
    WriteLogProgress();
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

[[noreturn]] void KnownError(BOC& boc, int general, const std::string& message) {
    const bool pause = boc.Vcod(general, "PAUSE-KNOWN-ERRORS") == "YES";
    StopRunAfterPause("\n" + message + "\n\n", pause);
}

}  // namespace

void GENERAL::Checks(const PROJECTDefaults&, const PROJECTTables&, BOC& boc,
                     const std::string& isoDate, const std::string& shortDate) const {
    const int g = objectIndex;
    const std::string uprn = StripQuotes(boc.Vtext(g, "UPRN"));
    if (!ValidUprn(uprn)) KnownError(boc, g, "ERROR: UPRN is not valid");
    boc.ModKey(g, "UPRN", uprn);

    const std::string reg = StripQuotes(boc.Vtext(g, "C-REG-NUMBER"));
    const bool scotland = epcObjectIndex >= 0 && IsJurisdiction(boc.Vcodid(epcObjectIndex, "TYPE"),
                                                                Jurisdiction::Scotland);
    if (!ValidRegistration(reg) && !scotland)
        KnownError(boc, g, "ERROR: C-REG-NUMBER is not valid");
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
