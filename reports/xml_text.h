#pragma once

#include <string>

#include "app/encoding.h"

// Values of the input as the register messages carry them.

// A value carried as it stands, quotes included, except what XML cannot
// carry: "&", "<", ">" and every byte from 0x80 up are written as
// StripXMLQuotes writes them, and control bytes other than tab, line feed and
// carriage return become "?". A UTF-8 input's characters become one
// reference each.
std::string XmlRaw(const std::string& text, TextEncoding from = TextEncoding::kWindows1252);

// StripXMLQuotes, with control bytes other than tab, line feed and carriage
// return written as "?" (XML cannot carry them).
std::string XmlEscaped(const std::string& text, TextEncoding from = TextEncoding::kWindows1252);
