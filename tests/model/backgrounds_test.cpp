// Backgrounds: what a race and a background write onto the sheet, a refused background, and the
// background list's double click.
#include "support/sheet_actions.h"

using namespace kethmor;
using namespace kethmor::testkit;
using S = Form1State;

// The values of `boxes` joined by blanks; a colour as its letter: green, red, the box's own (s),
// pink, brown-orange (o), white.
static std::string joined(const Form1& f, const std::vector<Box>& boxes, bool colours = false) {
  const Colour kColours[] = {kGreen, kRed, kSysWindow, kPink, kBrownOrange, kWhite};
  std::string out;
  for (Box b : boxes) {
    const Control& c = f.*b;
    out += (out.empty() || colours ? "" : " ") +
           (colours ? std::string(1, "grspow?"[std::find(kColours, kColours + 6, c.back) - kColours]) : c.text);
  }
  return out;
}
static std::vector<Box> statBoxes() {
  std::vector<Box> boxes;
  for (const StatRow& r : kStatRows) boxes.push_back(r.adjusted);
  return boxes;
}
static std::vector<Box> skillBoxes() {
  std::vector<Box> boxes;
  for (const SkillRow& r : kSkillRows) boxes.push_back(r.box);
  return boxes;
}

// A double click applies the race highlighted in the list (not the Half-Ogre's, who may not take most
// of these), then the background, or with no entry (-1) none: statistics floored at 1 in red, carry
// weight and damage from the floored Strength, AC and speed after a Dexterity change, an 8 keeps its colour.
TEST(BackgroundSelection, TheHighlightedRaceIsTheOneApplied) {
  struct Case {
    const char* name;
    int race, background;
    const char *statistics, *colours;  // ST CN DX BE IN WP PE CH adjusted, and their colours
    const char* derived;                // hit points, fatigue, aptitude, carry weight, damage, AC, speed
    char aptitude;                      // the aptitude box's colour
    const char* skills;                 // in the order of kSkillRows
  };
  const Case cases[] = {
      {"Half-Ogre, Raised in the Pits", kHalfOgre, kRaisedInThePits, "14 8 10 7 1 8 8 8", "gsgrrsss",
       "42 30 0 7000 4 0 10", 'w', "0.25 0.25 0.25 0.25 0 0 0 0 0 0 0 0 0 0 -0.5 0"},
      {"Elf/female, Sheltered Childhood", kElfFemale, kShelteredChildhood, "1 7 9 9 10 11 9 8", "rrgggggs",
       "19 31 15 500 -4 -1 9", 'p', "0 0 0 0 0 0 0 0 -0.5 -0.5 -0.5 -0.5 0 0 0 0"},
      {"Dwarf, Debutante", kDwarf, kDebutante, "8 9 6 11 8 8 8 10", "ggrgsssg", "30 32 15 4000 -1 -4 6", 'o',
       "-0.5 -0.5 -0.5 -0.5 0 0 0 0 0.5 0.5 0.5 0.5 0 0 0 0"},
      {"Dwarf, None", kDwarf, -1, "9 9 7 8 8 8 8 7", "ggrssssr", "32 32 15 4500 0 -3 7", 'o',
       "0 0 0 0 0 0 0 0 0.5 0.5 0.5 0.5 0 0 0 0"},
      {"Half-Orc/male, Raised by Orcs", kHalfOrcMale, kRaisedByOrcs, "11 9 8 6 8 8 10 1", "ggsrssgr",
       "36 32 0 5500 1 -2 8", 'w', "0.25 0.75 0.75 0.25 0 0 0 0 0 0 0 0 0 0 0 0"}};
  for (const Case& c : cases) {
    Form1 f = raceWithBackground(kHalfOgre, kToughHide);
    f.selectEntry(Ctl::Race_Selection, c.race);  // a click, no double click
    applyBackground(f, c.background);
    EXPECT_EQ(f.message_window.text, "") << c.name << ": the message";
    EXPECT_EQ(f.Current_race.text + ", " + f.Current_background.text, c.name) << c.name << ": race and background";
    EXPECT_EQ(joined(f, statBoxes()), c.statistics) << c.name << ": adjusted statistics";
    EXPECT_EQ(joined(f, statBoxes(), true), c.colours) << c.name << ": their colours";
    EXPECT_EQ(joined(f, {&S::hitpoints, &S::fatigue, &S::aptitude, &S::Carryweight, &S::Damagebonus, &S::ACadj,
                         &S::Speed}), c.derived) << c.name << ": hit points, fatigue and derived values";
    EXPECT_EQ(joined(f, {&S::aptitude}, true), std::string(1, c.aptitude)) << c.name << ": the aptitude's colour";
    EXPECT_EQ(joined(f, skillBoxes()), c.skills) << c.name << ": skills";
    const Form1State once = f;  // the same background again does not pile up
    applyBackground(f, c.background);
    EXPECT_TRUE(same(f, once)) << c.name << ": applied twice";
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
    EXPECT_EQ(f.message_window.text, "") << c.refused << ": the message after an allowed one";
    EXPECT_EQ(f.Current_background.text, "Hyperactive") << c.refused << ": the allowed one applied";
    EXPECT_EQ(f.backgroundallowed, kTrue) << c.refused << ": the answer of the check";
  }
}
