#pragma once

#include <QHash>
#include <QImage>
#include <QWidget>
#include <array>
#include <functional>
#include <memory>
#include <string>

#include "core/form1.h"
#include "core/history.h"
#include "export/sheet_file.h"

namespace kethmor::ui {

// The families of the window's compiled-in fonts, for 8.25 pt and 9.75 pt.
inline constexpr const char* kFontFamily8 = "Kethmor Sans 8";
inline constexpr const char* kFontFamily10 = "Kethmor Sans 10";
// Registers the window's fonts (once); false when one could not be loaded.
bool registerWindowFont();
// Draws every control the classic way: flat button faces in exactly their
// colour with a 3-D bevel, sunken boxes and lists.
void useClassicStyle();

// The main window: draws the model and forwards every event to it.
class MainWindow : public QWidget {
 public:
  explicit MainWindow(QWidget* parent = nullptr);
  ~MainWindow() override;

  Form1& model() { return form_; }
  QWidget* widget(Ctl id) const { return widgets_[static_cast<std::size_t>(id)]; }
  // Replaces the save dialog (tests answer it themselves).
  void setSaveDialog(std::function<std::string()> dialog);
  // Redraws every widget whose control changed since the last redraw.
  void refresh();
  // Runs one of the model's events, then redraws; an event that changed the
  // sheet becomes a step that undo() takes back.
  void run(const std::function<void()>& event);
  // Ctrl+Z; Ctrl+Y or Ctrl+Shift+Z (while a text box is typed in, its own).
  void undo();
  void redo();
  const History& history() const { return history_; }
  // Told after every redraw (the level plan follows the character).
  std::function<void()> onRefresh;

  // Opens a saved sheet as one action of the window (Ctrl+O, a dropped
  // file, the command line); a file that is no sheet is refused in the
  // message box. Of `files` given at once only the first opens, and the
  // message box says so.
  void openFile(const std::string& fileName, int files = 1);
  // Replaces the open dialog (tests answer it themselves).
  void setOpenDialog(std::function<std::string()> dialog) { openDialog_ = std::move(dialog); }
  // Where the save dialog starts: the folder of the last save or open (else
  // the home folder), and the character's name as the file name, or
  // "character.txt" with no name typed.
  QString proposedSavePath() const;
  // The sheet written when the window closes, opened again by Ctrl+Shift+O.
  static QString lastSessionPath();
  // The sheet kept before it, replaced by the next close that keeps one.
  static QString previousSessionPath();
  // Shows the window; on a screen whose free area is smaller than the
  // window, inside a scroll area that fits it. Returns the top-level widget
  // (the one to close and delete).
  QWidget* showFitted();
  // A file message shortened to fit the message box.
  std::string fitMessage(const std::string& verb, const std::string& name, const std::string& reason) const;

 protected:
  void paintEvent(QPaintEvent*) override;
  void closeEvent(QCloseEvent*) override;
  void dragEnterEvent(QDragEnterEvent*) override;
  void dropEvent(QDropEvent*) override;

 private:
  void build();
  void apply(Ctl id, const Control& c, bool force);
  std::string askFileName();
  // Drops and the last folder used.
  void installSheetCommands();
  std::string askOpenName();
  void saveLastSession() const;
  // A file message in full where the message box shows it shortened.
  mutable QHash<QString, QString> fullMessages_;
  // The commands with their keys and the right-click menu that lists them.
  void installCommands();
  QWidget* typingBox() const;  // the text box being typed in, or null

  Form1 form_;
  std::array<QWidget*, kControlCount> widgets_{};
  std::array<Control, kControlCount> shown_{};
  std::unique_ptr<exporter::FileSheetSaver> saver_;
  std::function<std::string()> dialog_;
  std::function<std::string()> openDialog_;
  QString lastFolder_;
  QImage background_;  // 8-bit with its palette, as stored: a quarter of the bytes of a pixmap
  History history_;
};

}  // namespace kethmor::ui
