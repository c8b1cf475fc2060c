#pragma once

#include <functional>
#include <string>

#include "ui/panel_window.h"

class QLabel;
class QPlainTextEdit;
class QSpinBox;

namespace kethmor::ui {

// The "Level plan" window beside the main window (Ctrl+L): the plan of the
// character on show, following every change; Copy, Save..., Print..., Close, and a
// level box whose "Show this level" puts the main window into the plan's
// state at the end of that level, as one step that Ctrl+Z takes back.
class PlanWindow : public PanelWindow {
  Q_OBJECT  // found among the main window's children by its type

 public:
  explicit PlanWindow(MainWindow& main);

  // Replaces the save dialog (tests answer it themselves).
  void setSaveDialog(std::function<std::string()> dialog) { dialog_ = std::move(dialog); }
  // Shows the plan of the character as it is now.
  void follow() override;

 protected:
  void showEvent(QShowEvent* e) override;

 private:
  // Copy and Ctrl+C: the part of the plan selected, else the whole plan.
  void copyShown();
  // Ctrl+C, Ctrl+P and Enter in the level box, besides undo and redo.
  std::function<void()> command(const QKeyEvent& key) override;
  void save();
  // Qt's print preview of the plan, as the sheet is printed (Ctrl+P here).
  void print();
  void showLevel();
  QPlainTextEdit* text_;
  QSpinBox* level_;
  QLabel* message_;
  std::function<std::string()> dialog_;
};

}  // namespace kethmor::ui
