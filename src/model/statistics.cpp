// The eight primary statistics, hit points and fatigue: buying and selling
// points.
#include "model/form1.h"

namespace kethmor {

namespace {
void addTo(Control& box, double d) { put(box, num(box) + d); }

Form1::Point pointOf(Stat code) {
  const StatInfo& s = stat(code);
  return {static_cast<int>(code), s.hitpoints, s.fatigue, true};
}
// A point of hit points or of fatigue adds three more to its own box, with no cap.
constexpr Form1::Point kHitpoint{kOrderHitpoints, 3, 0, false}, kFatiguePoint{kOrderFatigue, 0, 3, false};
}  // namespace

// The hit points and fatigue of a point are added each on its own, and only where it adds some.
void Form1::plus_stats(Control& stat, std::int16_t& cpstat, std::int16_t& CPs, const Point& point, Control& adj) {
  if (CPs < 1) {
    message_window.text = "No CPs left";
    return;
  }
  if (point.capped && num(stat) == 20) return;
  message_window.text.clear();
  cpstat = static_cast<std::int16_t>(cpstat + 1);
  CPs = static_cast<std::int16_t>(CPs - 1);
  addTo(CPs_remaining, -1);
  noteBought(point.code);
  addTo(stat, 1);
  addTo(adj, 1);
  if (point.fatigue != 0) addTo(fatigue, point.fatigue);
  if (point.hitpoints != 0) addTo(hitpoints, point.hitpoints);
}

void Form1::minus_stats(Control& stat, std::int16_t& cpstat, std::int16_t& CPs, const Point& point, Control& adj) {
  message_window.text.clear();
  if (cpstat < 1) return;
  reset_skills();
  cpstat = static_cast<std::int16_t>(cpstat - 1);
  CPs = static_cast<std::int16_t>(CPs + 1);
  addTo(CPs_remaining, 1);
  forgetLast(point.code);
  addTo(stat, -1);
  addTo(adj, -1);
  if (point.fatigue != 0) addTo(fatigue, -point.fatigue);
  if (point.hitpoints != 0) addTo(hitpoints, -point.hitpoints);
}

void Form1::workOut(Derived d) {
  if (d == Derived::carryAndDamage) carryWeightAdj(), damageadj();
  if (d == Derived::armourAndSpeed) Armoradj(), Speeddisplay();
}

// Deliberate mend: lowering Intelligence must leave every owned schematic its
// Intelligence, and lowering Willpower every owned spell its Willpower. The
// purchase was judged on the adjusted value, so the lowering is judged on the
// adjusted value too (never on the base box).
bool Form1::mayLower(const StatInfo& s) {
  if (s.guard == Guard::none) return true;
  ok_flag = kFalse;
  if (s.guard == Guard::schematics) techprecheck((this->*s.adjusted).text, ok_flag);
  if (s.guard == Guard::spells) spellprecheck((this->*s.adjusted).text, ok_flag);
  if (ok_flag == 0)
    message_window.text = s.guard == Guard::schematics ? "can't lower due to tech purchased"
                                                       : "can't lower due to spells purchased";
  return ok_flag != 0;
}

void Form1::statPlus(Stat code) {
  const StatInfo& s = stat(code);
  plus_stats(this->*s.base, this->*s.counter, CP_pool, pointOf(code), this->*s.adjusted);
  workOut(s.derived);
}

void Form1::statMinus(Stat code) {
  const StatInfo& s = stat(code);
  if (!mayLower(s)) return;
  minus_stats(this->*s.base, this->*s.counter, CP_pool, pointOf(code), this->*s.adjusted);
  workOut(s.derived);
}

#define STAT(code, base, adjusted, plus, minus, ...)      \
  void Form1::plus##_Click() { statPlus(Stat::code); } \
  void Form1::minus##_Click() { statMinus(Stat::code); }
#include "rules/statistics.def"
#undef STAT

void Form1::Hitpoints_plus_Click() { plus_stats(hitpoints, cpstat_hitpoints, CP_pool, kHitpoint, dummy); }
void Form1::Hitpoints_minus_Click() { minus_stats(hitpoints, cpstat_hitpoints, CP_pool, kHitpoint, dummy); }
void Form1::Fatigue_plus_Click() { plus_stats(fatigue, cpstat_fatigue, CP_pool, kFatiguePoint, dummy); }
void Form1::Fatigue_minus_Click() { minus_stats(fatigue, cpstat_fatigue, CP_pool, kFatiguePoint, dummy); }

}  // namespace kethmor
