#pragma once

#include <string>

// The banner that opens every results file: the name drawn in asterisks, the
// title, our credit lines and the version, each line 70 characters wide.
std::string ResultsBanner();
