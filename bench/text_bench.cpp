// Growth of the text helpers with the length of the text: ResetQuotes on a
// value of N "&amp;" references (N = 10,000 to 80,000 by default) and
// StripXMLQuotes on N markup characters. Prints the CPU time of each (the
// least of five) and the time per reference against the one at the smallest
// N: a ratio near 1 means linear growth, one near N / N0 quadratic.
//
//   tarvex-text-bench [N...]
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>
#include <vector>

#include "app/textutil.h"

namespace {

double CpuSeconds() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) / 1e9;
}

template <typename F>
double LeastOfFive(F work) {
    double best = 1e9;
    for (int i = 0; i < 5; ++i) {
        const double start = CpuSeconds();
        work();
        const double used = CpuSeconds() - start;
        if (used < best) best = used;
    }
    return best;
}

std::string Repeat(const std::string& piece, long n) {
    std::string s;
    s.reserve(piece.size() * static_cast<std::size_t>(n));
    for (long i = 0; i < n; ++i) s += piece;
    return s;
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<long> counts;
    for (int i = 1; i < argc; ++i) counts.push_back(std::atol(argv[i]));
    if (counts.empty()) counts = {10000, 20000, 40000, 80000};
    std::printf("%-14s %10s %12s %14s %8s\n", "helper", "N", "CPU s", "ns per item", "ratio");
    struct Helper {
        const char* name;
        std::string piece;
        std::string (*run)(const std::string&);
    };
    const Helper helpers[] = {{"ResetQuotes", "x&amp;", ResetQuotes},
                              {"ResetQuotes", "&amp;amp;", ResetQuotes},
                              {"StripXMLQuotes", "<&\"\xE9", StripXMLQuotes},
                              {"StripQuotes", "\"ab", StripQuotes}};
    for (const Helper& h : helpers) {
        double first = 0;
        for (long n : counts) {
            const std::string text = Repeat(h.piece, n);
            std::size_t sink = 0;
            const double s = LeastOfFive([&] { sink += h.run(text).size(); });
            const double perItem = s / static_cast<double>(n) * 1e9;
            if (first == 0) first = perItem;
            std::printf("%-14s %10ld %12.6f %14.1f %8.2f%s\n", h.name, n, s, perItem,
                        perItem / first, sink == 0 ? " (empty)" : "");
        }
    }
    return 0;
}
