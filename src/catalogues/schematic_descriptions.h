#pragma once

#include "rules/rules.h"

namespace kethmor::technology {

// The description of each schematic, by discipline index 0 to 7 and
// schematic index 0 to 6 (rank minus one).
extern const char* const kSchematicDescriptions[kDisciplineCount][kSchematicsPerDiscipline];

}  // namespace kethmor::technology
