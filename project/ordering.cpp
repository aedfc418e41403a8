#include "project/ordering.h"

#include <cmath>
#include <list>
#include <map>
#include <vector>

#include "project/project.h"

// The order is that of an insertion sort that puts each element in front
// when its key is at most the first one's, at the end when the last one's key
// is at most its own, and otherwise before the first later element whose key
// is at least its own. Keys that are not numbers compare false with
// everything, so such an element always lands at the end and is passed over
// by every later search; the elements with numeric keys stay in ascending
// order around them. That lets a map from each numeric key to the first
// element holding it find every insertion point by binary search.
void InsertionSortByKey(const std::deque<int>& input, std::deque<int>& output,
                        const std::function<double(int)>& key) {
    if (input.empty()) return;

    struct Entry {
        int object;
        double key;
    };
    std::list<Entry> sorted;
    using Position = std::list<Entry>::iterator;
    // First element of each numeric key, in list order.
    std::map<double, Position> firstOfKey;

    auto pushFront = [&](const Entry& e) {
        sorted.push_front(e);
        if (!std::isnan(e.key)) firstOfKey[e.key] = sorted.begin();
    };
    auto pushBack = [&](const Entry& e) {
        sorted.push_back(e);
        if (!std::isnan(e.key)) firstOfKey.emplace(e.key, std::prev(sorted.end()));
    };

    pushBack({input[0], key(input[0])});
    if (input.size() > 1) {
        const Entry second{input[1], key(input[1])};
        if (second.key < sorted.front().key)
            pushFront(second);
        else
            pushBack(second);
    }
    for (std::size_t i = 2; i < input.size(); ++i) {
        const Entry x{input[i], key(input[i])};
        if (x.key <= sorted.front().key) {
            pushFront(x);
        } else if (sorted.back().key <= x.key) {
            pushBack(x);
        } else if (std::isnan(x.key)) {
            sorted.push_back(x);
        } else {
            // The first numeric key at least x's; the first element can not
            // hold it, or x would have gone in front.
            const auto at = firstOfKey.lower_bound(x.key);
            if (at == firstOfKey.end()) {
                pushBack(x);
            } else {
                const Position placed = sorted.insert(at->second, x);
                if (at->first == x.key)
                    at->second = placed;
                else
                    firstOfKey.emplace_hint(at, x.key, placed);
            }
        }
    }
    for (const Entry& e : sorted) output.push_back(e.object);
}

void PROJECT::fSORT(const std::deque<int>& input, std::deque<int>& output) {
    InsertionSortByKey(input, output,
                       [this](int o) { return PaybackSortKey(boc.Vnum(o, "PAY-BACK-NUM")); });
}

void PROJECT::fREC_Report() {
    for (const RECOMMENDATION& r : recommendations) {
        const int o = r.objectIndex;
        if (boc.Vcod(o, "REF-OBJECT-TYPE") != "WHOLE-BUILDING") continue;
        const std::string source = boc.Vcod(o, "REC-SOURCE");
        if (source == "CALC-IN") {
            const double p = boc.Vnum(o, "PAY-BACK-NUM");
            if (p >= 0 && p < kShortPaybackYears)
                recShort.push_back(o);
            else if (p >= kShortPaybackYears && p < kLongPaybackYears)
                recMedium.push_back(o);
            else if (p >= kLongPaybackYears)
                recLong.push_back(o);
            else if (p < 0)
                recOther.push_back(o);
            else
                recShort.push_back(o);  // a NaN payback fails every test
        } else if (source == "USER-IN") {
            recOther.push_back(o);
        }
    }
    fSORT(recShort, recShortSorted);
    fSORT(recMedium, recMediumSorted);
    fSORT(recLong, recLongSorted);
    fSORT(recOther, recOtherSorted);
    for (std::size_t i = 0; i < recOtherSorted.size() && i < kOtherRecsInReportOrder; ++i)
        recOrder.push_back(recOtherSorted[i]);
    for (const auto* group : {&recShortSorted, &recMediumSorted, &recLongSorted})
        recOrder.insert(recOrder.end(), group->begin(), group->end());
}
