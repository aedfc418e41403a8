// The report copy (.bdl), the error report (.err) and the short error report.
#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
#include <iostream>
#include <sstream>

#include "app/codes.h"
#include "app/runlog.h"
#include "app/stop.h"
#include "boc/boc.h"
#include "boc/diagnostics.h"
#include "boc/fileguard.h"

namespace {

const char* const kErrorMark = "*** ERROR";
const char* const kWarnMark = "**  WARN  ";
const char* const kCwarnMark = "*   CWARN ";

// Width of the line numbers: the digits of the line count.
int NumberWidth(std::size_t count) {
    if (count == 0) return 0;
    return static_cast<int>(std::ceil(std::log10(static_cast<double>(count)) + 0.00001));
}

// The prefix, the line number right-aligned in `width` places and "]  ",
// added to `out` in one piece: the blanks first, then the rest over them.
void AppendNumbered(std::string& out, std::size_t n, int width, const char* prefix) {
    char digits[24];
    const std::size_t count =
        static_cast<std::size_t>(std::to_chars(digits, digits + sizeof digits, n).ptr - digits);
    const std::size_t places = std::max(count, static_cast<std::size_t>(std::max(width, 0)));
    const std::size_t prefixLength = std::strlen(prefix);
    const std::size_t at = out.size();
    out.append(prefixLength + places + 3, ' ');
    char* p = &out[at];
    std::memcpy(p, prefix, prefixLength);
    p += prefixLength + places - count;
    std::memcpy(p, digits, count);
    std::memcpy(p + count, "]", 1);
}

template <typename Records>
void Annotate(std::vector<SLINE>& lines, const Records& records, const std::string& before,
              const std::string& after) {
    for (std::size_t n = 0; n < records.size(); ++n) {
        const auto& r = records[n];
        if (r.level >= kLevelInput) continue;
        if (r.position < 0 || static_cast<std::size_t>(r.position) >= lines.size()) continue;
        SLINE& line = lines[static_cast<std::size_t>(r.position)];
        line.out = before + std::to_string(n + 1) + after + "(" + r.text + "): " + line.raw;
    }
}

template <typename Records>
void ListUnlined(std::string& out, const Records& records) {
    for (const auto& r : records) {
        if (r.level > kLevelLine) {
            out += r.text;
            out += '\n';
        }
    }
}

const char* const kBlank70 =
    "                                                                      ";
const char* const kBanner[] = {
    "           ****     ***      ***       *       ***    *               ",
    "           *   *   *   *   *           *      *   *  **               ",
    "           ****    *   *   *           * *    *   *   *               ",
    "           *   *   *   *   *           *   *  *   *   *               ",
    "           ****     ***      ***        * *    ***    *               ",
};
}  // namespace

void BOC::BDL() {
    // With errors the reports are written at the first step and the run stops
    // there. Without, the last step writes both reports again, so the copies
    // of the earlier steps are never seen: only their progress dots are, and
    // those are still sent. Each copy is written and synced to disk, which a
    // batch of thousands of runs feels.
    const auto writeIfFinal = [this] {
        if (!errors.errorList.empty()) {
            WriteBdl();
        } else {
            SendReportDots();
        }
    };
    Annotate(inputLines, errors.errorList, "*** ERROR ", " *** : ");
    writeIfFinal();
    Annotate(inputLines, errors.warnList, "**  WARN  ", "  ** : ");
    writeIfFinal();
    Annotate(inputLines, errors.cwarnList, "*   CWARN ", "   * : ");
    WriteBdl();
}

void BOC::SendReportDots() const {
    for (std::size_t n = 1; n <= inputLines.size(); ++n) {
        if (n % kDotEveryLines == 0) SendLog(".");
    }
}

void BOC::WriteReport(const std::string& fileName, bool errorReport) {
    std::string out;
    out.reserve(errorReport ? 1024 : inputLines.size() * 64);
    const int width = NumberWidth(inputLines.size());
    int dots = 0;
    for (std::size_t n = 1; n <= inputLines.size(); ++n) {
        const std::string& text = inputLines[n - 1].shown();
        // Every mark starts with "*": a line without one carries none.
        const bool starred = text.find('*') != std::string::npos;
        const bool isError = starred && text.find(kErrorMark) != std::string::npos;
        if (errorReport) {
            if (isError || (starred && (text.find(kWarnMark) != std::string::npos ||
                                        text.find(kCwarnMark) != std::string::npos))) {
                AppendNumbered(out, n, width, " * [");
                out += text;
                out += '\n';
            }
        } else {
            AppendNumbered(out, n, width, isError ? " * [" : "   [");
            out += text;
            out += '\n';
            if (++dots == kDotEveryLines) {
                SendLog(".");
                dots = 0;
            }
        }
    }
    out += "\n\n\n";
    ListUnlined(out, errors.errorList);
    ListUnlined(out, errors.warnList);
    ListUnlined(out, errors.cwarnList);
    out += "\n\n\n";
    out += "  *** ERRORS     *** Number of errors:    " + std::to_string(errors.errorList.size()) +
           "\n";
    out += "  *** WARNINGS   *** Number of warnings:  " + std::to_string(errors.warnList.size()) +
           "\n";
    out += "  *** CWARNINGS  *** Number of cwarnings: " + std::to_string(errors.cwarnList.size()) +
           "\n";
    out += "  END\n";
    WriteRunOutput(fileName, out);
}

void BOC::WriteBdl() {
    WriteReport(bdlFile, false);
    WriteErr();
    if (errors.errorList.empty()) return;
    SayReadingWarnings(false);
    StopRunWithDiagnostics("\n\n\nBOC_b02. 2001\n" + inputFile + " has got errors.\nPlease, see " +
                               bdlFile + " or " + errFile + " to check and correct them...\n\n",
                           ErrorStreamReport(*this));
}

void BOC::WriteErr() {
    WriteReport(errFile, true);
}

void BOC::Parar() {
    std::ostringstream out;
    const std::string first = errors.errorList.empty() ? "" : errors.errorList.front().text;
    out << kBlank70 << "\n" << kBlank70 << "\n";
    for (const char* line : kBanner) out << line << "\n";
    out << kBlank70 << "\n";
    out << "                BUILDING OBJECTS CONSTRUCTOR                          \n";
    out << kBlank70 << "\n" << kBlank70 << "\n" << kBlank70 << "\n";
    out << "\n\n\n  *** ERROR ***  " << first << "\n";
    WriteRunOutput(errFile, out.str());
    std::cout << "\n\n\n  *** ERROR ***  " << first << "\n" << std::flush;
}
