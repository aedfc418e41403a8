#pragma once

#include <string>

#include "project/results_record.h"
#include "project/written.h"

// The results file "<input>.csv" at `path`: the ratings, the band table, the
// building, its owner and certifier, and the recommendations. A results file
// that cannot be written stops the run.
WrittenDocument WriteResults(const ResultsRecord& record, const std::string& path);
