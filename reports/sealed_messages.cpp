#include "reports/sealed_messages.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "app/outputs.h"
#include "app/runlog.h"
#include "app/stop.h"
#include "app/version.h"
#include "library/b64.h"
#include "library/ncmkeys.h"
#include "pdf/document.h"
#include "reports/gzip_file.h"
#include "reports/seal.h"

namespace {

constexpr const char kInputDataComment[] = "<!-- The Tarvex Input Data encoded in base64. -->";
constexpr const char kIncludeOpen[] = "<ToIncludeInLandmarkXmlMessage>";
constexpr const char kIncludeClose[] = "</ToIncludeInLandmarkXmlMessage>";

const char kNoInputFile[] =
    "  IAS file does not contain an input file for Tarvex. Please request a valid IAS file from "
    "EA\n";

[[noreturn]] void CouldNotOpen(const std::string& name) {
    std::fprintf(stderr, "Could not open file %s\n", name.c_str());
    EndProcess(1);
}

[[noreturn]] void Stop(const std::string& message) {
    SendLog(message);
    EndProcess(1);
}

std::string MessageKey() {
    NCMKEYS keys;
    keys.Init();
    return keys.keys().at(kMessageKeyIndex);
}

// The whole file, refusing one larger than any message: "Could not open"
// when it cannot be read.
std::string ReadMessageFile(const std::string& path) {
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) CouldNotOpen(path);
    std::ifstream in(path, std::ios::binary);
    if (!in) CouldNotOpen(path);
    in.seekg(0, std::ios::end);
    const std::streamoff size = in.tellg();
    if (size < 0) CouldNotOpen(path);
    if (static_cast<std::size_t>(size) > kMessageSizeLimit)
        Stop("  " + path + " is larger than any message Tarvex writes; it is not read.\n");
    in.seekg(0);
    std::string bytes(static_cast<std::size_t>(size), '\0');
    if (!in.read(&bytes[0], size)) CouldNotOpen(path);
    return bytes;
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
// message carries it.
std::string LodgementText(const std::string& text) {
    const char kMissing[] =
        "  IAS file does not hold the data to include in the lodgement message. Please request a "
        "valid IAS file from EA\n";
    const std::size_t open = text.find(kIncludeOpen);
    if (open == std::string::npos) Stop(kMissing);
    std::size_t from = open + sizeof kIncludeOpen - 1;
    if (from < text.size() && text[from] == '\n') ++from;
    const std::size_t close = text.find(kIncludeClose, from);
    if (close == std::string::npos) Stop(kMissing);
    return text.substr(from, close - from);
}

bool WriteWhole(const std::string& path, const std::string& bytes) {
    return WriteFileReplacing(path, std::vector<unsigned char>(bytes.begin(), bytes.end()));
}

}  // namespace

void XMLcheck(const std::string& xmlFile) {
    const std::string text = TextOfLines(ReadMessageFile(xmlFile));
    SendLog("\n");
    SendLog("  Processing XML file...\n");

    const std::string version = MessageVersion(text);
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
    const std::string bytes = ReadMessageFile(iasFile);
    SendLog("\n");
    SendLog("  Processing IAS file...\n");

    const std::string firstLine = bytes.substr(0, bytes.find('\n'));
    const bool compressed = firstLine.find("xml version") == std::string::npos;
    std::string text;
    std::string inflated;
    if (compressed) {
        SendLog("  Uncompressing file...\n");
        switch (InflateFile(iasFile, kMessageSizeLimit, inflated)) {
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
        for (char c : inflated)
            if (c != '\r') text += c;
    } else {
        text = TextOfLines(bytes);
    }

    const std::string version = MessageVersion(text);
    if (version != kTarvexVersion) {
        Stop("  IAS file was created using a different version of Tarvex: " + version + "\n" +
             "  Please ensure you run the IAS file with the right version of Tarvex...\n");
    }
    SendLog("  Tarvex version OK...   \n");

    if (CheckSeal(text, SealKind::IasMessage, MessageKey()) != SealState::Holds)
        Stop(
            "  IAS file has not been validated, please request an uncorrupted IAS file from "
            "EA...\n");
    SendLog("  Validation OK...\n");

    // Everything is read and checked before anything is written.
    const std::string input = extract ? CarriedInput(text) : std::string();
    const std::string lodgement = LodgementText(text);

    if (compressed) {
        const std::string plain = OutputName(iasFile, ending::kIasPackage);
        if (!SameFile(plain, iasFile) && !WriteWhole(plain, inflated)) CouldNotOpen(plain);
    }
    if (extract && !WriteWhole(inputFile, input)) CouldNotOpen(inputFile);
    return lodgement;
}
