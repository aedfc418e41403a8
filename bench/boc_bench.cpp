// Reading and checking large inputs with the shipped library definition: the
// median time over several reads of 10,000 and 20,000 objects, to show the
// throughput and that it stays linear.
//
//   tarvex-boc-bench [READS]
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "app/runlog.h"
#include "boc/boc.h"

namespace {

// An input of `objects` objects: the general, EPC and recommendation-project
// objects, recommendations, three buildings each followed by its HVAC
// systems, and the air-conditioning object. Every object carries keyword
// lines of several types, with lists over two lines.
std::string MakeInput(int objects) {
    std::ostringstream s;
    s << "\"General\" = GENERAL\n   P-NAME = \"Bench\"\n   INTERFACE-VERSION = \"v1\"\n"
         "   B-INSP-DATE = ( 2024, 3, 7 )\n   CENGINE-VAL = ZOLM\n   ..\n"
         "\"EPC\" = EPC\n   TYPE = England and Wales\n   BER = 38.2\n   SER = 35.9\n   ..\n"
         "\"Rec project\" = REC-PROJECT\n   HEAT-PERCENT-CO2 = 41.5\n   ..\n";
    const int fixed = 3 + 3 + 1;
    const int rest = std::max(0, objects - fixed);
    const int recommendations = rest / 2;
    const int hvac = rest - recommendations;
    for (int i = 0; i < recommendations; ++i) {
        s << "\"Rec " << i << "\" = RECOMMENDATION\n"
          << "   CODE = EPC-L" << 1 + i % 4 << "\n"
          << "   CATEGORY = LIGHTING\n   REC-SOURCE = CALC-IN\n"
          << "   REC-TEXT = \"Replace the lamps of zone " << i << " $ with LED lamps\"\n"
          << "   PAY-BACK-NUM = " << 1 + i % 9 << ".5   $ years\n"
          << "   ENERGY-IMPACT = MEDIUM\n   ..\n";
    }
    for (int b = 0; b < 3; ++b) {
        static const char* const kAnalysis[] = {"ACTUAL", "NOTIONAL", "REFERENCE"};
        s << "\"Building " << b << "\" = BUILDING-DATA\n   ANALYSIS = " << kAnalysis[b] << "\n"
          << "   AREA = 1250.5\n   ACT-AREA = ( 1001, 900.5,\n      1002, 350 )\n"
          << "   KWH/M2-HEAT = 61.2\n   KWH/M2-LIGHT = 28.4\n   ..\n";
        const int count = hvac / 3 + (b < hvac % 3 ? 1 : 0);
        for (int h = 0; h < count; ++h) {
            s << "\"HVAC " << b << "-" << h << "\" = HVAC-SYSTEM-DATA\n"
              << "   TYPE = Fan coil systems\n   HEAT-SOURCE = Condensing boiler\n"
              << "   AREA = " << 10 + h % 90 << "\n   HEAT-SSEFF = 0.81\n"
              << "   ACT-AREA = ( 1001, 12.5,\n      1002, 3 )\n   ..\n";
        }
    }
    s << "\"Air conditioning\" = AIR-CONDITIONING\n   AIR-CON-INSTALLED = No\n   ..\n";
    return s.str();
}

struct Figures {
    double medianMs = 0;
    std::size_t lines = 0;
    std::size_t bytes = 0;
    std::size_t objects = 0;
};

Figures Measure(int objects, int reads, const std::string& folder, const std::string& library) {
    const std::string text = MakeInput(objects);
    const std::string input = folder + "/bench" + std::to_string(objects) + ".inp";
    std::ofstream(input, std::ios::binary) << text;
    Figures f;
    f.bytes = text.size();
    std::vector<double> times;
    for (int r = 0; r < reads; ++r) {
        // The progress texts would flood the console.
        std::streambuf* console = std::cout.rdbuf(nullptr);
        const auto start = std::chrono::steady_clock::now();
        BOC boc;
        boc.Init(input, library);
        const auto end = std::chrono::steady_clock::now();
        std::cout.rdbuf(console);
        times.push_back(std::chrono::duration<double, std::milli>(end - start).count());
        f.lines = boc.inputLines.size();
        f.objects = boc.objects.size();
    }
    std::sort(times.begin(), times.end());
    f.medianMs = times[times.size() / 2];
    return f;
}

}  // namespace

int main(int argc, char** argv) {
    const int reads = argc > 1 ? std::max(1, std::atoi(argv[1])) : 7;
    char folderTemplate[] = "/tmp/tarvex-boc-bench-XXXXXX";
    if (mkdtemp(folderTemplate) == nullptr) {
        std::perror("mkdtemp");
        return 1;
    }
    const std::string folder = folderTemplate;
    SetFileLog(folder + "/Tarvex.log");
    const std::string library = std::string(TARVEX_SOURCE_DIR) + "/data/csv/Tarvex.csv";

    Figures previous;
    for (int objects : {10000, 20000}) {
        const Figures f = Measure(objects, reads, folder, library);
        std::printf(
            "read and check %zu objects (%zu lines, %.1f MB): median %.1f ms over %d reads"
            "; %.0f objects/s, %.0f lines/s, %.1f MB/s\n",
            f.objects, f.lines, static_cast<double>(f.bytes) / 1e6, f.medianMs, reads,
            static_cast<double>(f.objects) / (f.medianMs / 1e3),
            static_cast<double>(f.lines) / (f.medianMs / 1e3),
            static_cast<double>(f.bytes) / 1e6 / (f.medianMs / 1e3));
        if (previous.objects != 0)
            std::printf("time per object, 20,000 against 10,000: %.2f (1.00 is linear)\n",
                        (f.medianMs / static_cast<double>(f.objects)) /
                            (previous.medianMs / static_cast<double>(previous.objects)));
        previous = f;
    }
    // The reads leave their report files in the folder.
    std::string cleanup = "rm -rf '" + folder + "'";
    return std::system(cleanup.c_str()) == 0 ? 0 : 1;
}
