#include "export/sheet_file.h"

#include <QFileInfo>
#include <QSaveFile>
#include <QString>

#include "export/sheet.h"

namespace kethmor::exporter {

namespace {
// Deliberate mend: a failed save reports one line naming the file; QSaveFile
// leaves any old file untouched.
std::string failure(const QString& name, const QString& reason) {
  QString line = QStringLiteral("could not save %1: %2").arg(name, reason);
  line.replace(QLatin1Char('\n'), QLatin1Char(' ')).replace(QLatin1Char('\r'), QLatin1Char(' '));
  return line.toStdString();
}
}  // namespace

std::string writeFileAtomically(const std::string& fileName, const std::string& bytes) {
  const QString name = QString::fromStdString(fileName);
  if (QFileInfo(name).isDir()) return failure(name, QStringLiteral("it is a folder"));
  QSaveFile file(name);
  if (!file.open(QIODevice::WriteOnly)) return failure(name, file.errorString());
  const qint64 written = file.write(bytes.data(), static_cast<qint64>(bytes.size()));
  if (written != static_cast<qint64>(bytes.size())) {
    const QString reason = file.errorString();
    file.cancelWriting();
    return failure(name, reason);
  }
  if (!file.commit()) return failure(name, file.errorString());
  return {};
}

std::string FileSheetSaver::writeSheet(const Form1& form, const std::string& fileName) {
  return writeFileAtomically(fileName, sheetBytes(form));
}

}  // namespace kethmor::exporter
