// A bare Qt window of the planner's size holding one label: the yardstick
// for the planner's start-up time and memory.
#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QWidget w;
  w.setWindowTitle(QStringLiteral("Bare window"));
  w.setFixedSize(790, 573);
  QLabel label(QStringLiteral("Bare window"), &w);
  label.move(10, 10);
  w.show();
  return QApplication::exec();
}
