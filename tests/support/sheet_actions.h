// What the model tests share: the steps a user takes on the window, the rows of statistics and
// skills, and a state comparison that names the first difference.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "model/form1.h"

namespace kethmor::testkit {

using Box = Control Form1State::*;

// A user's steps.
inline Form1 started() { Form1 f; f.Form_Load(); return f; }
inline void press(Form1& f, Ctl button, int times = 1) { for (int i = 0; i < times; ++i) f.Click(button); }
// A double click: the click on the entry, then the double click.
inline void apply(Form1& f, Ctl list, int entry) { f.selectEntry(list, entry), f.DblClick(list); }
inline void applyRace(Form1& f, int entry) { apply(f, Ctl::Race_Selection, entry); }
inline void applyBackground(Form1& f, int entry) { apply(f, Ctl::Background_Selection, entry); }
inline Form1 raceWithBackground(int race, int background) {
  Form1 f = started();
  return applyRace(f, race), applyBackground(f, background), f;
}
inline void levelTo(Form1& f, int level) {
  for (int i = 0; i < 60 && num(f.Clevel) < level; ++i) f.Click(Ctl::levelup);
}
// Buys points until the adjusted box shows `value` (or the CPs run out).
inline void raiseTo(Form1& f, Ctl plus, const Control& adjusted, int value) {
  for (int i = 0; i < 40 && num(adjusted) < value; ++i) f.Click(plus);
}

// Spells (magick) and schematics (technology) are bought alike: the view's
// button, a group (college or discipline), an entry, a double click.
enum class Lore { Magick, Tech };
struct LoreControls { Ctl select, groups, entries; };
inline LoreControls controlsOf(Lore lore) {
  return lore == Lore::Magick ? LoreControls{Ctl::Magick_select, Ctl::Magick_list, Ctl::Spell_list}
                              : LoreControls{Ctl::Tech_select, Ctl::Tech_list, Ctl::Schematic_list};
}
// The view brought up and the entry clicked, as the first press of a double click.
inline void pointAt(Form1& f, Lore lore, int group, int entry) {
  const LoreControls c = controlsOf(lore);
  f.Click(c.select), f.selectEntry(c.groups, group), f.selectEntry(c.entries, entry);
}
inline void buy(Form1& f, Lore lore, int group, int entry) {
  pointAt(f, lore, group, entry), f.DblClick(controlsOf(lore).entries);
}
inline void buySpell(Form1& f, int college, int spell) { buy(f, Lore::Magick, college, spell); }
inline void buySchematic(Form1& f, int discipline, int k) { buy(f, Lore::Tech, discipline, k); }
// Buys ranks 1 to `upTo` of a group, each of which must go through.
inline void buyRun(Form1& f, Lore lore, int group, int upTo) {
  for (int k = 0; k < upTo; ++k) {
    buy(f, lore, group, k);
    ASSERT_EQ(f.message_window.text, "") << "rank " << k + 1;
  }
}

struct StatRow { const char* name; Box base, adjusted; std::int16_t Form1State::*counter; Ctl plus, minus; };
#define KETHMOR_STAT(N, base, adj) \
  StatRow{#N, &Form1State::base, &Form1State::adj, &Form1State::cpstat_##N, Ctl::N##_plus, Ctl::N##_minus}
inline const PerStat<StatRow> kStatRows = {
    KETHMOR_STAT(ST, Strength, Adjstrength), KETHMOR_STAT(CN, Constitution, Adjconstitution),
    KETHMOR_STAT(DX, Dexterity, Adjdexterity), KETHMOR_STAT(BE, Beauty, Adjbeauty),
    KETHMOR_STAT(IN, Intelligence, Adjintelligence), KETHMOR_STAT(WP, Willpower, Adjwillpower),
    KETHMOR_STAT(PE, Perception, Adjperception), KETHMOR_STAT(CH, Charisma, Adjcharisma)};
#undef KETHMOR_STAT

struct SkillRow {  // governedBy: the statistic as the refusal names it
  const char* name; Box box; float Form1State::*counter; Ctl plus, minus; const char* governedBy; bool tech;
};
#define KETHMOR_SKILL(s, button, word, tech) \
  SkillRow{#s, &Form1State::s, &Form1State::CPspent_##s, Ctl::button##_plus, Ctl::button##_minus, word, tech}
inline const PerSkill<SkillRow> kSkillRows = {
    KETHMOR_SKILL(bow, bow, "Dexterity", 0), KETHMOR_SKILL(melee, melee, "Dexterity", 0),
    KETHMOR_SKILL(dodge, dodge, "Dexterity", 0), KETHMOR_SKILL(throwing, throwing, "Dexterity", 0),
    KETHMOR_SKILL(gambling, Gambling, "Intelligence", 0), KETHMOR_SKILL(haggle, Haggle, "Willpower", 0),
    KETHMOR_SKILL(heal, Heal, "Intelligence", 0), KETHMOR_SKILL(persuasion, Persausion, "Charisma", 0),
    KETHMOR_SKILL(repair, Repair, "Intelligence", 1), KETHMOR_SKILL(firearms, Firearms, "Dexterity", 1),
    KETHMOR_SKILL(picklocks, Picklocks, "Dexterity", 1), KETHMOR_SKILL(adtraps, ADTraps, "Perception", 1),
    KETHMOR_SKILL(pickpocket, pickpocket, "Dexterity", 0), KETHMOR_SKILL(backstab, backstab, "Dexterity", 0),
    KETHMOR_SKILL(prowling, prowling, "Perception", 0), KETHMOR_SKILL(spottrap, spottrap, "Perception", 0)};
#undef KETHMOR_SKILL

// Positions in the race list, sorted with the hyphen ignored.
enum RaceIndex { kDwarf, kElfFemale, kElfMale, kGnome, kHalfElfFemale, kHalfElfMale, kHalfling, kHalfOgre,
                 kHalfOrcFemale, kHalfOrcMale, kHumanFemale, kHumanMale };
// Positions in the background list that the tests name.
enum BackgroundIndex { kNoBackground = 0, kArmyTraining = 2, kBookworm = 4, kBully = 6, kClanlessDwarf = 9,
  kDebutante = 10, kHyperactive = 19, kRaisedByElves = 23, kRaisedByOrcs = 25, kRaisedInThePits = 26,
  kRanAwayWithTheCircus = 28, kShelteredChildhood = 31, kSickly = 32, kToughHide = 35 };

// Two states alike; otherwise names the first control in which they differ.
inline ::testing::AssertionResult same(const Form1State& got, const Form1State& want) {
  if (got == want) return ::testing::AssertionSuccess();
  for (int i = 0; i < kControlCount; ++i) {
    const Control &a = got.*kMembers[i], &b = want.*kMembers[i];
    if (!(a == b))
      return ::testing::AssertionFailure() << info(static_cast<Ctl>(i)).name << ": got \"" << a.text
             << "\" back " << a.back << ", want \"" << b.text << "\" back " << b.back;
  }
  return ::testing::AssertionFailure() << "a counter differs (CP_pool, ok_flag, owned tables, ...)";
}
// Double-clicks an entry; the refusal must change nothing but the message.
inline ::testing::AssertionResult refuses(Form1& f, Lore lore, int group, int entry, const std::string& message) {
  pointAt(f, lore, group, entry);
  Form1State want = f;
  want.message_window.text = message;
  f.DblClick(controlsOf(lore).entries);
  return same(f, want);
}

// The adjusted statistics and the skills less what was bought: fixed between
// two applications of a race or background.
struct Unbought { std::array<double, kStatCount> stat{}; std::array<double, kSkillCount> skill{}; };

// The sheet's own bookkeeping, which every sequence of actions keeps; returns
// the first rule broken, or empty. `applied`: a race or background was just
// applied, so `t` takes the new fixed values.
inline std::string brokenBookkeeping(const Form1& f, Unbought& t, bool applied) {
  const double level = num(f.Clevel);
  if (level < 1 || level > 50 || level != std::floor(level)) return "level out of 1 to 50";
  const int L = static_cast<int>(level);
  int spent = f.cpstat_hitpoints + f.cpstat_fatigue + f.purchased.listCount();
  for (std::size_t i = 0; i < kStatRows.size(); ++i) {
    const StatRow& s = kStatRows[i];
    spent += f.*s.counter;
    if (num(f.*s.base) != 8 + f.*s.counter) return std::string(s.name) + " base is not 8 + counter";
    if (applied) t.stat[i] = num(f.*s.adjusted) - f.*s.counter;
    if (num(f.*s.adjusted) - f.*s.counter != t.stat[i])
      return std::string(s.name) + " adjusted is not its value plus its counter";
  }
  double techRanks = 0;
  for (std::size_t i = 0; i < kSkillRows.size(); ++i) {
    const SkillRow& s = kSkillRows[i];
    const std::string name = s.name;
    const bool green = (f.*s.box).back == kGreen;
    spent += static_cast<int>(f.*s.counter);
    if (s.tech) techRanks += f.*s.counter;
    if (green != (f.*s.counter > 0)) return name + " green while no rank is bought, or the reverse";
    if (!green && (f.*s.box).back != f.skill_backcolor) return name + " colour not restored";
    if (f.*s.counter < 0 || f.*s.counter > 5) return name + " ranks out of 0 to 5";
    if (applied) t.skill[i] = num(f.*s.box) - f.*s.counter;
    if (num(f.*s.box) - f.*s.counter != t.skill[i]) return name + " is not its modifiers plus its counter";
  }
  // One CP a level, two at each fifth, on top of the five to start with.
  if (spent + f.CP_pool != 5 + (L - 1) + L / 5) return "CPs spent and the pool differ from the CPs granted";
  if (num(f.CPs_remaining) != f.CP_pool) return "CPs_remaining differs from CP_pool";
  int spells = 0, schematics = 0;
  for (const auto& c : f.spell_owned) for (auto v : c) spells += v != 0;
  for (const auto& d : f.schematic_owned) for (auto v : d) schematics += v != 0;
  if (spells != f.spells_bought || schematics != f.schematics_bought || spells + schematics != f.purchased.listCount())
    return "spells_bought, schematics_bought or the purchase list differ from the owned tables";
  const double sum = f.race_aptitude + 5.0 * spells - 5.0 * schematics - 4.0 * techRanks;
  if (f.aptitude_value != sum) return "aptitude value is not the sum of its parts";
  if (num(f.aptitude) != std::min(100.0, std::fabs(sum)) ||
      f.aptitude.back != (sum > 0 ? kPink : sum < 0 ? kBrownOrange : kWhite))
    return "aptitude box not |sum| capped, or its colour not the sign's";
  const double levels = 2 * (L - 1), will = num(f.Adjwillpower);
  if (num(f.hitpoints) != 2 * num(f.Adjstrength) + will + 6 + 4 * f.cpstat_hitpoints + levels)
    return "hit points do not follow the statistics";
  if (num(f.fatigue) != 2 * num(f.Adjconstitution) + will + 6 + 4 * f.cpstat_fatigue + levels)
    return "fatigue does not follow the statistics";
  if (f.Magick_list.visible == f.Tech_list.visible || f.Magick_list.visible != f.Spell_list.visible ||
      f.Tech_list.visible != f.Schematic_list.visible ||
      f.Spelltechindicator.text != (f.Tech_list.visible ? "Schematics" : "Spells"))
    return "not exactly one list pair shown whole, or named wrong";
  for (Ctl l : {Ctl::Race_Selection, Ctl::Background_Selection, Ctl::Magick_list, Ctl::Tech_list,
                Ctl::Spell_list, Ctl::Schematic_list, Ctl::purchased})
    if (f.ctl(l).listIndex < -1 || f.ctl(l).listIndex >= f.ctl(l).listCount()) return "list index outside";
  return {};
}

inline std::string brokenBookkeeping(const Form1& f) { Unbought t; return brokenBookkeeping(f, t, true); }

}  // namespace kethmor::testkit
