#pragma once

#include <string>

namespace kethmor::exporter {

// A path's file name without its folder, on one line.
std::string shownName(const std::string& path);

// Writes bytes to a file so that an existing file of that name stays whole
// until the new one is complete; a failed save never leaves an empty or
// partial file behind. A file that is not a regular file (a device, a pipe)
// is left alone. Only when no temporary file can be made next to a writable
// file is it written in place. Returns empty on success, otherwise the
// reason in a few words ("disk full", "permission denied").
std::string saveBytes(const std::string& fileName, const std::string& bytes);

}  // namespace kethmor::exporter
