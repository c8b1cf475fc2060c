#pragma once

#include <QImage>
#include <QKeySequence>
#include <QWidget>
#include <array>
#include <functional>
#include <string>

#include "model/form1.h"
#include "session/session.h"
#include "ui/layout.h"

class QAction;

namespace kethmor::ui {

// Registers the window's fonts (once); false when one could not be loaded.
bool registerWindowFont();
// A font of the layout (ui/layout.h), as the window draws it.
QFont windowFont(Font f);
// Draws every control the classic way: flat button faces in exactly their
// colour with a 3-D bevel, sunken boxes and lists.
void useClassicStyle();

// Asks for a file in the planner's file dialog (text files first): for
// saving, proposing the file `start`; for opening, in the folder `start`.
// Empty when cancelled.
std::string askFile(QWidget& parent, const QString& title, const QString& start, bool saving);

using session::Command;
inline constexpr std::size_t kCommandCount = std::size(session::kCommands);

// The main window: draws the model and forwards every event to it; for SAVE
// and Ctrl+O it asks for the file name first and shows what came of it.
class MainWindow : public QWidget {
  Q_OBJECT

 public:
  explicit MainWindow(QWidget* parent = nullptr);

  Form1& model() { return session_.form(); }
  session::Session& session() { return session_; }
  QWidget* widget(Ctl id) const { return widgets_[static_cast<std::size_t>(id)]; }
  // Replaces the save dialog (tests answer it themselves).
  void setSaveDialog(std::function<std::string()> dialog) { dialog_ = std::move(dialog); }
  // Runs one of the model's events in the session, then redraws; an event
  // that changed the sheet becomes a step that undo() takes back. An event
  // that ended the program (Quit) closes the window.
  void run(const std::function<void()>& event);
  // Calls the session (which takes its own steps), then redraws as run does.
  void act(const std::function<void()>& call);
  // Ctrl+Z; Ctrl+Y or Ctrl+Shift+Z (while a text box is typed in, its own).
  void undo();
  void redo();
  // The keys of one of the window's commands, as its menu entry shows them.
  QList<QKeySequence> keys(Command c) const;

  // Opens a saved sheet as one action of the window (Ctrl+O, a dropped
  // file, the command line); a file that is no sheet is refused in the
  // message box. Of `files` given at once only the first opens, and the
  // message box says so.
  void openFile(const std::string& fileName, int files = 1);
  // Opens a text (a paste, a build code from the command line) as one action
  // of the window: a sheet, or else the build code it holds; a refusal is
  // "could not VERB: REASON" in the message box.
  void openText(const std::string& text, const char* verb);
  // A key on a list: the session moves, searches or double-clicks.
  bool listKey(Ctl list, int key, const QString& text, int pageRows);
  // Replaces the open dialog (tests answer it themselves).
  void setOpenDialog(std::function<std::string()> dialog) { openDialog_ = std::move(dialog); }
  // What a save dialog proposes, in the folder of the last save or open (else
  // the home folder): the session's file name of the sheet or of the plan.
  enum class Saved { Sheet, Plan };
  QString proposedSavePath(Saved what = Saved::Sheet) const;
  // The sheet written when the window closes, opened again by Ctrl+Shift+O.
  static QString lastSessionPath();
  // The sheet kept before it, replaced by the next close that keeps one.
  static QString previousSessionPath();
  // Shows the window; on a screen whose free area is smaller than the
  // window, inside a scroll area that fits it. Returns the top-level widget
  // (the one to close and delete).
  QWidget* showFitted();

 signals:
  // The character changed: after every redraw, and as the name or the
  // alternative background is typed (the level plan follows it).
  void sheetChanged();

 protected:
  void paintEvent(QPaintEvent*) override;
  void closeEvent(QCloseEvent*) override;
  void dragEnterEvent(QDragEnterEvent*) override;
  void dropEvent(QDropEvent*) override;

 private:
  void build();
  // Redraws every widget whose control changed since the last redraw.
  void refresh();
  void apply(Ctl id, const Control& c, bool force);
  // SAVE: asks for the file name, hands it to the model, and writes the
  // message of a failure; a cancelled dialog writes nothing.
  void save();
  std::string askFileName();
  // Lets files be dropped on the window, which opens the first as a sheet.
  void installSheetCommands();
  std::string askOpenName();
  void saveLastSession() const;
  // Opens the last session kept, or the one before it (session::kLastSession, kPreviousSession).
  void openKept(const char* name);
  // The commands with their keys and the right-click menu that lists them.
  void installCommands();
  QWidget* typingBox() const;  // the text box being typed in, or null
  QAction* command(Command c) const { return commands_[static_cast<std::size_t>(c)]; }

  session::Session session_;
  Form1& form_ = session_.form();
  std::array<QWidget*, kControlCount> widgets_{};
  std::array<Control, kControlCount> shown_{};
  std::function<std::string()> dialog_;
  std::function<std::string()> openDialog_;
  QString lastFolder_;
  QImage background_;  // 8-bit with its palette, as stored: a quarter of the bytes of a pixmap
  std::array<QAction*, kCommandCount> commands_{};
};

}  // namespace kethmor::ui
