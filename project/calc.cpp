#include "app/clock.h"
#include "app/codes.h"
#include "app/runlog.h"
#include "app/stop.h"
#include "app/textutil.h"
#include "boc/diagnostics.h"
#include "project/project.h"
#include "project/rating.h"

namespace {

std::string Num(double value) {
    return num2string(value, -1);
}

// A rate the rating needs and the input does not provide: the console and
// the log as always, and the error stream told where.
[[noreturn]] void StopForRate(const BOC& boc, int e, const char* keyword,
                              const std::string& message, const std::string& what) {
    const std::string said =
        boc.KeywordLine(e, keyword) > 0
            ? std::string(keyword) + " = -7777 says that " + what + " was not provided"
            : ObjectNamed(boc, e) + " does not give " + keyword + ", " + what;
    StopRunWithDiagnostics(message, KeywordPlace(boc, e, keyword) + ": error: " + said +
                                        ", and the rating is worked out from it\n");
}

}  // namespace

void PROJECT::Calc() {
    if (!IsJurisdiction(boc.Vcodid(epcObject, "TYPE"), Jurisdiction::Scotland) &&
        buildings.size() != 3)
        StopRun("\nERROR: Number of BUILDING-DATA objects must be 3 \n");
    generals.front().Checks(defaults, tables, boc, todayIso, todayShort);
    generals.front().fRRN(defaults, tables, boc);
    epcs.front().Calc(defaults, tables, asTables, boc);
    epcs.front().Validation(defaults, tables, boc);
    // The message states an exact air-conditioning output only above half a
    // kilowatt: an input that gives less stops here, before any document is
    // written, rather than after the documents.
    if (WritesLodgementMessage() && hasAcInspection) {
        const int a = acInspection.objectIndex;
        if (boc.Vcodid(a, "AIR-CON-INSTALLED") == kAirConInstalledYes &&
            boc.Vcodid(a, "AIR-CON-KW") == kAirConExactOutput &&
            !(boc.Vnum(a, "AIR-CON-KW-EXACT") > 0.5))
            StopRun("\nERROR: AIR-CON-KW-EXACT must be bigger than 0.5 kW\n");
    }
}

bool PROJECT::WritesLodgementMessage() const {
    return boc.Vcod(generalObject, "PRODUCE-MESSAGES") == "YES" &&
           epcs.front().messageFormat == "xml";
}

void EPC::Calc(const PROJECTDefaults& defaults, const PROJECTTables&, const PROJECTTables&,
               BOC& boc) {
    // Our own setting chooses the IAS package instead of the lodgement message.
    // A run taken up from a package writes the lodgement message: writing the
    // package again would replace the one it was read from.
    const bool package = !fromIasPackage && generalObjectIndex >= 0 &&
                         boc.Vcod(generalObjectIndex, "MESSAGE-FORMAT") == "IAS";
    messageFormat = package ? "ias" : "xml";
    const int e = objectIndex;
    const double ber = boc.Vnum(e, "BER");
    const double ser = boc.Vnum(e, "SER");
    const double tyr = boc.Vnum(e, "TYR");
    const double ter = boc.Vnum(e, "TER");
    if (ser == kNotProvided)
        StopForRate(boc, e, "SER", "ERROR: Must provide a value for the Standard Emission Rate\n",
                    "the Standard Emission Rate");
    if (tyr == kNotProvided)
        StopForRate(boc, e, "TYR", "ERROR: Must provide a value for the Typical Emission Rate\n",
                    "the Typical Emission Rate");

    const double L = defaults.Value("LAMBDA-REF");
    const BandGeometry g = MakeBandGeometry(L);
    const double rating = RoundRating(ber / ser * L);
    const double terRating = RoundRating(ter / ser * L);
    const double tyrRating = RoundRating(tyr / ser * L);

    ratings = Ratings{};
    ratings.asset = rating;
    ratings.newBuild = terRating;
    ratings.stock = tyrRating;
    ratings.assetBand = BandOf(rating, g.limits);
    ratings.newBuildBand = BandOf(terRating, g.limits);
    ratings.stockBand = BandOf(tyrRating, g.limits);
    ratings.limits = g.limits;

    boc.ModKey(e, "EPC-RATING", Num(rating));
    boc.ModKey(e, "EPC-BAND", ratings.assetBand);
    boc.ModKey(e, "TER-RATING", Num(terRating));
    boc.ModKey(e, "TER-BAND", ratings.newBuildBand);
    boc.ModKey(e, "TYR-RATING", Num(tyrRating));
    boc.ModKey(e, "TYR-BAND", ratings.stockBand);
    boc.ModKey(e, "EPC-A", Num(g.firstStep));
    boc.ModKey(e, "EPC-R", Num(g.ratio));
    boc.ModKey(e, "EPC-R-ORI", Num(g.ratioOriginal));
    boc.ModKey(e, "EPC-BAND-LIMITS", FormatBandLimits(g.limits));
}

void PROJECT::Calc_Scotland() {
    epcs.front().Calc_Scotland(defaults, tables, boc);
}

void EPC::Calc_Scotland(const PROJECTDefaults&, const PROJECTTables&, BOC& boc) {
    certBackground = "This is not a valid certificate";
    const int e = objectIndex;
    const double ber = boc.Vnum(e, "BER");
    const double ter = boc.Vnum(e, "TER");
    const double per = boc.Vnum(e, "PER");
    const double rating = RoundRating(ber);
    const double terRating = RoundRating(ter);
    const bool perMissing = per == kNotProvided;
    const double perRating = perMissing ? kNotProvided : RoundRating(per);

    ratings = Ratings{};
    ratings.asset = rating;
    ratings.newBuild = terRating;
    ratings.improved = perRating;
    ratings.assetBand = ScottishBandOf(rating);
    ratings.newBuildBand = ScottishBandOf(terRating);
    ratings.improvedBand = perMissing ? "A+" : ScottishBandOf(perRating);
    ratings.limits = kScottishLimits;

    boc.ModKey(e, "EPC-RATING", Num(rating));
    boc.ModKey(e, "S-EPC-BAND", ratings.assetBand);
    boc.ModKey(e, "TER-RATING", Num(terRating));
    boc.ModKey(e, "S-TER-BAND", ratings.newBuildBand);
    boc.ModKey(e, "PER-RATING", Num(perRating));
    boc.ModKey(e, "S-PER-BAND", ratings.improvedBand);
    boc.ModKey(e, "EPC-BAND-LIMITS", FormatBandLimits(kScottishLimits));
}
