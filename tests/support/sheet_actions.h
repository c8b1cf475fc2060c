// What the model tests share: the steps a user takes on the window, a state
// comparison that names what differs, and the tables of boxes, skills and race
// entries that several tests read.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <map>
#include <sstream>
#include <string>

#include "core/form1.h"

namespace kethmor::testkit {

using Box = Control Form1State::*;

// ---------------------------------------------------------------------------
// A user's steps.

// A fresh window after start-up.
inline Form1 started() {
  Form1 f;
  f.Form_Load();
  return f;
}

inline void press(Form1& f, Ctl button, int times = 1) {
  for (int i = 0; i < times; ++i) f.Click(button);
}

// A click on a list entry followed by the double click.
inline void doubleClick(Form1& f, Ctl list, int row) {
  f.selectEntry(list, row);
  f.DblClick(list);
}

inline void applyRace(Form1& f, int entry) { doubleClick(f, Ctl::Race_Selection, entry); }
inline void applyBackground(Form1& f, int index) {
  doubleClick(f, Ctl::Background_Selection, index);
}

inline Form1 raceWithBackground(int race, int background) {
  Form1 f = started();
  applyRace(f, race);
  applyBackground(f, background);
  return f;
}

// Presses "Level-up" until the sheet shows `level`.
inline void levelTo(Form1& f, int level) {
  for (int i = 0; i < 60 && num(f.Clevel) < level; ++i) f.Click(Ctl::levelup);
}

// Buys points of a statistic until its adjusted box shows `value` (or the CPs
// run out).
inline void raiseTo(Form1& f, Ctl plus, const Control& adjusted, int value) {
  for (int i = 0; i < 40 && num(adjusted) < value; ++i) f.Click(plus);
}
inline void raiseWillpowerTo(Form1& f, int value) {
  raiseTo(f, Ctl::WP_plus, f.Adjwillpower, value);
}
inline void raiseIntelligenceTo(Form1& f, int value) {
  raiseTo(f, Ctl::IN_plus, f.Adjintelligence, value);
}

// Spells (magick) and schematics (technology) are bought the same way: the
// view's button, a group (college or discipline), an entry, a double click.
enum class Lore { Magick, Tech };
struct LoreControls {
  Ctl select, groups, entries;
};
inline LoreControls controlsOf(Lore lore) {
  return lore == Lore::Magick ? LoreControls{Ctl::Magick_select, Ctl::Magick_list, Ctl::Spell_list}
                              : LoreControls{Ctl::Tech_select, Ctl::Tech_list, Ctl::Schematic_list};
}

// Brings the view up and clicks the entry, as the first press of a double
// click does.
inline void pointAt(Form1& f, Lore lore, int group, int entry) {
  const LoreControls c = controlsOf(lore);
  f.Click(c.select);
  f.selectEntry(c.groups, group);
  f.selectEntry(c.entries, entry);
}
inline void buy(Form1& f, Lore lore, int group, int entry) {
  pointAt(f, lore, group, entry);
  f.DblClick(controlsOf(lore).entries);
}
inline void buySpell(Form1& f, int college, int spell) { buy(f, Lore::Magick, college, spell); }
inline void buySchematic(Form1& f, int discipline, int schematic) {
  buy(f, Lore::Tech, discipline, schematic);
}
// Buys ranks 1 to `upTo` of a group, each of which must go through.
inline void buyRun(Form1& f, Lore lore, int group, int upTo) {
  for (int k = 0; k < upTo; ++k) {
    buy(f, lore, group, k);
    ASSERT_EQ(f.message_window.text, "") << "rank " << k + 1;
  }
}

// ---------------------------------------------------------------------------
// Tables.

// The eight statistics in the order ST, CN, DX, BE, IN, WP, PE, CH.
struct StatRow {
  const char* name;
  Box base, adjusted;
  std::int16_t Form1State::*counter;
  Ctl plus, minus;
};
inline const std::array<StatRow, 8> kStats = {{
    {"ST", &Form1State::Strength, &Form1State::Adjstrength, &Form1State::cpstat_ST, Ctl::ST_plus,
     Ctl::ST_minus},
    {"CN", &Form1State::Constitution, &Form1State::Adjconstitution, &Form1State::cpstat_CN,
     Ctl::CN_plus, Ctl::CN_minus},
    {"DX", &Form1State::Dexterity, &Form1State::Adjdexterity, &Form1State::cpstat_DX, Ctl::DX_plus,
     Ctl::DX_minus},
    {"BE", &Form1State::Beauty, &Form1State::Adjbeauty, &Form1State::cpstat_BE, Ctl::BE_plus,
     Ctl::BE_minus},
    {"IN", &Form1State::Intelligence, &Form1State::Adjintelligence, &Form1State::cpstat_IN,
     Ctl::IN_plus, Ctl::IN_minus},
    {"WP", &Form1State::Willpower, &Form1State::Adjwillpower, &Form1State::cpstat_WP, Ctl::WP_plus,
     Ctl::WP_minus},
    {"PE", &Form1State::Perception, &Form1State::Adjperception, &Form1State::cpstat_PE,
     Ctl::PE_plus, Ctl::PE_minus},
    {"CH", &Form1State::Charisma, &Form1State::Adjcharisma, &Form1State::cpstat_CH, Ctl::CH_plus,
     Ctl::CH_minus},
}};
enum StatIndex { ST, CN, DX, BE, IN, WP, PE, CH };

// The sixteen skills in the order a race writes them.
struct SkillRow {
  const char* name;
  Box box;
  float Form1State::*counter;
  Ctl plus, minus;
  const char* governedBy;  // as the refusal names it
  bool tech;
};
inline const std::array<SkillRow, 16> kSkillRows = {{
    {"bow", &Form1State::bow, &Form1State::CPspent_bow, Ctl::bow_plus, Ctl::bow_minus, "Dexterity",
     false},
    {"melee", &Form1State::melee, &Form1State::CPspent_melee, Ctl::melee_plus, Ctl::melee_minus,
     "Dexterity", false},
    {"dodge", &Form1State::dodge, &Form1State::CPspent_dodge, Ctl::dodge_plus, Ctl::dodge_minus,
     "Dexterity", false},
    {"throwing", &Form1State::throwing, &Form1State::CPspent_throwing, Ctl::throwing_plus,
     Ctl::throwing_minus, "Dexterity", false},
    {"gambling", &Form1State::gambling, &Form1State::CPspent_gambling, Ctl::Gambling_plus,
     Ctl::Gambling_minus, "Intelligence", false},
    {"haggle", &Form1State::haggle, &Form1State::CPspent_haggle, Ctl::Haggle_plus,
     Ctl::Haggle_minus, "Willpower", false},
    {"heal", &Form1State::heal, &Form1State::CPspent_heal, Ctl::Heal_plus, Ctl::Heal_minus,
     "Intelligence", false},
    {"persuasion", &Form1State::persuasion, &Form1State::CPspent_persuasion, Ctl::Persausion_plus,
     Ctl::Persausion_minus, "Charisma", false},
    {"repair", &Form1State::repair, &Form1State::CPspent_repair, Ctl::Repair_plus,
     Ctl::Repair_minus, "Intelligence", true},
    {"firearms", &Form1State::firearms, &Form1State::CPspent_firearms, Ctl::Firearms_plus,
     Ctl::Firearms_minus, "Dexterity", true},
    {"picklocks", &Form1State::picklocks, &Form1State::CPspent_picklocks, Ctl::Picklocks_plus,
     Ctl::Picklocks_minus, "Dexterity", true},
    {"adtraps", &Form1State::adtraps, &Form1State::CPspent_adtraps, Ctl::ADTraps_plus,
     Ctl::ADTraps_minus, "Perception", true},
    {"pickpocket", &Form1State::pickpocket, &Form1State::CPspent_pickpocket, Ctl::pickpocket_plus,
     Ctl::pickpocket_minus, "Dexterity", false},
    {"backstab", &Form1State::backstab, &Form1State::CPspent_backstab, Ctl::backstab_plus,
     Ctl::backstab_minus, "Dexterity", false},
    {"prowling", &Form1State::prowling, &Form1State::CPspent_prowling, Ctl::prowling_plus,
     Ctl::prowling_minus, "Perception", false},
    {"spottrap", &Form1State::spottrap, &Form1State::CPspent_spottrap, Ctl::spottrap_plus,
     Ctl::spottrap_minus, "Perception", false},
}};
inline const SkillRow& skillNamed(const std::string& name) {
  for (const SkillRow& s : kSkillRows)
    if (name == s.name) return s;
  ADD_FAILURE() << "no skill " << name;
  return kSkillRows[0];
}

// Skill values by skill name; a missing name is 0.
using SkillValues = std::map<std::string, double>;
inline SkillValues combatSkills(double v) {
  return {{"bow", v}, {"melee", v}, {"dodge", v}, {"throwing", v}};
}
inline SkillValues techSkills(double v) {
  return {{"repair", v}, {"firearms", v}, {"picklocks", v}, {"adtraps", v}};
}

// The race entries at their positions in the sorted race list, with the
// adjusted statistics and skill values each one writes.
struct RaceRow {
  const char* listText;
  const char* caption;  // the race key shown on the sheet
  std::array<int, 8> adjusted;  // ST CN DX BE IN WP PE CH
  SkillValues skills;
};
enum RaceIndex {
  kDwarf, kElfFemale, kElfMale, kGnome, kHalfElfFemale, kHalfElfMale, kHalfling, kHalfOgre,
  kHalfOrcFemale, kHalfOrcMale, kHumanFemale, kHumanMale
};
inline const std::array<RaceRow, 12> kRaceRows = {{
    {"Dwarf/male", "Dwarf", {9, 9, 7, 8, 8, 8, 8, 7}, techSkills(0.5)},
    {"Elf/female", "Elf/female", {6, 7, 9, 9, 8, 9, 8, 8}, techSkills(-0.5)},
    {"Elf/male", "Elf/male", {7, 6, 9, 9, 8, 9, 8, 8}, techSkills(-0.5)},
    {"Gnome/male", "Gnome", {8, 6, 8, 8, 8, 10, 8, 8}, {{"haggle", 0.5}}},
    {"Half-Elf/female", "Half-Elf/female", {7, 8, 9, 9, 8, 8, 8, 8}, techSkills(-0.25)},
    {"Half-Elf/male", "Half-Elf/male", {8, 7, 9, 9, 8, 8, 8, 8}, techSkills(-0.25)},
    {"Halfling/male", "Halfling", {5, 8, 10, 8, 8, 8, 8, 8}, {{"prowling", 0.5}, {"dodge", 0.25}}},
    {"Half-Ogre/male", "Half-Ogre", {12, 8, 8, 7, 4, 8, 8, 8}, {{"prowling", -0.5}}},
    {"Half-Orc/female", "Half-Orc/female", {8, 10, 8, 6, 8, 8, 8, 6},
     {{"melee", 0.5}, {"dodge", 0.5}}},
    {"Half-Orc/male", "Half-Orc/male", {9, 9, 8, 6, 8, 8, 8, 6}, {{"melee", 0.5}, {"dodge", 0.5}}},
    {"Human/female", "Human/female", {7, 9, 8, 8, 8, 8, 8, 8}, {}},
    {"Human/male", "Human/male", {8, 8, 8, 8, 8, 8, 8, 8}, {}},
}};

// Background list positions the tests name.
enum BackgroundIndex {
  kNoBackground = 0, kBookworm = 4, kBully = 6, kClanlessDwarf = 9, kDebutante = 10,
  kHyperactive = 19, kRaisedByElves = 23, kRaisedByOrcs = 25, kRanAwayWithTheCircus = 28,
  kSickly = 32, kSpecialPerson = 33
};

// A value as a box shows it: plain decimal, no "-0".
inline std::string decimal(double v) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%g", v);
  return std::string(buf) == "-0" ? "0" : buf;
}

// ---------------------------------------------------------------------------
// The sheet's own bookkeeping, which every sequence of actions keeps.

// Returns the first rule broken, or an empty text.
inline std::string brokenBookkeeping(const Form1& f) {
  const double level = num(f.Clevel);
  if (level < 1 || level > 50 || level != std::floor(level)) return "level out of 1 to 50";
  const int L = static_cast<int>(level);
  const int granted = (L - 1) + L / 5;  // one CP a level, two at each fifth
  int spent = f.cpstat_hitpoints + f.cpstat_fatigue + f.purchased.listCount();
  for (const StatRow& s : kStats) {
    spent += f.*s.counter;
    if (num(f.*s.base) != 8 + f.*s.counter) return std::string(s.name) + " base is not 8 + counter";
  }
  double techRanks = 0;
  for (const SkillRow& s : kSkillRows) {
    spent += static_cast<int>(f.*s.counter);
    if (s.tech) techRanks += f.*s.counter;
    const bool green = (f.*s.box).back == kGreen;
    const std::string name = s.name;
    if (green != (f.*s.counter > 0)) return name + " green while no rank is bought, or the reverse";
    if (!green && (f.*s.box).back != f.skill_backcolor) return name + " colour not restored";
    if (f.*s.counter < 0 || f.*s.counter > 5) return name + " ranks out of 0 to 5";
  }
  if (spent + f.CP_pool != 5 + granted) return "CPs spent and the pool differ from the CPs granted";
  if (num(f.CPs_remaining) != f.CP_pool) return "CPs_remaining differs from CP_pool";
  int spells = 0, schematics = 0;
  for (const auto& c : f.spell_owned)
    for (std::int16_t v : c) spells += v != 0;
  for (const auto& d : f.schematic_owned)
    for (std::int16_t v : d) schematics += v != 0;
  if (spells != f.spells_bought) return "spells_bought differs from the owned spells";
  if (schematics != f.schematics_bought) return "schematics_bought differs from the owned ones";
  if (spells + schematics != f.purchased.listCount()) return "purchased differs from the owned";
  const double sum = f.race_aptitude + 5.0 * spells - 5.0 * schematics - 4.0 * techRanks;
  if (f.aptitude_value != sum) return "aptitude value is not the sum of its parts";
  if (f.aptitude.text != "0" || sum != 0) {
    if (num(f.aptitude) != std::min(100.0, std::fabs(sum))) return "aptitude box not |sum| capped";
    if (f.aptitude.back != (sum > 0 ? kPink : sum < 0 ? kBrownOrange : kWhite))
      return "aptitude colour does not follow the sign";
  }
  const double levels = 2 * (L - 1), will = num(f.Adjwillpower);
  if (num(f.hitpoints) != 2 * num(f.Adjstrength) + will + 6 + 4 * f.cpstat_hitpoints + levels)
    return "hit points do not follow the statistics";
  if (num(f.fatigue) != 2 * num(f.Adjconstitution) + will + 6 + 4 * f.cpstat_fatigue + levels)
    return "fatigue does not follow the statistics";
  return {};
}

// ---------------------------------------------------------------------------
// Comparing whole states.

// Names every control and counter in which two states differ.
inline std::string differences(const Form1State& got, const Form1State& want) {
  Form1 g, w;
  static_cast<Form1State&>(g) = got;
  static_cast<Form1State&>(w) = want;
  std::ostringstream out;
  auto describe = [&out](const Control& c) {
    out << "\"" << c.text << "\" back " << std::hex << c.back << " fore " << c.fore << std::dec
        << (c.visible ? "" : " hidden") << " index " << c.listIndex << " (" << c.items.size()
        << " entries)";
  };
  for (int i = 0; i < kControlCount; ++i) {
    const Control& a = g.ctl(static_cast<Ctl>(i));
    const Control& b = w.ctl(static_cast<Ctl>(i));
    if (a == b) continue;
    out << info(static_cast<Ctl>(i)).name << ": got ";
    describe(a);
    out << ", want ";
    describe(b);
    out << "\n";
  }
  auto compare = [&out](const char* name, double a, double b) {
    if (a != b) out << name << ": got " << a << ", want " << b << "\n";
  };
#define KETHMOR_COMPARE(m) compare(#m, got.m, want.m);
  KETHMOR_COMPARE(ok_flag) KETHMOR_COMPARE(CP_pool) KETHMOR_COMPARE(cpstat_hitpoints)
  KETHMOR_COMPARE(cpstat_fatigue) KETHMOR_COMPARE(skill_backcolor) KETHMOR_COMPARE(aptitude_value)
  KETHMOR_COMPARE(schematics_bought) KETHMOR_COMPARE(spells_bought) KETHMOR_COMPARE(race_aptitude)
  KETHMOR_COMPARE(tech_aptitude_part) KETHMOR_COMPARE(magick_aptitude_part)
  KETHMOR_COMPARE(techskill_aptitude_part) KETHMOR_COMPARE(backgroundallowed)
#undef KETHMOR_COMPARE
  for (const StatRow& s : kStats)
    compare((std::string("cpstat_") + s.name).c_str(), got.*s.counter, want.*s.counter);
  for (const SkillRow& s : kSkillRows)
    compare((std::string("CPspent_") + s.name).c_str(), got.*s.counter, want.*s.counter);
  if (got.spell_owned != want.spell_owned) out << "spell_owned differs\n";
  if (got.schematic_owned != want.schematic_owned) out << "schematic_owned differs\n";
  if (!(got == want) && out.str().empty()) out << "other counters differ\n";
  return out.str();
}

// Whether the window's state is exactly `want`; names the differences if not.
inline ::testing::AssertionResult same(const Form1State& got, const Form1State& want) {
  if (got == want) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << differences(got, want);
}

// Double-clicks an entry and checks that the refusal changed nothing but the
// message, which must read `message`.
inline ::testing::AssertionResult refuses(Form1& f, Lore lore, int group, int entry,
                                          const std::string& message) {
  pointAt(f, lore, group, entry);
  Form1State want = f;
  want.message_window.text = message;
  f.DblClick(controlsOf(lore).entries);
  return same(f, want);
}

}  // namespace kethmor::testkit
