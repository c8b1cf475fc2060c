// Applying a race-and-gender entry, and the race list's handlers.
#include "core/form1.h"
#include "races/race_catalogue.h"
#include "races/race_descriptions.h"

namespace kethmor {

namespace {
// The adjusted boxes in the order the race table gives them.
constexpr Control Form1State::*kAdjusted[8] = {
    &Form1State::Adjstrength, &Form1State::Adjconstitution, &Form1State::Adjdexterity,
    &Form1State::Adjbeauty, &Form1State::Adjintelligence, &Form1State::Adjwillpower,
    &Form1State::Adjperception, &Form1State::Adjcharisma};
}  // namespace

// In the order ST, DX, CN, BE, IN, WP, PE, CH.
void recolourAdjusted(Form1State& f) {
  for (Control* box : {&f.Adjstrength, &f.Adjdexterity, &f.Adjconstitution, &f.Adjbeauty,
                       &f.Adjintelligence, &f.Adjwillpower, &f.Adjperception, &f.Adjcharisma}) {
    if (num(*box) > 8) box->back = kGreen;
    if (num(*box) < 8) box->back = kRed;
  }
}

void Form1::RaceSelection() {
  // Start over.
  CP_pool = 5;
  Clevel.text = "1";
  CPs_remaining.text = "5";
  message_window.text.clear();
  purchased.clear();
  reset_spells();
  reset_tech();
  cpstat_ST = cpstat_CN = cpstat_DX = cpstat_CH = cpstat_IN = cpstat_WP = cpstat_PE = cpstat_BE = 0;
  cpstat_hitpoints = cpstat_fatigue = 0;
  for (const SkillInfo& s : kSkills) this->*s.counter = 0;
  spells_bought = schematics_bought = 0;
  race_aptitude = 0;
  tech_aptitude_part = magick_aptitude_part = techskill_aptitude_part = 0;
  aptitude_value = 0;
  for (Control* base : {&Strength, &Constitution, &Dexterity, &Beauty, &Intelligence, &Willpower,
                        &Perception, &Charisma})
    base->text = "8";
  for (const SkillInfo& s : kSkills) (this->*s.box).back = skill_backcolor;
  for (Control Form1State::*adj : kAdjusted) (this->*adj).back = skill_backcolor;
  fatigue.back = skill_backcolor;
  hitpoints.back = skill_backcolor;
  Current_background.text = "None";

  // Apply the highlighted entry.
  const int index = Race_Selection.listIndex;
  if (index >= 0 && index < races::kRaceCount) {
    const races::RaceEntry& race = races::kRaces[index];
    Current_race.text = race.caption;
    put(hitpoints, race.hitpoints);
    put(fatigue, race.fatigue);
    for (int i = 0; i < 8; ++i) put(this->*kAdjusted[i], race.adjusted[static_cast<std::size_t>(i)]);
    for (std::size_t i = 0; i < kSkills.size(); ++i) put(this->*kSkills[i].box, race.skills[i]);
    if (race.writesAptitude) race_aptitude = static_cast<std::int16_t>(race.raceAptitude);
  }

  put(Carryweight, num(Adjstrength) * 500);
  damageadj();
  Armoradj();
  Speeddisplay();
  recolourAdjusted(*this);
  displayaptitude();
}

void Form1::race_descriptions() {
  const int index = Race_Selection.listIndex;
  if (index < 0 || index >= races::kRaceCount) return;
  background_explanations.text = races::kRaceDescriptionTexts[races::kRaces[index].description];
}

void Form1::Race_Selection_Click() { race_descriptions(); }

void Form1::Race_Selection_DblClick() {
  RaceSelection();
  selectEntry(Ctl::Background_Selection, 0);
  hpsandfatadj();
}

}  // namespace kethmor
