#include "tools/batch_work.h"

#include <cstring>
#include <fstream>
#include <system_error>

#include "app/inputfile.h"
#include "library/ncmd5.h"

namespace fs = std::filesystem;

bool ReadInput(const std::string& path, std::string& text, BatchRow& row) {
    int error = 0;
    const FileRead read = ReadRegularFile(path, kInputFileLimit, text, &error);
    if (read == FileRead::kDone) return true;
    row.status = "refused";
    if (read == FileRead::kTooLarge) {
        std::error_code ec;
        const std::uintmax_t size = fs::file_size(path, ec);
        row.firstError = "the input holds " +
                         (ec ? std::string("more than 64 MB") : std::to_string(size) + " bytes") +
                         "; Tarvex reads inputs of at most 64 MB";
    } else if (read == FileRead::kNotRegular) {
        row.firstError = "the input is not a regular file (a folder, device or pipe)";
    } else {
        row.status = "not run";
        row.firstError = std::string("the input cannot be read: ") + std::strerror(error);
    }
    return false;
}

std::map<std::string, BatchRow> ReadSummary(const fs::path& jsonl) {
    std::map<std::string, BatchRow> rows;
    std::ifstream in(jsonl);
    std::string line;
    BatchRow row;
    while (std::getline(in, line)) {
        if (ParseJsonLine(line, row)) rows[row.input] = row;
    }
    return rows;
}

BatchWork GatherWork(const std::vector<std::string>& sources, int shardK, int shardN,
                     const std::map<std::string, BatchRow>& previous) {
    BatchWork work;
    const std::vector<std::string> all = GatherInputs(sources, work.problems);
    // Clashes are looked for among all the inputs, not just this shard's:
    // the other shards run at the same time.
    std::map<std::string, std::string> refused;
    const std::vector<std::string> why = InputRefusals(all);
    for (std::size_t i = 0; i < all.size(); ++i)
        if (!why[i].empty()) refused[all[i]] = why[i];
    work.inputs = ShardOf(all, shardK, shardN);

    work.rows.resize(work.inputs.size());
    for (std::size_t i = 0; i < work.inputs.size(); ++i) {
        const std::string& input = work.inputs[i];
        const auto no = refused.find(input);
        if (no != refused.end()) {
            work.rows[i].input = input;
            work.rows[i].status = "refused";
            work.rows[i].firstError = no->second;
            continue;
        }
        const auto it = previous.find(input);
        std::string text;
        BatchRow unread;
        if (it != previous.end() && it->second.status == "ok" && ReadInput(input, text, unread) &&
            it->second.inputDigest == NCMD5().hash(text)) {
            work.rows[i] = it->second;
            ++work.kept;
        } else {
            work.todo.push_back(i);
        }
    }
    return work;
}
