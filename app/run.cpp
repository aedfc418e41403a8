#include "app/run.h"

#include "app/runlog.h"
#include "app/version.h"

void RunBuilding(const RunSettings& settings) {
    const RunFiles files = MakeRunFiles(settings, kPlatformCode);
    SetFileLog(files.log);
    WriteLog();

    SendLog("\n");
    SendLog(std::string("Running EPC generator Tarvex ") + kTarvexVersion + " on: " + Ahora() +
            "\n");
    SendLog("File: " + settings.inputFile + "\n");
    SendLog("\n");

    // The project stages join here as they are built.

    WriteLog();
}
