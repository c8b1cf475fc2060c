#pragma once

#include <array>
#include <cstddef>
#include <type_traits>

// The primary statistics and the skills by the positions of their rows
// (rules/statistics.def, rules/skills.def), which the catalogues' tables
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

// A column of a table keyed by the rows: one value for each row of
// statistics.def (PerStat) or skills.def (PerSkill), in their order. A value
// missing or one too many fails to compile, where a plain array would take 0
// for it, and no column is left out by default.
template <typename T, std::size_t N>
struct PerRow : std::array<T, N> {
  template <typename... V>
  constexpr PerRow(V... v) : std::array<T, N>{static_cast<T>(v)...} {
    static_assert(sizeof...(V) == N, "one value for each row of statistics.def or skills.def");
    static_assert((!(std::is_floating_point_v<V> && std::is_integral_v<T>) && ...), "a fraction for a whole number");
  }
};
template <typename T> using PerStat = PerRow<T, kStatCount>;
template <typename T> using PerSkill = PerRow<T, kSkillCount>;

}  // namespace kethmor
