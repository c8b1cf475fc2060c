#pragma once

#include <cstddef>
#include <string>

#include "model/form1.h"

namespace kethmor::sheet {

// A sheet is a few kilobytes; a file past this size is refused unread.
inline constexpr std::size_t kSheetSizeLimit = 1u << 20;

// Rebuilds the character a sheet shows through the replay (core/replay.h):
// its start (race, background, the two typed texts), its level-ups, then
// statistic, hit point, fatigue and skill purchases until each box shows the
// sheet's value, and the spells and schematics in the order of the
// purchased list. The college and discipline lists and
// the description box are kept from `current`. The bytes are first read
// exactly as the planner saves them (the code page, CR LF) and accepted when
// the character saves to exactly these bytes. Failing that, or when
// decodedSheet takes them for UTF-8 (whose letters the exact reading would
// garble), they are read as they may have travelled (decodedSheet, then
// normalisedSheet) and accepted when the character's own sheet, read the
// same way, is the same text (or else the exact reading stands). A file, a
// drop and a paste all open through here. Returns empty and sets `out` on
// success; otherwise leaves `out` alone and returns the reason, naming the
// line as the text counts it, in words short enough for the message box:
// "is empty", "is not a character sheet", "line 3: NUL byte", "line 5 not
// empty", "line 10: bad label", "line 8: bad title", "line 11: 2nd label",
// "line 12: spacing", "line 18: no value", "line 2: bad race", "bad
// background", "line 4: bad level" (also where another level fits every
// other line), "line 40: unknown" (no such spell or schematic), "line 41:
// can't buy", "line 1: too long", "line 12: too high", "line 12: too low"
// (a number the rebuilt character does not reach, or passes), "line 30 is
// missing" or, where nothing better can be said, "line 2
// is wrong". A name or alternative background holding letters the code
// page lacks opens with them in its box.
std::string rebuildSheet(const std::string& bytes, const Form1State& current, Form1State& out);

// Text as the lenient reading compares it: CR LF, LF and CR all end a line,
// blank lines and blanks before the first line, blanks and tabs at the end of
// each line and blank lines at the end are dropped, and every line left ends
// in LF.
std::string normalisedSheet(const std::string& text);

// Opens a sheet's bytes (a file's, a paste's) into the window's state: on
// success the state is the character rebuilt, with an empty message box, and
// the result is empty; otherwise nothing changes and the result says what is
// wrong (rebuildSheet's reasons, or "too large"), for the window to show.
std::string openSheetText(Form1State& form, const std::string& bytes);

}  // namespace kethmor::sheet
