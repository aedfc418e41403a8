#include "reports/sealed_messages.h"

#include "app/runlog.h"
#include "app/stop.h"

// Register messages are not written or read by this build yet: say so plainly
// rather than pretend a package or message was checked.
void XMLcheck(const std::string& xmlFile) {
    SendLog("\n  Verification of sealed messages is not available in this version (" + xmlFile +
            ").\n");
}

std::string IasProcess(const std::string& iasFile, const std::string& /*inputFile*/,
                       bool /*extract*/) {
    SendLog("\n  IAS packages cannot be read by this version (" + iasFile + ").\n");
    EndProcess(1);
}
