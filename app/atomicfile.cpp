#include "app/atomicfile.h"

#include <fcntl.h>
#include <sys/stat.h>
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

bool ReadAll(int fd, std::vector<unsigned char>& bytes, int& error) {
    struct stat info {};
    if (fstat(fd, &info) != 0) {
        error = errno;
        return false;
    }
    bytes.resize(static_cast<std::size_t>(info.st_size));
    std::size_t got = 0;
    while (got < bytes.size()) {
        const ssize_t n = read(fd, bytes.data() + got, bytes.size() - got);
        if (n < 0) {
            if (errno == EINTR) continue;
            error = errno;
            return false;
        }
        if (n == 0) break;
        got += static_cast<std::size_t>(n);
    }
    bytes.resize(got);
    return true;
}

// Creates a new temporary file beside `path`, for writing; -1 (and `error`)
// when none can be made.
int CreateTemporary(const std::string& path, std::string& temp, int& error) {
    const std::string::size_type slash = path.rfind('/');
    const std::string folder = slash == std::string::npos ? "" : path.substr(0, slash + 1);
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temp = folder + ".tarvex-" + std::to_string(getpid()) + "-" +
               std::to_string(g_serial.fetch_add(1)) + ".tmp";
        fd = open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0) {
            error = errno;
            if (error != EEXIST) break;
        }
    }
    return fd;
}

// Flushes the temporary file to disk, closes it and renames it over `path`.
// Some file systems report a full disk only when the data reaches it.
bool SyncAndRename(int fd, const std::string& temp, const std::string& path, int& error,
                   FileSync sync = FileSync::kToDisk) {
    bool ok = true;
    if (sync == FileSync::kToDisk && fsync(fd) != 0) {
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
    return ok;
}

FileWriteResult Failed(const std::string& temp, int error) {
    unlink(temp.c_str());
    FileWriteResult result;
    result.ok = false;
    result.reason = Reason(error);
    return result;
}

// The temporary file could not even be created.
FileWriteResult NotOpened(int error) {
    FileWriteResult result;
    result.ok = false;
    result.opened = false;
    result.reason = Reason(error);
    return result;
}

}  // namespace

FileWriteResult WriteFileWhole(const std::string& path, const void* data, std::size_t size,
                               FileSync sync) {
    std::string temp;
    int error = 0;
    const int fd = CreateTemporary(path, temp, error);
    if (fd < 0) return NotOpened(error);
    if (!WriteAll(fd, static_cast<const unsigned char*>(data), size, error)) {
        close(fd);
        return Failed(temp, error);
    }
    if (!SyncAndRename(fd, temp, path, error, sync)) return Failed(temp, error);
    return FileWriteResult();
}

FileWriteResult WriteFileFrom(const std::string& path,
                              const std::function<bool(const std::string& temp)>& fill,
                              const std::function<bool(const std::vector<unsigned char>&)>& whole,
                              std::vector<unsigned char>& bytes) {
    bytes.clear();
    std::string temp;
    int error = 0;
    int fd = CreateTemporary(path, temp, error);
    if (fd < 0) return NotOpened(error);
    close(fd);
    // The writer opens the file again by its name; the name stays ours.
    if (!fill(temp)) return Failed(temp, EIO);
    fd = open(temp.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return Failed(temp, errno);
    if (!ReadAll(fd, bytes, error) || !whole(bytes)) {
        close(fd);
        bytes.clear();
        return Failed(temp, error != 0 ? error : EIO);
    }
    if (!SyncAndRename(fd, temp, path, error)) {
        bytes.clear();
        return Failed(temp, error);
    }
    return FileWriteResult();
}

std::string FileWriteFailureText(const std::string& path, const FileWriteResult& result) {
    return std::string(result.opened ? "Could not write file " : "Could not open file ") + path +
           "\nReason: " + result.reason + "\n";
}
