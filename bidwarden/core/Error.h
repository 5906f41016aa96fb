#pragma once
#include <QString>
#include <exception>
#include <string>

namespace bw {

// The program's one error type: a number, a source and a description, as
// the log shows them ("ERROR: 13 Type mismatch").
class Error : public std::exception {
 public:
  enum Number : long {
    InvalidProcedureCall = 5,
    Overflow = 6,
    SubscriptOutOfRange = 9,
    TypeMismatch = 13,
    BadFileNameOrNumber = 52,
    FileNotFound = 53,
    FileAlreadyOpen = 55,
    DeviceIoError = 57,
    FileAlreadyExists = 58,
    DiskFull = 61,
    PermissionDenied = 70,
    PathFileAccessError = 75,
    PathNotFound = 76,
    DuplicateKey = 457,
    GeneralFailure = 4096,
    // The object-error base of the platform and the numbers above it.
    ObjectErrorBase = -2147221504L,
    KeyNotFound = -2147221404L,         // base + 100
    BidFailure1002 = -2147220502L,      // base + 1002
    BidFailure1003 = -2147220501L,      // base + 1003
    BidFailure1004 = -2147220500L,      // base + 1004
  };

  Error(long number, QString source, QString description);
  // A numbered error with its standard description ("Type mismatch").
  Error(long number, QString source = QString());

  long number() const { return number_; }
  const QString& source() const { return source_; }
  const QString& description() const { return description_; }
  // "13 Type mismatch": what follows "ERROR: " in a log line.
  QString numberAndDescription() const;
  const char* what() const noexcept override { return what_.c_str(); }

  // The standard description of a run-time error number, empty when unknown.
  static QString standardDescription(long number);
  // The error for a failed file operation with errno `err`.
  static Error fromErrno(int err, const QString& source);

 private:
  long number_;
  QString source_;
  QString description_;
  std::string what_;
};

// Writes "ERROR: " + number + " " + description under `source`.
void logError(const QString& source, const Error& error);
// The same for any exception (a std::exception is error 4096 with its text).
void logCurrentException(const QString& source);

}  // namespace bw
