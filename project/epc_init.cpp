#include "app/codes.h"
#include "app/runlog.h"
#include "app/stop.h"
#include "boc/diagnostics.h"
#include "project/project.h"

namespace {

// Code numbers tested here; their meaning lies in the library definition.
constexpr int kFuelNotSpecified = 15;
constexpr int kEnvironmentNotSpecified = 7;
constexpr int kRelatedPartyUndefined = 13;
constexpr int kTransactionUndefined = 7;

// A declaration every certificate states, left undefined: the console and
// the log as always, and the error stream told where.
[[noreturn]] void StopForUndefined(const BOC& boc, int o, const char* keyword, const char* what) {
    const std::string said =
        boc.KeywordLine(o, keyword) > 0
            ? std::string(keyword) + " = " + boc.Vcod(o, keyword) + " leaves the " + what +
                  " undefined"
            : ObjectNamed(boc, o) + " does not give " + keyword + ", the " + what;
    StopRunWithDiagnostics(
        "\n\nERROR: \"" + std::string(what) + "\" is undefined in " + boc.objects[o].name + "\n",
        KeywordPlace(boc, o, keyword) + ": error: " + said + ", which every certificate states\n");
}

}  // namespace

void EPC::Init(const PROJECTDefaults&, const PROJECTTables&, const PROJECTTables&, BOC& boc) {
    if (boc.Vcodid(objectIndex, "MAIN-FUEL-TYPE") == kFuelNotSpecified)
        boc.ModKey(objectIndex, "MAIN-FUEL-TYPE", "Other");
    if (boc.Vcodid(objectIndex, "BUILDING-ENVIRONMENT") == kEnvironmentNotSpecified)
        boc.ModKey(objectIndex, "BUILDING-ENVIRONMENT", "Unconditioned");

    if (!IsEnglandWalesOrNorthernIreland(boc.Vcodid(objectIndex, "TYPE"))) return;
    // Without a general object before it there is no declaration to check;
    // the project stops on the missing object once the records are built.
    if (generalObjectIndex >= 0 &&
        boc.Vcodid(generalObjectIndex, "C-REL-PART-DISC") == kRelatedPartyUndefined)
        StopForUndefined(boc, generalObjectIndex, "C-REL-PART-DISC", "Related Party Disclosure");
    if (boc.Vcodid(objectIndex, "TRANSACTION-TYPE") == kTransactionUndefined)
        StopForUndefined(boc, objectIndex, "TRANSACTION-TYPE", "Transaction Type");
}
