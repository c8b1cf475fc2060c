#include "ui/messages.h"

#include "session/file_name.h"

#include <QFontMetrics>
#include <QWidget>

namespace kethmor::ui {

namespace {
// `text` cut to `room` pixels, "..." in place of its middle (or its end):
// the font's own ellipsis, one bar at the baseline, reads as an underscore.
QString shortened(const QFontMetrics& metrics, const QString& text, int room, bool middle) {
  const QString dots = QStringLiteral("...");
  if (metrics.horizontalAdvance(text) <= room) return text;
  for (qsizetype keep = text.size() - 1; keep > 0; --keep) {
    const qsizetype right = middle ? keep / 2 : 0;
    const QString cut = text.left(keep - right) + dots + text.right(right);
    if (metrics.horizontalAdvance(cut) <= room) return cut;
  }
  return dots;
}
}  // namespace

Message failureMessage(const QWidget& box, const char* verb, const QString& file, const QString& reason) {
  const FailureWords words = failureWords(verb, !file.isEmpty(), reason.toStdString());
  const QString head = QString::fromStdString(words.head), tail = QString::fromStdString(words.tail);
  const QFontMetrics metrics(box.font());
  const int room = box.width() - 8;  // the box's frame and margins take a few pixels of each side
  const QString name = shortened(metrics, file, room - metrics.horizontalAdvance(head + tail), true);
  return {shortened(metrics, head + name + tail, room, false), head + file + tail};
}

}  // namespace kethmor::ui
