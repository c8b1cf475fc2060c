#pragma once

// The primary statistics and the skills by the positions of their rows
// (core/statistics.def, core/skills.def), which the catalogues' tables
// follow as well.
namespace kethmor {

enum class Stat {
#define STAT(code, ...) code,
#include "core/statistics.def"
#undef STAT
};

enum class Skill {
#define SKILL(box, ...) box,
#include "core/skills.def"
#undef SKILL
};

inline constexpr int kStatCount = 0
#define STAT(...) +1
#include "core/statistics.def"
#undef STAT
    ;

inline constexpr int kSkillCount = 0
#define SKILL(...) +1
#include "core/skills.def"
#undef SKILL
    ;

}  // namespace kethmor
