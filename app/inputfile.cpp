#include "app/inputfile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <memory>

#include "app/stop.h"

std::string InputFileProblem(const std::string& path) {
    struct stat st {};
    if (stat(path.c_str(), &st) != 0) return std::string();
    if (!S_ISREG(st.st_mode)) {
        return "ERROR: " + path +
               " is not a regular file (a folder, device or pipe); Tarvex reads only regular "
               "files\n";
    }
    if (static_cast<std::uintmax_t>(st.st_size) > kInputFileLimit) {
        return "ERROR: " + path + " holds " + std::to_string(st.st_size) +
               " bytes; Tarvex reads files of at most 64 MB (" + std::to_string(kInputFileLimit) +
               " bytes)\n";
    }
    return std::string();
}

void RefuseUnfitInput(const std::string& path) {
    const std::string problem = InputFileProblem(path);
    if (!problem.empty()) StopRunOnErrorStream("\n" + problem);
}

bool ReadRunFile(const std::string& path, std::string& bytes) {
    switch (ReadRegularFile(path, kInputFileLimit, bytes)) {
        case FileRead::kDone:
            return true;
        case FileRead::kNotRegular:
        case FileRead::kTooLarge:
            RefuseUnfitInput(path);
            // A file that changed since it was looked at: refused all the same.
            StopRunOnErrorStream("\nERROR: " + path + " changed while it was read\n");
        default:
            return false;
    }
}

bool IsReadableRegularFile(const std::string& path) {
    struct stat st {};
    return stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && access(path.c_str(), R_OK) == 0;
}

namespace {

class Descriptor {
  public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }

  private:
    int fd_;
};

// The canonical path of a file or folder, symbolic links resolved; empty
// when it cannot be found.
std::string Canonical(const std::string& path) {
    std::unique_ptr<char, decltype(&std::free)> real(realpath(path.c_str(), nullptr), &std::free);
    return real ? std::string(real.get()) : std::string();
}

// The canonical path of the file an open descriptor refers to.
std::string CanonicalOfDescriptor(int fd) {
    char buffer[PATH_MAX + 1];
    const std::string link = "/proc/self/fd/" + std::to_string(fd);
    const ssize_t n = readlink(link.c_str(), buffer, PATH_MAX);
    if (n <= 0) return std::string();
    return std::string(buffer, static_cast<std::size_t>(n));
}

bool Within(const std::string& file, const std::string& folder) {
    if (file.empty() || folder.empty()) return false;
    if (folder == "/") return file.size() > 1 && file[0] == '/';
    return file.size() > folder.size() + 1 && file.compare(0, folder.size(), folder) == 0 &&
           file[folder.size()] == '/';
}

// Whether a part of `file`'s name below `folder` (which holds it) starts
// with ".": hidden files and folders are where keys and histories are kept.
bool HiddenBelow(const std::string& file, const std::string& folder) {
    std::size_t at = folder == "/" ? 1 : folder.size() + 1;
    while (at < file.size()) {
        if (file[at] == '.') return true;
        const std::size_t slash = file.find('/', at);
        if (slash == std::string::npos) break;
        at = slash + 1;
    }
    return false;
}

// Reads a regular file; when `folder` is given, only one inside it.
FileRead ReadChecked(const std::string& path, const std::string* folder, std::uintmax_t limit,
                     std::string& bytes, int* error) {
    bytes.clear();
    const auto failed = [error](FileRead result, int code) {
        if (error != nullptr) *error = code;
        return result;
    };
    struct stat before {};
    if (stat(path.c_str(), &before) != 0) return failed(FileRead::kCannotOpen, errno);
    if (!S_ISREG(before.st_mode)) return FileRead::kNotRegular;
    if (folder == nullptr && static_cast<std::uintmax_t>(before.st_size) > limit)
        return FileRead::kTooLarge;
    // O_NONBLOCK: should the name have become a FIFO since stat, the open
    // returns at once and the check below refuses it.
    const Descriptor fd(open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (fd.get() < 0) return failed(FileRead::kCannotOpen, errno);
    struct stat after {};
    if (fstat(fd.get(), &after) != 0) return failed(FileRead::kFailed, errno);
    if (!S_ISREG(after.st_mode)) return FileRead::kNotRegular;
    if (folder != nullptr) {
        // Where the open file really is, whatever links the name went through.
        std::string real = CanonicalOfDescriptor(fd.get());
        if (real.empty()) real = Canonical(path);
        if (!Within(real, *folder)) return FileRead::kOutside;
        if (HiddenBelow(real, *folder)) return FileRead::kHidden;
        if (after.st_nlink != 1) return FileRead::kManyLinks;
    }
    if (static_cast<std::uintmax_t>(after.st_size) > limit) return FileRead::kTooLarge;
    bytes.resize(static_cast<std::size_t>(after.st_size));
    std::size_t got = 0;
    for (;;) {
        // Past the size fstat gave, the file may have grown: a small read
        // tells, and the buffer grows only by what it brings, up to the limit.
        char more[4096];
        const bool past = got == bytes.size();
        const ssize_t n = past ? read(fd.get(), more, sizeof more)
                               : read(fd.get(), &bytes[got], bytes.size() - got);
        if (n < 0) {
            if (errno == EINTR) continue;
            const int code = errno;
            bytes.clear();
            return failed(FileRead::kFailed, code);
        }
        if (n == 0) break;
        if (past) {
            if (got + static_cast<std::size_t>(n) > limit) {
                bytes.clear();
                return FileRead::kTooLarge;
            }
            bytes.append(more, static_cast<std::size_t>(n));
        }
        got += static_cast<std::size_t>(n);
    }
    bytes.resize(got);
    return FileRead::kDone;
}

}  // namespace

FileRead ReadRegularFile(const std::string& path, std::uintmax_t limit, std::string& bytes,
                         int* error) {
    return ReadChecked(path, nullptr, limit, bytes, error);
}

FileRead ReadFileInFolder(const std::string& folder, const std::string& path, std::uintmax_t limit,
                          std::string& bytes) {
    bytes.clear();
    const std::string root = Canonical(folder.empty() ? std::string(".") : folder);
    if (root.empty() || path.empty()) return FileRead::kCannotOpen;
    const FileRead asGiven = ReadChecked(path, &root, limit, bytes, nullptr);
    if (asGiven == FileRead::kDone || path[0] == '/') return asGiven;
    // A name relative to the input's own folder, wherever the run started.
    const FileRead beside = ReadChecked(root + "/" + path, &root, limit, bytes, nullptr);
    return beside == FileRead::kCannotOpen ? asGiven : beside;
}

std::string FolderOf(const std::string& path) {
    const std::string::size_type slash = path.find_last_of("/\\");
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}
