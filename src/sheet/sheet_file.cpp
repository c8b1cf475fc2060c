#include "sheet/sheet_file.h"

#include <sys/stat.h>
#include <sys/statvfs.h>

#include <cerrno>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QString>

#include "model/form1.h"
#include "sheet/sheet.h"
#include "sheet/sheet_reader.h"

namespace kethmor::sheet {

namespace {

// errno as a few words; the toolkit's own text when there is no short one.
std::string reasonFor(int error, const QString& path, const QString& fallback) {
  switch (error) {
    case ENOSPC:
    case EDQUOT: return "disk full";
    case EACCES:
    case EPERM: return "permission denied";
    case ENOENT:
    case ENOTDIR: return "no such folder";
    case EISDIR: return "is a folder";
    case ENAMETOOLONG: return "name too long";
    case EROFS: return "read-only disk";
    case EIO: return "write error";
    default: break;
  }
  // The error may have been overwritten on the way out: a full disk still
  // shows in the folder's free space.
  struct statvfs fs {};
  if (statvfs(QFileInfo(path).absolutePath().toLocal8Bit().constData(), &fs) == 0 && fs.f_bavail == 0)
    return "disk full";
  std::string text = fallback.isEmpty() ? std::string("write error") : fallback.toLower().toStdString();
  for (char& c : text)
    if (c == '\n' || c == '\r') c = ' ';
  return text;
}

}  // namespace

// A sheet file's bytes, or why they cannot be read.
std::string readSheetFile(const std::string& fileName, std::string& bytes) {
  const QString path = QString::fromStdString(fileName);
  struct stat st {};
  if (stat(QFile::encodeName(path).constData(), &st) != 0)
    return errno == ENOENT ? "no such file" : errno == EACCES ? "permission denied" : "cannot be read";
  if (S_ISDIR(st.st_mode)) return "is a folder";
  if (!S_ISREG(st.st_mode)) return "not a regular file";
  if (static_cast<std::size_t>(st.st_size) > kSheetSizeLimit) return "too large";
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return "permission denied";
  bytes = file.read(static_cast<qint64>(kSheetSizeLimit) + 1).toStdString();
  return {};
}


std::string shownName(const std::string& path) {
  std::string name = QFileInfo(QString::fromStdString(path)).fileName().toStdString();
  for (char& c : name)
    if (c == '\n' || c == '\r') c = ' ';
  return name;
}

// Deliberate mend: a save never destroys. A save that fails for any reason
// leaves an existing file byte for byte as it was and never leaves an empty
// or partial new one; a device or other non-regular file is refused, never
// replaced; a writable file in a folder that takes no temporary file is
// still saved, in place.
std::string saveBytes(const std::string& fileName, const std::string& bytes) {
  const QString path = QString::fromStdString(fileName);
  const QFileInfo info(path);
  if (info.fileName().toLocal8Bit().size() > 255) return "name too long";
  if (info.isDir()) return "is a folder";
  if (!info.absoluteDir().exists()) return "no such folder";
  struct stat st {};
  if (stat(QFile::encodeName(path).constData(), &st) == 0 && !S_ISREG(st.st_mode)) return "not a regular file";

  QSaveFile file(path);
  // Only where the folder takes no temporary file is the file written in place.
  file.setDirectWriteFallback(true);
  errno = 0;
  if (!file.open(QIODevice::WriteOnly)) return reasonFor(errno, path, file.errorString());
  errno = 0;
  if (file.write(bytes.data(), static_cast<qint64>(bytes.size())) != static_cast<qint64>(bytes.size())) {
    const std::string reason = reasonFor(errno, path, file.errorString());
    file.cancelWriting();
    return reason;
  }
  // What is still buffered goes out here, and a full disk usually shows only
  // here: commit() would flush too, but without telling of a failure, and
  // then put the empty file in place of the old one.
  errno = 0;
  if (!file.flush()) {
    const std::string reason = reasonFor(errno, path, file.errorString());
    file.cancelWriting();
    return reason;
  }
  errno = 0;
  if (!file.commit()) return reasonFor(errno, path, file.errorString());
  return {};
}

std::string openSheet(Form1State& form, const std::string& fileName) {
  std::string bytes;
  const std::string reason = readSheetFile(fileName, bytes);
  return reason.empty() ? openSheetText(form, bytes) : reason;
}

}  // namespace kethmor::sheet

namespace kethmor::sheet {

std::string saveSheet(Form1& form, const std::string& fileName) {
  return form.SAVE_Click([&](const Form1State& s) { return saveBytes(fileName, sheetBytes(s)); });
}

}  // namespace kethmor::sheet
