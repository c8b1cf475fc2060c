// The level plan window: the plan's text, Copy, Save..., Close, and the
// character shown at the end of a level.
#include "ui/plan_window.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QSpinBox>
#include <QVBoxLayout>

#include "core/level_plan.h"
#include "export/sheet.h"
#include "export/sheet_file.h"
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
  message_->setStyleSheet(QStringLiteral("color: #ff0000"));
  auto* levelLabel = new QLabel(QStringLiteral("&Level:"), this);
  levelLabel->setBuddy(level_);
  auto* show = new QPushButton(QStringLiteral("Show this level"), this);
  auto* copyButton = new QPushButton(QStringLiteral("Copy"), this);
  auto* saveButton = new QPushButton(QStringLiteral("Save..."), this);
  auto* printButton = new QPushButton(QStringLiteral("Print..."), this);
  auto* close = new QPushButton(QStringLiteral("Close"), this);
  for (QPushButton* b : {show, copyButton, saveButton, printButton, close}) b->setAutoDefault(false);
  connect(show, &QPushButton::clicked, this, &PlanWindow::showLevel);
  connect(copyButton, &QPushButton::clicked, this, &PlanWindow::copy);
  connect(saveButton, &QPushButton::clicked, this, &PlanWindow::save);
  connect(printButton, &QPushButton::clicked, this, &PlanWindow::print);
  connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_P), this), &QShortcut::activated, this, &PlanWindow::print);
  connect(close, &QPushButton::clicked, this, &QDialog::close);

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

  // Undo and redo of the sheet from here too, as in the main window.
  auto* undoKey = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z), this);
  connect(undoKey, &QShortcut::activated, this, [this] { main_.undo(); });
  for (const QKeySequence& keys : {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)})
    connect(new QShortcut(keys, this), &QShortcut::activated, this, [this] { main_.redo(); });
  // The name typed follows at once; every other change comes with the main window's redraw.
  connect(static_cast<QLineEdit*>(main.widget(Ctl::PCname)), &QLineEdit::textChanged, this, &PlanWindow::follow);
  main.onRefresh = [this] { follow(); };
}

QString PlanWindow::text() const { return text_->toPlainText().replace(QLatin1Char('\n'), QLatin1String(kLineEnd)); }

void PlanWindow::follow() {
  if (!isVisible()) return;  // worked out again when shown
  const std::string shown = planText(levelPlan(main_.model()), "\n");
  if (text_->toPlainText().toStdString() != shown) text_->setPlainText(QString::fromStdString(shown));
  const int level = static_cast<int>(num(main_.model().Clevel));
  level_->setRange(1, level);
}

void PlanWindow::copy() const { QApplication::clipboard()->setText(text()); }

void PlanWindow::save() {
  std::string name;
  if (dialog_) {
    name = dialog_();
  } else {
    // Beside the sheet: "Borin plan.txt", or "plan.txt" for a character without a name.
    const QString proposed = main_.proposedSavePath();
    const QString file = proposed.endsWith(QLatin1String(".txt")) ? proposed.chopped(4) + QStringLiteral(" plan.txt")
                                                                  : QDir(proposed).filePath(QStringLiteral("plan.txt"));
    QFileDialog dialog(this, QStringLiteral("Save level plan"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("txt"));
    dialog.setNameFilters({QStringLiteral("Text files (*.txt)"), QStringLiteral("All files (*)")});
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    dialog.selectFile(file);
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
      name = dialog.selectedFiles().first().toStdString();
  }
  if (name.empty()) return;
  // In the sheet's code page and line ends, every line ended.
  const std::string bytes = sheet::toCodePage(planText(levelPlan(main_.model()), "\n") + "\n");
  message_->setText(QString::fromStdString(sheet::writeFileAtomically(name, bytes)));
}

void PlanWindow::print() { printPreview(this, QStringLiteral("Kethmor level plan"), text()); }

void PlanWindow::showLevel() {
  const int level = level_->value();
  main_.run([this, level] {
    Form1& form = main_.model();
    static_cast<Form1State&>(form) = planStateAt(form, level);
  });
}

bool PlanWindow::eventFilter(QObject* watched, QEvent* e) {
  // Ctrl+C with nothing selected copies the whole plan, not the main
  // window's sheet: the key is kept from the shortcuts, then taken here.
  const bool key = e->type() == QEvent::KeyPress || e->type() == QEvent::ShortcutOverride;
  if (watched == text_ && key && static_cast<QKeyEvent*>(e)->matches(QKeySequence::Copy) &&
      !text_->textCursor().hasSelection()) {
    if (e->type() == QEvent::KeyPress) copy();
    e->accept();
    return true;
  }
  return QDialog::eventFilter(watched, e);
}

PlanWindow* showPlanWindow(MainWindow& main) {
  auto* plan = main.findChild<PlanWindow*>();
  if (!plan) {
    plan = new PlanWindow(main);
    // Beside the main window, on the side the screen has room for.
    const QRect frame = main.frameGeometry();
    const QRect screen = main.screen() ? main.screen()->availableGeometry() : QRect();
    const bool right = screen.isNull() || frame.right() + 8 + plan->width() <= screen.right();
    plan->move(right ? frame.right() + 8 : std::max(screen.left(), frame.left() - 8 - plan->width()), frame.top());
  }
  plan->show();
  plan->follow();
  plan->raise();
  plan->activateWindow();
  return plan;
}

}  // namespace kethmor::ui
