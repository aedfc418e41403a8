#include "app/atomicfile.h"

#include <fcntl.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {

std::string Reason(int error) {
    return std::strerror(error);
}

// Distinct names for the temporary files of one process, also across threads.
std::atomic<unsigned> g_serial{0};

bool WriteAll(int fd, const unsigned char* data, std::size_t size, int& error) {
    while (size > 0) {
        const ssize_t n = write(fd, data, size);
        if (n < 0) {
            if (errno == EINTR) continue;
            error = errno;
            return false;
        }
        // write() cannot make progress yet reports none: treat as a full disk
        // rather than loop forever.
        if (n == 0) {
            error = ENOSPC;
            return false;
        }
        data += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

}  // namespace

FileWriteResult WriteFileWhole(const std::string& path, const void* data, std::size_t size) {
    FileWriteResult result;
    const std::string::size_type slash = path.rfind('/');
    const std::string folder = slash == std::string::npos ? "" : path.substr(0, slash + 1);
    std::string temp;
    int fd = -1;
    int error = 0;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temp = folder + ".tarvex-" + std::to_string(getpid()) + "-" +
               std::to_string(g_serial.fetch_add(1)) + ".tmp";
        fd = open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0) {
            error = errno;
            if (error != EEXIST) break;
        }
    }
    if (fd < 0) {
        result.ok = false;
        result.opened = false;
        result.reason = Reason(error);
        return result;
    }
    bool ok = WriteAll(fd, static_cast<const unsigned char*>(data), size, error);
    // Some file systems report a full disk only when the data reaches it.
    if (ok && fsync(fd) != 0) {
        ok = false;
        error = errno;
    }
    if (close(fd) != 0 && ok) {
        ok = false;
        error = errno;
    }
    if (ok && std::rename(temp.c_str(), path.c_str()) != 0) {
        ok = false;
        error = errno;
    }
    if (!ok) {
        unlink(temp.c_str());
        result.ok = false;
        result.reason = Reason(error);
    }
    return result;
}

std::string FileWriteFailureText(const std::string& path, const FileWriteResult& result) {
    return std::string(result.opened ? "Could not write file " : "Could not open file ") + path +
           "\nReason: " + result.reason + "\n";
}
