#pragma once

#include <string>
#include <utility>
#include <vector>

#include "tests/support/process.h"
#include "tests/support/tempdir.h"

// The example inputs shipped in examples/, run as a process in a temporary
// copy of their own.

// Names of the shipped examples, without ".inp".
const std::vector<std::string>& ExampleNames();

// The bytes of examples/<name>.inp.
std::string ExampleInput(const std::string& name);

// One textual change of an input: the first occurrence of `from` becomes `to`.
using Edit = std::pair<std::string, std::string>;

// `text` with each edit applied in turn. An edit whose `from` is not found is
// a test failure: the variation would no longer say what it claims.
std::string Edited(const std::string& text, const std::vector<Edit>& edits);

// The number (from 1) of the first line of `text` that holds `part`; 0 when
// none does.
int LineOf(const std::string& text, const std::string& part);

// The example's input and its key file copied into `dir`.
void CopyExample(const TempDir& dir, const std::string& name);

// Runs "/F <name>.inp" in `dir`.
ProcessResult RunInput(const TempDir& dir, const std::string& name);

// The run log that a run left in `dir`.
std::string RunLog(const TempDir& dir);

// A short pointer to the first line where `actual` departs from `expected`,
// for failure messages of whole-file comparisons.
std::string FirstDifference(const std::string& expected, const std::string& actual);
