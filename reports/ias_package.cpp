// The IAS package: the unstructured data of a run, sealed, so that a later
// run can take it up; written plain (".ias") and gzip-compressed (".zas").

#include <cstdio>
#include <sstream>

#include "app/outputs.h"
#include "app/runlog.h"
#include "app/stop.h"
#include "app/version.h"
#include "project/project.h"
#include "reports/gzip_file.h"
#include "reports/seal.h"

std::string PROJECT::IAS_Package() {
    std::ostringstream m;
    const std::string now = Ahora();
    m << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    m << "<!-- Tarvex version: " << kTarvexVersion << " End Version -->\n";
    m << "<!-- Date: " << now.substr(0, now.size() - 1) << " -->\n";
    m << "<ToIncludeInLandmarkXmlMessage>\n";
    m << XML_Unstructured_Data();
    m << "</ToIncludeInLandmarkXmlMessage>\n";
    return m.str();
}

void PROJECT::IAS_Report_EW(const char* inputFile) {
    const std::string package = OutputName(inputFile, ending::kIasPackage);
    const std::string compressed = OutputName(inputFile, ending::kIasCompressed);
    SendLog("  Producing ias message ...");
    const std::string text = IAS_Package();
    if (!WriteSealed(package, keys.keys().at(kMessageKeyIndex), text, SealKind::IasMessage)) {
        std::fprintf(stderr, "Could not open file %s\n", package.c_str());
        StopRun(" failed\nERROR: The IAS file " + package + " could not be written\n");
    }
    if (compress_one_file(package, compressed) != 0) {
        std::fprintf(stderr, "Could not open file %s\n", compressed.c_str());
        StopRun(" failed\nERROR: The compressed IAS file " + compressed +
                " could not be written\n");
    }
    SendLog(" OK\n");
}
