#pragma once

// The numbers of the rules that more than one place of the model reads.
namespace kethmor {

inline constexpr int kStartCPs = 5;        // a new character's CPs, and again when a race is applied
inline constexpr int kBaseStatistic = 8;   // every statistic's base; the adjusted boxes are coloured against it
inline constexpr int kLevelCap = 50;       // the highest level
inline constexpr int kBonusLevelEvery = 5; // a level-up to 5, 10, ..., 50 grants one CP more
inline constexpr int kStartRaceEntry = 11; // "Human/male" in the sorted race list

}  // namespace kethmor

// The sizes of the catalogues, which the window's counters and the order
// codes are made to.
namespace kethmor::magick {
inline constexpr int kCollegeCount = 16;
inline constexpr int kSpellsPerCollege = 5;
}  // namespace kethmor::magick
namespace kethmor::technology {
inline constexpr int kDisciplineCount = 8;
inline constexpr int kSchematicsPerDiscipline = 7;
}  // namespace kethmor::technology
