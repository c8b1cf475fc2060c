// Browsing the disciplines and buying schematics.
#include "core/form1.h"
#include "technology/discipline_catalogue.h"

namespace kethmor {

using technology::kDisciplineCount;
using technology::kSchematicsPerDiscipline;

void Form1::Tech_list_Click() {
  message_window.text.clear();
  Schematic_list.clear();
  const int d = Tech_list.listIndex;
  if (d >= 0 && d < kDisciplineCount)
    for (const char* schematic : technology::kSchematicNames[d]) Schematic_list.addItem(schematic);
}

void Form1::Schematic_list_Click() {
  const int d = Tech_list.listIndex;
  if (d < 0 || d >= kDisciplineCount) return;
  const int k = Schematic_list.listIndex;
  if (k < 0 || k >= kSchematicsPerDiscipline) return;
  background_explanations.text = technology::kSchematicDescriptions[d][k];
}

void Form1::Tech_select_Click() {
  Magick_list.visible = false;
  Spell_list.visible = false;
  Tech_list.visible = true;
  Schematic_list.visible = true;
  Spelltechindicator.text = "Schematics";
  Spelltechindicator.fore = kBrownOrange;
}

void Form1::Schematic_list_DblClick() {
  message_window.text.clear();
  if (CP_pool < 1) {
    message_window.text = "No CPs left!";
    return;
  }
  const int d = Tech_list.listIndex;
  const int k = Schematic_list.listIndex;
  // Nothing to buy without a selected schematic of a selected discipline.
  if (d < 0 || d >= kDisciplineCount || k < 0 || k >= kSchematicsPerDiscipline ||
      k >= Schematic_list.listCount())
    return;
  if (schematic_owned[d][k] != 0) {
    message_window.text = "you already have that one!";
    return;
  }
  const double i = num(Adjintelligence);
  if (i >= technology::intelligenceThreshold(k) && (k == 0 || schematic_owned[d][k - 1] != 0)) {
    purchased.addItem(Schematic_list.items[static_cast<std::size_t>(k)]);
    CP_pool = static_cast<std::int16_t>(CP_pool - 1);
    put(CPs_remaining, num(CPs_remaining) - 1);
    schematic_owned[d][k] = kTrue;
    schematics_bought = static_cast<std::int16_t>(schematics_bought + 1);
    displayaptitude();
  } else if (i >= technology::intelligenceThreshold(k)) {
    message_window.text = "Need previous Schematic in field";
  } else {
    message_window.text = "you must raise your Intelligence";
  }
}

void Form1::techprecheck(const std::string& currentint, std::int16_t& ok) {
  const double v = num(currentint) - 1;
  for (int k = 0; k < kSchematicsPerDiscipline; ++k)
    for (int d = 0; d < kDisciplineCount; ++d)
      if (schematic_owned[d][k] != 0 && v < technology::intelligenceThreshold(k)) {
        ok = kFalse;
        return;
      }
  ok = kTrue;
}

void Form1::reset_tech() {
  for (auto& discipline : schematic_owned) discipline.fill(kFalse);
}

}  // namespace kethmor
