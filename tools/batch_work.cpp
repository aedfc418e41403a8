#include "tools/batch_work.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <system_error>

#include "app/inputfile.h"
#include "library/ncmd5.h"

namespace fs = std::filesystem;

bool ReadInput(const std::string& path, std::string& text, BatchRow& row) {
    int error = 0;
    const FileRead read = ReadRegularFile(path, kInputFileLimit, text, &error);
    if (read == FileRead::kDone) return true;
    row.status = status::kNotRun;
    if (read == FileRead::kTooLarge) {
        std::error_code ec;
        const std::uintmax_t size = fs::file_size(path, ec);
        row.firstError = "the input holds " +
                         (ec ? std::string("more than 64 MB") : std::to_string(size) + " bytes") +
                         "; Tarvex reads inputs of at most 64 MB";
    } else if (read == FileRead::kNotRegular) {
        row.firstError = "the input is not a regular file (a folder, device or pipe)";
    } else {
        row.firstError = std::string("the input cannot be read: ") + std::strerror(error);
    }
    return false;
}

Journal ReadJournal(const fs::path& path, std::string& note) {
    note.clear();
    Journal journal;
    // Read as a stream, a line at a time: the memory it takes is that of the
    // rows kept, whatever the journal's size, and a line past the limit is
    // skipped over, never held.
    const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    struct stat info {};
    int error = fd < 0 ? errno : fstat(fd, &info) != 0 ? errno : 0;
    if (error == 0 && !S_ISREG(info.st_mode)) error = EINVAL;
    std::string line;
    bool skipping = false;  // within a line over the limit
    char chunk[65536];
    while (error == 0) {
        const ssize_t n = read(fd, chunk, sizeof chunk);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) error = errno;
        if (n <= 0) break;
        const char* at = chunk;
        const char* const end = chunk + n;
        while (at < end) {
            const char* mark =
                static_cast<const char*>(std::memchr(at, '\n', static_cast<std::size_t>(end - at)));
            const char* stop = mark != nullptr ? mark : end;
            if (!skipping &&
                line.size() + static_cast<std::size_t>(stop - at) > kJournalLineLimit) {
                skipping = true;
                line.clear();
                line.shrink_to_fit();
            }
            if (!skipping) line.append(at, stop);
            if (mark == nullptr) break;
            if (skipping)
                ++journal.longLines;
            else
                AddJournalLine(line, journal);
            skipping = false;
            line.clear();
            at = mark + 1;
        }
    }
    // What is left without a line end was cut short by a killed batch.
    if (fd >= 0) close(fd);
    if (error == 0) return journal;
    if (error == ENOENT)
        note = "no journal " + path.string() + " to resume from: every input runs";
    else
        note = "the journal " + path.string() + " cannot be read (" +
               (error == EINVAL ? std::string("not a regular file") : std::strerror(error)) +
               "): every input runs";
    return Journal();
}

BatchWork GatherWork(const std::vector<std::string>& sources, int shardK, int shardN,
                     const std::map<std::string, BatchRow>& previous,
                     const std::vector<std::string>& own) {
    BatchWork work;
    std::vector<std::string> lists;
    const std::vector<SourceInput> all = GatherInputs(sources, work.problems, &lists);
    // Clashes are looked for among all the inputs, not just this shard's:
    // the other shards run at the same time.
    std::vector<std::string> present;
    for (const SourceInput& s : all)
        if (!s.missing) present.push_back(s.path);
    std::map<std::string, std::string> refused;
    std::vector<std::string> every;
    for (const SourceInput& s : all) every.push_back(s.path);
    work.refusal = OwnFileClash(own, every, lists);
    const std::vector<std::string> why = InputRefusals(present, lists);
    for (std::size_t i = 0; i < present.size(); ++i)
        if (!why[i].empty()) refused[present[i]] = why[i];

    const std::vector<SourceInput> mine = ShardOf(all, shardK, shardN);
    work.rows.resize(mine.size());
    for (std::size_t i = 0; i < mine.size(); ++i) {
        const std::string& input = mine[i].path;
        work.inputs.push_back(input);
        BatchRow& row = work.rows[i];
        row.input = input;
        if (mine[i].missing) {
            row.status = status::kMissing;
            row.firstError = "no such input file";
            continue;
        }
        const auto no = refused.find(input);
        if (no != refused.end()) {
            row.status = status::kNotRun;
            row.firstError = no->second;
            continue;
        }
        const auto it = previous.find(input);
        std::string text;
        BatchRow unread;
        if (it != previous.end() && it->second.status == status::kOk &&
            ReadInput(input, text, unread) && it->second.inputDigest == NCMD5().hash(text)) {
            row = it->second;
            ++work.kept;
        } else {
            work.todo.push_back(i);
        }
    }
    return work;
}
