#include "tests/support/timezone.h"

#include <cstdlib>

TimeZone::TimeZone(const char* zone) {
    if (const char* old = std::getenv("TZ")) {
        old_ = old;
        hadOld_ = true;
    }
    setenv("TZ", zone, 1);
    tzset();
}

TimeZone::~TimeZone() {
    if (hadOld_)
        setenv("TZ", old_.c_str(), 1);
    else
        unsetenv("TZ");
    tzset();
}

std::time_t LocalMoment(int year, int month, int day, int hour, int minute) {
    std::tm t{};
    t.tm_year = year - 1900;
    t.tm_mon = month - 1;
    t.tm_mday = day;
    t.tm_hour = hour;
    t.tm_min = minute;
    t.tm_isdst = -1;
    return std::mktime(&t);
}
