#pragma once

// The program's version text. The banner, the run log, the messages and their
// version checks all read this one constant.
inline constexpr const char* kTarvexVersion = "v4.1.a.0";
