#pragma once

#include <QImage>
#include <QWidget>

#include <array>
#include <memory>

#include "core/MainCommands.h"
#include "core/SkinSwitcher.h"

namespace reelvise {
class IShell;
}
class TPopupMenu;
class TTransparentButton;

// The other windows the main window hands work to.
class IMainWindowPeers {
 public:
  virtual ~IMainWindowPeers() = default;
  // Sets up the conversion dialog for `mode` and shows it modally.
  virtual void runConversion(QWidget* mainWindow, int mode) = 0;
  // "File Info...": an empty text when the user chose nothing.
  virtual QString chooseInfoFile(QWidget* mainWindow) = 0;
  virtual void showFileInfo(QWidget* mainWindow, const QString& path) = 0;
  virtual void showAbout(QWidget* mainWindow) = 0;
};

// Picture that holds the face; the window is dragged by it.
class TFaceImage : public QWidget {
  Q_OBJECT
 public:
  explicit TFaceImage(QWidget* parent) : QWidget(parent) {}
  void setPicture(const QImage& picture);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QImage picture_;
};

// The skinned, shaped main window "Form1".
class TForm1 : public QWidget {
  Q_OBJECT
 public:
  // `config` is the INI object of "config.ini" (owned by the window and
  // released with it); `shapeBuilder` makes the window's outline.
  TForm1(reelvise::IShell& shell, IMainWindowPeers& peers, I_ZTINI* config,
         reelvise::ShapeBuilder shapeBuilder, QWidget* parent = nullptr);
  ~TForm1() override;

  void runCommand(reelvise::MainCommand command);

  TTransparentButton* button(int number) const { return buttons_.at(number - 1); }
  TPopupMenu* popupMenu() const { return PopupMenu1; }
  TPopupMenu* skinSubmenu() const { return skinSubmenu_; }
  const reelvise::SkinSwitcher& switcher() const { return *switcher_; }
  TFaceImage* faceImage() const { return Image1; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  void applyLook();
  void buildPopupMenu();
  void buildSkinSubmenu();
  void openHelp();
  void openHomePage();

  struct ConfigRelease {
    void operator()(I_ZTINI* ini) const {
      if (ini != nullptr) ini->table->Release(ini);
    }
  };

  reelvise::IShell& shell_;
  IMainWindowPeers& peers_;
  std::unique_ptr<I_ZTINI, ConfigRelease> config_;
  std::unique_ptr<reelvise::SkinSwitcher> switcher_;
  TFaceImage* Image1;
  std::array<TTransparentButton*, reelvise::kSkinButtonCount> buttons_{};
  TPopupMenu* PopupMenu1;
  TPopupMenu* skinSubmenu_ = nullptr;
  bool dragging_ = false;
  QPoint dragAnchor_;
};

// The look of the main window before any skin has loaded.
QImage defaultMainFace();
