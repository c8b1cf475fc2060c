// The web page's side of the model: the same window state, handlers and
// history as the desktop window, handed to the page's script as plain C
// functions. The page draws the layout table this file gives it and, after
// each event, only the controls whose state changed.
#include <emscripten/emscripten.h>

#include <optional>
#include <string>

#include "model/form1.h"
#include "session/history.h"
#include "sheet/level_plan.h"
#include "sheet/build_code.h"
#include "sheet/sheet.h"
#include "sheet/sheet_reader.h"
#include "session/about.h"
#include "session/file_name.h"
#include "window/layout_table.h"

using namespace kethmor;

namespace {

Form1 form;
std::optional<History> history;  // made anew by each start
Control shown[kControlCount];
std::string reply;  // the text last handed to the page

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

// One control's state: [id, text, back, fore, visible, selected, entries or
// null when they are as last drawn].
void state(std::string& out, int id, const Control& c, bool entries) {
  out += '[' + std::to_string(id) + ',';
  quoted(out, c.text);
  out += ',' + std::to_string(c.back) + ',' + std::to_string(c.fore) + ',' + (c.visible ? "1" : "0") + ',' +
         std::to_string(c.listIndex) + ',';
  if (!entries) {
    out += "null";
  } else {
    out += '[';
    for (std::size_t i = 0; i < c.items.size(); ++i) {
      if (i) out += ',';
      quoted(out, c.items[i]);
    }
    out += ']';
  }
  out += ']';
}

// The controls changed since the page last drew them (all of them, given
// `all`), and whether the program has ended.
const char* changes(bool all = false) {
  reply = "{\"ended\":";
  reply += form.ended ? "1" : "0";
  reply += ",\"undo\":";
  reply += history->canUndo() ? "1" : "0";
  reply += ",\"redo\":";
  reply += history->canRedo() ? "1" : "0";
  reply += ",\"controls\":[";
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

// One event of the window: an event that changed the sheet becomes a step
// that undo takes back.
template <typename Event>
const char* run(Event event) {
  const Form1State before = form;
  event();
  history->record(before, form);
  return changes();
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

std::string bytesOut;  // the bytes kp_sheet and kp_plan_bytes hand out

}  // namespace

extern "C" {

// The window and its controls as the layout table, controls.def and the
// reading order give them: {caption, client: [w, h], back, twips,
// fonts: {B8: [family, pixels, bold]...}, controls: [{name, kind, at:
// [left, top, width, height], font, center, readonly, multiline, tip, max,
// focus: "tab" | "click" | "none"}], reading: [[id, accessible name]]}.
EMSCRIPTEN_KEEPALIVE const char* kp_table() {
  using namespace ui;
  reply = "{\"caption\":";
  quoted(reply, kCaption);
  reply += ",\"client\":[" + std::to_string(kClientArea.width) + ',' + std::to_string(kClientArea.height) +
           "],\"back\":" + std::to_string(kWindowBack) + ",\"twips\":" + std::to_string(kTwipsPerPixel);
  reply += ",\"fonts\":{";
  for (const Font f : {Font::B8, Font::B10, Font::R10, Font::R8}) {
    const bool large = f == Font::B10 || f == Font::R10;
    if (f != Font::B8) reply += ',';
    reply += std::string("\"") + fontName(f) + "\":[";
    quoted(reply, large ? kFontFamily10 : kFontFamily8);
    reply += ',' + std::to_string(large ? kFontPixels10 : kFontPixels8) + ',' +
             (f == Font::B8 || f == Font::B10 ? "1" : "0") + ']';
  }
  reply += "},\"controls\":[";
  for (int i = 0; i < kControlCount; ++i) {
    const ControlInfo& ci = kControls[i];
    const Placement& at = kLayout[static_cast<std::size_t>(i)];
    if (i) reply += ',';
    reply += "{\"name\":\"" + std::string(ci.name) + "\",\"kind\":\"" + kindName(ci.kind) + "\",\"at\":[" +
             std::to_string(at.left) + ',' + std::to_string(at.top) + ',' + std::to_string(at.width) + ',' +
             std::to_string(at.height) + "],\"font\":\"" + fontName(at.font) + "\",\"center\":" +
             (at.flags & CENTER ? "1" : "0") + ",\"readonly\":" + (at.flags & READONLY ? "1" : "0") +
             ",\"multiline\":" + (at.flags & MULTILINE ? "1" : "0") + ",\"max\":" + std::to_string(ci.maxLength) +
             ",\"focus\":\"" + (takesFocus(ci, at) ? "tab" : readOnlyBox(ci, at) ? "click" : "none") + "\",\"tip\":";
    quoted(reply, at.tooltip);
    reply += '}';
  }
  reply += "],\"reading\":[";
  bool first = true;
  for (const Reading& r : kReading) {
    if (!first) reply += ',';
    first = false;
    reply += '[' + std::to_string(static_cast<int>(r.id)) + ',';
    quoted(reply, r.name);
    reply += ']';
  }
  reply += "]}";
  return reply.c_str();
}

// Start-up: the window's Form_Load, and every control's state.
EMSCRIPTEN_KEEPALIVE const char* kp_start() {
  form = Form1();
  history.emplace();
  form.Form_Load();
  return changes(true);
}

// A click on a button, a list's double click, an entry clicked (or moved to
// by a key), each run by the window's own handlers.
EMSCRIPTEN_KEEPALIVE const char* kp_click(int id) { return run([id] { form.Click(ctl(id)); }); }
EMSCRIPTEN_KEEPALIVE const char* kp_dblclick(int id) { return run([id] { form.DblClick(ctl(id)); }); }
EMSCRIPTEN_KEEPALIVE const char* kp_select(int id, int row) {
  return run([id, row] { form.selectEntry(ctl(id), row); });
}

// Text typed into a box (the name, the alternative background), or a
// message the page shortened to fit its box: no step of its own.
EMSCRIPTEN_KEEPALIVE void kp_set_text(int id, const char* utf8) {
  const Ctl c = ctl(id);
  shown[static_cast<int>(c)].text = form.ctl(c).text = utf8;
}

// The name SAVE's download proposes ("Borin Ironfist.txt", "character.txt").
EMSCRIPTEN_KEEPALIVE const char* kp_file_name() {
  reply = ui::proposedFileName(form.PCname.text);
  return reply.c_str();
}

EMSCRIPTEN_KEEPALIVE const char* kp_undo() {
  history->undo(form);
  return changes();
}
EMSCRIPTEN_KEEPALIVE const char* kp_redo() {
  history->redo(form);
  return changes();
}

// The saved sheet's bytes (the code page, CR LF): kp_sheet gives where they
// lie, kp_sheet_size how many. With `session` set, none when the sheet is the
// blank start's (a last session worth keeping).
EMSCRIPTEN_KEEPALIVE const char* kp_sheet(int session) {
  bytesOut = sheet::sheetBytes(form);
  if (session && bytesOut == sheet::blankSheetBytes()) bytesOut.clear();
  return bytesOut.data();
}
EMSCRIPTEN_KEEPALIVE int kp_sheet_size() { return static_cast<int>(bytesOut.size()); }

// Opens a sheet's bytes (none, size -1: there is no such file) as one action
// of the window; a sheet that cannot be read is refused in the message box, naming the file; of `files` given at
// once only the first opens, and the message box says so.
EMSCRIPTEN_KEEPALIVE const char* kp_open(const char* name, const char* bytes, int size, int files) {
  return run([&] {
    const std::string failure =
        size < 0 ? "no such file" : sheet::openSheetText(form, std::string(bytes, static_cast<std::size_t>(size)));
    if (!failure.empty()) {
      const ui::FailureWords words = ui::failureWords("open", true, failure);
      form.message_window.text = words.head + name + words.tail;
    }
    else if (files > 1) form.message_window.text = "only the first of " + std::to_string(files) + " files was opened";
  });
}

// The sheet as text for the clipboard and the printer: UTF-8, lines ended by LF.
EMSCRIPTEN_KEEPALIVE const char* kp_sheet_text() {
  reply.clear();
  for (const char c : sheet::fromCodePage(sheet::sheetBytes(form)))
    if (c != '\r') reply += c;
  return reply.c_str();
}

// A pasted text (a sheet, or a build code, alone or in a link) opened as
// one step; refused with its reason ("could not paste: ...", or with the
// verb "open" for a link the page was opened with).
EMSCRIPTEN_KEEPALIVE const char* kp_paste(const char* utf8, const char* verb) {
  return run([&] {
    const std::string text = utf8;
    const std::string reason = text.empty() ? "no text" : sheet::openPasted(form, text);
    if (!reason.empty()) {
      const ui::FailureWords words = ui::failureWords(verb, false, reason);
      form.message_window.text = words.head + words.tail;
    }
  });
}

// The build's code ("KCP1:..."), for a link to the page.
EMSCRIPTEN_KEEPALIVE const char* kp_code() {
  reply = sheet::buildCode(form);
  return reply.c_str();
}

// The level plan of the character on show, as text (LF), and as bytes in
// the sheet's code page and line ends (kp_sheet_size tells how many).
EMSCRIPTEN_KEEPALIVE const char* kp_plan_text() {
  reply = planText(levelPlan(form), "\n");
  return reply.c_str();
}
EMSCRIPTEN_KEEPALIVE const char* kp_plan_bytes() {
  bytesOut = sheet::toCodePage(planText(levelPlan(form), "\n") + "\n");
  return bytesOut.data();
}

// The character as the plan has it at the end of `level`: one step.
EMSCRIPTEN_KEEPALIVE const char* kp_show_level(int level) {
  return run([level] { static_cast<Form1State&>(form) = planStateAt(form, level); });
}

// About: the version and the licences.
EMSCRIPTEN_KEEPALIVE const char* kp_about() {
  reply = ui::kAbout;
  reply.replace(reply.find("%1"), 2, KETHMOR_VERSION);
  return reply.c_str();
}

}  // extern "C"
