#pragma once

#include <string>
#include <vector>

#include "app/driver.h"
#include "project/written.h"

// One run over a building (modes F, I, A, R): opens the run log in the log
// folder, then takes the input through every stage in its order. Returns 0;
// a stage that stops throws RunStop.
int RunBuilding(const RunSettings& settings);

// What a run says at its end when outputs were abandoned: one line for each,
// in place of "OK".
std::string FailedOutputsMessage(const std::vector<std::string>& outputs);
// The line a run ends with when its standard output is a terminal: the
// rating and band, then every output written, the folder named once when
// they share it ("Rating 42 B. Wrote in /tmp/office: office.csv, ...").
// A band left empty (no rating) leaves the rating out.
std::string RunSummaryLine(long long rating, const std::string& band,
                           const WrittenOutputs& outputs);
// The end of a run: the outputs it holds put in place (CommitOutputs), then
// "OK" and the log; or, when outputs were not written or could not be put in
// place, their message, the log and exit status 1.
void FinishRun(const WrittenOutputs& outputs);
