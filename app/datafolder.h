#pragma once

#include <string>
#include <vector>

// Where the library definition and the library files are found when the run
// names no program folder: the current folder, else the folder of the program
// itself (a build tree places the data beside the executable), else the
// installed data folder. The first place that holds a "csv/" or a "KORULib/"
// folder is used whole: every data file comes from it, so a changed library
// in a run folder is never mixed with data from elsewhere.
struct DataPlace {
    bool found = false;
    // Ends in "/", or is empty for the current folder.
    std::string folder;
    // Every place looked at, in order, as full paths (for the message when
    // none holds the data).
    std::vector<std::string> tried;
};
DataPlace FindDataPlace();

// The folder of FindDataPlace; when no place holds the data, stops the run
// with a message that lists the places tried.
std::string FindDataFolder();
