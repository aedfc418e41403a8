#include "app/atomicfile.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <mutex>

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

constexpr char kTempPrefix[] = ".tarvex-";
constexpr char kTempSuffix[] = ".tmp";

}  // namespace

const std::string& TemporaryNameHost() {
    static const std::string host = [] {
        char name[256] = {};
        if (gethostname(name, sizeof name - 1) != 0) return std::string("host");
        std::string part;
        for (const char* c = name; *c != '\0' && part.size() < 64; ++c) {
            const bool plain = (*c >= 'a' && *c <= 'z') || (*c >= 'A' && *c <= 'Z') ||
                               (*c >= '0' && *c <= '9') || *c == '.' || *c == '_';
            part += plain ? *c : '_';
        }
        return part.empty() ? std::string("host") : part;
    }();
    return host;
}

namespace {

// Creates a new temporary file beside `path`, for writing; -1 (and `error`)
// when none can be made. Its name, ".tarvex-HOST-PID-N.tmp", tells a later
// run which machine and process made it (RemoveStaleTemporaries).
int CreateTemporary(const std::string& path, std::string& temp, int& error) {
    const std::string::size_type slash = path.rfind('/');
    const std::string folder = slash == std::string::npos ? "" : path.substr(0, slash + 1);
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temp = folder + kTempPrefix + TemporaryNameHost() + "-" + std::to_string(getpid()) + "-" +
               std::to_string(g_serial.fetch_add(1)) + kTempSuffix;
        // O_EXCL: a name that exists, a planted link included, is never opened.
        fd = open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
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
    // The name must still be the file we wrote: another process that can
    // write in the folder may have put something else, a link, in its place.
    struct stat written {};
    struct stat named {};
    if (ok && (fstat(fd, &written) != 0 || lstat(temp.c_str(), &named) != 0 ||
               written.st_dev != named.st_dev || written.st_ino != named.st_ino)) {
        ok = false;
        error = EEXIST;
        close(fd);
        return ok;
    }
    if (close(fd) != 0 && ok) {
        ok = false;
        error = errno;
    }
    if (ok && std::rename(temp.c_str(), path.c_str()) != 0) {
        ok = false;
        error = errno;
    }
    // A link swapped in between the check and the rename has been renamed
    // into place: take it away again. Our writers never make links, so this
    // cannot remove another run's output.
    struct stat placed {};
    if (ok && lstat(path.c_str(), &placed) == 0 && S_ISLNK(placed.st_mode)) {
        unlink(path.c_str());
        ok = false;
        error = EEXIST;
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

namespace {

// An output written to its temporary file, still open, not yet in place.
struct HeldOutput {
    int fd;
    std::string temp;
    std::string path;
};

struct Held {
    std::mutex mutex;
    bool holding = false;
    std::vector<HeldOutput> outputs;
};

Held& HeldFiles() {
    static Held held;
    return held;
}

}  // namespace

namespace {
std::atomic<bool> g_commitFlush{true};
}  // namespace

void SetCommitFlush(bool flush) {
    g_commitFlush.store(flush);
}

void HoldOutputs() {
    DiscardHeldOutputs();
    Held& held = HeldFiles();
    const std::lock_guard<std::mutex> lock(held.mutex);
    held.holding = true;
}

void DiscardHeldOutputs() {
    Held& held = HeldFiles();
    const std::lock_guard<std::mutex> lock(held.mutex);
    for (const HeldOutput& o : held.outputs) {
        close(o.fd);
        unlink(o.temp.c_str());
    }
    held.outputs.clear();
    held.holding = false;
}

std::vector<std::pair<std::string, FileWriteResult>> CommitOutputs(bool lastAfterAll) {
    Held& held = HeldFiles();
    const std::lock_guard<std::mutex> lock(held.mutex);
    held.holding = false;
    // One flush for each file system the outputs are on; a write error it
    // reports fails every output there, since it does not say whose.
    std::vector<std::pair<dev_t, int>> flushed;  // device, error (0 for none)
    std::vector<std::pair<std::string, FileWriteResult>> failed;
    for (std::size_t i = 0; i < held.outputs.size(); ++i) {
        const HeldOutput& o = held.outputs[i];
        if (lastAfterAll && i + 1 == held.outputs.size() && !failed.empty()) {
            close(o.fd);
            unlink(o.temp.c_str());
            break;
        }
        struct stat info {};
        int error = fstat(o.fd, &info) == 0 ? 0 : errno;
        if (error == 0) {
            auto known = std::find_if(flushed.begin(), flushed.end(),
                                      [&info](const auto& f) { return f.first == info.st_dev; });
            if (known == flushed.end()) {
                const bool synced = !g_commitFlush.load() || syncfs(o.fd) == 0;
                flushed.emplace_back(info.st_dev, synced ? 0 : errno);
                known = flushed.end() - 1;
            }
            error = known->second;
        }
        if (error != 0) {
            close(o.fd);
            failed.emplace_back(o.path, Failed(o.temp, error));
        } else if (!SyncAndRename(o.fd, o.temp, o.path, error, FileSync::kLeftToSystem)) {
            failed.emplace_back(o.path, Failed(o.temp, error));
        }
    }
    held.outputs.clear();
    return failed;
}

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
    if (sync == FileSync::kToDisk) {
        // Only a name that is free or a plain file is held: one that cannot
        // be replaced (a folder, a name too long) fails here and now, as it
        // always has, where the writer can say so in its own words.
        struct stat there {};
        const bool replaceable =
            lstat(path.c_str(), &there) == 0 ? S_ISREG(there.st_mode) : errno == ENOENT;
        Held& held = HeldFiles();
        const std::lock_guard<std::mutex> lock(held.mutex);
        if (held.holding && replaceable) {
            // The disk starts on it now, while the run goes on; the flush at
            // the end then waits for little more than the folders' entries.
            if (g_commitFlush.load()) sync_file_range(fd, 0, 0, SYNC_FILE_RANGE_WRITE);
            held.outputs.push_back({fd, temp, path});
            return FileWriteResult();
        }
    }
    if (!SyncAndRename(fd, temp, path, error, sync)) return Failed(temp, error);
    return FileWriteResult();
}

FileWriteResult WriteNewFileWhole(const std::string& path, std::string_view bytes) {
    std::string temp;
    int error = 0;
    const int fd = CreateTemporary(path, temp, error);
    if (fd < 0) return NotOpened(error);
    if (!WriteAll(fd, reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size(), error)) {
        close(fd);
        return Failed(temp, error);
    }
    struct stat written {};
    struct stat named {};
    const bool synced = fsync(fd) == 0;
    if (!synced) error = errno;
    // The name must still be the file we wrote, as for a rename.
    const bool same = fstat(fd, &written) == 0 && lstat(temp.c_str(), &named) == 0 &&
                      written.st_dev == named.st_dev && written.st_ino == named.st_ino;
    if (close(fd) != 0 && synced) error = errno;
    if (!synced || error != 0) return Failed(temp, error);
    if (!same) return Failed(temp, EEXIST);
    int placed = link(temp.c_str(), path.c_str());
    if (placed != 0 && errno != EEXIST) {
        // A file system without links: a rename that refuses to replace.
        placed = renameat2(AT_FDCWD, temp.c_str(), AT_FDCWD, path.c_str(), RENAME_NOREPLACE);
    }
    if (placed != 0) {
        error = errno;
        FileWriteResult result = Failed(temp, error);
        result.existed = error == EEXIST;
        return result;
    }
    unlink(temp.c_str());
    return FileWriteResult();
}

std::string FileWriteFailureText(const std::string& path, const FileWriteResult& result) {
    return std::string(result.opened ? "Could not write file " : "Could not open file ") + path +
           "\nReason: " + result.reason + "\n";
}

bool ParseTemporaryName(const std::string& name, std::string& host, long& pid) {
    const std::size_t prefix = sizeof kTempPrefix - 1;
    const std::size_t suffix = sizeof kTempSuffix - 1;
    if (name.size() <= prefix + suffix || name.compare(0, prefix, kTempPrefix) != 0 ||
        name.compare(name.size() - suffix, suffix, kTempSuffix) != 0)
        return false;
    const std::string middle = name.substr(prefix, name.size() - prefix - suffix);
    const auto digits = [](const std::string& s) {
        return !s.empty() && s.size() <= 18 &&
               s.find_first_not_of("0123456789") == std::string::npos;
    };
    const std::size_t last = middle.rfind('-');
    if (last == std::string::npos || !digits(middle.substr(last + 1))) return false;
    const std::string rest = middle.substr(0, last);
    const std::size_t dash = rest.rfind('-');
    // Earlier versions wrote ".tarvex-PID-N.tmp", always on this machine.
    const std::string pidText = dash == std::string::npos ? rest : rest.substr(dash + 1);
    host = dash == std::string::npos ? TemporaryNameHost() : rest.substr(0, dash);
    if (!digits(pidText)) return false;
    pid = std::stol(pidText);
    return pid > 0;
}

namespace {

// Removes the temporary files of ours in `folder` (regular files only) for
// which `stale(path, info, host, pid)` holds; how many were removed.
template <typename Stale>
int RemoveTemporariesWhere(const std::string& folder, const Stale& stale) {
    DIR* dir = opendir(folder.empty() ? "." : folder.c_str());
    if (dir == nullptr) return 0;
    const std::unique_ptr<DIR, int (*)(DIR*)> closer(dir, &closedir);
    const std::string base = folder.empty() || folder.back() == '/' ? folder : folder + "/";
    int removed = 0;
    while (const dirent* entry = readdir(dir)) {
        const std::string name = entry->d_name;
        std::string host;
        long pid = 0;
        if (!ParseTemporaryName(name, host, pid)) continue;
        const std::string path = base + name;
        struct stat info {};
        // Only a regular file of ours: a link or anything else is left alone.
        if (lstat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) continue;
        if (!stale(info, host, pid)) continue;
        if (unlink(path.c_str()) == 0) ++removed;
    }
    return removed;
}

}  // namespace

bool ProcessHasEnded(long pid) {
    if (pid <= 0) return false;
    if (kill(static_cast<pid_t>(pid), 0) != 0) return errno == ESRCH;
    // "PID (NAME) STATE ...": the name may hold anything, so the state is
    // read after its last ")".
    char text[512] = {};
    const std::string path = "/proc/" + std::to_string(pid) + "/stat";
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return errno == ENOENT;
    const ssize_t n = read(fd, text, sizeof text - 1);
    close(fd);
    if (n <= 0) return false;
    const char* name = std::strrchr(text, ')');
    return name != nullptr && name[1] == ' ' && (name[2] == 'Z' || name[2] == 'X');
}

int RemoveStaleTemporaries(const std::string& folder, std::time_t start) {
    return RemoveTemporariesWhere(
        folder, [start](const struct stat& info, const std::string& host, long pid) {
            if (info.st_mtime >= start) return false;
            if (host == TemporaryNameHost()) {
                // A run of this machine that still runs may be about to rename it.
                return ProcessHasEnded(pid);
            }
            // Another machine's run cannot be asked; a run lasts seconds.
            return info.st_mtime < start - kOtherMachineGrace;
        });
}

int RemoveTemporariesOf(const std::string& folder, long pid) {
    return RemoveTemporariesWhere(folder,
                                  [pid](const struct stat&, const std::string& host, long madeBy) {
                                      return madeBy == pid && host == TemporaryNameHost();
                                  });
}
