#pragma once

#include <string>
#include <vector>

#include "project/rating.h"

class PROJECT;

// What the results file says, gathered once the ratings are done (before the
// recommendations are grouped for the reports: the file lists them in the
// order the calculation left them). Texts are as typed, numbers as the
// engine and the ratings gave them.

// A person of the results file: the certifier (the agent in Scotland).
struct ResultsPerson {
    std::string name, telephone, address, city, postcode, accreditationScheme, registrationNumber;
};

// One recommendation's row: code words and the code numbers of its impacts.
struct ResultsRecommendation {
    double payback = 0;  // PAY-BACK-NUM; negative when it has none
    int referenceType = 0;
    int referenceId = 0;  // REF-OBJ-IZOLM-ID
    std::string code, category, source;
    int energyImpact = 0, co2Impact = 0, paybackBand = 0, co2SavePound = 0;
};

struct ResultsRecord {
    bool scotland = false;
    Ratings ratings;
    double ter = 0, tyr = 0, ser = 0, ber = 0;
    double per = 0;           // Scotland's improved building; kNotProvided when not given
    double bandRounding = 0;  // EPC-REPORT-ROUND (England, Wales, Northern Ireland)
    std::string projectName, buildingType;
    double buildingArea = 0;
    std::string address, city, postcode;
    std::string ownerName, ownerTelephone, ownerAddress, ownerCity, ownerPostcode;
    ResultsPerson certifier;
    std::string engine, engineVersion, interface, interfaceVersion;
    std::string mainFuel, environment;
    std::string certificateNumber;  // not in Scotland
    std::vector<ResultsRecommendation> recommendations;
};

// The record of a run whose ratings are done.
ResultsRecord BuildResultsRecord(const PROJECT& p);
