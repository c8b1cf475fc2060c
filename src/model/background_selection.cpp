// Applying a background, its restrictions, and the background list's
// handlers.
#include "catalogues/background_catalogue.h"
#include "catalogues/background_descriptions.h"
#include "model/form1.h"
#include "catalogues/race_catalogue.h"

namespace kethmor {

namespace {
const char* const kRefused = "Not available for this race/gender";
}  // namespace

// The one refusal check, of the race the double click would apply: the
// entry highlighted in the race list, or the current race when none is
// highlighted. The answer goes to backgroundallowed, and a refusal is told
// in the message box.
void Form1::checkbackgroundrestriction() {
  const int race = Race_Selection.listIndex;
  const std::string& key = (race >= 0 && race < races::kRaceCount) ? races::kRaces[race].caption : Current_race.text;
  backgroundallowed = backgrounds::refuses(races::raceKeyIndex(key), Background_Selection.listIndex) ? kFalse : kTrue;
  if (backgroundallowed == kFalse) message_window.text = kRefused;
}

// Applies the highlighted background; the double click has judged it first.
void Form1::backgroundselection() {
  // Deliberate mend: with no background entry selected the race alone
  // stands; nothing is read past the table.
  const int index = Background_Selection.listIndex;
  if (index >= 0 && index < backgrounds::kBackgroundCount) {
    const backgrounds::BackgroundEntry& bg = backgrounds::kBackgrounds[static_cast<std::size_t>(index)];
    Current_background.text = bg.caption;
    for (const auto& m : bg.stats) {
      Control& box = this->*stat(m.stat).adjusted;
      put(box, num(box) + m.amount);
    }
    for (const auto& m : bg.skills) {
      Control& box = this->*kSkills[static_cast<std::size_t>(m.skill)].box;
      put(box, num(box) + m.amount);
    }
  }
  // Coloured before the floor: a statistic pushed below 1 shows 1 in red.
  recolourAdjusted(*this);
  for (const StatInfo& s : kStats)
    if (num(this->*s.adjusted) < 1) (this->*s.adjusted).text = "1";
  Speeddisplay();
  Armoradj();
  damageadj();
  carryWeightAdj();
}

void Form1::showbackgroundinfo() {
  const int index = Background_Selection.listIndex;
  if (index < 0 || index >= backgrounds::kBackgroundCount) return;
  background_explanations.text = backgrounds::kBackgroundDescriptions[index];
}

void Form1::Background_Selection_Click() { showbackgroundinfo(); }

// Deliberate mend: a background the race may not take is refused before
// anything is rebuilt, so the refusal costs the player nothing but the
// message (the build, purchases and level stay).
void Form1::Background_Selection_DblClick() {
  checkbackgroundrestriction();
  if (backgroundallowed == kFalse) return;
  RaceSelection();
  backgroundselection();
  hpsandfatadj();
}

}  // namespace kethmor
