#include "tools/batch_work.h"

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
    std::string text;
    int error = 0;
    // A journal holds a line of a few hundred bytes per input: far below the
    // limit for any portfolio.
    const FileRead read = ReadRegularFile(path.string(), std::uintmax_t{1} << 32, text, &error);
    note.clear();
    if (read == FileRead::kCannotOpen && error == ENOENT)
        note = "no journal " + path.string() + " to resume from: every input runs";
    else if (read != FileRead::kDone)
        note = "the journal " + path.string() + " cannot be read" +
               (read == FileRead::kCannotOpen ? std::string(" (") + std::strerror(error) + ")"
                                              : std::string()) +
               ": every input runs";
    if (read != FileRead::kDone) return Journal();
    return ReadJournalText(text);
}

BatchWork GatherWork(const std::vector<std::string>& sources, int shardK, int shardN,
                     const std::map<std::string, BatchRow>& previous) {
    BatchWork work;
    const std::vector<SourceInput> all = GatherInputs(sources, work.problems);
    // Clashes are looked for among all the inputs, not just this shard's:
    // the other shards run at the same time.
    std::vector<std::string> present;
    for (const SourceInput& s : all)
        if (!s.missing) present.push_back(s.path);
    std::map<std::string, std::string> refused;
    const std::vector<std::string> why = InputRefusals(present);
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
