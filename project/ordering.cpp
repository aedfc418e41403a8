#include "project/ordering.h"

void InsertionSortByKey(const std::deque<int>& input, std::deque<int>& output,
                        const std::function<double(int)>& key) {
    if (input.empty()) return;
    std::deque<int> sorted;
    sorted.push_back(input[0]);
    if (input.size() > 1) {
        if (key(input[1]) < key(sorted[0]))
            sorted.push_front(input[1]);
        else
            sorted.push_back(input[1]);
    }
    for (std::size_t i = 2; i < input.size(); ++i) {
        const int x = input[i];
        const double kx = key(x);
        if (kx <= key(sorted.front())) {
            sorted.push_front(x);
        } else if (key(sorted.back()) <= kx) {
            sorted.push_back(x);
        } else {
            auto it = sorted.begin() + 1;
            while (it != sorted.end() && !(kx <= key(*it))) ++it;
            sorted.insert(it, x);
        }
    }
    output.insert(output.end(), sorted.begin(), sorted.end());
}
