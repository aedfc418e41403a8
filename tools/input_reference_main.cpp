// tarvex-input-reference: writes the reference of the input language,
// docs/input-reference.md and docs/input-reference.html, from the library
// definition.
#include <exception>
#include <iostream>
#include <string>

#include "app/atomicfile.h"
#include "app/exit_status.h"
#include "boc/boc.h"
#include "tools/input_reference.h"

namespace {

const char kUsageText[] =
    "Usage:\n"
    "  tarvex-input-reference DEFINITION FOLDER\n"
    "      Writes FOLDER/input-reference.md and FOLDER/input-reference.html, the\n"
    "      reference of the input language, from the library definition DEFINITION\n"
    "      (from the repository root: data/csv/Tarvex.csv docs).\n"
    "Exit status: 0 done, 1 a file could not be read or written, 2 wrong command line.\n";

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << kUsageText;
        return kExitUsage;
    }
    const std::string definition = argv[1];
    const std::string folder = argv[2];
    try {
        BOC boc;
        boc.Init_NOT(definition);
        // The reference names the definition as the source tree holds it.
        const InputReference reference = MakeInputReference(boc.classes, "data/csv/Tarvex.csv");
        for (const auto& [name, text] :
             {std::pair<std::string, const std::string*>{"input-reference.md", &reference.markdown},
              {"input-reference.html", &reference.html}}) {
            const std::string path = folder + "/" + name;
            const FileWriteResult written = WriteFileWhole(path, *text);
            if (!written.ok) {
                std::cerr << "tarvex-input-reference: cannot write " << path << ": "
                          << written.reason << "\n";
                return kExitFailed;
            }
        }
    } catch (const std::exception& e) {
        std::cerr << "tarvex-input-reference: " << e.what() << "\n";
        return kExitFailed;
    }
    return kExitOk;
}
