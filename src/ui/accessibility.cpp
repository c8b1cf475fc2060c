#include "ui/accessibility.h"
#include "ui/layout.h"

#include <QApplication>
#include <QFocusFrame>
#include <QPainter>
#include <array>

#include "ui/main_window.h"

namespace kethmor::ui {

namespace {

// A ring drawn around the focused control, over the window's own drawing,
// so that the focus shows on every control in every style. As a focus frame
// it stays out of the accessible tree.
class FocusRing : public QFocusFrame {
 public:
  explicit FocusRing(QWidget* window) : QFocusFrame(window) {
    setObjectName(QStringLiteral("focus_ring"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    hide();
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) { follow(now); });
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.setPen(QPen(QColor(0xFF, 0xFF, 0x00), kWidth));
    p.drawRect(QRectF(rect()).adjusted(kWidth / 2.0, kWidth / 2.0, -kWidth / 2.0, -kWidth / 2.0));
  }

 private:
  static constexpr int kWidth = 2;
  void follow(QWidget* now) {
    if (!now || now->parentWidget() != parentWidget()) return hide();
    setGeometry(now->geometry().adjusted(-kWidth, -kWidth, kWidth, kWidth));
    raise();
    show();
  }
};

}  // namespace

void makeAccessible(MainWindow& window) {
  for (int i = 0; i < kControlCount; ++i) {
    QWidget* w = window.widget(static_cast<Ctl>(i));
    const Placement& at = kLayout[static_cast<std::size_t>(i)];
    w->setAccessibleDescription(QString::fromLatin1(at.tooltip));
    // Buttons take the focus from Tab only: a click leaves it where it was.
    const ControlInfo& ci = kControls[i];
    w->setFocusPolicy(takesFocus(ci, at) ? (ci.kind == Kind::Button ? Qt::TabFocus : Qt::StrongFocus)
                      : readOnlyBox(ci, at) ? Qt::ClickFocus
                                            : Qt::NoFocus);
  }
  new FocusRing(&window);
  QWidget* before = nullptr;
  for (const Reading& r : kReading) {
    QWidget* w = window.widget(r.id);
    w->setAccessibleName(QString::fromLatin1(r.name));
    if (!takesFocus(info(r.id), layout(r.id)) && !readOnlyBox(info(r.id), layout(r.id))) continue;
    if (before) QWidget::setTabOrder(before, w);
    else w->setFocus();  // taken when the window is first shown
    before = w;
  }
}

}  // namespace kethmor::ui
