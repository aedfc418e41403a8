#pragma once

#include <string>

// Where the library definition and the library files are found when the run
// names no program folder: the current folder when it holds
// "csv/Tarvex.csv", else the folder of the program itself (a build tree
// places the data beside the executable), else the installed data folder.
// The result ends in "/", or is empty for the current folder.
std::string FindDataFolder();
