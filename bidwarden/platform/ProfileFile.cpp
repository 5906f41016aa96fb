#include <QFile>
#include <QSaveFile>
#include "platform/Cp1252.h"
#include "platform/ProfileFile.h"

namespace bw {
namespace {

QStringList readLines(const QString& path, bool* exists) {
  QFile file(path);
  *exists = file.open(QIODevice::ReadOnly);
  if (!*exists) return {};
  const QString text = fromCp1252(file.readAll());
  QStringList lines = text.split('\n');
  for (QString& line : lines)
    if (line.endsWith('\r')) line.chop(1);
  if (!lines.isEmpty() && lines.back().isEmpty()) lines.removeLast();
  return lines;
}

// The section name of a "[name]" line, or a null text.
QString sectionOf(const QString& line) {
  const QString t = line.trimmed();
  if (!t.startsWith('[')) return QString();
  const qsizetype close = t.indexOf(']');
  return (close < 0 ? t.mid(1) : t.mid(1, close - 1)).trimmed();
}

bool keyOf(const QString& line, QString* key, QString* value) {
  const QString t = line.trimmed();
  if (t.startsWith(';')) return false;
  const qsizetype eq = line.indexOf('=');
  if (eq < 0) return false;
  *key = line.left(eq).trimmed();
  if (value) *value = line.mid(eq + 1);
  return true;
}

}  // namespace

QString readProfileString(const QString& path, const QString& section, const QString& key,
                          const QString& fallback, int maxChars) {
  bool exists = false;
  const QStringList lines = readLines(path, &exists);
  QString result = fallback;
  bool inSection = false;
  bool sectionSeen = false;
  for (const QString& line : lines) {
    const QString name = sectionOf(line);
    if (!name.isNull()) {
      if (sectionSeen && inSection) break;  // only the first matching section
      inSection = name.compare(section, Qt::CaseInsensitive) == 0;
      sectionSeen = sectionSeen || inSection;
      continue;
    }
    QString k, v;
    if (inSection && keyOf(line, &k, &v) && k.compare(key, Qt::CaseInsensitive) == 0) {
      v = v.trimmed();
      if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front())
        v = v.mid(1, v.size() - 2);
      result = v;
      break;
    }
  }
  if (maxChars >= 0 && result.size() > maxChars) result.truncate(maxChars);
  return result;
}

bool writeProfileString(const QString& path, const QString& section, const QString& key,
                        const QString& value) {
  bool exists = false;
  QStringList lines = readLines(path, &exists);
  qsizetype sectionLine = -1, insertAt = -1, keyLine = -1;
  for (qsizetype i = 0; i < lines.size(); ++i) {
    const QString name = sectionOf(lines[i]);
    if (!name.isNull()) {
      if (sectionLine >= 0) break;
      if (name.compare(section, Qt::CaseInsensitive) == 0) sectionLine = insertAt = i;
      continue;
    }
    if (sectionLine < 0) continue;
    if (!lines[i].trimmed().isEmpty()) insertAt = i;
    QString k;
    if (keyOf(lines[i], &k, nullptr) && k.compare(key, Qt::CaseInsensitive) == 0) {
      keyLine = i;
      break;
    }
  }
  const QString entry = key + '=' + value;
  if (keyLine >= 0) {
    lines[keyLine] = entry;
  } else if (sectionLine >= 0) {
    lines.insert(insertAt + 1, entry);
  } else {
    lines.append('[' + section + ']');
    lines.append(entry);
  }
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return false;
  file.write(toCp1252(lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")));
  return file.commit();
}

}  // namespace bw
