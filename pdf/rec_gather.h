#pragma once

#include "pdf/rec_report.h"

class PROJECT;

// Gathering shared by the recommendations reports of every jurisdiction.
// Input text reaches the reports through these and the gatherers only.

// The recommendations of each group that the report shows (ShownRecs), with
// their text and carbon impact.
void GatherRecGroups(PROJECT& p, RecReportContent& w);
// The rating, dates, building and assessor data and the recommendations.
void GatherRecCommon(PROJECT& p, RecReportContent& w);
