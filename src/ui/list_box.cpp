#include "ui/list_box.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <algorithm>

namespace kethmor::ui {

void ListBox::mousePressEvent(QMouseEvent* e) {
  setFocus(Qt::MouseFocusReason);
  if (e->button() != Qt::LeftButton) return;
  const QModelIndex at = indexAt(e->position().toPoint());
  if (at.isValid() && onEntryClick) onEntryClick(at.row());
}

void ListBox::mouseDoubleClickEvent(QMouseEvent* e) {
  if (e->button() != Qt::LeftButton) return;
  // The toolkit turns the second press into this event alone: when it lands
  // on another entry than the first press, that entry is clicked first.
  const QModelIndex at = indexAt(e->position().toPoint());
  if (at.isValid() && at.row() != selectedRow() && onEntryClick) onEntryClick(at.row());
  if (onDoubleClick) onDoubleClick();
}

void ListBox::mouseMoveEvent(QMouseEvent*) {}
void ListBox::mouseReleaseEvent(QMouseEvent*) {}

int ListBox::selectedRow() const {
  const QList<QListWidgetItem*> items = selectedItems();
  return items.isEmpty() ? -1 : row(items.first());
}

void ListBox::keyPressEvent(QKeyEvent* e) {
  const int n = count();
  const int row = selectedRow();
  const int page = std::max(1, viewport()->height() / std::max(1, sizeHintForRow(0)) - 1);
  int to = -2;
  switch (e->key()) {
    case Qt::Key_Up: to = row < 0 ? 0 : row - 1; break;
    case Qt::Key_Down: to = row < 0 ? 0 : row + 1; break;
    case Qt::Key_PageUp: to = row < 0 ? 0 : row - page; break;
    case Qt::Key_PageDown: to = row < 0 ? 0 : row + page; break;
    case Qt::Key_Home: to = 0; break;
    case Qt::Key_End: to = n - 1; break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      if (onDoubleClick) onDoubleClick();
      return;
    default: {
      // Typing a letter jumps to the next entry that starts with it: that
      // too is a click, and the model decides what is selected.
      QListWidget::keyPressEvent(e);
      const int found = currentRow();
      setCurrentRow(row, row < 0 ? QItemSelectionModel::Clear : QItemSelectionModel::ClearAndSelect);
      if (found >= 0 && found != row && onEntryClick) onEntryClick(found);
      return;
    }
  }
  if (n == 0) return;
  to = std::clamp(to, 0, n - 1);
  if (to != row && onEntryClick) onEntryClick(to);
  // A keyboard move brings the new entry wholly into sight.
  if (QListWidgetItem* item = this->item(selectedRow())) scrollToItem(item);
}

}  // namespace kethmor::ui
