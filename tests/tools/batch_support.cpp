#include "tests/tools/batch_support.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <sstream>

#include "tests/support/example_runs.h"

namespace fs = std::filesystem;

BatchProcess::BatchProcess(const std::vector<std::string>& args, const std::string& dir,
                           const std::string& tmp) {
    std::vector<std::string> all{TARVEX_BATCH_BIN, "--program", TARVEX_BIN};
    all.insert(all.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (const std::string& a : all) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    const std::string out = capture_.file("out"), err = capture_.file("err");
    pid_ = fork();
    if (pid_ == 0) {
        const int in = open("/dev/null", O_RDONLY);
        const int o = open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        const int e = open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (in < 0 || o < 0 || e < 0 || dup2(in, 0) < 0 || dup2(o, 1) < 0 || dup2(e, 2) < 0)
            _exit(127);
        if (!dir.empty() && chdir(dir.c_str()) != 0) _exit(127);
        if (!tmp.empty()) setenv("TMPDIR", tmp.c_str(), 1);
        execv(argv[0], argv.data());
        _exit(127);
    }
}

BatchProcess::~BatchProcess() {
    if (pid_ > 0 && !ended_) {
        kill(pid_, SIGKILL);
        Wait();
    }
}

bool BatchProcess::Ended() {
    if (!ended_ && waitpid(pid_, &status_, WNOHANG) == pid_) ended_ = true;
    return ended_;
}

ProcessResult BatchProcess::Wait() {
    while (!ended_) {
        if (waitpid(pid_, &status_, 0) == pid_) ended_ = true;
    }
    ProcessResult r;
    if (WIFEXITED(status_)) r.exitCode = WEXITSTATUS(status_);
    r.out = ReadFileBytes(capture_.file("out"));
    r.err = ReadFileBytes(capture_.file("err"));
    return r;
}

ProcessResult RunBatch(const std::vector<std::string>& args, const std::string& dir,
                       const std::string& tmp) {
    BatchProcess batch(args, dir, tmp);
    return batch.Wait();
}

std::map<std::string, BatchRow> RowsOf(const std::string& jsonlPath) {
    std::map<std::string, BatchRow> rows;
    std::istringstream in(ReadFileBytes(jsonlPath));
    for (std::string line; std::getline(in, line);) {
        BatchRow row;
        EXPECT_TRUE(ParseJsonLine(line, row)) << jsonlPath << ": " << line;
        const std::string name = fs::path(row.input).filename().string();
        EXPECT_EQ(rows.count(name), 0u) << name << " has two rows in " << jsonlPath;
        rows[name] = row;
    }
    return rows;
}

namespace {

// Where the value of the line setting `keyword` starts and ends.
bool ValueAt(const std::string& text, const std::string& keyword, std::size_t& from,
             std::size_t& to) {
    for (std::size_t line = 0; line < text.size();) {
        const std::size_t end = std::min(text.find('\n', line), text.size());
        const std::size_t start = text.find_first_not_of(" \t", line);
        if (start < end && text.compare(start, keyword.size(), keyword) == 0) {
            const std::size_t eq = text.find('=', start + keyword.size());
            if (eq < end && text.find_first_not_of(" \t", start + keyword.size()) == eq) {
                from = text.find_first_not_of(" \t", eq + 1);
                to = end;
                while (to > from && (text[to - 1] == '\r' || text[to - 1] == ' ')) --to;
                return true;
            }
        }
        line = end + 1;
    }
    ADD_FAILURE() << "no line sets " << keyword;
    return false;
}

}  // namespace

std::string WithKeyword(const std::string& text, const std::string& keyword,
                        const std::string& value) {
    std::size_t from = 0, to = 0;
    if (!ValueAt(text, keyword, from, to)) return text;
    return text.substr(0, from) + value + text.substr(to);
}

std::string KeywordValue(const std::string& text, const std::string& keyword) {
    std::size_t from = 0, to = 0;
    if (!ValueAt(text, keyword, from, to)) return "";
    std::string value = text.substr(from, to - from);
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
        value = value.substr(1, value.size() - 2);
    return value;
}

std::vector<std::string> Portfolio(const std::string& folder, int count) {
    fs::create_directories(folder);
    const std::string example = ExampleInput("england-office");
    std::vector<std::string> names;
    for (int i = 0; i < count; ++i) {
        char uprn[32];
        std::snprintf(uprn, sizeof uprn, "\"1000%08d\"", i);
        names.push_back("in" + std::to_string(i) + ".inp");
        WriteFileBytes(folder + "/" + names.back(), WithKeyword(example, "UPRN", uprn));
    }
    return names;
}

std::vector<std::string> EntriesStartingWith(const std::string& folder, const std::string& prefix) {
    std::vector<std::string> found;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(folder, ec)) {
        const std::string name = entry.path().filename().string();
        if (name.rfind(prefix, 0) == 0) found.push_back(name);
    }
    return found;
}
