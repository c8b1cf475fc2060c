#pragma once

#include <string>

#include "core/form1.h"

namespace kethmor::exporter {

// The saved character sheet: the window's boxes, captions and purchases as
// Windows-1252 text with CR LF after every line.
std::string sheetBytes(const Form1State& form);

// The column a zone advance from column c (counted from 1) moves to: the
// start of the next 14-column print zone, always at least one column on.
int nextZone(int column);

// UTF-8 text as Windows-1252 bytes; a character the code page cannot hold
// becomes "?". Line breaks of any kind become CR LF.
std::string toCodePage(const std::string& utf8);

// Windows-1252 bytes as UTF-8 text; a byte the code page leaves unassigned
// becomes U+FFFD, which no sheet holds.
std::string fromCodePage(const std::string& bytes);

}  // namespace kethmor::exporter
