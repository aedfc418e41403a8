#pragma once

#include "pdf/rec_report.h"
#include "project/record.h"

// What the recommendations reports of every jurisdiction print alike, from
// the run's record: the dates, the building and assessor data and the
// recommendations of each group.
void GatherRecCommon(const DocumentRecord& record, RecReportContent& w);
