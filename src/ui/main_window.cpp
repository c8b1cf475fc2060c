#include "ui/main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QResource>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <QStyleFactory>

#include "ui/accessibility.h"
#include "ui/colours.h"
#include "ui/layout.h"
#include "ui/list_box.h"
#include "ui/push_button.h"
#include "ui/text_boxes.h"

// The background picture is compiled into this library; it must be
// registered before the window loads it.
static void initAssets() { Q_INIT_RESOURCE(assets); }

namespace kethmor::ui {

namespace {

QString qs(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

// The window's fonts are compiled in (made at build time from the bitmap
// strikes of MS Sans Serif), each with a regular and a bold face. Their
// outlines are whole pixels at their sizes, so they stay sharp at every whole
// display scale; subpixel colour fringes would only blur them, and full
// hinting runs the fonts' own instructions, which leave every edge in place.
QFont windowFont(Font f) {
  const bool large = f == Font::B10 || f == Font::R10;
  QFont font(QString::fromLatin1(large ? kFontFamily10 : kFontFamily8));
  font.setPixelSize(large ? kFontPixels10 : kFontPixels8);
  font.setBold(f == Font::B8 || f == Font::B10);
  font.setStyleStrategy(QFont::NoSubpixelAntialias);
  font.setHintingPreference(QFont::PreferFullHinting);
  return font;
}

bool registerWindowFont() {
  static const bool registered = [] {
    bool all = true;
    // Stored uncompressed, so the font database and FreeType read the bytes
    // where they lie in the program instead of copies of them.
    for (const char* file : {"sans8", "sans8-bold", "sans10", "sans10-bold"})
      all &= QFontDatabase::addApplicationFontFromData(
                 QResource(QStringLiteral(":/fonts/%1.ttf").arg(QLatin1String(file))).uncompressedData()) >= 0;
    return all;
  }();
  return registered;
}

void useClassicStyle() {
  if (QApplication::style()->name() != QLatin1String("windows"))
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Windows")));
}

MainWindow::MainWindow(QWidget* parent) : QWidget(parent) {
  registerWindowFont();
  useClassicStyle();
  setWindowTitle(QString::fromStdString(session::caption()));
  setFixedSize(pixelRect(kClientArea).size());
  QPalette pal = palette();
  pal.setColor(QPalette::Window, toQColor(kWindowBack, pal));
  setPalette(pal);
  setFont(windowFont(Font::B8));
  initAssets();
  background_.load(QStringLiteral(":/background.bmp"));

  build();
  installSheetCommands();
  installCommands();
  makeAccessible(*this);
  for (int i = 0; i < kControlCount; ++i) {
    const Ctl id = static_cast<Ctl>(i);
    apply(id, form_.ctl(id), true);
    shown_[static_cast<std::size_t>(i)] = form_.ctl(id);
  }
}

std::string MainWindow::askFileName() {
  return dialog_ ? dialog_() : askFile(*this, QStringLiteral("Save character sheet"), proposedSavePath(), true);
}

void MainWindow::run(const std::function<void()>& event) {
  act([&] { session_.run(event); });
}

void MainWindow::act(const std::function<void()>& call) {
  // A click on a button or a list gives the undo keys back to the sheet.
  if (typingBox()) setFocus(Qt::OtherFocusReason);
  call();
  refresh();
  if (form_.ended) close();
}

void MainWindow::build() {
  for (int i = 0; i < kControlCount; ++i) {
    const ControlInfo& ci = kControls[i];
    const Placement& at = kLayout[static_cast<std::size_t>(i)];
    const Ctl id = static_cast<Ctl>(i);
    QWidget* w = nullptr;
    switch (ci.kind) {
      case Kind::Label: {
        auto* label = new QLabel(this);
        label->setTextFormat(Qt::PlainText);
        label->setWordWrap(true);
        label->setAlignment(((at.flags & CENTER) ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignTop);
        label->setAttribute(Qt::WA_TranslucentBackground);
        label->setAutoFillBackground(false);
        w = label;
        break;
      }
      case Kind::Button: {
        auto* button = new PushButton(this);
        button->setAutoFillBackground(true);
        button->setFocusPolicy(Qt::TabFocus);
        // SAVE asks for a file name first: the window's part (ui/sheet_commands.cpp).
        connect(button, &QPushButton::clicked, this,
                [this, id] { id == Ctl::SAVE ? save() : run([this, id] { form_.Click(id); }); });
        w = button;
        break;
      }
      case Kind::ListBox: {
        auto* list = new ListBox(this);
        list->setSelectionMode(QAbstractItemView::SingleSelection);
        list->setAutoScroll(false);  // the redraw scrolls, only to entries out of sight
        list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        list->onEntryClick = [this, id](int row) { run([this, id, row] { form_.selectEntry(id, row); }); };
        list->onDoubleClick = [this, id] { run([this, id] { form_.DblClick(id); }); };
        list->onKey = [this, id](int key, const QString& text, int pageRows) {
          return listKey(id, key, text, pageRows);
        };
        w = list;
        break;
      }
      case Kind::TextBox: {
        if (at.flags & MULTILINE) {
          auto* box = new MultiLineBox(this);
          box->setReadOnly(at.flags & READONLY);
          box->setMaxLength(ci.maxLength);
          if (!(at.flags & READONLY)) {
            connect(box, &QPlainTextEdit::textChanged, this, [this, box, i] {
              std::string text = box->toPlainText().toStdString();
              session_.typed(static_cast<Ctl>(i), text);
              shown_[static_cast<std::size_t>(i)].text = std::move(text);
              emit sheetChanged();
            });
          }
          w = box;
        } else {
          auto* box = new LineBox(this);
          box->setReadOnly(at.flags & READONLY);
          if (ci.maxLength > 0) box->setMaxLength(ci.maxLength);
          box->setAlignment((at.flags & CENTER) ? Qt::AlignHCenter : Qt::AlignLeft);
          box->setTextMargins(0, 0, 0, 0);
          if (!(at.flags & READONLY)) {
            connect(box, &QLineEdit::textChanged, this, [this, i](const QString& t) {
              std::string text = t.toStdString();
              session_.typed(static_cast<Ctl>(i), text);
              shown_[static_cast<std::size_t>(i)].text = std::move(text);
              emit sheetChanged();
            });
          }
          w = box;
        }
        break;
      }
    }
    w->setObjectName(QString::fromLatin1(ci.name));
    w->setGeometry(pixelRect(at));
    w->setFont(windowFont(at.font));
    if (*at.tooltip) w->setToolTip(QString::fromLatin1(at.tooltip));
    widgets_[static_cast<std::size_t>(i)] = w;
  }
}

void MainWindow::apply(Ctl id, const Control& c, bool force) {
  const ControlInfo& ci = info(id);
  QWidget* w = widget(id);
  Control& was = shown_[static_cast<std::size_t>(id)];
  const bool text = force || c.text != was.text;
  const bool colours = force || c.back != was.back || c.fore != was.fore;
  if (colours) {
    QPalette pal = w->palette();
    const QPalette& base = QApplication::palette();
    const QColor back = toQColor(c.back, base);
    const QColor fore = toQColor(c.fore, base);
    switch (ci.kind) {
      case Kind::Label: pal.setColor(QPalette::WindowText, fore); break;
      case Kind::Button:
        pal.setColor(QPalette::Button, back);
        pal.setColor(QPalette::Window, back);
        pal.setColor(QPalette::ButtonText, fore);
        break;
      case Kind::TextBox:
      case Kind::ListBox:
        for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
          pal.setColor(group, QPalette::Base, back);
          pal.setColor(group, QPalette::Text, fore);
        }
        break;
    }
    w->setPalette(pal);
  }
  switch (ci.kind) {
    case Kind::Label:
      if (text) static_cast<QLabel*>(w)->setText(qs(c.text));
      break;
    case Kind::Button:
      if (text) static_cast<QPushButton*>(w)->setText(qs(c.text));
      break;
    case Kind::TextBox:
      if (text) {
        if (auto* multi = dynamic_cast<MultiLineBox*>(w)) multi->setPlainText(qs(c.text));
        else static_cast<QLineEdit*>(w)->setText(qs(c.text));
        if (auto* line = dynamic_cast<QLineEdit*>(w)) line->setCursorPosition(0);
        if (id == Ctl::message_window) {  // a message shown, in full (also where the box shows it shortened)
          const QString tip = c.text.empty() ? QString::fromLatin1(ui::layout(id).tooltip)
                                             : qs(session_.messageInFull());
          w->setToolTip(tip);
          w->setAccessibleDescription(tip);
        }
      }
      break;
    case Kind::ListBox: {
      auto* list = static_cast<ListBox*>(w);
      if (force || c.items != was.items) {
        list->clear();
        for (const std::string& item : c.items) list->addItem(qs(item));
        list->setCurrentRow(-1);
        was.listIndex = -1;
      }
      if (force || c.listIndex != was.listIndex || list->currentRow() != c.listIndex) {
        if (c.listIndex >= 0 && c.listIndex < list->count()) {
          list->setCurrentRow(c.listIndex, QItemSelectionModel::ClearAndSelect);
          // Scroll only to an entry out of sight: an entry the user pressed
          // stays where it is, so the second press of a double click lands
          // on it again.
          if (!list->viewport()->rect().intersects(list->visualItemRect(list->item(c.listIndex))))
            list->scrollToItem(list->item(c.listIndex));
        } else {
          list->clearSelection();
          list->setCurrentRow(-1, QItemSelectionModel::Clear);
        }
      }
      break;
    }
  }
  if (force || c.visible != was.visible) w->setVisible(c.visible);
  was = c;
}

void MainWindow::refresh() {
  // Controls are hidden last: a list hidden while it is the window's focus
  // widget hands the focus to the list now shown in its place, never on to a
  // text box that would then take the undo keys and the next letter typed;
  // so too while the window is not active (a click that activates it comes
  // before the activation), as the window gives its focus widget back then.
  for (const bool hiding : {false, true}) {
    for (int i = 0; i < kControlCount; ++i) {
      const Ctl id = static_cast<Ctl>(i);
      const Control& c = form_.ctl(id);
      const Control& was = shown_[static_cast<std::size_t>(i)];
      if (c == was || hiding != (was.visible && !c.visible)) continue;
      QWidget* w = widget(id);
      if (hiding && focusWidget() == w) {
        const std::optional<Ctl> next = session_.focusAfterHiding(id);
        if (next) widget(*next)->setFocus(Qt::OtherFocusReason);
        if (focusWidget() == w) setFocus(Qt::OtherFocusReason);
      }
      apply(id, c, false);
    }
  }
  emit sheetChanged();
}

void MainWindow::paintEvent(QPaintEvent*) {
  QPainter p(this);
  if (background_.isNull()) p.fillRect(rect(), palette().color(QPalette::Window));
  else p.drawImage(0, 0, background_);
}

namespace {
// Holds the window on a screen too small for it; closing it closes the window.
class FitArea : public QScrollArea {
 public:
  explicit FitArea(QWidget* window) {
    setWindowTitle(window->windowTitle());
    setFrameShape(QFrame::NoFrame);
    setWidget(window);
  }

 protected:
  void closeEvent(QCloseEvent* e) override { widget()->close() ? e->accept() : e->ignore(); }
};
}  // namespace

QWidget* MainWindow::showFitted() {
  const QRect room = screen() ? screen()->availableGeometry() : QRect();
  QWidget* top = this;
  if (!room.isEmpty() && (width() > room.width() || height() > room.height())) {
    top = new FitArea(this);
    const int bar = top->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    top->setMaximumSize(size() + QSize(bar, bar));
    top->setGeometry(QRect(room.topLeft(), room.size().boundedTo(top->maximumSize())));
  }
  top->show();
  return top;
}

void MainWindow::closeEvent(QCloseEvent* e) {
  form_.ended = true;
  saveLastSession();
  e->accept();
  QApplication::quit();
}

}  // namespace kethmor::ui
