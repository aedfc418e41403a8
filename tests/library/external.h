#pragma once

#include <cstddef>
#include <string>

// Full path of a program on PATH, "" when there is none.
std::string FindProgram(const std::string& name);

// Bytes from a fixed-seed generator, so a failure can be replayed.
std::string RandomBytes(std::size_t length, unsigned seed);
