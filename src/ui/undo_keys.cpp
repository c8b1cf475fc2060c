// Undo and redo of the sheet from the keyboard.
#include <QKeySequence>
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

void MainWindow::undo() {
  if (history_.undo(form_)) refresh();
}

void MainWindow::redo() {
  if (history_.redo(form_)) refresh();
}

}  // namespace kethmor::ui
