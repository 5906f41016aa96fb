#pragma once
#include <QByteArray>
#include <QString>
#include <sys/types.h>

namespace bw {

// Writes `data` to a new file beside `path` and renames it over `path` only
// once every byte is on disk (checked write by write: a short write on a
// full disk must not pass for a complete file), so a failed write (full disk, crash, refused
// folder) leaves the old file as it was. A new file gets `newFileMode`
// (readable by its owner only unless told otherwise); an existing file
// keeps its permissions. Returns 0 or the errno of the step that failed;
// nothing is left behind on failure.
int replaceFileContents(const QString& path, const QByteArray& data, mode_t newFileMode = 0600);

// Copies `from` to `to` (which must not exist). Returns 0 or an errno.
int copyFileExclusive(const QString& from, const QString& to);

class Error;
// The error of a failed write: a missing file there means its folder is
// missing, which is 76 "Path not found".
Error writeError(int err, const QString& source);

}  // namespace bw
