#include "platform/desktop/DesktopServices.h"
#include <QApplication>
#include <QAudioDevice>
#include <QDesktopServices>
#include <QEventLoop>
#include <QFileInfo>
#include <QMediaDevices>
#include <QMessageBox>
#include <QProcess>
#include <QSoundEffect>
#include <QStandardPaths>
#include <QTimer>
#include <QUrl>

namespace bw {

QtSoundPlayer::QtSoundPlayer() = default;
QtSoundPlayer::~QtSoundPlayer() = default;

bool QtSoundPlayer::playWave(const QString& path) {
  if (effect_ && effect_->isPlaying()) return false;
  if (!QFileInfo::exists(path) || QMediaDevices::defaultAudioOutput().isNull()) return false;
  effect_ = std::make_unique<QSoundEffect>();
  effect_->setSource(QUrl::fromLocalFile(path));
  QEventLoop loop;
  bool failed = false;
  QObject::connect(effect_.get(), &QSoundEffect::statusChanged, &loop, [&] {
    if (effect_->status() == QSoundEffect::Error) {
      failed = true;
      loop.quit();
    } else if (effect_->status() == QSoundEffect::Ready) {
      effect_->play();
    }
  });
  QObject::connect(effect_.get(), &QSoundEffect::playingChanged, &loop, [&] {
    if (!effect_->isPlaying()) loop.quit();
  });
  // A sound that never reports back must not hold the program.
  QTimer::singleShot(120000, &loop, &QEventLoop::quit);
  if (effect_->status() == QSoundEffect::Ready) effect_->play();
  loop.exec();
  return !failed;
}

void DesktopBeep::beep() { QApplication::beep(); }

bool DesktopShell::openUrl(const QString& address) {
  const QUrl url = QFileInfo::exists(address) ? QUrl::fromLocalFile(address)
                                              : QUrl::fromUserInput(address);
  return QDesktopServices::openUrl(url);
}

QString DesktopShell::programForType(const QString& mimeType) {
  const QString xdgMime = QStandardPaths::findExecutable("xdg-mime");
  if (xdgMime.isEmpty()) return QString();
  QProcess query;
  query.start(xdgMime, {"query", "default", mimeType});
  if (!query.waitForFinished(5000)) return QString();
  QString desktopId = QString::fromLocal8Bit(query.readAllStandardOutput()).trimmed();
  if (desktopId.endsWith(".desktop")) desktopId.chop(8);
  if (desktopId.isEmpty()) return QString();
  // Desktop ids usually name the command ("firefox-esr"); fall back to the
  // id itself as a launcher argument otherwise.
  const QString direct = QStandardPaths::findExecutable(desktopId);
  return direct.isEmpty() ? desktopId : direct;
}

bool DesktopShell::startProgram(const QString& program, const QStringList& arguments) {
  return QProcess::startDetached(program, arguments);
}

IMessageBox::Answer WidgetMessageBox::show(const QString& text, Buttons buttons, Icon icon,
                                           const QString& title) {
  QMessageBox box;
  box.setText(text);
  box.setWindowTitle(title);
  switch (icon) {
    case Icon::None: box.setIcon(QMessageBox::NoIcon); break;
    case Icon::Critical: box.setIcon(QMessageBox::Critical); break;
    case Icon::Question: box.setIcon(QMessageBox::Question); break;
    case Icon::Exclamation: box.setIcon(QMessageBox::Warning); break;
    case Icon::Information: box.setIcon(QMessageBox::Information); break;
  }
  switch (buttons) {
    case Buttons::Ok: box.setStandardButtons(QMessageBox::Ok); break;
    case Buttons::OkCancel: box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel); break;
    case Buttons::YesNo: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No); break;
    case Buttons::YesNoCancel:
      box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
      break;
  }
  switch (box.exec()) {
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    case QMessageBox::Cancel: return Answer::Cancel;
    default: return Answer::Ok;
  }
}

DesktopServiceSet::DesktopServiceSet() {
  Services installed = services();
  installed.sound = &sound;
  installed.beep = &beep;
  installed.shell = &shell;
  installed.messageBox = &messageBox;
  scope_ = std::make_unique<ScopedServices>(installed);
}

DesktopServiceSet::~DesktopServiceSet() = default;

}  // namespace bw
