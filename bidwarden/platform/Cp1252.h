#pragma once
#include <QByteArray>
#include <QString>

namespace bw {

// The program's 8-bit text: Windows-1252. Characters outside it become '?'.
QByteArray toCp1252(const QString& text);
QString fromCp1252(const QByteArray& bytes);
QString fromCp1252(const char* data, qsizetype size);

}  // namespace bw
