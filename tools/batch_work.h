#pragma once

#include <cstddef>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "tools/batch.h"

// Reads an input for its row; when it cannot be, false and the row says why
// (status "not run": one too large, not a regular file, or unreadable). It
// is looked at before it is read, so a huge or endless one is never taken in.
bool ReadInput(const std::string& path, std::string& text, BatchRow& row);

// The journal of an earlier batch at `path`. When there is none, or it
// cannot be read, it gives no rows and `note` says so in one line.
Journal ReadJournal(const std::filesystem::path& path, std::string& note);

// What a batch has to do: a row for every input of its shard, in order, of
// which those at `todo` are still to be run.
struct BatchWork {
    std::vector<std::string> inputs;
    std::vector<BatchRow> rows;         // missing, refused and kept rows filled in
    std::vector<std::size_t> todo;      // positions in `inputs` to run
    std::size_t kept = 0;               // rows taken from `previous`
    std::vector<std::string> problems;  // sources that could not be read
    std::string refusal;                // why the batch must not run at all, "" when it may
};

// Gathers the inputs of the sources and takes shard K of N of them. A missing
// input gets a "missing" row; one that cannot run safely a "not run" row
// saying why; one whose `previous` row says it succeeded on the same bytes
// keeps that row; every other one is to run. When one of `own` (the batch's
// own files) is an input, a list or a file a run writes, `refusal` says so.
BatchWork GatherWork(const std::vector<std::string>& sources, int shardK, int shardN,
                     const std::map<std::string, BatchRow>& previous,
                     const std::vector<std::string>& own = {});
