#include "app/codes.h"
#include "app/runlog.h"
#include "app/stop.h"
#include "project/project.h"

namespace {

// Code numbers tested here; their meaning lies in the library definition.
constexpr int kFuelNotSpecified = 15;
constexpr int kEnvironmentNotSpecified = 7;
constexpr int kRelatedPartyUndefined = 13;
constexpr int kTransactionUndefined = 7;

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
        StopRun("\n\nERROR: \"Related Party Disclosure\" is undefined in " +
                boc.objects[generalObjectIndex].name + "\n");
    if (boc.Vcodid(objectIndex, "TRANSACTION-TYPE") == kTransactionUndefined)
        StopRun("\n\nERROR: \"Transaction Type\" is undefined in " + boc.objects[objectIndex].name +
                "\n");
}
