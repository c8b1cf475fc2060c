#include "ui/text_boxes.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QTextCursor>
#include <QValidator>
#include <algorithm>
#include <climits>

namespace kethmor::ui {

MultiLineBox::MultiLineBox(QWidget* parent) : QPlainTextEdit(parent) {
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setLineWrapMode(QPlainTextEdit::WidgetWidth);
  setTabChangesFocus(true);  // Tab leaves the box, as it leaves every other control
  connect(this, &QPlainTextEdit::textChanged, this, [this] { enforceLimit(); });
}

int MultiLineBox::room() const {
  if (maxLength_ <= 0) return INT_MAX;
  const QTextCursor c = textCursor();
  return maxLength_ - (document()->characterCount() - 1) + (c.selectionEnd() - c.selectionStart());
}

void MultiLineBox::keyPressEvent(QKeyEvent* e) {
  if (isReadOnly()) return QPlainTextEdit::keyPressEvent(e);
  const bool ctrlTab = e->key() == Qt::Key_Tab && e->modifiers() == Qt::ControlModifier;
  const bool newLine = e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter;
  const bool character = !e->text().isEmpty() && e->text().front().isPrint();
  if ((ctrlTab || newLine || character) && room() < std::max<qsizetype>(1, e->text().size())) return;
  if (e->text().size() > 1 && e->text().contains(QChar(0))) {  // a NUL alone is never taken
    insertPlainText(QString(e->text()).remove(QChar(0)));
    return;
  }
  if (ctrlTab) {
    insertPlainText(QStringLiteral("\t"));
    return;
  }
  QPlainTextEdit::keyPressEvent(e);
}

void MultiLineBox::insertFromMimeData(const QMimeData* source) {
  if (!source->hasText()) return QPlainTextEdit::insertFromMimeData(source);
  QMimeData cut;
  cut.setText(source->text().remove(QChar(0)).left(std::max(0, room())));
  QPlainTextEdit::insertFromMimeData(&cut);
}

void MultiLineBox::inputMethodEvent(QInputMethodEvent* e) {
  if (!e->commitString().contains(QChar(0))) return QPlainTextEdit::inputMethodEvent(e);
  QInputMethodEvent clean(e->preeditString(), e->attributes());
  clean.setCommitString(QString(e->commitString()).remove(QChar(0)), e->replacementStart(), e->replacementLength());
  QPlainTextEdit::inputMethodEvent(&clean);
}

bool MultiLineBox::canInsertFromMimeData(const QMimeData* source) const {
  return !source->hasUrls() && QPlainTextEdit::canInsertFromMimeData(source);
}

// What still gets past the checks above (an input method's text, the
// program's own inserts) is cut back here.
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

namespace {
// Turns every line break (CR LF counted once) into a blank.
class OneLine : public QValidator {
 public:
  using QValidator::QValidator;
  State validate(QString& text, int& pos) const override {
    QString out;
    out.reserve(text.size());
    int cursor = pos;
    for (qsizetype i = 0; i < text.size(); ++i) {
      const char16_t c = text[i].unicode();
      if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') {
        if (i < pos) --cursor;
        continue;
      }
      const bool lineBreak = c == u'\r' || c == u'\n' || c == 0x85 || c == 0x2028 || c == 0x2029;
      if (c == 0) {
        if (i < pos) --cursor;
        continue;
      }
      out += lineBreak ? QChar(u' ') : text[i];
    }
    text = out;
    pos = cursor;
    return Acceptable;
  }
};
}  // namespace

LineBox::LineBox(QWidget* parent) : QLineEdit(parent) { setValidator(new OneLine(this)); }

void LineBox::dragEnterEvent(QDragEnterEvent* e) {
  if (e->mimeData()->hasUrls()) return e->ignore();  // the window opens it
  QLineEdit::dragEnterEvent(e);
}

}  // namespace kethmor::ui
