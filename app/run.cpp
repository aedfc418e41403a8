#include "app/run.h"

#include <iostream>
#include <memory>

#include "app/codes.h"
#include "app/outputs.h"
#include "app/runlog.h"
#include "app/stop.h"
#include "app/version.h"
#include "project/project.h"

void RunBuilding(const RunSettings& settings) {
    const RunFiles files = MakeRunFiles(settings, kPlatformCode);
    // Checked before the log is first written: the log, too, must not be the input.
    const std::string clash = OutputReplacingInput(settings.inputFile, files.log);
    if (!clash.empty()) {
        SendLog("ERROR: The input file " + settings.inputFile + " would be overwritten by " +
                clash + ", an output of this run. Rename the input, for example to end in .inp\n");
        EndProcess(1);
    }
    SetFileLog(files.log);
    WriteLog();

    SendLog("\n");
    SendLog(std::string("Running EPC generator Tarvex ") + kTarvexVersion + " on: " + Ahora() +
            "\n");
    SendLog("File: " + settings.inputFile + "\n");
    SendLog("\n");

    // The project is large (the whole object matrix): keep it off the stack.
    auto project = std::make_unique<PROJECT>();
    PROJECT& p = *project;
    p.Reset();
    p.fromIasPackage = settings.fromIasPackage;
    p.iasLodgementText = settings.iasText;
    p.interfaceProjectPath = files.interfaceProject;
    p.Init(files.defaults.c_str(), files.tables.c_str(), files.asTables.c_str(),
           files.libraryDefinition.c_str(), settings.inputFile.c_str(), kPlatformCode);

    EPC& epc = p.epcs.front();
    epc.fromIasPackage = settings.fromIasPackage;
    epc.cookieFile = files.cookie;
    epc.certFolder = files.certFolder;
    epc.caBundle = files.caBundle;
    epc.messagesFile = files.messages;

    p.INP_Validate(settings.inputFile.c_str(), files.inputKey.c_str());
    p.fDates();
    p.boc.ModKey(p.generalObject, "HTTP-PROXY-PASSWORD", settings.proxyPassword);

    const int type = p.boc.Vcodid(p.epcObject, "TYPE");
    const char* input = settings.inputFile.c_str();
    if (IsEnglandWalesOrNorthernIreland(type)) {
        p.boc.ModKey(p.generalObject, "PATH-FILE-TARVEX", settings.inputFile);
        p.Calc();
        p.Results_EW(input);
        p.PDF_EPC_Report_EW(input);
        // Welsh-language certificate goes here: PDF_EPC_Report_W when EPC-LANGUAGE is not code 1.
        p.fREC_Report();
    } else if (IsJurisdiction(type, Jurisdiction::Scotland)) {
        p.Calc_Scotland();
        p.Results_S(input);
        p.fREC_Report();
    }

    // "OK" reaches the console only once the log that records it is written.
    LogStream() << "OK\n";
    WriteLog();
    std::cout << "OK\n" << std::flush;
}
