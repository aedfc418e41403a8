#pragma once

#include <cstdint>
#include <string>

// Bounds on the files a run reads (the input, the library definition, the
// library files, the run configuration and key files, messages and packages,
// and the files an input names): each must be a regular file of at most
// kInputFileLimit bytes. Checked before the file is opened, so that a device
// (/dev/zero), a FIFO or a folder is never read, and a huge file never fills
// memory.
inline constexpr std::uintmax_t kInputFileLimit = 64u * 1024u * 1024u;

// Empty when the file may be read, or does not exist (its reader reports a
// missing file as before); otherwise the line, with its line end, that says
// why it is refused.
std::string InputFileProblem(const std::string& path);

// Stops the run (StopRun: log and console, status 1) when InputFileProblem
// finds one.
void RefuseUnfitInput(const std::string& path);

// For a file the run needs (the input, its data, a key or configuration
// file): an unfit one stops the run as RefuseUnfitInput does; otherwise its
// bytes, or false (and nothing) when it cannot be opened or read.
bool ReadRunFile(const std::string& path, std::string& bytes);

// Whether `path` is a regular file this process may read; looks without
// opening it.
bool IsReadableRegularFile(const std::string& path);

// What reading a whole file found.
enum class FileRead {
    kDone,
    kCannotOpen,  // missing, or no permission: `error` says which
    kNotRegular,  // a folder, device, FIFO or socket: never opened for reading
    kTooLarge,    // more than the limit: not read
    kOutside,     // (ReadFileInFolder) it lies outside the folder it must be in
    kHidden,      // (ReadFileInFolder) a part of its name below the folder starts with "."
    kManyLinks,   // (ReadFileInFolder) it has more than one link
    kFailed,      // opened, but reading failed: `error` says why
};

// Reads the whole of a regular file of at most `limit` bytes into `bytes`.
// The file is looked at before it is opened, opened without blocking (a FIFO
// swapped in meanwhile cannot hang the run) and checked again once open, so
// what is read is the regular file that was looked at. `bytes` is empty
// unless kDone. `error` (errno) is set for kCannotOpen and kFailed.
FileRead ReadRegularFile(const std::string& path, std::uintmax_t limit, std::string& bytes,
                         int* error = nullptr);

// As ReadRegularFile, for a file an input names: it is read only when the
// file it resolves to, symbolic links followed, lies in `folder` or below it,
// no part of its name below `folder` starts with "." (a home folder's .ssh,
// a project's .git), and it has exactly one link (a hard link made inside may
// be a file of anywhere else). A relative `path` is taken from the current
// folder, then from `folder`.
FileRead ReadFileInFolder(const std::string& folder, const std::string& path, std::uintmax_t limit,
                          std::string& bytes);

// The folder part of a path, without its final separator ("/" or "\"): "."
// when the path names no folder.
std::string FolderOf(const std::string& path);
