#pragma once

// Codes shared across the program, each named once. The numbers are the ones
// stored in input files, library files and reports: never renumber them.

// The jurisdiction, the code number of the EPC object's TYPE keyword.
enum class Jurisdiction : int {
    EnglandWales = 1,
    Scotland = 2,
    NorthernIreland = 3,
};

// The jurisdiction of a TYPE code number; any other number is none of them.
inline bool IsJurisdiction(int typeCode, Jurisdiction j) {
    return typeCode == static_cast<int>(j);
}
// England, Wales and Northern Ireland share the rating, the certificate and
// the recommendation reports; Scotland has its own.
inline bool IsEnglandWalesOrNorthernIreland(int typeCode) {
    return IsJurisdiction(typeCode, Jurisdiction::EnglandWales) ||
           IsJurisdiction(typeCode, Jurisdiction::NorthernIreland);
}

// EPC-LANGUAGE: code 1 asks for the English certificate only; any other
// code adds the Welsh-language certificate.
inline constexpr int kEnglishOnly = 1;
// AIR-CON-INSTALLED code of an installed system; AIR-CON-KW code of an exact output.
inline constexpr int kAirConInstalledYes = 1;
inline constexpr int kAirConExactOutput = 4;

// A number the calculation engine did not provide.
inline constexpr double kNotProvided = -7777;
// What a store answers for an entry it does not hold (as a number, and as
// text), and what Vint answers for a number beyond int.
inline constexpr double kNotSet = -5555;
inline constexpr const char* kNotSetText = "-5555";
// A library bound of -6666 sets no limit.
inline constexpr double kNoLimit = -6666;

// The run log shows progress as a dot for every so many objects read or
// checked, and for every so many lines of the report copy written.
inline constexpr int kDotEveryObjects = 41;
inline constexpr int kDotEveryLines = 201;

// Library paths are spelled with "/" (code 2) rather than "\" (code 1).
inline constexpr int kPlatformWindows = 1;
inline constexpr int kPlatformCode = 2;
