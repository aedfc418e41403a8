#pragma once

#include "pdf/rec_report.h"

class PROJECT;

// Gathering shared by the recommendations reports of every jurisdiction.
// Input text reaches the reports through these and the gatherers only.

// The first RecShortN, RecMediumN, RecLongN and RecOtherN recommendations of
// the ordered groups: the text of their code, or the assessor's own text for
// an assessor's recommendation in the other group, and the carbon impact.
void GatherRecGroups(PROJECT& p, RecReportContent& w);
// The rating, dates, building and assessor data and the recommendations.
void GatherRecCommon(PROJECT& p, RecReportContent& w);
