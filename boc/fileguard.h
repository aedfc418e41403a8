#pragma once

#include <fstream>
#include <string>

// As assure, and the run log file also records which file could not be opened
// before the process ends.
void AssureLogged(const std::ifstream& in, const std::string& name);
void AssureLogged(const std::ofstream& out, const std::string& name);
