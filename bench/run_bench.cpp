// Times whole runs of the program on an input, as a process: the median wall
// time over many runs and the peak resident memory of one run. Then, for an
// England, Wales or Northern Ireland input, the same stages run in this
// process, each timed, to give every document's share of a run.
//
//   tarvex-run-bench PROGRAM INPUT [RUNS]
//
// The outputs go beside the input, as in normal use; run it on a copy.
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "app/codes.h"
#include "app/outputs.h"
#include "app/runlog.h"
#include "library/ncmkeys.h"
#include "pdf/documents.h"
#include "project/project.h"
#include "project/record.h"
#include "project/results_record.h"
#include "reports/results.h"

namespace {

struct RunResult {
    double ms = 0;
    double cpuMs = 0;  // user and system time of the run
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
    r.cpuMs = 1000.0 * static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
              static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1000.0;
    r.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return r;
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

// The stages of a run after the input is read, each timed in milliseconds.
struct StageTimes {
    double read = 0, rating = 0, results = 0, certificate = 0, report = 0, shortReport = 0;
};

bool RunStages(const std::string& input, StageTimes& t) {
    using Clock = std::chrono::steady_clock;
    auto ms = [](Clock::time_point a, Clock::time_point b) {
        return std::chrono::duration<double, std::milli>(b - a).count();
    };
    const std::string data = std::string(TARVEX_SOURCE_DIR) + "/data/";
    const std::string key = input.substr(0, input.size() - 4) + "_inpkey.txt";
    const auto start = Clock::now();
    auto project = std::make_unique<PROJECT>();
    PROJECT& p = *project;
    p.Reset();
    p.Init((data + "KORULib/TarvexlibraryDef.lib").c_str(),
           (data + "KORULib/TarvexlibraryTab.lib").c_str(), (data + "KORULib/ASlib.lib").c_str(),
           (data + "csv/Tarvex.csv").c_str(), input.c_str(), kPlatformCode);
    p.INP_Validate(input.c_str(), key.c_str());
    p.fDates();
    if (!IsEnglandWalesOrNorthernIreland(p.boc.Vcodid(p.epcObject, "TYPE"))) return false;
    const auto read = Clock::now();
    p.Calc();
    const auto rated = Clock::now();
    WriteResults(BuildResultsRecord(p), OutputName(input, ending::kResults));
    const auto results = Clock::now();
    p.fREC_Report();
    const DocumentRecord record = BuildDocumentRecord(p, false);
    const std::string& fingerprintKey = p.keys.keys().at(kFingerprintKeyIndex);
    WriteCertificate(record, OutputName(input, ending::kCertificate), fingerprintKey);
    const auto certificate = Clock::now();
    WriteRecommendationsReport(record, OutputName(input, ending::kRecommendations), fingerprintKey);
    const auto report = Clock::now();
    WriteShortReport(record, OutputName(input, ending::kShortRecommendations));
    const auto shortReport = Clock::now();
    t = {ms(start, read),          ms(read, rated),         ms(rated, results),
         ms(results, certificate), ms(certificate, report), ms(report, shortReport)};
    return true;
}

// Every document's share of the stages, run `runs` times in this process
// with the console silenced.
void PrintShares(const std::string& input, int runs) {
    std::fflush(stdout);
    const int console = dup(STDOUT_FILENO);
    const int null = open("/dev/null", O_WRONLY);
    dup2(null, STDOUT_FILENO);
    close(null);
    SetFileLog("/dev/null");
    std::vector<StageTimes> times;
    for (int i = 0; i < runs; ++i) {
        StageTimes t;
        if (!RunStages(input, t)) break;
        times.push_back(t);
        LogStream().str("");
    }
    std::fflush(stdout);
    dup2(console, STDOUT_FILENO);
    close(console);
    if (times.empty()) return;
    struct Row {
        const char* what;
        double StageTimes::*field;
    } rows[] = {{"reading and checking the input", &StageTimes::read},
                {"rating", &StageTimes::rating},
                {"results file", &StageTimes::results},
                {"certificate [epc].pdf", &StageTimes::certificate},
                {"recommendations report [rec].pdf", &StageTimes::report},
                {"short recommendations report [srec].pdf", &StageTimes::shortReport}};
    double total = 0;
    std::vector<double> medians;
    for (const Row& r : rows) {
        std::vector<double> v;
        for (const StageTimes& t : times) v.push_back(t.*r.field);
        medians.push_back(Median(v));
        total += medians.back();
    }
    std::printf("stages in one process, median over %zu runs:\n", times.size());
    for (std::size_t i = 0; i < medians.size(); ++i)
        std::printf("  %-42s %6.2f ms  %5.1f%%\n", rows[i].what, medians[i],
                    total > 0 ? 100 * medians[i] / total : 0);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s PROGRAM INPUT [RUNS]\n", argv[0]);
        return 2;
    }
    const int runs = argc > 3 ? std::max(1, std::atoi(argv[3])) : 50;
    std::vector<double> times, cpu;
    long peak = 0;
    RunOnce(argv[1], argv[2]);  // warm the file cache
    for (int i = 0; i < runs; ++i) {
        const RunResult r = RunOnce(argv[1], argv[2]);
        if (r.status != 0) {
            std::fprintf(stderr, "run %d ended with status %d\n", i + 1, r.status);
            return 1;
        }
        times.push_back(r.ms);
        cpu.push_back(r.cpuMs);
        peak = std::max(peak, r.peakKb);
    }
    std::sort(times.begin(), times.end());
    std::printf(
        "whole run of %s: median %.2f ms, fastest %.2f ms, slowest %.2f ms over %d runs; "
        "peak memory %ld KiB\n",
        argv[2], times[times.size() / 2], times.front(), times.back(), runs, peak);
    // Processor time is what the machine's other work disturbs least.
    std::printf("processor time (user and system) of a run: median %.2f ms\n", Median(cpu));
    PrintShares(argv[2], runs);
    return 0;
}
