// Test launcher until the skinned main window takes over: binds the engine,
// makes the conversion windows, then offers one plain button per mode.
//   Reelvise [--mode N]   opens the dialog in mode N at once
#include <QApplication>
#include <QFileDialog>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>
#include <QWidget>

#include "core/ConversionModes.h"
#include "ui/ConversionWindows.h"
#include "ui/FrmConvert.h"
#include "ui/InfoDlg.h"
#include "ui/StartupBinding.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (!BindEngineOrExplain()) return 0;
  app.setApplicationName(QStringLiteral("Vidora Video Convert"));
  ConversionWindows windows = CreateConversionWindows();

  QWidget launcher;
  launcher.setWindowTitle(QStringLiteral("Reelvise - conversion test launcher"));
  auto* layout = new QVBoxLayout(&launcher);
  for (int mode : {0, 2, 1, 4, 3, 101, 100}) {
    auto* button = new QPushButton(QStringLiteral("Test: ") + findConversionMode(mode)->title, &launcher);
    QObject::connect(button, &QPushButton::clicked, &launcher,
                     [&, mode] { windows.convert->runMode(&launcher, mode); });
    layout->addWidget(button);
  }
  auto* info = new QPushButton(QStringLiteral("Test: File Info..."), &launcher);
  QObject::connect(info, &QPushButton::clicked, &launcher, [&] {
    const QString file = QFileDialog::getOpenFileName(&launcher, QStringLiteral("Open"), QString(),
                                                      QStringLiteral("*.* (*)"), nullptr,
                                                      QFileDialog::DontUseNativeDialog);
    if (!file.isEmpty()) ShowFileInfo(file, &launcher, FileInfoRequest::MainWindow);
  });
  layout->addWidget(info);
  launcher.resize(260, launcher.sizeHint().height());
  launcher.show();

  const QStringList args = app.arguments();
  const int at = args.indexOf(QStringLiteral("--mode"));
  if (at >= 0 && at + 1 < args.size()) {
    const int mode = args[at + 1].toInt();
    QTimer::singleShot(0, &launcher, [&, mode] { windows.convert->runMode(&launcher, mode); });
  }
  const int rc = app.exec();
  DestroyConversionWindows(windows);
  return rc;
}
