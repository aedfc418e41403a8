// tarvex-inpkey: writes the input key file of an input as the calculation
// engine leaves it, so the input passes the run's validation.

#include <cstdlib>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "app/atomicfile.h"
#include "app/exit_status.h"
#include "library/inpkey.h"
#include "library/ncmkeys.h"

namespace {

const char kUsageText[] =
    "Usage: tarvex-inpkey INPUT INDEX\n"
    "  Writes INPUT's key file (INPUT with \"_inpkey.txt\" in place of its\n"
    "  extension) holding the keyed digest of INPUT under entry INDEX of the\n"
    "  key list: the code number of the input's CENGINE-VAL.\n"
    "Exit status: 0 written, 1 the input could not be read or the key file\n"
    "written, 2 wrong command line.\n";

int UsageError(const std::string& message) {
    std::cerr << "tarvex-inpkey: " << message << "\n" << kUsageText;
    return kExitUsage;
}

bool ParseIndex(const std::string& text, int& index) {
    if (text.empty() || text.size() > 9) return false;
    for (const char c : text)
        if (c < '0' || c > '9') return false;
    index = std::atoi(text.c_str());
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) {
        std::cout << kUsageText;
        return kExitOk;
    }
    if (args.size() != 2) return UsageError("needs an input file and a key index");

    NCMKEYS keys;
    keys.Init();
    const int last = static_cast<int>(keys.keys().size()) - 1;
    int index = 0;
    if (!ParseIndex(args[1], index) || index > last)
        return UsageError("key index must be a number from 0 to " + std::to_string(last));

    const std::string& input = args[0];
    const std::string digest = InputKeyDigest(keys, index, input);
    if (digest.empty()) {
        std::cerr << "tarvex-inpkey: cannot read " << input << "\n";
        return kExitFailed;
    }
    const std::string keyFile = InputKeyFileName(input);
    const FileWriteResult written = WriteFileWhole(keyFile, digest + "\n");
    if (!written.ok) {
        std::cerr << "tarvex-inpkey: cannot write " << keyFile << ": " << written.reason << "\n";
        return kExitFailed;
    }
    if (!InputKeyMatches(keys, index, input, keyFile)) {
        std::cerr << "tarvex-inpkey: cannot write " << keyFile << "\n";
        return kExitFailed;
    }
    std::cout << keyFile << "\n";
    return kExitOk;
}
