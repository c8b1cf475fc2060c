#pragma once

#include <cstddef>
#include <string>

#include "core/form1.h"

namespace kethmor::exporter {

// A sheet is a few kilobytes; a file past this size is refused unread.
inline constexpr std::size_t kSheetSizeLimit = 1u << 20;

// Rebuilds the character a sheet shows by the window's own actions on a
// freshly started window: race, background, level-ups, statistic, hit point,
// fatigue and skill purchases, the spells and schematics in the order of the
// purchased list, the two typed texts. The college and discipline lists and
// the description box are kept from `current`. The bytes are first read
// exactly as the planner saves them (the code page, CR LF) and accepted when
// the character saves to exactly these bytes. Failing that, or when
// decodedSheet takes them for UTF-8 (whose letters the exact reading would
// garble), they are read as they may have travelled (decodedSheet, then
// normalisedSheet) and accepted when the character's own sheet, read the
// same way, is the same text (or else the exact reading stands). A file, a
// drop and a paste all open through here. Returns empty and sets `out` on
// success; otherwise leaves `out` alone and returns the reason:
// "is empty", "is not a character sheet", "line 3 holds a NUL byte",
// "line 1: Name is longer than 22 letters", "line 12: Perception does not
// match the lines before it", "line 4: Level does not match the lines after
// it" (another level fits every other line), "line 4: Aptitude does not
// match the rest of the sheet", "line 2: Background does not match the
// race", "line 30 is missing" or, where nothing better can be said, "line 2
// is wrong".
std::string rebuildSheet(const std::string& bytes, const Form1State& current, Form1State& out);

// Text as the lenient reading compares it: CR LF, LF and CR all end a line,
// blanks and tabs at the end of each line and blank lines at the end are
// dropped, and every line left ends in LF.
std::string normalisedSheet(const std::string& text);

// Opens a sheet's bytes (a file's, a paste's) into the window's state: on
// success the state is the character rebuilt, with an empty message box, and
// the result is empty; otherwise nothing changes and the result says what is
// wrong (rebuildSheet's reasons, or "too large"), for the window to show.
std::string openSheetText(Form1State& form, const std::string& bytes);

}  // namespace kethmor::exporter
