// The level plan's text for builds worked out by hand (the soak replays the plans of seeded sessions).
#include "sheet/level_plan.h"
#include "sheet/sheet.h"
#include "sheet/sheet_reader.h"
#include "support/sheet_actions.h"

namespace {

using namespace kethmor;
using namespace kethmor::testkit;

void borin(Form1& f) {  // the session order Strength, Strength, four Level-ups, Bow, Repair, Unseen Force, ...
  applyRace(f, kDwarf), f.PCname.text = "Borin Ironfist";
  press(f, Ctl::ST_plus, 2), press(f, Ctl::levelup, 4), press(f, Ctl::bow_plus), press(f, Ctl::Repair_plus);
  buySpell(f, 0, 0), buySchematic(f, 0, 0);
  for (Ctl b : {Ctl::Hitpoints_plus, Ctl::Fatigue_plus, Ctl::WP_plus}) press(f, b);
}

struct TextCase { const char* name; void (*session)(Form1&); const char* text; };
const TextCase kTextCases[] = {
    {"the session's order", borin, "Level plan for Borin Ironfist: Dwarf, background None\nLevel 1 (5 CPs): Strength x2, Bow, Repair, "
            "Unseen Force\nLevel 2 (1 CP): Charges\nLevel 3 (1 CP): Hit points\nLevel 4 (1 CP): Fatigue\n"
            "Level 5 (2 CPs): Willpower\nUnspent: 1 CP"},
    // Opened from its sheet: statistics, hit points, fatigue, skills, then the purchase list.
    {"opened from its sheet", [](Form1& f) { Form1 b = started(); borin(b), sheet::rebuildSheet(sheet::sheetBytes(b), b, f); },
     "Level plan for Borin Ironfist: Dwarf, background None\nLevel 1 (5 CPs): Strength x2, Willpower, Hit points, "
     "Fatigue\nLevel 2 (1 CP): Bow\nLevel 3 (1 CP): Repair\nLevel 4 (1 CP): Unseen Force\nLevel 5 (2 CPs): "
     "Charges\nUnspent: 1 CP"},
    // A name of blanks only is no name.
    {"a name of blanks", [](Form1& f) { f.PCname.text = "  "; }, "Level plan: Human/male, background none\nLevel 1 (5 CPs): nothing\nUnspent: 5 CPs"},
    // A rank-3 spell waits for level 5; selling charisma sells the skill ranks bought before it.
    {"a spell waiting for its level", [](Form1& f) {
       applyRace(f, kHumanMale), levelTo(f, 10), press(f, Ctl::WP_plus, 4), buyRun(f, Lore::Magick, 0, 3);
       for (Ctl b : {Ctl::CH_plus, Ctl::Persausion_plus, Ctl::bow_plus, Ctl::CH_minus, Ctl::bow_plus}) press(f, b);
       press(f, Ctl::Hitpoints_plus, 2);
     },
     "Level plan: Human/male, background None\nLevel 1 (5 CPs): Willpower x4, Unseen Force\nLevel 2 (1 CP): "
     "Unlocking Cantrip\nLevel 3 (1 CP): nothing\nLevel 4 (1 CP): nothing\nLevel 5 (2 CPs): Shadow Shift, Bow, "
     "Hit points x2\nLevel 6 (1 CP): nothing\nLevel 7 (1 CP): nothing\nLevel 8 (1 CP): nothing\nLevel 9 (1 CP): "
     "nothing\nLevel 10 (2 CPs): nothing\nUnspent: 6 CPs"},
    // Clear takes back the spells and schematics; a background applied starts the order again.
    {"Clear and a background", [](Form1& f) {
       applyRace(f, kHumanMale), press(f, Ctl::ST_plus), applyBackground(f, kBully);
       buySchematic(f, 1, 0), buySpell(f, 2, 0), press(f, Ctl::Clear), press(f, Ctl::IN_plus);
       buySchematic(f, 1, 0), press(f, Ctl::Heal_plus), levelTo(f, 3);
     },
     "Level plan: Human/male, background Bully\nLevel 1 (5 CPs): Intelligence, Electric Light, Heal\nLevel 2 (1 CP): "
     "nothing\nLevel 3 (1 CP): nothing\nUnspent: 4 CPs"},
};

TEST(LevelPlan, TextOfBuildsWorkedOutByHand) {
  for (const TextCase& c : kTextCases) {
    Form1 f = started();
    c.session(f);
    EXPECT_EQ(planText(levelPlan(f)), c.text) << c.name;
  }
  // At the end of level 3 the rank-3 spell still waits for level 5; its refusal leaves no message.
  Form1 f = started();
  kTextCases[3].session(f);
  const Form1State atThree = planStateAt(f, 3);
  EXPECT_EQ(atThree.CPs_remaining.text, "1") << "the CPs left at level 3";
  EXPECT_EQ(atThree.message_window.text, "") << "the message at level 3";
}

// Every purchase the plan names, by its button: the plan prints the name the sheet gives it
// (hit points excepted), so a row whose name or button is out of place shows here.
TEST(LevelPlan, EveryPurchaseIsNamedAsTheSheetNamesIt) {
  const std::pair<Ctl, const char*> kNamed[] = {
      {Ctl::ST_plus, "Strength"},          {Ctl::CN_plus, "Constitution"},     {Ctl::DX_plus, "Dexterity"},
      {Ctl::BE_plus, "Beauty"},            {Ctl::IN_plus, "Intelligence"},     {Ctl::WP_plus, "Willpower"},
      {Ctl::PE_plus, "Perception"},        {Ctl::CH_plus, "Charisma"},         {Ctl::Hitpoints_plus, "Hit points"},
      {Ctl::Fatigue_plus, "Fatigue"},      {Ctl::bow_plus, "Bow"},             {Ctl::melee_plus, "Melee"},
      {Ctl::dodge_plus, "Dodge"},          {Ctl::throwing_plus, "Throwing"},   {Ctl::Gambling_plus, "Gambling"},
      {Ctl::Haggle_plus, "Haggle"},        {Ctl::Heal_plus, "Heal"},           {Ctl::Persausion_plus, "Persuasion"},
      {Ctl::Repair_plus, "Repair"},        {Ctl::Firearms_plus, "Firearms"},   {Ctl::Picklocks_plus, "Pick Locks"},
      {Ctl::ADTraps_plus, "Arm/Disarm Traps"}, {Ctl::pickpocket_plus, "Pick Pocket"},
      {Ctl::backstab_plus, "Backstab"},    {Ctl::prowling_plus, "Prowling"},   {Ctl::spottrap_plus, "Spot Trap"}};
  for (const auto& [button, name] : kNamed) {
    Form1 f = started();
    press(f, button);
    EXPECT_EQ(planText(levelPlan(f)),
              std::string("Level plan: Human/male, background none\nLevel 1 (5 CPs): ") + name + "\nUnspent: 4 CPs")
        << name;
  }
}

}  // namespace
