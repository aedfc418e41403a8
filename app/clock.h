#pragma once

#include <ctime>

// The run's clock. Every date the program derives from "now" comes from here,
// so that tests can fix the run date.
std::time_t RunNow();
// Fixes the clock at t (tests); SetRunClockSystem() returns to the real clock.
void SetRunClock(std::time_t t);
void SetRunClockSystem();
// Local broken-down time of RunNow().
std::tm RunLocalTime();
