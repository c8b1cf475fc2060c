// The eight primary statistics, hit points and fatigue: buying and selling
// points.
#include "model/form1.h"

namespace kethmor {

namespace {
void addTo(Control& box, double d) { put(box, num(box) + d); }

// The order code of what `stat` counts.
int orderCode(const Form1& f, const Control& stat) {
  if (&stat == &f.hitpoints) return kOrderHitpoints;
  if (&stat == &f.fatigue) return kOrderFatigue;
  int i = 0;
  while (i + 1 < kStatCount && &(f.*kStats[static_cast<std::size_t>(i)].base) != &stat) ++i;
  return i;
}
}  // namespace

// Both take their side effects by `name`, each test on its own, in the rules' order.
void Form1::plus_stats(Control& stat, std::int16_t& cpstat, std::int16_t& CPs,
                       const std::string& name, Control& adj) {
  if (CPs < 1) {
    message_window.text = "No CPs left";
    return;
  }
  if (name != "fatigue" && name != "hitpoints" && num(stat) == 20) return;
  message_window.text.clear();
  cpstat = static_cast<std::int16_t>(cpstat + 1);
  CPs = static_cast<std::int16_t>(CPs - 1);
  addTo(CPs_remaining, -1);
  noteBought(orderCode(*this, stat));
  addTo(stat, 1);
  addTo(adj, 1);
  if (name == "Willpower") addTo(fatigue, 1);
  if (name == "Willpower") addTo(hitpoints, 1);
  if (name == "Strength") addTo(hitpoints, 2);
  if (name == "Constitution") addTo(fatigue, 2);
  if (name == "hitpoints") addTo(hitpoints, 3);
  if (name == "fatigue") addTo(fatigue, 3);
}

void Form1::minus_stats(Control& stat, std::int16_t& cpstat, std::int16_t& CPs,
                        const std::string& name, Control& adj) {
  message_window.text.clear();
  if (cpstat < 1) return;
  reset_skills();
  cpstat = static_cast<std::int16_t>(cpstat - 1);
  CPs = static_cast<std::int16_t>(CPs + 1);
  addTo(CPs_remaining, 1);
  forgetLast(orderCode(*this, stat));
  addTo(stat, -1);
  addTo(adj, -1);
  if (name == "Willpower") addTo(fatigue, -1);
  if (name == "Willpower") addTo(hitpoints, -1);
  if (name == "Strength") addTo(hitpoints, -2);
  if (name == "Constitution") addTo(fatigue, -2);
  if (name == "hitpoints") addTo(hitpoints, -3);
  if (name == "fatigue") addTo(fatigue, -3);
}

void Form1::afterST() {
  carryWeightAdj();
  damageadj();
}

void Form1::afterDX() {
  Armoradj();
  Speeddisplay();
}

void Form1::ST_plus_Click() {
  plus_stats(Strength, cpstat_ST, CP_pool, "Strength", Adjstrength);
  afterST();
}
void Form1::ST_minus_Click() {
  minus_stats(Strength, cpstat_ST, CP_pool, "Strength", Adjstrength);
  afterST();
}
void Form1::CN_plus_Click() { plus_stats(Constitution, cpstat_CN, CP_pool, "Constitution", Adjconstitution); }
void Form1::CN_minus_Click() { minus_stats(Constitution, cpstat_CN, CP_pool, "Constitution", Adjconstitution); }
void Form1::DX_plus_Click() {
  plus_stats(Dexterity, cpstat_DX, CP_pool, "", Adjdexterity);
  afterDX();
}
void Form1::DX_minus_Click() {
  minus_stats(Dexterity, cpstat_DX, CP_pool, "", Adjdexterity);
  afterDX();
}
void Form1::BE_plus_Click() { plus_stats(Beauty, cpstat_BE, CP_pool, "", Adjbeauty); }
void Form1::BE_minus_Click() { minus_stats(Beauty, cpstat_BE, CP_pool, "", Adjbeauty); }
void Form1::IN_plus_Click() { plus_stats(Intelligence, cpstat_IN, CP_pool, "", Adjintelligence); }

// Deliberate mend: lowering Intelligence must leave every owned schematic its
// Intelligence. The purchase was judged on the adjusted value, so the
// lowering is judged on the adjusted value too (never on the base box).
void Form1::IN_minus_Click() {
  ok_flag = kFalse;
  techprecheck(Adjintelligence.text, ok_flag);
  if (ok_flag != 0) {
    minus_stats(Intelligence, cpstat_IN, CP_pool, "", Adjintelligence);
  } else {
    message_window.text = "can't lower due to tech purchased";
  }
}

void Form1::WP_plus_Click() { plus_stats(Willpower, cpstat_WP, CP_pool, "Willpower", Adjwillpower); }

// Deliberate mend, as for Intelligence: the owned spells were bought on the
// adjusted Willpower, so the lowering is judged on it.
void Form1::WP_minus_Click() {
  ok_flag = kFalse;
  spellprecheck(Adjwillpower.text, ok_flag);
  if (ok_flag != 0) {
    minus_stats(Willpower, cpstat_WP, CP_pool, "Willpower", Adjwillpower);
  } else {
    message_window.text = "can't lower due to spells purchased";
  }
}

void Form1::PE_plus_Click() { plus_stats(Perception, cpstat_PE, CP_pool, "", Adjperception); }
void Form1::PE_minus_Click() { minus_stats(Perception, cpstat_PE, CP_pool, "", Adjperception); }
void Form1::CH_plus_Click() { plus_stats(Charisma, cpstat_CH, CP_pool, "", Adjcharisma); }
void Form1::CH_minus_Click() { minus_stats(Charisma, cpstat_CH, CP_pool, "", Adjcharisma); }
void Form1::Hitpoints_plus_Click() { plus_stats(hitpoints, cpstat_hitpoints, CP_pool, "hitpoints", dummy); }
void Form1::Hitpoints_minus_Click() { minus_stats(hitpoints, cpstat_hitpoints, CP_pool, "hitpoints", dummy); }
void Form1::Fatigue_plus_Click() { plus_stats(fatigue, cpstat_fatigue, CP_pool, "fatigue", dummy); }
void Form1::Fatigue_minus_Click() { minus_stats(fatigue, cpstat_fatigue, CP_pool, "fatigue", dummy); }

}  // namespace kethmor
