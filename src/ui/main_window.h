#pragma once

#include <QPixmap>
#include <QWidget>
#include <array>
#include <functional>
#include <memory>
#include <string>

#include "core/form1.h"
#include "core/history.h"
#include "export/sheet_file.h"

namespace kethmor::ui {

// Where the font of the window comes from: the family registered at
// start-up, or a plain sans font when it is missing.
QString windowFontFamily();
// Registers the window's font file; returns the family to use.
QString registerWindowFont();

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

 protected:
  void paintEvent(QPaintEvent*) override;
  void closeEvent(QCloseEvent*) override;

 private:
  void build();
  void apply(Ctl id, const Control& c, bool force);
  std::string askFileName();
  void installUndoKeys();
  QWidget* typingBox() const;  // the text box being typed in, or null

  Form1 form_;
  std::array<QWidget*, kControlCount> widgets_{};
  std::array<Control, kControlCount> shown_{};
  std::unique_ptr<exporter::FileSheetSaver> saver_;
  std::function<std::string()> dialog_;
  QPixmap background_;
  History history_;
};

}  // namespace kethmor::ui
