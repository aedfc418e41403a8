#include "pdf/epc_ewni.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <filesystem>

#include "app/runlog.h"
#include "library/ncmd5.h"
#include "pdf/document.h"
#include "tests/pdf/pdf_check.h"
#include "tests/support/process.h"
#include "tests/support/tempdir.h"

namespace {

const char kKey[] = "a certificate key";
const char kReference[] = "2182-3079-9443-1602-9575";

// A band C office in England with one blank address line between filled ones.
EPCEWNI Office(int rating = 62, const std::string& band = "C") {
    EPCEWNI w;
    w.fSetEPC(rating);
    w.fSetEPC_BAND(band);
    w.fSetTER(44);
    w.fSetTER_BAND("B");
    w.fSetTYR(100);
    w.fSetTYR_BAND("D");
    const char* limits[12] = {"25",  "26",  "50",  "51",  "75",  "76",
                              "100", "101", "125", "126", "150", "150"};
    for (int i = 0; i < 12; ++i) w.limits[i] = limits[i];
    w.fSetRRN_EPC(kReference);
    w.fSetRRN_REC("0912-9644-8432-2779-5106");
    w.fSetB_ADDRESS_0("Unit 4, The Old Brewery");
    w.fSetB_ADDRESS_1("");
    w.fSetB_ADDRESS_2(" ");
    w.fSetB_ADDRESS_3("Longmarket Road");
    w.fSetB_ADDRESS_4("Canterbury");
    w.fSetB_ADDRESS_5("CT1 2AB");
    w.fSetMAIN_FUEL_TYPE("Natural Gas");
    w.fSetBUILDING_ENVIRONMENT("Air Conditioning");
    w.fSetBUILDING_AREA("1250.5");
    w.fSetNOS_LEVEL("4");
    w.fSetBER(31.27);
    w.fSetTOOL("Office Designer v2.1   using calculation engine   ZOLM 4.1.c ");
    w.fSetUPRN("123456789012");
    w.fSetC_NAME("Jane O'Neill");
    w.fSetC_REG_NUMBER("ABCD123456");
    w.fSetC_ACCRED_SCHEME("Example Accreditation Ltd");
    w.fSetC_EMP_TRAD_NAME("Example Energy Assessors");
    w.fSetC_EMP_TRAD_ADDRESS("1 High Street, Anytown, AB1 2CD");
    w.fSetC_REL_PART_DISC("Not related to the owner");
    w.fSetISSUE_DATE("05 Mar 2009");
    w.fSetVALID_DATE("04 Mar 2019");
    return w;
}

TEST(CertificateSetters, RatingsAndRateAsPrinted) {
    const struct {
        int rating;
        const char* text;
        int magnitude;
    } ratings[] = {{62, "62", 62},
                   {-3, "-3", 3},
                   {0, "0", 0},
                   {INT_MAX, "2147483647", INT_MAX},
                   {INT_MIN, "-2147483648", INT_MAX}};
    for (const auto& r : ratings) {
        EPCEWNI w;
        w.fSetEPC(r.rating);
        EXPECT_EQ(w.EPC, r.text);
        EXPECT_EQ(w.EPC_number, r.magnitude) << r.text;
    }
    const struct {
        double rate;
        const char* text;
    } rates[] = {{31.27, "31.27"}, {-5, "-5"}, {-0.0, "0"}, {1234567.25, "1.23457e+06"}};
    for (const auto& r : rates) {
        EPCEWNI w;
        w.fSetBER(r.rate);
        EXPECT_EQ(w.BER, r.text) << r.rate;
    }
}

bool Has(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

// The certificates of the checks below, each saved once.
class Certificates : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        dir = new TempDir;
        SetFileLog(dir->file("Tarvex.log"));
        EPCEWNI office = Office();
        officeFingerprint = office.PDF_EPC_Report(kKey, office_());
        EPCEWNI belfast = Office(-3, "A+");
        belfast.northernIreland = true;
        belfast.PDF_EPC_Report(belfast_());
    }
    static void TearDownTestSuite() {
        delete dir;
        dir = nullptr;
    }
    static std::string office_() { return dir->file("office[epc].pdf"); }
    static std::string belfast_() { return dir->file("belfast[epc].pdf"); }

    static TempDir* dir;
    static std::string officeFingerprint;
};
TempDir* Certificates::dir = nullptr;
std::string Certificates::officeFingerprint;

TEST_F(Certificates, AreValidProtectedAndPrintOnly) {
    for (const std::string& pdf : {office_(), belfast_()}) {
        const ProcessResult check = RunTool("qpdf", {"--check", pdf});
        EXPECT_EQ(check.exitCode, 0) << check.out << check.err;
        // The empty user password opens it.
        EXPECT_EQ(RunTool("qpdf", {"--requires-password", pdf}).exitCode, 3);
        const ProcessResult json = RunTool("qpdf", {"--json", "--json-key=encrypt", pdf});
        ASSERT_EQ(json.exitCode, 0) << json.err;
        for (const char* expected :
             {"\"encrypted\": true", "\"userpasswordmatched\": true", "\"R\": 3", "\"bits\": 128",
              "\"printhigh\": true", "\"printlow\": true", "\"extract\": false",
              "\"modify\": false", "\"modifyannotations\": false", "\"modifyother\": false"}) {
            EXPECT_TRUE(Has(json.out, expected)) << expected << "\n" << json.out;
        }
        EXPECT_EQ(PdfInfoField(pdf, "Pages"), "2");
        EXPECT_EQ(PdfInfoField(pdf, "Page size"), "595.276 x 841.89 pts (A4)");
        EXPECT_EQ(PdfInfoField(pdf, "Title"),
                  "Building Energy Performance Certificate. Asset Rating.");
        EXPECT_EQ(PdfInfoField(pdf, "Keywords"), "Energy Performance Certificate");
        EXPECT_EQ(PdfInfoField(pdf, "Subject"), "ABCD123456");
        EXPECT_EQ(PdfInfoField(pdf, "Author"), "Ostrel");
        EXPECT_EQ(PdfInfoField(pdf, "Creator"), "Tarvex");
    }
}

TEST_F(Certificates, FingerprintIsOfTheSavedBytes) {
    const std::string bytes = ReadFileBytes(office_());
    ASSERT_FALSE(bytes.empty());
    EXPECT_EQ(
        officeFingerprint,
        NCMD5().hash(kKey, reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size()));
}

TEST_F(Certificates, FirstPageCarriesTheRatingAndTheBuilding) {
    const std::string text = PdfPageText(office_(), 1);
    for (const char* expected : {
             "Energy Performance Certificate\nNon-Domestic Building\n",
             "Energy Performance Asset Rating\n",
             "Technical information Benchmarks\n",
             "Certificate Reference Number:\n2182-3079-9443-1602-9575\n",
             // Blank address lines leave no gap.
             "\nUnit 4, The Old Brewery\nLongmarket Road\nCanterbury\nCT1 2AB\n",
             // The scale, A+ to G, then the rating.
             "\nA+\nA0-25\nB26-50\nC51-75\nD76-100\nE 101-125\nF 126-150\nGOver 150\n",
             "This is how energy efficient\nthe building is.\n62\n",
             "Net zero CO emissions\n2\nMore energy efficient\nLess energy efficient\n",
             // The benchmarks.
             "\n44\n100\nBuildings similar to this one\ncould have ratings as follows:\n"
             "If newly built\nIf typical of the\nexisting stock\n",
             "Main heating fuel: Natural Gas\n",
             "Building environment: Air Conditioning\n",
             "Total useful floor area (m ):\n2\n1250.5\n",
             "Building complexity (NOS level): 4\n",
             "Building emission rate (kgCO /m ):\n2\n2\n31.27\n",
             "This certificate shows the energy rating of this building.",
             "on the Government's www.gov.uk/energy-performance-certificate-commercial-property.\n",
         }) {
        EXPECT_TRUE(Has(text, expected)) << expected << "\n---\n" << text;
    }
    EXPECT_FALSE(Has(text, "Northern Ireland"));
    EXPECT_FALSE(Has(text, "Department's"));
}

TEST_F(Certificates, SecondPageCarriesTheAdministrativeData) {
    const std::string text = PdfPageText(office_(), 2);
    for (const char* expected : {
             "Administrative information\n",
             "This is an Energy Performance Certificate as defined in SI2007:991 as amended\n",
             "Assessment Software: Office Designer v2.1 using calculation engine ZOLM 4.1.c\n",
             "Property Reference: 123456789012\n",
             "Assessor Name: Jane O'Neill\n",
             "Assessor Number: ABCD123456\n",
             "Accreditation Scheme: Example Accreditation Ltd\n",
             "Employer/Trading Name: Example Energy Assessors\n",
             "Employer/Trading Address: 1 High Street, Anytown, AB1 2CD\n",
             "Issue Date: 05 Mar 2009\n",
             "Valid Until: 04 Mar 2019 (unless superseded by a later certificate)\n",
             "Related Party Disclosure: Not related to the owner\n",
             "Recommendations for improving the property are contained in Report Reference "
             "Number: 0912-9644-8432-2779-5106\n",
             "If you have a complaint or wish to confirm that the certificate is genuine\n",
             "For advice on how to take action and to find out about\n"
             "technical and financial assistance schemes to help make\n"
             "buildings more energy efficient visit www.carbontrust.com\n"
             "or call us on 0800 085 2005\n",
         }) {
        EXPECT_TRUE(Has(text, expected)) << expected << "\n---\n" << text;
    }
    // The complaint text flows over as many lines as it needs.
    std::string flowing = text;
    std::replace(flowing.begin(), flowing.end(), '\n', ' ');
    EXPECT_TRUE(Has(flowing,
                    " Details of the assessor and the relevant accreditation scheme are on the "
                    "certificate. You can get contact details of the accreditation scheme from "
                    "the Government's website at "
                    "www.gov.uk/energy-performance-certificate-commercial-property, together "
                    "with details of the procedures for confirming authenticity of a certificate "
                    "and for making a complaint. "))
        << text;
}

TEST_F(Certificates, WebAddressesAreLinks) {
    const struct {
        std::string pdf;
        const WebAddress& department;
    } cases[] = {{office_(), kWebDepartmentEnglandWales},
                 {belfast_(), kWebDepartmentNorthernIreland}};
    for (const auto& c : cases) {
        const ProcessResult json = RunTool("qpdf", {"--json", "--json-key=qpdf", c.pdf});
        ASSERT_EQ(json.exitCode, 0) << json.err;
        std::size_t count = 0;
        const std::string department = std::string("\"/URI\": \"u:") + c.department.uri + "\"";
        for (auto at = json.out.find(department); at != std::string::npos;
             at = json.out.find(department, at + 1))
            ++count;
        EXPECT_EQ(count, 2u) << c.pdf;  // the explanation and the complaint text
        EXPECT_TRUE(Has(json.out, std::string("\"/URI\": \"u:") + kWebAdviceBody.uri + "\""));
    }
}

TEST_F(Certificates, NorthernIrelandNamesItsProvinceLawAndDepartment) {
    const std::string page1 = PdfPageText(belfast_(), 1);
    EXPECT_TRUE(Has(page1, "Energy Performance Certificate\nNon-Domestic Building\n"));
    EXPECT_TRUE(Has(page1, "\nNorthern Ireland\n")) << page1;
    EXPECT_TRUE(Has(page1,
                    "on the Department's www.nidirect.gov.uk/articles/energy-performance-"
                    "certificates.\n"))
        << page1;
    EXPECT_FALSE(Has(page1, "Government's"));
    const std::string page2 = PdfPageText(belfast_(), 2);
    EXPECT_TRUE(Has(page2,
                    "This is an Energy Performance Certificate as defined in SR 2008 "
                    "No.170 as amended\n"))
        << page2;
    EXPECT_TRUE(Has(page2,
                    "accreditation scheme from the Department's website at "
                    "www.nidirect.gov.uk/articles/energy-performance-certificates,\n"))
        << page2;
    EXPECT_FALSE(Has(page2, "SI2007:991"));
    EXPECT_FALSE(Has(page2, "Government's"));
}

// The sign is printed; the security patterns work with the magnitude.
TEST_F(Certificates, NegativeRatingKeepsItsSign) {
    const std::string text = PdfPageText(belfast_(), 1);
    EXPECT_TRUE(Has(text, "the building is.\n-3\n")) << text;
    EXPECT_TRUE(Has(text, "\n3 - 2 1 8 2 - 3 0 7 9")) << text;
}

void ExpectColour(const Pixel& got, const Pixel& want, const std::string& where) {
    EXPECT_NEAR(got.r, want.r, 40) << where;
    EXPECT_NEAR(got.g, want.g, 40) << where;
    EXPECT_NEAR(got.b, want.b, 40) << where;
}

const Pixel kBlackPixel{0, 0, 0};
const Pixel kWhitePixel{255, 255, 255};
const Pixel kBandPixels[kScaleRows] = {{13, 104, 38}, {13, 104, 38},  {49, 160, 61}, {127, 195, 28},
                                       {255, 204, 0}, {253, 161, 69}, {255, 102, 0}, {255, 0, 0}};

// Only the certificate's row is outlined in black, and only it carries the
// pointer box, whose pointer takes the row's colour (white for A+).
void ExpectPointerOnRow(const std::string& pdf, int row) {
    Raster page;
    ASSERT_TRUE(RenderFirstPage(pdf, 144, page)) << pdf;
    const auto rows = fScaleRows(1335, 0.96f, 0.96f);
    const float h = fScaleRowHeight(0.96f);
    const float box = 89 + 501 * 0.96f;
    for (int r = 0; r < kScaleRows; ++r) {
        const float middle = rows[r].bottom - h / 2;
        const std::string name = std::string("row ") + rows[r].label;
        ExpectColour(At(page, 89 + rows[r].width, middle), r == row ? kBlackPixel : kBandPixels[r],
                     name + " right edge");
        ExpectColour(At(page, box + 545 * 0.96f, middle), r == row ? kBlackPixel : kWhitePixel,
                     name + " pointer box edge");
        if (r == row) {
            ExpectColour(At(page, box + 45 * 0.96f, middle), r == 0 ? kWhitePixel : kBandPixels[r],
                         name + " pointer");
        }
    }
}

TEST_F(Certificates, BandCOutlinesOnlyItsRowAndPointsAtIt) {
    ExpectPointerOnRow(office_(), fScaleRow("C"));
}

TEST_F(Certificates, BandAPlusGetsAWhitePointer) {
    ExpectPointerOnRow(belfast_(), fScaleRow("A+"));
}

// Values far longer than usual are set smaller or broken: no text crosses
// into the next block or past the right edge of the bars.
TEST(CertificateLayout, LongValuesStayInTheirBlocks) {
    TempDir dir;
    SetFileLog(dir.file("Tarvex.log"));
    EPCEWNI w = Office(INT_MIN, "G");
    w.fSetTER(INT_MAX);
    w.fSetTYR(-1234);
    w.fSetB_ADDRESS_0("The Grand Old Brewery Buildings, Units 4 to 9 and the Malt House Annexe");
    w.fSetB_ADDRESS_3("Longmarket Road Industrial and Commercial Estate (North Side)");
    w.fSetMAIN_FUEL_TYPE("Dual Fuel Appliances (Mineral + Wood)");
    w.fSetBUILDING_ENVIRONMENT("Mixed-mode with Mechanical Ventilation");
    w.fSetBUILDING_AREA("123456789012345678901234567890");
    w.fSetC_EMP_TRAD_ADDRESS(
        "Suite 12, Second Floor, Riverside Business Centre, 221 Long Harbour Road, Great "
        "Yarmouth, Norfolk, NR30 1AA, United Kingdom");
    w.fSetC_NAME(std::string(150, 'M'));
    const std::string pdf = dir.file("long[epc].pdf");
    ASSERT_FALSE(w.PDF_EPC_Report(kKey, pdf).empty());

    const std::string text = PdfText(pdf);
    for (const char* expected :
         {"the building is.\n-2147483648\n", "\n2147483647\n-1234\n",
          "The Grand Old Brewery Buildings, Units 4 to 9 and the Malt\nHouse Annexe\n",
          "Longmarket Road Industrial and Commercial Estate (North\nSide)\n"}) {
        EXPECT_TRUE(Has(text, expected)) << expected << "\n---\n" << text;
    }

    for (const WordBox& w : Words(pdf)) {
        if (w.yMax - w.yMin < 3) continue;  // the security patterns' microtext
        const std::string where = w.text + " on page " + std::to_string(w.page);
        EXPECT_GE(w.xMin, 28) << where;
        EXPECT_LE(w.xMax, 567) << where;
        if (w.page != 1) continue;
        // The address and the technical block end before the column beside them.
        const bool address = w.yMin > 95 && w.yMax < 190 && w.xMin < 355;
        const bool technical = w.yMin > 730 && w.xMin < 355;
        if (address || technical) {
            EXPECT_LE(w.xMax, 355.5) << where;
        }
        // The rating ends before the words beside it in the pointer box.
        if (w.text == "-2147483648") {
            EXPECT_LE(w.xMax, (89 + (501 + 250) * 0.96f) / 2) << where;
        }
        // The benchmarks' values stay on their arrows.
        if (w.text == "2147483647" || w.text == "-1234") {
            EXPECT_LE(w.xMax, (819 + 99.5f) / 2) << where;
        }
    }
}

TEST(CertificateTexts, ExplanationFitsFiveLinesEndingInItsLink) {
    PdfDocument doc;
    HPDF_Font regular = doc.Font("Helvetica");
    const TextMeasure measure = [regular](const std::string& text, float size) {
        const HPDF_TextWidth w =
            HPDF_Font_TextWidth(regular, reinterpret_cast<const HPDF_BYTE*>(text.data()),
                                static_cast<HPDF_UINT>(text.size()));
        return static_cast<float>(w.width) * size / 1000.0f;
    };
    for (bool northernIreland : {false, true}) {
        const LinkedParagraph p = EpcExplanation(northernIreland);
        const std::vector<std::string> lines =
            fParagraphLines(p.text, p.link.text, 560 - 43, 12.8f, measure);
        // Five lines reach down to the rating bar.
        EXPECT_LE(lines.size(), 5u) << northernIreland;
        ASSERT_FALSE(lines.empty());
        const std::string ending =
            std::string(northernIreland ? "Department's " : "Government's ") + p.link.text + ".";
        EXPECT_GE(lines.back().size(), ending.size());
        EXPECT_EQ(lines.back().substr(lines.back().size() - ending.size()), ending);
    }
}

// A certificate that cannot be written stops the run with the message and
// leaves nothing behind.
TEST(CertificateDeathTest, UnwritableFileStopsTheRun) {
    TempDir dir;
    WriteFileBytes(dir.file("afile"), "a regular file, not a folder");
    EXPECT_EXIT(
        {
            SetFileLog(dir.file("Tarvex.log"));
            dup2(2, 1);  // the message goes to the console's standard output
            EPCEWNI w = Office();
            w.PDF_EPC_Report(kKey, dir.file("afile/x[epc].pdf"));
        },
        ::testing::ExitedWithCode(1),
        "Unable to create PDF file because it is already open\\. Please, close all relevant PDF "
        "files related to this project and run the calculation again\n\n");
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(dir.path()))
        names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"Tarvex.log", "afile"}));
    EXPECT_EQ(ReadFileBytes(dir.file("afile")), "a regular file, not a folder");
}

}  // namespace
