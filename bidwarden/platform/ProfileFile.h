#pragma once
#include <QString>

namespace bw {

// Windows profile files ([section], key=value), written by us: names compared
// without case, first match wins, a missing file, section or key gives the
// default. Files are Windows-1252 text; written lines end in CR LF.
//
// The value is trimmed of blanks and, when it stands in matching double or
// single quotes, unquoted; then cut to `maxChars` characters.
QString readProfileString(const QString& path, const QString& section, const QString& key,
                          const QString& fallback, int maxChars);

// Replaces the first `key` of the first `section` (adding either when
// missing) and keeps every other line as it was. Returns false when the
// file cannot be written. The file is replaced whole, never half-written.
bool writeProfileString(const QString& path, const QString& section, const QString& key,
                        const QString& value);

}  // namespace bw
