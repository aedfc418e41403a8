#include "app/channel.h"

#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>

bool SendAll(int fd, const std::string& bytes) {
    std::size_t sent = 0;
    while (sent < bytes.size()) {
        const ssize_t n = send(fd, bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        sent += static_cast<std::size_t>(n);
    }
    return true;
}

bool ReadUntil(int fd, char mark, std::string& pending, std::string& text, int timeoutMs,
               std::size_t limit) {
    using Clock = std::chrono::steady_clock;
    const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    for (;;) {
        const std::size_t end = pending.find(mark);
        if (end != std::string::npos) {
            text.assign(pending, 0, end);
            pending.erase(0, end + 1);
            return true;
        }
        if (pending.size() > limit) return false;
        int waitMs = -1;
        if (timeoutMs >= 0) {
            // Rounded up: a wait cut short by the rounding would give up
            // before the deadline, and a caller that measures the time from
            // before it would take the timeout for the peer ending.
            const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now());
            if (left.count() <= 0) return false;
            waitMs = static_cast<int>(left.count());
        }
        pollfd ready{fd, POLLIN, 0};
        const int polled = poll(&ready, 1, waitMs);
        if (polled == 0 || (polled < 0 && errno == EINTR)) continue;
        if (polled < 0) return false;
        char chunk[4096];
        const ssize_t n = read(fd, chunk, sizeof chunk);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        pending.append(chunk, static_cast<std::size_t>(n));
    }
}
