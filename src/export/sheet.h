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

// UTF-8 text as Windows-1252 bytes, combining sequences composed first; a
// character the code page cannot hold, and malformed, overlong or
// out-of-range UTF-8, becomes "?". Line breaks of any kind (CR LF, LF, CR,
// U+0085, U+2028, U+2029) become CR LF.
std::string toCodePage(const std::string& utf8);

// Windows-1252 bytes as UTF-8 text; a byte the code page leaves unassigned
// becomes U+FFFD, which no sheet holds.
std::string fromCodePage(const std::string& bytes);

}  // namespace kethmor::exporter
