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

#include "ui/main_window.h"
#include "ui/layout.h"

using namespace kethmor;

namespace {

// One glyph black on white, its origin at (8, 24) times the scale.
QImage glyph(const QRawFont& font, QChar ch, int scale) {
  QImage img(40 * scale, 32 * scale, QImage::Format_RGB32);
  img.fill(Qt::white);
  QGlyphRun run;
  run.setRawFont(font);
  run.setGlyphIndexes(font.glyphIndexesForString(QString(ch)));
  run.setPositions({QPointF(8 * scale, 24 * scale)});
  QPainter(&img).drawGlyphRun({}, run);
  return img;
}

int distance(QRgb a, QRgb b) {
  return qAbs(qRed(a) - qRed(b)) + qAbs(qGreen(a) - qGreen(b)) + qAbs(qBlue(a) - qBlue(b));
}

// The ink of one colour over another inside a rectangle, its box and count:
// pixels at least about half covered (only whole pixels are exact at
// fractional scales), leaving out the other controls (at scale f).
std::pair<QRect, int> ink(const QImage& img, QRect r, QRgb colour, QRgb under = qRgb(0xFF, 0xFF, 0xFF),
                          const QRegion& others = {}, double f = 1) {
  QRect box;
  int n = 0;
  r &= img.rect();
  for (int y = r.top(); y <= r.bottom(); ++y)
    for (int x = r.left(); x <= r.right(); ++x)
      if (distance(img.pixel(x, y), colour) * 20 <= distance(under, colour) * 9 &&
          !others.contains(QPoint(int(x / f), int(y / f))))
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
    for (const auto& [strike, file, em] : {std::tuple{13, "sans8", 11}, {16, "sans10", 13}})
      for (const bool bold : {false, true})
        for (const int s : {1, 2}) {
          const QRawFont bitmap(QStringLiteral(KETHMOR_FONT_SOURCE), strike);
          QFile ttf(QStringLiteral(":/fonts/%1%2.ttf").arg(file, bold ? "-bold" : ""));
          QVERIFY(bitmap.isValid() && ttf.open(QIODevice::ReadOnly));
          const QRawFont outline(ttf.readAll(), em * s, QFont::PreferNoHinting);
          for (const QChar ch : QStringLiteral("AgW@j%\u00e9")) {
            const QImage want = glyph(bitmap, ch, 1), got = glyph(outline, ch, s);
            const auto has = [&](int x, int y) { return x >= 0 && want.pixel(x, y) == qRgb(0, 0, 0); };
            const QByteArray what = QStringLiteral("%1 %2 bold %3 x%4").arg(ch).arg(file).arg(bold).arg(s).toLatin1();
            QVERIFY2(ink(want, want.rect(), qRgb(0, 0, 0)).second > 8, what);
            for (int y = 0; y < got.height(); ++y)  // bold: each pixel once more to its right
              for (int x = 0; x < got.width(); ++x) {
                const bool set = has(x / s, y / s) || (bold && has(x / s - 1, y / s));
                QVERIFY2(got.pixel(x, y) == (set ? qRgb(0, 0, 0) : qRgb(255, 255, 255)), what);
              }
            QCOMPARE(advance(outline, ch), (advance(bitmap, ch) + (bold ? 1 : 0)) * s);
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
    std::map<double, QImage> shots, regular;  // regular: every caption drawn regular (offscreen only)
    for (const QString& item : qEnvironmentVariable("KETHMOR_SHOTS").split(QLatin1Char(' '), Qt::SkipEmptyParts))
      shots[item.section(QLatin1Char('='), 0, 0).toDouble()] = QImage(item.section(QLatin1Char('='), 1));
    if (shots.empty()) {
      for (const double f : {1.0, 1.25, 1.5, 2.0}) shots[f] = render(w, f);
      std::map<QLabel*, QFont> fonts;
      for (QLabel* l : w.findChildren<QLabel*>()) {
        QFont f = fonts[l] = l->font();
        f.setBold(false);
        l->setFont(f);
      }
      regular = {{1.0, render(w, 1)}, {2.0, render(w, 2)}};
      for (const auto& [l, f] : fonts) l->setFont(f);
    }
    QVERIFY(shots.count(1.0));
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
      const int m = button ? 2 : 0;  // captions stand on the button's face or on the dark picture
      const QRectF area = QRectF(wd->geometry()).adjusted(m, m, -m, -m);
      const QRgb under = button ? button->palette().color(QPalette::Button).rgb() : qRgb(0x34, 0x36, 0x39);
      const QRect one = ink(shots[1.0], area.toAlignedRect(), colour, under, others).first;
      if (area.height() < 2 * fm.height())  // one line: whole at 1x, neither clipped nor wrapped
        QVERIFY2(one.width() >= fm.horizontalAdvance(wd->property("text").toString()) - 2 &&
                     one.height() <= fm.height(), name);
      for (const auto& [f, img] : shots) {
        QCOMPARE(img.size(), QSize(qRound(790 * f), qRound(573 * f)));
        const QRect at = QRectF(area.topLeft() * f, area.size() * f).toAlignedRect();
        const auto [box, count] = ink(img, at, colour, under, others, f);
        QVERIFY2(qAbs(box.width() - f * one.width()) <= f + 1 && qAbs(box.height() - f * one.height()) <= f + 1,
                 name + " at " + QByteArray::number(f));
        const ui::Font font = ui::layout(static_cast<Ctl>(i)).font;
        if (regular.count(f) && !button && (font == ui::Font::B8 || font == ui::Font::B10))
          QVERIFY2(count > 1.4 * ink(regular[f], at, colour, under, others, f).second, name);
        if (!button) continue;
        std::map<QRgb, int> seen;  // the face is flat, in exactly its colour
        const QRect r = QRectF(QRectF(wd->geometry()).topLeft() * f, QSizeF(wd->size()) * f).toAlignedRect();
        for (int y = r.top(); y <= r.bottom(); ++y)
          for (int x = r.left(); x <= r.right(); ++x) ++seen[img.pixel(x, y) & 0xFFFFFF];
        QVERIFY2(std::max_element(seen.begin(), seen.end(), [](auto& a, auto& b) { return a.second < b.second; })
                         ->first == (under & 0xFFFFFF), name);
      }
    }
  }
};

QTEST_MAIN(FontsTest)
#include "fonts_test.moc"
