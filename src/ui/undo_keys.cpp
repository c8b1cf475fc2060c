// Undo and redo of the sheet from the keyboard.
#include <QApplication>
#include <QKeySequence>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QShortcut>

#include "ui/main_window.h"

namespace kethmor::ui {

// The keys belong to the window: while the name or the alternative
// background box has the focus, the box takes Ctrl+Z and its redo keys for
// its own typing first.
void MainWindow::installUndoKeys() {
  auto* undoKey = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z), this);
  connect(undoKey, &QShortcut::activated, this, [this] { undo(); });
  for (const QKeySequence& keys : {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)}) {
    auto* redoKey = new QShortcut(keys, this);
    connect(redoKey, &QShortcut::activated, this, [this] { redo(); });
  }
}

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
