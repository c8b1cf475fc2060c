#include <QApplication>
#include <QIcon>
#include <QStyleFactory>

#include "ui/main_window.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QGuiApplication::setDesktopFileName(QStringLiteral("org.kethmor.Planner"));
  QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
  kethmor::ui::registerWindowFont();
  kethmor::ui::MainWindow window;
  QIcon icon;  // the window's resources are loaded once it exists
  for (const char* size : {"48", "256"})
    icon.addFile(QStringLiteral(":/kethmor-planner-%1.png").arg(QLatin1String(size)));
  QApplication::setWindowIcon(icon);
  window.show();
  return QApplication::exec();
}
