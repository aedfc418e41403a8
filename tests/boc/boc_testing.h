#pragma once

#include <string>

#include "boc/boc.h"
#include "tests/support/tempdir.h"

// Files of tests/boc/fixtures.
std::string FixturePath(const std::string& name);
std::string ReadFixture(const std::string& name);

// The fixture library written into `dir` as `fileName`, protected for that name.
std::string WriteLibrary(const TempDir& dir, const std::string& fixture = "lib.csv",
                         const std::string& fileName = "lib.csv");
// Writes `text` as dir/name and returns the path.
std::string WriteInput(const TempDir& dir, const std::string& name, const std::string& text);
// The text with every LF turned into CR LF.
std::string WithCrlf(const std::string& text);

// Points the run log into `dir` and reads an input that is expected to read
// clean (Init returns).
void ReadInput(BOC& boc, const TempDir& dir, const std::string& input, const std::string& library);
// Reads an input with the run log at `logFile`: 0 when Init returns, else the
// status of the stop, reported as the program reports it (log written).
int ReadToStop(const std::string& input, const std::string& library, const std::string& logFile);

// Everything the matrix holds, one keyword per line, for comparisons.
std::string DumpMatrix(const BOC& boc);
