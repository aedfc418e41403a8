#include "tests/support/example_runs.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

namespace {

std::string ExamplePath(const std::string& file) {
    return std::string(TARVEX_SOURCE_DIR) + "/examples/" + file;
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

}  // namespace

const std::vector<std::string>& ExampleNames() {
    static const std::vector<std::string> names{"england-office", "ni-shop", "scotland-school",
                                                "wales-library"};
    return names;
}

std::string ExampleInput(const std::string& name) {
    const std::string path = ExamplePath(name + ".inp");
    EXPECT_TRUE(FileExists(path)) << path;
    return ReadFileBytes(path);
}

std::string Edited(const std::string& text, const std::vector<Edit>& edits) {
    std::string out = text;
    for (const Edit& e : edits) {
        const std::size_t at = out.find(e.first);
        if (at == std::string::npos) {
            ADD_FAILURE() << "the input holds no \"" << e.first << "\" to change";
            continue;
        }
        out.replace(at, e.first.size(), e.second);
    }
    return out;
}

int LineOf(const std::string& text, const std::string& part) {
    const std::size_t at = text.find(part);
    if (at == std::string::npos) return 0;
    return 1 +
           static_cast<int>(std::count(text.begin(), text.begin() + static_cast<long>(at), '\n'));
}

void CopyExample(const TempDir& dir, const std::string& name) {
    WriteFileBytes(dir.file(name + ".inp"), ExampleInput(name));
    const std::string key = ExamplePath(name + "_inpkey.txt");
    ASSERT_TRUE(FileExists(key)) << key;
    WriteFileBytes(dir.file(name + "_inpkey.txt"), ReadFileBytes(key));
}

ProcessResult RunInput(const TempDir& dir, const std::string& name) {
    return RunTarvex({"/F", name + ".inp"}, dir.path());
}

std::string RunLog(const TempDir& dir) {
    return ReadFileBytes(dir.file("Tarvex.log"));
}

std::string FirstDifference(const std::string& expected, const std::string& actual) {
    const auto e = Lines(expected);
    const auto a = Lines(actual);
    for (std::size_t i = 0; i < e.size() || i < a.size(); ++i) {
        const std::string want = i < e.size() ? e[i] : "<end of file>";
        const std::string got = i < a.size() ? a[i] : "<end of file>";
        if (want != got)
            return "first difference at line " + std::to_string(i + 1) + ":\n  expected [" + want +
                   "]\n  actual   [" + got + "]";
    }
    return "the files differ only in their last line end";
}
