#pragma once

#include <QPlainTextEdit>

namespace kethmor::ui {

// A multi-line box that holds at most maxLength characters, typed or
// pasted: what goes past the limit is not taken.
class MultiLineBox : public QPlainTextEdit {
 public:
  explicit MultiLineBox(QWidget* parent);
  void setMaxLength(int n) { maxLength_ = n; }
  int maxLength() const { return maxLength_; }

 private:
  void enforceLimit();
  int maxLength_ = 0;
  bool trimming_ = false;
};

}  // namespace kethmor::ui
