#pragma once

#include <array>
#include <string>

namespace kethmor::races {

inline constexpr int kRaceCount = 12;

// The sixteen skill boxes in the order a race writes them.
inline constexpr int kSkillCount = 16;

// One race-and-gender entry, at its position in the sorted race list.
struct RaceEntry {
  const char* listText;
  const char* caption;  // the race key
  int description;      // index into the description texts
  // ST, CN, DX, BE, IN, WP, PE, CH
  std::array<int, 8> adjusted;
  int hitpoints;
  int fatigue;
  int raceAptitude;
  bool writesAptitude;  // only dwarves, elves and half-elves carry a share
  // bow, melee, dodge, throwing, gambling, haggle, heal, persuasion,
  // repair, firearms, picklocks, adtraps, pickpocket, backstab, prowling,
  // spottrap
  std::array<double, kSkillCount> skills;
};

extern const std::array<RaceEntry, kRaceCount> kRaces;

// The order in which start-up puts the entries into the (sorting) list.
extern const std::array<int, kRaceCount> kRaceFillOrder;

// The position of the entry whose race key (caption) is exactly `key`, or
// -1 when no entry has it.
int raceKeyIndex(const std::string& key);

}  // namespace kethmor::races
