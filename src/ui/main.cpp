#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <QApplication>
#include <QCommandLineParser>
#include <QFileInfo>
#include <QIcon>
#include <QSocketNotifier>
#include <cstdio>

#include "sheet/build_code.h"
#include "ui/main_window.h"
#include "window/version.h"

namespace {

// Deliberate mend: SIGTERM and SIGHUP (a logout, a shutdown) close the
// window as its close button does, so the session is kept; the handler only
// writes a byte that the event loop reads.
int signalPipe[2] = {-1, -1};
extern "C" void onEndSignal(int) {
  [[maybe_unused]] const ssize_t n = write(signalPipe[1], "x", 1);
}

void closeOnEndSignals(QWidget* top) {
  if (pipe2(signalPipe, O_CLOEXEC | O_NONBLOCK) != 0) return;
  auto* notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, top);
  QObject::connect(notifier, &QSocketNotifier::activated, top, [top] {
    char byte;
    while (read(signalPipe[0], &byte, 1) > 0) {}
    top->close();
  });
  struct sigaction action {};
  action.sa_handler = onEndSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (int signal : {SIGTERM, SIGHUP}) sigaction(signal, &action, nullptr);
}

}  // namespace

int main(int argc, char** argv) {
  QStringList files;
  {  // read before any display is needed: --help and --version end here
    QCoreApplication core(argc, argv);
    QCoreApplication::setApplicationVersion(QStringLiteral(KETHMOR_VERSION));
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Kethmor Character Planner"));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Shows this help."));
    parser.addOption(help);
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("file"),
                                 QStringLiteral("A saved character sheet to open, or a build code (KCP1:...)."),
                                 QStringLiteral("[file|code]"));
    if (!parser.parse(core.arguments())) {
      const QString usage = parser.helpText().section(QLatin1Char('\n'), 0, 0);
      std::fprintf(stderr, "%s\n%s\n", qPrintable(parser.errorText()), qPrintable(usage));
      return 2;
    }
    if (parser.isSet(help)) parser.showHelp(0);
    if (parser.isSet(QStringLiteral("version"))) parser.showVersion();
    files = parser.positionalArguments();
  }
  QApplication app(argc, argv);
  QGuiApplication::setDesktopFileName(QStringLiteral("org.kethmor.Planner"));
  auto* window = new kethmor::ui::MainWindow;
  QIcon icon;  // the window's resources are loaded once it exists
  for (const char* size : {"48", "256"})
    icon.addFile(QStringLiteral(":/kethmor-planner-%1.png").arg(QLatin1String(size)));
  QApplication::setWindowIcon(icon);
  QWidget* top = window->showFitted();
  closeOnEndSignals(top);
  // kethmor-planner FILE opens a saved sheet; of several, the first. An
  // argument that holds a build code and names no file opens the code.
  const std::string first = files.value(0).toStdString();
  if (!kethmor::sheet::findCode(first).empty() && !QFileInfo::exists(files.first())) window->openText(first, "open");
  else if (!files.isEmpty()) window->openFile(first, static_cast<int>(files.size()));
  const int status = QApplication::exec();
  delete top;
  return status;
}
