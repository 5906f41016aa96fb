#pragma once

#include <QByteArray>
#include <QString>

namespace reelvise {

// Files the program writes are Windows-1252 text; Qt has no codec for it
// without ICU, so the 32 characters that differ from Latin-1 are mapped here.
QString fromCp1252(const QByteArray& bytes);
// Characters outside the code page become '?'.
QByteArray toCp1252(const QString& text);

}  // namespace reelvise
