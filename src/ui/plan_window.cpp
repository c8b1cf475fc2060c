// The level plan window: the plan's text, Copy, Save..., Close, and the
// character shown at the end of a level.
#include "ui/plan_window.h"

#include <QApplication>
#include <QClipboard>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>
#include <vector>

#include "sheet/sheet_file.h"
#include "ui/layout.h"
#include "ui/main_window.h"
#include "ui/print_text.h"

namespace kethmor::ui {

namespace {
#ifdef Q_OS_WIN
constexpr const char* kLineEnd = "\r\n";
#else
constexpr const char* kLineEnd = "\n";
#endif
}  // namespace

PlanWindow::PlanWindow(MainWindow& main) : QDialog(&main), main_(main) {
  setWindowTitle(QStringLiteral("Level plan"));
  setModal(false);
  setFont(main.font());
  text_ = new QPlainTextEdit(this);
  text_->setObjectName(QStringLiteral("planText"));
  text_->setReadOnly(true);
  text_->setAccessibleName(QStringLiteral("Level plan"));
  text_->setLineWrapMode(QPlainTextEdit::NoWrap);
  text_->setFont(windowFont(Font::R8));  // a box's text, as in the main window's boxes
  text_->installEventFilter(this);
  level_ = new QSpinBox(this);
  level_->setObjectName(QStringLiteral("planLevel"));
  message_ = new QLabel(this);
  message_->setObjectName(QStringLiteral("planMessage"));
  message_->setStyleSheet(QStringLiteral("color: #ff0000"));
  auto* levelLabel = new QLabel(QStringLiteral("&Level:"), this);
  levelLabel->setBuddy(level_);
  // Each button with an Alt key of its own, shown underlined.
  auto button = [this](const char* caption, const char* name, void (PlanWindow::*clicked)()) {
    auto* b = new QPushButton(QString::fromLatin1(caption), this);
    b->setObjectName(QLatin1String(name));
    b->setAutoDefault(false);
    connect(b, &QPushButton::clicked, this, clicked);
    return b;
  };
  QPushButton* show = button("S&how this level", "planShow", &PlanWindow::showLevel);
  QPushButton* copyButton = button("&Copy", "planCopy", &PlanWindow::copyShown);
  QPushButton* saveButton = button("&Save...", "planSave", &PlanWindow::save);
  QPushButton* printButton = button("&Print...", "planPrint", &PlanWindow::print);
  QPushButton* close = button("Cl&ose", "planClose", &PlanWindow::reject);

  auto* levelRow = new QHBoxLayout;
  levelRow->addWidget(levelLabel);
  levelRow->addWidget(level_);
  levelRow->addWidget(show);
  levelRow->addStretch();
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(copyButton);
  buttons->addWidget(saveButton);
  buttons->addWidget(printButton);
  buttons->addStretch();
  buttons->addWidget(close);
  auto* all = new QVBoxLayout(this);
  all->addWidget(text_);
  all->addLayout(levelRow);
  all->addWidget(message_);
  all->addLayout(buttons);
  resize(380, 440);

  // The window's keys reach it from every control: the level box would take
  // Ctrl+Z and Ctrl+C for its own, a button none.
  for (QWidget* child : findChildren<QWidget*>()) child->installEventFilter(this);
  connect(&main, &MainWindow::sheetChanged, this, &PlanWindow::follow);
}

void PlanWindow::showEvent(QShowEvent* e) {
  text_->setFocus();  // each time the window opens
  QDialog::showEvent(e);
}

QString PlanWindow::text() const { return text_->toPlainText().replace(QLatin1Char('\n'), QLatin1String(kLineEnd)); }

void PlanWindow::follow() {
  if (!isVisible()) return;  // worked out again when shown
  const std::string shown = main_.session().planText();
  if (text_->toPlainText().toStdString() != shown) text_->setPlainText(QString::fromStdString(shown));
  level_->setRange(1, main_.session().planLevels());
}

void PlanWindow::copy() const { QApplication::clipboard()->setText(text()); }

void PlanWindow::save() {
  const std::string name = dialog_ ? dialog_()
                                   : askFile(*this, QStringLiteral("Save level plan"),
                                             main_.proposedSavePath(MainWindow::Saved::Plan), true);
  if (name.empty()) return;
  const std::string reason = sheet::saveBytes(name, main_.session().planBytes());
  const session::Said said = reason.empty() ? session::Said{} : session::failure("save", sheet::shownName(name), reason);
  message_->setText(QString::fromStdString(said.shown));
  message_->setToolTip(QString::fromStdString(said.full));
  message_->setAccessibleDescription(QString::fromStdString(said.full));
}

void PlanWindow::print() { printPreview(this, QStringLiteral("Kethmor level plan"), text()); }

void PlanWindow::showLevel() {
  const int level = level_->value();
  main_.act([this, level] { main_.session().showLevel(level); });
}

void PlanWindow::copyShown() {
  if (text_->textCursor().hasSelection()) text_->copy();
  else copy();
}

std::function<void()> PlanWindow::command(const QKeyEvent& key) {
  // The main window's keys for the same commands.
  const QKeySequence pressed(key.keyCombination());
  if (main_.keys(Command::CopySheet).contains(pressed)) return [this] { copyShown(); };
  if (main_.keys(Command::Undo).contains(pressed)) return [this] { main_.undo(); };
  if (main_.keys(Command::Redo).contains(pressed)) return [this] { main_.redo(); };
  if (main_.keys(Command::Print).contains(pressed)) return [this] { print(); };
  if (key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter)
    if (focusWidget() == level_) return [this] {  // the level typed, then shown
      level_->interpretText();
      showLevel();
    };
  return {};
}

bool PlanWindow::eventFilter(QObject* watched, QEvent* e) {
  // A key of the window's is kept from the control with the focus (and from
  // the shortcuts), then taken here.
  const bool override = e->type() == QEvent::ShortcutOverride;
  if (!override && e->type() != QEvent::KeyPress) return QDialog::eventFilter(watched, e);
  const std::function<void()> run = command(*static_cast<QKeyEvent*>(e));
  if (!run) return QDialog::eventFilter(watched, e);
  if (!override) run();
  e->accept();
  return true;
}

namespace {

// Where the plan window opens (its frame's top left), and its size: beside
// the main window where the screen has room, on the right or else on the
// left; else below or above it, or beside it narrower, where a smaller plan
// (its buttons whole, eight lines of text) has room; otherwise inside the
// screen where it covers the least of the lists, buttons and number boxes
// that a player reads and clicks with it, the lower right first.
constexpr int kLeastHeight = 200;
QPoint placeBeside(const MainWindow& main, PlanWindow& plan) {
  const QWidget& top = *main.window();
  const QRect frame = top.frameGeometry();
  QScreen* screen = top.screen();
  if (!screen) return frame.topRight() + QPoint(8, 0);
  const QRect room = screen->availableGeometry();
  const QSize border = frame.size() - top.size();  // the desktop's frame, as around the main window
  const QSize full = plan.size().boundedTo(room.size() - border) + border;
  const QSize least = QSize(plan.minimumSizeHint().width(), kLeastHeight).boundedTo(full - border) + border;
  const int right = room.right() - frame.right() - 8, left = frame.left() - 8 - room.left();
  const int below = room.bottom() - frame.bottom() - 8, above = frame.top() - 8 - room.top();
  const int y = std::clamp(frame.top(), room.top(), room.bottom() + 1 - full.height());
  const int x = std::clamp(frame.right() + 1 - full.width(), room.left(), room.right() + 1 - full.width());
  const struct { bool fits; QRect at; } sides[] = {
      {right >= full.width(), QRect(frame.right() + 8, y, full.width(), full.height())},
      {left >= full.width(), QRect(frame.left() - 8 - full.width(), y, full.width(), full.height())},
      {below >= least.height(), QRect(x, frame.bottom() + 8, full.width(), std::min(below, full.height()))},
      {above >= least.height(), QRect(x, frame.top() - 8 - std::min(above, full.height()), full.width(),
                                      std::min(above, full.height()))},
      {right >= least.width(), QRect(frame.right() + 8, y, right, full.height())},
      {left >= least.width(), QRect(room.left(), y, left, full.height())}};
  for (const auto& side : sides) {
    if (!side.fits) continue;
    plan.resize(side.at.size() - border);
    return side.at.topLeft();
  }
  std::vector<QRect> used;
  for (int i = 0; i < kControlCount; ++i) {
    const Ctl id = static_cast<Ctl>(i);
    const unsigned flags = layout(id).flags;
    const bool numbers = kControls[i].kind == Kind::TextBox && (flags & READONLY) && !(flags & MULTILINE) &&
                         id != Ctl::message_window;
    if (numbers || kControls[i].kind == Kind::ListBox || kControls[i].kind == Kind::Button)
      used.emplace_back(main.widget(id)->mapToGlobal(QPoint(0, 0)), main.widget(id)->size());
  }
  long long fewest = -1;
  QRect best;
  for (const QSize size : {full, least}) {  // the smaller plan where it covers less
    for (int atY = room.bottom() + 1 - size.height(); atY >= room.top(); atY -= 8) {
      for (int atX = room.right() + 1 - size.width(); atX >= room.left(); atX -= 8) {
        const QRect at(QPoint(atX, atY), size);
        long long covered = 0;
        for (const QRect& r : used) covered += static_cast<long long>((r & at).width()) * (r & at).height();
        if (fewest < 0 || covered < fewest) fewest = covered, best = at;
      }
    }
  }
  plan.resize(best.size() - border);
  return best.topLeft();
}

}  // namespace

PlanWindow* showPlanWindow(MainWindow& main) {
  auto* plan = main.findChild<PlanWindow*>();
  if (!plan) {  // where the player leaves it, it opens again
    plan = new PlanWindow(main);
    plan->move(placeBeside(main, *plan));
  }
  plan->show();
  plan->follow();
  plan->raise();
  plan->activateWindow();
  return plan;
}

}  // namespace kethmor::ui
