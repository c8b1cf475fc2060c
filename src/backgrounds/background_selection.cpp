// Applying a background, its restrictions, and the background list's
// handlers.
#include "backgrounds/background_catalogue.h"
#include "backgrounds/background_descriptions.h"
#include "core/form1.h"
#include "races/race_catalogue.h"

namespace kethmor {

namespace {
Control& statBox(Form1State& f, backgrounds::Stat s) {
  using St = backgrounds::Stat;
  switch (s) {
    case St::ST: return f.Adjstrength;
    case St::DX: return f.Adjdexterity;
    case St::CN: return f.Adjconstitution;
    case St::BE: return f.Adjbeauty;
    case St::IN: return f.Adjintelligence;
    case St::WP: return f.Adjwillpower;
    case St::PE: return f.Adjperception;
    case St::CH: return f.Adjcharisma;
  }
  return f.Adjstrength;
}

Control& skillBox(Form1State& f, backgrounds::Skill s) {
  using K = backgrounds::Skill;
  switch (s) {
    case K::bow: return f.bow;
    case K::melee: return f.melee;
    case K::dodge: return f.dodge;
    case K::throwing: return f.throwing;
    case K::haggle: return f.haggle;
    case K::persuasion: return f.persuasion;
    case K::pickpocket: return f.pickpocket;
    case K::prowling: return f.prowling;
    case K::repair: return f.repair;
    case K::firearms: return f.firearms;
    case K::picklocks: return f.picklocks;
    case K::adtraps: return f.adtraps;
  }
  return f.bow;
}

const char* const kRefused = "Not available for this race/gender";
}  // namespace

bool Form1::backgroundRefused(const std::string& raceKey, int background) const {
  for (int k = 0; k < backgrounds::kRaceKeyCount; ++k)
    if (raceKey == backgrounds::kRaceKeys[k]) return backgrounds::refuses(k, background);
  return false;
}

void Form1::checkbackgroundrestriction() {
  backgroundallowed = kTrue;
  if (backgroundRefused(Current_race.text, Background_Selection.listIndex)) backgroundallowed = kFalse;
  if (backgroundallowed == kFalse) message_window.text = kRefused;
}

void Form1::backgroundselection() {
  checkbackgroundrestriction();
  if (backgroundallowed == kFalse) return;
  const int index = Background_Selection.listIndex;
  if (index >= 0 && index < backgrounds::kBackgroundTotal) {
    const backgrounds::BackgroundEntry& bg = backgrounds::kBackgrounds[static_cast<std::size_t>(index)];
    Current_background.text = bg.caption;
    for (const auto& m : bg.stats) {
      Control& box = statBox(*this, m.stat);
      put(box, num(box) + m.amount);
    }
    for (const auto& m : bg.skills) {
      Control& box = skillBox(*this, m.skill);
      put(box, num(box) + m.amount);
    }
  }
  recolourAdjusted(*this);
  for (Control* box : {&Adjstrength, &Adjdexterity, &Adjconstitution, &Adjbeauty, &Adjintelligence,
                       &Adjwillpower, &Adjperception, &Adjcharisma})
    if (num(*box) < 1) box->text = "1";
  Speeddisplay();
  Armoradj();
  damageadj();
  put(Carryweight, num(Adjstrength) * 500);
}

void Form1::showbackgroundinfo() {
  const int index = Background_Selection.listIndex;
  if (index < 0 || index >= backgrounds::kBackgroundTotal) return;
  background_explanations.text = backgrounds::kBackgroundDescriptions[index];
}

void Form1::Background_Selection_Click() { showbackgroundinfo(); }

// A background the race may not take is refused before anything is rebuilt,
// so the refusal costs the player nothing but the message. The race judged
// is the one the double click would apply: the entry highlighted in the race
// list.
void Form1::Background_Selection_DblClick() {
  const int race = Race_Selection.listIndex;
  const std::string key =
      (race >= 0 && race < races::kRaceCount) ? races::kRaces[race].caption : Current_race.text;
  if (backgroundRefused(key, Background_Selection.listIndex)) {
    backgroundallowed = kFalse;
    message_window.text = kRefused;
    return;
  }
  RaceSelection();
  backgroundselection();
  hpsandfatadj();
}

}  // namespace kethmor
