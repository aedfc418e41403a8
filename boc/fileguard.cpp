#include "boc/fileguard.h"

#include "app/inputfile.h"
#include "app/runlog.h"
#include "app/stop.h"
#include "app/textutil.h"

void CouldNotOpenLogged(const std::string& name) {
    // The console gets the message on the error stream.
    throw RunStop(
        {"", "\nCould not open file " + name + "\n", "Could not open file " + name + "\n"},
        kExitFailed, true);
}

std::string ReadLogged(const std::string& name) {
    std::string bytes;
    if (!ReadRunFile(name, bytes)) CouldNotOpenLogged(name);
    return bytes;
}
