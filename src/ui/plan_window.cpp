// The level plan window: the plan's text, Copy, Save..., Close, and the
// character shown at the end of a level.
#include "ui/plan_window.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>
#include <vector>

#include "sheet/sheet_file.h"
#include "ui/layout.h"
#include "ui/main_window.h"
#include "ui/print_text.h"

namespace kethmor::ui {

PlanWindow::PlanWindow(MainWindow& main) : PanelWindow(main, session::kPlanTitle) {
  text_ = new QPlainTextEdit(this);
  text_->setObjectName(QStringLiteral("planText"));
  text_->setReadOnly(true);
  text_->setAccessibleName(QString::fromLatin1(session::kPlanTitle));
  text_->setLineWrapMode(QPlainTextEdit::NoWrap);
  text_->setFont(windowFont(Font::R8));  // a box's text, as in the main window's boxes
  text_->installEventFilter(this);
  level_ = new QSpinBox(this);
  level_->setObjectName(QStringLiteral("planLevel"));
  message_ = new QLabel(this);
  message_->setObjectName(QStringLiteral("planMessage"));
  message_->setStyleSheet(QStringLiteral("color: #ff0000"));
  auto* levelLabel = new QLabel(QString::fromLatin1(session::planLabel(session::PlanControl::Level)), this);
  levelLabel->setBuddy(level_);
  // Each button with an Alt key of its own, shown underlined.
  auto button = [this](session::PlanControl id, const char* name, void (PlanWindow::*clicked)()) {
    return PanelWindow::button(session::planLabel(id), name, [this, clicked] { (this->*clicked)(); });
  };
  QPushButton* show = button(session::PlanControl::Show, "planShow", &PlanWindow::showLevel);
  QPushButton* copyButton = button(session::PlanControl::Copy, "planCopy", &PlanWindow::copyShown);
  QPushButton* saveButton = button(session::PlanControl::Save, "planSave", &PlanWindow::save);
  QPushButton* printButton = button(session::PlanControl::Print, "planPrint", &PlanWindow::print);
  QPushButton* close = button(session::PlanControl::Close, "planClose", &PlanWindow::reject);

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
  finish();
}

void PlanWindow::showEvent(QShowEvent* e) {
  text_->setFocus();  // each time the window opens
  QDialog::showEvent(e);
}

void PlanWindow::follow() {
  if (!isVisible()) return;  // worked out again when shown
  const std::string shown = main_.session().planText();
  if (text_->toPlainText().toStdString() != shown) text_->setPlainText(QString::fromStdString(shown));
  level_->setRange(1, main_.session().planLevels());
}

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

void PlanWindow::print() { printPreview(this, QStringLiteral("Kethmor level plan"), wholeText(*text_)); }

void PlanWindow::showLevel() {
  const int level = level_->value();
  main_.act([this, level] { main_.session().showLevel(level); });
}

void PlanWindow::copyShown() { PanelWindow::copyShown(*text_); }

std::function<void()> PlanWindow::command(const QKeyEvent& key) {
  // The main window's keys for the same commands.
  const QKeySequence pressed(key.keyCombination());
  if (main_.keys(Command::CopySheet).contains(pressed)) return [this] { copyShown(); };
  if (main_.keys(Command::Print).contains(pressed)) return [this] { print(); };
  if (key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter)
    if (focusWidget() == level_) return [this] {  // the level typed, then shown
      level_->interpretText();
      showLevel();
    };
  return PanelWindow::command(key);
}

}  // namespace kethmor::ui
