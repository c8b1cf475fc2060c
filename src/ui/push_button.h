#pragma once

#include <QKeyEvent>
#include <QPushButton>

namespace kethmor::ui {

// A push button that Enter and keypad Enter press as Space does.
class PushButton : public QPushButton {
 public:
  using QPushButton::QPushButton;

 protected:
  void keyPressEvent(QKeyEvent* e) override {
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
      if (!e->isAutoRepeat()) click();
      return;
    }
    QPushButton::keyPressEvent(e);
  }
};

}  // namespace kethmor::ui
