#pragma once

#include <ctime>
#include <string>

// Sets TZ for the life of the object and puts the old value back.
class TimeZone {
  public:
    explicit TimeZone(const char* zone);
    ~TimeZone();
    TimeZone(const TimeZone&) = delete;
    TimeZone& operator=(const TimeZone&) = delete;

  private:
    std::string old_;
    bool hadOld_ = false;
};

// The moment of a local date and time in the current TZ.
std::time_t LocalMoment(int year, int month, int day, int hour, int minute);
