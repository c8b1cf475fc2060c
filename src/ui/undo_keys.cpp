// Undo and redo of the sheet; while the name or the alternative background
// box has the focus, of the typing in it.
#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <chrono>

#include "ui/main_window.h"

namespace kethmor::ui {

// The text box being typed in, if any: the keys are its own then, whether
// or not the desktop's key bindings already hand them to it.
QWidget* MainWindow::typingBox() const {
  QWidget* focus = QApplication::focusWidget();
  for (int i = 0; i < kControlCount; ++i)
    if (focus && focus == widget(static_cast<Ctl>(i)) && session::Session::ownsUndoKeys(static_cast<Ctl>(i)))
      return focus;
  return nullptr;
}

void MainWindow::undo() {
  if (QWidget* box = typingBox()) {
    if (auto* line = qobject_cast<QLineEdit*>(box)) line->undo();
    else static_cast<QPlainTextEdit*>(box)->undo();
  } else if (session_.undo()) {
    refresh();
  }
}

bool MainWindow::listKey(Ctl list, int key, const QString& text, int pageRows) {
  static const struct { int key; const char* name; } names[] = {
      {Qt::Key_Up, "ArrowUp"}, {Qt::Key_Down, "ArrowDown"}, {Qt::Key_PageUp, "PageUp"}, {Qt::Key_PageDown, "PageDown"},
      {Qt::Key_Home, "Home"},  {Qt::Key_End, "End"},        {Qt::Key_Return, "Enter"}, {Qt::Key_Enter, "Enter"}};
  std::string name = text.toStdString();
  for (const auto& n : names)
    if (n.key == key) name = n.name;
  bool handled = false;
  const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
                      std::chrono::steady_clock::now().time_since_epoch()).count();
  act([&] { handled = session_.listKey(list, {name, pageRows, ms}); });
  return handled;
}

void MainWindow::redo() {
  if (QWidget* box = typingBox()) {
    if (auto* line = qobject_cast<QLineEdit*>(box)) line->redo();
    else static_cast<QPlainTextEdit*>(box)->redo();
  } else if (session_.redo()) {
    refresh();
  }
}

}  // namespace kethmor::ui
