#pragma once

#include <string>

// The Scottish documents name the building type without the English use
// class: code number 1 to 23 of B-TYPE. Any other number gives an empty text.
std::string ScottishBuildingTypeName(int code);
