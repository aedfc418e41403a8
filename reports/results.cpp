#include <cmath>

#include "app/codes.h"
#include "app/outputs.h"
#include "app/stop.h"
#include "app/textutil.h"
#include "app/version.h"
#include "project/bands.h"
#include "project/project.h"
#include "reports/banner.h"

namespace {

const std::string kRule70(70, '-');
// Section titles are padded with blanks to a fixed width, and the
// recommendations list is ruled as wide as its header row.
const std::string kTitlePadding(59, ' ');
const std::string kRecommendationsRule(109, '-');
// The order column of a recommendation without a payback.
const char* const kNoPaybackOrder = "99999";

std::string Plain(double x) {
    return num2string(x, -1);
}
std::string OneDecimal(double x) {
    return num2string(x, 1);
}
// round(x * f) / f, printed plainly.
std::string Rounded(double x, double factor) {
    return Plain(std::round(x * factor) / factor);
}

// A section title, its rule and a blank line. Only the first two sections
// are preceded by a blank line of their own; the others follow one.
std::string Title(const std::string& title) {
    return title + kTitlePadding + "\n" + kRule70 + "\n\n";
}

// The fifteen rows of the band table, the marker on the first row whose
// limit the rating does not exceed.
std::string BandTable(const std::array<double, 14>& c, const BandScale& scale, double rating,
                      const std::string& band, double factor) {
    std::string out = ",Band Limits,Lower,Upper,,Actual Band, Rating\n";
    bool marked = false;
    for (int row = 1; row <= 15; ++row) {
        std::string lower, upper;
        double test;
        if (row == 1) {
            lower = "n/a";
            upper = "0";
            test = 0;
        } else if (row == 2) {
            lower = "0";
            upper = Rounded(c[0], factor);
            test = c[0];
        } else if (row == 15) {
            lower = Rounded(c[12], factor);
            upper = "n/a";
            test = c[13];
        } else {
            lower = Rounded(c[row - 3], factor);
            upper = Rounded(c[row - 2], factor);
            test = c[row - 2];
        }
        const BandRow& letter = row == 1 ? *scale.begin() : scale.BandOfLimit(row - 2);
        out += std::string(",") + letter.label + "," + lower + "," + upper;
        if (!marked && rating <= test) {
            out += ",   <<<," + band + "," + Rounded(rating, factor);
            marked = true;
        }
        out += "\n";
    }
    return out;
}

std::string BuildingAndOwner(BOC& boc, int g) {
    std::string s = "\n" + Title("REPORT- BUILDING DETAILS");
    s += "Project Name:," + boc.Vtext(g, "P-NAME") + "\n";
    s += "Building Type:," + boc.Vcod(g, "B-TYPE") + "\n";
    s += "Buidling Floor Area:," + Plain(boc.Vnum(g, "BUILDING-AREA")) + "\n\n";
    s += "Buidling Address:," + boc.Vtext(g, "B-ADDRESS") + "\n";
    s += "Buidling City:," + boc.Vtext(g, "B-CITY") + "\n";
    s += "Buidling Postcode:," + boc.Vtext(g, "B-POSTCODE") + "\n\n";
    s += "Owner Name:," + boc.Vtext(g, "O-NAME") + "\n";
    s += "Owner Telephone:," + boc.Vtext(g, "O-TELEPHONE") + "\n";
    s += "Owner Address:," + boc.Vtext(g, "O-ADDRESS") + "\n";
    s += "Owner City:," + boc.Vtext(g, "O-CITY") + "\n";
    s += "Owner Postcode:," + boc.Vtext(g, "O-POSTCODE") + "\n\n";
    return s;
}

std::string Person(BOC& boc, int g, const std::string& title, const std::string& who) {
    std::string s = Title(title);
    s += who + " Name:," + boc.Vtext(g, "C-NAME") + "\n";
    s += who + " Telephone:," + boc.Vtext(g, "C-TELEPHONE") + "\n";
    s += who + " Address:," + boc.Vtext(g, "C-ADDRESS") + "\n";
    s += who + " City:," + boc.Vtext(g, "C-CITY") + "\n";
    s += who + " Postcode:," + boc.Vtext(g, "C-POSTCODE") + "\n";
    s += who + " Accreditation Scheme:," + boc.Vtext(g, "C-ACCRED-SCHEME") + "\n";
    s += "Registration no:," + boc.Vtext(g, "C-REG-NUMBER") + "\n\n";
    return s;
}

std::string Certification(BOC& boc, int g, int e) {
    std::string s = Title("REPORT- CERTIFICATION DETAILS");
    s += "Calculation Engine:," + boc.Vtext(g, "CENGINE") + "\n";
    s += "Calculation Engine (version):," + boc.Vtext(g, "CENGINE-VERSION") + "\n";
    s += "EPC Generator Engine:,Tarvex\n";
    s += std::string("EPC Generator Engine (version):,") + kTarvexVersion + "\n";
    s += "Interface to Calculation Engine:," + boc.Vtext(g, "INTERFACE") + "\n";
    s += "Interface to Calculation Engine (version):," + boc.Vtext(g, "INTERFACE-VERSION") + "\n";
    s += "Main Heating Fuel:," + boc.Vcod(e, "MAIN-FUEL-TYPE") + "\n";
    s += "Building Environment:," + boc.Vcod(e, "BUILDING-ENVIRONMENT") + "\n\n";
    return s;
}

// A results file that cannot be written stops the run.
WrittenDocument WriteResults(const char* inputFile, const std::string& certificatePart,
                             const std::string& recommendationsPart) {
    const std::string name = OutputName(inputFile, ending::kResults);
    WriteRunOutput(name, ResultsBanner() + certificatePart + recommendationsPart + "\n\n");
    return WrittenDocument{name, Fingerprint(), true};
}

}  // namespace

std::string PROJECT::Report_EPC_EW() {
    const int g = generalObject;
    const int e = epcs.front().objectIndex;
    const Ratings& r = epcs.front().ratings;
    const double rating = r.asset;
    const std::string& band = r.assetBand;

    std::string s = "\n" + Title("REPORT- EPC");
    s += "BENCHMARKS,kgCO2/m2,Band\n";
    s += "Part L (2006) legal standard," + OneDecimal(boc.Vnum(e, "TER")) + "," + r.newBuildBand +
         ",\n";
    s += "Stock Average," + OneDecimal(boc.Vnum(e, "TYR")) + "," + r.stockBand + ",\n";
    s += "Standard Emission Rate (SER)," + OneDecimal(boc.Vnum(e, "SER")) + ",B-C,\n";
    s += ",kgCO2/m2,Band,Rating,\n";
    s += "Building Emission Rate (BER)," + OneDecimal(boc.Vnum(e, "BER")) + "," + band + "," +
         Plain(rating) + ",\n\n\n";
    s += BandTable(r.limits, kEnglandWalesBands, rating, band, boc.Vnum(e, "EPC-REPORT-ROUND"));
    s += BuildingAndOwner(boc, g);
    s += Person(boc, g, "REPORT- CERTIFIER DETAILS", "Certifier");
    s += Certification(boc, g, e);
    s += "Certificate number:," + boc.Vtext(e, "CERTIFICATE-NUMBER") + "\n";
    s += ",";
    return s;
}

std::string PROJECT::Report_EPC_S() {
    const int g = generalObject;
    const int e = epcs.front().objectIndex;
    const Ratings& r = epcs.front().ratings;
    const double rating = r.asset;
    const std::string& band = r.assetBand;
    const double per = boc.Vnum(e, "PER");
    // Read though not printed; the Scottish band table always rounds to tenths.
    boc.Vnum(e, "EPC-REPORT-ROUND");

    std::string s = "\n" + Title("REPORT- EPC");
    s += "BENCHMARKS,kgCO2/m2,Band\n";
    s += "Section 6 (2006) legal standard," + OneDecimal(boc.Vnum(e, "TER")) + "," +
         r.newBuildBand + ",\n";
    if (per != kNotProvided)
        s += "Building Improved," + OneDecimal(per) + "," + r.improvedBand + ",\n";
    else
        s += "Building Improved,?,?,\n";
    s += ",,,\n";
    s += ",kgCO2/m2,Band,Rating,\n";
    s += "Building Emission Rate (BER)," + OneDecimal(boc.Vnum(e, "BER")) + "," + band + "," +
         Plain(rating) + ",\n\n\n";
    s += BandTable(r.limits, kScottishBands, rating, band, 10);
    s += BuildingAndOwner(boc, g);
    s += Person(boc, g, "REPORT- AGENT DETAILS", "Agent");
    s += Certification(boc, g, e);
    s += ",";
    return s;
}

std::string PROJECT::Report_rec() {
    std::string s = "\nREPORT- Details of EPC Recommendations:  \n" + kRecommendationsRule + "\n";
    s += ",ORDER,OBJECT,OBJ ID,CODE,CATEGORY,USER-IN/OUT,ENERGY IMPACT, CO2 IMPACT, PAY-BACK, "
         "PAY-BACK-NUM, CO2-SAVE-POUND, \n";
    for (const RECOMMENDATION& r : recommendations) {
        const int o = r.objectIndex;
        const double payback = boc.Vnum(o, "PAY-BACK-NUM");
        s += "(+),";
        s += (payback < 0 ? std::string(kNoPaybackOrder) : num2string(payback * 100, 2)) + ",";
        s += std::to_string(boc.Vcodid(o, "REF-OBJECT-TYPE")) + ",";
        s += std::to_string(boc.Vint(o, "REF-OBJ-IZOLM-ID")) + ",";
        s += boc.Vcod(o, "CODE") + ",";
        s += boc.Vcod(o, "CATEGORY") + ",";
        s += boc.Vcod(o, "REC-SOURCE") + ",";
        s += std::to_string(boc.Vcodid(o, "ENERGY-IMPACT")) + ",";
        s += std::to_string(boc.Vcodid(o, "CO2-IMPACT")) + ",";
        s += std::to_string(boc.Vcodid(o, "PAY-BACK")) + ",";
        s += Plain(payback) + ",";
        s += std::to_string(boc.Vcodid(o, "CO2-SAVE-POUND")) + ",\n";
    }
    s += "\n";
    return s;
}

WrittenDocument PROJECT::Results_EW(const char* inputFile) {
    return WriteResults(inputFile, Report_EPC_EW(), Report_rec());
}

WrittenDocument PROJECT::Results_S(const char* inputFile) {
    return WriteResults(inputFile, Report_EPC_S(), Report_rec());
}
