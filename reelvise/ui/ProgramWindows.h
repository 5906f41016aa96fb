#pragma once

#include <memory>

#include "ui/ConversionWindows.h"
#include "ui/MainForm.h"

class TAboutBox;

// Every window of the program, created once at start-up and living until
// it ends: main window, conversion dialog, preview, about box and file
// information window.
class ProgramWindows : public IMainWindowPeers {
 public:
  explicit ProgramWindows(reelvise::IShell& shell);
  ~ProgramWindows() override;

  TForm1& mainWindow() { return *main_; }

  void runConversion(QWidget* mainWindow, int mode) override;
  QString chooseInfoFile(QWidget* mainWindow) override;
  void showFileInfo(QWidget* mainWindow, const QString& path) override;
  void showAbout(QWidget* mainWindow) override;

 private:
  reelvise::IShell& shell_;
  std::unique_ptr<TForm1> main_;
  ConversionWindows conversion_;
  std::unique_ptr<TAboutBox> about_;
};
