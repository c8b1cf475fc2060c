#pragma once

#include "catalogues/schematic_descriptions.h"

namespace kethmor::technology {

extern const char* const kDisciplineNames[kDisciplineCount];
extern const char* const kSchematicNames[kDisciplineCount][kSchematicsPerDiscipline];

// Adjusted Intelligence a schematic of rank index k (0 to 6) needs:
// 2 x rank + 5.
inline constexpr int intelligenceThreshold(int k) { return 2 * (k + 1) + 5; }

}  // namespace kethmor::technology
