#include "project/ordering.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <map>
#include <random>
#include <vector>

namespace {

std::deque<int> Sorted(const std::map<int, double>& payback, const std::deque<int>& input) {
    std::deque<int> out;
    InsertionSortByKey(input, out, [&](int o) { return PaybackSortKey(payback.at(o)); });
    return out;
}

TEST(RecommendationSort, TiesFollowTheReportRules) {
    // Three equal paybacks A(1), B(2), C(3): B after A, C in front.
    EXPECT_EQ(Sorted({{1, 4}, {2, 4}, {3, 4}}, {1, 2, 3}), (std::deque<int>{3, 1, 2}));
    // A tie with the last element goes after it; an inner tie goes before.
    EXPECT_EQ(Sorted({{1, 1}, {2, 5}, {3, 5}}, {1, 2, 3}), (std::deque<int>{1, 2, 3}));
    EXPECT_EQ(Sorted({{1, 1}, {2, 3}, {3, 9}, {4, 3}}, {1, 2, 3, 4}),
              (std::deque<int>{1, 4, 2, 3}));
}

TEST(RecommendationSort, AscendingWithNegativePaybacksLast) {
    EXPECT_EQ(Sorted({{10, 5}, {11, 3}}, {10, 11}), (std::deque<int>{11, 10}));
    EXPECT_EQ(Sorted({{1, -1}, {2, 50}, {3, 0.5}, {4, 99999}}, {1, 2, 3, 4}),
              (std::deque<int>{3, 2, 4, 1}));
    EXPECT_EQ(Sorted({{7, 2}}, {7}), (std::deque<int>{7}));
    EXPECT_TRUE(Sorted({}, {}).empty());
}

TEST(RecommendationSort, AppendsWithoutTouchingTheInput) {
    const std::map<int, double> payback{{1, 3}, {2, 1}, {3, 2}};
    const std::deque<int> input{1, 2, 3};
    std::deque<int> out{42};
    InsertionSortByKey(input, out, [&](int o) { return payback.at(o); });
    EXPECT_EQ(out, (std::deque<int>{42, 2, 3, 1}));
    EXPECT_EQ(input, (std::deque<int>{1, 2, 3}));
}

// The report order written out step by step as a plain insertion sort,
// reading the key at every comparison: the reference the fast order must
// match element for element.
std::deque<int> ReferenceOrder(const std::deque<int>& input,
                               const std::function<double(int)>& key) {
    std::deque<int> out;
    if (input.empty()) return out;
    out.push_back(input[0]);
    if (input.size() == 1) return out;
    if (key(input[1]) < key(out[0]))
        out.push_front(input[1]);
    else
        out.push_back(input[1]);
    for (std::size_t i = 2; i < input.size(); ++i) {
        const int x = input[i];
        if (key(x) <= key(out.front())) {
            out.push_front(x);
        } else if (key(out.back()) <= key(x)) {
            out.push_back(x);
        } else {
            std::size_t at = 1;
            while (at < out.size() && !(key(x) <= key(out[at]))) ++at;
            out.insert(out.begin() + static_cast<std::ptrdiff_t>(at), x);
        }
    }
    return out;
}

TEST(RecommendationSort, MatchesThePlainInsertionSortOnRandomLists) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    std::mt19937 random(20261210);
    // Few distinct values make ties frequent; NaN, negative (counted as
    // 100000), zero of both signs and the 100000 itself take part.
    const std::vector<double> pool{0, -0.0, 0.5, 1,  2.5,    3,      3,   7,
                                   7, 12,   -1,  -4, 100000, 1e-300, nan, nan};
    for (int trial = 0; trial < 3000; ++trial) {
        const std::size_t n = trial < 50 ? static_cast<std::size_t>(trial % 6) : 1 + random() % 60;
        const int distinct = 1 + static_cast<int>(random() % pool.size());
        std::map<int, double> payback;
        std::deque<int> input;
        for (std::size_t i = 0; i < n; ++i) {
            const int object = 100 + static_cast<int>(i) * 3;
            payback[object] = trial % 7 == 0 ? std::ldexp(static_cast<double>(random() % 1000), -3)
                                             : pool[random() % static_cast<unsigned>(distinct)];
            input.push_back(object);
        }
        const auto key = [&](int o) { return PaybackSortKey(payback.at(o)); };
        std::deque<int> out{-1};
        InsertionSortByKey(input, out, key);
        std::deque<int> expected = ReferenceOrder(input, key);
        expected.push_front(-1);
        ASSERT_EQ(out, expected) << "trial " << trial;
    }
}

TEST(RecommendationSort, MatchesThePlainInsertionSortOnOrderedAndNanRuns) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    // Ascending, descending, all equal, NaN first and NaN between.
    const std::vector<std::vector<double>> cases{
        {1, 2, 3, 4, 5, 6},    {6, 5, 4, 3, 2, 1},        {2, 2, 2, 2, 2},
        {nan, 3, 1, 2, 3, 1},  {4, nan, 1, 4, nan, 2, 4}, {nan, nan, 5, 5, 1},
        {1, 9, nan, 5, 9, 10}, {-1, 5, -2, 100000, 5},
    };
    for (const auto& values : cases) {
        std::map<int, double> payback;
        std::deque<int> input;
        for (std::size_t i = 0; i < values.size(); ++i) {
            payback[static_cast<int>(i)] = values[i];
            input.push_back(static_cast<int>(i));
        }
        const auto key = [&](int o) { return PaybackSortKey(payback.at(o)); };
        std::deque<int> out;
        InsertionSortByKey(input, out, key);
        EXPECT_EQ(out, ReferenceOrder(input, key));
    }
}

TEST(RecommendationSort, AsksForEachKeyOnce) {
    std::deque<int> input;
    for (int i = 0; i < 500; ++i) input.push_back((i * 7919) % 500);
    std::map<int, int> asked;
    std::deque<int> out;
    InsertionSortByKey(input, out, [&](int o) {
        ++asked[o];
        return static_cast<double>(o % 37);
    });
    ASSERT_EQ(asked.size(), 500u);
    for (const auto& [object, count] : asked) EXPECT_EQ(count, 1) << object;
}

}  // namespace
