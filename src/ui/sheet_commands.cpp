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
#include "ui/main_window.h"

namespace kethmor::ui {

void MainWindow::installSheetCommands() {
  setAcceptDrops(true);
}

void MainWindow::save() {
  const std::string name = askFileName();
  if (name.empty()) return;
  std::string failure;
  act([&] {
    session_.save(sheet::shownName(name), [&](const std::string& bytes) {
      return failure = sheet::saveBytes(name, bytes);
    });
  });
  if (failure.empty()) lastFolder_ = QFileInfo(QString::fromStdString(name)).absolutePath();
}

void MainWindow::openFile(const std::string& fileName, int files) {
  std::string bytes;
  const std::string reason = sheet::readSheetFile(fileName, bytes);
  session::Outcome outcome;
  act([&] { outcome = session_.openSheet(sheet::shownName(fileName), bytes, reason, files); });
  if (outcome.opened && QString::fromStdString(fileName) != lastSessionPath())
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
  return QDir(folder).filePath(
      QString::fromStdString(what == Saved::Plan ? session_.planFileName() : session_.sheetFileName()));
}

QString MainWindow::lastSessionPath() {
  QString state = qEnvironmentVariable("XDG_STATE_HOME");
  if (state.isEmpty() || QDir::isRelativePath(state)) state = QDir::homePath() + QStringLiteral("/.local/state");
  return state + QStringLiteral("/kethmor-planner/last-session.txt");
}

namespace {
// The last session's files in the planner's state folder.
class StateFolder : public session::Storage {
 public:
  explicit StateFolder(const QString& folder) : folder_(folder) {}
  std::optional<std::string> read(const std::string& name) const override {
    std::string bytes;
    if (!sheet::readSheetFile(path(name), bytes).empty()) return std::nullopt;
    return bytes;
  }
  // Silent: a folder that cannot be made or written is simply skipped.
  void write(const std::string& name, const std::string& bytes) override {
    if (QDir().mkpath(folder_)) sheet::saveBytes(path(name), bytes);
  }

 private:
  std::string path(const std::string& name) const { return (folder_ + QLatin1Char('/')).toStdString() + name; }
  QString folder_;
};
}  // namespace

void MainWindow::saveLastSession() const {
  StateFolder folder(QFileInfo(lastSessionPath()).absolutePath());
  session_.keepLastSession(folder);
}

void MainWindow::openKept(const char* name) {
  const StateFolder folder(QFileInfo(lastSessionPath()).absolutePath());
  act([&] { session_.openLastSession(folder, name); });
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
