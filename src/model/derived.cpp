// The values that follow from the adjusted statistics and the purchases.
#include <cmath>
#include <cstdlib>

#include "model/form1.h"
#include "rules/rules.h"

namespace kethmor {

// Colours the adjusted statistics against the base of 8: green above, red
// below; a value of exactly 8 keeps its colour.
void recolourAdjusted(Form1State& f) {
  for (const StatInfo& s : kStats) {
    Control& box = f.*s.adjusted;
    if (num(box) > kBaseStatistic) box.back = kGreen;
    if (num(box) < kBaseStatistic) box.back = kRed;
  }
}

// Carry weight in stones: 500 for each point of adjusted Strength.
void Form1::carryWeightAdj() { put(Carryweight, num(Adjstrength) * 500); }

void Form1::Armoradj() { put(ACadj, num(Adjdexterity) - 10); }

// The rungs as the rules list them, each test on its own.
void Form1::damageadj() {
  const double s = num(Adjstrength);
  if (s == 9) put(Damagebonus, 0);
  if (s == 10) put(Damagebonus, 0);
  if (s < 10) {
    if (s == 8) put(Damagebonus, -1);
    if (s == 7) put(Damagebonus, -1);
    if (s == 6) put(Damagebonus, -2);
    if (s == 5) put(Damagebonus, -2);
    if (s == 4) put(Damagebonus, -3);
    if (s == 3) put(Damagebonus, -3);
    if (s == 2) put(Damagebonus, -4);
    if (s <= 1) put(Damagebonus, -4);
  }
  if (s > 10) {
    put(Damagebonus, s - 10);
    if (s >= 20) put(Damagebonus, num(Damagebonus) + 10);
  }
}

void Form1::Speeddisplay() {
  Speed.text = Adjdexterity.text;
  if (num(Speed) >= 20) put(Speed, num(Speed) + 5);
}

// 6, and each statistic's adjusted value times what a point of it adds (whole numbers: their order does not matter).
void Form1::hpsandfatadj() {
  double hp = 6, fat = 6;
  for (const StatInfo& s : kStats) hp += s.hitpoints * num(this->*s.adjusted), fat += s.fatigue * num(this->*s.adjusted);
  put(hitpoints, hp);
  put(fatigue, fat);
}

void Form1::displayaptitude() {
  // -4 a rank of each technological skill (whole numbers: their order does not matter).
  float tech = 0;
  for (const SkillInfo& s : kSkills)
    if (s.tech) tech += -4 * (this->*s.counter);
  techskill_aptitude_part = static_cast<std::int16_t>(std::lround(tech));
  magick_aptitude_part = static_cast<std::int16_t>(5 * spells_bought);
  tech_aptitude_part = static_cast<std::int16_t>(-5 * schematics_bought);
  aptitude_value = static_cast<float>(static_cast<std::int16_t>(
      tech_aptitude_part + magick_aptitude_part + techskill_aptitude_part + race_aptitude));
  if (aptitude_value > 0) aptitude.back = kPink;
  if (aptitude_value < 0) aptitude.back = kBrownOrange;
  if (aptitude_value == 0) aptitude.back = kWhite;
  aptitude.text = numText(std::fabs(aptitude_value));
  if (num(aptitude) > 100) aptitude.text = "100";
}

}  // namespace kethmor
