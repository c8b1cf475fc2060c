#include "ui/text_boxes.h"

#include <QTextCursor>

namespace kethmor::ui {

MultiLineBox::MultiLineBox(QWidget* parent) : QPlainTextEdit(parent) {
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setLineWrapMode(QPlainTextEdit::WidgetWidth);
  setTabChangesFocus(false);
  connect(this, &QPlainTextEdit::textChanged, this, [this] { enforceLimit(); });
}

void MultiLineBox::enforceLimit() {
  if (maxLength_ <= 0 || trimming_) return;
  const int length = document()->characterCount() - 1;
  if (length <= maxLength_) return;
  // The excess is what was just put in before the cursor.
  trimming_ = true;
  QTextCursor c = textCursor();
  const int excess = length - maxLength_;
  const int end = c.position();
  const int start = std::max(0, end - excess);
  c.setPosition(start);
  c.setPosition(end, QTextCursor::KeepAnchor);
  c.removeSelectedText();
  if (document()->characterCount() - 1 > maxLength_) {
    // The cursor was not at the end of the insertion: cut the tail.
    QTextCursor t(document());
    t.setPosition(maxLength_);
    t.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
    t.removeSelectedText();
  }
  setTextCursor(c);
  trimming_ = false;
}

}  // namespace kethmor::ui
