#pragma once

namespace kethmor::magick {

inline constexpr int kCollegeCount = 16;
inline constexpr int kSpellsPerCollege = 5;

// The description of each spell, by college index 0 to 15 and spell index
// 0 to 4 (rank minus one).
extern const char* const kSpellDescriptions[kCollegeCount][kSpellsPerCollege];

}  // namespace kethmor::magick
