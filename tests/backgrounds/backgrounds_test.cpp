// Backgrounds: what a race and a background write onto the sheet, a refused background, and the
// background list's double click.
#include "support/sheet_actions.h"

using namespace kethmor;
using namespace kethmor::testkit;
using S = Form1State;

// Race, background, adjusted statistics, hit points, fatigue, aptitude, carry weight, damage, AC,
// speed, the skills in kSkillRows order, then the colours of the statistics and of the aptitude.
static std::string sheet(const Form1& f) {
  const Colour colours[] = {kGreen, kRed, kSysWindow, kPink, kBrownOrange, kWhite};
  auto letter = [&](Colour c) { return "grspow?"[std::find(colours, colours + 6, c) - colours]; };
  std::string out = f.Current_race.text + " " + f.Current_background.text + " ";
  for (const StatRow& r : kStatRows) out += (f.*r.adjusted).text + " ";
  for (Box b : {&S::hitpoints, &S::fatigue, &S::aptitude, &S::Carryweight, &S::Damagebonus, &S::ACadj, &S::Speed})
    out += (f.*b).text + " ";
  for (const SkillRow& r : kSkillRows) out += (f.*r.box).text + " ";
  for (const StatRow& r : kStatRows) out += letter((f.*r.adjusted).back);
  return out + letter(f.aptitude.back);
}

// A double click applies the race highlighted in the list (not the Half-Ogre's, who may not take most
// of these), then the background, or with no entry (-1) none: statistics floored at 1 in red, carry
// weight and damage from the floored Strength, AC and speed after a Dexterity change, an 8 keeps its colour.
TEST(BackgroundSelection, TheHighlightedRaceIsTheOneApplied) {
  struct Case { int race, background; const char* want; };
  const Case cases[] = {
      {kHalfOgre, kRaisedInThePits, "Half-Ogre Raised in the Pits 14 8 10 7 1 8 8 8 42 30 0 7000 4 0 10 "
                                    "0.25 0.25 0.25 0.25 0 0 0 0 0 0 0 0 0 0 -0.5 0 gsgrrsssw"},
      {kElfFemale, kShelteredChildhood, "Elf/female Sheltered Childhood 1 7 9 9 10 11 9 8 19 31 15 500 -4 -1 "
                                        "9 0 0 0 0 0 0 0 0 -0.5 -0.5 -0.5 -0.5 0 0 0 0 rrgggggsp"},
      {kDwarf, kDebutante, "Dwarf Debutante 8 9 6 11 8 8 8 10 30 32 15 4000 -1 -4 6 "
                           "-0.5 -0.5 -0.5 -0.5 0 0 0 0 0.5 0.5 0.5 0.5 0 0 0 0 ggrgsssgo"},
      {kDwarf, -1, "Dwarf None 9 9 7 8 8 8 8 7 32 32 15 4500 0 -3 7 "
                   "0 0 0 0 0 0 0 0 0.5 0.5 0.5 0.5 0 0 0 0 ggrssssro"},
      {kHalfOrcMale, kRaisedByOrcs, "Half-Orc/male Raised by Orcs 11 9 8 6 8 8 10 1 36 32 0 5500 1 -2 8 "
                                    "0.25 0.75 0.75 0.25 0 0 0 0 0 0 0 0 0 0 0 0 ggsrssgrw"}};
  for (const Case& c : cases) {
    Form1 f = raceWithBackground(kHalfOgre, kToughHide);
    f.selectEntry(Ctl::Race_Selection, c.race);  // a click, no double click
    applyBackground(f, c.background);
    EXPECT_EQ(f.message_window.text + sheet(f), c.want);
    const Form1State once = f;  // the same background again does not pile up
    applyBackground(f, c.background);
    EXPECT_TRUE(same(f, once)) << c.want;
  }
}

// A refused background costs the player nothing but the message; an allowed one after it applies.
TEST(BackgroundSelection, ARefusedBackgroundChangesNothingButTheMessage) {
  struct Case { int race, background, highlight, refused; };  // -1: none; no highlight: the current race
  const Case cases[] = {{-1, -1, kHalfOgre, kBookworm}, {kElfFemale, kHyperactive, kElfFemale, kDebutante},
      {-1, -1, -1, kClanlessDwarf}};
  for (const Case& c : cases) {
    Form1 f = started();
    if (c.race >= 0) applyRace(f, c.race);
    if (c.background >= 0) applyBackground(f, c.background);
    for (Ctl b : {Ctl::levelup, Ctl::ST_plus, Ctl::WP_plus, Ctl::bow_plus}) press(f, b);
    buySpell(f, 0, 0);
    ASSERT_EQ(f.CP_pool, 2);
    f.selectEntry(Ctl::Race_Selection, c.highlight);
    f.selectEntry(Ctl::Background_Selection, c.refused);  // the click shows the description
    Form1State before = f;
    before.message_window.text = "Not available for this race/gender";
    before.backgroundallowed = kFalse;  // the answer of the latest check
    f.DblClick(Ctl::Background_Selection);
    EXPECT_TRUE(same(f, before)) << c.refused;
    applyBackground(f, kHyperactive);
    EXPECT_EQ(f.message_window.text + f.Current_background.text + (f.backgroundallowed == kTrue ? "" : " no"),
              "Hyperactive");
  }
}
