// The compiled-in fonts against the bitmap strikes they are made from, and
// the window at several display scales: drawn offscreen, or the X
// screenshots named in KETHMOR_SHOTS ("factor=file.png ...").
#include <QFile>
#include <QGlyphRun>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRawFont>
#include <QTest>
#include <map>

#include "ui/layout.h"
#include "ui/main_window.h"

using namespace kethmor;

namespace {
const QRgb kInk = qRgb(0, 0, 0), kPaper = qRgb(255, 255, 255);
QImage glyph(const QRawFont& font, QChar ch, int scale) {  // black on white, its origin at (8, 24) * scale
  QImage img(40 * scale, 32 * scale, QImage::Format_RGB32);
  img.fill(kPaper);
  QGlyphRun run;
  run.setRawFont(font);
  run.setGlyphIndexes(font.glyphIndexesForString(QString(ch)));
  run.setPositions({QPointF(8 * scale, 24 * scale)});
  QPainter(&img).drawGlyphRun({}, run);
  return img;
}
// The ink of one colour over another inside a rectangle, its box and count:
// pixels at least about half covered (only whole pixels are exact at
// fractional scales), leaving out the other controls (at scale f).
std::pair<QRect, int> ink(const QImage& img, QRect r, QRgb colour, QRgb under = kPaper, const QRegion& others = {},
                          double f = 1) {
  const auto d = [](QRgb a, QRgb b) {
    return qAbs(qRed(a) - qRed(b)) + qAbs(qGreen(a) - qGreen(b)) + qAbs(qBlue(a) - qBlue(b));
  };
  QRect box;
  int n = 0;
  r &= img.rect();
  for (int y = r.top(); y <= r.bottom(); ++y)
    for (int x = r.left(); x <= r.right(); ++x)
      if (d(img.pixel(x, y), colour) * 20 <= d(under, colour) * 9 && !others.contains(QPoint(int(x / f), int(y / f))))
        box |= QRect(x, y, 1, 1), ++n;
  return {box, n};
}
QImage render(QWidget& w, double f) {
  QImage img((QSizeF(w.size()) * f).toSize(), QImage::Format_RGB32);
  img.setDevicePixelRatio(f);
  w.render(&img);
  img.setDevicePixelRatio(1);
  return img;
}
}  // namespace

class FontsTest : public QObject {
  Q_OBJECT
 private slots:
  void outlinesAreTheBitmapsPixels() {
    const auto advance = [](const QRawFont& f, QChar ch) {
      return f.advancesForGlyphIndexes(f.glyphIndexesForString(QString(ch))).value(0).x();
    };
    for (const auto& [strike, file, em] : {std::tuple{13, "sans8", 11}, {16, "sans10", 13}}) {
      const QRawFont bitmap(QStringLiteral(KETHMOR_FONT_SOURCE), strike);
      QVERIFY(bitmap.isValid());
      for (const auto& [bold, s] : {std::pair{0, 1}, {0, 2}, {1, 1}, {1, 2}}) {
        QFile ttf(QStringLiteral(":/fonts/%1%2.ttf").arg(file, bold ? "-bold" : ""));
        QVERIFY(ttf.open(QIODevice::ReadOnly));
        const QRawFont outline(ttf.readAll(), em * s, QFont::PreferNoHinting);
        for (const QChar ch : QStringLiteral("AgW@j%\u00e9")) {
          const QImage want = glyph(bitmap, ch, 1), got = glyph(outline, ch, s);
          const QByteArray what = QStringLiteral("%1 %2 bold %3 x%4").arg(ch).arg(file).arg(bold).arg(s).toLatin1();
          QVERIFY2(ink(want, want.rect(), kInk).second > 8, what);
          const auto has = [&](int x, int y) { return x >= 0 && want.pixel(x / s, y / s) == kInk; };
          for (int y = 0; y < got.height(); ++y)  // each bitmap pixel s by s; bold: once more to its right
            for (int x = 0; x < got.width(); ++x)
              QVERIFY2(got.pixel(x, y) == ((has(x, y) || (bold && has(x - s, y))) ? kInk : kPaper), what);
          QCOMPARE(advance(outline, ch), (advance(bitmap, ch) + bold) * s);
        }
      }
    }
  }

  void captionsFacesAndBoldGrowWithTheScale() {
    ui::MainWindow w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    const QFontMetrics typed(w.widget(Ctl::PCname)->font());  // no ligatures: a typed "TM" stays two letters
    QCOMPARE(typed.horizontalAdvance("ATM"),
             typed.horizontalAdvance("A") + typed.horizontalAdvance("T") + typed.horizontalAdvance("M"));
    std::map<double, QImage> shots, regular;  // regular: offscreen only
    for (const QString& item : qEnvironmentVariable("KETHMOR_SHOTS").split(' ', Qt::SkipEmptyParts))
      shots[item.section('=', 0, 0).toDouble()] = QImage(item.section('=', 1));
    if (shots.empty()) {
      for (const double f : {1.0, 1.25, 1.5, 2.0}) shots[f] = render(w, f);
      ui::MainWindow plain;  // every caption drawn regular
      plain.setStyleSheet("QLabel { font-weight: normal }");
      plain.show();
      regular = {{1.0, render(plain, 1)}, {2.0, render(plain, 2)}};
    }
    QVERIFY(shots.contains(1.0));
    QRegion controls;  // where the boxes, lists and buttons stand
    for (QWidget* wd : w.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
      if (!qobject_cast<QLabel*>(wd) && wd->isVisible()) controls += wd->geometry();
    for (int i = 0; i < kControlCount; ++i) {
      QWidget* wd = w.widget(static_cast<Ctl>(i));
      auto* button = qobject_cast<QPushButton*>(wd);
      if (!(button || qobject_cast<QLabel*>(wd)) || !wd->isVisible()) continue;
      const QByteArray name(kControls[i].name);
      const QRegion others = controls - (button ? wd->geometry() : QRect());
      const QFontMetrics fm(wd->font());
      const QRgb colour = wd->palette().color(button ? QPalette::ButtonText : QPalette::WindowText).rgb();
      const QRgb under = button ? button->palette().color(QPalette::Button).rgb() : qRgb(0x34, 0x36, 0x39);
      const int m = button ? 2 : 0;  // captions stand on the button's face or on the dark picture
      const QRectF area = QRectF(wd->geometry()).adjusted(m, m, -m, -m);
      const QRect one = ink(shots[1.0], area.toAlignedRect(), colour, under, others).first;
      if (area.height() < 2 * fm.height())  // one line: whole at 1x, neither clipped nor wrapped
        QVERIFY2(one.width() >= fm.horizontalAdvance(wd->property("text").toString()) - 2 &&
                     one.height() <= fm.height(), name);
      const bool bold = !button && QList{ui::Font::B8, ui::Font::B10}.contains(ui::layout(static_cast<Ctl>(i)).font);
      for (const auto& [f, img] : shots) {
        QCOMPARE(img.size(), QSize(qRound(790 * f), qRound(573 * f)));
        const QRect at = QRectF(area.topLeft() * f, area.size() * f).toAlignedRect();
        const auto [box, n] = ink(img, at, colour, under, others, f);
        QVERIFY2(qAbs(box.width() - f * one.width()) <= f + 1 && qAbs(box.height() - f * one.height()) <= f + 1,
                 name + " at " + QByteArray::number(f));
        if (bold && regular.count(f)) QVERIFY2(n > 1.4 * ink(regular[f], at, colour, under, others, f).second, name);
        if (!button) continue;
        const QRect face = QRectF(QPointF(wd->pos()) * f, QSizeF(wd->size()) * f).toAlignedRect();
        QVERIFY2(2 * ink(img, face, under, under).second > face.width() * face.height(),  // flat, its colour
                 name + " face at " + QByteArray::number(f));
      }
    }
  }
};

QTEST_MAIN(FontsTest)
#include "fonts_test.moc"
