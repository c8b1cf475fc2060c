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

#include "ui/main_window.h"
#include "ui/goal_window.h"
#include "ui/plan_window.h"
#include "ui/print_text.h"

namespace kethmor::ui {

namespace {

// The sheet as the clipboard and the printer take it: UTF-8 with the
// platform's line ends.
QString sheetText(const session::Session& s) {
  QString text = QString::fromStdString(s.sheetText());
#ifdef Q_OS_WIN
  text.replace(QLatin1String("\n"), QLatin1String("\r\n"));
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
  act([&] { session_.openText(text, verb); });
}

void MainWindow::installCommands() {
  // What each command of the table does here.
  const auto what = [this](Command c) -> std::function<void()> {
    switch (c) {
      case Command::Open: return [this] {
        const std::string name = askOpenName();
        if (!name.empty()) openFile(name);
      };
      case Command::OpenLastSession: return [this] { openKept(session::kLastSession); };
      case Command::OpenPreviousSession: return [this] { openKept(session::kPreviousSession); };
      case Command::Save: return [this] { static_cast<QAbstractButton*>(widget(Ctl::SAVE))->click(); };
      case Command::CopySheet: return [this] { QGuiApplication::clipboard()->setText(sheetText(session_)); };
      case Command::CopyBuildCode:
      case Command::CopyLink:
        return [this] { QGuiApplication::clipboard()->setText(QString::fromStdString(session_.buildCode())); };
      // Read as a file is: UTF-8 and any line ends are read leniently; or the build code it holds.
      case Command::PasteSheet:
        return [this] { openText(QGuiApplication::clipboard()->text().toStdString(), "paste"); };
      case Command::Print:
        return [this] { printPreview(this, QStringLiteral("Kethmor character sheet"), sheetText(session_)); };
      case Command::LevelPlan: return [this] { showPanel<PlanWindow>(*this); };
      case Command::Goal: return [this] { showPanel<GoalWindow>(*this); };
      case Command::Undo: return [this] { undo(); };
      case Command::Redo: return [this] { redo(); };
      case Command::Share: break;  // the browser's alone
      case Command::About: return [this] {
        auto* box = new QMessageBox(QMessageBox::NoIcon, QString::fromLatin1(session::kAboutTitle),
                                    QString::fromStdString(session::aboutText()), QMessageBox::Ok, this);
        box->setTextFormat(Qt::PlainText);
        box->setIconPixmap(QApplication::windowIcon().pixmap(48));
        box->setAttribute(Qt::WA_DeleteOnClose);
        box->open();
      };
    }
    return {};
  };
  for (const session::CommandRow& row : session::commandsOf(session::Face::Desktop)) {
    auto* action = new QAction(QString::fromUtf8(row.label), this);
    action->setShortcuts(QKeySequence::listFromString(QString::fromLatin1(row.keys), QKeySequence::PortableText));
    connect(action, &QAction::triggered, this, what(row.id));
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
    undoAction->setEnabled(session_.enabled(Command::Undo));
    redoAction->setEnabled(session_.enabled(Command::Redo));
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
