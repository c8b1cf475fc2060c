// Level-up, clearing the spells and schematics, quitting, and the CP
// bookkeeping across a mixed session.
#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "core/form1.h"

namespace {

using namespace kethmor;

Form1 started() {
  Form1 f;
  f.Form_Load();
  return f;
}

void doubleClick(Form1& f, Ctl list, int row) {
  f.selectEntry(list, row);
  f.DblClick(list);
}
void applyRace(Form1& f, int entry) { doubleClick(f, Ctl::Race_Selection, entry); }
void applyBackground(Form1& f, int index) { doubleClick(f, Ctl::Background_Selection, index); }
void buySpell(Form1& f, int college, int spell) {
  f.Click(Ctl::Magick_select);
  f.selectEntry(Ctl::Magick_list, college);
  doubleClick(f, Ctl::Spell_list, spell);
}
void buySchematic(Form1& f, int discipline, int schematic) {
  f.Click(Ctl::Tech_select);
  f.selectEntry(Ctl::Tech_list, discipline);
  doubleClick(f, Ctl::Schematic_list, schematic);
}
void press(Form1& f, Ctl button, int times = 1) {
  for (int i = 0; i < times; ++i) f.Click(button);
}

std::string differences(const Form1State& got, const Form1State& want) {
  Form1 g, w;
  static_cast<Form1State&>(g) = got;
  static_cast<Form1State&>(w) = want;
  std::ostringstream out;
  for (int i = 0; i < kControlCount; ++i) {
    const Control& a = g.ctl(static_cast<Ctl>(i));
    const Control& b = w.ctl(static_cast<Ctl>(i));
    if (!(a == b))
      out << info(static_cast<Ctl>(i)).name << ": got \"" << a.text << "\" ("
          << a.items.size() << " entries), want \"" << b.text << "\" (" << b.items.size()
          << " entries)\n";
  }
#define CMP(m) \
  if (got.m != want.m) out << #m << ": got " << got.m << ", want " << want.m << "\n";
  CMP(CP_pool) CMP(aptitude_value) CMP(spells_bought) CMP(schematics_bought)
  CMP(tech_aptitude_part) CMP(magick_aptitude_part) CMP(techskill_aptitude_part)
#undef CMP
  if (got.spell_owned != want.spell_owned) out << "spell_owned differs\n";
  if (got.schematic_owned != want.schematic_owned) out << "schematic_owned differs\n";
  if (!(got == want) && out.str().empty()) out << "other counters differ\n";
  return out.str();
}

void expectState(const Form1& f, const Form1State& want) {
  const Form1State& got = f;
  EXPECT_TRUE(got == want) << differences(got, want);
}

// ---------------------------------------------------------------------------
// Level-up.

TEST(LevelUp, OneLevelFromTheStartCharacter) {
  Form1 f = started();
  f.message_window.text = "keep";
  Form1State want = f;
  press(f, Ctl::levelup);
  want.Clevel.text = "2";
  want.CP_pool = 6;
  want.CPs_remaining.text = "6";
  want.hitpoints.text = "32";
  want.fatigue.text = "32";
  expectState(f, want);
}

TEST(LevelUp, UpToFiftyWithTheDoubleGrantAtMultiplesOfFive) {
  const std::set<int> doubleGrant = {5, 10, 15, 20, 25, 30, 35, 40, 45, 50};
  Form1 f = started();
  press(f, Ctl::bow_plus);  // statistics, skills and aptitude must stay as they are
  press(f, Ctl::Repair_plus);
  f.message_window.text = "keep";
  int level = 1;
  for (int click = 1; click <= 60; ++click) {
    SCOPED_TRACE("click " + std::to_string(click));
    Form1State want = f;
    press(f, Ctl::levelup);
    if (level < 50) {
      ++level;
      const int gain = doubleGrant.count(level) ? 2 : 1;
      want.Clevel.text = std::to_string(level);
      want.CP_pool = static_cast<std::int16_t>(want.CP_pool + gain);
      want.CPs_remaining.text = std::to_string(want.CP_pool);
      want.hitpoints.text = std::to_string(static_cast<int>(num(want.hitpoints)) + 2);
      want.fatigue.text = std::to_string(static_cast<int>(num(want.fatigue)) + 2);
    }
    expectState(f, want);
  }
  EXPECT_EQ(f.Clevel.text, "50");
  EXPECT_EQ(f.CP_pool, 3 + 59);
  EXPECT_EQ(f.CPs_remaining.text, "62");
  EXPECT_EQ(f.hitpoints.text, "128");  // 30 + 98
  EXPECT_EQ(f.fatigue.text, "128");
}

// ---------------------------------------------------------------------------
// Clear.

TEST(Clear, WithNothingBoughtChangesNothing) {
  Form1 f = started();
  press(f, Ctl::ST_plus);
  press(f, Ctl::Picklocks_plus);
  press(f, Ctl::levelup);
  f.message_window.text = "keep";
  Form1State want = f;
  press(f, Ctl::Clear);
  expectState(f, want);
}

TEST(Clear, ReturnsTheCPsOfTwoSpellsAndOneSchematic) {
  Form1 f = started();
  applyRace(f, 0);  // Dwarf: aptitude 15 toward technology, repair 0.5
  press(f, Ctl::Repair_plus);
  buySpell(f, 0, 0);
  buySpell(f, 1, 0);
  buySchematic(f, 0, 0);
  ASSERT_EQ(f.purchased.items,
            (std::vector<std::string>{"Unseen Force", "Sense Alignment", "Charges"}));
  ASSERT_EQ(f.CP_pool, 1);
  ASSERT_EQ(f.aptitude.text, "14");  // -15 - 4 + 10 - 5

  f.message_window.text = "keep";
  Form1State want = f;
  press(f, Ctl::Clear);
  want.CP_pool = 4;
  want.CPs_remaining.text = "4";
  want.purchased.items.clear();
  want.purchased.listIndex = -1;
  for (auto& college : want.spell_owned) college.fill(kFalse);
  for (auto& discipline : want.schematic_owned) discipline.fill(kFalse);
  want.spells_bought = 0;
  want.schematics_bought = 0;
  want.magick_aptitude_part = 0;
  want.tech_aptitude_part = 0;
  want.aptitude_value = -19;  // the race and the one repair rank
  want.aptitude.text = "19";
  want.aptitude.back = kBrownOrange;
  expectState(f, want);
}

TEST(Clear, SpellsAsTheOnlyAptitudeSourceLeaveItWhite) {
  Form1 f = started();
  buySpell(f, 4, 0);
  ASSERT_EQ(f.aptitude.back, kPink);
  press(f, Ctl::Clear);
  EXPECT_EQ(f.aptitude.text, "0");
  EXPECT_EQ(f.aptitude.back, kWhite);
  EXPECT_EQ(f.CP_pool, 5);
  EXPECT_EQ(f.CPs_remaining.text, "5");
  EXPECT_TRUE(f.purchased.items.empty());
  // The spell can be bought again.
  buySpell(f, 4, 0);
  EXPECT_EQ(f.spells_bought, 1);
  EXPECT_EQ(f.message_window.text, "");
}

// ---------------------------------------------------------------------------
// Quit.

TEST(Quit, EndsAndCallsTheHookOnce) {
  Form1 f = started();
  int calls = 0;
  f.onQuit = [&calls] { ++calls; };
  press(f, Ctl::ST_plus);
  Form1State want = f;
  press(f, Ctl::Quit);
  EXPECT_TRUE(f.ended);
  EXPECT_EQ(calls, 1);
  expectState(f, want);

  Form1 g = started();
  g.Quit_Click();  // no hook set
  EXPECT_TRUE(g.ended);
}

// ---------------------------------------------------------------------------
// The bookkeeping over a mixed session on a half-orc raised by orcs.

TEST(Accounting, MixedSessionKeepsTheBooks) {
  using S = Form1State;
  struct Stat {
    Control S::*base;
    Control S::*adj;
    std::int16_t S::*counter;
  };
  const std::vector<Stat> stats = {
      {&S::Strength, &S::Adjstrength, &S::cpstat_ST},
      {&S::Constitution, &S::Adjconstitution, &S::cpstat_CN},
      {&S::Dexterity, &S::Adjdexterity, &S::cpstat_DX},
      {&S::Beauty, &S::Adjbeauty, &S::cpstat_BE},
      {&S::Intelligence, &S::Adjintelligence, &S::cpstat_IN},
      {&S::Willpower, &S::Adjwillpower, &S::cpstat_WP},
      {&S::Perception, &S::Adjperception, &S::cpstat_PE},
      {&S::Charisma, &S::Adjcharisma, &S::cpstat_CH},
  };
  struct SkillBook {
    Control S::*box;
    float S::*counter;
    double start;  // half-orc value plus the background's
    bool tech;
  };
  const std::vector<SkillBook> skills = {
      {&S::bow, &S::CPspent_bow, 0.25, false},
      {&S::melee, &S::CPspent_melee, 0.75, false},
      {&S::dodge, &S::CPspent_dodge, 0.75, false},
      {&S::throwing, &S::CPspent_throwing, 0.25, false},
      {&S::gambling, &S::CPspent_gambling, 0, false},
      {&S::haggle, &S::CPspent_haggle, 0, false},
      {&S::heal, &S::CPspent_heal, 0, false},
      {&S::persuasion, &S::CPspent_persuasion, 0, false},
      {&S::repair, &S::CPspent_repair, 0, true},
      {&S::firearms, &S::CPspent_firearms, 0, true},
      {&S::picklocks, &S::CPspent_picklocks, 0, true},
      {&S::adtraps, &S::CPspent_adtraps, 0, true},
      {&S::pickpocket, &S::CPspent_pickpocket, 0, false},
      {&S::backstab, &S::CPspent_backstab, 0, false},
      {&S::prowling, &S::CPspent_prowling, 0, false},
      {&S::spottrap, &S::CPspent_spottrap, 0, false},
  };
  // Half-Orc/male with "Raised by Orcs": ST 11, CN 9, WP 8.
  const double raceST = 11, raceCN = 9, raceWP = 8;

  Form1 f = started();
  applyRace(f, 9);
  applyBackground(f, 25);
  ASSERT_EQ(f.Current_background.text, "Raised by Orcs");

  int level = 1;
  int granted = 0;
  const std::set<int> doubleGrant = {5, 10, 15, 20, 25, 30, 35, 40, 45, 50};
  auto levelUp = [&](Form1& g, int times) {
    for (int i = 0; i < times; ++i) {
      if (level < 50) {
        ++level;
        granted += doubleGrant.count(level) ? 2 : 1;
      }
      press(g, Ctl::levelup);
    }
  };

  auto checkBooks = [&](const Form1& g) {
    int spent = g.cpstat_hitpoints + g.cpstat_fatigue;
    for (const Stat& s : stats) {
      spent += g.*s.counter;
      EXPECT_EQ(num(g.*s.base), 8 + g.*s.counter);
    }
    float techRanks = 0;
    for (const SkillBook& k : skills) {
      spent += static_cast<int>(g.*k.counter);
      EXPECT_EQ(num(g.*k.box), k.start + g.*k.counter);
      EXPECT_EQ((g.*k.box).back, g.*k.counter > 0 ? kGreen : g.skill_backcolor);
      if (k.tech) techRanks += g.*k.counter;
    }
    spent += g.purchased.listCount();
    EXPECT_EQ(spent + g.CP_pool, 5 + granted);
    EXPECT_EQ(g.CPs_remaining.text, std::to_string(g.CP_pool));
    int spells = 0, schematics = 0;
    for (const auto& college : g.spell_owned)
      for (std::int16_t owned : college) spells += owned == kTrue;
    for (const auto& discipline : g.schematic_owned)
      for (std::int16_t owned : discipline) schematics += owned == kTrue;
    EXPECT_EQ(g.spells_bought, spells);
    EXPECT_EQ(g.schematics_bought, schematics);
    EXPECT_EQ(g.purchased.listCount(), spells + schematics);
    EXPECT_EQ(g.aptitude_value, 5 * spells - 5 * schematics - 4 * techRanks);
    EXPECT_EQ(g.Clevel.text, std::to_string(level));
    EXPECT_EQ(num(g.hitpoints), 2 * (raceST + g.cpstat_ST) + raceWP + g.cpstat_WP + 6 +
                                    4 * g.cpstat_hitpoints + 2 * (level - 1));
    EXPECT_EQ(num(g.fatigue), 2 * (raceCN + g.cpstat_CN) + raceWP + g.cpstat_WP + 6 +
                                  4 * g.cpstat_fatigue + 2 * (level - 1));
  };

  struct Step {
    const char* name;
    std::function<void(Form1&)> act;
  };
  const std::vector<Step> script = {
      {"six level-ups", [&](Form1& g) { levelUp(g, 6); }},
      {"two DX points", [](Form1& g) { press(g, Ctl::DX_plus, 2); }},
      {"two bow ranks", [](Form1& g) { press(g, Ctl::bow_plus, 2); }},
      {"a melee rank", [](Form1& g) { press(g, Ctl::melee_plus); }},
      {"a WP point", [](Form1& g) { press(g, Ctl::WP_plus); }},
      {"two spells", [](Form1& g) { buySpell(g, 0, 0); buySpell(g, 0, 1); }},
      {"a repair rank", [](Form1& g) { press(g, Ctl::Repair_plus); }},
      {"a schematic", [](Form1& g) { buySchematic(g, 0, 0); }},
      {"hit points and fatigue",
       [](Form1& g) { press(g, Ctl::Hitpoints_plus); press(g, Ctl::Fatigue_plus); }},
      {"CN - with none bought", [](Form1& g) { press(g, Ctl::CN_minus); }},
      {"bow + with no CPs", [](Form1& g) { press(g, Ctl::bow_plus); }},
      {"DX - sells the skills", [](Form1& g) { press(g, Ctl::DX_minus); }},
      {"Clear", [](Form1& g) { press(g, Ctl::Clear); }},
      {"three level-ups", [&](Form1& g) { levelUp(g, 3); }},
      {"WP - with no spell left", [](Form1& g) { press(g, Ctl::WP_minus); }},
      {"three ST points", [](Form1& g) { press(g, Ctl::ST_plus, 3); }},
      {"a spell", [](Form1& g) { buySpell(g, 1, 0); }},
      {"heal and two spot-trap ranks",
       [](Form1& g) { press(g, Ctl::Heal_plus); press(g, Ctl::spottrap_plus, 2); }},
      {"fatigue -", [](Form1& g) { press(g, Ctl::Fatigue_minus); }},
      {"45 level-ups, five past 50", [&](Form1& g) { levelUp(g, 45); }},
      {"Clear again", [](Form1& g) { press(g, Ctl::Clear); }},
      {"ST - four times", [](Form1& g) { press(g, Ctl::ST_minus, 4); }},
  };
  checkBooks(f);
  for (const Step& step : script) {
    SCOPED_TRACE(step.name);
    step.act(f);
    checkBooks(f);
  }
  EXPECT_EQ(granted, 59);
  EXPECT_EQ(f.CP_pool, 62);  // 64, less one DX point and one hit-point purchase
  EXPECT_EQ(f.cpstat_DX, 1);
  EXPECT_EQ(f.cpstat_hitpoints, 1);
  EXPECT_TRUE(f.purchased.items.empty());
}

}  // namespace
