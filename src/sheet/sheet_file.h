#pragma once

#include <string>

#include "model/form1.h"

namespace kethmor::sheet {

// A path's file name without its folder, on one line.
std::string shownName(const std::string& path);

// Writes bytes to a file so that an existing file of that name stays whole
// until the new one is complete; a failed save never leaves an empty or
// partial file behind. A file that is not a regular file (a device, a pipe)
// is left alone. Only when no temporary file can be made next to a writable
// file is it written in place. Returns empty on success, otherwise the
// reason in a few words ("disk full", "permission denied").
std::string saveBytes(const std::string& fileName, const std::string& bytes);

// A sheet file's bytes (empty answer), or why they cannot be read ("no
// such file", "too large").
std::string readSheetFile(const std::string& fileName, std::string& bytes);

// Opens a sheet file into the window's state as openSheetText opens its
// bytes, with the file's own reasons ("no such file", "too large").
std::string openSheet(Form1State& form, const std::string& fileName);

// SAVE into `fileName` (Form1::SAVE_Click writing by saveBytes).
std::string saveSheet(Form1& form, const std::string& fileName);

}  // namespace kethmor::sheet
