#include "ui/accessibility.h"
#include "ui/layout.h"

#include <QApplication>
#include <QFocusFrame>
#include <QPainter>
#include <algorithm>
#include <array>
#include <cstring>
#include <tuple>

#include "ui/main_window.h"

namespace kethmor::ui {

namespace {

// Names the captions cannot give: boxes with no label of their own, and
// captions too terse to be heard.
struct NameOverride {
  Ctl id;
  const char* name;
};
constexpr NameOverride kOverrides[] = {
    {Ctl::CPs_remaining, "Character points remaining"},
    {Ctl::Damagebonus, "Damage bonus"},
    {Ctl::ACadj, "Armour class adjustment"},
    {Ctl::hitpoints, "Hit points"},
    {Ctl::Hitpoints_minus, "Hit points minus"},
    {Ctl::Hitpoints_plus, "Hit points plus"},
    {Ctl::background_explanations, "Description"},
    {Ctl::message_window, "Messages"},
    {Ctl::Magick_list, "Magick colleges"},
    {Ctl::Tech_list, "Tech disciplines"},
    {Ctl::Schematic_list, "Schematics"},
    {Ctl::dummy, "Unused"},
};

bool is(const ControlInfo& ci, Kind kind, const char* text = nullptr) {
  return ci.kind == kind && (!text || std::strcmp(ci.text, text) == 0);
}

// A caption as it is heard: no colon at the end, no quotation marks.
QString spoken(const char* caption) {
  QString s = QString::fromLatin1(caption);
  s.remove(QLatin1Char('"'));
  if (s.endsWith(QLatin1Char(':'))) s.chop(1);
  return s.trimmed();
}

// Where a control sits in reading order; its row when it belongs to a
// statistic or skill row.
struct Place {
  QString name;
  int row = -1;  // top of its statistic or skill row, -1 outside the grid
  int rowLeft = 0;
};

// Walks the layout table: a statistic row is a caption, base box, "+", "-"
// and adjusted box; a skill row (and hit points, fatigue) a caption, "-",
// box and "+"; any other box or list takes the caption just before it.
std::array<Place, kControlCount> derivePlaces() {
  std::array<Place, kControlCount> p{};
  auto at = [](int i) -> const ControlInfo& { return kControls[std::min(i, kControlCount - 1)]; };
  auto here = [](int i) -> const Placement& { return kLayout[static_cast<std::size_t>(i)]; };
  for (int i = 0; i < kControlCount; ++i) {
    const ControlInfo& ci = kControls[i];
    if (!is(ci, Kind::Label)) {
      if (is(ci, Kind::Button) && p[i].name.isEmpty()) p[i].name = spoken(ci.text);  // a button says its caption
      continue;
    }
    if (i + 4 < kControlCount && is(at(i + 1), Kind::TextBox) && is(at(i + 2), Kind::Button, "+") &&
        is(at(i + 3), Kind::Button, "-") && is(at(i + 4), Kind::TextBox)) {
      const QString stat = QString::fromLatin1(at(i + 1).name);
      const char* suffix[] = {", base", " plus", " minus", ", adjusted"};
      for (int k = 0; k < 4; ++k) p[i + 1 + k] = {stat + QLatin1String(suffix[k]), here(i).top, here(i).left};
    } else if (i + 3 < kControlCount && is(at(i + 1), Kind::Button, "-") && is(at(i + 2), Kind::TextBox) &&
               is(at(i + 3), Kind::Button, "+")) {
      const QString skill = spoken(ci.text);
      // Hit points and fatigue stand above the skills, apart from the grid.
      const int row = here(i + 1).top > layout(Ctl::Label24).top ? here(i + 1).top : -1;
      p[i + 1] = {skill + QLatin1String(" minus"), row, here(i).left};
      p[i + 2] = {skill, row, here(i).left};
      p[i + 3] = {skill + QLatin1String(" plus"), row, here(i).left};
    } else if (i + 1 < kControlCount && (is(at(i + 1), Kind::TextBox) || is(at(i + 1), Kind::ListBox))) {
      p[i + 1].name = spoken(ci.text);
    }
  }
  for (const NameOverride& o : kOverrides) p[static_cast<int>(o.id)].name = QString::fromLatin1(o.name);
  return p;
}

const std::array<Place, kControlCount>& places() {
  static const std::array<Place, kControlCount> p = derivePlaces();
  return p;
}

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

QString accessibleName(Ctl id) {
  return is(info(id), Kind::Label) ? QString() : places()[static_cast<int>(id)].name;
}

const std::vector<Ctl>& tabOrder() {
  static const std::vector<Ctl> order = [] {
    // The left column is left of the purchased list; the commands stand
    // below the last skill row.
    const int middle = layout(Ctl::purchased).left;
    const int commands = layout(Ctl::ADTraps_plus).top;
    std::vector<std::tuple<int, int, int, int>> keyed;
    for (int i = 0; i < kControlCount; ++i) {
      const ControlInfo& ci = kControls[i];
      const Placement& at = kLayout[static_cast<std::size_t>(i)];
      if (!takesFocus(ci, at) && !readOnlyBox(ci, at)) continue;
      const Place& p = places()[i];
      if (p.row >= 0) keyed.emplace_back(2, p.row, p.rowLeft, i);
      else keyed.emplace_back(at.left < middle ? 0 : at.top <= commands ? 1 : 3, at.top, at.left, i);
    }
    std::sort(keyed.begin(), keyed.end());
    std::vector<Ctl> out;
    for (const auto& k : keyed) out.push_back(static_cast<Ctl>(std::get<3>(k)));
    return out;
  }();
  return order;
}

void makeAccessible(MainWindow& window) {
  for (int i = 0; i < kControlCount; ++i) {
    const Ctl id = static_cast<Ctl>(i);
    QWidget* w = window.widget(id);
    w->setAccessibleName(accessibleName(id));
    const Placement& at = kLayout[static_cast<std::size_t>(i)];
    w->setAccessibleDescription(QString::fromLatin1(at.tooltip));
    // Buttons take the focus from Tab only: a click leaves it where it was.
    const ControlInfo& ci = kControls[i];
    w->setFocusPolicy(takesFocus(ci, at) ? (ci.kind == Kind::Button ? Qt::TabFocus : Qt::StrongFocus)
                      : readOnlyBox(ci, at) ? Qt::ClickFocus
                                            : Qt::NoFocus);
  }
  const std::vector<Ctl>& order = tabOrder();
  for (std::size_t k = 1; k < order.size(); ++k)
    QWidget::setTabOrder(window.widget(order[k - 1]), window.widget(order[k]));
  new FocusRing(&window);
  window.widget(order.front())->setFocus();  // taken when the window is first shown
}

}  // namespace kethmor::ui
