#include "core/TextFile.h"
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include "core/Error.h"
#include "core/SafeFile.h"
#include "platform/Cp1252.h"

namespace bw {
namespace {

Error fileError(QFileDevice::FileError error, const QString& path) {
  const QString source = QStringLiteral("TextFile");
  switch (error) {
    case QFileDevice::PermissionsError: return Error(Error::PermissionDenied, source);
    case QFileDevice::ResourceError: return Error(Error::DiskFull, source);
    default:
      return Error(QFileInfo(path).absoluteDir().exists() ? Error::PathFileAccessError : Error::PathNotFound,
                   source);
  }
}

}  // namespace

void writeTextFile(const QString& path, const QString& text, FileAccess access) {
  // Every write is checked: a short write on a full disk must not pass for a
  // complete file (a save file's commit accepts one).
  mode_t mode = 0600;
  if (access == FileAccess::Shared) {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    mode = 0666 & ~mask;
  }
  if (const int failure = replaceFileContents(path, toCp1252(text), mode))
    throw writeError(failure, QStringLiteral("TextFile"));
}

void appendTextFile(const QString& path, const QString& text, FileAccess access) {
  const int mode = access == FileAccess::OwnerOnly ? 0600 : 0644;
  const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, mode);
  if (fd < 0) throw Error::fromErrno(errno, QStringLiteral("TextFile"));
  const QByteArray bytes = toCp1252(text);
  qsizetype done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.constData() + done, static_cast<size_t>(bytes.size() - done));
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      const int err = errno;
      ::close(fd);
      throw Error::fromErrno(err, QStringLiteral("TextFile"));
    }
    done += n;
  }
  if (::close(fd) != 0) throw Error::fromErrno(errno, QStringLiteral("TextFile"));
}

QString readTextFile(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    if (!file.exists()) throw Error(Error::FileNotFound, QStringLiteral("TextFile"));
    throw fileError(file.error(), path);
  }
  return fromCp1252(file.readAll());
}

}  // namespace bw
