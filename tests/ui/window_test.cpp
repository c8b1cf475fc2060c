// The real window under the offscreen platform: what only the widgets do.
#include <sched.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>

#include "export/sheet.h"
#include "ui/accessibility.h"
#include "ui/colours.h"
#include "ui/layout.h"
#include "ui/list_box.h"
#include "ui/main_window.h"
#include "ui/text_boxes.h"

using namespace kethmor;
using kethmor::ui::MainWindow;

// A small full file system of the test's own, mounted where only this
// process sees it (root only); otherwise why it is missing.
static QString fullDisk, fullDiskSkipped = QStringLiteral("needs root");
static void mountSmallDisk() {
  if (geteuid() != 0) return;
  static char folder[] = "/tmp/kethmor-full-XXXXXX";
  if (unshare(CLONE_NEWNS) != 0 || mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
      !mkdtemp(folder) || mount("tmpfs", folder, "tmpfs", 0, "size=64k") != 0) {
    fullDiskSkipped = QStringLiteral("no private mount: ") + QString::fromLocal8Bit(strerror(errno));
    return;
  }
  fullDisk = QString::fromLocal8Bit(folder);
}

class WindowTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<MainWindow> w;

  template <typename T>
  T* get(Ctl id) {
    T* p = dynamic_cast<T*>(w->widget(id));
    if (!p) qFatal("control %s is not of the expected kind", info(id).name);
    return p;
  }
  QString text(Ctl id) { return get<QLineEdit>(id)->text(); }
  // A failure message as the box shows it: the file's name may be shortened
  // in the middle so that the line fits.
  static bool sameMessage(const QString& shown, const QString& want) {
    static const QRegularExpression parts(QStringLiteral("^(could not \\w+ )(.*)(: [^:]*)$"));
    const auto a = parts.match(shown), b = parts.match(want);
    if (shown == want) return true;
    const QStringList ends = a.captured(2).split(QChar(0x2026));
    return a.hasMatch() && b.hasMatch() && a.captured(1) == b.captured(1) && a.captured(3) == b.captured(3) &&
           ends.size() == 2 && b.captured(2).startsWith(ends[0]) && b.captured(2).endsWith(ends[1]);
  }
  void press(Ctl id) { QTest::mouseClick(get<QPushButton>(id), Qt::LeftButton); }
  QPoint entryCentre(Ctl list, int row) {
    auto* l = get<QListWidget>(list);
    l->scrollToItem(l->item(row));
    return l->visualItemRect(l->item(row)).center();
  }
  void clickEntry(Ctl list, int row) {
    QTest::mouseClick(get<QListWidget>(list)->viewport(), Qt::LeftButton, {}, entryCentre(list, row));
  }
  void doubleClickEntry(Ctl list, int row) {
    QWidget* vp = get<QListWidget>(list)->viewport();
    const QPoint at = entryCentre(list, row);
    QTest::mouseClick(vp, Qt::LeftButton, {}, at);
    QTest::mouseDClick(vp, Qt::LeftButton, {}, at);
  }

 private slots:
  void init() {
    w = std::make_unique<MainWindow>();
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w.get()));
  }
  void cleanup() { w.reset(); }

  void windowCaptionAndSize() {
    QCOMPARE(w->windowTitle(), QStringLiteral("Kethmor Character Planner          v 1.7"));
    QCOMPARE(w->size(), QSize(790, 573));
    QCOMPARE(w->minimumSize(), w->maximumSize());
  }

  void everyControlIsPlacedCaptionedAndTippedAsTheTableSays() {
    for (int i = 0; i < kControlCount; ++i) {
      const ControlInfo& ci = kControls[i];
      const ui::Placement& at = ui::kLayout[static_cast<std::size_t>(i)];
      QWidget* wd = w->widget(static_cast<Ctl>(i));
      const QByteArray name(ci.name);
      QVERIFY2(wd, name);
      QCOMPARE(wd->geometry(), ui::pixelRect(at));
      QCOMPARE(wd->toolTip(), QString::fromLatin1(at.tooltip));
      const bool bold = at.font == ui::Font::B8 || at.font == ui::Font::B10;
      const int pixels = (at.font == ui::Font::B10 || at.font == ui::Font::R10) ? 13 : 11;
      QVERIFY2(wd->font().pixelSize() == pixels, name);
      QVERIFY2(QFontInfo(wd->font()).bold() == bold, name);
      QCOMPARE(QFontInfo(wd->font()).family(), QLatin1String(pixels == 13 ? ui::kFontFamily10 : ui::kFontFamily8));
      const Control& c = w->model().ctl(static_cast<Ctl>(i));
      QVERIFY2(wd->isVisible() == c.visible, name);
      if (auto* label = dynamic_cast<QLabel*>(wd)) QCOMPARE(label->text(), QString::fromStdString(c.text));
      if (auto* button = dynamic_cast<QPushButton*>(wd)) QCOMPARE(button->text(), QString::fromLatin1(ci.text));
      if (auto* line = dynamic_cast<QLineEdit*>(wd)) {
        QCOMPARE(line->text(), QString::fromStdString(c.text));
        QVERIFY2(line->isReadOnly() == ((at.flags & ui::READONLY) != 0), name);
      }
      if (auto* multi = dynamic_cast<QPlainTextEdit*>(wd))
        QVERIFY2(multi->isReadOnly() == ((at.flags & ui::READONLY) != 0), name);
    }
    QVERIFY(!w->widget(Ctl::dummy)->isVisible());
    // A handful of places as the layout publishes them, in twips.
    const struct { Ctl id; int l, t, w, h; } published[] = {
        {Ctl::Label10, 9720, 1560, 420, 255},       {Ctl::ST_minus, 8520, 1080, 225, 240},
        {Ctl::Adjcharisma, 11040, 2760, 375, 285},  {Ctl::ADTraps_plus, 11520, 7560, 225, 240},
        {Ctl::Schematic_list, 120, 7440, 2655, 1035}, {Ctl::SAVE, 7920, 8160, 855, 255}};
    for (const auto& p : published)
      QCOMPARE(w->widget(p.id)->geometry(), QRect(p.l / 15, p.t / 15, p.w / 15, p.h / 15));
    QCOMPARE(w->widget(Ctl::ST_plus)->toolTip(), QStringLiteral("bonus for 20 =  +10 Damage(double damage)"));
    QCOMPARE(w->widget(Ctl::SAVE)->toolTip(), QStringLiteral("saves  current inforamtion to text file"));
    QCOMPARE(w->widget(Ctl::Adjperception)->toolTip(), QStringLiteral("bonus for 20 = sense invisible "));
  }

  void coloursComeFromTheTable() {
    const QPalette& app = QApplication::palette();
    QCOMPARE(get<QPushButton>(Ctl::Tech_select)->palette().color(QPalette::Button), QColor(0xC0, 0x40, 0x00));
    QCOMPARE(get<QPushButton>(Ctl::Magick_select)->palette().color(QPalette::Button), QColor(0xFF, 0x80, 0xFF));
    QCOMPARE(get<QPushButton>(Ctl::Clear)->palette().color(QPalette::Button), QColor(0xFF, 0xFF, 0x00));
    QCOMPARE(get<QPushButton>(Ctl::bow_minus)->palette().color(QPalette::Button), QColor(0xFF, 0, 0));
    QCOMPARE(get<QPushButton>(Ctl::bow_plus)->palette().color(QPalette::Button), QColor(0, 0xFF, 0));
    QCOMPARE(get<QListWidget>(Ctl::Magick_list)->palette().color(QPalette::Base), QColor(0xFF, 0x00, 0xFF));
    QCOMPARE(get<QListWidget>(Ctl::Tech_list)->palette().color(QPalette::Base), QColor(0xC0, 0x40, 0x00));
    QCOMPARE(get<QLabel>(Ctl::Label5)->palette().color(QPalette::WindowText), QColor(0x00, 0xFF, 0xFF));
    QCOMPARE(get<QLabel>(Ctl::Label29)->palette().color(QPalette::WindowText), QColor(0xFF, 0x80, 0x00));
    QCOMPARE(get<QLabel>(Ctl::Current_race)->palette().color(QPalette::WindowText), QColor(0xFF, 0x80, 0x80));
    QCOMPARE(get<QLabel>(Ctl::Label4)->palette().color(QPalette::WindowText), app.color(QPalette::ToolTipBase));
    QCOMPARE(get<QLabel>(Ctl::Label37)->palette().color(QPalette::WindowText), app.color(QPalette::HighlightedText));
    QCOMPARE(get<QLineEdit>(Ctl::message_window)->palette().color(QPalette::Text), QColor(0xFF, 0, 0));
    QCOMPARE(get<QLineEdit>(Ctl::aptitude)->palette().color(QPalette::Base), QColor(0xFF, 0xFF, 0xFF));
    QCOMPARE(get<QLineEdit>(Ctl::bow)->palette().color(QPalette::Base), app.color(QPalette::Base));
  }

  void aSkillBoxTurnsGreenAndBack() {
    press(Ctl::bow_plus);
    QCOMPARE(text(Ctl::bow), QStringLiteral("1"));
    QCOMPARE(get<QLineEdit>(Ctl::bow)->palette().color(QPalette::Base), QColor(0x00, 0xFA, 0x00));
    QCOMPARE(text(Ctl::CPs_remaining), QStringLiteral("4"));
    press(Ctl::bow_minus);
    QCOMPARE(text(Ctl::bow), QStringLiteral("0"));
    QCOMPARE(get<QLineEdit>(Ctl::bow)->palette().color(QPalette::Base), QApplication::palette().color(QPalette::Base));
    QCOMPARE(text(Ctl::CPs_remaining), QStringLiteral("5"));
  }

  void plusAndMinusOfEachKind() {
    press(Ctl::ST_plus);
    QCOMPARE(text(Ctl::Strength), QStringLiteral("9"));
    QCOMPARE(text(Ctl::Adjstrength), QStringLiteral("9"));
    QCOMPARE(text(Ctl::hitpoints), QStringLiteral("32"));
    QCOMPARE(text(Ctl::Carryweight), QStringLiteral("4500"));
    QCOMPARE(text(Ctl::Damagebonus), QStringLiteral("0"));
    press(Ctl::ST_minus);
    QCOMPARE(text(Ctl::Strength), QStringLiteral("8"));
    QCOMPARE(text(Ctl::Damagebonus), QStringLiteral("-1"));
    press(Ctl::Fatigue_plus);
    QCOMPARE(text(Ctl::fatigue), QStringLiteral("34"));
    press(Ctl::Fatigue_minus);
    QCOMPARE(text(Ctl::fatigue), QStringLiteral("30"));
    press(Ctl::levelup);
    QCOMPARE(text(Ctl::Clevel), QStringLiteral("2"));
    QCOMPARE(text(Ctl::CPs_remaining), QStringLiteral("6"));
    for (int i = 0; i < 7; ++i) press(Ctl::Hitpoints_plus);
    QCOMPARE(text(Ctl::hitpoints), QStringLiteral("56"));
    QCOMPARE(text(Ctl::message_window), QStringLiteral("No CPs left"));
    QCOMPARE(text(Ctl::CPs_remaining), QStringLiteral("0"));
  }

  void readOnlyBoxesTakeNoTyping() {
    auto* box = get<QLineEdit>(Ctl::Strength);
    box->setFocus();
    QTest::keyClicks(box, "99");
    QCOMPARE(box->text(), QStringLiteral("8"));
    QCOMPARE(w->model().Strength.text, std::string("8"));
  }

  void typedTextStopsAtTheLengthLimits() {
    auto* name = get<QLineEdit>(Ctl::PCname);
    name->setFocus();
    QTest::keyClicks(name, "Abcdefghijklmnopqrstuvwxyz");
    QCOMPARE(name->text(), QStringLiteral("Abcdefghijklmnopqrstu").append(QLatin1Char('v')));
    QCOMPARE(name->text().size(), 22);
    QCOMPARE(w->model().PCname.text, name->text().toStdString());

    auto* alt = get<ui::MultiLineBox>(Ctl::alternativebackground);
    alt->setFocus();
    const QString full(2998, QLatin1Char('x'));
    alt->setPlainText(full);
    alt->moveCursor(QTextCursor::End);
    QTest::keyClicks(alt, "abcd");
    QCOMPARE(alt->toPlainText(), full + QStringLiteral("ab"));
    alt->undo();  // the keys refused at the limit leave the typing to undo
    QCOMPARE(alt->toPlainText(), full);
    // A paste far past the limit keeps the first 3000 characters, and undo
    // takes it back whole.
    alt->setPlainText(QStringLiteral("start "));
    alt->moveCursor(QTextCursor::End);
    QGuiApplication::clipboard()->setText(QString(100000, QLatin1Char('y')));
    alt->paste();
    QCOMPARE(alt->toPlainText().size(), 3000);
    alt->undo();
    QCOMPARE(alt->toPlainText(), QStringLiteral("start "));
    alt->redo();
    QCOMPARE(alt->toPlainText().size(), 3000);
    QVERIFY(alt->toPlainText().startsWith(QStringLiteral("start y")));
    QCOMPARE(w->model().alternativebackground.text.size(), 3000u);
    QCOMPARE(w->model().PCname.text.size(), 22u);
    // Tab leaves the box, Ctrl+Tab puts a tab into it.
    alt->setPlainText(QStringLiteral("a"));
    alt->moveCursor(QTextCursor::End);
    QTest::keyClick(alt, Qt::Key_Tab);
    QVERIFY(w->focusWidget() != alt);
    QTest::keyClick(alt, Qt::Key_Tab, Qt::ControlModifier);
    QCOMPARE(alt->toPlainText(), QStringLiteral("a\t"));
  }

  void enterAndSpacePressAFocusedButton() {
    QWidget* plus = w->widget(Ctl::ST_plus);
    QTest::keyClick(plus, Qt::Key_Return);
    QTest::keyClick(plus, Qt::Key_Enter, Qt::KeypadModifier);
    QTest::keyClick(plus, Qt::Key_Space);
    QCOMPARE(text(Ctl::Strength), QStringLiteral("11"));
  }

  void hiddenListTakesNoClicks() {
    press(Ctl::Tech_select);
    QVERIFY(!w->widget(Ctl::Magick_list)->isVisible());
    const QPoint inList = w->widget(Ctl::Magick_list)->geometry().topLeft() + QPoint(20, 30);
    QWidget* hit = w->childAt(inList);
    QVERIFY(hit);
    QVERIFY(hit == w->widget(Ctl::Tech_list) || w->widget(Ctl::Tech_list)->isAncestorOf(hit));
    clickEntry(Ctl::Tech_list, 2);
    QCOMPARE(w->model().Tech_list.listIndex, 2);
    QCOMPARE(w->model().Magick_list.listIndex, 0);
    QCOMPARE(get<QListWidget>(Ctl::Schematic_list)->item(0)->text(), QStringLiteral("Bullets"));
  }

  void doubleClickOnASpellBuysIt() {
    w->model().WP_plus_Click();
    w->refresh();
    doubleClickEntry(Ctl::Spell_list, 0);
    QCOMPARE(w->model().Spell_list.listIndex, 0);
    auto* bought = get<QListWidget>(Ctl::purchased);
    QCOMPARE(bought->count(), 1);
    QCOMPARE(bought->item(0)->text(), QStringLiteral("Unseen Force"));
    QCOMPARE(text(Ctl::aptitude), QStringLiteral("5"));
    QCOMPARE(get<QLineEdit>(Ctl::aptitude)->palette().color(QPalette::Base), QColor(0xFF, 0x80, 0xFF));
    QCOMPARE(get<ui::MultiLineBox>(Ctl::background_explanations)->toPlainText().toStdString(),
             std::string(w->model().background_explanations.text));
    QCOMPARE(get<QListWidget>(Ctl::Spell_list)->currentRow(), 0);
  }

  void clickBeforeDoubleClickShowsTheDescription() {
    // The first press selects the race and shows its description, the double
    // click applies it.
    doubleClickEntry(Ctl::Race_Selection, 0);
    QCOMPARE(w->model().Current_race.text, std::string("Dwarf"));
    QCOMPARE(text(Ctl::Adjstrength), QStringLiteral("9"));
    QCOMPARE(get<QLabel>(Ctl::Current_race)->text(), QStringLiteral("Dwarf"));
    QCOMPARE(get<QLabel>(Ctl::Current_background)->text(), QStringLiteral("None"));
    QCOMPARE(get<QLineEdit>(Ctl::Adjstrength)->palette().color(QPalette::Base), QColor(0x00, 0xFA, 0x00));
    // The second press lands on the next entry: that one is clicked and applied.
    clickEntry(Ctl::Race_Selection, 2);
    QTest::mouseDClick(get<QListWidget>(Ctl::Race_Selection)->viewport(), Qt::LeftButton, {},
                       entryCentre(Ctl::Race_Selection, 3));
    QCOMPARE(get<QLabel>(Ctl::Current_race)->text(), QStringLiteral("Gnome"));
    QCOMPARE(get<QListWidget>(Ctl::Race_Selection)->currentRow(), 3);
  }

  void aPartlyShownEntryStaysPutForTheSecondPress() {
    auto* races = get<QListWidget>(Ctl::Race_Selection);
    races->resize(races->width(), races->height() + 6);  // a height of no whole number of rows
    races->scrollToTop();
    const QRect partly = races->visualItemRect(races->item(7));
    QVERIFY(partly.bottom() > races->viewport()->height());  // only its top shows
    const QPoint at(partly.center().x(), partly.top() + 1);
    const int scrolled = races->verticalScrollBar()->value();
    QTest::mouseClick(races->viewport(), Qt::LeftButton, {}, at);
    QCOMPARE(races->verticalScrollBar()->value(), scrolled);
    QTest::mouseDClick(races->viewport(), Qt::LeftButton, {}, at);
    QCOMPARE(w->model().Current_race.text, std::string("Half-Ogre"));
    // A keyboard move shows the whole of the entry it moves to.
    races->setFocus();
    races->scrollToTop();
    QTest::keyClick(races, Qt::Key_Home);
    for (int i = 0; i < 7; ++i) QTest::keyClick(races, Qt::Key_Down);
    QCOMPARE(w->model().Race_Selection.listIndex, 7);
    QVERIFY(races->viewport()->rect().contains(races->visualItemRect(races->item(7))));
  }

  void clickOnEmptyListAreaSelectsNothing() {
    auto* spells = get<QListWidget>(Ctl::Spell_list);
    spells->resize(spells->width(), spells->height() + 6);  // room below the last spell
    const QPoint below(20, spells->viewport()->height() - 2);
    QVERIFY(!spells->indexAt(below).isValid());
    QTest::mouseClick(spells->viewport(), Qt::LeftButton, {}, below);
    QCOMPARE(w->model().Spell_list.listIndex, -1);
    w->model().WP_plus_Click();
    QTest::mouseDClick(spells->viewport(), Qt::LeftButton, {}, below);
    QVERIFY(w->model().purchased.items.empty());
  }

  void keyboardMovesFollowWithTheDescription() {
    auto* races = get<QListWidget>(Ctl::Race_Selection);
    races->setFocus();
    QTest::keyClick(races, Qt::Key_Up);
    QCOMPARE(w->model().Race_Selection.listIndex, 10);
    QCOMPARE(races->currentRow(), 10);
    QVERIFY(w->model().background_explanations.text.rfind("Humans - ", 0) == 0);
    QTest::keyClick(races, Qt::Key_Home);
    QCOMPARE(w->model().Race_Selection.listIndex, 0);
    QVERIFY(w->model().background_explanations.text.rfind("Dwarves - ", 0) == 0);
    QTest::keyClick(races, Qt::Key_Return);
    QCOMPARE(w->model().Current_race.text, std::string("Dwarf"));
    // A letter jumps to the next entry starting with it, as a click does.
    auto* backgrounds = get<QListWidget>(Ctl::Background_Selection);
    backgrounds->setFocus();
    QTest::keyClick(backgrounds, Qt::Key_B);
    QCOMPARE(w->model().Background_Selection.listIndex, 3);
    QCOMPARE(backgrounds->currentRow(), 3);
    QVERIFY(w->model().background_explanations.text != "No significant background");
    // With no spell selected, the first Down selects the first spell.
    auto* spells = get<QListWidget>(Ctl::Spell_list);
    spells->setFocus();
    QTest::keyClick(spells, Qt::Key_Down);
    QCOMPARE(w->model().Spell_list.listIndex, 0);
    QTest::keyClick(spells, Qt::Key_Down);
    QCOMPARE(w->model().Spell_list.listIndex, 1);
    QCOMPARE(spells->selectedItems().size(), 1);
    QCOMPARE(spells->row(spells->selectedItems().first()), 1);
  }

  void saveWritesTheSheetThroughTheDialog() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("hero.txt"));
    w->setSaveDialog([&] { return path.toStdString(); });
    QGuiApplication::clipboard()->setText(QStringLiteral("Ka\r\nra\n"));
    get<QLineEdit>(Ctl::PCname)->paste();  // the line breaks become blanks
    press(Ctl::SAVE);
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray bytes = f.readAll();
    QCOMPARE(bytes.toStdString(), exporter::sheetBytes(w->model()));
    QVERIFY(bytes.startsWith("Name:  Ka ra \r\nRace:  Human/male"));
  }

  void oddTextInBothBoxesKeepsTheFileWellFormed() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("odd.txt"));
    w->setSaveDialog([&] { return path.toStdString(); });
    auto* name = get<QLineEdit>(Ctl::PCname);
    name->insert(QString::fromUtf8("a\tb\x01" "c \xD7\xA9\xD7\x9C\xD7\x95\xD7\x9D \xE2\x82\xAC"));
    auto* alt = get<ui::MultiLineBox>(Ctl::alternativebackground);
    alt->insertPlainText(QString::fromUtf8("x\ty\r\nz\x02\n\xD7\xA9\xD7\x9C\xD7\x95\xD7\x9D\xE2\x80\x8F end\r"));
    const std::string typedName = w->model().PCname.text;
    const std::string typedAlt = w->model().alternativebackground.text;
    press(Ctl::SAVE);
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray bytes = f.readAll();
    QCOMPARE(bytes.toStdString(), exporter::sheetBytes(w->model()));
    // Every line ends in CR LF and no lone CR or LF stands inside one.
    for (int i = 0; i < bytes.size(); ++i) {
      if (bytes[i] == '\r') QVERIFY(i + 1 < bytes.size() && bytes[i + 1] == '\n');
      if (bytes[i] == '\n') QVERIFY(i > 0 && bytes[i - 1] == '\r');
    }
    QVERIFY(bytes.endsWith("\r\n"));
    QVERIFY(bytes.startsWith("Name:  "));
    const QByteArray firstLine = bytes.left(bytes.indexOf("\r\n"));
    QVERIFY(firstLine.contains("???? \x80"));  // Hebrew letters are not in the code page, the euro is
    QVERIFY(bytes.contains("Alternative Background: x\ty\r\nz"));
    QVERIFY(bytes.contains("\r\n   Spells/Schematics\r\n\r\n"));
    // Saving took nothing away from what was typed.
    QCOMPARE(w->model().PCname.text, typedName);
    QCOMPARE(w->model().alternativebackground.text, typedAlt);
    QCOMPARE(name->text().toStdString(), typedName);
  }

  // Failed saves keep every old file byte for byte, leave nothing behind and
  // say why in one line that fits the box; a good save takes that back.
  void aSaveThatCannotBeWrittenSaysSoAndKeepsTheOldFile() {
    QTemporaryDir dir;
    auto contents = [](const QString& folder) {
      QStringList all;
      for (const QFileInfo& fi : QDir(folder).entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System)) {
        QFile f(fi.filePath());
        all << fi.fileName() + (fi.isFile() && f.open(QIODevice::ReadOnly) ? QString::fromLatin1(f.readAll()) : "*");
      }
      return all;
    };
    auto write = [](const QString& path, const QByteArray& bytes) {
      QFile f(path);
      return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size() && f.flush();
    };
    QVERIFY(write(dir.filePath(QStringLiteral("old.txt")), "keep me"));
    QList<std::pair<QString, QString>> cases = {
        {dir.filePath(QString(300, QLatin1Char('n')) + QStringLiteral(".txt")),
         QStringLiteral("could not save ") + QString(300, QLatin1Char('n')) + QStringLiteral(".txt: name too long")},
        {dir.filePath(QStringLiteral("no/such/folder/x.txt")), QStringLiteral("could not save x.txt: no such folder")},
        {dir.filePath(QStringLiteral("sub.txt")), QStringLiteral("could not save sub.txt: is a folder")}};
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("sub.txt")));
    const QString node = dir.filePath(QStringLiteral("node.txt"));
    if (mknod(QFile::encodeName(node).constData(), S_IFCHR | 0666, makedev(1, 3)) == 0)
      cases.append({node, QStringLiteral("could not save node.txt: not a regular file")});
    else
      qInfo("device node case skipped: mknod needs root");
    QStringList folders{dir.path()};
    if (!fullDisk.isEmpty()) {
      QVERIFY(write(fullDisk + QStringLiteral("/old.txt"), "keep me"));
      for (int i = 0; write(fullDisk + QStringLiteral("/filler%1").arg(i), QByteArray(4096, 'f')); ++i) {}
      cases.append({fullDisk + QStringLiteral("/old.txt"), QStringLiteral("could not save old.txt: disk full")});
      cases.append({fullDisk + QStringLiteral("/new.txt"), QStringLiteral("could not save new.txt: disk full")});
      folders << fullDisk;
    } else {
      qInfo("full disk case skipped: %s", qPrintable(fullDiskSkipped));
    }
    QList<QStringList> before;
    for (const QString& folder : folders) before << contents(folder);
    auto* box = get<QLineEdit>(Ctl::message_window);
    for (const auto& [target, want] : cases) {
      w->setSaveDialog([&] { return target.toStdString(); });
      press(Ctl::ST_plus);  // something on the sheet that must survive
      const Form1State was = w->model();
      press(Ctl::SAVE);
      const QString message = box->text();
      QVERIFY2(sameMessage(message, want), qPrintable(target + " " + message));
      QVERIFY2(QFontMetrics(box->font()).horizontalAdvance(message) <= box->width(), qPrintable(message));
      QCOMPARE(w->model().message_window.text, message.toStdString());
      Form1State after = w->model();
      after.message_window.text = was.message_window.text;
      QVERIFY(after == was);
    }
    for (int i = 0; i < folders.size(); ++i) QCOMPARE(contents(folders[i]), before[i]);
    // A good save clears a save failure, and only that.
    w->setSaveDialog([&] { return dir.filePath(QStringLiteral("old.txt")).toStdString(); });
    press(Ctl::SAVE);
    QCOMPARE(box->text(), QString());
    for (int i = 0; i < 10; ++i) press(Ctl::ST_plus);
    press(Ctl::SAVE);
    QCOMPARE(box->text(), QStringLiteral("No CPs left"));
  }

  // Ctrl+O opens a saved sheet after a race wiped the build, a file that is
  // no sheet changes nothing, and closing keeps the last session for
  // Ctrl+Shift+O; the save dialog proposes the name in the last folder.
  void sheetsOpenAgainAndTheLastSessionIsKept() {
    QTemporaryDir dir;
    auto bytesOf = [](const QString& path) {
      QFile f(path);
      return f.open(QIODevice::ReadOnly) ? f.readAll().toStdString() : std::string("(missing)");
    };
    auto key = [this](Qt::KeyboardModifiers mods) {
      w->activateWindow();
      QVERIFY(QTest::qWaitForWindowActive(w.get()));
      QTest::keyClick(w.get(), Qt::Key_O, mods);
    };
    doubleClickEntry(Ctl::Race_Selection, 0);
    doubleClickEntry(Ctl::Background_Selection, 9);
    for (Ctl b : {Ctl::levelup, Ctl::ST_plus, Ctl::WP_plus, Ctl::Hitpoints_plus, Ctl::bow_plus}) press(b);
    doubleClickEntry(Ctl::Spell_list, 0);
    get<QLineEdit>(Ctl::PCname)->setText(QStringLiteral("Kara/Hel:1"));
    QCOMPARE(w->proposedSavePath(), QDir::current().filePath(QStringLiteral("Kara_Hel_1.txt")));
    const QString path = dir.filePath(QStringLiteral("kara.txt"));
    w->setSaveDialog([&] { return path.toStdString(); });
    press(Ctl::SAVE);
    QCOMPARE(w->proposedSavePath(), dir.filePath(QStringLiteral("Kara_Hel_1.txt")));
    const std::string saved = bytesOf(path);
    const Form1State kept = w->model();
    doubleClickEntry(Ctl::Race_Selection, 5);
    QString chosen = path;
    w->setOpenDialog([&] { return chosen.toStdString(); });
    key(Qt::ControlModifier);
    QCOMPARE(exporter::sheetBytes(w->model()), saved);
    QCOMPARE(text(Ctl::CPs_remaining).toStdString(), kept.CPs_remaining.text);
    QCOMPARE(get<QListWidget>(Ctl::Race_Selection)->currentRow(), 0);
    QCOMPARE(get<QListWidget>(Ctl::purchased)->count(), 1);

    chosen = dir.filePath(QStringLiteral("bad.txt"));
    QFile bad(chosen);
    QVERIFY(bad.open(QIODevice::WriteOnly) && bad.write(QByteArray(saved.data(), 30) + "\r\n") > 0);
    bad.close();
    const Form1State before = w->model();
    key(Qt::ControlModifier);
    QVERIFY(sameMessage(text(Ctl::message_window), QStringLiteral("could not open bad.txt: line 2 is wrong")));
    Form1State after = w->model();
    after.message_window = before.message_window;
    QVERIFY(after == before);

    QFile::remove(MainWindow::lastSessionPath());
    w->close();
    QCOMPARE(bytesOf(MainWindow::lastSessionPath()), saved);
    init();
    key(Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(exporter::sheetBytes(w->model()), saved);
  }

  void undoKeysTakeBackAWipedBuildAndLeaveTypingToTheBoxes() {
    w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w.get()));
    const auto key = [](int k, Qt::KeyboardModifiers m = Qt::ControlModifier) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key(k), m);
    };
    const auto sheet = [this] { return exporter::sheetBytes(w->model()); };
    auto* name = get<QLineEdit>(Ctl::PCname);
    QTest::mouseClick(name, Qt::LeftButton);
    QTest::keyClicks(name, "Kara");
    for (Ctl b : {Ctl::WP_plus, Ctl::bow_plus, Ctl::Hitpoints_plus}) press(b);
    doubleClickEntry(Ctl::Spell_list, 0);
    const std::string built = sheet();
    clickEntry(Ctl::Race_Selection, 0);  // the first press only shows the dwarves
    const Form1State pointed = w->model();
    QTest::mouseDClick(get<QListWidget>(Ctl::Race_Selection)->viewport(), Qt::LeftButton, {},
                       entryCentre(Ctl::Race_Selection, 0));
    const std::string wiped = sheet();
    key(Qt::Key_Z);
    QVERIFY(w->model() == pointed && sheet() == built && wiped != built);
    QCOMPARE(text(Ctl::CPs_remaining), QStringLiteral("1"));
    QCOMPARE(get<QLineEdit>(Ctl::bow)->palette().color(QPalette::Base), QColor(0x00, 0xFA, 0x00));
    QCOMPARE(get<QListWidget>(Ctl::purchased)->count(), 1);
    key(Qt::Key_Y);
    QVERIFY(sheet() == wiped);
    QCOMPARE(get<QLabel>(Ctl::Current_race)->text(), QStringLiteral("Dwarf"));
    key(Qt::Key_Z);
    key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);  // the other redo key
    QVERIFY(sheet() == wiped);
    key(Qt::Key_Z);
    // Browsing is no step: the purchase goes, the college shown stays.
    clickEntry(Ctl::Magick_list, 5);
    key(Qt::Key_Z);
    QCOMPARE(get<QListWidget>(Ctl::purchased)->count(), 0);
    QCOMPARE(text(Ctl::CPs_remaining), QStringLiteral("2"));
    QCOMPARE(w->model().Magick_list.listIndex, 5);
    // Typing in the box: Ctrl+Z is the box's; after a button, the sheet's,
    // and the text typed since stays.
    QTest::mouseClick(name, Qt::LeftButton);
    QTest::keyClick(name, Qt::Key_X);
    key(Qt::Key_Z);  // the box takes back all that was typed in a row
    QCOMPARE(name->text(), QString());
    key(Qt::Key_Y);  // and gives it back; the purchase undone stays undone
    QCOMPARE(name->text() + text(Ctl::CPs_remaining), QStringLiteral("Karax2"));
    QTest::keyClick(name, Qt::Key_Y, Qt::NoModifier);
    press(Ctl::levelup);
    key(Qt::Key_Z);
    QCOMPARE(text(Ctl::Clevel) + text(Ctl::hitpoints) + name->text(), QStringLiteral("135Karaxy"));
  }

  void screenReadersHearNamesRolesTipsAndValues() {
    QAccessibleInterface* win = QAccessible::queryAccessibleInterface(w.get());
    QCOMPARE(win->childCount(), kControlCount);
    QSet<QString> names;
    for (int k = 0; k < win->childCount(); ++k) {
      QAccessibleInterface* a = win->child(k);
      const int i = static_cast<int>(std::find_if(kControls, kControls + kControlCount, [&](const ControlInfo& ci) {
                                       return a->object()->objectName() == QLatin1String(ci.name);
                                     }) - kControls);
      QVERIFY(i < kControlCount);
      const QAccessible::Role role[] = {QAccessible::StaticText, QAccessible::EditableText, QAccessible::List,
                                        QAccessible::Button};
      QCOMPARE(a->role(), role[static_cast<int>(kControls[i].kind)]);
      QCOMPARE(a->text(QAccessible::Description), QString::fromLatin1(ui::kLayout[static_cast<std::size_t>(i)].tooltip));
      QVERIFY2(!a->text(QAccessible::Name).isEmpty(), kControls[i].name);
      if (kControls[i].kind == Kind::Label) continue;
      QVERIFY2(!names.contains(a->text(QAccessible::Name)), kControls[i].name);
      names.insert(a->text(QAccessible::Name));
    }
    const std::pair<Ctl, const char*> heard[] = {
        {Ctl::Strength, "Strength, base"}, {Ctl::Adjcharisma, "Charisma, adjusted"}, {Ctl::ST_plus, "Strength plus"},
        {Ctl::WP_minus, "Willpower minus"}, {Ctl::bow, "Bow"}, {Ctl::ADTraps_plus, "Arm/Disarm Traps plus"},
        {Ctl::Race_Selection, "Race Selection"}, {Ctl::Spell_list, "Spells"}, {Ctl::Fatigue_minus, "Fatigue minus"},
        {Ctl::PCname, "Name"}, {Ctl::purchased, "Purchased Spells and Schematics"}, {Ctl::Clevel, "Current Level"},
        {Ctl::Hitpoints_plus, "Hit points plus"}, {Ctl::levelup, "Level-up"}, {Ctl::Label5, "ST:"}};
    for (const auto& [id, name] : heard)
      QCOMPARE(QAccessible::queryAccessibleInterface(w->widget(id))->text(QAccessible::Name), QString::fromLatin1(name));
    for (int k = 0; k < 6; ++k) press(Ctl::ST_plus);
    press(Ctl::bow_plus);
    for (auto [id, value] : {std::pair{Ctl::Strength, "13"}, {Ctl::message_window, "No CPs left"}})
      QCOMPARE(QAccessible::queryAccessibleInterface(w->widget(id))->text(QAccessible::Value), QLatin1String(value));
  }

  void tabVisitsWhatAUserActsOnInReadingOrder() {
    QStringList visited;
    w->widget(Ctl::Race_Selection)->setFocus();
    const QWidget* ring = w->findChild<QWidget*>(QStringLiteral("focus_ring"));
    for (int k = 0; k < 99 && !visited.contains(QApplication::focusWidget()->objectName()); ++k) {
      visited << QApplication::focusWidget()->objectName();
      QVERIFY(ring->isVisible() && ring->geometry().contains(QApplication::focusWidget()->geometry()));
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    QCOMPARE(visited.join(' '),
             QStringLiteral("Race_Selection Background_Selection Magick_select Tech_select Magick_list Spell_list "
                            "PCname Hitpoints_minus Hitpoints_plus Fatigue_minus Fatigue_plus levelup purchased Clear "
                            "alternativebackground ST_plus ST_minus IN_plus IN_minus CN_plus CN_minus WP_plus "
                            "WP_minus DX_plus DX_minus PE_plus PE_minus BE_plus BE_minus CH_plus CH_minus bow_minus "
                            "bow_plus backstab_minus backstab_plus dodge_minus dodge_plus pickpocket_minus "
                            "pickpocket_plus melee_minus melee_plus prowling_minus prowling_plus throwing_minus "
                            "throwing_plus spottrap_minus spottrap_plus Gambling_minus Gambling_plus Repair_minus "
                            "Repair_plus Haggle_minus Haggle_plus Firearms_minus Firearms_plus Heal_minus Heal_plus "
                            "Picklocks_minus Picklocks_plus Persausion_minus Persausion_plus ADTraps_minus "
                            "ADTraps_plus SAVE Quit"));
    // Space presses the focused button.
    QTest::keyClick(w->widget(Ctl::levelup), Qt::Key_Space);
    QCOMPARE(text(Ctl::Clevel), QStringLiteral("2"));
  }

  void quitClosesTheWindow() {
    press(Ctl::Quit);
    QVERIFY(!w->isVisible());
    QVERIFY(w->model().ended);
  }
};

int main(int argc, char** argv) {
  mountSmallDisk();  // before any thread starts
  QTemporaryDir state;  // where closing the window keeps the last session
  qputenv("XDG_STATE_HOME", state.path().toLocal8Bit());
  QApplication app(argc, argv);
  ui::registerWindowFont();
  WindowTest test;
  const int failed = QTest::qExec(&test, argc, argv);
  if (!fullDisk.isEmpty() && umount(qPrintable(fullDisk)) == 0) rmdir(qPrintable(fullDisk));
  return failed;
}

#include "window_test.moc"
