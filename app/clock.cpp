#include "app/clock.h"

namespace {
bool g_fixed = false;
std::time_t g_fixedTime = 0;
}  // namespace

std::time_t RunNow() {
    return g_fixed ? g_fixedTime : std::time(nullptr);
}

void SetRunClock(std::time_t t) {
    g_fixed = true;
    g_fixedTime = t;
}

void SetRunClockSystem() {
    g_fixed = false;
}

std::tm RunLocalTime() {
    std::time_t now = RunNow();
    std::tm tmv{};
    localtime_r(&now, &tmv);
    return tmv;
}
