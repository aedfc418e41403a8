#include "boc/fileguard.h"

#include "app/runlog.h"
#include "app/textutil.h"

namespace {
void LogFailure(const std::string& name) {
    // The console gets the message from assure on the error stream.
    LogStream() << "\nCould not open file " << name << "\n";
    WriteLog();
}
}  // namespace

void AssureLogged(const std::ifstream& in, const std::string& name) {
    if (!in) LogFailure(name);
    assure(in, name);
}

void AssureLogged(const std::ofstream& out, const std::string& name) {
    if (!out) LogFailure(name);
    assure(out, name);
}
