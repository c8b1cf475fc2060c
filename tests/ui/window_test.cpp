// The real window under the offscreen platform: what only the widgets do.
#include <sched.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <QtTest>
#include <QtWidgets>
#include <QtPrintSupport>

#include "sheet/build_code.h"
#include "sheet/sheet.h"
#include "ui/goal_window.h"
#include "ui/main_window.h"
#include "ui/plan_window.h"
#include "ui/print_text.h"
#include "ui/text_boxes.h"

using namespace kethmor;

static QString fullDisk;  // a small file system of the test's own, mounted where only this process sees it
static std::string bytesOf(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll().toStdString() : std::string("(missing)");
}
static bool write(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size() && f.flush();
}

class WindowTest : public QObject {
  Q_OBJECT
  std::unique_ptr<ui::MainWindow> w;
  template <class T = QListWidget> T* get(Ctl id) { return &dynamic_cast<T&>(*w->widget(id)); }  // throws if no T
  QString text(Ctl id) { return w->widget(id)->property("text").toString(); }
  QColor colour(Ctl id, QPalette::ColorRole role = QPalette::Base) { return w->widget(id)->palette().color(role); }
  std::string sheet() { return sheet::sheetBytes(w->model()); }
  // `want` as shown, or with part of the file name in it cut out for "..." (the name only is cut to fit)
  static bool sameMessage(const QString& shown, const QString& want, const QString& file = {}) {
    const QStringList ends = shown.split(QStringLiteral("..."));
    const qsizetype at = file.isEmpty() ? -1 : want.indexOf(file);
    return shown == want || (at >= 0 && ends.size() == 2 && want.startsWith(ends[0]) && want.endsWith(ends[1]) &&
                             ends[0].size() >= at && want.size() - ends[1].size() <= at + file.size());
  }
  bool saysInFull(const QString& full) {  // the message box fits what it shows and holds the full text for the reader
    QWidget* box = w->widget(Ctl::message_window);
    return box->toolTip() == full && box->accessibleDescription() == full &&
           QFontMetrics(box->font()).horizontalAdvance(text(Ctl::message_window)) <= box->width() - 8;
  }
  void press(Ctl id, int times = 1) { while (times-- > 0) QTest::mouseClick(get<QPushButton>(id), Qt::LeftButton); }
  void saveTo(const QString& path) { w->setSaveDialog([path] { return path.toStdString(); }); press(Ctl::SAVE); }
  void open(Qt::KeyboardModifiers mods) { QTest::keyClick(w.get(), Qt::Key_O, Qt::ControlModifier | mods); }
  void key(Qt::Key k, Qt::KeyboardModifiers m = Qt::ControlModifier) { QTest::keyClick(qApp->focusWidget(), k, m); }
  void clickEntry(Ctl list, int row, bool twice = false, bool first = true) {  // `twice`: a double click after
    auto* l = get(list);
    l->scrollToItem(l->item(row));
    const QPoint at = l->visualItemRect(l->item(row)).center();
    if (first) QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, at);
    if (twice) QTest::mouseDClick(l->viewport(), Qt::LeftButton, {}, at);
  }
  void showsTheModel() {  // each text as the model holds it, a one-line box heard saying it; only shown controls show
    for (int i = 0; i < kControlCount; ++i) {
      QWidget* wd = w->widget(static_cast<Ctl>(i));
      const Control& c = w->model().ctl(static_cast<Ctl>(i));
      const QVariant shown = wd->property(qobject_cast<QPlainTextEdit*>(wd) ? "plainText" : "text");
      const QString heard = QAccessible::queryAccessibleInterface(wd)->text(QAccessible::Value);
      QVERIFY2(wd->isVisible() == c.visible && (!shown.isValid() || shown.toString().toStdString() == c.text) &&
                   (!qobject_cast<QLineEdit*>(wd) || heard == shown.toString()),
               qPrintable(kControls[i].name + (" shows " + shown.toString() + ", heard " + heard)));
    }
  }

  // A gnome named "Zoë" with a long alternative background, copied as the sheet (Ctrl+C with nothing
  // selected) and as its build code (Ctrl+Shift+C), then a fresh window.
  struct Copied { std::string blank, built; QString sheet, code; };
  Copied copyGnome() {
    Copied c{sheet(), {}, {}, {}};
    clickEntry(Ctl::Race_Selection, 3, true);
    get<ui::MultiLineBox>(Ctl::alternativebackground)->setPlainText(QString("a long story\n").repeated(60));
    auto* name = get<QLineEdit>(Ctl::PCname);
    name->setText("Zoë");
    name->setFocus();
    name->setSelection(1, 0);
    key(Qt::Key_C);
    c.built = sheet(), c.sheet = qApp->clipboard()->text();
    key(Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);  // the build code, also from a text box
    c.code = qApp->clipboard()->text();
    init();
    return c;
  }

 private slots:
  void init() {
    w = std::make_unique<ui::MainWindow>();
    w->show();
    w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w.get()));
  }
  void cleanup() { w.reset(); }

  // A few controls placed, lettered, tipped and coloured as published, every control heard by a name of its own;
  // boxes and buttons take keys and clicks; Quit ends the program.
  void controlsLookAndAnswerAsPublished() {
    QVERIFY(w->windowTitle() == "Kethmor Character Planner          v 1.7" && w->size() == QSize(790, 573) &&
            w->minimumSize() == w->maximumSize() && !w->widget(Ctl::dummy)->isVisible());
    QCOMPARE(QAccessible::queryAccessibleInterface(w.get())->childCount(), kControlCount);
    showsTheModel();
    QSet<QString> names;  // every control heard by a name of its own, its tool tip as description
    for (int i = 0; i < kControlCount; ++i) {
      QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w->widget(static_cast<Ctl>(i)));
      const QString heard = a->text(QAccessible::Name);
      QVERIFY2(!heard.isEmpty() && (kControls[i].kind == Kind::Label || !names.contains(heard)), kControls[i].name);
      QVERIFY2(a->text(QAccessible::Description) == w->widget(static_cast<Ctl>(i))->toolTip(), kControls[i].name);
      if (kControls[i].kind != Kind::Label) names.insert(heard);
    }
    const struct { Ctl id; int l, t, w, h, pixels; bool bold; const char* tip; QAccessible::Role role; } published[] = {
        {Ctl::Label10, 9720, 1560, 420, 255, 13, true, "bonus for 20 = immune to any Spell resisted by Willpower ",
         QAccessible::StaticText},  // places in twips, font sizes in pixels at 1x
        {Ctl::Speed, 5640, 1800, 375, 285, 13, false, "determines how many actions can be performed in a turn",
         QAccessible::EditableText},
        {Ctl::Schematic_list, 120, 7440, 2655, 1035, 11, false, "shows schematics for selected discipline",
         QAccessible::List},
        {Ctl::SAVE, 7920, 8160, 855, 255, 11, true, "saves  current inforamtion to text file", QAccessible::Button}};
    for (const auto& p : published) {
      QWidget* wd = w->widget(p.id);
      auto what = [&](const char* property) { return QByteArray(info(p.id).name) + " " + property; };
      QVERIFY2(wd->geometry() == QRect(p.l / 15, p.t / 15, p.w / 15, p.h / 15), what("place").constData());
      QVERIFY2(wd->font().pixelSize() == p.pixels, what("font size").constData());
      QVERIFY2(QFontInfo(wd->font()).family() == (p.pixels == 13 ? "Kethmor Sans 10" : "Kethmor Sans 8"), what("font").constData());
      QVERIFY2(QFontInfo(wd->font()).bold() == p.bold, what("bold").constData());
      QVERIFY2(wd->toolTip() == p.tip, what("tool tip").constData());
      QVERIFY2(QAccessible::queryAccessibleInterface(wd)->role() == p.role, what("role").constData());
    }
    using P = QPalette;
    const struct { Ctl id; P::ColorRole role; QColor want; } colours[] = {
        {Ctl::Tech_select, P::Button, QColor(0xC04000)}, {Ctl::bow_minus, P::Button, QColor(0xFF0000)},
        {Ctl::Label4, P::WindowText, qApp->palette().color(P::ToolTipBase)}, {Ctl::aptitude, P::Base, Qt::white},
        {Ctl::bow, P::Base, qApp->palette().color(P::Base)}, {Ctl::Magick_list, P::Base, QColor(0xFF00FF)},
        {Ctl::message_window, P::Text, QColor(0xFF0000)}, {Ctl::Label29, P::WindowText, QColor(0xFF8000)}};
    for (const auto& c : colours) QVERIFY2(colour(c.id, c.role) == c.want, info(c.id).name);
    w->widget(Ctl::Race_Selection)->setFocus();  // the ring follows the focus (the order is the keyboard session's)
    const QWidget* ring = w->findChild<QWidget*>(QStringLiteral("focus_ring"));
    for (int i = 0; i < 40; ++i, key(Qt::Key_Tab, {}))
      QVERIFY(ring->isVisible() && ring->geometry().contains(qApp->focusWidget()->geometry()));
    const struct { Ctl box, next, before; } around[] = {{Ctl::Strength, Ctl::ST_plus, Ctl::alternativebackground},
        {Ctl::aptitude, Ctl::levelup, Ctl::Fatigue_plus}, {Ctl::message_window, Ctl::Magick_select, Ctl::Background_Selection},
        {Ctl::bow, Ctl::bow_plus, Ctl::bow_minus}};  // Tab from a clicked read-only box goes on in reading order
    for (const auto& a : around)
      for (auto [k, want] : {std::pair{Qt::Key_Tab, a.next}, {Qt::Key_Backtab, a.before}}) {
        QTest::mouseClick(w->widget(a.box), Qt::LeftButton);
        key(k, {});
        QVERIFY2(qApp->focusWidget() == w->widget(want), info(a.box).name);
      }
    for (Ctl box : {Ctl::Strength, Ctl::PCname}) QTest::keyClicks(w->widget(box), "99Abcdefghijklmnopqrstuvwxyz");
    QVERIFY(text(Ctl::Strength) == "8" && text(Ctl::PCname) == "99Abcdefghijklmnopqrst");  // read-only; at most 22
    auto* alt = get<ui::MultiLineBox>(Ctl::alternativebackground);
    alt->setFocus();  // typing and a paste far past the limit keep 3000 characters; undo takes the paste back whole
    QTest::keyClicks(alt, "start ");
    QGuiApplication::clipboard()->setText(QString(100000, QLatin1Char('y')));
    alt->paste();
    QTest::keyClicks(alt, "abcd");
    QVERIFY(alt->toPlainText().size() == 3000 && w->model().alternativebackground.text.size() == 3000);
    alt->undo();
    QTest::keyClick(alt, Qt::Key_Tab, Qt::ControlModifier);  // puts a tab into the box; Tab leaves it
    QTest::keyClick(alt, Qt::Key_Tab);
    QVERIFY(alt->toPlainText() == "start \t" && w->focusWidget() != alt);
    for (int k : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space})
      QTest::keyClick(w->widget(Ctl::ST_plus), Qt::Key(k), k == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
    QCOMPARE(text(Ctl::Strength), QStringLiteral("11"));
    const struct { Ctl button; int times; Ctl box; const char* want; QColor shade = Qt::white; } steps[] = {
        {Ctl::bow_plus, 1, Ctl::bow, "1", QColor(0x00FA00)}, {Ctl::bow_minus, 1, Ctl::bow, "0"},
        {Ctl::ST_minus, 3, Ctl::Strength, "8"}, {Ctl::Fatigue_plus, 1, Ctl::fatigue, "34"},
        {Ctl::Fatigue_minus, 1, Ctl::fatigue, "30"}, {Ctl::levelup, 1, Ctl::CPs_remaining, "6"},
        {Ctl::Hitpoints_plus, 7, Ctl::hitpoints, "56"}};
    for (const auto& s : steps) {
      press(s.button, s.times);
      QVERIFY2(text(s.box) == QLatin1String(s.want) && colour(s.box) == s.shade, info(s.button).name);
      showsTheModel();
    }
    QVERIFY(text(Ctl::message_window) == "No CPs left" && text(Ctl::CPs_remaining) == "0" && text(Ctl::Clevel) == "2");
    QVERIFY2(saysInFull("No CPs left"), "a rule's message as the tool tip");
    press(Ctl::Quit);
    QVERIFY(!w->isVisible() && w->model().ended);
  }

  void listsFollowKeysPressesAndDoubleClicks() {
    auto *spells = get(Ctl::Spell_list), *races = get(Ctl::Race_Selection);  // below the last spell: nothing
    spells->resize(spells->size() + QSize(0, 6));
    const QPoint below(20, spells->viewport()->height() - 2);
    press(Ctl::WP_plus);
    QTest::mouseClick(spells->viewport(), Qt::LeftButton, {}, below);
    QTest::mouseDClick(spells->viewport(), Qt::LeftButton, {}, below);
    QVERIFY(w->model().Spell_list.listIndex == -1 && w->model().purchased.items.empty());
    const struct { Ctl list; Qt::Key key; int row; const char* explains; } moves[] = {
        {Ctl::Race_Selection, Qt::Key_Up, 10, "Humans - "}, {Ctl::Race_Selection, Qt::Key_Home, 0, "Dwarves - "},
        {Ctl::Background_Selection, Qt::Key_B, 3, ""},  // the next entry starting with the letter, and with none
        {Ctl::Spell_list, Qt::Key_Down, 0, ""}, {Ctl::Spell_list, Qt::Key_Down, 1, ""}};  // selected, the first
    for (const auto& m : moves) {
      auto* list = get(m.list);
      const std::string was = w->model().background_explanations.text;
      QTest::keyClick(list, m.key);
      const std::string& now = w->model().background_explanations.text;
      QVERIFY2(w->model().ctl(m.list).listIndex == m.row && list->currentRow() == m.row &&
                   list->selectedItems().size() == 1 && list->row(list->selectedItems().first()) == m.row &&
                   (m.list == Ctl::Spell_list || now != was) && now.rfind(m.explains, 0) == 0,
               info(m.list).name);
    }
    clickEntry(Ctl::Spell_list, 0, true);
    QVERIFY(get(Ctl::purchased)->count() == 1 && spells->currentRow() == 0 && w->model().Spell_list.listIndex == 0 &&
            colour(Ctl::aptitude) == QColor(0xFF80FF));
    QCOMPARE(get(Ctl::purchased)->item(0)->text() + text(Ctl::aptitude), QStringLiteral("Unseen Force5"));
    showsTheModel();
    QTest::keyClick(races, Qt::Key_Return);
    QVERIFY(text(Ctl::Adjstrength) + text(Ctl::Current_race) + text(Ctl::Current_background) == "9DwarfNone" &&
            colour(Ctl::Adjstrength) == QColor(0x00FA00));
    clickEntry(Ctl::Race_Selection, 2);  // the second press lands on the next entry: that one is applied
    clickEntry(Ctl::Race_Selection, 3, true, false);
    QVERIFY(text(Ctl::Current_race) == "Gnome" && races->currentRow() == 3);
    races->resize(races->size() + QSize(0, 6));  // a partly shown entry stays put for the second press
    races->scrollToTop();
    const QRect partly = races->visualItemRect(races->item(7));
    const QPoint at(partly.center().x(), partly.top() + 1);
    QTest::mouseClick(races->viewport(), Qt::LeftButton, {}, at);
    QVERIFY(partly.bottom() > races->viewport()->height() && races->verticalScrollBar()->value() == 0);
    QTest::mouseDClick(races->viewport(), Qt::LeftButton, {}, at);
    QCOMPARE(w->model().Current_race.text, std::string("Half-Ogre"));
    races->scrollToTop();  // a keyboard move shows the whole of the entry it moves to
    for (int i = 0; i < 8; ++i) QTest::keyClick(races, i ? Qt::Key_Down : Qt::Key_Home);
    QVERIFY(w->model().Race_Selection.listIndex == 7 &&
            races->viewport()->rect().contains(races->visualItemRect(races->item(7))));
    press(Ctl::Tech_select);  // the hidden list takes no clicks
    QWidget* hit = w->childAt(w->widget(Ctl::Magick_list)->geometry().topLeft() + QPoint(20, 30));
    clickEntry(Ctl::Tech_list, 2);
    QVERIFY(w->widget(Ctl::Tech_list)->isAncestorOf(hit) && w->model().Tech_list.listIndex == 2 &&
            w->model().Magick_list.listIndex == 0 && get(Ctl::Schematic_list)->item(0)->text() == "Bullets");
  }

  // Pasted and typed text: line breaks in the name become blanks, a NUL goes; saving takes nothing typed.
  void pastedAndTypedTextIsSavedAsShown() {
    QTemporaryDir dir;
    const QString old = dir.filePath(QStringLiteral("old.txt"));
    QGuiApplication::clipboard()->setText(QString::fromUtf16(u"K\0a\r\nra\n", 8));
    get<QLineEdit>(Ctl::PCname)->paste();  // the line breaks become blanks; a NUL pasted or typed goes
    QGuiApplication::clipboard()->setText(QString::fromUtf16(u"x\ty\0\r\nz\u2028end\r", 13));
    get<ui::MultiLineBox>(Ctl::alternativebackground)->paste();
    for (Ctl id : {Ctl::PCname, Ctl::alternativebackground}) {
      QInputMethodEvent typed;
      typed.setCommitString(QString::fromUtf16(u"\0!", 2));
      QApplication::sendEvent(w->widget(id), &typed);
    }
    const Form1State typed = w->model();
    saveTo(old);
    const QByteArray bytes = QByteArray::fromStdString(bytesOf(old));
    QVERIFY(bytes.toStdString() == sheet() && w->model() == typed && bytes.startsWith("Name:  Ka ra !\r\n") &&
            bytes.contains("Alternative Background: x\ty\r\nz\r\nend\r\n!\r\n\r\n"));  // saving took nothing typed
  }

  // Failed saves keep every old file, change nothing and say why in one line that fits; a good save clears that.
  void failedSavesKeepEveryFileAndSayWhy() {
    QTemporaryDir dir;
    const QString old = dir.filePath(QStringLiteral("old.txt"));
    saveTo(old);
    const QString longName = QString(300, QLatin1Char('n')) + ".txt", node = dir.filePath("node.txt");
    QVERIFY(QDir(dir.path()).mkdir("sub.txt"));
    const bool made = mknod(QFile::encodeName(node).constData(), S_IFCHR | 0666, makedev(1, 3)) == 0;
    const bool full = !fullDisk.isEmpty() && write(fullDisk + "/old.txt", "keep me");
    for (int i = 0; full && write(fullDisk + QStringLiteral("/filler%1").arg(i), QByteArray(4096, 'f')); ++i) {}
    const struct { bool tried; QString target, want; } cases[] = {
        {true, dir.filePath(longName), "could not save " + longName + ": name too long"},
        {true, dir.filePath("no/such/folder/x.txt"), "could not save x.txt: no such folder"},
        {true, dir.filePath("a\nb/x\ry.txt"), "could not save x y.txt: no such folder"},
        {true, dir.filePath("sub.txt"), "sub.txt is a folder"},
        {made, node, "could not save node.txt: not a regular file"},
        {full, fullDisk + "/old.txt", "could not save old.txt: disk full"},
        {full, fullDisk + "/new.txt", "could not save new.txt: disk full"}};
    if (!made || !full) qInfo("device node or full disk case skipped: they need root and a private mount");
    auto contents = [&] {  // every entry's path and bytes; a folder reads as missing
      QStringList all;
      for (const QString& folder : {dir.path(), full ? fullDisk : dir.path()})
        for (const QFileInfo& fi : QDir(folder).entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System))
          all << fi.filePath() + QString::fromStdString(bytesOf(fi.filePath()));
      return all;
    };
    const QStringList before = contents();
    auto* box = get<QLineEdit>(Ctl::message_window);
    for (const auto& [tried, target, want] : cases) {
      press(Ctl::ST_plus);  // something on the sheet that must survive
      Form1State was = w->model();
      if (tried) saveTo(target);
      was.message_window.text = box->text().toStdString();  // the model holds the message shown, nothing else new
      QVERIFY2(!tried || (sameMessage(box->text(), want, QFileInfo(target).fileName().replace(QRegularExpression("[\r\n]"), " ")) && w->model() == was), qPrintable(target + " " + box->text()));
      QVERIFY2(!tried || saysInFull(want), qPrintable(target + ": the full text in the tool tip, the shown text fits"));
    }
    QCOMPARE(contents(), before);
    saveTo(old);  // clears a save failure, and only that
    QCOMPARE(box->text() + box->toolTip(), QStringLiteral("displays important messages"));
    press(Ctl::ST_plus, 10);
    press(Ctl::SAVE);
    QCOMPARE(box->text(), QStringLiteral("No CPs left"));
  }

  // Hiding the focused list hands the focus to the list shown in its place, never to the name box, also when the
  // window was not active at the click (another window had the focus, or a dialog had just closed).
  void hidingTheFocusedListKeepsTheUndoKeysOffTheNameBox() {
    const struct { Ctl list; bool levelUp, inactive; } rows[] = {{Ctl::Spell_list, false, false},
        {Ctl::Schematic_list, false, false}, {Ctl::Schematic_list, true, false}, {Ctl::Schematic_list, false, true},
        {Ctl::Magick_list, false, true}};
    for (const auto& [list, levelUp, inactive] : rows) {
      init();
      QTest::keyClicks(get<QLineEdit>(Ctl::PCname), "Bob");
      const bool tech = list == Ctl::Schematic_list;
      if (tech) press(Ctl::Tech_select);
      if (levelUp) press(Ctl::levelup);
      clickEntry(list, 0, !levelUp && list != Ctl::Magick_list);
      QWidget other;  // has the focus while the list is hidden
      if (inactive) other.show(), other.activateWindow();
      QVERIFY(!inactive || QTest::qWaitForWindowActive(&other));
      press(tech ? Ctl::Magick_select : Ctl::Tech_select);
      if (inactive) w->activateWindow();
      QVERIFY(QTest::qWaitForWindowActive(w.get()));
      key(Qt::Key_Z);
      QTest::keyClicks(qApp->focusWidget(), "x");
      const Ctl shown = list == Ctl::Magick_list ? Ctl::Tech_list : tech ? Ctl::Spell_list : Ctl::Schematic_list;
      QVERIFY2(qApp->focusWidget() == w->widget(shown), info(list).name);
      QVERIFY2(text(Ctl::PCname) + text(Ctl::CPs_remaining) + text(Ctl::Clevel) == "Bob51", info(list).name);
    }
  }

  // Ctrl+Z and Ctrl+Y (or Ctrl+Shift+Z) on the build, and in the name box while it is typed in.
  void undoAndRedoKeys() {
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
    QVERIFY(w->model() == pointed && sheet() == built && wiped != built && text(Ctl::CPs_remaining) == "1" &&
            colour(Ctl::bow) == QColor(0x00FA00) && get(Ctl::purchased)->count() == 1);
    for (auto [k, m] : {std::pair<Qt::Key, Qt::KeyboardModifiers>{Qt::Key_Y, Qt::ControlModifier},
                        {Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier}}) {  // either redo key, then undo
      key(k, m);
      QVERIFY(sheet() == wiped && text(Ctl::Current_race) == "Dwarf");
      key(Qt::Key_Z);
    }
    key(Qt::Key_Z);
    QTest::mouseClick(name, Qt::LeftButton);  // typing, Ctrl+Z is the box's; after a button, the sheet's
    QTest::keyClick(name, Qt::Key_X);
    key(Qt::Key_Z);  // the box takes back all that was typed in a row
    const QString undone = name->text();
    key(Qt::Key_Y);  // and gives it back; the purchase undone stays undone
    QTest::keyClick(name, Qt::Key_Y, Qt::NoModifier);
    press(Ctl::levelup);
    key(Qt::Key_Z);
    QCOMPARE(undone + "|" + text(Ctl::Clevel) + text(Ctl::hitpoints) + name->text() + text(Ctl::CPs_remaining),
             QStringLiteral("|135Karaxy2"));
  }

  // The save dialog's proposed name; Ctrl+O opens a sheet; files dropped on either box.
  void openingAndDroppingSheets() {
    QTemporaryDir dir;
    auto* name = get<QLineEdit>(Ctl::PCname);
    for (auto [list, row] : {std::pair{Ctl::Race_Selection, 0}, {Ctl::Background_Selection, 9}})
      clickEntry(list, row, true);
    for (Ctl b : {Ctl::levelup, Ctl::ST_plus, Ctl::WP_plus, Ctl::Hitpoints_plus, Ctl::bow_plus}) press(b);
    clickEntry(Ctl::Spell_list, 0, true);
    name->setText(QStringLiteral("Kara/Hel:1"));  // the session's names, in the last folder
    QCOMPARE(w->proposedSavePath(), QDir::home().filePath(QStringLiteral("Kara_Hel_1.txt")));
    QString chosen = dir.filePath(QStringLiteral("kara.txt"));
    saveTo(chosen);
    QCOMPARE(w->proposedSavePath(), dir.filePath(QStringLiteral("Kara_Hel_1.txt")));
    const std::string saved = bytesOf(chosen);
    const QString cps = text(Ctl::CPs_remaining);
    clickEntry(Ctl::Race_Selection, 5, true);  // a race wipes the build; opening brings it back
    w->setOpenDialog([&] { return chosen.toStdString(); });
    open({});
    QVERIFY(sheet() == saved && text(Ctl::CPs_remaining) == cps && get(Ctl::Race_Selection)->currentRow() == 0 &&
            get(Ctl::purchased)->count() == 1);
    QMimeData files;  // dropped as a file manager drags them, with their addresses as text, on either text box
    files.setUrls({QUrl::fromLocalFile(dir.filePath("kara.txt")), QUrl::fromLocalFile(chosen)});
    files.setText(files.urls().first().toString());
    for (QWidget* box : {w->widget(Ctl::PCname), get<ui::MultiLineBox>(Ctl::alternativebackground)->viewport()}) {
      clickEntry(Ctl::Race_Selection, 5, true);
      QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &files, Qt::LeftButton, {});
      QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &files, Qt::LeftButton, {});
      QApplication::sendEvent(box, &enter);
      QApplication::sendEvent(box, &drop);
      QVERIFY(sheet() == saved && text(Ctl::message_window) == "only the first of 2 files was opened");
    }
  }

  // Ctrl+L: the plan follows a purchase; its text has the focus each time the window opens; every button has an Alt
  // key; Copy and Ctrl+C from every control copy the plan (a part selected, that part); Save... writes it in the sheet's
  // code page and line ends; a level shown (Enter in the level box) is one step that Ctrl+Z takes back from every
  // control; Escape closes.
  void levelPlanWindow() {
    press(Ctl::ST_plus, 2), press(Ctl::levelup, 4), press(Ctl::Hitpoints_plus, 5);
    QTest::keyClick(w.get(), Qt::Key_L, Qt::ControlModifier);
    auto* plan = w->findChild<ui::PlanWindow*>();
    QVERIFY(plan && plan->isVisible() && !plan->isModal() && plan->windowTitle() == "Level plan");
    auto* shown = plan->findChild<QPlainTextEdit*>();
    QVERIFY2(plan->focusWidget() == shown, "the plan text has the focus when the window opens");
    press(Ctl::bow_plus);
    const QString want = "Level plan: Human/male, background none\nLevel 1 (5 CPs): Strength x2, Hit points x3\n"
                         "Level 2 (1 CP): Hit points\nLevel 3 (1 CP): Hit points\nLevel 4 (1 CP): Bow\n"
                         "Level 5 (2 CPs): nothing\nUnspent: 2 CPs";
    QCOMPARE(shown->toPlainText(), want);
    QVERIFY(shown->font().family() == ui::kFontFamily8 && !shown->font().bold());
    auto* level = plan->findChild<QSpinBox*>();
    auto* close = plan->findChild<QPushButton*>("planClose");
    QSet<QKeySequence> altKeys;
    for (auto* b : plan->findChildren<QPushButton*>()) altKeys << QKeySequence::mnemonic(b->text());
    QVERIFY2(altKeys.size() == 5 && !altKeys.contains(QKeySequence()), "five buttons, an Alt key of its own each");
    auto keyIn = [](QWidget* control, Qt::Key k, Qt::KeyboardModifiers m = Qt::ControlModifier) {
      control->setFocus();
      QTest::keyClick(control, k, m);
    };
    for (QWidget* from : std::initializer_list<QWidget*>{shown, level, close}) {  // from each control, the whole plan
      QApplication::clipboard()->clear();
      if (from == shown) QTest::mouseClick(plan->findChild<QPushButton*>("planCopy"), Qt::LeftButton);
      QVERIFY2(from != shown || QApplication::clipboard()->text() == want, "Copy copies the plan");
      QApplication::clipboard()->clear();
      keyIn(from, Qt::Key_C);
      QVERIFY2(QApplication::clipboard()->text() == want, qPrintable("Ctrl+C copies the plan from " + from->objectName()));
    }
    shown->moveCursor(QTextCursor::Start);
    shown->moveCursor(QTextCursor::NextWord, QTextCursor::MoveAnchor);
    shown->moveCursor(QTextCursor::EndOfWord, QTextCursor::KeepAnchor);
    keyIn(close, Qt::Key_C);
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("plan"));  // the part selected
    QTemporaryDir dir;
    auto* said = plan->findChild<QLabel*>("planMessage");
    for (const QString& path : {dir.filePath("no/such/x.txt"), dir.filePath("plan.txt")}) {  // a failure, then a save
      plan->setSaveDialog([path] { return path.toStdString(); });
      QTest::mouseClick(plan->findChild<QPushButton*>("planSave"), Qt::LeftButton);
      const QString message = path.endsWith("x.txt") ? "could not save x.txt: no such folder" : "";
      QVERIFY2(said->text() == message && said->toolTip() == message, qPrintable(said->text()));
    }
    QCOMPARE(QString::fromStdString(bytesOf(dir.filePath("plan.txt"))), QString(want).replace("\n", "\r\n") + "\r\n");
    const std::string build = sheet();
    for (QWidget* from : std::initializer_list<QWidget*>{level, shown, close}) {  // Enter shows the level typed; Ctrl+Z undoes
      level->selectAll();
      QTest::keyClicks(level, "3");
      keyIn(level, Qt::Key_Return, {});
      QVERIFY2(text(Ctl::Clevel) + " " + text(Ctl::CPs_remaining) == "3 0", "Enter in the level box shows level 3");
      QCOMPARE(shown->toPlainText(), want.left(want.indexOf("\nLevel 4")));
      keyIn(from, Qt::Key_Z);
      QVERIFY2(sheet() == build && shown->toPlainText() == want, qPrintable("Ctrl+Z from " + from->objectName()));
    }
    close->click();
    QTest::keyClick(w.get(), Qt::Key_L, Qt::ControlModifier);
    QVERIFY2(plan->focusWidget() == shown, "the plan text has the focus when the window opens again");
    QTest::keyClicks(get<QLineEdit>(Ctl::PCname), "Kara");
    QVERIFY2(shown->toPlainText().startsWith("Level plan for Kara: Human/male"), "the plan follows the name typed");
    QTest::keyClick(shown, Qt::Key_Escape);
    QVERIFY(!plan->isVisible());
  }
  // Ctrl+G with the plan open: clear of the plan; targets picked by typing and Enter, a value typed after its Alt key,
  // the answer following each at once; Apply is one step that Ctrl+Z from the panel takes back; Copy copies the
  // answer; every pair is one Alt key away.
  void goalWindow() {
    QTest::keyClick(w.get(), Qt::Key_L, Qt::ControlModifier);
    QTest::keyClick(w.get(), Qt::Key_G, Qt::ControlModifier);
    auto* goal = w->findChild<ui::GoalWindow*>();
    QVERIFY2(goal && goal->isVisible() && goal->windowTitle() == "Goal", "Ctrl+G opens the goal");
    QVERIFY2(!goal->frameGeometry().intersects(w->findChild<ui::PlanWindow*>()->frameGeometry()),
             "the goal opens clear of the plan");
    QVERIFY(QTest::qWaitForWindowActive(goal));
    auto* pick = goal->findChild<QComboBox*>("goalPick");
    auto* shown = goal->findChild<QPlainTextEdit*>("goalText");
    auto* targets = goal->findChild<QListWidget*>("goalTargets");
    const auto keyIn = [&goal](Qt::Key k, Qt::KeyboardModifiers m = Qt::AltModifier, const char* typed = "") {
      QTest::keyClick(goal->focusWidget(), k, m), QTest::keyClicks(goal->focusWidget(), typed);
      if (m == Qt::AltModifier) QTest::qWait(150);  // a button's Alt key clicks it after its press is shown
    };
    QVERIFY2(goal->focusWidget() == pick, "the choices have the focus");
    QTest::keyClicks(pick, "Willpower"), keyIn(Qt::Key_Return, {});  // Enter adds what is picked
    QVERIFY2(targets->count() == 1 && targets->item(0)->text() == "Willpower 9", "a target one more than shown");
    keyIn(Qt::Key_T), keyIn(Qt::Key_L), keyIn(Qt::Key_A, Qt::ControlModifier, "12");
    keyIn(Qt::Key_W), QTest::qWait(QApplication::keyboardInputInterval());  // a search of its own
    keyIn(Qt::Key_S, {}, "hadow"), keyIn(Qt::Key_Return, {});
    keyIn(Qt::Key_T);
    const QString answer = "Goal for Human/male, background none: Willpower 12, Shadow Shift\nLeast level: 5\n";
    QVERIFY2(shown->toPlainText().startsWith(answer), qPrintable("the answer shown: " + shown->toPlainText()));
    const std::string before = sheet();
    keyIn(Qt::Key_P);
    QVERIFY2(text(Ctl::Clevel) == "5" && text(Ctl::Adjwillpower) == "12", "Apply makes the answer's build");
    shown->setFocus(), keyIn(Qt::Key_Z, Qt::ControlModifier);
    QVERIFY2(sheet() == before, "Ctrl+Z in the panel takes Apply back");
    QTest::mouseClick(goal->findChild<QPushButton*>("goalCopy"), Qt::LeftButton);
    QCOMPARE(QApplication::clipboard()->text(), shown->toPlainText());
    keyIn(Qt::Key_E);
    QVERIFY2(shown->toPlainText().startsWith("Goal for every race and background: Willpower 12, Shadow Shift\nGnome"),
             "every pair at once");
  }
  // Where the screen has no room beside the window (800x800 here, 640x480 in window_tests_small_screen), the plan opens
  // inside the screen over none of the lists and statistics; it reopens where it was left.
  void planWindowOpensClearOfTheLists() {
    QTest::keyClick(w.get(), Qt::Key_L, Qt::ControlModifier);
    auto* plan = w->findChild<ui::PlanWindow*>();
    const QRect screen = w->screen()->availableGeometry(), at = plan->frameGeometry();
    QVERIFY2(screen.contains(at), "inside the screen");
    QVERIFY2(w->frameGeometry().right() + 8 + at.width() > screen.right(), "no room beside the window");
    for (Ctl id : {Ctl::Race_Selection, Ctl::Background_Selection, Ctl::Spell_list, Ctl::Strength, Ctl::Adjcharisma,
                   Ctl::bow, Ctl::adtraps}) {
      const QRect control(w->widget(id)->mapToGlobal(QPoint(0, 0)), w->widget(id)->size());
      QVERIFY2(!control.intersects(at), info(id).name);
    }
    plan->move(at.topLeft() - QPoint(5, 7));
    plan->reject();
    QTest::keyClick(w.get(), Qt::Key_L, Qt::ControlModifier);
    QCOMPARE(plan->frameGeometry().topLeft(), at.topLeft() - QPoint(5, 7));
  }

  // Ctrl+C copies the sheet as UTF-8 text with LF (a box with text selected, that text), Ctrl+Shift+C its build
  // code; Ctrl+V in a fresh window opens a sheet, a code or a link holding one as one step, refuses what is
  // neither, or pastes into the name box.
  void copyAndPaste() {
    const Copied c = copyGnome();
    QVERIFY2(c.sheet == QString::fromLatin1(c.built).replace("\r\n", "\n"), "Ctrl+C copies the sheet with LF");
    QVERIFY2(c.sheet.startsWith("Name:  Zoë\nRace:  Gnome "), "the copied sheet is UTF-8");
    QVERIFY2(c.code.startsWith("KCP1:") && !c.code.contains('\n'), "Ctrl+Shift+C copies the build code alone");
    const struct { QString paste; std::string sheet; QString message; } pastes[] = {
        {c.sheet, c.built, ""}, {"Hello", c.blank, "pasted text is not a character sheet"},
        {c.code, c.built, ""}, {"my gnome: https://example.org/kethmor-planner.html#" + c.code + "\n", c.built, ""},
        {QString(c.sheet).replace("Level:", "Lvl:"), c.blank, "could not paste: line 4: bad label"}};
    for (const auto& [paste, want, message] : pastes) {
      qApp->clipboard()->setText(paste);
      key(Qt::Key_V);
      QVERIFY2(sheet() == want, qPrintable("the sheet after pasting " + paste.left(30)));
      QVERIFY2(text(Ctl::message_window) == message, qPrintable(text(Ctl::message_window)));
      QVERIFY2(message.isEmpty() || saysInFull(message), qPrintable(message));
      key(Qt::Key_Z);  // a paste is one step
      QVERIFY2(sheet() == c.blank, "Ctrl+Z takes a paste back");
    }
    auto* name = get<QLineEdit>(Ctl::PCname);
    name->setFocus();
    key(Qt::Key_V);
    QCOMPARE(text(Ctl::PCname), c.sheet.left(22).replace('\n', ' '));
    name->setSelection(1, 2);
    key(Qt::Key_C);
    QCOMPARE(qApp->clipboard()->text(), c.sheet.mid(1, 2));  // Ctrl+C with text selected copies the selection
  }

  // What the player sees of the session, line by line, for tests/web/seen_test.js to find the same on the page:
  // the menu, the messages of refused opens and pastes (shown and in full), the names proposed, the last session.
  void whatThePlayerSees() {
    QTemporaryDir dir;
    QStringList seen;
    for (QAction* a : w->actions())
      seen << (a->isSeparator() ? "-" : a->text() + ' ' + QKeySequence::listToString(a->shortcuts()));
    auto said = [&] { seen << text(Ctl::message_window) + " | " + w->widget(Ctl::message_window)->toolTip(); };
    const QString bad = dir.filePath(QString(32, 'b') + ".txt"), good = dir.filePath("good.txt");
    QVERIFY(write(bad, "Hello"));
    w->openFile(bad.toStdString()), said();
    w->openText("", "paste"), said();
    get<QLineEdit>(Ctl::PCname)->setText("Hero.TXT");
    seen << QFileInfo(w->proposedSavePath()).fileName() + " " + QFileInfo(w->proposedSavePath(ui::MainWindow::Saved::Plan)).fileName();
    press(Ctl::ST_plus), saveTo(good);
    press(Ctl::levelup), w->openFile(good.toStdString(), 2), said();
    QFile::remove(ui::MainWindow::lastSessionPath()), QFile::remove(ui::MainWindow::previousSessionPath());
    open(Qt::ShiftModifier), said();
    for (Ctl plus : {Ctl::CN_plus, Ctl::DX_plus}) {
      press(plus), w->close(), init();
      auto print = [](const QString& file) {  // the kept sheet's size and the sum of its bytes
        const std::string b = bytesOf(file);
        return QFile::exists(file) ? QString("%1/%2").arg(b.size()).arg(std::accumulate(b.begin(), b.end(), 0, [](int n, char c) { return n + static_cast<unsigned char>(c); })) : "none";
      };
      seen << print(ui::MainWindow::lastSessionPath()) + " " + print(ui::MainWindow::previousSessionPath());
    }
    QFile out(qEnvironmentVariable("KETHMOR_SEEN"));
    QVERIFY(out.fileName().isEmpty() || (out.open(QIODevice::WriteOnly) && out.write((seen.join('\n') + '\n').toUtf8())));
  }

  // The menu (a right click on a list or button, which is not clicked, or Shift+F10) lists each command with
  // its keys and runs it; the preview prints the sheet, its columns standing.
  void theMenuRunsEveryCommand() {
    const Copied c = copyGnome();
    QTemporaryDir dir;
    const QString file = dir.filePath("m.txt"), saved = dir.filePath("s.txt"), pdf = dir.filePath("p.pdf");
    const QString last = ui::MainWindow::lastSessionPath();
    QVERIFY(write(file, c.built.c_str()) && QDir().mkpath(QFileInfo(last).path()) && write(last, c.blank.c_str()));
    qApp->clipboard()->setText(c.sheet);
    key(Qt::Key_V);
    key(Qt::Key_Z);  // the paste undone, so that the menu can do it again
    w->setOpenDialog([&] { return file.toStdString(); });
    w->setSaveDialog([&] { return saved.toStdString(); });
    auto closed = [](QWidget* d, const char* t) { return d && d->isVisible() && d->windowTitle() == t && d->close(); };
    const QRegularExpression about(
        "(?s)^Kethmor Character Planner 1\\.7\n.*GNU General Public License.*version 3 .*any later version.*Huw D M "
        "Davies, Dmitry Timoshkov, under the GNU Lesser General Public License, version 2\\.1 or later\\.$");
    const std::pair<QString, std::function<bool()>> rows[] = {
        {"Open…", [&] { return sheet() == c.built; }},
        {"Copy sheet", [&] { return qApp->clipboard()->text() == c.sheet; }},
        {"Open last session", [&] { return sheet() == c.blank; }},
        {"Paste sheet", [&] { return sheet() == c.built; }},
        {"Undo", [&] { return sheet() == c.blank; }},
        {"Redo", [&] { return sheet() == c.built; }},
        {"Save…", [&] { return bytesOf(saved) == c.built; }},
        {"Print…", [&] { auto* p = w->findChild<QPrintPreviewDialog*>();  // what it shows, printed to a PDF
           if (p) p->printer()->setOutputFileName(pdf), emit p->paintRequested(p->printer());
           return p && p->printer()->docName() == p->windowTitle() && closed(p, "Kethmor character sheet"); }},
        {"Level plan", [&] { return closed(w->findChild<ui::PlanWindow*>(), "Level plan"); }},
        {"Copy build code", [&] { return qApp->clipboard()->text() == c.code; }},
        {"Goal…", [&] { return closed(w->findChild<ui::GoalWindow*>(), "Goal"); }},
        {"About", [&] { return about.match(w->findChild<QMessageBox*>()->text()).hasMatch() &&
                               closed(w->findChild<QMessageBox*>(), "About Kethmor Character Planner"); }}};
    for (std::size_t i = 0; i < std::size(rows); ++i) {
      const Form1State before = w->model();
      QApplication::processEvents(), w->activateWindow();  // a closed dialog goes; active again, as after a click
      QVERIFY(QTest::qWaitForWindowActive(w.get()));
      const QPoint at = w->widget(i % 3 ? Ctl::ST_plus : Ctl::Race_Selection)->geometry().center();
      if (i % 3 == 1) QTest::keyClick(w.get(), Qt::Key_F10, Qt::ShiftModifier);
      else QTest::mouseClick(w->windowHandle(), Qt::RightButton, {}, at);  // the window asks for the menu
      auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
      QVERIFY2(menu, qPrintable("no menu opens before " + rows[i].first));
      QVERIFY2(w->model() == before, qPrintable("opening the menu changed the sheet before " + rows[i].first));
      QStringList seen;
      for (auto* a : menu->actions()) seen << a->text() + '\t' + a->shortcut().toString() + (a->isEnabled() ? "" : "-");
      QVERIFY2(i != 0 || seen.contains("Undo\tCtrl+Z-"), "Undo greyed with nothing to take back");
      QAction* entry = menu->actions()[seen.indexOf(QRegularExpression("^" + rows[i].first + "\t.*"))];
      QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(entry).center());
      QVERIFY2(!menu->isVisible(), qPrintable("the menu stays open after " + rows[i].first));
      QVERIFY2(rows[i].second(), qPrintable(rows[i].first + " did not do its work"));
    }
    if (QStandardPaths::findExecutable("pdftotext").isEmpty()) QSKIP("pdftotext (poppler-utils) is missing");
    QProcess text;  // the sheet's words on two pages, its columns standing
    text.start("pdftotext", {"-layout", pdf, "-"});
    QVERIFY(text.waitForFinished());
    const QString shown = QString::fromUtf8(text.readAllStandardOutput());
    QCOMPARE(QString(shown).remove(QRegularExpression("\n *[0-9]+ *\n")).simplified(), c.sheet.simplified());
    auto at = [&](const char* word) { return shown.split('\n').filter(word).value(0).indexOf(word); };
    QVERIFY2(at("Speed:") > 0, "the printed sheet holds Speed:");
    QCOMPARE(at("Intelligence:"), at("Speed:"));
    QCOMPARE(at("Willpower:"), at("Speed:"));
    QCOMPARE(at("Arm/Disarm"), at("Speed:"));
    QCOMPARE(shown.count('\f'), 2);
  }
};

int main(int argc, char** argv) {
  static char folder[] = "/tmp/kethmor-full-XXXXXX";  // root only, and before any thread starts
  if (geteuid() == 0 && unshare(CLONE_NEWNS) == 0 && mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0 &&
      mkdtemp(folder) && mount("tmpfs", folder, "tmpfs", 0, "size=64k") == 0)
    fullDisk = QString::fromLocal8Bit(folder);
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
