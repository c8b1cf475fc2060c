#pragma once

#include <array>
#include <string>

#include "model/form1.h"

namespace kethmor::sheet {

using Box = Control Form1State::*;

// One line of the sheet: its label, the box written after it, then as many
// zone advances as `zones`, a second label and box, and on the aptitude's
// line the bias word after kBiasGap. An empty line has an empty label; a
// title is its label alone. A line with one box and no second label holds
// typed text, which runs over as many lines as the text has.
struct SheetLine {
  std::string label;
  Box value = nullptr;
  int zones = 0;
  std::string label2 = "";
  Box value2 = nullptr;
  bool bias = false;
};
inline constexpr const char* kBiasGap = "  ";

// The sheet's lines 1 to 35 in order; the purchased entries follow, one a
// line. The writer and the reader both walk this table. The statistics'
// and the skills' labels are their rows' names.
extern const std::array<SheetLine, 35> kSheetLines;

// The saved character sheet: the window's boxes, captions and purchases as
// Windows-1252 text with CR LF after every line; in UTF-8 after a byte-order
// mark when the name or the alternative background holds a letter the code
// page lacks.
std::string sheetBytes(const Form1State& form);

// The sheet of the window as it opens: the blank start, which no last
// session keeps.
std::string blankSheetBytes();

// The column a zone advance from column c (counted from 1) moves to: the
// start of the next 14-column print zone, always at least one column on.
int nextZone(int column);

// UTF-8 text as Windows-1252 bytes, a letter of the code page written as a
// base letter and a combining accent composed into its byte first; a
// character the code page cannot hold, and malformed, overlong or
// out-of-range UTF-8, becomes "?". Line breaks of any kind (CR LF, LF, CR,
// U+0085, U+2028, U+2029) become CR LF.
std::string toCodePage(const std::string& utf8);

// A text (a level plan) as a file holds it, as the sheet is written: in the
// code page, or in UTF-8 after a byte-order mark when the code page lacks
// one of its letters; line breaks CR LF.
std::string textBytes(const std::string& utf8);

// Bytes the planner wrote (sheetBytes, textBytes) as UTF-8 text again.
std::string bytesText(const std::string& bytes);

// Windows-1252 bytes as UTF-8 text; a byte the code page leaves unassigned
// becomes U+FFFD, which no sheet holds.
std::string fromCodePage(const std::string& bytes);

// A sheet's bytes as UTF-8 text, however it travelled: after a UTF-8
// byte-order mark, or when they are valid UTF-8 with a character beyond
// ASCII, they are read as UTF-8 (the code page's letters composed, malformed
// sequences U+FFFD); otherwise as the code page.
std::string decodedSheet(const std::string& bytes);

}  // namespace kethmor::sheet
