// For the tests that drive the real window with X input: the centres of its controls in its client
// area, "name x y", and of their list rows, "name#row x y" with the list scrolled to its top; then the
// controls that Tab visits, "tab name", in the order of the window's focus chain.
#include <QApplication>
#include <QListWidget>
#include <cstdio>
#include "ui/main_window.h"

using namespace kethmor;

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  ui::registerWindowFont();
  ui::MainWindow w;
  w.show();
  for (int i = 0; i < kControlCount; ++i) {
    auto* list = qobject_cast<QListWidget*>(w.widget(static_cast<Ctl>(i)));
    const QPoint c = w.widget(static_cast<Ctl>(i))->geometry().center();
    std::printf("%s %d %d\n", kControls[i].name, c.x(), c.y());
    if (list) list->scrollToTop();
    for (int row = 0, n = list ? list->count() : 0; n > 0 && row < 8; ++row) {
      // Rows past the end: lists refilled later (spells, schematics) keep the row height.
      const QRect r = list->visualItemRect(list->item(std::min(row, n - 1)));
      const QPoint at = list->viewport()->mapTo(&w, r.center()) + QPoint(0, r.height() * std::max(0, row - n + 1));
      std::printf("%s#%d %d %d\n", kControls[i].name, row, at.x(), at.y());
    }
  }
  QWidget* first = w.widget(Ctl::Race_Selection);
  QWidget* at = first;
  do {
    for (int i = 0; i < kControlCount; ++i)
      if (w.widget(static_cast<Ctl>(i)) == at && (at->focusPolicy() & Qt::TabFocus))
        std::printf("tab %s\n", kControls[i].name);
    at = at->nextInFocusChain();
  } while (at != first);
}
