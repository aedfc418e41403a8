#include "pdf/rec_texts.h"

#include "pdf/weblinks.h"

const char* const kRecSectionHeadings[kRecSections] = {
    "1. Background", "2. Introduction", "3. Recommendations", "4. Next steps", "5. Glossary"};
const char* const kRecContentsEntries[kRecSections] = {
    "1. Background", "2. Introduction", "3. Recommendations", "4. Next Steps", "5. Glossary"};

namespace {

RecRun Plain(const std::string& text) {
    return {RecRun::kPlain, text, ""};
}
RecRun Oblique(const std::string& text) {
    return {RecRun::kOblique, text, ""};
}
RecRun Link(const WebAddress& a) {
    return {RecRun::kLink, a.text, a.uri};
}

RecParagraph Justified(std::vector<RecRun> runs) {
    return {RecParagraph::kJustified, std::move(runs)};
}
RecParagraph Justified(const std::string& text) {
    return Justified(std::vector<RecRun>{Plain(text)});
}
RecParagraph FlushLeft(const std::string& text) {
    return {RecParagraph::kFlushLeft, {Plain(text)}};
}
RecParagraph Bullet(const std::string& text) {
    return {RecParagraph::kBullet, {Plain(text)}};
}

RecParagraphs Background(RecRegion region) {
    RecParagraphs p;
    switch (region) {
        case RecRegion::Scotland:
            p.push_back(Justified(
                {Plain("Building (Scotland) Act 2003 and Statutory Instrument 2007 No. 534, "),
                 Plain("The "), Oblique("Building (Scotland) Amendment Regulations 2006"),
                 Plain(", transposes the "),
                 Plain("requirements of Articles 7.2 and 7.3 of the Energy Performance of "
                       "Buildings Directive 2002/91/EC.")}));
            p.push_back(Justified(
                "This Recommendation Report is the Additional advice in clause 6.9.3 of the "
                "Scottish Building Standards Non-domestic Technical Handbook which may be "
                "provided. Cost effective improvements should be inserted into the "
                "Recommendations section of the Energy Performance Certificate."));
            break;
        case RecRegion::NorthernIreland:
            p.push_back(Justified(
                {Plain("Statutory Rule 2008 No.170, "),
                 Oblique("The Energy Performance of Buildings "),
                 Oblique("(Certificates and Inspections) Regulations (Northern Ireland) 2008"),
                 Plain(", as "),
                 Plain("amended, transposes the requirements of Articles 7, 9 and 10 of the "
                       "Energy Performance of Buildings Directive 2002/91/EC.")}));
            p.push_back(Justified(
                "This report is a Recommendation Report as required under regulation 7 of "
                "Statutory Rule 2008 No. 170."));
            break;
        default:
            p.push_back(Justified(
                {Plain("Statutory Instrument 2007 No. 991, "),
                 Oblique("The Energy Performance of Buildings "),
                 Oblique("(Certificates and Inspections) (England and Wales) Regulations 2007"),
                 Plain(", as "),
                 Plain("amended, transposes the requirements of Articles 7.2 and 7.3 of the "
                       "Energy Performance of Buildings Directive 2002/91/EC.")}));
            p.push_back(Justified(
                "This report is a Recommendation Report as required under regulations 16(2)(a) "
                "and 19 of the Statutory Instrument SI 2007:991."));
    }
    p.push_back(Justified("This section provides general information regarding the building:"));
    return p;
}

RecGroupTexts GroupTexts(RecGroup group, bool scotland) {
    switch (group) {
        case kRecShort:
            return {"Recommendations with a short payback",
                    "This section lists recommendations with a payback of less than 3 years:",
                    "No recommendations of short term payback have been identified"};
        case kRecMedium:
            return {"Recommendations with a medium payback",
                    "This section lists recommendations with a payback of between 3 and 7 years:",
                    "No recommendations of medium term payback have been identified"};
        case kRecLong:
            return {"Recommendations with a long payback",
                    "This section lists recommendations with a payback of more than 7 years:",
                    "No recommendations of long term payback have been identified"};
        default:
            if (scotland)
                return {"Other recommendations",
                        "This section lists other recommendations selected by the Qualified / "
                        "Accredited Person, based on an understanding of the building, and / or "
                        "based on a valid existing energy report.",
                        "No recommendations defined by the qualified/accredited person have been "
                        "identified"};
            return {"Other recommendations",
                    "This section lists other recommendations selected by the energy assessor, "
                    "based on an understanding of the building, and / or based on a valid "
                    "existing energy report.",
                    "No recommendations defined by the energy assessor have been identified"};
    }
}

// The report that the building occupier (the relevant person in Northern
// Ireland) must keep.
RecPart YourReport(bool northernIreland) {
    RecPart part{"Your Recommendation Report", {}};
    RecParagraphs& p = part.paragraphs;
    if (northernIreland) {
        p.push_back(
            Justified({Plain("As the relevant person (regulation 2), regulation 7 of SR "
                             "2008 No.170 requires that an Energy Performance Certificate "),
                       Oblique("\"shall be accompanied by a recommendation"), Oblique(" "),
                       Oblique("report\".")}));
        p.push_back(Justified(
            "You must be able to produce a copy of this Recommendation Report within seven "
            "days if requested by an authorised officer of the enforcement authority, who "
            "may ask to see it together with the Energy Performance Certificate."));
        p.push_back(Justified({Plain("This Recommendation Report has also been lodged on the "
                                     "Department's approved central register, together with the "
                                     "Energy Performance Certificate. A copy of either can be "
                                     "obtained through the Non-Dwellings Register at "),
                               Link(kWebRegister),
                               Plain(" by searching for the report reference number.")}));
    } else {
        p.push_back(Justified({Plain("As the building occupier, regulation 10(1) of SI 2007:991 "
                                     "requires that an Energy Performance Certificate "),
                               Oblique("\"must be accompanied by a recommendation"), Oblique(" "),
                               Oblique("report\".")}));
        p.push_back(Justified(
            "You must be able to produce a copy of this Recommendation Report within seven "
            "days if requested by an Enforcement Authority under regulation 39 of SI "
            "2007:991."));
        p.push_back(Justified({Plain("This Recommendation Report has also been lodged on the "
                                     "Government's central register, together with the Energy "
                                     "Performance Certificate. A copy of either can be obtained "
                                     "through the Non-Dwellings Register at "),
                               Link(kWebRegister),
                               Plain(" by searching for the report reference number.")}));
    }
    return part;
}

RecPart Implementing(RecRegion region, const std::string& person, bool heritage) {
    const bool scotland = region == RecRegion::Scotland;
    RecPart part{"Implementing recommendations", {}};
    RecParagraphs& p = part.paragraphs;
    p.push_back(Justified(
        "The recommendations are provided as an indication of opportunities that appear to exist "
        "to improve the building's energy efficiency."));
    p.push_back(Justified(
        "The calculation tool has automatically produced a set of recommendations, which the " +
        person +
        " has reviewed in the light of the survey of the building, keeping those that suit "
        "it. The measures can be carried out one at a time, for instance when equipment is "
        "due for replacement or when the building is refurbished, which often lowers their "
        "cost."));
    if (scotland) {
        p.push_back(Justified(
            "The Qualified / Accredited Person may have inserted additional measures in section 3d "
            "(Other Recommendations). He / she may have removed some automatically generated "
            "recommendations or added additional recommendations."));
    }
    p.push_back(Justified(
        "These recommendations do not include matters relating to operation and maintenance which "
        "cannot be identified from the calculation procedure."));
    if (!scotland && heritage) {
        std::vector<RecRun> runs{Plain(
            "The building has been identified as being: one of special architectural or "
            "historical interest, within a conservation area or a protected monument. "
            "Some of the recommendations may then need consent, or may not be suitable "
            "where they would change the character or the fabric of the building. Before "
            "carrying out any work, seek the advice of the local planning authority and of ")};
        if (region == RecRegion::NorthernIreland) {
            runs.push_back(Plain("the Historic Environment Division at "));
            runs.push_back(Link(kWebHeritageBodyNorthernIreland));
        } else {
            runs.push_back(Plain("Historic England at "));
            runs.push_back(Link(kWebHeritageBody));
            runs.push_back(Plain(" or, in Wales, Cadw at "));
            runs.push_back(Link(kWebHeritageBodyWales));
        }
        runs.push_back(Plain("."));
        p.push_back(Justified(std::move(runs)));
    }
    return part;
}

RecPart Complaints(RecRegion region, const std::string& governmentWhose) {
    if (region == RecRegion::Scotland) {
        return {"Complaints",
                {Justified({Plain("Details of the Qualified / Accredited Person and the relevant "
                                  "protocol organisation are on this report and the energy "
                                  "performance certificate. You can get contact details of the "
                                  "protocol organisation from our website at "),
                            Link(kWebBuildingStandardsScotland), Plain(".")})}};
    }
    const WebAddress& site = region == RecRegion::NorthernIreland ? kWebDepartmentNorthernIreland
                                                                  : kWebDepartmentEnglandWales;
    return {"Complaints",
            {Justified({Plain("Details of the assessor and the relevant accreditation scheme are "
                              "on this report and the energy performance certificate. You can "
                              "get contact details of the accreditation scheme from the " +
                              governmentWhose + " website at "),
                        Link(site),
                        Plain(", together with details of the procedures for confirming the "
                              "authenticity of a report and for making a complaint.")})}};
}

std::vector<RecPart> Glossary(RecRegion region) {
    RecParagraphs valid{FlushLeft("A valid report is a report that has been:"),
                        Bullet("Produced within the past 10 years")};
    switch (region) {
        case RecRegion::Scotland:
            valid.push_back(Bullet(
                "For an existing building, produced by a Qualified / Accredited Person  who is "
                "accredited to produce Recommendation Reports through a Government Approved "
                "protocol agreement"));
            break;
        case RecRegion::NorthernIreland:
            valid.push_back(
                Bullet("Produced by an Energy Assessor who is accredited to produce Recommendation "
                       "Reports through an Accreditation Scheme approved by the Department"));
            valid.push_back(
                Bullet("Lodged on the Register operated by or on behalf of the Department."));
            break;
        default:
            valid.push_back(
                Bullet("Produced by an Energy Assessor who is accredited to produce Recommendation "
                       "Reports through a Government Approved Accreditation Scheme"));
            valid.push_back(Bullet(
                "Lodged on the Register operated by or on behalf of the Secretary of State."));
    }
    return {
        {"Payback",
         {Justified("The payback periods are based on data provided by Good Practice Guides and "
                    "Carbon Trust energy survey reports. A payback period is the number of years "
                    "it takes for the savings on energy costs to repay the cost of installing a "
                    "measure."),
          Justified(
              "The figures have been calculated as an average across a range of buildings "
              "and may differ from the actual payback in this building, which depends on its "
              "condition, its use and the prices paid for energy and for the work. Use them "
              "to put the recommendations in order, and obtain quotations before deciding.")}},
        {"Carbon impact",
         {Justified("The High / Medium / Low carbon impact indicators against each recommendation "
                    "are provided to distinguish between measures that would make a large, a "
                    "moderate or a small reduction in the carbon dioxide emissions of the "
                    "building, as estimated by the calculation. A measure with a high impact "
                    "improves the energy performance rating the most.")}},
        {"Valid report", valid},
    };
}

}  // namespace

RecTexts RecReportTexts(RecRegion region, const std::string& tool, bool heritage) {
    const bool scotland = region == RecRegion::Scotland;
    // Who selects the recommendations, and whose methodology and website.
    const std::string person = scotland ? "Qualified / Accredited Person" : "energy assessor";
    const std::string whose =
        region == RecRegion::NorthernIreland ? "Department's" : "Government's";
    RecTexts t;
    t.background = Background(region);
    t.environmentLabel = scotland ? "Building services:" : "Building Environment:";
    t.introduction = {
        Justified("This Recommendation Report was produced in line with the " + whose +
                  " approved methodology and is based on calculation tool " + tool + "."),
        Justified("In accordance with " + whose + " current guidance, the " +
                  (scotland ? std::string("Qualified / Accredited Person") : "Energy Assessor") +
                  " did undertake a walk around survey of the building prior to producing this "
                  "Recommendation Report.")};
    t.recommendations = {
        Justified("The following sections list recommendations selected by the " + person +
                  " for the cost-effective improvement of the energy performance of the building. "
                  "They are grouped by their expected payback: the number of years it would take "
                  "for the savings on energy bills to repay the cost of the work. Recommendations "
                  "that the " +
                  person +
                  " added from an understanding of the building are listed last. For each "
                  "recommendation the table gives its potential impact on the carbon dioxide "
                  "emissions of the building.")};
    for (int g = 0; g < kRecGroups; ++g)
        t.groups[g] = GroupTexts(static_cast<RecGroup>(g), scotland);
    if (!scotland) t.nextSteps.push_back(YourReport(region == RecRegion::NorthernIreland));
    t.nextSteps.push_back(Implementing(region, person, heritage));
    t.nextSteps.push_back(
        {"Legal disclaimer",
         {Justified("The advice provided in this Recommendation Report is intended to be for "
                    "information only.  Recipients of this Recommendation Report are advised to "
                    "seek further detailed professional advice before reaching any decision on how "
                    "to improve the energy performance of the building.")}});
    t.nextSteps.push_back(Complaints(region, whose));
    t.glossary = Glossary(region);
    return t;
}
