#pragma once

#include <deque>
#include <functional>

// Appends the elements of `input` to `output` ordered by key, with the tie
// rules the report writers rely on: a tie with the first element goes in
// front of it, a tie with the last element goes after it, and any other tie
// goes before the equal element. The key of each element is asked for once;
// the work grows as n log n.
void InsertionSortByKey(const std::deque<int>& input, std::deque<int>& output,
                        const std::function<double(int)>& key);

// Sort key of a recommendation: its payback, with a negative payback after
// every real one.
inline double PaybackSortKey(double payback) {
    return payback < 0 ? 100000 : payback;
}
