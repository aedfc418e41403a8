#include "tests/support/process.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "tests/support/tempdir.h"

std::string ReadFileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

void WriteFileBytes(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

bool FileExists(const std::string& path) {
    struct stat st {};
    return stat(path.c_str(), &st) == 0;
}

ProcessResult RunProcess(const std::vector<std::string>& args, const std::string& workDir) {
    TempDir capture;
    const std::string outPath = capture.path() + "/out";
    const std::string errPath = capture.path() + "/err";
    ProcessResult r;
    const pid_t pid = fork();
    if (pid == 0) {
        if (!workDir.empty() && chdir(workDir.c_str()) != 0) _exit(127);
        const int in = open("/dev/null", O_RDONLY);
        const int out = open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        const int err = open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (in < 0 || out < 0 || err < 0) _exit(127);
        dup2(in, 0);
        dup2(out, 1);
        dup2(err, 2);
        std::vector<char*> argv;
        for (const auto& a : args) argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        execv(argv[0], argv.data());
        _exit(127);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    if (WIFEXITED(status)) r.exitCode = WEXITSTATUS(status);
    r.out = ReadFileBytes(outPath);
    r.err = ReadFileBytes(errPath);
    return r;
}

ProcessResult RunTarvex(const std::vector<std::string>& args, const std::string& workDir) {
    std::vector<std::string> all{TARVEX_BIN};
    all.insert(all.end(), args.begin(), args.end());
    return RunProcess(all, workDir);
}
