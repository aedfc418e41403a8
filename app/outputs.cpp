#include "app/outputs.h"

#include <filesystem>
#include <system_error>

namespace {

bool IsSeparator(char c) {
    return c == '/' || c == '\\';
}

// ".abc" at the end of a name that has something before the dot.
bool HasExtension(const std::string& name) {
    const std::size_t n = name.size();
    if (n < 5 || name[n - 4] != '.' || IsSeparator(name[n - 5])) return false;
    for (std::size_t i = n - 3; i < n; ++i) {
        if (IsSeparator(name[i]) || name[i] == '.') return false;
    }
    return true;
}

}  // namespace

std::string OutputName(const std::string& input, const std::string& ending) {
    if (HasExtension(input)) return input.substr(0, input.size() - 4) + ending;
    return input + ending;
}

std::string MessageName(const std::string& input, const std::string& reference) {
    const std::size_t slash = input.find_last_of("/\\");
    const std::string folder = slash == std::string::npos ? "" : input.substr(0, slash + 1);
    return folder + reference + ending::kMessage;
}

bool SameFile(const std::string& a, const std::string& b) {
    namespace fs = std::filesystem;
    std::error_code ec;
    if (fs::equivalent(a, b, ec) && !ec) return true;
    const fs::path pa = fs::absolute(a, ec).lexically_normal();
    const fs::path pb = fs::absolute(b, ec).lexically_normal();
    return pa == pb;
}

std::string OutputReplacingInput(const std::string& input, const std::string& logFile) {
    namespace fs = std::filesystem;
    // SameFile against every output, with the input looked up and its path
    // made absolute once.
    std::error_code ec;
    const fs::file_status inputStatus = fs::status(input, ec);
    const bool inputExists = !ec && fs::exists(inputStatus);
    const fs::path inputPath = fs::absolute(input, ec).lexically_normal();
    const auto same = [&](const std::string& output) {
        std::error_code e;
        if (inputExists && fs::equivalent(input, output, e) && !e) return true;
        return fs::absolute(output, e).lexically_normal() == inputPath;
    };
    if (same(logFile)) return logFile;
    for (const char* e :
         {ending::kResults, ending::kReportCopy, ending::kErrorReport, ending::kCertificate,
          ending::kWelshCertificate, ending::kRecommendations, ending::kShortRecommendations,
          ending::kIasPackage, ending::kIasCompressed}) {
        const std::string output = OutputName(input, e);
        if (same(output)) return output;
    }
    return "";
}
