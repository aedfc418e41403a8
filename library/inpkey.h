#pragma once

#include <string>

#include "library/ncmkeys.h"

// The input key file: the calculation engine leaves the keyed digest of the
// input beside it, so the run can tell that the input is the one the engine
// wrote. The key is the entry of our key list at the index of the engine's
// code (CENGINE-VAL).

// The input's name with "_inpkey.txt" in place of its extension (OutputName):
// "office.inp" gives "office_inpkey.txt", "shop" gives "shop_inpkey.txt".
std::string InputKeyFileName(const std::string& inputFile);

// The keyed digest of the input: MD5 of the key text at keyIndex followed by
// the input file's bytes, in lowercase hex. "" when keyIndex lies outside the
// key list or the input cannot be read.
std::string InputKeyDigest(const NCMKEYS& keys, int keyIndex, const std::string& inputFile);

// Whether the first line of the key file (CR before the line end dropped)
// equals the input's keyed digest. A missing or empty key file, a key index
// outside the list or an unreadable input never match.
bool InputKeyMatches(const NCMKEYS& keys, int keyIndex, const std::string& inputFile,
                     const std::string& keyFile);
// The same, when the caller holds the input's digest under the key at
// `knownIndex` already: that digest is not worked out again.
bool InputKeyMatches(const NCMKEYS& keys, int keyIndex, const std::string& inputFile,
                     const std::string& keyFile, int knownIndex, const std::string& knownDigest);
