// The compiled-in fonts against the bitmap strikes they are made from, and the window at several
// display scales: drawn offscreen, or the X screenshots named in KETHMOR_SHOTS ("factor=file.png ...").
#include <QGlyphRun>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRawFont>
#include <QTest>

#include "ui/layout.h"
#include "ui/main_window.h"

using namespace kethmor;

const QRgb kInk = qRgb(0, 0, 0), kPaper = qRgb(255, 255, 255);
int diff(QRgb a, QRgb b) { return qAbs(qRed(a) - qRed(b)) + qAbs(qGreen(a) - qGreen(b)) + qAbs(qBlue(a) - qBlue(b)); }
// The ink of one colour over another inside an area of an image drawn at scale
// f, its box and count: pixels at least about half covered (only whole pixels
// are exact at fractional scales), leaving out the area's part in skip.
auto ink(const QImage& img, QRectF area, QRgb c, QRgb under = kPaper, const QRegion& skip = {}, double f = 1) {
  std::pair<QRect, int> found;
  const QRect r = QRectF(area.topLeft() * f, area.size() * f).toAlignedRect() & img.rect();
  for (int y = r.top(); y <= r.bottom(); ++y)
    for (int x = r.left(); x <= r.right(); ++x)
      if (diff(img.pixel(x, y), c) * 20 <= diff(under, c) * 9 && !skip.contains(QPoint(int(x / f), int(y / f))))
        found.first |= QRect(x, y, 1, 1), ++found.second;
  return found;
}

class FontsTest : public QObject {
  Q_OBJECT
 private slots:
  void outlinesAreTheBitmapsPixels() {
    // Black on white at (8, 24) * s, twice: once more one pixel to the right; its advance.
    const auto glyph = [](const QRawFont& font, QChar ch, int s, bool twice) {
      QImage img(40 * s, 32 * s, QImage::Format_RGB32);
      img.fill(kPaper);
      QGlyphRun run;
      run.setRawFont(font);
      run.setGlyphIndexes(font.glyphIndexesForString(QString(ch).repeated(1 + twice)));
      run.setPositions({QPointF(8 * s, 24 * s), QPointF(9, 24)});
      QPainter(&img).drawGlyphRun({}, run);
      return std::pair{img, font.advancesForGlyphIndexes(run.glyphIndexes()).value(0).x()};
    };
    for (const auto& [strike, file, em] : {std::tuple{13, "sans8", 11}, {16, "sans10", 13}})
      for (const auto& [bold, s] : {std::pair{0, 1}, {0, 2}, {1, 1}, {1, 2}}) {
        const QRawFont bitmap(QStringLiteral(KETHMOR_FONT_SOURCE), strike),
            outline(QStringLiteral(":/fonts/%1%2.ttf").arg(file, bold ? "-bold" : ""), em * s, QFont::PreferNoHinting);
        QVERIFY(bitmap.isValid() && outline.isValid());
        for (const QChar ch : QStringLiteral("AgW@j%\u00e9")) {  // each bitmap pixel s by s, its advance likewise
          const auto [want, advance] = glyph(bitmap, ch, 1, bold);
          const auto [got, grown] = glyph(outline, ch, s, false);
          const QByteArray what = QStringLiteral("%1 %2 bold %3 x%4").arg(ch).arg(file).arg(bold).arg(s).toLatin1();
          QVERIFY2(ink(want, want.rect(), kInk).second > 8 && got == want.scaled(got.size()) &&
                       grown == (advance + bold) * s, what);
        }
      }
  }

  void captionsFacesAndBoldGrowWithTheScale() {
    ui::MainWindow w, plain;  // plain: every caption drawn regular
    plain.setStyleSheet("QLabel { font-weight: normal }");
    w.show();
    const QFontMetrics t(w.widget(Ctl::PCname)->font());  // no ligatures: a typed "TM" stays two letters
    QCOMPARE(t.horizontalAdvance("ATM"),
             t.horizontalAdvance("A") + t.horizontalAdvance("T") + t.horizontalAdvance("M"));
    QMap<double, QImage> shots, regular;  // regular: offscreen only
    for (const QString& item : qEnvironmentVariable("KETHMOR_SHOTS").split(' ', Qt::SkipEmptyParts))
      shots[item.section('=', 0, 0).toDouble()] = QImage(item.section('=', 1));
    if (shots.isEmpty())
      for (const double f : {1.0, 1.25, 1.5, 2.0})
        for (auto [window, images] : {std::pair{&w, &shots}, {&plain, &regular}}) {
          QImage& img = (*images)[f] = QImage((QSizeF(w.size()) * f).toSize(), QImage::Format_RGB32);
          img.setDevicePixelRatio(f);
          window->render(&img);
        }
    QRegion controls;  // where the boxes, lists and buttons stand
    for (QWidget* wd : w.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
      if (!qobject_cast<QLabel*>(wd) && wd->isVisible()) controls += wd->geometry();
    for (int i = 0; i < kControlCount; ++i) {
      QWidget* wd = w.widget(static_cast<Ctl>(i));
      auto* button = qobject_cast<QPushButton*>(wd);
      if (!(button || qobject_cast<QLabel*>(wd)) || !wd->isVisible()) continue;
      const QRgb colour = wd->palette().color(button ? QPalette::ButtonText : QPalette::WindowText).rgb();
      // Captions stand on the button's face, inside its border, or on the dark picture.
      const QRgb under = button ? button->palette().color(QPalette::Button).rgb() : qRgb(0x34, 0x36, 0x39);
      const QRectF area = button ? QRectF(wd->geometry()).adjusted(2, 2, -2, -2) : QRectF(wd->geometry());
      const QRegion others = controls - (button ? wd->geometry() : QRect());
      const QRect one = ink(shots[1.0], area, colour, under, others).first;
      const bool bold = !button && QList{ui::Font::B8, ui::Font::B10}.contains(ui::layout(static_cast<Ctl>(i)).font);
      if (area.height() < 2 * wd->fontMetrics().height())  // one line: whole at 1x, neither clipped nor wrapped
        QVERIFY2(one.width() >= wd->fontMetrics().horizontalAdvance(wd->property("text").toString()) - 2 &&
                     one.height() <= wd->fontMetrics().height(), kControls[i].name);
      for (const auto& [f, img] : shots.asKeyValueRange()) {
        const QByteArray at = kControls[i].name + QByteArray(" at ") + QByteArray::number(f);
        const auto [box, n] = ink(img, area, colour, under, others, f);
        QVERIFY2(img.size() == QSize(qRound(790 * f), qRound(573 * f)), at);
        QVERIFY2(qAbs(box.width() - f * one.width()) <= f + 1 && qAbs(box.height() - f * one.height()) <= f + 1, at);
        QVERIFY2(!bold || regular.isEmpty() || n > 1.4 * ink(regular[f], area, colour, under, others, f).second,
                 at + " bold");
        QVERIFY2(!button || 2 * ink(img, area, under, under, others, f).second > area.width() * area.height() * f * f,
                 at + " face");  // flat, exactly its colour
      }
    }
  }
};

QTEST_MAIN(FontsTest)
#include "fonts_test.moc"
