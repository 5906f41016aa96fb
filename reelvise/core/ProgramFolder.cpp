#include "core/ProgramFolder.h"

#include <QFileInfo>
#include <QMutex>
#include <QMutexLocker>

namespace {
QString withoutTrailingSeparator(QString folder) {
  while (folder.size() > 1 && folder.endsWith('/')) folder.chop(1);
  return folder;
}

QMutex skinFolderMutex;
QString& skinFolderStore() {
  static QString folder = programFolder() + "//SKIN0";
  return folder;
}
}  // namespace

QString programFolder() {
  const QString home = qEnvironmentVariable("REELVISE_HOME");
  if (!home.isEmpty()) return withoutTrailingSeparator(home);
  // Works before a QCoreApplication exists (the engine is bound first).
  const QFileInfo exe(QStringLiteral("/proc/self/exe"));
  return withoutTrailingSeparator(QFileInfo(exe.symLinkTarget()).absolutePath());
}

QString currentSkinFolder() {
  QMutexLocker lock(&skinFolderMutex);
  return skinFolderStore();
}

void setCurrentSkinFolder(const QString& folder) {
  QMutexLocker lock(&skinFolderMutex);
  skinFolderStore() = folder;
}
