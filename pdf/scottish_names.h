#pragma once

#include <string>

// The Scottish documents (certificate and recommendations report) name the
// building type without the English use class: code number 1 to 23 of
// B-TYPE. A code a later library may add keeps the library's own word.
std::string ScottishBuildingTypeName(int code, const std::string& codeWord);
