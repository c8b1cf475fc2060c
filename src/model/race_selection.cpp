// Applying a race-and-gender entry, and the race list's handlers.
#include "model/form1.h"
#include "rules/rules.h"
#include "catalogues/race_catalogue.h"
#include "catalogues/race_descriptions.h"

namespace kethmor {

void Form1::RaceSelection() {
  // Start over.
  CP_pool = kStartCPs;
  Clevel.text = "1";
  put(CPs_remaining, kStartCPs);
  message_window.text.clear();
  purchased.clear();
  purchase_order.clear();
  reset_spells();
  reset_tech();
  for (const StatInfo& s : kStats) this->*s.counter = 0;
  cpstat_hitpoints = cpstat_fatigue = 0;
  for (const SkillInfo& s : kSkills) this->*s.counter = 0;
  spells_bought = schematics_bought = 0;
  race_aptitude = 0;
  tech_aptitude_part = magick_aptitude_part = techskill_aptitude_part = 0;
  aptitude_value = 0;
  for (const StatInfo& s : kStats) put(this->*s.base, kBaseStatistic);
  for (const SkillInfo& s : kSkills) (this->*s.box).back = skill_backcolor;
  for (const StatInfo& s : kStats) (this->*s.adjusted).back = skill_backcolor;
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
    for (std::size_t i = 0; i < kStats.size(); ++i) put(this->*kStats[i].adjusted, race.adjusted[i]);
    for (std::size_t i = 0; i < kSkills.size(); ++i) put(this->*kSkills[i].box, race.skills[i]);
    if (race.writesAptitude) race_aptitude = static_cast<std::int16_t>(race.raceAptitude);
  }

  carryWeightAdj();
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
