#include "project/recommendations.h"

#include <gtest/gtest.h>

#include "project/project.h"
#include "tests/project/project_fixture.h"

namespace {

std::string Recommendation(const std::string& name, const std::string& code, double payback,
                           const std::string& source, const std::string& text = "") {
    std::string s = "\"" + name + "\" = RECOMMENDATION\n   CODE = " + code +
                    "\n   REC-SOURCE = " + source +
                    "\n   PAY-BACK-NUM = " + std::to_string(payback) + "\n   CO2-IMPACT = HIGH\n";
    if (!text.empty()) s += "   REC-TEXT = \"" + text + "\"\n";
    return s + "   ..\n";
}

// The project read and its recommendations put into their groups.
struct Grouped {
    explicit Grouped(const std::string& recs) : run(BuildingInput().Append(recs)) {
        run.project().fREC_Report();
    }
    ProjectRun run;
};

// Each group is cut to its cap (RecShortN is 15 in the shipped library), in
// payback order.
TEST(ShownRecs, AGroupIsCutToItsCapInPaybackOrder) {
    std::string recs;
    for (int i = 0; i < 17; ++i)
        recs += Recommendation("short " + std::to_string(i), "EPC-L1", 2.5 - i * 0.1, "CALC-IN");
    Grouped g(recs);
    PROJECT& p = g.run.project();
    const std::vector<ShownRec> shown = ShownRecs(p, kRecShort);
    ASSERT_EQ(shown.size(), 15u);
    for (std::size_t i = 0; i < shown.size(); ++i) EXPECT_EQ(shown[i].object, p.recShortSorted[i]);
    EXPECT_TRUE(ShownRecs(p, kRecMedium).empty());
}

// Only in the other group does an assessor's recommendation (USER) show its
// own text; a coded one there, and a USER one elsewhere, show the table's.
TEST(ShownRecs, TheAssessorsTextOnlyForTheirOwnInTheOtherGroup) {
    Grouped g(Recommendation("own", "USER", 4, "USER-IN", "Lag the tank and pipes") +
              Recommendation("coded", "EPC-X1", 2, "USER-IN", "Never shown") +
              Recommendation("user short", "USER", 1, "CALC-IN", "Not shown either"));
    PROJECT& p = g.run.project();
    const std::vector<ShownRec> other = ShownRecs(p, kRecOther);
    ASSERT_EQ(other.size(), 2u);
    const std::vector<ShownRec> short_ = ShownRecs(p, kRecShort);
    ASSERT_EQ(short_.size(), 1u);
    struct Case {
        ShownRec rec;
        bool assessorText;
        std::string text;
    };
    const int x1 = p.boc.Vcodid(other[0].object, "CODE");
    const Case cases[] = {
        {other[0], false, p.tables.TValue("sRec", x1, 2)},
        {other[1], true, "Lag the tank and pipes"},
        {short_[0], false, p.tables.TValue("sRec", 1, 2)},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.rec.assessorText, c.assessorText) << c.text;
        EXPECT_EQ(c.rec.code, p.boc.Vcodid(c.rec.object, "CODE")) << c.text;
        EXPECT_EQ(RecPdfText(p, c.rec), c.text);
    }
    EXPECT_TRUE(AssessorWritten(1));
    EXPECT_FALSE(AssessorWritten(x1));
}

}  // namespace
