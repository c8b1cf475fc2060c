#pragma once

#include <QListWidget>
#include <functional>

namespace kethmor::ui {

// A list whose selection belongs to the model: a press on an entry, or a
// keyboard move, asks for that entry to be clicked; a double click anywhere
// in the list, or Enter, asks for the list's double click (a second press on
// another entry clicks that entry first). The widget itself never changes
// its selection; the window redraws it from the model.
class ListBox : public QListWidget {
 public:
  explicit ListBox(QWidget* parent) : QListWidget(parent) {}
  std::function<void(int)> onEntryClick;
  std::function<void()> onDoubleClick;
  // A key pressed (its Qt key and text) with the rows a page moves; whether
  // it was the list's.
  std::function<bool(int, const QString&, int)> onKey;
 protected:
  void mousePressEvent(QMouseEvent* e) override;
  void mouseDoubleClickEvent(QMouseEvent* e) override;
  void mouseMoveEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;

 private:
  // The entry shown selected, -1 for none.
  int selectedRow() const;
};

}  // namespace kethmor::ui
