#pragma once

#include <cstddef>
#include <deque>
#include <functional>

// Appends the elements of `input` to `output` ordered by key, with the tie
// rules the report writers rely on: a tie with the first element goes in
// front of it, a tie with the last element goes after it, and any other tie
// goes before the equal element. The key of each element is asked for once;
// the work grows as n log n.
void InsertionSortByKey(const std::deque<int>& input, std::deque<int>& output,
                        const std::function<double(int)>& key);

// Paybacks below 3 years are short, from 3 to below 7 medium, from 7 long.
inline constexpr double kShortPaybackYears = 3;
inline constexpr double kLongPaybackYears = 7;
// The report order starts with this many of the "other" recommendations.
inline constexpr std::size_t kOtherRecsInReportOrder = 3;

// A negative payback means none was computed: it sorts after every real one.
inline constexpr double kNoPaybackSortKey = 100000;
inline double PaybackSortKey(double payback) {
    return payback < 0 ? kNoPaybackSortKey : payback;
}
