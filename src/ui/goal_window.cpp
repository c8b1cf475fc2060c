// The goal window: the targets edited, the answer shown as it follows them,
// Apply, Copy, Close.
#include "ui/goal_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

#include "ui/main_window.h"

namespace kethmor::ui {

using session::GoalControl;

GoalWindow::GoalWindow(MainWindow& main) : PanelWindow(main, session::kGoalTitle) {
  const auto label = [this](GoalControl id, QWidget* buddy) {
    auto* l = new QLabel(QString::fromLatin1(session::goalLabel(id)), this);
    l->setBuddy(buddy);
    return l;
  };
  const auto button = [this](GoalControl id, const char* name, const std::function<void()>& clicked) {
    return PanelWindow::button(session::goalLabel(id), name, clicked);
  };
  pick_ = new QComboBox(this);
  pick_->setObjectName(QStringLiteral("goalPick"));
  for (const session::GoalChoice& c : session::goalChoices()) pick_->addItem(QString::fromStdString(c.name));
  QPushButton* add = button(GoalControl::Add, "goalAdd", [this] {
    edit([this] { panel_.add(pick_->currentIndex(), main_.session().form()); });
  });
  targets_ = new QListWidget(this);
  targets_->setObjectName(QStringLiteral("goalTargets"));
  targets_->setFont(windowFont(Font::R8));
  connect(targets_, &QListWidget::currentRowChanged, this, [this](int row) { edit([this, row] { panel_.select(row); }); });
  value_ = new QSpinBox(this);
  value_->setObjectName(QStringLiteral("goalValue"));
  value_->setRange(0, session::kGoalMostValue);
  connect(value_, &QSpinBox::valueChanged, this, [this](int v) { edit([this, v] { panel_.setValue(v); }); });
  remove_ = button(GoalControl::Remove, "goalRemove", [this] { edit([this] { panel_.remove(); }); });
  byLevel_ = new QSpinBox(this);
  byLevel_->setObjectName(QStringLiteral("goalByLevel"));
  byLevel_->setRange(1, kLevelCap);
  connect(byLevel_, &QSpinBox::valueChanged, this, [this](int v) { edit([this, v] { panel_.setByLevel(v); }); });
  allPairs_ = new QCheckBox(QString::fromLatin1(session::goalLabel(GoalControl::AllPairs)), this);
  allPairs_->setObjectName(QStringLiteral("goalAllPairs"));
  connect(allPairs_, &QCheckBox::toggled, this, [this](bool on) { edit([this, on] { panel_.setAllPairs(on); }); });
  text_ = new QPlainTextEdit(this);
  text_->setObjectName(QStringLiteral("goalText"));
  text_->setReadOnly(true);
  text_->setAccessibleName(QString::fromLatin1(session::kGoalTitle));
  text_->setFont(windowFont(Font::R8));  // a box's text, as in the main window's boxes
  apply_ = button(GoalControl::Apply, "goalApply", [this] { main_.act([this] { panel_.apply(main_.session()); }); });
  QPushButton* copyButton = button(GoalControl::Copy, "goalCopy", [this] { copy(); });
  QPushButton* close = button(GoalControl::Close, "goalClose", [this] { reject(); });

  auto* pickRow = new QHBoxLayout;
  pickRow->addWidget(label(GoalControl::Pick, pick_));
  pickRow->addWidget(pick_, 1);
  pickRow->addWidget(add);
  auto* valueColumn = new QVBoxLayout;
  auto* valueRow = new QHBoxLayout;
  valueRow->addWidget(label(GoalControl::Value, value_));
  valueRow->addWidget(value_);
  valueColumn->addLayout(valueRow);
  valueColumn->addWidget(remove_, 0, Qt::AlignLeft);
  valueColumn->addStretch();
  auto* targetRow = new QHBoxLayout;
  targetRow->addWidget(targets_, 1);
  targetRow->addLayout(valueColumn);
  auto* levelRow = new QHBoxLayout;
  levelRow->addWidget(label(GoalControl::ByLevel, byLevel_));
  levelRow->addWidget(byLevel_);
  levelRow->addSpacing(12);
  levelRow->addWidget(allPairs_);
  levelRow->addStretch();
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(apply_);
  buttons->addWidget(copyButton);
  buttons->addStretch();
  buttons->addWidget(close);
  auto* all = new QVBoxLayout(this);
  all->addLayout(pickRow);
  all->addWidget(label(GoalControl::Targets, targets_));
  all->addLayout(targetRow, 2);
  all->addLayout(levelRow);
  all->addWidget(text_, 3);
  all->addLayout(buttons);
  finish();
}

void GoalWindow::showEvent(QShowEvent* e) {
  pick_->setFocus();  // each time the window opens
  QDialog::showEvent(e);
}

void GoalWindow::edit(const std::function<void()>& change) {
  change();
  follow();
}

void GoalWindow::follow() {
  if (!isVisible()) return;  // worked out again when shown
  const session::GoalShown s = panel_.shown(main_.session());
  // Drawn without the controls' own signals, which would edit the panel again.
  const QSignalBlocker a(targets_), b(value_), c(byLevel_), d(allPairs_);
  QStringList names, drawn;
  for (const std::string& t : s.targets) names << QString::fromStdString(t);
  for (int i = 0; i < targets_->count(); ++i) drawn << targets_->item(i)->text();
  if (drawn != names) {
    targets_->clear();
    targets_->addItems(names);
  }
  targets_->setCurrentRow(s.selected);
  value_->setValue(s.value);
  value_->setEnabled(s.valued);
  remove_->setEnabled(s.selected >= 0);
  byLevel_->setValue(panel_.byLevel());
  allPairs_->setChecked(panel_.allPairs());
  const QString text = QString::fromStdString(s.text);
  if (text_->toPlainText() != text) text_->setPlainText(text);
  apply_->setEnabled(s.canApply);
}

void GoalWindow::copy() { copyShown(*text_); }

std::function<void()> GoalWindow::command(const QKeyEvent& key) {
  // The main window's keys for the same commands.
  const QKeySequence pressed(key.keyCombination());
  if (main_.keys(Command::CopySheet).contains(pressed)) return [this] { copy(); };
  if ((key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter) && focusWidget() == pick_)
    return [this] { findChild<QPushButton*>(QStringLiteral("goalAdd"))->click(); };
  if (key.key() == Qt::Key_Delete && focusWidget() == targets_) return [this] { remove_->click(); };
  return PanelWindow::command(key);
}

}  // namespace kethmor::ui
