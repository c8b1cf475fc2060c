#include "session/session.h"

#include <algorithm>
#include <cstdlib>

#include "session/file_name.h"
#include "sheet/build_code.h"
#include "sheet/level_plan.h"
#include "sheet/sheet.h"
#include "sheet/sheet_reader.h"
#include "window/layout_table.h"

namespace kethmor::session {

Session::Session() { form_.Form_Load(); }

bool Session::run(const std::function<void()>& event) {
  const Form1State before = form_;
  event();
  return history_.record(before, form_);
}

void Session::click(Ctl c) { run([&] { form_.Click(c); }); }
void Session::doubleClick(Ctl c) { run([&] { form_.DblClick(c); }); }
void Session::select(Ctl list, int row) { run([&] { form_.selectEntry(list, row); }); }
void Session::typed(Ctl box, std::string text) {
  if (ownsUndoKeys(box)) form_.ctl(box).text = std::move(text);
}

bool Session::ownsUndoKeys(Ctl focus) { return focus == Ctl::PCname || focus == Ctl::alternativebackground; }
bool Session::undo() { return history_.undo(form_); }
bool Session::redo() { return history_.redo(form_); }

bool Session::enabled(Command c) const {
  if (c == Command::Undo) return canUndo();
  if (c == Command::Redo) return canRedo();
  return true;
}

void Session::say(const Said& said) {
  said_ = said;
  form_.message_window.text = said.shown;
}

std::string Session::messageInFull() const {
  const std::string& shown = form_.message_window.text;
  return !shown.empty() && shown == said_.shown ? said_.full : shown;
}

void Session::save(const std::string& shownName, const std::function<std::string(const std::string&)>& write) {
  run([&] {
    const std::string reason = form_.SAVE_Click([&](const Form1State& s) { return write(sheet::sheetBytes(s)); });
    if (reason.empty()) return;
    say(failure("save", shownName, reason));
    form_.save_failure = form_.message_window.text;
  });
}

Outcome Session::openSheet(const std::string& shownName, const std::string& bytes, const std::string& readFailure,
                           int files) {
  Outcome out;
  out.step = run([&] {
    const std::string reason = readFailure.empty() ? sheet::openSheetText(form_, bytes) : readFailure;
    out.opened = reason.empty();
    if (!out.opened) say(failure("open", shownName, reason));
    else if (files > 1) say(fitted("only the first of " + std::to_string(files) + " files was opened"));
  });
  out.message = {form_.message_window.text, messageInFull()};
  return out;
}

Outcome Session::openText(const std::string& text, const std::string& verb) {
  Outcome out;
  out.step = run([&] {
    std::string reason = text.empty() ? "no text" : sheet::openPasted(form_, text);
    // A link holds a code or nothing; it was never pasted text.
    if (verb == "open" && reason.starts_with("is ")) reason = "no build code";
    out.opened = reason.empty();
    if (!out.opened) say(failure(verb, {}, reason));
  });
  out.message = {form_.message_window.text, messageInFull()};
  return out;
}

void Session::keepLastSession(Storage& storage) const {
  // Deliberate mend: ending a session never destroys a kept one. Only a
  // sheet that is neither the blank start nor the one already kept is
  // written, and the one it replaces stays a generation back: no single
  // close, of an untouched planner or of a second one, loses work.
  const std::string bytes = sheet::sheetBytes(form_);
  const std::optional<std::string> kept = storage.read(kLastSession);
  if (bytes == kept || bytes == sheet::blankSheetBytes()) return;
  if (kept && !kept->empty()) storage.write(kPreviousSession, *kept);
  storage.write(kLastSession, bytes);
}

Outcome Session::openLastSession(const Storage& storage, const char* name) {
  const std::optional<std::string> kept = storage.read(name);
  if (kept) return openSheet(name, *kept, "");
  Outcome none;
  say(fitted(name == std::string(kLastSession) ? "no session kept yet" : "no session kept before it"));
  none.message = said_;
  return none;
}

void Session::sayNote(int note) {
  if (note >= 0 && note <= static_cast<int>(Note::FolderDropped)) say(fitted(noteText(static_cast<Note>(note))));
  if (note == static_cast<int>(Note::KeptInBrowser)) form_.ended = false;  // the page stayed open: Quit again
}

std::string noteText(Note n) {
  switch (n) {
    case Note::KeptInBrowser: return "the character is kept in this browser";
    case Note::LinkCopied: return "link copied";
    case Note::ClipboardRefused: return "the browser refused the clipboard";
    case Note::NoClipboard: return "no clipboard here: use Ctrl+V";
    case Note::FolderDropped: return "a folder is no character sheet";
  }
  return {};
}

std::string Session::sheetText() const {
  std::string text;
  for (const char c : sheet::bytesText(sheet::sheetBytes(form_)))
    if (c != '\r') text += c;
  return text;
}

std::string Session::buildCode() const { return sheet::buildCode(form_); }
std::string Session::sheetFileName() const { return proposedFileName(form_.PCname.text); }
std::string Session::planFileName() const { return proposedFileName(form_.PCname.text, true); }

std::string Session::planText() const { return kethmor::planText(levelPlan(form_), "\n"); }
std::string Session::planBytes() const { return sheet::textBytes(planText() + "\n"); }
int Session::planLevels() const { return std::max(1, static_cast<int>(num(form_.Clevel))); }

int Session::planLevel(std::string_view typed) const {
  const std::string text(typed);
  const long asked = std::strtol(text.c_str(), nullptr, 10);
  return static_cast<int>(std::clamp<long>(asked, 1, planLevels()));
}

void Session::showLevel(int level) {
  const int at = std::clamp(level, 1, planLevels());
  run([&] { static_cast<Form1State&>(form_) = planStateAt(form_, at); });
}

namespace {

// The entry's text folded for the letter search: ASCII letters in lower case.
std::string folded(std::string_view s) {
  std::string out(s);
  for (char& c : out)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return out;
}

// Whether `s` is one character (UTF-8): a key's text, not another key's name.
bool oneCharacter(std::string_view s) {
  const auto continues = [](char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; };
  return !s.empty() && std::all_of(s.begin() + 1, s.end(), continues);
}

}  // namespace

bool Session::listKey(Ctl list, const ListKey& key) {
  const Control& c = form_.ctl(list);
  const int n = c.listCount(), row = c.listIndex;
  int to;
  if (key.key == "Enter") {
    doubleClick(list);
    return true;
  } else if (key.key == "ArrowUp") {
    to = row < 0 ? 0 : row - 1;
  } else if (key.key == "ArrowDown") {
    to = row < 0 ? 0 : row + 1;
  } else if (key.key == "PageUp") {
    to = row < 0 ? 0 : row - key.pageRows;
  } else if (key.key == "PageDown") {
    to = row < 0 ? 0 : row + key.pageRows;
  } else if (key.key == "Home") {
    to = 0;
  } else if (key.key == "End") {
    to = n - 1;
  } else if (oneCharacter(key.key) && static_cast<unsigned char>(key.key[0]) > ' ') {
    // Letters typed together search for the entry starting with all of
    // them, from the highlighted one on; a new search, or the same letter
    // again, from the entry after it.
    const bool fresh = search_.list != list || key.ms - search_.at > kSearchMs || search_.typed.empty();
    search_.typed = fresh ? std::string(key.key) : search_.typed + std::string(key.key);
    search_.list = list;
    search_.at = key.ms;
    std::string sought = folded(search_.typed);
    const std::string first = folded(key.key);
    const bool same = sought.find_first_not_of(first) == std::string::npos && sought.size() > first.size();
    if (same) sought = first;
    const int from = fresh || same ? row + 1 : std::max(row, 0);
    to = -1;
    for (int step = 0; step < n && to < 0; ++step) {
      const int r = ((from + step) % n + n) % n;
      if (folded(c.items[static_cast<std::size_t>(r)]).starts_with(sought)) to = r;
    }
    if (to < 0) return true;
  } else {
    return false;
  }
  if (n == 0) return true;
  to = std::clamp(to, 0, n - 1);
  if (to != row) select(list, to);
  return true;
}

std::optional<Ctl> Session::focusAfterHiding(Ctl hidden) const {
  const ui::Placement& at = ui::layout(hidden);
  for (int i = 0; i < kControlCount; ++i) {
    const Ctl other = static_cast<Ctl>(i);
    const ui::Placement& p = ui::layout(other);
    if (other != hidden && form_.ctl(other).visible && p.left == at.left && p.top == at.top) return other;
  }
  return std::nullopt;
}

std::string Session::goalText(const Goal& goal, bool allPairs) const {
  return allPairs ? tableText(goal, goalAnswers(goal)) : answerText(goal, goalAnswer(goal, form_));
}

bool Session::applyGoal(const Goal& goal, bool allPairs) {
  Answer answer = allPairs ? goalAnswers(goal).front() : goalAnswer(goal, form_);
  if (answer.level == 0) return false;
  answer.start.name = form_.PCname.text;
  answer.start.alternative = form_.alternativebackground.text;
  run([&] {
    Form1State build = answerBuild(answer);
    keepBrowsing(build, form_);
    static_cast<Form1State&>(form_) = build;
  });
  return true;
}

std::optional<Ctl> valueBox(Ctl button) {
  switch (button) {
#define STAT(code, base, adjusted, plus, minus, ...) \
  case Ctl::plus:                                    \
  case Ctl::minus: return Ctl::base;
#include "rules/statistics.def"
#undef STAT
#define SKILL(box, plus, minus, ...) \
  case Ctl::plus:                    \
  case Ctl::minus: return Ctl::box;
#include "rules/skills.def"
#undef SKILL
    case Ctl::Hitpoints_plus:
    case Ctl::Hitpoints_minus: return Ctl::hitpoints;
    case Ctl::Fatigue_plus:
    case Ctl::Fatigue_minus: return Ctl::fatigue;
    default: return std::nullopt;
  }
}

std::string caption() { return ui::kCaption; }

std::string aboutText() {
  return "Kethmor Character Planner " KETHMOR_VERSION
         "\n\n"
         "A character planner for the role-playing game Kethmor.\n\n"
         "This program is free software: you can redistribute it and/or modify it under the terms of the GNU "
         "General Public License as published by the Free Software Foundation, either version 3 of the License, "
         "or (at your option) any later version. It comes with absolutely no warranty.\n\n"
         "The window's fonts are modified versions of MS Sans Serif of fonts-wine, Copyright (C) 2004 "
         "Huw D M Davies, Dmitry Timoshkov, under the GNU Lesser General Public License, version 2.1 or later.";
}

}  // namespace kethmor::session
