#pragma once

#include <cstddef>
#include <string>

// The literal string of a PDF content stream that starts with "(" at `at`,
// its escapes read; `at` ends just after its closing ")", or at the end of a
// string cut short. (The benchmark's replay of the program's documents reads
// their texts with it.)
std::string PdfLiteralString(const std::string& content, std::size_t& at);
