#include "project/results_record.h"

#include "app/codes.h"
#include "project/project.h"

ResultsRecord BuildResultsRecord(const PROJECT& p) {
    const BOC& boc = p.boc;
    const int g = p.generalObject;
    const int e = p.epcs.front().objectIndex;
    ResultsRecord r;
    r.scotland = IsJurisdiction(boc.Vcodid(e, "TYPE"), Jurisdiction::Scotland);
    r.ratings = p.epcs.front().ratings;
    r.ter = boc.Vnum(e, "TER");
    if (r.scotland) {
        r.per = boc.Vnum(e, "PER");
    } else {
        r.tyr = boc.Vnum(e, "TYR");
        r.ser = boc.Vnum(e, "SER");
    }
    r.ber = boc.Vnum(e, "BER");
    // Scotland's band table always rounds to tenths.
    r.bandRounding = r.scotland ? 10 : boc.Vnum(e, "EPC-REPORT-ROUND");

    r.projectName = boc.Vtext(g, "P-NAME");
    r.buildingType = boc.Vcod(g, "B-TYPE");
    r.buildingArea = boc.Vnum(g, "BUILDING-AREA");
    r.address = boc.Vtext(g, "B-ADDRESS");
    r.city = boc.Vtext(g, "B-CITY");
    r.postcode = boc.Vtext(g, "B-POSTCODE");
    r.ownerName = boc.Vtext(g, "O-NAME");
    r.ownerTelephone = boc.Vtext(g, "O-TELEPHONE");
    r.ownerAddress = boc.Vtext(g, "O-ADDRESS");
    r.ownerCity = boc.Vtext(g, "O-CITY");
    r.ownerPostcode = boc.Vtext(g, "O-POSTCODE");
    r.certifier = {boc.Vtext(g, "C-NAME"),      boc.Vtext(g, "C-TELEPHONE"),
                   boc.Vtext(g, "C-ADDRESS"),   boc.Vtext(g, "C-CITY"),
                   boc.Vtext(g, "C-POSTCODE"),  boc.Vtext(g, "C-ACCRED-SCHEME"),
                   boc.Vtext(g, "C-REG-NUMBER")};
    r.engine = boc.Vtext(g, "CENGINE");
    r.engineVersion = boc.Vtext(g, "CENGINE-VERSION");
    r.interface = boc.Vtext(g, "INTERFACE");
    r.interfaceVersion = boc.Vtext(g, "INTERFACE-VERSION");
    r.mainFuel = boc.Vcod(e, "MAIN-FUEL-TYPE");
    r.environment = boc.Vcod(e, "BUILDING-ENVIRONMENT");
    if (!r.scotland) r.certificateNumber = boc.Vtext(e, "CERTIFICATE-NUMBER");

    for (const RECOMMENDATION& rec : p.recommendations) {
        const int o = rec.objectIndex;
        ResultsRecommendation row;
        row.payback = boc.Vnum(o, "PAY-BACK-NUM");
        row.referenceType = boc.Vcodid(o, "REF-OBJECT-TYPE");
        row.referenceId = boc.Vint(o, "REF-OBJ-IZOLM-ID");
        row.code = boc.Vcod(o, "CODE");
        row.category = boc.Vcod(o, "CATEGORY");
        row.source = boc.Vcod(o, "REC-SOURCE");
        row.energyImpact = boc.Vcodid(o, "ENERGY-IMPACT");
        row.co2Impact = boc.Vcodid(o, "CO2-IMPACT");
        row.paybackBand = boc.Vcodid(o, "PAY-BACK");
        row.co2SavePound = boc.Vcodid(o, "CO2-SAVE-POUND");
        r.recommendations.push_back(std::move(row));
    }
    return r;
}
