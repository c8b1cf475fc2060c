#include "model/form1.h"
#include "model/dispatch.h"
#include "rules/rules.h"

#include <array>
#include <cmath>

namespace kethmor {

Control Form1State::* const kMembers[kControlCount] = {
#define CTL(name, ...) &Form1State::name,
#include "model/controls.def"
#undef CTL
};

namespace {

Colour defaultBack(Kind k) {
  switch (k) {
    case Kind::TextBox:
    case Kind::ListBox: return kSysWindow;
    case Kind::Button: return kSysButtonFace;
    case Kind::Label: return kSysButtonFace;
  }
  return kSysWindow;
}

Colour defaultFore(Kind k) {
  return (k == Kind::TextBox || k == Kind::ListBox) ? kSysWindowText : kSysButtonText;
}

}  // namespace

Form1::Form1() {
  for (int i = 0; i < kControlCount; ++i) {
    const ControlInfo& ci = kControls[i];
    Control& c = this->*kMembers[i];
    c.text = ci.text;
    c.back = ci.back == DEF ? defaultBack(ci.kind) : ci.back;
    c.fore = ci.fore == DEF ? defaultFore(ci.kind) : ci.fore;
    c.visible = (ci.flags & HIDDEN) == 0;
    c.sorted = (ci.flags & SORTED) != 0;
  }
}

Control& Form1::ctl(Ctl id) { return this->*kMembers[static_cast<int>(id)]; }
const Control& Form1::ctl(Ctl id) const { return this->*kMembers[static_cast<int>(id)]; }

// ---------------------------------------------------------------------------
// Event dispatch through the table of core/dispatch.h.

namespace {
const Handlers& handlersOf(Ctl id) { return kHandlers[static_cast<std::size_t>(id)]; }
}  // namespace

void Form1::Click(Ctl id) {
  if (const Handler h = handlersOf(id).click) (this->*h)();
}

void Form1::DblClick(Ctl id) {
  if (const Handler h = handlersOf(id).dblClick) (this->*h)();
}

void Form1::selectEntry(Ctl list, int index) {
  Control& l = ctl(list);
  l.listIndex = (index >= 0 && index < l.listCount()) ? index : -1;
  Click(list);
}

// ---------------------------------------------------------------------------
// Level-up, clearing and quitting (start-up is in startup.cpp)

void Form1::levelup_Click() {
  if (num(Clevel) == kLevelCap) return;
  CP_pool = static_cast<std::int16_t>(CP_pool + 1);
  put(Clevel, num(Clevel) + 1);
  put(CPs_remaining, num(CPs_remaining) + 1);
  put(fatigue, num(fatigue) + 2);
  put(hitpoints, num(hitpoints) + 2);
  if (std::fmod(num(Clevel), kBonusLevelEvery) == 0) {  // 5, 10, ..., 50: one CP more
    CP_pool = static_cast<std::int16_t>(CP_pool + 1);
    put(CPs_remaining, num(CPs_remaining) + 1);
  }
}

void Form1::Clear_Click() {
  if (purchased.listCount() == 0) return;
  const int n = purchased.listCount();
  CP_pool = static_cast<std::int16_t>(CP_pool + n);
  put(CPs_remaining, num(CPs_remaining) + n);
  purchased.clear();
  forgetAll(kOrderSpell, kOrderLaterSkill);
  reset_spells();
  reset_tech();
  spells_bought = 0;
  schematics_bought = 0;
  displayaptitude();
}

void Form1::noteBought(int code) { purchase_order.push_back(static_cast<char>(code)); }

void Form1::forgetLast(int code) {
  const std::size_t at = purchase_order.rfind(static_cast<char>(code));
  if (at != std::string::npos) purchase_order.erase(at, 1);
}

void Form1::forgetAll(int first, int end) {
  std::erase_if(purchase_order, [first, end](char c) {
    const int code = static_cast<unsigned char>(c);
    return code >= first && code < end;
  });
}

void Form1::Quit_Click() { ended = true; }

// Deliberate mend: a save that fails (no such folder, a folder's name, a
// read-only place, a full disk) leaves any old file as it was and the sheet
// untouched, and answers why; the window says so in the message box, naming
// the file. A save that goes through takes back an earlier save's failure,
// and only that.
std::string Form1::SAVE_Click(const std::function<std::string(const Form1State&)>& write) {
  const std::string failure = write(*this);
  if (failure.empty()) {
    if (message_window.text == save_failure) message_window.text.clear();
    save_failure.clear();
  }
  return failure;
}

}  // namespace kethmor
