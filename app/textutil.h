#pragma once

#include <ctime>
#include <fstream>
#include <string>
#include <string_view>

// Number for reports: rounded to `decimals` (half away from zero) when
// decimals >= 0, then written as a stream writes a double by default.
std::string num2string(double value, int decimals);
// The text without double quotes.
std::string StripQuotes(const std::string& text);
// Turns &amp; &apos; &lt; &gt; back into characters, then drops double quotes.
std::string ResetQuotes(const std::string& text);
// Escapes a Windows-1252 text for XML: markup characters and every byte from
// 0x80 up become references (or "?"), double quotes are dropped.
std::string StripXMLQuotes(const std::string& text);
// The date (year, month, day) normalised through the calendar (month 13 is
// January of the next year, day 0 the last day of the month before),
// "%Y-%m-%d" when iso, else "%y%m%d". No time zone or daylight saving enters.
std::string fCreateDate(int year, int month, int day, bool iso);
// The same normalised day as a broken-down time at noon, daylight saving off,
// with its weekday and day of the year, ready for strftime.
std::tm CalendarDay(int year, int month, int day);

// Reads what is left of `in` into `bytes`; false when the stream failed
// (a folder opens but cannot be read).
bool ReadRest(std::istream& in, std::string& bytes);

// The lines of a text held in memory, cut at each line feed as std::getline
// cuts a stream's, with a CR before the line end dropped, so that files
// written on Windows read the same.
class TextLines {
  public:
    explicit TextLines(std::string_view text) : text_(text) {}
    // The next line, without its line end; false after the last.
    bool Next(std::string& line);
    // The text after the lines read so far.
    std::string_view rest() const { return text_.substr(at_); }

  private:
    std::string_view text_;
    std::size_t at_ = 0;
};
