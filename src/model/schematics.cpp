// Browsing the disciplines and buying schematics.
#include "model/purchases.h"
#include "catalogues/discipline_catalogue.h"

namespace kethmor {

using technology::kDisciplineCount;
using technology::kSchematicsPerDiscipline;

void Form1::Tech_list_Click() {
  refillEntries(*this, Tech_list, Schematic_list, technology::kSchematicNames);
}

void Form1::Schematic_list_Click() {
  describeEntry(*this, Tech_list, Schematic_list, technology::kSchematicDescriptions);
}

void Form1::Tech_select_Click() {
  showPair(*this, Magick_list, Spell_list, Tech_list, Schematic_list, "Schematics", kBrownOrange);
}

void Form1::Schematic_list_DblClick() {
  message_window.text.clear();
  if (CP_pool < 1) {
    message_window.text = "No CPs left!";
    return;
  }
  const int d = Tech_list.listIndex;
  const int k = Schematic_list.listIndex;
  // Deliberate mend: nothing to buy (and nothing read past the tables)
  // without a selected schematic of a selected discipline.
  if (d < 0 || d >= kDisciplineCount || k < 0 || k >= kSchematicsPerDiscipline ||
      k >= Schematic_list.listCount())
    return;
  if (schematic_owned[d][k] != 0) {
    message_window.text = "you already have that one!";
    return;
  }
  const double i = num(Adjintelligence);
  if (i >= technology::intelligenceThreshold(k) && (k == 0 || schematic_owned[d][k - 1] != 0)) {
    buyEntry(*this, Schematic_list, k, schematic_owned[d][k], schematics_bought,
             kOrderSchematic + d * kSchematicsPerDiscipline + k);
  } else if (i >= technology::intelligenceThreshold(k)) {
    message_window.text = "Need previous Schematic in field";
  } else {
    message_window.text = "you must raise your Intelligence";
  }
}

void Form1::techprecheck(const std::string& currentint, std::int16_t& ok) {
  ok = ownedNeedsMore(schematic_owned, num(currentint) - 1, technology::intelligenceThreshold) ? kFalse : kTrue;
}

void Form1::reset_tech() {
  for (auto& discipline : schematic_owned) discipline.fill(kFalse);
}

}  // namespace kethmor
