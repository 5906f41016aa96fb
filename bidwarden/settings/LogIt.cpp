#include "settings/LogIt.h"
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>
#include "core/Error.h"
#include "core/Format.h"
#include "core/ProcessState.h"
#include "core/TextFile.h"
#include "platform/Cp1252.h"
#include "platform/Services.h"

namespace bw {

namespace detail {
int& logFailureCount() {
  static int count = 0;
  return count;
}
}  // namespace detail

namespace {

constexpr qint64 kTrimAbove = 2000000;
constexpr qint64 kKeepAbout = 1750000;
constexpr int kHeadWidth = 52;

[[noreturn]] void fail() { throw Error::fromErrno(errno, QStringLiteral("modMain.LogIt")); }

void trim(const QString& logPath, const QString& backupPath, qint64 size) {
  const QByteArray log = QFile::encodeName(logPath);
  const QByteArray bak = QFile::encodeName(backupPath);
  if (::unlink(bak.constData()) != 0 && errno != ENOENT) fail();
  if (::rename(log.constData(), bak.constData()) != 0) fail();
  QFile backup(backupPath);
  if (!backup.open(QIODevice::ReadOnly)) {
    errno = EACCES;
    fail();
  }
  const QByteArray content = backup.readAll();
  backup.close();
  // Drop whole lines until their characters (line breaks not counted) reach
  // size - kKeepAbout; the line that reaches it goes too.
  const qint64 toDrop = size - kKeepAbout;
  qint64 dropped = 0;
  qsizetype pos = 0;
  while (dropped < toDrop && pos < content.size()) {
    qsizetype nl = content.indexOf('\n', pos);
    const qsizetype end = nl < 0 ? content.size() : nl;
    qsizetype len = end - pos;
    if (len > 0 && content[end - 1] == '\r') --len;
    dropped += len;
    pos = nl < 0 ? content.size() : nl + 1;
  }
  QByteArray kept;
  kept.reserve(content.size() - pos);
  while (pos < content.size()) {
    qsizetype nl = content.indexOf('\n', pos);
    const qsizetype end = nl < 0 ? content.size() : nl;
    qsizetype len = end - pos;
    if (len > 0 && content[end - 1] == '\r') --len;
    kept.append(content.constData() + pos, len);
    kept.append("\r\n");
    pos = nl < 0 ? content.size() : nl + 1;
  }
  writeTextFile(logPath, fromCp1252(kept), FileAccess::OwnerOnly);
  ::unlink(bak.constData());
}

}  // namespace

QString logFilePath() { return state().gstrPath + QStringLiteral("BidWarden.log"); }
QString logBackupPath() { return state().gstrPath + QStringLiteral("BidWarden.bak"); }
int logFailuresShown() { return detail::logFailureCount(); }

QString logLineHead(const QString& source) {
  const QString when = formatDateTime(DateTime::localNow(), QStringLiteral("m-d-yy h:mm:ss AMPM"));
  QString head = when + QStringLiteral(" | (") + source + ')';
  if (head.size() > kHeadWidth) head.truncate(kHeadWidth);
  return head.leftJustified(kHeadWidth, ' ');
}

void LogIt(const QString& source, const QString& message) {
  try {
    const QString logPath = logFilePath();
    struct stat info {};
    if (::stat(QFile::encodeName(logPath).constData(), &info) == 0 && info.st_size > kTrimAbove)
      trim(logPath, logBackupPath(), info.st_size);
    appendTextFile(logPath, logLineHead(source) + message + QStringLiteral("\r\n"), FileAccess::OwnerOnly);
  } catch (...) {
    int& failures = detail::logFailureCount();
    if (failures >= 2) return;
    ++failures;
    QString description;
    try {
      throw;
    } catch (const Error& e) {
      description = e.description();
    } catch (const std::exception& e) {
      description = QString::fromLocal8Bit(e.what());
    } catch (...) {
      description = QStringLiteral("Unknown error");
    }
    if (IMessageBox* box = services().messageBox) {
      try {
        box->show(QStringLiteral("modMain.LogIt") + description, IMessageBox::Buttons::Ok,
                  IMessageBox::Icon::Critical, QStringLiteral("BidWarden"));
      } catch (...) {
      }
    }
  }
}

}  // namespace bw
