#pragma once
#include <QString>

namespace bw {

enum class FileAccess { Shared, OwnerOnly };

// Writes `text` as Windows-1252 to `path`, line ends as given (use "\r\n").
// The file is written beside the old one and then put in its place, so a
// failure never leaves a half-written file. OwnerOnly files are readable by
// their owner only. Throws Error 70, 75, 76 or 61 on failure.
void writeTextFile(const QString& path, const QString& text, FileAccess access);

// Appends `text` as Windows-1252, creating the file with `access`.
void appendTextFile(const QString& path, const QString& text, FileAccess access);

// Reads a Windows-1252 file whole. Throws Error 53 when it is missing, 70
// when it may not be read.
QString readTextFile(const QString& path);

}  // namespace bw
