// The lodgement message: two reports (the certificate and the
// recommendations) with their data and PDF documents, sealed.

#include "reports/xml_message.h"

#include <cmath>
#include <cstdio>
#include <filesystem>

#include "app/atomicfile.h"
#include "app/codes.h"
#include "app/inputfile.h"
#include "app/outputs.h"
#include "app/runlog.h"
#include "app/stop.h"
#include "app/textutil.h"
#include "app/version.h"
#include "pdf/weblinks.h"
#include "project/scale_numbers.h"
#include "reports/gzip_file.h"
#include "reports/seal.h"

namespace {

constexpr int kAirConLargestBand = 3;

std::string Num(double value) {
    return num2string(value, -1);
}
// Rounded half away from zero; a value that rounds to zero from below is 0.
// Whole numbers are written in full: the register reads these elements as
// integers, which "%g" would turn into "1.23457e+06" from a million up.
std::string Rounded(double value) {
    const double whole = std::round(value) + 0.0;
    if (!(std::fabs(whole) < 1e15)) return Num(whole);
    char text[32];
    const int n = std::snprintf(text, sizeof text, "%.0f", whole);
    return std::string(text, n > 0 ? static_cast<std::size_t>(n) : 0);
}
std::string TwoDecimals(double value) {
    return Num(std::round(value * 100) / 100 + 0.0);
}

// The lines that the nesting alone does not place (see XmlIndent): path,
// start tag, end tag, children, comments.
const std::vector<XmlIndent> kLayout = {
    {"LodgeReportRequest", nullptr, nullptr, "", ""},
    {"MessageIdentifier", nullptr, nullptr, "   "},
    {"Building-Data", "  \t", nullptr, "         "},
    {"Building-Data/Activities", nullptr, nullptr, "           "},
    {"Building-Data/Activities/Activity", nullptr, nullptr, "             "},
    {"Global-Performance", nullptr, nullptr, "     \t\t"},
    {"HVAC-System-Data", "    \t    ", "  \t    ", "         "},
    {"HVAC-System-Data/Activities", "       \t\t", nullptr, "          \t\t"},
    {"HVAC-System-Data/Activities/Activity", nullptr, nullptr, "          \t\t  "},
    {"CEPC:Formatted-Report", nullptr, nullptr, nullptr, "  \t"},
    {"CEPC:Unstructured-Data", nullptr, nullptr, nullptr, "  \t"},
    {"Data-Blob", "  \t", nullptr, "         ", "  \t      "},
    {"RR-Recommendations", nullptr, nullptr, nullptr, "\t\t"},
    {"AC-Rated-Output", nullptr, nullptr, "\t\t\t   "},
};

void ReportHeader(XmlWriter& w, const MessageRecord& r, bool epcReport) {
    w.Open("CEPC:Report-Header");
    w.Element("CEPC:RRN", epcReport ? r.rrnCertificate : r.rrnReport);
    w.Element("CEPC:Issue-Date", r.todayIso);
    w.Element("CEPC:Report-Type", epcReport ? "3" : "4");
    w.Element("CEPC:Valid-Until", r.validUntilIso);
    w.Element("CEPC:Related-RRN", epcReport ? r.rrnReport : r.rrnCertificate);
    w.Element("CEPC:Inspection-Date", r.inspectionDate);
    w.Element("CEPC:Registration-Date", r.todayIso);
    w.Element("CEPC:Status", "entered");
    w.Element("CEPC:Language-Code", std::to_string(r.language));
    w.Open("CEPC:Energy-Assessor");
    const MessageAssessor& a = r.assessor;
    w.Element("CEPC:Certificate-Number", a.certificateNumber);
    w.Element("CEPC:Name", a.name);
    w.Element("CEPC:Accreditation-Scheme-Name", a.scheme);
    w.Element("CEPC:Trading-Address", a.tradingAddress);
    w.Element("CEPC:Company-Name", a.companyName);
    w.Element("CEPC:Qualifications", a.qualifications);
    w.Element("CEPC:Status", "Registered");
    w.Close();
    w.Element("CEPC:Building-Complexity", r.nosLevel);
    w.Open("CEPC:Property-Details");
    const MessageProperty& p = r.property;
    w.Element("CEPC:Location-Description", p.location);
    w.Element("CEPC:UPRN", p.uprn);
    w.Open("CEPC:Property-Address");
    static const char* const kAddress[] = {"CEPC:Address-Line-1", "CEPC:Address-Line-2",
                                           "CEPC:Address-Line-3", "CEPC:Address-Line-4",
                                           "CEPC:Post-Town",      "CEPC:Postcode"};
    for (std::size_t i = 0; i < p.address.size(); ++i) w.Element(kAddress[i], p.address[i]);
    w.Close();
    w.Element("CEPC:Property-Type", p.type);
    w.Element("CEPC:Owner", p.owner);
    w.Element("CEPC:Is-Heritage-Site", p.heritage ? "Y" : "N");
    w.Close();
    w.Open("CEPC:Calculation-Details");
    w.Element("CEPC:Methodology", r.methodology);
    w.Element("CEPC:Calculation-Tool", r.calculationTool);
    w.Element("CEPC:Output-Engine", std::string("Tarvex, ") + kTarvexVersion);
    w.Element("CEPC:Inspection-Type", "Physical");
    w.Close();
    w.Close();
}

void Activities(XmlWriter& w, const std::vector<MessageActivity>& activities) {
    w.Open("Activities");
    for (const MessageActivity& a : activities) {
        w.Open("Activity");
        w.Element("ID", Num(a.id));
        w.Element("Area", Num(a.area));
        w.Close();
    }
    w.Close();
}

void SummaryOfPerformance(XmlWriter& w, const MessageRecord& r) {
    w.Open("CEPC:Summary-Of-Performance");
    for (const MessageBuilding& b : r.buildings) {
        SendLog(".");
        w.Open("Building-Data");
        w.Element("Analysis-Type", b.analysis);
        w.Element("Area", Num(b.area));
        w.Element("Area-Exterior", Num(b.areaExterior));
        w.Element("Weather", b.weather);
        w.Element("Q50-Infiltration", Num(b.q50));
        w.Element("Building-W-K", Num(b.wk));
        w.Element("Building-W-M2K", Num(b.wm2k));
        w.Element("Building-Alpha", Num(b.alpha));
        Activities(w, b.activities);
        w.Open("Global-Performance");
        for (std::size_t i = 0; i < kPerformanceFigures; ++i)
            w.Element(kGlobalPerformance[i].element, Num(b.performance[i]));
        w.Close();
        w.Open("HVAC-Systems");
        for (const MessageHvac& h : b.hvacSystems) {
            SendLog(".");
            w.Open("HVAC-System-Data");
            w.Element("Area", Num(h.area));
            w.Element("Type", h.type);
            w.Element("Heat-Source", h.heatSource);
            w.Element("Fuel-Type", h.fuel);
            w.Element("MJ-M2-Heating-Dem", Num(h.heatingDemand));
            w.Element("MJ-M2-Cooling-Dem", Num(h.coolingDemand));
            w.Element("KWH-M2-Heating", Num(h.heating));
            w.Element("KWH-M2-Cooling", Num(h.cooling));
            w.Element("KWH-M2-Auxiliary", Num(h.auxiliary));
            w.Element("Heating-SSEFF", Num(h.heatingSseff));
            w.Element("Cooling-SSEER", Num(h.coolingSseer));
            w.Element("Heating-Gen-SEFF", Num(h.heatingGenerator));
            w.Element("Cooling-Gen-SEER", Num(h.coolingGenerator));
            Activities(w, h.activities);
            w.Close();
        }
        w.Close();
        w.Close();
    }
    w.Close();
}

// What the message says around one of the documents it carries. The two
// reports place their comments about it differently.
struct FormattedReport {
    const char* commentIndent;
    const char* encoded;
    const char* notAvailable;
};
const FormattedReport kEpcReport{" ", "The EPC PDF encoded in base64.",
                                 "The EPC PDF is not available."};
const FormattedReport kRecReport{"\t", "The REC PDF encoded in base64.",
                                 "The Recommendation Report PDF is not available."};

// The document as this run wrote it: the bytes its writer handed over.
void AddFormattedReport(XmlWriter& w, const FormattedReport& kind,
                        const WrittenDocument& document) {
    w.Comment(kind.encoded, kind.commentIndent);
    w.Open("CEPC:Formatted-Report");
    if (!document.written()) {
        w.Comment(kind.notAvailable);
    } else {
        SendLog("+");
        const std::vector<unsigned char>& bytes = document.content.bytes();
        w.Base64(bytes.data(), bytes.size());
    }
    w.Close();
    w.Comment("secure hash: " + document.content.fingerprint(), kind.commentIndent);
}

struct Blob {
    const char* encoded;
    const char* wrongPath;
    const char* notAvailable;
};

// Opens a Data-Blob and writes the file into it; the caller adds its comments
// and closes it.
void AddDataBlob(XmlWriter& w, const XmlText& location, const std::string& bytes,
                 const char* fileType) {
    w.Open("Data-Blob");
    w.Element("File-Location", location);
    if (*fileType != '\0') w.Element("File-Type", fileType);
    w.Open("Data");
    w.Base64(bytes);
    w.Close();
}

// An interface or engine file, compressed first when asked (in memory: the
// location names the ".zip" copy the register expects, but no such file is
// made).
void AddFileBlob(XmlWriter& w, const Blob& blob, const EmbeddedFile& file, bool compress) {
    if (!file.named) {
        w.Comment(blob.notAvailable);
        return;
    }
    SendLog("+");
    if (!file.carried) {
        if (!file.refusal.empty()) SendLog(file.refusal);
        w.Comment(blob.wrongPath);
        return;
    }
    std::string compressed;
    if (compress && !GzipBytes(file.bytes, compressed)) {
        w.Comment(blob.wrongPath);
        return;
    }
    w.Comment(blob.encoded);
    if (compress) {
        XmlText location = file.location;
        location += XmlText::Raw(".zip");
        AddDataBlob(w, location, compressed, "");
    } else {
        AddDataBlob(w, file.location, file.bytes, "");
    }
    w.Close();
}

}  // namespace

const std::vector<XmlIndent>& MessageLayout() {
    return kLayout;
}

void WriteUnstructuredData(XmlWriter& w, const UnstructuredData& data) {
    w.Open("CEPC:Unstructured-Data");
    static const Blob kInterface{"The Interface Input Data encoded in base64.",
                                 "The Interface Input Data is not available. (Wrong path)",
                                 "The Interface Input Data is not available."};
    AddFileBlob(w, kInterface, data.interfaceInput, data.compress);
    static const Blob kEngine{"The Calculation Engine Input Data encoded in base64.",
                              "The Calculation Engine Input Data is not available. (Wrong path)",
                              "The Calculation Engine Input Data is not available."};
    AddFileBlob(w, kEngine, data.engineInput, data.compress);

    const EmbeddedFile& input = data.input;
    if (!input.named) {
        w.Comment("The Tarvex Input Data is not available.");
    } else if (!input.carried) {
        w.Comment("The Tarvex Input Data is not available. (Wrong path)");
    } else {
        SendLog("+");
        w.Comment("The Tarvex Input Data encoded in base64.");
        AddDataBlob(w, input.location, input.bytes, "inp");
        w.Comment("original secure hash: " + data.validationNote);
        w.Comment("tarvex updated secure hash: " + data.inputDigest);
        w.Close();
    }
    w.Close();
}

namespace {

void InsuranceDetails(XmlWriter& w, const MessageRecord& r) {
    if (r.insurance) {
        const MessageInsurance& i = *r.insurance;
        w.Open("CEPC:Insurance-Details");
        w.Element("CEPC:Insurer", i.insurer);
        w.Element("CEPC:Policy-No", i.policy);
        w.Element("CEPC:Effective-Date", i.effective);
        w.Element("CEPC:Expiry-Date", i.expiry);
        w.Element("CEPC:PI-Limit", i.limit);
        w.Close();
    }
}

void TechnicalInformation(XmlWriter& w, const MessageRecord& r, bool withFuel) {
    w.Open("Technical-Information");
    if (withFuel) {
        w.Element("Main-Heating-Fuel", r.mainFuel);
        w.Element("Building-Environment", r.environment);
    }
    w.Element("Floor-Area", Rounded(r.floorArea));
    w.Element("Building-Level", r.buildingLevel);
    w.Close();
}

void AirConditioningQuestionnaire(XmlWriter& w, const AirConditioningAnswers& ac) {
    w.Open("AC-Questionnaire");
    if (!ac.asked)
        w.Element("AC-Present", "Unknown");
    else
        w.Element("AC-Present", ac.installedWord);
    w.Open("AC-Rated-Output");
    // Calc has refused an output of half a kilowatt or less.
    if (ac.installed && ac.output == kAirConExactOutput)
        w.Element("AC-kW-Rating", Rounded(ac.exactOutput));
    else
        w.Element("AC-Rating-Unknown-Flag", "1");
    w.Close();
    if (ac.installed && ac.output <= kAirConLargestBand)
        w.Element("AC-Estimated-Output", std::to_string(ac.output));
    // 4: no inspection commissioned, for want of air conditioning.
    w.Element("AC-Inspection-Commissioned", std::to_string(ac.installed ? ac.inspection : 4));
    w.Close();
}

void EnergyPerformanceCertificate(XmlWriter& w, const MessageRecord& r) {
    w.Open("CEPC:Energy-Performance-Certificate");
    w.Element("Transaction-Type", std::to_string(r.transactionType));
    w.Element("EPC-Related-Party-Disclosure", std::to_string(r.relatedParty));
    w.Open("EPC-Rating");
    const Ratings& ratings = r.ratings;
    w.Element("Asset-Rating", Rounded(ratings.asset));
    w.Element("New-Build-Benchmark", Rounded(ratings.newBuild));
    w.Element("Existing-Stock-Benchmark", Rounded(ratings.stock));
    w.Element("SER", TwoDecimals(r.ser));
    w.Element("BER", TwoDecimals(r.ber));
    w.Element("TER", TwoDecimals(r.ter));
    w.Element("TYR", TwoDecimals(r.tyr));
    w.Close();

    const std::array<double, kScaleNumbers> numbers =
        ScaleNumbers([&ratings](std::size_t i) { return std::round(ratings.limits[i]); });
    static const char* const kScaleElements[kScaleNumbers] = {
        "Upper-Number-A-Scale", "Lower-Number-B-Scale", "Upper-Number-B-Scale",
        "Lower-Number-C-Scale", "Upper-Number-C-Scale", "Lower-Number-D-Scale",
        "Upper-Number-D-Scale", "Lower-Number-E-Scale", "Upper-Number-E-Scale",
        "Lower-Number-F-Scale", "Upper-Number-F-Scale", "Lowest-Number-G-Scale"};
    w.Open("EPC-Rating-Scale");
    for (std::size_t n = 0; n < kScaleNumbers; ++n)
        w.Element(kScaleElements[n], Num(numbers[n] + 0.0));
    w.Close();
    TechnicalInformation(w, r, true);
    AirConditioningQuestionnaire(w, r.airConditioning);
    w.Close();
}

void CertificateHeader(XmlWriter& w, const MessageRecord& r) {
    ReportHeader(w, r, true);
}
void RecommendationsHeader(XmlWriter& w, const MessageRecord& r) {
    ReportHeader(w, r, false);
}
void UnstructuredDataOf(XmlWriter& w, const MessageRecord& r) {
    WriteUnstructuredData(w, r.data);
}

void RecommendationsReport(XmlWriter& w, const MessageRecord& r) {
    static const char* const kComments[kRecGroups] = {"Short paybacks", "Medium paybacks",
                                                      "Long paybacks", "Other paybacks"};
    static const char* const kElements[kRecGroups] = {"Short-Payback", "Medium-Payback",
                                                      "Long-Payback", "Other-Payback"};
    w.Open("CEPC:Recommendations-Report");
    w.Open("RR-Recommendations");
    for (int group = 0; group < kRecGroups; ++group) {
        w.Comment(kComments[group]);
        for (const MessageRecommendation& rec : r.recommendations[group]) {
            w.Open(kElements[group]);
            w.Element("Recommendation-Code", rec.code);
            w.Element("Recommendation", rec.text);
            w.Element("CO2-Impact", rec.co2Impact);
            w.Close();
        }
    }
    w.Close();
    TechnicalInformation(w, r, false);
    w.Close();
}

}  // namespace

std::string LodgementMessageText(const MessageRecord& r, const WrittenDocument& certificate,
                                 const WrittenDocument& report) {
    // One text, reserved for the two documents' base64 and the rest, so that
    // the sections are appended without the message being copied as it grows.
    const std::size_t documents =
        certificate.content.bytes().size() + report.content.bytes().size();
    std::string m;
    m.reserve(documents / 57 * 77 + 64 * 1024);
    XmlWriter w(m, kLayout);
    const std::string now = Ahora();
    w.Declaration();
    w.Comment(std::string("Tarvex version: ") + kTarvexVersion + " End Version");
    w.Comment("Date: " + now.substr(0, now.size() - 1));
    w.Open("LodgeReportRequest",
           {{"xmlns:CEPC", "MERO-CEPC"},
            {"xmlns:CS", "MERO-CEPC/CommonStructures"},
            {"xmlns:xsi", "http://www.w3.org/2001/XMLSchema-instance"},
            {"xsi:noNamespaceSchemaLocation", "https://" + r.landmarkEnvironment + "." +
                                                  kRegisterSchemaDomain +
                                                  "/xsd/Messages/LodgeReportRequest.xsd"}});
    w.Open("MessageIdentifier");
    w.Element("CS:ClientID", "Ostrel Lodgement Example");
    w.Element("CS:TransactionID", "My Transation ID");
    w.Element("CS:Timestamp", "2001-12-17T09:30:47.0Z");
    w.Close();
    if (IsJurisdiction(r.type, Jurisdiction::EnglandWales))
        w.Comment("This XML message is for an EPC in England and Wales.");
    else if (IsJurisdiction(r.type, Jurisdiction::NorthernIreland))
        w.Comment("This XML message is for an EPC in Northern Ireland.");

    // The run log shows a dot as each section is done.
    const auto section = [&w, &r](void (*write)(XmlWriter&, const MessageRecord&)) {
        write(w, r);
        SendLog(".");
    };
    const auto document = [&w](const FormattedReport& kind, const WrittenDocument& written) {
        AddFormattedReport(w, kind, written);
        SendLog(".");
    };
    w.Open("Report");
    section(CertificateHeader);
    section(SummaryOfPerformance);
    document(kEpcReport, certificate);
    if (r.fromIasPackage)
        w.Verbatim(r.packageData);
    else
        section(UnstructuredDataOf);
    section(InsuranceDetails);
    section(EnergyPerformanceCertificate);
    w.Close();

    w.Open("Report");
    section(RecommendationsHeader);
    document(kRecReport, report);
    section(InsuranceDetails);
    section(RecommendationsReport);
    w.Close();

    w.Comment("System date: " + Ahora());
    w.Close();
    return m;
}

namespace {

// Whether the message file at `path` was written from the input `inputFile`:
// the input data it carries names the same file. A message of ours that
// carries no input data, or anything else, belongs to no input of this run.
// The name is written as an input of `encoding` writes it, or as a
// Windows-1252 one does.
bool MessageOfInput(const std::string& path, const std::string& inputFile, TextEncoding encoding) {
    std::string bytes;
    if (ReadRegularFile(path, kMessageSizeLimit + kMessageSizeLimit / 16, bytes) != FileRead::kDone)
        return false;
    static const std::string kInputData = "<!-- The Tarvex Input Data encoded in base64. -->";
    static const std::string kOpen = "<File-Location>", kClose = "</File-Location>";
    const std::size_t data = bytes.find(kInputData);
    const std::size_t open = data == std::string::npos ? data : bytes.find(kOpen, data);
    const std::size_t close = open == std::string::npos ? open : bytes.find(kClose, open);
    if (close == std::string::npos) return false;
    const std::string location = bytes.substr(open + kOpen.size(), close - open - kOpen.size());
    if (location == XmlEscaped(inputFile) || location == XmlEscaped(inputFile, encoding))
        return true;
    // Run from another folder, the same input is named otherwise. A message
    // lies beside the input it was written from, so that input is the file
    // of the location's name in the message's folder (a location with no
    // reference in it is the path as it was given).
    if (location.find('&') != std::string::npos) return false;
    const std::size_t slash = location.find_last_of("/\\");
    const std::string name = slash == std::string::npos ? location : location.substr(slash + 1);
    const std::size_t folder = path.find_last_of("/\\");
    return SameFile(path.substr(0, folder == std::string::npos ? 0 : folder + 1) + name, inputFile);
}

}  // namespace

WrittenDocument WriteLodgementMessage(const MessageRecord& record, const std::string& inputFile,
                                      const WrittenDocument& certificate,
                                      const WrittenDocument& report, const std::string& sealKey) {
    const std::string& reference = record.reference;
    const auto refuseInput = [&inputFile](const std::string& path) {
        if (SameFile(path, inputFile))
            StopRun("\nERROR: The input file " + inputFile +
                    " would be overwritten by the lodgement message " + path +
                    ". Rename the input, for example to end in .inp\n");
    };
    std::string path = MessageName(inputFile, reference);
    refuseInput(path);
    SendLog("  Producing xml message ...");
    const std::string text = LodgementMessageText(record, certificate, report);
    const std::string bytes = SealedBytes(sealKey, text, SealKind::EpcMessage);

    // Two inputs of one building inspected on one day share the reference
    // number. A message of another input under it is never replaced: the
    // first written keeps the name, even against a run writing at the same
    // time, and this one is named after its input, as no other input's
    // output can be.
    std::error_code ec;
    if (!std::filesystem::exists(std::filesystem::symlink_status(path, ec))) {
        const FileWriteResult placed = WriteNewFileWhole(path, bytes);
        if (placed.ok) {
            SendLog(" OK\n");
            return WrittenDocument{path, SavedBytes(), true};
        }
        if (!placed.existed) {
            // Reported as WriteMessageFile reports a message not written.
            FileWriteResult failed = placed;
            failed.opened = false;
            SendLog(" failed\n");
            ReportWriteFailure(path, failed);
            return WrittenDocument{path, SavedBytes(), false};
        }
    }
    // Anything but a regular file there (a folder, a link) is no message: it
    // is written over, or the failure said, as ever.
    if (std::filesystem::is_regular_file(std::filesystem::symlink_status(path, ec)) &&
        !MessageOfInput(path, inputFile, record.inputEncoding)) {
        const std::string kept = path;
        path = OutputName(inputFile, "[" + reference + "]" + ending::kMessage);
        refuseInput(path);
        SendWarning("\nWARNING: " + kept + " holds the lodgement message of another input with " +
                    "the same reference number; it is kept, and this input's message is " +
                    "written as " + path + "\n");
    }
    // The run's end names a message that could not be written and ends with
    // status 1.
    if (!WriteMessageFile(path, bytes)) return WrittenDocument{path, SavedBytes(), false};
    SendLog(" OK\n");
    return WrittenDocument{path, SavedBytes(), true};
}
