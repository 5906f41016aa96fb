#include "core/ProfileFile.h"

#include <QFile>
#include <QSaveFile>

#include "core/Cp1252.h"

namespace reelvise {

namespace {

// Section name of a "[name]" line, or a null string for any other line.
QString sectionName(const QString& line) {
  const QString trimmed = line.trimmed();
  if (!trimmed.startsWith(u'[')) {
    return {};
  }
  const qsizetype end = trimmed.indexOf(u']');
  const QString name = (end < 0 ? trimmed.mid(1) : trimmed.mid(1, end - 1)).trimmed();
  return name.isNull() ? QString("") : name;
}

bool sameName(const QString& a, const QString& b) {
  return a.compare(b, Qt::CaseInsensitive) == 0;
}

// Index of the first line of the first section called `section`'s body and
// one past its last line; begin < 0 when the section is missing.
std::pair<qsizetype, qsizetype> findSection(const QStringList& lines, const QString& section) {
  for (qsizetype i = 0; i < lines.size(); ++i) {
    const QString name = sectionName(lines[i]);
    if (!name.isNull() && sameName(name, section)) {
      qsizetype end = i + 1;
      while (end < lines.size() && sectionName(lines[end]).isNull()) {
        ++end;
      }
      return {i + 1, end};
    }
  }
  return {-1, -1};
}

bool splitKeyLine(const QString& line, QString* key, QString* value) {
  const qsizetype eq = line.indexOf(u'=');
  if (eq < 0) {
    return false;
  }
  *key = line.left(eq).trimmed();
  if (value != nullptr) {
    QString v = line.mid(eq + 1).trimmed();
    if (v.size() >= 2 && (v.front() == u'"' || v.front() == u'\'') && v.back() == v.front()) {
      v = v.mid(1, v.size() - 2);
    }
    *value = v;
  }
  return true;
}

}  // namespace

QStringList ProfileFile::readLines() const {
  QFile file(path_);
  if (!file.open(QIODevice::ReadOnly)) {
    return {};
  }
  QStringList lines = fromCp1252(file.readAll()).split(u'\n');
  for (QString& line : lines) {
    if (line.endsWith(u'\r')) {
      line.chop(1);
    }
  }
  if (!lines.isEmpty() && lines.back().isEmpty()) {
    lines.removeLast();
  }
  return lines;
}

QString ProfileFile::readString(const QString& section, const QString& key,
                                const QString& defaultValue, int maxChars) const {
  const int limit = std::max(maxChars, 0);
  const QStringList lines = readLines();
  const auto [begin, end] = findSection(lines, section);
  for (qsizetype i = begin; begin >= 0 && i < end; ++i) {
    QString name;
    QString value;
    if (splitKeyLine(lines[i], &name, &value) && sameName(name, key)) {
      return value.left(limit);
    }
  }
  return defaultValue.left(limit);
}

bool ProfileFile::writeString(const QString& section, const QString& key,
                              const QString& value) const {
  QStringList lines = readLines();
  const QString keyLine = key + u'=' + value;
  const auto [begin, end] = findSection(lines, section);
  bool placed = false;
  if (begin >= 0) {
    qsizetype lastFilled = begin - 1;
    for (qsizetype i = begin; i < end; ++i) {
      QString name;
      if (splitKeyLine(lines[i], &name, nullptr) && sameName(name, key)) {
        lines[i] = keyLine;
        placed = true;
        break;
      }
      if (!lines[i].trimmed().isEmpty()) {
        lastFilled = i;
      }
    }
    if (!placed) {
      lines.insert(lastFilled + 1, keyLine);
      placed = true;
    }
  }
  if (!placed) {
    if (!lines.isEmpty() && !lines.back().trimmed().isEmpty()) {
      lines.append(QString());
    }
    lines.append(u'[' + section + u']');
    lines.append(keyLine);
  }

  QSaveFile file(path_);
  if (!file.open(QIODevice::WriteOnly)) {
    return false;
  }
  QByteArray bytes;
  for (const QString& line : lines) {
    bytes += toCp1252(line);
    bytes += "\r\n";
  }
  return file.write(bytes) == bytes.size() && file.commit();
}

QStringList ProfileFile::readSection(const QString& section, int bufferChars) const {
  const QStringList lines = readLines();
  const auto [begin, end] = findSection(lines, section);
  QStringList result;
  qsizetype used = 1;  // the final terminator
  for (qsizetype i = begin; begin >= 0 && i < end; ++i) {
    const QString line = lines[i].trimmed();
    if (line.isEmpty() || line.startsWith(u';')) {
      continue;
    }
    if (used + line.size() + 1 > bufferChars) {
      break;
    }
    used += line.size() + 1;
    result.append(line);
  }
  return result;
}

}  // namespace reelvise
