#pragma once

#include <cstddef>
#include <ctime>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// Writing an output whole or not at all: the bytes go to a temporary file in
// the target's folder, which is flushed to disk and renamed over the target
// only when complete. A reader, or a second run writing the same file, sees
// either the old file or the new one, never a mixture or a cut-short copy.

struct FileWriteResult {
    bool ok = true;
    // False when the temporary file could not even be created (a missing
    // folder, no permission): the output was never opened.
    bool opened = true;
    // The system's reason for a failure (strerror), e.g. "No space left on device".
    std::string reason;
    // WriteNewFileWhole only: the target was not written because a file of
    // that name was there.
    bool existed = false;
};

// Whether a file is flushed to disk before it is renamed into place. Either
// way other processes see the old file or the new one whole; only a system
// crash can find an unflushed file empty.
enum class FileSync { kToDisk, kLeftToSystem };

// Writes `size` bytes to `path` through a temporary file beside it. On any
// failure the temporary file is removed and `path` is left as it was.
FileWriteResult WriteFileWhole(const std::string& path, const void* data, std::size_t size,
                               FileSync sync = FileSync::kToDisk);
inline FileWriteResult WriteFileWhole(const std::string& path, std::string_view bytes,
                                      FileSync sync = FileSync::kToDisk) {
    return WriteFileWhole(path, bytes.data(), bytes.size(), sync);
}
inline FileWriteResult WriteFileWhole(const std::string& path,
                                      const std::vector<unsigned char>& bytes) {
    return WriteFileWhole(path, bytes.data(), bytes.size());
}

// A run's outputs are made durable together. From HoldOutputs on, and
// until CommitOutputs, WriteFileWhole with FileSync::kToDisk writes the
// temporary file and keeps it; the target is not touched yet. CommitOutputs
// flushes every kept file to disk at once (one syncfs for each file system,
// where a flush for each file cost a wait for the disk each, and two runs at a
// time waited for each other's) and then renames each into place, in the
// order written. Only then is an output there, and whole after a crash of
// the system too. The process's one run holds; tools writing many files
// from several threads never do.
void HoldOutputs();
// The held outputs that could not be put in place, each with why, in order;
// holding ends. With `lastAfterAll`, the last one held (the log that says
// the run went well) is put in place only when all the others were, and
// otherwise dropped without being named.
std::vector<std::pair<std::string, FileWriteResult>> CommitOutputs(bool lastAfterAll = false);
// The held outputs are dropped, their temporary files removed; holding ends.
void DiscardHeldOutputs();
// Whether CommitOutputs flushes the outputs to disk (the default). A process
// whose caller flushes them itself before it records the run as done (the
// batch's worker) turns it off; the outputs are then whole or absent for
// every other process, and after a crash of the system only once the caller
// has flushed them.
void SetCommitFlush(bool flush);

// As WriteFileWhole, but only where no file of that name is: the complete
// file is linked into place, which fails when the name is taken, so of two
// processes writing one name at the same time one succeeds and the other is
// told the name `existed`. Nothing that is there is ever replaced.
FileWriteResult WriteNewFileWhole(const std::string& path, std::string_view bytes);

// The lines that say which file failed and why: "Could not open file NAME" (the
// temporary file could not be created) or "Could not write file NAME", then
// "Reason: REASON", each with a line end.
std::string FileWriteFailureText(const std::string& path, const FileWriteResult& result);

// A run killed while writing leaves its temporary file behind. Removes from
// `folder` the temporary files of ours ('.tarvex-HOST-PID-N.tmp', regular
// files only) that were last written before `start` and whose run has ended:
// on this machine, its process is gone; from another machine, the file is
// older than kOtherMachineGrace. Returns how many were removed.
inline constexpr std::time_t kOtherMachineGrace = 3600;
int RemoveStaleTemporaries(const std::string& folder, std::time_t start);
// Removes from `folder` the temporary files of ours that process `pid` of
// this machine made: a process the caller has seen end (and not yet reaped,
// so that its id is not another's) left them. Returns how many were removed.
int RemoveTemporariesOf(const std::string& folder, long pid);
// Whether process `pid` of this machine has ended: there is none, or it is a
// zombie that its parent has not reaped yet (a killed batch's workers wait
// so for whatever adopts them, which may take its time).
bool ProcessHasEnded(long pid);
// This machine's name as temporary file names carry it.
const std::string& TemporaryNameHost();
// Whether `name` (no folder) is such a temporary file's name; its machine and
// process when it is.
bool ParseTemporaryName(const std::string& name, std::string& host, long& pid);
