#include "pdf/epc_ewni.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <sstream>

#include "app/runlog.h"
#include "library/ncmd5.h"
#include "pdf/document.h"
#include "pdf/fonts.h"
#include "pdf/iso8859_14.h"
#include "pdf/text.h"
#include "tests/pdf/pdf_check.h"
#include "tests/support/process.h"
#include "tests/support/stops.h"
#include "tests/support/tempdir.h"

namespace {

const char kKey[] = "a certificate key";
const char kReference[] = "2182-3079-9443-1602-9575";

// A band C office in England with one blank address line between filled ones.
void FillOffice(EpcCertificate& w, int rating, const std::string& band) {
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
}

EPCEWNI Office(int rating = 62, const std::string& band = "C") {
    EPCEWNI w;
    FillOffice(w, rating, band);
    return w;
}

// The same office with its dates and codes in Welsh.
EPCW WelshOffice(int rating = 62, const std::string& band = "C") {
    EPCW w;
    FillOffice(w, rating, band);
    w.fSetMAIN_FUEL_TYPE(WelshFuelName(1));
    w.fSetBUILDING_ENVIRONMENT(WelshEnvironmentName(3));
    w.fSetTOOL("Office Designer v2.1 defnyddio peiriant cyfrifo ZOLM 4.1.c ");
    w.fSetB_ADDRESS_0(Iso885914FromText("Tŷ Gwyn, Uned 4"));
    w.fSetISSUE_DATE(WelshDate("05 Mar 2009"));
    w.fSetVALID_DATE(WelshDate("04 Mar 2019"));
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
        officeFingerprint = office.PDF_EPC_Report(kKey, office_()).content.fingerprint();
        EPCEWNI belfast = Office(-3, "A+");
        belfast.northernIreland = true;
        belfast.PDF_EPC_Report(belfast_());
        EPCW welsh = WelshOffice();
        welshFingerprint = welsh.PDF_EPC_Report(kKey, welsh_()).content.fingerprint();
    }
    static void TearDownTestSuite() {
        delete dir;
        dir = nullptr;
    }
    static std::string office_() { return dir->file("office[epc].pdf"); }
    static std::string belfast_() { return dir->file("belfast[epc].pdf"); }
    static std::string welsh_() { return dir->file("office[epcw].pdf"); }

    static TempDir* dir;
    static std::string officeFingerprint;
    static std::string welshFingerprint;
};
TempDir* Certificates::dir = nullptr;
std::string Certificates::officeFingerprint;
std::string Certificates::welshFingerprint;

TEST_F(Certificates, AreValidProtectedAndPrintOnly) {
    for (const std::string& pdf : {office_(), belfast_(), welsh_()}) {
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
        ExpectCertificateInfo(pdf, "2", "ABCD123456");
    }
}

TEST_F(Certificates, FingerprintIsOfTheSavedBytes) {
    for (const auto& [pdf, fingerprint] : {std::make_pair(office_(), officeFingerprint),
                                           std::make_pair(welsh_(), welshFingerprint)}) {
        const std::string bytes = ReadFileBytes(pdf);
        ASSERT_FALSE(bytes.empty()) << pdf;
        EXPECT_EQ(
            fingerprint,
            NCMD5().hash(kKey, reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size()))
            << pdf;
    }
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
             "on the Government's www.gov.uk/find-energy-certificate.\n",
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
             "\nDetails of the assessor and the relevant accreditation scheme are on the "
             "certificate. You can get contact details of the\n"
             "accreditation scheme from the Government's website at "
             "www.gov.uk/find-energy-certificate, together with details of the\n"
             "procedures for confirming authenticity of a certificate and for making a "
             "complaint.\n",
             "For advice on how to take action and to find out about\n"
             "technical and financial assistance schemes to help make\n"
             "buildings more energy efficient visit www.carbontrust.com\n"
             "or call us on 0800 085 2005\n",
         }) {
        EXPECT_TRUE(Has(text, expected)) << expected << "\n---\n" << text;
    }
}

TEST_F(Certificates, WebAddressesAreLinks) {
    const struct {
        std::string pdf;
        const WebAddress& department;
    } cases[] = {{office_(), kWebDepartmentEnglandWales},
                 {belfast_(), kWebDepartmentNorthernIreland},
                 {welsh_(), kWebDepartmentEnglandWales}};
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
    EXPECT_TRUE(Has(page1, "on the Department's www.nidirect.gov.uk.\n")) << page1;
    EXPECT_FALSE(Has(page1, "Government's"));
    const std::string page2 = PdfPageText(belfast_(), 2);
    EXPECT_TRUE(Has(page2,
                    "This is an Energy Performance Certificate as defined in SR 2008 "
                    "No.170 as amended\n"))
        << page2;
    EXPECT_TRUE(Has(page2,
                    "accreditation scheme from the Department's website at "
                    "www.nidirect.gov.uk, together with details of the procedures for\n"))
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

TEST_F(Certificates, WelshCertificateReadsInWelshInItsEmbeddedFont) {
    const std::string page1 = PdfPageText(welsh_(), 1);
    for (const char* expected : {
             "Tystysgrif Perfformiad Ynni\nAdeilad Annomestig\nDosbarthiad Perfformiad Ynni Ased\n"
             "Gwybodaeth dechnegol Meincnodau\nCyfeirif Tystysgrif:\n",
             "\nTŷ Gwyn, Uned 4\nLongmarket Road\nCanterbury\nCT1 2AB\n",
             "ei ddŵr poeth",
             "ar wefan y Llywodraeth yn www.gov.uk/find-energy-certificate.\n",
             "\nA+\nA0-25\nB26-50\nC51-75\nD76-100\nE 101-125\nF 126-150\nGDros 150\n",
             "Dyma pa mor effeithlon\no ran ynni yw'r adeilad.\n62\n",
             "Allyriadau CO net sero\n2\nMwy effeithlon o ran ynni\nLlai effeithlon o ran ynni\n",
             "Gallai adeiladau tebyg i hwn fod\nâ dosbarthiadau fel a ganlyn:\n"
             "Os newydd ei adeiladu\nOs yn nodweddiadol\no'r stoc gyfredol\n",
             "Prif danwydd gwresogi: Nwy Naturiol\n",
             "Amgylchedd yr adeilad: System Dymheru\n",
             "Cyfanswm arwynebedd llawr a ddefnyddir (m ):\n2\n1250.5\n",
             "Cymhlethdod yr adeilad (Lefel NOS): 4\n",
             "Allyriad gyfradd yr adeilad (kgCO /m ):\n2\n2\n31.27\n",
         }) {
        EXPECT_TRUE(Has(page1, expected)) << expected << "\n---\n" << page1;
    }
    const std::string page2 = PdfPageText(welsh_(), 2);
    for (const char* expected : {
             "Gwybodaeth weinyddol\n",
             "Tystysgrif Perfformiad Ynni yw hon fel y'i diffinnir yn SI2007:991 fel y'i "
             "diwygiwyd\n",
             "Meddalwedd Asesu: Office Designer v2.1 defnyddio peiriant cyfrifo ZOLM 4.1.c\n",
             "Enw'r Asesydd: Jane O'Neill\n",
             "Dyddiad Cyhoeddi: 05 Mawrth 2009\n",
             "Dilys Hyd: 04 Mawrth 2019 (oni bai ei bod yn cael ei disodli gan dystysgrif "
             "ddiweddarach)\n",
             "Gwelir argymhellion ar gyfer gwella'r eiddo yn Adroddiad Cyfeirif "
             "0912-9644-8432-2779-5106\n",
             "Os oes gennych gŵyn neu eich bod yn dymuno cadarnhau bod y dystysgrif yn un ddilys\n",
             "wefan y Llywodraeth yn www.gov.uk/find-energy-certificate, ynghyd â manylion y "
             "gweithdrefnau ar gyfer cadarnhau\n",
             "Am gyngor ar sut i weithredu ac i gael gwybod am gynlluniau\n"
             "cymorth technegol ac ariannol i helpu i wneud adeiladau yn\n"
             "fwy effeithlon o ran ynni ewch i www.carbontrust.com neu\n"
             "ffoniwch ni ar 0800 085 2005\n",
         }) {
        EXPECT_TRUE(Has(page2, expected)) << expected << "\n---\n" << page2;
    }
    for (const std::string& text : {page1, page2}) {
        for (const char* english : {"Energy Performance", "This is how", "Over ",
                                    "Government's website", "Assessor Name"})
            EXPECT_FALSE(Has(text, english)) << english;
    }

    // Both fonts embedded; no standard font left to draw a Welsh letter.
    const std::string fonts = RunTool("pdffonts", {welsh_()}).out;
    EXPECT_TRUE(Has(fonts, "LiberationSans ")) << fonts;
    EXPECT_TRUE(Has(fonts, "LiberationSans-Bold")) << fonts;
    EXPECT_FALSE(Has(fonts, "Helvetica")) << fonts;
    std::istringstream lines(fonts);
    for (std::string line; std::getline(lines, line);) {
        if (Has(line, "Liberation")) {
            EXPECT_TRUE(Has(line, " yes yes ")) << line;
        }
    }

    // The day track only: neither the security code microtext (0.5 points)
    // nor the dot count (3 points).
    for (const TextRun& run : PdfTextRuns(welsh_())) {
        EXPECT_NE(run.size, 0.5f) << run.text;
        EXPECT_NE(run.size, 3.0f) << run.text;
    }
}

// The complaint paragraph keeps three lines, its second well filled: the
// department's address is short enough for the sentences' lines.
TEST_F(Certificates, ComplaintIsThreeLinesWithTheSecondFilled) {
    const float width = (1126 - 84) / 2.0f;
    for (const std::string& pdf : {office_(), belfast_(), welsh_()}) {
        std::vector<TextBox> complaint;
        for (const TextBox& line : PdfLines(pdf)) {
            // Between the complaint's bar and the advice at the foot.
            if (line.page == 2 && line.yMin > 336 && line.yMax < 400 && line.xMin > 30 &&
                line.yMax - line.yMin > 5)
                complaint.push_back(line);
        }
        ASSERT_EQ(complaint.size(), 3u) << pdf;
        EXPECT_GE(complaint[1].xMax - complaint[1].xMin, 0.8f * width)
            << pdf << ": " << complaint[1].text;
        for (const TextBox& line : complaint) EXPECT_LE(line.xMax, 563) << line.text;
    }
}

// Fills a certificate with the longest values an assessor might type.
void FillLong(EpcCertificate& w, const std::function<std::string(const std::string&)>& typed) {
    FillOffice(w, -1234567, "G");
    w.fSetTER(9999999);
    w.fSetTYR(-1234);
    // 120 characters.
    w.fSetB_ADDRESS_0(typed(
        "Units 4 to 9, The Grand Old Brewery Buildings and Malt House Annexe, 221 Long Harbour "
        "Road, Riverside Industrial Estate"));
    w.fSetB_ADDRESS_3(typed("Tŷ Gwyn Business Park (North Side), Ffordd yr Orsaf"));
    w.fSetMAIN_FUEL_TYPE("Dual Fuel Appliances (Mineral + Wood)");
    w.fSetBUILDING_ENVIRONMENT("Mixed-mode with Mechanical Ventilation");
    w.fSetBUILDING_AREA("123456789012345678901234567890");
    w.fSetTOOL(
        "Comprehensive Non-Domestic Building Energy Assessment Suite Professional Edition "
        "v12.4.1   using calculation engine   ZOLM Extended Calculation Core 4.1.c build "
        "20260112 ");
    const std::string hundred =
        "Gwenllian Angharad Rhiannon Llewellyn-Pritchard ap Gruffydd ab Owain of Pen-y-bryn "
        "Farmhouse Assessors";
    w.fSetC_NAME(typed(hundred.substr(0, 100)));
    w.fSetC_EMP_TRAD_NAME(typed(hundred.substr(0, 100)));
    w.fSetC_ACCRED_SCHEME(typed(hundred.substr(0, 100)));
    w.fSetC_EMP_TRAD_ADDRESS(
        typed("Suite 12, Second Floor, Riverside Business Centre, 221 Long Harbour Road, Great "
              "Yarmouth, Norfolk, NR30 1AA, UK"));
}

void ExpectOneSize(const std::vector<TextRun>& runs, int page,
                   const std::vector<std::string>& values, const std::string& block) {
    std::vector<float> sizes;
    for (const TextRun& run : runs) {
        // Not the security patterns, whose numbers could be part of a value.
        if (run.page != page || run.text.size() < 2 || run.size <= 3) continue;
        for (const std::string& value : values) {
            if (value.find(run.text) != std::string::npos) {
                sizes.push_back(run.size);
                break;
            }
        }
    }
    ASSERT_FALSE(sizes.empty()) << block;
    for (float size : sizes) {
        EXPECT_FLOAT_EQ(size, sizes.front()) << block;
        EXPECT_GE(size, kMinTextSize) << block;
    }
}

// Far longer values than usual: every block keeps one size no smaller than
// 7 points, wraps where its rows leave room, and no text runs over a border
// or into another.
TEST(CertificateLayout, LongValuesKeepOneSizePerBlockAndStayInside) {
    TempDir dir;
    SetFileLog(dir.file("Tarvex.log"));
    EPCEWNI english;
    FillLong(english, [](const std::string& text) { return text; });
    EPCW welsh;
    FillLong(welsh, Iso885914FromText);
    ASSERT_TRUE(english.PDF_EPC_Report(kKey, dir.file("long[epc].pdf")).written());
    ASSERT_TRUE(welsh.PDF_EPC_Report(kKey, dir.file("long[epcw].pdf")).written());

    for (const EpcCertificate* w : {static_cast<const EpcCertificate*>(&english),
                                    static_cast<const EpcCertificate*>(&welsh)}) {
        const std::string pdf = dir.file(w == &english ? "long[epc].pdf" : "long[epcw].pdf");
        const std::vector<TextRun> runs = PdfTextRuns(pdf);
        ASSERT_FALSE(runs.empty()) << pdf;
        for (const TextRun& run : runs) {
            // Only the security patterns (3 points and less) and the small
            // exponents are set below the floor.
            if (run.size <= 3 || run.text == "2") continue;
            EXPECT_GE(run.size, kMinTextSize) << pdf << ": " << run.text;
        }
        ExpectOneSize(runs, 1, {w->B_ADDRESS[0] + " " + w->B_ADDRESS[3]}, pdf + " address");
        ExpectOneSize(runs, 1,
                      {w->MAIN_FUEL_TYPE, w->BUILDING_ENVIRONMENT, w->BUILDING_AREA, w->BER},
                      pdf + " technical values");
        ExpectOneSize(
            runs, 2,
            {w->TOOL, w->UPRN, w->C_NAME, w->C_REG_NUMBER, w->C_ACCRED_SCHEME, w->C_EMP_TRAD_NAME,
             w->C_EMP_TRAD_ADDRESS, w->ISSUE_DATE, w->C_REL_PART_DISC},
            pdf + " administrative values");

        const std::string text = PdfText(pdf);
        const bool isEnglish = w == &english;
        const std::string expected[] = {
            isEnglish ? "the building is.\n-1234567\n" : "yw'r adeilad.\n-1234567\n",
            "\n9999999\n-1234\n",
            // Wrapped at blanks and after commas; the house number stays with
            // its street.
            "221 Long", "Units 4 to 9,", "Industrial Estate\n", "Farmhouse", "NR30 1AA, UK",
            "build 20260112",
            // The English certificate embeds the font for the Welsh letter.
            "Tŷ Gwyn"};
        for (const std::string& part : expected)
            EXPECT_TRUE(Has(text, part)) << pdf << ": " << part << "\n---\n" << text;

        std::vector<TextBox> words;
        for (const TextBox& word : PdfWords(pdf)) {
            // Not the security patterns; not the scale's band letters, whose
            // boxes take in their rows' gaps.
            const float height = word.yMax - word.yMin;
            if (height >= 5 && height < 20) words.push_back(word);
        }
        for (const TextBox& word : words) {
            const std::string where =
                pdf + ": " + word.text + " on page " + std::to_string(word.page);
            EXPECT_GE(word.xMin, 28) << where;
            EXPECT_LE(word.xMax, 567) << where;
            if (word.page != 1) continue;
            // The address ends before the reference number, the technical
            // values before the benchmark arrows.
            if (word.yMin > 95 && word.yMax < 190 && word.xMin < 355) {
                EXPECT_LE(word.xMax, 355.5) << where;
            }
            if (word.yMin > 730) {
                EXPECT_TRUE(word.xMax <= 400.5 || word.xMin >= 409) << where;
            }
            // The rating sits between the pointer and the words in its box.
            if (word.text == "-1234567") {
                EXPECT_GE(word.xMin, (89 + (501 + 60) * 0.96f) / 2 - 0.5f) << where;
                EXPECT_LE(word.xMax, (89 + (501 + 245) * 0.96f) / 2 + 0.5f) << where;
            }
        }
        for (std::size_t i = 0; i < words.size(); ++i) {
            for (std::size_t k = i + 1; k < words.size(); ++k) {
                EXPECT_FALSE(LettersOverlap(words[i], words[k], 0.3f))
                    << pdf << ": \"" << words[i].text << "\" and \"" << words[k].text
                    << "\" on page " << words[i].page;
            }
        }
    }
}

// Without its font the Welsh certificate is not written: never one whose
// Welsh letters the standard fonts would draw wrongly.
TEST(WelshCertificate, WithoutTheFontNothingIsWritten) {
    TempDir dir;
    SetFileLog(dir.file("Tarvex.log"));
    ASSERT_EQ(setenv("TARVEX_FONT_DIR", dir.path().c_str(), 1), 0);
    EPCW w = WelshOffice();
    const WrittenDocument result = w.PDF_EPC_Report(kKey, dir.file("office[epcw].pdf"));
    unsetenv("TARVEX_FONT_DIR");
    EXPECT_FALSE(result.saved);
    EXPECT_TRUE(result.content.empty());
    EXPECT_FALSE(FileExists(dir.file("office[epcw].pdf")));
    WriteLog();
    const std::string log = ReadFileBytes(dir.file("Tarvex.log"));
    EXPECT_TRUE(Has(log, "ERROR: " + dir.file("office[epcw].pdf") +
                             " cannot be written: its font Liberation Sans"))
        << log;
    EXPECT_TRUE(Has(log, "fonts-liberation2")) << log;
}

TEST(WelshCertificate, FontFoundInTheFirstFolderHoldingBothFiles) {
    TempDir dir;
    const std::string half = dir.file("half"), whole = dir.file("whole");
    std::filesystem::create_directories(half);
    std::filesystem::create_directories(whole);
    WriteFileBytes(half + "/" + kLiberationSansRegular, "x");
    WriteFileBytes(whole + "/" + kLiberationSansRegular, "x");
    WriteFileBytes(whole + "/" + kLiberationSansBold, "x");
    FontFiles files;
    ASSERT_TRUE(FindLiberationSans({dir.file("none"), half, whole}, files));
    EXPECT_EQ(files.regular, whole + "/" + kLiberationSansRegular);
    EXPECT_EQ(files.bold, whole + "/" + kLiberationSansBold);
    EXPECT_FALSE(FindLiberationSans({dir.file("none"), half}, files));

    ASSERT_EQ(setenv("TARVEX_FONT_DIR", half.c_str(), 1), 0);
    EXPECT_EQ(LiberationSansFolders(), std::vector<std::string>{half});
    unsetenv("TARVEX_FONT_DIR");
    EXPECT_EQ(LiberationSansFolders().front(), "/usr/share/fonts/truetype/liberation2");
}

// Five lines reach down to the rating bar; the last ends in the link.
TEST(CertificateTexts, ExplanationFitsFiveLinesEndingInItsLink) {
    PdfDocument doc;
    FontFiles files;
    ASSERT_TRUE(FindLiberationSans(LiberationSansFolders(), files));
    const struct {
        EpcTexts texts;
        HPDF_Font font;
        std::string ending;
    } cases[] = {
        {EnglishEpcTexts(false), doc.Font("Helvetica"), "Government's "},
        {EnglishEpcTexts(true), doc.Font("Helvetica"), "Department's "},
        {WelshEpcTexts(), doc.EmbeddedFont(files.regular, "ISO8859-14"), "Llywodraeth yn "},
    };
    for (const auto& c : cases) {
        ASSERT_NE(c.font, nullptr);
        const LinkedParagraph& p = c.texts.explanation;
        const std::vector<std::string> lines = fParagraphLines(
            p.text, p.link.text, 560 - 43, c.texts.explanationSize, MeasureIn(c.font));
        EXPECT_LE(lines.size(), 5u) << c.texts.title;
        ASSERT_FALSE(lines.empty());
        const std::string ending = c.ending + p.link.text + ".";
        EXPECT_GE(lines.back().size(), ending.size());
        EXPECT_EQ(lines.back().substr(lines.back().size() - ending.size()), ending);
    }
}

// A certificate that cannot be written stops the run with the message and
// leaves nothing behind.
TEST(Certificate, UnwritableFileStopsTheRun) {
    TempDir dir;
    WriteFileBytes(dir.file("afile"), "a regular file, not a folder");
    SetFileLog(dir.file("Tarvex.log"));
    const StopOutcome s = RunToStop([&] {
        EPCEWNI w = Office();
        w.PDF_EPC_Report(kKey, dir.file("afile/x[epc].pdf"));
    });
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
    EXPECT_EQ(ReadFileBytes(dir.file("afile")), "a regular file, not a folder");
}

}  // namespace
