// The real window under the offscreen platform: what only the widgets do.
#include <QAccessible>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>

#include "export/sheet.h"
#include "ui/accessibility.h"
#include "ui/colours.h"
#include "ui/list_box.h"
#include "ui/main_window.h"
#include "ui/text_boxes.h"

using namespace kethmor;
using kethmor::ui::MainWindow;

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
      QWidget* wd = w->widget(static_cast<Ctl>(i));
      const QByteArray name(ci.name);
      QVERIFY2(wd, name);
      QCOMPARE(wd->geometry(), QRect(ci.left / 15, ci.top / 15, ci.width / 15, ci.height / 15));
      QCOMPARE(wd->toolTip(), QString::fromLatin1(ci.tooltip));
      const bool bold = ci.font == Font::B8 || ci.font == Font::B10;
      const int pixels = (ci.font == Font::B10 || ci.font == Font::R10) ? 13 : 11;
      QVERIFY2(wd->font().pixelSize() == pixels, name);
      QVERIFY2(wd->font().bold() == bold, name);
      QCOMPARE(wd->font().family(), ui::windowFontFamily());
      const Control& c = w->model().ctl(static_cast<Ctl>(i));
      QVERIFY2(wd->isVisible() == c.visible, name);
      if (auto* label = dynamic_cast<QLabel*>(wd)) QCOMPARE(label->text(), QString::fromStdString(c.text));
      if (auto* button = dynamic_cast<QPushButton*>(wd)) QCOMPARE(button->text(), QString::fromLatin1(ci.text));
      if (auto* line = dynamic_cast<QLineEdit*>(wd)) {
        QCOMPARE(line->text(), QString::fromStdString(c.text));
        QVERIFY2(line->isReadOnly() == ((ci.flags & READONLY) != 0), name);
      }
      if (auto* multi = dynamic_cast<QPlainTextEdit*>(wd))
        QVERIFY2(multi->isReadOnly() == ((ci.flags & READONLY) != 0), name);
    }
    QVERIFY(!w->widget(Ctl::dummy)->isVisible());
    QCOMPARE(get<QLabel>(Ctl::Label10)->geometry(), QRect(648, 104, 28, 17));
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
    alt->insertPlainText(QString(2998, QLatin1Char('x')));
    QTest::keyClicks(alt, "abcd");
    QCOMPARE(alt->toPlainText().size(), 3000);
    QVERIFY(alt->toPlainText().endsWith(QStringLiteral("xab")));
    // A paste far past the limit keeps the first 3000 characters.
    alt->clear();
    alt->insertPlainText(QStringLiteral("start "));
    alt->insertPlainText(QString(100000, QLatin1Char('y')));
    QCOMPARE(alt->toPlainText().size(), 3000);
    QVERIFY(alt->toPlainText().startsWith(QStringLiteral("start y")));
    QCOMPARE(w->model().alternativebackground.text.size(), 3000u);
    QCOMPARE(w->model().PCname.text.size(), 22u);
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
  }

  void aPartlyShownEntryStaysPutForTheSecondPress() {
    auto* races = get<QListWidget>(Ctl::Race_Selection);
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
    get<QLineEdit>(Ctl::PCname)->setText(QStringLiteral("Kara"));
    press(Ctl::SAVE);
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray bytes = f.readAll();
    QCOMPARE(bytes.toStdString(), exporter::sheetBytes(w->model()));
    QVERIFY(bytes.startsWith("Name:  Kara\r\nRace:  Human/male"));
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

  void aSaveThatCannotBeWrittenSaysSoAndKeepsTheOldFile() {
    QTemporaryDir dir;
    const QString old = dir.filePath(QStringLiteral("old.txt"));
    {
      QFile f(old);
      QVERIFY(f.open(QIODevice::WriteOnly));
      f.write("keep me");
    }
    const QString tooLong = dir.filePath(QString(5000, QLatin1Char('n')) + QStringLiteral(".txt"));
    const QString missing = dir.filePath(QStringLiteral("no/such/folder/x.txt"));
    for (const QString& target : {tooLong, missing, dir.path()}) {
      w->setSaveDialog([&] { return target.toStdString(); });
      press(Ctl::ST_plus);  // something on the sheet that must survive
      const Form1State before = w->model();
      press(Ctl::SAVE);
      const std::string message = w->model().message_window.text;
      QVERIFY(message.rfind("could not save ", 0) == 0);
      QVERIFY(message.find(target.toStdString()) != std::string::npos);
      QVERIFY(message.find('\n') == std::string::npos);
      QCOMPARE(get<QLineEdit>(Ctl::message_window)->text().toStdString(), message);
      Form1State after = w->model();
      after.message_window.text = before.message_window.text;
      QVERIFY(after == before);
    }
    QFile f(old);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), QByteArray("keep me"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("old.txt")});
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
      QCOMPARE(a->text(QAccessible::Description), QString::fromLatin1(kControls[i].tooltip));
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
  QApplication app(argc, argv);
  ui::registerWindowFont();
  WindowTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "window_test.moc"
