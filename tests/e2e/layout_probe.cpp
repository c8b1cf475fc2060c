// Prints where the window's controls and list rows stand in its client area,
// for the tests that drive the real window with X input: "name x y width
// height", list rows as "name#row ..." with the list scrolled to its top.
#include <QApplication>
#include <QListWidget>
#include <cstdio>
#include "ui/main_window.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  kethmor::ui::registerWindowFont();
  kethmor::ui::MainWindow w;
  w.show();
  for (int i = 0; i < kethmor::kControlCount; ++i) {
    const char* name = kethmor::kControls[i].name;
    QWidget* control = w.widget(static_cast<kethmor::Ctl>(i));
    const QRect g = control->geometry();
    std::printf("%s %d %d %d %d\n", name, g.x(), g.y(), g.width(), g.height());
    auto* list = dynamic_cast<QListWidget*>(control);
    if (list) list->scrollToTop();
    for (int row = 0; list && list->count() > 0 && row < 8; ++row) {
      // Rows past the end: lists refilled later (spells, schematics) keep the row height.
      QRect r = list->visualItemRect(list->item(std::min(row, list->count() - 1)));
      r.translate(0, r.height() * std::max(0, row - list->count() + 1));
      const QPoint at = list->viewport()->mapTo(&w, r.topLeft());
      std::printf("%s#%d %d %d %d %d\n", name, row, at.x(), at.y(), r.width(), r.height());
    }
  }
}
