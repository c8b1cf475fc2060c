#pragma once

// The player's session, once for both faces: the window's model and its
// history, and everything a player's action does beyond the model's
// handlers. A face draws the state, forwards events here, and does only
// what its toolkit must (widgets, the clipboard, files or downloads,
// printing, focus).
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "model/form1.h"
#include "session/commands.h"
#include "session/goal.h"
#include "session/history.h"
#include "session/wording.h"

namespace kethmor::session {

// Where a face keeps the last session: the desktop in files of its state
// folder, the page in the browser's storage. Writing may fail silently.
class Storage {
 public:
  virtual ~Storage() = default;
  virtual std::optional<std::string> read(const std::string& name) const = 0;
  virtual void write(const std::string& name, const std::string& bytes) = 0;
};
inline constexpr const char* kLastSession = "last-session.txt";
inline constexpr const char* kPreviousSession = "last-session.1.txt";

// What came of opening a sheet, a code, a link or a pasted text.
struct Outcome {
  bool opened = false;  // the character is now the one opened
  bool step = false;    // the history took a step that Ctrl+Z takes back
  Said message;         // what the message box says (empty: nothing)
};

// A key on a list as the page names it ("ArrowUp", "ArrowDown", "PageUp",
// "PageDown", "Home", "End", "Enter"), or the text a letter key types; a
// key of another name ("Tab", "F5") is not the list's.
struct ListKey {
  std::string_view key;
  int pageRows = 1;    // the entries a page moves: the rows in sight less one
  std::int64_t ms = 0; // when it was pressed, in milliseconds
};

class Session {
 public:
  Session();  // the window as it opens (Form_Load)

  Form1& form() { return form_; }
  const Form1& form() const { return form_; }

  // One event of the window through the model's handlers (a click, a
  // double click, an entry chosen): an event that changed the sheet
  // becomes a step that undo() takes back (and the answer is true).
  bool run(const std::function<void()>& event);
  void click(Ctl c);
  void doubleClick(Ctl c);
  void select(Ctl list, int row);
  // Text typed into the name or the alternative background: no step of its
  // own (the box keeps its own undo while it has the focus).
  void typed(Ctl box, std::string text);

  // The two boxes typed in take the undo keys while they have the focus;
  // elsewhere the keys take the sheet's steps back. A click on a button or
  // a list hands the keys back to the sheet.
  static bool ownsUndoKeys(Ctl focus);
  bool undo();  // false: nothing to take back
  bool redo();
  bool canUndo() const { return history_.canUndo(); }
  bool canRedo() const { return history_.canRedo(); }
  // Whether a command can be run now (Undo and Redo greyed in the menu).
  bool enabled(Command c) const;

  // SAVE: the sheet's bytes handed to `write` (the file the player chose,
  // or a download), which answers why it failed, or empty. A failure is
  // said in the message box, naming the file (`shownName`, no folder).
  void save(const std::string& shownName, const std::function<std::string(const std::string&)>& write);
  // A sheet opened from a file as one action: its bytes, or why they could
  // not be read (`readFailure`: "no such file", "too large"). Of `files`
  // given at once only the first opens, and the message box says so.
  Outcome openSheet(const std::string& shownName, const std::string& bytes, const std::string& readFailure,
                    int files = 1);
  // A pasted text, a link or a code given at start (`verb`: "paste",
  // "open"): a sheet, or else the build code it holds, as one action.
  Outcome openText(const std::string& text, const std::string& verb);
  // The last session: kept when the session ends, only when it differs from
  // the blank start and from the one kept, which stays a generation back;
  // Ctrl+Shift+O opens it.
  void keepLastSession(Storage& storage) const;
  Outcome openLastSession(const Storage& storage, const char* name = kLastSession);
  // A failure of the face's own (the browser refused its clipboard) said in
  // the message box in the session's words: "could not copy: ...".
  void sayFailure(const std::string& verb, const std::string& reason) { say(failure(verb, {}, reason)); }
  // A note of what only the page meets (session::Note), said in the message
  // box; that the character is kept in this browser also means that Quit
  // left the page open, and the session goes on.
  void sayNote(int note);
  // The message box's text in full, for its tool tip (also while the box
  // shows it shortened); empty while the box is empty.
  std::string messageInFull() const;

  // The sheet as text for the clipboard and the printer: UTF-8, LF.
  std::string sheetText() const;
  std::string buildCode() const;
  // The file names proposed for the sheet and for its level plan.
  std::string sheetFileName() const;
  std::string planFileName() const;

  // The level plan panel: the plan as text (LF) and as bytes for its Save
  // (the sheet's code page and line ends), the highest level it can show,
  // the level a typed text asks for (within 1 and that), and "Show this
  // level": the character at the end of that level, one step.
  std::string planText() const;
  std::string planBytes() const;
  int planLevels() const;
  int planLevel(std::string_view typed) const;
  void showLevel(int level);

  // A key pressed on a list: moves are clicks on the entry moved to, Enter
  // a double click, letters typed together (within kSearchMs of each
  // other) the next entry starting with them, the same letter again the
  // next entry with it. Whether the key was the list's.
  static constexpr std::int64_t kSearchMs = 400;
  bool listKey(Ctl list, const ListKey& key);
  // The control that takes the focus when `hidden` is hidden: the list
  // shown in its place (the magick and tech lists swap), if any.
  std::optional<Ctl> focusAfterHiding(Ctl hidden) const;

  // The goal panel: the answer for the current race and background, or the
  // table of every pair (`allPairs`), as text (LF); Apply makes the
  // answer's build (the table's first row), the typed texts kept, as one
  // step. Whether the goal could be met.
  std::string goalText(const Goal& goal, bool allPairs) const;
  bool applyGoal(const Goal& goal, bool allPairs);

 private:
  void say(const Said& said);
  Form1 form_;
  History history_;
  Said said_;  // the last message fitted to the box
  struct {
    Ctl list = Ctl::Race_Selection;
    std::string typed;
    std::int64_t at = 0;
  } search_;
};

// The box whose number a "+" or "-" changes (a statistic's base box, a
// skill's, hit points, fatigue): what a screen reader reads with the button.
std::optional<Ctl> valueBox(Ctl button);

// What the page says of what only it meets: the words are the session's, as
// every message is.
enum class Note { KeptInBrowser, LinkCopied, ClipboardRefused, NoClipboard, FolderDropped };
std::string noteText(Note n);

// The caption with the version, About's title and its text.
std::string caption();
inline constexpr const char* kAboutTitle = "About Kethmor Character Planner";
std::string aboutText();

}  // namespace kethmor::session
