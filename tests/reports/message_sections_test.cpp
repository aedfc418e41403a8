// The section writers of the lodgement message, on small projects.

#include <gtest/gtest.h>

#include "library/b64.h"
#include "project/message_record.h"
#include "reports/gzip_file.h"
#include "reports/ias_package.h"
#include "reports/xml_message.h"
#include "tests/project/project_fixture.h"
#include "tests/support/process.h"
#include "tests/support/stops.h"

namespace {

int Count(const std::string& text, const std::string& what) {
    int n = 0;
    for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1))
        ++n;
    return n;
}

std::string Recommendation(const std::string& name, const std::string& code, double payback,
                           const std::string& source = "CALC-IN", const std::string& extra = "") {
    return "\"" + name + "\" = RECOMMENDATION\n   CODE = " + code + "\n   REC-SOURCE = " + source +
           "\n   PAY-BACK-NUM = " + std::to_string(payback) + "\n   CO2-IMPACT = HIGH\n" + extra +
           "   ..\n";
}

// The lodgement message of the project as it stands, with no documents.
std::string Message(ProjectRun& run) {
    return LodgementMessageText(BuildMessageRecord(run.project()), WrittenDocument{},
                                WrittenDocument{});
}

// The element of `text` that starts with the line `open` (indentation
// included), to its end tag's line end; "" when there is none.
std::string Section(const std::string& text, const std::string& open) {
    const std::size_t a = text.find(open + "\n");
    if (a == std::string::npos) return "";
    const std::string name = open.substr(open.find('<') + 1, open.find('>') - open.find('<') - 1);
    const std::string close = "</" + name + ">\n";
    return text.substr(a, text.find(close, a) + close.size() - a);
}

// The unstructured data the project's message (and package) carries.
std::string UnstructuredData(ProjectRun& run) {
    return Section(IasPackageText(BuildMessageRecord(run.project())), "\t<CEPC:Unstructured-Data>");
}

// The project read, dated and rated, ready for the writers.
void Rate(ProjectRun& run) {
    run.project().fDates();
    run.project().Calc();
    run.project().fREC_Report();
}

TEST(MessageSections, GroupsAreCutToTheirLimitsInPaybackOrder) {
    BuildingInput input;
    std::string recs;
    for (int i = 0; i < 17; ++i)
        recs += Recommendation("short " + std::to_string(i), "EPC-L1", 2.5 - i * 0.1);
    recs += Recommendation("medium", "EPC-H1", 4);
    recs += Recommendation("by the assessor", "USER", -1, "USER-IN",
                           "   REC-TEXT = \"Fit a draught lobby & door\"\n");
    recs += Recommendation("left out", "EPC-W1", 1, "USER-OUT");
    input.Append(recs);
    ProjectRun run(input);
    Rate(run);
    const std::string s = Section(Message(run), "\t<CEPC:Recommendations-Report>");
    EXPECT_EQ(Count(s, "\t\t\t<Short-Payback>\n"), 15);
    EXPECT_EQ(Count(s, "\t\t\t<Medium-Payback>\n"), 1);
    EXPECT_EQ(Count(s, "<Long-Payback>"), 0);
    EXPECT_EQ(Count(s, "\t\t\t<Other-Payback>\n"), 1);
    EXPECT_NE(s.find("\t\t\t\t<Recommendation-Code>USER</Recommendation-Code>\n"
                     "\t\t\t\t<Recommendation>Fit a draught lobby &amp; door</Recommendation>\n"
                     "\t\t\t\t<CO2-Impact>HIGH</CO2-Impact>\n"),
              std::string::npos)
        << s;
    EXPECT_EQ(s.find("EPC-W1"), std::string::npos);
    // The shortest paybacks come first; the two longest short ones are cut.
    EXPECT_LT(s.find("<Short-Payback>"), s.find("<!-- Medium paybacks -->"));
    EXPECT_EQ(s.rfind("\t\t<Technical-Information>\n\t\t\t<Floor-Area>1000</Floor-Area>\n"
                      "\t\t\t<Building-Level>Undefined</Building-Level>\n"),
              s.find("\t\t<Technical-Information>"));
}

TEST(MessageSections, RatingScaleEndsWithGAtTheUpperLimitOfF) {
    ProjectRun run{BuildingInput()};
    Rate(run);
    const std::string s = Section(Message(run), "\t<CEPC:Energy-Performance-Certificate>");
    const auto value = [&s](const std::string& name) {
        const std::size_t a = s.find("<" + name + ">") + name.size() + 2;
        return s.substr(a, s.find('<', a) - a);
    };
    EXPECT_EQ(value("Lowest-Number-G-Scale"), value("Upper-Number-F-Scale"));
    EXPECT_EQ(std::stoi(value("Lower-Number-B-Scale")),
              std::stoi(value("Upper-Number-A-Scale")) + 1);
    EXPECT_NE(s.find("\t\t\t<SER>40</SER>\n\t\t\t<BER>30</BER>\n"), std::string::npos) << s;
}

TEST(MessageSections, AirConditioningQuestionnaire) {
    const std::string unknown =
        "\t\t\t<AC-Rated-Output>\n\t\t\t   <AC-Rating-Unknown-Flag>1</AC-Rating-Unknown-Flag>\n"
        "\t\t\t</AC-Rated-Output>\n";
    const struct {
        const char* object;  // "" for none
        std::string body;
    } cases[] = {
        {"", "\t\t\t<AC-Present>Unknown</AC-Present>\n" + unknown +
                 "\t\t\t<AC-Inspection-Commissioned>4</AC-Inspection-Commissioned>\n"},
        {"   AIR-CON-INSTALLED = No\n",
         "\t\t\t<AC-Present>No</AC-Present>\n" + unknown +
             "\t\t\t<AC-Inspection-Commissioned>4</AC-Inspection-Commissioned>\n"},
        {"   AIR-CON-INSTALLED = Yes\n   AIR-CON-KW = Exact\n   AIR-CON-KW-EXACT = 12.5\n"
         "   AIR-CON-INSPECTION = No\n",
         "\t\t\t<AC-Present>Yes</AC-Present>\n\t\t\t<AC-Rated-Output>\n"
         "\t\t\t   <AC-kW-Rating>13</AC-kW-Rating>\n\t\t\t</AC-Rated-Output>\n"
         "\t\t\t<AC-Inspection-Commissioned>2</AC-Inspection-Commissioned>\n"},
        {"   AIR-CON-INSTALLED = Yes\n   AIR-CON-KW = 12 kW to 250 kW\n",
         "\t\t\t<AC-Present>Yes</AC-Present>\n" + unknown +
             "\t\t\t<AC-Estimated-Output>2</AC-Estimated-Output>\n"
             "\t\t\t<AC-Inspection-Commissioned>4</AC-Inspection-Commissioned>\n"},
    };
    for (const auto& c : cases) {
        BuildingInput input;
        if (*c.object)
            input.Append(std::string("\"AC\" = AIR-CONDITIONING\n") + c.object + "   ..\n");
        ProjectRun run(input);
        EXPECT_EQ(Section(Message(run), "\t\t<AC-Questionnaire>"),
                  "\t\t<AC-Questionnaire>\n" + c.body + "\t\t</AC-Questionnaire>\n")
            << c.object;
    }
}

// Only a run that writes the lodgement message needs an exact output above
// half a kilowatt, and it finds out before it writes anything.
TEST(MessageSections, AnExactAirConditioningOutputOfHalfAKilowattStopsARunWithAMessage) {
    const struct {
        const char* exact;
        const char* messages;
        const char* format;
        bool stops;
    } cases[] = {
        {"0.5", "YES", "XML", true}, {"0", "YES", "XML", true},    {"0.51", "YES", "XML", false},
        {"0.5", "NO", "XML", false}, {"0.5", "YES", "IAS", false},
    };
    for (const auto& c : cases) {
        BuildingInput input;
        input.Set("General", "PRODUCE-MESSAGES", c.messages);
        input.Set("General", "MESSAGE-FORMAT", c.format);
        input.Append(std::string("\"AC\" = AIR-CONDITIONING\n   AIR-CON-INSTALLED = Yes\n"
                                 "   AIR-CON-KW = Exact\n   AIR-CON-KW-EXACT = ") +
                     c.exact + "\n   ..\n");
        ProjectRun run(input);
        const StopOutcome s = RunToStop([&] {
            run.project().fDates();
            run.project().Calc();
        });
        EXPECT_EQ(s.stopped, c.stops) << c.exact << c.messages << c.format;
        if (c.stops) {
            EXPECT_EQ(s.status, 1);
            EXPECT_NE(s.out.find("\nERROR: AIR-CON-KW-EXACT must be bigger than 0.5 kW\n"),
                      std::string::npos);
        }
    }
}

TEST(MessageSections, HeatPumpsAreNamedByTheirSourceOnly) {
    BuildingInput input;
    input.Set("Actual heating", "HEAT-SOURCE", "Heat pump (gas/oil): ground or water source");
    input.Set("Actual cooling", "HEAT-SOURCE", "Heat pump (electric): air source");
    input.Set("Notional heating", "HEAT-SOURCE", "Biomass boiler");
    ProjectRun run(input);
    const std::string s = Section(Message(run), "\t<CEPC:Summary-Of-Performance>");
    EXPECT_NE(s.find("<Heat-Source>Heat pump: ground or water source</Heat-Source>"),
              std::string::npos);
    EXPECT_NE(s.find("<Heat-Source>Heat pump: air source</Heat-Source>"), std::string::npos);
    EXPECT_NE(s.find("<Heat-Source>Biomass boiler</Heat-Source>"), std::string::npos);
    EXPECT_EQ(Count(s, "  \t<Building-Data>\n"), 3);
    EXPECT_EQ(Count(s, "    \t    <HVAC-System-Data>\n"), 3);
}

TEST(MessageSections, AnEngineOtherThanZolmIsDsmAndInsuranceNeedsAllFive) {
    BuildingInput input;
    input.Set("General", "CENGINE", "\"Other engine\"");
    for (const char* k : {"C-INSURER", "C-INS-POL-NUMBER", "C-INS-EFF-DATE", "C-INS-EXP-DATE"})
        input.Set("General", k, "\"x & y\"");
    ProjectRun run(input);
    Rate(run);
    const std::string message = Message(run);
    const std::string header = Section(message, "\t<CEPC:Report-Header>");
    EXPECT_NE(header.find("\t\t\t<CEPC:Methodology>DSM</CEPC:Methodology>\n"), std::string::npos);
    EXPECT_EQ(message.find("<CEPC:Insurance-Details>"), std::string::npos);

    input.Set("General", "C-INS-PI-LIMIT", "\"1000\"");
    ProjectRun insured(input);
    EXPECT_EQ(Section(Message(insured), "\t<CEPC:Insurance-Details>"),
              "\t<CEPC:Insurance-Details>\n\t\t<CEPC:Insurer>x &amp; y</CEPC:Insurer>\n"
              "\t\t<CEPC:Policy-No>x &amp; y</CEPC:Policy-No>\n"
              "\t\t<CEPC:Effective-Date>x &amp; y</CEPC:Effective-Date>\n"
              "\t\t<CEPC:Expiry-Date>x &amp; y</CEPC:Expiry-Date>\n"
              "\t\t<CEPC:PI-Limit>1000</CEPC:PI-Limit>\n\t</CEPC:Insurance-Details>\n");
}

}  // namespace

namespace {

std::string DecodedBlock(const std::string& text, const std::string& comment) {
    const std::size_t c = text.find(comment);
    if (c == std::string::npos) return "";
    const std::size_t open = text.find("<Data>\n", c) + 7;
    B64 b64;
    b64.text = text.substr(open, text.find("         </Data>", open) - open);
    b64.b64decode();
    return std::string(b64.decoded.begin(), b64.decoded.end());
}

TEST(MessageSections, UnstructuredDataCarriesTheNamedFilesCompressedWhenAsked) {
    const std::string engine(3000, 'e');
    for (const bool compress : {false, true}) {
        BuildingInput input;
        // Named relative to the input's folder, where the engine's file lies.
        input.Set("General", "PATH-FILE-ENGINE", "\"engine.dat\"");
        input.Set("General", "PATH-FILE-INTERFACE", "\"missing.prj\"");
        input.Set("General", "COMPRESS-XML-MESSAGES", compress ? "YES" : "NO");
        ProjectRun run(input);
        const TempDir& files = run.dir();
        WriteFileBytes(files.file("engine.dat"), engine);
        run.boc().ModKey(run.general(), "PATH-FILE-TARVEX", run.inputPath());
        const std::string s = UnstructuredData(run);

        EXPECT_NE(s.find("  \t<!-- The Interface Input Data is not available. (Wrong path) -->\n"),
                  std::string::npos)
            << s;
        const std::string location = compress ? "engine.dat.zip" : "engine.dat";
        EXPECT_NE(s.find("  \t<!-- The Calculation Engine Input Data encoded in base64. -->\n"
                         "  \t<Data-Blob>\n         <File-Location>" +
                         location + "</File-Location>\n         <Data>\n"),
                  std::string::npos)
            << s;
        const std::string carried =
            DecodedBlock(s, "<!-- The Calculation Engine Input Data encoded in base64. -->");
        if (compress) {
            ASSERT_EQ(carried.substr(0, 2), "\x1f\x8b");
            std::string inflated;
            EXPECT_EQ(InflateBytes(carried, 1 << 20, inflated), InflateResult::Done);
            EXPECT_EQ(inflated, engine);
            // The compressed copy is made in memory: no file is written.
            EXPECT_FALSE(FileExists(files.file("engine.dat.zip")));
        } else {
            EXPECT_EQ(carried, engine);
        }
        EXPECT_EQ(DecodedBlock(s, "<!-- The Tarvex Input Data encoded in base64. -->"),
                  ReadFileBytes(run.inputPath()));
        EXPECT_NE(s.find("         <File-Type>inp</File-Type>\n"), std::string::npos);
    }

    // A name with a letter beyond ASCII is read in the input's encoding, as
    // every other text of the message is.
    const struct {
        const char* label;
        std::string name;
        std::string carriedAs;
    } names[] = {
        {"UTF-8 input", "i\xC3\xA9.dat", "i&#233;.dat"},
        {"Windows-1252 input", "i\xE9.dat", "i&#233;.dat"},
    };
    for (const auto& n : names) {
        BuildingInput input;
        input.Set("General", "PATH-FILE-ENGINE", "\"" + n.name + "\"");
        ProjectRun run(input);
        WriteFileBytes(run.dir().file(n.name), "engine");
        const std::string s = UnstructuredData(run);
        EXPECT_NE(s.find("<File-Location>" + n.carriedAs + "</File-Location>"), std::string::npos)
            << n.label << "\n"
            << s;
    }

    // Nothing named: each part says it is not available.
    ProjectRun bare{BuildingInput()};
    EXPECT_EQ(UnstructuredData(bare),
              "\t<CEPC:Unstructured-Data>\n"
              "  \t<!-- The Interface Input Data is not available. -->\n"
              "  \t<!-- The Calculation Engine Input Data is not available. -->\n"
              "  \t<!-- The Tarvex Input Data is not available. -->\n"
              "\t</CEPC:Unstructured-Data>\n");
}

}  // namespace
