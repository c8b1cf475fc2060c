#pragma once

#include <QDialog>
#include <functional>

#include "session/goal_panel.h"

class QCheckBox;
class QComboBox;
class QKeyEvent;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;

namespace kethmor::ui {

class MainWindow;

// The "Goal" window beside the main window (Ctrl+G): targets picked from
// what the window's lists offer, each with its value, the level at most, the
// current race and background or every pair; the answer following every
// change, Apply (one step that Ctrl+Z takes back), Copy, Close.
class GoalWindow : public QDialog {
  Q_OBJECT  // found among the main window's children by its type

 public:
  explicit GoalWindow(MainWindow& main);
  // Shows the panel as it stands for the character as it is now.
  void follow();

 protected:
  bool eventFilter(QObject* watched, QEvent* e) override;
  void showEvent(QShowEvent* e) override;

 private:
  // An edit of the panel, then everything it shows drawn again.
  void edit(const std::function<void()>& change);
  void copy();
  std::function<void()> command(const QKeyEvent& key);
  MainWindow& main_;
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

// Opens the goal window of `main`, or brings it to the front.
GoalWindow* showGoalWindow(MainWindow& main);

}  // namespace kethmor::ui
