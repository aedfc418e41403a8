#pragma once

#include "app/driver.h"

// One run over a building (modes F, I, A, R): opens the run log in the log
// folder, then takes the input through every stage in its order.
void RunBuilding(const RunSettings& settings);
