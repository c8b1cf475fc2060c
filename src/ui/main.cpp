#include <QApplication>
#include <QIcon>

#include "ui/main_window.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QGuiApplication::setDesktopFileName(QStringLiteral("org.kethmor.Planner"));
  kethmor::ui::MainWindow window;
  QIcon icon;  // the window's resources are loaded once it exists
  for (const char* size : {"48", "256"})
    icon.addFile(QStringLiteral(":/kethmor-planner-%1.png").arg(QLatin1String(size)));
  QApplication::setWindowIcon(icon);
  window.show();
  // kethmor-planner FILE opens a saved sheet.
  if (QApplication::arguments().size() > 1) window.openFile(QApplication::arguments().at(1).toStdString());
  return QApplication::exec();
}
