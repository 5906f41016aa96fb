#include "core/SafeFile.h"

#include <QFile>
#include "core/Error.h"
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace bw {

namespace {

int writeAll(int fd, const char* data, qsizetype size) {
  while (size > 0) {
    const ssize_t written = ::write(fd, data, static_cast<size_t>(size));
    if (written < 0) {
      if (errno == EINTR) continue;
      return errno;
    }
    data += written;
    size -= written;
  }
  return 0;
}

}  // namespace

int replaceFileContents(const QString& path, const QByteArray& data, mode_t newFileMode) {
  const QByteArray target = QFile::encodeName(path);
  QByteArray temp = target + ".XXXXXX";
  const int fd = ::mkstemp(temp.data());  // created 0600
  if (fd < 0) return errno;

  int failure = 0;
  struct stat existing {};
  const mode_t mode =
      ::stat(target.constData(), &existing) == 0 ? (existing.st_mode & 07777) : newFileMode;
  if (mode != 0600 && ::fchmod(fd, mode) != 0) failure = errno;
  if (!failure) failure = writeAll(fd, data.constData(), data.size());
  if (!failure && ::fsync(fd) != 0) failure = errno;
  if (::close(fd) != 0 && !failure) failure = errno;
  if (!failure && ::rename(temp.constData(), target.constData()) != 0) failure = errno;
  if (failure) ::unlink(temp.constData());
  return failure;
}

int copyFileExclusive(const QString& from, const QString& to) {
  const int in = ::open(QFile::encodeName(from).constData(), O_RDONLY | O_CLOEXEC);
  if (in < 0) return errno;
  const QByteArray target = QFile::encodeName(to);
  const int out = ::open(target.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
  if (out < 0) {
    const int failure = errno;
    ::close(in);
    return failure;
  }
  int failure = 0;
  char buffer[65536];
  for (;;) {
    const ssize_t got = ::read(in, buffer, sizeof buffer);
    if (got < 0) {
      if (errno == EINTR) continue;
      failure = errno;
      break;
    }
    if (got == 0) break;
    failure = writeAll(out, buffer, got);
    if (failure) break;
  }
  if (!failure && ::fsync(out) != 0) failure = errno;
  ::close(in);
  if (::close(out) != 0 && !failure) failure = errno;
  if (failure) ::unlink(target.constData());
  return failure;
}

Error writeError(int err, const QString& source) {
  if (err == ENOENT) return Error(Error::PathNotFound, source);
  return Error::fromErrno(err, source);
}

}  // namespace bw
