#pragma once

#include "catalogues/spell_descriptions.h"

namespace kethmor::magick {

extern const char* const kCollegeNames[kCollegeCount];
extern const char* const kSpellNames[kCollegeCount][kSpellsPerCollege];

// Adjusted Willpower a spell of rank index k (0 to 4) needs: 3 x rank + 3.
inline constexpr int willpowerThreshold(int k) { return 3 * (k + 1) + 3; }

}  // namespace kethmor::magick
