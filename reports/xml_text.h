#pragma once

#include <string>

// Values of the input as the register messages carry them.

// A value carried as it stands, quotes included, except what XML cannot
// carry: "&", "<", ">" and every byte from 0x80 up are written as
// StripXMLQuotes writes them, and control bytes other than tab, line feed and
// carriage return become "?".
std::string XmlRaw(const std::string& text);

// StripXMLQuotes, with control bytes other than tab, line feed and carriage
// return written as "?" (XML cannot carry them).
std::string XmlEscaped(const std::string& text);
