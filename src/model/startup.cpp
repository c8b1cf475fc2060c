// Start-up of the window.
#include "catalogues/background_catalogue.h"
#include "model/form1.h"
#include "rules/rules.h"
#include "catalogues/college_catalogue.h"
#include "catalogues/race_catalogue.h"
#include "catalogues/discipline_catalogue.h"

namespace kethmor {

void Form1::Form_Load() {
  Background_Selection.clear();
  for (const auto& b : backgrounds::kBackgrounds) Background_Selection.addItem(b.listText);
  Race_Selection.clear();
  for (int i : races::kRaceFillOrder) Race_Selection.addItem(races::kRaces[i].listText);
  Magick_list.clear();
  for (const char* college : magick::kCollegeNames) Magick_list.addItem(college);
  for (const char* discipline : technology::kDisciplineNames) Tech_list.addItem(discipline);

  CP_pool = kStartCPs;
  cpstat_hitpoints = 0;
  cpstat_fatigue = 0;

  for (const StatInfo& s : kStats) put(this->*s.base, kBaseStatistic);

  skill_backcolor = Background_Selection.back;

  for (const SkillInfo& s : kSkills) (this->*s.box).text = "0";

  selectEntry(Ctl::Race_Selection, kStartRaceEntry);
  selectEntry(Ctl::Background_Selection, 0);
  selectEntry(Ctl::Magick_list, 0);
  selectEntry(Ctl::Tech_list, 0);

  Tech_list.visible = false;
  Schematic_list.visible = false;

  hitpoints.text = "30";
  fatigue.text = "30";
  put(CPs_remaining, kStartCPs);

  schematics_bought = 0;
  spells_bought = 0;

  reset_spells();
  reset_tech();

  backgroundallowed = kTrue;
}

}  // namespace kethmor
