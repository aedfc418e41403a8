#include "project/ordering.h"

#include <gtest/gtest.h>

#include <map>

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

}  // namespace
