#include <gtest/gtest.h>

#include "app/clock.h"
#include "app/runlog.h"
#include "app/textutil.h"
#include "project/message_record.h"
#include "project/refnumbers.h"
#include "reports/xml_message.h"
#include "tests/project/project_fixture.h"
#include "tests/support/process.h"
#include "tests/support/stops.h"
#include "tests/support/timezone.h"

namespace {

using ::testing::ExitedWithCode;

TEST(ProjectRecords, IndexTheObjectsInInputOrder) {
    ProjectRun run{BuildingInput()};
    PROJECT& p = run.project();
    ASSERT_EQ(p.generals.size(), 1u);
    ASSERT_EQ(p.epcs.size(), 1u);
    EXPECT_EQ(p.generalObject, 0);
    EXPECT_EQ(p.epcObject, 1);
    EXPECT_EQ(p.generals[0].generalObjectIndex, 0);
    EXPECT_EQ(p.generals[0].epcObjectIndex, 1);  // the EPC object that followed it
    EXPECT_EQ(p.epcs[0].generalObjectIndex, 0);
    EXPECT_EQ(p.epcs[0].epcObjectIndex, -1);
    EXPECT_EQ(p.recProject.objectIndex, 2);
    EXPECT_EQ(p.recProject.ordinal, 1);

    ASSERT_EQ(p.buildings.size(), 3u);
    const auto& actual = p.buildings[0];
    EXPECT_EQ(actual.objectIndex, 3);
    ASSERT_EQ(actual.hvacSystems.size(), 2u);
    EXPECT_EQ(actual.hvacSystems[1].objectIndex, 5);
    EXPECT_EQ(actual.hvacSystems[1].ordinal, 1);
    EXPECT_EQ(actual.hvacSystems[1].parentObjectIndex, 3);
    // HVAC ordinals restart for each building.
    ASSERT_EQ(p.buildings[1].hvacSystems.size(), 1u);
    EXPECT_EQ(p.buildings[1].hvacSystems[0].ordinal, 0);
    EXPECT_EQ(p.buildings[1].hvacSystems[0].parentOrdinal, 1);
    EXPECT_TRUE(p.buildings[2].hvacSystems.empty());
    EXPECT_FALSE(p.hasAcInspection);
}

TEST(ProjectInit, NormalisesUnspecifiedFuelAndEnvironment) {
    ProjectRun run{BuildingInput()
                       .Set("EPC", "MAIN-FUEL-TYPE", "Not specified")
                       .Set("EPC", "BUILDING-ENVIRONMENT", "Not specified")};
    EXPECT_EQ(run.boc().Vcod(run.epc(), "MAIN-FUEL-TYPE"), "Other");
    EXPECT_EQ(run.boc().Vcod(run.epc(), "BUILDING-ENVIRONMENT"), "Unconditioned");
}

TEST(ProjectInit, UndefinedDeclarationsStopOutsideScotland) {
    const BuildingInput disclosure = BuildingInput().Set("General", "C-REL-PART-DISC", "Undefined");
    EXPECT_EQ(RunToStop([&] { ProjectRun{disclosure}; }).status, 1);
    const BuildingInput transaction = BuildingInput().Set("EPC", "TRANSACTION-TYPE", "Undefined");
    EXPECT_EQ(RunToStop([&] { ProjectRun{transaction}; }).status, 1);

    // Scotland skips both checks.
    ProjectRun scottish{BuildingInput()
                            .Set("EPC", "TYPE", "Scotland")
                            .Set("General", "C-REL-PART-DISC", "Undefined")
                            .Set("EPC", "TRANSACTION-TYPE", "Undefined")};
    EXPECT_EQ(scottish.project().epcs.size(), 1u);
}

TEST(ProjectInit, UndefinedDeclarationMessagesReachTheLog) {
    TempDir dir;
    BuildingInput input = BuildingInput().Set("General", "C-REL-PART-DISC", "Undefined");
    WriteFileBytes(dir.file("b.inp"), input.Text());
    const ProcessResult r = RunTarvex({"/F", "b.inp"}, dir.path());
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(ReadFileBytes(dir.file("Tarvex.log"))
                  .find("\n\nERROR: \"Related Party Disclosure\" is undefined in General\n"),
              std::string::npos);

    input = BuildingInput().Set("EPC", "TRANSACTION-TYPE", "Undefined");
    WriteFileBytes(dir.file("b.inp"), input.Text());
    EXPECT_EQ(RunTarvex({"/F", "b.inp"}, dir.path()).exitCode, 1);
    EXPECT_NE(ReadFileBytes(dir.file("Tarvex.log"))
                  .find("ERROR: \"Transaction Type\" is undefined in EPC\n"),
              std::string::npos);
}

TEST(ProjectInit, HvacSystemBeforeAnyBuildingIsAnInputError) {
    TempDir dir;
    std::string text = BuildingInput().Text();
    // Move the first HVAC system in front of the first building-data object.
    const std::string hvac = "\"Actual heating\" = HVAC-SYSTEM-DATA\n   ..\n";
    text.erase(text.find(hvac), hvac.size());
    text.insert(text.find("\"Actual\" = BUILDING-DATA"), hvac);
    WriteFileBytes(dir.file("b.inp"), text);
    const ProcessResult r = RunTarvex({"/F", "b.inp"}, dir.path());
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(ReadFileBytes(dir.file("b.err")).find("must follow a BUILDING-DATA object"),
              std::string::npos);
    EXPECT_TRUE(FileExists(dir.file("b.bdl")));
}

TEST(InputValidation, KeyFileDecidesAndTheRunGoesOn) {
    {
        ProjectRun run{BuildingInput()};
        run.project().INP_Validate(run.inputPath().c_str(), run.keyPath().c_str());
        EXPECT_EQ(run.boc().Vcod(run.general(), "CENGINE-VAL-OK"), "YES");
        const std::string& note = run.project().validationNote;
        ASSERT_GE(note.size(), 32u);
        EXPECT_EQ(note.substr(32), " // Original file from ZOLM was correctly validated.");
    }
    {
        ProjectRun run{BuildingInput(), false};
        run.project().INP_Validate(run.inputPath().c_str(), run.keyPath().c_str());
        EXPECT_EQ(run.boc().Vcod(run.general(), "CENGINE-VAL-OK"), "NO");
        EXPECT_EQ(run.project().validationNote.substr(32),
                  " // Original file from ZOLM was NOT validated.");
    }
    {
        // A key written for one engine does not validate an input that names another.
        ProjectRun run{BuildingInput().Set("General", "CENGINE-VAL", "DSM-B")};
        run.project().INP_Validate(run.inputPath().c_str(), run.keyPath().c_str());
        EXPECT_EQ(run.boc().Vcod(run.general(), "CENGINE-VAL-OK"), "NO");
    }
}

TEST(Checks, ReferenceNumbersOfTheWorkedExample) {
    ProjectRun run{BuildingInput()};
    run.project().fDates();
    run.project().Calc();
    BOC& boc = run.boc();
    const int g = run.general();
    EXPECT_EQ(boc.Vtext(g, "UPRN"), "123456789012");
    EXPECT_EQ(boc.Vtext(g, "C-REG-NUMBER"), "ABCD123456");
    EXPECT_EQ(boc.Vtext(g, "XML-INSP-DATE"), "2024-01-31");
    EXPECT_EQ(boc.Vtext(g, "RRN-INSP-DATE"), "240131");
    EXPECT_EQ(boc.Vtext(g, "RRN-EPC"), "2182-3079-9443-1602-9575");
    EXPECT_EQ(boc.Vtext(g, "RRN-REC"), "0912-9644-8432-2779-5106");
}

TEST(Checks, InspectionDateFallsBackToTheRunDate) {
    SetRunClock(1709200800);  // 29 February 2024
    for (const char* date : {"( 2024, 1 )", "( 2024, 13, 5 )"}) {
        ProjectRun run{BuildingInput().Set("General", "B-INSP-DATE", date)};
        run.project().fDates();
        run.project().Calc();
        const std::string iso = run.boc().Vtext(run.general(), "XML-INSP-DATE");
        EXPECT_EQ(iso, std::string(date) == "( 2024, 1 )" ? "2024-02-29" : "2025-01-05") << date;
    }
    SetRunClockSystem();
}

// A run in summer time must not give a winter inspection the day before, nor a
// late winter run a summer inspection the day after.
TEST(Checks, InspectionDateIgnoresDaylightSaving) {
    const TimeZone london("Europe/London");
    struct Case {
        std::time_t run;
        const char* date;
        const char* iso;
        const char* shortForm;
    } cases[] = {
        {LocalMoment(2026, 7, 15, 0, 30), "( 2026, 1, 10 )", "2026-01-10", "260110"},
        {LocalMoment(2026, 1, 15, 23, 30), "( 2026, 7, 10 )", "2026-07-10", "260710"},
    };
    for (const auto& c : cases) {
        SetRunClock(c.run);
        ProjectRun run{BuildingInput().Set("General", "B-INSP-DATE", c.date)};
        run.project().fDates();
        run.project().Calc();
        const BOC& boc = run.boc();
        const int g = run.general();
        EXPECT_EQ(boc.Vtext(g, "XML-INSP-DATE"), c.iso) << c.date;
        EXPECT_EQ(boc.Vtext(g, "RRN-INSP-DATE"), c.shortForm) << c.date;
        EXPECT_EQ(boc.Vtext(g, "RRN-EPC"),
                  MakeReportReference("123456789012", c.shortForm, kRrnCertificateDigit))
            << c.date;
    }
    SetRunClockSystem();
}

TEST(OutputText, NamesEachReplacedLetterOnceWithItsLine) {
    ProjectRun run{BuildingInput().Set("General", "B-ADDRESS-1", "\"T\xC5\xB7 \xC5\xB5\"")};
    PROJECT& p = run.project();
    ASSERT_EQ(p.boc.inputEncoding, TextEncoding::kUtf8);
    const int g = run.general();
    const std::string text = StripQuotes(p.boc.Vtext(g, "B-ADDRESS-1"));
    const int line = p.boc.KeywordLine(g, "B-ADDRESS-1");
    ASSERT_GT(line, 0);

    const std::size_t before = LogStream().str().size();
    EXPECT_EQ(p.OutputText(g, "B-ADDRESS-1", text, OutputEncoding::kWinAnsi), "Ty w");
    EXPECT_EQ(p.OutputText(g, "B-ADDRESS-1", text, OutputEncoding::kWinAnsi), "Ty w");
    // The Welsh certificate's encoding carries both letters: nothing to say.
    EXPECT_EQ(p.OutputText(g, "B-ADDRESS-1", text, OutputEncoding::kIso8859_14), "T\xFE \xF0");
    const std::string said = LogStream().str().substr(before);
    const std::string place = "NOTE: B-ADDRESS-1 on line " + std::to_string(line) + ": ";
    EXPECT_EQ(said, place +
                        "\"\xC5\xB7\" is printed as \"y\" (not in the document's character set)\n" +
                        place +
                        "\"\xC5\xB5\" is printed as \"w\" (not in the document's character set)\n");
}

TEST(Checks, RegistrationAndPropertyReferenceShapes) {
    struct Case {
        const char* uprn;
        const char* reg;
        const char* type;
        bool ok;
    } cases[] = {
        {"\"123456789012\"", "\"ABCD123456\"", "England and Wales", true},
        {"123456789012", "\"A/_Z000001\"", "Northern Ireland", true},
        {"\"12345678901\"", "\"ABCD123456\"", "England and Wales", false},
        {"\"1234567890123\"", "\"ABCD123456\"", "England and Wales", false},
        {"\"12345678901A\"", "\"ABCD123456\"", "England and Wales", false},
        {"\"123456789012\"", "\"abcd123456\"", "England and Wales", false},
        {"\"123456789012\"", "\"ABCD12345X\"", "England and Wales", false},
        {"\"123456789012\"", "\"ABCD12345\"", "England and Wales", false},
    };
    for (const auto& c : cases) {
        BuildingInput input = BuildingInput()
                                  .Set("General", "UPRN", c.uprn)
                                  .Set("General", "C-REG-NUMBER", c.reg)
                                  .Set("EPC", "TYPE", c.type);
        if (c.ok) {
            ProjectRun run{input};
            run.project().fDates();
            run.project().Calc();
            EXPECT_EQ(run.boc().Vtext(run.general(), "UPRN"), "123456789012");
        } else {
            const StopOutcome s = RunToStop([&] {
                ProjectRun run{input};
                run.project().fDates();
                run.project().Calc();
            });
            EXPECT_EQ(s.status, 1) << c.uprn << " " << c.reg;
        }
    }
}

TEST(Rating, WorkedExampleWritesEveryResult) {
    ProjectRun run{BuildingInput()};
    run.project().fDates();
    run.project().Calc();
    BOC& boc = run.boc();
    const int e = run.epc();
    EXPECT_EQ(run.project().epcs[0].messageFormat, "xml");
    EXPECT_EQ(boc.Vnum(e, "EPC-RATING"), 38);
    EXPECT_EQ(boc.Vtext(e, "EPC-BAND"), "B");
    EXPECT_EQ(boc.Vnum(e, "TER-RATING"), 44);
    EXPECT_EQ(boc.Vtext(e, "TER-BAND"), "B");
    EXPECT_EQ(boc.Vnum(e, "TYR-RATING"), 100);
    EXPECT_EQ(boc.Vtext(e, "TYR-BAND"), "D");
    EXPECT_EQ(boc.Vnum(e, "EPC-A"), 25);
    EXPECT_EQ(boc.Vnum(e, "EPC-R"), 1);
    EXPECT_EQ(boc.Vnum(e, "EPC-R-ORI"), 1);
    const std::vector<double> limits = boc.Vlnum(e, "EPC-BAND-LIMITS");
    ASSERT_EQ(limits.size(), 14u);
    for (int k = 0; k < 14; ++k) EXPECT_EQ(limits[k], 12.5 * (k + 1));
    // No certificate number was given, so it does not name the band.
    EXPECT_EQ(boc.Vtext(e, "CERTIFICATE-NUMBER"), "Certificate Not Validated");
}

// The rating keywords hold "%g" text, six digits; the writers take the
// numbers themselves, so the message states a seven-digit rating whole.
TEST(Rating, WritersTakeTheRatingsAsNumbers) {
    ProjectRun run{BuildingInput().Set("EPC", "BER", "1234567").Set("EPC", "SER", "50")};
    run.project().fDates();
    run.project().Calc();
    EXPECT_EQ(run.boc().Vtext(run.epc(), "EPC-BAND"), "G");
    const std::string message = LodgementMessageText(BuildMessageRecord(run.project()),
                                                     WrittenDocument{}, WrittenDocument{});
    EXPECT_NE(message.find("<Asset-Rating>1234567</Asset-Rating>"), std::string::npos) << message;
}

TEST(Rating, NegativeAndZeroEmissionRates) {
    ProjectRun run{BuildingInput().Set("EPC", "BER", "-5").Set("EPC", "CERTIFICATE-NUMBER", "A+")};
    run.project().fDates();
    run.project().Calc();
    EXPECT_EQ(run.boc().Vnum(run.epc(), "EPC-RATING"), -6);  // -6.25 rounds away from zero
    EXPECT_EQ(run.boc().Vtext(run.epc(), "EPC-BAND"), "A+");
    EXPECT_EQ(run.boc().Vtext(run.epc(), "CERTIFICATE-NUMBER"), "A+");
}

TEST(Rating, Scotland) {
    struct Case {
        const char* ber;
        const char* per;
        double rating;
        const char* band;
        const char* perBand;
    } cases[] = {
        {"7.4", "20", 7, "A+", "B+"},
        {"7.5", "-7777", 8, "A", "A+"},
        {"0.4", "0", 0, "Carbon Neutral", "Carbon Neutral"},
        {"100.4", "101", 100, "F", "G"},
        {"100.5", "55", 101, "G", "D"},
    };
    for (const auto& c : cases) {
        ProjectRun run{BuildingInput()
                           .Set("EPC", "TYPE", "Scotland")
                           .Set("EPC", "BER", c.ber)
                           .Set("EPC", "PER", c.per)};
        run.project().Calc_Scotland();
        BOC& boc = run.boc();
        const int e = run.epc();
        EXPECT_EQ(boc.Vnum(e, "EPC-RATING"), c.rating) << c.ber;
        EXPECT_EQ(boc.Vtext(e, "S-EPC-BAND"), c.band) << c.ber;
        EXPECT_EQ(boc.Vtext(e, "S-PER-BAND"), c.perBand) << c.per;
        EXPECT_EQ(boc.Vtext(e, "S-TER-BAND"), "C+") << "TER 35";
        if (std::string(c.per) == "-7777") {
            EXPECT_EQ(boc.Vnum(e, "PER-RATING"), -7777);
        }
        EXPECT_EQ(run.project().epcs[0].certBackground, "This is not a valid certificate");
        EXPECT_EQ(boc.Vlnum(e, "EPC-BAND-LIMITS").size(), 14u);
    }
}

TEST(Dates, ValidForTenYearsLessOneDay) {
    struct Case {
        int day, month;
        const char* until;
    } cases[] = {{29, 2, "28 Feb 2038"}, {1, 3, "28 Feb 2038"}};
    for (const auto& c : cases) {
        std::tm t{};
        t.tm_year = 2028 - 1900;
        t.tm_mon = c.month - 1;
        t.tm_mday = c.day;
        t.tm_hour = 9;
        t.tm_isdst = -1;
        SetRunClock(std::mktime(&t));
        PROJECT p;
        p.fDates();
        EXPECT_EQ(p.validUntilDate, c.until);
        EXPECT_EQ(p.validUntilIso, "2038-02-28");
    }
    SetRunClockSystem();
}

TEST(Ordering, GroupsByPaybackAndSource) {
    std::string recs;
    struct Rec {
        const char* name;
        const char* source;
        const char* payback;
        const char* object;
    } list[] = {
        {"R5", "CALC-IN", "5", "WHOLE-BUILDING"},
        {"R2", "CALC-IN", "2", "WHOLE-BUILDING"},
        {"R9", "CALC-IN", "9", "WHOLE-BUILDING"},
        {"R25", "CALC-IN", "2.5", "WHOLE-BUILDING"},
        {"R3", "CALC-IN", "3", "WHOLE-BUILDING"},
        {"R7", "CALC-IN", "7", "WHOLE-BUILDING"},
        {"Rneg", "CALC-IN", "-1", "WHOLE-BUILDING"},
        {"U1", "USER-IN", "4", "WHOLE-BUILDING"},
        {"U2", "USER-IN", "1", "WHOLE-BUILDING"},
        {"U3", "USER-IN", "8", "WHOLE-BUILDING"},
        {"U4", "USER-IN", "0.5", "WHOLE-BUILDING"},
        {"Out", "USER-OUT", "1", "WHOLE-BUILDING"},
        {"Zone", "CALC-IN", "1", "ZONE"},
    };
    for (const auto& r : list)
        recs += std::string("\"") + r.name + "\" = RECOMMENDATION\n   REC-SOURCE = " + r.source +
                "\n   PAY-BACK-NUM = " + r.payback + "\n   REF-OBJECT-TYPE = " + r.object +
                "\n   ..\n";
    ProjectRun run{BuildingInput().Append(recs)};
    PROJECT& p = run.project();
    p.fREC_Report();
    auto names = [&](const std::deque<int>& seq) {
        std::vector<std::string> out;
        for (int o : seq) out.push_back(p.boc.objects[o].name);
        return out;
    };
    using V = std::vector<std::string>;
    EXPECT_EQ(names(p.recShort), (V{"R2", "R25"}));
    EXPECT_EQ(names(p.recMediumSorted), (V{"R3", "R5"}));
    EXPECT_EQ(names(p.recLongSorted), (V{"R7", "R9"}));
    EXPECT_EQ(names(p.recOther), (V{"Rneg", "U1", "U2", "U3", "U4"}));
    EXPECT_EQ(names(p.recOtherSorted), (V{"U4", "U2", "U1", "U3", "Rneg"}));
    EXPECT_EQ(names(p.recOrder), (V{"U4", "U2", "U1", "R2", "R25", "R3", "R5", "R7", "R9"}));
}

}  // namespace
