// What the windows beside the main window share: their keys, their buttons,
// their place.
#include "ui/panel_window.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>

#include "ui/layout.h"
#include "ui/main_window.h"
#include "window/plan_place.h"

namespace kethmor::ui {

PanelWindow::PanelWindow(MainWindow& main, const char* title) : QDialog(&main), main_(main) {
  setWindowTitle(QString::fromLatin1(title));
  setModal(false);
  setFont(main.font());
}

QPushButton* PanelWindow::button(const char* label, const char* name, const std::function<void()>& clicked) {
  auto* b = new QPushButton(QString::fromLatin1(label), this);
  b->setObjectName(QLatin1String(name));
  b->setAutoDefault(false);
  connect(b, &QPushButton::clicked, this, clicked);
  return b;
}

void PanelWindow::finish() {
  resize(kPlanWidth, kPlanHeight);
  // The window's keys reach it from every control: a spin box would take
  // Ctrl+Z and Ctrl+C for its own, a button none.
  for (QWidget* child : findChildren<QWidget*>()) child->installEventFilter(this);
  connect(&main_, &MainWindow::sheetChanged, this, [this] { follow(); });
}

std::function<void()> PanelWindow::command(const QKeyEvent& key) {
  const QKeySequence pressed(key.keyCombination());
  if (main_.keys(Command::Undo).contains(pressed)) return [this] { main_.undo(); };
  if (main_.keys(Command::Redo).contains(pressed)) return [this] { main_.redo(); };
  return {};
}

QString PanelWindow::wholeText(const QPlainTextEdit& text) {
#ifdef Q_OS_WIN
  return text.toPlainText().replace(QLatin1Char('\n'), QLatin1String("\r\n"));
#else
  return text.toPlainText();
#endif
}

void PanelWindow::copyShown(QPlainTextEdit& text) {
  if (text.textCursor().hasSelection()) text.copy();
  else QApplication::clipboard()->setText(wholeText(text));
}

bool PanelWindow::eventFilter(QObject* watched, QEvent* e) {
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

QPoint placeBeside(const MainWindow& main, QDialog& panel) {
  const QWidget& top = *main.window();
  const QRect frame = top.frameGeometry();
  QScreen* screen = top.screen();
  if (!screen) return frame.topRight() + QPoint(8, 0);
  const QRect room = screen->availableGeometry();
  const QSize border = frame.size() - top.size();  // the desktop's frame, as around the main window
  const QPoint client = main.mapToGlobal(QPoint(0, 0));
  QRect other;  // the other panel, where one is open
  for (const PanelWindow* open : main.findChildren<PanelWindow*>())
    if (open != &panel && open->isVisible()) other = open->frameGeometry();
  const Box at = placePlan({{room.x(), room.y(), room.width(), room.height()},
                            {frame.x(), frame.y(), frame.width(), frame.height()}, client.x(), client.y(),
                            border.width(), border.height(), panel.width(), panel.height(),
                            panel.minimumSizeHint().width(), std::max(kPlanLeastHeight, panel.minimumSizeHint().height()),
                            {other.x(), other.y(), other.width(), other.height()}});
  panel.resize(at.width - border.width(), at.height - border.height());
  return {at.x, at.y};
}

}  // namespace kethmor::ui
