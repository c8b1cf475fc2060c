#pragma once

#include <QDialog>
#include <functional>
#include <string>

class QKeyEvent;
class QLabel;
class QPlainTextEdit;
class QSpinBox;

namespace kethmor::ui {

class MainWindow;

// The "Level plan" window beside the main window (Ctrl+L): the plan of the
// character on show, following every change; Copy, Save..., Print..., Close, and a
// level box whose "Show this level" puts the main window into the plan's
// state at the end of that level, as one step that Ctrl+Z takes back.
class PlanWindow : public QDialog {
  Q_OBJECT  // found among the main window's children by its type

 public:
  explicit PlanWindow(MainWindow& main);

  // Replaces the save dialog (tests answer it themselves).
  void setSaveDialog(std::function<std::string()> dialog) { dialog_ = std::move(dialog); }
  // Shows the plan of the character as it is now.
  void follow();

 protected:
  bool eventFilter(QObject* watched, QEvent* e) override;
  void showEvent(QShowEvent* e) override;

 private:
  // The plan as shown, its lines joined by the platform's line end.
  QString text() const;
  void copy() const;
  // Copy and Ctrl+C: the part of the plan selected, else the whole plan.
  void copyShown();
  // What a key does here, from whichever control has the focus: Ctrl+C, the
  // undo and redo keys, Ctrl+P, Enter in the level box; nothing for others.
  std::function<void()> command(const QKeyEvent& key);
  void save();
  // Qt's print preview of the plan, as the sheet is printed (Ctrl+P here).
  void print();
  void showLevel();
  MainWindow& main_;
  QPlainTextEdit* text_;
  QSpinBox* level_;
  QLabel* message_;
  std::function<std::string()> dialog_;
};

// Where a panel beside the main window (the plan, the goal) opens, its
// frame's top left, and its size: as the session's windows place the plan
// (window/plan_place.h).
QPoint placeBeside(const MainWindow& main, QDialog& panel);

// Opens the plan window of `main`, or brings it to the front.
PlanWindow* showPlanWindow(MainWindow& main);

}  // namespace kethmor::ui
