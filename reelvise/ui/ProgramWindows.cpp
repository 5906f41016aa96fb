#include "ui/ProgramWindows.h"

#include <QFileDialog>

#include "core/ConversionModes.h"
#include "core/ShapeRegion.h"
#include "ui/AboutBox.h"
#include "ui/FrmConvert.h"
#include "ui/InfoDlg.h"

ProgramWindows::ProgramWindows(reelvise::IShell& shell) : shell_(shell) {
  main_ = std::make_unique<TForm1>(shell_, *this, NEW_ZTINI(), &BuildShapeRegion);
  conversion_ = CreateConversionWindows();
  about_ = std::make_unique<TAboutBox>(shell_, main_.get());
}

ProgramWindows::~ProgramWindows() {
  about_.reset();
  DestroyConversionWindows(conversion_);
}

void ProgramWindows::runConversion(QWidget* mainWindow, int mode) {
  conversion_.convert->runMode(mainWindow, mode);
}

QString ProgramWindows::chooseInfoFile(QWidget* mainWindow) {
  return QFileDialog::getOpenFileName(mainWindow, QString(), QString(),
                                      fileDialogFilter("*.*|*.*"));
}

void ProgramWindows::showFileInfo(QWidget* mainWindow, const QString& path) {
  ShowFileInfo(path, mainWindow, FileInfoRequest::MainWindow);
}

void ProgramWindows::showAbout(QWidget*) {
  about_->exec();
}
