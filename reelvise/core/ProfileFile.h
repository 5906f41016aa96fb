#pragma once

#include <QString>
#include <QStringList>

namespace reelvise {

// Windows profile-file semantics over one file: "[section]" and "key=value"
// lines, names compared without case, the first match wins, a missing file,
// section or key gives the default. Written as Windows-1252 with CR LF.
class ProfileFile {
 public:
  explicit ProfileFile(QString path) : path_(std::move(path)) {}

  const QString& path() const { return path_; }

  // At most maxChars characters of the value (a buffer of maxChars + 1 with
  // its terminator); the default is cut the same way.
  QString readString(const QString& section, const QString& key, const QString& defaultValue,
                     int maxChars) const;

  // Replaces the first line of the key in the first matching section, or
  // adds the key at the end of that section, or adds the section at the end
  // of the file. Other lines are kept as they were. False when the file
  // cannot be written.
  bool writeString(const QString& section, const QString& key, const QString& value) const;

  // The lines of the first matching section, blank and ";" lines left out,
  // as long as they fit whole into bufferChars characters counting one
  // terminator per line and a final one.
  QStringList readSection(const QString& section, int bufferChars) const;

 private:
  QStringList readLines() const;

  QString path_;
};

}  // namespace reelvise
