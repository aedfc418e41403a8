#include <cmath>

#include "app/codes.h"
#include "app/outputs.h"
#include "app/stop.h"
#include "app/textutil.h"
#include "app/version.h"
#include "project/bands.h"
#include "project/results_record.h"
#include "reports/banner.h"
#include "reports/results.h"

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

std::string BuildingAndOwner(const ResultsRecord& r) {
    std::string s = "\n" + Title("REPORT- BUILDING DETAILS");
    s += "Project Name:," + r.projectName + "\n";
    s += "Building Type:," + r.buildingType + "\n";
    s += "Buidling Floor Area:," + Plain(r.buildingArea) + "\n\n";
    s += "Buidling Address:," + r.address + "\n";
    s += "Buidling City:," + r.city + "\n";
    s += "Buidling Postcode:," + r.postcode + "\n\n";
    s += "Owner Name:," + r.ownerName + "\n";
    s += "Owner Telephone:," + r.ownerTelephone + "\n";
    s += "Owner Address:," + r.ownerAddress + "\n";
    s += "Owner City:," + r.ownerCity + "\n";
    s += "Owner Postcode:," + r.ownerPostcode + "\n\n";
    return s;
}

std::string Person(const ResultsPerson& p, const std::string& title, const std::string& who) {
    std::string s = Title(title);
    s += who + " Name:," + p.name + "\n";
    s += who + " Telephone:," + p.telephone + "\n";
    s += who + " Address:," + p.address + "\n";
    s += who + " City:," + p.city + "\n";
    s += who + " Postcode:," + p.postcode + "\n";
    s += who + " Accreditation Scheme:," + p.accreditationScheme + "\n";
    s += "Registration no:," + p.registrationNumber + "\n\n";
    return s;
}

std::string Certification(const ResultsRecord& r) {
    std::string s = Title("REPORT- CERTIFICATION DETAILS");
    s += "Calculation Engine:," + r.engine + "\n";
    s += "Calculation Engine (version):," + r.engineVersion + "\n";
    s += "EPC Generator Engine:,Tarvex\n";
    s += std::string("EPC Generator Engine (version):,") + kTarvexVersion + "\n";
    s += "Interface to Calculation Engine:," + r.interface + "\n";
    s += "Interface to Calculation Engine (version):," + r.interfaceVersion + "\n";
    s += "Main Heating Fuel:," + r.mainFuel + "\n";
    s += "Building Environment:," + r.environment + "\n\n";
    return s;
}

std::string CertificatePart(const ResultsRecord& record) {
    const Ratings& r = record.ratings;
    const double rating = r.asset;
    const std::string& band = r.assetBand;

    std::string s = "\n" + Title("REPORT- EPC");
    s += "BENCHMARKS,kgCO2/m2,Band\n";
    if (record.scotland) {
        s += "Section 6 (2006) legal standard," + OneDecimal(record.ter) + "," + r.newBuildBand +
             ",\n";
        if (record.per != kNotProvided)
            s += "Building Improved," + OneDecimal(record.per) + "," + r.improvedBand + ",\n";
        else
            s += "Building Improved,?,?,\n";
        s += ",,,\n";
    } else {
        s +=
            "Part L (2006) legal standard," + OneDecimal(record.ter) + "," + r.newBuildBand + ",\n";
        s += "Stock Average," + OneDecimal(record.tyr) + "," + r.stockBand + ",\n";
        s += "Standard Emission Rate (SER)," + OneDecimal(record.ser) + ",B-C,\n";
    }
    s += ",kgCO2/m2,Band,Rating,\n";
    s += "Building Emission Rate (BER)," + OneDecimal(record.ber) + "," + band + "," +
         Plain(rating) + ",\n\n\n";
    s += BandTable(r.limits, record.scotland ? kScottishBands : kEnglandWalesBands, rating, band,
                   record.bandRounding);
    s += BuildingAndOwner(record);
    s += record.scotland ? Person(record.certifier, "REPORT- AGENT DETAILS", "Agent")
                         : Person(record.certifier, "REPORT- CERTIFIER DETAILS", "Certifier");
    s += Certification(record);
    if (!record.scotland) s += "Certificate number:," + record.certificateNumber + "\n";
    s += ",";
    return s;
}

std::string RecommendationsPart(const ResultsRecord& record) {
    std::string s = "\nREPORT- Details of EPC Recommendations:  \n" + kRecommendationsRule + "\n";
    s += ",ORDER,OBJECT,OBJ ID,CODE,CATEGORY,USER-IN/OUT,ENERGY IMPACT, CO2 IMPACT, PAY-BACK, "
         "PAY-BACK-NUM, CO2-SAVE-POUND, \n";
    for (const ResultsRecommendation& r : record.recommendations) {
        s += "(+),";
        s += (r.payback < 0 ? std::string(kNoPaybackOrder) : num2string(r.payback * 100, 2)) + ",";
        s += std::to_string(r.referenceType) + ",";
        s += std::to_string(r.referenceId) + ",";
        s += r.code + ",";
        s += r.category + ",";
        s += r.source + ",";
        s += std::to_string(r.energyImpact) + ",";
        s += std::to_string(r.co2Impact) + ",";
        s += std::to_string(r.paybackBand) + ",";
        s += Plain(r.payback) + ",";
        s += std::to_string(r.co2SavePound) + ",\n";
    }
    s += "\n";
    return s;
}

}  // namespace

WrittenDocument WriteResults(const ResultsRecord& record, const std::string& path) {
    WriteRunOutput(
        path, ResultsBanner() + CertificatePart(record) + RecommendationsPart(record) + "\n\n");
    return WrittenDocument{path, SavedBytes(), true};
}
