// Browsing the colleges and buying spells.
#include "core/form1.h"
#include "magick/college_catalogue.h"

namespace kethmor {

using magick::kCollegeCount;
using magick::kSpellsPerCollege;

void Form1::Magick_list_Click() {
  message_window.text.clear();
  Spell_list.clear();
  const int c = Magick_list.listIndex;
  if (c >= 0 && c < kCollegeCount)
    for (const char* spell : magick::kSpellNames[c]) Spell_list.addItem(spell);
}

void Form1::Spell_list_Click() {
  const int c = Magick_list.listIndex;
  if (c < 0 || c >= kCollegeCount) return;
  const int k = Spell_list.listIndex;
  if (k < 0 || k >= kSpellsPerCollege) return;
  background_explanations.text = magick::kSpellDescriptions[c][k];
}

void Form1::Magick_select_Click() {
  Tech_list.visible = false;
  Schematic_list.visible = false;
  Magick_list.visible = true;
  Spell_list.visible = true;
  Spelltechindicator.text = "Spells";
  Spelltechindicator.fore = kPink;
}

void Form1::Spell_list_DblClick() {
  message_window.text.clear();
  if (CP_pool < 1) {
    message_window.text = "No CPs left!";
    return;
  }
  const int c = Magick_list.listIndex;
  const int k = Spell_list.listIndex;
  // Nothing to buy without a selected spell of a selected college.
  if (c < 0 || c >= kCollegeCount || k < 0 || k >= kSpellsPerCollege || k >= Spell_list.listCount())
    return;
  const double level = num(Clevel);
  if (k == 2 && level < 5) {
    message_window.text = "min. requirement, level 5, not met";
    return;
  }
  if (k == 3 && level < 10) {
    message_window.text = "min. requirement, level 10, not met";
    return;
  }
  if (k == 4 && level < 15) {
    message_window.text = "min. requirement, level 15, not met";
    return;
  }
  if (spell_owned[c][k] != 0) {
    message_window.text = "you already have that one!";
    return;
  }
  const double w = num(Adjwillpower);
  if (w >= magick::willpowerThreshold(k) && (k == 0 || spell_owned[c][k - 1] != 0)) {
    purchased.addItem(Spell_list.items[static_cast<std::size_t>(k)]);
    CP_pool = static_cast<std::int16_t>(CP_pool - 1);
    put(CPs_remaining, num(CPs_remaining) - 1);
    spell_owned[c][k] = kTrue;
    spells_bought = static_cast<std::int16_t>(spells_bought + 1);
    displayaptitude();
  } else if (w >= magick::willpowerThreshold(k)) {
    message_window.text = k == 1 ? "need previuos spell in college" : "need previous spell in college";
  } else {
    message_window.text = "you must raise your Willpower";
  }
}

void Form1::spellprecheck(const std::string& currentwill, std::int16_t& ok) {
  const double v = num(currentwill) - 1;
  for (int k = 0; k < kSpellsPerCollege; ++k)
    for (int c = 0; c < kCollegeCount; ++c)
      if (spell_owned[c][k] != 0 && v < magick::willpowerThreshold(k)) {
        ok = kFalse;
        return;
      }
  ok = kTrue;
}

void Form1::reset_spells() {
  for (auto& college : spell_owned) college.fill(kFalse);
}

}  // namespace kethmor
