#include "app/run.h"

#include <unistd.h>

#include <cmath>
#include <cstdlib>
#include <ctime>
#include <iostream>
#include <memory>
#include <optional>

#include "app/atomicfile.h"
#include "app/codes.h"
#include "app/exit_status.h"
#include "app/inputfile.h"
#include "app/outputs.h"
#include "app/runlog.h"
#include "app/runresult.h"
#include "app/stop.h"
#include "app/textutil.h"
#include "app/version.h"
#include "boc/fileguard.h"
#include "pdf/documents.h"
#include "project/message_record.h"
#include "project/project.h"
#include "project/record.h"
#include "project/results_record.h"
#include "reports/ias_package.h"
#include "reports/results.h"
#include "reports/xml_message.h"

namespace {

// The result the program that started the run asked for (app/runresult.h),
// from the run's own records; none when none was asked for. Input texts go
// through the one encoding function, on one line each.
std::optional<WrittenDocument> WriteRunResult(PROJECT& p, const std::string& inputFile, int type,
                                              const WrittenOutputs& outputs) {
    const char* path = std::getenv(kRunResultVariable);
    if (path == nullptr || *path == '\0') return std::nullopt;
    namespace k = result_key;
    std::string result;
    const auto add = [&result](const char* key, const std::string& value) {
        if (value.empty() || value == kNotSetText) return;
        std::string line = value;
        for (char& c : line)
            if (c == '\n' || c == '\r') c = ' ';
        result += std::string(key) + "=" + line + "\n";
    };
    const int g = p.generalObject;
    const auto text = [&p, g](const char* keyword) {
        const std::string value = StripQuotes(p.boc.Vtext(g, keyword));
        if (value == kNotSetText) return std::string();
        return p.OutputText(g, keyword, value, OutputEncoding::kUtf8);
    };
    const auto wrote = [&outputs](const std::string& name) {
        for (const WrittenDocument& o : outputs)
            if (o.written() && o.path == name) return true;
        return false;
    };
    add(k::kValidated, p.boc.Vcod(g, "CENGINE-VAL-OK"));
    add(k::kType, std::to_string(type));
    add(k::kWelshCertificate,
        wrote(OutputName(inputFile, ending::kWelshCertificate)) ? "yes" : "no");
    add(k::kUprn, text("UPRN"));
    const std::string line1 = text("B-ADDRESS-0");
    add(k::kAddress, line1.empty() ? text("B-ADDRESS") : line1);
    add(k::kPostcode, text("B-POSTCODE"));
    if (IsEnglandWalesOrNorthernIreland(type) || IsJurisdiction(type, Jurisdiction::Scotland)) {
        // A whole number, written in full: a stream's six digits would give
        // a seven-digit rating as 1.23457e+06.
        const Ratings& r = p.epcs.front().ratings;
        add(k::kRating, std::to_string(std::llround(r.asset)));
        add(k::kBand, r.assetBand);
    }
    // Scotland's run gives its documents no reference numbers.
    if (IsEnglandWalesOrNorthernIreland(type)) {
        add(k::kRrnCertificate, text("RRN-EPC"));
        add(k::kRrnRecommendations, text("RRN-REC"));
    }
    for (const WrittenDocument& o : outputs) {
        const std::string e = ending::kMessage;
        if (o.written() && o.path.size() > e.size() &&
            o.path.compare(o.path.size() - e.size(), e.size(), e) == 0)
            add(k::kMessage, o.path);
    }
    const RunWarnings& warnings = WarningsOfRun();
    add(k::kWarnings, std::to_string(warnings.count));
    add(k::kFirstWarning,
        EncodeText(warnings.first, p.boc.inputEncoding, OutputEncoding::kUtf8).text);
    // Read at once by the program that asked, from its own work folder.
    const bool saved = WriteFileWhole(path, result, FileSync::kLeftToSystem).ok;
    return WrittenDocument{path, SavedBytes(), saved};
}

}  // namespace

std::string FailedOutputsMessage(const std::vector<std::string>& outputs) {
    std::string message = "\n";
    for (const std::string& output : outputs)
        message += "ERROR: " + output + " could not be written; the run is incomplete\n";
    return message;
}

std::string RunSummaryLine(long long rating, const std::string& band,
                           const WrittenOutputs& outputs) {
    std::string line = band.empty() ? "" : "Rating " + std::to_string(rating) + " " + band + ". ";
    std::vector<std::string> written;
    for (const WrittenDocument& o : outputs)
        if (o.written()) written.push_back(o.path);
    if (written.empty()) return line + "Wrote no documents.\n";
    const std::string folder = FolderOf(written.front());
    bool shared = folder != ".";
    for (const std::string& path : written) shared = shared && FolderOf(path) == folder;
    line += shared ? "Wrote in " + folder + ": " : "Wrote ";
    for (std::size_t i = 0; i < written.size(); ++i) {
        const std::string& path = written[i];
        line += (i == 0 ? "" : ", ") + (shared ? path.substr(path.find_last_of("/\\") + 1) : path);
    }
    return line + "\n";
}

void FinishRun(const WrittenOutputs& outputs) {
    // An output abandoned on the way ends the run as failed, once the others
    // have been put in place (ReportStop).
    std::vector<std::string> failed;
    for (const WrittenDocument& output : outputs)
        if (!output.written()) failed.push_back(output.path);
    if (!failed.empty()) StopRun(FailedOutputsMessage(failed));
    // "OK" reaches the console only once the log that records it is written.
    // It goes to disk with the held outputs, in one flush, and is put in
    // place after them, only when every one of them was.
    const std::string beforeOk = LogStream().str();
    LogStream() << "OK\n";
    WriteLog();
    const auto unplaced = CommitOutputs(true);
    if (!unplaced.empty()) {
        LogStream().str(beforeOk);
        LogStream().seekp(0, std::ios::end);
        for (const auto& [path, result] : unplaced) {
            ReportWriteFailure(path, result);
            failed.push_back(path);
        }
        StopRun(FailedOutputsMessage(failed));
    }
    std::cout << "OK\n" << std::flush;
}

int RunBuilding(const RunSettings& settings) {
    const RunFiles files = MakeRunFiles(settings, kPlatformCode);
    // Checked before the log is first written: the log, too, must not be the input.
    const std::string clash = OutputReplacingInput(settings.inputFile, files.log);
    if (!clash.empty()) {
        StopWithoutLog("ERROR: The input file " + settings.inputFile + " would be overwritten by " +
                       clash +
                       ", an output of this run. Rename the input, for example to end in .inp\n");
    }
    // Temporary files that a killed run left where this run writes.
    const std::time_t started = std::time(nullptr);
    RemoveStaleTemporaries(FolderOf(settings.inputFile), started);
    RemoveStaleTemporaries(FolderOf(files.log), started);
    SetFileLog(files.log);
    WriteLogProgress();
    HoldOutputs();

    SendLog("\n");
    SendLog(std::string("Running EPC generator Tarvex ") + kTarvexVersion + " on: " + Ahora() +
            "\n");
    SendLog("File: " + settings.inputFile + "\n");
    SendLog("\n");

    // Every data file must be there before any is read: a run never goes on
    // with part of its data, and names the first one missing. Looked at, not
    // opened: opening a pipe to read would wait for a writer.
    for (const std::string* data :
         {&files.libraryDefinition, &files.defaults, &files.tables, &files.asTables}) {
        RefuseUnfitInput(*data);
        if (!IsReadableRegularFile(*data)) CouldNotOpenLogged(*data);
    }

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

    p.INP_Validate(settings.inputFile.c_str(), files.inputKey.c_str());
    p.fDates();
    p.boc.ModKey(p.generalObject, "HTTP-PROXY-PASSWORD", settings.proxyPassword);

    const int type = p.boc.Vcodid(p.epcObject, "TYPE");
    WrittenOutputs outputs;
    const char* input = settings.inputFile.c_str();
    const std::string& fingerprintKey = p.keys.keys().at(kFingerprintKeyIndex);
    if (IsEnglandWalesOrNorthernIreland(type)) {
        p.boc.ModKey(p.generalObject, "PATH-FILE-TARVEX", settings.inputFile);
        p.Calc();
        outputs.push_back(WriteResults(BuildResultsRecord(p), OutputName(input, ending::kResults)));
        // The Welsh certificate cites the law and department of England and
        // Wales: a Northern Ireland building cannot have one.
        const bool welshAsked = p.boc.Vcodid(p.epcObject, "EPC-LANGUAGE") != kEnglishOnly;
        const bool welsh = welshAsked && IsJurisdiction(type, Jurisdiction::EnglandWales);
        p.fREC_Report();
        const DocumentRecord record = BuildDocumentRecord(p, welsh);
        // The documents the message carries are handed to it as written.
        const WrittenDocument certificate =
            WriteCertificate(record, OutputName(input, ending::kCertificate), fingerprintKey);
        outputs.push_back(certificate);
        if (welsh) {
            outputs.push_back(WriteWelshCertificate(
                record, OutputName(input, ending::kWelshCertificate), fingerprintKey));
        } else if (welshAsked) {
            const std::string warning =
                "WARNING: EPC-LANGUAGE asks for a Welsh-language certificate, which is "
                "for buildings in Wales only: none is written for Northern Ireland\n";
            SendLog(warning);
            NoteWarnings(warning);
        }
        const WrittenDocument report = WriteRecommendationsReport(
            record, OutputName(input, ending::kRecommendations), fingerprintKey);
        outputs.push_back(report);
        const WrittenDocument shortReport =
            WriteShortReport(record, OutputName(input, ending::kShortRecommendations));
        outputs.push_back(shortReport);
        WriteBackDocuments(p, record, &certificate, &report, &shortReport);
        const std::string& sealKey = p.keys.keys().at(kMessageKeyIndex);
        if (p.WritesLodgementMessage()) {
            outputs.push_back(
                WriteLodgementMessage(BuildMessageRecord(p), input, certificate, report, sealKey));
        } else if (p.boc.Vcod(p.generalObject, "PRODUCE-MESSAGES") == "YES") {
            for (WrittenDocument& file : WriteIasPackage(BuildMessageRecord(p), input, sealKey))
                outputs.push_back(std::move(file));
        }
    } else if (IsJurisdiction(type, Jurisdiction::Scotland)) {
        p.Calc_Scotland();
        outputs.push_back(WriteResults(BuildResultsRecord(p), OutputName(input, ending::kResults)));
        p.fREC_Report();
        const DocumentRecord record = BuildDocumentRecord(p, false);
        outputs.push_back(
            WriteScottishCertificate(record, OutputName(input, ending::kCertificate)));
        outputs.push_back(WriteScottishRecommendationsReport(
            record, OutputName(input, ending::kRecommendations)));
    }

    // Named before the batch's result file joins them: a person reads this.
    std::string summary;
    if (isatty(STDOUT_FILENO) != 0) {
        const bool rated =
            IsEnglandWalesOrNorthernIreland(type) || IsJurisdiction(type, Jurisdiction::Scotland);
        const Ratings& r = p.epcs.front().ratings;
        summary =
            RunSummaryLine(rated ? std::llround(r.asset) : 0, rated ? r.assetBand : "", outputs);
    }
    if (const auto result = WriteRunResult(p, settings.inputFile, type, outputs))
        outputs.push_back(*result);
    FinishRun(outputs);
    // After "OK", on the terminal only: the log and a console that a program
    // reads stay as they were.
    std::cout << summary << std::flush;
    return kExitOk;
}
