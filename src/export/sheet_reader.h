#pragma once

#include <cstddef>
#include <string>

#include "core/form1.h"
#include "export/sheet_file.h"

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

// Opens a sheet into the window: on success the window shows the character
// and an empty message box; otherwise nothing changes but the message box,
// which names the file and the first line that is wrong. Returns whether it
// opened.
bool openSheet(Form1& form, const std::string& fileName, const FileMessage& message = plainFileMessage);

}  // namespace kethmor::exporter
