#pragma once

#include <string>
#include <vector>

// Which input keywords each document and the lodgement message print: the
// input reference marks them. Kept in one place, beside the reference's
// generator; a test reads the writers' sources and fails when a writer takes
// a keyword this list does not name, or no longer takes one it names.

// The outputs that print input keywords, as bits of PrintedKeyword::on.
enum PrintedOn : unsigned {
    kOnCertificate = 1U << 0,          // England, Wales, Northern Ireland, and the Welsh one
    kOnScottishCertificate = 1U << 1,  // Scotland's one-page certificate
    kOnReport = 1U << 2,               // the recommendations report, any jurisdiction
    kOnShortReport = 1U << 3,          // the short recommendations report
    kOnResults = 1U << 4,              // the results file (.csv)
    kOnMessage = 1U << 5,              // the lodgement message
};

struct PrintedOutput {
    PrintedOn bit;
    const char* name;                  // as the reference names it
    std::vector<std::string> readers;  // source files, from the source root
};

// Every output of PrintedOn, in the reference's order, with the sources that
// read the keywords it prints.
const std::vector<PrintedOutput>& PrintedOutputs();

struct PrintedKeyword {
    const char* className;
    const char* keyword;
    unsigned on;  // PrintedOn bits
};

// Every keyword some output prints, with the outputs.
const std::vector<PrintedKeyword>& PrintedKeywords();

// The outputs that print a keyword of a class, 0 for none.
unsigned PrintedOnOf(const std::string& className, const std::string& keyword);
