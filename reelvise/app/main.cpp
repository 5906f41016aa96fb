// Reelvise start-up: bind the engine before any window exists, show the
// splash, create every window, then run the skinned main window.

#include <QApplication>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QSocketNotifier>
#include <QThread>

#include <csignal>
#include <exception>
#include <memory>
#include <sys/socket.h>
#include <unistd.h>

#include "core/MainCommands.h"
#include "ui/DesktopShell.h"
#include "ui/ProgramWindows.h"
#include "ui/Splash.h"
#include "ui/StartupBinding.h"

namespace {

constexpr int kSplashMilliseconds = 2000;

int signalPipe[2] = {-1, -1};

void onTerminationSignal(int) {
  const char byte = 1;
  [[maybe_unused]] const auto written = ::write(signalPipe[1], &byte, 1);
}

// SIGTERM and SIGINT close the main window, which ends the program in
// order; the handler only wakes the event loop.
void closeOnTerminationSignals(QWidget* mainWindow) {
  if (::socketpair(AF_UNIX, SOCK_STREAM, 0, signalPipe) != 0) {
    return;
  }
  auto* notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, mainWindow);
  QObject::connect(notifier, &QSocketNotifier::activated, mainWindow, [mainWindow] {
    char byte = 0;
    [[maybe_unused]] const auto got = ::read(signalPipe[0], &byte, 1);
    mainWindow->close();
  });
  struct sigaction action = {};
  action.sa_handler = onTerminationSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  sigaction(SIGTERM, &action, nullptr);
  sigaction(SIGINT, &action, nullptr);
}

// Waits while the windows keep painting.
void pause(int milliseconds) {
  QElapsedTimer timer;
  timer.start();
  while (timer.elapsed() < milliseconds) {
    QApplication::processEvents(QEventLoop::AllEvents, 20);
    QThread::msleep(10);
  }
}

int run(QApplication& app) {
  if (!BindEngineOrExplain()) {
    return 0;
  }
  // A splash-screen window has no task-bar button of its own.
  auto splash = std::make_unique<TfrmSplash>();
  splash->show();
  splash->repaint();
  QApplication::processEvents();

  app.setApplicationName(reelvise::kProductTitle);
  DesktopShell shell;
  ProgramWindows windows(shell);

  pause(kSplashMilliseconds);
  splash.reset();

  TForm1& mainWindow = windows.mainWindow();
  closeOnTerminationSignals(&mainWindow);
  mainWindow.show();
  return app.exec();
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  try {
    return run(app);
  } catch (const std::exception& error) {
    QMessageBox::critical(nullptr, reelvise::kProductTitle, QString::fromLocal8Bit(error.what()));
  }
  return 1;
}
