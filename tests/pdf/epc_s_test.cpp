#include "pdf/epc_s.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>

#include "app/runlog.h"
#include "tests/pdf/pdf_check.h"
#include "tests/support/process.h"
#include "tests/support/stops.h"
#include "tests/support/tempdir.h"

namespace {

bool Has(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

// A school in band C+ with four recommendations.
EPCS School(int rating = 37, const std::string& band = "C+") {
    EPCS w;
    w.fSetCert_Background("This is not a valid certificate");
    w.fSetEPC(rating);
    w.fSetEPC_BAND(band);
    w.fSetTER(31);
    w.fSetTER_BAND("C+");
    w.fSetPER(29);
    w.fSetPER_BAND("B");
    w.fSetKWHM2(212);
    w.fSetB_ADDRESS("Glenmorven Primary School, 3 Craigie Brae, Perth");
    w.fSetMAIN_FUEL_TYPE("Natural Gas");
    w.fSetVENT("Heating with Nat. Vent.");
    w.fSetRENEWABLE("Photovoltaics");
    w.fSetELECTRICITY("Grid supplied");
    w.fSetBUILDING_AREA("3306.8");
    w.fSetTOOL("Thistle Energy Desk v5.1.2 [DSM-C] ");
    w.fSetB_TYPE("Non-residential Inst.: Education");
    w.fSetC_REG_NUMBER("CEAS201877");
    w.fSetC_PROTOCOL_ORG("Caledonian Protocol Body");
    w.fSetISSUE_DATE("21 Jan 2026");
    w.fSetREC1("1. Give the janitor a weekly checklist for the heating time clocks.");
    w.fSetREC2("2. Insulate exposed heating pipework, valves and flanges in plant rooms.");
    w.fSetREC3("3. Fit zone controls and thermostatic radiator valves.");
    w.fSetREC4("4. Replace single glazed windows with double or triple glazing.");
    return w;
}

// The certificates of the checks below, each saved once.
class ScottishCertificates : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        dir = new TempDir;
        SetFileLog(dir->file("Tarvex.log"));
        ASSERT_TRUE(School().PDF_EPC_Report(school()).written());
        // On the upper edge of A and without a prospective rating.
        EPCS edge = School(15, "A");
        edge.fSetPER(0);
        edge.fSetPER_BAND("??");
        ASSERT_TRUE(edge.PDF_EPC_Report(edgeA()).written());
        ASSERT_TRUE(School(101, "G").PDF_EPC_Report(edgeG()).written());
    }
    static void TearDownTestSuite() {
        delete dir;
        dir = nullptr;
    }
    static std::string school() { return dir->file("school[epc].pdf"); }
    static std::string edgeA() { return dir->file("edge-a[epc].pdf"); }
    static std::string edgeG() { return dir->file("edge-g[epc].pdf"); }

    static TempDir* dir;
};
TempDir* ScottishCertificates::dir = nullptr;

TEST_F(ScottishCertificates, OnePageValidProtectedAndPrintOnly) {
    for (const std::string& pdf : {school(), edgeA(), edgeG()}) {
        const ProcessResult check = RunTool("qpdf", {"--check", pdf});
        EXPECT_EQ(check.exitCode, 0) << check.out << check.err;
        EXPECT_EQ(RunTool("qpdf", {"--requires-password", pdf}).exitCode, 3);
        const ProcessResult json = RunTool("qpdf", {"--json", "--json-key=encrypt", pdf});
        for (const char* expected :
             {"\"encrypted\": true", "\"userpasswordmatched\": true", "\"R\": 3", "\"bits\": 128",
              "\"printlow\": true", "\"extract\": false", "\"modify\": false"}) {
            EXPECT_TRUE(Has(json.out, expected)) << expected << "\n" << json.out;
        }
        ExpectCertificateInfo(pdf, "1", "CEAS201877");
    }
}

TEST_F(ScottishCertificates, CarriesTheScaleRatingsAndTheBuilding) {
    const std::string text = PdfText(school());
    for (const char* expected : {
             "\nBuilding Energy Performance Scotland\n",
             "\nCalculated asset rating using\nThistle Energy Desk v5.1.2 [DSM-C]\n",
             // Too long for one line at its size: wrapped, not set smaller.
             "\nBuilding type\nNon-residential Inst.:\nEducation\n",
             "\nCarbon Neutral\nA (0 to 15)\nB (16 to 30)\nC (31 to 45)\nD (46 to 60)\n"
             "E (61 to 80)\nF (81 to 100)\nG (100+)\nC+\n",
             "\nof floor area per year\n37\n",
             "\nof floor area: 212 kWh/m\n2\n",
             "\nMain heating fuel: Natural Gas Building Services: Heating with Nat. Vent.\n",
             "\nRenewable energy source: Photovoltaics Electricity: Grid supplied\n",
             "would have a rating: 31 C+\n",
             "would have a rating: 29 B\n",
             "\n1. Give the janitor a weekly checklist for the heating time\nclocks.\n",
             "\n4. Replace single glazed windows with double or triple\nglazing.\n",
             "\nAddress: Glenmorven Primary School, 3 Craigie Brae, Perth\n",
             "): 3306.8\n",
             "\nName of protocol organisation: Caledonian Protocol Body, [CEAS201877]\n",
             "\nDate of issue of certificate: 21 Jan 2026 (Valid for a period not exceeding 10 "
             "years)\n",
             "\nNB THIS CERTIFICATE MUST BE AFFIXED",
             "This is not a valid certificate This is not a valid certificate",
         }) {
        EXPECT_TRUE(Has(text, expected)) << expected << "\n---\n" << text;
    }
    for (const char* absent : {"England", "Wales", "Northern Ireland", "Government", "Net zero",
                               "Non-Domestic", "Certificate Reference Number", "5.\n", "6.\n"}) {
        EXPECT_FALSE(Has(text, absent)) << absent;
    }
}

const Pixel kBlackPixel{0, 0, 0};

void ExpectColour(const Pixel& got, const Pixel& want, const std::string& where) {
    EXPECT_NEAR(got.r, want.r, 40) << where;
    EXPECT_NEAR(got.g, want.g, 40) << where;
    EXPECT_NEAR(got.b, want.b, 40) << where;
}

Pixel BandPixel(const std::string& band) {
    const BandRow* row = kScottishBands.Find(band);
    return row == nullptr ? kBlackPixel : Pixel{row->colour.r, row->colour.g, row->colour.b};
}

// A point inside an arrow drawn from (863, y), clear of the text on it.
Pixel InArrow(const Raster& page, float y) {
    return At(page, 863 + 80, y - 23);
}

// The arrow stands on the row of the certificate's band, in the band's
// colour, and on no other row; the benchmarks' arrows take their bands'.
TEST_F(ScottishCertificates, ArrowOnTheBandsRowInItsColour) {
    struct Case {
        std::string pdf;
        std::string band;
        std::string perBand;
    } cases[] = {{school(), "C+", "B"}, {edgeA(), "A", "??"}, {edgeG(), "G", "B"}};
    for (const Case& c : cases) {
        Raster page;
        ASSERT_TRUE(RenderFirstPage(c.pdf, 144, page)) << c.pdf;
        const int row = fScottishScaleRow(c.band);
        const auto bands = fScottishScaleBands();
        for (int r = 0; r < kScottishScaleRows; ++r) {
            const float bottom = fScottishRowBottom(r);
            const std::string where = c.band + ", row " + bands[r]->label;
            // Each row's bar in the row's colour.
            ExpectColour(At(page, r == 0 ? 211 : 245, bottom - 23), BandPixel(bands[r]->label),
                         where + " bar");
            const Pixel arrow = InArrow(page, bottom);
            if (r == row) {
                ExpectColour(arrow, BandPixel(c.band), where + " arrow");
            } else {
                EXPECT_GT(arrow.r + arrow.g + arrow.b, 3 * 200) << where << " has no arrow";
            }
        }
        ExpectColour(InArrow(page, 1050), BandPixel("C+"), c.band + " TER arrow");
        // A prospective rating that was not provided has a black arrow.
        ExpectColour(InArrow(page, 1103), BandPixel(c.perBand), c.band + " PER arrow");
    }
    const std::string text = PdfText(edgeA());
    EXPECT_TRUE(Has(text, "would have a rating: 0 ??\n")) << text;
}

// Words in the frame stay in their boxes; nothing leaves the page.
TEST(ScottishCertificateLayout, LongTextsStayInTheirBoxes) {
    TempDir dir;
    SetFileLog(dir.file("Tarvex.log"));
    EPCS w = School(-2147483647, "Carbon Neutral");
    // The background text covers the page on purpose.
    w.fSetCert_Background("");
    std::string many;
    for (int i = 0; i < 80; ++i) many += "insulation ";
    const std::string recs[] = {"1. " + many, "2. " + std::string(200, 'W'),
                                "3. " + many, "4. " + many,
                                "5. Short.",  "6. " + many};
    w.fSetREC1(recs[0]);
    w.fSetREC2(recs[1]);
    w.fSetREC3(recs[2]);
    w.fSetREC4(recs[3]);
    w.fSetREC5(recs[4]);
    w.fSetREC6(recs[5]);
    w.fSetTOOL(std::string(60, 'M') + " [DSM-C] ");
    w.fSetB_TYPE("Non-residential Inst.: Libraries, Museums, and Galleries");
    w.fSetB_ADDRESS(std::string(70, 'W'));
    w.fSetMAIN_FUEL_TYPE("Dual Fuel Appliances (Mineral + Wood)");
    w.fSetVENT("Mixed-mode with Mech. Vent.");
    w.fSetC_PROTOCOL_ORG(std::string(80, 'O'));
    const std::string pdf = dir.file("long[epc].pdf");
    ASSERT_TRUE(w.PDF_EPC_Report(pdf).written());
    EXPECT_EQ(RunTool("qpdf", {"--check", pdf}).exitCode, 0);

    struct Box {
        float left, top, right, bottom;  // points from the top left
    };
    const Box recBoxes[] = {{45, 577, 285, 622},  {45, 627, 285, 672},  {45, 677, 285, 722},
                            {300, 577, 540, 622}, {300, 627, 540, 672}, {300, 677, 540, 722}};
    int recWords = 0;
    for (const TextBox& word : PdfWords(pdf)) {
        const std::string where = "'" + word.text + "'";
        // Within the frame's left and right edges, and on the page.
        EXPECT_GE(word.xMin, 39.5) << where;
        EXPECT_LE(word.xMax, 543.5) << where;
        EXPECT_LE(word.yMax, 841) << where;
        // Inside the recommendations' frame, below its title bar.
        if (word.yMin > 572 && word.yMax < 724) {
            ++recWords;
            bool inside = false;
            for (const Box& b : recBoxes) {
                inside = inside || (word.xMin >= b.left - 0.5f && word.xMax <= b.right + 0.5f &&
                                    word.yMin >= b.top - 1 && word.yMax <= b.bottom + 1);
            }
            EXPECT_TRUE(inside) << where << " at " << word.xMin << "," << word.yMin << "-"
                                << word.xMax << "," << word.yMax;
        }
        // The top boxes end at their own borders.
        if (word.yMin > 88 && word.yMax < 114 && word.xMin < 415) {
            const float right = word.xMin < 266.5f ? 266.5f : 415;
            EXPECT_LE(word.xMax, right) << where;
        }
    }
    EXPECT_GT(recWords, 20);
    const std::string text = PdfText(pdf);
    EXPECT_TRUE(Has(text, "\n5. Short.\n")) << text;
    EXPECT_TRUE(Has(text, "\n-2147483647\n")) << text;
}

// The block under the frame: the longest address and organisation leave the
// date of issue and the area their lines, and a cut address its postcode.
TEST(ScottishCertificateLayout, FixedValuesAndThePostcodeKeepTheirPlace) {
    TempDir dir;
    SetFileLog(dir.file("Tarvex.log"));
    const std::string first =
        "Units 4 to 9, The Grand Old Brewery Buildings and Malt House Annexe, "
        "Lane";
    ASSERT_EQ(first.size(), 73u);
    std::string protocol;
    while (protocol.size() < 98) protocol += "Caledonian Energy Assessors Scheme ";
    protocol.resize(98);
    const struct {
        const char* label;
        std::string address;
        std::string shown;  // the address's line as printed, or its end
    } cases[] = {
        {"73-character first line", first + ", Perth, PH2 9QN", ", Perth, PH2 9QN"},
        {"too long for two lines", first + ", " + first + ", " + first + ", Perth, PH2 9QN",
         "..., PH2 9QN"},
    };
    for (const auto& c : cases) {
        EPCS w = School();
        w.fSetB_ADDRESS(c.address);
        w.fSetB_ADDRESS_LAST("PH2 9QN");
        w.fSetC_PROTOCOL_ORG(protocol);
        const std::string pdf = dir.file("foot[epc].pdf");
        ASSERT_TRUE(w.PDF_EPC_Report(pdf).written()) << c.label;
        const std::string text = PdfText(pdf);
        EXPECT_TRUE(Has(text, "\nDate of issue of certificate: 21 Jan 2026 (Valid"))
            << c.label << text;
        EXPECT_TRUE(Has(text, "): 3306.8\n")) << c.label << text;
        EXPECT_TRUE(Has(text, c.shown + "\n")) << c.label << text;
        EXPECT_TRUE(Has(text, "Name of protocol organisation: Caledonian")) << c.label << text;
        for (const TextBox& word : PdfWords(pdf)) EXPECT_LE(word.yMax, 841) << word.text;
    }
}

// Letters that no font holds print as "?", said once for each field that
// holds them; the common ones print in their plain form, unsaid.
TEST(ScottishCertificate, LettersNoFontHoldsAreNamedByField) {
    TempDir dir;
    SetFileLog(dir.file("Tarvex.log"));
    for (const bool embedded : {true, false}) {
        // Without Liberation Sans the standard fonts print what they can.
        if (!embedded) setenv("TARVEX_FONT_DIR", "/nonexistent-font-folder", 1);
        EPCS w = School();
        w.fSetB_ADDRESS("\xE6\x9D\xB1\xE4\xBA\xAC House \xF0\x9F\x98\x80, Perth \xE6\x9D\xB1");
        w.fSetREC1(
            "1. Keep CO\xE2\x82\x82 \xE2\x89\xA5 5 \xE2\x80\x93 \xE2\x80\x9C"
            "as "
            "ever\xE2\x80\x9D\xE2\x80\xA6");
        const std::string pdf = dir.file(std::string(embedded ? "e" : "s") + "[epc].pdf");
        const std::size_t logged = LogStream().str().size();
        ASSERT_TRUE(w.PDF_EPC_Report(pdf).written());
        if (!embedded) unsetenv("TARVEX_FONT_DIR");
        const std::string log = LogStream().str().substr(logged);
        const std::string warning = "WARNING: " + pdf +
                                    ": B-ADDRESS: no font of the document holds \"\xE6\x9D\xB1\", "
                                    "\"\xE4\xBA\xAC\", \"\xF0\x9F\x98\x80\": printed as \"?\"\n";
        EXPECT_TRUE(Has(log, warning)) << embedded << log;
        EXPECT_EQ(log.find(warning), log.rfind(warning)) << log;
        EXPECT_FALSE(Has(log, "REC-TEXT")) << log;
        const std::string text = PdfText(pdf);
        EXPECT_TRUE(Has(text, "?? House ?, Perth ?")) << embedded << text;
        EXPECT_TRUE(Has(text, "1. Keep CO2 >= 5")) << embedded << text;
    }
}

// A certificate that cannot be written stops the run at once with the
// message and leaves nothing behind.
TEST(ScottishCertificate, UnwritableFileStopsTheRun) {
    TempDir dir;
    WriteFileBytes(dir.file("afile"), "a regular file, not a folder");
    SetFileLog(dir.file("Tarvex.log"));
    const StopOutcome s = RunToStop([&] { School().PDF_EPC_Report(dir.file("afile/x[epc].pdf")); });
    EXPECT_EQ(s.status, 1);
    EXPECT_NE(
        s.out.find("Unable to create PDF file because it is already open. Please, close all "
                   "relevant PDF files related to this project and run the calculation again\n\n"),
        std::string::npos)
        << s.out;
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(dir.path()))
        names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"Tarvex.log", "afile"}));
}

}  // namespace
