#include "pdf/rec_texts.h"

#include <gtest/gtest.h>

namespace {

std::string Flat(const RecParagraphs& paragraphs) {
    std::string s;
    for (const RecParagraph& p : paragraphs)
        for (const RecRun& r : p.runs) s += r.text;
    return s;
}

std::string Flat(const std::vector<RecPart>& parts) {
    std::string s;
    for (const RecPart& part : parts) s += part.heading + "|" + Flat(part.paragraphs) + "|";
    return s;
}

bool Has(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

// The law, the person and the bodies of each jurisdiction, and the heritage
// advice only where the building is protected and the law asks for it.
TEST(RecTexts, EachRegionNamesItsLawPersonAndBodies) {
    struct Case {
        RecRegion region;
        bool heritage;
        const char* law;
        const char* person;
        std::size_t nextSteps;
        const char* heritageBody;  // empty: no heritage advice
    };
    const Case cases[] = {
        {RecRegion::EnglandWales, true, "SI 2007:991", "energy assessor", 4, "Cadw"},
        {RecRegion::EnglandWales, false, "SI 2007:991", "energy assessor", 4, ""},
        {RecRegion::NorthernIreland, true, "Statutory Rule 2008 No.170", "energy assessor", 4,
         "Historic Environment Division"},
        {RecRegion::Scotland, true, "Building (Scotland) Act 2003", "Qualified / Accredited Person",
         3, ""},
    };
    for (const Case& c : cases) {
        const RecTexts t = RecReportTexts(c.region, "iZOLM 6.1", c.heritage);
        const std::string all = Flat(t.background) + Flat(t.introduction) +
                                Flat(t.recommendations) + Flat(t.nextSteps) + Flat(t.glossary);
        EXPECT_TRUE(Has(all, c.law)) << c.law;
        EXPECT_TRUE(Has(Flat(t.recommendations), c.person)) << c.law;
        EXPECT_TRUE(Has(Flat(t.introduction), "calculation tool iZOLM 6.1.")) << c.law;
        EXPECT_EQ(t.nextSteps.size(), c.nextSteps) << c.law;
        EXPECT_EQ(Has(all, "special architectural"), *c.heritageBody != '\0') << c.law;
        if (*c.heritageBody != '\0') {
            EXPECT_TRUE(Has(all, c.heritageBody)) << c.law;
        }
        for (const RecGroupTexts& g : t.groups) {
            EXPECT_FALSE(g.heading.empty()) << c.law;
            EXPECT_FALSE(g.description.empty()) << c.law;
            EXPECT_FALSE(g.none.empty()) << c.law;
        }
    }
}

// Every link carries its target, and only links do.
TEST(RecTexts, LinksAndOnlyLinksHaveTargets) {
    for (RecRegion region :
         {RecRegion::EnglandWales, RecRegion::NorthernIreland, RecRegion::Scotland}) {
        const RecTexts t = RecReportTexts(region, "", true);
        int links = 0;
        for (const std::vector<RecPart>* parts : {&t.nextSteps, &t.glossary})
            for (const RecPart& part : *parts)
                for (const RecParagraph& p : part.paragraphs)
                    for (const RecRun& r : p.runs) {
                        EXPECT_EQ(r.style == RecRun::kLink, !r.uri.empty()) << r.text;
                        links += r.style == RecRun::kLink;
                    }
        EXPECT_GT(links, 0);
    }
}

}  // namespace
