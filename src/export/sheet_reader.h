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
// the description box are kept from `current`. The result is accepted only
// when it saves to exactly the bytes given. Returns empty and sets `out` on
// success, otherwise the reason ("line 12 is wrong") and leaves `out` alone.
std::string rebuildSheet(const std::string& bytes, const Form1State& current, Form1State& out);

// Reads a sheet file and rebuilds it, as above.
std::string readSheetFile(const std::string& fileName, const Form1State& current, Form1State& out);

// Opens a sheet into the window's state: on success the state is the
// character rebuilt, with an empty message box, and the result is empty;
// otherwise nothing changes and the result is the reason ("line 12 is
// wrong"), for the window to show.
std::string openSheet(Form1State& form, const std::string& fileName);

}  // namespace kethmor::exporter
