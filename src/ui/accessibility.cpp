#include "ui/accessibility.h"
#include "ui/layout.h"

#include <QApplication>
#include <QFocusFrame>
#include <QPainter>
#include <array>

#include "ui/main_window.h"

namespace kethmor::ui {

namespace {

struct Reading {
  Ctl id;
  const char* name;
};
// The table of ui/reading_order.def, in its order.
constexpr Reading kReading[] = {
#define READ(id, name) {Ctl::id, name},
#include "ui/reading_order.def"
#undef READ
};

// Every control but the labels is read, once.
static_assert([] {
  std::array<int, kControlCount> listed{};
  for (const Reading& r : kReading) ++listed[static_cast<std::size_t>(r.id)];
  for (int i = 0; i < kControlCount; ++i)
    if (listed[static_cast<std::size_t>(i)] != (kKinds[i] == Kind::Label ? 0 : 1)) return false;
  return true;
}(), "ui/reading_order.def must list every control but the labels, once");

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

bool takesFocus(const ControlInfo& ci, const Placement& at) {
  if (ci.flags & HIDDEN) return false;
  if (ci.kind == Kind::TextBox) return !(at.flags & READONLY);
  return ci.kind == Kind::Button || ci.kind == Kind::ListBox;
}

// A box only the program writes: a click focuses it, so that its text can be
// copied, and Tab goes on from it in reading order.
bool readOnlyBox(const ControlInfo& ci, const Placement& at) {
  return ci.kind == Kind::TextBox && (at.flags & READONLY) && !(ci.flags & HIDDEN);
}

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
