#pragma once

// The primary statistics and the skills by the positions of their rows
// (core/statistics.def, core/skills.def), which the catalogues' tables
// follow as well.
namespace kethmor {

enum class Stat {
#define STAT(code, ...) code,
#include "rules/statistics.def"
#undef STAT
};

enum class Skill {
#define SKILL(box, ...) box,
#include "rules/skills.def"
#undef SKILL
};

inline constexpr int kStatCount = 0
#define STAT(...) +1
#include "rules/statistics.def"
#undef STAT
    ;

inline constexpr int kSkillCount = 0
#define SKILL(...) +1
#include "rules/skills.def"
#undef SKILL
    ;

}  // namespace kethmor
