#pragma once

#include <cstddef>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "tools/batch.h"

// Reads an input for its row; when it cannot be, false and the row says why
// (status "refused" for one too large or not a regular file, "not run" for
// one that cannot be read). It is looked at before it is read, so a huge or
// endless one is never taken in.
bool ReadInput(const std::string& path, std::string& text, BatchRow& row);

// The rows of a summary written before, by input; lines that are not rows
// are passed over, and a missing file gives none.
std::map<std::string, BatchRow> ReadSummary(const std::filesystem::path& jsonl);

// What a batch has to do: a row for every input of its shard, in order, of
// which those at `todo` are still to be run.
struct BatchWork {
    std::vector<std::string> inputs;
    std::vector<BatchRow> rows;         // refused and kept rows filled in
    std::vector<std::size_t> todo;      // positions in `inputs` to run
    std::size_t kept = 0;               // rows taken from `previous`
    std::vector<std::string> problems;  // sources that could not be read
};

// Gathers the inputs of the sources and takes shard K of N of them. An input
// that cannot run safely gets a refused row; one whose `previous` row says it
// succeeded on the same bytes keeps that row; every other one is to run.
BatchWork GatherWork(const std::vector<std::string>& sources, int shardK, int shardN,
                     const std::map<std::string, BatchRow>& previous);
