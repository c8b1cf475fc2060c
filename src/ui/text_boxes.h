#pragma once

#include <QLineEdit>
#include <QPlainTextEdit>

namespace kethmor::ui {

// A multi-line box that holds at most maxLength characters: a paste is cut
// to the room left and a key that would go past it is refused, so each
// stays one step for the box's own undo. Tab leaves the box; Ctrl+Tab puts
// a tab into it. Deliberate mend: a NUL typed or pasted is dropped, as no
// saved sheet holds one, and dropped files are left to the window, which
// opens them.
class MultiLineBox : public QPlainTextEdit {
 public:
  explicit MultiLineBox(QWidget* parent);
  void setMaxLength(int n) { maxLength_ = n; }

 protected:
  void keyPressEvent(QKeyEvent* e) override;
  void insertFromMimeData(const QMimeData* source) override;
  bool canInsertFromMimeData(const QMimeData* source) const override;
  void inputMethodEvent(QInputMethodEvent* e) override;

 private:
  // Characters that may still go in, the selection they replace counted.
  int room() const;
  void enforceLimit();
  int maxLength_ = 0;
  bool trimming_ = false;
};

// A one-line box: a line break pasted or dropped into it becomes a blank,
// so what it holds stays on one line of the saved sheet; a NUL is dropped.
// Dropped files are left to the window.
class LineBox : public QLineEdit {
 public:
  explicit LineBox(QWidget* parent);

 protected:
  void dragEnterEvent(QDragEnterEvent* e) override;
};

}  // namespace kethmor::ui
