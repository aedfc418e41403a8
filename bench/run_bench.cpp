// Times whole runs of the program on an input, as a process: the median wall
// time over many runs and the peak resident memory of one run.
//
//   tarvex-run-bench PROGRAM INPUT [RUNS]
//
// The outputs go beside the input, as in normal use; run it on a copy.
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

struct RunResult {
    double ms = 0;
    long peakKb = 0;
    int status = -1;
};

RunResult RunOnce(const std::string& program, const std::string& input) {
    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        if (!freopen("/dev/null", "w", stdout) || !freopen("/dev/null", "r", stdin)) _exit(127);
        execl(program.c_str(), program.c_str(), "/F", input.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    const auto end = std::chrono::steady_clock::now();
    RunResult r;
    r.ms = std::chrono::duration<double, std::milli>(end - start).count();
    r.peakKb = usage.ru_maxrss;
    r.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return r;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s PROGRAM INPUT [RUNS]\n", argv[0]);
        return 2;
    }
    const int runs = argc > 3 ? std::max(1, std::atoi(argv[3])) : 50;
    std::vector<double> times;
    long peak = 0;
    RunOnce(argv[1], argv[2]);  // warm the file cache
    for (int i = 0; i < runs; ++i) {
        const RunResult r = RunOnce(argv[1], argv[2]);
        if (r.status != 0) {
            std::fprintf(stderr, "run %d ended with status %d\n", i + 1, r.status);
            return 1;
        }
        times.push_back(r.ms);
        peak = std::max(peak, r.peakKb);
    }
    std::sort(times.begin(), times.end());
    std::printf(
        "whole run of %s: median %.2f ms, fastest %.2f ms, slowest %.2f ms over %d runs; "
        "peak memory %ld KiB\n",
        argv[2], times[times.size() / 2], times.front(), times.back(), runs, peak);
    return 0;
}
