#include "ui/DesktopShell.h"

#include <QDesktopServices>
#include <QUrl>

bool DesktopShell::openUrl(const QString& url) {
  return QDesktopServices::openUrl(QUrl(url));
}

bool DesktopShell::openFile(const QString& path) {
  return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}
