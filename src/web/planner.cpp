// The web page's side of the session: the same model, history and session
// as the desktop window, handed to the page's script as plain C functions
// whose answers are JSON objects with named fields. The page draws the
// layout table this file gives it and, after each event, only the controls
// whose state changed.
#include <emscripten/emscripten.h>

#include <algorithm>
#include <optional>
#include <string>

#include "session/goal_panel.h"
#include "session/session.h"
#include "window/font_metrics.h"
#include "window/layout_table.h"
#include "window/narrow_layout.h"
#include "window/plan_place.h"

using namespace kethmor;

namespace {

// The last session in the browser's storage, one character per byte.
EM_JS(char*, kp_storage_read, (const char* name), {
  let kept = null;
  try {
    kept = window.localStorage.getItem("kethmor-planner/" + UTF8ToString(name));
  } catch (e) {
    return 0;  // storage refused: nothing is kept
  }
  if (kept === null) return 0;
  const at = _malloc(kept.length + 4);
  HEAPU32[at >> 2] = kept.length;
  for (let i = 0; i < kept.length; ++i) HEAPU8[at + 4 + i] = kept.charCodeAt(i);
  return at;
});
EM_JS(void, kp_storage_write, (const char* name, const char* bytes, int size), {
  let text = "";
  for (let i = 0; i < size; ++i) text += String.fromCharCode(HEAPU8[bytes + i]);
  try {
    window.localStorage.setItem("kethmor-planner/" + UTF8ToString(name), text);
  } catch (e) {
    // Storage full or refused: silently skipped, as a folder that cannot be written.
  }
});

class BrowserStorage : public session::Storage {
 public:
  std::optional<std::string> read(const std::string& name) const override {
    char* at = kp_storage_read(name.c_str());
    if (!at) return std::nullopt;
    std::uint32_t size;
    __builtin_memcpy(&size, at, 4);
    std::string bytes(at + 4, size);
    free(at);
    return bytes;
  }
  void write(const std::string& name, const std::string& bytes) override {
    kp_storage_write(name.c_str(), bytes.data(), static_cast<int>(bytes.size()));
  }
};

std::optional<session::Session> planner;  // made anew by each start
Control shown[kControlCount];
std::string reply;     // the text last handed to the page
std::string bytesOut;  // the bytes last handed out (kp_bytes, kp_bytes_size)

void quoted(std::string& out, const std::string& s) {
  out += '"';
  for (const char ch : s) {
    const auto c = static_cast<unsigned char>(ch);
    if (c == '"' || c == '\\') {
      out += '\\';
      out += ch;
    } else if (c < 0x20) {
      static const char hex[] = "0123456789abcdef";
      out += "\\u00";
      out += hex[c >> 4];
      out += hex[c & 15];
    } else {
      out += ch;
    }
  }
  out += '"';
}

std::string quote(const std::string& s) {
  std::string out;
  quoted(out, s);
  return out;
}

const char* flag(bool b) { return b ? "true" : "false"; }

// A panel's controls (the plan's, the goal's) as [{name, label}].
template <class Id, std::size_t N>
std::string controlsJson(const session::PanelControlRow<Id> (&rows)[N]) {
  std::string out = "[";
  for (const auto& row : rows)
    out += std::string(&row != rows ? "," : "") + "{\"name\":\"" + row.name + "\",\"label\":" + quote(row.label) + '}';
  return out + ']';
}

// A centred caption's lines as the desktop draws them: its words wrapped at
// spaces to its width, each line centred on a whole pixel: [[indent, text]...].
std::string centredLines(const ui::Placement& at, const std::string& text) {
  const int room = at.width / ui::kTwipsPerPixel;
  std::string out, line;
  const auto end = [&] {
    out += std::string(out.empty() ? "[" : ",") + "[" + std::to_string(std::max(0, room - ui::textWidth(at.font, line)) / 2) +
           "," + quote(line) + "]";
    line.clear();
  };
  for (std::size_t from = 0; from <= text.size();) {
    std::size_t to = text.find_first_of(" \n", from);
    if (to == std::string::npos) to = text.size();
    const std::string word = text.substr(from, to - from);
    if (!line.empty() && ui::textWidth(at.font, line + " " + word) > room) end();
    line += (line.empty() ? "" : " ") + word;
    if (to == text.size() || text[to] == '\n') end();
    from = to + 1;
  }
  return out + "]";
}

// One control's state: {id, text, back, fore, visible, index, items (only
// when they changed), lines (a centred caption's, as centredLines gives them)}.
void state(std::string& out, int id, const Control& c, bool entries) {
  out += "{\"id\":" + std::to_string(id) + ",\"text\":" + quote(c.text) + ",\"back\":" + std::to_string(c.back) +
         ",\"fore\":" + std::to_string(c.fore) + ",\"visible\":" + flag(c.visible) +
         ",\"index\":" + std::to_string(c.listIndex);
  const ui::Placement& at = ui::kLayout[static_cast<std::size_t>(id)];
  if ((at.flags & ui::CENTER) && kControls[id].kind == Kind::Label) out += ",\"lines\":" + centredLines(at, c.text);
  if (entries) {
    out += ",\"items\":[";
    for (std::size_t i = 0; i < c.items.size(); ++i) out += (i ? "," : "") + quote(c.items[i]);
    out += ']';
  }
  out += '}';
}

// The answer to an event: the controls changed since the page last drew
// them (all of them, given `all`), whether the program has ended, whether
// Undo and Redo can be done, the message box's text in full, and `extra`
// fields.
const char* changes(bool all = false, const std::string& extra = {}) {
  const Form1& form = planner->form();
  reply = std::string("{\"ended\":") + flag(form.ended) + ",\"undo\":" + flag(planner->canUndo()) +
          ",\"redo\":" + flag(planner->canRedo()) + ",\"message\":" + quote(planner->messageInFull()) + extra +
          ",\"controls\":[";
  bool first = true;
  for (int i = 0; i < kControlCount; ++i) {
    const Control& c = form.ctl(static_cast<Ctl>(i));
    if (!all && c == shown[i]) continue;
    if (!first) reply += ',';
    first = false;
    state(reply, i, c, all || c.items != shown[i].items);
    shown[i] = c;
  }
  reply += "]}";
  return reply.c_str();
}

const char* outcome(const session::Outcome& o) {
  return changes(false, std::string(",\"opened\":") + flag(o.opened) + ",\"step\":" + flag(o.step));
}

Ctl ctl(int id) { return static_cast<Ctl>(id >= 0 && id < kControlCount ? id : 0); }

const char* fontName(ui::Font f) {
  switch (f) {
    case ui::Font::B8: return "B8";
    case ui::Font::B10: return "B10";
    case ui::Font::R10: return "R10";
    case ui::Font::R8: return "R8";
  }
  return "B8";
}

const char* kindName(Kind k) {
  switch (k) {
    case Kind::Label: return "label";
    case Kind::TextBox: return "box";
    case Kind::ListBox: return "list";
    case Kind::Button: return "button";
  }
  return "label";
}

}  // namespace

extern "C" {

// The window and its controls as the layout table, controls.def and the
// reading order give them, the page's commands and About: {caption, client:
// {width, height}, back, twips, fonts: {B8: {family, pixels, bold}...},
// controls: [{name, kind, at: {left, top, width, height}, font, center,
// readonly, multiline, tip, max, focus: "tab" | "click" | "none"}], reading:
// [{id, name}], commands: [{name, label, keys: [...], endsGroup}], about:
// {title, text}, plan: {title, width, height, controls: [{name, label}]}, narrow:
// {width, height, groups: [{name, top, height}], controls: [{group, left, top,
// width, height, fontScale, rowHeight (lists only)}], buttons: [{list (the
// id of the list whose double click it does, -1 for the menu's), group,
// caption, left, top, width, height}], two: {width, room (the page's least
// width for them), height, shifts: [{left, top}] (each group's, added to its
// places)}}}: the narrow screen's places in CSS pixels, in one column and in two,
// controls in the order of `controls`; a "+" or "-"
// has `box`, the id of the box whose number it changes.
EMSCRIPTEN_KEEPALIVE const char* kp_table() {
  using namespace ui;
  reply = "{\"caption\":" + quote(session::caption()) + ",\"client\":{\"width\":" +
          std::to_string(kClientArea.width / kTwipsPerPixel) + ",\"height\":" +
          std::to_string(kClientArea.height / kTwipsPerPixel) + "},\"back\":" + std::to_string(kWindowBack) +
          ",\"twips\":" + std::to_string(kTwipsPerPixel) + ",\"fonts\":{";
  for (const Font f : {Font::B8, Font::B10, Font::R10, Font::R8}) {
    const bool large = f == Font::B10 || f == Font::R10;
    reply += std::string(f != Font::B8 ? "," : "") + "\"" + fontName(f) + "\":{\"family\":" +
             quote(large ? kFontFamily10 : kFontFamily8) + ",\"pixels\":" +
             std::to_string(large ? kFontPixels10 : kFontPixels8) + ",\"bold\":" +
             flag(f == Font::B8 || f == Font::B10) + '}';
  }
  reply += "},\"controls\":[";
  for (int i = 0; i < kControlCount; ++i) {
    const ControlInfo& ci = kControls[i];
    const Placement& at = kLayout[static_cast<std::size_t>(i)];
    reply += std::string(i ? "," : "") + "{\"name\":\"" + ci.name + "\",\"kind\":\"" + kindName(ci.kind) +
             "\",\"at\":{\"left\":" + std::to_string(at.left / kTwipsPerPixel) + ",\"top\":" +
             std::to_string(at.top / kTwipsPerPixel) + ",\"width\":" + std::to_string(at.width / kTwipsPerPixel) +
             ",\"height\":" + std::to_string(at.height / kTwipsPerPixel) + "},\"font\":\"" + fontName(at.font) +
             "\",\"center\":" + flag(at.flags & CENTER) + ",\"readonly\":" + flag(at.flags & READONLY) +
             ",\"multiline\":" + flag(at.flags & MULTILINE) + ",\"max\":" + std::to_string(ci.maxLength) +
             ",\"focus\":\"" + (takesFocus(ci, at) ? "tab" : readOnlyBox(ci, at) ? "click" : "none") +
             "\",\"typing\":" + flag(session::Session::ownsUndoKeys(static_cast<Ctl>(i))) +
             ",\"tip\":" + quote(at.tooltip);
    const std::optional<Ctl> box = session::valueBox(static_cast<Ctl>(i));
    if (box) reply += ",\"box\":" + std::to_string(static_cast<int>(*box));
    reply += '}';
  }
  reply += "],\"reading\":[";
  bool first = true;
  for (const Reading& r : kReading) {
    reply += std::string(first ? "" : ",") + "{\"id\":" + std::to_string(static_cast<int>(r.id)) +
             ",\"name\":" + quote(r.name) + '}';
    first = false;
  }
  reply += "],\"commands\":[";
  first = true;
  for (const session::CommandRow& row : session::commandsOf(session::Face::Page)) {
    reply += std::string(first ? "" : ",") + "{\"name\":\"" + row.name + "\",\"label\":" + quote(row.label) +
             ",\"keys\":[";
    std::string keys = row.keys;
    for (std::size_t at = 0, n = 0; !keys.empty() && at != std::string::npos; ++n) {
      const std::size_t end = keys.find("; ", at);
      reply += (n ? "," : "") + quote(keys.substr(at, end == std::string::npos ? end : end - at));
      at = end == std::string::npos ? end : end + 2;
    }
    reply += std::string("],\"endsGroup\":") + flag(row.endsGroup) + '}';
    first = false;
  }
  reply += "],\"about\":{\"title\":" + quote(session::kAboutTitle) + ",\"text\":" + quote(session::aboutText()) +
           "},\"plan\":{\"title\":" + quote(session::kPlanTitle) + ",\"width\":" + std::to_string(ui::kPlanWidth) +
           ",\"height\":" + std::to_string(ui::kPlanHeight) + ",\"controls\":" + controlsJson(session::kPlanControls) +
           "},\"narrow\":{\"width\":" + std::to_string(kNarrowWidth) + ",\"height\":" +
           std::to_string(kNarrowGroups.back().top + kNarrowGroups.back().height) + ",\"groups\":[";
  for (std::size_t g = 0; g < kNarrowGroups.size(); ++g)
    reply += std::string(g ? "," : "") + "{\"name\":" + quote(kNarrowGroups[g].name) + ",\"top\":" +
             std::to_string(kNarrowGroups[g].top) + ",\"height\":" + std::to_string(kNarrowGroups[g].height) + '}';
  reply += "],\"controls\":[";
  for (int i = 0; i < kControlCount; ++i) {
    const NarrowPlacement& at = narrow(static_cast<Ctl>(i));
    const int rowHeight = narrowRowHeight(static_cast<Ctl>(i));
    reply += std::string(i ? "," : "") + "{\"group\":" + std::to_string(static_cast<int>(at.group)) +
             ",\"left\":" + std::to_string(at.left) + ",\"top\":" + std::to_string(at.top) + ",\"width\":" +
             std::to_string(at.width) + ",\"height\":" + std::to_string(at.height) + ",\"fontScale\":" +
             std::to_string(kNarrowFontScale) + (rowHeight ? ",\"rowHeight\":" + std::to_string(rowHeight) : "") + '}';
  }
  reply += "],\"buttons\":[";
  for (std::size_t b = 0; b < kNarrowButtons.size(); ++b) {
    const NarrowButton& button = kNarrowButtons[b];
    reply += std::string(b ? "," : "") + "{\"list\":" + std::to_string(button.list ? static_cast<int>(*button.list) : -1) +
             ",\"group\":" + std::to_string(static_cast<int>(button.at.group)) +
             ",\"caption\":" + quote(button.caption) + ",\"left\":" + std::to_string(button.at.left) + ",\"top\":" +
             std::to_string(button.at.top) + ",\"width\":" + std::to_string(button.at.width) + ",\"height\":" +
             std::to_string(button.at.height) + '}';
  }
  reply += "],\"two\":{\"width\":" + std::to_string(kNarrowTwoWidth) + ",\"room\":" + std::to_string(kNarrowTwoRoom) +
           ",\"height\":" + std::to_string(kNarrowTwoHeight) + ",\"shifts\":[";
  for (std::size_t g = 0; g < kNarrowTwoColumns.size(); ++g)
    reply += std::string(g ? "," : "") + "{\"left\":" + std::to_string(kNarrowTwoColumns[g].left) + ",\"top\":" +
             std::to_string(kNarrowTwoColumns[g].top) + '}';
  reply += "]}}}";
  return reply.c_str();
}

// Start-up: the window's Form_Load, and every control's state.
EMSCRIPTEN_KEEPALIVE const char* kp_start() {
  planner.emplace();
  return changes(true);
}

// A click on a button, a list's double click, an entry clicked, each run by
// the window's own handlers.
EMSCRIPTEN_KEEPALIVE const char* kp_click(int id) {
  planner->click(ctl(id));
  return changes();
}
EMSCRIPTEN_KEEPALIVE const char* kp_dblclick(int id) {
  planner->doubleClick(ctl(id));
  return changes();
}
EMSCRIPTEN_KEEPALIVE const char* kp_select(int id, int row) {
  planner->select(ctl(id), row);
  return changes();
}

// A key on a list (its name or the letter typed): {handled, ...changes}.
EMSCRIPTEN_KEEPALIVE const char* kp_list_key(int id, const char* key, int pageRows, double ms) {
  const bool handled = planner->listKey(ctl(id), {key, pageRows, static_cast<std::int64_t>(ms)});
  return changes(false, std::string(",\"handled\":") + flag(handled));
}

// The control that takes the focus when control `id` is hidden, or -1.
EMSCRIPTEN_KEEPALIVE int kp_focus_after(int id) {
  const std::optional<Ctl> next = planner->focusAfterHiding(ctl(id));
  return next ? static_cast<int>(*next) : -1;
}

// Text typed into the name or the alternative background: no step of its own.
EMSCRIPTEN_KEEPALIVE void kp_typed(int id, const char* utf8) {
  planner->typed(ctl(id), utf8);
  shown[id >= 0 && id < kControlCount ? id : 0].text = planner->form().ctl(ctl(id)).text;
}

EMSCRIPTEN_KEEPALIVE const char* kp_undo() {
  planner->undo();
  return changes();
}
EMSCRIPTEN_KEEPALIVE const char* kp_redo() {
  planner->redo();
  return changes();
}

// SAVE: the sheet's bytes for the download (kp_bytes), and its proposed
// name: {name, ...changes}.
EMSCRIPTEN_KEEPALIVE const char* kp_save() {
  const std::string name = planner->sheetFileName();
  planner->save(name, [](const std::string& bytes) {
    bytesOut = bytes;
    return std::string();
  });
  return changes(false, ",\"name\":" + quote(name));
}

// Where the bytes last handed out lie, and how many there are.
EMSCRIPTEN_KEEPALIVE const char* kp_bytes() { return bytesOut.data(); }
EMSCRIPTEN_KEEPALIVE int kp_bytes_size() { return static_cast<int>(bytesOut.size()); }

// Opens a file's bytes as one action; `failure` says why the page could not
// read them ("" when it could). Of `files` given at once only the first
// opens: {opened, step, ...changes}.
EMSCRIPTEN_KEEPALIVE const char* kp_open(const char* name, const char* bytes, int size, const char* failure,
                                         int files) {
  return outcome(planner->openSheet(name, std::string(bytes, static_cast<std::size_t>(size)), failure, files));
}

// A pasted text, or a link the page was opened with (`verb` "open").
EMSCRIPTEN_KEEPALIVE const char* kp_paste(const char* utf8, const char* verb) {
  return outcome(planner->openText(utf8, verb));
}

// The page's own failure (`verb` "copy", "paste", "share": the browser refused
// its clipboard or its sharing, saying `reason`) said in the message box.
EMSCRIPTEN_KEEPALIVE const char* kp_failed(const char* verb, const char* reason) {
  planner->sayFailure(verb, reason);
  return changes();
}

// A note of the page's own, by its number (session::Note: 0 the character
// kept in this browser, 1 link copied, 2 clipboard refused, 3 no clipboard, 4
// a folder dropped), in the message box.
EMSCRIPTEN_KEEPALIVE const char* kp_note(int note) {
  planner->sayNote(note);
  return changes();
}

// The last session: kept (when the page closes, or Quit), and opened.
EMSCRIPTEN_KEEPALIVE void kp_keep() {
  BrowserStorage storage;
  planner->keepLastSession(storage);
}
EMSCRIPTEN_KEEPALIVE const char* kp_open_last(int before) {
  const BrowserStorage storage;
  return outcome(planner->openLastSession(storage, before ? session::kPreviousSession : session::kLastSession));
}

// The sheet as text for the clipboard and the printer (UTF-8, LF), and the
// build's code ("KCP1:...") for a link to the page.
EMSCRIPTEN_KEEPALIVE const char* kp_sheet_text() {
  reply = planner->sheetText();
  return reply.c_str();
}
EMSCRIPTEN_KEEPALIVE const char* kp_code() {
  reply = planner->buildCode();
  return reply.c_str();
}

// The level plan panel: {text, levels, fileName}; its Save's bytes
// (kp_bytes); the level a typed text asks for; "Show this level", one step.
EMSCRIPTEN_KEEPALIVE const char* kp_plan() {
  reply = "{\"text\":" + quote(planner->planText()) + ",\"levels\":" + std::to_string(planner->planLevels()) +
          ",\"fileName\":" + quote(planner->planFileName()) + '}';
  return reply.c_str();
}
EMSCRIPTEN_KEEPALIVE const char* kp_plan_bytes() {
  bytesOut = planner->planBytes();
  return bytesOut.data();
}
EMSCRIPTEN_KEEPALIVE int kp_plan_level(const char* typed) { return planner->planLevel(typed); }
EMSCRIPTEN_KEEPALIVE const char* kp_show_level(int level) {
  planner->showLevel(level);
  return changes();
}

// Where a panel stands in the page's room (the viewport), beside the
// window drawn at (x, y) and clear of the other panel where one is open
// (otherX, otherY, otherWidth, otherHeight; none: a width of 0), as the desktop
// places its panels: {x, y, width, height}.
EMSCRIPTEN_KEEPALIVE const char* kp_plan_place(int roomWidth, int roomHeight, int x, int y, int width, int height,
                                               int leastWidth, int leastHeight, int otherX, int otherY,
                                               int otherWidth, int otherHeight) {
  const ui::Box frame{x, y, ui::kClientArea.width / ui::kTwipsPerPixel, ui::kClientArea.height / ui::kTwipsPerPixel};
  const ui::Box at = ui::placePlan({{0, 0, roomWidth, roomHeight}, frame, x, y, 0, 0, width, height, leastWidth,
                                     std::max(leastHeight, ui::kPlanLeastHeight),
                                     {otherX, otherY, otherWidth, otherHeight}});
  reply = "{\"x\":" + std::to_string(at.x) + ",\"y\":" + std::to_string(at.y) + ",\"width\":" +
          std::to_string(at.width) + ",\"height\":" + std::to_string(at.height) + '}';
  return reply.c_str();
}

// The goal panel: its table {title, controls: [{name, label}], choices:
// [{name, valued}], mostValue, levelCap, leastHeight (its controls whole)}; its state after each edit
// {targets: [...], selected, value, valued, byLevel, allPairs, text,
// canApply}; Apply, one step, answered as an event is.
static session::GoalPanel goalPanel;
EMSCRIPTEN_KEEPALIVE const char* kp_goal_table() {
  reply = "{\"title\":" + quote(session::kGoalTitle) + ",\"controls\":" + controlsJson(session::kGoalControls) +
          ",\"choices\":[";
  for (const session::GoalChoice& c : session::goalChoices())
    reply += std::string(c.code ? "," : "") + "{\"name\":" + quote(c.name) + ",\"valued\":" + flag(c.valued) + '}';
  reply += "],\"mostValue\":" + std::to_string(session::kGoalMostValue) + ",\"levelCap\":" + std::to_string(kLevelCap) +
           ",\"leastHeight\":" + std::to_string(session::kGoalLeastHeight) + '}';
  return reply.c_str();
}
EMSCRIPTEN_KEEPALIVE const char* kp_goal() {
  const session::GoalShown s = goalPanel.shown(*planner);
  reply = "{\"targets\":[";
  for (std::size_t i = 0; i < s.targets.size(); ++i) reply += (i ? "," : "") + quote(s.targets[i]);
  reply += "],\"selected\":" + std::to_string(s.selected) + ",\"value\":" + std::to_string(s.value) +
           ",\"valued\":" + flag(s.valued) + ",\"byLevel\":" + std::to_string(goalPanel.byLevel()) +
           ",\"allPairs\":" + flag(goalPanel.allPairs()) + ",\"text\":" + quote(s.text) +
           ",\"canApply\":" + flag(s.canApply) + '}';
  return reply.c_str();
}
EMSCRIPTEN_KEEPALIVE const char* kp_goal_add(int choice) {
  goalPanel.add(choice, planner->form());
  return kp_goal();
}
EMSCRIPTEN_KEEPALIVE const char* kp_goal_select(int target) {
  goalPanel.select(target);
  return kp_goal();
}
EMSCRIPTEN_KEEPALIVE const char* kp_goal_value(int value) {
  goalPanel.setValue(value);
  return kp_goal();
}
EMSCRIPTEN_KEEPALIVE const char* kp_goal_remove() {
  goalPanel.remove();
  return kp_goal();
}
EMSCRIPTEN_KEEPALIVE const char* kp_goal_by_level(int level) {
  goalPanel.setByLevel(level);
  return kp_goal();
}
EMSCRIPTEN_KEEPALIVE const char* kp_goal_all_pairs(int all) {
  goalPanel.setAllPairs(all != 0);
  return kp_goal();
}
EMSCRIPTEN_KEEPALIVE const char* kp_goal_apply() {
  goalPanel.apply(*planner);
  return changes();
}

}  // extern "C"
