// The certificate of a whole project: gathered from an input read with the
// shipped library, and written by a run of the program.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>

#include "app/clock.h"
#include "library/inpkey.h"
#include "library/ncmd5.h"
#include "library/ncmkeys.h"
#include "pdf/documents.h"
#include "project/project.h"
#include "tests/pdf/pdf_check.h"
#include "tests/project/project_fixture.h"
#include "tests/support/example_runs.h"
#include "tests/support/process.h"
#include "tests/support/tempdir.h"

namespace {

bool Has(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

std::time_t LocalTime(int year, int month, int day) {
    std::tm t{};
    t.tm_year = year - 1900;
    t.tm_mon = month - 1;
    t.tm_mday = day;
    t.tm_hour = 10;
    t.tm_isdst = -1;
    return std::mktime(&t);
}

// An office at 12 Quay Street with an assessor, a tool and an engine named.
BuildingInput Office() {
    BuildingInput input;
    input.Set("General", "B-ADDRESS-0", "\"Riverside House\"")
        .Set("General", "B-ADDRESS-2", "\"12 Quay Street\"")
        .Set("General", "B-ADDRESS-3", "\"  \"")
        .Set("General", "B-ADDRESS-5", "\"BS1 4AB\"")
        .Set("General", "BUILDING-AREA", "1250.5")
        .Set("General", "C-NAME", "\"Jane O&apos;Neill\"")
        .Set("General", "C-ACCRED-SCHEME", "\"Example Accreditation\"")
        .Set("General", "C-EMP-TRAD-NAME", "\"Quay &amp; Dock Assessors\"")
        .Set("General", "INTERFACE", "\"Office Designer\"")
        .Set("General", "INTERFACE-VERSION", "\"v2.1\"")
        .Set("General", "CENGINE", "\"ZOLM\"")
        .Set("General", "CENGINE-VERSION", "\"4.1.c\"")
        .Set("EPC", "BER", "31.2749")
        .Set("EPC", "MAIN-FUEL-TYPE", "Not specified");
    return input;
}

TEST(CertificateReport, GathersTheProjectIntoTheCertificate) {
    struct Case {
        std::string name;
        BuildingInput input;
        std::vector<std::string> page1;
        std::vector<std::string> absent;
    } cases[] = {
        {"England and Wales, band B",
         Office(),
         {"Certificate Reference Number:\n2182-3079-9443-1602-9575\n",
          "\nRiverside House\n12 Quay Street\nBS1 4AB\n",
          "\nA+\nA0-25\nB26-50\nC51-75\nD76-100\nE 101-125\nF 126-150\nGOver 150\n",
          "the building is.\n39\n", "\n44\n100\nBuildings similar to this one\n",
          "Main heating fuel: Other\n", "Building environment: Heating and Natural Ventilation\n",
          "Total useful floor area (m ):\n2\n1250.5\n",
          "Building complexity (NOS level): Undefined\n",
          "Building emission rate (kgCO /m ):\n2\n2\n31.27\n", "on the Government's www.gov.uk/"},
         {"Northern Ireland", "Department's"}},
        {"Northern Ireland, band A+",
         Office()
             .Set("EPC", "TYPE", "Northern Ireland")
             .Set("EPC", "BER", "-5")
             .Set("EPC", "NOS-LEVEL", "Level 5"),
         {"\nNorthern Ireland\n", "the building is.\n-6\n", "Building complexity (NOS level): 5\n",
          "Building emission rate (kgCO /m ):\n2\n2\n-5\n",
          "on the Department's www.nidirect.gov.uk."},
         {"Government's"}},
    };
    SetRunClock(LocalTime(2024, 2, 5));
    for (Case& c : cases) {
        ProjectRun run{c.input};
        PROJECT& p = run.project();
        p.fDates();
        p.Calc();
        const std::string pdf = run.dir().file("building[epc].pdf");
        const DocumentRecord record = run.record();
        const WrittenDocument certificate = WriteCertificate(record, pdf, run.fingerprintKey());
        WriteBackDocuments(p, record, &certificate, nullptr, nullptr);

        EXPECT_EQ(certificate.path, pdf);
        ASSERT_TRUE(FileExists(pdf)) << c.name;
        EXPECT_EQ(run.boc().Vtext(run.general(), "PATH-FILE-EPCPDF"), pdf) << c.name;
        const std::string bytes = ReadFileBytes(pdf);
        EXPECT_TRUE(certificate.content.bytes() ==
                    std::vector<unsigned char>(bytes.begin(), bytes.end()))
            << c.name;
        EXPECT_EQ(certificate.content.fingerprint(),
                  NCMD5().hash(p.keys.keys().at(kFingerprintKeyIndex),
                               reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size()))
            << c.name;
        EXPECT_EQ(PdfInfoField(pdf, "Subject"), "ABCD123456") << c.name;

        const std::string page1 = PdfPageText(pdf, 1);
        for (const std::string& expected : c.page1)
            EXPECT_TRUE(Has(page1, expected)) << c.name << ": " << expected << "\n---\n" << page1;
        for (const std::string& absent : c.absent) EXPECT_FALSE(Has(page1, absent)) << c.name;

        const std::string page2 = PdfPageText(pdf, 2);
        for (const char* expected : {
                 "Assessment Software: Office Designer v2.1 using calculation engine ZOLM 4.1.c\n",
                 "Property Reference: 123456789012\n",
                 "Assessor Name: Jane O'Neill\n",
                 "Assessor Number: ABCD123456\n",
                 "Accreditation Scheme: Example Accreditation\n",
                 "Employer/Trading Name: Quay & Dock Assessors\n",
                 "Issue Date: 05 Feb 2024\n",
                 "Valid Until: 04 Feb 2034 (unless superseded by a later certificate)\n",
                 "Related Party Disclosure: Not related to the owner\n",
                 "Report Reference Number: 0912-9644-8432-2779-5106\n",
             }) {
            EXPECT_TRUE(Has(page2, expected)) << c.name << ": " << expected << "\n---\n" << page2;
        }
    }
    SetRunClockSystem();
}

// The Welsh gatherer: codes, dates and the software in Welsh, typed text of a
// UTF-8 input in ISO8859-14, and its own fingerprint.
TEST(CertificateReport, GathersTheProjectIntoTheWelshCertificate) {
    SetRunClock(LocalTime(2024, 2, 5));
    ProjectRun run{Office()
                       .Set("General", "B-ADDRESS-0", "\"Tŷ Gwyn\"")
                       .Set("General", "C-EMP-TRAD-NAME", "\"Caf\xc3\xa9 Ynni\"")
                       .Set("EPC", "EPC-LANGUAGE", "English and Welsh")
                       .Set("EPC", "MAIN-FUEL-TYPE", "Grid Displaced Electricity")
                       .Set("EPC", "BUILDING-ENVIRONMENT", "Air Conditioning")};
    PROJECT& p = run.project();
    p.fDates();
    p.Calc();
    const DocumentRecord record = run.record(true);
    const WrittenDocument english =
        WriteCertificate(record, run.dir().file("building[epc].pdf"), run.fingerprintKey());
    const WrittenDocument welsh =
        WriteWelshCertificate(record, run.dir().file("building[epcw].pdf"), run.fingerprintKey());
    WriteBackDocuments(p, record, &english, nullptr, nullptr);
    SetRunClockSystem();

    const std::string pdf = run.dir().file("building[epcw].pdf");
    ASSERT_TRUE(FileExists(pdf));
    // The English certificate's name stays recorded.
    EXPECT_EQ(run.boc().Vtext(run.general(), "PATH-FILE-EPCPDF"),
              run.dir().file("building[epc].pdf"));
    const std::string bytes = ReadFileBytes(pdf);
    EXPECT_EQ(welsh.path, pdf);
    EXPECT_EQ(welsh.content.fingerprint(),
              NCMD5().hash(p.keys.keys().at(kFingerprintKeyIndex),
                           reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size()));
    EXPECT_NE(welsh.content.fingerprint(), english.content.fingerprint());

    const std::string page1 = PdfPageText(pdf, 1);
    for (const char* expected :
         {"\nTŷ Gwyn\n12 Quay Street\nBS1 4AB\n", "Prif danwydd gwresogi: Trydan grid\n",
          "Amgylchedd yr adeilad: System Dymheru\n",
          "Cymhlethdod yr adeilad (Lefel NOS): Undefined\n"}) {
        EXPECT_TRUE(Has(page1, expected)) << expected << "\n---\n" << page1;
    }
    const std::string page2 = PdfPageText(pdf, 2);
    for (const char* expected :
         {"Meddalwedd Asesu: Office Designer v2.1 defnyddio peiriant cyfrifo ZOLM 4.1.c\n",
          "Enw'r Asesydd: Jane O'Neill\n", "Enw Cyflogwr/Masnachu: Café Ynni\n",
          "Dyddiad Cyhoeddi: 05 Chwefror 2024\n",
          "Dilys Hyd: 04 Chwefror 2034 (oni bai ei bod yn cael ei disodli gan dystysgrif "
          "ddiweddarach)\n"}) {
        EXPECT_TRUE(Has(page2, expected)) << expected << "\n---\n" << page2;
    }
}

// A school in Scotland: two renewable sources of equal contribution, and
// recommendations of every kind.
BuildingInput School() {
    BuildingInput input;
    input.Set("General", "B-TYPE", "D1 Non-residential Inst.: Libraries Museums and Galleries")
        .Set("General", "B-ADDRESS-0", "\"Glenmorven Library\"")
        .Set("General", "B-ADDRESS-1", "\"  \"")
        .Set("General", "B-ADDRESS-3", "\"Perth &amp; Kinross\"")
        .Set("General", "BUILDING-AREA", "812.25")
        .Set("General", "C-PROTOCOL-ORG", "\"Caledonian Protocol Body\"")
        .Set("General", "INTERFACE", "\"Thistle Energy Desk\"")
        .Set("General", "INTERFACE-VERSION", "\"v5.1.2\"")
        .Set("General", "CENGINE", "\"DSM-C\"")
        .Set("General", "CENGINE-VERSION", "\"v7.3.0\"")
        .Set("EPC", "TYPE", "Scotland")
        .Set("EPC", "BUILDING-ENVIRONMENT", "Mixed-mode with Mechanical Ventilation")
        .Set("EPC", "BER", "21.6")
        .Set("EPC", "TER", "30.5")
        .Set("EPC", "PER", "14.4")
        .Set("EPC", "S-KWH-M2", "150.5")
        .Set("EPC", "KWH/M2-WIND", "3")
        .Set("EPC", "KWH/M2-SES", "3");
    std::string recs;
    struct Rec {
        const char* name;
        const char* code;
        const char* source;
        const char* payback;
        const char* text;
    } list[] = {
        {"Pipework", "EPC-H3", "CALC-IN", "2.5", ""},
        {"Boilers", "EPC-H1", "CALC-IN", "1.5", ""},
        {"Lamps", "EPC-L1", "CALC-IN", "8", ""},
        {"Checklist", "USER", "USER-IN", "1", "Give the janitor a weekly checklist."},
        {"Blinds", "USER", "USER-IN", "2", "Close the blinds at night."},
        {"Doors", "USER", "USER-IN", "3", "Keep the hall&apos;s doors shut."},
        {"Meters", "USER", "USER-IN", "4", "Read the meters monthly."},
    };
    for (const Rec& r : list) {
        recs += std::string("\"") + r.name + "\" = RECOMMENDATION\n   CODE = " + r.code +
                "\n   REC-SOURCE = " + r.source + "\n   PAY-BACK-NUM = " + r.payback + "\n";
        if (*r.text != '\0') recs += std::string("   REC-TEXT = \"") + r.text + "\"\n";
        recs += "   ..\n";
    }
    return input.Append(recs);
}

TEST(ScottishCertificateReport, GathersTheProjectIntoTheCertificate) {
    const std::string ninety(90, 'x');
    struct Case {
        std::string name;
        BuildingInput input;
        std::vector<std::string> expected;
        std::vector<std::string> absent;
    } cases[] = {
        {"band B+, six of seven recommendations",
         School(),
         {"\nThistle Energy Desk v5.1.2 [DSM-C]\n",
          // Too long for one line at its size: two, not a smaller size.
          "\nBuilding type\nNon-residential Inst.: Libraries,\nMuseums, and Galleries\n",
          "\nG (100+)\nB+\n", "\nof floor area per year\n22\n", "\nof floor area: 151 kWh/m\n",
          "Building Services: Mixed-mode with Mech. Vent.\n",
          "\nRenewable energy source: Wind generators Electricity: Grid supplied\n",
          "would have a rating: 31 C+\n", "would have a rating: 14 A\n",
          "\n1. Give the janitor a weekly checklist.\n", "\n2. Close the blinds at night.\n",
          "\n3. Keep the hall's doors shut.\n", "\n4. Replace the old heating boilers",
          "\n5. Insulate exposed heating pipework", "\n6. Replace old fluorescent",
          "\nAddress: Glenmorven Library, Perth & Kinross\n", "): 812.25\n",
          "\nName of protocol organisation: Caledonian Protocol Body, [ABCD123456]\n",
          "\nDate of issue of certificate: 05 Feb 2024 (Valid",
          "This is not a valid certificate This is not a valid certificate"},
         {"Read the meters", "7."}},
        {"no prospective rating, a long address, biomass named",
         BuildingInput()
             .Set("General", "B-ADDRESS-0", "\"" + ninety + "\"")
             .Set("General", "B-ADDRESS-1", "\"Perth\"")
             .Set("General", "RENEWABLE-MAIN", "Biomass")
             .Set("EPC", "TYPE", "Scotland")
             .Set("EPC", "PER", "-7777")
             .Set("EPC", "KWH/M2-PVS", "4.8"),
         {"\nRenewable energy source: Biomass Electricity: Grid supplied\n",
          // The whole address, in a smaller size, nothing cut.
          "would have a rating: 0 ??\n", "\nAddress: " + ninety + ",\nPerth\n",
          "\nBuilding type\nOffices and Workshop\nbusinesses\n",
          "Building Services: Heating with Nat. Vent.\n"},
         {"-7777", "1.", "..."}},
        {"no renewable contribution",
         BuildingInput().Set("EPC", "TYPE", "Scotland"),
         {"\nRenewable energy source: None Electricity: Grid supplied\n"},
         {"1."}},
    };
    SetRunClock(LocalTime(2024, 2, 5));
    for (Case& c : cases) {
        ProjectRun run{c.input};
        PROJECT& p = run.project();
        p.fDates();
        p.Calc_Scotland();
        p.fREC_Report();
        const std::string pdf = run.dir().file("building[epc].pdf");
        WriteScottishCertificate(run.record(), pdf);
        ASSERT_TRUE(FileExists(pdf)) << c.name;
        EXPECT_EQ(PdfInfoField(pdf, "Pages"), "1") << c.name;
        EXPECT_EQ(PdfInfoField(pdf, "Subject"), "ABCD123456") << c.name;
        const std::string text = PdfText(pdf);
        for (const std::string& expected : c.expected)
            EXPECT_TRUE(Has(text, expected)) << c.name << ": " << expected << "\n---\n" << text;
        for (const std::string& absent : c.absent)
            EXPECT_FALSE(Has(text, absent)) << c.name << ": " << absent;
    }
    SetRunClockSystem();
}

// A run of the program on an input in `folder`, with its key file.
ProcessResult RunOn(const TempDir& dir, const std::string& folder, const BuildingInput& input) {
    const std::string inputPath = dir.file(folder + "/office.inp");
    std::filesystem::create_directories(dir.file(folder));
    WriteFileBytes(inputPath, input.Text());
    NCMKEYS keys;
    keys.Init();
    WriteFileBytes(dir.file(folder + "/office_inpkey.txt"),
                   InputKeyDigest(keys, 1, inputPath) + "\n");
    return RunTarvex({"/F", folder + "/office.inp"}, dir.path());
}

std::vector<std::string> Entries(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(folder))
        names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

TEST(CertificateRun, WritesTheWelshCertificateOnlyWhenAsked) {
    for (const char* language : {"English", "English and Welsh"}) {
        const bool welsh = std::string(language) != "English";
        TempDir dir;
        const ProcessResult r = RunOn(dir, "jobs", Office().Set("EPC", "EPC-LANGUAGE", language));
        ASSERT_EQ(r.exitCode, 0) << language << "\n" << r.out << r.err;
        const std::string pdf = dir.file("jobs/office[epc].pdf");
        const std::string welshPdf = dir.file("jobs/office[epcw].pdf");
        ASSERT_TRUE(FileExists(pdf)) << language;
        EXPECT_EQ(FileExists(welshPdf), welsh) << language;
        for (const std::string& file :
             welsh ? std::vector<std::string>{pdf, welshPdf} : std::vector<std::string>{pdf}) {
            EXPECT_EQ(RunTool("qpdf", {"--check", file}).exitCode, 0) << file;
            EXPECT_EQ(RunTool("qpdf", {"--requires-password", file}).exitCode, 3) << file;
            EXPECT_TRUE(Has(PdfPageText(file, 1), "2182-3079-9443-1602-9575\nRiverside House\n"))
                << file;
        }
        // The English certificate first.
        if (welsh) {
            EXPECT_LE(std::filesystem::last_write_time(pdf),
                      std::filesystem::last_write_time(welshPdf));
        }
    }
}

// The Welsh certificate names the law of England and Wales: none for a
// building in Northern Ireland, with a warning, and the run goes on.
TEST(CertificateRun, NoWelshCertificateForNorthernIreland) {
    TempDir dir;
    const ProcessResult r = RunOn(dir, "jobs",
                                  Office()
                                      .Set("EPC", "TYPE", "Northern Ireland")
                                      .Set("EPC", "EPC-LANGUAGE", "English and Welsh"));
    EXPECT_EQ(r.exitCode, 0) << r.out;
    EXPECT_TRUE(FileExists(dir.file("jobs/office[epc].pdf")));
    EXPECT_FALSE(FileExists(dir.file("jobs/office[epcw].pdf")));
    EXPECT_TRUE(Has(ReadFileBytes(dir.file("Tarvex.log")),
                    "WARNING: EPC-LANGUAGE asks for a Welsh-language certificate, which is for "
                    "buildings in Wales only: none is written for Northern Ireland\n"));
}

// Without its font the Welsh certificate is not written and the run says
// so and ends with status 1; the English one and the reports are written.
TEST(CertificateRun, WelshCertificateWithoutItsFontStopsTheRun) {
    TempDir dir;
    ASSERT_EQ(setenv("TARVEX_FONT_DIR", dir.file("no-fonts").c_str(), 1), 0);
    const ProcessResult r =
        RunOn(dir, "jobs", Office().Set("EPC", "EPC-LANGUAGE", "English and Welsh"));
    unsetenv("TARVEX_FONT_DIR");
    EXPECT_EQ(r.exitCode, 1) << r.out;
    EXPECT_TRUE(FileExists(dir.file("jobs/office[epc].pdf")));
    EXPECT_FALSE(FileExists(dir.file("jobs/office[epcw].pdf")));
    EXPECT_TRUE(FileExists(dir.file("jobs/office[rec].pdf")));
    EXPECT_TRUE(FileExists(dir.file("jobs/office[srec].pdf")));
    const std::string log = ReadFileBytes(dir.file("Tarvex.log"));
    for (const char* expected :
         {"office[epcw].pdf cannot be written: its font Liberation Sans",
          "Install the package fonts-liberation2",
          "ERROR: jobs/office[epcw].pdf could not be written; the run is incomplete"})
        EXPECT_TRUE(Has(log, expected)) << expected << "\n---\n" << log;
    EXPECT_FALSE(Has(log, "\nOK\n")) << log;
}

// The shipped Wales example asks for both certificates.
TEST(CertificateRun, WalesExampleWritesBothCertificates) {
    TempDir dir;
    CopyExample(dir, "wales-library");
    const ProcessResult r = RunInput(dir, "wales-library");
    ASSERT_EQ(r.exitCode, 0) << r.out;
    const std::string pdf = dir.file("wales-library[epcw].pdf");
    ASSERT_TRUE(FileExists(dir.file("wales-library[epc].pdf")));
    ASSERT_TRUE(FileExists(pdf));

    static const char* const kMonths[] = {"Ionawr", "Chwefror", "Mawrth",     "Ebrill",
                                          "Mai",    "Mehefin",  "Gorffennaf", "Awst",
                                          "Medi",   "Hydref",   "Tachwedd",   "Rhagfyr"};
    const std::time_t now = std::time(nullptr);
    const std::tm today = *std::localtime(&now);
    char day[3];
    std::snprintf(day, sizeof day, "%02d", today.tm_mday);
    const std::string text = RunTool("pdftotext", {"-enc", "UTF-8", pdf, "-"}).out;
    for (const std::string& expected :
         {std::string("Os oes gennych gŵyn neu eich bod yn dymuno cadarnhau bod y dystysgrif yn "
                      "un ddilys"),
          std::string("Dyddiad Cyhoeddi:"),
          std::string(day) + " " + kMonths[today.tm_mon] + " " +
              std::to_string(today.tm_year + 1900),
          std::string("G Dros 150"), std::string("Dyma pa mor effeithlon"),
          std::string("o ran ynni yw'r adeilad."), std::string("Mwy effeithlon o ran ynni"),
          std::string("Prif danwydd gwresogi:"), std::string("Biomas")}) {
        EXPECT_TRUE(Has(text, expected)) << expected << "\n---\n" << text;
    }
    const std::string fonts = RunTool("pdffonts", {pdf}).out;
    EXPECT_TRUE(Has(fonts, "LiberationSans")) << fonts;
    EXPECT_EQ(RunTool("qpdf", {"--check", pdf}).exitCode, 0);
    EXPECT_EQ(RunTool("qpdf", {"--requires-password", pdf}).exitCode, 3);
}

// The certificate's name is taken by a folder: the run stops with the
// message and leaves neither a certificate nor a temporary file.
TEST(CertificateRun, CertificateThatCannotBeWrittenStopsTheRun) {
    TempDir dir;
    std::filesystem::create_directories(dir.file("jobs/office[epc].pdf"));
    const ProcessResult r = RunOn(dir, "jobs", Office());
    EXPECT_EQ(r.exitCode, 1);
    const std::string message =
        "\nUnable to create PDF file because it is already open. Please, close all relevant PDF "
        "files related to this project and run the calculation again\n\n";
    ASSERT_GE(r.out.size(), message.size()) << r.out;
    EXPECT_EQ(r.out.substr(r.out.size() - message.size()), message);
    EXPECT_TRUE(std::filesystem::is_empty(dir.file("jobs/office[epc].pdf")));
    for (const std::string& name : Entries(dir.file("jobs")))
        EXPECT_EQ(name.find(".tmp"), std::string::npos) << name;
    EXPECT_TRUE(Has(ReadFileBytes(dir.file("Tarvex.log")), "Unable to create PDF file"));
}

}  // namespace
