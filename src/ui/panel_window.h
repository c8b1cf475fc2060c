#pragma once

#include <QDialog>
#include <functional>

class QKeyEvent;
class QPlainTextEdit;
class QPushButton;

namespace kethmor::ui {

class MainWindow;

// A window beside the main window that follows its character (the level
// plan, the goal): modeless, in the window's font, its keys taken from
// whichever of its controls has the focus, the main window's undo and redo
// keys among them.
class PanelWindow : public QDialog {
 public:
  PanelWindow(MainWindow& main, const char* title);
  // Shows the panel for the character as it is now (nothing while hidden).
  virtual void follow() = 0;

 protected:
  // A button of the panel: its label with the & of its Alt key.
  QPushButton* button(const char* label, const char* name, const std::function<void()>& clicked);
  // Once the controls are made: the panel's size, its keys from every control,
  // and following the main window's character.
  void finish();
  // What a key does here, from whichever control has the focus; the undo and
  // redo keys of the main window, else nothing.
  virtual std::function<void()> command(const QKeyEvent& key);
  // Copy and Ctrl+C: the part of `text` selected, else the whole of it, its
  // lines joined by the platform's line end.
  static void copyShown(QPlainTextEdit& text);
  // The whole of `text`, its lines joined by the platform's line end.
  static QString wholeText(const QPlainTextEdit& text);
  bool eventFilter(QObject* watched, QEvent* e) override;
  MainWindow& main_;
};

// Where a panel opens, its frame's top left, and its size: as the session's
// windows place the plan (window/plan_place.h).
QPoint placeBeside(const MainWindow& main, QDialog& panel);

// Opens `main`'s panel of type `Panel`, or brings it to the front; where the
// player leaves it, it opens again.
template <class Panel, class Main>
Panel* showPanel(Main& main) {
  auto* panel = main.template findChild<Panel*>();
  if (!panel) {
    panel = new Panel(main);
    panel->move(placeBeside(main, *panel));
  }
  panel->show();
  panel->follow();
  panel->raise();
  panel->activateWindow();
  return panel;
}

}  // namespace kethmor::ui
