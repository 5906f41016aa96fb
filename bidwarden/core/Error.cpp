#include "core/Error.h"
#include <cerrno>
#include "settings/LogIt.h"

namespace bw {

Error::Error(long number, QString source, QString description)
    : number_(number), source_(std::move(source)), description_(std::move(description)),
      what_(numberAndDescription().toStdString()) {}

Error::Error(long number, QString source)
    : Error(number, std::move(source), standardDescription(number)) {}

QString Error::numberAndDescription() const {
  return QString::number(number_) + ' ' + description_;
}

QString Error::standardDescription(long number) {
  switch (number) {
    case InvalidProcedureCall: return QStringLiteral("Invalid procedure call or argument");
    case Overflow: return QStringLiteral("Overflow");
    case SubscriptOutOfRange: return QStringLiteral("Subscript out of range");
    case TypeMismatch: return QStringLiteral("Type mismatch");
    case BadFileNameOrNumber: return QStringLiteral("Bad file name or number");
    case FileNotFound: return QStringLiteral("File not found");
    case FileAlreadyOpen: return QStringLiteral("File already open");
    case DeviceIoError: return QStringLiteral("Device I/O error");
    case FileAlreadyExists: return QStringLiteral("File already exists");
    case DiskFull: return QStringLiteral("Disk full");
    case PermissionDenied: return QStringLiteral("Permission denied");
    case PathFileAccessError: return QStringLiteral("Path/File access error");
    case PathNotFound: return QStringLiteral("Path not found");
    case DuplicateKey:
      return QStringLiteral("This key is already associated with an element of this collection");
    case KeyNotFound: return QStringLiteral("Key not found in MyDictionary object.");
    default: return QString();
  }
}

Error Error::fromErrno(int err, const QString& source) {
  switch (err) {
    case ENOENT: return Error(FileNotFound, source);
    case ENOTDIR: return Error(PathNotFound, source);
    case EACCES:
    case EPERM:
    case EROFS: return Error(PermissionDenied, source);
    case ENOSPC:
    case EDQUOT: return Error(DiskFull, source);
    case EEXIST: return Error(FileAlreadyExists, source);
    case EISDIR: return Error(PathFileAccessError, source);
    default: return Error(DeviceIoError, source);
  }
}

void logError(const QString& source, const Error& error) {
  LogIt(source, QStringLiteral("ERROR: ") + error.numberAndDescription());
}

void logCurrentException(const QString& source) {
  try {
    throw;
  } catch (const Error& e) {
    logError(source, e);
  } catch (const std::exception& e) {
    logError(source, Error(Error::GeneralFailure, source, QString::fromLocal8Bit(e.what())));
  } catch (...) {
    logError(source, Error(Error::GeneralFailure, source, QStringLiteral("Unknown error")));
  }
}

}  // namespace bw
