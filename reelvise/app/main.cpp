// Reelvise start-up: bind the engine before any window exists, show the
// splash, create every window, then run the skinned main window.

#include <QApplication>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QThread>

#include <exception>
#include <memory>

#include "core/MainCommands.h"
#include "core/TerminationSignals.h"
#include "ui/DesktopShell.h"
#include "ui/ProgramWindows.h"
#include "ui/Splash.h"
#include "ui/StartupBinding.h"

namespace {

constexpr int kSplashMilliseconds = 2000;

// Waits while the windows keep painting.
void pause(int milliseconds) {
  QElapsedTimer timer;
  timer.start();
  while (timer.elapsed() < milliseconds && !TerminationRequested()) {
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

  if (TerminationRequested()) {
    return 0;
  }
  TForm1& mainWindow = windows.mainWindow();
  mainWindow.show();
  return app.exec();
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QuitOnTerminationSignals();
  try {
    return run(app);
  } catch (const std::exception& error) {
    QMessageBox::critical(nullptr, reelvise::kProductTitle, QString::fromLocal8Bit(error.what()));
  }
  return 1;
}
