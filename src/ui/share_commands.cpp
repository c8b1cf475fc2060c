// The window's commands: one table gives each its menu entry and its keys.
// A right click on the window, Shift+F10 and the Menu key list them all;
// copying, pasting and printing the whole sheet; the build code; About.
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QShortcut>
#include <algorithm>
#include <functional>

#include "sheet/build_code.h"
#include "sheet/sheet.h"
#include "sheet/sheet_reader.h"
#include "session/about.h"
#include "ui/main_window.h"
#include "ui/plan_window.h"
#include "ui/print_text.h"
#include "window/version.h"

namespace kethmor::ui {

namespace {

// The sheet as the clipboard and the printer take it: UTF-8 with the
// platform's line ends.
QString sheetText(const Form1State& form) {
  QString text = QString::fromStdString(sheet::fromCodePage(sheet::sheetBytes(form)));
#ifndef Q_OS_WIN
  text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
#endif
  return text;
}

// A text box takes the copy key only while it has text selected; otherwise
// the key copies the whole sheet.
class CopyKeyFilter : public QObject {
 public:
  CopyKeyFilter(QObject* parent, const QAction* copy) : QObject(parent), copy_(copy) {}
  bool eventFilter(QObject* watched, QEvent* e) override {
    if (e->type() != QEvent::ShortcutOverride ||
        !copy_->shortcuts().contains(QKeySequence(static_cast<QKeyEvent*>(e)->keyCombination())))
      return false;
    if (auto* line = qobject_cast<QLineEdit*>(watched)) return !line->hasSelectedText();
    auto* box = qobject_cast<QPlainTextEdit*>(watched);
    return box && !box->textCursor().hasSelection();
  }

 private:
  const QAction* copy_;
};


}  // namespace

QList<QKeySequence> MainWindow::keys(Command c) const { return command(c)->shortcuts(); }

void MainWindow::openText(const std::string& text, const char* verb) {
  run([&] {
    const std::string reason = text.empty() ? "no text" : sheet::openPasted(form_, text);
    if (!reason.empty()) form_.message_window.text = failureMessage(verb, {}, reason);
  });
}

void MainWindow::installCommands() {
  using Keys = QList<QKeySequence>;
  const struct Row {
    Command id;
    const char* text;
    Keys keys;
    std::function<void()> run;
    bool endsGroup = false;  // a separator after it in the menu
  } rows[] = {
      {Command::Open, "Open\u2026", {Qt::CTRL | Qt::Key_O}, [this] {
         const std::string name = askOpenName();
         if (!name.empty()) openFile(name);
       }},
      {Command::OpenLastSession, "Open last session", {Qt::CTRL | Qt::SHIFT | Qt::Key_O},
       [this] { openFile(lastSessionPath().toStdString()); }},
      {Command::Save, "Save\u2026", {Qt::CTRL | Qt::Key_S},
       [this] { static_cast<QAbstractButton*>(widget(Ctl::SAVE))->click(); }, true},
      {Command::CopySheet, "Copy sheet", {Qt::CTRL | Qt::Key_C},
       [this] { QGuiApplication::clipboard()->setText(sheetText(form_)); }},
      {Command::CopyBuildCode, "Copy build code", {Qt::CTRL | Qt::SHIFT | Qt::Key_C},
       [this] { QGuiApplication::clipboard()->setText(QString::fromStdString(sheet::buildCode(form_))); }},
      // Read as a file is: UTF-8 and any line ends are read leniently; or the build code it holds.
      {Command::PasteSheet, "Paste sheet", {Qt::CTRL | Qt::Key_V},
       [this] { openText(QGuiApplication::clipboard()->text().toStdString(), "paste"); }},
      {Command::Print, "Print\u2026", {Qt::CTRL | Qt::Key_P},
       [this] { printPreview(this, QStringLiteral("Kethmor character sheet"), sheetText(form_)); }},
      {Command::LevelPlan, "Level plan", {Qt::CTRL | Qt::Key_L}, [this] { showPlanWindow(*this); }, true},
      {Command::Undo, "Undo", {Qt::CTRL | Qt::Key_Z}, [this] { undo(); }},
      {Command::Redo, "Redo", {Qt::CTRL | Qt::Key_Y, Qt::CTRL | Qt::SHIFT | Qt::Key_Z}, [this] { redo(); }, true},
      {Command::About, "About", {}, [this] {
         auto* box = new QMessageBox(QMessageBox::NoIcon, QStringLiteral("About Kethmor Character Planner"),
                                     QString::fromUtf8(kAbout).arg(QLatin1String(KETHMOR_VERSION)),
                                     QMessageBox::Ok, this);
         box->setTextFormat(Qt::PlainText);
         box->setIconPixmap(QApplication::windowIcon().pixmap(48));
         box->setAttribute(Qt::WA_DeleteOnClose);
         box->open();
       }},
  };
  static_assert(std::size(rows) == kCommandCount, "every command has its row");
  for (const Row& row : rows) {
    auto* action = new QAction(QString::fromUtf8(row.text), this);
    action->setShortcuts(row.keys);
    connect(action, &QAction::triggered, this, row.run);
    addAction(action);
    commands_[static_cast<std::size_t>(row.id)] = action;
    if (!row.endsGroup) continue;
    auto* separator = new QAction(this);
    separator->setSeparator(true);
    addAction(separator);
  }
  QAction* const undoAction = command(Command::Undo);
  QAction* const redoAction = command(Command::Redo);
  QWidget* const ownMenus[] = {widget(Ctl::PCname), widget(Ctl::alternativebackground)};
  auto* copyKey = new CopyKeyFilter(this, command(Command::CopySheet));
  for (QWidget* child : findChildren<QWidget*>()) {
    if (qobject_cast<QLineEdit*>(child) || qobject_cast<QPlainTextEdit*>(child)) child->installEventFilter(copyKey);
    // The two boxes typed in keep their own menus; everything else shows the window's.
    if (std::none_of(std::begin(ownMenus), std::end(ownMenus),
                     [child](QWidget* box) { return box == child || box->isAncestorOf(child); }))
      child->setContextMenuPolicy(Qt::NoContextMenu);
  }

  // The menu is made the first time it is asked for. Undo and Redo show
  // whether there is a step to take back or do again; their keys stay on,
  // as they also serve the typing in the two boxes.
  setContextMenuPolicy(Qt::CustomContextMenu);
  connect(this, &QWidget::customContextMenuRequested, this, [this, undoAction, redoAction](const QPoint& at) {
    auto* menu = findChild<QMenu*>(QStringLiteral("commands"), Qt::FindDirectChildrenOnly);
    if (!menu) {
      menu = new QMenu(this);
      menu->setObjectName(QStringLiteral("commands"));
      menu->addActions(actions());
      connect(menu, &QMenu::aboutToHide, this, [undoAction, redoAction] {
        undoAction->setEnabled(true);
        redoAction->setEnabled(true);
      });
    }
    undoAction->setEnabled(history_.canUndo());
    redoAction->setEnabled(history_.canRedo());
    menu->popup(mapToGlobal(at));
  });
  // From the keyboard the control with the focus is asked for its menu, as
  // a right click on it would. Some desktops already turn the Menu key into
  // that request: then the menu is open before the key arrives here.
  for (const QKeySequence& keys : {QKeySequence(Qt::SHIFT | Qt::Key_F10), QKeySequence(Qt::Key_Menu)}) {
    auto* menuKey = new QShortcut(keys, this);
    connect(menuKey, &QShortcut::activated, this, [this] {
      if (QApplication::activePopupWidget()) return;
      QWidget* target = QApplication::focusWidget();
      if (!target || target->window() != this) target = this;
      const QRect cursor = target->inputMethodQuery(Qt::ImCursorRectangle).toRect();
      const QPoint at = cursor.isValid() ? cursor.center() : target->rect().center();
      QContextMenuEvent event(QContextMenuEvent::Keyboard, at, target->mapToGlobal(at));
      QApplication::sendEvent(target, &event);
    });
  }
}

}  // namespace kethmor::ui
