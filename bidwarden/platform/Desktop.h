#pragma once
#include <QString>
#include <QStringList>

namespace bw {

class ISoundPlayer {
 public:
  virtual ~ISoundPlayer() = default;
  // Plays a wave file to its end. False when there is no audio device, the
  // file is missing or a sound is already playing.
  virtual bool playWave(const QString& path) = 0;
};

class IBeep {
 public:
  virtual ~IBeep() = default;
  virtual void beep() = 0;
};

class IShell {
 public:
  virtual ~IShell() = default;
  // The desktop's "open" action for an address or a file.
  virtual bool openUrl(const QString& address) = 0;
  // The program the desktop associates with a MIME type ("text/html"), as a
  // path or command name; empty when there is none.
  virtual QString programForType(const QString& mimeType) = 0;
  // Starts a program detached; false when it cannot be started.
  virtual bool startProgram(const QString& program, const QStringList& arguments) = 0;
};

// Message boxes in the manner of the original: text, buttons, icon, title.
class IMessageBox {
 public:
  enum class Icon { None, Critical, Question, Exclamation, Information };
  enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel };
  enum class Answer { Ok, Cancel, Yes, No };
  virtual ~IMessageBox() = default;
  virtual Answer show(const QString& text, Buttons buttons, Icon icon, const QString& title) = 0;
};

}  // namespace bw
