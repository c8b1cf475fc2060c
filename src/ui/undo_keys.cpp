// Undo and redo of the sheet; while the name or the alternative background
// box has the focus, of the typing in it.
#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>

#include "ui/main_window.h"

namespace kethmor::ui {

// The text box being typed in, if any: the keys are its own then, whether
// or not the desktop's key bindings already hand them to it.
QWidget* MainWindow::typingBox() const {
  QWidget* focus = QApplication::focusWidget();
  return focus && (focus == widget(Ctl::PCname) || focus == widget(Ctl::alternativebackground)) ? focus : nullptr;
}

void MainWindow::undo() {
  if (QWidget* box = typingBox()) {
    if (auto* line = qobject_cast<QLineEdit*>(box)) line->undo();
    else static_cast<QPlainTextEdit*>(box)->undo();
  } else if (history_.undo(form_)) {
    refresh();
  }
}

void MainWindow::redo() {
  if (QWidget* box = typingBox()) {
    if (auto* line = qobject_cast<QLineEdit*>(box)) line->redo();
    else static_cast<QPlainTextEdit*>(box)->redo();
  } else if (history_.redo(form_)) {
    refresh();
  }
}

}  // namespace kethmor::ui
