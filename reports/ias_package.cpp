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

WrittenOutputs PROJECT::IAS_Report_EW(const char* inputFile) {
    const std::string package = OutputName(inputFile, ending::kIasPackage);
    const std::string compressed = OutputName(inputFile, ending::kIasCompressed);
    SendLog("  Producing ias message ...");
    const std::string bytes =
        SealedBytes(keys.keys().at(kMessageKeyIndex), IAS_Package(), SealKind::IasMessage);
    // A file that cannot be written is named at the run's end, which then
    // ends with status 1. The compressed copy is made from the same bytes in
    // memory, not read back from the package.
    const auto result = [](const std::string& path, bool saved) {
        return WrittenDocument{path, Fingerprint(), saved};
    };
    if (!WriteMessageFile(package, bytes)) return {result(package, false)};
    std::string gzipped;
    if (!GzipBytes(bytes, gzipped)) {
        FileWriteResult notMade;
        notMade.ok = false;
        notMade.reason = "zlib could not compress it";
        SendLog(" failed\n");
        ReportWriteFailure(compressed, notMade);
        return {result(package, true), result(compressed, false)};
    }
    if (!WriteMessageFile(compressed, gzipped))
        return {result(package, true), result(compressed, false)};
    SendLog(" OK\n");
    return {result(package, true), result(compressed, true)};
}
