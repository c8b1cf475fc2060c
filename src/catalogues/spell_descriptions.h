#pragma once

#include "rules/rules.h"

namespace kethmor::magick {

// The description of each spell, by college index 0 to 15 and spell index
// 0 to 4 (rank minus one).
extern const char* const kSpellDescriptions[kCollegeCount][kSpellsPerCollege];

}  // namespace kethmor::magick
