#pragma once

#include <array>
#include <string>

#include "rules/rows.h"

namespace kethmor::races {

inline constexpr int kRaceCount = 12;

// One race-and-gender entry, at its position in the sorted race list.
struct RaceEntry {
  const char* listText;
  const char* caption;  // the race key
  int description;      // index into the description texts
  // by the rows of rules/statistics.def: ST, CN, DX, BE, IN, WP, PE, CH
  PerStat<int> adjusted;
  int hitpoints;
  int fatigue;
  int raceAptitude;
  bool writesAptitude;  // only dwarves, elves and half-elves carry a share
  // by the rows of rules/skills.def: bow, melee, dodge, throwing, gambling,
  // haggle, heal, persuasion, repair, firearms, picklocks, adtraps,
  // pickpocket, backstab, prowling, spottrap
  PerSkill<double> skills;
};

extern const std::array<RaceEntry, kRaceCount> kRaces;

// The order in which start-up puts the entries into the (sorting) list.
extern const std::array<int, kRaceCount> kRaceFillOrder;

// The position of the entry whose race key (caption) is exactly `key`, or
// -1 when no entry has it.
int raceKeyIndex(const std::string& key);

}  // namespace kethmor::races
