#include "boc/fileguard.h"

#include "app/inputfile.h"
#include "app/runlog.h"
#include "app/textutil.h"

void CouldNotOpenLogged(const std::string& name) {
    // The console gets the message on the error stream.
    LogStream() << "\nCould not open file " << name << "\n";
    WriteLog();
    CouldNotOpenFile(name);
}

std::string ReadLogged(const std::string& name) {
    std::string bytes;
    if (!ReadRunFile(name, bytes)) CouldNotOpenLogged(name);
    return bytes;
}
