#include "reports/banner.h"

#include "app/version.h"

namespace {

std::string Line70(const std::string& text) {
    std::string line = text;
    line.resize(70, ' ');
    return line + "\n";
}

}  // namespace

std::string ResultsBanner() {
    static const char* const kPicture[5] = {
        "            *****    ***    ****   *   *  *****  *   *",
        "              *     *   *   *   *  *   *  *       * * ",
        "              *     *****   ****   *   *  ****     *  ",
        "              *     *   *   *  *    * *   *       * * ",
        "              *     *   *   *   *    *    *****  *   *",
    };
    std::string b = Line70("");
    for (const char* line : kPicture) b += Line70(line);
    b += Line70("");
    b += Line70("");
    b += "          ENERGY PERFORMANCE CERTIFICATE GENERATOR (UK)               \n";
    b += Line70("");
    b += Line70("          Certificates and recommendation reports for");
    b += Line70("          non-domestic buildings, written by the Tarvex team.");
    b += Line70("");
    b += Line70("");
    b += std::string("                  Version: ") + kTarvexVersion + "           \n";
    return b;
}
