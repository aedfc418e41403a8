#include "reports/sealed_messages.h"

#include <algorithm>
#include <cstdio>
#include <vector>

#include "app/atomicfile.h"
#include "app/inputfile.h"
#include "app/outputs.h"
#include "app/runlog.h"
#include "app/stop.h"
#include "app/version.h"
#include "library/b64.h"
#include "library/ncmkeys.h"
#include "reports/gzip_file.h"
#include "reports/seal.h"
#include "reports/unstructured_data.h"

namespace {

constexpr const char kInputDataComment[] = "<!-- The Tarvex Input Data encoded in base64. -->";
constexpr const char kIncludeOpen[] = "<ToIncludeInLandmarkXmlMessage>";
constexpr const char kIncludeClose[] = "</ToIncludeInLandmarkXmlMessage>";

const char kNotValidated[] =
    "  IAS file has not been validated, please request an uncorrupted IAS file from EA...\n";
const char kNoInputFile[] =
    "  IAS file does not contain an input file for Tarvex. Please request a valid IAS file from "
    "EA\n";

// The checks of /V, /A and /R say what they found on the console; no run
// log file is written for them.
[[noreturn]] void CouldNotOpen(const std::string& name) {
    StopCouldNotOpen(name);
}

[[noreturn]] void Stop(const std::string& message) {
    StopWithoutLog(message);
}

std::string MessageKey() {
    NCMKEYS keys;
    keys.Init();
    return keys.keys().at(kMessageKeyIndex);
}

[[noreturn]] void TooLarge(const std::string& path) {
    Stop("  " + path + " is larger than any message Tarvex writes; it is not read.\n");
}

// The whole of a regular file of at most `limit` bytes: "Could not open" for
// anything else, a folder, device or FIFO included (never opened, so a FIFO
// cannot hang the run).
std::string ReadMessageFile(const std::string& path, std::size_t limit) {
    std::string bytes;
    switch (ReadRegularFile(path, limit, bytes)) {
        case FileRead::kDone:
            return bytes;
        case FileRead::kTooLarge:
            TooLarge(path);
        default:
            CouldNotOpen(path);
    }
}

// The sealed text of a message read back: everything before its seal line
// (the whole text when it has none).
std::string SealedText(const std::string& text, SealKind kind) {
    return text.substr(0, SealLineAt(text, kind));
}

// Whether a package's seal line, at `seal`, is its last line, as written: it
// begins a line, and nothing follows its " -->" but, at most, one line end
// (which a copy made on Windows may add). Whatever else follows a seal is not
// sealed, and a package is refused rather than read around it.
bool SealLineEndsPackage(const std::string& text, std::size_t seal) {
    const std::string end = " -->\n";
    const std::size_t after = seal + kSealDigitsOffset + 32;
    if (seal != 0 && text[seal - 1] != '\n') return false;
    return text.size() == after + end.size() && text.compare(after, end.size(), end) == 0;
}

bool IsBase64Character(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '+' ||
           c == '/';
}

// Whether a block carries base64 text and nothing else: alphabet characters
// (a whole number of bytes), padding and white space.
bool IsBase64Block(const std::string& block) {
    std::size_t letters = 0;
    for (char c : block) {
        if (IsBase64Character(c)) {
            ++letters;
        } else if (c != '=' && c != '\n' && c != '\r' && c != ' ' && c != '\t') {
            return false;
        }
    }
    return letters > 0 && letters % 4 != 1;
}

// The input file the package carries, decoded; ends the process when there
// is none that decodes.
std::string CarriedInput(const std::string& text) {
    const std::size_t comment = text.find(kInputDataComment);
    if (comment == std::string::npos) Stop(kNoInputFile);
    const std::size_t open = text.find("<Data>", comment);
    if (open == std::string::npos) Stop(kNoInputFile);
    const std::size_t from = open + 6;
    const std::size_t close = text.find("</Data>", from);
    if (close == std::string::npos) Stop(kNoInputFile);
    B64 b64;
    b64.text = text.substr(from, close - from);
    if (!IsBase64Block(b64.text)) Stop(kNoInputFile);
    b64.b64decode();
    if (b64.decoded.empty()) Stop(kNoInputFile);
    return std::string(b64.decoded.begin(), b64.decoded.end());
}

// The package's unstructured data with its final line end, as the lodgement
// message carries it, taken from the sealed text. Only the XML the writer
// makes is taken (UnstructuredDataProblem), and nothing but white space may
// follow it up to the seal line; a package holding anything else is refused
// as not validated, with the line and the reason in the log first.
std::string LodgementText(const std::string& sealed) {
    const char kMissing[] =
        "  IAS file does not hold the data to include in the lodgement message. Please request a "
        "valid IAS file from EA\n";
    const std::size_t open = sealed.find(kIncludeOpen);
    if (open == std::string::npos) Stop(kMissing);
    std::size_t from = open + sizeof kIncludeOpen - 1;
    if (from < sealed.size() && sealed[from] == '\n') ++from;
    const std::size_t close = sealed.find(kIncludeClose, from);
    if (close == std::string::npos) Stop(kMissing);
    const std::string text = sealed.substr(from, close - from);

    DataProblem problem = UnstructuredDataProblem(text);
    std::size_t at = from + problem.at;
    const std::size_t rest = close + sizeof kIncludeClose - 1;
    if (problem.what.empty() && sealed.find_first_not_of(" \t\r\n", rest) != std::string::npos) {
        problem.what = "something follows " + std::string(kIncludeClose);
        at = rest;
    }
    if (!problem.what.empty()) {
        const auto line = 1 + std::count(sealed.begin(), sealed.begin() + at, '\n');
        SendLog("  The data to include in the lodgement message is not well-formed (line " +
                std::to_string(line) + ": " + problem.what + ").\n");
        Stop(kNotValidated);
    }
    return text;
}

bool WriteWhole(const std::string& path, const std::string& bytes) {
    return WriteFileWhole(path, bytes).ok;
}

}  // namespace

void XMLcheck(const std::string& xmlFile) {
    const std::string text = TextOfLines(ReadMessageFile(xmlFile, kMessageSizeLimit));
    SendLog("\n");
    SendLog("  Processing XML file...\n");

    const std::string version = MessageVersion(SealedText(text, SealKind::EpcMessage));
    if (version == kTarvexVersion) {
        SendLog("  Tarvex version OK...   \n");
    } else {
        SendLog("  XML file was created using a different version of Tarvex: " + version + "\n");
        SendLog("  If xml Tarvex version is later than 3.3.a and validation fails, \n");
        SendLog("  please try again with the right version of Tarvex\n");
    }

    if (CheckSeal(text, SealKind::EpcMessage, MessageKey()) == SealState::Holds) {
        SendLog("  Validation OK...\n");
    } else {
        Stop("  XML file has not been validated.\n");
    }
}

std::string IasProcess(const std::string& iasFile, const std::string& inputFile, bool extract) {
    // Stored blocks and the gzip wrapper add a little to incompressible bytes.
    const std::string bytes =
        ReadMessageFile(iasFile, kMessageSizeLimit + kMessageSizeLimit / 1000 + 1024);
    SendLog("\n");
    SendLog("  Processing IAS file...\n");

    const std::string firstLine = bytes.substr(0, bytes.find('\n'));
    const bool compressed = firstLine.find("xml version") == std::string::npos;
    if (!compressed && bytes.size() > kMessageSizeLimit) TooLarge(iasFile);
    std::string inflated;
    if (compressed) {
        SendLog("  Uncompressing file...\n");
        switch (InflateBytes(bytes, kMessageSizeLimit, inflated)) {
            case InflateResult::Done:
                break;
            case InflateResult::CannotOpen:
                CouldNotOpen(iasFile);
            case InflateResult::NotGzip:
                Stop("  " + iasFile + " is neither an IAS file nor a compressed one.\n");
            case InflateResult::Damaged:
                Stop("  " + iasFile + " is damaged or incomplete and cannot be uncompressed.\n");
            case InflateResult::TooLarge:
                Stop("  " + iasFile + " uncompresses to more than any IAS file holds; it is " +
                     "not read.\n");
        }
    }
    // Read as line reading reads the ".ias" copy left beside it, so that a
    // package is taken or refused alike in either form.
    const std::string text = TextOfLines(compressed ? inflated : bytes);

    const std::size_t seal = SealLineAt(text, SealKind::IasMessage);
    if (seal != std::string::npos && !SealLineEndsPackage(text, seal)) Stop(kNotValidated);
    const std::string sealed = text.substr(0, seal);

    const std::string version = MessageVersion(sealed);
    if (version != kTarvexVersion) {
        Stop("  IAS file was created using a different version of Tarvex: " + version + "\n" +
             "  Please ensure you run the IAS file with the right version of Tarvex...\n");
    }
    SendLog("  Tarvex version OK...   \n");

    if (CheckSeal(text, SealKind::IasMessage, MessageKey()) != SealState::Holds)
        Stop(kNotValidated);
    // Data that is not the XML we write is not validated, however well sealed.
    const std::string lodgement = LodgementText(sealed);
    SendLog("  Validation OK...\n");

    // Everything is read and checked before anything is written; the input
    // is taken from the checked data only.
    const std::string input = extract ? CarriedInput(lodgement) : std::string();

    if (compressed) {
        const std::string plain = OutputName(iasFile, ending::kIasPackage);
        if (!SameFile(plain, iasFile) && !WriteWhole(plain, inflated)) CouldNotOpen(plain);
    }
    if (extract && !WriteWhole(inputFile, input)) CouldNotOpen(inputFile);
    return lodgement;
}
