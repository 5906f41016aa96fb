#pragma once
#include <memory>
#include <QString>
#include "platform/Desktop.h"
#include "platform/LinuxServices.h"

class QSoundEffect;

namespace bw {

// Qt Multimedia: one sound at a time, played to its end.
class QtSoundPlayer final : public ISoundPlayer {
 public:
  QtSoundPlayer();
  ~QtSoundPlayer() override;
  bool playWave(const QString& path) override;

 private:
  std::unique_ptr<QSoundEffect> effect_;
};

// The desktop's bell.
class DesktopBeep final : public IBeep {
 public:
  void beep() override;
};

class DesktopShell final : public IShell {
 public:
  bool openUrl(const QString& address) override;
  QString programForType(const QString& mimeType) override;
  bool startProgram(const QString& program, const QStringList& arguments) override;
};

class WidgetMessageBox final : public IMessageBox {
 public:
  Answer show(const QString& text, Buttons buttons, Icon icon, const QString& title) override;
};

// Every Linux service, core and desktop, installed for the lifetime of the
// object. The program creates one at start-up, after its QApplication.
class DesktopServiceSet {
 public:
  DesktopServiceSet();
  ~DesktopServiceSet();
  DesktopServiceSet(const DesktopServiceSet&) = delete;
  DesktopServiceSet& operator=(const DesktopServiceSet&) = delete;

  LinuxCoreServices core;
  QtSoundPlayer sound;
  DesktopBeep beep;
  DesktopShell shell;
  WidgetMessageBox messageBox;

 private:
  std::unique_ptr<ScopedServices> scope_;
};

}  // namespace bw
