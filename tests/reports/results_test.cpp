// The results file is a function of its record: typed here, with no library
// and no input.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/codes.h"
#include "reports/results.h"
#include "tests/support/process.h"
#include "tests/support/tempdir.h"

namespace {

ResultsRecord Record(bool scotland) {
    ResultsRecord r;
    r.scotland = scotland;
    r.ratings.asset = 62;
    r.ratings.assetBand = "C";
    r.ratings.newBuildBand = "B";
    r.ratings.stockBand = "D";
    r.ratings.limits = {0, 25, 50, 75, 100, 125, 150, 1000, 1000, 1000, 1000, 1000, 1000, 1000};
    r.ter = 20.25;
    r.tyr = 41.2;
    r.ser = 30;
    r.ber = 31.46;
    r.per = kNotProvided;
    r.bandRounding = 1;
    r.projectName = "\"Quarry Mill\"";
    r.buildingArea = 1250;
    r.certifier.name = "\"Rhian Pugh\"";
    r.certificateNumber = "\"0001\"";
    ResultsRecommendation none;
    none.payback = -1;
    none.code = "EPC-H1";
    ResultsRecommendation quick;
    quick.payback = 1.23456;
    quick.code = "EPC-L2";
    r.recommendations = {none, quick};
    return r;
}

bool Has(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

}  // namespace

TEST(ResultsFile, SaysWhatItsRecordSays) {
    TempDir dir;
    struct Case {
        bool scotland;
        std::vector<std::string> expected, absent;
    };
    const Case cases[] = {
        {false,
         {"Part L (2006) legal standard,20.3,B,\n", "Stock Average,41.2,D,\n",
          "Building Emission Rate (BER),31.5,C,62,\n", ",50,75,   <<<,C,62\n",
          "Project Name:,\"Quarry Mill\"\n", "Certifier Name:,\"Rhian Pugh\"\n",
          "Certificate number:,\"0001\"\n", "(+),99999,0,0,EPC-H1,", "(+),123.46,0,0,EPC-L2,"},
         {"Building Improved", "Agent Name"}},
        // No improved building: its figures are question marks, and Scotland
        // has no certificate number.
        {true,
         {"Section 6 (2006) legal standard,20.3,B,\n", "Building Improved,?,?,\n,,,\n",
          "Agent Name:,\"Rhian Pugh\"\n"},
         {"Stock Average", "Certificate number"}},
    };
    for (const Case& c : cases) {
        const std::string path = dir.file(c.scotland ? "s.csv" : "e.csv");
        const WrittenDocument written = WriteResults(Record(c.scotland), path);
        EXPECT_TRUE(written.written());
        const std::string text = ReadFileBytes(path);
        for (const std::string& e : c.expected) EXPECT_TRUE(Has(text, e)) << e << "\n" << text;
        for (const std::string& a : c.absent) EXPECT_FALSE(Has(text, a)) << a;
    }
}
