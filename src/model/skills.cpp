// The skills: buying and selling ranks against the threshold ladder
// of the governing statistic.
#include "model/form1.h"

namespace kethmor {

namespace {
// The order code of the skill that `counter` counts.
int orderCode(const Form1& f, const float& counter) {
  int i = 0;
  while (i + 1 < static_cast<int>(kSkills.size()) && &(f.*kSkills[static_cast<std::size_t>(i)].counter) != &counter) ++i;
  return skillCode(i);
}
}  // namespace

void Form1::plus_skill_adjustment(Control& Sname, Control& prerequisite, float& CPspent) {
  if (CP_pool < 1) {
    message_window.text = "No CPs left";
    return;
  }
  message_window.text.clear();
  if (CPspent >= 5) {
    message_window.text = "you can't raise this skill any higher";
    return;
  }
  ok_flag = kFalse;
  prerequisite_check(prerequisite.text, Sname.text, ok_flag, prerequisite);
  if (ok_flag == 0) return;
  CPspent += 1;
  noteBought(orderCode(*this, CPspent));
  Sname.back = kGreen;
  CP_pool = static_cast<std::int16_t>(CP_pool - 1);
  put(CPs_remaining, num(CPs_remaining) - 1);
  put(Sname, num(Sname) + 1);
  displayaptitude();
}

void Form1::prerequisite_check(const std::string& currentstatlevel,
                               const std::string& currentskill_level, std::int16_t& ok,
                               Control& prerequisite) {
  const double s = num(currentstatlevel);
  const double k = num(currentskill_level);
  if (s >= 18) {
    ok = kTrue;
  } else if (s < 6) {
    ok = kFalse;
  } else if ((s >= 15 && k < 4) || (s >= 12 && k < 3) || (s >= 9 && k < 2) || (s >= 6 && k < 1)) {
    ok = kTrue;
  }
  // The statistic by its name, as its row has it.
  const char* word = "";
  for (const StatInfo& s : kStats)
    if (&prerequisite == &(this->*s.adjusted)) word = s.name;
  if (ok == kFalse) message_window.text = std::string("You must raise your ") + word + " first";
}

// The "-" handlers pass the base box of the governing statistic; selling never reads it.
void Form1::minus_skill_adjustment(Control& Sname, Control& /*prerequisite*/, float& CPspent) {
  message_window.text.clear();
  if (CPspent < 1) return;
  CPspent -= 1;
  forgetLast(orderCode(*this, CPspent));
  if (CPspent == 0) Sname.back = skill_backcolor;
  put(Sname, num(Sname) - 1);
  CP_pool = static_cast<std::int16_t>(CP_pool + 1);
  put(CPs_remaining, num(CPs_remaining) + 1);
  displayaptitude();
}

// One pass per step, in the order the rules give: the boxes, their colours, the pool, its box, the counters.
void Form1::reset_skills() {
  for (const SkillInfo& s : kSkills) put(this->*s.box, num(this->*s.box) - this->*s.counter);
  for (const SkillInfo& s : kSkills) (this->*s.box).back = skill_backcolor;
  for (const SkillInfo& s : kSkills)
    CP_pool = static_cast<std::int16_t>(CP_pool + static_cast<std::int16_t>(this->*s.counter));
  for (const SkillInfo& s : kSkills) put(CPs_remaining, num(CPs_remaining) + this->*s.counter);
  for (const SkillInfo& s : kSkills) this->*s.counter = 0;
  forgetAll(kOrderSkill, kOrderSpell);
  forgetAll(kOrderLaterSkill, kOrderEnd);
  displayaptitude();
}

void Form1::skillPlus(const SkillInfo& s) {
  plus_skill_adjustment(this->*s.box, this->*stat(s.governing).adjusted, this->*s.counter);
}

void Form1::skillMinus(const SkillInfo& s) {
  minus_skill_adjustment(this->*s.box, this->*stat(s.governing).base, this->*s.counter);
}

#define SKILL(box, plus, minus, ...)                                                          \
  void Form1::plus##_Click() { skillPlus(kSkills[static_cast<std::size_t>(Skill::box)]); }   \
  void Form1::minus##_Click() { skillMinus(kSkills[static_cast<std::size_t>(Skill::box)]); }
#include "rules/skills.def"
#undef SKILL

}  // namespace kethmor
