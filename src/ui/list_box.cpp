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
  const int page = std::max(1, viewport()->height() / std::max(1, sizeHintForRow(0)) - 1);
  // Keys with Ctrl, Alt or Meta are the window's; the list itself changes
  // nothing but through the model.
  const bool plain = !(e->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
  if (!plain || !onKey || !onKey(e->key(), e->text(), page)) return e->ignore();
  // A keyboard move brings the new entry wholly into sight.
  if (QListWidgetItem* item = this->item(selectedRow())) scrollToItem(item);
}

}  // namespace kethmor::ui
