#pragma once

#include <string>

// Verifies the seal of a lodgement message (mode /V) and reports on the
// console and the run log; the version reported is the sealed text's. A
// message whose seal does not hold, or that has none, ends the process with
// exit code 1.
void XMLcheck(const std::string& xmlFile);

// Reads and verifies an IAS package (modes /A, /R), plain or gzip-compressed;
// a compressed package is also left decompressed beside it with ".ias" once
// it has been verified. With `extract`, writes the input file it carries to
// `inputFile` (through a temporary file and a rename). Returns the unstructured
// data that the lodgement message carries. Any package that cannot be read,
// is of another version, fails its seal or lacks what is needed ends the
// process with its message and exit code 1, having written nothing. Only the
// sealed text is read: a package with anything after its seal line but one
// line end, or whose data is not the XML the writer makes, is not validated.
std::string IasProcess(const std::string& iasFile, const std::string& inputFile, bool extract);
