// The real window under the offscreen platform: what only the widgets do.
#include <sched.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>

#include "export/sheet.h"
#include "ui/layout.h"
#include "ui/main_window.h"
#include "ui/text_boxes.h"

using namespace kethmor;
using kethmor::ui::MainWindow;

// A small full file system of the test's own, mounted where only this
// process sees it (root only); otherwise why it is missing.
static QString fullDisk, fullDiskSkipped = QStringLiteral("needs root");
static void mountSmallDisk() {
  static char folder[] = "/tmp/kethmor-full-XXXXXX";
  if (geteuid() != 0) return;
  if (unshare(CLONE_NEWNS) != 0 || mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
      !mkdtemp(folder) || mount("tmpfs", folder, "tmpfs", 0, "size=64k") != 0)
    fullDiskSkipped = QStringLiteral("no private mount: ") + qt_error_string();
  else
    fullDisk = QString::fromLocal8Bit(folder);
}

static std::string bytesOf(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll().toStdString() : std::string("(missing)");
}

class WindowTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<MainWindow> w;

  template <typename T = QListWidget>
  T* get(Ctl id) { return &dynamic_cast<T&>(*w->widget(id)); }  // throws on a control of another kind
  QString text(Ctl id) { return w->widget(id)->property("text").toString(); }
  QColor colour(Ctl id, QPalette::ColorRole role = QPalette::Base) { return w->widget(id)->palette().color(role); }
  std::string sheet() { return exporter::sheetBytes(w->model()); }
  // A failure message as the box shows it: the file's name may be shortened in the middle to fit.
  static bool sameMessage(const QString& shown, const QString& want) {
    const QStringList ends = shown.split(QChar(0x2026));
    return shown == want || (ends.size() == 2 && want.startsWith(ends[0]) && want.endsWith(ends[1]) &&
                             ends[0].size() > want.indexOf(' ', 10) &&
                             ends[1].size() >= want.size() - want.lastIndexOf(QLatin1String(": ")));
  }
  void press(Ctl id, int times = 1) {
    while (times-- > 0) QTest::mouseClick(get<QPushButton>(id), Qt::LeftButton);
  }
  void saveTo(const QString& path) {
    w->setSaveDialog([path] { return path.toStdString(); });
    press(Ctl::SAVE);
  }
  // A press on an entry, and with `twice` the double click that follows.
  void clickEntry(Ctl list, int row, bool twice = false, bool first = true) {
    auto* l = get(list);
    l->scrollToItem(l->item(row));
    const QPoint at = l->visualItemRect(l->item(row)).center();
    if (first) QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, at);
    if (twice) QTest::mouseDClick(l->viewport(), Qt::LeftButton, {}, at);
  }
  // Every box and caption shows what the model holds, and only the shown controls show.
  void showsTheModel() {
    for (int i = 0; i < kControlCount; ++i) {
      QWidget* wd = w->widget(static_cast<Ctl>(i));
      const Control& c = w->model().ctl(static_cast<Ctl>(i));
      QVERIFY2(wd->isVisible() == c.visible, kControls[i].name);
      if (qobject_cast<QLabel*>(wd) || qobject_cast<QLineEdit*>(wd))
        QCOMPARE(text(static_cast<Ctl>(i)), QString::fromStdString(c.text));
    }
  }
  static void key(int k, Qt::KeyboardModifiers m = Qt::ControlModifier) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key(k), m);
  }

 private slots:
  void init() {
    w = std::make_unique<MainWindow>();
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w.get()));
  }
  void cleanup() { w.reset(); }

  void controlsArePlacedCaptionedColouredHeardAndVisitedAsTheTablesSay() {
    QCOMPARE(w->windowTitle(), QStringLiteral("Kethmor Character Planner          v 1.7"));
    QVERIFY(w->size() == QSize(790, 573) && w->minimumSize() == w->maximumSize());
    QCOMPARE(QAccessible::queryAccessibleInterface(w.get())->childCount(), kControlCount);
    showsTheModel();
    const QAccessible::Role roles[] = {QAccessible::StaticText, QAccessible::EditableText, QAccessible::List,
                                       QAccessible::Button};
    QSet<QString> names;
    for (int i = 0; i < kControlCount; ++i) {
      const ControlInfo& ci = kControls[i];
      const ui::Placement& at = ui::kLayout[static_cast<std::size_t>(i)];
      QWidget* wd = w->widget(static_cast<Ctl>(i));
      QAccessibleInterface* a = QAccessible::queryAccessibleInterface(wd);
      const int pixels = (at.font == ui::Font::B10 || at.font == ui::Font::R10) ? 13 : 11;
      const QString heard = a->text(QAccessible::Name);
      QVERIFY2(wd->geometry() == ui::pixelRect(at) && wd->font().pixelSize() == pixels, ci.name);
      QVERIFY2(QFontInfo(wd->font()).bold() == (at.font == ui::Font::B8 || at.font == ui::Font::B10), ci.name);
      QCOMPARE(QFontInfo(wd->font()).family(), QLatin1String(pixels == 13 ? ui::kFontFamily10 : ui::kFontFamily8));
      QVERIFY2(ci.kind != Kind::Button || text(static_cast<Ctl>(i)) == QLatin1String(ci.text), ci.name);
      QVERIFY2(ci.kind != Kind::TextBox || wd->property("readOnly").toBool() == ((at.flags & ui::READONLY) != 0),
               ci.name);
      QCOMPARE(a->role(), roles[static_cast<int>(ci.kind)]);
      QVERIFY2(wd->toolTip() == QLatin1String(at.tooltip) && a->text(QAccessible::Description) == wd->toolTip(),
               ci.name);
      QVERIFY2(!heard.isEmpty() && (ci.kind == Kind::Label || !names.contains(heard)), ci.name);
      if (ci.kind != Kind::Label) names.insert(heard);
    }
    QVERIFY(!w->widget(Ctl::dummy)->isVisible());
    // A handful of places as the layout publishes them, in twips.
    const struct { Ctl id; int l, t, w, h; } published[] = {
        {Ctl::Label10, 9720, 1560, 420, 255}, {Ctl::ST_minus, 8520, 1080, 225, 240},
        {Ctl::Schematic_list, 120, 7440, 2655, 1035}, {Ctl::SAVE, 7920, 8160, 855, 255}};
    for (const auto& p : published)
      QCOMPARE(w->widget(p.id)->geometry(), QRect(p.l / 15, p.t / 15, p.w / 15, p.h / 15));
    using P = QPalette;
    const QPalette& app = QApplication::palette();
    const struct { Ctl id; P::ColorRole role; QColor want; } colours[] = {
        {Ctl::Tech_select, P::Button, QColor(0xC04000)}, {Ctl::bow_minus, P::Button, QColor(0xFF0000)},
        {Ctl::Magick_list, P::Base, QColor(0xFF00FF)}, {Ctl::Label29, P::WindowText, QColor(0xFF8000)},
        {Ctl::Label4, P::WindowText, app.color(P::ToolTipBase)}, {Ctl::bow, P::Base, app.color(P::Base)},
        {Ctl::message_window, P::Text, QColor(0xFF0000)}, {Ctl::aptitude, P::Base, QColor(0xFFFFFF)}};
    for (const auto& c : colours) QVERIFY2(colour(c.id, c.role) == c.want, info(c.id).name);
    press(Ctl::ST_plus, 6);
    press(Ctl::bow_plus);
    for (auto [id, value] : {std::pair{Ctl::Strength, "13"}, {Ctl::message_window, "No CPs left"}})
      QCOMPARE(QAccessible::queryAccessibleInterface(w->widget(id))->text(QAccessible::Value), QLatin1String(value));
    // The ring follows the focus (the order itself is the keyboard session's).
    w->widget(Ctl::Race_Selection)->setFocus();
    const QWidget* ring = w->findChild<QWidget*>(QStringLiteral("focus_ring"));
    for (int i = 0; i < 40; ++i) {
      QVERIFY(ring->isVisible() && ring->geometry().contains(QApplication::focusWidget()->geometry()));
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
  }

  void boxesRefuseTypingPastTheirLimitsAndButtonsTakeClicksAndKeys() {
    QTest::keyClicks(w->widget(Ctl::Strength), "99");  // read-only
    QVERIFY(text(Ctl::Strength) == "8" && w->model().Strength.text == "8");
    QTest::keyClicks(w->widget(Ctl::PCname), "Abcdefghijklmnopqrstuvwxyz");
    QCOMPARE(text(Ctl::PCname), QStringLiteral("Abcdefghijklmnopqrstuv"));
    QCOMPARE(w->model().PCname.text, text(Ctl::PCname).toStdString());
    auto* alt = get<ui::MultiLineBox>(Ctl::alternativebackground);
    // Typing and a paste far past the limit keep the first 3000 characters; undo takes the paste back whole.
    alt->setFocus();
    alt->setPlainText(QStringLiteral("start "));
    alt->moveCursor(QTextCursor::End);
    QGuiApplication::clipboard()->setText(QString(100000, QLatin1Char('y')));
    alt->paste();
    QTest::keyClicks(alt, "abcd");
    QVERIFY(alt->toPlainText().size() == 3000 && w->model().alternativebackground.text.size() == 3000);
    alt->undo();
    QCOMPARE(alt->toPlainText(), QStringLiteral("start "));
    alt->setPlainText(QStringLiteral("a"));
    alt->moveCursor(QTextCursor::End);
    QTest::keyClick(alt, Qt::Key_Tab);  // leaves the box
    QVERIFY(w->focusWidget() != alt);
    QTest::keyClick(alt, Qt::Key_Tab, Qt::ControlModifier);  // puts a tab into it
    QCOMPARE(alt->toPlainText(), QStringLiteral("a\t"));
    for (int k : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space})
      QTest::keyClick(w->widget(Ctl::ST_plus), Qt::Key(k), k == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
    QCOMPARE(text(Ctl::Strength), QStringLiteral("11"));
    press(Ctl::bow_plus);
    QVERIFY(text(Ctl::bow) == "1" && colour(Ctl::bow) == QColor(0x00FA00));
    press(Ctl::bow_minus);
    QVERIFY(text(Ctl::bow) == "0" && colour(Ctl::bow) == QApplication::palette().color(QPalette::Base));
    const struct { Ctl button; int times; Ctl box; const char* want; } steps[] = {
        {Ctl::ST_minus, 3, Ctl::Strength, "8"}, {Ctl::Fatigue_plus, 1, Ctl::fatigue, "34"},
        {Ctl::Fatigue_minus, 1, Ctl::fatigue, "30"}, {Ctl::levelup, 1, Ctl::CPs_remaining, "6"},
        {Ctl::Hitpoints_plus, 7, Ctl::hitpoints, "56"}};
    for (const auto& s : steps) {
      press(s.button, s.times);
      QVERIFY2(text(s.box) == QLatin1String(s.want), info(s.button).name);
      showsTheModel();
    }
    QVERIFY(text(Ctl::message_window) == "No CPs left" && text(Ctl::CPs_remaining) == "0" && text(Ctl::Clevel) == "2");
    press(Ctl::Quit);
    QVERIFY(!w->isVisible() && w->model().ended);
  }

  void listsFollowKeysPressesAndDoubleClicks() {
    auto* spells = get(Ctl::Spell_list);
    spells->resize(spells->width(), spells->height() + 6);  // a press below the last spell: nothing
    const QPoint below(20, spells->viewport()->height() - 2);
    QVERIFY(!spells->indexAt(below).isValid());
    QTest::mouseClick(spells->viewport(), Qt::LeftButton, {}, below);
    QCOMPARE(w->model().Spell_list.listIndex, -1);
    w->model().WP_plus_Click();
    w->refresh();
    QTest::mouseDClick(spells->viewport(), Qt::LeftButton, {}, below);
    QVERIFY(w->model().purchased.items.empty());
    const struct { Ctl list; Qt::Key key; int row; const char* explains; } moves[] = {
        {Ctl::Race_Selection, Qt::Key_Up, 10, "Humans - "}, {Ctl::Race_Selection, Qt::Key_Home, 0, "Dwarves - "},
        {Ctl::Background_Selection, Qt::Key_B, 3, ""},  // the next entry starting with the letter
        {Ctl::Spell_list, Qt::Key_Down, 0, ""},         // with none selected, the first
        {Ctl::Spell_list, Qt::Key_Down, 1, ""}};
    for (const auto& m : moves) {
      auto* list = get(m.list);
      const std::string was = w->model().background_explanations.text;
      list->setFocus();
      QTest::keyClick(list, m.key);
      QVERIFY(w->model().ctl(m.list).listIndex == m.row && list->currentRow() == m.row);
      QVERIFY(list->selectedItems().size() == 1 && list->row(list->selectedItems().first()) == m.row);
      QVERIFY(m.list == Ctl::Spell_list || w->model().background_explanations.text != was);
      QVERIFY(w->model().background_explanations.text.rfind(m.explains, 0) == 0);
    }
    clickEntry(Ctl::Spell_list, 0, true);
    QVERIFY(get(Ctl::purchased)->count() == 1 && spells->currentRow() == 0 && w->model().Spell_list.listIndex == 0);
    QCOMPARE(get(Ctl::purchased)->item(0)->text() + text(Ctl::aptitude), QStringLiteral("Unseen Force5"));
    QCOMPARE(colour(Ctl::aptitude), QColor(0xFF80FF));
    QCOMPARE(get<ui::MultiLineBox>(Ctl::background_explanations)->toPlainText().toStdString(),
             w->model().background_explanations.text);
    w->widget(Ctl::Race_Selection)->setFocus();
    key(Qt::Key_Return, Qt::NoModifier);
    QCOMPARE(text(Ctl::Adjstrength) + text(Ctl::Current_race) + text(Ctl::Current_background),
             QStringLiteral("9DwarfNone"));
    QCOMPARE(colour(Ctl::Adjstrength), QColor(0x00FA00));
    clickEntry(Ctl::Race_Selection, 2);  // the second press lands on the next entry: that one is applied
    clickEntry(Ctl::Race_Selection, 3, true, false);
    QVERIFY(text(Ctl::Current_race) == "Gnome" && get(Ctl::Race_Selection)->currentRow() == 3);
    // A partly shown entry stays put for the second press.
    auto* races = get(Ctl::Race_Selection);
    races->resize(races->width(), races->height() + 6);  // a height of no whole number of rows
    races->scrollToTop();
    const QRect partly = races->visualItemRect(races->item(7));
    QVERIFY(partly.bottom() > races->viewport()->height());
    const QPoint at(partly.center().x(), partly.top() + 1);
    const int scrolled = races->verticalScrollBar()->value();
    QTest::mouseClick(races->viewport(), Qt::LeftButton, {}, at);
    QCOMPARE(races->verticalScrollBar()->value(), scrolled);
    QTest::mouseDClick(races->viewport(), Qt::LeftButton, {}, at);
    QCOMPARE(w->model().Current_race.text, std::string("Half-Ogre"));
    races->setFocus();  // a keyboard move shows the whole of the entry it moves to
    races->scrollToTop();
    for (int i = 0; i < 8; ++i) QTest::keyClick(races, i ? Qt::Key_Down : Qt::Key_Home);
    QCOMPARE(w->model().Race_Selection.listIndex, 7);
    QVERIFY(races->viewport()->rect().contains(races->visualItemRect(races->item(7))));
    press(Ctl::Tech_select);  // the hidden list takes no clicks
    QWidget* hit = w->childAt(w->widget(Ctl::Magick_list)->geometry().topLeft() + QPoint(20, 30));
    QVERIFY(hit && (hit == w->widget(Ctl::Tech_list) || w->widget(Ctl::Tech_list)->isAncestorOf(hit)));
    clickEntry(Ctl::Tech_list, 2);
    QVERIFY(w->model().Tech_list.listIndex == 2 && w->model().Magick_list.listIndex == 0);
    QCOMPARE(get(Ctl::Schematic_list)->item(0)->text(), QStringLiteral("Bullets"));
  }

  // Odd text saves well formed; failed saves keep every old file byte for
  // byte, change nothing and say why in one line that fits the box; a good
  // save takes that back.
  void savesWriteOddTextAndFailuresKeepTheOldFiles() {
    QTemporaryDir dir;
    const QString old = dir.filePath(QStringLiteral("old.txt"));
    QGuiApplication::clipboard()->setText(QStringLiteral("Ka\r\nra\n"));
    get<QLineEdit>(Ctl::PCname)->paste();  // the line breaks become blanks
    get<ui::MultiLineBox>(Ctl::alternativebackground)->insertPlainText(QStringLiteral("x\ty\r\nz\u2028end\r"));
    const Form1State typed = w->model();
    saveTo(old);
    const QByteArray bytes = QByteArray::fromStdString(bytesOf(old));
    QVERIFY(bytes.toStdString() == sheet() && w->model() == typed);  // saving took nothing from what was typed
    QVERIFY(bytes.startsWith("Name:  Ka ra \r\n") && bytes.contains("Alternative Background: x\ty\r\nz\r\nend\r\n\r\n"));

    auto contents = [](const QString& folder) {
      QStringList all;
      for (const QFileInfo& fi : QDir(folder).entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System))
        all << fi.fileName() + (fi.isFile() ? QString::fromStdString(bytesOf(fi.filePath())) : "*");
      return all;
    };
    auto write = [](const QString& path, const QByteArray& bytes) {
      QFile f(path);
      return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size() && f.flush();
    };
    const QString longName = QString(300, QLatin1Char('n')) + QStringLiteral(".txt"), node = dir.filePath("node.txt");
    QList<std::pair<QString, QString>> cases = {
        {dir.filePath(longName), QStringLiteral("could not save ") + longName + QStringLiteral(": name too long")},
        {dir.filePath(QStringLiteral("no/such/folder/x.txt")), QStringLiteral("could not save x.txt: no such folder")},
        {dir.filePath(QStringLiteral("a\nb/x\ry.txt")), QStringLiteral("could not save x y.txt: no such folder")},
        {dir.filePath(QStringLiteral("sub.txt")), QStringLiteral("could not save sub.txt: is a folder")}};
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("sub.txt")));
    if (mknod(QFile::encodeName(node).constData(), S_IFCHR | 0666, makedev(1, 3)) == 0)
      cases.append({node, QStringLiteral("could not save node.txt: not a regular file")});
    else
      qInfo("device node case skipped: mknod needs root");
    QStringList folders{dir.path()};
    if (!fullDisk.isEmpty()) {
      QVERIFY(write(fullDisk + QStringLiteral("/old.txt"), "keep me"));
      for (int i = 0; write(fullDisk + QStringLiteral("/filler%1").arg(i), QByteArray(4096, 'f')); ++i) {}
      for (const char* file : {"old.txt", "new.txt"})
        cases.append({fullDisk + "/" + file, QStringLiteral("could not save %1: disk full").arg(file)});
      folders << fullDisk;
    } else {
      qInfo("full disk case skipped: %s", qPrintable(fullDiskSkipped));
    }
    QList<QStringList> before;
    for (const QString& folder : folders) before << contents(folder);
    auto* box = get<QLineEdit>(Ctl::message_window);
    for (const auto& [target, want] : cases) {
      press(Ctl::ST_plus);  // something on the sheet that must survive
      Form1State was = w->model();
      saveTo(target);
      QVERIFY2(sameMessage(box->text(), want), qPrintable(target + " " + box->text()));
      QVERIFY2(QFontMetrics(box->font()).horizontalAdvance(box->text()) <= box->width(), qPrintable(box->text()));
      QCOMPARE(w->model().message_window.text, box->text().toStdString());
      was.message_window.text = w->model().message_window.text;
      QVERIFY(w->model() == was);
    }
    for (int i = 0; i < folders.size(); ++i) QCOMPARE(contents(folders[i]), before[i]);
    saveTo(old);  // clears a save failure, and only that
    QCOMPARE(box->text(), QString());
    press(Ctl::ST_plus, 10);
    press(Ctl::SAVE);
    QCOMPARE(box->text(), QStringLiteral("No CPs left"));
  }

  // Undo and redo keys take back a wiped build and leave typing to the boxes;
  // Ctrl+O opens a saved sheet after a race wiped the build, a file that is
  // no sheet changes nothing, and closing keeps the last session for
  // Ctrl+Shift+O; the save dialog proposes the name in the last folder.
  void undoKeysOpenKeysAndTheLastSession() {
    w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w.get()));
    auto* name = get<QLineEdit>(Ctl::PCname);
    QTest::mouseClick(name, Qt::LeftButton);
    QTest::keyClicks(name, "Kara");
    for (Ctl b : {Ctl::WP_plus, Ctl::bow_plus, Ctl::Hitpoints_plus}) press(b);
    clickEntry(Ctl::Spell_list, 0, true);
    const std::string built = sheet();
    clickEntry(Ctl::Race_Selection, 0);  // the first press only shows the dwarves
    const Form1State pointed = w->model();
    clickEntry(Ctl::Race_Selection, 0, true, false);
    const std::string wiped = sheet();
    key(Qt::Key_Z);
    QVERIFY(w->model() == pointed && sheet() == built && wiped != built);
    QVERIFY(text(Ctl::CPs_remaining) == "1" && colour(Ctl::bow) == QColor(0x00FA00));
    QCOMPARE(get(Ctl::purchased)->count(), 1);
    key(Qt::Key_Y);
    QVERIFY(sheet() == wiped && text(Ctl::Current_race) == "Dwarf");
    key(Qt::Key_Z);
    key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);  // the other redo key
    QVERIFY(sheet() == wiped);
    key(Qt::Key_Z);
    for (Ctl b : {Ctl::Tech_select, Ctl::Magick_select}) press(b);  // browsing is no step: the purchase
    clickEntry(Ctl::Magick_list, 5);                                  // goes, the college shown stays
    key(Qt::Key_Z);
    QVERIFY(get(Ctl::purchased)->count() == 0 && w->model().Magick_list.listIndex == 5);
    QCOMPARE(text(Ctl::CPs_remaining), QStringLiteral("2"));
    // Typing in the box: Ctrl+Z is the box's; after a button, the sheet's, and the text typed since stays.
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

    QTemporaryDir dir;
    auto open = [this](Qt::KeyboardModifiers mods) {
      w->activateWindow();
      QVERIFY(QTest::qWaitForWindowActive(w.get()));
      QTest::keyClick(w.get(), Qt::Key_O, mods);
    };
    clickEntry(Ctl::Race_Selection, 0, true);
    clickEntry(Ctl::Background_Selection, 9, true);
    for (Ctl b : {Ctl::levelup, Ctl::ST_plus, Ctl::WP_plus, Ctl::Hitpoints_plus, Ctl::bow_plus}) press(b);
    clickEntry(Ctl::Spell_list, 0, true);
    name->setText(QStringLiteral("Kara/Hel:1"));
    QCOMPARE(w->proposedSavePath(), QDir::current().filePath(QStringLiteral("Kara_Hel_1.txt")));
    QString chosen = dir.filePath(QStringLiteral("kara.txt"));
    saveTo(chosen);
    QCOMPARE(w->proposedSavePath(), dir.filePath(QStringLiteral("Kara_Hel_1.txt")));
    const std::string saved = bytesOf(chosen);
    const Form1State kept = w->model();
    clickEntry(Ctl::Race_Selection, 5, true);
    w->setOpenDialog([&] { return chosen.toStdString(); });
    open(Qt::ControlModifier);
    QVERIFY(sheet() == saved && text(Ctl::CPs_remaining).toStdString() == kept.CPs_remaining.text);
    QCOMPARE(get(Ctl::Race_Selection)->currentRow(), 0);
    QCOMPARE(get(Ctl::purchased)->count(), 1);
    chosen = dir.filePath(QStringLiteral("bad.txt"));
    QFile bad(chosen);
    QVERIFY(bad.open(QIODevice::WriteOnly) && bad.write(QByteArray(saved.data(), 30) + "\r\n") > 0);
    bad.close();
    Form1State before = w->model();
    open(Qt::ControlModifier);
    QVERIFY(sameMessage(text(Ctl::message_window), QStringLiteral("could not open bad.txt: line 2 is wrong")));
    before.message_window = w->model().message_window;
    QVERIFY(w->model() == before);
    QFile::remove(MainWindow::lastSessionPath());
    w->close();
    QCOMPARE(bytesOf(MainWindow::lastSessionPath()), saved);
    init();
    open(Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(sheet(), saved);
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
