#include <QApplication>

#include "ui/main_window.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  kethmor::ui::MainWindow window;
  window.show();
  // kethmor-planner FILE opens a saved sheet.
  if (QApplication::arguments().size() > 1) window.openFile(QApplication::arguments().at(1).toStdString());
  return QApplication::exec();
}
