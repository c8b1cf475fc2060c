#pragma once

#include <functional>

#include "session/goal_panel.h"
#include "ui/panel_window.h"

class QCheckBox;
class QComboBox;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;

namespace kethmor::ui {

// The "Goal" window beside the main window (Ctrl+G): targets picked from
// what the window's lists offer, each with its value, the level at most, the
// current race and background or every pair; the answer following every
// change, Apply (one step that Ctrl+Z takes back), Copy, Close.
class GoalWindow : public PanelWindow {
  Q_OBJECT  // found among the main window's children by its type

 public:
  explicit GoalWindow(MainWindow& main);
  // Shows the panel as it stands for the character as it is now.
  void follow() override;

 protected:
  void showEvent(QShowEvent* e) override;

 private:
  // An edit of the panel, then everything it shows drawn again.
  void edit(const std::function<void()>& change);
  void copy();
  // Ctrl+C, Enter in the choices, Delete in the targets, besides undo and redo.
  std::function<void()> command(const QKeyEvent& key) override;
  session::GoalPanel panel_;
  QComboBox* pick_;
  QListWidget* targets_;
  QSpinBox* value_;
  QPushButton* remove_;
  QSpinBox* byLevel_;
  QCheckBox* allPairs_;
  QPlainTextEdit* text_;
  QPushButton* apply_;
};

}  // namespace kethmor::ui
