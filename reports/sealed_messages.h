#pragma once

#include <string>

// Verifies the seal of a lodgement message (mode /V): reports on the console.
void XMLcheck(const std::string& xmlFile);
// Reads and verifies an IAS package (modes /A, /R); with extract, writes the
// input file it carries. Returns the text that the lodgement message carries.
std::string IasProcess(const std::string& iasFile, const std::string& inputFile, bool extract);
