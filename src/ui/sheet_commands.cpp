// Saving and opening sheets (SAVE, Ctrl+O, a dropped file, the command line),
// the last session kept on close (Ctrl+Shift+O), and where the save dialog
// starts. The window asks for the file name and writes the message; the model
// and the reader do the rest and answer with what happened.
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QMimeData>
#include <QUrl>
#include <algorithm>

#include "sheet/sheet.h"
#include "sheet/sheet_file.h"
#include "sheet/sheet_reader.h"
#include "session/file_name.h"
#include "ui/main_window.h"
#include "ui/messages.h"

namespace kethmor::ui {

void MainWindow::installSheetCommands() {
  setAcceptDrops(true);
}

std::string MainWindow::failureMessage(const char* verb, const std::string& file, const std::string& reason) const {
  const Message m = ui::failureMessage(*widget(Ctl::message_window), verb, QString::fromStdString(file),
                                       QString::fromStdString(reason));
  if (m.shown != m.full) fullMessages_.insert(m.shown, m.full);
  return m.shown.toStdString();
}

void MainWindow::save() {
  const std::string name = askFileName();
  if (name.empty()) return;
  std::string failure;
  run([&] {
    failure = sheet::saveSheet(form_, name);
    if (!failure.empty())
      form_.message_window.text = form_.save_failure = failureMessage("save", sheet::shownName(name), failure);
  });
  if (failure.empty()) lastFolder_ = QFileInfo(QString::fromStdString(name)).absolutePath();
}

void MainWindow::openFile(const std::string& fileName, int files) {
  std::string failure;
  run([&] {
    failure = sheet::openSheet(form_, fileName);
    if (!failure.empty()) form_.message_window.text = failureMessage("open", sheet::shownName(fileName), failure);
    else if (files > 1) form_.message_window.text = "only the first of " + std::to_string(files) + " files was opened";
  });
  if (failure.empty() && QString::fromStdString(fileName) != lastSessionPath())
    lastFolder_ = QFileInfo(QString::fromStdString(fileName)).absolutePath();
}

std::string MainWindow::askOpenName() {
  return openDialog_ ? openDialog_() : askFile(*this, QStringLiteral("Open character sheet"), lastFolder_, false);
}

std::string askFile(QWidget& parent, const QString& title, const QString& start, bool saving) {
  QFileDialog dialog(&parent, title);
  dialog.setAcceptMode(saving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(saving ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  if (saving) dialog.setDefaultSuffix(QStringLiteral("txt"));
  dialog.setNameFilters({QStringLiteral("Text files (*.txt)"), QStringLiteral("All files (*)")});
  dialog.setOption(QFileDialog::DontUseNativeDialog, true);
  if (saving) dialog.selectFile(start);
  else if (!start.isEmpty()) dialog.setDirectory(start);
  if (dialog.exec() != QDialog::Accepted) return {};
  const QStringList files = dialog.selectedFiles();
  return files.isEmpty() ? std::string() : files.first().toStdString();
}

QString MainWindow::proposedSavePath(Saved what) const {
  const QString folder = lastFolder_.isEmpty() ? QDir::homePath() : lastFolder_;
  return QDir(folder).filePath(QString::fromStdString(proposedFileName(form_.PCname.text, what == Saved::Plan)));
}

QString MainWindow::lastSessionPath() {
  QString state = qEnvironmentVariable("XDG_STATE_HOME");
  if (state.isEmpty() || QDir::isRelativePath(state)) state = QDir::homePath() + QStringLiteral("/.local/state");
  return state + QStringLiteral("/kethmor-planner/last-session.txt");
}

void MainWindow::saveLastSession() const {
  // Deliberate mend: closing never destroys a kept session. Silent: a folder
  // that cannot be made or written is simply skipped. Only
  // a sheet that is neither the blank start nor the one already kept is
  // written, and the one it replaces stays a generation back: no single
  // close, of an untouched planner or of a second one, loses work.
  const std::string bytes = sheet::sheetBytes(form_);
  const QString path = lastSessionPath();
  QFile file(path);
  const std::string kept = file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : std::string();
  if (bytes == kept || bytes == sheet::blankSheetBytes() || !QDir().mkpath(QFileInfo(path).absolutePath())) return;
  if (!kept.empty()) sheet::saveBytes(previousSessionPath().toStdString(), kept);
  sheet::saveBytes(path.toStdString(), bytes);
}

QString MainWindow::previousSessionPath() {
  return lastSessionPath().chopped(4) + QStringLiteral(".1.txt");
}

namespace {
QStringList droppedFiles(const QMimeData* data) {
  QStringList files;
  for (const QUrl& url : data->urls())
    if (url.isLocalFile()) files << url.toLocalFile();
  return files;
}
}  // namespace

// The text boxes leave dropped files to the window, so a file dropped
// anywhere on it opens.
void MainWindow::dragEnterEvent(QDragEnterEvent* e) {
  if (!droppedFiles(e->mimeData()).isEmpty()) e->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* e) {
  const QStringList files = droppedFiles(e->mimeData());
  if (files.isEmpty()) return;
  e->acceptProposedAction();
  openFile(files.first().toStdString(), static_cast<int>(files.size()));
}

}  // namespace kethmor::ui
