#pragma once

namespace kethmor::races {

// One description per race (both genders of a race share one), in this
// order: dwarves, elves, gnomes, half-elves, halflings, half-ogres,
// half-orcs, humans.
inline constexpr int kRaceTextCount = 8;
extern const char* const kRaceDescriptionTexts[kRaceTextCount];

}  // namespace kethmor::races
