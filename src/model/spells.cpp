// Browsing the colleges and buying spells.
#include "model/purchases.h"
#include "catalogues/college_catalogue.h"

namespace kethmor {

using magick::kCollegeCount;
using magick::kSpellsPerCollege;

void Form1::Magick_list_Click() {
  refillEntries(*this, Magick_list, Spell_list, magick::kSpellNames);
}

void Form1::Spell_list_Click() {
  describeEntry(*this, Magick_list, Spell_list, magick::kSpellDescriptions);
}

void Form1::Magick_select_Click() {
  showPair(*this, Tech_list, Schematic_list, Magick_list, Spell_list, "Spells", kPink);
}

void Form1::Spell_list_DblClick() {
  message_window.text.clear();
  if (CP_pool < 1) {
    message_window.text = "No CPs left!";
    return;
  }
  const int c = Magick_list.listIndex;
  const int k = Spell_list.listIndex;
  // Deliberate mend: nothing to buy (and nothing read past the tables)
  // without a selected spell of a selected college.
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
    buyEntry(*this, Spell_list, k, spell_owned[c][k], spells_bought, kOrderSpell + c * kSpellsPerCollege + k);
  } else if (w >= magick::willpowerThreshold(k)) {
    // The rank-2 message is spelt "previuos" on purpose.
    message_window.text = k == 1 ? "need previuos spell in college" : "need previous spell in college";
  } else {
    message_window.text = "you must raise your Willpower";
  }
}

void Form1::spellprecheck(const std::string& currentwill, std::int16_t& ok) {
  ok = ownedNeedsMore(spell_owned, num(currentwill) - 1, magick::willpowerThreshold) ? kFalse : kTrue;
}

void Form1::reset_spells() {
  for (auto& college : spell_owned) college.fill(kFalse);
}

}  // namespace kethmor
