#include "app/channel.h"

#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>

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

bool ReadUntil(int fd, char mark, std::string& pending, std::string& text, int timeoutMs) {
    for (;;) {
        const std::size_t end = pending.find(mark);
        if (end != std::string::npos) {
            text.assign(pending, 0, end);
            pending.erase(0, end + 1);
            return true;
        }
        pollfd ready{fd, POLLIN, 0};
        const int polled = poll(&ready, 1, timeoutMs);
        if (polled < 0 && errno == EINTR) continue;
        if (polled <= 0) return false;
        char chunk[4096];
        const ssize_t n = read(fd, chunk, sizeof chunk);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        pending.append(chunk, static_cast<std::size_t>(n));
    }
}
