// The IAS package: the unstructured data of a run, sealed, so that a later
// run can take it up; written plain (".ias") and gzip-compressed (".zas").

#include "reports/ias_package.h"

#include "app/outputs.h"
#include "app/runlog.h"
#include "app/stop.h"
#include "app/version.h"
#include "reports/gzip_file.h"
#include "reports/seal.h"
#include "reports/xml_message.h"
#include "reports/xml_writer.h"

std::string IasPackageText(const MessageRecord& record) {
    std::string m;
    XmlWriter w(m, MessageLayout());
    const std::string now = Ahora();
    w.Declaration();
    w.Comment(std::string("Tarvex version: ") + kTarvexVersion + " End Version");
    w.Comment("Date: " + now.substr(0, now.size() - 1));
    w.Open("ToIncludeInLandmarkXmlMessage");
    WriteUnstructuredData(w, record.data);
    w.Close();
    return m;
}

WrittenOutputs WriteIasPackage(const MessageRecord& record, const std::string& inputFile,
                               const std::string& sealKey) {
    const std::string package = OutputName(inputFile, ending::kIasPackage);
    const std::string compressed = OutputName(inputFile, ending::kIasCompressed);
    SendLog("  Producing ias message ...");
    const std::string bytes = SealedBytes(sealKey, IasPackageText(record), SealKind::IasMessage);
    // A file that cannot be written is named at the run's end, which then
    // ends with status 1. The compressed copy is made from the same bytes in
    // memory, not read back from the package.
    const auto result = [](const std::string& path, bool saved) {
        return WrittenDocument{path, SavedBytes(), saved};
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
