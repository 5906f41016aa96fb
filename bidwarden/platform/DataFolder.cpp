#include <QDir>
#include <QFile>
#include <QFileInfo>
#include "platform/DataFolder.h"

namespace bw {

QString resolveDataFolder() {
  QString folder = qEnvironmentVariable("BIDWARDEN_HOME");
  if (folder.isEmpty()) {
    QString xdg = qEnvironmentVariable("XDG_DATA_HOME");
    if (xdg.isEmpty()) xdg = QDir::homePath() + "/.local/share";
    folder = xdg + "/BidWarden";
  }
  if (!QDir().mkpath(folder)) return QString();
  folder = QDir(folder).absolutePath();
  if (!folder.endsWith('/')) folder += '/';
  return folder;
}

QStringList copyShippedFiles(const QString& installFolder, const QString& dataFolder) {
  QStringList copied;
  const QDir source(installFolder);
  for (const QFileInfo& file : source.entryInfoList(QDir::Files)) {
    const QString target = QDir(dataFolder).filePath(file.fileName());
    if (QFileInfo::exists(target)) continue;
    if (QFile::copy(file.absoluteFilePath(), target)) copied << file.fileName();
  }
  return copied;
}

}  // namespace bw
